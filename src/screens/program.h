// Savanto itself, as the platform runs it: its start-up and its windows by name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "state/module.h"
#include "ui/app.h"

namespace sv {

class SavantoProgram : public ui::Program {
public:
    SavantoProgram();
    ~SavantoProgram() override;
    void start(ui::App& app) override;
    std::unique_ptr<ui::Window> createWindow(ui::App& app, const std::string& name) override;
    std::vector<std::string> windowNames() const override;
    const ui::Fields& moduleFields() const override { return module_.fields(); }
    state::Module& module() { return module_; }

private:
    state::Module module_;
};

std::unique_ptr<ui::Program> makeSavantoProgram();

}  // namespace sv
