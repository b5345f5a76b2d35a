// The answer-time window: whether answers are timed, and how long a side has to answer.
#pragma once

#include <string>

#include "state/module.h"
#include "ui/window.h"

namespace sv::records {

// "1 mn", "2 mn", "3 mn", "5 mn" and their seconds; 0 for any other text.
int secondsOf(const std::string& item);

class FrmTemps : public ui::Window {
public:
    static constexpr const char* kName = "FrmTemps";
    FrmTemps(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::ControlArray<ui::Label> Lbl;
    ui::CheckBox& Chk1;
    ui::ComboBox& Cbo;
    ui::TextBox& TxtCbo;
    ui::Button& CmdFerme;
    ui::Button& Foc;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void Chk1_Click();
    void Cbo_Click();

private:
    state::Module& m_;
};

}  // namespace sv::records
