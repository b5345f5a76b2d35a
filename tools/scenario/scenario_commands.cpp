// The command table: each command's name, the argument counts it accepts, the check of its
// words before the script runs and what it does as the script runs. Checking a script and
// running it both go through this one table.
#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>

#include "runner.h"
#include "ui/clock.h"
#include "ui/error.h"
#include "ui/files.h"
#include "ui/text.h"

namespace sv::scenario::detail {

void needWords(bool ok, const Words& w) {
    if (!ok) throw ScriptError("wrong number of words for " + w[0].text);
}

namespace {

// The argument counts a command accepts (the words after its name): those listed, and every
// count from andAbove on.
struct Counts {
    std::uint32_t listed = 0;  // bit n set: n arguments
    std::size_t andAbove = SIZE_MAX;
    constexpr bool accept(std::size_t n) const { return (n < 32 && ((listed >> n) & 1u) != 0) || n >= andAbove; }
};

template <class... N>
constexpr Counts exactly(N... n) {
    return Counts{((std::uint32_t{1} << n) | ...), SIZE_MAX};
}

constexpr Counts atLeast(std::size_t n) { return Counts{0, n}; }

// One command. check, when there is one, throws a ScriptError for words the command could not
// run with; it is called once the name and the argument count are known to be right.
struct Command {
    std::string_view name;
    Counts counts;
    void (*check)(const Words& w);
    void (*run)(Runner& r, const Words& w);
};

// ---------------------------------------------------------------------------------------------
// The program's surroundings: screen, clock, random numbers, files, dialog answers, time

void checkScreen(const Words& w) {
    long long a = 0, b = 0;
    if (!parseInt(w[1].text, a) || !parseInt(w[2].text, b) || a <= 0 || b <= 0 || a > 10000000 || b > 10000000) {
        throw ScriptError("bad screen size");
    }
}

void runScreen(Runner& r, const Words& w) {
    r.platform().setScreen(static_cast<int>(std::stoll(w[1].text)), static_cast<int>(std::stoll(w[2].text)));
}

void checkClock(const Words& w) {
    ui::DateTime t;
    if (w[1].text.size() != 10 || w[2].text.size() != 8 || !ui::parseDateTime(w[1].text + " " + w[2].text, t)) {
        throw ScriptError("bad clock " + w[1].text + " " + w[2].text);
    }
}

void runClock(Runner& r, const Words& w) {
    ui::DateTime t;
    ui::parseDateTime(w[1].text + " " + w[2].text, t);
    r.platform().setClock(t);
}

void checkRandom(const Words& w) {
    for (std::size_t i = 1; i < w.size(); ++i) {
        double u = 0;
        if (!parseDouble(w[i].text, u) || !(u >= 0 && u < 1)) throw ScriptError("bad random value " + w[i].text);
    }
}

void runRandom(Runner& r, const Words& w) {
    for (std::size_t i = 1; i < w.size(); ++i) r.platform().queueRandom(std::stod(w[i].text));
}

// file write NAME TEXT, file delete NAME
void checkFile(const Words& w) {
    if (w[1].text == "write") {
        needWords(w.size() == 4, w);
    } else if (w[1].text == "delete") {
        needWords(w.size() == 3, w);
    } else {
        throw ScriptError("file write or file delete expected");
    }
}

void runFile(Runner& r, const Words& w) {
    const std::string path = r.inFolder(w[2].text);
    if (w[1].text == "delete") {
        try {
            files::remove(path);
        } catch (const RuntimeError&) {
            throw ScriptError("cannot delete " + path);
        }
        return;
    }
    const auto bytes = text::toCp1252(w[3].text);
    if (!bytes) throw ScriptError("the text has characters that Windows-1252 cannot hold");
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw ScriptError("cannot write " + path);
    f.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    f.close();
    r.platform().fileWritten(path);
}

void checkAnswer(const Words& w) {
    for (std::size_t i = 1; i < w.size(); ++i) {
        long long v = 0;
        if (!parseInt(w[i].text, v) || (v != 1 && v != 2 && v != 6 && v != 7)) throw ScriptError("bad answer " + w[i].text);
    }
}

void runAnswer(Runner& r, const Words& w) {
    for (std::size_t i = 1; i < w.size(); ++i) r.platform().queueAnswer(std::stoi(w[i].text));
}

void runDialog(Runner& r, const Words& w) {
    if (w[1].text == "cancel" && !w[1].quoted) {
        r.platform().queueDialog(std::nullopt);
    } else {
        r.platform().queueDialog(r.inFolder(w[1].text));
    }
}

void runStart(Runner& r, const Words&) { r.app().start(); }

void checkWait(const Words& w) {
    long long v = 0;
    if (!parseInt(w[1].text, v) || v < 0 || v > 1000000000000LL) throw ScriptError("bad time " + w[1].text);
}

void runWait(Runner& r, const Words& w) { r.platform().advance(std::stoll(w[1].text)); }

void runPrint(Runner& r, const Words& w) {
    std::string reason;
    const auto v = r.read(w[1].text, reason);
    r.out() << (v ? *v : "<" + reason + ">") << "\n";
}

// ---------------------------------------------------------------------------------------------
// What a user does

void runClick(Runner& r, const Words& w) {
    std::string reason;
    if (Control* ctl = r.reachableControl(w[1].text, reason)) {
        r.app().userClick(*ctl);
    } else {
        r.action("click " + w[1].text, reason);
    }
}

void runFocus(Runner& r, const Words& w) {
    std::string reason;
    if (Control* ctl = r.reachableControl(w[1].text, reason)) {
        r.app().userFocus(*ctl);
    } else {
        r.action("focus " + w[1].text, reason);
    }
}

void runClose(Runner& r, const Words& w) {
    std::string reason;
    if (Window* win = r.reachableWindow(w[1].text, reason)) {
        r.app().userClose(*win);
    } else {
        r.action("close " + w[1].text, reason);
    }
}

// The position X Y that may end a command, at w[first] and w[first + 1].
void checkPositionAt(const Words& w, std::size_t first) {
    double v = 0;
    if (w.size() == first + 2 && (!parseDouble(w[first].text, v) || !parseDouble(w[first + 1].text, v))) {
        throw ScriptError("bad position");
    }
}

// mousedown, mouseup, mousemove TARGET [X Y]
void checkMouse(const Words& w) { checkPositionAt(w, 2); }

void runMouse(Runner& r, const Words& w) {
    const std::string& c = w[0].text;
    const double x = w.size() > 2 ? std::stod(w[2].text) : 0.0;
    const double y = w.size() > 2 ? std::stod(w[3].text) : 0.0;
    const int button = c == "mousemove" ? 0 : ui::kLeftButton;
    std::string reason;
    const bool isWindow = parseTarget(w[1].text).size() == 1;
    if (isWindow) {
        if (Window* win = r.reachableWindow(w[1].text, reason)) {
            if (c == "mousedown") r.app().userMouseDown(*win, button, 0, x, y);
            if (c == "mouseup") r.app().userMouseUp(*win, button, 0, x, y);
            if (c == "mousemove") r.app().userMouseMove(*win, button, 0, x, y);
            return;
        }
    } else if (Control* ctl = r.reachableControl(w[1].text, reason)) {
        if (c == "mousedown") r.app().userMouseDown(*ctl, button, 0, x, y);
        if (c == "mouseup") r.app().userMouseUp(*ctl, button, 0, x, y);
        if (c == "mousemove") r.app().userMouseMove(*ctl, button, 0, x, y);
        return;
    }
    r.action(c + " " + w[1].text, reason);
}

// drag SOURCE TARGET [X Y]
void checkDrag(const Words& w) { checkPositionAt(w, 3); }

void runDrag(Runner& r, const Words& w) {
    std::string reason;
    Control* source = r.reachableControl(w[1].text, reason);
    if (source == nullptr) {
        r.action("drag " + w[1].text, reason);
        return;
    }
    Control* target = r.reachableControl(w[2].text, reason, false);
    if (target == nullptr) {
        r.action("drop on " + w[2].text, reason);
        return;
    }
    const double x = w.size() > 3 ? std::stod(w[3].text) : target->width() / 2.0;
    const double y = w.size() > 3 ? std::stod(w[4].text) : target->height() / 2.0;
    r.app().userDrop(*source, *target, x, y);
}

void runType(Runner& r, const Words& w) {
    std::string reason;
    Control* ctl = r.reachableControl(w[1].text, reason);
    if (ctl == nullptr) {
        r.action("type " + w[1].text, reason);
        return;
    }
    if (ctl->kind() != ControlKind::TextBox) throw ScriptError(w[1].text + " is not a text box");
    if (static_cast<ui::TextBox&>(*ctl).readOnly()) {
        r.action("type " + w[1].text, "read-only");
        return;
    }
    r.app().userType(static_cast<ui::TextBox&>(*ctl), w[2].text);
}

// choose LIST ITEM: the item by its text, or by its number as #N.
void runChoose(Runner& r, const Words& w) {
    std::string reason;
    Control* ctl = r.reachableControl(w[1].text, reason);
    if (ctl == nullptr) {
        r.action("choose " + w[1].text, reason);
        return;
    }
    if (ctl->kind() != ControlKind::ListBox && ctl->kind() != ControlKind::ComboBox) {
        throw ScriptError(w[1].text + " is not a list");
    }
    auto& list = static_cast<ui::ListControl&>(*ctl);
    int index = -1;
    long long n = 0;
    if (!w[2].quoted && w[2].text.size() > 1 && w[2].text[0] == '#' && parseInt(w[2].text.substr(1), n)) {
        index = n < list.listCount() ? static_cast<int>(n) : -1;
    } else {
        for (int i = 0; i < list.listCount(); ++i) {
            if (list.item(i) == w[2].text) {
                index = i;
                break;
            }
        }
    }
    if (index < 0) {
        r.action("choose " + w[1].text + " " + show(w[2].text), "no such item");
        return;
    }
    r.app().userChoose(list, index);
}

// The keys key WINDOW KEY names; besides them, ctrl+ and a small letter (ctrl+a to ctrl+z), or
// any one character.
const std::vector<std::string> kKeyNames = {"enter", "escape", "space", "tab", "shift+tab",
                                            "left",  "right",  "up",    "down", "f1"};

void checkKey(const Words& w) {
    const std::string& k = w[2].text;
    const bool named = isIn(kKeyNames, k) || (k.size() == 6 && k.rfind("ctrl+", 0) == 0 && k[5] >= 'a' && k[5] <= 'z');
    if (!named && text::length(k) != 1) throw ScriptError("bad key " + k);
}

void runKey(Runner& r, const Words& w) {
    std::string reason;
    if (Window* win = r.reachableWindow(w[1].text, reason)) {
        r.app().userKey(*win, w[2].text);
    } else {
        r.action("key " + w[1].text, reason);
    }
}

// ---------------------------------------------------------------------------------------------
// The table

constexpr std::array kCommands = {
    Command{"screen", exactly(2), checkScreen, runScreen},
    Command{"clock", exactly(2), checkClock, runClock},
    Command{"random", atLeast(1), checkRandom, runRandom},
    Command{"file", atLeast(2), checkFile, runFile},
    Command{"answer", atLeast(1), checkAnswer, runAnswer},
    Command{"dialog", exactly(1), nullptr, runDialog},
    Command{"start", exactly(0), nullptr, runStart},
    Command{"wait", exactly(1), checkWait, runWait},
    Command{"click", exactly(1), nullptr, runClick},
    Command{"focus", exactly(1), nullptr, runFocus},
    Command{"close", exactly(1), nullptr, runClose},
    Command{"print", exactly(1), nullptr, runPrint},
    Command{"mousedown", exactly(1, 3), checkMouse, runMouse},
    Command{"mouseup", exactly(1, 3), checkMouse, runMouse},
    Command{"mousemove", exactly(1, 3), checkMouse, runMouse},
    Command{"drag", exactly(2, 4), checkDrag, runDrag},
    Command{"type", exactly(2), nullptr, runType},
    Command{"choose", exactly(2), nullptr, runChoose},
    Command{"key", exactly(2), checkKey, runKey},
    Command{"expect", atLeast(1), checkExpect, runExpect},
};

const Command* findCommand(const std::string& name) {
    for (const Command& c : kCommands) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

}  // namespace

void Runner::checkSyntax(const Words& w) {
    if (w[0].quoted) throw ScriptError("a command cannot be quoted");
    const Command* command = findCommand(w[0].text);
    if (command == nullptr) throw ScriptError("unknown command " + w[0].text);
    needWords(command->counts.accept(w.size() - 1), w);
    if (command->check != nullptr) command->check(w);
}

void Runner::execute(const Words& w) {
    const Command* command = findCommand(w[0].text);
    if (command == nullptr) throw ScriptError("unknown command " + w[0].text);
    command->run(*this, w);
}

}  // namespace sv::scenario::detail
