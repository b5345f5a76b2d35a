#include <fstream>

#include "headless_fixture.h"
#include "ui/error.h"

namespace sv::test {

using ControlModel = HeadlessFixture;

TEST_F(ControlModel, SettingACaptionRunsTheChangeHandlerInsideTheSetterOnlyForANewValue) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.LblInfo.setCaption("Case centrale");
    // The handler has already run when the setter returns.
    EXPECT_EQ(w.NbChange, 1);
    EXPECT_EQ(w.Journal, "LblInfo_Change;");
    w.LblInfo.setCaption("Case centrale");
    EXPECT_EQ(w.NbChange, 1);
    w.LblInfo.setCaption("");
    EXPECT_EQ(w.NbChange, 2);
}

TEST_F(ControlModel, ATextBoxKeepsAtMostItsMaximumLengthInCharacters) {
    FrmDemo& w = started();
    w.TxtNom.setText("Frédérique");
    EXPECT_EQ(w.TxtNom.text(), "Frédériq");
    app->userType(w.TxtNom, "Zoë日本");
    EXPECT_EQ(w.TxtNom.text(), "Zoë");  // typing drops what the files cannot store
    app->userFocus(w.TxtNom);
    EXPECT_EQ(w.TxtNom.selStart(), 0);
    EXPECT_EQ(w.TxtNom.selLength(), 3);
}

TEST_F(ControlModel, OptionButtonsAreExclusiveWithinTheirContainerOnly) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.OptA.setValue(true);
    w.OptC.setValue(true);
    EXPECT_TRUE(w.OptA.value());  // OptC sits outside the frame
    EXPECT_EQ(w.Journal, "OptA_Click;OptC_Click;");
    app->userClick(w.OptB);
    EXPECT_FALSE(w.OptA.value());
    EXPECT_TRUE(w.OptB.value());
    w.OptB.setValue(true);  // no change, no click
    app->userClick(w.OptB);  // a user click on the selected option still clicks
    EXPECT_EQ(w.Journal, "OptA_Click;OptC_Click;OptB_Click;OptB_Click;");
}

TEST_F(ControlModel, CheckBoxesAndListsRunTheirClickWhenTheValueChanges) {
    FrmDemo& w = started();
    w.Journal.clear();
    app->userClick(w.ChkSon);
    app->userClick(w.ChkSon);
    w.CboDuree.setListIndex(1);
    EXPECT_EQ(w.CboDuree.text(), "2 mn");
    w.CboDuree.setListIndex(1);
    app->userChoose(w.LstItems, 0);
    EXPECT_EQ(w.Journal, "ChkSon_Click=1;ChkSon_Click=0;CboDuree_Click=2 mn;LstItems_Click=0;");
    EXPECT_THROW(w.LstItems.setListIndex(5), RuntimeError);
}

TEST_F(ControlModel, PicturesReportMissingAndInvalidFilesAndTakeTheirOwnSize) {
    FrmDemo& w = started();
    const std::string before = w.ImgPiece.pictureName();
    try {
        w.ImgPiece.loadFile(app->programFolder() + "absent.gif");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
    }
    std::ofstream(folder / "texte.gif") << "pas une image";
    try {
        w.ImgPiece.loadFile(app->programFolder() + "texte.gif");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 481);
    }
    EXPECT_EQ(w.ImgPiece.pictureName(), before);
    EXPECT_THROW(w.ImgPiece.loadResource("NOPE"), RuntimeError);
    // Not stretched: the control takes the picture's size, 40 x 30 pixels.
    w.LblArr(1).setCaption("x");
    w.ImgFond.setStretch(false);
    w.ImgFond.loadFile(app->programFolder() + "demo.gif");
    EXPECT_EQ(w.ImgFond.width(), 600);
    EXPECT_EQ(w.ImgFond.height(), 450);
}

TEST_F(ControlModel, ControlArraysAndContainers) {
    FrmDemo& w = started();
    EXPECT_EQ(w.LblArr(2).caption(), "Case 2");
    EXPECT_EQ(w.LblArr(2).qualifiedName(), "LblArr(2)");
    try {
        w.LblArr(4);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 340);
    }
    w.FraChoix.setVisible(false);
    EXPECT_TRUE(w.OptA.visible());
    EXPECT_FALSE(w.OptA.effectivelyVisible());
    w.FraChoix.setEnabled(false);
    EXPECT_FALSE(w.OptB.effectivelyEnabled());
    EXPECT_TRUE(w.OptC.effectivelyEnabled());
}

TEST_F(ControlModel, KeysClickTheFocusedButtonOrTypeIntoTheFocusedBox) {
    FrmDemo& w = started();
    platform.queueAnswer(ui::kMsgNo);
    app->userFocus(w.CmdOk);
    app->userKey(w, "enter");
    EXPECT_EQ(w.Reponse, ui::kMsgNo);
    app->userFocus(w.TxtNom);
    app->userType(w.TxtNom, "Al");
    app->userKey(w, "é");
    EXPECT_EQ(w.TxtNom.text(), "Alé");
    // The focus selects the whole name: the next key replaces it.
    app->userFocus(w.TxtNom);
    app->userKey(w, "Z");
    EXPECT_EQ(w.TxtNom.text(), "Z");
    w.TxtNom.setReadOnly(true);
    app->userKey(w, "x");
    app->userType(w.TxtNom, "abc");
    EXPECT_EQ(w.TxtNom.text(), "Z");
}

}  // namespace sv::test
