// A window of the program: its controls (created once, in the constructor, the way a form
// designer lays them out), its own properties and its load and unload handlers. A window
// object lives exactly as long as the window is loaded; loading it again builds a fresh one.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/error.h"
#include "ui/fields.h"

namespace sv::ui {

class App;

// Controls of one name addressed by index: LB(0..72), ImDe(1..6).
template <class T>
class ControlArray {
public:
    T& operator()(int index) const {
        const auto it = items_.find(index);
        if (it == items_.end()) throw RuntimeError(340, "L'élément de groupe de contrôles n'existe pas");
        return *it->second;
    }
    bool has(int index) const { return items_.count(index) != 0; }
    void put(int index, T& c) { items_[index] = &c; }
    const std::map<int, T*>& items() const { return items_; }

private:
    std::map<int, T*> items_;
};

class Window {
public:
    Window(App& app, std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    App& app() const { return app_; }
    const std::string& name() const { return name_; }
    bool loaded() const { return loaded_; }

    // Title bar text; a window without a border has no title bar.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& s);
    bool borderless() const { return borderless_; }
    void setBorderless(bool b);
    bool topmost() const { return topmost_; }
    void setTopmost(bool t);
    // The window this one belongs to, by name: it stays above it and has no taskbar entry.
    const std::string& owner() const { return owner_; }
    void setOwner(const std::string& name) { owner_ = name; }

    // Outer size and position in twips, the screen's top-left corner at (0, 0).
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { move(v, top_, width_, height_); }
    void setTop(int v) { move(left_, v, width_, height_); }
    void setWidth(int v) { move(left_, top_, v, height_); }
    void setHeight(int v) { move(left_, top_, width_, v); }
    void move(int left, int top) { move(left, top, width_, height_); }
    void move(int left, int top, int width, int height);
    // Size of the area inside the border and title bar.
    int clientWidth() const;
    int clientHeight() const;
    static constexpr int kBorderWidth = 90;    // both side borders together
    static constexpr int kBorderHeight = 460;  // title bar and both borders

    bool visible() const { return visible_; }
    void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState s);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);

    Control* focusControl() const { return focus_; }

    // All controls, bottom of the stacking order first.
    const std::vector<Control*>& controls() const { return order_; }
    Control* find(const std::string& name, int index = -1) const;
    bool hasControlNamed(const std::string& name) const;

    Fields& fields() { return fields_; }
    const Fields& fields() const { return fields_; }

    // Handlers.
    virtual void Form_Load() {}
    // Set cancel to a non-zero value to keep the window loaded.
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    // A key pressed in the window, before the control with the focus sees it (the window's
    // shortcuts): "enter", "escape", "space", "tab", "shift+tab", "left", "right", "up",
    // "down", "f1", "ctrl+n" and the like, or one character. True when the window used it.
    virtual bool Form_KeyDown(const std::string& key) {
        (void)key;
        return false;
    }
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

    // Pressing the mouse on the handle and moving it moves the window by the same distance,
    // until the button is released.
    void moveWithMouse(Control& handle);

    // Called by controls.
    void controlChanged(Control& c);
    void setFocusControl(Control* c);
    void bringToTop(Control& c);

protected:
    // Control creation, for the constructors of concrete windows.
    Label& label(const std::string& name, Rect r, int index = -1, Control* in = nullptr);
    Picture& picture(const std::string& name, Rect r, int index = -1, Control* in = nullptr);
    Button& button(const std::string& name, Rect r, const std::string& caption, int index = -1, Control* in = nullptr);
    TextBox& textBox(const std::string& name, Rect r, int index = -1, Control* in = nullptr);
    OptionButton& option(const std::string& name, Rect r, const std::string& caption, int index = -1,
                         Control* in = nullptr);
    CheckBox& checkBox(const std::string& name, Rect r, const std::string& caption, int index = -1,
                       Control* in = nullptr);
    ComboBox& comboBox(const std::string& name, Rect r, int index = -1, Control* in = nullptr);
    ListBox& listBox(const std::string& name, Rect r, int index = -1, Control* in = nullptr);
    Frame& frame(const std::string& name, Rect r, const std::string& caption, int index = -1, Control* in = nullptr);
    Timer& timer(const std::string& name, int index = -1);

private:
    friend class App;
    template <class T, class... A>
    T& add(const std::string& name, Rect r, int index, A&&... args);
    void notify();

    App& app_;
    std::string name_;
    bool loaded_ = false;
    std::string caption_;
    bool borderless_ = false;
    bool topmost_ = false;
    std::string owner_;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    bool visible_ = false;
    bool enabled_ = true;
    WindowState state_ = WindowState::Normal;
    Color backColor_ = rgb(212, 208, 200);
    Control* focus_ = nullptr;
    bool mouseMoving_ = false;
    double mouseX_ = 0, mouseY_ = 0;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    Fields fields_;
};

}  // namespace sv::ui
