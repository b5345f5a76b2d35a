// The board's paths: which squares touch, which squares a throw of the die reaches, and the
// square next to another in a direction on the screen (for moving a highlight with the arrows).
#pragma once

#include <vector>

namespace sv::board {

// The squares one step away along the ring or a spoke, in increasing order.
std::vector<int> neighbours(int square);

// The squares a token on `from` reaches in exactly `steps` steps without going back on its
// own path (it may pass through the centre), in increasing order.
std::vector<int> reachable(int from, int steps);

// The neighbour of `square` lying best in the screen direction (dx, dy) (y grows downwards),
// or `square` itself when no neighbour lies within 60 degrees of it.
int neighbourToward(int square, double dx, double dy);

}  // namespace sv::board
