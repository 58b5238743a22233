#include "platform/Fatal.h"

#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace platform {

namespace {
FatalHandler g_handler;
bool g_dying = false;

bool canShowDialog() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}
} // namespace

FatalHandler setFatalHandler(FatalHandler handler) {
    FatalHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

bool isDying() {
    return g_dying;
}

void fatal(const QString& report) {
    const QString message = readableNames(report);
    if (g_handler) {
        g_handler(message);
        // A handler that returns still must not let the failed operation go on.
        throw FatalError(message);
    }
    if (g_dying)
        std::_Exit(FatalExitStatus);
    g_dying = true;
    const QByteArray text =
        QCoreApplication::translate("Fatal", "Quorvel: fatal error: %1\n").arg(message).toUtf8();
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
    if (canShowDialog()) {
        // Everything else of the program is inert from here on (isDying), so
        // the dialog's event loop cannot run game handlers.
        for (QWidget* w : QApplication::topLevelWidgets())
            w->setEnabled(false);
        QMessageBox box(
            QMessageBox::Critical, QStringLiteral("Quorvel"),
            QCoreApplication::translate("Fatal", "Quorvel cannot continue.\n\n%1").arg(message),
            QMessageBox::Ok);
        box.setEnabled(true);
        box.exec();
    }
    // The failed operation is undone as a whole (its group's saves rolled
    // back, unsaved record changes dropped); closing the database then folds
    // its write-ahead log back into the file, so no log files are left beside it.
    Database::abandon();
    Database::closeFile();
    std::_Exit(FatalExitStatus);
}

} // namespace platform
