// The percentage score: right answers among the questions asked.
#pragma once

namespace sv::records {

// right × (100 ÷ asked), rounded to the nearest whole number, halves to the even neighbour
// (3 of 8 gives 38, 1 of 8 gives 12). asked must not be 0.
int scorePercent(int right, int asked);

}  // namespace sv::records
