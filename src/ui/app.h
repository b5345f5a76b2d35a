// The running program: its windows in loading order, the platform services, the screen's
// mouse pointer and the end of the program. Every event (a user action, a timer) reaches the
// windows through App, which runs the handler, reports an error the handler did not trap and
// destroys the windows unloaded meanwhile once no handler is running any more.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/fields.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace sv::ui {

class App;

// The program's own logic: what it does when launched, and its windows by name.
class Program {
public:
    virtual ~Program() = default;
    virtual void start(App& app) = 0;
    virtual std::unique_ptr<Window> createWindow(App& app, const std::string& name) = 0;
    virtual std::vector<std::string> windowNames() const = 0;
    // The shared variables, as scripts read them (Module.Name).
    virtual const Fields& moduleFields() const = 0;
};

class App {
public:
    // programFolder: the folder holding the program's files, with a trailing separator.
    App(Platform& platform, std::unique_ptr<Program> program, std::string programFolder);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform() const { return platform_; }
    Program& program() const { return *program_; }
    const std::string& programFolder() const { return folder_; }
    ViewObserver* observer() const { return observer_; }
    void setObserver(ViewObserver* o) { observer_ = o; }

    // Runs the program's start-up, as launching the executable does.
    void start();

    // Loads a window (running its load handler) unless it is loaded; returns it.
    Window& load(const std::string& name);
    template <class T>
    T& load() {
        return static_cast<T&>(load(std::string(T::kName)));
    }
    Window* find(const std::string& name) const;
    template <class T>
    T* find() const {
        return static_cast<T*>(find(std::string(T::kName)));
    }
    // Unloads a window: runs its unload handler, which may cancel (then false is returned).
    bool unload(Window& w);
    // The loaded windows in loading order.
    std::vector<Window*> windows() const;

    // Ends the program at once: no unload handler runs, every window goes.
    void end();
    bool ended() const { return ended_; }

    Pointer pointer() const { return pointer_; }
    void setPointer(Pointer p);
    int screenWidth() const { return platform_.screenWidth(); }
    int screenHeight() const { return platform_.screenHeight(); }

    // Runs an event handler: an error it did not trap is shown in a message box; windows
    // unloaded meanwhile are destroyed when the outermost handler returns.
    template <class F>
    void dispatch(F&& handler) {
        if (ended_) return;
        ++depth_;
        try {
            handler();
        } catch (const std::exception& e) {
            reportUntrapped(e);
        }
        if (--depth_ == 0) collect();
    }

    // A timer fell due. A timer whose handler is still running (a message box is open in it)
    // does not fire again inside it.
    void fireTimer(Timer& t);

    // What the user does, for the renderer and the scenario driver alike.
    void userClick(Control& c);
    void userMouseDown(Control& c, int button, int shift, double x, double y);
    void userMouseMove(Control& c, int button, int shift, double x, double y);
    void userMouseUp(Control& c, int button, int shift, double x, double y);
    void userMouseDown(Window& w, int button, int shift, double x, double y);
    void userMouseMove(Window& w, int button, int shift, double x, double y);
    void userMouseUp(Window& w, int button, int shift, double x, double y);
    void userDrop(Control& source, Control& target, double x, double y);
    void userType(TextBox& box, const std::string& text);
    void userFocus(Control& c);
    void userChoose(ListControl& list, int index);
    void userClose(Window& w);
    // A key pressed in window w: the window's shortcuts first, then the control with the
    // focus ("enter" clicks the default button, "escape" the cancel button, a character types).
    void userKey(Window& w, const std::string& key);
    // A key that no control used: only the window's shortcuts see it. True when one did.
    bool userKeyDown(Window& w, const std::string& key);

    // Message box shortcut: returns the button code.
    int msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title,
               int defaultButton = 1);

private:
    void reportUntrapped(const std::exception& e);
    void collect();
    void checkEnd();

    Platform& platform_;
    std::unique_ptr<Program> program_;
    std::string folder_;
    ViewObserver* observer_ = nullptr;
    std::vector<std::unique_ptr<Window>> windows_;  // loaded, in loading order
    std::vector<std::unique_ptr<Window>> graveyard_;  // unloaded, waiting for the handlers to return
    std::set<unsigned long long> runningTimers_;
    Pointer pointer_ = Pointer::Default;
    int depth_ = 0;
    bool ended_ = false;
    bool started_ = false;
};

}  // namespace sv::ui
