// savanto-questions: prints every question of both sets, one a line, as ten tab-separated
// fields: set, category code, slot, open or mc, question, the four choices, the answer.
#include <iostream>

#include "questions/question_bank.h"
#include "state/categories.h"

int main() {
    for (int set = 2; set <= 3; ++set) {
        for (const auto& cat : sv::state::kCategories) {
            for (int slot = 1; slot <= 50; ++slot) {
                const auto& d = sv::questions::questionData(set, cat.index, slot);
                std::cout << set << '\t' << cat.code << '\t' << slot << '\t' << (*d.choix[1] ? "mc" : "open") << '\t'
                          << d.question;
                for (const char* c : d.choix) std::cout << '\t' << c;
                std::cout << '\t' << d.reponse << '\n';
            }
        }
    }
    return std::cout ? 0 : 1;
}
