// The desktop platform: renders the control model as Qt widgets (one generic renderer for
// every window) and provides the services with Qt: timers, message boxes, file dialogs,
// sound, shell, clipboard, single instance.
#pragma once

#include <QHash>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <random>
#include <unordered_map>

#include "ui/platform.h"

class QLabel;
class QLockFile;
class QTimer;
class QWidget;

namespace sv::ui {

class App;
class Control;
class Window;
class ControlEvents;
class WindowWidget;

// What the widgets ask of the platform that draws them, and nothing more.
class WidgetHost {
public:
    virtual App* app() const = 0;
    // True while the model is pushed into the widgets: their signals then are not the user's.
    virtual bool syncing() const = 0;
    virtual Control* controlFor(QWidget* w) const = 0;
    virtual double scaleOf(const Window& w) const = 0;
    virtual std::int64_t steadyMs() = 0;
    // When a control's widget last appeared, on the steady clock (-1 when never).
    virtual std::int64_t shownAt(QWidget* w) const = 0;
    virtual void windowMovedByUser(Window& w, int leftPx, int topPx) = 0;
    virtual void windowStateByUser(Window& w, bool minimized) = 0;
    virtual void syncControl(Control& c) = 0;

protected:
    ~WidgetHost() = default;
};

class QtPlatform : public QObject, public Platform, public ViewObserver, public WidgetHost {
    Q_OBJECT
public:
    // lockName: the single-instance lock's name (tests pass their own).
    explicit QtPlatform(QString lockName = QStringLiteral("savanto"));
    ~QtPlatform() override;

    void attach(App* app);
    App* app() const override { return app_; }

    // How much smaller than its natural size a window is drawn (1 when it fits the screen).
    double scaleOf(const Window& w) const override;
    // The control a widget draws (null when none).
    Control* controlFor(QWidget* w) const override { return byWidget_.value(w, nullptr); }
    // The widget drawn for a window or a control (null when none).
    QWidget* widgetFor(const Window& w) const;
    QWidget* widgetFor(const Control& c) const;
    // The control drawn by a widget or one of its children (null when none).
    Control* controlAt(QWidget* widget) const;

    // --- Platform ---
    void armTimer(Timer& timer, int ms) override;
    void disarmTimer(Timer& timer) override;
    int messageBox(const MessageBoxSpec& request) override;
    std::optional<std::string> fileDialog(const FileDialogSpec& request) override;
    void playSound(const std::string& path) override;
    int shellOpen(const std::string& target, const std::string& parameters, const std::string& folder) override;
    void setClipboardText(const std::string& text) override;
    void clearClipboard() override;
    std::string clipboardText() override;
    bool previousInstance() override;
    DateTime now() override;
    std::int64_t steadyMs() override;
    double random() override;
    int screenWidth() override;
    int screenHeight() override;
    void setPointer(Pointer p) override;
    int pictureError(const PictureRef& picture) override;
    std::optional<DateTime> fileModified(const std::string& path) override;
    std::string executablePath() override;
    std::string userDataFolder() override;
    std::string documentsFolder() override;
    bool folderWritable(const std::string& folder) override;
    void beginWindowMove(Window& window) override;
    void programEnded() override;
    void log(const std::string& category, const std::string& message) override;

    // --- ViewObserver ---
    void windowLoaded(Window& w) override;
    void windowUnloaded(Window& w) override;
    void windowChanged(Window& w) override;
    void controlChanged(Control& c) override;
    void zOrderChanged(Window& w) override;
    void focusChanged(Window& w) override;

    // --- WidgetHost ---
    bool syncing() const override { return syncing_ > 0; }
    std::int64_t shownAt(QWidget* w) const override { return shownAt_.value(w, -1); }
    void windowMovedByUser(Window& w, int leftPx, int topPx) override;
    void windowStateByUser(Window& w, bool minimized) override;
    void syncControl(Control& c) override;

private:
    QWidget* createWidget(Control& c, QWidget* parent);
    void syncWindow(Window& w);
    QWidget* topWidgetForDialogs() const;
    void setReadingTabOrder(Window& w);
    void syncAccessible(Control& c, QWidget& w);
    void describeForScreenReaders(bool on);

    App* app_ = nullptr;
    std::unordered_map<const Window*, WindowWidget*> windows_;
    std::unordered_map<const Control*, QWidget*> controls_;
    QHash<QWidget*, Control*> byWidget_;
    QHash<QWidget*, Qt::FocusPolicy> defaultFocus_;  // each widget's own, before parking
    QHash<QWidget*, std::int64_t> shownAt_;  // when a control's widget last appeared, steady ms
    std::unordered_map<unsigned long long, QTimer*> timers_;
    using PlaySound = void (*)(const char*);
    PlaySound playSound_ = nullptr;  // from the sound module, loaded with the first cue
    bool soundTried_ = false;
    ControlEvents* events_ = nullptr;
    std::unique_ptr<QLockFile> lock_;
    QString lockName_;
    std::mt19937 random_;
    QElapsedTimer steady_;
    bool overrideCursor_ = false;
    int syncing_ = 0;  // > 0 while the model is pushed into widgets: their signals are not user acts
};

}  // namespace sv::ui
