// The renderer: one top-level widget per window, one widget per control, kept in step with
// the control model.
#include "ui/qt/qt_widgets.h"

namespace sv::ui {

// --- rendering ------------------------------------------------------------------------------

void QtPlatform::windowLoaded(Window& w) {
    auto* top = new WindowWidget(*this, w);
    windows_[&w] = top;
    ++syncing_;
    for (Control* c : w.controls()) {
        if (c->kind() == ControlKind::Timer) continue;
        QWidget* parent = c->container() ? widgetFor(*c->container()) : top;
        QWidget* widget = createWidget(*c, parent ? parent : top);
        defaultFocus_.insert(widget, widget->focusPolicy());
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
    setReadingTabOrder(w);
}

// Tab follows the reading order of the window (rows from the top, then left to right), not
// the order the controls were made in.
void QtPlatform::setReadingTabOrder(Window& w) {
    struct Stop {
        int row, left;
        QWidget* widget;
    };
    std::vector<Stop> stops;
    for (Control* c : w.controls()) {
        QWidget* widget = widgetFor(*c);
        if (!widget || c->kind() == ControlKind::Label || c->kind() == ControlKind::Picture ||
            c->kind() == ControlKind::Frame || c->kind() == ControlKind::Timer) {
            continue;
        }
        int top = c->top(), left = c->left();
        for (Control* in = c->container(); in; in = in->container()) {
            top += in->top();
            left += in->left();
        }
        stops.push_back({top / 150, left, widget});
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.row != b.row ? a.row < b.row : a.left < b.left; });
    for (std::size_t k = 1; k < stops.size(); ++k) QWidget::setTabOrder(stops[k - 1].widget, stops[k].widget);
}

void QtPlatform::windowUnloaded(Window& w) {
    const auto it = windows_.find(&w);
    if (it == windows_.end()) return;
    for (Control* c : w.controls()) {
        const auto ct = controls_.find(c);
        if (ct != controls_.end()) {
            byWidget_.remove(ct->second);
            defaultFocus_.remove(ct->second);
            shownAt_.remove(ct->second);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(ct->second)) byWidget_.remove(area->viewport());
            controls_.erase(ct);
        }
    }
    WindowWidget* top = it->second;
    windows_.erase(it);
    // The windows it owned stay: they must not go with it.
    for (auto& [model, owned] : windows_) {
        if (owned->parentWidget() == top) {
            ++syncing_;
            owned->setParent(nullptr, Qt::Window);
            owned->flagsApplied = false;
            --syncing_;
            syncWindow(*const_cast<Window*>(model));
        }
    }
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

double QtPlatform::scaleOf(const Window& w) const {
    const auto it = windows_.find(&w);
    return it == windows_.end() ? 1.0 : it->second->scale;
}

void QtPlatform::syncWindow(Window& w) {
    WindowWidget* top = windows_.count(&w) ? windows_[&w] : nullptr;
    if (!top) return;
    ++syncing_;
    // An owned window is a dialog of its owner: above it, and no taskbar entry of its own.
    Window* owner = w.owner().empty() || !app_ ? nullptr : app_->find(w.owner());
    QWidget* ownerTop = owner && windows_.count(owner) ? windows_[owner] : nullptr;
    Qt::WindowFlags flags = ownerTop ? Qt::Dialog : Qt::Window;
    if (w.borderless()) flags |= Qt::FramelessWindowHint;
    if (w.topmost()) flags |= Qt::WindowStaysOnTopHint;
    if (!w.borderless()) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    if (top->parentWidget() != ownerTop) {
        top->setParent(ownerTop, flags);
        top->appliedFlags = flags;
        top->flagsApplied = true;
    } else if (!top->flagsApplied || top->appliedFlags != flags) {
        top->setWindowFlags(flags);
        top->appliedFlags = flags;
        top->flagsApplied = true;
    }
    top->setWindowTitle(qs(w.caption()));
    QPalette pal = top->palette();
    pal.setColor(QPalette::Window, w.backColor() < 0 ? QColor(Qt::lightGray) : qcolor(w.backColor()));
    top->setPalette(pal);
    // A window larger than the screen's free area is drawn smaller, all of it: the program
    // goes on working in its own units. Every window stays wholly on that area.
    const QScreen* screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frameWidth = w.borderless() ? 0 : 12, frameHeight = w.borderless() ? 0 : 40;
    const double scale = std::min({1.0, (free.width() - frameWidth) / (w.clientWidth() / double(kTwipsPerPixel)),
                                   (free.height() - frameHeight) / (w.clientHeight() / double(kTwipsPerPixel))});
    const bool rescaled = std::abs(scale - top->scale) > 1e-9;
    top->scale = scale;
    const QSize size(static_cast<int>(std::lround(w.clientWidth() * scale / kTwipsPerPixel)),
                     static_cast<int>(std::lround(w.clientHeight() * scale / kTwipsPerPixel)));
    top->setFixedSize(size);
    QPoint at(px(w.left()), px(w.top()));
    at.setX(std::max(free.left(), std::min(at.x(), free.right() + 1 - size.width() - frameWidth)));
    at.setY(std::max(free.top(), std::min(at.y(), free.bottom() + 1 - size.height() - frameHeight)));
    if (top->pos() != at) top->move(at);
    if (rescaled) {
        for (Control* c : w.controls()) {
            if (c->kind() != ControlKind::Timer) syncControl(*c);
        }
    }
    top->setInputBlocked(!w.enabled());
    if (w.visible()) {
        if (w.windowState() == WindowState::Minimized) {
            top->showMinimized();
        } else if (top->isMinimized() || !top->isVisible()) {
            if (!top->isVisible()) setReadingTabOrder(w);  // the layout as it shows
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
    const double scale = scaleOf(c.window());
    auto spx = [scale](int twips) { return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel)); };
    w->setGeometry(spx(c.left()), spx(c.top()), spx(c.width()), spx(c.height()));
    if (c.kind() != ControlKind::Label && c.kind() != ControlKind::Picture && c.kind() != ControlKind::Frame) {
        // A control parked outside its window (to hold the focus out of the way) is no Tab stop.
        const bool outside = c.left() + c.width() <= 0 || c.top() + c.height() <= 0;
        Qt::FocusPolicy policy = outside ? Qt::NoFocus : defaultFocus_.value(w, Qt::StrongFocus);
        // Tab stops at the chosen option of a group only; the arrows move within the group.
        if (!outside && c.kind() == ControlKind::OptionButton && !static_cast<OptionButton&>(c).value()) {
            policy = Qt::ClickFocus;
        }
        w->setFocusPolicy(policy);
    }
    if (w->isHidden() && c.visible()) shownAt_.insert(w, steadyMs());
    w->setVisible(c.visible());
    // A disabled picture still looks the same (it only stops reacting); other controls grey.
    w->setEnabled(c.enabled() || c.kind() == ControlKind::Picture);
    QFont font = qfont(c.font());
    if (scale != 1) font.setPointSizeF(font.pointSizeF() * scale);
    w->setFont(font);
    QPalette pal = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, qcolor(c.foreColor()));
        pal.setColor(group, QPalette::ButtonText, qcolor(c.foreColor()));
        pal.setColor(group, QPalette::Text, qcolor(c.foreColor()));
    }
    if (c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::CheckBox) {
        // The mark inside the round or square box is dark on white whatever the caption's
        // colour: a light caption over a dark picture would otherwise hide it.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::Text, QColor(16, 32, 96));
            pal.setColor(group, QPalette::Base, QColor(255, 255, 255));
        }
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
    syncAccessible(c, *w);
    const Qt::Alignment h = qalign(c.alignment());
    switch (c.kind()) {
        case ControlKind::Label: {
            auto* l = static_cast<QLabel*>(w);
            const auto& label = static_cast<Label&>(c);
            l->setText(label.wordWrap() ? frenchSpaces(qsLines(c.caption())) : qsLines(c.caption()));
            l->setWordWrap(label.wordWrap());
            l->setAlignment(h | Qt::AlignTop);
            l->setFrameShape(c.border() ? QFrame::Box : QFrame::NoFrame);
            break;
        }
        case ControlKind::Picture: {
            auto* l = static_cast<QLabel*>(w);
            const auto& p = static_cast<Picture&>(c);
            l->setScaledContents(p.stretch() || scale != 1);
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

// What a screen reader says of a control: its name, and for a labelled text its caption too;
// a text that announces its changes raises an alert when it changes.
void QtPlatform::syncAccessible(Control& c, QWidget& w) {
    QString name = qs(c.accessibleName());
    const QString caption = qsLines(c.caption()).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
    if (c.kind() == ControlKind::Label && !caption.isEmpty()) name = name.isEmpty() ? caption : name + QStringLiteral(" : ") + caption;
    if (c.kind() == ControlKind::Button || c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::CheckBox) {
        if (name.isEmpty()) name = caption;
    }
    if (w.accessibleName() == name) return;
    w.setAccessibleName(name);
#if QT_CONFIG(accessibility)
    if (c.live() && !name.isEmpty() && w.isVisible() && QAccessible::isActive()) {
        QAccessibleEvent alert(&w, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
#endif
}

}  // namespace sv::ui
