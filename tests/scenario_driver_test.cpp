#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "demo_program.h"
#include "scenario.h"
#include "temp_folder.h"

namespace sv::scenario {
namespace fs = std::filesystem;

class ScenarioDriver : public ::testing::Test {
protected:
    void SetUp() override { dir = test::makeTempFolder("savanto-sim-"); }
    void TearDown() override { test::removeFolder(dir); }

    // Writes the scripts ("-": standard input), runs them in order; output in `out`, scripts named by file name.
    int run(const std::vector<std::pair<std::string, std::string>>& scripts, std::optional<std::string> keep = {},
            const std::string& input = "") {
        std::vector<std::string> paths;
        for (const auto& [name, text] : scripts) {
            if (name != "-") std::ofstream(dir / name) << text;
            paths.push_back(name == "-" ? name : (dir / name).string());
        }
        std::ostringstream o;
        std::istringstream in(input);
        const int status = runScripts(paths, {keep, SAVANTO_TEST_DATA}, factory, o, in);
        out = o.str();
        const std::string prefix = dir.string() + "/";
        for (std::size_t p; (p = out.find(prefix)) != std::string::npos;) out.erase(p, prefix.size());
        return status;
    }
    ProgramFactory factory = [] { return std::make_unique<test::DemoProgram>(); };
    fs::path dir;
    std::string out;
};

TEST(ScenarioWords, QuotesEscapesAndBlanks) {
    std::vector<std::pair<std::string, bool>> words;
    for (const Word& w : splitWords("expect  X.caption \"a \\\"b\\\"\\r\\n\\t\\\\  \" \"\" #x")) {
        words.emplace_back(w.text, w.quoted);
    }
    EXPECT_EQ(words, (std::vector<std::pair<std::string, bool>>{
                         {"expect", false}, {"X.caption", false}, {"a \"b\"\r\n\t\\  ", true}, {"", true}, {"#x", false}}));
    EXPECT_THROW(splitWords("expect X \"open"), std::runtime_error);
    EXPECT_EQ(splitWords("expect X \"\\d+\\.\"")[2].text, "\\d+\\.");  // regular expression escapes stay
}

// Expectations of each form pass or fail by their rules; failures and prints come out in script order.
TEST_F(ScenarioDriver, EveryExpectFormPassesOrPrintsItsFailureInScriptOrder) {
    const int status = run({{"e.sim",
                             "# comment\n"
                             "file write option.ret \"Quest=2\\r\\nNom=Chloé\\r\\n\"\n"
                             "expect FrmDemo.loaded false\n"
                             "start\n"
                             "\n"
                             "expect FrmDemo.visible false\n"
                             "wait 99\n"
                             "expect FrmDemo.visible false\n"
                             "wait 1\n"
                             "expect FrmDemo.visible true\n"
                             "expect Module.Compteur 1\n"
                             "expect Module.Table(2) 20\n"
                             "expect FrmDemo.LblArr(1).caption \"Case 1 \"\n"
                             "expect FrmDemo.caption ~ \"D.mo.*\"\n"
                             "expect FrmDemo.LblCible.left = FrmDemo.LblInfo.left + 3000\n"
                             "expect FrmDemo.Tours(1) = FrmDemo.Reponse + 1\n"
                             "expect FrmDemo.LblInfo.left = FrmDemo.LblCible.left - 3000\n"
                             "expect Module.Nom = FrmDemo.LblArr(1).caption\n"
                             "expect App.pointer default\n"
                             "print FrmDemo.LblArr(1).caption\n"
                             "print Module.Nom\n"
                             "print FrmAutre.loaded\n"
                             "click FrmDemo.CmdOk\n"
                             "expect msgbox Savanto yesno question \"Voulez-vous continuer ?\"\n"
                             "expect FrmDemo.LblInfo.caption Oui\n"
                             "answer 7\n"
                             "click FrmDemo.CmdOk\n"
                             "expect msgbox Savanto ok question ~ \"Voulez.*\"\n"
                             "expect FrmDemo.LblInfo.caption Non\n"
                             "expect no-msgbox\n"
                             "click FrmDemo.CmdOk\n"
                             "expect no-msgbox\n"
                             "expect no-msgbox\n"
                             "expect sound WSon01.wav\n"
                             "expect clipboard \"\"\n"
                             "expect file option.ret \"Quest=2\\r\\nNom=Chloé\\r\\n\"\n"
                             "expect file option.ret ~ \"Quest=2(.|\\r|\\n)*\"\n"
                             "file delete option.ret\n"
                             "expect file option.ret missing\n"
                             "expect file option.ret \"x\"\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out,
              "FAIL e.sim:13: FrmDemo.LblArr(1).caption \"Case 1 \" / got \"Case 1\"\n"
              "FAIL e.sim:16: FrmDemo.Tours(1) = FrmDemo.Reponse + 1 / got \"0\" and \"0\"\n"
              "FAIL e.sim:18: Module.Nom = FrmDemo.LblArr(1).caption / got \"Alice\" and \"Case 1\"\n"
              "Case 1\nAlice\nfalse\n"
              "FAIL e.sim:28: msgbox \"Savanto\" ok question ~ \"Voulez.*\" / got msgbox \"Savanto\" yesno question "
              "\"Voulez-vous continuer ?\"\n"
              "FAIL e.sim:32: no-msgbox / got msgbox \"Savanto\" yesno question \"Voulez-vous continuer ?\"\n"
              "FAIL e.sim:34: sound \"WSon01.wav\" / got no sound\n"
              "FAIL e.sim:40: file option.ret \"x\" / got no file\n"
              "19 passed, 7 failed\n");
}

TEST_F(ScenarioDriver, ActionsOnControlsAUserCannotReachAreFailedExpectations) {
    const int status = run({{"a.sim",
                             "\xEF\xBB\xBF"  // a byte-order mark is not part of the command
                             "click FrmDemo.CmdOk\n"
                             "start\n"
                             "click FrmDemo.CmdOk\n"
                             "wait 100\n"
                             "click FrmDemo.TimA\n"
                             "answer 1\n"
                             "click FrmDemo.CmdOk\n"
                             "expect FrmDemo.Reponse 6\n"
                             "click FrmDemo.CmdAutre\n"
                             "expect App.windows \"FrmDemo FrmAutre\"\n"
                             "close FrmAutre\n"
                             "click FrmDemo.CmdAutre\n"
                             "click FrmAutre.CmdFermer\n"
                             "expect FrmAutre.Lbl.caption x\n"
                             "type FrmDemo.TxtNom \"Bérénice!\"\n"
                             "expect FrmDemo.TxtNom.text Bérénice\n"
                             "expect FrmDemo.focus \"\"\n"
                             "focus FrmDemo.TxtNom\n"
                             "expect FrmDemo.focus TxtNom\n"
                             "drag FrmDemo.ImgPiece FrmDemo.LblCible\n"
                             "expect FrmDemo.Depot ImgPiece@750,450\n"
                             "choose FrmDemo.LstItems deux\n"
                             "choose FrmDemo.CboDuree #0\n"
                             "choose FrmDemo.CboDuree \"9 mn\"\n"
                             "mousedown FrmDemo.LblArr(3) 30 45\n"
                             "mousemove FrmDemo.LblArr(3) 0.00001 12345678.5\n"
                             "click FrmDemo.LblArr(2)\n"
                             "click FrmDemo.ChkSon\n"
                             "expect FrmDemo.ChkSon.value true\n"
                             "expect FrmDemo.Journal ~ \".*LstItems_Click=1;CboDuree_Click=1 mn;"
                             "LblArr[(]3[)]_MouseDown=1@30,45;LblArr[(]2[)]_Click;ChkSon_Click=1;\"\n"
                             "click FrmDemo.CmdFin\n"
                             "expect App.ended true\n"
                             "expect App.windows \"\"\n"
                             "click FrmDemo.CmdOk\n"}});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out,
              "FAIL a.sim:1: click FrmDemo.CmdOk / got window not loaded\n"
              "FAIL a.sim:3: click FrmDemo.CmdOk / got window hidden\n"
              "FAIL a.sim:5: click FrmDemo.TimA / got a timer\n"
              "FAIL a.sim:7: answer 1 / got a message box without that button\n"
              "FAIL a.sim:12: click FrmDemo.CmdAutre / got disabled\n"
              "FAIL a.sim:13: click FrmAutre.CmdFermer / got window not loaded\n"
              "FAIL a.sim:14: FrmAutre.Lbl.caption \"x\" / got window not loaded\n"
              "FAIL a.sim:24: choose FrmDemo.CboDuree \"9 mn\" / got no such item\n"
              "FAIL a.sim:34: click FrmDemo.CmdOk / got window not loaded\n"
              "10 passed, 9 failed\n");
}

TEST_F(ScenarioDriver, ScriptErrorsNameTheirLineStopTheScriptAndExitTwoNeverCrash) {
    // Each script's error is on its last line.
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"cmd.sim", "start\nfrobnicate\n"},
        {"quote.sim", "start\nexpect FrmDemo.caption \"abc\n"},
        {"window.sim", "start\nexpect FrmQuest.caption x\n"},
        {"print.sim", "start\nprint FrmQuest.loaded\n"},
        {"ctl.sim", "start\nexpect FrmDemo.LblNope.caption x\n"},
        {"prop.sim", "start\nexpect FrmDemo.LblInfo.colour x\n"},
        {"kind.sim", "start\nexpect FrmDemo.LblInfo.value true\n"},
        {"unloaded.sim", "expect FrmAutre.Lbl.bogus x\n"},
        {"var.sim", "start\nexpect Module.Nope 1\n"},
        {"idx.sim", "start\nexpect Module.Table(7) 1\n"},
        {"index.sim", "start\nexpect FrmDemo.LblArr(4294967298).caption x\n"},
        {"words.sim", "wait\n"},
        {"num.sim", "wait soon\n"},
        {"wait.sim", "wait 9223372036854775807\n"},
        {"big.sim", "screen 99999999999 11520\n"},
        {"nan.sim", "random nan\n"},
        {"hex.sim", "random 0x0.8p0\n"},
        {"pos.sim", "start\nmousedown FrmDemo.LblInfo nan 1\n"},
        {"clock.sim", "clock 2026-1-5 1:2:3\n"},
        {"pattern.sim", "expect App.ended ~ \"(\"\n"},
        {"msgpattern.sim", "expect msgbox T ok none ~ \"(\"\n"},
        {"filepattern.sim", "expect file a.txt ~ \"([\"\n"},
        {"backref.sim", "expect App.ended ~ \"(t)\\\\1\"\n"},  // needs backtracking
        {"bigref.sim", "expect App.ended ~ \"(t)\\\\22222222222222222222\"\n"},
        {"count.sim", "expect App.ended ~ \"a{99999999999999999999}\"\n"},
        {"counts.sim", "expect App.ended ~ \"(a{1000}){1000}\"\n"},
        {"deep.sim", "expect App.ended ~ \"" + std::string(20000, '(') + "a" + std::string(20000, ')') + "\"\n"},
    };
    for (const auto& [name, text] : bad) {
        EXPECT_EQ(run({{name, text}}), 2) << name << ": " << out;
        const auto line = std::count(text.begin(), text.end(), '\n');
        EXPECT_EQ(out.rfind("ERROR " + name + ":" + std::to_string(line) + ": ", 0), 0u) << out;
        EXPECT_TRUE(out.ends_with("\n0 passed, 0 failed\n")) << out;
    }
    // The whole script is read through before its first line runs; the other scripts still run and count.
    EXPECT_EQ(run({{"first.sim", "start\nexpect App.ended false\n"},
                   {"broken.sim", "start\nexpect App.ended false\nnonsense\n"},
                   {"last.sim", "expect App.ended false\n"}}),
              2);
    EXPECT_EQ(out, "ERROR broken.sim:3: unknown command nonsense\n2 passed, 0 failed\n");
    std::ofstream(dir / "plain-file") << "x";
    EXPECT_EQ(run({{"k.sim", "start\n"}}, (dir / "plain-file").string()), 2);
    EXPECT_TRUE(out.starts_with("ERROR k.sim:0: cannot prepare the program folder")) << out;
    EXPECT_TRUE(out.ends_with("\n0 passed, 0 failed\n")) << out;
}

TEST_F(ScenarioDriver, PatternsAreMatchedInOnePassOverLongTexts) {
    // Tried by backtracking, (a|aa)*c on these letters would take longer than the test suite.
    const int status = run({{"slow.sim", "file write a.txt " + std::string(200000, 'a') +
                                             "\nexpect file a.txt ~ \"(a|aa)*c\"\nexpect file a.txt ~ \"(a|aa)*\"\n"
                                             "expect file a.txt ~ \"[\\s\\S]*\"\n"}});
    EXPECT_EQ(status, 1) << out;
    EXPECT_TRUE(out.ends_with("\n2 passed, 1 failed\n")) << out;
}

TEST_F(ScenarioDriver, EachScriptRunsInAFreshProgramAndKeepLeavesTheFolder) {
    const fs::path keep = dir / "kept";
    const int status = run({{"w.sim", "file write note.txt \"x\"\nstart\nexpect Module.Compteur 1\n"},
                            {"r.sim", "wait 1900\nclock 2026-03-01 20:14:46\nstart\nwait 13390\nfile write later.txt x\n"
                                      "expect Module.Compteur 1\nexpect file note.txt x\n"}},
                           keep.string());
    EXPECT_EQ(status, 0) << out;
    EXPECT_TRUE(fs::exists(keep / "note.txt"));
    EXPECT_TRUE(fs::exists(keep / "demo.gif"));
    EXPECT_EQ(run({{"w.sim", "file write note.txt \"x\"\n"}, {"r.sim", "expect file note.txt missing\n"}}), 0) << out;
}

TEST_F(ScenarioDriver, TheCommandLineReadsStandardInputAndNeedsAScriptItCanRead) {
    EXPECT_EQ(run({{"-", ""}}, {}, "start\nexpect App.ended false\n"), 0);
    EXPECT_EQ(out, "1 passed, 0 failed\n");
    std::ostringstream o;
    std::istringstream in;
    const char* keepAlone[] = {"savanto-scenario", "--keep"};
    EXPECT_EQ(main(2, keepAlone, factory, SAVANTO_TEST_DATA, o, in), 2);
    EXPECT_EQ(main(1, keepAlone, factory, SAVANTO_TEST_DATA, o, in), 2);
    const std::string absent = (dir / "absent.sim").string();
    const char* unreadable[] = {"savanto-scenario", absent.c_str()};
    o.str("");
    EXPECT_EQ(main(2, unreadable, factory, SAVANTO_TEST_DATA, o, in), 2);
    EXPECT_EQ(o.str(), "ERROR " + absent + ":0: cannot read the script\n0 passed, 0 failed\n");
}

}  // namespace sv::scenario
