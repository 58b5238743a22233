#include "platform/GameFiles.h"

#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#ifndef QUORVEL_DATA_FROM_BINARY
#define QUORVEL_DATA_FROM_BINARY "../share/quorvel"
#endif

namespace platform {

namespace {

const QLatin1String DatabaseName("Cards.mdb");

// SQLite keeps a database's log and shared memory beside it under these
// suffixes; they belong to the file and move with it.
const char* const CompanionSuffixes[] = {"-wal", "-shm"};

void removeCompanions(const QString& file) {
    for (const char* suffix : CompanionSuffixes)
        QFile::remove(file + QLatin1String(suffix));
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isNoSpace(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// Free bytes of the file system holding `folder`, or -1.
qint64 freeBytes(const QString& folder) {
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(folder).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

QString noSpaceReport(const QString& userFile, qint64 needed) {
    const QString folder = QFileInfo(userFile).absolutePath();
    return QCoreApplication::translate(
               "GameFiles", "Your card database \"%1\" cannot be made: no space left on the disk "
                            "that holds \"%2\" (%3 kB free, %4 kB needed). Make room there and "
                            "start the game again.")
        .arg(userFile, folder)
        .arg(qMax<qint64>(0, freeBytes(folder)) / 1024)
        .arg((needed + 1023) / 1024);
}

// Writes `bytes` to a new file under a temporary name beside `userFile` and
// forces it to the disk; returns the name, or "" with `error` set.
QString writeCopy(const QString& userFile, const QByteArray& bytes, int* error) {
    QByteArray name = QFile::encodeName(userFile) + ".new-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return {};
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (done == bytes.size() && ::fsync(fd) != 0)
        *error = errno;
    // The user reads and writes the copy; the template is read-only.
    if (done == bytes.size() && *error == 0 && ::fchmod(fd, 0644) != 0)
        *error = errno;
    if (::close(fd) != 0 && *error == 0)
        *error = errno;
    if (*error != 0 || done != bytes.size()) {
        ::unlink(name.constData());
        return {};
    }
    return QFile::decodeName(name);
}

// A checked copy of the template under a temporary name in the user's
// folder. Nothing is left behind when it fails.
QString copyTemplate(const QString& templateFile, const QString& userFile,
                     const DatabaseCheck& check) {
    QFile source(templateFile);
    if (!source.open(QIODevice::ReadOnly))
        fatal(QCoreApplication::translate("GameFiles",
                                          "The installed card database \"%1\" cannot be read: %2")
                  .arg(templateFile, source.errorString()));
    const QByteArray bytes = source.readAll();
    int error = 0;
    const QString copy = writeCopy(userFile, bytes, &error);
    if (copy.isEmpty())
        fatal(isNoSpace(error) ? noSpaceReport(userFile, bytes.size())
                               : QCoreApplication::translate(
                                     "GameFiles", "Your card database \"%1\" cannot be made from "
                                                  "\"%2\": %3.")
                                     .arg(userFile, templateFile, systemReason(error)));
    const DatabaseProblem problem = check(copy);
    removeCompanions(copy);
    if (!problem.text.isEmpty()) {
        QFile::remove(copy);
        fatal(QCoreApplication::translate("GameFiles",
                                          "The installed card database \"%1\" is damaged: %2")
                  .arg(templateFile, problem.text));
    }
    return copy;
}

} // namespace

QByteArray userDataFolder() {
    QByteArray base = qgetenv("XDG_DATA_HOME");
    if (!base.startsWith('/')) {
        QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/')) {
            // The account's own home, as a login would set HOME.
            const struct passwd* account = ::getpwuid(::getuid());
            home = account && account->pw_dir ? QByteArray(account->pw_dir) : QByteArray();
        }
        if (!home.startsWith('/'))
            return {};
        while (home.size() > 1 && home.endsWith('/'))
            home.chop(1);
        base = (home == "/" ? QByteArray() : home) + "/.local/share";
    }
    while (base.size() > 1 && base.endsWith('/'))
        base.chop(1);
    return base + "/Quorvel/Quorvel";
}

QString makeFolder(const QByteArray& folder) {
    const QString name = QFile::decodeName(folder);
    for (qsizetype slash = 1; slash >= 0;) {
        slash = folder.indexOf('/', slash + 1);
        const QByteArray part = slash < 0 ? folder : folder.left(slash);
        if (::mkdir(part.constData(), 0755) == 0 || errno == EEXIST) {
            struct stat info {};
            if (::stat(part.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
            if (::stat(part.constData(), &info) == 0)
                return QCoreApplication::translate(
                           "GameFiles", "The folder \"%1\" for your card database cannot be "
                                        "made: \"%2\" is a file, not a folder.")
                    .arg(name, QFile::decodeName(part));
        }
        return QCoreApplication::translate(
                   "GameFiles", "The folder \"%1\" for your card database cannot be made: %2.")
            .arg(name, isNoSpace(errno)
                           ? QCoreApplication::translate("GameFiles", "no space left on the disk")
                           : systemReason(errno));
    }
    return {};
}

QString setAsideName(const QString& file, const QString& why) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString name = QStringLiteral("%1.%2-%3").arg(file, why, stamp);
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = QStringLiteral("%1.%2-%3-%4").arg(file, why, stamp).arg(n);
    return name;
}

QString recordFile() {
    return QFileInfo(databaseFile()).absolutePath() + QStringLiteral("/Record.db");
}

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
    static const GameFiles files = [] {
        GameFiles found = gameFilesFor(binaryFolder(), QString());
        if (found.layout != GameFiles::Layout::Installed)
            return found;
        const QByteArray folder = userDataFolder();
        if (folder.isEmpty()) {
            found = gameFilesFor(binaryFolder(), QStringLiteral("/"));
            found.userFolderProblem = QCoreApplication::translate(
                "GameFiles", "Your card database has no folder: neither XDG_DATA_HOME nor HOME "
                             "names one, and your account has no home folder.");
            return found;
        }
        QString name = QFile::decodeName(folder);
        if (QFile::encodeName(name) != folder) {
            // No QString names these bytes; the folder is made now and
            // reached through a descriptor, and reports name it as read.
            found.userFolderProblem = makeFolder(folder);
            const int fd = found.userFolderProblem.isEmpty()
                               ? ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)
                               : -1;
            if (fd >= 0) {
                name = QStringLiteral("/proc/self/fd/%1").arg(fd);
                nameDescriptorFolder(name, QFile::decodeName(folder));
            }
        }
        found = gameFilesFor(binaryFolder(), name);
        return found;
    }();
    return files;
}

QString prepareUserDatabase(const QString& templateFile, const QString& userFile,
                            const DatabaseCheck& check) {
    const QString folder = QFileInfo(userFile).absolutePath();
    const QString folderProblem = makeFolder(QFile::encodeName(folder));
    if (!folderProblem.isEmpty())
        fatal(folderProblem);
    const QFileInfo existing(userFile);
    const bool present = existing.exists() || existing.isSymLink();
    DatabaseProblem problem;
    if (present) {
        problem = check(userFile);
        if (problem.text.isEmpty())
            return {};
        // A disk that fails or is full says nothing of the file: it stays.
        if (!problem.damaged) {
            const qint64 free = freeBytes(folder);
            fatal(free >= 0 && free < 1024 * 1024
                      ? QCoreApplication::translate(
                            "GameFiles", "Your card database \"%1\" cannot be opened: no space "
                                         "left on the disk that holds \"%2\" (%3 kB free). "
                                         "Make room there and start the game again.")
                            .arg(userFile, folder)
                            .arg(free / 1024)
                      : QCoreApplication::translate("GameFiles",
                                                    "Your card database \"%1\" cannot be read: %2")
                            .arg(userFile, problem.text));
        }
    }
    // The fresh copy is complete before anything moves.
    const QString copy = copyTemplate(templateFile, userFile, check);
    QString setAside;
    const bool readable = existing.isFile() && existing.isReadable();
    if (present) {
        setAside = setAsideName(userFile, readable ? QStringLiteral("damaged")
                                                   : QStringLiteral("unreadable"));
        if (::rename(QFile::encodeName(userFile).constData(),
                     QFile::encodeName(setAside).constData()) != 0) {
            const int error = errno;
            QFile::remove(copy);
            fatal(QCoreApplication::translate("GameFiles",
                                              "Your card database \"%1\" is damaged (%2) and "
                                              "cannot be set aside as \"%3\": %4.")
                      .arg(userFile, problem.text, setAside, systemReason(error)));
        }
        // A stale log beside a fresh copy would be replayed into it.
        for (const char* suffix : CompanionSuffixes)
            if (QFileInfo::exists(userFile + QLatin1String(suffix)))
                QFile::rename(userFile + QLatin1String(suffix), setAside + QLatin1String(suffix));
        removeCompanions(userFile);
    }
    if (::rename(QFile::encodeName(copy).constData(), QFile::encodeName(userFile).constData()) !=
        0) {
        const int error = errno;
        QFile::remove(copy);
        fatal(QCoreApplication::translate("GameFiles",
                                          "Your card database \"%1\" cannot be made: %2.")
                  .arg(userFile, systemReason(error)));
    }
    if (present) {
        QString reason = problem.text;
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
        const QByteArray text =
            readableNames(
                readable
                    ? QCoreApplication::translate(
                          "GameFiles", "Quorvel: your card database \"%1\" is damaged: %2 It has "
                                       "been set aside as \"%3\" and a fresh copy made from "
                                       "\"%4\".\n")
                    : QCoreApplication::translate(
                          "GameFiles", "Quorvel: your card database \"%1\" is unreadable: %2 It "
                                       "has been set aside as \"%3\" and a fresh copy made from "
                                       "\"%4\".\n"))
                .arg(userFile, reason, setAside, templateFile)
                .toUtf8();
        std::fputs(text.constData(), stderr);
        std::fflush(stderr);
    }
    return setAside;
}

bool prepareDatabase(const DatabaseCheck& check, const std::function<void()>& lock) {
    const GameFiles& files = gameFiles();
    if (files.layout != GameFiles::Layout::Installed || databaseFile() != files.databaseFile) {
        lock();
        return false;
    }
    if (!files.userFolderProblem.isEmpty())
        fatal(files.userFolderProblem);
    const QString folderProblem =
        makeFolder(QFile::encodeName(QFileInfo(files.databaseFile).absolutePath()));
    if (!folderProblem.isEmpty())
        fatal(folderProblem);
    lock();
    const bool existed = QFileInfo::exists(files.databaseFile);
    const QString setAside = prepareUserDatabase(files.templateFile, files.databaseFile, check);
    return !existed || !setAside.isEmpty();
}

} // namespace platform
