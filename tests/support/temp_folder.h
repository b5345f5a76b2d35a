// A throw-away folder for one test, optionally filled with the files of another folder.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace sv::test {

inline std::filesystem::path makeTempFolder(const std::string& prefix, const std::filesystem::path& filledFrom = {}) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / (prefix + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    if (!filledFrom.empty()) {
        for (const auto& e : fs::directory_iterator(filledFrom)) fs::copy_file(e.path(), folder / e.path().filename());
    }
    return folder;
}

inline void removeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

}  // namespace sv::test
