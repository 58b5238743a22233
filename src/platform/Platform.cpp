#include "platform/Platform.h"

#include "platform/Fatal.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <malloc.h>
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

namespace {
// Every control of the windows names its font. Qt lays out a new text box's
// empty text in the application's font before the box is given its own,
// which loaded the desktop's face, its tables and its shaping data for that
// alone (about 0.3 MB). The application's font is now the design's serif
// face at the desktop's size, which the windows load anyway. Qt's own
// widgets keep the fonts the desktop gives them (a text box's context menu,
// a message box, a tip): setting the application's font drops the fonts
// set for kinds of widgets, so they are read first and set again after.
void designFontByDefault() {
    static const char* const kinds[] = {"QMenu",
                                        "QMenuBar",
                                        "QMenuItem",
                                        "QMessageBox",
                                        "QLabel",
                                        "QTipLabel",
                                        "QStatusBar",
                                        "QTabButton",
                                        "QPushButton",
                                        "QCheckBox",
                                        "QRadioButton",
                                        "QToolButton",
                                        "QAbstractItemView",
                                        "QListView",
                                        "QHeaderView",
                                        "QComboMenuItem",
                                        "QComboLineEdit",
                                        "QSmallFont",
                                        "QMiniFont",
                                        "QMdiSubWindowTitleBar",
                                        "QDockWidgetTitle"};
    QList<QFont> desktop;
    for (const char* kind : kinds)
        desktop << QApplication::font(kind);
    QFont design(QStringLiteral("Times New Roman"));
    design.setPointSizeF(QApplication::font().pointSizeF());
    QApplication::setFont(design);
    for (qsizetype i = 0; i < desktop.size(); ++i)
        QApplication::setFont(desktop[i], kinds[i]);
}

// SQLite gives each page cache a first block of twenty pages (87 kB) when it
// is first used: the card database's, the record's, and the one that every
// row written to the record builds for a moment to check its lists of allowed
// values (one page of it used). Without that block each cache takes its pages
// one at a time as it needs them, up to the same limit. Possible only before
// SQLite's first use. The library is the one Qt's SQLite driver loads later;
// it is opened here rather than linked, so that only a program that sets
// itself up as the game loads it (the memory bench's bare window, run by the
// same binary, does not).
void withoutFirstPageBlocks() {
    void* sqlite = dlopen("libsqlite3.so.0", RTLD_NOW);
    if (!sqlite)
        return;
    // SQLITE_CONFIG_PAGECACHE of sqlite3.h, a constant of SQLite's stable interface.
    constexpr int ConfigPageCache = 7;
    using Config = int (*)(int, ...);
    if (auto config = reinterpret_cast<Config>(dlsym(sqlite, "sqlite3_config")))
        config(ConfigPageCache, nullptr, 0, 0);
}
} // namespace

void initialise() {
    // Pictures and the windows' backing stores come and go in blocks of a
    // hundred kilobytes to a megabyte or more. glibc raises its threshold for
    // mapping a block of its own to the largest block freed, after which such
    // blocks come from the heap and their room stays with the program once
    // they are freed. At a fixed threshold each is given back as it is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    withoutFirstPageBlocks();
    initEmbeddedResources();
    substituteDesignFonts(currentLanguage());
    designFontByDefault();
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
        {"platform", "name[:options]"},
        {"display", "display"},
        {"geometry", "geometry"},
        {"qwindowgeometry", "geometry"},
        {"qwindowtitle", "title"},
        {"qwindowicon", "file"},
        {"style", "style"},
        {"stylesheet", "file"},
        {"platformtheme", "theme"},
        {"session", "session"},
        {"reverse", nullptr},
        {"sync", nullptr},
    };
    return options;
}

QString windowSystemOptionsHelp() {
    QString text = QCoreApplication::translate("Platform", "Options of the window system (Qt):") +
                   QLatin1Char('\n');
    for (const WindowSystemOption& option : windowSystemOptions()) {
        text += QStringLiteral("  -") + QString::fromLatin1(option.name);
        if (option.value)
            text += QStringLiteral(" <%1>").arg(QString::fromLatin1(option.value));
        text += QLatin1Char('\n');
    }
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
