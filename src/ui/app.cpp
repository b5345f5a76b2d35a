#include "ui/app.h"

#include <algorithm>

#include "ui/error.h"
#include "ui/text.h"

namespace sv::ui {

App::App(Platform& platform, std::unique_ptr<Program> program, std::string programFolder)
    : platform_(platform), program_(std::move(program)), folder_(std::move(programFolder)) {}

App::~App() {
    // Timers disarm themselves as their windows go; the observer hears nothing more.
    observer_ = nullptr;
    graveyard_.clear();
    windows_.clear();
}

void App::start() {
    if (started_) return;
    started_ = true;
    dispatch([this] { program_->start(*this); });
    checkEnd();
}

Window& App::load(const std::string& name) {
    if (Window* w = find(name)) return *w;
    if (ended_) throw RuntimeError(91, "Variable objet ou variable de bloc With non définie");
    std::unique_ptr<Window> created = program_->createWindow(*this, name);
    if (!created) throw RuntimeError(424, "Objet requis");
    Window& w = *created;
    w.loaded_ = true;
    windows_.push_back(std::move(created));
    if (observer_) observer_->windowLoaded(w);
    w.Form_Load();
    return w;
}

Window* App::find(const std::string& name) const {
    for (const auto& w : windows_) {
        if (w->name() == name) return w.get();
    }
    return nullptr;
}

bool App::unload(Window& w) {
    if (!w.loaded_) return true;
    int cancel = 0;
    w.Form_Unload(cancel);
    if (cancel != 0) return false;
    if (!w.loaded_) return true;  // the handler unloaded it itself
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& p) { return p.get() == &w; });
    if (it == windows_.end()) return true;
    for (Control* c : w.controls()) {
        if (c->kind() == ControlKind::Timer) {
            auto* t = static_cast<Timer*>(c);
            if (t->armed()) t->setInterval(0);
        }
    }
    w.loaded_ = false;
    w.visible_ = false;
    if (observer_) observer_->windowUnloaded(w);
    graveyard_.push_back(std::move(*it));
    windows_.erase(it);
    if (depth_ == 0) collect();
    checkEnd();
    return true;
}

std::vector<Window*> App::windows() const {
    std::vector<Window*> out;
    out.reserve(windows_.size());
    for (const auto& w : windows_) out.push_back(w.get());
    return out;
}

void App::end() {
    if (ended_) return;
    ended_ = true;
    for (auto& w : windows_) {
        for (Control* c : w->controls()) {
            if (c->kind() == ControlKind::Timer) {
                auto* t = static_cast<Timer*>(c);
                if (t->armed()) t->setInterval(0);
            }
        }
        w->loaded_ = false;
        w->visible_ = false;
        if (observer_) observer_->windowUnloaded(*w);
        graveyard_.push_back(std::move(w));
    }
    windows_.clear();
    if (pointer_ != Pointer::Default) setPointer(Pointer::Default);
    platform_.programEnded();
    if (depth_ == 0) collect();
}

void App::checkEnd() {
    if (!ended_ && started_ && windows_.empty() && depth_ == 0) end();
}

void App::collect() {
    graveyard_.clear();
    checkEnd();
}

void App::setPointer(Pointer p) {
    pointer_ = p;
    platform_.setPointer(p);
}

void App::reportUntrapped(const std::exception& e) {
    std::string text;
    if (const auto* r = dynamic_cast<const RuntimeError*>(&e)) {
        text = "Erreur d'exécution '" + std::to_string(r->number()) + "' :\r\n\r\n" + r->description();
    } else {
        text = "Erreur interne :\r\n\r\n" + std::string(e.what());
    }
    try {
        platform_.messageBox({text, MsgButtons::Ok, MsgIcon::Critical, "Savanto", 1});
    } catch (...) {
        platform_.log("savanto.ui", "the error box could not show: " + text);
        // Nothing more can be said.
    }
}

void App::fireTimer(Timer& t) {
    if (ended_ || !t.armed() || runningTimers_.count(t.id()) != 0) return;
    const auto id = t.id();
    runningTimers_.insert(id);
    dispatch([&t] {
        if (t.onTimer) t.onTimer();
    });
    runningTimers_.erase(id);
}

namespace {
// What a user can reach: a control that shows and is enabled, in a window that shows and is
// enabled.
bool reachable(const Control& c) {
    const Window& w = c.window();
    return w.loaded() && w.visible() && w.enabled() && c.effectivelyVisible() && c.effectivelyEnabled();
}
}  // namespace

void App::userClick(Control& c) {
    if (!reachable(c)) return;
    dispatch([&c] {
        switch (c.kind()) {
            case ControlKind::OptionButton: {
                auto& o = static_cast<OptionButton&>(c);
                if (o.value()) {
                    o.click();
                } else {
                    o.setValue(true);
                }
                break;
            }
            case ControlKind::CheckBox: {
                auto& b = static_cast<CheckBox&>(c);
                b.setValue(!b.value());
                break;
            }
            case ControlKind::Timer: break;
            default: c.click(); break;
        }
    });
}

void App::userMouseDown(Control& c, int button, int shift, double x, double y) {
    dispatch([&] {
        if (c.onMouseDown) c.onMouseDown(button, shift, x, y);
    });
}

void App::userMouseMove(Control& c, int button, int shift, double x, double y) {
    dispatch([&] {
        if (c.onMouseMove) c.onMouseMove(button, shift, x, y);
    });
}

void App::userMouseUp(Control& c, int button, int shift, double x, double y) {
    dispatch([&] {
        if (c.onMouseUp) c.onMouseUp(button, shift, x, y);
    });
}

void App::userMouseDown(Window& w, int button, int shift, double x, double y) {
    dispatch([&] {
        if (w.onMouseDown) w.onMouseDown(button, shift, x, y);
    });
}

void App::userMouseMove(Window& w, int button, int shift, double x, double y) {
    dispatch([&] {
        if (w.onMouseMove) w.onMouseMove(button, shift, x, y);
    });
}

void App::userMouseUp(Window& w, int button, int shift, double x, double y) {
    dispatch([&] {
        if (w.onMouseUp) w.onMouseUp(button, shift, x, y);
    });
}

void App::userDrop(Control& source, Control& target, double x, double y) {
    dispatch([&] {
        if (target.onDragDrop) target.onDragDrop(source, x, y);
    });
}

void App::userType(TextBox& box, const std::string& text) {
    if (!reachable(box) || box.readOnly()) return;
    dispatch([&] { box.typeText(text); });
}

void App::userFocus(Control& c) {
    dispatch([&] { c.setFocus(); });
}

void App::userChoose(ListControl& list, int index) {
    if (!reachable(list)) return;
    dispatch([&] {
        if (list.listIndex() == index) {
            list.click();
        } else {
            list.setListIndex(index);
        }
    });
}

void App::userClose(Window& w) {
    dispatch([&] { unload(w); });
}

bool App::userKeyDown(Window& w, const std::string& key) {
    bool used = false;
    dispatch([&] { used = w.loaded() && w.visible() && w.enabled() && w.Form_KeyDown(key); });
    return used;
}

namespace {
// The arrows in a group of option buttons select the next or previous one, in reading order,
// as they do in every desktop program.
void chooseNextOption(Control& from, bool forward) {
    std::vector<Control*> group;
    for (Control* c : from.window().controls()) {
        if (c->kind() == ControlKind::OptionButton && c->container() == from.container() && c->effectivelyVisible() &&
            c->effectivelyEnabled()) {
            group.push_back(c);
        }
    }
    std::stable_sort(group.begin(), group.end(), [](const Control* a, const Control* b) {
        return a->top() / 120 != b->top() / 120 ? a->top() < b->top() : a->left() < b->left();
    });
    const auto at = std::find(group.begin(), group.end(), &from);
    if (at == group.end() || group.size() < 2) return;
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t i = ((at - group.begin()) + (forward ? 1 : -1) + n) % n;
    auto* next = static_cast<OptionButton*>(group[static_cast<std::size_t>(i)]);
    next->setFocus();
    next->setValue(true);
}
}  // namespace

void App::userKey(Window& w, const std::string& key) {
    if (userKeyDown(w, key)) return;
    dispatch([&] {
        Control* focus = w.focusControl();
        auto pressButton = [&](bool wantDefault) {
            for (Control* c : w.controls()) {
                if (c->kind() != ControlKind::Button) continue;
                auto* b = static_cast<Button*>(c);
                if ((wantDefault ? b->isDefault() : b->isCancel()) && b->effectivelyVisible() &&
                    b->effectivelyEnabled()) {
                    b->click();
                    return;
                }
            }
        };
        int ascii = 0;
        if (key == "enter") {
            ascii = 13;
        } else if (key == "escape") {
            ascii = 27;
        } else if (const auto byte = text::toCp1252(key); byte && byte->size() == 1) {
            ascii = static_cast<unsigned char>((*byte)[0]);
        }
        if (focus && focus->kind() == ControlKind::OptionButton &&
            (key == "left" || key == "right" || key == "up" || key == "down")) {
            chooseNextOption(*focus, key == "right" || key == "down");
            return;
        }
        if (focus && focus->onKeyPress) focus->onKeyPress(ascii);
        if (ascii == 0 || !w.loaded()) return;
        if (focus && !(focus->effectivelyVisible() && focus->effectivelyEnabled())) focus = nullptr;
        if (key == "enter") {
            if (focus && focus->kind() == ControlKind::Button) {
                focus->click();
            } else {
                pressButton(true);
            }
        } else if (key == "escape") {
            pressButton(false);
        } else if (focus && focus->kind() == ControlKind::TextBox && !static_cast<TextBox*>(focus)->readOnly()) {
            // The character replaces the selection, as typing does.
            auto* box = static_cast<TextBox*>(focus);
            const std::string typed = text::fromCp1252(std::string(1, static_cast<char>(ascii)));
            const std::string& t = box->text();
            const auto start = static_cast<std::size_t>(box->selStart());
            const auto length = static_cast<std::size_t>(box->selLength());
            box->typeText(text::left(t, start) + typed + text::mid(t, start + length));
        }
    });
}

int App::msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title,
                int defaultButton) {
    return platform_.messageBox({text, buttons, icon, title, defaultButton});
}

}  // namespace sv::ui
