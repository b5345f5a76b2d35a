// The text form of a question set: blocks "[CODE N]", "Q: ...", four "C: ..." lines for a
// multiple-choice question, "R: ...". Read by the build, which turns the sets into data
// compiled into the program, and by nothing at run time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sv::questions {

struct ParsedRecord {
    std::string code;  // "Geo" ... "Spo"
    int slot = 0;      // 1..50
    std::string question;
    std::vector<std::string> choices;  // none or four
    std::string answer;
    int line = 0;  // line of the header, for messages
};

struct ParseResult {
    std::vector<ParsedRecord> records;
    std::vector<std::string> errors;  // "set2.txt:12: ..."
};

ParseResult parseQuestionText(std::string_view text, const std::string& fileName);

}  // namespace sv::questions
