#include <gtest/gtest.h>

#include "random_play.h"

namespace sv::test {

// Thousands of random actions from fixed seeds: no error box, no window left waiting for
// nothing, counters, turn marks and wedges always in agreement. A failure prints the script
// that replays it through savanto-scenario.
TEST(RandomPlay, ThousandsOfRandomActionsKeepEveryInvariant) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const RandomPlayResult r = randomPlay(seed, 4000, SAVANTO_ASSET_DIR);
        EXPECT_TRUE(r.failure.empty()) << "seed " << seed << " after " << r.steps << " steps: " << r.failure
                                       << "\nscript:\n" << r.script;
        EXPECT_EQ(r.steps, 4000);
    }
}

}  // namespace sv::test
