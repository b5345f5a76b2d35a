// The real program with a game of one or two sides on its board.
#pragma once

#include "board/frm_csav.h"
#include "program_fixture.h"
#include "screens/frm_bdema.h"

namespace sv::test {

class GameFixture : public ProgramFixture {
protected:
    // Plays a game of `type` sides (side 1 starts for a draw below 0.5) and waits `wait` ms.
    board::FrmCSav& game(int type, double draw = 0.1, int wait = 1720) {
        app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        if (type == 2) app->userClick(start.Opt2);
        app->userClick(start.CmdJouer(type));
        if (type == 2) platform.queueRandom(draw);
        platform.advance(wait);
        return *app->find<board::FrmCSav>();
    }
    // What a drop of token `side` on square n does.
    static void dropOn(board::FrmCSav& b, int side, int n) {
        b.game.moving = side;
        b.CaseCible = n;
        b.CmdLB_Click();
    }
};

}  // namespace sv::test
