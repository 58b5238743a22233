#include "platform/GameFiles.h"

#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

#ifndef QUORVEL_DATA_FROM_BINARY
#define QUORVEL_DATA_FROM_BINARY "../share/quorvel"
#endif

namespace platform {

namespace {

const QLatin1String DatabaseName("Cards.mdb");

// SQLite keeps a database's log and shared memory beside it under these
// suffixes; they belong to the file and move with it.
const char* const CompanionSuffixes[] = {"-wal", "-shm"};

// A name beside `file` that says when and why it was set aside, and that no
// earlier set-aside file has.
QString setAsideName(const QString& file, const QString& why) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString name = QStringLiteral("%1.%2-%3").arg(file, why, stamp);
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = QStringLiteral("%1.%2-%3-%4").arg(file, why, stamp).arg(n);
    return name;
}

void removeCompanions(const QString& file) {
    for (const char* suffix : CompanionSuffixes)
        QFile::remove(file + QLatin1String(suffix));
}

// A checked copy of the template under a temporary name in the user's
// folder, then renamed into place, so that the user's file is either absent
// or complete.
void copyTemplate(const QString& templateFile, const QString& userFile,
                  const DatabaseCheck& check) {
    QFile source(templateFile);
    if (!source.open(QIODevice::ReadOnly))
        fatal(QStringLiteral("The installed card database \"%1\" cannot be read: %2")
                  .arg(templateFile, source.errorString()));
    const QByteArray bytes = source.readAll();
    QTemporaryFile copy(userFile + QStringLiteral(".new-XXXXXX"));
    copy.setAutoRemove(true);
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        fatal(QStringLiteral("Your card database cannot be made from \"%1\": writing \"%2\" "
                             "failed: %3")
                  .arg(templateFile, userFile, copy.errorString()));
    copy.close();
    const QString problem = check(copy.fileName());
    removeCompanions(copy.fileName());
    if (!problem.isEmpty())
        fatal(QStringLiteral("The installed card database \"%1\" is damaged: %2")
                  .arg(templateFile, problem));
    // The user reads and writes the copy; the template is read-only.
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (!copy.rename(userFile))
        fatal(QStringLiteral("Your card database \"%1\" cannot be made: %2")
                  .arg(userFile, copy.errorString()));
    copy.setAutoRemove(false);
}

} // namespace

GameFiles gameFilesFor(const QString& binaryFolder, const QString& userDataFolder) {
    GameFiles files;
    files.dataFolder = binaryFolder;
    files.databaseFile = binaryFolder + QLatin1Char('/') + DatabaseName;
    // A database beside the binary makes the folder portable, as it always
    // was; so does a folder without installed data beside it (a missing
    // database is then reported there by the start-up check).
    if (QFileInfo::exists(files.databaseFile))
        return files;
    const QString data =
        QDir::cleanPath(binaryFolder + QStringLiteral("/" QUORVEL_DATA_FROM_BINARY));
    if (!QFileInfo::exists(data + QLatin1Char('/') + DatabaseName))
        return files;
    files.layout = GameFiles::Layout::Installed;
    files.dataFolder = data;
    files.templateFile = data + QLatin1Char('/') + DatabaseName;
    files.databaseFile = userDataFolder + QLatin1Char('/') + DatabaseName;
    return files;
}

const GameFiles& gameFiles() {
    static const GameFiles files = gameFilesFor(
        binaryFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return files;
}

QString prepareUserDatabase(const QString& templateFile, const QString& userFile,
                            const DatabaseCheck& check) {
    const QString folder = QFileInfo(userFile).absolutePath();
    if (!QDir().mkpath(folder))
        fatal(
            QStringLiteral("The folder \"%1\" for your card database cannot be made.").arg(folder));
    QString setAside;
    const QFileInfo existing(userFile);
    if (existing.exists() || existing.isSymLink()) {
        const QString problem = check(userFile);
        if (problem.isEmpty())
            return {};
        const bool readable = existing.isFile() && existing.isReadable();
        setAside = setAsideName(userFile, readable ? QStringLiteral("damaged")
                                                   : QStringLiteral("unreadable"));
        if (!QFile::rename(userFile, setAside))
            fatal(QStringLiteral("Your card database \"%1\" is damaged (%2) and cannot be set "
                                 "aside as \"%3\".")
                      .arg(userFile, problem, setAside));
        // A stale log beside a fresh copy would be replayed into it.
        for (const char* suffix : CompanionSuffixes)
            if (QFileInfo::exists(userFile + QLatin1String(suffix)))
                QFile::rename(userFile + QLatin1String(suffix), setAside + QLatin1String(suffix));
        removeCompanions(userFile);
        QString reason = problem;
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
        const QByteArray text =
            QStringLiteral("Quorvel: your card database \"%1\" is %2: %3 It has been set aside "
                           "as \"%4\" and a fresh copy made from \"%5\".\n")
                .arg(userFile, readable ? QStringLiteral("damaged") : QStringLiteral("unreadable"),
                     reason, setAside, templateFile)
                .toUtf8();
        std::fputs(text.constData(), stderr);
        std::fflush(stderr);
    }
    copyTemplate(templateFile, userFile, check);
    return setAside;
}

bool prepareDatabase(const DatabaseCheck& check) {
    const GameFiles& files = gameFiles();
    if (files.layout != GameFiles::Layout::Installed || databaseFile() != files.databaseFile)
        return false;
    const bool existed = QFileInfo::exists(files.databaseFile);
    const QString setAside = prepareUserDatabase(files.templateFile, files.databaseFile, check);
    return !existed || !setAside.isEmpty();
}

} // namespace platform
