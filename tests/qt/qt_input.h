// Mouse events sent to a widget as the window system would.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace sv::test {

inline void send(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace sv::test
