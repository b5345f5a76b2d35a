// A fresh demo program on the headless platform, in a temporary program folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "demo_program.h"
#include "temp_folder.h"
#include "ui/app.h"
#include "ui/headless/headless_platform.h"

namespace sv::test {

class HeadlessFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder = makeTempFolder("savanto-test-", SAVANTO_TEST_DATA);
        auto program = std::make_unique<DemoProgram>();
        demo = program.get();
        app = std::make_unique<ui::App>(platform, std::move(program), folder.string() + "/");
        platform.attach(app.get());
    }
    void TearDown() override {
        app.reset();
        removeFolder(folder);
    }
    // Starts the program and waits until the demo window shows.
    FrmDemo& started() {
        app->start();
        platform.advance(100);
        return *app->find<FrmDemo>();
    }

    std::filesystem::path folder;
    ui::HeadlessPlatform platform;
    std::unique_ptr<ui::App> app;
    DemoProgram* demo = nullptr;
};

}  // namespace sv::test
