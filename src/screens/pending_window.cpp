#include "screens/pending_window.h"

#include "ui/app.h"

namespace sv::screens {

PendingWindow::PendingWindow(ui::App& app, state::Module& m, const std::string& name, const std::string& text)
    : ui::Window(app, name),
      Lbl(label("Lbl", {240, 240, 4500, 720})),
      CmdRetour(button("CmdRetour", {1800, 1080, 1380, 420}, "Retour")),
      TimDeb(timer("TimDeb")) {
    (void)m;
    setCaption("Savanto");
    move(0, 0, 5070, 2200);
    Lbl.setCaption(text);
    Lbl.setFont({"MS Sans Serif", 10, false, false, false});
    Lbl.setAlignment(ui::Align::Center);
    CmdRetour.onClick = [this] { this->app().unload(*this); };
    TimDeb.onTimer = [this] {
        TimDeb.setInterval(0);
        if (ui::Window* loading = this->app().find("FrmCharge")) this->app().unload(*loading);
        show();
    };
}

void PendingWindow::Form_Load() {
    move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
    TimDeb.setInterval(250);
}

void PendingWindow::Form_Unload(int& cancel) {
    (void)cancel;
    app().load("FrmBDema");
}

}  // namespace sv::screens
