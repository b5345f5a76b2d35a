// What a player's mouse does on the desktop program: tokens released over any square, a
// double click that must not give a verdict, a click into a name box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <random>

#include "board/board_model.h"
#include "board/frm_csav.h"
#include "questions/frm_quest.h"
#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"
#include "qt_input.h"
#include "temp_folder.h"

namespace sv::test {
namespace fs = std::filesystem;

namespace {

// The desktop program in a throw-away folder, started and at its start screen.
class QtPlay : public ::testing::Test {
protected:
    void SetUp() override {
        folder = makeTempFolder("savanto-qtplay-", SAVANTO_ASSET_DIR);
        platform = std::make_unique<ui::QtPlatform>(QStringLiteral("savanto-qtplay-") +
                                                    QString::number(std::random_device{}()));
        auto program = std::make_unique<SavantoProgram>();
        m = &program->module();
        app = std::make_unique<ui::App>(*platform, std::move(program), folder.string() + "/");
        platform->attach(app.get());
        app->start();
        start = app->find<screens::FrmBDema>();
        ASSERT_NE(start, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 3000);
    }
    void TearDown() override {
        app->end();
        app.reset();
        platform.reset();
        removeFolder(folder);
    }
    board::FrmCSav& onePlayerBoard() {
        QTest::mouseClick(platform->widgetFor(start->CmdJouer(1)), Qt::LeftButton);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(app->find<board::FrmCSav>() && app->find<board::FrmCSav>()->visible(), 5000); }();
        return *app->find<board::FrmCSav>();
    }

    fs::path folder;
    std::unique_ptr<ui::QtPlatform> platform;
    std::unique_ptr<ui::App> app;
    state::Module* m = nullptr;
    screens::FrmBDema* start = nullptr;
};

}  // namespace

TEST_F(QtPlay, TheBoardIsWhollyOnTheScreenAndATokenReleasedOverEachSquareLandsOnIt) {
    board::FrmCSav& b = onePlayerBoard();
    QWidget* boardWidget = platform->widgetFor(b);
    // Drawn smaller when the screen is too small for it (a 1024-pixel screen at 200 %).
    const QRect free = boardWidget->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(boardWidget->frameGeometry())) << free.height() << " " << boardWidget->frameGeometry().height();
    const double scale = platform->scaleOf(b);
    if (free.height() < 598) {
        EXPECT_LT(scale, 1.0);
        EXPECT_EQ(boardWidget->height(), free.height());
    }
    for (int n = board::kSquares - 1; n >= 0; --n) {
        b.Cam1.setEnabled(true);
        b.game.moving = 1;
        QWidget* token = platform->widgetFor(b.Cam1);
        const auto& z = board::kZones[static_cast<std::size_t>(n)];
        const QPoint centre(static_cast<int>((z.left + z.width / 2) * scale / 15), static_cast<int>((z.top + z.height / 2) * scale / 15));
        const QPoint aim = token->mapFromGlobal(boardWidget->mapToGlobal(centre));
        const QPoint grip = token->rect().center();
        send(token, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        send(token, QEvent::MouseMove, grip + QPoint(12, 12), Qt::NoButton, Qt::LeftButton);
        send(token, QEvent::MouseMove, aim, Qt::NoButton, Qt::LeftButton);
        send(token, QEvent::MouseButtonRelease, aim, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(b.LblCas1.caption(), std::to_string(n)) << "square " << n;
    }
}

TEST_F(QtPlay, TheSecondClickOfADoubleClickOnContinuerGivesNoVerdict) {
    board::FrmCSav& b = onePlayerBoard();
    QTest::mouseClick(platform->widgetFor(b.LblLance), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(b.Cam1.enabled(), 5000);
    b.CaseCible = 7;
    b.CmdLB_Click();
    QTest::mouseClick(platform->widgetFor(b.LblQuest), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(app->find<questions::FrmQuest>() && app->find<questions::FrmQuest>()->visible(), 5000);
    auto& q = *app->find<questions::FrmQuest>();
    QWidget* continuer = platform->widgetFor(q.CmdContinuer);
    const QPoint spot(continuer->width() / 2, continuer->height() / 2);
    QTest::mouseClick(continuer, Qt::LeftButton, {}, spot);
    ASSERT_TRUE(q.CmdOui.visible());
    // "Oui" stands where "Continuer" was: the second click, 100 ms later, lands on it.
    QWidget* oui = platform->widgetFor(q.CmdOui);
    QTest::mouseClick(oui, Qt::LeftButton, {}, oui->mapFrom(continuer->window(), continuer->mapTo(continuer->window(), spot)),
                      100);
    EXPECT_NE(app->find<questions::FrmQuest>(), nullptr);
    EXPECT_EQ(m->RepJuste, 0);
    // Read, then clicked on purpose: the verdict counts.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(oui, Qt::LeftButton, {}, QPoint(oui->width() / 2, oui->height() / 2));
    EXPECT_EQ(m->RepJuste, 1);
    EXPECT_EQ(app->find<questions::FrmQuest>(), nullptr);
}

TEST_F(QtPlay, AClickIntoANameBoxSelectsTheWholeNameAndASecondClickPlacesTheCaret) {
    QTest::mouseClick(platform->widgetFor(start->Opt2), Qt::LeftButton, {}, QPoint(6, 6));
    ASSERT_TRUE(start->Opt2.value());
    auto* box = qobject_cast<QLineEdit*>(platform->widgetFor(start->TxtJ2));
    ASSERT_NE(box, nullptr);
    ASSERT_FALSE(box->hasFocus());
    ASSERT_EQ(box->text(), QStringLiteral("Julien"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), QStringLiteral("Julien"));
    QTest::keyClicks(box, QStringLiteral("Anais"));
    EXPECT_EQ(start->TxtJ2.text(), "Anais");
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    EXPECT_TRUE(box->selectedText().isEmpty());
}


namespace {
// A key as the keyboard gives it: to the widget with the focus in that window, or the window.
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key, mods);
}

// Every element a screen reader can act on has a name: buttons, options, fields, lists, and
// anything with an action.
void expectNamed(QAccessibleInterface* node, QStringList& nameless, QStringList& names) {
    if (!node || node->state().invisible) return;
    static const QList<QAccessible::Role> acting = {QAccessible::Button,  QAccessible::PushButton, QAccessible::RadioButton,
                                                    QAccessible::CheckBox, QAccessible::EditableText, QAccessible::ComboBox,
                                                    QAccessible::List};
    const bool acts = acting.contains(node->role()) || (node->actionInterface() && !node->actionInterface()->actionNames().isEmpty());
    const QString name = node->text(QAccessible::Name);
    if (acts && name.isEmpty()) nameless << QString::fromLatin1(node->object() ? node->object()->metaObject()->className() : "?");
    names << name;
    for (int i = 0; i < node->childCount(); ++i) expectNamed(node->child(i), nameless, names);
}
}  // namespace

TEST_F(QtPlay, ATurnIsPlayedFromTheKeyboardAlone) {
    QWidget* startWindow = platform->widgetFor(*start);
    press(startWindow, Qt::Key_Right);  // the type of game: two players
    ASSERT_TRUE(start->Opt2.value());
    for (int k = 0; k < 2 && start->focusControl() != &start->TxtJ3; ++k) press(startWindow, Qt::Key_Tab);
    ASSERT_EQ(start->focusControl(), &start->TxtJ3);
    QTimer answerer;  // "OK" to who starts, from the keyboard too
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
    });
    answerer.start(50);
    press(startWindow, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(app->find<board::FrmCSav>() && app->find<board::FrmCSav>()->visible() &&
                                 app->find<board::FrmCSav>()->enabled() && QApplication::activeModalWidget() == nullptr,
                             5000);
    answerer.stop();
    auto& b = *app->find<board::FrmCSav>();
    QWidget* boardWindow = platform->widgetFor(b);
    const int side = state::sideNumber(m->JQuiJ);
    press(boardWindow, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT((side == 1 ? b.Cam1 : b.Cam2).enabled(), 5000);
    for (int k = 0; k < 5; ++k) press(boardWindow, Qt::Key_Left);
    EXPECT_TRUE(platform->widgetFor(*b.ImgCurseur)->isVisible());
    press(boardWindow, Qt::Key_Return);
    EXPECT_EQ((side == 1 ? b.LblCas1 : b.LblCas2).caption(), "43");
    press(boardWindow, Qt::Key_Q);
    QTRY_VERIFY_WITH_TIMEOUT(app->find<questions::FrmQuest>() && app->find<questions::FrmQuest>()->visible(), 5000);
    auto& q = *app->find<questions::FrmQuest>();
    QWidget* questionWindow = platform->widgetFor(q);
    QTRY_VERIFY_WITH_TIMEOUT(questionWindow->isActiveWindow(), 3000);
    for (int k = 0; k < 4 && q.focusControl() != &q.CmdContinuer; ++k) press(questionWindow, Qt::Key_Tab);
    ASSERT_EQ(q.focusControl(), &q.CmdContinuer);
    press(questionWindow, Qt::Key_Return);
    ASSERT_TRUE(q.CmdOui.visible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    for (int k = 0; k < 4 && q.focusControl() != &q.CmdOui; ++k) press(questionWindow, Qt::Key_Tab);
    ASSERT_EQ(q.focusControl(), &q.CmdOui);
    press(questionWindow, Qt::Key_Return);
    EXPECT_EQ(m->RepJuste, 1);
    QTRY_VERIFY_WITH_TIMEOUT(app->find<questions::FrmQuest>() == nullptr, 3000);
}

TEST_F(QtPlay, AScreenReaderFindsANameForEverythingItCanActOn) {
    board::FrmCSav& b = onePlayerBoard();
    QStringList nameless, names;
    expectNamed(QAccessible::queryAccessibleInterface(platform->widgetFor(b)), nameless, names);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();
    for (const char* expected : {"Case 11 : Divertissement", "Case 12 : relancez le dé", "Lancer le dé", "Son : activé", "Fermer",
                                 "Questions posées au joueur rouge : 0"}) {
        EXPECT_TRUE(names.contains(QString::fromUtf8(expected))) << expected;
    }
    // A command label is a button that a screen reader can press.
    QAccessibleInterface* roll = QAccessible::queryAccessibleInterface(platform->widgetFor(b.LblLance));
    ASSERT_NE(roll, nullptr);
    EXPECT_EQ(roll->role(), QAccessible::Button);
    roll->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(b.Cam1.enabled(), 5000);
    b.CaseCible = 7;
    b.CmdLB_Click();
    QTest::mouseClick(platform->widgetFor(b.LblQuest), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(app->find<questions::FrmQuest>() && app->find<questions::FrmQuest>()->visible(), 5000);
    nameless.clear();
    expectNamed(QAccessible::queryAccessibleInterface(platform->widgetFor(*app->find<questions::FrmQuest>())), nameless, names);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();
}

}  // namespace sv::test
