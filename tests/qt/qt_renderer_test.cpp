// The Qt renderer draws every control kind of a window and turns Qt's events into the
// model's events: a click, a drag onto a label, typing, and an answered message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <random>

#include "demo_program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"
#include "temp_folder.h"

namespace sv::test {
namespace fs = std::filesystem;

class QtRenderer : public ::testing::Test {
protected:
    void SetUp() override {
        folder = makeTempFolder("savanto-qt-", SAVANTO_TEST_DATA);
        platform = std::make_unique<ui::QtPlatform>(QStringLiteral("savanto-qt-test-") + QString::number(std::random_device{}()));
        app = std::make_unique<ui::App>(*platform, std::make_unique<DemoProgram>(), folder.string() + "/");
        platform->attach(app.get());
        app->start();
        demo = app->find<FrmDemo>();
        ASSERT_NE(demo, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(demo->visible(), 2000);
        top = platform->widgetFor(*demo);
        ASSERT_NE(top, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(top->isVisible(), 2000);
    }
    void TearDown() override {
        app.reset();
        platform.reset();
        removeFolder(folder);
    }
    template <class W>
    W* widget(const ui::Control& c) {
        return qobject_cast<W*>(platform->widgetFor(c));
    }
    static void send(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    fs::path folder;
    std::unique_ptr<ui::QtPlatform> platform;
    std::unique_ptr<ui::App> app;
    FrmDemo* demo = nullptr;
    QWidget* top = nullptr;
};

TEST_F(QtRenderer, DrawsEveryControlKindWhereTheModelPutsIt) {
    EXPECT_EQ(top->windowTitle(), QStringLiteral("Démonstration"));
    EXPECT_EQ(top->size(), QSize((6090 - 90) / 15, (4960 - 460) / 15));
    EXPECT_EQ(top->pos(), QPoint(67, 67));  // 1000 twips, rounded to pixels
    auto* label = widget<QLabel>(demo->LblArr(2));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Case 2"));
    EXPECT_EQ(label->geometry(), QRect(1200 / 15, 3750 / 15, 800 / 15, 300 / 15));
    ASSERT_NE(widget<QLabel>(demo->ImgFond), nullptr);
    EXPECT_FALSE(widget<QLabel>(demo->ImgFond)->pixmap().isNull());
    ASSERT_NE(widget<QPushButton>(demo->CmdOk), nullptr);
    EXPECT_EQ(widget<QPushButton>(demo->CmdOk)->text(), QStringLiteral("OK"));
    ASSERT_NE(widget<QLineEdit>(demo->TxtNom), nullptr);
    EXPECT_EQ(widget<QLineEdit>(demo->TxtNom)->maxLength(), 8);
    ASSERT_NE(widget<QGroupBox>(demo->FraChoix), nullptr);
    EXPECT_EQ(widget<QGroupBox>(demo->FraChoix)->title(), QStringLiteral("Choix"));
    ASSERT_NE(widget<QRadioButton>(demo->OptA), nullptr);
    EXPECT_EQ(widget<QRadioButton>(demo->OptA)->parentWidget(), widget<QGroupBox>(demo->FraChoix));
    ASSERT_NE(widget<QCheckBox>(demo->ChkSon), nullptr);
    ASSERT_NE(widget<QComboBox>(demo->CboDuree), nullptr);
    EXPECT_EQ(widget<QComboBox>(demo->CboDuree)->count(), 3);
    ASSERT_NE(widget<QListWidget>(demo->LstItems), nullptr);
    EXPECT_EQ(widget<QListWidget>(demo->LstItems)->count(), 2);

    // The model's changes reach the widgets.
    demo->LblInfo.setCaption("Case centrale\r\nsuite");
    EXPECT_EQ(widget<QLabel>(demo->LblInfo)->text(), QStringLiteral("Case centrale\nsuite"));
    demo->LblArr(2).setForeColor(16576);
    EXPECT_EQ(widget<QLabel>(demo->LblArr(2))->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    demo->CmdFin.setVisible(false);
    EXPECT_FALSE(widget<QPushButton>(demo->CmdFin)->isVisible());

    // A picture of how it looks, for people to check.
    top->grab().save(QDir::current().filePath(QStringLiteral("qt-demo-window.png")));
}

TEST_F(QtRenderer, ClicksTypingAndChoicesReachTheModel) {
    demo->Journal.clear();
    QTest::mouseClick(widget<QRadioButton>(demo->OptB), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(demo->OptB.value());
    QTest::mouseClick(widget<QCheckBox>(demo->ChkSon), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(demo->ChkSon.value());
    QLabel* lbl = widget<QLabel>(demo->LblArr(2));
    send(lbl, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(lbl, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(demo->Journal, "OptB_Click;ChkSon_Click=1;LblArr(2)_Click;");

    QLineEdit* edit = widget<QLineEdit>(demo->TxtNom);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("B"));
    QKeyEvent accent(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(edit, &accent);
    QTest::keyClicks(edit, QStringLiteral("renice Dupont"));
    EXPECT_EQ(demo->TxtNom.text(), "Bérenice");
    EXPECT_EQ(demo->focusControl(), &demo->TxtNom);
}

TEST_F(QtRenderer, DraggingAPictureOntoALabelDropsItThere) {
    QLabel* piece = widget<QLabel>(demo->ImgPiece);
    QLabel* target = widget<QLabel>(demo->LblCible);
    const QPoint start(10, 10);
    const QPoint aim = target->mapTo(top, QPoint(30, 20));  // 450, 300 twips within the label
    const QPoint aimInPiece = piece->mapFrom(top, aim);
    send(piece, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, start + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, aimInPiece, Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseButtonRelease, aimInPiece, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(demo->Depot, "ImgPiece@450,300");
}

TEST_F(QtRenderer, AMessageBoxBreaksItsLinesOnlyWhereTheProgramDoes) {
    const std::string line = "Faites  appel à  votre culture  générale en  répondant à différentes  questions";
    int natural = 0, shown = 0;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        natural = label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, label->text()).height();
        shown = label->heightForWidth(label->width());
        box->buttons().first()->click();
    });
    platform->messageBox({line + "\r\n" + line + "\r\n" + line, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto", 1});
    EXPECT_GT(natural, 0);
    EXPECT_EQ(shown, natural);
}

TEST_F(QtRenderer, MessageBoxesAreFrenchAndTheirAnswerReachesTheHandler) {
    QString title, text;
    QStringList buttons;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text().replace(QChar(0x00A0), QLatin1Char(' '));
        QAbstractButton* no = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            buttons << b->text();
            if (b->text() == QStringLiteral("Non")) no = b;
        }
        ASSERT_NE(no, nullptr);
        no->click();
    });
    QTest::mouseClick(widget<QPushButton>(demo->CmdOk), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("Savanto"));
    EXPECT_EQ(text, QStringLiteral("Voulez-vous continuer ?"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
    EXPECT_EQ(demo->Reponse, ui::kMsgNo);
    EXPECT_EQ(widget<QLabel>(demo->LblInfo)->text(), QStringLiteral("Non"));
}

TEST_F(QtRenderer, ASecondInstanceIsRefusedUntilTheFirstGoes) {
    const QString name = QStringLiteral("savanto-qt-lock-") + QString::number(std::random_device{}());
    auto first = std::make_unique<ui::QtPlatform>(name);
    EXPECT_FALSE(first->previousInstance());
    ui::QtPlatform second(name);
    EXPECT_TRUE(second.previousInstance());
    first.reset();
    EXPECT_FALSE(second.previousInstance());
}

}  // namespace sv::test

// Qt's multimedia and network libraries keep what they allocate until the process ends.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

// savanto_qt_tests [--screen=CONFIG.json] [--scale=FACTOR] [gtest flags]: by default an
// offscreen screen; --screen gives the offscreen screen's size from a file, --scale the
// screen's scale factor.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery) needs no screen at all.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    QByteArray platform = qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--screen=")) platform = "offscreen:configfile=" + arg.mid(9);
        if (arg.startsWith("--scale=")) qputenv("QT_SCALE_FACTOR", arg.mid(8));
    }
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication qapp(argc, argv);
    return RUN_ALL_TESTS();
}
