// Checks the compiled-in question sets: completeness, the open / multiple-choice counts,
// answers among their choices, lengths, the characters the program's files can store, no
// question twice, the reference records in place.
#pragma once

#include <string>
#include <vector>

namespace sv::questions {

// One line per problem; empty when the sets are sound.
std::vector<std::string> validateQuestionSets();

}  // namespace sv::questions
