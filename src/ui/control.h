// The control model: every kind of control a window holds, with the properties the program
// reads and writes and the events it receives. Controls know nothing of how they are drawn;
// each change is reported to the application, which tells the renderer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace sv::ui {

class Window;
class App;

enum class ControlKind { Label, Picture, Button, TextBox, OptionButton, CheckBox, ComboBox, ListBox, Frame, Timer };

const char* kindName(ControlKind kind);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

class Control {
public:
    Control(Window& window, ControlKind kind, std::string name, int index, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Window& window() const { return window_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside a control array
    std::string qualifiedName() const;    // "LB(7)" or "LblLance"
    Control* container() const { return container_; }  // the frame holding it, or null

    int left() const { return rect_.left; }
    int top() const { return rect_.top; }
    int width() const { return rect_.width; }
    int height() const { return rect_.height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void move(int left, int top);
    void setBounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void setVisible(bool v);
    void setEnabled(bool v);
    // Visible and enabled along the chain of containers, in a loaded window.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;

    Color foreColor() const { return foreColor_; }
    Color backColor() const { return backColor_; }
    void setForeColor(Color c);
    void setBackColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    Align alignment() const { return alignment_; }
    void setAlignment(Align a);
    bool border() const { return border_; }
    void setBorder(bool b);

    // What a screen reader calls the control. A label with a caption is read as "name : caption"
    // (a counter), a control without a name by its caption.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const std::string& s);
    // A text whose changes are announced as they happen (an instruction panel).
    bool live() const { return live_; }
    void setLive(bool l) { live_ = l; }

    // Automatic drag: pressing the mouse on the control and moving it drags the control.
    bool draggable() const { return draggable_; }
    void setDraggable(bool d);

    // Caption (labels, buttons, frames, option buttons, check boxes) or text (text boxes,
    // drop-down lists): one stored text. Setting a new value runs the change handler inside
    // the setter (labels and text boxes).
    const std::string& caption() const { return text_; }
    const std::string& text() const { return text_; }
    void setCaption(const std::string& s) { setText(s); }
    virtual void setText(const std::string& s);

    void setFocus();  // gives the keyboard focus; runs onGotFocus
    void zOrderTop();  // puts the control above its siblings

    // Events.
    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    std::function<void(Control& source, double x, double y)> onDragDrop;
    std::function<void(int& keyAscii)> onKeyPress;

    // Raises the click event (a user click or the program's own call).
    void click();

protected:
    void changed();  // tells the application that something visible changed
    App& app() const;

    std::string text_;

private:
    Window& window_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_;
    Rect rect_;
    bool visible_ = true;
    bool enabled_ = true;
    Color foreColor_ = kBlack;
    Color backColor_ = kTransparent;
    Font font_;
    Align alignment_ = Align::Left;
    bool border_ = false;
    bool draggable_ = false;
    std::string accessibleName_;
    bool live_ = false;
};

class Label : public Control {
public:
    Label(Window& w, std::string name, int index, Control* container);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);

private:
    bool wordWrap_ = true;
};

class Picture : public Control {
public:
    Picture(Window& w, std::string name, int index, Control* container);
    const PictureRef& picture() const { return picture_; }
    // Shows a picture file; throws RuntimeError 53 when the file is missing, 481 when it is
    // not a picture. The control keeps what it showed when loading fails. A picture that is
    // not stretched gives the control its own size.
    void loadFile(const std::string& path);
    // Shows a compiled-in picture by resource name; throws RuntimeError 481 for an unknown name.
    void loadResource(const std::string& name);
    void clearPicture();
    // A stretched picture fills the control; otherwise it shows at its own size.
    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    // The short form shown to scripts: the file's name or the resource's name.
    std::string pictureName() const;

private:
    PictureRef picture_;
    bool stretch_ = false;
};

class Button : public Control {
public:
    Button(Window& w, std::string name, int index, Control* container);
    bool isDefault() const { return default_; }
    void setDefault(bool d);  // Enter in the window clicks it
    bool isCancel() const { return cancel_; }
    void setCancel(bool c);  // Escape in the window clicks it

private:
    bool default_ = false;
    bool cancel_ = false;
};

class TextBox : public Control {
public:
    TextBox(Window& w, std::string name, int index, Control* container);
    void setText(const std::string& s) override;  // keeps at most maxLength characters
    int maxLength() const { return maxLength_; }   // 0 = no limit
    void setMaxLength(int n);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);
    // Only characters the program's files can store (Windows-1252) are typed in.
    bool cp1252Only() const { return cp1252Only_; }
    void setCp1252Only(bool c) { cp1252Only_ = c; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelection(int start, int length);
    // What typing does: keeps only the characters the box accepts, at most maxLength.
    void typeText(const std::string& s);

private:
    int maxLength_ = 0;
    bool multiLine_ = false;
    bool readOnly_ = false;
    bool cp1252Only_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Window& w, std::string name, int index, Control* container);
    bool value() const { return value_; }
    // Selecting an option clears the other options of the same container and runs the click
    // handler when the value changes.
    void setValue(bool v);

private:
    friend class Control;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Window& w, std::string name, int index, Control* container);
    bool value() const { return value_; }
    void setValue(bool v);  // runs the click handler when the value changes

private:
    friend class Control;
    bool value_ = false;
};

// List box and drop-down list.
class ListControl : public Control {
public:
    ListControl(Window& w, ControlKind kind, std::string name, int index, Control* container);
    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const;
    void addItem(const std::string& s);
    void clear();
    int listIndex() const { return listIndex_; }
    // Selects item i (-1 for none); a drop-down list shows the item as its text. Runs the
    // click handler when the selection changes to an item.
    void setListIndex(int i);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ComboBox : public ListControl {
public:
    ComboBox(Window& w, std::string name, int index, Control* container);
};

class ListBox : public ListControl {
public:
    ListBox(Window& w, std::string name, int index, Control* container);
};

class Frame : public Control {
public:
    Frame(Window& w, std::string name, int index, Control* container);
};

// A timer is armed by a non-zero interval (which restarts its count) and disarmed by 0. It
// fires every interval until disarmed: a one-shot handler disarms itself.
class Timer : public Control {
public:
    Timer(Window& w, std::string name, int index);
    ~Timer() override;
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool armed() const { return interval_ > 0; }
    std::function<void()> onTimer;
    unsigned long long id() const { return id_; }

private:
    int interval_ = 0;
    unsigned long long id_;
};

}  // namespace sv::ui
