// Targets: what a name such as Form.Control(2).caption, App.windows or Module.variable names in
// the running program, the values they read and the windows and controls a user could reach.
#include <climits>

#include "runner.h"

namespace sv::scenario::detail {

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

namespace {

const std::vector<std::string> kControlProperties = {"caption", "text",  "visible", "enabled",   "left",
                                                     "top",     "width", "height",  "forecolor", "value",
                                                     "interval", "picture", "listcount", "list", "listindex"};
const std::vector<std::string> kWindowProperties = {"caption", "visible", "enabled", "loaded", "left",
                                                    "top",     "width",   "height",  "windowstate", "focus"};

std::string boolText(bool b) { return b ? "true" : "false"; }

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

std::string windowProperty(Window& w, const Part& p) {
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

std::string controlProperty(Control& c, const Part& p) {
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

}  // namespace

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

namespace {
// A window a user cannot act in: hidden or disabled (the reason says which).
bool windowUnreachable(const Window& w, std::string& reason) {
    if (!w.visible()) reason = "window hidden";
    else if (!w.enabled()) reason = "window disabled";
    else return false;
    return true;
}
}  // namespace

Window* Runner::reachableWindow(const std::string& target, std::string& reason) {
    Resolved r = resolve(target);
    if (r.kind == Resolved::Kind::NotLoaded || (r.kind == Resolved::Kind::WindowProperty && r.window == nullptr)) {
        reason = "window not loaded";
        return nullptr;
    }
    if (r.kind != Resolved::Kind::Window) throw ScriptError(target + " is not a window");
    if (windowUnreachable(*r.window, reason)) return nullptr;
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
    if (windowUnreachable(*r.window, reason)) return nullptr;
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

}  // namespace sv::scenario::detail
