// Stands in for a window that is still being built: it takes over from the loading window as
// the real one will, says so, and leads back to the start screen.
#pragma once

#include "state/module.h"
#include "ui/window.h"

namespace sv::screens {

class PendingWindow : public ui::Window {
public:
    PendingWindow(ui::App& app, state::Module& m, const std::string& name, const std::string& text);

    ui::Label& Lbl;
    ui::Button& CmdRetour;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};

}  // namespace sv::screens
