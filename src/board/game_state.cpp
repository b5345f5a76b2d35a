#include "board/game_state.h"

#include "records/score.h"

namespace sv::board {

int SideScore::held() const {
    int n = 0;
    for (std::size_t k = 1; k <= 6; ++k) n += wedges[k] == 1 ? 1 : 0;
    return n;
}

Verdict GameState::answer(int s, bool right, bool twoSides, state::SquareType where, int category) {
    SideScore& me = side(s);
    Verdict v;
    v.next = twoSides ? (s == 2 ? 2 : 1) : 0;
    me.asked += 1;
    me.recap += 1;
    if (!right) {
        me.wrong += 1;
        if (twoSides) v.next = 3 - v.next;
        return v;
    }
    me.right += 1;
    const auto k = static_cast<std::size_t>(category);
    if (where == state::SquareType::Headquarters && category >= 1 && category <= 6 && me.wedges[k] != 1) {
        me.wedges[k] = 1;
        for (std::size_t slot = 1; slot <= 6; ++slot) {
            if (me.slotOrder[slot] != 0) continue;
            me.slotOrder[slot] = category;
            break;
        }
        v.wedge = category;
    }
    v.won = where == state::SquareType::Centre && me.holdsAllSix();
    return v;
}

int GameState::percent(int right, int asked) { return asked > 0 ? records::scorePercent(right, asked) : 0; }

}  // namespace sv::board
