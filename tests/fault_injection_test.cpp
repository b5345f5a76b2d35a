// Every write the program makes, each of its disk operations failing in turn: the old file or the new
// is whole, no temporary file is left, and the failure is reported exactly when the new data is not there.
#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>

#include "board/frm_csav.h"
#include "program_fixture.h"
#include "records/frm_detail_scor.h"
#include "records/options.h"
#include "screens/frm_bdema.h"
#include "ui/files.h"

namespace sv::test {
namespace {

struct Program : HeadlessRun<SavantoProgram> {
    Program() : HeadlessRun("savanto-fault-", SAVANTO_ASSET_DIR) {}
    ~Program() { files::setFaultHook({}); }
    board::FrmCSav& board(int type = 1) {
        started();
        auto& start = *app->find<screens::FrmBDema>();
        if (type == 2) app->userClick(start.Opt2);
        app->userClick(start.CmdJouer(type));
        platform.queueRandom(0.1);
        platform.advance(1720 + 750);
        return *app->find<board::FrmCSav>();
    }
    void started() {
        app->start();
        platform.advance(200);
    }
    void scores() {
        app->load("FrmDetailScor");
        platform.advance(500);
    }
    std::optional<std::string> content(const std::string& name) const {
        return files::exists(folder / name) ? std::optional(files::readText(folder / name)) : std::nullopt;
    }
    bool temporaryLeft() const {
        return std::ranges::any_of(std::filesystem::directory_iterator(folder),
                                   [](const auto& e) { return e.path().string().ends_with(".tmp~"); });
    }
    // A write failure is reported in the error window with the place's number, or for the options in a message.
    bool told(int where) {
        if (where != 0) return app->find("FrmErr") != nullptr && program->module().ErrLieu == where;
        const auto& boxes = platform.messageBoxes();
        return !boxes.empty() && boxes.back().request.title == "Savanto" &&
               boxes.back().request.icon == ui::MsgIcon::Exclamation &&
               boxes.back().request.text == "Les options n'ont pas pu être enregistrées dans le fichier « option.ret »."
                                            "\r\n\r\nErreur d'accès au chemin/fichier.";
    }
};

std::string records(int count, int score) {
    std::string t;
    for (int i = 0; i < count; ++i) t += std::to_string(score - i % 40) + "   01/01/26  10:00  Champion     100    2\r\n";
    return t;
}

// A write the program makes: the file it writes and its old content, the program brought to the
// moment before it, the act, and where a failure is reported.
struct Story {
    const char* name;
    std::string file, old;
    std::function<void(Program&)> arrange, act;
    int where;
};

const Story kStories[] = {
    {"options on closing", "option.ret", records::encodeOptions({}),
     [](Program& r) {
         r.board();
         r.program->module().Duree = 45;
     },
     [](Program& r) { r.app->userClick(r.app->find<board::FrmCSav>()->LblQuit); }, 0},
    {"game saved", "Partie.par", "une ancienne partie\r\n",
     [](Program& r) {
         r.board(2);
         r.platform.queueDialog((r.folder / "Partie.par").string());
     },
     [](Program& r) { r.app->dispatch([&r] { r.app->find<board::FrmCSav>()->Enregistrer(); }); }, 103},
    {"score added", "bestscor.ret", records(3, 60),
     [](Program& r) {
         auto& b = r.board();
         b.game.side(1).asked = 7;
         b.game.side(1).right = 7;
         b.game.side(1).score = 100;
         b.TimFin.setInterval(1000);
         r.platform.queueAnswer(ui::kMsgYes);
     },
     [](Program& r) { r.platform.advance(1000); }, 119},
    {"table trimmed", "bestscor.ret", records(65, 99), [](Program& r) { r.started(); },
     [](Program& r) { r.scores(); }, 114},
    {"table cleared", "bestscor.ret", records(5, 80),
     [](Program& r) {
         r.started();
         r.scores();
         r.platform.queueAnswer(ui::kMsgYes);
     },
     [](Program& r) { r.app->userClick(r.app->find<records::FrmDetailScor>()->CmdEffacer); }, 107},
};

}  // namespace

TEST(FaultInjection, EveryWriteKeepsTheOldFileOrTheNewWholeAndSaysSoExactly) {
    for (const Story& story : kStories) {
        // Run 0 fails nothing, gives the new file and counts the disk operations of the act.
        std::optional<std::string> after;
        int operations = 0;
        for (int failing = 0; failing <= operations; ++failing) {
            for (int error : failing == 0 ? std::vector{0} : std::vector{EIO, ENOSPC, EACCES}) {
                Program r;
                files::writeTextAtomic(r.folder / story.file, story.old);
                story.arrange(r);
                const auto before = r.content(story.file);
                int seen = 0;
                files::setFaultHook([&](std::string_view) { return ++seen == failing ? error : 0; });
                story.act(r);
                files::setFaultHook({});
                const auto now = r.content(story.file);
                const std::string at = std::string(story.name) + ", operation " + std::to_string(failing) +
                                          ", error " + std::to_string(error);
                if (failing == 0) {
                    after = now;
                    operations = seen;
                    ASSERT_TRUE(before != after && operations > 0) << at;
                }
                EXPECT_TRUE(now == before || now == after) << at;
                EXPECT_FALSE(r.temporaryLeft()) << at;
                EXPECT_EQ(r.told(story.where), now != after) << at;
            }
        }
    }
}

}  // namespace sv::test
