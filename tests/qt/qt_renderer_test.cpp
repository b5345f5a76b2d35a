// The Qt renderer draws every control kind of a window and turns Qt's events into the
// model's events: a click, a drag onto a label, typing, and an answered message box.
#include <gtest/gtest.h>

#include <functional>

#include "demo_program.h"
#include "qt_input.h"

namespace sv::test {

class QtRenderer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(top, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(top->isVisible(), 2000);
    }
    // The control's widget, which must be of kind W.
    template <class W>
    W& widget(const ui::Control& c) {
        if (auto* w = qobject_cast<W*>(run.widget(c))) return *w;
        throw std::runtime_error("no widget of the expected kind for " + c.qualifiedName());
    }
    // Shows the next message box to `look`, then presses its button `answer` (else its first).
    static void onNextBox(std::function<void(QMessageBox&)> look, const QString& answer = {}) {
        QTimer::singleShot(100, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            look(*box);
            QAbstractButton* pressed = box->buttons().first();
            for (QAbstractButton* b : box->buttons()) pressed = b->text() == answer ? b : pressed;
            pressed->click();
        });
    }

    QtRun run{std::make_unique<DemoProgram>(), SAVANTO_TEST_DATA};
    FrmDemo* demo = run.shown<FrmDemo>(2000);
    QWidget* top = demo ? run.widget(*demo) : nullptr;
};

TEST_F(QtRenderer, DrawsEveryControlKindWhereTheModelPutsIt) {
    EXPECT_EQ(top->windowTitle(), QStringLiteral("Démonstration"));
    EXPECT_EQ(top->size(), QSize((6090 - 90) / 15, (4960 - 460) / 15));
    EXPECT_EQ(top->pos(), QPoint(67, 67));  // 1000 twips, rounded to pixels
    EXPECT_EQ(widget<QLabel>(demo->LblArr(2)).text(), QStringLiteral("Case 2"));
    EXPECT_EQ(widget<QLabel>(demo->LblArr(2)).geometry(), QRect(1200 / 15, 3750 / 15, 800 / 15, 300 / 15));
    EXPECT_FALSE(widget<QLabel>(demo->ImgFond).pixmap().isNull());
    EXPECT_EQ(widget<QPushButton>(demo->CmdOk).text(), QStringLiteral("OK"));
    EXPECT_EQ(widget<QLineEdit>(demo->TxtNom).maxLength(), 8);
    EXPECT_EQ(widget<QGroupBox>(demo->FraChoix).title(), QStringLiteral("Choix"));
    EXPECT_EQ(widget<QRadioButton>(demo->OptA).parentWidget(), &widget<QGroupBox>(demo->FraChoix));
    EXPECT_EQ(widget<QComboBox>(demo->CboDuree).count(), 3);
    EXPECT_EQ(widget<QListWidget>(demo->LstItems).count(), 2);

    // The model's changes reach the widgets.
    demo->LblInfo.setCaption("Case centrale\r\nsuite");
    EXPECT_EQ(widget<QLabel>(demo->LblInfo).text(), QStringLiteral("Case centrale\nsuite"));
    demo->LblInfo.setCaption("« Qui ? » : oui");  // a wrapped line never starts with a sign
    EXPECT_EQ(widget<QLabel>(demo->LblInfo).text(), QStringLiteral("«\u00A0Qui\u00A0?\u00A0»\u00A0: oui"));
    demo->LblArr(2).setForeColor(16576);
    EXPECT_EQ(widget<QLabel>(demo->LblArr(2)).palette().color(QPalette::WindowText), QColor(192, 64, 0));
    demo->CmdFin.setVisible(false);
    EXPECT_FALSE(widget<QPushButton>(demo->CmdFin).isVisible());
    top->grab().save(QDir::current().filePath(QStringLiteral("qt-demo-window.png")));  // for people to look at
}

TEST_F(QtRenderer, ClicksTypingAndChoicesReachTheModel) {
    demo->Journal.clear();
    click(&widget<QRadioButton>(demo->OptB));
    EXPECT_TRUE(demo->OptB.value());
    click(&widget<QCheckBox>(demo->ChkSon));
    EXPECT_TRUE(demo->ChkSon.value());
    click(&widget<QLabel>(demo->LblArr(2)));
    EXPECT_EQ(demo->Journal, "OptB_Click;ChkSon_Click=1;LblArr(2)_Click;");

    // Typed past the box's 8 characters, an accent given as text only.
    QLineEdit& edit = widget<QLineEdit>(demo->TxtNom);
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("B"));
    QKeyEvent accent(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(&edit, &accent);
    QTest::keyClicks(&edit, QStringLiteral("renice Dupont"));
    EXPECT_EQ(demo->TxtNom.text(), "Bérenice");
    EXPECT_EQ(demo->focusControl(), &demo->TxtNom);
}

TEST_F(QtRenderer, DraggingAPictureOntoALabelDropsItThere) {
    QLabel& piece = widget<QLabel>(demo->ImgPiece);
    drag(&piece, piece.mapFrom(top, widget<QLabel>(demo->LblCible).mapTo(top, QPoint(30, 20))));
    EXPECT_EQ(demo->Depot, "ImgPiece@450,300");  // twips within the label
}

TEST_F(QtRenderer, AMessageBoxBreaksItsLinesOnlyWhereTheProgramDoes) {
    const std::string line = "Faites  appel à  votre culture  générale en  répondant à différentes  questions";
    int natural = 0, shown = 0;
    onNextBox([&](QMessageBox& box) {
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        natural = label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, label->text()).height();
        shown = label->heightForWidth(label->width());
    });
    run.platform->messageBox({line + "\r\n" + line + "\r\n" + line, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto", 1});
    EXPECT_GT(natural, 0);
    EXPECT_EQ(shown, natural);
}

TEST_F(QtRenderer, MessageBoxesAreFrenchAndTheirAnswerReachesTheHandler) {
    QString seen;  // title | text | buttons
    onNextBox([&](QMessageBox& box) {
        QStringList buttons;
        for (QAbstractButton* b : box.buttons()) buttons << b->text();
        buttons.sort();
        seen = box.windowTitle() + "|" + box.text().replace(QChar(0x00A0), QLatin1Char(' ')) + "|" + buttons.join(' ');
    }, QStringLiteral("Non"));
    click(&widget<QPushButton>(demo->CmdOk));
    EXPECT_EQ(seen.toStdString(), "Savanto|Voulez-vous continuer ?|Non Oui");
    EXPECT_EQ(demo->Reponse, ui::kMsgNo);
    EXPECT_EQ(widget<QLabel>(demo->LblInfo).text(), QStringLiteral("Non"));
}

TEST(QtPlatform, ASecondInstanceIsRefusedUntilTheFirstGoes) {
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

// savanto_qt_tests [--screen=CONFIG.json] [--scale=FACTOR] [gtest flags]: an offscreen screen,
// its size read from CONFIG, its scale factor FACTOR.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // CTest's discovery needs no screen
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
