// What a player does on the desktop program with the mouse, the keyboard or a screen reader:
// tokens released over any square, a double click that must not give a verdict, a name box
// clicked into, a turn from the keyboard alone. Also run on a small screen at 200 %.
#include <gtest/gtest.h>

#include "qt_input.h"

namespace sv::test {

namespace {

class QtPlay : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(start, nullptr); }
    board::FrmCSav& onePlayerBoard() {
        QTest::mouseClick(run.widget(start->CmdJouer(1)), Qt::LeftButton);
        auto* b = run.shown<board::FrmCSav>();
        if (!b) throw std::runtime_error("no board");
        return *b;
    }

    SavantoRun run;
    state::Module& m = run.m;
    screens::FrmBDema* start = run.start;
};

// A key as the keyboard gives it: to the widget with the focus in that window, or the window.
void press(QWidget* window, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key);
}

// The elements under `node` a screen reader can act on (buttons, options, fields, lists,
// anything with an action) that have no name; `names` gathers every name.
std::string nameless(QAccessibleInterface* node, QStringList& names) {
    if (!node || node->state().invisible) return "";
    static const QList<QAccessible::Role> acting = {QAccessible::Button,  QAccessible::PushButton, QAccessible::RadioButton,
                                                    QAccessible::CheckBox, QAccessible::EditableText, QAccessible::ComboBox,
                                                    QAccessible::List};
    const bool acts = acting.contains(node->role()) || (node->actionInterface() && !node->actionInterface()->actionNames().isEmpty());
    const QString name = node->text(QAccessible::Name);
    const char* kind = node->object() ? node->object()->metaObject()->className() : "?";
    std::string found = acts && name.isEmpty() ? std::string(kind) + " " : "";
    names << name;
    for (int i = 0; i < node->childCount(); ++i) found += nameless(node->child(i), names);
    return found;
}

}  // namespace

TEST_F(QtPlay, TheBoardIsWhollyOnTheScreenAndATokenReleasedOverEachSquareLandsOnIt) {
    board::FrmCSav& b = onePlayerBoard();
    QWidget* boardWidget = run.widget(b);
    // Drawn smaller when the screen is too small for it (a 1024-pixel screen at 200 %).
    const QRect free = boardWidget->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(boardWidget->frameGeometry())) << free.height() << " " << boardWidget->frameGeometry().height();
    const double scale = run.platform->scaleOf(b);
    if (free.height() < 598) {
        EXPECT_LT(scale, 1.0);
        EXPECT_EQ(boardWidget->height(), free.height());
    }
    for (int n = board::kSquares - 1; n >= 0; --n) {
        b.Cam1.setEnabled(true);
        b.game.moving = 1;
        QWidget* token = run.widget(b.Cam1);
        const auto& z = board::kZones[static_cast<std::size_t>(n)];
        const QPoint centre(static_cast<int>((z.left + z.width / 2) * scale / 15), static_cast<int>((z.top + z.height / 2) * scale / 15));
        drag(token, token->mapFromGlobal(boardWidget->mapToGlobal(centre)));
        EXPECT_EQ(b.LblCas1.caption(), std::to_string(n)) << "square " << n;
    }
}

TEST_F(QtPlay, AScreenReaderNamesEverythingAndTheSecondClickOfADoubleClickGivesNoVerdict) {
    board::FrmCSav& b = onePlayerBoard();
    QStringList names;
    EXPECT_EQ(nameless(QAccessible::queryAccessibleInterface(run.widget(b)), names), "");
    for (const char* expected : {"Case 11 : Divertissement", "Case 12 : relancez le dé", "Lancer le dé", "Son : activé", "Fermer",
                                 "Questions posées au joueur rouge : 0"}) {
        EXPECT_TRUE(names.contains(QString::fromUtf8(expected))) << expected;
    }
    // A command label is a button that a screen reader can press.
    QAccessibleInterface* roll = QAccessible::queryAccessibleInterface(run.widget(b.LblLance));
    ASSERT_NE(roll, nullptr);
    EXPECT_EQ(roll->role(), QAccessible::Button);
    roll->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(b.Cam1.enabled(), 5000);
    b.CaseCible = 7;
    b.CmdLB_Click();
    QTest::mouseClick(run.widget(b.LblQuest), Qt::LeftButton);
    auto* q = run.shown<questions::FrmQuest>();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(nameless(QAccessible::queryAccessibleInterface(run.widget(*q)), names), "");

    QWidget* continuer = run.widget(q->CmdContinuer);
    const QPoint spot(continuer->width() / 2, continuer->height() / 2);
    QTest::mouseClick(continuer, Qt::LeftButton, {}, spot);
    ASSERT_TRUE(q->CmdOui.visible());
    // "Oui" stands where "Continuer" was: the second click, 100 ms later, lands on it.
    QWidget* oui = run.widget(q->CmdOui);
    QTest::mouseClick(oui, Qt::LeftButton, {}, oui->mapFrom(continuer->window(), continuer->mapTo(continuer->window(), spot)), 100);
    EXPECT_NE(run.app->find<questions::FrmQuest>(), nullptr);
    EXPECT_EQ(m.RepJuste, 0);
    // Read, then clicked on purpose: the verdict counts.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(oui, Qt::LeftButton, {}, QPoint(oui->width() / 2, oui->height() / 2));
    EXPECT_EQ(m.RepJuste, 1);
    EXPECT_EQ(run.app->find<questions::FrmQuest>(), nullptr);
}

TEST_F(QtPlay, AClickIntoANameBoxSelectsTheNameAndTheCaretStaysWhereTheUserPutsIt) {
    QTest::mouseClick(run.widget(start->Opt2), Qt::LeftButton, {}, QPoint(6, 6));
    ASSERT_TRUE(start->Opt2.value());
    auto* box = qobject_cast<QLineEdit*>(run.widget(start->TxtJ2));
    ASSERT_NE(box, nullptr);
    ASSERT_FALSE(box->hasFocus());
    ASSERT_EQ(box->text(), QStringLiteral("Julien"));
    const QPoint middle(box->width() / 2, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), QStringLiteral("Julien"));
    // Typed over the selection, then into the middle of the name.
    QTest::keyClicks(box, QStringLiteral("Ale"));
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, QStringLiteral("ic"));
    EXPECT_EQ(start->TxtJ2.text(), "Alice");
    EXPECT_EQ(box->text(), QStringLiteral("Alice"));
    EXPECT_EQ(box->cursorPosition(), 4);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(box, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(box->selectedText().isEmpty());
}

TEST_F(QtPlay, ATurnIsPlayedFromTheKeyboardAlone) {
    QWidget* startWindow = run.widget(*start);
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
    auto* shownBoard = run.shown<board::FrmCSav>();
    ASSERT_NE(shownBoard, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(shownBoard->enabled() && QApplication::activeModalWidget() == nullptr, 5000);
    answerer.stop();
    auto& b = *shownBoard;
    QWidget* boardWindow = run.widget(b);
    const int side = state::sideNumber(m.JQuiJ);
    press(boardWindow, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT((side == 1 ? b.Cam1 : b.Cam2).enabled(), 5000);
    for (int k = 0; k < 5; ++k) press(boardWindow, Qt::Key_Left);
    EXPECT_TRUE(run.platform->widgetFor(*b.ImgCurseur)->isVisible());
    press(boardWindow, Qt::Key_Return);
    EXPECT_EQ((side == 1 ? b.LblCas1 : b.LblCas2).caption(), "43");
    press(boardWindow, Qt::Key_Q);
    auto* q = run.shown<questions::FrmQuest>();
    ASSERT_NE(q, nullptr);
    QWidget* questionWindow = run.widget(*q);
    QTRY_VERIFY_WITH_TIMEOUT(questionWindow->isActiveWindow(), 3000);
    // Enter reveals the answer ("Continuer" has the focus); then Tab to "Oui" and Enter.
    ASSERT_EQ(q->focusControl(), &q->CmdContinuer);
    press(questionWindow, Qt::Key_Return);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    for (int k = 0; k < 4 && q->focusControl() != &q->CmdOui; ++k) press(questionWindow, Qt::Key_Tab);
    ASSERT_EQ(q->focusControl(), &q->CmdOui);
    press(questionWindow, Qt::Key_Return);
    EXPECT_EQ(m.RepJuste, 1);
    QTRY_VERIFY_WITH_TIMEOUT(run.app->find<questions::FrmQuest>() == nullptr, 3000);
}

}  // namespace sv::test
