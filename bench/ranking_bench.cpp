// The best-scores ranking: the stable sort the program uses against the rank-by-rank passes
// over all records (cubic in the number of records). Both give the same table; the run checks
// it before timing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "records/bestscores.h"

namespace {

std::vector<std::string> table(int size) {
    std::mt19937 random(2026);
    std::vector<std::string> file;
    for (int i = 0; i < size; ++i) {
        const int score = static_cast<int>(random() % 101);
        std::string name = "Joueur";
        name += std::to_string(i);
        file.push_back(sv::records::buildRecord(std::to_string(score), {2026, 1, 1 + i % 28, 10, i % 60, 0}, name,
                                                2 + i % 2));
    }
    return file;
}

void StableSort(benchmark::State& state) {
    const auto file = table(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(sv::records::rankRecords(file));
}

void RankByRankPasses(benchmark::State& state) {
    const auto file = table(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(sv::records::rankRecordsByPasses(file));
}

BENCHMARK(StableSort)->Arg(30)->Arg(100)->Arg(1000);
BENCHMARK(RankByRankPasses)->Arg(30)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    for (int size : {30, 100, 1000}) {
        const auto file = table(size);
        if (sv::records::rankRecords(file) != sv::records::rankRecordsByPasses(file)) {
            std::fprintf(stderr, "the two rankings differ for %d records\n", size);
            return 1;
        }
        std::printf("%d records: both rankings identical\n", size);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
