// The expect command: what the program shows (message boxes, a target's value), plays, asks the
// shell for, puts on the clipboard and writes. Each form has its check, made before the script
// runs, next to its run.
#include <fstream>
#include <iterator>
#include <string_view>

#include "runner.h"
#include "ui/files.h"
#include "ui/text.h"

namespace sv::scenario::detail {

namespace {

const char* buttonsName(ui::MsgButtons b) {
    switch (b) {
        case ui::MsgButtons::Ok: return "ok";
        case ui::MsgButtons::OkCancel: return "okcancel";
        case ui::MsgButtons::YesNo: return "yesno";
        case ui::MsgButtons::YesNoCancel: return "yesnocancel";
    }
    return "ok";
}

const char* iconName(ui::MsgIcon i) {
    switch (i) {
        case ui::MsgIcon::None: return "none";
        case ui::MsgIcon::Critical: return "critical";
        case ui::MsgIcon::Question: return "question";
        case ui::MsgIcon::Exclamation: return "exclamation";
        case ui::MsgIcon::Information: return "information";
    }
    return "none";
}

std::string describeBox(const ui::HeadlessPlatform::MessageBoxEntry& b) {
    return "msgbox " + show(b.request.title) + " " + buttonsName(b.request.buttons) + " " + iconName(b.request.icon) + " " +
           show(b.request.text);
}

// Whether w[at] is an unquoted "~": the next word is a pattern.
bool tildeAt(const Words& w, std::size_t at) { return w[at].text == "~" && !w[at].quoted; }

// ---------------------------------------------------------------------------------------------
// expect TARGET [~] TEXT, expect TARGET = OTHER [+ N | - N]

void checkValue(const Words& w) {
    const std::size_t n = w.size() - 1;
    const bool op = n >= 3 && !w[2].quoted && (w[2].text == "=" || w[2].text == "~");
    if (op && w[2].text == "=") {
        needWords(n == 3 || n == 5, w);
        long long v = 0;
        if (n == 5 && ((w[4].text != "+" && w[4].text != "-") || !parseInt(w[5].text, v))) {
            throw ScriptError("+ N or - N expected");
        }
    } else {
        needWords(n == 2 || (op && n == 3), w);
        if (op && n == 3) checkPattern(w[3].text);
    }
}

void runValue(Runner& r, const Words& w) {
    const std::string& target = w[1].text;
    std::string reason;
    const bool compare = w.size() >= 4 && w[2].text == "=" && !w[2].quoted;
    const bool pattern = w.size() == 4 && w[2].text == "~" && !w[2].quoted;
    const auto value = r.read(target, reason);
    if (compare) {
        std::string otherReason;
        const auto other = r.read(w[3].text, otherReason);
        std::string expected = target + " = " + w[3].text;
        if (w.size() == 6) expected += " " + w[4].text + " " + w[5].text;
        if (!value) return r.fail(expected, target + ": " + reason);
        if (!other) return r.fail(expected, w[3].text + ": " + otherReason);
        if (w.size() == 4) return *value == *other ? r.pass() : r.fail(expected, show(*value) + " and " + show(*other));
        long long a = 0, b = 0, n = 0;
        parseInt(w[5].text, n);
        if (!parseInt(*value, a) || !parseInt(*other, b)) {
            return r.fail(expected, show(*value) + " and " + show(*other) + ", not whole numbers");
        }
        const long long want = w[4].text == "+" ? b + n : b - n;
        return a == want ? r.pass() : r.fail(expected, show(*value) + " and " + show(*other));
    }
    const std::string& expectedText = w.back().text;
    const std::string expected = target + " " + (pattern ? "~ " : "") + show(expectedText);
    if (!value) return r.fail(expected, reason);
    return matches(*value, expectedText, pattern) ? r.pass() : r.fail(expected, show(*value));
}

// ---------------------------------------------------------------------------------------------
// expect msgbox TITLE BUTTONS ICON [~] TEXT: the next message box the program showed.

void checkMessageBox(const Words& w) {
    const std::size_t n = w.size() - 1;
    needWords(n == 5 || (n == 6 && tildeAt(w, 5)), w);
    if (!isIn({"ok", "okcancel", "yesno", "yesnocancel"}, w[3].text)) throw ScriptError("bad buttons " + w[3].text);
    if (!isIn({"none", "critical", "question", "exclamation", "information"}, w[4].text)) {
        throw ScriptError("bad icon " + w[4].text);
    }
    if (n == 6) checkPattern(w[6].text);
}

void runMessageBox(Runner& r, const Words& w) {
    const auto& boxes = r.platform().messageBoxes();
    const bool pattern = w.size() == 7;
    const std::string& expectedText = w.back().text;
    const std::string expected = "msgbox " + show(w[2].text) + " " + w[3].text + " " + w[4].text + " " +
                                 (pattern ? "~ " : "") + show(expectedText);
    std::size_t& seen = r.seen().boxes;
    if (seen >= boxes.size()) return r.fail(expected, "no message box");
    const auto& b = boxes[seen++];
    const bool ok = b.request.title == w[2].text && w[3].text == buttonsName(b.request.buttons) &&
                    w[4].text == iconName(b.request.icon) && matches(b.request.text, expectedText, pattern);
    return ok ? r.pass() : r.fail(expected, describeBox(b));
}

// ---------------------------------------------------------------------------------------------
// expect no-msgbox, expect no-sound, expect no-shell: nothing more since the last one checked.

void checkNothingMore(const Words& w) { needWords(w.size() == 2, w); }

void runNoMessageBox(Runner& r, const Words&) {
    const auto& boxes = r.platform().messageBoxes();
    std::size_t& seen = r.seen().boxes;
    if (seen >= boxes.size()) return r.pass();
    const auto& b = boxes[seen];
    seen = boxes.size();
    return r.fail("no-msgbox", describeBox(b));
}

void runNoSoundOrShell(Runner& r, const Words& w) {
    const std::string& what = w[1].text;
    const auto& sounds = r.platform().sounds();
    const auto& shell = r.platform().shellRequests();
    const bool sound = what == "no-sound";
    std::size_t& seen = sound ? r.seen().sounds : r.seen().shell;
    const std::size_t total = sound ? sounds.size() : shell.size();
    if (seen >= total) return r.pass();
    const std::string got = sound ? "sound " + show(r.relative(sounds[seen])) : "shell " + show(r.relative(shell[seen].target));
    seen = total;
    return r.fail(what, got);
}

// ---------------------------------------------------------------------------------------------
// expect sound [~] NAME, expect shell [~] TARGET: the next sound played or shell request;
// expect clipboard [~] TEXT: the clipboard now.

void checkNext(const Words& w) {
    const std::size_t n = w.size() - 1;
    needWords(n == 2 || (n == 3 && tildeAt(w, 2)), w);
    if (n == 3) checkPattern(w[3].text);
}

void runNext(Runner& r, const Words& w) {
    const std::string& what = w[1].text;
    const bool pattern = w.size() == 4;
    const std::string& expectedText = w.back().text;
    const std::string expected = what + " " + (pattern ? "~ " : "") + show(expectedText);
    if (what == "clipboard") {
        const std::string got = r.platform().clipboardText();
        return matches(got, expectedText, pattern) ? r.pass() : r.fail(expected, show(got));
    }
    const auto& sounds = r.platform().sounds();
    const auto& shell = r.platform().shellRequests();
    const bool sound = what == "sound";
    std::size_t& seen = sound ? r.seen().sounds : r.seen().shell;
    const std::size_t total = sound ? sounds.size() : shell.size();
    if (seen >= total) return r.fail(expected, sound ? "no sound" : "no shell request");
    const std::string got = r.relative(sound ? sounds[seen] : shell[seen].target);
    ++seen;
    return matches(got, expectedText, pattern) ? r.pass() : r.fail(expected, show(got));
}

// ---------------------------------------------------------------------------------------------
// expect file NAME [~] TEXT, expect file NAME missing: a file of the program's folder, read as
// Windows-1252.

void checkFile(const Words& w) {
    const std::size_t n = w.size() - 1;
    needWords(n == 3 || (n == 4 && tildeAt(w, 3)), w);
    if (n == 4) checkPattern(w[4].text);
}

void runFile(Runner& r, const Words& w) {
    const std::string path = r.inFolder(w[2].text);
    const bool missing = w.size() == 4 && w[3].text == "missing" && !w[3].quoted;
    const bool pattern = w.size() == 5;
    const std::string& expectedText = w.back().text;
    const std::string expected =
        "file " + w[2].text + " " + (missing ? std::string("missing") : (pattern ? "~ " : "") + show(expectedText));
    if (missing) return files::exists(path) ? r.fail(expected, "a file") : r.pass();
    if (!files::exists(path)) return r.fail(expected, "no file");
    std::ifstream f(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::string got = text::fromCp1252(bytes);
    return matches(got, expectedText, pattern) ? r.pass() : r.fail(expected, show(got));
}

// ---------------------------------------------------------------------------------------------
// The forms, by the word after expect; any other word is a target.

struct Form {
    std::string_view what;
    void (*check)(const Words& w);
    void (*run)(Runner& r, const Words& w);
};

constexpr Form kForms[] = {
    {"msgbox", checkMessageBox, runMessageBox},
    {"no-msgbox", checkNothingMore, runNoMessageBox},
    {"no-sound", checkNothingMore, runNoSoundOrShell},
    {"no-shell", checkNothingMore, runNoSoundOrShell},
    {"sound", checkNext, runNext},
    {"shell", checkNext, runNext},
    {"clipboard", checkNext, runNext},
    {"file", checkFile, runFile},
};

constexpr Form kValueForm = {"", checkValue, runValue};

// A quoted "msgbox" or "file" is a target's name, for the check as for the run.
const Form& formOf(const Words& w) {
    for (const Form& f : kForms) {
        const bool literal = w[1].quoted && (f.what == "msgbox" || f.what == "file");
        if (f.what == w[1].text && !literal) return f;
    }
    return kValueForm;
}

}  // namespace

void checkExpect(const Words& w) { formOf(w).check(w); }

void runExpect(Runner& r, const Words& w) { formOf(w).run(r, w); }

}  // namespace sv::scenario::detail
