// What screen readers see: the labels and pictures that act as commands are buttons, with
// their name and a "press" action that clicks them as the mouse does.
#include <QAccessibleWidget>

#include "ui/qt/qt_widgets.h"

namespace sv::ui {

namespace {

QtPlatform* gPlatform = nullptr;  // the platform whose widgets are described

class CommandAccessible : public QAccessibleWidget {
public:
    explicit CommandAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {
        addControllingSignal(QStringLiteral("destroyed()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const Control* c = control();
        if (c && !c->effectivelyEnabled()) s.disabled = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        Control* c = control();
        if (action == pressAction() && c && gPlatform && gPlatform->app()) gPlatform->app()->userClick(*c);
    }

private:
    Control* control() const { return gPlatform ? gPlatform->controlFor(widget()) : nullptr; }
};

}  // namespace

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (!gPlatform || className != QLatin1String("QLabel")) return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    const Control* c = widget ? gPlatform->controlFor(widget) : nullptr;
    if (!c || !c->onClick) return nullptr;
    return new CommandAccessible(widget);
}

void QtPlatform::describeForScreenReaders(bool on) {
    if (on && !gPlatform) QAccessible::installFactory(accessibleControl);
    if (!on && gPlatform == this) QAccessible::removeFactory(accessibleControl);
    gPlatform = on ? this : (gPlatform == this ? nullptr : gPlatform);
}

}  // namespace sv::ui
