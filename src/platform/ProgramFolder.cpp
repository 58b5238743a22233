#include "platform/ProgramFolder.h"

#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString g_folder;
}

QString programFolder() {
    QString folder = g_folder.isEmpty() ? gameFiles().dataFolder : g_folder;
    while (folder.size() > 1 &&
           (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

void setProgramFolder(const QString& folder) {
    g_folder = folder;
}

QString databaseFile() {
    if (g_folder.isEmpty())
        return gameFiles().databaseFile;
    return programFolder() + QStringLiteral("/Cards.mdb");
}

QString nativeFileName(const QString& name) {
    QString mapped = name;
    mapped.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(mapped);
}

} // namespace platform
