// What the Qt tests share: a program started on the Qt platform in a throw-away folder, the
// windows they look at, and the mouse as the window system sends it.
#pragma once

#include <QAccessible>
#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>

#include "board/board_model.h"
#include "board/frm_csav.h"
#include "questions/frm_quest.h"
#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"
#include "temp_folder.h"

namespace sv::test {

inline void send(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A left click: on a button near its left edge (where its text is), on anything else in the middle.
inline void click(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    send(w, QEvent::MouseButtonPress, w->rect().center(), Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, w->rect().center(), Qt::LeftButton, Qt::NoButton);
}

// Pressed at the middle of `piece`, moved far enough to start a drag, released at `aim` (in
// the piece's own coordinates).
inline void drag(QWidget* piece, QPoint aim) {
    const QPoint grip = piece->rect().center();
    send(piece, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, grip + QPoint(12, 12), Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, aim, Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseButtonRelease, aim, Qt::LeftButton, Qt::NoButton);
}

inline void drag(QWidget* piece, QWidget* target) {
    drag(piece, piece->mapFromGlobal(target->mapToGlobal(target->rect().center())));
}

// The program started on its own Qt platform (a name no other run shares), in a folder filled
// from `files`.
struct QtRun {
    std::filesystem::path folder;
    std::unique_ptr<ui::QtPlatform> platform;
    std::unique_ptr<ui::App> app;
    QtRun(std::unique_ptr<ui::Program> program, const std::filesystem::path& files)
        : folder(makeTempFolder("savanto-qt-", files)),
          platform(std::make_unique<ui::QtPlatform>(QStringLiteral("savanto-qt-") + QString::number(std::random_device{}()))),
          app(std::make_unique<ui::App>(*platform, std::move(program), folder.string() + "/")) {
        platform->attach(app.get());
        app->start();
    }
    ~QtRun() {
        app->end();
        app.reset();
        platform.reset();
        removeFolder(folder);
    }
    QWidget* widget(const ui::Control& c) const { return platform->widgetFor(c); }
    QWidget* widget(const ui::Window& w) const { return platform->widgetFor(w); }
    // The window once it is shown (null when it is not within `ms`).
    template <class F>
    F* shown(int ms = 5000) const {
        const auto ok = [this] { return app->find<F>() && app->find<F>()->visible(); };
        if (!ok()) QTest::qWait(0);
        for (int waited = 0; waited < ms && !ok(); waited += 50) QTest::qWait(50);  // events handled all the while
        return ok() ? app->find<F>() : nullptr;
    }
};

// The desktop program with its game files, at its start screen.
struct SavantoRun : QtRun {
    state::Module& m = static_cast<SavantoProgram&>(app->program()).module();
    screens::FrmBDema* start = shown<screens::FrmBDema>(3000);
    SavantoRun() : QtRun(std::make_unique<SavantoProgram>(), SAVANTO_ASSET_DIR) {}
};

}  // namespace sv::test
