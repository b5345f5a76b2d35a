// The best-scores window: the 30 best results, all question sets together or one at a time.
#pragma once

#include <string>
#include <vector>

#include "state/module.h"
#include "ui/window.h"

namespace sv::records {

class FrmDetailScor : public ui::Window {
public:
    static constexpr const char* kName = "FrmDetailScor";
    FrmDetailScor(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::ControlArray<ui::Picture> Pic;
    ui::Label& Lbl;
    ui::ListBox& LST;
    ui::Frame& Fra;
    ui::OptionButton& Opt1;
    ui::OptionButton& Opt2;
    ui::OptionButton& Opt3;
    ui::OptionButton& Opt4;
    ui::Button& CmdEffacer;
    ui::Button& CmdFerme;
    ui::Button& Foc;
    ui::Timer& TimDeb;

    std::vector<std::string> Lignes;  // the records as read, file order, at most 1000
    int NbLignes = 0;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void View_Click(int set);  // Opt1..Opt3: sets 1..3; Opt4 (0): all
    void CmdEffacer_Click();

private:
    void listRanked(const std::vector<std::string>& records);
    state::Module& m_;
};

}  // namespace sv::records
