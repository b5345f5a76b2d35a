// The colours the program's light windows share (question, recap, time, best scores, answer
// check): their paper, their ink and the blue of a right answer.
#pragma once

#include "ui/types.h"

namespace sv::ui::look {

inline constexpr Color kPaper = rgb(248, 244, 232);
inline constexpr Color kInk = rgb(25, 30, 50);
inline constexpr Color kAnswer = rgb(20, 70, 160);

}  // namespace sv::ui::look
