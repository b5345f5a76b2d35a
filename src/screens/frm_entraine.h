// The training window: one player, a series of questions of one category, an optional
// countdown, the player's own verdict through the answer check window, the score as a number
// and as a bar, and a summary at the end.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/module.h"
#include "ui/window.h"

namespace sv::screens {

// The last line of the summary for a final score: up to 60, 61 to 80, above 80.
const char* summaryVerdict(int score);

class FrmEntraine : public ui::Window {
public:
    static constexpr const char* kName = "FrmEntraine";
    FrmEntraine(ui::App& app, state::Module& m);

    // --- controls ---
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
    ui::ControlArray<ui::Label> Lbl;  // 0 "Exactes :", 1 "%" of the bar, 2 "Fausses :", 3 "SCORE :",
                                      // 4 "%" of the score, 5 "Question", 6 "Chronométrer le jeu"
    ui::Label& LblQ;
    ui::Label& LblExacte;
    ui::Label& LblFausse;
    ui::Label& LblScore;
    ui::Label& LblBas;
    ui::Picture& ImgSCO;
    ui::Label& LblMN;
    ui::Label& LblPoint;
    ui::Label& LblSe;
    ui::CheckBox& ChkChrono;
    ui::ComboBox& Cbo;
    ui::TextBox& TxtCbo;
    ui::Button& CmdJouer;
    ui::Button& CmdCle;
    ui::Button& CmdFerme;
    ui::Button& Foc;
    ui::Timer& TimDeb;
    ui::Timer& TimQuest;
    ui::Timer& TimChrono;
    ui::Timer& TimMess;
    ui::Timer& TimScore;
    ui::Timer& TimFin;
    ui::Timer& TimFinBis;

    // --- fields ---
    std::array<int, 101> Serie{};  // 1..100: the question numbers of the series, in order
    int NumQuest = 0;
    std::string NomCat;
    int SerieFinie = 0;
    int ChronoActif = 0;

    // --- handlers ---
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void CmdJouer_Click();
    void TimQuest_Timer();
    void TimChrono_Timer();
    void TimMess_Timer();
    void CmdCle_Click();
    void TimScore_Timer();
    void TimFin_Timer();
    void TimFinBis_Timer();
    void ChkChrono_Click();
    void Cbo_Click();
    void CmdFerme_Click();
    // What the answer check window and the time-out both do: the solution on show, the next
    // question offered, the score refreshed.
    void ShowSolution(int scoreDelay);
    // A verdict counted: the answer check window's, or a question that ran out of time.
    void countAnswer(bool right);

private:
    ui::Label& text(const std::string& name, ui::Rect r, int index = -1);
    void setCountdownColour(bool on);
    void armChrono();
    bool drawSeries();

    void setCountdown(int ticks);
    // The series as numbers; the window shows them in its captions and never reads them back.
    int right_ = 0, wrong_ = 0, score_ = 0;
    int ticksLeft_ = 0;             // the countdown, in sixtieths of a second: LblMN seconds, LblSe the rest
    int chronoTicks_ = 0;           // ticks since the countdown started, 60 a second
    std::int64_t chronoStart_ = 0;  // when it started, on the steady clock
    state::Module& m_;
};

}  // namespace sv::screens
