// The board window: the picture of the board with its 73 square zones, the two tokens and their
// wedges, the die, the two sides' panels and the commands.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "board/game_state.h"
#include "records/saved_game.h"
#include "state/module.h"
#include "ui/window.h"

namespace sv::board {

class FrmCSav : public ui::Window {
public:
    static constexpr const char* kName = "FrmCSav";
    FrmCSav(ui::App& app, state::Module& m);

    // --- controls ---
    ui::Picture& ImgFond;
    ui::ControlArray<ui::Label> LB;  // square zones 0..72
    // Side panels: names, counters, captions, wedge slots, turn indicators.
    ui::Label& LblJ1;
    ui::Label& LblJ2;
    ui::Label& LblQues1;
    ui::Label& LblQuesR1;
    ui::Label& LblQuesF1;
    ui::Label& LblScor1;
    ui::Label& LblQues2;
    ui::Label& LblQuesR2;
    ui::Label& LblQuesF2;
    ui::Label& LblScor2;
    ui::ControlArray<ui::Label> LblC1;  // side 1's five captions
    ui::ControlArray<ui::Label> LblC2;  // side 2's five captions
    ui::ControlArray<ui::Picture> ImgPart1;
    ui::ControlArray<ui::Picture> ImgPart2;
    ui::Picture& Img1Ora;
    ui::Picture& Img1Gris;
    ui::Picture& Img2Ora;
    ui::Picture& Img2Gris;
    ui::Picture& ImgSeul;  // covers side 2's panel in a one-player game
    // Instruction panel.
    ui::Label& LblN;
    ui::Label& LblInfo;
    // Commands.
    ui::Label& LblLance;
    ui::Label& LblQuest;
    ui::Label& LblNew;
    ui::Label& LblQuit;
    ui::Label& LblPos;
    ui::Label& LblEnr;
    ui::Label& LblOpen;
    ui::Label& LblMeilleurs;
    ui::Picture& But1;
    ui::Picture& But11;
    ui::Picture& But2;
    ui::Picture& But22;
    ui::Picture& ImgSonOK;
    ui::Picture& ImgSonHS;
    ui::Picture& ImgTpsOK;
    ui::Picture& ImgTpsHS;
    ui::Picture& ImgAide1;
    ui::Picture& ImgAide2;
    ui::Picture& ImgInt1;
    ui::Picture& ImgInt2;
    ui::Picture& ImgMail1;
    ui::Picture& ImgMail2;
    // Die and tokens.
    ui::ControlArray<ui::Picture> ImDe;
    ui::Picture& Cam1;
    ui::Picture& Cam2;
    // After a roll: the squares the die's value reaches, and the keyboard's highlight.
    ui::ControlArray<ui::Picture> ImgCible;  // 1..kMarks
    ui::Picture* ImgCurseur = nullptr;
    static constexpr int kMarks = 8;
    // Wedge overlays, category order: ParB1 .. ParO1 over Cam1, ParB2 .. ParO2 over Cam2.
    std::array<ui::Picture*, 6> Par1{};
    std::array<ui::Picture*, 6> Par2{};
    // Hidden labels that hold state.
    ui::Label& LblQ1;
    ui::Label& LblQ2;
    ui::Label& LblTOUR;
    ui::Label& LblNJoueur;
    ui::Label& LblJquiJ;
    ui::Label& LblCam;
    ui::Label& LblCas;
    ui::Label& LblCas1;
    ui::Label& LblCas2;
    ui::Label& C1Top;
    ui::Label& C1Lef;
    ui::Label& C2Top;
    ui::Label& C2Lef;
    ui::Label& LblDE;
    ui::ControlArray<ui::Label> L1;
    ui::ControlArray<ui::Label> L2;
    ui::Button& CmdLB;  // the drop handler, called as a routine
    // Timers.
    ui::Timer& TimDeb;
    ui::Timer& TimVis;
    ui::Timer& Tim1;
    ui::Timer& Tim2;
    ui::Timer& Tim3;
    ui::Timer& Tim4;
    ui::Timer& Tim5;
    ui::Timer& TimImgSon;
    ui::Timer& TimImgTemps;
    ui::Timer& TimRetQuest;
    ui::Timer& TimScore1;
    ui::Timer& TimScore2;
    ui::Timer& TimFin;
    ui::Timer& TimShowSco;

    // --- fields ---
    // The turns, the counters and the wedges as numbers; the captions show them.
    GameState game;
    int& NbTours = game.turns;
    std::array<int, 7>& PartJ1 = game.sides[1].wedges;  // 1..6, category order
    std::array<int, 7>& PartJ2 = game.sides[2].wedges;
    int CaseCible = 0;
    int PartieModifiee = 0;
    int NouvellePartie = 0;
    int PartieFinie = 0;
    std::string NomFichier;
    std::array<int, 16> PosBoutons{};  // top and left of the eight push controls
    double SourisX = 0, SourisY = 0;

    // --- handlers and routines ---
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    bool Form_KeyDown(const std::string& key) override;
    void SubRAZ();
    void SubPart();
    void TimDeb_Timer();
    void TimVis_Timer();
    void LblLance_Click();
    void Die_Timer(int k);  // Tim1 .. Tim5
    void CmdLB_Click();
    void LblCas_Change();
    void LblQuest_Click();
    void LblNew_Click();
    void LblQuit_Click();
    void But1_Click();
    void But2_Click();
    void TimImgSon_Timer();
    void TimImgTemps_Timer();
    void ImgAide1_Click();
    void ImgInt1_Click();
    void ImgMail1_Click();
    void TimRetQuest_Timer();
    void TimScore_Timer(int side);
    void TimFin_Timer();
    void TimShowSco_Timer();
    void LblMeilleurs_Click();
    void LblPos_Click();
    void LblEnr_Click();
    void LblOpen_Click();
    // Saves the game through the save dialog; false when nothing was written (cancelled, or
    // the write failed and was reported).
    bool Enregistrer();
    // The question window closed without a verdict: the board is as it was before "QUESTION".
    void QuestionAnnulee();

    // One side's controls, side 1 (red) or 2 (blue): its panel, its token and its wedges.
    struct Side {
        int number = 0;
        ui::Label* name = nullptr;  // LblJ1
        ui::Label* asked = nullptr;  // the counters: LblQues1, LblQuesR1, LblQuesF1, LblScor1
        ui::Label* right = nullptr;
        ui::Label* wrong = nullptr;
        ui::Label* score = nullptr;
        ui::Label* recapCount = nullptr;  // LblQ1: the questions in its recap list
        ui::Picture* token = nullptr;     // Cam1
        std::array<ui::Picture*, 6> overlays{};          // the wedges riding on the token, category order
        ui::ControlArray<ui::Picture>* wedgeSlots = nullptr;  // ImgPart1(1..6), in the order the wedges were won
        ui::ControlArray<ui::Label>* slotUsed = nullptr;  // L1(1..6)
        std::array<int, 7>* wedges = nullptr;            // PartJ1(1..6)
        ui::Label* top = nullptr;  // where the token rests: C1Top, C1Lef, LblCas1
        ui::Label* left = nullptr;
        ui::Label* square = nullptr;
        ui::Picture* onTurn = nullptr;  // Img1Ora, Img1Gris
        ui::Picture* waiting = nullptr;
        ui::Timer* scoreTimer = nullptr;
        const std::string* player = nullptr;  // the player's name in the module (two-side game)
        std::string emptySlot;                // "CAM17"
        std::string slotPicture(int category) const { return "CAM" + std::to_string(number) + std::to_string(category); }
    };
    Side& side(int s) { return sides_[static_cast<std::size_t>(s == 2 ? 2 : 1)]; }
    const Side& side(int s) const { return sides_[static_cast<std::size_t>(s == 2 ? 2 : 1)]; }

    // The eight push controls, in the order of PosBoutons.
    std::array<ui::Control*, 8> pushControls() const;

private:
    ui::Label& text(const std::string& name, ui::Rect r, const std::string& caption, int index = -1);
    ui::Label& hidden(const std::string& name, const std::string& caption, int index = -1);
    ui::Picture& art(const std::string& name, ui::Rect r, const char* resource, int index = -1);
    void sound(const char* file);
    void dropOnToken(int side);
    void dropOnBackground(ui::Control& source, double x, double y);
    void recordButtonPositions();
    void restoreButton(int k);
    void setTokensEnabled(bool side1, bool side2);
    bool sideOnTurnHoldsAllSix() const;
    // A token released at board point (x, y), over whatever control lies there: it lands on
    // the square under the point, or goes back as on the background.
    void dropAt(ui::Control& source, double x, double y);
    void writeOptions();
    // The reachable squares of the side whose token is free, marked; and unmarked.
    void showReach(int side);
    void hideReach();
    void placeCursor(int square);  // -1 hides it
    int freeSide() const;          // the side whose token may move now, or 0
    void keyboardMove(const std::string& key);
    void nameControls();  // what a screen reader says of each control
    void setSides(int count);  // one side or two: the second side's token and panel
    void showTurn(int side);   // the turn marks: orange for the side to play
    records::SavedGame savedGame() const;
    void restore(const records::SavedGame& g, const ui::DateTime& saved, const std::string& file);
    void placeToken(int side, int top, int left, int square);
    void rest(int side, const TokenPlace& place);  // the token's resting place, in the game and its captions
    void land(int square);                         // the move ends on a square: its text and cue
    void showWedge(int side, int category);  // the wedge just won: the message, its slot, its overlay
    void showCounts(int side);               // the side's counters in its captions

    int modifieeAvantQuestion_ = 0;
    bool questionDuringRoll_ = false;
    ui::Rect newRest_{}, quitRest_{};  // "Nouvelle partie" and "Quitter" at rest
    bool tokensAvantQuestion_[2] = {false, false};
    std::array<Side, 3> sides_{};  // 1 and 2
    std::vector<int> reach_;  // the squares marked
    int cursor_ = -1;         // the highlighted square

    state::Module& m_;
};

}  // namespace sv::board
