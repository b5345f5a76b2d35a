#include "screens/program.h"

#include <filesystem>

#include "board/frm_csav.h"
#include "questions/frm_charge.h"
#include "questions/frm_eponse.h"
#include "questions/frm_quest.h"
#include "questions/frm_questc.h"
#include "records/frm_detail_scor.h"
#include "records/frm_recap.h"
#include "records/frm_temps.h"
#include "records/options.h"
#include "screens/frm_bdema.h"
#include "screens/frm_entraine.h"
#include "support/frm_err.h"

namespace sv {

SavantoProgram::SavantoProgram() = default;
SavantoProgram::~SavantoProgram() = default;

void SavantoProgram::start(ui::App& app) {
    state::Module& m = module_;
    m.CheminApp = app.programFolder();
    m.CheminApp2 = m.CheminApp;
    // An installed program cannot write into its own folder: its files then go to the user's
    // data folder, and the games are saved among the user's documents.
    m.CheminDonnees = m.CheminApp;
    if (!app.platform().folderWritable(m.CheminApp)) {
        const std::string data = app.platform().userDataFolder();
        std::error_code ec;
        if (!data.empty() && (std::filesystem::create_directories(data, ec), !ec)) m.CheminDonnees = data;
        if (const std::string documents = app.platform().documentsFolder(); !documents.empty()) m.CheminApp2 = documents;
    }
    m.CrLf = "\r\n";
    if (app.platform().previousInstance()) {
        app.msgBox("Le programme est déja lancé.", ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
        app.end();
        return;
    }
    std::string problem;
    const records::Options o = records::readOptionsFile(m.CheminDonnees, &problem);
    if (!problem.empty()) app.platform().log("savanto.files", problem);
    m.Quest = o.Quest;
    m.SonYN = o.SonYN;
    m.NomJ1 = o.NomJ1;
    m.NomJ2 = o.NomJ2;
    m.NomJ3 = o.NomJ3;
    m.Minut = o.Minut;
    m.Duree = o.Duree;
    app.load("FrmBDema");
}

std::unique_ptr<ui::Window> SavantoProgram::createWindow(ui::App& app, const std::string& name) {
    if (name == screens::FrmBDema::kName) return std::make_unique<screens::FrmBDema>(app, module_);
    if (name == questions::FrmCharge::kName) return std::make_unique<questions::FrmCharge>(app, module_);
    if (name == support::FrmErr::kName) return std::make_unique<support::FrmErr>(app, module_);
    if (name == board::FrmCSav::kName) return std::make_unique<board::FrmCSav>(app, module_);
    if (name == questions::FrmQuest::kName) return std::make_unique<questions::FrmQuest>(app, module_);
    if (name == records::FrmDetailScor::kName) return std::make_unique<records::FrmDetailScor>(app, module_);
    if (name == questions::FrmQuestC::kName) return std::make_unique<questions::FrmQuestC>(app, module_);
    if (name == records::FrmRecap::kName) return std::make_unique<records::FrmRecap>(app, module_);
    if (name == records::FrmTemps::kName) return std::make_unique<records::FrmTemps>(app, module_);
    if (name == screens::FrmEntraine::kName) return std::make_unique<screens::FrmEntraine>(app, module_);
    if (name == questions::FrmEponse::kName) return std::make_unique<questions::FrmEponse>(app, module_);
    return nullptr;
}

std::vector<std::string> SavantoProgram::windowNames() const {
    return {"FrmBDema", "FrmCharge", "FrmErr", "FrmCSav", "FrmQuest", "FrmQuestC", "FrmDetailScor", "FrmRecap", "FrmTemps",
            "FrmEntraine", "FrmEponse"};
}

std::unique_ptr<ui::Program> makeSavantoProgram() { return std::make_unique<SavantoProgram>(); }

}  // namespace sv
