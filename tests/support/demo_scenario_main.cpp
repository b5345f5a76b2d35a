// The scenario driver over the demo program, for the platform's own scripts.
#include <iostream>

#include "demo_program.h"
#include "scenario.h"

int main(int argc, char** argv) {
    return sv::scenario::main(argc, argv, [] { return std::make_unique<sv::test::DemoProgram>(); }, SAVANTO_TEST_DATA,
                              std::cout, std::cin);
}
