#include "questions/frm_questc.h"

#include "questions/frm_quest.h"
#include "ui/app.h"

namespace sv::questions {

namespace {
const char* const kChooseText = "Choisissez la catégorie de la question";
const char* const kChooseText2 = "à laquelle vous allez devoir répondre.";
}  // namespace

FrmQuestC::FrmQuestC(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {-30, -30, 6300, 3900})),
      ImgBle(picture("ImgBle", {390, 1260, 720, 720})),
      ImgRos(picture("ImgRos", {1380, 1260, 720, 720})),
      ImgJau(picture("ImgJau", {2370, 1260, 720, 720})),
      ImgMar(picture("ImgMar", {3360, 1260, 720, 720})),
      ImgVer(picture("ImgVer", {4350, 1260, 720, 720})),
      ImgOra(picture("ImgOra", {5340, 1260, 720, 720})),
      TimChoix1(timer("TimChoix1")),
      TimChoix2(timer("TimChoix2")),
      TimChoix3(timer("TimChoix3")),
      TimFin(timer("TimFin")),
      m_(m) {
    setOwner("FrmCSav");  // over the board, without a taskbar entry of its own
    setBorderless(true);
    setCaption("Catégorie");
    ui::Label& instruction = label("Lbl", {300, 300, 5640, 720}, 0);
    instruction.setFont({"MS Sans Serif", 10, true, false, false});
    instruction.setForeColor(ui::rgb(25, 30, 50));
    instruction.setAlignment(ui::Align::Center);
    Lbl.put(0, instruction);
    const std::pair<ui::Picture*, const char*> pictures[6] = {{&ImgBle, "QueB"}, {&ImgRos, "QueR"}, {&ImgJau, "QueJ"},
                                                              {&ImgMar, "QueM"}, {&ImgVer, "QueV"}, {&ImgOra, "QueO"}};
    for (const auto& [picture, key] : pictures) {
        picture->setStretch(true);
        ui::Picture* p = picture;
        const char* k = key;
        p->onClick = [this, p, k] { Choice_Click(*p, k); };
    }
    // Short names under the pictures, in the order they stand.
    const char* names[6] = {"Géographie", "Divertis-\r\nsement", "Histoire", "Arts et\r\nlittérature", "Sciences\r\net nature",
                            "Sports et\r\nloisirs"};
    const int lefts[6] = {390, 1380, 2370, 3360, 4350, 5340};
    for (int k = 0; k < 6; ++k) {
        ui::Label& name = label("LblNom", {lefts[k] - 120, 2040, 960, 480}, k + 1);
        name.setCaption(names[k]);
        name.setAlignment(ui::Align::Center);
        name.setFont({"MS Sans Serif", 7.5, false, false, false});
        LblNom.put(k + 1, name);
    }
    TimChoix1.onTimer = [this] { TimChoix1_Timer(); };
    TimChoix2.onTimer = [this] { TimChoix23_Timer(1); };
    TimChoix3.onTimer = [this] { TimChoix23_Timer(2); };
    TimFin.onTimer = [this] {
        TimFin.setInterval(0);
        this->app().unload(*this);
    };
    moveWithMouse(ImgFond);
}

void FrmQuestC::Form_Load() {
    ImgFond.move(-30, -30);
    ImgFond.setStretch(false);
    ImgFond.loadResource("FENETRE");
    setWidth(ImgFond.width() - 60);
    setHeight(ImgFond.height() - 60);
    if (ui::Window* board = app().find("FrmCSav")) {
        move(board->left() + (board->width() - width()) / 2, board->top() + (board->height() - height()) / 2 + 1680);
    }
    const std::string choose = std::string(kChooseText) + m_.CrLf + kChooseText2;
    if (m_.TypePartie == state::GameType::OnePlayer) {
        if (m_.NbPartJ1 == 6) {
            TimChoix1.setInterval(500);
        } else {
            Lbl(0).setCaption(choose);
        }
    } else if (m_.TypePartie == state::GameType::TwoSides) {
        if (m_.JQuiJ == state::Turn::Side1 && m_.NbPartJ1 == 6) {
            TimChoix2.setInterval(500);
        } else if (m_.JQuiJ == state::Turn::Side2 && m_.NbPartJ2 == 6) {
            TimChoix3.setInterval(500);
        } else {
            Lbl(0).setCaption(choose);
        }
    }
    const std::pair<ui::Picture*, const char*> pictures[6] = {{&ImgBle, "IMGBLE"}, {&ImgRos, "IMGROS"},
                                                              {&ImgJau, "IMGJAU"}, {&ImgMar, "IMGMAR"},
                                                              {&ImgOra, "IMGORA"}, {&ImgVer, "IMGVER"}};
    for (const auto& [picture, resource] : pictures) {
        try {
            picture->loadResource(resource);
        } catch (const RuntimeError& e) {
            app().platform().log("savanto.pictures", std::string(resource) + ": " + e.description());
        }
    }
}

void FrmQuestC::TimChoix1_Timer() {
    const std::string& n = m_.CrLf;
    m_.RepMsg = app().msgBox("Attention ! " + m_.NomJ1 + "." + n + n + "La  question finale  va vous être posée. Si            " +
                                 n + "vous y répondez vous avez gagné la partie.",
                             ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto");
    Lbl(0).setCaption(std::string(kChooseText) + n + kChooseText2);
    TimChoix1.setInterval(0);
}

void FrmQuestC::TimChoix23_Timer(int side) {
    const std::string& n = m_.CrLf;
    const std::string& player = side == 1 ? m_.NomJ2 : m_.NomJ3;
    const std::string& opponent = side == 1 ? m_.NomJ3 : m_.NomJ2;
    m_.RepMsg = app().msgBox("Attention ! " + player + "." + n + "La  question finale  va vous être posée.            " + n +
                                 "Si vous y répondez vous gagnez la partie." + n + n + "C'est votre adversaire " +
                                 opponent + " qui doit" + n + "choisir la catégorie de la question.",
                             ui::MsgButtons::Ok, ui::MsgIcon::Information, "Savanto");
    Lbl(0).setCaption(opponent + " doit  choisir  la catégorie" + n + "de la question à poser à " + player + ".");
    (side == 1 ? TimChoix2 : TimChoix3).setInterval(0);
}

void FrmQuestC::Choice_Click(ui::Picture& picture, const char* key) {
    // The final question is announced before anyone chooses.
    for (const ui::Timer* t : {&TimChoix1, &TimChoix2, &TimChoix3}) {
        if (t->armed()) return;
    }
    picture.move(picture.left() + 50, picture.top() + 50);
    m_.CleCat = key;
    TimFin.setInterval(100);
}

void FrmQuestC::Form_Unload(int& cancel) {
    // The only way out is a category: closing the window otherwise would leave the question
    // window with nothing to ask.
    if (state::categoryByKey(m_.CleCat) == nullptr) {
        cancel = 1;
        return;
    }
    m_.ChoixFait = 1;
    if (auto* question = app().find<FrmQuest>()) question->ChoixFait_Notified();
}

}  // namespace sv::questions
