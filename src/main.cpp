#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "net/Endpoint.h"
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
    parser.addOption({QStringLiteral("host"),
                      QCoreApplication::translate(
                          "main", "Wait for a player on another computer, listening on <port> "
                                  "(47107 if none is given); the addresses, port and join "
                                  "code are also printed here."),
                      //: The value of --host in the help text, as in "--host[=<port>]".
                      QCoreApplication::translate("main", "port")});
    parser.addOption({QStringLiteral("join"),
                      QCoreApplication::translate(
                          "main", "Join the game of a player on another computer at <address> "
                                  "(with :port if it is not 47107); the join code is asked "
                                  "for."),
                      //: The value of --join in the help text, as in "--join <address>".
                      QCoreApplication::translate("main", "address")});
    // The window system's options, read by QApplication itself; --help-all
    // lists them.
    for (const platform::WindowSystemOption& qt : platform::windowSystemOptions()) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.value)
            option.setValueName(QString::fromLatin1(qt.value));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // --host may come without a port: it is read as an empty value, which
    // typed after "--host=" is refused.
    bool hostWithoutPort = false;
    for (QString& argument : arguments)
        if (argument == QLatin1String("--host") || argument == QLatin1String("-host")) {
            argument = QStringLiteral("--host=");
            hostWithoutPort = true;
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
        // The port of --host may be left out.
        const QString port = QCoreApplication::translate("main", "port");
        QString text = parser.helpText().replace(QLatin1String("<executable_name>"), program);
        text.replace(QStringLiteral("--host <%1>  ").arg(port),
                     QStringLiteral("--host[=<%1>]").arg(port));
        print(stdout, text);
        if (parser.isSet(QStringLiteral("help-all")))
            print(stdout, QLatin1Char('\n') + platform::windowSystemOptionsHelp());
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
    const bool host = parser.isSet(QStringLiteral("host"));
    const bool join = parser.isSet(QStringLiteral("join"));
    if (int(host) + int(join) + int(parser.isSet(QStringLiteral("computer"))) > 1) {
        print(stderr, QCoreApplication::translate(
                          "main", "%1: only one of --computer, --host and --join can be given.\n%2")
                          .arg(program, tryHelp));
        return 2;
    }
    if (host) {
        const QString value = parser.value(QStringLiteral("host"));
        const std::optional<quint16> port =
            hostWithoutPort && value.isEmpty() ? std::optional<quint16>(0) : net::parsePort(value);
        if (!port) {
            print(stderr, QCoreApplication::translate(
                              "main", "%1: --host takes a port from 1 to 65535, not \"%2\"\n%3")
                              .arg(program, value, tryHelp));
            return 2;
        }
        lobby::requestAtStart({lobby::StartRequest::Kind::Host, *port, QString()});
    }
    if (join) {
        const QString value = parser.value(QStringLiteral("join"));
        QString error;
        if (!net::parseEndpoint(value, net::DefaultPort, &error)) {
            print(stderr, QCoreApplication::translate(
                              "main", "%1: --join takes the host's address, not \"%2\": %3\n%4")
                              .arg(program, value, error, tryHelp));
            return 2;
        }
        lobby::requestAtStart({lobby::StartRequest::Kind::Join, 0, value.trimmed()});
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

    platform::guardWindowSystemStart(argc, argv);
    QApplication app(argc, argv);
    platform::windowSystemStarted();
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
    createSplash();
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
