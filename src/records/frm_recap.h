// The recap window: the questions asked so far to a side, with the right answer and whether it
// was found, side by side in a two-side game.
#pragma once

#include <string>

#include "state/module.h"
#include "ui/window.h"

namespace sv::records {

class FrmRecap : public ui::Window {
public:
    static constexpr const char* kName = "FrmRecap";
    FrmRecap(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::ControlArray<ui::Picture> Pic;
    ui::Label& Lbl;
    ui::ListBox& LST;
    ui::Label& LblQ;
    ui::Label& LblR;
    ui::Label& LblYN;
    ui::Button& CmdJ1;
    ui::Button& CmdJ2;
    ui::Button& CmdFerme;
    ui::Button& Foc;
    ui::Timer& TimDeb;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimDeb_Timer();
    void CmdJ_Click(int side);  // CmdJ1, CmdJ2
    void LST_Click();

private:
    // The list of recap entries a view shows: the single player's, side 1's or side 2's.
    const state::RecapList& listOf(int side) const;
    int countOf(int side) const;  // entries filled, from the board's counts
    void showSide(int side);      // side 0: the single player
    void showEntry(const state::RecapList& list, int n);

    ui::ControlArray<ui::Label> LblTitre;  // "Bonne réponse :", "Trouvée :"
    int shown_ = 0;  // the side whose questions are listed: 0 single player, 1, 2
    state::Module& m_;
};

}  // namespace sv::records
