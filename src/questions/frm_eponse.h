// The answer check window of the training window: the right answer, and the player's own
// verdict.
#pragma once

#include "state/module.h"
#include "ui/window.h"

namespace sv::questions {

class FrmEponse : public ui::Window {
public:
    static constexpr const char* kName = "FrmEponse";
    FrmEponse(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::ControlArray<ui::Label> Lbl;  // 0 "La bonne réponse est:", 1 the question asked of the player
    ui::Label& LblRep;
    ui::Button& CmdOui;
    ui::Button& CmdNon;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Verdict_Click(bool right);  // CmdOui, CmdNon

private:
    state::Module& m_;
};

}  // namespace sv::questions
