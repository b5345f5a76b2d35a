// The real program on the headless platform, in a temporary folder holding its assets.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "screens/program.h"
#include "ui/app.h"
#include "ui/headless/headless_platform.h"

namespace sv::test {

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        folder = fs::temp_directory_path() / ("savanto-prog-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        for (const auto& e : fs::directory_iterator(SAVANTO_ASSET_DIR)) fs::copy_file(e.path(), folder / e.path().filename());
        auto program = std::make_unique<SavantoProgram>();
        m = &program->module();
        app = std::make_unique<ui::App>(platform, std::move(program), folder.string() + "/");
        platform.attach(app.get());
    }
    void TearDown() override {
        app.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder;
    ui::HeadlessPlatform platform;
    std::unique_ptr<ui::App> app;
    state::Module* m = nullptr;
};

}  // namespace sv::test
