#include "records/score.h"

#include <cmath>

namespace sv::records {

int scorePercent(int right, int asked) {
    const double share = 100.0 / asked;
    const double value = right * share;
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace sv::records
