// The board: what a verdict does (counters, wedges, the turn), the scores and the end of the game.
#include "board/frm_csav.h"

#include "board/board_common.h"
#include "records/bestscores.h"
#include "records/score.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/files.h"

namespace sv::board {

// --- turn resolution ---------------------------------------------------------------------------

void FrmCSav::showCounts(int s) {
    const Side& d = side(s);
    const SideScore& n = game.side(s);
    d.asked->setCaption(std::to_string(n.asked));
    d.recapCount->setCaption(std::to_string(n.recap));
    d.right->setCaption(std::to_string(n.right));
    d.wrong->setCaption(std::to_string(n.wrong));
}

void FrmCSav::TimRetQuest_Timer() {
    int side = 0;
    if (m_.TypePartie == state::GameType::OnePlayer) {
        side = 1;
    } else if (m_.TypePartie == state::GameType::TwoSides) {
        side = state::sideNumber(m_.JQuiJ);
    }
    if (side == 0) {
        TimRetQuest.setInterval(0);
        return;
    }
    const bool two = m_.TypePartie == state::GameType::TwoSides;
    const int other = 3 - side;
    const Side& me = this->side(side);
    const SideScore& numbers = game.side(side);
    const std::string& crlf = m_.CrLf;
    const state::Category* category = state::categoryByKey(m_.CleCat);
    const Verdict verdict = game.answer(side, m_.RepJuste == 1, two, m_.TypeCase, category ? category->index : 0);
    me.asked->setCaption(std::to_string(numbers.asked));
    me.recapCount->setCaption(std::to_string(numbers.recap));
    if (!two) LblLance.setEnabled(true);
    if (m_.RepJuste == 1) {
        LblN.setCaption("");
        if (two) {
            const std::string& name = *me.player;
            LblInfo.setCaption(lines({"", "vous avez répondu correctement à la", "question. Vous", "relancez", "le dé."}, crlf)
                                   .insert(0, name + ","));
        } else {
            LblInfo.setCaption(lines({"Bravo !  Vous  avez  répondu", "correctement à la question.", "Relancez le dé pour un",
                                      "nouveau tour."},
                                     crlf));
        }
        me.right->setCaption(std::to_string(numbers.right));
        if (two) {
            LblLance.setEnabled(true);
            m_.JQuiJ = state::turnOf(side);
            LblJquiJ.setCaption(std::to_string(side));
        }
        if (verdict.wedge != 0) showWedge(side, verdict.wedge);
        if (verdict.won) {
            LblLance.setEnabled(false);
            TimFin.setInterval(1000);
        }
    } else if (!two) {
        LblN.setCaption("");
        LblInfo.setCaption(lines({"", "Relancez le dé", "pour un", "nouveau tour."}, crlf));
        me.wrong->setCaption(std::to_string(numbers.wrong));
    } else {
        showTurn(other);
        LblN.setCaption("");
        const std::string& name = *this->side(other).player;
        LblInfo.setCaption("C'est au tour de " + crlf + name + crlf + "de jouer en" + crlf + "lançant" + crlf + " le dé.");
        me.wrong->setCaption(std::to_string(numbers.wrong));
        LblLance.setEnabled(true);
        m_.JQuiJ = state::turnOf(other);
        LblJquiJ.setCaption(std::to_string(other));
    }
    TimRetQuest.setInterval(0);
}

void FrmCSav::showWedge(int side, int category) {
    const state::Category& c = state::kCategories[static_cast<std::size_t>(category - 1)];
    m_.RepMsg = app().msgBox("Bravo ! Vous avez répondu à une question de quartier général.            " + m_.CrLf +
                                 "Le triangle " + std::string(c.colour) + " est placé dans votre camembert.",
                             ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto");
    const Side& me = this->side(side);
    const SideScore& numbers = game.side(side);
    for (int slot = 1; slot <= 6; ++slot) {
        if (numbers.slotOrder[static_cast<std::size_t>(slot)] != category) continue;
        (*me.wedgeSlots)(slot).loadResource(me.slotPicture(category));
        (*me.slotUsed)(slot).setCaption("1");
    }
    me.overlays[static_cast<std::size_t>(category - 1)]->move(me.token->left(), me.token->top());
}

void FrmCSav::TimScore_Timer(int side) {
    const Side& me = this->side(side);
    SideScore& numbers = game.side(side);
    const int asked = numbers.asked;
    me.scoreTimer->setInterval(0);
    if (asked == 0) {
        app().msgBox("Interne 10" + std::to_string(side) + " - " + std::to_string(err::kDivisionByZero) +
                         m_.CrLf + m_.CrLf + errorDescription(err::kDivisionByZero) + ".",
                     ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Erreur programme");
        return;
    }
    numbers.score = GameState::percent(numbers.right, asked);
    me.score->setCaption(std::to_string(numbers.score));
}

// --- end of game -------------------------------------------------------------------------------

void FrmCSav::TimFin_Timer() {
    const std::string& n = m_.CrLf;
    try {
        PartieFinie = 1;
        LblN.setCaption("");
        LblLance.setEnabled(false);
        // The first 30 records of the table, to tell whether the result enters it.
        std::vector<std::string> table;
        const std::string path = m_.CheminDonnees + "bestscor.ret";
        if (!files::missing(path)) table = files::splitLines(files::readText(path));
        if (table.size() > 30) table.resize(30);
        LblInfo.setCaption("Fin de" + n + "la partie.");
        sound("WSon06.wav");
        const bool two = m_.TypePartie == state::GameType::TwoSides;
        const int winner = two && m_.JQuiJ == state::Turn::Side2 ? 2 : 1;
        const Side& won = side(winner);
        const Side& lost = side(3 - winner);
        const std::string s = std::to_string(game.side(winner).score);
        const std::string& w = two ? *won.player : m_.NomJ1;
        const bool entered = records::qualifies(game.side(winner).score, table);
        const std::string bravo = "Bravo " + w + " ! Vous avez répondu correctement            ";
        const std::string percent = std::string(34, ' ') + s + " %";
        if (!two) {
            m_.TexteMsg = bravo + n + "à la dernière question du jeu. Votre pourcentage" + n +
                          "de   ''réponses justes / réponses fausses''   est de:" + n + n + percent;
            if (entered) {
                m_.TexteMsg += n + n + "VOUS ENTREZ DANS LES 30 MEILLEURS SCORES " + n + n +
                               "Voulez-vous inscrire ce résultat dans le tableau " + n +
                               "          récapitulant les meilleurs scores ?";
            } else {
                m_.TexteMsg += n + n;
            }
        } else {
            m_.TexteMsg = bravo + n + "         à  la  dernière  question  du  jeu.  " + n +
                          "Vous êtes donc le (la) gagnant(e) de la partie." + n;
            if (entered) {
                m_.TexteMsg += n + "   Votre  pourcentage  de  réponses justes  par            " + n +
                               "      rapport  aux  réponses  fausses  est  de :" + n + n + percent + n + n +
                               "VOUS ENTREZ DANS LES 30 MEILLEURS SCORES " + n + n +
                               "  Voulez-vous inscrire ce résultat dans le tableau " + n +
                               "            récapitulant les meilleurs scores ?";
            } else {
                const SideScore& w1 = game.side(winner);
                const SideScore& l1 = game.side(3 - winner);
                auto count = [](int v) { return std::to_string(v); };
                m_.TexteMsg += n + "Votre score, en pourcentage, est de " + count(w1.score) + " %." + n + "Soit " +
                               count(w1.right) + " bonnes réponses pour " + count(w1.asked) + " questions posées." + n +
                               n + "Le score de " + *lost.player + " est de " + count(l1.score) + " %." + n + "Soit " +
                               count(l1.right) + " bonnes réponses pour " + count(l1.asked) + " questions posées.";
            }
        }
        m_.RepMsg = app().msgBox(m_.TexteMsg, entered ? ui::MsgButtons::YesNo : ui::MsgButtons::Ok,
                                 ui::MsgIcon::Exclamation, "Fin de la partie");
        if (entered && m_.RepMsg == ui::kMsgYes) {
            // The table is written anew beside itself and renamed over: a full disk leaves
            // the old table whole, never a record cut in half.
            const std::string current = files::missing(path) ? std::string() : files::readText(path);
            files::writeTextAtomic(path, files::withLine(current, records::buildRecord(s, app().platform().now(), w, m_.Quest)));
            app().platform().fileWritten(path);
            TimShowSco.setInterval(1000);
        }
    } catch (const RuntimeError& e) {
        TimFin.setInterval(0);
        support::reportError(app(), m_, support::lieu::kEndOfGame, e);
        return;
    }
    TimFin.setInterval(0);
}

void FrmCSav::TimShowSco_Timer() {
    TimShowSco.setInterval(0);
    app().load("FrmDetailScor");
}

}  // namespace sv::board
