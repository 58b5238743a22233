#include "platform/Platform.h"

#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

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

} // namespace platform
