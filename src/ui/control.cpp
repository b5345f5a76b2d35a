#include "ui/control.h"

#include <atomic>

#include "ui/app.h"
#include "ui/error.h"
#include "ui/pictures.h"
#include "ui/text.h"
#include "ui/window.h"

namespace sv::ui {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::Picture: return "picture";
        case ControlKind::Button: return "button";
        case ControlKind::TextBox: return "text box";
        case ControlKind::OptionButton: return "option button";
        case ControlKind::CheckBox: return "check box";
        case ControlKind::ComboBox: return "drop-down list";
        case ControlKind::ListBox: return "list box";
        case ControlKind::Frame: return "frame";
        case ControlKind::Timer: return "timer";
    }
    return "control";
}

Control::Control(Window& window, ControlKind kind, std::string name, int index, Control* container)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

std::string Control::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

App& Control::app() const { return window_.app(); }

void Control::changed() { window_.controlChanged(*this); }

void Control::setLeft(int v) { setBounds(v, rect_.top, rect_.width, rect_.height); }
void Control::setTop(int v) { setBounds(rect_.left, v, rect_.width, rect_.height); }
void Control::setWidth(int v) { setBounds(rect_.left, rect_.top, v, rect_.height); }
void Control::setHeight(int v) { setBounds(rect_.left, rect_.top, rect_.width, v); }
void Control::move(int left, int top) { setBounds(left, top, rect_.width, rect_.height); }

void Control::setBounds(int left, int top, int width, int height) {
    if (width < 0 || height < 0) throw RuntimeError(380, "Valeur de propriété non valide");
    if (rect_.left == left && rect_.top == top && rect_.width == width && rect_.height == height) return;
    rect_ = {left, top, width, height};
    changed();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    if (!v && window_.focusControl() == this) window_.setFocusControl(nullptr);  // a hidden control loses the focus
    changed();
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    if (!v && window_.focusControl() == this) window_.setFocusControl(nullptr);
    changed();
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) return false;
    }
    return true;
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) return false;
    }
    return true;
}

void Control::setForeColor(Color c) {
    if (foreColor_ == c) return;
    foreColor_ = c;
    changed();
}

void Control::setBackColor(Color c) {
    if (backColor_ == c) return;
    backColor_ = c;
    changed();
}

void Control::setFont(const Font& f) {
    if (font_ == f) return;
    font_ = f;
    changed();
}

void Control::setAlignment(Align a) {
    if (alignment_ == a) return;
    alignment_ = a;
    changed();
}

void Control::setAccessibleName(const std::string& s) {
    if (accessibleName_ == s) return;
    accessibleName_ = s;
    changed();
}

void Control::setBorder(bool b) {
    if (border_ == b) return;
    border_ = b;
    changed();
}

void Control::setDraggable(bool d) {
    if (draggable_ == d) return;
    draggable_ = d;
    changed();
}

void Control::setText(const std::string& s) {
    if (text_ == s) return;
    text_ = s;
    changed();
    if (onChange) onChange();
}

void Control::setFocus() {
    if (kind_ == ControlKind::Timer) return;
    window_.setFocusControl(this);
    if (onGotFocus) onGotFocus();
}

void Control::zOrderTop() { window_.bringToTop(*this); }

void Control::click() {
    if (onClick) onClick();
}

// ---------------------------------------------------------------------------------------------

Label::Label(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::Label, std::move(name), index, container) {}

void Label::setWordWrap(bool wrap) {
    if (wordWrap_ == wrap) return;
    wordWrap_ = wrap;
    changed();
}

Picture::Picture(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::Picture, std::move(name), index, container) {}

void Picture::loadFile(const std::string& path) {
    const PictureRef ref = PictureRef::file(path);
    if (const int e = app().platform().pictureError(ref); e != 0) throw RuntimeError(e);
    int w = 0, h = 0;
    if (!stretch_ && pictureFileSize(path, w, h)) setBounds(left(), top(), w * kTwipsPerPixel, h * kTwipsPerPixel);  // sizes are bounded by the reader
    if (picture_ == ref) return;
    picture_ = ref;
    changed();
}

void Picture::loadResource(const std::string& name) {
    const PictureRef ref = PictureRef::resource(name);
    if (const int e = app().platform().pictureError(ref); e != 0) throw RuntimeError(e);
    int w = 0, h = 0;
    if (!stretch_ && resourcePictureSize(name, w, h)) setBounds(left(), top(), w * kTwipsPerPixel, h * kTwipsPerPixel);
    if (picture_ == ref) return;
    picture_ = ref;
    changed();
}

void Picture::clearPicture() {
    if (picture_.kind == PictureRef::Kind::None) return;
    picture_ = {};
    changed();
}

void Picture::setStretch(bool s) {
    if (stretch_ == s) return;
    stretch_ = s;
    changed();
}

std::string Picture::pictureName() const {
    switch (picture_.kind) {
        case PictureRef::Kind::None: return "";
        case PictureRef::Kind::Resource: return picture_.name;
        case PictureRef::Kind::File: {
            const auto slash = picture_.name.find_last_of("/\\");
            return slash == std::string::npos ? picture_.name : picture_.name.substr(slash + 1);
        }
    }
    return "";
}

Button::Button(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::Button, std::move(name), index, container) {}

void Button::setDefault(bool d) { default_ = d; }
void Button::setCancel(bool c) { cancel_ = c; }

TextBox::TextBox(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::TextBox, std::move(name), index, container) {}

void TextBox::setText(const std::string& s) {
    std::string t = s;
    if (maxLength_ > 0 && text::length(t) > static_cast<std::size_t>(maxLength_)) t = text::left(t, maxLength_);
    const int len = static_cast<int>(text::length(t));
    if (selStart_ > len) selStart_ = len;
    if (selStart_ + selLength_ > len) selLength_ = len - selStart_;
    Control::setText(t);
}

void TextBox::setMaxLength(int n) {
    maxLength_ = n < 0 ? 0 : n;
    changed();
}

void TextBox::setMultiLine(bool m) {
    multiLine_ = m;
    changed();
}

void TextBox::setReadOnly(bool r) {
    readOnly_ = r;
    changed();
}

void TextBox::setSelection(int start, int length) {
    const int len = static_cast<int>(text::length(text_));
    if (start < 0) start = 0;
    if (start > len) start = len;
    if (length < 0) length = 0;
    if (start + length > len) length = len - start;
    selStart_ = start;
    selLength_ = length;
    changed();
}

void TextBox::typeText(const std::string& s) {
    std::string accepted;
    if (cp1252Only_) {
        // Keep the characters one by one, so that a refused character drops alone.
        for (std::size_t i = 0, n = text::length(s); i < n; ++i) {
            const std::string ch = text::left(text::mid(s, i), 1);
            if (text::isCp1252(ch) && ch != "\r" && ch != "\n" && ch != "\t") accepted += ch;
        }
    } else {
        accepted = s;
    }
    setText(accepted);
    setSelection(static_cast<int>(text::length(text_)), 0);
}

OptionButton::OptionButton(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::OptionButton, std::move(name), index, container) {}

void OptionButton::setValue(bool v) {
    if (value_ == v) return;
    value_ = v;
    if (v) {
        for (Control* other : window().controls()) {
            if (other != this && other->kind() == ControlKind::OptionButton && other->container() == container()) {
                auto* o = static_cast<OptionButton*>(other);
                if (o->value_) {
                    o->value_ = false;
                    o->changed();
                }
            }
        }
    }
    changed();
    if (v) click();
}

CheckBox::CheckBox(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::CheckBox, std::move(name), index, container) {}

void CheckBox::setValue(bool v) {
    if (value_ == v) return;
    value_ = v;
    changed();
    click();
}

ListControl::ListControl(Window& w, ControlKind kind, std::string name, int index, Control* container)
    : Control(w, kind, std::move(name), index, container) {}

const std::string& ListControl::item(int i) const {
    if (i < 0 || i >= listCount()) throw RuntimeError(381, "Index de tableau de propriétés non valide");
    return items_[static_cast<std::size_t>(i)];
}

void ListControl::addItem(const std::string& s) {
    items_.push_back(s);
    changed();
}

void ListControl::clear() {
    items_.clear();
    listIndex_ = -1;
    if (kind() == ControlKind::ComboBox) text_.clear();
    changed();
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= listCount()) throw RuntimeError(380, "Valeur de propriété non valide");
    if (listIndex_ == i) return;
    listIndex_ = i;
    if (kind() == ControlKind::ComboBox) text_ = i >= 0 ? items_[static_cast<std::size_t>(i)] : std::string();
    changed();
    if (i >= 0) click();
}

ComboBox::ComboBox(Window& w, std::string name, int index, Control* container)
    : ListControl(w, ControlKind::ComboBox, std::move(name), index, container) {}

ListBox::ListBox(Window& w, std::string name, int index, Control* container)
    : ListControl(w, ControlKind::ListBox, std::move(name), index, container) {}

Frame::Frame(Window& w, std::string name, int index, Control* container)
    : Control(w, ControlKind::Frame, std::move(name), index, container) {}

namespace {
std::atomic<unsigned long long> nextTimerId{1};
}

Timer::Timer(Window& w, std::string name, int index)
    : Control(w, ControlKind::Timer, std::move(name), index, nullptr), id_(nextTimerId++) {
    Control::setVisible(false);
}

Timer::~Timer() {
    if (interval_ > 0) app().platform().disarmTimer(*this);
}

void Timer::setInterval(int ms) {
    if (ms < 0) throw RuntimeError(380, "Valeur de propriété non valide");
    interval_ = ms;
    if (ms > 0 && window().loaded()) {
        app().platform().armTimer(*this, ms);
    } else {
        app().platform().disarmTimer(*this);
    }
}

}  // namespace sv::ui
