// The two question sets compiled into the program: set 2 "Moyen" and set 3 "Plutôt difficile",
// 50 questions per category.
#pragma once

#include "state/module.h"

namespace sv::questions {

struct QuestionData {
    const char* question;
    const char* choix[4];
    const char* reponse;
};

// Set 2 or 3, category 1..6 (category order), slot 1..50.
const QuestionData& questionData(int set, int category, int slot);

// Stores the 50 questions of one category of a set into slots 1..50, each drawable.
void storeCategory(int set, int category, state::QuestionTable& table);

}  // namespace sv::questions
