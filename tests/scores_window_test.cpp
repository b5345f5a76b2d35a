#include "board/frm_csav.h"
#include "program_fixture.h"
#include "records/frm_detail_scor.h"
#include "screens/frm_bdema.h"
#include "ui/files.h"

namespace sv::test {

// The best-scores window over a board, with "bestscor.ret" as each test leaves it.
class ScoresWindow : public ProgramFixture {
protected:
    records::FrmDetailScor& opened() {
        app->start();
        platform.advance(200);
        app->userClick(app->find<screens::FrmBDema>()->CmdJouer(1));
        platform.advance(1720 + 750);
        app->userClick(app->find<board::FrmCSav>()->LblMeilleurs);
        platform.advance(200);
        return *app->find<records::FrmDetailScor>();
    }
    static std::string records(int n) {
        std::string t;
        for (int i = 0; i < n; ++i) t += std::to_string(10 + i % 90) + "   01/01/26  10:00  Champion     50    2\r\n";
        return t;
    }
    const std::filesystem::path file() const { return folder / "bestscor.ret"; }
};

TEST_F(ScoresWindow, AFileThatCannotBeReadIsReportedNotTakenForNone) {
    std::filesystem::create_directories(file() / "x");
    opened();
    EXPECT_EQ(m->ErrLieu, 114);
    for (const auto& box : platform.messageBoxes()) EXPECT_EQ(box.request.text.find("Aucun score"), std::string::npos);
}

TEST_F(ScoresWindow, AFailedTrimIsReportedAndTheViewsStillWork) {
    files::writeTextAtomic(file(), records(70));
    std::filesystem::create_directory(folder / "bestscor.ret.tmp~");  // the shorter table cannot be written
    records::FrmDetailScor& w = opened();
    EXPECT_EQ(m->ErrLieu, 114);
    EXPECT_EQ(w.LST.listCount(), 30);
    EXPECT_TRUE(w.Opt4.enabled());
    EXPECT_TRUE(w.CmdEffacer.enabled());
    EXPECT_EQ(files::readText(file()), records(70));
}

TEST_F(ScoresWindow, AFailedClearingIsReportedAndTheTableStaysShown) {
    files::writeTextAtomic(file(), records(5));
    records::FrmDetailScor& w = opened();
    ASSERT_EQ(w.LST.listCount(), 5);
    // Something that cannot be deleted now stands where the file was.
    std::filesystem::remove(file());
    std::filesystem::create_directories(file() / "x");
    platform.queueAnswer(ui::kMsgYes);
    app->userClick(w.CmdEffacer);
    EXPECT_EQ(m->ErrLieu, 107);
    EXPECT_EQ(w.LST.listCount(), 5);
    EXPECT_TRUE(w.CmdEffacer.enabled());
    EXPECT_TRUE(w.Opt4.enabled());
}

}  // namespace sv::test
