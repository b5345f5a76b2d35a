#include "screens/program.h"

namespace sv {

SavantoProgram::SavantoProgram() = default;
SavantoProgram::~SavantoProgram() = default;

void SavantoProgram::start(ui::App& app) { (void)app; }

std::unique_ptr<ui::Window> SavantoProgram::createWindow(ui::App& app, const std::string& name) {
    (void)app;
    (void)name;
    return nullptr;
}

std::vector<std::string> SavantoProgram::windowNames() const { return {}; }

std::unique_ptr<ui::Program> makeSavantoProgram() { return std::make_unique<SavantoProgram>(); }

}  // namespace sv
