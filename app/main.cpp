// Savanto: a French-language quiz board game.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "screens/program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char** argv) {
    // The game speaks French only: the dates and sizes of its file dialogs too, whatever the
    // desktop's language (a locale forced for everything through LC_ALL is left alone).
    if (qEnvironmentVariableIsEmpty("LC_ALL")) {
        qputenv("LC_TIME", "fr_FR.UTF-8");
        qputenv("LC_MESSAGES", "fr_FR.UTF-8");
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Savanto"));
    // The program ends when its logic says so, not when no window happens to be shown (between
    // the loading window and the board, none is).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/ICONE.png")));
    QApplication::setDesktopFileName(QStringLiteral("example.savanto.Savanto"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }

    sv::ui::QtPlatform platform;
    QString folder = QApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    sv::ui::App app(platform, sv::makeSavantoProgram(), folder.toStdString());
    platform.attach(&app);
    app.start();
    if (app.ended()) return 0;
    return QApplication::exec();
}
