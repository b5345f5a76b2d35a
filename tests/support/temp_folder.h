// Test helpers: a throw-away folder, optionally filled with the files of another folder, a program
// run in one, and the run-time error an action raises.
#pragma once

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "ui/app.h"
#include "ui/error.h"
#include "ui/headless/headless_platform.h"

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

// A program of type P on the headless platform, in a throw-away folder holding the files of `assets`.
template <class P>
struct HeadlessRun {
    HeadlessRun(const std::string& prefix, const std::filesystem::path& assets) : folder(makeTempFolder(prefix, assets)) {
        auto owned = std::make_unique<P>();
        program = owned.get();
        app = std::make_unique<ui::App>(platform, std::move(owned), folder.string() + "/");
        platform.attach(app.get());
    }
    ~HeadlessRun() {
        app.reset();
        removeFolder(folder);
    }
    std::filesystem::path folder;
    ui::HeadlessPlatform platform;
    std::unique_ptr<ui::App> app;
    P* program = nullptr;
};

// The number and description of the run-time error `action` raises; {0, ""} when it raises none.
template <class F>
std::pair<int, std::string> raised(F action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return {e.number(), e.description()};
    }
    return {0, ""};
}

}  // namespace sv::test
