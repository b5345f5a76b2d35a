#include "ui/qt/qt_platform.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QLibrary>
#include <QStandardPaths>
#include <unistd.h>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cmath>

#include "ui/app.h"
#include "ui/control.h"
#include "ui/window.h"

namespace sv::ui {

namespace {

int px(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Multi-line captions are joined by CR LF; widgets want LF.
QString qsLines(const std::string& s) {
    QString t = qs(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QColor qcolor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QFont qfont(const Font& f) {
    QFont q(qs(f.name));
    q.setPointSizeF(f.size > 0 ? f.size : 8.0);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

Qt::Alignment qalign(Align a) {
    switch (a) {
        case Align::Left: return Qt::AlignLeft;
        case Align::Right: return Qt::AlignRight;
        case Align::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

int buttonsOf(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= kLeftButton;
    if (b & Qt::RightButton) r |= kRightButton;
    if (b & Qt::MiddleButton) r |= kMiddleButton;
    return r;
}

int shiftOf(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}

QPixmap pixmapOf(const PictureRef& p) {
    switch (p.kind) {
        case PictureRef::Kind::None: return {};
        case PictureRef::Kind::File: return QPixmap(qs(p.name));
        case PictureRef::Kind::Resource: return QPixmap(QStringLiteral(":/pictures/") + qs(p.name) + QStringLiteral(".png"));
    }
    return {};
}

}  // namespace

// Covers a disabled window: takes its input, and a click on it brings the windows that wait
// for the player back to the front.
class GlassPane : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != window() && top->isVisible() && top->isEnabled() && !top->isMinimized()) {
                top->raise();
                top->activateWindow();
            }
        }
    }
};

// The top-level widget of a window: closing, keys, mouse on the background, moves.
class WindowWidget : public QWidget {
public:
    WindowWidget(QtPlatform& platform, Window& model) : platform_(platform), model_(&model) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setMouseTracking(true);
        setAutoFillBackground(true);
    }
    Window* model() const { return model_; }
    void forget() { model_ = nullptr; }

    // A disabled window keeps its look (its pictures do not grey) and takes no input: a
    // transparent pane over it swallows the mouse and the keys.
    void setInputBlocked(bool blocked) {
        if (!glass_) {
            glass_ = new GlassPane(this);
            glass_->setFocusPolicy(Qt::StrongFocus);
            glass_->hide();
        }
        glass_->setGeometry(rect());
        if (blocked == glass_->isVisible()) return;
        glass_->setVisible(blocked);
        if (blocked) {
            glass_->raise();
            glass_->setFocus();
        }
    }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        // A disabled window waits for the window over it: the window system cannot close it.
        if (model_ && platform_.app_ && model_->enabled()) platform_.app_->userClose(*model_);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!model_ || !platform_.app_ || !model_->enabled()) return QWidget::keyPressEvent(e);
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            platform_.app_->userKey(*model_, "enter");
        } else if (e->key() == Qt::Key_Escape) {
            platform_.app_->userKey(*model_, "escape");
        } else {
            QWidget::keyPressEvent(e);
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (model_ && platform_.app_) {
            platform_.app_->userMouseDown(*model_, buttonsOf(e->button()), shiftOf(e->modifiers()),
                                          e->position().x() * kTwipsPerPixel, e->position().y() * kTwipsPerPixel);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (model_ && platform_.app_) {
            platform_.app_->userMouseMove(*model_, buttonsOf(e->buttons()), shiftOf(e->modifiers()),
                                          e->position().x() * kTwipsPerPixel, e->position().y() * kTwipsPerPixel);
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (model_ && platform_.app_) {
            platform_.app_->userMouseUp(*model_, buttonsOf(e->button()), shiftOf(e->modifiers()),
                                        e->position().x() * kTwipsPerPixel, e->position().y() * kTwipsPerPixel);
        }
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        if (model_ && platform_.syncing_ == 0 && isVisible()) platform_.windowMovedByUser(*model_, x(), y());
    }
    void changeEvent(QEvent* e) override {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange && model_ && platform_.syncing_ == 0) {
            platform_.windowStateByUser(*model_, isMinimized());
        }
    }

private:
    QtPlatform& platform_;
    Window* model_;
    QWidget* glass_ = nullptr;

public:
    Qt::WindowFlags appliedFlags;
    bool flagsApplied = false;
};

// Mouse, focus and drag handling for every control widget.
class ControlEvents : public QObject {
public:
    explicit ControlEvents(QtPlatform& p) : QObject(&p), platform_(p) {}

    bool eventFilter(QObject* obj, QEvent* ev) override {
        auto* widget = qobject_cast<QWidget*>(obj);
        if (!widget || !platform_.app_) return false;
        Control* c = platform_.byWidget_.value(widget, nullptr);
        if (!c) return false;
        switch (ev->type()) {
            case QEvent::FocusIn:
                // Qt gives the focus before it delivers the press that caused it.
                mouseFocused_ = static_cast<QFocusEvent*>(ev)->reason() == Qt::MouseFocusReason ? widget : nullptr;
                if (platform_.syncing_ == 0 && c->window().focusControl() != c) platform_.app_->userFocus(*c);
                return false;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                if (secondClickOnNewcomer(widget)) return true;
                if (ev->type() == QEvent::MouseButtonDblClick) return false;
                if (c->kind() == ControlKind::TextBox && mouseFocused_ == widget) {
                    // The press that gave a text box the focus keeps the selection the program
                    // made on that focus (a name box selects its whole name); the next click
                    // places the caret as usual.
                    mouseFocused_ = nullptr;
                    platform_.syncControl(*c);
                    eatenRelease_ = widget;
                    return true;
                }
                mouseFocused_ = nullptr;
                return press(widget, *c, static_cast<QMouseEvent*>(ev));
            }
            case QEvent::MouseMove: return moveTo(widget, *c, static_cast<QMouseEvent*>(ev));
            case QEvent::MouseButtonRelease:
                if (eatenRelease_ == widget) {
                    eatenRelease_ = nullptr;
                    return true;
                }
                return release(widget, *c, static_cast<QMouseEvent*>(ev));
            default: return false;
        }
    }

    void startManualMove(QWidget* top) {
        moving_ = top;
        moveOrigin_ = QCursor::pos() - top->pos();
    }

private:
    // Labels, pictures and frames get their mouse events from here; the other widgets keep
    // their own behaviour and only report the events.
    static bool ownsMouse(const Control& c) {
        return c.kind() == ControlKind::Label || c.kind() == ControlKind::Picture || c.kind() == ControlKind::Frame;
    }

    static QPointF twips(QPointF p) { return p * kTwipsPerPixel; }

    // The second click of a double click never reaches a control that the first click brought
    // up under the pointer ("Oui" where "Continuer" was): it would act unseen.
    bool secondClickOnNewcomer(QWidget* w) {
        const std::int64_t now = platform_.steadyMs();
        const std::int64_t previous = lastPress_;
        lastPress_ = now;
        const bool quick = previous >= 0 && now - previous <= QApplication::doubleClickInterval();
        if (!quick || platform_.shownAt_.value(w, -1) < previous) return false;
        eatenRelease_ = w;
        return true;
    }

    // The handlers may unload the control's window: the control is not used after they run.
    bool press(QWidget* w, Control& c, QMouseEvent* e) {
        const bool owns = ownsMouse(c);
        if (!c.effectivelyEnabled() || !c.window().enabled()) return owns;
        pressed_ = w;
        if (e->button() == Qt::LeftButton && c.draggable()) {
            dragSource_ = w;
            pressPos_ = e->position().toPoint();
            return true;
        }
        const QPointF t = twips(e->position());
        platform_.app_->userMouseDown(c, buttonsOf(e->button()), shiftOf(e->modifiers()), t.x(), t.y());
        return owns;
    }

    bool moveTo(QWidget* w, Control& c, QMouseEvent* e) {
        const bool owns = ownsMouse(c);
        if (moving_) {
            if (e->buttons() & Qt::LeftButton) {
                moving_->move(QCursor::pos() - moveOrigin_);
            }
            return true;
        }
        if (dragSource_ == w) {
            if (!dragging_ && (e->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                beginDrag(w);
            }
            if (dragging_ && ghost_) {
                ghost_->move(ghost_->parentWidget()->mapFromGlobal(e->globalPosition().toPoint()) - pressPos_);
            }
            return true;
        }
        if (!c.window().enabled()) return owns;
        const QPointF t = twips(e->position());
        platform_.app_->userMouseMove(c, buttonsOf(e->buttons()), shiftOf(e->modifiers()), t.x(), t.y());
        return owns;
    }

    bool release(QWidget* w, Control& c, QMouseEvent* e) {
        const bool owns = ownsMouse(c);
        if (moving_) {
            QWidget* top = moving_;
            moving_ = nullptr;
            if (auto* ww = dynamic_cast<WindowWidget*>(top); ww && ww->model()) {
                platform_.windowMovedByUser(*ww->model(), top->x(), top->y());
            }
        }
        if (dragSource_ == w) {
            dragSource_ = nullptr;
            const bool wasDragging = dragging_;
            dragging_ = false;
            if (ghost_) {
                ghost_->deleteLater();
                ghost_ = nullptr;
            }
            if (wasDragging) drop(w, c, e->globalPosition().toPoint());
            return true;
        }
        const bool wasPressed = pressed_ == w;
        pressed_ = nullptr;
        if (!c.window().enabled()) return owns;
        const QPointF t = twips(e->position());
        const bool inside = w->rect().contains(e->position().toPoint());
        QPointer<QWidget> guard(w);
        platform_.app_->userMouseUp(c, buttonsOf(e->button()), shiftOf(e->modifiers()), t.x(), t.y());
        if (owns && wasPressed && guard && e->button() == Qt::LeftButton && inside) {
            // Looked up again: the mouse-up handler may have unloaded the window.
            if (Control* again = platform_.byWidget_.value(w, nullptr); again && again->effectivelyEnabled()) {
                platform_.app_->userClick(*again);
            }
        }
        return owns;
    }

    void beginDrag(QWidget* w) {
        dragging_ = true;
        QWidget* top = w->window();
        ghost_ = new QLabel(top);
        ghost_->setPixmap(w->grab());
        ghost_->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* fade = new QGraphicsOpacityEffect(ghost_);
        fade->setOpacity(0.75);
        ghost_->setGraphicsEffect(fade);
        ghost_->resize(w->size());
        ghost_->move(w->mapTo(top, QPoint(0, 0)));
        ghost_->show();
        ghost_->raise();
    }

    void drop(QWidget* source, Control& c, QPoint global) {
        QWidget* top = source->window();
        QWidget* hit = top->childAt(top->mapFromGlobal(global));
        Control* target = nullptr;
        QWidget* targetWidget = nullptr;
        for (QWidget* h = hit; h && h != top; h = h->parentWidget()) {
            if (Control* t = platform_.byWidget_.value(h, nullptr)) {
                target = t;
                targetWidget = h;
                break;
            }
        }
        if (!target) return;
        const QPointF t = twips(QPointF(targetWidget->mapFromGlobal(global)));
        platform_.app_->userDrop(c, *target, t.x(), t.y());
    }

    QtPlatform& platform_;
    QPointer<QWidget> pressed_;
    QPointer<QWidget> dragSource_;
    QPointer<QLabel> ghost_;
    QPointer<QWidget> moving_;
    QPoint moveOrigin_;
    QPoint pressPos_;
    bool dragging_ = false;
    std::int64_t lastPress_ = -1;    // steady clock, ms
    QPointer<QWidget> eatenRelease_;  // the press was kept from the widget: so is its release
    QPointer<QWidget> mouseFocused_;  // got the focus from a press not yet delivered
};

// ---------------------------------------------------------------------------------------------

QtPlatform::QtPlatform(QString lockName) : lockName_(std::move(lockName)), random_(std::random_device{}()) {
    events_ = new ControlEvents(*this);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QtPlatform::~QtPlatform() {
    for (auto& [w, widget] : windows_) {
        widget->forget();
        delete widget;
    }
    if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
}

void QtPlatform::attach(App* app) {
    app_ = app;
    if (app_) app_->setObserver(this);
}

QWidget* QtPlatform::widgetFor(const Window& w) const {
    const auto it = windows_.find(&w);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtPlatform::widgetFor(const Control& c) const {
    const auto it = controls_.find(&c);
    return it == controls_.end() ? nullptr : it->second;
}

Control* QtPlatform::controlAt(QWidget* widget) const {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (Control* c = byWidget_.value(w, nullptr)) return c;
    }
    return nullptr;
}

// --- timers ---------------------------------------------------------------------------------

void QtPlatform::armTimer(Timer& timer, int ms) {
    QTimer*& t = timers_[timer.id()];
    if (!t) {
        t = new QTimer(this);
        t->setTimerType(Qt::PreciseTimer);
        Timer* model = &timer;
        connect(t, &QTimer::timeout, this, [this, model] {
            if (app_) app_->fireTimer(*model);
        });
    }
    t->start(ms);
}

void QtPlatform::disarmTimer(Timer& timer) {
    const auto it = timers_.find(timer.id());
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

// --- dialogs --------------------------------------------------------------------------------

QWidget* QtPlatform::topWidgetForDialogs() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (app_) {
        const auto loaded = app_->windows();
        for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) {
            if ((*it)->visible()) return widgetFor(**it);
        }
    }
    return nullptr;
}

int QtPlatform::messageBox(const MessageBoxSpec& request) {
    // No parent window: a timer that fires while the box is open may unload any window.
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    // Above a window that stays on top (the problem report), or it would hide behind it.
    bool topmost = false;
    if (app_) {
        for (Window* w : app_->windows()) topmost = topmost || (w->topmost() && w->visible());
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    box.setWindowTitle(qs(request.title));
    box.setText(qsLines(request.text));
    box.setTextFormat(Qt::PlainText);
    switch (request.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    struct B {
        const char* text;
        QMessageBox::ButtonRole role;
        int code;
    };
    std::vector<B> wanted;
    switch (request.buttons) {
        case MsgButtons::Ok: wanted = {{"OK", QMessageBox::AcceptRole, kMsgOk}}; break;
        case MsgButtons::OkCancel:
            wanted = {{"OK", QMessageBox::AcceptRole, kMsgOk}, {"Annuler", QMessageBox::RejectRole, kMsgCancel}};
            break;
        case MsgButtons::YesNo:
            wanted = {{"Oui", QMessageBox::YesRole, kMsgYes}, {"Non", QMessageBox::NoRole, kMsgNo}};
            break;
        case MsgButtons::YesNoCancel:
            wanted = {{"Oui", QMessageBox::YesRole, kMsgYes},
                      {"Non", QMessageBox::NoRole, kMsgNo},
                      {"Annuler", QMessageBox::RejectRole, kMsgCancel}};
            break;
    }
    std::vector<QPushButton*> buttons;
    for (const B& b : wanted) buttons.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
    const std::size_t def = request.defaultButton >= 1 && static_cast<std::size_t>(request.defaultButton) <= buttons.size()
                                ? static_cast<std::size_t>(request.defaultButton - 1)
                                : 0;
    box.setDefaultButton(buttons[def]);
    // Escape answers Cancel where there is one, OK on a box with only OK.
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i].code == kMsgCancel || wanted.size() == 1) box.setEscapeButton(buttons[i]);
    }
    const bool hourglass = overrideCursor_;
    if (hourglass) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (hourglass) QGuiApplication::restoreOverrideCursor();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return wanted[i].code;
    }
    // Closed without a button: Cancel where there is one, else the last button.
    for (const B& b : wanted) {
        if (b.code == kMsgCancel) return kMsgCancel;
    }
    return wanted.back().code;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogSpec& request) {
    QFileDialog dialog(nullptr, qs(request.title), qs(request.initialFolder));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // "Label (*.ext)|*.ext|" pairs become Qt's "Label (*.ext)" filters.
    const QStringList parts = qs(request.filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i].trimmed();
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (parts.size() >= 2) {
        const QString pattern = parts[1];
        if (pattern.startsWith(QStringLiteral("*."))) dialog.setDefaultSuffix(pattern.mid(2));
    }
    if (!request.fileName.empty()) dialog.selectFile(qs(request.fileName));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialog.setLabelText(QFileDialog::Accept, request.save ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    // Wide enough for the size, type and date columns to read in full.
    dialog.resize(820, 480);
    if (auto* tree = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = tree->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < header->count(); ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

// --- sound, shell, clipboard ---------------------------------------------------------------

void QtPlatform::playSound(const std::string& path) {
    if (!QFileInfo::exists(qs(path))) return;
    if (!soundTried_) {
        // Without the module (or without audio) the program stays silent.
        soundTried_ = true;
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/savanto-sound"));
        playSound_ = reinterpret_cast<PlaySound>(module.resolve("savanto_play_sound"));
    }
    if (playSound_) playSound_(path.c_str());
}

int QtPlatform::shellOpen(const std::string& target, const std::string& parameters, const std::string& folder) {
    const QString t = qs(target);
    if (t.contains(QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"))) && !QFileInfo::exists(t)) {
        return QDesktopServices::openUrl(QUrl(t)) ? 42 : 31;
    }
    QFileInfo info(t);
    if (info.isRelative() && app_) info = QFileInfo(QDir(qs(app_->programFolder())), t);
    if (!info.exists()) return 2;
    if (info.isExecutable() && !info.isDir() && info.suffix().compare(QStringLiteral("htm"), Qt::CaseInsensitive) != 0 &&
        info.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) != 0) {
        const QStringList args = parameters.empty() ? QStringList() : QProcess::splitCommand(qs(parameters));
        return QProcess::startDetached(info.absoluteFilePath(), args, qs(folder)) ? 42 : 2;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? 42 : 31;
}

void QtPlatform::setClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }

void QtPlatform::clearClipboard() { QGuiApplication::clipboard()->clear(); }

std::string QtPlatform::clipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

// --- instance, clock, screen ---------------------------------------------------------------

bool QtPlatform::previousInstance() {
    if (lock_) return false;
    // One lock per user: another user's game does not count.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/savanto-") +
              qEnvironmentVariable("USER", QStringLiteral("joueur"));
        QDir().mkpath(dir);
    }
    auto lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + lockName_ + QStringLiteral(".lock"));
    // A lock left by a run that crashed is stale: its process is gone, so it is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(100)) {
        // Only a lock another run holds means "already running"; a lock that cannot be
        // written at all does not stop the game.
        if (lock->error() == QLockFile::LockFailedError) return true;
        return false;
    }
    lock_ = std::move(lock);
    return false;
}

DateTime QtPlatform::now() {
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

std::int64_t QtPlatform::steadyMs() {
    if (!steady_.isValid()) steady_.start();
    return steady_.elapsed();
}

double QtPlatform::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

int QtPlatform::screenWidth() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().width() : 1024) * kTwipsPerPixel;
}

int QtPlatform::screenHeight() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().height() : 768) * kTwipsPerPixel;
}

void QtPlatform::setPointer(Pointer p) {
    if (p == Pointer::Hourglass && !overrideCursor_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        overrideCursor_ = true;
    } else if (p == Pointer::Default && overrideCursor_) {
        QGuiApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
}

int QtPlatform::pictureError(const PictureRef& picture) {
    switch (picture.kind) {
        case PictureRef::Kind::None: return 0;
        case PictureRef::Kind::File: {
            if (!QFileInfo(qs(picture.name)).isFile()) return 53;
            QImageReader reader(qs(picture.name));
            return reader.canRead() ? 0 : 481;
        }
        case PictureRef::Kind::Resource:
            return QFileInfo::exists(QStringLiteral(":/pictures/") + qs(picture.name) + QStringLiteral(".png")) ? 0 : 481;
    }
    return 481;
}

std::optional<DateTime> QtPlatform::fileModified(const std::string& path) {
    const QFileInfo info(qs(path));
    if (!info.exists()) return std::nullopt;
    const QDateTime t = info.lastModified();
    return DateTime{t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

std::string QtPlatform::userDataFolder() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return d.isEmpty() ? std::string() : (d + QLatin1Char('/')).toStdString();
}

std::string QtPlatform::documentsFolder() {
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty() || !QFileInfo(d).isDir()) d = QDir::homePath();
    return (d + QLatin1Char('/')).toStdString();
}

bool QtPlatform::folderWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

std::string QtPlatform::executablePath() { return QCoreApplication::applicationFilePath().toStdString(); }

void QtPlatform::beginWindowMove(Window& window) {
    QWidget* w = widgetFor(window);
    if (!w) return;
    QWindow* handle = w->windowHandle();
    if (handle && handle->startSystemMove()) return;
    // No window manager support: follow the mouse ourselves until the button is released.
    events_->startManualMove(w);
}

void QtPlatform::programEnded() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// --- rendering ------------------------------------------------------------------------------

void QtPlatform::windowLoaded(Window& w) {
    auto* top = new WindowWidget(*this, w);
    windows_[&w] = top;
    ++syncing_;
    for (Control* c : w.controls()) {
        if (c->kind() == ControlKind::Timer) continue;
        QWidget* parent = c->container() ? widgetFor(*c->container()) : top;
        QWidget* widget = createWidget(*c, parent ? parent : top);
        controls_[c] = widget;
        byWidget_.insert(widget, c);
        widget->installEventFilter(events_);
        widget->setMouseTracking(true);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
            // A list takes its mouse on its viewport.
            byWidget_.insert(area->viewport(), c);
            area->viewport()->installEventFilter(events_);
            area->viewport()->setMouseTracking(true);
        }
    }
    --syncing_;
    syncWindow(w);
    for (Control* c : w.controls()) {
        if (c->kind() != ControlKind::Timer) syncControl(*c);
    }
    zOrderChanged(w);
}

void QtPlatform::windowUnloaded(Window& w) {
    const auto it = windows_.find(&w);
    if (it == windows_.end()) return;
    for (Control* c : w.controls()) {
        const auto ct = controls_.find(c);
        if (ct != controls_.end()) {
            byWidget_.remove(ct->second);
            shownAt_.remove(ct->second);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(ct->second)) byWidget_.remove(area->viewport());
            controls_.erase(ct);
        }
    }
    WindowWidget* top = it->second;
    windows_.erase(it);
    top->forget();
    top->hide();
    top->deleteLater();
}

void QtPlatform::windowChanged(Window& w) { syncWindow(w); }

void QtPlatform::controlChanged(Control& c) { syncControl(c); }

void QtPlatform::zOrderChanged(Window& w) {
    for (Control* c : w.controls()) {
        if (QWidget* widget = widgetFor(*c)) widget->raise();
    }
}

void QtPlatform::focusChanged(Window& w) {
    Control* c = w.focusControl();
    QWidget* widget = c ? widgetFor(*c) : nullptr;
    if (!widget) return;
    ++syncing_;
    widget->setFocus(Qt::OtherFocusReason);
    --syncing_;
}

void QtPlatform::windowMovedByUser(Window& w, int leftPx, int topPx) {
    ++syncing_;
    w.move(leftPx * kTwipsPerPixel, topPx * kTwipsPerPixel);
    --syncing_;
}

void QtPlatform::windowStateByUser(Window& w, bool minimized) {
    ++syncing_;
    w.setWindowState(minimized ? WindowState::Minimized : WindowState::Normal);
    --syncing_;
}

void QtPlatform::syncWindow(Window& w) {
    WindowWidget* top = windows_.count(&w) ? windows_[&w] : nullptr;
    if (!top) return;
    ++syncing_;
    Qt::WindowFlags flags = Qt::Window;
    if (w.borderless()) flags |= Qt::FramelessWindowHint;
    if (w.topmost()) flags |= Qt::WindowStaysOnTopHint;
    if (!w.borderless()) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    if (!top->flagsApplied || top->appliedFlags != flags) {
        top->setWindowFlags(flags);
        top->appliedFlags = flags;
        top->flagsApplied = true;
    }
    top->setWindowTitle(qs(w.caption()));
    QPalette pal = top->palette();
    pal.setColor(QPalette::Window, w.backColor() < 0 ? QColor(Qt::lightGray) : qcolor(w.backColor()));
    top->setPalette(pal);
    top->setFixedSize(px(w.clientWidth()), px(w.clientHeight()));
    if (top->pos() != QPoint(px(w.left()), px(w.top()))) top->move(px(w.left()), px(w.top()));
    top->setInputBlocked(!w.enabled());
    if (w.visible()) {
        if (w.windowState() == WindowState::Minimized) {
            top->showMinimized();
        } else if (top->isMinimized() || !top->isVisible()) {
            top->showNormal();
            if (!w.topmost()) top->activateWindow();
        }
    } else if (top->isVisible()) {
        top->hide();
    }
    --syncing_;
}

QWidget* QtPlatform::createWidget(Control& c, QWidget* parent) {
    switch (c.kind()) {
        case ControlKind::Label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            return l;
        }
        case ControlKind::Picture: {
            auto* l = new QLabel(parent);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return l;
        }
        case ControlKind::Button: {
            auto* b = new QPushButton(parent);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, &c] {
                if (syncing_ == 0 && app_) app_->userClick(c);
            });
            return b;
        }
        case ControlKind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            if (box.multiLine()) {
                auto* t = new QPlainTextEdit(parent);
                connect(t, &QPlainTextEdit::textChanged, this, [this, t, &box] {
                    if (syncing_ == 0 && app_) app_->userType(box, t->toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString());
                });
                return t;
            }
            auto* t = new QLineEdit(parent);
            if (box.cp1252Only()) {
                // Latin-1 plus the Windows-1252 additions: what the program's files can hold.
                t->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ]*")), t));
            }
            connect(t, &QLineEdit::textEdited, this, [this, t, &box](const QString& s) {
                if (syncing_ != 0 || !app_) return;
                const int caret = t->cursorPosition();
                app_->userType(box, s.toStdString());
                // The caret stays where the user typed when the box kept the text as typed.
                if (box.text() == s.toStdString()) box.setSelection(caret, 0);
            });
            return t;
        }
        case ControlKind::OptionButton: {
            auto* r = new QRadioButton(parent);
            r->setAutoExclusive(false);
            connect(r, &QRadioButton::clicked, this, [this, &c] {
                if (syncing_ != 0 || !app_) return;
                syncControl(c);  // the model decides what is checked
                app_->userClick(c);
            });
            return r;
        }
        case ControlKind::CheckBox: {
            auto* b = new QCheckBox(parent);
            connect(b, &QCheckBox::clicked, this, [this, &c] {
                if (syncing_ != 0 || !app_) return;
                syncControl(c);
                app_->userClick(c);
            });
            return b;
        }
        case ControlKind::ComboBox: {
            auto* b = new QComboBox(parent);
            connect(b, &QComboBox::activated, this, [this, &c](int i) {
                if (syncing_ == 0 && app_) app_->userChoose(static_cast<ListControl&>(c), i);
            });
            return b;
        }
        case ControlKind::ListBox: {
            auto* l = new QListWidget(parent);
            // A line too long for the list ends with "…" rather than a sideways scroll bar.
            l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            l->setTextElideMode(Qt::ElideRight);
            connect(l, &QListWidget::currentRowChanged, this, [this, &c](int row) {
                if (syncing_ == 0 && app_ && row >= 0) app_->userChoose(static_cast<ListControl&>(c), row);
            });
            return l;
        }
        case ControlKind::Frame: return new QGroupBox(parent);
        case ControlKind::Timer: break;
    }
    return new QWidget(parent);
}

void QtPlatform::syncControl(Control& c) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    ++syncing_;
    w->setGeometry(px(c.left()), px(c.top()), px(c.width()), px(c.height()));
    if (w->isHidden() && c.visible()) shownAt_.insert(w, steadyMs());
    w->setVisible(c.visible());
    // A disabled picture still looks the same (it only stops reacting); other controls grey.
    w->setEnabled(c.enabled() || c.kind() == ControlKind::Picture);
    w->setFont(qfont(c.font()));
    QPalette pal = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, qcolor(c.foreColor()));
        pal.setColor(group, QPalette::ButtonText, qcolor(c.foreColor()));
        pal.setColor(group, QPalette::Text, qcolor(c.foreColor()));
    }
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
    if (c.backColor() >= 0) {
        pal.setColor(QPalette::Window, qcolor(c.backColor()));
        pal.setColor(QPalette::Base, qcolor(c.backColor()));
        pal.setColor(QPalette::Button, qcolor(c.backColor()));
    }
    w->setPalette(pal);
    const bool opaque = c.backColor() >= 0 && c.kind() != ControlKind::Button && c.kind() != ControlKind::TextBox &&
                        c.kind() != ControlKind::ComboBox && c.kind() != ControlKind::ListBox;
    w->setAutoFillBackground(opaque);
    const Qt::Alignment h = qalign(c.alignment());
    switch (c.kind()) {
        case ControlKind::Label: {
            auto* l = static_cast<QLabel*>(w);
            const auto& label = static_cast<Label&>(c);
            l->setText(qsLines(c.caption()));
            l->setWordWrap(label.wordWrap());
            l->setAlignment(h | Qt::AlignTop);
            l->setFrameShape(c.border() ? QFrame::Box : QFrame::NoFrame);
            break;
        }
        case ControlKind::Picture: {
            auto* l = static_cast<QLabel*>(w);
            const auto& p = static_cast<Picture&>(c);
            l->setScaledContents(p.stretch());
            l->setPixmap(pixmapOf(p.picture()));
            l->setFrameShape(c.border() ? QFrame::Box : QFrame::NoFrame);
            break;
        }
        case ControlKind::Button: static_cast<QPushButton*>(w)->setText(qs(c.caption())); break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<TextBox&>(c);
            if (auto* t = qobject_cast<QLineEdit*>(w)) {
                if (t->text() != qs(box.text())) t->setText(qs(box.text()));
                t->setMaxLength(box.maxLength() > 0 ? box.maxLength() : 32767);
                t->setReadOnly(box.readOnly());
                t->setAlignment(h | Qt::AlignVCenter);
                if (box.selLength() > 0) {
                    t->setSelection(box.selStart(), box.selLength());
                } else {
                    t->setCursorPosition(box.selStart());
                }
            } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
                const QString want = qsLines(box.text());
                if (p->toPlainText() != want) p->setPlainText(want);
                p->setReadOnly(box.readOnly());
            }
            break;
        }
        case ControlKind::OptionButton: {
            auto* r = static_cast<QRadioButton*>(w);
            r->setText(qs(c.caption()));
            r->setChecked(static_cast<OptionButton&>(c).value());
            break;
        }
        case ControlKind::CheckBox: {
            auto* b = static_cast<QCheckBox*>(w);
            b->setText(qs(c.caption()));
            b->setChecked(static_cast<CheckBox&>(c).value());
            break;
        }
        case ControlKind::ComboBox: {
            auto* b = static_cast<QComboBox*>(w);
            const auto& list = static_cast<ListControl&>(c);
            QStringList items;
            for (const auto& s : list.items()) items << qs(s);
            QStringList current;
            for (int i = 0; i < b->count(); ++i) current << b->itemText(i);
            if (current != items) {
                b->clear();
                b->addItems(items);
            }
            b->setCurrentIndex(list.listIndex());
            break;
        }
        case ControlKind::ListBox: {
            auto* l = static_cast<QListWidget*>(w);
            const auto& list = static_cast<ListControl&>(c);
            bool same = l->count() == list.listCount();
            for (int i = 0; same && i < l->count(); ++i) same = l->item(i)->text() == qs(list.item(i));
            if (!same) {
                l->clear();
                for (const auto& s : list.items()) l->addItem(qs(s));
            }
            l->setCurrentRow(list.listIndex());
            break;
        }
        case ControlKind::Frame: {
            auto* g = static_cast<QGroupBox*>(w);
            g->setTitle(qs(c.caption()));
            // A frame without a border only groups its options.
            g->setStyleSheet(c.border() ? QString() : QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
            break;
        }
        case ControlKind::Timer: break;
    }
    --syncing_;
}

}  // namespace sv::ui
