// The board window: its layout and its start-up (reset, who starts, the reveal).
#include "board/frm_csav.h"

#include "board/board_common.h"
#include "board/board_model.h"
#include "support/report.h"
#include "ui/app.h"

namespace sv::board {

namespace {

constexpr ui::Color kHover = 16576;  // orange: red 192, green 64, blue 0
constexpr ui::Color kRed = ui::rgb(190, 30, 30);
constexpr ui::Color kBlue = ui::rgb(30, 70, 190);
constexpr ui::Color kInk = ui::rgb(25, 30, 50);
constexpr ui::Color kDarkRed = ui::rgb(140, 20, 20);

// Pixels of the board picture to twips.
constexpr ui::Rect px(int x, int y, int w, int h) { return {x * 15, y * 15, w * 15, h * 15}; }

const char* const kOverlayNames[2][6] = {{"ParB1", "ParR1", "ParJ1", "ParM1", "ParV1", "ParO1"},
                                         {"ParB2", "ParR2", "ParJ2", "ParM2", "ParV2", "ParO2"}};
const char* const kOverlayPictures[6] = {"PARTB", "PARTR", "PARTJ", "PARTM", "PARTV", "PARTO"};

}  // namespace

FrmCSav::FrmCSav(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, kWidth, kHeight})),
      LblJ1(text("LblJ1", px(26, 7, 102, 18), "")),
      LblJ2(text("LblJ2", px(491, 7, 102, 18), "")),
      LblQues1(text("LblQues1", px(100, 28, 28, 14), "0")),
      LblQuesR1(text("LblQuesR1", px(100, 42, 28, 14), "0")),
      LblQuesF1(text("LblQuesF1", px(100, 56, 28, 14), "0")),
      LblScor1(text("LblScor1", px(12, 86, 44, 20), "0")),
      LblQues2(text("LblQues2", px(564, 28, 28, 14), "0")),
      LblQuesR2(text("LblQuesR2", px(564, 42, 28, 14), "0")),
      LblQuesF2(text("LblQuesF2", px(564, 56, 28, 14), "0")),
      LblScor2(text("LblScor2", px(492, 86, 44, 20), "0")),
      Img1Ora(art("Img1Ora", px(9, 9, 14, 14), "TOURORA")),
      Img1Gris(art("Img1Gris", px(9, 9, 14, 14), "TOURGRIS")),
      Img2Ora(art("Img2Ora", px(474, 9, 14, 14), "TOURORA")),
      Img2Gris(art("Img2Gris", px(474, 9, 14, 14), "TOURGRIS")),
      ImgSeul(art("ImgSeul", px(472, 6, 120, 84), "SEUL")),
      LblN(text("LblN", px(222, 93, 156, 16), "")),
      LblInfo(text("LblInfo", px(228, 110, 144, 138), "")),
      LblLance(text("LblLance", px(246, 446, 108, 17), "Lancer le dé")),
      LblQuest(text("LblQuest", px(238, 468, 124, 20), "QUESTION")),
      LblNew(text("LblNew", px(14, 513, 110, 16), "Nouvelle partie")),
      LblQuit(text("LblQuit", px(14, 571, 110, 16), "Quitter")),
      LblPos(text("LblPos", px(477, 544, 110, 16), "Récapitulatif")),
      LblEnr(text("LblEnr", px(14, 551, 110, 16), "Enregistrer")),
      LblOpen(text("LblOpen", px(14, 532, 110, 16), "Ouvrir")),
      LblMeilleurs(text("LblMeilleurs", px(477, 520, 110, 16), "Meilleurs scores")),
      But1(art("But1", px(418, 4, 18, 18), "REDUIRE1")),
      But11(art("But11", px(418, 4, 18, 18), "REDUIRE2")),
      But2(art("But2", px(440, 4, 18, 18), "FERMER1")),
      But22(art("But22", px(440, 4, 18, 18), "FERMER2")),
      ImgSonOK(art("ImgSonOK", px(122, 342, 26, 26), "SONOK")),
      ImgSonHS(art("ImgSonHS", px(122, 342, 26, 26), "SONHS")),
      ImgTpsOK(art("ImgTpsOK", px(164, 342, 26, 26), "TPSOK")),
      ImgTpsHS(art("ImgTpsHS", px(164, 342, 26, 26), "TPSHS")),
      ImgAide1(art("ImgAide1", px(398, 342, 26, 26), "AIDE1")),
      ImgAide2(art("ImgAide2", px(398, 342, 26, 26), "AIDE2")),
      ImgInt1(art("ImgInt1", px(430, 342, 26, 26), "INTE1")),
      ImgInt2(art("ImgInt2", px(430, 342, 26, 26), "INTE2")),
      ImgMail1(art("ImgMail1", px(462, 342, 26, 26), "MAIL1")),
      ImgMail2(art("ImgMail2", px(462, 342, 26, 26), "MAIL2")),
      Cam1(art("Cam1", {0, 0, kToken, kToken}, "JETON1")),
      Cam2(art("Cam2", {0, 0, kToken, kToken}, "JETON2")),
      LblQ1(hidden("LblQ1", "0")),
      LblQ2(hidden("LblQ2", "0")),
      LblTOUR(hidden("LblTOUR", "0")),
      LblNJoueur(hidden("LblNJoueur", "")),
      LblJquiJ(hidden("LblJquiJ", "")),
      LblCam(hidden("LblCam", "")),
      LblCas(hidden("LblCas", "0")),
      LblCas1(hidden("LblCas1", "0")),
      LblCas2(hidden("LblCas2", "0")),
      C1Top(hidden("C1Top", "0")),
      C1Lef(hidden("C1Lef", "0")),
      C2Top(hidden("C2Top", "0")),
      C2Lef(hidden("C2Lef", "0")),
      LblDE(hidden("LblDE", "")),
      CmdLB(button("CmdLB", {-3000, -3000, 300, 300}, "")),
      TimDeb(timer("TimDeb")),
      TimVis(timer("TimVis")),
      Tim1(timer("Tim1")),
      Tim2(timer("Tim2")),
      Tim3(timer("Tim3")),
      Tim4(timer("Tim4")),
      Tim5(timer("Tim5")),
      TimImgSon(timer("TimImgSon")),
      TimImgTemps(timer("TimImgTemps")),
      TimRetQuest(timer("TimRetQuest")),
      TimScore1(timer("TimScore1")),
      TimScore2(timer("TimScore2")),
      TimFin(timer("TimFin")),
      TimShowSco(timer("TimShowSco")),
      m_(m) {
    setBorderless(true);
    setCaption("Savanto");
    move(0, 0, kWidth, kHeight);
    setBackColor(ui::rgb(12, 24, 62));
    ImgFond.setStretch(true);
    CmdLB.setVisible(false);

    // The captions of the two panels.
    const char* captions[5] = {"Questions", "Réponses justes", "Réponses inexactes", "Score  (justes / fausses)", "%"};
    const ui::Rect side1[5] = {px(12, 28, 90, 14), px(12, 42, 90, 14), px(12, 56, 90, 14), px(12, 71, 112, 14),
                               px(58, 90, 16, 14)};
    const ui::Rect side2[5] = {px(477, 28, 90, 14), px(477, 42, 90, 14), px(477, 56, 90, 14), px(477, 71, 112, 14),
                               px(538, 90, 16, 14)};
    for (int k = 0; k < 5; ++k) {
        LblC1.put(k + 1, text("LblC1", side1[k], captions[k], k + 1));
        LblC2.put(k + 1, text("LblC2", side2[k], captions[k], k + 1));
    }
    for (int k = 1; k <= 6; ++k) {
        ImgPart1.put(k, art("ImgPart1", px(87 + 22 * (k - 1), 238, 20, 25), "CAM17", k));
        ImgPart2.put(k, art("ImgPart2", px(382 + 22 * (k - 1), 238, 20, 25), "CAM27", k));
        L1.put(k, hidden("L1", "0", k));
        L2.put(k, hidden("L2", "0", k));
    }
    for (int v = 1; v <= 6; ++v) {
        ImDe.put(v, art("ImDe", {4260, 6120, 480, 480}, ("DE" + std::to_string(v)).c_str(), v));
        ImDe(v).setVisible(false);
    }
    // The zones lie just above the picture; everything else stays above them.
    for (int n = 0; n < kSquares; ++n) {
        const Zone& z = kZones[static_cast<std::size_t>(n)];
        ui::Label& zone = label("LB", {z.left, z.top, z.width, z.height}, n);
        LB.put(n, zone);
    }
    for (int k = 0; k < 6; ++k) Par1[static_cast<std::size_t>(k)] = &art(kOverlayNames[0][k], {kRestingLeft, 0, kToken, kToken}, kOverlayPictures[k]);
    for (int k = 0; k < 6; ++k) Par2[static_cast<std::size_t>(k)] = &art(kOverlayNames[1][k], {kRestingLeft, 0, kToken, kToken}, kOverlayPictures[k]);
    // Each side's controls together.
    for (int s = 1; s <= 2; ++s) {
        const bool one = s == 1;
        Side& d = sides_[static_cast<std::size_t>(s)];
        d.number = s;
        d.name = one ? &LblJ1 : &LblJ2;
        d.asked = one ? &LblQues1 : &LblQues2;
        d.right = one ? &LblQuesR1 : &LblQuesR2;
        d.wrong = one ? &LblQuesF1 : &LblQuesF2;
        d.score = one ? &LblScor1 : &LblScor2;
        d.recapCount = one ? &LblQ1 : &LblQ2;
        d.token = one ? &Cam1 : &Cam2;
        d.overlays = one ? Par1 : Par2;
        d.wedgeSlots = one ? &ImgPart1 : &ImgPart2;
        d.slotUsed = one ? &L1 : &L2;
        d.wedges = one ? &PartJ1 : &PartJ2;
        d.top = one ? &C1Top : &C2Top;
        d.left = one ? &C1Lef : &C2Lef;
        d.square = one ? &LblCas1 : &LblCas2;
        d.onTurn = one ? &Img1Ora : &Img2Ora;
        d.waiting = one ? &Img1Gris : &Img2Gris;
        d.scoreTimer = one ? &TimScore1 : &TimScore2;
        d.player = one ? &m_.NomJ2 : &m_.NomJ3;
        d.emptySlot = one ? "CAM17" : "CAM27";
    }

    // The marks of the squares a roll reaches, and the keyboard's highlight: over the
    // squares, under the tokens.
    for (int k = 1; k <= kMarks; ++k) {
        ImgCible.put(k, art("ImgCible", {0, 0, 390, 390}, "CIBLE", k));
        ImgCible(k).setVisible(false);
    }
    ImgCurseur = &art("ImgCurseur", {0, 0, 600, 600}, "CURSEUR");
    ImgCurseur->setVisible(false);
    std::vector<ui::Control*> above;
    for (ui::Control* c : controls()) {
        if (c != &ImgFond && c->name() != "LB") above.push_back(c);
    }
    for (ui::Control* c : above) c->zOrderTop();
    for (ui::Control* c : {&Cam1, &Cam2}) c->zOrderTop();
    for (auto* p : Par1) p->zOrderTop();
    for (auto* p : Par2) p->zOrderTop();

    // Look of the texts.
    LblJ1.setFont({"MS Sans Serif", 10, true, false, false});
    LblJ2.setFont({"MS Sans Serif", 10, true, false, false});
    LblJ1.setForeColor(kRed);
    LblJ2.setForeColor(kBlue);
    for (ui::Label* l : {&LblQues1, &LblQuesR1, &LblQuesF1, &LblQues2, &LblQuesR2, &LblQuesF2}) {
        l->setAlignment(ui::Align::Right);
        l->setFont({"MS Sans Serif", 8, true, false, false});
    }
    for (ui::Label* l : {&LblScor1, &LblScor2}) {
        l->setAlignment(ui::Align::Right);
        l->setFont({"MS Sans Serif", 12, true, false, false});
    }
    for (int k = 1; k <= 5; ++k) {
        LblC1(k).setFont({"MS Sans Serif", 7, false, false, false});
        LblC2(k).setFont({"MS Sans Serif", 7, false, false, false});
        LblC1(k).setForeColor(kInk);
        LblC2(k).setForeColor(kInk);
    }
    LblC1(5).setFont({"MS Sans Serif", 9, true, false, false});
    LblC2(5).setFont({"MS Sans Serif", 9, true, false, false});
    LblN.setFont({"MS Sans Serif", 9, true, false, false});
    LblN.setForeColor(kDarkRed);
    LblN.setAlignment(ui::Align::Center);
    LblInfo.setFont({"MS Sans Serif", 7.5, false, false, false});
    LblInfo.setAlignment(ui::Align::Center);
    LblLance.setFont({"MS Sans Serif", 9, true, false, false});
    LblQuest.setFont({"MS Sans Serif", 11, true, false, false});
    LblLance.setAlignment(ui::Align::Center);
    LblQuest.setAlignment(ui::Align::Center);
    for (ui::Label* l : {&LblNew, &LblQuit, &LblPos, &LblEnr, &LblOpen, &LblMeilleurs}) {
        l->setFont({"MS Sans Serif", 9, true, false, false});
    }
    newRest_ = {LblNew.left(), LblNew.top(), LblNew.width(), LblNew.height()};
    quitRest_ = {LblQuit.left(), LblQuit.top(), LblQuit.width(), LblQuit.height()};
    LblQuest.setEnabled(false);
    LblPos.setEnabled(false);
    LblEnr.setEnabled(false);
    Img1Ora.setVisible(false);
    Img2Ora.setVisible(false);
    ImgSeul.setVisible(false);
    ImgSonHS.setVisible(false);
    ImgTpsHS.setVisible(false);
    for (ui::Picture* p : {&Cam1, &Cam2}) p->setDraggable(true);
    for (auto* p : Par1) p->setDraggable(true);
    for (auto* p : Par2) p->setDraggable(true);

    // --- events ---
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    TimVis.onTimer = [this] { TimVis_Timer(); };
    ui::Timer* die[5] = {&Tim1, &Tim2, &Tim3, &Tim4, &Tim5};
    for (int k = 0; k < 5; ++k) die[k]->onTimer = [this, k] { Die_Timer(k + 1); };
    TimImgSon.onTimer = [this] { TimImgSon_Timer(); };
    TimImgTemps.onTimer = [this] { TimImgTemps_Timer(); };
    TimRetQuest.onTimer = [this] { TimRetQuest_Timer(); };
    TimScore1.onTimer = [this] { TimScore_Timer(1); };
    TimScore2.onTimer = [this] { TimScore_Timer(2); };
    TimFin.onTimer = [this] { TimFin_Timer(); };
    TimShowSco.onTimer = [this] { TimShowSco_Timer(); };
    LblMeilleurs.onClick = [this] { LblMeilleurs_Click(); };
    LblEnr.onClick = [this] { LblEnr_Click(); };
    LblPos.onClick = [this] { LblPos_Click(); };
    LblOpen.onClick = [this] { LblOpen_Click(); };
    // A change of a right or wrong count refreshes that side's score 10 ms later.
    LblQuesR1.onChange = [this] { TimScore1.setInterval(10); };
    LblQuesF1.onChange = [this] { TimScore1.setInterval(10); };
    LblQuesR2.onChange = [this] { TimScore2.setInterval(10); };
    LblQuesF2.onChange = [this] { TimScore2.setInterval(10); };
    LblLance.onClick = [this] { LblLance_Click(); };
    LblQuest.onClick = [this] { LblQuest_Click(); };
    LblNew.onClick = [this] { LblNew_Click(); };
    LblQuit.onClick = [this] { LblQuit_Click(); };
    But1.onClick = [this] { But1_Click(); };
    But2.onClick = [this] { But2_Click(); };
    CmdLB.onClick = [this] { CmdLB_Click(); };
    LblCas.onChange = [this] { LblCas_Change(); };
    // A player's name in the centre box takes the colour of the player's token.
    LblN.onChange = [this] {
        const std::string& c = LblN.caption();
        ui::Color colour = kDarkRed;
        if (m_.TypePartie == state::GameType::OnePlayer && c == m_.NomJ1) colour = kRed;
        if (m_.TypePartie == state::GameType::TwoSides && (c == m_.NomJ2 || c == m_.NomJ3)) {
            const bool second = c == m_.NomJ3 && (c != m_.NomJ2 || m_.JQuiJ == state::Turn::Side2);
            colour = second ? kBlue : kRed;
        }
        LblN.setForeColor(colour);
    };
    ImgAide1.onClick = [this] { ImgAide1_Click(); };
    ImgInt1.onClick = [this] { ImgInt1_Click(); };
    ImgMail1.onClick = [this] { ImgMail1_Click(); };
    ImgSonOK.onClick = [this] { TimImgSon.setInterval(200); };
    ImgSonHS.onClick = [this] { TimImgSon.setInterval(200); };
    ImgTpsOK.onClick = [this] { TimImgTemps.setInterval(200); };
    ImgTpsHS.onClick = [this] { TimImgTemps.setInterval(200); };

    // Drops: on a zone, on a token, on the background.
    for (int n = 0; n < kSquares; ++n) {
        LB(n).onDragDrop = [this, n](ui::Control&, double, double) {
            CaseCible = n;
            CmdLB_Click();
        };
    }
    Cam1.onDragDrop = [this](ui::Control&, double, double) { dropOnToken(1); };
    Cam2.onDragDrop = [this](ui::Control&, double, double) { dropOnToken(2); };
    for (auto* p : Par1) p->onDragDrop = [this](ui::Control&, double, double) { dropOnToken(1); };
    for (auto* p : Par2) p->onDragDrop = [this](ui::Control&, double, double) { dropOnToken(2); };
    ImgFond.onDragDrop = [this](ui::Control& source, double x, double y) { dropOnBackground(source, x, y); };
    // Every other control (the instruction panel over the upper squares, the panels, the
    // buttons) passes a drop on to the square under the point.
    for (ui::Control* c : controls()) {
        if (c->onDragDrop || c->kind() == ui::ControlKind::Timer) continue;
        c->onDragDrop = [this, c](ui::Control& source, double x, double y) { dropAt(source, c->left() + x, c->top() + y); };
    }

    // The pointer over the board: remembered, and a press moves the window.
    auto track = [this](int, int, double x, double y) {
        SourisX = x;
        SourisY = y;
    };
    auto grab = [this](int, int, double, double) { this->app().platform().beginWindowMove(*this); };
    for (int n = 0; n < kSquares; ++n) {
        LB(n).onMouseMove = track;
        LB(n).onMouseDown = grab;
    }
    ImgFond.onMouseDown = grab;
    ImgFond.onMouseMove = [this, track](int b, int s, double x, double y) {
        track(b, s, x, y);
        for (ui::Label* l : {&LblLance, &LblQuest, &LblNew, &LblQuit, &LblPos, &LblEnr, &LblOpen, &LblMeilleurs}) {
            l->setForeColor(ui::kBlack);
        }
        for (ui::Picture* p : {&But11, &But22, &ImgAide2, &ImgInt2, &ImgMail2}) p->setVisible(true);
    };

    // Push and hover effects of the command labels and the two toggles.
    const std::array<ui::Control*, 8> push = pushControls();
    for (int k = 0; k < 8; ++k) {
        ui::Control* c = push[static_cast<std::size_t>(k)];
        c->onMouseDown = [c](int, int, double, double) { c->move(c->left() + 30, c->top() + 30); };
        if (c != &LblNew && c != &LblQuit) c->onMouseUp = [this, k](int, int, double, double) { restoreButton(k); };
        if (c->kind() == ui::ControlKind::Label) c->onMouseMove = [c](int, int, double, double) { c->setForeColor(kHover); };
    }
    for (ui::Label* l : {&LblNew, &LblQuit}) {
        l->onMouseDown = [l](int, int, double, double) { l->move(l->left() + 30, l->top() + 30); };
        l->onMouseMove = [l](int, int, double, double) { l->setForeColor(kHover); };
    }
    But11.onMouseMove = [this](int, int, double, double) { But11.setVisible(false); };
    But22.onMouseMove = [this](int, int, double, double) { But22.setVisible(false); };
    ImgAide2.onMouseMove = [this](int, int, double, double) { ImgAide2.setVisible(false); };
    ImgInt2.onMouseMove = [this](int, int, double, double) { ImgInt2.setVisible(false); };
    ImgMail2.onMouseMove = [this](int, int, double, double) { ImgMail2.setVisible(false); };
    ImgAide1.onMouseUp = [this](int, int, double, double) { ImgAide2.setVisible(true); };
    ImgInt1.onMouseUp = [this](int, int, double, double) { ImgInt2.setVisible(true); };
    ImgMail1.onMouseUp = [this](int, int, double, double) { ImgMail2.setVisible(true); };

    nameControls();

    // Fields, for scripts.
    fields().bind("NbTours", NbTours);
    fields().array("PartJ1", 1, 6, [this](int i) { return std::to_string(PartJ1[static_cast<std::size_t>(i)]); });
    fields().array("PartJ2", 1, 6, [this](int i) { return std::to_string(PartJ2[static_cast<std::size_t>(i)]); });
    fields().bind("CaseCible", CaseCible);
    fields().bind("PartieModifiee", PartieModifiee);
    fields().bind("NouvellePartie", NouvellePartie);
    fields().bind("PartieFinie", PartieFinie);
    fields().bind("NomFichier", NomFichier);
    fields().array("PosBoutons", 1, 16, [this](int i) { return std::to_string(PosBoutons[static_cast<std::size_t>(i - 1)]); });
    fields().bind("SourisX", SourisX);
    fields().bind("SourisY", SourisY);
}

ui::Label& FrmCSav::text(const std::string& name, ui::Rect r, const std::string& caption, int index) {
    ui::Label& l = label(name, r, index);
    l.setCaption(caption);
    l.setForeColor(ui::kBlack);
    l.setWordWrap(true);
    return l;
}

ui::Label& FrmCSav::hidden(const std::string& name, const std::string& caption, int index) {
    ui::Label& l = label(name, {-3000, -3000, 600, 240}, index);
    l.setCaption(caption);
    l.setVisible(false);
    return l;
}

ui::Picture& FrmCSav::art(const std::string& name, ui::Rect r, const char* resource, int index) {
    ui::Picture& p = picture(name, r, index);
    p.setStretch(true);
    p.loadResource(resource);
    return p;
}

std::array<ui::Control*, 8> FrmCSav::pushControls() const {
    auto* self = const_cast<FrmCSav*>(this);
    return {&self->LblMeilleurs, &self->LblPos, &self->LblEnr, &self->LblOpen,
            &self->LblQuest,     &self->LblLance, &self->ImgSonOK, &self->ImgTpsOK};
}

void FrmCSav::sound(const char* file) {
    if (m_.SonYN == 1) app().platform().playSound(m_.CheminApp + file);
}

// --- start-up ----------------------------------------------------------------------------------

void FrmCSav::SubRAZ() {
    ImgFond.move(0, 0);
    m_.RepJuste = 0;
    m_.JQuiJ = state::Turn::None;
    game = GameState{};
    PartieModifiee = 0;
    NomFichier.clear();
    m_.NbPartJ1 = 0;
    m_.NbPartJ2 = 0;
    PartieFinie = 0;
    PosBoutons.fill(0);
    NouvellePartie = 0;
}

void FrmCSav::Form_Load() {
    try {
        SubRAZ();
        if (app().screenHeight() < 7150) {
            app().msgBox("Impossible de lancer le programme Savanto, votre           " + m_.CrLf +
                             "résolution d'écran est inférieure à 800 x 600 pixels.",
                         ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Savanto");
            app().platform().shellOpen("Resolution.txt", "", "");
            app().end();
            return;
        }
        move((app().screenWidth() - kWidth) / 2, (app().screenHeight() - kHeight) / 2, kWidth, kHeight);
        ImgFond.loadFile(m_.CheminApp + "WFond.gif");
        ImgFond.setBounds(0, 0, width(), height());
        for (int k = 1; k <= 6; ++k) {
            ImgPart1(k).loadResource("CAM17");
            ImgPart2(k).loadResource("CAM27");
        }
        TimDeb.setInterval(250);
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kBoardLoad, e);
    }
}

void FrmCSav::TimDeb_Timer() {
    try {
        if (ui::Window* loading = app().find("FrmCharge")) app().unload(*loading);
        const ui::Label& centre = LB(0);
        const int cx = centre.left() + centre.width() / 2 - kToken / 2;
        const int cy = centre.top() + centre.height() / 2 - kToken / 2;
        const std::string& n = m_.CrLf;
        const std::string startText = lines({"Cliquez sur le dé et, en partant", "de la case centrale,avancez",
                                             "le camembert rouge dans", "n'importe quelle direc-", "tion d' autant de",
                                             "cases  qu '", "indiquées", "par le", "dé."},
                                            n);
        if (m_.TypePartie == state::GameType::OnePlayer) {
            setSides(1);
            LblN.setCaption(m_.NomJ1);
            LblJ1.setCaption(m_.NomJ1);
            LblInfo.setCaption(startText);
            Cam1.move(cx - 30, cy);
            rest(1, TokenPlace{0, Cam1.left(), Cam1.top()});
            setTokensEnabled(false, false);
        } else if (m_.TypePartie == state::GameType::TwoSides) {
            setSides(2);
            LblJ1.setCaption(m_.NomJ2);
            LblJ2.setCaption(m_.NomJ3);
            Cam1.move(cx - 300, cy);
            Cam2.move(cx + 300, cy);
            rest(1, TokenPlace{0, Cam1.left(), Cam1.top()});
            rest(2, TokenPlace{0, Cam2.left(), Cam2.top()});
            const int r = static_cast<int>(app().platform().random() * 2 + 1);
            const bool side1 = r == 1;
            const std::string& first = side1 ? m_.NomJ2 : m_.NomJ3;
            const std::string& second = side1 ? m_.NomJ3 : m_.NomJ2;
            showTurn(side1 ? 1 : 2);
            m_.TexteMsg = n + "Après tirage aléatoire par l'ordinateur, " + first + " commence            " + n +
                          (side1 ? "la partie et utilisera le ''camembert'' rouge. "
                                 : "la partie et utilisera le ''camembert'' bleu. ") +
                          second + n +
                          (side1 ? "jouera en second et utilisera le ''camembert''  bleu."
                                 : "jouera en second et utilisera le ''camembert''  rouge.") +
                          n + n;
            m_.RepMsg = app().msgBox(m_.TexteMsg, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Début de la partie");
            LblN.setCaption(first);
            if (side1) {
                LblInfo.setCaption(startText);
            } else {
                LblInfo.setCaption(lines({"Cliquez sur le dé et, en partant",
                                          "de la case centrale,avancez votre camembert,dans n'", "importe quelle direc-",
                                          "tion d' autant de", "cases  qu '", "indiquées", "par le", "dé."},
                                         n));
            }
            m_.JQuiJ = side1 ? state::Turn::Side1 : state::Turn::Side2;
            LblJquiJ.setCaption(side1 ? "1" : "2");
            setTokensEnabled(false, false);
        }
        recordButtonPositions();
        if (m_.SonYN != 1) {
            ImgSonOK.setVisible(false);
            ImgSonHS.setVisible(true);
        }
        TimVis.setInterval(750);
        TimDeb.setInterval(0);
        sound("WSon04.wav");
    } catch (const RuntimeError& e) {
        TimDeb.setInterval(0);
        support::reportError(app(), m_, support::lieu::kBoardStart, e);
    }
}

void FrmCSav::TimVis_Timer() {
    ImgSonOK.setVisible(m_.SonYN != 0);
    ImgSonHS.setVisible(m_.SonYN == 0);
    ImgTpsOK.setVisible(m_.Minut != 0);
    ImgTpsHS.setVisible(m_.Minut == 0);
    show();
    TimVis.setInterval(0);
}

void FrmCSav::setSides(int count) {
    const bool two = count == 2;
    LblNJoueur.setCaption(two ? "2" : "1");
    Cam2.setVisible(two);
    LblJ2.setVisible(two);
    for (ui::Label* l : {&LblQues2, &LblQuesR2, &LblQuesF2, &LblScor2}) l->setVisible(two);
    for (int k = 1; k <= 5; ++k) LblC2(k).setVisible(two);
    for (int k = 1; k <= 6; ++k) ImgPart2(k).setVisible(two);
    ImgSeul.setVisible(!two);
    if (!two) {
        Img1Ora.setVisible(true);
        Img1Gris.setVisible(false);
        Img2Ora.setVisible(false);
        Img2Gris.setVisible(false);
    }
}

void FrmCSav::showTurn(int side) {
    Img1Ora.setVisible(side == 1);
    Img1Gris.setVisible(side != 1);
    Img2Ora.setVisible(side == 2);
    Img2Gris.setVisible(side != 2);
}

void FrmCSav::recordButtonPositions() {
    const auto push = pushControls();
    for (std::size_t k = 0; k < push.size(); ++k) {
        PosBoutons[2 * k] = push[k]->top();
        PosBoutons[2 * k + 1] = push[k]->left();
    }
}

void FrmCSav::restoreButton(int k) {
    ui::Control* c = pushControls()[static_cast<std::size_t>(k)];
    c->move(PosBoutons[static_cast<std::size_t>(2 * k + 1)], PosBoutons[static_cast<std::size_t>(2 * k)]);
}

void FrmCSav::Form_Resize() {
    if (loaded()) recordButtonPositions();
}

}  // namespace sv::board
