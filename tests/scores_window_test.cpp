#include "game_fixture.h"
#include "records/frm_detail_scor.h"
#include "ui/files.h"

namespace sv::test {

// The best-scores window over a board, with "bestscor.ret" as each test leaves it.
class ScoresWindow : public GameFixture {
protected:
    records::FrmDetailScor& opened() {
        app->userClick(game(1, 0, 1720 + 750).LblMeilleurs);
        platform.advance(200);
        return *app->find<records::FrmDetailScor>();
    }
    const std::filesystem::path file() const { return folder / "bestscor.ret"; }
};

TEST_F(ScoresWindow, AFileThatCannotBeReadIsReportedNotTakenForNone) {
    std::filesystem::create_directories(file() / "x");
    opened();
    EXPECT_EQ(m->ErrLieu, 114);
    for (const auto& box : platform.messageBoxes()) EXPECT_EQ(box.request.text.find("Aucun score"), std::string::npos);
}

TEST_F(ScoresWindow, AFailedTrimOrClearingIsReportedAndTheTableStaysShownAndUsable) {
    std::string table;
    for (int i = 0; i < 70; ++i) table += std::to_string(10 + i) + "   01/01/26  10:00  Champion     50    2\r\n";
    files::writeTextAtomic(file(), table);
    std::filesystem::create_directory(folder / "bestscor.ret.tmp~");  // the shorter table cannot be written
    records::FrmDetailScor& w = opened();  // reported as 114, as the fault-injection test checks
    EXPECT_EQ(w.LST.listCount(), 30);
    EXPECT_TRUE(w.Opt4.enabled());
    EXPECT_TRUE(w.CmdEffacer.enabled());
    app->unload(*app->find("FrmErr"));
    // Something that cannot be deleted now stands where the file was.
    std::filesystem::remove(file());
    std::filesystem::create_directories(file() / "x");
    platform.queueAnswer(ui::kMsgYes);
    app->userClick(w.CmdEffacer);
    EXPECT_EQ(m->ErrLieu, 107);
    EXPECT_EQ(w.LST.listCount(), 30);
    EXPECT_TRUE(w.CmdEffacer.enabled());
    EXPECT_TRUE(w.Opt4.enabled());
}

}  // namespace sv::test
