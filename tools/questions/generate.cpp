// Build step: turns the question set files into data compiled into the program.
//   savanto-questions-gen OUTPUT.cpp SET2.txt SET3.txt
// A file that cannot be read stops the build with its line numbers.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "questions/question_format.h"

namespace {

const char* const kCodes[] = {"Geo", "Div", "His", "Art", "Sci", "Spo"};

std::string literal(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: savanto-questions-gen OUTPUT.cpp SET2.txt SET3.txt\n";
        return 2;
    }
    std::ostringstream code;
    code << "// Generated from the question set files: do not edit.\n"
            "#include \"questions/question_bank.h\"\n\n"
            "namespace sv::questions {\n\n"
            "extern const QuestionData kQuestionSets[2][6][50];\n"
            "const QuestionData kQuestionSets[2][6][50] = {\n";
    bool ok = true;
    for (int set = 0; set < 2; ++set) {
        const std::string path = argv[2 + set];
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << path << " : illisible\n";
            return 1;
        }
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto parsed = sv::questions::parseQuestionText(text, path);
        for (const auto& e : parsed.errors) std::cerr << e << "\n";
        ok = ok && parsed.errors.empty();
        const sv::questions::ParsedRecord* slots[6][50] = {};
        for (const auto& r : parsed.records) {
            for (int c = 0; c < 6; ++c) {
                if (r.code == kCodes[c] && r.slot >= 1 && r.slot <= 50) {
                    if (slots[c][r.slot - 1]) {
                        std::cerr << path << ":" << r.line << ": " << r.code << " " << r.slot << " en double\n";
                        ok = false;
                    }
                    slots[c][r.slot - 1] = &r;
                }
            }
            if (!r.choices.empty() && r.choices.size() != 4) {
                std::cerr << path << ":" << r.line << ": " << r.choices.size() << " propositions, 0 ou 4 attendues\n";
                ok = false;
            }
        }
        code << "  {\n";
        for (int c = 0; c < 6; ++c) {
            code << "    { // " << kCodes[c] << "\n";
            for (int s = 0; s < 50; ++s) {
                const auto* r = slots[c][s];
                code << "      {" << literal(r ? r->question : "") << ", {";
                for (int k = 0; k < 4; ++k) {
                    const std::string choice = r && r->choices.size() == 4 ? r->choices[static_cast<std::size_t>(k)] : "";
                    code << literal(choice) << (k < 3 ? ", " : "");
                }
                code << "}, " << literal(r ? r->answer : "") << "},\n";
            }
            code << "    },\n";
        }
        code << "  },\n";
    }
    code << "};\n\n}  // namespace sv::questions\n";
    if (!ok) return 1;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << code.str();
    return out ? 0 : 1;
}
