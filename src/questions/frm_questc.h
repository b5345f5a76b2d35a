// The category choice of the centre square: six pictures, one click.
#pragma once

#include <array>

#include "state/module.h"
#include "ui/window.h"

namespace sv::questions {

class FrmQuestC : public ui::Window {
public:
    static constexpr const char* kName = "FrmQuestC";
    FrmQuestC(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::Picture& ImgBle;
    ui::Picture& ImgRos;
    ui::Picture& ImgJau;
    ui::Picture& ImgMar;
    ui::Picture& ImgVer;
    ui::Picture& ImgOra;
    ui::ControlArray<ui::Label> Lbl;
    ui::ControlArray<ui::Label> LblNom;  // the categories' names under their pictures
    ui::Timer& TimChoix1;
    ui::Timer& TimChoix2;
    ui::Timer& TimChoix3;
    ui::Timer& TimFin;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void TimChoix1_Timer();
    void TimChoix23_Timer(int side);
    void Choice_Click(ui::Picture& picture, const char* key);

private:
    state::Module& m_;
};

}  // namespace sv::questions
