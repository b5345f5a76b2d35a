#include "ui/window.h"

#include <algorithm>

#include "ui/app.h"

namespace sv::ui {

Window::Window(App& app, std::string name) : app_(app), name_(std::move(name)) {}

Window::~Window() = default;

void Window::notify() {
    if (loaded_ && app_.observer()) app_.observer()->windowChanged(*this);
}

void Window::controlChanged(Control& c) {
    if (loaded_ && app_.observer()) app_.observer()->controlChanged(c);
}

void Window::setCaption(const std::string& s) {
    if (caption_ == s) return;
    caption_ = s;
    notify();
}

void Window::setBorderless(bool b) {
    borderless_ = b;
    notify();
}

void Window::setTopmost(bool t) {
    topmost_ = t;
    notify();
}

void Window::move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) throw RuntimeError(380, "Valeur de propriété non valide");
    const bool resized = width != width_ || height != height_;
    if (left == left_ && top == top_ && !resized) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify();
    if (resized && loaded_) Form_Resize();
}

int Window::clientWidth() const { return std::max(0, width_ - (borderless_ ? 0 : kBorderWidth)); }

int Window::clientHeight() const { return std::max(0, height_ - (borderless_ ? 0 : kBorderHeight)); }

void Window::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    notify();
}

void Window::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    notify();
}

void Window::setWindowState(WindowState s) {
    if (state_ == s) return;
    state_ = s;
    notify();
}

void Window::setBackColor(Color c) {
    if (backColor_ == c) return;
    backColor_ = c;
    notify();
}

Control* Window::find(const std::string& name, int index) const {
    for (Control* c : order_) {
        if (c->name() == name && c->index() == index) return c;
    }
    return nullptr;
}

bool Window::hasControlNamed(const std::string& name) const {
    return std::any_of(order_.begin(), order_.end(), [&](const Control* c) { return c->name() == name; });
}

void Window::moveWithMouse(Control& handle) {
    handle.onMouseDown = [this](int, int, double x, double y) {
        mouseMoving_ = true;
        mouseX_ = x;
        mouseY_ = y;
    };
    handle.onMouseMove = [this](int, int, double x, double y) {
        if (mouseMoving_) move(clampTwips(left_ + (x - mouseX_)), clampTwips(top_ + (y - mouseY_)));
    };
    handle.onMouseUp = [this](int, int, double, double) { mouseMoving_ = false; };
}

void Window::setFocusControl(Control* c) {
    if (focus_ == c) return;
    focus_ = c;
    if (loaded_ && app_.observer()) app_.observer()->focusChanged(*this);
}

void Window::bringToTop(Control& c) {
    const auto it = std::find(order_.begin(), order_.end(), &c);
    if (it == order_.end() || it + 1 == order_.end()) return;
    order_.erase(it);
    order_.push_back(&c);
    if (loaded_ && app_.observer()) app_.observer()->zOrderChanged(*this);
}

template <class T, class... A>
T& Window::add(const std::string& name, Rect r, int index, A&&... args) {
    auto owned = std::make_unique<T>(*this, name, index, std::forward<A>(args)...);
    T& c = *owned;
    if (c.kind() != ControlKind::Timer) c.setBounds(r.left, r.top, r.width, r.height);
    owned_.push_back(std::move(owned));
    order_.push_back(&c);
    return c;
}

Label& Window::label(const std::string& name, Rect r, int index, Control* in) { return add<Label>(name, r, index, in); }

Picture& Window::picture(const std::string& name, Rect r, int index, Control* in) {
    return add<Picture>(name, r, index, in);
}

Button& Window::button(const std::string& name, Rect r, const std::string& caption, int index, Control* in) {
    Button& b = add<Button>(name, r, index, in);
    b.setCaption(caption);
    return b;
}

TextBox& Window::textBox(const std::string& name, Rect r, int index, Control* in) {
    TextBox& t = add<TextBox>(name, r, index, in);
    t.setBackColor(kWhite);
    return t;
}

OptionButton& Window::option(const std::string& name, Rect r, const std::string& caption, int index, Control* in) {
    OptionButton& o = add<OptionButton>(name, r, index, in);
    o.setCaption(caption);
    return o;
}

CheckBox& Window::checkBox(const std::string& name, Rect r, const std::string& caption, int index, Control* in) {
    CheckBox& c = add<CheckBox>(name, r, index, in);
    c.setCaption(caption);
    return c;
}

ComboBox& Window::comboBox(const std::string& name, Rect r, int index, Control* in) {
    ComboBox& c = add<ComboBox>(name, r, index, in);
    c.setBackColor(kWhite);
    return c;
}

ListBox& Window::listBox(const std::string& name, Rect r, int index, Control* in) {
    ListBox& l = add<ListBox>(name, r, index, in);
    l.setBackColor(kWhite);
    return l;
}

Frame& Window::frame(const std::string& name, Rect r, const std::string& caption, int index, Control* in) {
    Frame& f = add<Frame>(name, r, index, in);
    f.setBorder(true);
    f.setCaption(caption);
    return f;
}

Timer& Window::timer(const std::string& name, int index) {
    auto owned = std::make_unique<Timer>(*this, name, index);
    Timer& t = *owned;
    owned_.push_back(std::move(owned));
    order_.push_back(&t);
    return t;
}

}  // namespace sv::ui
