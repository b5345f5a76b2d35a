// Question-set text: each record points at its header line; written back, the records read again the same.
#include "fuzz.h"
#include "questions/question_format.h"

using namespace sv::questions;

namespace {

// A set's text as it is written by hand: blocks separated by an empty line, CR LF line ends.
std::string write(const std::vector<ParsedRecord>& records) {
    std::string out;
    for (const ParsedRecord& r : records) {
        out += "[" + r.code + " " + std::to_string(r.slot) + "]\r\n";
        if (!r.question.empty()) out += "Q: " + r.question + "\r\n";
        for (const std::string& c : r.choices) out += "C: " + c + "\r\n";
        if (!r.answer.empty()) out += "R: " + r.answer + "\r\n";
        out += "\r\n";
    }
    return out;
}

bool same(const ParsedRecord& a, const ParsedRecord& b) {
    return a.code == b.code && a.slot == b.slot && a.question == b.question && a.choices == b.choices &&
           a.answer == b.answer;
}

// Line n (from 1) of the text.
std::string_view lineAt(std::string_view text, int n) {
    std::size_t pos = 0;
    for (int i = 1; i < n; ++i) {
        pos = text.find('\n', pos);
        if (pos == std::string_view::npos) return {};
        ++pos;
    }
    return text.substr(pos, text.find('\n', pos) - pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParseResult parsed = parseQuestionText(text, "set.txt");
    for (const ParsedRecord& r : parsed.records) {
        FUZZ_CHECK(lineAt(text, r.line).starts_with("[" + r.code + " "));
    }
    for (const std::string& e : parsed.errors) FUZZ_CHECK(e.starts_with("set.txt:"));

    const std::string written = write(parsed.records);
    const ParseResult again = parseQuestionText(written, "set.txt");
    FUZZ_CHECK(again.records.size() == parsed.records.size());
    for (std::size_t i = 0; i < again.records.size(); ++i) FUZZ_CHECK(same(again.records[i], parsed.records[i]));
    FUZZ_CHECK(again.errors.size() <= parsed.errors.size());
    FUZZ_CHECK(write(again.records) == written);
    return 0;
}
