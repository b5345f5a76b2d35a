#include <gtest/gtest.h>

#include "random_play.h"

namespace sv::test {

// Invariants of the random player (random_play.cpp); a failure prints the script replaying it.
TEST(RandomPlay, ThousandsOfRandomActionsKeepEveryInvariant) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const RandomPlayResult r = randomPlay(seed, 4000, SAVANTO_ASSET_DIR);
        EXPECT_TRUE(r.failure.empty()) << "seed " << seed << " after " << r.steps << " steps: " << r.failure
                                       << "\nscript:\n" << r.script;
        EXPECT_EQ(r.steps, 4000);
    }
}

}  // namespace sv::test
