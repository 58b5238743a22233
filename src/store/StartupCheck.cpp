#include "store/StartupCheck.h"

#include "platform/Controls.h"
#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"
#include "platform/Translations.h"
#include "store/Tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

struct TableNeed {
    QString name;
    int slotCount;   // records fldLocation 1..slotCount, in order; 0 = none required
    bool cardFields; // the nine card fields
    bool owner;      // fldOwner
    bool autoNumber; // fldAutoNumber
};

const QList<TableNeed>& tableNeeds() {
    static const QList<TableNeed> needs{
        {QStringLiteral("CardBase"), 0, false, false, false},
        {QStringLiteral("AllCards"), 0, true, false, true},
        {QStringLiteral("P1Stock"), 8, true, false, false},
        {QStringLiteral("P2Stock"), 8, true, false, false},
        {QStringLiteral("P1Hand"), 5, true, false, false},
        {QStringLiteral("P2Hand"), 5, true, false, false},
        {QStringLiteral("CleanBoard"), 0, false, false, false},
        {QStringLiteral("DirtyBoard"), 9, true, true, false},
    };
    return needs;
}

// A number field as play reads it: converted by the recordset's own rule and
// used as a 16-bit integer. Some fields are only ever searched for or compared
// with 0 (fldAutoNumber, fldLocation, fldID); holding them to 16 bits as well
// refuses nothing the card list needs and keeps one rule for every field.
std::optional<qint16> smallNumber(const QVariant& v) {
    const std::optional<qlonglong> n = platform::wholeNumber(v);
    if (!n || *n < -32768 || *n > 32767)
        return std::nullopt;
    return static_cast<qint16>(*n);
}

// Whether SQLite failed for a reason outside the file's contents: the disk
// failed, is full, or the file could not be opened or locked. Damage (a file
// that is no database, or a damaged one) and a missing table are not.
bool isDiskFailure(const QSqlError& error) {
    if (error.type() == QSqlError::NoError)
        return false;
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return false;
    enum { Busy = 5, Locked = 6, NoMem = 7, IoErr = 10, Full = 13, CantOpen = 14 };
    return code == Busy || code == Locked || code == NoMem || code == IoErr || code == Full ||
           code == CantOpen;
}

QString describe(const QVariant& v) {
    return v.isNull() ? QStringLiteral("nothing") : "\"" + v.toString() + "\"";
}

bool isNumberField(const QString& field) {
    return field == QLatin1String("fldLocation") || field == QLatin1String("fldOwner") ||
           field == QLatin1String("fldAutoNumber") || CardRecord::isNumber(field);
}

// The picture stem (fldPath) of the card each draw number 1..CardCount finds.
using CardPaths = std::array<QString, CardCount + 1>;

QString checkTable(const TableNeed& need, QSqlDatabase db, CardPaths& paths,
                   QSqlError* error = nullptr) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(need.name))) {
        if (error)
            *error = query.lastError();
        if (isDiskFailure(query.lastError()))
            return QStringLiteral("%1.").arg(query.lastError().databaseText());
        return QCoreApplication::translate("StartupCheck",
                                           "The card database has no table %1 (%2).")
            .arg(need.name, query.lastError().databaseText());
    }
    const QSqlRecord record = query.record();
    QStringList required;
    if (need.slotCount > 0)
        required << QStringLiteral("fldLocation");
    if (need.autoNumber)
        required << QStringLiteral("fldAutoNumber");
    if (need.cardFields)
        required += CardRecord::fields();
    if (need.owner)
        required << QStringLiteral("fldOwner");
    for (const QString& field : required)
        if (record.indexOf(field) < 0)
            return QCoreApplication::translate("StartupCheck",
                                               "Table %1 of the card database has no field %2.")
                .arg(need.name, field);
    if (!need.cardFields)
        return {};

    const int locationColumn = record.indexOf(QStringLiteral("fldLocation"));
    const int autoNumberColumn = record.indexOf(QStringLiteral("fldAutoNumber"));
    const int idColumn = record.indexOf(QStringLiteral("fldID"));
    const int pathColumn = record.indexOf(QStringLiteral("fldPath"));
    QList<qint16> locations;
    std::array<bool, CardCount + 1> found{};
    int row = 0;
    while (query.next()) {
        ++row;
        for (const QString& field : required) {
            const QVariant v = query.value(record.indexOf(field));
            if (isNumberField(field) && !smallNumber(v))
                return QCoreApplication::translate(
                           "StartupCheck", "Table %1, record %2: field %3 holds %4 where a whole "
                                           "number from -32768 to 32767 belongs.")
                    .arg(need.name)
                    .arg(row)
                    .arg(field, describe(v));
        }
        if (need.slotCount > 0)
            locations << *smallNumber(query.value(locationColumn));
        if (need.autoNumber) {
            // A draw searches from the first record: the first record with
            // its number is the card it deals.
            const qint16 n = *smallNumber(query.value(autoNumberColumn));
            if (n < 1 || n > CardCount || found[n])
                continue;
            found[n] = true;
            if (*smallNumber(query.value(idColumn)) == 0)
                return QCoreApplication::translate(
                           "StartupCheck",
                           "Table AllCards: the card with fldAutoNumber %1 has fldID 0, "
                           "which marks an empty slot.")
                    .arg(n);
            paths[n] = query.value(pathColumn).toString();
        }
    }
    if (need.autoNumber) {
        for (int n = 1; n <= CardCount; ++n)
            if (!found[n])
                return QCoreApplication::translate(
                           "StartupCheck",
                           "Table AllCards has no card with fldAutoNumber %1 (it must "
                           "hold one card for every number from 1 to %2).")
                    .arg(n)
                    .arg(CardCount);
    }
    if (need.slotCount > 0) {
        // Slots are always searched forward in ascending order; each must be
        // found after the one before it.
        int position = 0;
        for (int slot = 1; slot <= need.slotCount; ++slot) {
            while (position < locations.size() && locations[position] != slot)
                ++position;
            if (position >= locations.size())
                return locations.contains(slot)
                           ? QCoreApplication::translate(
                                 "StartupCheck",
                                 "Table %1: the record of slot %2 is out of order "
                                 "(records must lie in ascending order of fldLocation).")
                                 .arg(need.name)
                                 .arg(slot)
                           : QCoreApplication::translate(
                                 "StartupCheck",
                                 "Table %1 has no record for slot %2 (fldLocation = %2).")
                                 .arg(need.name)
                                 .arg(slot);
        }
    }
    return {};
}

// A trigger can refuse or undo the game's writes in the middle of a match;
// the tables must take every write as it is.
QString triggerProblem(QSqlDatabase db) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT name, tbl_name FROM sqlite_master WHERE type = 'trigger'")))
        return QCoreApplication::translate("StartupCheck", "The card database cannot be read: %1")
            .arg(query.lastError().text());
    while (query.next()) {
        const QString table = query.value(1).toString();
        for (const TableNeed& need : tableNeeds())
            if (table.compare(need.name, Qt::CaseInsensitive) == 0)
                return QCoreApplication::translate(
                           "StartupCheck",
                           "Table %1 of the card database has a trigger (\"%2\"); the "
                           "game's tables must take its writes as they are.")
                    .arg(need.name, query.value(0).toString());
    }
    return {};
}

// Whether the windows show the double-size pictures: a screen of the desktop
// has a device pixel ratio above 1.
bool highDensity() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && platform::pictureDensity(app->devicePixelRatio()) == 2;
}

// A picture as the windows load it: its double-size variant too where the
// screen shows those. A variant that is missing leaves the design-size
// picture to serve; one that is there must load.
QString pictureAsShownProblem(const QString& fileName, bool highDensity) {
    const QString problem = pictureProblem(fileName);
    if (!problem.isEmpty() || !highDensity)
        return problem;
    const QString sharp = platform::highDensityName(fileName);
    return QFileInfo::exists(sharp) ? pictureProblem(sharp) : QString();
}

QString cardPictureProblems(const CardPaths& paths, bool highDensity) {
    const QString folder = platform::programFolder();
    for (int n = 1; n <= CardCount; ++n) {
        for (const char* colour : {"r.jpg", "b.jpg"}) {
            const QString problem = pictureAsShownProblem(
                platform::nativeFileName(folder + paths[n] + QLatin1String(colour)), highDensity);
            if (!problem.isEmpty())
                return QCoreApplication::translate("StartupCheck", "%1 (card %2 of AllCards)")
                    .arg(problem, QString::number(n));
        }
    }
    return {};
}

// Refuses anything but a regular file before it is opened: reading a pipe
// or a device would wait for ever, and a folder is no file at all.
// The reports of one kind of file, each a whole sentence for translators.
struct FileReports {
    const char* missing;
    const char* unreadable;
    const char* folder;
    const char* pipe;
    const char* socket;
    const char* device;
};

const FileReports PictureReports{
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" is missing."),
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" cannot be read: %2."),
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" is not a regular file (it is a folder)."),
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" is not a regular file (it is a pipe)."),
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" is not a regular file (it is a socket)."),
    QT_TRANSLATE_NOOP("StartupCheck", "The picture \"%1\" is not a regular file (it is a device)."),
};

const FileReports RulesReports{
    QT_TRANSLATE_NOOP("StartupCheck", "The rules document \"%1\" is missing."),
    QT_TRANSLATE_NOOP("StartupCheck", "The rules document \"%1\" cannot be read: %2."),
    QT_TRANSLATE_NOOP("StartupCheck",
                      "The rules document \"%1\" is not a regular file (it is a folder)."),
    QT_TRANSLATE_NOOP("StartupCheck",
                      "The rules document \"%1\" is not a regular file (it is a pipe)."),
    QT_TRANSLATE_NOOP("StartupCheck",
                      "The rules document \"%1\" is not a regular file (it is a socket)."),
    QT_TRANSLATE_NOOP("StartupCheck",
                      "The rules document \"%1\" is not a regular file (it is a device)."),
};

QString report(const char* sentence) {
    return QCoreApplication::translate("StartupCheck", sentence);
}

QString regularFileProblem(const QString& fileName, const FileReports& reports) {
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR
                   ? report(reports.missing).arg(fileName)
                   : report(reports.unreadable)
                         .arg(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(info.st_mode))
        return report(S_ISDIR(info.st_mode)    ? reports.folder
                      : S_ISFIFO(info.st_mode) ? reports.pipe
                      : S_ISSOCK(info.st_mode) ? reports.socket
                                               : reports.device)
            .arg(fileName);
    return {};
}

// Whether Qt's image reader will decode a picture of this size and format: it
// refuses any image whose pixels need more than its allocation limit.
bool withinAllocationLimit(const QSize& size, QImage::Format format) {
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0)
        return true;
    const int depth =
        format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (qint64(size.width()) * qMax(depth, 1) + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * size.height();
    return (bytes >> 20) <= limitMb;
}

int g_lockFd = -1;

} // namespace

const QStringList& imageFiles() {
    static const QStringList files{
        QStringLiteral("DoneUp.jpg"),        QStringLiteral("DoneDn.jpg"),
        QStringLiteral("HelpUp.jpg"),        QStringLiteral("HelpDn.jpg"),
        QStringLiteral("NewGameUp.jpg"),     QStringLiteral("NewGameDn.jpg"),
        QStringLiteral("OptionsUp.jpg"),     QStringLiteral("OptionsDn.jpg"),
        QStringLiteral("ExitUp.jpg"),        QStringLiteral("ExitDn.jpg"),
        QStringLiteral("FieldBlank.jpg"),    QStringLiteral("PlaceHolder-r.jpg"),
        QStringLiteral("PlaceHolder-b.jpg"), QStringLiteral("RedOff.gif"),
        QStringLiteral("RedOn.gif"),         QStringLiteral("BlueOff.gif"),
        QStringLiteral("BlueOn.gif"),        QStringLiteral("52start.jpg"),
        QStringLiteral("begin1.jpg"),        QStringLiteral("begin2.jpg"),
        QStringLiteral("ResetUp.jpg"),       QStringLiteral("ResetDn.jpg"),
        QStringLiteral("ClearUp.jpg"),       QStringLiteral("ClearDn.jpg"),
        QStringLiteral("KeepUp.jpg"),        QStringLiteral("KeepDn.jpg"),
        QStringLiteral("CancelUp.jpg"),      QStringLiteral("CancelDn.jpg"),
        QStringLiteral("JoinUp.jpg"),        QStringLiteral("JoinDn.jpg"),
    };
    return files;
}

const QStringList& letteredImageFiles() {
    static const QStringList files{
        QStringLiteral("DoneUp.jpg"),    QStringLiteral("DoneDn.jpg"),
        QStringLiteral("HelpUp.jpg"),    QStringLiteral("HelpDn.jpg"),
        QStringLiteral("NewGameUp.jpg"), QStringLiteral("NewGameDn.jpg"),
        QStringLiteral("OptionsUp.jpg"), QStringLiteral("OptionsDn.jpg"),
        QStringLiteral("ExitUp.jpg"),    QStringLiteral("ExitDn.jpg"),
        QStringLiteral("52start.jpg"),   QStringLiteral("begin1.jpg"),
        QStringLiteral("begin2.jpg"),    QStringLiteral("ResetUp.jpg"),
        QStringLiteral("ResetDn.jpg"),   QStringLiteral("ClearUp.jpg"),
        QStringLiteral("ClearDn.jpg"),   QStringLiteral("KeepUp.jpg"),
        QStringLiteral("KeepDn.jpg"),    QStringLiteral("CancelUp.jpg"),
        QStringLiteral("CancelDn.jpg"),  QStringLiteral("JoinUp.jpg"),
        QStringLiteral("JoinDn.jpg"),
    };
    return files;
}

QString pictureProblem(const QString& fileName) {
    const QString notRegular = regularFileProblem(fileName, PictureReports);
    if (!notRegular.isEmpty())
        return notRegular;
    // Only the picture's first bytes, its last ones and its header are read:
    // the check runs at every start over a few hundred pictures.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("StartupCheck", "The picture \"%1\" cannot be read.")
            .arg(fileName);
    const qint64 size = file.size();
    if (size == 0)
        return QCoreApplication::translate("StartupCheck", "The picture \"%1\" is empty.")
            .arg(fileName);
    const QByteArray head = file.read(6);
    const bool jpeg = head.startsWith("\xFF\xD8");
    const bool gif = head.startsWith("GIF87a") || head.startsWith("GIF89a");
    if (!jpeg && !gif)
        return QCoreApplication::translate("StartupCheck",
                                           "The file \"%1\" is not a picture (JPEG or GIF).")
            .arg(fileName);
    // A cut-off file lacks its end marker; decoders would show it half grey.
    QByteArray tail;
    if (file.seek(qMax<qint64>(0, size - 2)))
        tail = file.read(2);
    const bool complete = jpeg ? size >= 4 && tail.endsWith("\xFF\xD9") : tail.endsWith(";");
    if (!complete)
        return QCoreApplication::translate("StartupCheck", "The picture \"%1\" is truncated.")
            .arg(fileName);
    if (!file.seek(0))
        return QCoreApplication::translate("StartupCheck", "The picture \"%1\" cannot be read.")
            .arg(fileName);
    QImageReader reader(&file, jpeg ? QByteArrayLiteral("jpeg") : QByteArrayLiteral("gif"));
    // The format is known from the header: only its own reader is asked.
    // Left to detect, Qt would load every image reader it has (ICO among
    // them) and ask each in turn before the one named.
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead() || !reader.size().isValid() || reader.size().isEmpty())
        return QCoreApplication::translate("StartupCheck",
                                           "The picture \"%1\" cannot be read as a picture: %2")
            .arg(fileName, reader.errorString());
    // The header alone tells the size; nothing is decoded here.
    if (!withinAllocationLimit(reader.size(), reader.imageFormat()))
        return QCoreApplication::translate(
                   "StartupCheck", "The picture \"%1\" is too large to load (%2 x %3 pixels).")
            .arg(fileName)
            .arg(reader.size().width())
            .arg(reader.size().height());
    return {};
}

QString firstStartupProblem() {
    openDatabase();
    QSqlDatabase db = platform::Database::connection();
    CardPaths paths;
    for (const TableNeed& need : tableNeeds()) {
        const QString problem = checkTable(need, db, paths);
        if (!problem.isEmpty())
            return problem;
    }
    const QString triggers = triggerProblem(db);
    if (!triggers.isEmpty())
        return triggers;
    const QString folder = platform::programFolder();
    const bool sharp = highDensity();
    for (const QString& image : imageFiles()) {
        const QString problem =
            pictureAsShownProblem(platform::nativeFileName(folder + "/images/" + image), sharp);
        if (!problem.isEmpty())
            return problem;
    }
    // Every language the program folder has a translation for has its
    // pictures with words beside it, painted by the same build.
    const QString language = platform::currentLanguage();
    if (platform::shippedLanguages().contains(language)) {
        const QString languageFolder = platform::languagePictureFolder(language);
        for (const QString& image : letteredImageFiles()) {
            const QString problem =
                pictureAsShownProblem(languageFolder + QLatin1Char('/') + image, sharp);
            if (!problem.isEmpty())
                return problem;
        }
    }
    const QString problem = cardPictureProblems(paths, sharp);
    if (!problem.isEmpty())
        return problem;
    // The rules document Help will show, in the language the program speaks.
    return regularFileProblem(
        platform::nativeFileName(folder + platform::rulesDocument(platform::currentLanguage())),
        RulesReports);
}

QString lockFile(const QString& databaseFile) {
    // Hidden, and outside the "Cards.mdb.*" names under which a damaged copy
    // is set aside.
    const QFileInfo info(databaseFile);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

namespace {

// The byte of the database file whose lock says "a game plays on this file".
// SQLite locks bytes near 1 GiB of the file and nothing near this offset, so
// the lock never meets its own; an open-file-description lock stays with its
// descriptor, not with the process's other descriptors of the file.
constexpr off_t GameByte = off_t(1) << 62;

int g_fileLockFd = -1;
dev_t g_fileLockDevice = 0;
ino_t g_fileLockInode = 0;

QString alreadyRunning(const QString& databaseFile) {
    return QCoreApplication::translate("StartupCheck",
                                       "Quorvel is already running with the card database "
                                       "\"%1\"; only one game can use it at a time.")
        .arg(databaseFile);
}

// Locks the database file itself, so that a link to it under another name (a
// symbolic or hard link from another game's folder) cannot put two games on
// one file. A file the game cannot write is left alone: the start-up check
// refuses it.
QString lockDatabaseFile(const QString& databaseFile) {
    const QByteArray path = QFile::encodeName(databaseFile);
    struct stat named {};
    if (::stat(path.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return {};
    if (g_fileLockFd >= 0 && named.st_dev == g_fileLockDevice && named.st_ino == g_fileLockInode)
        return {};
    const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    struct flock byte {};
    byte.l_type = F_WRLCK;
    byte.l_whence = SEEK_SET;
    byte.l_start = GameByte;
    byte.l_len = 1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {};
    }
    if (::fcntl(fd, F_OFD_SETLK, &byte) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EAGAIN || error == EACCES)
            return alreadyRunning(databaseFile);
        return {};
    }
    // The file made in place of the one locked before (a first start, a
    // damaged copy set aside): the lock moves with it.
    if (g_fileLockFd >= 0)
        ::close(g_fileLockFd);
    g_fileLockFd = fd;
    g_fileLockDevice = info.st_dev;
    g_fileLockInode = info.st_ino;
    return {};
}

} // namespace

QString acquireInstanceLock(const QString& databaseFile) {
    if (g_lockFd < 0) {
        const QString name = lockFile(databaseFile);
        const QByteArray path = QFile::encodeName(name);
        // Non-blocking, so that a pipe in its place cannot hold the start;
        // never following a link, so that the lock cannot be pointed elsewhere.
        int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS))
            fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            // A folder the game cannot write is reported by the start-up
            // check, which names the folder; no copy can play there anyway.
            if (errno == EACCES || errno == EROFS || errno == ENOENT)
                return {};
            return QCoreApplication::translate("StartupCheck",
                                               "The lock file \"%1\" cannot be opened: %2.")
                .arg(name, QString::fromLocal8Bit(std::strerror(errno)));
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            return QCoreApplication::translate("StartupCheck",
                                               "The lock file \"%1\" is not a regular file; "
                                               "remove it and start again.")
                .arg(name);
        }
        // The kernel drops a flock() lock with the last descriptor, also when
        // the program is killed, so a lock file left behind never blocks a
        // start.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return alreadyRunning(databaseFile);
        }
        g_lockFd = fd;
    }
    return lockDatabaseFile(databaseFile);
}

void releaseInstanceLock() {
    if (g_lockFd >= 0) {
        ::close(g_lockFd);
        g_lockFd = -1;
    }
    if (g_fileLockFd >= 0) {
        ::close(g_fileLockFd);
        g_fileLockFd = -1;
    }
}

platform::DatabaseProblem databaseProblem(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return {QCoreApplication::translate("StartupCheck", "The file cannot be read."), true};
    if (info.size() == 0)
        return {QCoreApplication::translate("StartupCheck", "The file is empty."), true};
    const QString name = QStringLiteral("quorvel-check");
    platform::DatabaseProblem problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // Read-only, and without a log beside it as an unchanging file, so
        // that nothing is created beside it. A log left by a killed game
        // holds its last commits and is read with the file.
        QUrl url = QUrl::fromLocalFile(file);
        if (!QFileInfo::exists(file + QStringLiteral("-wal")))
            url.setQuery(QStringLiteral("immutable=1"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        QSqlError error;
        if (!db.open()) {
            error = db.lastError();
            problem.text = error.text();
        }
        CardPaths paths;
        for (const TableNeed& need : tableNeeds()) {
            if (!problem.text.isEmpty())
                break;
            problem.text = checkTable(need, db, paths, &error);
        }
        if (problem.text.isEmpty())
            problem.text = triggerProblem(db);
        problem.damaged = !problem.text.isEmpty() && !isDiskFailure(error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

} // namespace store
