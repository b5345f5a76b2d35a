// The board: saving the game to a ".par" file and opening one again.
#include <filesystem>

#include "board/board_common.h"
#include "board/board_model.h"
#include "board/frm_csav.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/files.h"

namespace sv::board {

namespace {

namespace fs = std::filesystem;

const char* const kFilter = "Savanto (*.par)|*.par|";
constexpr std::uintmax_t kLargestGame = 1 << 20;  // a saved game is a few hundred bytes

// The folder of a chosen file, with its trailing separator, as the dialogs start in it.
std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    if (parent.empty()) return {};
    std::string s = parent.string();
    if (s.back() != fs::path::preferred_separator) s += fs::path::preferred_separator;
    return s;
}

std::string fileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

// The name a saved game goes by on the board: its file name without the extension.
std::string gameName(const std::string& file) {
    const fs::path p(file);
    return p.extension().string().size() == 4 ? p.stem().string() : file;
}

// Sets a caption without running the label's change handler: restoring a counter is not a
// change of the score.
void setQuietly(ui::Label& l, const std::string& caption) {
    auto handler = std::move(l.onChange);
    l.onChange = nullptr;
    l.setCaption(caption);
    l.onChange = std::move(handler);
}

}  // namespace

records::SavedGame FrmCSav::savedGame() const {
    records::SavedGame g;
    g.type = m_.TypePartie == state::GameType::TwoSides ? 2 : 1;
    g.finished = PartieFinie;
    g.turn = g.type == 2 ? state::sideNumber(m_.JQuiJ) : 0;
    g.turns = game.turns;
    for (int s = 1; s <= 2; ++s) {
        const Side& d = side(s);
        records::SavedSide& out = g.sides[static_cast<std::size_t>(s - 1)];
        out.name = d.name->caption();
        const SideScore& n = game.side(s);
        out.questions = n.asked;
        out.right = n.right;
        out.wrong = n.wrong;
        out.score = n.score;
        out.top = n.place.top;
        out.left = n.place.left;
        out.square = n.place.square;
        for (std::size_t k = 0; k < 6; ++k) out.wedges[k] = (*d.wedges)[k + 1];
    }
    return g;
}

void FrmCSav::LblEnr_Click() { Enregistrer(); }

bool FrmCSav::Enregistrer() {
    ui::FileDialogSpec d;
    d.save = true;
    d.title = "Enregistrer la partie sous ...";
    d.initialFolder = m_.CheminApp2;
    d.filter = kFilter;
    d.fileName = NomFichier.empty() ? "Partie " + std::to_string(m_.NumPartie) : NomFichier;
    const auto path = app().platform().fileDialog(d);
    // Cancelled: nothing is written and the game still waits to be saved.
    if (!path) return false;
    if (const std::string folder = folderOf(*path); !folder.empty()) m_.CheminApp2 = folder;
    try {
        files::writeTextAtomic(*path, records::encodeSavedGame(savedGame()));
        app().platform().fileWritten(*path);
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kSave, e);
        return false;
    }
    NomFichier = fileNameOf(*path);
    LblEnr.setEnabled(false);
    PartieModifiee = 0;
    return true;
}

void FrmCSav::LblOpen_Click() {
    if (PartieModifiee == 1) {
        m_.RepMsg = app().msgBox("Enregistrer les modifications apportées à la partie ?", ui::MsgButtons::YesNoCancel,
                                 ui::MsgIcon::Question, "Savanto");
        if (m_.RepMsg == ui::kMsgCancel) return;
        if (m_.RepMsg == ui::kMsgYes && !Enregistrer()) return;
    }
    ui::FileDialogSpec d;
    d.title = "Ouvrir une partie enregistrée ...";
    d.initialFolder = m_.CheminApp2;
    d.filter = kFilter;
    d.overwritePrompt = false;
    const auto path = app().platform().fileDialog(d);
    if (!path) return;
    if (const std::string folder = folderOf(*path); !folder.empty()) m_.CheminApp2 = folder;
    try {
        // The whole file is checked before the board changes: a bad file leaves it as it was.
        std::error_code ec;
        const auto size = fs::file_size(*path, ec);
        if (!ec && size > kLargestGame) {
            throw RuntimeError(err::kTypeMismatch,
                               errorDescription(err::kTypeMismatch) + " (ce fichier est trop grand pour une partie enregistrée)");
        }
        const auto decoded = records::decodeSavedGame(files::readText(*path));
        if (const auto* bad = std::get_if<records::SavedGameError>(&decoded)) {
            throw RuntimeError(bad->number, bad->describe());
        }
        const ui::DateTime saved = app().platform().fileModified(*path).value_or(app().platform().now());
        restore(std::get<records::SavedGame>(decoded), saved, fileNameOf(*path));
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kOpen, e);
    }
}

void FrmCSav::placeToken(int side, int top, int left, int square) {
    const Side& s = this->side(side);
    ui::Picture& token = *s.token;
    // A position off the board (a file edited by hand) puts the token on its square instead.
    if (left < 0 || top < 0 || left > kWidth - kToken || top > kHeight - kToken) {
        const ui::Label& zone = LB(square);
        left = zone.left() + zone.width() / 2 - kToken / 2;
        top = zone.top() + zone.height() / 2 - kToken / 2;
    }
    token.move(left, top);
    rest(side, TokenPlace{square, left, top});
}

void FrmCSav::restore(const records::SavedGame& g, const ui::DateTime& saved, const std::string& file) {
    const std::string& n = m_.CrLf;
    // Nothing of the game on the board goes on: no die rolling, no verdict or end pending.
    for (ui::Timer* t : {&Tim1, &Tim2, &Tim3, &Tim4, &Tim5, &TimRetQuest, &TimScore1, &TimScore2, &TimFin, &TimShowSco}) {
        t->setInterval(0);
    }
    for (int v = 1; v <= 6; ++v) ImDe(v).setVisible(false);
    hideReach();
    LblN.setCaption("");
    LblInfo.setCaption("");
    game = GameState{};
    for (int s = 1; s <= 2; ++s) rest(s, TokenPlace{});
    LblQ1.setCaption("0");
    LblQ2.setCaption("0");
    m_.Recap.clear();
    m_.RecapJ1.clear();
    m_.RecapJ2.clear();
    PartieFinie = 0;
    for (auto* p : Par1) p->move(kRestingLeft, 0);
    for (auto* p : Par2) p->move(kRestingLeft, 0);

    const bool two = g.type == 2;
    const records::SavedSide& a = g.sides[0];
    const records::SavedSide& b = g.sides[1];
    m_.TypePartie = two ? state::GameType::TwoSides : state::GameType::OnePlayer;
    setSides(two ? 2 : 1);
    PartieFinie = g.finished;
    m_.JQuiJ = state::turnOf(two ? g.turn : 0);
    LblJquiJ.setCaption(two ? std::to_string(g.turn) : "");
    // The names read become the game's names, so that a win is credited to them.
    if (two) {
        m_.NomJ2 = a.name;
        m_.NomJ3 = b.name;
    } else {
        m_.NomJ1 = a.name;
    }
    LblJ1.setCaption(a.name);
    LblJ2.setCaption(two ? b.name : "");
    NbTours = g.turns;
    LblTOUR.setCaption(std::to_string(g.turns));
    for (int s = 1; s <= (two ? 2 : 1); ++s) {
        const records::SavedSide& from = g.sides[static_cast<std::size_t>(s - 1)];
        SideScore& counts = game.side(s);
        counts.asked = from.questions;
        counts.right = from.right;
        counts.wrong = from.wrong;
        counts.score = from.score;
    }
    for (int s = 1; s <= 2; ++s) {
        const Side& d = side(s);
        const SideScore& counts = game.side(s);
        const int values[4] = {counts.asked, counts.right, counts.wrong, counts.score};
        ui::Label* counters[4] = {d.asked, d.right, d.wrong, d.score};
        for (std::size_t k = 0; k < 4; ++k) setQuietly(*counters[k], std::to_string(values[k]));
    }
    placeToken(1, a.top, a.left, a.square);
    if (two) {
        placeToken(2, b.top, b.left, b.square);
        // Two tokens on one square stand side by side, as after a drop.
        if (Cam1.left() == Cam2.left() && Cam1.top() == Cam2.top()) {
            Cam1.setLeft(Cam1.left() - 120);
            Cam2.setLeft(Cam1.left() + 240);
        }
    }
    // The next roll starts from the square of the side to play.
    game.landing = two && g.turn == 2 ? b.square : a.square;
    setQuietly(LblCas, std::to_string(game.landing));

    // Wedges: the flags, and the slots filled in category order.
    for (int s = 1; s <= 2; ++s) {
        const Side& d = side(s);
        const records::SavedSide& from = g.sides[static_cast<std::size_t>(s - 1)];
        int slot = 0;
        for (int k = 1; k <= 6; ++k) {
            (*d.slotUsed)(k).setCaption("0");
            (*d.wedgeSlots)(k).loadResource(d.emptySlot);
        }
        if (s == 2 && !two) continue;
        SideScore& counts = game.side(s);
        for (int k = 1; k <= 6; ++k) {
            counts.wedges[static_cast<std::size_t>(k)] = from.wedges[static_cast<std::size_t>(k - 1)];
            if (counts.wedges[static_cast<std::size_t>(k)] != 1) continue;
            ++slot;
            counts.slotOrder[static_cast<std::size_t>(slot)] = k;
            (*d.slotUsed)(slot).setCaption("1");
            (*d.wedgeSlots)(slot).loadResource(d.slotPicture(k));
        }
    }
    NomFichier = file;
    PartieModifiee = 0;
    SubPart();
    setTokensEnabled(false, false);
    if (two) showTurn(g.turn);

    // The panel: a finished game can be looked at, not played on.
    const std::string date = records::frenchDate(saved);
    const std::string time = records::frenchTime(saved);
    if (PartieFinie == 1) {
        LblInfo.setCaption(n + "Partie finie le:" + n + n + date + n + "  à  " + n + time);
        LblQuest.setEnabled(false);
        LblLance.setEnabled(false);
        return;
    }
    std::string info;
    if (two) {
        LblN.setCaption("Reprise");
        info = "C' est " + (g.turn == 1 ? m_.NomJ2 : m_.NomJ3) + " qui" + n + "lance le dé." + n;
    }
    LblQuest.setEnabled(false);
    LblLance.setEnabled(true);
    LblInfo.setCaption(info + n + gameName(file) + n + "enregistré le:" + n + date + n + time);
}

}  // namespace sv::board
