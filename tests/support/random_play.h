// A player who does at random, from a fixed seed, anything a user could; the program's invariants
// are checked after each step, and a run that breaks one gives the scenario script replaying it.
#pragma once

#include <cstdint>
#include <string>

namespace sv::test {

struct RandomPlayResult {
    long steps = 0;       // actions done
    int programs = 0;     // programs started (a program that ends gives way to a new one)
    std::string failure;  // empty when every invariant held
    std::string script;   // the scenario script of the program that failed
};

RandomPlayResult randomPlay(std::uint32_t seed, long steps, const std::string& assetFolder);

}  // namespace sv::test
