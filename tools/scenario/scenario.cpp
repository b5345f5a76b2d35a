#include "scenario.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <filesystem>
#include <pthread.h>
#include <fstream>
#include <iostream>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "ui/clock.h"
#include "ui/files.h"
#include "ui/headless/headless_platform.h"
#include "ui/text.h"

namespace sv::scenario {

namespace fs = std::filesystem;
using ui::Control;
using ui::ControlKind;
using ui::Window;

// Patterns are matched by an automaton that advances through the text once (libstdc++'s
// polynomial mode) rather than by backtracking: "(a|aa)*c" on a long text cannot stall a
// script. Back-references, which need backtracking, are refused as a bad pattern.
constexpr auto kPatternSyntax = std::regex::ECMAScript
#if defined(__GLIBCXX__)
                                | std::regex_constants::__polynomial
#endif
    ;

// The regex compiler reads a repeat count such as {99999999999999999999} with an unchecked
// multiplication, and every counted repeat copies the pattern's states: counts are kept small
// (at most 1000 each, 100 000 for all nested together) before a pattern is compiled.
bool countsWithinReason(const std::string& pattern) {
    long long all = 1;
    bool inClass = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\\') {
            ++i;
        } else if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
        } else if (c == '{') {
            long long most = 0, count = 0;
            std::size_t digits = 0;
            for (++i; i < pattern.size() && (std::isdigit(static_cast<unsigned char>(pattern[i])) || pattern[i] == ','); ++i) {
                if (pattern[i] == ',') {
                    most = std::max(most, count);
                    count = 0;
                    digits = 0;
                    continue;
                }
                if (++digits > 4) return false;
                count = count * 10 + (pattern[i] - '0');
            }
            most = std::max(most, count);
            if (most > 1000) return false;
            all *= std::max(most, 1LL);
            if (all > 100000) return false;
            --i;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Words

std::vector<Word> splitWords(const std::string& line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Word w;
        if (line[i] == '"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i];
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (c == '\\') {
                    if (i + 1 >= line.size()) throw std::runtime_error("unterminated quote");
                    const char e = line[i + 1];
                    switch (e) {
                        case '"': w.text += '"'; break;
                        case '\\': w.text += '\\'; break;
                        case 'r': w.text += '\r'; break;
                        case 'n': w.text += '\n'; break;
                        case 't': w.text += '\t'; break;
                        // Any other backslash stays, so that patterns can say \d or \.
                        default: w.text += '\\'; w.text += e; break;
                    }
                    i += 2;
                    continue;
                }
                w.text += c;
                ++i;
            }
            if (!closed) throw std::runtime_error("unterminated quote");
            if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                throw std::runtime_error("a quoted word must be followed by a blank");
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                if (line[i] == '"') throw std::runtime_error("a quote inside a word");
                w.text += line[i++];
            }
        }
        words.push_back(std::move(w));
    }
    return words;
}

namespace {

// A script cannot go on: unknown name, bad syntax.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text shown in FAIL lines: quoted, with the line breaks made visible.
std::string show(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

// Patterns work on characters, not bytes: "." matches "é".
std::wstring wide(const std::string& utf8) {
    std::wstring out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 0;
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        std::size_t k = 1;
        for (; k <= static_cast<std::size_t>(extra) && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += static_cast<wchar_t>(cp);
        i += k;
    }
    return out;
}

bool parseInt(const std::string& s, long long& v) {
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || (s[0] == '-' && s.size() > 1))) return false;
    std::size_t pos = 0;
    try {
        v = std::stoll(s, &pos, 10);
    } catch (...) {
        return false;
    }
    return pos == s.size();
}

// A decimal number such as 12 or -0.25 (no exponent, no hexadecimal, no infinity or NaN).
bool parseDouble(const std::string& s, double& v) {
    if (s.empty() || s.find_first_not_of("0123456789.-") != std::string::npos) return false;
    std::size_t pos = 0;
    try {
        v = std::stod(s, &pos);
    } catch (...) {
        return false;
    }
    return pos == s.size() && std::isfinite(v);
}

// One part of a target: a name with an optional index ("LB(7)").
struct Part {
    std::string name;
    std::optional<int> index;
};

std::vector<Part> parseTarget(const std::string& target) {
    std::vector<Part> parts;
    std::size_t i = 0;
    while (true) {
        Part p;
        while (i < target.size() && target[i] != '.' && target[i] != '(') p.name += target[i++];
        if (p.name.empty()) throw ScriptError("bad target " + target);
        if (i < target.size() && target[i] == '(') {
            const std::size_t close = target.find(')', i);
            if (close == std::string::npos) throw ScriptError("bad target " + target);
            long long v = 0;
            if (!parseInt(target.substr(i + 1, close - i - 1), v) || v < INT_MIN || v > INT_MAX) {
                throw ScriptError("bad index in " + target);
            }
            p.index = static_cast<int>(v);
            i = close + 1;
        }
        parts.push_back(p);
        if (i == target.size()) break;
        if (target[i] != '.') throw ScriptError("bad target " + target);
        ++i;
    }
    return parts;
}

const std::vector<std::string> kControlProperties = {"caption", "text",  "visible", "enabled",   "left",
                                                     "top",     "width", "height",  "forecolor", "value",
                                                     "interval", "picture", "listcount", "list", "listindex"};
const std::vector<std::string> kWindowProperties = {"caption", "visible", "enabled", "loaded", "left",
                                                    "top",     "width",   "height",  "windowstate", "focus"};

bool isIn(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

std::string boolText(bool b) { return b ? "true" : "false"; }

// What a target names, once resolved against the running program.
struct Resolved {
    enum class Kind { App, Module, Window, WindowProperty, Control, ControlProperty, Field, NotLoaded };
    Kind kind = Kind::App;
    std::string label;  // the target as written
    Window* window = nullptr;
    Control* control = nullptr;
    Part property;  // for properties; also App's and Module's name
    std::vector<Part> rest;
};

class Runner {
public:
    Runner(std::string scriptName, const Options& options, const ProgramFactory& factory, std::ostream& out)
        : script_(std::move(scriptName)), options_(options), factory_(factory), out_(out) {}

    // Returns false on a script error.
    bool run(const std::vector<std::string>& lines);
    int passed() const { return passed_; }
    int failed() const { return failed_; }

private:
    void setUp();
    void tearDown();
    void execute(const std::vector<Word>& w);
    void checkSyntax(const std::vector<Word>& w);
    void expect(const std::vector<Word>& w);
    void fail(const std::string& expected, const std::string& got);
    void pass() { ++passed_; }

    Resolved resolve(const std::string& target);
    // The value a target reads; nullopt with reason set when it cannot be read (window not
    // loaded). Script errors are thrown.
    std::optional<std::string> read(const std::string& target, std::string& reason);
    std::string controlProperty(Control& c, const Part& p);
    std::string windowProperty(Window& w, const Part& p);

    // For actions: the control or window a user could reach, else the failure reason.
    // needEnabled false: the control itself may be disabled (a drop target), not its window.
    Control* reachableControl(const std::string& target, std::string& reason, bool needEnabled = true);
    Window* reachableWindow(const std::string& target, std::string& reason);
    void action(const std::string& what, const std::string& reason) { fail(what, reason); }

    std::string inFolder(const std::string& name) const;
    std::string relative(const std::string& path) const;

    std::string script_;
    const Options& options_;
    const ProgramFactory& factory_;
    std::ostream& out_;
    int line_ = 0;
    int passed_ = 0, failed_ = 0;
    fs::path folder_;
    bool temporary_ = false;
    std::unique_ptr<ui::HeadlessPlatform> platform_;
    std::unique_ptr<ui::App> app_;
    std::size_t boxesSeen_ = 0, soundsSeen_ = 0, shellSeen_ = 0;
};

void Runner::setUp() {
    if (options_.keepDir) {
        folder_ = fs::absolute(*options_.keepDir);
        fs::create_directories(folder_);
    } else {
        std::random_device rd;
        for (int attempt = 0; attempt < 100; ++attempt) {
            folder_ = fs::temp_directory_path() / ("savanto-scenario-" + std::to_string(rd()));
            if (fs::create_directory(folder_)) break;
        }
        temporary_ = true;
    }
    std::error_code ec;
    if (!options_.assetDir.empty() && fs::is_directory(options_.assetDir, ec)) {
        for (const auto& entry : fs::directory_iterator(options_.assetDir)) {
            if (entry.is_regular_file()) {
                fs::copy_file(entry.path(), folder_ / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
            }
        }
    }
    platform_ = std::make_unique<ui::HeadlessPlatform>();
    std::string folderText = folder_.string();
    if (folderText.empty() || folderText.back() != '/') folderText += '/';
    app_ = std::make_unique<ui::App>(*platform_, factory_(), folderText);
    platform_->attach(app_.get());
}

void Runner::tearDown() {
    app_.reset();
    platform_.reset();
    if (temporary_) {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
}

void Runner::fail(const std::string& expected, const std::string& got) {
    ++failed_;
    out_ << "FAIL " << script_ << ":" << line_ << ": " << expected << " / got " << got << "\n";
}

std::string Runner::inFolder(const std::string& name) const {
    const fs::path p(name);
    return p.is_absolute() ? p.string() : (folder_ / p).string();
}

std::string Runner::relative(const std::string& path) const {
    std::string prefix = folder_.string();
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    if (path.rfind(prefix, 0) == 0) return path.substr(prefix.size());
    std::error_code ec;
    const fs::path canon = fs::weakly_canonical(path, ec);
    const fs::path base = fs::weakly_canonical(folder_, ec);
    const std::string c = canon.string();
    std::string b = base.string();
    if (!b.empty() && b.back() != '/') b += '/';
    if (!ec && c.rfind(b, 0) == 0) return c.substr(b.size());
    return path;
}

bool Runner::run(const std::vector<std::string>& lines) {
    // The whole script is read first, so that a mistyped line stops it before it runs.
    std::vector<std::pair<int, std::vector<Word>>> commands;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        line_ = static_cast<int>(i) + 1;
        std::string l = lines[i];
        if (i == 0 && l.rfind("\xEF\xBB\xBF", 0) == 0) l.erase(0, 3);  // a UTF-8 byte-order mark
        const auto first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == '#') continue;
        try {
            auto words = splitWords(l);
            checkSyntax(words);
            commands.emplace_back(line_, std::move(words));
        } catch (const std::exception& e) {
            out_ << "ERROR " << script_ << ":" << line_ << ": " << e.what() << "\n";
            return false;
        }
    }
    try {
        setUp();
    } catch (const std::exception& e) {
        out_ << "ERROR " << script_ << ":0: cannot prepare the program folder: " << e.what() << "\n";
        tearDown();
        return false;
    }
    bool ok = true;
    for (auto& [lineNo, words] : commands) {
        line_ = lineNo;
        try {
            execute(words);
            for (int refused : platform_->takeRefusedAnswers()) {
                fail("answer " + std::to_string(refused), "a message box without that button");
            }
        } catch (const std::exception& e) {
            out_ << "ERROR " << script_ << ":" << line_ << ": " << e.what() << "\n";
            ok = false;
            break;
        }
    }
    tearDown();
    return ok;
}

void Runner::checkSyntax(const std::vector<Word>& w) {
    const std::string& c = w[0].text;
    const std::size_t n = w.size() - 1;
    auto need = [&](bool ok) {
        if (!ok) throw ScriptError("wrong number of words for " + c);
    };
    if (w[0].quoted) throw ScriptError("a command cannot be quoted");
    if (c == "screen") {
        long long a = 0, b = 0;
        need(n == 2);
        if (!parseInt(w[1].text, a) || !parseInt(w[2].text, b) || a <= 0 || b <= 0 || a > 10000000 || b > 10000000) {
            throw ScriptError("bad screen size");
        }
    } else if (c == "clock") {
        need(n == 2);
        ui::DateTime t;
        if (w[1].text.size() != 10 || w[2].text.size() != 8 || !ui::parseDateTime(w[1].text + " " + w[2].text, t)) {
            throw ScriptError("bad clock " + w[1].text + " " + w[2].text);
        }
    } else if (c == "random") {
        need(n >= 1);
        for (std::size_t i = 1; i <= n; ++i) {
            double u = 0;
            if (!parseDouble(w[i].text, u) || !(u >= 0 && u < 1)) throw ScriptError("bad random value " + w[i].text);
        }
    } else if (c == "file") {
        need(n >= 2);
        if (w[1].text == "write") {
            need(n == 3);
        } else if (w[1].text == "delete") {
            need(n == 2);
        } else {
            throw ScriptError("file write or file delete expected");
        }
    } else if (c == "answer") {
        need(n >= 1);
        for (std::size_t i = 1; i <= n; ++i) {
            long long v = 0;
            if (!parseInt(w[i].text, v) || (v != 1 && v != 2 && v != 6 && v != 7)) throw ScriptError("bad answer " + w[i].text);
        }
    } else if (c == "dialog") {
        need(n == 1);
    } else if (c == "start") {
        need(n == 0);
    } else if (c == "wait") {
        long long v = 0;
        need(n == 1);
        if (!parseInt(w[1].text, v) || v < 0 || v > 1000000000000LL) throw ScriptError("bad time " + w[1].text);
    } else if (c == "click" || c == "focus" || c == "close" || c == "print") {
        need(n == 1);
    } else if (c == "mousedown" || c == "mouseup" || c == "mousemove") {
        need(n == 1 || n == 3);
        double v = 0;
        if (n == 3 && (!parseDouble(w[2].text, v) || !parseDouble(w[3].text, v))) throw ScriptError("bad position");
    } else if (c == "drag") {
        need(n == 2 || n == 4);
        double v = 0;
        if (n == 4 && (!parseDouble(w[3].text, v) || !parseDouble(w[4].text, v))) throw ScriptError("bad position");
    } else if (c == "type" || c == "choose") {
        need(n == 2);
    } else if (c == "key") {
        need(n == 2);
        const std::string& k = w[2].text;
        const bool named = isIn({"enter", "escape", "space", "tab", "shift+tab", "left", "right", "up", "down", "f1"}, k) ||
                           (k.size() == 6 && k.rfind("ctrl+", 0) == 0 && k[5] >= 'a' && k[5] <= 'z');
        if (!named && text::length(k) != 1) throw ScriptError("bad key " + k);
    } else if (c == "expect") {
        need(n >= 1);
        const std::string& what = w[1].text;
        if (what == "msgbox") {
            need(n == 5 || (n == 6 && w[5].text == "~" && !w[5].quoted));
            if (!isIn({"ok", "okcancel", "yesno", "yesnocancel"}, w[3].text)) throw ScriptError("bad buttons " + w[3].text);
            if (!isIn({"none", "critical", "question", "exclamation", "information"}, w[4].text)) {
                throw ScriptError("bad icon " + w[4].text);
            }
        } else if (what == "no-msgbox" || what == "no-sound" || what == "no-shell") {
            need(n == 1);
        } else if (what == "sound" || what == "shell" || what == "clipboard") {
            need(n == 2 || (n == 3 && w[2].text == "~" && !w[2].quoted));
        } else if (what == "file") {
            need(n == 3 || (n == 4 && w[3].text == "~" && !w[3].quoted));
        } else {
            const bool op = n >= 3 && !w[2].quoted && (w[2].text == "=" || w[2].text == "~");
            if (op && w[2].text == "=") {
                need(n == 3 || n == 5);
                long long v = 0;
                if (n == 5 && ((w[4].text != "+" && w[4].text != "-") || !parseInt(w[5].text, v))) {
                    throw ScriptError("+ N or - N expected");
                }
            } else {
                need(n == 2 || (op && n == 3));
            }
        }
    } else {
        throw ScriptError("unknown command " + c);
    }
    if (c == "expect") {
        // The word after "~" is a pattern, wherever the form puts it.
        std::size_t at = 0;
        const std::string& what = w[1].text;
        if (what == "msgbox" && n == 6) at = 6;
        if ((what == "sound" || what == "shell" || what == "clipboard") && n == 3) at = 3;
        if (what == "file" && n == 4) at = 4;
        if (what != "msgbox" && what != "sound" && what != "shell" && what != "clipboard" && what != "file" && n == 3 &&
            w[2].text == "~" && !w[2].quoted) {
            at = 3;
        }
        if (at != 0) {
            try {
                if (!countsWithinReason(w[at].text)) throw std::regex_error(std::regex_constants::error_brace);
                std::wregex re(wide(w[at].text), kPatternSyntax);
            } catch (const std::regex_error&) {
                throw ScriptError("bad pattern " + w[at].text);
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Targets

Resolved Runner::resolve(const std::string& target) {
    const std::vector<Part> parts = parseTarget(target);
    Resolved r;
    r.label = target;
    const Part& head = parts[0];
    if (head.name == "App") {
        if (parts.size() != 2 || parts[1].index || !isIn({"ended", "pointer", "windows"}, parts[1].name)) {
            throw ScriptError("unknown property of App in " + target);
        }
        r.kind = Resolved::Kind::App;
        r.property = parts[1];
        return r;
    }
    if (head.name == "Module") {
        if (parts.size() < 2 || parts.size() > 3) throw ScriptError("bad shared variable " + target);
        r.kind = Resolved::Kind::Module;
        r.rest.assign(parts.begin() + 1, parts.end());
        return r;
    }
    const auto names = app_->program().windowNames();
    if (head.index || !isIn(names, head.name)) throw ScriptError("unknown window " + head.name);
    Window* w = app_->find(head.name);
    if (w == nullptr) {
        if (parts.size() == 2 && !parts[1].index && isIn(kWindowProperties, parts[1].name)) {
            r.kind = Resolved::Kind::WindowProperty;
            r.property = parts[1];
            return r;
        }
        if (parts.size() == 3 && !isIn(kControlProperties, parts[2].name)) throw ScriptError("unknown property in " + target);
        if (parts.size() > 3) throw ScriptError("bad target " + target);
        r.kind = Resolved::Kind::NotLoaded;
        return r;
    }
    r.window = w;
    if (parts.size() == 1) {
        r.kind = Resolved::Kind::Window;
        return r;
    }
    const Part& second = parts[1];
    if (w->hasControlNamed(second.name)) {
        Control* c = w->find(second.name, second.index.value_or(-1));
        if (c == nullptr) throw ScriptError("unknown control " + target);
        r.control = c;
        if (parts.size() == 2) {
            r.kind = Resolved::Kind::Control;
            return r;
        }
        if (parts.size() != 3 || !isIn(kControlProperties, parts[2].name)) throw ScriptError("unknown property in " + target);
        r.kind = Resolved::Kind::ControlProperty;
        r.property = parts[2];
        return r;
    }
    if (w->fields().has(second.name)) {
        if (parts.size() > 3) throw ScriptError("bad field " + target);
        r.kind = Resolved::Kind::Field;
        r.rest.assign(parts.begin() + 1, parts.end());
        return r;
    }
    if (parts.size() == 2 && isIn(kWindowProperties, second.name) && !second.index) {
        r.kind = Resolved::Kind::WindowProperty;
        r.property = second;
        return r;
    }
    throw ScriptError("unknown control, field or property " + target);
}

std::string fieldValue(const ui::Fields& fields, const std::vector<Part>& rest, const std::string& label) {
    const std::string member = rest.size() > 1 ? rest[1].name : std::string();
    if (rest.size() > 1 && rest[1].index) throw ScriptError("bad field " + label);
    const auto got = fields.get(rest[0].name, rest[0].index, member);
    using S = ui::Fields::Lookup::Status;
    switch (got.status) {
        case S::Ok: return got.value;
        case S::Unknown: throw ScriptError("unknown variable " + label);
        case S::NeedsIndex: throw ScriptError("an index is needed in " + label);
        case S::NoIndex: throw ScriptError("no index is allowed in " + label);
        case S::OutOfRange: throw ScriptError("index out of range in " + label);
        case S::UnknownMember: throw ScriptError("unknown record field in " + label);
        case S::NeedsMember: throw ScriptError("a record field is needed in " + label);
    }
    throw ScriptError("bad field " + label);
}

std::optional<std::string> Runner::read(const std::string& target, std::string& reason) {
    Resolved r = resolve(target);
    switch (r.kind) {
        case Resolved::Kind::App: {
            const std::string& p = r.property.name;
            if (p == "ended") return boolText(app_->ended());
            if (p == "pointer") return std::string(app_->pointer() == ui::Pointer::Hourglass ? "hourglass" : "default");
            std::string names;
            for (Window* w : app_->windows()) names += (names.empty() ? "" : " ") + w->name();
            return names;
        }
        case Resolved::Kind::Module: return fieldValue(app_->program().moduleFields(), r.rest, target);
        case Resolved::Kind::Field: return fieldValue(r.window->fields(), r.rest, target);
        case Resolved::Kind::NotLoaded: reason = "window not loaded"; return std::nullopt;
        case Resolved::Kind::Window: throw ScriptError("a property is needed after " + target);
        case Resolved::Kind::Control: throw ScriptError("a property is needed after " + target);
        case Resolved::Kind::WindowProperty:
            if (r.window == nullptr) {
                if (r.property.name == "loaded") return std::string("false");
                reason = "window not loaded";
                return std::nullopt;
            }
            return windowProperty(*r.window, r.property);
        case Resolved::Kind::ControlProperty: return controlProperty(*r.control, r.property);
    }
    return std::nullopt;
}

std::string Runner::windowProperty(Window& w, const Part& p) {
    const std::string& n = p.name;
    if (n == "caption") return w.caption();
    if (n == "visible") return boolText(w.visible());
    if (n == "enabled") return boolText(w.enabled());
    if (n == "loaded") return boolText(w.loaded());
    if (n == "left") return std::to_string(w.left());
    if (n == "top") return std::to_string(w.top());
    if (n == "width") return std::to_string(w.width());
    if (n == "height") return std::to_string(w.height());
    if (n == "windowstate") return w.windowState() == ui::WindowState::Minimized ? "minimized" : "normal";
    if (n == "focus") return w.focusControl() ? w.focusControl()->qualifiedName() : std::string();
    throw ScriptError("unknown window property " + n);
}

std::string Runner::controlProperty(Control& c, const Part& p) {
    const std::string& n = p.name;
    const ControlKind k = c.kind();
    const bool isTimer = k == ControlKind::Timer;
    const bool isList = k == ControlKind::ListBox || k == ControlKind::ComboBox;
    auto notFor = [&]() -> std::string {
        throw ScriptError("a " + std::string(ui::kindName(k)) + " has no property " + n);
    };
    if (p.index && n != "list") notFor();
    if (n == "caption") {
        if (k == ControlKind::Label || k == ControlKind::Button || k == ControlKind::Frame ||
            k == ControlKind::OptionButton || k == ControlKind::CheckBox) {
            return c.caption();
        }
        return notFor();
    }
    if (n == "text") return k == ControlKind::TextBox || k == ControlKind::ComboBox ? c.text() : notFor();
    if (n == "visible") return boolText(!isTimer && c.visible());
    if (n == "enabled") return boolText(isTimer ? static_cast<ui::Timer&>(c).armed() : c.enabled());
    if (isTimer) {
        if (n == "interval") return std::to_string(static_cast<ui::Timer&>(c).interval());
        return notFor();
    }
    if (n == "left") return std::to_string(c.left());
    if (n == "top") return std::to_string(c.top());
    if (n == "width") return std::to_string(c.width());
    if (n == "height") return std::to_string(c.height());
    if (n == "forecolor") return std::to_string(c.foreColor());
    if (n == "value") {
        if (k == ControlKind::OptionButton) return boolText(static_cast<ui::OptionButton&>(c).value());
        if (k == ControlKind::CheckBox) return boolText(static_cast<ui::CheckBox&>(c).value());
        return notFor();
    }
    if (n == "picture") return k == ControlKind::Picture ? static_cast<ui::Picture&>(c).pictureName() : notFor();
    if (!isList) return notFor();
    auto& list = static_cast<ui::ListControl&>(c);
    if (n == "listcount") return std::to_string(list.listCount());
    if (n == "listindex") return std::to_string(list.listIndex());
    if (n == "list") {
        if (!p.index) throw ScriptError("list needs an item number: list(i)");
        if (*p.index < 0 || *p.index >= list.listCount()) return "";
        return list.item(*p.index);
    }
    return notFor();
}

Window* Runner::reachableWindow(const std::string& target, std::string& reason) {
    Resolved r = resolve(target);
    if (r.kind == Resolved::Kind::NotLoaded || (r.kind == Resolved::Kind::WindowProperty && r.window == nullptr)) {
        reason = "window not loaded";
        return nullptr;
    }
    if (r.kind != Resolved::Kind::Window) throw ScriptError(target + " is not a window");
    if (!r.window->visible()) {
        reason = "window hidden";
        return nullptr;
    }
    if (!r.window->enabled()) {
        reason = "window disabled";
        return nullptr;
    }
    return r.window;
}

Control* Runner::reachableControl(const std::string& target, std::string& reason, bool needEnabled) {
    Resolved r = resolve(target);
    if (r.kind == Resolved::Kind::NotLoaded) {
        reason = "window not loaded";
        return nullptr;
    }
    if (r.kind != Resolved::Kind::Control) throw ScriptError(target + " is not a control");
    if (r.control->kind() == ControlKind::Timer) {
        reason = "a timer";
        return nullptr;
    }
    if (!r.window->visible()) {
        reason = "window hidden";
        return nullptr;
    }
    if (!r.window->enabled()) {
        reason = "window disabled";
        return nullptr;
    }
    if (!r.control->effectivelyVisible()) {
        reason = "hidden";
        return nullptr;
    }
    if (needEnabled && !r.control->effectivelyEnabled()) {
        reason = "disabled";
        return nullptr;
    }
    return r.control;
}

// ---------------------------------------------------------------------------------------------
// Commands

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

struct MatchJob {
    std::wstring value;
    std::wstring pattern;
    bool result = false;
    bool failed = false;
};

void* runMatch(void* arg) {
    auto* job = static_cast<MatchJob*>(arg);
    try {
        job->result = std::regex_match(job->value, std::wregex(job->pattern, kPatternSyntax));
    } catch (...) {
        job->failed = true;
    }
    return nullptr;
}

bool matches(const std::string& value, const std::string& expected, bool pattern) {
    if (!pattern) return value == expected;
    if (!countsWithinReason(expected)) throw ScriptError("bad pattern " + expected);
    // std::regex recurses once per character: a long text (a whole file) needs a deep stack,
    // so the match runs on a thread of its own with room enough.
    MatchJob job{wide(value), wide(expected)};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, std::max<std::size_t>(64u << 20, job.value.size() * 2048));
    pthread_t thread;
    const bool started = pthread_create(&thread, &attr, runMatch, &job) == 0;
    pthread_attr_destroy(&attr);
    if (!started) {
        runMatch(&job);
    } else {
        pthread_join(thread, nullptr);
    }
    if (job.failed) throw ScriptError("bad pattern " + expected);
    return job.result;
}

void Runner::execute(const std::vector<Word>& w) {
    const std::string& c = w[0].text;
    if (c == "screen") {
        platform_->setScreen(static_cast<int>(std::stoll(w[1].text)), static_cast<int>(std::stoll(w[2].text)));
    } else if (c == "clock") {
        ui::DateTime t;
        ui::parseDateTime(w[1].text + " " + w[2].text, t);
        platform_->setClock(t);
    } else if (c == "random") {
        for (std::size_t i = 1; i < w.size(); ++i) platform_->queueRandom(std::stod(w[i].text));
    } else if (c == "file") {
        const std::string path = inFolder(w[2].text);
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
        platform_->fileWritten(path);
    } else if (c == "answer") {
        for (std::size_t i = 1; i < w.size(); ++i) platform_->queueAnswer(std::stoi(w[i].text));
    } else if (c == "dialog") {
        if (w[1].text == "cancel" && !w[1].quoted) {
            platform_->queueDialog(std::nullopt);
        } else {
            platform_->queueDialog(inFolder(w[1].text));
        }
    } else if (c == "start") {
        app_->start();
    } else if (c == "wait") {
        platform_->advance(std::stoll(w[1].text));
    } else if (c == "click") {
        std::string reason;
        if (Control* ctl = reachableControl(w[1].text, reason)) {
            app_->userClick(*ctl);
        } else {
            action("click " + w[1].text, reason);
        }
    } else if (c == "mousedown" || c == "mouseup" || c == "mousemove") {
        const double x = w.size() > 2 ? std::stod(w[2].text) : 0.0;
        const double y = w.size() > 2 ? std::stod(w[3].text) : 0.0;
        const int button = c == "mousemove" ? 0 : ui::kLeftButton;
        std::string reason;
        const bool isWindow = parseTarget(w[1].text).size() == 1;
        if (isWindow) {
            if (Window* win = reachableWindow(w[1].text, reason)) {
                if (c == "mousedown") app_->userMouseDown(*win, button, 0, x, y);
                if (c == "mouseup") app_->userMouseUp(*win, button, 0, x, y);
                if (c == "mousemove") app_->userMouseMove(*win, button, 0, x, y);
                return;
            }
        } else if (Control* ctl = reachableControl(w[1].text, reason)) {
            if (c == "mousedown") app_->userMouseDown(*ctl, button, 0, x, y);
            if (c == "mouseup") app_->userMouseUp(*ctl, button, 0, x, y);
            if (c == "mousemove") app_->userMouseMove(*ctl, button, 0, x, y);
            return;
        }
        action(c + " " + w[1].text, reason);
    } else if (c == "drag") {
        std::string reason;
        Control* source = reachableControl(w[1].text, reason);
        if (source == nullptr) {
            action("drag " + w[1].text, reason);
            return;
        }
        Control* target = reachableControl(w[2].text, reason, false);
        if (target == nullptr) {
            action("drop on " + w[2].text, reason);
            return;
        }
        const double x = w.size() > 3 ? std::stod(w[3].text) : target->width() / 2.0;
        const double y = w.size() > 3 ? std::stod(w[4].text) : target->height() / 2.0;
        app_->userDrop(*source, *target, x, y);
    } else if (c == "type") {
        std::string reason;
        Control* ctl = reachableControl(w[1].text, reason);
        if (ctl == nullptr) {
            action("type " + w[1].text, reason);
            return;
        }
        if (ctl->kind() != ControlKind::TextBox) throw ScriptError(w[1].text + " is not a text box");
        if (static_cast<ui::TextBox&>(*ctl).readOnly()) {
            action("type " + w[1].text, "read-only");
            return;
        }
        app_->userType(static_cast<ui::TextBox&>(*ctl), w[2].text);
    } else if (c == "focus") {
        std::string reason;
        if (Control* ctl = reachableControl(w[1].text, reason)) {
            app_->userFocus(*ctl);
        } else {
            action("focus " + w[1].text, reason);
        }
    } else if (c == "choose") {
        std::string reason;
        Control* ctl = reachableControl(w[1].text, reason);
        if (ctl == nullptr) {
            action("choose " + w[1].text, reason);
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
            action("choose " + w[1].text + " " + show(w[2].text), "no such item");
            return;
        }
        app_->userChoose(list, index);
    } else if (c == "close") {
        std::string reason;
        if (Window* win = reachableWindow(w[1].text, reason)) {
            app_->userClose(*win);
        } else {
            action("close " + w[1].text, reason);
        }
    } else if (c == "key") {
        std::string reason;
        if (Window* win = reachableWindow(w[1].text, reason)) {
            app_->userKey(*win, w[2].text);
        } else {
            action("key " + w[1].text, reason);
        }
    } else if (c == "print") {
        std::string reason;
        const auto v = read(w[1].text, reason);
        out_ << (v ? *v : "<" + reason + ">") << "\n";
    } else if (c == "expect") {
        expect(w);
    }
}

void Runner::expect(const std::vector<Word>& w) {
    const std::string& what = w[1].text;
    const auto& boxes = platform_->messageBoxes();
    const auto& sounds = platform_->sounds();
    const auto& shell = platform_->shellRequests();
    auto describeBox = [](const ui::HeadlessPlatform::MessageBoxEntry& b) {
        return "msgbox " + show(b.request.title) + " " + buttonsName(b.request.buttons) + " " + iconName(b.request.icon) + " " +
               show(b.request.text);
    };
    if (what == "msgbox" && !w[1].quoted) {
        const bool pattern = w.size() == 7;
        const std::string& expectedText = w.back().text;
        const std::string expected = "msgbox " + show(w[2].text) + " " + w[3].text + " " + w[4].text + " " +
                                     (pattern ? "~ " : "") + show(expectedText);
        if (boxesSeen_ >= boxes.size()) return fail(expected, "no message box");
        const auto& b = boxes[boxesSeen_++];
        const bool ok = b.request.title == w[2].text && w[3].text == buttonsName(b.request.buttons) &&
                        w[4].text == iconName(b.request.icon) && matches(b.request.text, expectedText, pattern);
        return ok ? pass() : fail(expected, describeBox(b));
    }
    if (what == "no-msgbox") {
        if (boxesSeen_ >= boxes.size()) return pass();
        const auto& b = boxes[boxesSeen_];
        boxesSeen_ = boxes.size();
        return fail("no-msgbox", describeBox(b));
    }
    if (what == "no-sound" || what == "no-shell") {
        const bool sound = what == "no-sound";
        std::size_t& seen = sound ? soundsSeen_ : shellSeen_;
        const std::size_t total = sound ? sounds.size() : shell.size();
        if (seen >= total) return pass();
        const std::string got = sound ? "sound " + show(relative(sounds[seen])) : "shell " + show(relative(shell[seen].target));
        seen = total;
        return fail(what, got);
    }
    if (what == "sound" || what == "shell" || what == "clipboard") {
        const bool pattern = w.size() == 4;
        const std::string& expectedText = w.back().text;
        const std::string expected = what + " " + (pattern ? "~ " : "") + show(expectedText);
        if (what == "clipboard") {
            const std::string got = platform_->clipboardText();
            return matches(got, expectedText, pattern) ? pass() : fail(expected, show(got));
        }
        const bool sound = what == "sound";
        std::size_t& seen = sound ? soundsSeen_ : shellSeen_;
        const std::size_t total = sound ? sounds.size() : shell.size();
        if (seen >= total) return fail(expected, sound ? "no sound" : "no shell request");
        const std::string got = relative(sound ? sounds[seen] : shell[seen].target);
        ++seen;
        return matches(got, expectedText, pattern) ? pass() : fail(expected, show(got));
    }
    if (what == "file" && !w[1].quoted) {
        const std::string path = inFolder(w[2].text);
        const bool missing = w.size() == 4 && w[3].text == "missing" && !w[3].quoted;
        const bool pattern = w.size() == 5;
        const std::string& expectedText = w.back().text;
        const std::string expected =
            "file " + w[2].text + " " + (missing ? std::string("missing") : (pattern ? "~ " : "") + show(expectedText));
        if (missing) return files::exists(path) ? fail(expected, "a file") : pass();
        if (!files::exists(path)) return fail(expected, "no file");
        std::ifstream f(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const std::string got = text::fromCp1252(bytes);
        return matches(got, expectedText, pattern) ? pass() : fail(expected, show(got));
    }
    // A target's value.
    const std::string& target = w[1].text;
    std::string reason;
    const bool compare = w.size() >= 4 && w[2].text == "=" && !w[2].quoted;
    const bool pattern = w.size() == 4 && w[2].text == "~" && !w[2].quoted;
    const auto value = read(target, reason);
    if (compare) {
        std::string otherReason;
        const auto other = read(w[3].text, otherReason);
        std::string expected = target + " = " + w[3].text;
        if (w.size() == 6) expected += " " + w[4].text + " " + w[5].text;
        if (!value) return fail(expected, target + ": " + reason);
        if (!other) return fail(expected, w[3].text + ": " + otherReason);
        if (w.size() == 4) return *value == *other ? pass() : fail(expected, show(*value) + " and " + show(*other));
        long long a = 0, b = 0, n = 0;
        parseInt(w[5].text, n);
        if (!parseInt(*value, a) || !parseInt(*other, b)) {
            return fail(expected, show(*value) + " and " + show(*other) + ", not whole numbers");
        }
        const long long want = w[4].text == "+" ? b + n : b - n;
        return a == want ? pass() : fail(expected, show(*value) + " and " + show(*other));
    }
    const std::string& expectedText = w.back().text;
    const std::string expected = target + " " + (pattern ? "~ " : "") + show(expectedText);
    if (!value) return fail(expected, reason);
    return matches(*value, expectedText, pattern) ? pass() : fail(expected, show(*value));
}

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

}  // namespace

int runScripts(const std::vector<std::string>& scripts, const Options& options, const ProgramFactory& factory,
               std::ostream& out, std::istream& in) {
    int passed = 0, failed = 0;
    bool scriptError = false;
    for (const std::string& name : scripts) {
        std::vector<std::string> lines;
        if (name == "-") {
            lines = readLines(in);
        } else {
            std::ifstream f(name, std::ios::binary);
            if (!f) {
                out << "ERROR " << name << ":0: cannot read the script\n";
                scriptError = true;
                continue;
            }
            lines = readLines(f);
        }
        Runner runner(name, options, factory, out);
        if (!runner.run(lines)) scriptError = true;
        passed += runner.passed();
        failed += runner.failed();
    }
    out << passed << " passed, " << failed << " failed\n";
    out.flush();
    if (scriptError) return 2;
    return failed > 0 ? 1 : 0;
}

int main(int argc, const char* const* argv, const ProgramFactory& factory, const std::string& assetDir,
         std::ostream& out, std::istream& in) {
    Options options;
    options.assetDir = assetDir;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--keep") {
            if (i + 1 >= argc) {
                out << "usage: savanto-scenario [--keep DIR] SCRIPT...\n";
                return 2;
            }
            options.keepDir = argv[++i];
        } else {
            scripts.push_back(a);
        }
    }
    if (scripts.empty()) {
        out << "usage: savanto-scenario [--keep DIR] SCRIPT...\n";
        return 2;
    }
    return runScripts(scripts, options, factory, out, in);
}

}  // namespace sv::scenario
