// Shared by the fuzz targets: a property that does not hold stops the run on its own line.
#pragma once

#define FUZZ_CHECK(cond)               \
    do {                               \
        if (!(cond)) __builtin_trap(); \
    } while (0)
