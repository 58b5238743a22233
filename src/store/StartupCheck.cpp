#include "store/StartupCheck.h"

#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"
#include "store/Tables.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <fcntl.h>
#include <sys/file.h>
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

bool isWholeNumber(const QVariant& v, qint64 low = -32768, qint64 high = 32767) {
    if (v.isNull())
        return false;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok) {
        // "7.0" is a whole number stored as a real; "abc" is not a number.
        const double d = v.toDouble(&ok);
        if (!ok || d != static_cast<double>(static_cast<qlonglong>(d)))
            return false;
        return static_cast<qlonglong>(d) >= low && static_cast<qlonglong>(d) <= high;
    }
    return n >= low && n <= high;
}

QString describe(const QVariant& v) {
    return v.isNull() ? QStringLiteral("nothing") : "\"" + v.toString() + "\"";
}

QString checkTable(const TableNeed& need, QSqlDatabase db) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(need.name)))
        return QStringLiteral("The card database has no table %1 (%2).")
            .arg(need.name, query.lastError().databaseText());
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
            return QStringLiteral("Table %1 of the card database has no field %2.")
                .arg(need.name, field);
    if (!need.cardFields)
        return {};

    QList<qint64> locations;
    QHash<qint64, int> autoNumbers;
    int row = 0;
    while (query.next()) {
        ++row;
        for (const QString& field : required) {
            const bool numeric =
                field == QLatin1String("fldLocation") || field == QLatin1String("fldOwner") ||
                field == QLatin1String("fldAutoNumber") || CardRecord::isNumber(field);
            const QVariant v = query.value(record.indexOf(field));
            if (numeric && !isWholeNumber(v, field == QLatin1String("fldID") ? INT_MIN : -32768,
                                          field == QLatin1String("fldID") ? INT_MAX : 32767))
                return QStringLiteral(
                           "Table %1, record %2: field %3 holds %4 where a number belongs.")
                    .arg(need.name)
                    .arg(row)
                    .arg(field, describe(v));
        }
        if (need.slotCount > 0)
            locations << query.value(record.indexOf(QStringLiteral("fldLocation"))).toLongLong();
        if (need.autoNumber) {
            const qint64 n =
                query.value(record.indexOf(QStringLiteral("fldAutoNumber"))).toLongLong();
            if (n >= 1 && n <= CardCount && !autoNumbers.contains(n))
                autoNumbers.insert(n, row);
            const QVariant id = query.value(record.indexOf(QStringLiteral("fldID")));
            if (n >= 1 && n <= CardCount && id.toLongLong() == 0)
                return QStringLiteral("Table AllCards: the card with fldAutoNumber %1 has fldID 0, "
                                      "which marks an empty slot.")
                    .arg(n);
        }
    }
    if (need.autoNumber) {
        for (int n = 1; n <= CardCount; ++n)
            if (!autoNumbers.contains(n))
                return QStringLiteral("Table AllCards has no card with fldAutoNumber %1 (it must "
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
                           ? QStringLiteral("Table %1: the record of slot %2 is out of order "
                                            "(records must lie in ascending order of fldLocation).")
                                 .arg(need.name)
                                 .arg(slot)
                           : QStringLiteral(
                                 "Table %1 has no record for slot %2 (fldLocation = %2).")
                                 .arg(need.name)
                                 .arg(slot);
        }
    }
    return {};
}

QString cardPictureProblems(QSqlDatabase db) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT fldAutoNumber, fldPath FROM AllCards WHERE "
                                   "fldAutoNumber BETWEEN 1 AND %1 ORDER BY fldAutoNumber")
                        .arg(CardCount)))
        return QStringLiteral("Table AllCards cannot be read: %1").arg(query.lastError().text());
    const QString folder = platform::programFolder();
    while (query.next()) {
        const QString path = query.value(1).toString();
        for (const char* colour : {"r.jpg", "b.jpg"}) {
            const QString problem =
                pictureProblem(platform::nativeFileName(folder + path + QLatin1String(colour)));
            if (!problem.isEmpty())
                return QStringLiteral("%1 (card %2 of AllCards)")
                    .arg(problem)
                    .arg(query.value(0).toInt());
        }
    }
    return {};
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
    };
    return files;
}

QString pictureProblem(const QString& fileName) {
    QFile file(fileName);
    if (!file.exists())
        return QStringLiteral("The picture \"%1\" is missing.").arg(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The picture \"%1\" cannot be read.").arg(fileName);
    const QByteArray data = file.readAll();
    if (data.isEmpty())
        return QStringLiteral("The picture \"%1\" is empty.").arg(fileName);
    const bool jpeg = data.startsWith("\xFF\xD8");
    const bool gif = data.startsWith("GIF87a") || data.startsWith("GIF89a");
    if (!jpeg && !gif)
        return QStringLiteral("The file \"%1\" is not a picture (JPEG or GIF).").arg(fileName);
    // A cut-off file lacks its end marker; decoders would show it half grey.
    const bool complete = jpeg ? data.endsWith("\xFF\xD9") : data.endsWith(";");
    if (!complete)
        return QStringLiteral("The picture \"%1\" is truncated.").arg(fileName);
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    if (!reader.canRead() || !reader.size().isValid() || reader.size().isEmpty())
        return QStringLiteral("The picture \"%1\" cannot be read as a picture: %2")
            .arg(fileName, reader.errorString());
    return {};
}

QString firstStartupProblem() {
    const QString file = databaseFile();
    if (!platform::Database::isOpen())
        platform::Database::open(file);
    QSqlDatabase db = platform::Database::connection();
    for (const TableNeed& need : tableNeeds()) {
        const QString problem = checkTable(need, db);
        if (!problem.isEmpty())
            return problem;
    }
    const QString folder = platform::programFolder();
    for (const QString& image : imageFiles()) {
        const QString problem =
            pictureProblem(platform::nativeFileName(folder + "/images/" + image));
        if (!problem.isEmpty())
            return problem;
    }
    const QString problem = cardPictureProblems(db);
    if (!problem.isEmpty())
        return problem;
    const QFileInfo rules(folder + QStringLiteral("/QorRules.rtf"));
    if (!rules.exists())
        return QStringLiteral("The rules document \"%1\" is missing.").arg(rules.filePath());
    return {};
}

bool acquireInstanceLock(const QString& databaseFile) {
    if (g_lockFd >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(databaseFile).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true; // a missing file is reported by the start-up check
    // flock() locks are independent of the record locks SQLite takes, so the
    // file stays readable and writable through SQLite for everyone.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // Kept open for the life of the program: closing another descriptor of
    // the database file would drop SQLite's own locks.
    g_lockFd = fd;
    return true;
}

void releaseInstanceLock() {
    if (g_lockFd >= 0) {
        ::close(g_lockFd);
        g_lockFd = -1;
    }
}

QString databaseProblem(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("The file cannot be read.");
    if (info.size() == 0)
        return QStringLiteral("The file is empty.");
    const QString name = QStringLiteral("quorvel-check");
    QString problem;
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
        if (!db.open())
            problem = db.lastError().text();
        for (const TableNeed& need : tableNeeds()) {
            if (!problem.isEmpty())
                break;
            problem = checkTable(need, db);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

} // namespace store
