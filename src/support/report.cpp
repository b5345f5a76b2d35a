#include "support/report.h"

namespace sv::support {

void reportError(ui::App& app, state::Module& m, int where, const RuntimeError& e) {
    m.ErrLieu = where;
    m.ErrNum = e.number();
    m.ErrTexte = e.description();
    app.load("FrmErr").show();
}

}  // namespace sv::support
