#include "match/FrmMain.h"
#include "options/ComputerChoice.h"
#include "platform/Fatal.h"
#include "platform/GameFiles.h"
#include "platform/Platform.h"
#include "platform/Translations.h"
#include "store/StartupCheck.h"
#include "store/Tables.h"
#include "windows/Forms.h"
#include "windows/FrmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "0"
#endif

namespace {

void finish() {
    store::closeAll();
    store::releaseInstanceLock();
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Reads the command line before any window system is touched, so that
// --help, --version and a mistyped option work without a display. Returns
// the exit status when the program is to end at once, else -1.
int readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A card game for two players who share one screen and one mouse."));
    // Qt's own options keep their single dash ("-platform xcb").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("computer"),
         QCoreApplication::translate(
             "main", "Let the computer play player 2 at <level>: easy, normal or hard."),
         //: The value of --computer in the help text, as in "--computer <level>".
         QCoreApplication::translate("main", "level")});
    // The window system's options, read by QApplication itself.
    for (const char* name : {"platform", "display", "style", "stylesheet", "session", "geometry",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon", "platformtheme"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const QString program = QFileInfo(arguments.value(0)).fileName();
    const QString tryHelp =
        QCoreApplication::translate("main", "Try \"%1 --help\" for the options.\n").arg(program);
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("%1: %2\n%3").arg(program, parser.errorText(), tryHelp));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr,
              QCoreApplication::translate(
                  "main", "%1: unexpected argument \"%2\"; the game takes no file names.\n%3")
                  .arg(program, parser.positionalArguments().constFirst(), tryHelp));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser cannot know the program's name.
        print(stdout, parser.helpText().replace(QLatin1String("<executable_name>"), program));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    const QString level = parser.value(QStringLiteral("computer"));
    if (parser.isSet(QStringLiteral("computer")) && !options::applyComputerOption(level)) {
        print(stderr, QCoreApplication::translate(
                          "main", "%1: --computer takes easy, normal or hard, not \"%2\"\n%3")
                          .arg(program, level, tryHelp));
        return 2;
    }
    return -1;
}

// One game per card database: a second one is refused with a report.
void refuseSecondGame() {
    const QString locked = store::acquireInstanceLock(store::databaseFile());
    if (!locked.isEmpty())
        platform::fatal(locked);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.github.io"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    {
        // The command line is read in the player's language, before any window
        // system is touched; translations need an application object.
        QCoreApplication commandLine(argc, argv);
        platform::useSystemLanguage();
        if (const int status = readCommandLine(argc, argv); status >= 0)
            return status;
    }

    QApplication app(argc, argv);
    platform::useSystemLanguage();
    // The program ends when the main window unloads, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::initialise();

    // Installed, the user's own copy of the card database is made or mended,
    // and only by the game that holds its lock: a game that is running may be
    // writing it, and two first starts must not both make it. Once it is
    // made, the new file is locked too.
    platform::prepareDatabase(store::databaseProblem, refuseSecondGame);
    refuseSecondGame();

    store::emptyTablesOnExit();
    createForms();
    // Quitting from the desktop empties the tables exactly like Exit does,
    // wherever the program is (even inside a modal message).
    platform::onTerminationRequest([] {
        if (frmMain && frmMain->isLoaded())
            frmMain->Unload();
        finish();
        std::fflush(nullptr);
        ::_exit(0);
    });
    frmSplash->Show();
    const int status = app.exec();
    destroyForms();
    finish();
    return status;
}
