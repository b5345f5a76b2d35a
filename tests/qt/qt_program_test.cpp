// The desktop program itself on the Qt platform: the start screen opens and "Jouer" leads
// through the loading window to the board.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <random>

#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"

namespace sv::test {
namespace fs = std::filesystem;

TEST(QtProgram, TheStartScreenLeadsThroughTheLoadingWindowToTheBoard) {
    const fs::path folder = fs::temp_directory_path() / ("savanto-qtprog-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    for (const auto& e : fs::directory_iterator(SAVANTO_ASSET_DIR)) fs::copy_file(e.path(), folder / e.path().filename());
    {
        ui::QtPlatform platform(QStringLiteral("savanto-qtprog-") + QString::number(std::random_device{}()));
        auto program = std::make_unique<SavantoProgram>();
        state::Module& m = program->module();
        ui::App app(platform, std::move(program), folder.string() + "/");
        platform.attach(&app);
        app.start();
        auto* start = app.find<screens::FrmBDema>();
        ASSERT_NE(start, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 2000);
        QWidget* window = platform.widgetFor(*start);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        auto* play = qobject_cast<QPushButton*>(platform.widgetFor(start->CmdJouer(1)));
        ASSERT_NE(play, nullptr);
        EXPECT_EQ(play->text(), QStringLiteral("   Jouer..."));
        QTest::mouseClick(play, Qt::LeftButton);
        EXPECT_EQ(m.TypePartie, 1);
        ASSERT_NE(app.find("FrmCharge"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(app.find("FrmCSav") != nullptr, 3000);
        EXPECT_EQ(m.TabArt[1].Reponse, "Un alexandrin");
        QTRY_VERIFY_WITH_TIMEOUT(app.find("FrmCharge") == nullptr, 3000);
        app.end();
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
}

}  // namespace sv::test
