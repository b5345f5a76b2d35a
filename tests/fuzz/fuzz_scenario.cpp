// The scenario reader: the word splitter, and the whole-script check made before anything runs (a
// last line no check accepts stops the driver there, before it starts the program).
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "fuzz.h"
#include "scenario.h"

using namespace sv;

namespace {

const std::string kLastLine = "fuzz-end-of-script";

// A word list written back with every word quoted.
std::string quoted(const std::vector<scenario::Word>& words) {
    static const std::map<char, std::string> escaped = {{'"', "\\\""}, {'\\', "\\\\"}, {'\r', "\\r"}, {'\n', "\\n"}, {'\t', "\\t"}};
    std::string out;
    for (const scenario::Word& w : words) {
        out += " \"";
        for (char c : w.text) out += escaped.contains(c) ? escaped.at(c) : std::string(1, c);
        out += '"';
    }
    return out;
}

// The words of a line, or false when the splitter refuses it.
bool split(const std::string& line, std::vector<scenario::Word>& words) {
    try {
        words = scenario::splitWords(line);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string script(reinterpret_cast<const char*>(data), size);
    if (!script.empty() && script.back() != '\n') script += '\n';

    // The lines as the driver reads them, and the first one the splitter refuses.
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (lines.empty() && l.starts_with("\xEF\xBB\xBF")) l.erase(0, 3);
        lines.push_back(l);
    }
    const int lastLine = static_cast<int>(lines.size()) + 1;
    int firstRefused = lastLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        const auto first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == '#') continue;
        std::vector<scenario::Word> words, again;
        if (!split(l, words)) {
            firstRefused = std::min(firstRefused, static_cast<int>(i) + 1);
            continue;
        }
        FUZZ_CHECK(!words.empty());
        for (const scenario::Word& w : words) {
            FUZZ_CHECK(w.quoted || (!w.text.empty() && w.text.find_first_of(" \t\"") == std::string::npos));
        }
        FUZZ_CHECK(split(quoted(words), again) && again.size() == words.size());
        for (std::size_t k = 0; k < words.size(); ++k) FUZZ_CHECK(again[k].text == words[k].text && again[k].quoted);
    }

    // The whole script through the driver: one script error, at the first refused line at the latest, and
    // nothing run (an exception let out of the driver, rather than reported, stops the fuzzer too).
    script += kLastLine + "\n";
    std::istringstream input(script);
    std::ostringstream out;
    const auto noProgram = []() -> std::unique_ptr<ui::Program> { __builtin_trap(); };
    const int status = scenario::runScripts({"-"}, {}, noProgram, out, input);
    const std::string report = out.str();
    FUZZ_CHECK(status == 2);
    FUZZ_CHECK(report.starts_with("ERROR -:") && report.ends_with("\n0 passed, 0 failed\n"));
    const int errorLine = std::atoi(report.c_str() + 8);
    FUZZ_CHECK(errorLine >= 1 && errorLine <= firstRefused);
    if (errorLine == lastLine) FUZZ_CHECK(report.find(": unknown command " + kLastLine + "\n") != std::string::npos);
    return 0;
}
