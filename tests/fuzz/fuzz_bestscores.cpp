// "bestscor.ret" as the scores window reads it: one record a line, Windows-1252 on disk.
#include <functional>
#include <map>

#include "fuzz.h"
#include "records/bestscores.h"
#include "ui/files.h"
#include "ui/text.h"

using namespace sv;
using records::recordScore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> table = files::splitLines(text::fromCp1252({reinterpret_cast<const char*>(data), size}));
    if (table.size() > 1000) table.resize(1000);  // the window reads no more

    // The ranking: as the slow rank-by-rank passes, and the listable records by score, each score in file order.
    const std::vector<std::string> ranked = records::rankRecords(table);
    if (table.size() <= 12) FUZZ_CHECK(ranked == records::rankRecordsByPasses(table));
    std::map<int, std::vector<std::string>, std::greater<>> groups;
    for (const std::string& r : table) {
        if (text::length(r) >= 5 && recordScore(r) > 0) groups[recordScore(r)].push_back(r);
    }
    std::vector<std::string> expected;
    for (const auto& [score, group] : groups) expected.insert(expected.end(), group.begin(), group.end());
    FUZZ_CHECK(ranked == expected);

    // The shown lines cut by characters, never inside one (the result stays writable on disk).
    for (std::size_t i = 0; i < ranked.size() && i < 30; ++i) {
        const std::string line = records::displayLine(static_cast<int>(i + 1), ranked[i]);
        FUZZ_CHECK(line.size() >= 5 && std::stoi(line.substr(0, 3)) == static_cast<int>(i + 1));
        FUZZ_CHECK(text::toCp1252(line).has_value());
    }

    // A long table is rewritten with its 60 best, each line as it was: read again, the same records in order.
    std::vector<std::string> best(ranked.begin(), ranked.begin() + std::min<std::ptrdiff_t>(60, ranked.size()));
    std::string rewritten;
    for (const std::string& r : best) rewritten += r + "\r\n";
    const auto reread = files::splitLines(text::fromCp1252(text::toCp1252Lossy(rewritten)));
    FUZZ_CHECK(reread == best);
    FUZZ_CHECK(records::rankRecords(reread) == best);

    // Entering: a better score enters whenever a worse one does; a table under 30 records lets all in.
    std::vector<std::string> first30(table.begin(), table.begin() + std::min<std::ptrdiff_t>(30, table.size()));
    bool entered = false;
    for (int score = 0; score <= 101; ++score) {
        const bool now = records::qualifies(score, first30);
        FUZZ_CHECK(now || !entered);
        entered = now;
    }
    if (first30.size() < 30) FUZZ_CHECK(records::qualifies(0, first30));

    // A new result named after the first line reads back its score and set, and survives the file.
    if (size > 0) {
        const int score = data[0] % 101;
        const int set = 1 + data[size - 1] % 3;
        const std::string name = table.empty() ? std::string() : table[0];
        const std::string record = records::buildRecord(std::to_string(score), {2026, 1, 15, 10, 30, 0}, name, set);
        FUZZ_CHECK(recordScore(record) == score);
        FUZZ_CHECK(records::recordsOfSet({record}, set).size() == 1);
        FUZZ_CHECK(files::splitLines(text::fromCp1252(text::toCp1252Lossy(record + "\r\n"))) ==
                   std::vector<std::string>{record});
        FUZZ_CHECK(records::rankRecords({record}).size() == (score > 0 ? 1u : 0u));
    }
    return 0;
}
