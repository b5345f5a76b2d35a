// The loading window: copies the chosen question set into the six question tables, one
// category per 90 ms tick with a progress bar, then opens the board or the training window.
#pragma once

#include <array>

#include "state/module.h"
#include "ui/window.h"

namespace sv::questions {

class FrmCharge : public ui::Window {
public:
    static constexpr const char* kName = "FrmCharge";
    FrmCharge(ui::App& app, state::Module& m);

    ui::Picture& ImgFond;
    ui::Label& Lbl;
    ui::Picture& Picture1;
    ui::Label& Sha;
    ui::Timer& TimDeb;
    ui::Timer& TimFin;
    // TimGeo1 .. TimSpo3: the step of category k (1..6) of series n (1..3).
    ui::Timer& step(int series, int category) const { return *steps_[static_cast<std::size_t>((series - 1) * 6 + category - 1)]; }

    int Pas = 0;  // progress step, twips

    void Form_Load() override;
    void TimDeb_Timer();
    void Step_Timer(int series, int category);
    void TimFin_Timer();

private:
    state::Module& m_;
    std::array<ui::Timer*, 18> steps_{};
};

}  // namespace sv::questions
