#include "random_play.h"

#include <random>
#include <sstream>
#include <vector>

#include "board/frm_csav.h"
#include "records/score.h"
#include "screens/program.h"
#include "temp_folder.h"

namespace sv::test {

namespace {

bool reachable(const ui::Control& c) {
    const ui::Window& w = c.window();
    return w.loaded() && w.visible() && w.enabled() && c.effectivelyVisible() && c.effectivelyEnabled() &&
           c.kind() != ui::ControlKind::Timer;
}

std::string target(const ui::Control& c) { return c.window().name() + "." + c.qualifiedName(); }

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out + "\"";
}

int number(const std::string& s) {
    try {
        return std::stoi(s);
    } catch (...) {
        return -1;
    }
}

// What must hold after every step; whether a disabled window waits for another is checked after a pause only.
std::string brokenInvariant(ui::App& app, ui::HeadlessPlatform& platform, std::size_t boxesSeen, bool settled) {
    const auto& boxes = platform.messageBoxes();
    for (std::size_t i = boxesSeen; i < boxes.size(); ++i) {
        const auto& box = boxes[i].request;
        const bool error = box.text.starts_with("Erreur d'exécution") || box.text.starts_with("Erreur interne");
        if (error || box.title == "Erreur programme") return "error box: " + box.text;
    }
    for (ui::Window* w : app.windows()) {
        if (w->enabled() || !settled) continue;
        bool waitedFor = false;
        for (ui::Window* other : app.windows()) waitedFor = waitedFor || (other != w && other->visible() && other->enabled());
        if (!waitedFor) return w->name() + " is disabled with no window to wait for";
    }
    auto* b = app.find<board::FrmCSav>();
    if (!b || !b->visible()) return "";
    auto one = [](const ui::Control& a, const ui::Control& c) { return a.visible() != c.visible(); };
    if (!one(b->ImgSonOK, b->ImgSonHS)) return "sound pictures: not exactly one shows";
    if (!one(b->ImgTpsOK, b->ImgTpsHS)) return "time pictures: not exactly one shows";
    if (!one(b->Img1Ora, b->Img1Gris)) return "side 1 turn marks: not exactly one shows";
    const bool two = b->LblNJoueur.caption() == "2";
    if (two ? !one(b->Img2Ora, b->Img2Gris) : (b->Img2Ora.visible() || b->Img2Gris.visible())) return "side 2 turn marks";
    for (int side = 1; side <= (two ? 2 : 1); ++side) {
        const int asked = number((side == 1 ? b->LblQues1 : b->LblQues2).caption());
        const int right = number((side == 1 ? b->LblQuesR1 : b->LblQuesR2).caption());
        const int wrong = number((side == 1 ? b->LblQuesF1 : b->LblQuesF2).caption());
        const std::string s = std::to_string(side);
        if (asked < 0 || right < 0 || wrong < 0 || asked != right + wrong) return "side " + s + " counters disagree";
        const board::SideScore& n = b->game.side(side);
        if (asked != n.asked || right != n.right || wrong != n.wrong) return "side " + s + " captions and numbers differ";
        const bool pending = (side == 1 ? b->TimScore1 : b->TimScore2).armed();
        const int percent = number((side == 1 ? b->LblScor1 : b->LblScor2).caption());
        if (!pending && asked > 0 && percent != records::scorePercent(right, asked)) return "side " + s + " percentage";
        const auto& flags = side == 1 ? b->PartJ1 : b->PartJ2;
        const auto& overlays = side == 1 ? b->Par1 : b->Par2;
        const ui::Picture& token = side == 1 ? b->Cam1 : b->Cam2;
        // Each wedge held rides on the token and fills one slot; no other wedge does.
        int inSlots[7] = {};
        for (int slot = 1; slot <= 6; ++slot) {
            const std::string shown = (side == 1 ? b->ImgPart1 : b->ImgPart2)(slot).pictureName();
            if (shown.size() == 5 && shown.starts_with("CAM" + s) && shown[4] >= '1' && shown[4] <= '6') ++inSlots[shown[4] - '0'];
        }
        for (int k = 1; k <= 6; ++k) {
            const bool held = flags[static_cast<std::size_t>(k)] == 1;
            const ui::Picture& overlay = *overlays[static_cast<std::size_t>(k - 1)];
            const bool riding = overlay.left() == token.left() && overlay.top() == token.top();
            if (held != riding || inSlots[k] != (held ? 1 : 0)) return "side " + s + " wedge " + std::to_string(k);
        }
    }
    return "";
}

bool isQuit(const ui::Control& c) {
    const std::string& n = c.name();
    return n == "CmdQuitter" || n == "LblQuit" || n == "But2" || n == "But22" || n == "LblNew";
}

class Player {
public:
    Player(std::uint32_t seed, const std::string& assets) : random_(seed), assets_(assets) {}

    RandomPlayResult run(long steps) {
        RandomPlayResult r;
        while (r.steps < steps && r.failure.empty()) {
            ++r.programs;
            script_.str("");
            HeadlessRun<SavantoProgram> run("savanto-random-", assets_);
            line("start");
            run.app->start();
            for (std::size_t boxes = 0; r.steps < steps && !run.app->ended() && r.failure.empty(); ++r.steps) {
                const bool settled = step(*run.app, run.platform);
                r.failure = brokenInvariant(*run.app, run.platform, boxes, settled);
                boxes = run.platform.messageBoxes().size();
            }
        }
        r.script = script_.str();
        return r;
    }

private:
    void line(const std::string& s) { script_ << s << "\n"; }
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    template <class T>
    const T& pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))]; }

    // One action; true when it was a pause long enough for windows to have settled.
    bool step(ui::App& app, ui::HeadlessPlatform& platform) {
        if (below(4) == 0) {
            const int code = pick(std::vector<int>{1, 2, 6, 7});
            line("answer " + std::to_string(code));
            platform.queueAnswer(code);
        }
        if (below(12) == 0) {
            const bool cancel = below(2) == 0;
            line(cancel ? "dialog cancel" : "dialog partie.par");
            platform.queueDialog(cancel ? std::nullopt : std::optional<std::string>(app.programFolder() + "partie.par"));
        }
        std::vector<ui::Control*> controls;
        std::vector<ui::Window*> windows;
        for (ui::Window* w : app.windows()) {
            if (w->visible() && w->enabled()) windows.push_back(w);
            for (ui::Control* c : w->controls()) {
                if (reachable(*c)) controls.push_back(c);
            }
        }
        const int what = below(100);
        if (what < 30 || windows.empty()) {
            const int ms = pick(std::vector<int>{10, 100, 300, 1000, 2500, 5000});
            line("wait " + std::to_string(ms));
            platform.advance(ms);
            return ms >= 1000;
        } else if (what < 60 && !controls.empty()) {
            // The commands that end the program are mostly passed over, for games worth exploring.
            ui::Control* chosen = pick(controls);
            for (int tries = 0; tries < 8 && isQuit(*chosen); ++tries) chosen = pick(controls);
            line("click " + target(*chosen));
            app.userClick(*chosen);
        } else if (what < 80) {
            drag(app, controls);
        } else if (what < 86 && !controls.empty()) {
            ui::Control& c = *pick(controls);
            if (c.kind() == ui::ControlKind::TextBox) {
                const std::string text = pick(std::vector<std::string>{"", "Zoé", "Jean-Noël", "a\"b\\c", "123456789012", "  "});
                line("type " + target(c) + " " + quoted(text));
                app.userType(static_cast<ui::TextBox&>(c), text);
            } else if ((c.kind() == ui::ControlKind::ListBox || c.kind() == ui::ControlKind::ComboBox) &&
                       static_cast<ui::ListControl&>(c).listCount() > 0) {
                auto& list = static_cast<ui::ListControl&>(c);
                const int i = below(list.listCount());
                line("choose " + target(c) + " #" + std::to_string(i));
                app.userChoose(list, i);
            } else {
                line("focus " + target(c));
                app.userFocus(c);
            }
        } else if (what < 96) {
            ui::Window& w = *pick(windows);
            const std::string key = pick(std::vector<std::string>{"enter", "escape", "space", "tab", "shift+tab", "left",
                                                                  "right", "up", "down", "q", "a", "ctrl+s", "ctrl+o",
                                                                  "ctrl+r", "ctrl+m", "f1", "enter", "space"});
            line("key " + w.name() + " " + key);
            app.userKey(w, key);
        } else {
            ui::Window& w = *pick(windows);
            line("close " + w.name());
            app.userClose(w);
        }
        return false;
    }

    // A draggable control dropped on a control of its window, most often a square.
    void drag(ui::App& app, const std::vector<ui::Control*>& controls) {
        std::vector<ui::Control*> pieces;
        for (ui::Control* c : controls) {
            if (c->draggable()) pieces.push_back(c);
        }
        if (pieces.empty()) return;
        ui::Control& piece = *pick(pieces);
        std::vector<ui::Control*> targets;
        for (ui::Control* c : piece.window().controls()) {
            const bool square = c->name() == "LB";
            if (c->effectivelyVisible() && c->kind() != ui::ControlKind::Timer && (square || below(8) == 0)) targets.push_back(c);
        }
        if (targets.empty()) return;
        ui::Control& onto = *pick(targets);
        const int x = below(std::max(1, onto.width())), y = below(std::max(1, onto.height()));
        line("drag " + target(piece) + " " + target(onto) + " " + std::to_string(x) + " " + std::to_string(y));
        app.userDrop(piece, onto, x, y);
    }

    std::mt19937 random_;
    std::string assets_;
    std::ostringstream script_;
};

}  // namespace

RandomPlayResult randomPlay(std::uint32_t seed, long steps, const std::string& assetFolder) {
    return Player(seed, assetFolder).run(steps);
}

}  // namespace sv::test
