// A small program with a window of every control kind whose handlers write what they saw in a journal.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/app.h"

namespace sv::test {

class FrmDemo : public ui::Window {
public:
    static constexpr const char* kName = "FrmDemo";
    explicit FrmDemo(ui::App& app);

    ui::Picture& ImgFond;
    ui::Label& LblInfo;
    ui::ControlArray<ui::Label> LblArr;
    ui::Label& LblCible;
    ui::Picture& ImgPiece;
    ui::Button& CmdOk;
    ui::Button& CmdFin;
    ui::Button& CmdAutre;
    ui::TextBox& TxtNom;
    ui::Frame& FraChoix;
    ui::OptionButton& OptA;
    ui::OptionButton& OptB;
    ui::OptionButton& OptC;
    ui::CheckBox& ChkSon;
    ui::ComboBox& CboDuree;
    ui::ListBox& LstItems;
    ui::Timer& TimDeb;
    ui::Timer& TimA;
    ui::Timer& TimB;
    ui::Timer& TimC;

    // Window fields, readable by scripts.
    std::string Journal;   // handlers append "name;" as they run
    int NbChange = 0;      // LblInfo change handler runs
    int Reponse = 0;       // answer of the last message box
    int Garder = 0;        // 1: the unload handler cancels
    std::string Depot;     // last drop: "source@x,y"
    int Tours[4] = {0, 0, 0, 0};  // ticks of TimA, TimB, TimC (1..3)

    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    std::function<void()> onTim[4];  // what TimA, TimB, TimC (1..3) also do when they fire, set by tests

private:
    void log(const std::string& s) { Journal += s + ";"; }
};

class FrmAutre : public ui::Window {
public:
    static constexpr const char* kName = "FrmAutre";
    explicit FrmAutre(ui::App& app);
    ui::Label& Lbl;
    ui::Button& CmdFermer;
};

class DemoProgram : public ui::Program {
public:
    DemoProgram();
    void start(ui::App& app) override;
    std::unique_ptr<ui::Window> createWindow(ui::App& app, const std::string& name) override;
    std::vector<std::string> windowNames() const override { return {"FrmDemo", "FrmAutre"}; }
    const ui::Fields& moduleFields() const override { return fields_; }

    int Compteur = 0;  // Module.Compteur
    std::string Nom = "Alice";
    int Table[3] = {10, 20, 30};  // Module.Table(1..3)

private:
    ui::Fields fields_;
};

}  // namespace sv::test
