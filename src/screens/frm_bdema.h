// The start screen: the kind of game, the names or the quiz, the question set; "Jouer".
#pragma once

#include "state/module.h"
#include "ui/window.h"

namespace sv::screens {

class FrmBDema : public ui::Window {
public:
    static constexpr const char* kName = "FrmBDema";
    FrmBDema(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::ControlArray<ui::Label> Lbl;
    ui::OptionButton& Opt1;
    ui::OptionButton& Opt2;
    ui::OptionButton& Opt3;
    ui::Frame& Fra1;
    ui::Frame& Fra2;
    ui::Frame& Fra3;
    ui::TextBox& TxtJ1;
    ui::TextBox& TxtJ2;
    ui::TextBox& TxtJ3;
    ui::OptionButton& Optio1;
    ui::OptionButton& Optio2;
    ui::OptionButton& Optio3;
    ui::OptionButton& Optio4;
    ui::OptionButton& Optio5;
    ui::OptionButton& Optio6;
    ui::Frame& Frame2;
    ui::OptionButton& Op1;
    ui::OptionButton& Op2;
    ui::OptionButton& Op3;
    ui::Frame& Frame1;
    ui::OptionButton& Option1;
    ui::OptionButton& Option2;
    ui::OptionButton& Option3;
    ui::ControlArray<ui::Button> CmdJouer;
    ui::Button& CmdInfo;
    ui::Button& CmdQuitter;
    ui::TextBox& Foc;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void CmdJouer_Click(int index);
    bool Form_KeyDown(const std::string& key) override;
    void CmdInfo_Click();
    void CmdQuitter_Click();

private:
    void showPanel(int n);
    state::Module& m_;
};

}  // namespace sv::screens
