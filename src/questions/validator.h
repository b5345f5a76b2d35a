// Checks the compiled-in question sets: completeness, the open / multiple-choice counts,
// answers among their choices, lengths, the characters the program's files can store, no
// question twice, the reference records in place.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "questions/question_bank.h"

namespace sv::questions {

// The record of set 2 or 3, category 1..6, slot 1..50.
using QuestionSource = std::function<const QuestionData&(int set, int category, int slot)>;

// One line per problem; empty when the sets are sound.
std::vector<std::string> validateQuestionSets(const QuestionSource& source);

// The sets compiled into the program.
std::vector<std::string> validateQuestionSets();

}  // namespace sv::questions
