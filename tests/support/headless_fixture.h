// A fresh program on the headless platform, in a temporary program folder.
#pragma once

#include <gtest/gtest.h>

#include "demo_program.h"
#include "temp_folder.h"

namespace sv::test {

// The demo program, whose window has a control of every kind.
class HeadlessFixture : public ::testing::Test, protected HeadlessRun<DemoProgram> {
protected:
    HeadlessFixture() : HeadlessRun("savanto-test-", SAVANTO_TEST_DATA) {}
    // Starts the program and waits until the demo window shows.
    FrmDemo& started() {
        app->start();
        platform.advance(100);
        return *app->find<FrmDemo>();
    }
};

}  // namespace sv::test
