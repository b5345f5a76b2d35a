// The scenario driver's inside, shared by its files: the runner of one script (scenario.cpp),
// the targets it reads and acts on (scenario_targets.cpp), its command table
// (scenario_commands.cpp) and the expect command (scenario_expect.cpp).
#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scenario.h"
#include "scenario_words.h"
#include "ui/app.h"
#include "ui/headless/headless_platform.h"

namespace sv::scenario::detail {

using ui::Control;
using ui::ControlKind;
using ui::Window;

// One part of a target: a name with an optional index ("LB(7)").
struct Part {
    std::string name;
    std::optional<int> index;
};

std::vector<Part> parseTarget(const std::string& target);

// What a target names, once resolved against the running program.
struct Resolved {
    enum class Kind { App, Module, Window, WindowProperty, Control, ControlProperty, Field, NotLoaded };
    Kind kind = Kind::App;
    std::string label;  // the target as written
    Window* window = nullptr;
    Control* control = nullptr;
    Part property;  // for properties; also App's and Module's name
    std::vector<Part> rest;
};

class Runner {
public:
    Runner(std::string scriptName, const Options& options, const ProgramFactory& factory, std::ostream& out)
        : script_(std::move(scriptName)), options_(options), factory_(factory), out_(out) {}

    // Returns false on a script error.
    bool run(const std::vector<std::string>& lines);
    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // What the commands work with, once the program is set up.
    ui::HeadlessPlatform& platform() { return *platform_; }
    ui::App& app() { return *app_; }
    std::ostream& out() { return out_; }

    void fail(const std::string& expected, const std::string& got);
    void pass() { ++passed_; }
    void action(const std::string& what, const std::string& reason) { fail(what, reason); }

    Resolved resolve(const std::string& target);
    // The value a target reads; nullopt with reason set when it cannot be read (window not
    // loaded). Script errors are thrown.
    std::optional<std::string> read(const std::string& target, std::string& reason);

    // For actions: the control or window a user could reach, else the failure reason.
    // needEnabled false: the control itself may be disabled (a drop target), not its window.
    Control* reachableControl(const std::string& target, std::string& reason, bool needEnabled = true);
    Window* reachableWindow(const std::string& target, std::string& reason);

    std::string inFolder(const std::string& name) const;
    std::string relative(const std::string& path) const;

    // How many of the program's message boxes, sounds and shell requests expect has gone
    // through.
    struct Seen {
        std::size_t boxes = 0, sounds = 0, shell = 0;
    };
    Seen& seen() { return seen_; }

private:
    void setUp();
    void tearDown();
    // Both look the command up in the table (scenario_commands.cpp): checkSyntax, before the
    // script runs, throws a ScriptError for a line that could not run; execute runs it.
    void checkSyntax(const Words& w);
    void execute(const Words& w);

    std::string script_;
    const Options& options_;
    const ProgramFactory& factory_;
    std::ostream& out_;
    int line_ = 0;
    int passed_ = 0, failed_ = 0;
    std::filesystem::path folder_;
    bool temporary_ = false;
    std::unique_ptr<ui::HeadlessPlatform> platform_;
    std::unique_ptr<ui::App> app_;
    Seen seen_;
};

// Throws "wrong number of words for" the command when ok is false.
void needWords(bool ok, const Words& w);

// The expect command and its forms (scenario_expect.cpp): the check of a line before the
// script runs, and its run.
void checkExpect(const Words& w);
void runExpect(Runner& r, const Words& w);

}  // namespace sv::scenario::detail
