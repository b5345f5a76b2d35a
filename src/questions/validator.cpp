#include "questions/validator.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "questions/question_bank.h"
#include "state/categories.h"
#include "ui/text.h"

namespace sv::questions {
namespace {

struct Counts {
    int open, mc;
};

// Open / multiple-choice questions per category (category order) of sets 2 and 3.
constexpr Counts kCounts[2][6] = {
    {{23, 27}, {36, 14}, {38, 12}, {36, 14}, {36, 14}, {36, 14}},
    {{22, 28}, {42, 8}, {41, 9}, {46, 4}, {34, 16}, {42, 8}},
};

constexpr std::size_t kMaxQuestion = 150;
constexpr std::size_t kMaxChoice = 40;
constexpr std::size_t kMaxAnswer = 60;

// Questions compared without case, accents left as they are, blanks squeezed.
std::string normalised(const std::string& s) {
    std::string out;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += static_cast<char>(u < 0x80 ? std::tolower(u) : u);
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool cleanText(const std::string& s) {
    return text::isCp1252(s) && s.find_first_of("\r\n\t") == std::string::npos;
}

}  // namespace

std::vector<std::string> validateQuestionSets() { return validateQuestionSets(questionData); }

std::vector<std::string> validateQuestionSets(const QuestionSource& questionData) {
    std::vector<std::string> problems;
    std::map<std::string, std::string> seen;  // normalised question -> where
    for (int set = 2; set <= 3; ++set) {
        for (const auto& cat : state::kCategories) {
            int open = 0, mc = 0;
            for (int slot = 1; slot <= 50; ++slot) {
                const QuestionData& d = questionData(set, cat.index, slot);
                const std::string where =
                    "questionnaire " + std::to_string(set) + " " + std::string(cat.code) + " " + std::to_string(slot);
                const std::string q = d.question, r = d.reponse;
                if (q.empty() || r.empty()) {
                    problems.push_back(where + " : question ou réponse manquante");
                    continue;
                }
                int filled = 0;
                for (const char* c : d.choix) filled += *c != '\0' ? 1 : 0;
                if (filled == 0) {
                    ++open;
                } else if (filled == 4) {
                    ++mc;
                    bool found = false;
                    for (int k = 0; k < 4; ++k) {
                        found = found || r == d.choix[k];
                        for (int j = k + 1; j < 4; ++j) {
                            if (std::string(d.choix[k]) == d.choix[j]) problems.push_back(where + " : deux propositions identiques");
                        }
                        if (text::length(d.choix[k]) > kMaxChoice) problems.push_back(where + " : proposition trop longue");
                        if (!cleanText(d.choix[k])) problems.push_back(where + " : caractère interdit dans une proposition");
                    }
                    if (!found) problems.push_back(where + " : la réponse n'est pas l'une des propositions");
                } else {
                    problems.push_back(where + " : " + std::to_string(filled) + " propositions sur 4");
                }
                if (text::length(q) > kMaxQuestion) problems.push_back(where + " : question trop longue");
                if (text::length(r) > kMaxAnswer) problems.push_back(where + " : réponse trop longue");
                if (!cleanText(q) || !cleanText(r)) problems.push_back(where + " : caractère interdit");
                const auto [it, fresh] = seen.emplace(normalised(q), where);
                if (!fresh) problems.push_back(where + " : même question que " + it->second);
            }
            const Counts want = kCounts[set - 2][cat.index - 1];
            if (open != want.open || mc != want.mc) {
                problems.push_back("questionnaire " + std::to_string(set) + " " + std::string(cat.code) + " : " +
                                   std::to_string(open) + " ouvertes et " + std::to_string(mc) + " à choix, " +
                                   std::to_string(want.open) + " et " + std::to_string(want.mc) + " attendues");
            }
        }
    }
    // The reference records of set 2.
    auto expect = [&](int cat, int slot, const char* q, const char* r, std::initializer_list<const char*> choices) {
        const QuestionData& d = questionData(2, cat, slot);
        bool same = std::string(d.question) == q && std::string(d.reponse) == r;
        int k = 0;
        for (const char* c : choices) same = same && std::string(d.choix[k++]) == c;
        if (!same) problems.push_back("questionnaire 2 : la question de référence " + std::to_string(cat) + "/" +
                                      std::to_string(slot) + " n'est pas en place");
    };
    expect(4, 1, "Comment se nomme un vers de douze syllabes ?", "Un alexandrin", {"", "", "", ""});
    expect(5, 16, "Combien d'angles a un hexagone ?", "6", {"5", "6", "7", "10"});
    expect(5, 3, "La nageoire de queue du poisson est appelée :", "Caudale", {"Anale", "Caudale", "Ventrale", "Pectorale"});
    return problems;
}

}  // namespace sv::questions
