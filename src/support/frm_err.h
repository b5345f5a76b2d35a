// The problem report window: what went wrong and where, to copy or send to the support.
#pragma once

#include "state/module.h"
#include "ui/window.h"

namespace sv::support {

class FrmErr : public ui::Window {
public:
    static constexpr const char* kName = "FrmErr";
    FrmErr(ui::App& app, state::Module& m);

    ui::Picture& PicLogo;
    ui::Label& LblLogo;
    ui::ControlArray<ui::Label> Lbl;
    ui::TextBox& T1;
    ui::Button& CmdCopier;
    ui::Button& CmdMail;
    ui::Button& CmdFerme;
    ui::Button& Foc;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void CmdCopier_Click();
    void CmdMail_Click();
    void CmdFerme_Click();

private:
    state::Module& m_;
};

}  // namespace sv::support
