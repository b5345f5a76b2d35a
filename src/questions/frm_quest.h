// The question window of the board: draws an unasked question of the category, shows it,
// runs the countdown, reveals the answer and takes the players' verdict.
#pragma once

#include <array>
#include <string>

#include "state/module.h"
#include "ui/window.h"

namespace sv::questions {

class FrmQuest : public ui::Window {
public:
    static constexpr const char* kName = "FrmQuest";
    FrmQuest(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::Picture& ImgBle;
    ui::Picture& ImgRos;
    ui::Picture& ImgJau;
    ui::Picture& ImgMar;
    ui::Picture& ImgVer;
    ui::Picture& ImgOra;
    ui::Label& LblQue;
    ui::Label& LblR1;
    ui::Label& LblR2;
    ui::Label& LblR3;
    ui::Label& LblR4;
    ui::Label& LblRep1;
    ui::Label& LblRep;
    ui::Label& LblQ;
    ui::Label& LblTps;
    ui::ControlArray<ui::Label> LbCli;
    ui::Button& CmdInfo;
    ui::Button& CmdContinuer;
    ui::Button& CmdNon;
    ui::Button& CmdOui;
    ui::Timer& TimDeb;
    ui::Timer& TimTps1;
    ui::Timer& TimTps2;

    std::string Reponse;
    int Ecoule = 0;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void SubTypeQuestion();
    void TimDeb_Timer();
    void TimTps1_Timer();
    void TimTps2_Timer();
    void CmdContinuer_Click();
    void CmdOui_Click();
    void CmdNon_Click();
    void CmdInfo_Click();
    // The category choice window has closed with a category in CleCat.
    void ChoixFait_Notified();

private:
    ui::Picture* categoryPicture(int category);
    void showQuestion();
    bool tableIsEmpty(const state::QuestionTable& t) const;
    void noQuestionLoaded();
    void startCountdown();
    void stopBlinking();

    state::Module& m_;
    bool loadFailed_ = false;  // the background picture could not be loaded
    bool empty_ = false;       // the category's table holds no question
    bool cancelled_ = false;   // closed without a verdict
    bool decided_ = false;     // "Oui", "Non" or "Fermer" was clicked
    bool timeUp_ = false;      // the answer time ran out (the answer is on show)
};

}  // namespace sv::questions
