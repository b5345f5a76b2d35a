// The real program on the headless platform, in a temporary folder holding its assets.
#pragma once

#include "headless_fixture.h"
#include "screens/program.h"

namespace sv::test {

class ProgramFixture : public ::testing::Test, protected HeadlessRun<SavantoProgram> {
protected:
    ProgramFixture() : HeadlessRun("savanto-prog-", SAVANTO_ASSET_DIR) {}
    state::Module* m = &program->module();
};

}  // namespace sv::test
