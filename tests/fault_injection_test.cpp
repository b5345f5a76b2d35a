// Every write the program makes, with each of its disk operations failing in turn: the old
// file is whole or the new one is, no temporary file is left, and the failure is reported
// exactly when the new data is not there.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>

#include "board/frm_csav.h"
#include "records/frm_detail_scor.h"
#include "records/options.h"
#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "temp_folder.h"
#include "ui/app.h"
#include "ui/files.h"
#include "ui/headless/headless_platform.h"

namespace sv::test {
namespace fs = std::filesystem;

namespace {

// A fresh program in a fresh folder.
struct Program {
    Program() : folder(makeTempFolder("savanto-fault-", SAVANTO_ASSET_DIR)) {
        auto program = std::make_unique<SavantoProgram>();
        m = &program->module();
        app = std::make_unique<ui::App>(platform, std::move(program), folder.string() + "/");
        platform.attach(app.get());
    }
    ~Program() {
        files::setFaultHook({});
        app.reset();
        removeFolder(folder);
    }
    board::FrmCSav& board(int type = 1) {
        app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        if (type == 2) app->userClick(start.Opt2);
        app->userClick(start.CmdJouer(type));
        platform.queueRandom(0.1);
        platform.advance(1720 + 750);
        return *app->find<board::FrmCSav>();
    }
    std::optional<std::string> content(const std::string& name) const {
        return files::exists(folder / name) ? std::optional(files::readText(folder / name)) : std::nullopt;
    }
    bool temporaryLeft() const {
        for (const auto& e : fs::directory_iterator(folder)) {
            if (e.path().string().ends_with(".tmp~")) return true;
        }
        return false;
    }
    fs::path folder;
    ui::HeadlessPlatform platform;
    std::unique_ptr<ui::App> app;
    state::Module* m = nullptr;
};

std::string records(int count, int score) {
    std::string t;
    for (int i = 0; i < count; ++i) t += std::to_string(score - i % 40) + "   01/01/26  10:00  Champion     100    2\r\n";
    return t;
}

// A write the program makes: the folder and program brought to the moment before it, the act,
// the file it writes and how a failure shows.
struct Story {
    const char* name;
    std::string file;
    std::function<void(Program&)> arrange;
    std::function<void(Program&)> act;
    std::function<bool(Program&)> failureTold;
};

bool reportedAt(Program& r, int where) { return r.app->find("FrmErr") != nullptr && r.m->ErrLieu == where; }

const Story kStories[] = {
    {"options on closing", "option.ret",
     [](Program& r) {
         files::writeTextAtomic(r.folder / "option.ret", records::encodeOptions({}));
         r.board();
         r.m->Duree = 45;
     },
     [](Program& r) { r.app->userClick(r.app->find<board::FrmCSav>()->LblQuit); },
     [](Program& r) {
         return !r.platform.messageBoxes().empty() &&
                r.platform.messageBoxes().back().request.text.starts_with("Les options n'ont pas pu");
     }},
    {"game saved", "Partie.par",
     [](Program& r) {
         files::writeTextAtomic(r.folder / "Partie.par", "une ancienne partie\r\n");
         r.board(2);
         r.platform.queueDialog((r.folder / "Partie.par").string());
     },
     [](Program& r) {
         auto& b = *r.app->find<board::FrmCSav>();
         r.app->dispatch([&b] { b.Enregistrer(); });
     },
     [](Program& r) { return reportedAt(r, 103); }},
    {"score added", "bestscor.ret",
     [](Program& r) {
         files::writeTextAtomic(r.folder / "bestscor.ret", records(3, 60));
         auto& b = r.board();
         b.game.side(1).asked = 7;
         b.game.side(1).right = 7;
         b.game.side(1).score = 100;
         b.TimFin.setInterval(1000);
         r.platform.queueAnswer(ui::kMsgYes);
     },
     [](Program& r) { r.platform.advance(1000); },
     [](Program& r) { return reportedAt(r, 119); }},
    {"table trimmed", "bestscor.ret",
     [](Program& r) {
         files::writeTextAtomic(r.folder / "bestscor.ret", records(65, 99));
         r.app->start();
         r.platform.advance(200);
     },
     [](Program& r) {
         r.app->load("FrmDetailScor");
         r.platform.advance(500);
     },
     [](Program& r) { return reportedAt(r, 114); }},
    {"table cleared", "bestscor.ret",
     [](Program& r) {
         files::writeTextAtomic(r.folder / "bestscor.ret", records(5, 80));
         r.app->start();
         r.platform.advance(200);
         r.app->load("FrmDetailScor");
         r.platform.advance(500);
         r.platform.queueAnswer(ui::kMsgYes);
     },
     [](Program& r) { r.app->userClick(r.app->find<records::FrmDetailScor>()->CmdEffacer); },
     [](Program& r) { return reportedAt(r, 107); }},
};

}  // namespace

TEST(FaultInjection, EveryWriteKeepsTheOldFileOrTheNewWholeAndSaysSoExactly) {
    for (const Story& story : kStories) {
        // Without a fault: what the new file is, and how many disk operations the act makes.
        std::optional<std::string> before, after;
        int operations = 0;
        {
            Program r;
            story.arrange(r);
            before = r.content(story.file);
            files::setFaultHook([&operations](std::string_view) {
                ++operations;
                return 0;
            });
            story.act(r);
            files::setFaultHook({});
            after = r.content(story.file);
            ASSERT_TRUE(before != after) << story.name;
            EXPECT_FALSE(story.failureTold(r)) << story.name;
        }
        ASSERT_GT(operations, 0) << story.name;
        for (int failing = 1; failing <= operations; ++failing) {
            for (int error : {EIO, ENOSPC, EACCES}) {
                Program r;
                story.arrange(r);
                int seen = 0;
                files::setFaultHook([&seen, failing, error](std::string_view) { return ++seen == failing ? error : 0; });
                story.act(r);
                files::setFaultHook({});
                const auto now = r.content(story.file);
                const std::string where = std::string(story.name) + ", operation " + std::to_string(failing) + ", error " +
                                          std::to_string(error);
                EXPECT_TRUE(now == before || now == after) << where;
                EXPECT_FALSE(r.temporaryLeft()) << where;
                EXPECT_EQ(story.failureTold(r), now != after) << where;
            }
        }
    }
}

}  // namespace sv::test
