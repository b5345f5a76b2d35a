// savanto-scenario [--keep DIR] SCRIPT...: runs scenario scripts against the program.
#include <iostream>

#include "scenario.h"
#include "screens/program.h"

int main(int argc, char** argv) {
    return sv::scenario::main(argc, argv, [] { return sv::makeSavantoProgram(); }, SAVANTO_ASSET_DIR, std::cout,
                              std::cin);
}
