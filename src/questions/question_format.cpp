#include "questions/question_format.h"

#include <algorithm>
#include <string>

namespace sv::questions {
namespace {

const char* const kCodes[] = {"Geo", "Div", "His", "Art", "Sci", "Spo"};

bool knownCode(const std::string& c) {
    for (const char* k : kCodes) {
        if (c == k) return true;
    }
    return false;
}

}  // namespace

ParseResult parseQuestionText(std::string_view text, const std::string& fileName) {
    ParseResult result;
    ParsedRecord current;
    bool open = false;
    int lineNo = 0;
    auto error = [&](int line, const std::string& what) {
        result.errors.push_back(fileName + ":" + std::to_string(line) + ": " + what);
    };
    auto finish = [&] {
        if (!open) return;
        if (current.question.empty()) error(current.line, "question sans ligne Q:");
        if (current.answer.empty()) error(current.line, "question sans ligne R:");
        result.records.push_back(current);
        open = false;
    };
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            finish();
            if (end == text.size()) break;
            continue;
        }
        if (line[0] == '#') continue;
        if (line[0] == '[') {
            finish();
            const auto close = line.find(']');
            const auto blank = line.find(' ');
            if (close != line.size() - 1 || blank == std::string::npos || blank > close) {
                error(lineNo, "en-tête illisible : " + line);
                continue;
            }
            current = ParsedRecord{};
            current.code = line.substr(1, blank - 1);
            // The slot is one to two digits and nothing else: "1x" or a number past any int is
            // refused, not read as a slot that happens to exist.
            const std::string slot = line.substr(blank + 1, close - blank - 1);
            const bool digits = !slot.empty() && slot.size() <= 2 &&
                                std::all_of(slot.begin(), slot.end(), [](char c) { return c >= '0' && c <= '9'; });
            current.slot = digits ? std::stoi(slot) : 0;
            current.line = lineNo;
            if (!knownCode(current.code)) error(lineNo, "catégorie inconnue : " + current.code);
            if (current.slot < 1 || current.slot > 50) error(lineNo, "place hors de 1 à 50 : " + line);
            open = true;
            continue;
        }
        if (!open) {
            error(lineNo, "ligne hors d'une question : " + line);
            continue;
        }
        if (line.size() < 3 || line[1] != ':' || line[2] != ' ') {
            error(lineNo, "ligne illisible : " + line);
            continue;
        }
        const std::string value = line.substr(3);
        switch (line[0]) {
            case 'Q':
                if (!current.question.empty()) error(lineNo, "deux lignes Q:");
                current.question = value;
                break;
            case 'C': current.choices.push_back(value); break;
            case 'R':
                if (!current.answer.empty()) error(lineNo, "deux lignes R:");
                current.answer = value;
                break;
            default: error(lineNo, "ligne illisible : " + line);
        }
        if (end == text.size()) break;
    }
    finish();
    return result;
}

}  // namespace sv::questions
