#include "screens/frm_entraine.h"

#include <algorithm>
#include <vector>

#include "records/score.h"
#include "support/report.h"
#include "ui/app.h"

namespace sv::screens {

namespace {

constexpr ui::Color kYellow = ui::rgb(255, 255, 0);
constexpr ui::Color kOrange = ui::rgb(255, 128, 0);
constexpr ui::Color kGrey = ui::rgb(128, 128, 128);
constexpr ui::Color kWhite = ui::kWhite;
constexpr ui::Color kNight = ui::rgb(8, 14, 40);
constexpr int kTicksPerSecond = 60;

// Pixels of the window to twips.
constexpr ui::Rect px(int x, int y, int w, int h) { return {x * 15, y * 15, w * 15, h * 15}; }

struct CategoryEntry {
    const char* key;
    const char* name;
    const char* title;
};
const CategoryEntry kCategories[6] = {
    {"QueB", "géographie", " questions de géographie"},
    {"QueR", "divertissement", " questions divertissement"},
    {"QueJ", "histoire", " questions histoire"},
    {"QueM", "arts et littérature", " questions arts et littérature"},
    {"QueV", "sciences et nature", " questions sciences et nature"},
    {"QueO", "sports et loisirs", " questions sports et loisirs"},
};

// A countdown field always shows two digits.
void padTwoDigits(ui::Label& field) {
    if (field.caption().size() == 1) field.setCaption("0" + field.caption());
}

// The countdown's length for the list's entry: 30 seconds unless another is chosen.
int secondsChosen(const std::string& item) {
    return item == "10 sec" ? 10 : item == "20 sec" ? 20 : item == "60 sec" ? 60 : 30;
}

}  // namespace

const char* summaryVerdict(int s) {
    return s < 61 ? "Vous pouvez faire mieux." : s < 81 ? "Bravo !!!" : "Excellent score, bravo !!!";
}

FrmEntraine::FrmEntraine(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {-30, -30, 6270, 4635})),
      ImgBle(picture("ImgBle", px(14, 14, 40, 40))),
      ImgRos(picture("ImgRos", px(14, 14, 40, 40))),
      ImgJau(picture("ImgJau", px(14, 14, 40, 40))),
      ImgMar(picture("ImgMar", px(14, 14, 40, 40))),
      ImgVer(picture("ImgVer", px(14, 14, 40, 40))),
      ImgOra(picture("ImgOra", px(14, 14, 40, 40))),
      LblQue(text("LblQue", px(62, 10, 236, 72))),
      LblR1(text("LblR1", px(62, 88, 236, 20))),
      LblR2(text("LblR2", px(62, 109, 236, 20))),
      LblR3(text("LblR3", px(62, 130, 236, 40))),
      LblR4(text("LblR4", px(62, 151, 236, 20))),
      LblQ(text("LblQ", px(308, 28, 94, 18))),
      LblExacte(text("LblExacte", px(366, 54, 36, 16))),
      LblFausse(text("LblFausse", px(366, 72, 36, 16))),
      LblScore(text("LblScore", px(306, 114, 60, 28))),
      LblBas(text("LblBas", px(334, 150, 24, 112))),
      ImgSCO(picture("ImgSCO", px(336, 152, 20, 108))),
      LblMN(text("LblMN", px(16, 182, 42, 32))),
      LblPoint(text("LblPoint", px(58, 182, 10, 32))),
      LblSe(text("LblSe", px(68, 182, 42, 32))),
      ChkChrono(checkBox("ChkChrono", px(124, 180, 16, 18), "")),
      Cbo(comboBox("Cbo", px(124, 202, 92, 22))),
      TxtCbo(textBox("TxtCbo", px(124, 202, 72, 22))),
      CmdJouer(button("CmdJouer", px(12, 232, 118, 28), "Jouer")),
      CmdCle(button("CmdCle", px(12, 232, 118, 28), "Afficher la solution")),
      CmdFerme(button("CmdFerme", px(12, 266, 118, 28), " Fermer")),
      Foc(button("Foc", {-3000, -3000, 300, 300}, "")),
      TimDeb(timer("TimDeb")),
      TimQuest(timer("TimQuest")),
      TimChrono(timer("TimChrono")),
      TimMess(timer("TimMess")),
      TimScore(timer("TimScore")),
      TimFin(timer("TimFin")),
      TimFinBis(timer("TimFinBis")),
      m_(m) {
    setCaption("Quizz");
    setBackColor(kNight);
    ImgFond.setStretch(false);
    struct Caption {
        int index;
        ui::Rect r;
        const char* text;
    };
    const Caption captions[] = {
        {0, px(308, 54, 58, 16), "Exactes :"}, {1, px(362, 246, 20, 16), "%"},
        {2, px(308, 72, 58, 16), "Fausses :"}, {3, px(308, 96, 94, 16), "SCORE :"},
        {4, px(368, 120, 24, 20), "%"},        {5, px(308, 12, 94, 16), "Question"},
        {6, px(142, 181, 150, 16), "Chronométrer le jeu"},
    };
    for (const Caption& c : captions) {
        ui::Label& l = text("Lbl", c.r, c.index);
        l.setCaption(c.text);
        Lbl.put(c.index, l);
    }
    // The question and its answers: the readable heart of the window.
    LblQue.setFont({"MS Sans Serif", 10, true, false, false});
    LblQue.setForeColor(kWhite);
    LblQue.setAlignment(ui::Align::Center);
    for (ui::Label* l : {&LblR1, &LblR2, &LblR3, &LblR4}) {
        l->setFont({"MS Sans Serif", 9, true, false, false});
        l->setForeColor(kYellow);
        l->setAlignment(ui::Align::Center);
    }
    // The counts and the score, grey until the first question.
    for (int k : {0, 2, 3, 5}) Lbl(k).setFont({"MS Sans Serif", 8, true, false, false});
    LblQ.setFont({"MS Sans Serif", 9, true, false, false});
    for (ui::Label* l : {&LblExacte, &LblFausse}) {
        l->setFont({"MS Sans Serif", 9, true, false, false});
        l->setAlignment(ui::Align::Right);
    }
    LblScore.setFont({"MS Sans Serif", 16, true, false, false});
    LblScore.setAlignment(ui::Align::Right);
    Lbl(4).setFont({"MS Sans Serif", 11, true, false, false});
    Lbl(1).setFont({"MS Sans Serif", 8, true, false, false});
    Lbl(1).setForeColor(kWhite);
    for (ui::Label* l : {&Lbl(0), &Lbl(2), &Lbl(3), &Lbl(4), &Lbl(5), &LblQ, &LblExacte, &LblFausse, &LblScore}) {
        l->setForeColor(kGrey);
    }
    LblExacte.setCaption("0");
    LblFausse.setCaption("0");
    LblScore.setCaption("0");
    // The bar: an empty column that fills from the bottom.
    LblBas.setBackColor(ui::rgb(20, 28, 64));
    LblBas.setBorder(true);
    ImgSCO.setStretch(true);
    ImgSCO.setBackColor(kOrange);
    ImgSCO.setVisible(false);
    // The countdown: big digits in a dark box. The buttons stand left of the picture's name.
    ui::Label& box = text("LblCadre", px(12, 178, 102, 40));
    box.setBackColor(ui::rgb(4, 8, 24));
    box.setBorder(true);
    for (ui::Label* l : {&LblMN, &LblPoint, &LblSe}) l->setFont({"Courier New", 20, true, false, false});
    LblMN.setAlignment(ui::Align::Right);
    LblPoint.setAlignment(ui::Align::Center);
    ticksLeft_ = 30 * kTicksPerSecond;
    LblMN.setCaption("30");
    LblPoint.setCaption(":");
    LblSe.setCaption("00");
    Lbl(6).setFont({"MS Sans Serif", 8, true, false, false});
    Lbl(6).setForeColor(kWhite);
    for (const char* item : {"10 sec", "20 sec", "30 sec", "60 sec"}) Cbo.addItem(item);
    TxtCbo.setText("30 sec");
    TxtCbo.setReadOnly(true);
    CmdCle.setVisible(false);
    // Stacking: the background at the bottom, the countdown box under its digits.
    std::vector<ui::Control*> above;
    for (ui::Control* c : controls()) {
        if (c != &ImgFond && c != &box) above.push_back(c);
    }
    box.zOrderTop();
    for (ui::Control* c : above) c->zOrderTop();
    ImgSCO.zOrderTop();
    TxtCbo.zOrderTop();
    // Checked last: its handler sets the countdown colours.
    ChkChrono.onClick = [this] { ChkChrono_Click(); };
    ChkChrono.setValue(true);

    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    TimQuest.onTimer = [this] { TimQuest_Timer(); };
    TimChrono.onTimer = [this] { TimChrono_Timer(); };
    TimMess.onTimer = [this] { TimMess_Timer(); };
    TimScore.onTimer = [this] { TimScore_Timer(); };
    TimFin.onTimer = [this] { TimFin_Timer(); };
    TimFinBis.onTimer = [this] { TimFinBis_Timer(); };
    CmdJouer.onClick = [this] { CmdJouer_Click(); };
    CmdCle.onClick = [this] { CmdCle_Click(); };
    CmdFerme.onClick = [this] { CmdFerme_Click(); };
    Cbo.onClick = [this] { Cbo_Click(); };
    LblSe.onChange = [this] { padTwoDigits(LblSe); };
    LblMN.onChange = [this] { padTwoDigits(LblMN); };
    for (ui::Control* handle : std::initializer_list<ui::Control*>{&ImgFond, &LblQue, &LblR1, &LblR2, &LblR3, &LblR4}) {
        moveWithMouse(*handle);
    }

    fields().array("Serie", 1, 100, [this](int i) { return std::to_string(Serie[static_cast<std::size_t>(i)]); });
    fields().bind("NumQuest", NumQuest);
    fields().bind("NomCat", NomCat);
    fields().bind("SerieFinie", SerieFinie);
    fields().bind("ChronoActif", ChronoActif);
}

ui::Label& FrmEntraine::text(const std::string& name, ui::Rect r, int index) {
    ui::Label& l = label(name, r, index);
    l.setWordWrap(true);
    return l;
}

void FrmEntraine::setCountdownColour(bool on) {
    for (ui::Label* l : {&LblMN, &LblPoint, &LblSe}) l->setForeColor(on ? kYellow : kGrey);
}

// --- opening -----------------------------------------------------------------------------------

void FrmEntraine::Form_Load() {
    try {
        NumQuest = 0;
        SerieFinie = 0;
        right_ = wrong_ = score_ = 0;
        Serie.fill(0);
        ImgFond.move(-30, -30);
        ImgFond.loadFile(m_.CheminApp + "WFenet.gif");
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kTraining, e);
    }
    // Without its background the window keeps its size and still works: the series can be
    // played and closed.
    setHeight(ImgFond.height() + 400);
    setWidth(ImgFond.width() + 30);
    move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
    TimDeb.setInterval(200);
    const std::pair<ui::Picture*, const char*> pictures[6] = {{&ImgBle, "IMGBLE"}, {&ImgRos, "IMGROS"},
                                                              {&ImgJau, "IMGJAU"}, {&ImgMar, "IMGMAR"},
                                                              {&ImgOra, "IMGORA"}, {&ImgVer, "IMGVER"}};
    for (const auto& [picture, resource] : pictures) {
        picture->setVisible(false);
        picture->setStretch(true);
        try {
            picture->loadResource(resource);
        } catch (const RuntimeError& e) {
            app().platform().log("savanto.pictures", std::string(resource) + ": " + e.description());
        }
    }
}

bool FrmEntraine::drawSeries() {
    state::QuestionTable* table = m_.tableByKey(m_.CleCat);
    if (table == nullptr) return false;
    const int slots = std::clamp(m_.NbQuestCat, 0, state::kSlots);
    int drawable = 0;
    for (int j = 1; j <= slots; ++j) drawable += (*table)[static_cast<std::size_t>(j)].Dispo == 1 ? 1 : 0;
    if (drawable == 0) return false;
    // A table that cannot supply the whole series gives a shorter one.
    m_.NbQuestSerie = std::clamp(m_.NbQuestSerie, 1, std::min(drawable, 100));
    int j = 0;
    for (int i = 1; i <= m_.NbQuestSerie; ++i) {
        // Draws until a question still to ask comes up; a long run of bad luck takes the first
        // one left, so the draw always ends.
        for (int tries = 0; (j < 1 || j > slots || (*table)[static_cast<std::size_t>(j)].Dispo != 1); ++tries) {
            if (tries == 1000) {
                j = 1;
                while ((*table)[static_cast<std::size_t>(j)].Dispo != 1) ++j;
                break;
            }
            j = static_cast<int>(app().platform().random() * slots + 1);
        }
        Serie[static_cast<std::size_t>(i)] = j;
        (*table)[static_cast<std::size_t>(j)].Dispo = 0;
    }
    return true;
}

void FrmEntraine::TimDeb_Timer() {
    TimDeb.setInterval(0);
    ui::Picture* pictures[6] = {&ImgBle, &ImgRos, &ImgJau, &ImgMar, &ImgVer, &ImgOra};
    for (int k = 0; k < 6; ++k) {
        if (m_.CleCat != kCategories[k].key) continue;
        NomCat = kCategories[k].name;
        pictures[k]->setVisible(true);
    }
    const bool drawn = drawSeries();
    for (int k = 0; k < 6; ++k) {
        if (m_.CleCat == kCategories[k].key) setCaption(std::to_string(m_.NbQuestSerie) + kCategories[k].title);
    }
    if (ui::Window* loading = app().find("FrmCharge")) app().unload(*loading);
    if (!drawn) {
        m_.RepMsg = app().msgBox("Aucune question de cette catégorie n'est disponible dans ce questionnaire." + m_.CrLf +
                                     m_.CrLf + "Choisissez un autre questionnaire sur l'écran de départ.",
                                 ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
        app().unload(*this);
        return;
    }
    LblQue.setCaption(m_.CrLf + m_.CrLf + "QUIZZ");
    LblR1.setCaption("Répondez aux questions");
    LblR2.setCaption("et essayez de faire le");
    LblR3.setCaption("meilleur score");
    LblR4.setCaption("possible.");
    show();
}

// --- one question ------------------------------------------------------------------------------

void FrmEntraine::armChrono() {
    // 60 ticks a second on the steady clock: tick k falls k * 1000 / 60 ms after the start,
    // however late the previous one was served.
    const std::int64_t due = chronoStart_ + (chronoTicks_ + 1) * 1000 / kTicksPerSecond;
    TimChrono.setInterval(static_cast<int>(std::max<std::int64_t>(1, due - app().platform().steadyMs())));
}

void FrmEntraine::CmdJouer_Click() {
    CmdJouer.setVisible(false);
    CmdCle.setVisible(true);
    LblR1.setForeColor(kYellow);
    if (ChkChrono.value()) {
        setCountdown(secondsChosen(Cbo.text()) * kTicksPerSecond);
        ChronoActif = 1;
        chronoTicks_ = 0;
        chronoStart_ = app().platform().steadyMs();
        armChrono();
    }
    Foc.setFocus();
    TimQuest.setInterval(100);
}

void FrmEntraine::TimQuest_Timer() {
    TimQuest.setInterval(0);
    NumQuest += 1;
    LblQ.setCaption(std::to_string(NumQuest) + " de " + std::to_string(m_.NbQuestSerie));
    for (ui::Label* l : {&Lbl(0), &Lbl(2), &Lbl(3), &Lbl(5), &LblQ}) l->setForeColor(kWhite);
    LblExacte.setForeColor(kYellow);
    LblFausse.setForeColor(kYellow);
    LblScore.setForeColor(kOrange);
    Lbl(4).setForeColor(kOrange);
    state::QuestionTable* table = m_.tableByKey(m_.CleCat);
    const int j = NumQuest >= 1 && NumQuest <= 100 ? Serie[static_cast<std::size_t>(NumQuest)] : 0;
    if (table == nullptr || j < 1 || j > state::kSlots) return;
    const state::QuestionRecord& q = (*table)[static_cast<std::size_t>(j)];
    LblQue.setCaption(q.Question);
    LblR1.setCaption(q.Choix1);
    LblR2.setCaption(q.Choix2);
    LblR3.setCaption(q.Choix3);
    LblR4.setCaption(q.Choix4);
    m_.RepEntraine = q.Reponse;
}

void FrmEntraine::TimChrono_Timer() {
    if (ChronoActif != 1) {
        TimChrono.setInterval(0);
        setCountdown(0);
        return;
    }
    // A late tick (a busy machine) catches up with the ticks it missed.
    const auto due = static_cast<int>((app().platform().steadyMs() - chronoStart_) * kTicksPerSecond / 1000);
    bool over = false;
    for (int step = std::max(1, due - chronoTicks_); step > 0 && !over; --step) {
        ++chronoTicks_;
        setCountdown(ticksLeft_ - 1);
        over = ticksLeft_ == 0;
    }
    if (!over) {
        armChrono();
        return;
    }
    // Time is up: a wrong answer, and the solution on show.
    TimChrono.setInterval(0);
    countAnswer(false);
    ShowSolution(50);
    TimMess.setInterval(30);
}

void FrmEntraine::TimMess_Timer() {
    TimMess.setInterval(0);
    m_.RepMsg = app().msgBox("Le temps de réflexion est terminé, la  réponse  est  considérée  nulle.      ",
                             ui::MsgButtons::Ok, ui::MsgIcon::None, "Savanto");
}

void FrmEntraine::ShowSolution(int scoreDelay) {
    CmdCle.setVisible(false);
    CmdJouer.setCaption("Question suivante");
    CmdJouer.setVisible(true);
    setEnabled(true);
    TimScore.setInterval(scoreDelay);
    LblR1.setForeColor(kWhite);
    LblR1.setCaption("La bonne réponse est:");
    LblR2.setCaption("");
    LblR3.setCaption(m_.RepEntraine);
    LblR4.setCaption("");
    m_.RepEntraine.clear();
}

void FrmEntraine::countAnswer(bool right) {
    int& n = right ? right_ : wrong_;
    n += 1;
    (right ? LblExacte : LblFausse).setCaption(std::to_string(n));
}

void FrmEntraine::setCountdown(int ticks) {
    ticksLeft_ = std::max(0, ticks);
    LblMN.setCaption(std::to_string(ticksLeft_ / kTicksPerSecond));
    LblSe.setCaption(std::to_string(ticksLeft_ % kTicksPerSecond));
}

void FrmEntraine::CmdCle_Click() {
    Foc.setFocus();
    ChronoActif = 0;
    app().load("FrmEponse");
    setEnabled(false);
}

// --- score and end -----------------------------------------------------------------------------

void FrmEntraine::TimScore_Timer() {
    TimScore.setInterval(0);
    try {
        if (NumQuest == 0) throw RuntimeError(err::kDivisionByZero);
        score_ = records::scorePercent(right_, NumQuest);
        LblScore.setCaption(std::to_string(score_));
        const int h = score_ * LblBas.height() / 100;
        ImgSCO.setBounds(ImgSCO.left(), LblBas.top() + LblBas.height() - h, ImgSCO.width(), h);
        ImgSCO.setVisible(true);
        if (NumQuest == m_.NbQuestSerie) {
            SerieFinie = 1;
            CmdJouer.setVisible(false);
            CmdCle.setVisible(false);
            ChkChrono.setEnabled(false);
            Cbo.setEnabled(false);
            TimFin.setInterval(2000);
        }
    } catch (const RuntimeError& e) {
        if (e.number() == err::kOverflow) return;
        app().msgBox("Interne 114 - " + std::to_string(e.number()) + m_.CrLf + m_.CrLf + e.description() + ".",
                     ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Erreur programme");
    }
}

void FrmEntraine::TimFin_Timer() {
    TimFin.setInterval(0);
    const std::string& n = m_.CrLf;
    m_.TexteMsg = "Fin du questionnaire " + NomCat + "." + n + n + "Vous avez répondu juste à " + std::to_string(right_) +
                  " questions sur " + std::to_string(m_.NbQuestSerie) + "." + n + n + "Votre score  est de " +
                  std::to_string(score_) + " % de réponses  justes.            " + n + n + summaryVerdict(score_);
    m_.RepMsg = app().msgBox(m_.TexteMsg, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto");
    TimFinBis.setInterval(3000);
}

void FrmEntraine::TimFinBis_Timer() {
    TimFinBis.setInterval(0);
    LblQue.setCaption(m_.CrLf + m_.CrLf + m_.CrLf + "Fin du questionnaire");
    for (ui::Label* l : {&LblR1, &LblR2, &LblR3, &LblR4}) l->setCaption("");
}

// --- settings and closing ----------------------------------------------------------------------

void FrmEntraine::ChkChrono_Click() {
    if (!ChkChrono.value()) {
        TimChrono.setInterval(0);
        setCountdown(0);
        Cbo.setEnabled(false);
        setCountdownColour(false);
    } else {
        Cbo.setEnabled(true);
        setCountdownColour(true);
    }
}

void FrmEntraine::Cbo_Click() {
    setCountdown(secondsChosen(Cbo.text()) * kTicksPerSecond);
    TxtCbo.setVisible(false);
    Foc.setFocus();
}

void FrmEntraine::CmdFerme_Click() {
    if (SerieFinie != 1) {
        m_.RepMsg = app().msgBox("Voulez-vous vraiment quitter le jeu ?      ", ui::MsgButtons::YesNo,
                                 ui::MsgIcon::Question, "Savanto");
        if (m_.RepMsg == ui::kMsgNo) return;
    }
    app().unload(*this);
}

void FrmEntraine::Form_Unload(int& cancel) {
    (void)cancel;
    app().load("FrmBDema");
}

}  // namespace sv::screens
