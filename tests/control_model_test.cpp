#include <fstream>

#include "headless_fixture.h"

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

TEST_F(ControlModel, OptionsCheckBoxesAndListsClickWhenTheirValueChanges) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.OptA.setValue(true);
    w.OptC.setValue(true);
    EXPECT_TRUE(w.OptA.value());  // OptC sits outside the frame
    app->userClick(w.OptB);
    EXPECT_FALSE(w.OptA.value());
    EXPECT_TRUE(w.OptB.value());
    w.OptB.setValue(true);  // no change, no click
    app->userClick(w.OptB);  // a user click on the selected option still clicks
    app->userClick(w.ChkSon);
    app->userClick(w.ChkSon);
    w.CboDuree.setListIndex(1);
    EXPECT_EQ(w.CboDuree.text(), "2 mn");
    w.CboDuree.setListIndex(1);
    app->userChoose(w.LstItems, 0);
    EXPECT_EQ(w.Journal, "OptA_Click;OptC_Click;OptB_Click;OptB_Click;ChkSon_Click=1;ChkSon_Click=0;CboDuree_Click=2 mn;"
                         "LstItems_Click=0;");
    EXPECT_THROW(w.LstItems.setListIndex(5), RuntimeError);
}

TEST_F(ControlModel, PicturesReportMissingAndInvalidFilesAndTakeTheirOwnSize) {
    FrmDemo& w = started();
    const std::string before = w.ImgPiece.pictureName();
    EXPECT_EQ(raised([&] { w.ImgPiece.loadFile(app->programFolder() + "absent.gif"); }).first, 53);
    std::ofstream(folder / "texte.gif") << "pas une image";
    EXPECT_EQ(raised([&] { w.ImgPiece.loadFile(app->programFolder() + "texte.gif"); }).first, 481);
    EXPECT_EQ(w.ImgPiece.pictureName(), before);
    EXPECT_THROW(w.ImgPiece.loadResource("NOPE"), RuntimeError);
    // Not stretched: the control takes the picture's size, 40 x 30 pixels.
    w.ImgFond.setStretch(false);
    w.ImgFond.loadFile(app->programFolder() + "demo.gif");
    EXPECT_EQ(w.ImgFond.width(), 600);
    EXPECT_EQ(w.ImgFond.height(), 450);
}

TEST_F(ControlModel, ControlArraysAndContainers) {
    FrmDemo& w = started();
    EXPECT_EQ(w.LblArr(2).qualifiedName(), "LblArr(2)");
    EXPECT_EQ(raised([&] { w.LblArr(4); }).first, 340);
    w.FraChoix.setVisible(false);
    EXPECT_TRUE(w.OptA.visible());
    EXPECT_FALSE(w.OptA.effectivelyVisible());
    w.FraChoix.setEnabled(false);
    EXPECT_FALSE(w.OptB.effectivelyEnabled());
    EXPECT_TRUE(w.OptC.effectivelyEnabled());
}

// Enter clicks the focused button; a text box keeps at most its length in characters, drops what
// the files cannot store, is wholly selected by the focus (the next key replaces it) and takes keys.
TEST_F(ControlModel, KeysAndTypingInTheFocusedControl) {
    FrmDemo& w = started();
    platform.queueAnswer(ui::kMsgNo);
    app->userFocus(w.CmdOk);
    app->userKey(w, "enter");
    EXPECT_EQ(w.Reponse, ui::kMsgNo);
    w.TxtNom.setText("Frédérique");
    EXPECT_EQ(w.TxtNom.text(), "Frédériq");
    app->userType(w.TxtNom, "Zoë日本");
    EXPECT_EQ(w.TxtNom.text(), "Zoë");
    app->userFocus(w.TxtNom);
    EXPECT_EQ(w.TxtNom.selStart(), 0);
    EXPECT_EQ(w.TxtNom.selLength(), 3);
    app->userKey(w, "Z");
    EXPECT_EQ(w.TxtNom.text(), "Z");
    app->userType(w.TxtNom, "Al");
    app->userKey(w, "é");
    EXPECT_EQ(w.TxtNom.text(), "Alé");
    w.TxtNom.setReadOnly(true);
    app->userKey(w, "x");
    app->userType(w.TxtNom, "abc");
    EXPECT_EQ(w.TxtNom.text(), "Alé");
}

}  // namespace sv::test
