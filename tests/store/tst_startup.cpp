#include "platform/Fatal.h"
#include "platform/Recordset.h"
#include "platform/Translations.h"
#include "store/StartupCheck.h"
#include "store/Tables.h"
#include "support/TestFolder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Damage { Sql, Remove, Empty, Truncate, NotPicture, Pipe, Folder, Device, Huge };

// The card list rebuilt with columns of no declared type, so that a text
// stays a text, followed by `change`.
QString untypedAllCards(const QString& change) {
    return QStringLiteral(
               "ALTER TABLE AllCards RENAME TO Typed;\n"
               "CREATE TABLE AllCards (fldAutoNumber, fldID, fldLevel, fldName, fldElement, "
               "fldNorth, fldEast, fldSouth, fldWest, fldPath);\n"
               "INSERT INTO AllCards SELECT * FROM Typed;\n"
               "DROP TABLE Typed;\n") +
           change;
}

// A valid colour JPEG of 9000 x 9000 pixels: its header is sound, but Qt's
// image reader refuses to allocate its pixels.
QByteArray hugeJpeg() {
    static QByteArray bytes;
    if (bytes.isEmpty()) {
        QImage image(9000, 9000, QImage::Format_RGB888);
        image.fill(QColor(40, 90, 160));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 30);
    }
    return bytes;
}

// Puts something that is not a regular file where `file` belongs.
bool replaceByNonFile(const QString& file, Damage damage) {
    if (!QFile::remove(file))
        return false;
    if (damage == Damage::Pipe)
        return ::mkfifo(QFile::encodeName(file).constData(), 0644) == 0;
    if (damage == Damage::Folder)
        return QDir().mkdir(file);
    return QFile::link(QStringLiteral("/dev/zero"), file);
}

QByteArray checksum(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A copy of the whole program folder, binary included: the program finds its
// database, rules and pictures beside itself.
void addBinary(const TestFolder& folder) {
    const QString target = folder.file(QStringLiteral("quorvel"));
    QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel"), target));
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
}

// File permissions mean nothing to root; such runs go through an ordinary
// user so that a read-only file or folder really is read-only.
bool needsOtherUser() {
    return ::geteuid() == 0;
}

constexpr uid_t OtherUser = 65534;

bool handToOtherUser(const TestFolder& folder) {
    for (const QString& name : {QString(), QStringLiteral("Cards.mdb"),
                                QStringLiteral("QorRules.rtf"), QStringLiteral("quorvel")})
        if (::lchown(QFile::encodeName(name.isEmpty() ? folder.path() : folder.file(name)),
                     OtherUser, OtherUser) != 0)
            return false;
    return true;
}

void startGame(QProcess& process, const TestFolder& folder, bool asOtherUser,
               const QString& language = QString(), const QString& scale = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!language.isEmpty())
        env.insert(QStringLiteral("LANGUAGE"), language);
    // A desktop at this scale shows the double-size pictures.
    if (!scale.isEmpty())
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.path());
    const QString binary = folder.file(QStringLiteral("quorvel"));
    if (asOtherUser)
        process.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=%1").arg(OtherUser),
                       QStringLiteral("--regid=%1").arg(OtherUser),
                       QStringLiteral("--clear-groups"), QStringLiteral("--"), binary});
    else
        process.start(binary, {});
    process.waitForStarted(5000);
}

struct Outcome {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString errors;
    qint64 ms = 0;
};

Outcome runToEnd(const TestFolder& folder, bool asOtherUser = false,
                 const QString& language = QString(), const QString& scale = QString()) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    startGame(process, folder, asOtherUser, language, scale);
    Outcome outcome;
    outcome.finished = process.waitForFinished(10000);
    outcome.ms = clock.elapsed();
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    outcome.status = process.exitStatus();
    outcome.code = process.exitCode();
    outcome.errors = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

// Marks an offer slot that the selection window empties while it loads: once
// the mark is gone, the start-up sequence has run (it runs in one go, so the
// main window is loaded by the time anything else is handled).
void markOffer(const TestFolder& folder) {
    QVERIFY(folder.exec(
        QStringLiteral("UPDATE P1Stock SET fldID = 1003, fldNorth = 3, fldPath = '\\cards\\0003' "
                       "WHERE fldLocation = 1")));
}

// Replaces the linked picture folder `sub` by a folder of links to its files.
bool linkFilesOf(const TestFolder& folder, const QString& sub) {
    const QString here = folder.file(sub);
    const QString build = QStringLiteral(QUORVEL_PROGRAM_DIR "/") + sub;
    if (!QFile::remove(here) || !QDir().mkpath(here))
        return false;
    const QStringList files = QDir(build).entryList(QDir::Files);
    for (const QString& name : files)
        if (!QFile::link(build + "/" + name, here + "/" + name))
            return false;
    return !files.isEmpty();
}

bool waitUntilLoaded(const TestFolder& folder, QProcess& process) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && process.state() == QProcess::Running) {
        if (folder.query(QStringLiteral("SELECT fldID FROM P1Stock WHERE fldLocation = 1"))
                .toInt() == 0)
            return true;
        QTest::qWait(100);
    }
    return false;
}

const QStringList& slotTables() {
    static const QStringList tables{QStringLiteral("P1Stock"), QStringLiteral("P2Stock"),
                                    QStringLiteral("P1Hand"), QStringLiteral("P2Hand"),
                                    QStringLiteral("DirtyBoard")};
    return tables;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void goodFolderHasNoProblem();
    void damageIsFound_data();
    void damageIsFound();
    void languagePictureDamageIsFound_data();
    void languagePictureDamageIsFound();

    void damagedDatabaseStopsTheProgram_data();
    void damagedDatabaseStopsTheProgram();
    void translatedRulesDocumentStopsTheProgram_data();
    void translatedRulesDocumentStopsTheProgram();
    void readOnlyFileOrFolderStopsTheProgram_data();
    void readOnlyFileOrFolderStopsTheProgram();
    void secondCopyIsRefused_data();
    void secondCopyIsRefused();
    void killedCopyLeavesNoLock();
    void runsFromAnyFolderName_data();
    void runsFromAnyFolderName();
    void terminationEmptiesTheTables_data();
    void terminationEmptiesTheTables();
};

void StartupTest::cleanup() {
    store::closeAll();
    platform::setFatalHandler({});
}

void StartupTest::goodFolderHasNoProblem() {
    TestFolder folder;
    FatalCatcher catcher;
    QElapsedTimer clock;
    clock.start();
    const QString problem = store::firstStartupProblem();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    qInfo("start-up check of a good folder: %lld ms", clock.elapsed());
    // Reading the headers of JPEG and GIF pictures loads those two readers
    // and no other (each one loaded stays mapped for the whole match). This
    // is the first test of the suite, so nothing before it read a picture.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QStringList readers;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf("/imageformats/");
        if (at >= 0 && !readers.contains(QString::fromUtf8(line.mid(at + 14))))
            readers << QString::fromUtf8(line.mid(at + 14));
    }
    readers.sort();
    QCOMPARE(readers, (QStringList{QStringLiteral("libqgif.so"), QStringLiteral("libqjpeg.so")}));
}

void StartupTest::damageIsFound_data() {
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("target"); // SQL (statements ending ";\n") or a file of the folder
    QTest::addColumn<QStringList>("named");

    QTest::newRow("table missing")
        << Damage::Sql << "DROP TABLE CleanBoard" << QStringList{"CleanBoard"};
    QTest::newRow("field missing") << Damage::Sql << "ALTER TABLE P2Hand DROP COLUMN fldWest"
                                   << QStringList{"P2Hand", "fldWest"};
    QTest::newRow("owner field missing")
        << Damage::Sql << "ALTER TABLE DirtyBoard DROP COLUMN fldOwner"
        << QStringList{"DirtyBoard", "fldOwner"};
    QTest::newRow("text in fldNorth of AllCards")
        << Damage::Sql << "UPDATE AllCards SET fldNorth = 'high' WHERE fldAutoNumber = 17"
        << QStringList{"AllCards", "fldNorth", "high"};
    QTest::newRow("AllCards with 605 cards")
        << Damage::Sql << "DELETE FROM AllCards WHERE fldAutoNumber = 300"
        << QStringList{"AllCards", "300"};
    QTest::newRow("fldID 0 in AllCards")
        << Damage::Sql << "UPDATE AllCards SET fldID = 0 WHERE fldAutoNumber = 42"
        << QStringList{"AllCards", "fldID", "42"};
    QTest::newRow("board square missing")
        << Damage::Sql << "DELETE FROM DirtyBoard WHERE fldLocation = 7"
        << QStringList{"DirtyBoard", "7"};
    // The last record of every slot table: the one a search reaches last.
    QTest::newRow("last offer slot missing")
        << Damage::Sql << "DELETE FROM P1Stock WHERE fldLocation = 8"
        << QStringList{"P1Stock", "8"};
    QTest::newRow("last offer slot of player 2 missing")
        << Damage::Sql << "DELETE FROM P2Stock WHERE fldLocation = 8"
        << QStringList{"P2Stock", "8"};
    QTest::newRow("last hand slot missing")
        << Damage::Sql << "DELETE FROM P1Hand WHERE fldLocation = 5" << QStringList{"P1Hand", "5"};
    QTest::newRow("last hand slot of player 2 missing")
        << Damage::Sql << "DELETE FROM P2Hand WHERE fldLocation = 5" << QStringList{"P2Hand", "5"};
    QTest::newRow("last board square missing")
        << Damage::Sql << "DELETE FROM DirtyBoard WHERE fldLocation = 9"
        << QStringList{"DirtyBoard", "9"};
    QTest::newRow("first board square missing")
        << Damage::Sql << "DELETE FROM DirtyBoard WHERE fldLocation = 1"
        << QStringList{"DirtyBoard", "1"};
    QTest::newRow("last board square renumbered")
        << Damage::Sql << "UPDATE DirtyBoard SET fldLocation = 10 WHERE fldLocation = 9"
        << QStringList{"DirtyBoard", "9"};

    // Values play reads differently from a lax check: each one ends a match.
    QTest::newRow("fldID beyond 16 bits")
        << Damage::Sql << "UPDATE AllCards SET fldID = 40000 WHERE fldAutoNumber = 5"
        << QStringList{"AllCards", "fldID", "40000"};
    QTest::newRow("edge beyond 16 bits")
        << Damage::Sql << "UPDATE AllCards SET fldWest = -32769 WHERE fldAutoNumber = 6"
        << QStringList{"AllCards", "fldWest", "-32769"};
    QTest::newRow("edge as the text 3.0")
        << Damage::Sql
        << untypedAllCards("UPDATE AllCards SET fldNorth = '3.0' WHERE "
                           "fldAutoNumber = 9")
        << QStringList{"AllCards", "fldNorth", "3.0"};
    QTest::newRow("draw number as the text 12.0")
        << Damage::Sql
        << untypedAllCards("UPDATE AllCards SET fldAutoNumber = '12.0' WHERE "
                           "fldAutoNumber = 12")
        << QStringList{"AllCards", "fldAutoNumber", "12.0"};
    // '12' is found by the draw like 12, so its card faces must be checked.
    QTest::newRow("draw number as the text 12, its face missing")
        << Damage::Sql
        << untypedAllCards("UPDATE AllCards SET fldAutoNumber = '12', fldPath = '\\cards\\gone' "
                           "WHERE fldAutoNumber = 12")
        << QStringList{"gone", "missing", "12"};
    QTest::newRow("trigger aborting the writes of a hand")
        << Damage::Sql
        << "CREATE TRIGGER keep BEFORE UPDATE ON P1Hand BEGIN SELECT RAISE(ABORT, 'kept'); END"
        << QStringList{"P1Hand", "trigger", "keep"};
    QTest::newRow("trigger on the board")
        << Damage::Sql << "CREATE TRIGGER Mirror AFTER UPDATE ON dirtyboard BEGIN SELECT 1; END"
        << QStringList{"DirtyBoard", "trigger"};
    QTest::newRow("hand slots out of order")
        << Damage::Sql
        << "UPDATE P1Hand SET fldLocation = CASE fldLocation WHEN 2 THEN 3 WHEN 3 THEN 2 END "
           "WHERE fldLocation IN (2, 3)"
        << QStringList{"P1Hand", "order"};
    QTest::newRow("picture missing")
        << Damage::Remove << "images/RedOn.gif" << QStringList{"RedOn.gif", "missing"};
    QTest::newRow("picture empty")
        << Damage::Empty << "images/DoneUp.jpg" << QStringList{"DoneUp.jpg", "empty"};
    QTest::newRow("picture truncated") << Damage::Truncate << "images/FieldBlank.jpg"
                                       << QStringList{"FieldBlank.jpg", "truncated"};
    QTest::newRow("picture that is not one")
        << Damage::NotPicture << "images/begin1.jpg" << QStringList{"begin1.jpg", "not a picture"};
    QTest::newRow("card face missing")
        << Damage::Remove << "cards/0420b.jpg" << QStringList{"0420b.jpg", "missing", "420"};
    QTest::newRow("card face truncated")
        << Damage::Truncate << "cards/0606r.jpg" << QStringList{"0606r.jpg", "truncated"};
    QTest::newRow("rules document missing")
        << Damage::Remove << "QorRules.rtf" << QStringList{"QorRules.rtf", "missing"};
    QTest::newRow("picture too large to load")
        << Damage::Huge << "images/52start.jpg" << QStringList{"52start.jpg", "too large"};
    QTest::newRow("card face too large to load")
        << Damage::Huge << "cards/0077r.jpg" << QStringList{"0077r.jpg", "too large", "77"};
    QTest::newRow("picture is a pipe")
        << Damage::Pipe << "images/ExitDn.jpg" << QStringList{"ExitDn.jpg", "pipe"};
    QTest::newRow("picture is a folder")
        << Damage::Folder << "images/BlueOn.gif" << QStringList{"BlueOn.gif", "folder"};
    QTest::newRow("card face is a device")
        << Damage::Device << "cards/0001b.jpg" << QStringList{"0001b.jpg", "device", "card 1"};
    QTest::newRow("rules document is a pipe")
        << Damage::Pipe << "QorRules.rtf" << QStringList{"QorRules.rtf", "pipe"};
    QTest::newRow("rules document is a folder")
        << Damage::Folder << "QorRules.rtf" << QStringList{"QorRules.rtf", "folder"};
}

void StartupTest::damageIsFound() {
    QFETCH(Damage, damage);
    QFETCH(QString, target);
    QFETCH(QStringList, named);
    TestFolder folder;
    FatalCatcher catcher;
    if (damage == Damage::Sql) {
        for (const QString& statement : target.split(QStringLiteral(";\n"), Qt::SkipEmptyParts))
            QVERIFY2(folder.exec(statement), qPrintable(statement));
    } else {
        const QString file = folder.file(target);
        const int slash = target.indexOf(QLatin1Char('/'));
        // The picture folders are linked from the build; this one becomes a
        // folder of its own whose files link there, so the damage stays here.
        if (slash > 0)
            QVERIFY(linkFilesOf(folder, target.left(slash)));
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray original = source.readAll();
        source.close();
        if (damage == Damage::Pipe || damage == Damage::Folder || damage == Damage::Device) {
            QVERIFY(replaceByNonFile(file, damage));
        } else if (damage == Damage::Huge) {
            QVERIFY(QFile::remove(file));
            QFile huge(file);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.write(hugeJpeg()) > 0);
            huge.close();
            // The reader itself refuses it: the check says what loading would.
            QImageReader reader(file);
            QCOMPARE(reader.size(), QSize(9000, 9000));
            QVERIFY(reader.read().isNull());
        } else {
            QVERIFY(QFile::remove(file));
            if (damage != Damage::Remove) {
                QFile damaged(file);
                QVERIFY(damaged.open(QIODevice::WriteOnly));
                if (damage == Damage::Truncate)
                    damaged.write(original.left(original.size() / 2));
                else if (damage == Damage::NotPicture)
                    damaged.write("These are not the pixels you are looking for.\n");
            }
        }
    }
    const QString problem = store::firstStartupProblem();
    QVERIFY2(!problem.isEmpty(), "the damage was not found");
    for (const QString& word : named)
        QVERIFY2(problem.contains(word, Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("\"%1\" not named in: %2").arg(word, problem)));
}

void StartupTest::languagePictureDamageIsFound_data() {
    QTest::addColumn<QString>("language"); // in use
    QTest::addColumn<QString>("damaged");  // a picture of images/, or a language's whole folder
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("found");

    QTest::newRow("de: button missing") << "de"
                                        << "de/NewGameDn.jpg" << Damage::Remove << true;
    QTest::newRow("ja: plaque truncated") << "ja"
                                          << "ja/begin2.jpg" << Damage::Truncate << true;
    QTest::newRow("zh_CN: prompt that is not a picture")
        << "zh_CN"
        << "zh_CN/52start.jpg" << Damage::NotPicture << true;
    QTest::newRow("ru: whole folder missing") << "ru"
                                              << "ru" << Damage::Remove << true;
    // Only the language in use is the player's concern.
    QTest::newRow("English: German button missing") << ""
                                                    << "de/ExitUp.jpg" << Damage::Remove << false;
    QTest::newRow("fr: German button missing") << "fr"
                                               << "de/HelpUp.jpg" << Damage::Remove << false;
}

void StartupTest::languagePictureDamageIsFound() {
    QFETCH(QString, language);
    QFETCH(QString, damaged);
    QFETCH(Damage, damage);
    QFETCH(bool, found);
    TestFolder folder;
    FatalCatcher catcher;
    // images/ becomes a folder of its own, the damaged language's folder too,
    // their pictures links to the build's, so that the damage stays here.
    QVERIFY(linkFilesOf(folder, QStringLiteral("images")));
    const QString build = QStringLiteral(QUORVEL_PROGRAM_DIR "/images/");
    const QString damagedLanguage = damaged.section(QLatin1Char('/'), 0, 0);
    for (const QString& sub : QDir(build).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString here = folder.file(QStringLiteral("images/") + sub);
        if (sub != damagedLanguage) {
            QVERIFY(QFile::link(build + sub, here));
            continue;
        }
        QVERIFY(QDir().mkpath(here));
        for (const QString& name : QDir(build + sub).entryList(QDir::Files))
            QVERIFY(QFile::link(build + sub + "/" + name, here + "/" + name));
    }
    QVERIFY(platform::useLanguage(language));
    const auto english = qScopeGuard([] { platform::useLanguage(QString()); });
    const QString file = folder.file(QStringLiteral("images/") + damaged);
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    const QByteArray original = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(QFileInfo(file).isDir() ? QDir(file).removeRecursively() : QFile::remove(file));
    if (damage != Damage::Remove) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(damage == Damage::Truncate ? original.left(original.size() / 2)
                                           : QByteArray("Not a picture at all.\n"));
    }
    const QString problem = store::firstStartupProblem();
    if (!found) {
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        return;
    }
    QVERIFY2(!problem.isEmpty(), "the damage was not found");
    // A missing folder is told by its first picture.
    const QString named =
        damaged.contains(QLatin1Char('/')) ? damaged : damaged + QStringLiteral("/DoneUp.jpg");
    QVERIFY2(problem.contains(named), qPrintable(problem));
}

void StartupTest::damagedDatabaseStopsTheProgram_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("table missing") << "drop" << QStringList{"DirtyBoard"};
    QTest::newRow("field missing") << "column" << QStringList{"P1Hand", "fldSouth"};
    QTest::newRow("text where a number belongs") << "text" << QStringList{"AllCards", "fldNorth"};
    QTest::newRow("AllCards short of a card") << "short" << QStringList{"AllCards", "606"};
    QTest::newRow("fldID 0") << "id0" << QStringList{"AllCards", "fldID"};
    QTest::newRow("slot record missing") << "slot" << QStringList{"P2Hand", "4"};
    QTest::newRow("slot records out of order") << "order" << QStringList{"DirtyBoard", "order"};
    QTest::newRow("no database") << "missing" << QStringList{"Cards.mdb", "not exist"};
    QTest::newRow("empty database") << "empty" << QStringList{"Cards.mdb", "empty"};
    QTest::newRow("random bytes") << "random" << QStringList{"Cards.mdb"};
    QTest::newRow("truncated database") << "truncated" << QStringList{"database"};
    QTest::newRow("picture missing") << "picture-missing" << QStringList{"DoneUp.jpg", "missing"};
    QTest::newRow("picture empty") << "picture-empty" << QStringList{"HelpUp.jpg", "empty"};
    QTest::newRow("picture truncated")
        << "picture-truncated" << QStringList{"FieldBlank.jpg", "truncated"};
    QTest::newRow("not a picture") << "picture-text" << QStringList{"RedOn.gif", "not a picture"};
    QTest::newRow("card face missing") << "face-missing" << QStringList{"0321b.jpg", "missing"};
    QTest::newRow("rules document missing")
        << "rules-missing" << QStringList{"QorRules.rtf", "missing"};
    QTest::newRow("rules document garbage")
        << "rules-garbage" << QStringList{"QorRules.rtf", "rich-text"};
    QTest::newRow("picture is a pipe") << "picture-pipe" << QStringList{"DoneUp.jpg", "pipe"};
    QTest::newRow("rules document is a pipe")
        << "rules-pipe" << QStringList{"QorRules.rtf", "pipe"};
    QTest::newRow("fldID beyond 16 bits") << "id-large" << QStringList{"AllCards", "fldID"};
    QTest::newRow("trigger on a hand") << "trigger" << QStringList{"P2Hand", "trigger"};
    // At 200 % the windows load the double-size pictures: those are checked too.
    QTest::newRow("double-size picture truncated, at 200 %")
        << "picture-2x-truncated" << QStringList{"ExitUp@2x.jpg", "truncated"};
    QTest::newRow("double-size card face unreadable, at 200 %")
        << "face-2x-garbage" << QStringList{"0512b@2x.jpg", "not a picture", "512"};
    QTest::newRow("double-size card face a pipe, at 200 %")
        << "face-2x-pipe" << QStringList{"0007r@2x.jpg", "pipe"};
}

void StartupTest::damagedDatabaseStopsTheProgram() {
    QFETCH(QString, damage);
    QFETCH(QStringList, named);
    TestFolder folder;
    addBinary(folder);
    // A damaged picture lies in a folder of links to the build's files (far
    // cheaper than a copy of them all); the link to it is replaced, never
    // written through.
    if (damage.startsWith(QLatin1String("picture")))
        QVERIFY(linkFilesOf(folder, QStringLiteral("images")));
    else if (damage.startsWith(QLatin1String("face")))
        QVERIFY(linkFilesOf(folder, QStringLiteral("cards")));
    const QString db = folder.file(QStringLiteral("Cards.mdb"));
    auto overwrite = [](const QString& file, const QByteArray& bytes) {
        if (QFileInfo(file).isSymLink() && !QFile::remove(file))
            return false;
        QFile f(file);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    };
    if (damage == QLatin1String("drop")) {
        QVERIFY(folder.exec(QStringLiteral("DROP TABLE DirtyBoard")));
    } else if (damage == QLatin1String("column")) {
        QVERIFY(folder.exec(QStringLiteral("ALTER TABLE P1Hand DROP COLUMN fldSouth")));
    } else if (damage == QLatin1String("text")) {
        QVERIFY(folder.exec(
            QStringLiteral("UPDATE AllCards SET fldNorth = 'seven' WHERE fldAutoNumber = 12")));
    } else if (damage == QLatin1String("short")) {
        QVERIFY(folder.exec(QStringLiteral("DELETE FROM AllCards WHERE fldAutoNumber = 606")));
    } else if (damage == QLatin1String("id0")) {
        QVERIFY(
            folder.exec(QStringLiteral("UPDATE AllCards SET fldID = 0 WHERE fldAutoNumber = 77")));
    } else if (damage == QLatin1String("slot")) {
        QVERIFY(folder.exec(QStringLiteral("DELETE FROM P2Hand WHERE fldLocation = 4")));
    } else if (damage == QLatin1String("order")) {
        QVERIFY(
            folder.exec(QStringLiteral("UPDATE DirtyBoard SET fldLocation = 10 - fldLocation")));
    } else if (damage == QLatin1String("missing")) {
        QVERIFY(QFile::remove(db));
    } else if (damage == QLatin1String("truncated")) {
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(f.size() / 3);
        f.close();
        QVERIFY(overwrite(db, head));
    } else if (damage == QLatin1String("picture-missing")) {
        QVERIFY(QFile::remove(folder.file(QStringLiteral("images/DoneUp.jpg"))));
    } else if (damage == QLatin1String("picture-empty")) {
        QVERIFY(overwrite(folder.file(QStringLiteral("images/HelpUp.jpg")), QByteArray()));
    } else if (damage == QLatin1String("picture-truncated")) {
        const QString file = folder.file(QStringLiteral("images/FieldBlank.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(f.size() / 2);
        f.close();
        QVERIFY(overwrite(file, head));
    } else if (damage == QLatin1String("picture-text")) {
        QVERIFY(
            overwrite(folder.file(QStringLiteral("images/RedOn.gif")), "this is not a picture\n"));
    } else if (damage == QLatin1String("face-missing")) {
        QVERIFY(QFile::remove(folder.file(QStringLiteral("cards/0321b.jpg"))));
    } else if (damage == QLatin1String("rules-missing")) {
        QVERIFY(QFile::remove(folder.file(QStringLiteral("QorRules.rtf"))));
    } else if (damage == QLatin1String("picture-pipe")) {
        QVERIFY(replaceByNonFile(folder.file(QStringLiteral("images/DoneUp.jpg")), Damage::Pipe));
    } else if (damage == QLatin1String("rules-pipe")) {
        QVERIFY(replaceByNonFile(folder.file(QStringLiteral("QorRules.rtf")), Damage::Pipe));
    } else if (damage == QLatin1String("id-large")) {
        QVERIFY(folder.exec(
            QStringLiteral("UPDATE AllCards SET fldID = 32768 WHERE fldAutoNumber = 200")));
    } else if (damage == QLatin1String("trigger")) {
        QVERIFY(folder.exec(QStringLiteral("CREATE TRIGGER hold BEFORE UPDATE ON P2Hand BEGIN "
                                           "SELECT RAISE(ABORT, 'held'); END")));
    } else if (damage == QLatin1String("picture-2x-truncated")) {
        const QString file = folder.file(QStringLiteral("images/ExitUp@2x.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(f.size() - 100);
        f.close();
        QVERIFY(QFile::remove(file) && overwrite(file, head));
    } else if (damage == QLatin1String("face-2x-garbage")) {
        const QString file = folder.file(QStringLiteral("cards/0512b@2x.jpg"));
        QVERIFY(QFile::remove(file) && overwrite(file, "no face here\n"));
    } else if (damage == QLatin1String("face-2x-pipe")) {
        QVERIFY(replaceByNonFile(folder.file(QStringLiteral("cards/0007r@2x.jpg")), Damage::Pipe));
    } else if (damage == QLatin1String("rules-garbage")) {
        QVERIFY(overwrite(folder.file(QStringLiteral("QorRules.rtf")), QByteArray(4096, '\x9c')));
    } else {
        QByteArray bytes;
        if (damage == QLatin1String("random")) {
            bytes.resize(64 * 1024);
            QRandomGenerator generator(7);
            for (char& c : bytes)
                c = static_cast<char>(generator.bounded(256));
        }
        QVERIFY(overwrite(db, bytes));
    }
    const QByteArray before = checksum(db);
    const qint64 sizeBefore = QFileInfo(db).size();

    const Outcome outcome =
        runToEnd(folder, false, QString(),
                 damage.contains(QLatin1String("2x")) ? QStringLiteral("2") : QString());
    QVERIFY2(outcome.finished, "the program did not stop");
    QCOMPARE(outcome.status, QProcess::NormalExit);
    QCOMPARE(outcome.code, platform::FatalExitStatus);
    QVERIFY2(outcome.ms < 6000, qPrintable(QString::number(outcome.ms)));
    for (const QString& word : named)
        QVERIFY2(outcome.errors.contains(word, Qt::CaseInsensitive), qPrintable(outcome.errors));
    // One report, not a cascade of them.
    QCOMPARE(outcome.errors.count(QStringLiteral("fatal error")), 1);
    // The database is left exactly as it was (or still absent).
    QCOMPARE(QFile::exists(db), damage != QLatin1String("missing"));
    QCOMPARE(checksum(db), before);
    QCOMPARE(QFileInfo(db).size(), sizeBefore);
}

void StartupTest::readOnlyFileOrFolderStopsTheProgram_data() {
    QTest::addColumn<bool>("wholeFolder");
    QTest::newRow("read-only Cards.mdb") << false;
    QTest::newRow("read-only program folder") << true;
}

void StartupTest::readOnlyFileOrFolderStopsTheProgram() {
    QFETCH(bool, wholeFolder);
    const bool otherUser = needsOtherUser();
    if (otherUser && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("running as root without setpriv: file permissions would not be enforced");
    TestFolder folder;
    addBinary(folder);
    const QString db = folder.file(QStringLiteral("Cards.mdb"));
    if (otherUser)
        QVERIFY(handToOtherUser(folder));
    if (wholeFolder)
        QVERIFY(::chmod(QFile::encodeName(folder.path()), 0555) == 0);
    else
        QVERIFY(::chmod(QFile::encodeName(db), 0444) == 0);
    const QByteArray before = checksum(db);

    const Outcome outcome = runToEnd(folder, otherUser);
    ::chmod(QFile::encodeName(folder.path()), 0755);
    ::chmod(QFile::encodeName(db), 0644);
    QVERIFY2(outcome.finished, "the program did not stop");
    QCOMPARE(outcome.code, platform::FatalExitStatus);
    QVERIFY2(outcome.errors.contains(QStringLiteral("read-only")), qPrintable(outcome.errors));
    QVERIFY2(outcome.errors.contains(wholeFolder ? QStringLiteral("folder")
                                                 : QStringLiteral("Cards.mdb")),
             qPrintable(outcome.errors));
    QCOMPARE(checksum(db), before);
}

void StartupTest::secondCopyIsRefused_data() {
    QTest::addColumn<bool>("replaced");
    QTest::newRow("same database file") << false;
    // A restored backup, or a tool that writes a copy and renames it over the
    // original: the running game keeps the old file open.
    QTest::newRow("database replaced by a copy") << true;
}

void StartupTest::secondCopyIsRefused() {
    QFETCH(bool, replaced);
    TestFolder folder;
    addBinary(folder);
    markOffer(folder);
    QProcess first;
    startGame(first, folder, false);
    QVERIFY2(waitUntilLoaded(folder, first), "the first copy did not start");

    const QString db = folder.file(QStringLiteral("Cards.mdb"));
    if (replaced) {
        const QString copy = folder.file(QStringLiteral("Cards.copy"));
        QVERIFY(QFile::copy(db, copy));
        QVERIFY(::rename(QFile::encodeName(copy).constData(), QFile::encodeName(db).constData()) ==
                0);
    }
    const QString wal = db + QStringLiteral("-wal");
    const QByteArray dbBefore = checksum(db);
    const QByteArray walBefore = checksum(wal);
    // Reading the replaced file through SQLite here would itself fold the
    // running game's log into it; the checksums tell enough.
    const QByteArray handsBefore =
        replaced
            ? QByteArray()
            : folder.query(QStringLiteral("SELECT group_concat(fldID) FROM P1Stock")).toByteArray();

    const Outcome second = runToEnd(folder);
    QVERIFY(second.finished);
    QCOMPARE(second.code, platform::FatalExitStatus);
    QVERIFY2(second.errors.contains(QStringLiteral("already running")), qPrintable(second.errors));
    QVERIFY2(second.ms < 5000, qPrintable(QString::number(second.ms)));

    QCOMPARE(checksum(db), dbBefore);
    QCOMPARE(checksum(wal), walBefore);
    if (!replaced)
        QCOMPARE(
            folder.query(QStringLiteral("SELECT group_concat(fldID) FROM P1Stock")).toByteArray(),
            handsBefore);
    // The first copy plays on, and ends normally.
    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(5000));
    QCOMPARE(first.exitCode(), 0);
}

// The lock goes with the process: a game killed outright blocks no later start.
void StartupTest::killedCopyLeavesNoLock() {
    TestFolder folder;
    addBinary(folder);
    markOffer(folder);
    QProcess first;
    startGame(first, folder, false);
    QVERIFY2(waitUntilLoaded(folder, first), "the first copy did not start");
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QVERIFY(QFile::exists(folder.file(QStringLiteral(".Cards.mdb.lock"))));

    markOffer(folder);
    QProcess second;
    startGame(second, folder, false);
    QVERIFY2(waitUntilLoaded(folder, second),
             qPrintable("the next start did not run: " + second.readAllStandardError()));
    second.terminate();
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
}

void StartupTest::translatedRulesDocumentStopsTheProgram_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("missing") << "missing" << QStringList{"QorRules.de.rtf", "fehlen"};
    QTest::newRow("garbage") << "garbage" << QStringList{"QorRules.de.rtf", "angezeigt"};
    QTest::newRow("pipe") << "pipe" << QStringList{"QorRules.de.rtf", "Pipe"};
}

// Played in German, the game relies on the German rules and reports them,
// in German; played in English, it does not need them.
void StartupTest::translatedRulesDocumentStopsTheProgram() {
    QFETCH(QString, damage);
    QFETCH(QStringList, named);
    TestFolder folder;
    addBinary(folder);
    const QString rules = folder.file(QStringLiteral("rules/QorRules.de.rtf"));
    if (damage == QLatin1String("missing")) {
        QVERIFY(QFile::remove(rules));
    } else if (damage == QLatin1String("pipe")) {
        QVERIFY(replaceByNonFile(rules, Damage::Pipe));
    } else {
        QFile f(rules);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(f.write(QByteArray(4096, '\x9c')) == 4096);
    }
    const Outcome outcome = runToEnd(folder, false, QStringLiteral("de"));
    QVERIFY2(outcome.finished, "the program did not stop");
    QCOMPARE(outcome.status, QProcess::NormalExit);
    QCOMPARE(outcome.code, platform::FatalExitStatus);
    for (const QString& word : named)
        QVERIFY2(outcome.errors.contains(word), qPrintable(outcome.errors));

    markOffer(folder);
    QProcess english;
    startGame(english, folder, false, QStringLiteral("en"));
    QVERIFY2(waitUntilLoaded(folder, english),
             qPrintable("the game did not start in English: " + english.readAllStandardError()));
    english.terminate();
    QVERIFY(english.waitForFinished(5000));
    QCOMPARE(english.exitCode(), 0);
}

void StartupTest::runsFromAnyFolderName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("backslashes") << QByteArray("my\\games\\");
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9 \xff");
    QTest::newRow("both") << QByteArray("\\\xc3(");
}

// The program folder under a name that is legal on Linux but unusual: the
// game finds its database and every picture, plays, and empties its tables.
void StartupTest::runsFromAnyFolderName() {
    QFETCH(QByteArray, name);
    TestFolder folder;
    addBinary(folder);
    markOffer(folder);
    // The whole folder moves under the new name; "plain" leads there under a
    // name this test can spell. The kernel names the binary by its real path.
    const QByteArray root = QFile::encodeName(folder.path()) + '/';
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("game")));
    for (const char* entry : {"Cards.mdb", "QorRules.rtf", "quorvel", "images", "cards"})
        QVERIFY(::rename(root + entry, root + "game/" + entry) == 0);
    QVERIFY(::rename(root + "game", root + name) == 0);
    QVERIFY(::symlink(name.constData(), root + "plain") == 0);
    const QString plain = folder.file(QStringLiteral("plain"));
    const QString db = plain + QStringLiteral("/Cards.mdb");
    auto query = [&db](const QString& sql) {
        const QString connection = QStringLiteral("raw-folder");
        QVariant result;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            d.setDatabaseName(db);
            if (d.open()) {
                QSqlQuery q(d);
                if (q.exec(sql) && q.next())
                    result = q.value(0);
            }
        }
        QSqlDatabase::removeDatabase(connection);
        return result;
    };

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(env);
    game.start(plain + QStringLiteral("/quorvel"), {});
    QVERIFY(game.waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    bool loaded = false;
    while (!loaded && clock.elapsed() < 15000 && game.state() == QProcess::Running) {
        loaded =
            query(QStringLiteral("SELECT fldID FROM P1Stock WHERE fldLocation = 1")).toInt() == 0;
        QTest::qWait(100);
    }
    QVERIFY2(loaded, qPrintable("the game did not start: " + game.readAllStandardError()));
    // The lock file lies beside the database in the folder itself, and a
    // second copy's report names the folder as a person reads it.
    QVERIFY(QFile::exists(plain + QStringLiteral("/.Cards.mdb.lock")));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(plain + QStringLiteral("/quorvel"), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), platform::FatalExitStatus);
    const QString report = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(report.contains(QStringLiteral("already running")), qPrintable(report));
    QVERIFY2(report.contains(QFile::decodeName(root + name + "/Cards.mdb")), qPrintable(report));
    game.terminate();
    QVERIFY(game.waitForFinished(5000));
    QCOMPARE(game.exitCode(), 0);
    QCOMPARE(query(QStringLiteral("SELECT count(*) FROM DirtyBoard WHERE fldID <> 0")).toInt(), 0);
    QCOMPARE(query(QStringLiteral("SELECT count(*) FROM P1Stock WHERE fldID <> 0")).toInt(), 0);
}

void StartupTest::terminationEmptiesTheTables_data() {
    QTest::addColumn<bool>("displayLost");
    QTest::newRow("SIGTERM") << false;
    // The X server dies under the game: Qt ends the program through exit(1).
    QTest::newRow("display lost") << true;
}

void StartupTest::terminationEmptiesTheTables() {
    QFETCH(bool, displayLost);
    QProcess xserver;
    QString display;
    if (displayLost) {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb is not installed");
        // A private server that tells its display number once it listens.
        xserver.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1024x768x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(xserver.waitForStarted(5000));
        QElapsedTimer clock;
        clock.start();
        while (!xserver.canReadLine() && clock.elapsed() < 10000)
            xserver.waitForReadyRead(200);
        display = QStringLiteral(":") + QString::fromLatin1(xserver.readLine().trimmed());
        QVERIFY2(display.size() > 1, "the X server gave no display number");
    }
    TestFolder folder;
    addBinary(folder);
    markOffer(folder);
    // Cards left in hands and on the board by an earlier run: start-up keeps
    // them, the way out must empty them.
    QVERIFY(folder.exec(QStringLiteral(
        "UPDATE P1Hand SET fldID = 1010, fldLevel = 2, fldName = 'Left Over', fldElement = "
        "'Tide', fldNorth = 1, fldEast = 2, fldSouth = 3, fldWest = 4, fldPath = "
        "'\\cards\\0010'")));
    QVERIFY(folder.exec(QStringLiteral("UPDATE P2Hand SET fldID = 1011, fldWest = 9")));
    QVERIFY(folder.exec(QStringLiteral(
        "UPDATE DirtyBoard SET fldID = 1012, fldNorth = 5, fldPath = '\\cards\\0012', fldOwner "
        "= 2 WHERE fldLocation IN (1, 5, 9)")));

    QProcess game;
    if (displayLost) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        game.setProcessEnvironment(env);
        game.start(folder.file(QStringLiteral("quorvel")), {});
        QVERIFY(game.waitForStarted(5000));
    } else {
        startGame(game, folder, false);
    }
    QVERIFY2(waitUntilLoaded(folder, game),
             qPrintable("the game did not start: " + game.readAllStandardError()));
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM P1Hand WHERE fldID <> 0")).toInt(),
             5);
    if (displayLost) {
        xserver.kill();
        QVERIFY(xserver.waitForFinished(5000));
        QVERIFY2(game.waitForFinished(10000), "losing the display did not end the game");
        QVERIFY2(game.readAllStandardError().contains("X11 connection broke"),
                 "the game ended some other way");
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    } else {
        game.terminate();
        QVERIFY2(game.waitForFinished(5000), "SIGTERM did not end the game");
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }

    // Everything is in the database file itself: no log left to replay.
    const QFileInfo wal(folder.file(QStringLiteral("Cards.mdb-wal")));
    QVERIFY2(!wal.exists() || wal.size() == 0, qPrintable(QString::number(wal.size())));

    const QString notEmpty = QStringLiteral(
        "SELECT count(*) FROM %1 WHERE fldID <> 0 OR fldLevel <> 0 OR ifnull(fldName, '') <> '' "
        "OR ifnull(fldElement, '') <> '' OR fldNorth <> 0 OR fldEast <> 0 OR fldSouth <> 0 OR "
        "fldWest <> 0 OR ifnull(fldPath, '') <> ''");
    for (const QString& table : slotTables())
        QVERIFY2(folder.query(notEmpty.arg(table)).toInt() == 0, qPrintable(table));
    QCOMPARE(
        folder.query(QStringLiteral("SELECT count(*) FROM DirtyBoard WHERE fldOwner <> 0")).toInt(),
        0);
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM DirtyBoard")).toInt(), 9);
    QCOMPARE(folder.query(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
