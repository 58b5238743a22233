#include "platform/Platform.h"

#include "platform/Fatal.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

// Each language's pictures with words, compiled in by translations/.
void initLanguagePictures();

static void initEmbeddedResources() {
    Q_INIT_RESOURCE(embedded);
    initLanguagePictures();
}

namespace platform {

namespace {
int g_signalPipe[2] = {-1, -1};
std::function<void()> g_terminationHandler;

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the handler runs from the event loop.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}
} // namespace

void initialise() {
    initEmbeddedResources();
    substituteDesignFonts(currentLanguage());
}

QString isolated(const QString& text) {
    return QChar(0x2068) + text + QChar(0x2069);
}

void onTerminationRequest(std::function<void()> handler) {
    g_terminationHandler = std::move(handler);
    if (g_signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier =
        new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        notifier->setEnabled(false);
        if (g_terminationHandler)
            g_terminationHandler();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

const QList<WindowSystemOption>& windowSystemOptions() {
    static const QList<WindowSystemOption> options{
        {"platform", "name[:options]",
         QT_TRANSLATE_NOOP("Platform", "xcb (the X display, the default), offscreen, ...")},
        {"display", "display",
         QT_TRANSLATE_NOOP("Platform", "The X display to use instead of $DISPLAY.")},
        {"geometry", "geometry",
         QT_TRANSLATE_NOOP("Platform", "Where the first window shows (\"+100+50\").")},
        {"qwindowgeometry", "geometry",
         QT_TRANSLATE_NOOP("Platform", "The same, for any window system.")},
        {"qwindowtitle", "title", QT_TRANSLATE_NOOP("Platform", "The first window's title.")},
        {"qwindowicon", "file", QT_TRANSLATE_NOOP("Platform", "The first window's icon.")},
        {"style", "style", QT_TRANSLATE_NOOP("Platform", "The style of standard dialogs.")},
        {"stylesheet", "file",
         QT_TRANSLATE_NOOP("Platform", "A style sheet for standard dialogs.")},
        {"platformtheme", "theme", QT_TRANSLATE_NOOP("Platform", "The desktop theme to follow.")},
        {"session", "session",
         QT_TRANSLATE_NOOP("Platform", "The desktop session the game belongs to.")},
        {"reverse", nullptr,
         QT_TRANSLATE_NOOP("Platform", "Lays standard dialogs out from right to left.")},
        {"sync", nullptr, QT_TRANSLATE_NOOP("Platform", "Talks to the X server synchronously.")},
    };
    return options;
}

QString windowSystemOptionsHelp() {
    QList<std::pair<QString, QString>> rows;
    qsizetype width = 0;
    for (const WindowSystemOption& option : windowSystemOptions()) {
        QString name = QStringLiteral("-") + QString::fromLatin1(option.name);
        if (option.value)
            name += QStringLiteral(" <%1>").arg(QString::fromLatin1(option.value));
        width = qMax(width, name.size());
        rows.append({name, QCoreApplication::translate("Platform", option.description)});
    }
    QString text = QCoreApplication::translate("Platform", "Options of the window system (Qt):") +
                   QLatin1Char('\n');
    for (const auto& [name, description] : rows)
        text += QStringLiteral("  %1  %2\n").arg(name.leftJustified(width), description);
    return text;
}

namespace {

QtMessageHandler g_previousHandler = nullptr;
QString g_program;
QString g_requestedPlatform;
QString g_display;
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> g_held;

// Qt's own long explanation of the failure, said plainly.
QString windowSystemFailure(const QString& fatal) {
    const QString platform = g_requestedPlatform.section(QLatin1Char(':'), 0, 0);
    for (const HeldMessage& held : g_held) {
        if (!held.text.contains(QLatin1String("could not connect to display")))
            continue;
        const QString display = g_display;
        return display.isEmpty()
                   ? QCoreApplication::translate(
                         "Platform", "cannot show its windows: no display is set (the DISPLAY "
                                     "environment variable is empty).")
                   : QCoreApplication::translate(
                         "Platform", "cannot show its windows: the display \"%1\" cannot be "
                                     "reached.")
                         .arg(display);
    }
    const QRegularExpressionMatch available =
        QRegularExpression(QStringLiteral("Available platform plugins are: ([^\\n]*)\\."))
            .match(fatal);
    bool found = false;
    for (const HeldMessage& held : g_held)
        found = found || held.text.contains(QLatin1String("Could not find the Qt platform plugin"));
    if (found && available.hasMatch())
        return QCoreApplication::translate(
                   "Platform", "cannot show its windows: there is no window system \"%1\" "
                               "(there are: %2).")
            .arg(platform, available.captured(1));
    return QCoreApplication::translate("Platform", "cannot show its windows through \"%1\": %2")
        .arg(platform, fatal.section(QLatin1Char('\n'), 0, 0));
}

void holdMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        g_held.append({type, QByteArray(context.category ? context.category : ""), text});
        return;
    }
    const QByteArray report =
        (g_program + QStringLiteral(": ") + windowSystemFailure(text) + QLatin1Char('\n'))
            .toLocal8Bit();
    std::fputs(report.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(FatalExitStatus);
}

} // namespace

void guardWindowSystemStart(int argc, char* argv[]) {
    g_program = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "")).fileName();
    g_requestedPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    g_display = qEnvironmentVariable("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            g_requestedPlatform = QString::fromLocal8Bit(argv[i + 1]);
        if (argument == "-display" || argument == "--display")
            g_display = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (g_requestedPlatform.isEmpty())
        g_requestedPlatform = QStringLiteral("xcb");
    g_previousHandler = qInstallMessageHandler(holdMessages);
}

void windowSystemStarted() {
    qInstallMessageHandler(g_previousHandler);
    const QList<HeldMessage> held = std::exchange(g_held, {});
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace platform
