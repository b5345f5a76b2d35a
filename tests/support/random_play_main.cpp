// savanto-random-play [SEED [STEPS]]: the long random run; prints the figures, or the broken
// invariant and the script that replays it (exit 1).
#include <cstdlib>
#include <iostream>

#include "random_play.h"

int main(int argc, char** argv) {
    const auto seed = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1);
    const long steps = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000000;
    const auto r = sv::test::randomPlay(seed, steps, SAVANTO_ASSET_DIR);
    std::cout << "seed " << seed << ": " << r.steps << " steps, " << r.programs << " programs\n";
    if (r.failure.empty()) return 0;
    std::cout << "broken: " << r.failure << "\n--- script ---\n" << r.script;
    return 1;
}
