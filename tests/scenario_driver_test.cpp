#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "demo_program.h"
#include "scenario.h"
#include "temp_folder.h"

namespace sv::scenario {
namespace fs = std::filesystem;

class ScenarioDriver : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test::makeTempFolder("savanto-sim-");
    }
    void TearDown() override { test::removeFolder(dir); }

    // Writes the scripts, runs them in order and returns the exit status; output in `out`.
    int run(const std::vector<std::pair<std::string, std::string>>& scripts, std::optional<std::string> keep = {},
            const std::string& input = "") {
        std::vector<std::string> paths;
        for (const auto& [name, text] : scripts) {
            if (name == "-") {
                paths.push_back("-");
                continue;
            }
            std::ofstream(dir / name) << text;
            paths.push_back((dir / name).string());
        }
        Options options;
        options.assetDir = SAVANTO_TEST_DATA;
        options.keepDir = keep;
        std::ostringstream o;
        std::istringstream in(input);
        const int status = runScripts(paths, options, [] { return std::make_unique<test::DemoProgram>(); }, o, in);
        out = o.str();
        // Scripts are named by their path: keep only the file name for the checks.
        const std::string prefix = dir.string() + "/";
        for (std::size_t p; (p = out.find(prefix)) != std::string::npos;) out.erase(p, prefix.size());
        return status;
    }
    fs::path dir;
    std::string out;
};

TEST(ScenarioWords, QuotesEscapesAndBlanks) {
    const auto w = splitWords("expect  X.caption \"a \\\"b\\\"\\r\\n\\t\\\\  \" \"\" #x");
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[0].text, "expect");
    EXPECT_EQ(w[2].text, "a \"b\"\r\n\t\\  ");  // trailing blanks kept
    EXPECT_TRUE(w[2].quoted);
    EXPECT_EQ(w[3].text, "");
    EXPECT_TRUE(w[3].quoted);
    EXPECT_EQ(w[4].text, "#x");
    EXPECT_FALSE(w[4].quoted);
    EXPECT_THROW(splitWords("expect X \"open"), std::runtime_error);
    EXPECT_EQ(splitWords("expect X \"\\d+\\.\"")[2].text, "\\d+\\.");  // regular expression escapes stay
}

TEST_F(ScenarioDriver, APassingScriptCountsItsExpectationsAndExitsZero) {
    const int status = run({{"ok.sim",
                             "# start the demo\n"
                             "\n"
                             "expect FrmDemo.loaded false\n"
                             "start\n"
                             "expect App.windows FrmDemo\n"
                             "expect FrmDemo.visible false\n"
                             "wait 100\n"
                             "expect FrmDemo.visible true\n"
                             "expect Module.Compteur 1\n"
                             "expect Module.Table(2) 20\n"
                             "expect FrmDemo.LblArr(2).caption \"Case 2\"\n"
                             "expect FrmDemo.ImgFond.picture demo.gif\n"
                             "expect FrmDemo.CboDuree.list(2) \"3 mn\"\n"
                             "expect FrmDemo.CboDuree.listcount 3\n"
                             "expect FrmDemo.caption ~ \"D.mo.*\"\n"
                             "expect FrmDemo.LblCible.left = FrmDemo.LblInfo.left + 3000\n"
                             "expect FrmDemo.TimDeb.enabled false\n"
                             "expect App.pointer default\n"}});
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "14 passed, 0 failed\n");
}

TEST_F(ScenarioDriver, AFailedExpectationPrintsTheLineAndExitsOne) {
    const int status = run({{"f.sim",
                             "start\n"
                             "wait 100\n"
                             "expect FrmDemo.LblArr(1).caption \"Case 9 \"\n"
                             "expect FrmDemo.Reponse 0\n"
                             "expect FrmDemo.Tours(1) = FrmDemo.Reponse + 1\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out,
              "FAIL f.sim:3: FrmDemo.LblArr(1).caption \"Case 9 \" / got \"Case 1\"\n"
              "FAIL f.sim:5: FrmDemo.Tours(1) = FrmDemo.Reponse + 1 / got \"0\" and \"0\"\n"
              "1 passed, 2 failed\n");
}

TEST_F(ScenarioDriver, ActionsOnControlsAUserCannotReachFail) {
    const int status = run({{"a.sim",
                             "click FrmDemo.CmdOk\n"
                             "start\n"
                             "click FrmDemo.CmdOk\n"
                             "wait 100\n"
                             "expect FrmQuest.caption x\n"}});
    EXPECT_EQ(status, 2);  // FrmQuest is no window of this program
    EXPECT_NE(out.find("FAIL a.sim:1: click FrmDemo.CmdOk / got window not loaded\n"), std::string::npos) << out;
    EXPECT_NE(out.find("FAIL a.sim:3: click FrmDemo.CmdOk / got window hidden\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ERROR a.sim:5: unknown window FrmQuest\n"), std::string::npos) << out;

    run({{"b.sim",
          "start\n"
          "wait 100\n"
          "click FrmDemo.CmdAutre\n"
          "close FrmAutre\n"
          "click FrmAutre.CmdFermer\n"
          "expect FrmAutre.Lbl.caption x\n"
          "type FrmDemo.TxtNom \"Bérénice!\"\n"
          "expect FrmDemo.TxtNom.text Bérénice\n"
          "expect FrmDemo.focus \"\"\n"
          "focus FrmDemo.TxtNom\n"
          "expect FrmDemo.focus TxtNom\n"
          "drag FrmDemo.ImgPiece FrmDemo.LblCible\n"
          "expect FrmDemo.Depot ImgPiece@750,450\n"
          "drag FrmDemo.ImgPiece FrmDemo.LblCible 15 30\n"
          "expect FrmDemo.Depot ImgPiece@15,30\n"
          "choose FrmDemo.LstItems deux\n"
          "choose FrmDemo.CboDuree #0\n"
          "choose FrmDemo.CboDuree \"9 mn\"\n"
          "mousedown FrmDemo.LblArr(3) 30 45\n"
          "click FrmDemo.OptB\n"
          "click FrmDemo.ChkSon\n"
          "expect FrmDemo.OptB.value true\n"
          "expect FrmDemo.Journal "
          "~ \".*LstItems_Click=1;CboDuree_Click=1 mn;LblArr[(]3[)]_MouseDown=1@30,45;OptB_Click;ChkSon_Click=1;\"\n"}});
    EXPECT_EQ(out,
              "FAIL b.sim:5: click FrmAutre.CmdFermer / got window not loaded\n"
              "FAIL b.sim:6: FrmAutre.Lbl.caption \"x\" / got window not loaded\n"
              "FAIL b.sim:18: choose FrmDemo.CboDuree \"9 mn\" / got no such item\n"
              "7 passed, 3 failed\n");
}

TEST_F(ScenarioDriver, DisabledAndHiddenControls) {
    // CmdFin ends the program, so the script reads App.ended afterwards.
    const int status = run({{"d.sim",
                             "start\n"
                             "wait 100\n"
                             "click FrmDemo.LblArr(2)\n"
                             "expect FrmDemo.Journal ~ \".*LblArr[(]2[)]_Click;\"\n"
                             "click FrmDemo.CmdFin\n"
                             "expect App.ended true\n"
                             "expect App.windows \"\"\n"
                             "click FrmDemo.CmdOk\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, "FAIL d.sim:8: click FrmDemo.CmdOk / got window not loaded\n3 passed, 1 failed\n");
}

TEST_F(ScenarioDriver, MessageBoxesSoundsShellClipboardAndFiles) {
    const int status = run({{"m.sim",
                             "clock 2026-03-01 08:00:00\n"
                             "file write option.ret \"Quest=2\\r\\nNom=Chloé\\r\\n\"\n"
                             "start\n"
                             "wait 100\n"
                             "answer 7\n"
                             "click FrmDemo.CmdOk\n"
                             "click FrmDemo.CmdOk\n"
                             "expect msgbox Savanto yesno question \"Voulez-vous continuer ?\"\n"
                             "expect FrmDemo.LblInfo.caption Oui\n"
                             "expect msgbox Savanto yesno question ~ \"Voulez.*\"\n"
                             "expect no-msgbox\n"
                             "expect no-sound\n"
                             "expect no-shell\n"
                             "expect sound WSon01.wav\n"
                             "expect clipboard \"\"\n"
                             "expect file option.ret \"Quest=2\\r\\nNom=Chloé\\r\\n\"\n"
                             "expect file option.ret ~ \"Quest=2(.|\\r|\\n)*\"\n"
                             "expect file bestscor.ret missing\n"
                             "file delete option.ret\n"
                             "expect file option.ret missing\n"
                             "expect file absent.ret \"x\"\n"
                             "expect no-msgbox\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out,
              "FAIL m.sim:14: sound \"WSon01.wav\" / got no sound\n"
              "FAIL m.sim:21: file absent.ret \"x\" / got no file\n"
              "12 passed, 2 failed\n");
}

TEST_F(ScenarioDriver, AnUncheckedMessageBoxIsReportedByNoMsgbox) {
    run({{"n.sim",
          "start\n"
          "wait 100\n"
          "click FrmDemo.CmdOk\n"
          "expect no-msgbox\n"
          "expect no-msgbox\n"}});
    EXPECT_EQ(out,
              "FAIL n.sim:4: no-msgbox / got msgbox \"Savanto\" yesno question \"Voulez-vous continuer ?\"\n"
              "1 passed, 1 failed\n");
}

TEST_F(ScenarioDriver, ScriptErrorsNameTheLineStopTheScriptAndExitTwo) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"cmd.sim", "start\nfrobnicate\n"},
        {"quote.sim", "start\nexpect FrmDemo.caption \"abc\n"},
        {"ctl.sim", "start\nexpect FrmDemo.LblNope.caption x\n"},
        {"prop.sim", "start\nexpect FrmDemo.LblInfo.colour x\n"},
        {"kind.sim", "start\nexpect FrmDemo.LblInfo.value true\n"},
        {"var.sim", "start\nexpect Module.Nope 1\n"},
        {"idx.sim", "start\nexpect Module.Table(7) 1\n"},
        {"words.sim", "wait\n"},
        {"num.sim", "wait soon\n"},
        {"pattern.sim", "expect App.ended ~ \"(\"\n"},
        {"backref.sim", "expect App.ended ~ \"(t)\\\\1\"\n"},  // needs backtracking
        {"bigref.sim", "expect App.ended ~ \"(t)\\\\22222222222222222222\"\n"},
        {"count.sim", "expect App.ended ~ \"a{99999999999999999999}\"\n"},
        {"counts.sim", "expect App.ended ~ \"(a{1000}){1000}\"\n"},
        {"deep.sim", "expect App.ended ~ \"" + std::string(20000, '(') + "a" + std::string(20000, ')') + "\"\n"},
    };
    for (const auto& script : bad) {
        const int status = run({script});
        EXPECT_EQ(status, 2) << script.first << ": " << out;
        EXPECT_EQ(out.rfind("ERROR " + script.first + ":", 0), 0u) << out;
        EXPECT_NE(out.find("0 passed, 0 failed\n"), std::string::npos) << out;
    }
    // A script that cannot be read through stops before its first line runs; the other
    // scripts still run and count.
    const int status = run({{"first.sim", "start\nexpect App.ended false\n"},
                            {"broken.sim", "start\nexpect App.ended false\nnonsense\n"},
                            {"last.sim", "expect App.ended false\n"}});
    EXPECT_EQ(status, 2);
    EXPECT_EQ(out, "ERROR broken.sim:3: unknown command nonsense\n2 passed, 0 failed\n");
}

TEST_F(ScenarioDriver, APatternThatWouldBacktrackForAgesIsMatchedInOnePass) {
    // Tried by backtracking, (a|aa)*c on these 80 letters would take longer than the test suite.
    const int status = run({{"slow.sim", "start\nfile write a.txt " + std::string(80, 'a') +
                                             "\nexpect file a.txt ~ \"(a|aa)*c\"\nexpect file a.txt ~ \"(a|aa)*\"\n"}});
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("1 passed, 1 failed"), std::string::npos) << out;
}

TEST_F(ScenarioDriver, EachScriptRunsInAFreshProgramAndKeepLeavesTheFolder) {
    const fs::path keep = dir / "kept";
    const int status = run({{"w.sim", "file write note.txt \"x\"\nstart\nexpect Module.Compteur 1\n"},
                            {"r.sim", "start\nexpect Module.Compteur 1\nexpect file note.txt x\n"}},
                           keep.string());
    EXPECT_EQ(status, 0) << out;
    EXPECT_TRUE(fs::exists(keep / "note.txt"));
    EXPECT_TRUE(fs::exists(keep / "demo.gif"));

    EXPECT_EQ(run({{"w.sim", "file write note.txt \"x\"\n"}, {"r.sim", "expect file note.txt missing\n"}}), 0) << out;
}

TEST_F(ScenarioDriver, ReadsAScriptFromStandardInput) {
    EXPECT_EQ(run({{"-", ""}}, {}, "start\nexpect App.ended false\n"), 0);
    EXPECT_EQ(out, "1 passed, 0 failed\n");
}

TEST_F(ScenarioDriver, TheCommandLineNeedsAScript) {
    std::ostringstream o;
    std::istringstream in;
    const char* argv[] = {"savanto-scenario", "--keep"};
    EXPECT_EQ(main(2, argv, [] { return std::make_unique<test::DemoProgram>(); }, SAVANTO_TEST_DATA, o, in), 2);
    const char* argv2[] = {"savanto-scenario"};
    EXPECT_EQ(main(1, argv2, [] { return std::make_unique<test::DemoProgram>(); }, SAVANTO_TEST_DATA, o, in), 2);
}

TEST_F(ScenarioDriver, PrintShowsValues) {
    run({{"p.sim", "start\nprint FrmDemo.LblArr(1).caption\nprint FrmQuest.loaded\n"}});
    EXPECT_NE(out.find("ERROR"), std::string::npos);  // FrmQuest is unknown here
    run({{"p.sim", "start\nprint FrmDemo.LblArr(1).caption\nprint Module.Nom\nprint FrmAutre.loaded\n"}});
    EXPECT_EQ(out, "Case 1\nAlice\nfalse\n0 passed, 0 failed\n");
}

}  // namespace sv::scenario

namespace sv::scenario {

TEST_F(ScenarioDriver, OddScriptsAreScriptErrorsNeverCrashes) {
    const std::vector<std::pair<std::string, std::string>> odd = {
        {"big.sim", "screen 99999999999 11520\n"},
        {"nan.sim", "random nan\n"},
        {"hex.sim", "random 0x0.8p0\n"},
        {"pos.sim", "start\nmousedown FrmDemo.LblInfo nan 1\n"},
        {"index.sim", "start\nexpect FrmDemo.LblArr(4294967298).caption x\n"},
        {"clock.sim", "clock 2026-1-5 1:2:3\n"},
        {"wait.sim", "wait 9223372036854775807\n"},
        {"msgpattern.sim", "expect msgbox T ok none ~ \"(\"\n"},
        {"filepattern.sim", "expect file a.txt ~ \"([\"\n"},
        {"prop.sim", "expect FrmAutre.Lbl.bogus x\n"},
    };
    for (const auto& script : odd) {
        EXPECT_EQ(run({script}), 2) << script.first << ": " << out;
        EXPECT_EQ(out.rfind("ERROR " + script.first + ":", 0), 0u) << out;
    }
    // A folder that cannot be the program folder.
    std::ofstream(dir / "plain-file") << "x";
    EXPECT_EQ(run({{"k.sim", "start\n"}}, (dir / "plain-file").string()), 2);
    EXPECT_NE(out.find("ERROR k.sim:0: cannot prepare the program folder"), std::string::npos) << out;
    EXPECT_NE(out.find("0 passed, 0 failed"), std::string::npos);
}

TEST_F(ScenarioDriver, UnreachableTargetsAndRefusedAnswersAreFailedExpectations) {
    const int status = run({{"u.sim",
                             "\xEF\xBB\xBFstart\n"  // a byte-order mark is not part of the command
                             "wait 100\n"
                             "click FrmDemo.TimA\n"
                             "answer 1\n"
                             "click FrmDemo.CmdOk\n"
                             "expect FrmDemo.Reponse 6\n"
                             "click FrmDemo.CmdAutre\n"
                             "mousemove FrmDemo.LblArr(3) 0.00001 12345678.5\n"
                             "print FrmDemo.Depot\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out,
              "FAIL u.sim:3: click FrmDemo.TimA / got a timer\n"
              "FAIL u.sim:5: answer 1 / got a message box without that button\n"
              "\n"
              "1 passed, 2 failed\n");
}

TEST_F(ScenarioDriver, PatternsMatchLongTextsAndTheClockKeepsItsMilliseconds) {
    std::string big(200000, 'a');
    const int status = run({{"l.sim",
                             "file write big.txt \"" + big + "\"\n"
                             "expect file big.txt ~ \"[\\s\\S]*\"\n"
                             "wait 1900\n"
                             "clock 2026-03-01 20:14:46\n"
                             "start\n"
                             "wait 13390\n"
                             "file write later.txt x\n"}});
    EXPECT_EQ(status, 0) << out;
}

}  // namespace sv::scenario
