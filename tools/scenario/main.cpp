// savanto-scenario [--keep DIR] SCRIPT...: runs scenario scripts against the program.
#include <filesystem>
#include <iostream>

#include "scenario.h"
#include "screens/program.h"

namespace {

// The files the program ships: the source tree's assets, or, for a build moved elsewhere, the
// copies next to this executable.
std::string assetFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(SAVANTO_ASSET_DIR, ec)) return SAVANTO_ASSET_DIR;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(SAVANTO_ASSET_DIR) : self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    return sv::scenario::main(argc, argv, [] { return sv::makeSavantoProgram(); }, assetFolder(), std::cout,
                              std::cin);
}
