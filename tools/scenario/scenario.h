// The scenario driver: runs scripts that act on the program's windows by name, under virtual
// time, with scripted dialog answers, and check what the program shows, stores, plays and
// writes.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/app.h"

namespace sv::scenario {

using ProgramFactory = std::function<std::unique_ptr<ui::Program>()>;

struct Options {
    std::optional<std::string> keepDir;  // program folder to use and keep, instead of a temporary one
    std::string assetDir;                // the files the program ships next to its executable
};

// Runs the scripts ("-" reads standard input) one after the other, each in a fresh program.
// Writes FAIL lines, script errors, printed values and the closing "N passed, M failed" line.
// Returns 0 when every expectation held, 1 when one failed, 2 when a script could not be run.
int runScripts(const std::vector<std::string>& scripts, const Options& options, const ProgramFactory& factory,
               std::ostream& out, std::istream& in);

// The command line: savanto-scenario [--keep DIR] SCRIPT...
int main(int argc, const char* const* argv, const ProgramFactory& factory, const std::string& assetDir,
         std::ostream& out, std::istream& in);

// Splits one script line into words (quotes and the escapes \" \\ \r \n \t resolved; any other
// backslash stays as it is, for patterns). Throws std::runtime_error on an unterminated quote.
struct Word {
    std::string text;
    bool quoted = false;
};
std::vector<Word> splitWords(const std::string& line);

}  // namespace sv::scenario
