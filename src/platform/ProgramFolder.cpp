#include "platform/ProgramFolder.h"

#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>

#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
QString g_folder;
// The folder's name as a person reads it, when it is named through a
// descriptor; undecodable bytes show as U+FFFD.
QString g_readableFolder;
// Other folders named through a descriptor, with their names as read.
QList<std::pair<QString, QString>> g_readableOthers;
} // namespace

QString binaryFolder() {
    static const QString folder = [] {
        char buffer[4096];
        const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (n <= 0)
            return QCoreApplication::applicationDirPath();
        QByteArray path(buffer, n);
        path.truncate(qMax<qsizetype>(path.lastIndexOf('/'), 1));
        const QString decoded = QFile::decodeName(path);
        if (QFile::encodeName(decoded) == path)
            return decoded;
        const int fd = ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return decoded;
        g_readableFolder = decoded;
        return QStringLiteral("/proc/self/fd/%1").arg(fd);
    }();
    return folder;
}

QString programFolder() {
    QString folder = g_folder.isEmpty() ? gameFiles().dataFolder : g_folder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString readableNames(const QString& text) {
    QString readable = text;
    for (const auto& [descriptor, name] : g_readableOthers)
        readable.replace(descriptor, name);
    const QString folder = binaryFolder();
    if (g_readableFolder.isEmpty() || !g_folder.isEmpty())
        return readable;
    readable.replace(folder, g_readableFolder);
    return readable;
}

void nameDescriptorFolder(const QString& descriptorPath, const QString& readable) {
    g_readableOthers.append({descriptorPath, readable});
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
    // Only the relative part is written with the design's separators; the
    // folder is a real path whose backslashes belong to its names.
    const QString folder = programFolder();
    const bool inFolder =
        name.startsWith(folder) && name.size() > folder.size() &&
        (name[folder.size()] == QLatin1Char('\\') || name[folder.size()] == QLatin1Char('/'));
    const qsizetype start = inFolder ? folder.size() : 0;
    QString mapped = name;
    for (qsizetype i = start; i < mapped.size(); ++i)
        if (mapped[i] == QLatin1Char('\\'))
            mapped[i] = QLatin1Char('/');
    return mapped;
}

} // namespace platform
