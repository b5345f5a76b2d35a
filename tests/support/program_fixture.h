// The real program on the headless platform, in a temporary folder holding its assets.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "screens/program.h"
#include "temp_folder.h"
#include "ui/app.h"
#include "ui/headless/headless_platform.h"

namespace sv::test {

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder = makeTempFolder("savanto-prog-", SAVANTO_ASSET_DIR);
        auto program = std::make_unique<SavantoProgram>();
        m = &program->module();
        app = std::make_unique<ui::App>(platform, std::move(program), folder.string() + "/");
        platform.attach(app.get());
    }
    void TearDown() override {
        app.reset();
        removeFolder(folder);
    }
    std::filesystem::path folder;
    ui::HeadlessPlatform platform;
    std::unique_ptr<ui::App> app;
    state::Module* m = nullptr;
};

}  // namespace sv::test
