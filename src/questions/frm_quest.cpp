#include "questions/frm_quest.h"

#include "board/frm_csav.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/look.h"

namespace sv::questions {

FrmQuest::FrmQuest(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 7500, 3900})),
      ImgBle(picture("ImgBle", {300, 420, 720, 720})),
      ImgRos(picture("ImgRos", {300, 420, 720, 720})),
      ImgJau(picture("ImgJau", {300, 420, 720, 720})),
      ImgMar(picture("ImgMar", {300, 420, 720, 720})),
      ImgVer(picture("ImgVer", {300, 420, 720, 720})),
      ImgOra(picture("ImgOra", {300, 420, 720, 720})),
      LblQue(label("LblQue", {1260, 540, 4200, 900})),
      LblR1(label("LblR1", {1260, 1500, 4200, 285})),
      LblR2(label("LblR2", {1260, 1800, 4200, 285})),
      LblR3(label("LblR3", {1260, 2100, 4200, 285})),
      LblR4(label("LblR4", {1260, 2400, 4200, 285})),
      LblRep1(label("LblRep1", {1260, 660, 4200, 300})),
      LblRep(label("LblRep", {1260, 1020, 4200, 780})),
      LblQ(label("LblQ", {1260, 2040, 4200, 600})),
      LblTps(label("LblTps", {6060, 480, 840, 420})),
      CmdInfo(button("CmdInfo", {5640, 1380, 1260, 420}, "Info")),
      CmdContinuer(button("CmdContinuer", {5640, 2040, 1260, 420}, "Continuer")),
      CmdNon(button("CmdNon", {6900, 1380, 1260, 420}, "Non")),
      CmdOui(button("CmdOui", {6900, 2040, 1260, 420}, "Oui")),
      TimDeb(timer("TimDeb")),
      TimTps1(timer("TimTps1")),
      TimTps2(timer("TimTps2")),
      m_(m) {
    setOwner("FrmCSav");  // over the board, without a taskbar entry of its own
    setBorderless(true);
    setCaption("Question");
    move(0, 0, 7500, 3900);
    for (ui::Picture* p : {&ImgBle, &ImgRos, &ImgJau, &ImgMar, &ImgVer, &ImgOra}) {
        p->setVisible(false);
        p->setStretch(true);
    }
    for (ui::Label* l : {&LblQue, &LblR1, &LblR2, &LblR3, &LblR4}) {
        l->setFont({"MS Sans Serif", 10, false, false, false});
        l->setForeColor(ui::look::kInk);
    }
    LblQue.setFont({"MS Sans Serif", 11, true, false, false});
    LblRep1.setCaption("La réponse est :");
    LblRep1.setFont({"MS Sans Serif", 10, false, false, false});
    LblRep.setFont({"MS Sans Serif", 12, true, false, false});
    LblRep.setForeColor(ui::look::kAnswer);
    LblQ.setCaption("Avez-vous répondu correctement à la question ?");
    LblQ.setFont({"MS Sans Serif", 10, true, false, false});
    LblQ.setForeColor(ui::look::kInk);
    for (ui::Label* l : {&LblRep1, &LblRep, &LblQ}) l->setVisible(false);
    LblTps.setCaption("0");
    LblTps.setVisible(false);
    LblTps.setAlignment(ui::Align::Center);
    LblTps.setFont({"MS Sans Serif", 16, true, false, false});
    LblTps.setForeColor(ui::rgb(160, 30, 30));
    for (int k = 0; k < 2; ++k) {
        ui::Label& marker = label("LbCli", {k == 0 ? 5520 : 6900, 540, 540, 300}, k);
        marker.setCaption(k == 0 ? "<<<" : ">>>");
        marker.setFont({"MS Sans Serif", 10, true, false, false});
        marker.setForeColor(ui::rgb(160, 30, 30));
        marker.setAlignment(ui::Align::Center);
        marker.setVisible(false);
        LbCli.put(k, marker);
    }
    CmdNon.setVisible(false);
    CmdOui.setVisible(false);

    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    TimTps1.onTimer = [this] { TimTps1_Timer(); };
    TimTps2.onTimer = [this] { TimTps2_Timer(); };
    CmdContinuer.onClick = [this] { CmdContinuer_Click(); };
    CmdOui.onClick = [this] { CmdOui_Click(); };
    CmdNon.onClick = [this] { CmdNon_Click(); };
    CmdInfo.onClick = [this] { CmdInfo_Click(); };
    // The window moves when its background is dragged.
    moveWithMouse(ImgFond);

    fields().bind("Reponse", Reponse);
    fields().bind("Ecoule", Ecoule);
}

ui::Picture* FrmQuest::categoryPicture(int category) {
    ui::Picture* pictures[6] = {&ImgBle, &ImgRos, &ImgJau, &ImgMar, &ImgVer, &ImgOra};
    return category >= 1 && category <= 6 ? pictures[category - 1] : nullptr;
}

void FrmQuest::Form_Load() {
    try {
        TimDeb.setInterval(100);
        // On the centre the time runs from the moment the category is chosen.
        if (m_.Minut == 1 && m_.TypeCase != state::SquareType::Centre) startCountdown();
        LblQue.setTop(540);
        LblR1.setTop(1500);
        LblR2.setTop(1800);
        LblR3.setTop(2100);
        LblR4.setTop(2400);
        SubTypeQuestion();
        ImgFond.loadFile(m_.CheminApp + "WQuest.gif");
        ImgFond.move(0, 0);
        setWidth(ImgFond.width());
        setHeight(ImgFond.height());
        if (ui::Window* board = app().find("FrmCSav")) {
            move(board->left() + (board->width() - width()) / 2,
                 board->top() + (board->height() - height()) / 2 + 1680);
        }
    } catch (const RuntimeError& e) {
        if (e.number() == err::kFileNotFound) {
            loadFailed_ = true;
            support::reportError(app(), m_, support::lieu::kQuestion, e);
        }
        return;
    }
    // The category pictures: a failure here changes nothing.
    const char* resources[6] = {"IMGBLE", "IMGROS", "IMGJAU", "IMGMAR", "IMGVER", "IMGORA"};
    for (int k = 1; k <= 6; ++k) {
        try {
            categoryPicture(k)->loadResource(resources[k - 1]);
        } catch (const RuntimeError& e) {
            app().platform().log("savanto.pictures", std::string(resources[k - 1]) + ": " + e.description());
        }
    }
}

bool FrmQuest::tableIsEmpty(const state::QuestionTable& t) const {
    for (int i = 1; i <= m_.NbQuestCat && i <= state::kSlots; ++i) {
        if (!t[static_cast<std::size_t>(i)].Question.empty()) return false;
    }
    return true;
}

void FrmQuest::SubTypeQuestion() {
    m_.RepJuste = 0;
    const state::Category* cat = state::categoryByKey(m_.CleCat);
    if (cat == nullptr) return;
    ui::Picture* picture = categoryPicture(cat->index);
    picture->setVisible(true);
    state::QuestionTable& t = m_.table(cat->index);
    const int n = std::min(m_.NbQuestCat, state::kSlots);
    if (n < 1 || tableIsEmpty(t)) {
        // No set was loaded for this category: nothing to draw.
        empty_ = true;
        return;
    }
    int misses = 0;
    while (true) {
        const int x = static_cast<int>(n * app().platform().random() + 1);
        state::QuestionRecord& r = t[static_cast<std::size_t>(std::clamp(x, 1, n))];
        if (r.Dispo == 0) {
            misses += 1;
            if (misses <= n) continue;
            // Every question of the category has been asked: they can all be drawn again,
            // except the one just drawn.
            for (int i = 1; i <= n; ++i) t[static_cast<std::size_t>(i)].Dispo = 1;
            misses = 0;
            r.Dispo = 0;
            picture->setVisible(true);
            continue;
        }
        const std::string choices[4] = {r.Choix1, r.Choix2, r.Choix3, r.Choix4};
        ui::Label* labels[4] = {&LblR1, &LblR2, &LblR3, &LblR4};
        for (int k = 0; k < 4; ++k) {
            if (!choices[k].empty()) labels[k]->setCaption("- " + choices[k]);
        }
        if (r.Choix2.empty()) LblQue.setTop(LblQue.top() + 240);
        LblQue.setCaption(r.Question);
        r.Dispo = 0;
        Reponse = r.Reponse;
        return;
    }
}

void FrmQuest::startCountdown() {
    Ecoule = 0;
    LblTps.setVisible(true);
    LblTps.setCaption(std::to_string(m_.Duree));
    TimTps1.setInterval(1000);
}

void FrmQuest::stopBlinking() {
    TimTps2.setInterval(0);
    LbCli(0).setVisible(false);
    LbCli(1).setVisible(false);
}

void FrmQuest::TimDeb_Timer() {
    TimDeb.setInterval(0);
    // A window that could not load is closed by its report: no category is asked for.
    if (loadFailed_) return;
    if (m_.TypeCase == state::SquareType::Centre) {
        // The category is chosen first; the question shows once it is drawn.
        app().load("FrmQuestC").show();
        return;
    }
    showQuestion();
}

void FrmQuest::ChoixFait_Notified() {
    if (m_.ChoixFait != 1) return;
    m_.ChoixFait = 0;
    SubTypeQuestion();
    if (m_.Minut == 1 && !empty_) startCountdown();
    showQuestion();
}

void FrmQuest::showQuestion() {
    if (loadFailed_) return;
    if (empty_) return noQuestionLoaded();
    show();
    // Enter reveals the answer: "Info" is one Tab away.
    CmdContinuer.setFocus();
}

void FrmQuest::noQuestionLoaded() {
    const state::Category* cat = state::categoryByKey(m_.CleCat);
    app().msgBox("Aucune question n'est chargée pour la catégorie « " + std::string(cat ? cat->name : "") + " »." +
                     m_.CrLf + m_.CrLf + "Choisissez le questionnaire « Moyen » ou « Plutôt difficile » sur l'écran" +
                     m_.CrLf + "d'accueil, puis commencez une nouvelle partie.",
                 ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
    cancelled_ = true;
    app().unload(*this);
}

void FrmQuest::TimTps1_Timer() {
    Ecoule += 1;
    const int remaining = m_.Duree - Ecoule;  // the countdown shows what is left of the answer time
    LblTps.setCaption(std::to_string(remaining));
    if (remaining < 11 && remaining > 1) {
        TimTps2.setInterval(500);
    } else {
        stopBlinking();
    }
    if (Ecoule > m_.Duree) {
        LblTps.setCaption("0");
        TimTps1.setInterval(0);
        for (ui::Label* l : {&LblQue, &LblR1, &LblR2, &LblR3, &LblR4}) l->setVisible(false);
        LblRep1.setCaption("La réponse était :");
        for (ui::Label* l : {&LblRep, &LblRep1, &LblQ}) l->setVisible(true);
        CmdInfo.setVisible(false);
        CmdContinuer.setVisible(false);
        LblQ.setCaption("Le temps de réflexion étant dépassé," + m_.CrLf + "la  réponse  est  considérée  nulle.");
        CmdNon.setLeft(CmdInfo.left());
        CmdNon.setCaption("Fermer");
        CmdNon.setVisible(true);
        LblRep.setCaption(Reponse);
        stopBlinking();
        timeUp_ = true;
        if (m_.SonYN == 1) app().platform().playSound(m_.CheminApp + "WSon07.wav");
    }
}

void FrmQuest::TimTps2_Timer() {
    if (CmdContinuer.visible()) {
        const bool show = !LbCli(0).visible();
        LbCli(0).setVisible(show);
        LbCli(1).setVisible(show);
    } else {
        TimTps2.setInterval(0);
        LbCli(0).setVisible(false);
        LbCli(1).setVisible(false);
    }
}

void FrmQuest::CmdContinuer_Click() {
    for (ui::Label* l : {&LblQue, &LblR1, &LblR2, &LblR3, &LblR4}) l->setVisible(false);
    for (ui::Label* l : {&LblRep, &LblRep1, &LblQ}) l->setVisible(true);
    CmdInfo.setVisible(false);
    CmdContinuer.setVisible(false);
    CmdOui.setVisible(true);
    CmdNon.setVisible(true);
    CmdNon.setLeft(CmdInfo.left());
    CmdOui.setLeft(CmdInfo.left());
    LblRep.setCaption(Reponse);
    LblTps.setVisible(false);
    TimTps1.setInterval(0);
    stopBlinking();
}

void FrmQuest::CmdOui_Click() {
    decided_ = true;
    m_.RepJuste = 1;
    app().unload(*this);
}

void FrmQuest::CmdNon_Click() {
    decided_ = true;
    m_.RepJuste = 0;
    app().unload(*this);
}

void FrmQuest::CmdInfo_Click() {
    const std::string& n = m_.CrLf;
    m_.TexteMsg = "Réfléchissez à la question qui vous est posée, puis quand vous pensez" + n +
                  "avoir une réponse ou si même si vous n'avez pas trouvé, cliquez sur" + n + "'' Continuer ''." + n +
                  n + "Vous pouvez définir le temps alloué aux joueurs pour réfléchir avant de" + n +
                  "répondre. Pour modifier cette option, cliquez sur l'icône du sablier sur le" + n +
                  "plateau de jeu." + n + n + "Aménagement des règles:" + n +
                  "Vous pouvez également définir le degré de précision exigé pour qu'une" + n +
                  "réponse soit acceptée. Par exemple, vous pouvez décider que donner" + n +
                  "le nom de famille est suffisant pour considérer la réponse comme exacte." + n +
                  "Mais vous pouvez aussi décider que sans le prénom, elle n'est pas correcte.            " + n +
                  "D'autre part, vous pouvez également choisir d'avoir des règles différentes" + n +
                  "selon l'âge des joueurs.";
    m_.RepMsg = app().msgBox(m_.TexteMsg, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto");
}

void FrmQuest::Form_Unload(int& cancel) {
    // Closed by the window system while the question is still open: refused, the player
    // first answers (or takes note of the time-out).
    if (!decided_ && !timeUp_ && !cancelled_ && !loadFailed_) {
        cancel = 1;
        return;
    }
    auto* board = app().find<board::FrmCSav>();
    // A question that could not be shown has no verdict: the board goes back to before it.
    if (cancelled_ || loadFailed_) {
        if (board) board->QuestionAnnulee();
        return;
    }
    if (board) {
        // The recap entry: the question as shown, the answer as revealed, the verdict.
        state::RecapList* list = nullptr;
        int side = 1;
        if (m_.TypePartie == state::GameType::OnePlayer) {
            list = &m_.Recap;
        } else if (m_.TypePartie == state::GameType::TwoSides) {
            side = m_.JQuiJ == state::Turn::Side1 ? 1 : 2;
            list = side == 1 ? &m_.RecapJ1 : &m_.RecapJ2;
        }
        if (list != nullptr) {
            const int n = board->game.side(side).recap + 1;
            // The lists hold 50 entries: later questions are counted but not listed.
            if (n >= 1 && n <= state::kRecapEntries) {
                list->Quest[static_cast<std::size_t>(n)] = LblQue.caption();
                list->Rep[static_cast<std::size_t>(n)] = LblRep.caption();
                list->Juste[static_cast<std::size_t>(n)] = m_.RepJuste;
            }
        }
        board->LblPos.setEnabled(true);
        board->LblEnr.setEnabled(true);
        board->setEnabled(true);
        board->TimRetQuest.setInterval(50);
    }
}

}  // namespace sv::questions
