// What the Qt backend's files share: the converters from the control model to Qt (twips to
// pixels, texts, colours, fonts, alignment, mouse buttons, pictures) and the widgets that
// render windows and carry the controls' events.
#pragma once

#include <QAbstractScrollArea>
#include <QAccessible>
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
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
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
#include "ui/qt/qt_platform.h"
#include "ui/window.h"

namespace sv::ui {

inline int px(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

inline QString qs(const std::string& s) { return QString::fromStdString(s); }

// Multi-line captions are joined by CR LF; widgets want LF.
inline QString qsLines(const std::string& s) {
    QString t = qs(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// French sets a space before ? ! : ; » and after «: in a wrapped label that space must not
// break, or the sign starts a line of its own.
inline QString frenchSpaces(QString t) {
    static const QRegularExpression before(QStringLiteral(" (?=[?!:;\u00BB])"));
    static const QRegularExpression after(QStringLiteral("(?<=\u00AB) "));
    t.replace(before, QString(QChar(0x00A0)));
    t.replace(after, QString(QChar(0x00A0)));
    return t;
}

inline QColor qcolor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

inline QFont qfont(const Font& f) {
    QFont q(qs(f.name));
    q.setPointSizeF(f.size > 0 ? f.size : 8.0);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

inline Qt::Alignment qalign(Align a) {
    switch (a) {
        case Align::Left: return Qt::AlignLeft;
        case Align::Right: return Qt::AlignRight;
        case Align::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

inline int buttonsOf(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= kLeftButton;
    if (b & Qt::RightButton) r |= kRightButton;
    if (b & Qt::MiddleButton) r |= kMiddleButton;
    return r;
}

inline int shiftOf(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}

// A picture, taken from its "@2x" companion on a screen at more than 100 % when there is one:
// "WFond.gif" has "WFond@2x.png" beside it, a compiled-in "DE1" has "DE1@2x".
inline QPixmap pixmapOf(const PictureRef& p) {
    QString path;
    switch (p.kind) {
        case PictureRef::Kind::None: return {};
        case PictureRef::Kind::File: path = qs(p.name); break;
        case PictureRef::Kind::Resource: path = QStringLiteral(":/pictures/") + qs(p.name) + QStringLiteral(".png"); break;
    }
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        const QFileInfo f(path);
        const QString sharp = f.path() + QLatin1Char('/') + f.completeBaseName() + QStringLiteral("@2x.png");
        QPixmap twice;
        if (QFileInfo::exists(sharp) && twice.load(sharp)) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return QPixmap(path);
}

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
    WindowWidget(WidgetHost& platform, Window& model) : platform_(platform), model_(&model) {
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
        if (model_ && platform_.app() && model_->enabled()) platform_.app()->userClose(*model_);
    }
    bool event(QEvent* e) override {
        // Tab is the window's own where it uses it (the board's highlight); elsewhere it
        // moves the focus as usual.
        if (e->type() == QEvent::KeyPress && model_ && platform_.app() && model_->enabled()) {
            auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
                platform_.app()->userKeyDown(*model_, k->key() == Qt::Key_Backtab ? "shift+tab" : "tab")) {
                return true;
            }
        }
        return QWidget::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!model_ || !platform_.app() || !model_->enabled()) return QWidget::keyPressEvent(e);
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            platform_.app()->userKey(*model_, "enter");
        } else if (e->key() == Qt::Key_Escape) {
            platform_.app()->userKey(*model_, "escape");
        } else if (const std::string name = keyName(e); name.empty() || !platform_.app()->userKeyDown(*model_, name)) {
            QWidget::keyPressEvent(e);
        }
    }
public:
    // The name the windows know a key by, or "" for a key they never use.
    static std::string keyName(const QKeyEvent* e) {
        const bool ctrl = e->modifiers() & Qt::ControlModifier;
        switch (e->key()) {
            case Qt::Key_Space: return ctrl ? "" : "space";
            case Qt::Key_Left: return "left";
            case Qt::Key_Right: return "right";
            case Qt::Key_Up: return "up";
            case Qt::Key_Down: return "down";
            case Qt::Key_F1: return "f1";
            default: break;
        }
        if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
            const char letter = static_cast<char>('a' + (e->key() - Qt::Key_A));
            if (ctrl) return std::string("ctrl+") + letter;
            if (!(e->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) return e->text().toStdString();
        }
        return "";
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (model_ && platform_.app()) {
            platform_.app()->userMouseDown(*model_, buttonsOf(e->button()), shiftOf(e->modifiers()),
                                          e->position().x() * kTwipsPerPixel / scale, e->position().y() * kTwipsPerPixel / scale);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (model_ && platform_.app()) {
            platform_.app()->userMouseMove(*model_, buttonsOf(e->buttons()), shiftOf(e->modifiers()),
                                          e->position().x() * kTwipsPerPixel / scale, e->position().y() * kTwipsPerPixel / scale);
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (model_ && platform_.app()) {
            platform_.app()->userMouseUp(*model_, buttonsOf(e->button()), shiftOf(e->modifiers()),
                                        e->position().x() * kTwipsPerPixel / scale, e->position().y() * kTwipsPerPixel / scale);
        }
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        if (model_ && !platform_.syncing() && isVisible()) platform_.windowMovedByUser(*model_, x(), y());
    }
    void changeEvent(QEvent* e) override {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange && model_ && !platform_.syncing()) {
            platform_.windowStateByUser(*model_, isMinimized());
        }
    }

private:
    WidgetHost& platform_;
    Window* model_;
    QWidget* glass_ = nullptr;

public:
    Qt::WindowFlags appliedFlags;
    bool flagsApplied = false;
    // The window drawn smaller than its natural size when that does not fit the screen.
    double scale = 1;
};

// Where the keyboard's focus is: a two-tone frame round the control, seen on the dark and on the
// light windows alike. It follows the control and never takes the mouse.
class FocusRing : public QWidget {
public:
    FocusRing() { setAttribute(Qt::WA_TransparentForMouseEvents); }
    void follow(QWidget* target) {
        target_ = target;
        if (!target || !target->isVisible()) return hide();
        QWidget* top = target->window();
        if (parentWidget() != top) setParent(top);
        const QRect r(target->mapTo(top, QPoint(0, 0)), target->size());
        setGeometry(r.adjusted(-3, -3, 3, 3));
        show();
        raise();
    }
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(QColor(10, 14, 30), 3));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(QColor(255, 190, 40), 1.6));
        p.drawRoundedRect(r, 4, 4);
    }

private:
    QPointer<QWidget> target_;
};

// Mouse, focus and drag handling for every control widget.
class ControlEvents : public QObject {
public:
    ControlEvents(QObject* parent, WidgetHost& p) : QObject(parent), platform_(p) {}

    bool eventFilter(QObject* obj, QEvent* ev) override {
        auto* widget = qobject_cast<QWidget*>(obj);
        if (!widget || !platform_.app()) return false;
        Control* c = platform_.controlFor(widget);
        if (!c) return false;
        switch (ev->type()) {
            case QEvent::FocusIn: {
                // Qt gives the focus before it delivers the press that caused it.
                const bool byMouse = static_cast<QFocusEvent*>(ev)->reason() == Qt::MouseFocusReason;
                mouseFocused_ = byMouse ? widget : nullptr;
                // The frame shows where keys go when the keyboard is in use, not after a click.
                if (!ring_) ring_ = new FocusRing;
                ring_->follow(byMouse ? nullptr : widget);
                if (!platform_.syncing() && c->window().focusControl() != c) platform_.app()->userFocus(*c);
                return false;
            }
            case QEvent::FocusOut:
            case QEvent::Hide:
                if (ring_ && ring_->target() == widget) ring_->follow(nullptr);
                return false;
            case QEvent::Move:
            case QEvent::Resize:
                if (ring_ && ring_->target() == widget) ring_->follow(widget);
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
            case QEvent::KeyPress: return key(*c, static_cast<QKeyEvent*>(ev));
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

    QPointF twips(const Control& c, QPointF p) const { return p * kTwipsPerPixel / platform_.scaleOf(c.window()); }

    // The arrows in a group of option buttons choose, as the model says; a control parked
    // outside its window passes every key to the window rather than typing into itself.
    bool key(Control& c, QKeyEvent* e) {
        if (!c.window().enabled()) return false;
        const std::string name = WindowWidget::keyName(e);
        const bool arrow = name == "left" || name == "right" || name == "up" || name == "down";
        if (c.kind() == ControlKind::OptionButton && arrow) {
            platform_.app()->userKey(c.window(), name);
            return true;
        }
        if (c.left() + c.width() <= 0 || c.top() + c.height() <= 0) {
            if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
                platform_.app()->userKey(c.window(), "enter");
            } else if (e->key() == Qt::Key_Escape) {
                platform_.app()->userKey(c.window(), "escape");
            } else if (!name.empty()) {
                platform_.app()->userKeyDown(c.window(), name);
            }
            return true;
        }
        return false;
    }

    // The second click of a double click never reaches a control that the first click brought
    // up under the pointer ("Oui" where "Continuer" was): it would act unseen.
    bool secondClickOnNewcomer(QWidget* w) {
        const std::int64_t now = platform_.steadyMs();
        const std::int64_t previous = lastPress_;
        lastPress_ = now;
        const bool quick = previous >= 0 && now - previous <= QApplication::doubleClickInterval();
        if (!quick || platform_.shownAt(w) < previous) return false;
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
        const QPointF t = twips(c, e->position());
        platform_.app()->userMouseDown(c, buttonsOf(e->button()), shiftOf(e->modifiers()), t.x(), t.y());
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
        const QPointF t = twips(c, e->position());
        platform_.app()->userMouseMove(c, buttonsOf(e->buttons()), shiftOf(e->modifiers()), t.x(), t.y());
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
        const QPointF t = twips(c, e->position());
        const bool inside = w->rect().contains(e->position().toPoint());
        QPointer<QWidget> guard(w);
        platform_.app()->userMouseUp(c, buttonsOf(e->button()), shiftOf(e->modifiers()), t.x(), t.y());
        if (owns && wasPressed && guard && e->button() == Qt::LeftButton && inside) {
            // Looked up again: the mouse-up handler may have unloaded the window.
            if (Control* again = platform_.controlFor(w); again && again->effectivelyEnabled()) {
                platform_.app()->userClick(*again);
            }
        }
        return owns;
    }

    void beginDrag(QWidget* w) {
        dragging_ = true;
        QWidget* top = w->window();
        ghost_ = new QLabel(top);
        // A picture rises alone, without what lies behind it.
        const auto* picture = qobject_cast<QLabel*>(w);
        if (picture && !picture->pixmap().isNull()) {
            ghost_->setPixmap(picture->pixmap().scaled(w->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        } else {
            ghost_->setPixmap(w->grab());
        }
        ghost_->setAttribute(Qt::WA_TranslucentBackground);
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
            if (Control* t = platform_.controlFor(h)) {
                target = t;
                targetWidget = h;
                break;
            }
        }
        if (!target) return;
        const QPointF t = twips(*target, QPointF(targetWidget->mapFromGlobal(global)));
        platform_.app()->userDrop(c, *target, t.x(), t.y());
    }

    WidgetHost& platform_;
    QPointer<FocusRing> ring_;
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

}  // namespace sv::ui
