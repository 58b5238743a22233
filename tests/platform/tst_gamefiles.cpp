// Where the game's files live: the portable and the installed layout told
// apart from the binary's folder, and the user's own card database made from
// the installed template, kept when sound, and set aside and made afresh
// when damaged, with the template's own damage a fatal report. Then the real
// binary, installed, as a hostile user meets it: two first starts at once, a
// link to another game's database, a full disk, and the environment that
// names the data folder.

#include "platform/Fatal.h"
#include "platform/GameFiles.h"
#include "store/StartupCheck.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::GameFiles;

namespace {

const QString Template = QStringLiteral(QUORVEL_PROGRAM_DIR "/Cards.mdb");

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// What `action` writes to standard error.
QString standardError(const std::function<void()>& action) {
    std::fflush(stderr);
    QTemporaryFile capture;
    capture.open();
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    try {
        action();
    } catch (...) {
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        throw;
    }
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    return QString::fromUtf8(capture.readAll());
}

bool renameCard(const QString& file, const QString& name) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "edit");
        db.setDatabaseName(file);
        ok = db.open() &&
             QSqlQuery(db).exec(QStringLiteral("UPDATE AllCards SET fldName = '%1' WHERE "
                                               "fldAutoNumber = 1")
                                    .arg(name));
        db.close();
    }
    QSqlDatabase::removeDatabase("edit");
    return ok;
}

// An installed game made from the build's program folder: PREFIX/bin/quorvel
// and PREFIX/share/quorvel holding the template database and rules document,
// with the picture folders linked from the build.
class InstalledGame {
  public:
    InstalledGame() {
        const QString share = m_dir.filePath(QStringLiteral("usr/share/quorvel"));
        m_ok = m_dir.isValid() && QDir().mkpath(m_dir.filePath(QStringLiteral("usr/bin"))) &&
               QDir().mkpath(share) &&
               QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel"), binary()) &&
               QFile::copy(Template, share + "/Cards.mdb") &&
               QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/QorRules.rtf"),
                           share + "/QorRules.rtf") &&
               QFile::link(QStringLiteral(QUORVEL_PROGRAM_DIR "/images"), share + "/images") &&
               QFile::link(QStringLiteral(QUORVEL_PROGRAM_DIR "/cards"), share + "/cards") &&
               ::chmod(QFile::encodeName(binary()).constData(), 0755) == 0 &&
               ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755) == 0;
    }
    bool isValid() const { return m_ok; }
    QString binary() const { return m_dir.filePath(QStringLiteral("usr/bin/quorvel")); }
    QString templateFile() const {
        return m_dir.filePath(QStringLiteral("usr/share/quorvel/Cards.mdb"));
    }

  private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

QProcessEnvironment gameEnvironment(const QString& dataHome) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    if (!dataHome.isNull())
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return env;
}

// Whether `process` has its own handler of SIGTERM: the game sets it once its
// database is ready and its windows are made.
bool catchesTermination(const QProcess& process) {
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// Waits until `process` plays on its database: it has opened it (its log
// appears once the splash window's timer has run the start-up check) and
// will leave it through the quit handler. False when it ended instead.
bool waitUntilPlaying(QProcess& process, const QString& database, int timeoutMs = 15000) {
    QElapsedTimer clock;
    clock.start();
    if (!process.waitForStarted(5000))
        return false;
    while (clock.elapsed() < timeoutMs) {
        if (process.state() != QProcess::Running)
            return false;
        if (catchesTermination(process) && QFileInfo::exists(database + "-wal"))
            return true;
        process.waitForFinished(50);
    }
    return false;
}

// What `process` has written to standard error so far, left to be read again.
QString errorsOf(QProcess& process) {
    process.setReadChannel(QProcess::StandardError);
    return QString::fromLocal8Bit(process.peek(1 << 20));
}

struct Ended {
    bool finished = false;
    int code = -1;
    QString errors;
};

Ended runToEnd(QProcess& process, int timeoutMs = 15000) {
    Ended ended;
    ended.finished = process.waitForFinished(timeoutMs);
    if (!ended.finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    ended.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ended.errors = errorsOf(process);
    return ended;
}

bool endPlaying(QProcess& process) {
    process.terminate();
    const bool ended = process.waitForFinished(10000) &&
                       process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ended)
        qWarning("the game ended with status %d (%s)", process.exitCode(),
                 process.exitStatus() == QProcess::NormalExit ? "normal exit" : "crashed");
    return ended;
}

// The names in `folder` by their bytes: Qt leaves out names that are not UTF-8.
QList<QByteArray> rawEntries(const QString& folder) {
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(dir))
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << QByteArray(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// A small file system of its own, so that the disk really fills: a tmpfs
// mounted for the test (root only), unmounted when it goes.
class SmallDisk {
  public:
    explicit SmallDisk(int kilobytes) {
        m_ok =
            m_dir.isValid() && ::geteuid() == 0 &&
            ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                    QStringLiteral("size=%1k,mode=755").arg(kilobytes).toLatin1().constData()) == 0;
    }
    ~SmallDisk() {
        if (m_ok)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    // Takes every free block but `spareKb`.
    bool fill(int spareKb = 0) {
        const QString spare = m_dir.filePath(QStringLiteral("spare"));
        if (spareKb > 0) {
            QFile file(spare);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(QByteArray(spareKb * 1024, 's')) != spareKb * 1024 || !file.flush())
                return false;
        }
        fillUp();
        return spareKb == 0 || QFile::remove(spare);
    }
    void fillUp() {
        QFile filler(m_dir.filePath(QStringLiteral("filler-%1").arg(++m_fillers)));
        if (!filler.open(QIODevice::WriteOnly))
            return; // not even a new file fits
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        // The last, partly written block: smaller writes take what is left.
        QFile rest(m_dir.filePath(QStringLiteral("filler-%1").arg(++m_fillers)));
        if (rest.open(QIODevice::WriteOnly))
            while (rest.write("r", 1) == 1 && rest.flush()) {
            }
    }
    void makeRoom() {
        for (int n = 1; n <= m_fillers; ++n)
            QFile::remove(m_dir.filePath(QStringLiteral("filler-%1").arg(n)));
        m_fillers = 0;
    }

  private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    int m_fillers = 0;
};

} // namespace

class GameFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void layout_data();
    void layout();
    void userDatabase_data();
    void userDatabase();
    void damagedTwiceInOneSecond();
    void damagedTemplate();

    void twoFirstStartsAtOnce();
    void linkToAnotherGamesDatabase_data();
    void linkToAnotherGamesDatabase();
    void fullDisk_data();
    void fullDisk();
    void dataFolderFromEnvironment_data();
    void dataFolderFromEnvironment();
};

void GameFilesTest::layout_data() {
    QTest::addColumn<QStringList>("files"); // relative to the root
    QTest::addColumn<QString>("binary");    // the binary's folder
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("data");

    QTest::newRow("portable folder") << QStringList{"quorvel/Cards.mdb", "quorvel/QorRules.rtf"}
                                     << "quorvel" << false << "quorvel";
    QTest::newRow("installed under bin")
        << QStringList{"usr/share/quorvel/Cards.mdb", "usr/bin/quorvel"} << "usr/bin" << true
        << "usr/share/quorvel";
    QTest::newRow("installed under games")
        << QStringList{"usr/share/quorvel/Cards.mdb", "usr/games/quorvel"} << "usr/games" << true
        << "usr/share/quorvel";
    QTest::newRow("a database beside the binary wins")
        << QStringList{"usr/share/quorvel/Cards.mdb", "usr/bin/Cards.mdb"} << "usr/bin" << false
        << "usr/bin";
    QTest::newRow("installed data without a database")
        << QStringList{"usr/share/quorvel/QorRules.rtf", "usr/bin/quorvel"} << "usr/bin" << false
        << "usr/bin";
    QTest::newRow("nothing at all")
        << QStringList{"quorvel/quorvel"} << "quorvel" << false << "quorvel";
}

void GameFilesTest::layout() {
    QFETCH(QStringList, files);
    QFETCH(QString, binary);
    QFETCH(bool, installed);
    QFETCH(QString, data);
    QTemporaryDir root;
    for (const QString& file : files)
        QVERIFY(write(root.filePath(file), "x"));
    const QString user = root.filePath(QStringLiteral("home/data/Quorvel/Quorvel"));
    const GameFiles found = platform::gameFilesFor(root.filePath(binary), user);
    QCOMPARE(found.layout == GameFiles::Layout::Installed, installed);
    QCOMPARE(found.dataFolder, root.filePath(data));
    if (installed) {
        QCOMPARE(found.databaseFile, user + "/Cards.mdb");
        QCOMPARE(found.templateFile, root.filePath(data) + "/Cards.mdb");
    } else {
        QCOMPARE(found.databaseFile, root.filePath(binary) + "/Cards.mdb");
    }
}

void GameFilesTest::userDatabase_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("setAsideAs"); // "" when the copy is kept or made

    QTest::newRow("first start") << "missing"
                                 << "";
    QTest::newRow("sound copy") << "sound"
                                << "";
    QTest::newRow("card list edited by the user") << "edited"
                                                  << "";
    QTest::newRow("last commits in the log of a killed game") << "killed"
                                                              << "";
    QTest::newRow("truncated") << "truncated"
                               << "damaged";
    QTest::newRow("empty") << "empty"
                           << "damaged";
    QTest::newRow("not a database") << "garbage"
                                    << "damaged";
    QTest::newRow("a table missing") << "table"
                                     << "damaged";
    QTest::newRow("truncated, with a log beside it") << "log"
                                                     << "damaged";
    QTest::newRow("a folder in its place") << "folder"
                                           << "unreadable";
    if (::geteuid() != 0) // root reads every file
        QTest::newRow("unreadable") << "unreadable"
                                    << "unreadable";
}

void GameFilesTest::userDatabase() {
    QFETCH(QString, kind);
    QFETCH(QString, setAsideAs);
    QTemporaryDir root;
    // A home whose name holds what a file URI would misread.
    const QString folder = root.filePath(QStringLiteral("home of 100% #1?/data/Quorvel/Quorvel"));
    const QString user = folder + "/Cards.mdb";
    const QByteArray original = bytesOf(Template);
    QVERIFY(!original.isEmpty());
    if (kind != QLatin1String("missing"))
        QVERIFY(QDir().mkpath(folder));
    if (kind == QLatin1String("sound") || kind == QLatin1String("unreadable"))
        QVERIFY(write(user, original));
    if (kind == QLatin1String("edited")) {
        QVERIFY(write(user, original));
        QVERIFY(renameCard(user, QStringLiteral("My Own Card")));
    }
    if (kind == QLatin1String("killed")) {
        // A table exists only in the log; the file alone lacks it.
        const QString work = root.filePath(QStringLiteral("work.mdb"));
        QVERIFY(write(work, original));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "kill");
            db.setDatabaseName(work);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
            QVERIFY(q.exec(QStringLiteral("DROP TABLE P2Hand")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE P2Hand AS SELECT * FROM P1Hand")));
            // The two files as a game killed now leaves them.
            QVERIFY(write(user, bytesOf(work)));
            QVERIFY(write(user + "-wal", bytesOf(work + "-wal")));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("kill");
    }
    if (kind == QLatin1String("truncated") || kind == QLatin1String("log"))
        QVERIFY(write(user, original.left(original.size() / 2)));
    if (kind == QLatin1String("log"))
        QVERIFY(write(user + "-wal", QByteArray(4096, 'w')));
    if (kind == QLatin1String("empty"))
        QVERIFY(write(user, {}));
    if (kind == QLatin1String("garbage"))
        QVERIFY(write(user, QByteArray(8192, '\x5a')));
    if (kind == QLatin1String("table")) {
        QVERIFY(write(user, original));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "drop");
        db.setDatabaseName(user);
        QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("DROP TABLE P2Hand")));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("drop");
    }
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(user + "/inside"));
    if (kind == QLatin1String("unreadable"))
        QVERIFY(QFile::setPermissions(user, QFileDevice::WriteOwner));
    const QByteArray before = bytesOf(user);
    const QByteArray logBefore = bytesOf(user + "-wal");

    QString setAside, said;
    FatalCatcher catcher;
    try {
        said = standardError([&] {
            setAside = platform::prepareUserDatabase(Template, user, store::databaseProblem);
        });
    } catch (const platform::FatalError& e) {
        QFAIL(qPrintable(e.message()));
    }

    // The user's database is there and sound, in every case.
    QVERIFY(QFileInfo(user).isFile());
    QCOMPARE(store::databaseProblem(user).text, QString());
    if (kind == QLatin1String("sound") || kind == QLatin1String("edited") ||
        kind == QLatin1String("killed")) {
        QCOMPARE(bytesOf(user), before); // the user's own cards stay
        QVERIFY(setAside.isEmpty());
        QCOMPARE(said, QString());
    } else {
        QCOMPARE(bytesOf(user), original); // a fresh copy of the template
    }
    const QStringList beside =
        QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    if (setAsideAs.isEmpty()) {
        QVERIFY(setAside.isEmpty());
        QCOMPARE(said, QString());
        if (kind == QLatin1String("killed")) { // the log stays for the game to read
            const QString files = beside.join(' ');
            QVERIFY2(beside.contains("Cards.mdb") && beside.contains("Cards.mdb-wal") &&
                         !files.contains("Cards.mdb."),
                     qPrintable(files));
            QCOMPARE(bytesOf(user + "-wal"), logBefore);
        } else
            QCOMPARE(beside, QStringList{QStringLiteral("Cards.mdb")});
        return;
    }
    const QRegularExpression name(QStringLiteral("^%1\\.%2-\\d{8}T\\d{6}Z$")
                                      .arg(QRegularExpression::escape(user), setAsideAs));
    QVERIFY2(name.match(setAside).hasMatch(), qPrintable(setAside));
    if (kind != QLatin1String("folder") && kind != QLatin1String("unreadable"))
        QCOMPARE(bytesOf(setAside), before); // kept exactly as it was
    QVERIFY(QFileInfo::exists(setAside));
    if (kind == QLatin1String("log")) {
        // The stale log goes with the damaged file, never into the fresh copy.
        QCOMPARE(bytesOf(setAside + "-wal"), QByteArray(4096, 'w'));
        QVERIFY(!QFileInfo::exists(user + "-wal"));
    }
    QCOMPARE(said.count('\n'), 1);
    QVERIFY2(said.contains(user) && said.contains(setAside) && said.contains(Template),
             qPrintable(said));
}

void GameFilesTest::damagedTwiceInOneSecond() {
    QTemporaryDir root;
    const QString user = root.filePath(QStringLiteral("Cards.mdb"));
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(write(user, "not a database at all"));
        standardError([&] {
            names << platform::prepareUserDatabase(Template, user, store::databaseProblem);
        });
    }
    names.removeDuplicates();
    QCOMPARE(names.size(), 3);
    for (const QString& n : names)
        QCOMPARE(bytesOf(n), QByteArray("not a database at all"));
}

void GameFilesTest::damagedTemplate() {
    QTemporaryDir root;
    const QString damaged = root.filePath(QStringLiteral("share/quorvel/Cards.mdb"));
    QVERIFY(write(damaged, bytesOf(Template).left(20000)));
    const QString folder = root.filePath(QStringLiteral("home/data"));
    const QString user = folder + "/Cards.mdb";
    FatalCatcher catcher;
    QString message;
    try {
        platform::prepareUserDatabase(damaged, user, store::databaseProblem);
    } catch (const platform::FatalError& e) {
        message = e.message();
    }
    QVERIFY2(message.startsWith(
                 QStringLiteral("The installed card database \"%1\" is damaged").arg(damaged)),
             qPrintable(message));
    // No half-made copy is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    // A missing template is named too.
    message.clear();
    try {
        platform::prepareUserDatabase(damaged + ".gone", user, store::databaseProblem);
    } catch (const platform::FatalError& e) {
        message = e.message();
    }
    QVERIFY2(message.contains(damaged + ".gone"), qPrintable(message));
}

// Two games started together on a first start, 20 times: one plays, the
// other is refused, and nothing is left beside the database.
void GameFilesTest::twoFirstStartsAtOnce() {
    InstalledGame game;
    QVERIFY(game.isValid());
    QTemporaryDir homes;
    constexpr int Pairs = 20;
    constexpr int AtOnce = 4; // pairs racing side by side, each on its own folder
    for (int first = 0; first < Pairs; first += AtOnce) {
        std::vector<std::unique_ptr<QProcess>> games;
        QStringList folders;
        for (int pair = first; pair < first + AtOnce; ++pair) {
            const QString data = homes.filePath(QStringLiteral("data%1").arg(pair));
            folders << data + "/Quorvel/Quorvel";
            for (int side = 0; side < 2; ++side) {
                games.push_back(std::make_unique<QProcess>());
                games.back()->setProcessEnvironment(gameEnvironment(data));
            }
        }
        for (auto& process : games)
            process->start(game.binary(), {});
        for (auto& process : games)
            QVERIFY(process->waitForStarted(5000));
        for (int pair = 0; pair < AtOnce; ++pair) {
            QProcess& a = *games[2 * pair];
            QProcess& b = *games[2 * pair + 1];
            const QString database = folders[pair] + "/Cards.mdb";
            // The refused game ends at once; the other plays on.
            QElapsedTimer clock;
            clock.start();
            while (a.state() == QProcess::Running && b.state() == QProcess::Running &&
                   clock.elapsed() < 15000) {
                a.waitForFinished(20);
                b.waitForFinished(20);
            }
            QVERIFY2(a.state() == QProcess::Running || b.state() == QProcess::Running,
                     qPrintable(QStringLiteral("pair %1: neither game plays: %2 / %3")
                                    .arg(first + pair)
                                    .arg(errorsOf(a), errorsOf(b))));
            QProcess& refused = a.state() == QProcess::Running ? b : a;
            QProcess& playing = a.state() == QProcess::Running ? a : b;
            const Ended ended = runToEnd(refused);
            QCOMPARE(ended.code, 2);
            QVERIFY2(ended.errors.contains(QStringLiteral("already running")),
                     qPrintable(ended.errors));
            QVERIFY2(
                waitUntilPlaying(playing, database),
                qPrintable(QStringLiteral("pair %1: %2").arg(first + pair).arg(errorsOf(playing))));
            QVERIFY(endPlaying(playing));
            // The game that played started its record of matches beside the database.
            QCOMPARE(entries(folders[pair]),
                     (QStringList{QStringLiteral(".Cards.mdb.lock"), QStringLiteral("Cards.mdb"),
                                  QStringLiteral("Record.db")}));
            QCOMPARE(store::databaseProblem(database).text, QString());
        }
    }
}

void GameFilesTest::linkToAnotherGamesDatabase_data() {
    QTest::addColumn<bool>("symbolic");
    QTest::newRow("symbolic link") << true;
    QTest::newRow("hard link") << false;
}

// The user's database is a link to the database of a portable game that is
// playing: the installed game is refused, and the other plays on.
void GameFilesTest::linkToAnotherGamesDatabase() {
    QFETCH(bool, symbolic);
    InstalledGame game;
    QVERIFY(game.isValid());
    TestFolder portable;
    const QString portableBinary = portable.file(QStringLiteral("quorvel"));
    QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel"), portableBinary));
    QVERIFY(::chmod(QFile::encodeName(portableBinary).constData(), 0755) == 0);
    const QString portableDatabase = portable.file(QStringLiteral("Cards.mdb"));
    QProcess other;
    other.setProcessEnvironment(gameEnvironment(QString()));
    other.start(portableBinary, {});
    QVERIFY2(waitUntilPlaying(other, portableDatabase), qPrintable(errorsOf(other)));

    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("data/Quorvel/Quorvel"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray link = QFile::encodeName(folder + "/Cards.mdb");
    QVERIFY(symbolic
                ? ::symlink(QFile::encodeName(portableDatabase).constData(), link.constData()) == 0
                : ::link(QFile::encodeName(portableDatabase).constData(), link.constData()) == 0);
    QProcess second;
    second.setProcessEnvironment(gameEnvironment(home.filePath(QStringLiteral("data"))));
    second.start(game.binary(), {});
    const Ended ended = runToEnd(second);
    QCOMPARE(ended.code, 2);
    QVERIFY2(ended.errors.contains(QStringLiteral("already running")), qPrintable(ended.errors));
    // Neither name was set aside or replaced.
    QCOMPARE(entries(folder),
             (QStringList{QStringLiteral(".Cards.mdb.lock"), QStringLiteral("Cards.mdb")}));
    QVERIFY(QFileInfo(folder + "/Cards.mdb").isSymLink() == symbolic);
    QCOMPARE(other.state(), QProcess::Running);
    QVERIFY(endPlaying(other));
}

void GameFilesTest::fullDisk_data() {
    QTest::addColumn<QString>("copy"); // the user's copy before the start
    QTest::addColumn<int>("spareKb");  // room left on the disk
    QTest::newRow("first start, no room") << QString() << 0;
    QTest::newRow("first start, room for half the copy") << QString() << 32;
    QTest::newRow("sound copy with a killed game's log") << QStringLiteral("killed") << 0;
    QTest::newRow("damaged copy") << QStringLiteral("damaged") << 0;
}

// The user's data folder on a disk that is full: the game says so plainly,
// sets nothing aside, leaves nothing half made, and keeps the user's copy as
// it was; once there is room again it plays (on the same copy, or on a fresh
// one beside the damaged copy set aside).
void GameFilesTest::fullDisk() {
    QFETCH(QString, copy);
    QFETCH(int, spareKb);
    InstalledGame game;
    QVERIFY(game.isValid());
    SmallDisk disk(512);
    if (!disk.isValid())
        QSKIP("a small file system needs root and the right to mount one");
    const QString folder = disk.path() + "/Quorvel/Quorvel";
    const QString user = folder + "/Cards.mdb";
    const QByteArray original = bytesOf(Template);
    QVERIFY(QDir().mkpath(folder));
    if (copy == QLatin1String("damaged"))
        QVERIFY(write(user, original.left(original.size() / 2)));
    if (copy == QLatin1String("killed")) {
        // The last placement is only in the log, as a killed game leaves it.
        QTemporaryDir work;
        const QString file = work.filePath(QStringLiteral("Cards.mdb"));
        QVERIFY(write(file, original));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "kill");
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
            QVERIFY(q.exec(QStringLiteral(
                "UPDATE DirtyBoard SET fldID = 1005, fldOwner = 1 WHERE fldLocation = 5")));
            QVERIFY(write(user, bytesOf(file)));
            QVERIFY(write(user + "-wal", bytesOf(file + "-wal")));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("kill");
    }
    const QStringList before = entries(folder);
    const QByteArray bytesBefore = bytesOf(user);
    QVERIFY(disk.fill(spareKb));

    QProcess full;
    full.setProcessEnvironment(gameEnvironment(disk.path()));
    full.start(game.binary(), {});
    const Ended ended = runToEnd(full);
    QCOMPARE(ended.code, 2);
    QVERIFY2(ended.errors.contains(QStringLiteral("no space left"), Qt::CaseInsensitive),
             qPrintable(ended.errors));
    QVERIFY2(!ended.errors.contains(QStringLiteral("set aside")), qPrintable(ended.errors));
    QStringList after = entries(folder);
    after.removeAll(QStringLiteral(".Cards.mdb.lock"));
    after.removeAll(QStringLiteral("Cards.mdb-shm")); // SQLite's, when it got that far
    QCOMPARE(after, before);
    QCOMPARE(bytesOf(user), bytesBefore);

    disk.makeRoom();
    QProcess roomy;
    roomy.setProcessEnvironment(gameEnvironment(disk.path()));
    roomy.start(game.binary(), {});
    QVERIFY2(waitUntilPlaying(roomy, user), qPrintable(errorsOf(roomy)));
    QVERIFY2(endPlaying(roomy), qPrintable(errorsOf(roomy)));
    const QString said = errorsOf(roomy);
    const QStringList setAside = QDir(folder).entryList({QStringLiteral("Cards.mdb.damaged-*")});
    QCOMPARE(setAside.size(), copy == QLatin1String("damaged") ? 1 : 0);
    if (copy == QLatin1String("damaged")) {
        QCOMPARE(bytesOf(folder + "/" + setAside.first()), bytesBefore);
        QVERIFY2(said.contains(QStringLiteral("set aside")), qPrintable(said));
    }
    QCOMPARE(store::databaseProblem(user).text, QString());
}

void GameFilesTest::dataFolderFromEnvironment_data() {
    QTest::addColumn<QString>("setting");
    QTest::newRow("XDG_DATA_HOME relative: ignored") << QStringLiteral("relative");
    QTest::newRow("XDG_DATA_HOME not UTF-8: the folder of its bytes") << QStringLiteral("bytes");
    QTest::newRow("XDG_DATA_HOME a file") << QStringLiteral("file");
    QTest::newRow("HOME unset: the account's home") << QStringLiteral("no home");
    QTest::newRow("HOME empty: the account's home") << QStringLiteral("empty home");
}

// Where the installed game keeps the user's database, as the environment and
// the XDG rules name it.
void GameFilesTest::dataFolderFromEnvironment() {
    QFETCH(QString, setting);
    InstalledGame game;
    QVERIFY(game.isValid());
    QTemporaryDir root;
    QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0);
    const QString home = root.filePath(QStringLiteral("home"));
    const QString work = root.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(work));
    // The shell sets what a QString cannot carry: bytes that are not UTF-8.
    QString assignments = QStringLiteral("HOME=\"$1\"; export HOME; unset XDG_DATA_HOME; ");
    QStringList runAs;
    if (setting == QLatin1String("relative"))
        assignments += QStringLiteral("XDG_DATA_HOME=relative/data; export XDG_DATA_HOME; ");
    if (setting == QLatin1String("bytes"))
        assignments += QStringLiteral(
            "XDG_DATA_HOME=\"$(printf '%s/caf\\351 \\377' \"$2\")\"; export XDG_DATA_HOME; ");
    if (setting == QLatin1String("file")) {
        QVERIFY(write(root.filePath(QStringLiteral("plain")), "not a folder"));
        assignments += QStringLiteral("XDG_DATA_HOME=\"$2/plain\"; export XDG_DATA_HOME; ");
    }
    const passwd* account = ::getpwuid(65534);
    if (setting.endsWith(QLatin1String("home"))) {
        // The account's home from the password database; as an unprivileged
        // account, so that no real home is written.
        if (::geteuid() != 0 || !account ||
            QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("needs root and setpriv to run the game as another account");
        assignments += setting == QLatin1String("no home") ? QStringLiteral("unset HOME; ")
                                                           : QStringLiteral("HOME=; export HOME; ");
        runAs = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                 QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                 QStringLiteral("--")};
    }
    QProcess process;
    process.setProcessEnvironment(gameEnvironment(QString()));
    process.setWorkingDirectory(work);
    const QStringList arguments =
        QStringList{QStringLiteral("-c"), assignments + QStringLiteral("shift 2; exec \"$@\""),
                    QStringLiteral("sh"), home, root.path()} +
        runAs + QStringList{game.binary()};
    process.start(QStringLiteral("sh"), arguments);
    QVERIFY(process.waitForStarted(5000));

    if (setting == QLatin1String("relative") || setting == QLatin1String("bytes")) {
        const QByteArray folder =
            setting == QLatin1String("relative")
                ? QFile::encodeName(home) + "/.local/share/Quorvel/Quorvel"
                : QFile::encodeName(root.path()) + "/caf\xe9 \xff/Quorvel/Quorvel";
        QElapsedTimer clock;
        clock.start();
        bool made = false;
        while (!made && process.state() == QProcess::Running && clock.elapsed() < 15000) {
            made = ::access((folder + "/Cards.mdb-wal").constData(), F_OK) == 0 &&
                   catchesTermination(process);
            process.waitForFinished(50);
        }
        QVERIFY2(made, qPrintable(errorsOf(process)));
        QVERIFY(endPlaying(process));
        // Nothing under the working folder, and no folder under another name
        // (the name as a QString would spell it, with U+FFFD).
        QCOMPARE(entries(work), QStringList());
        QList<QByteArray> beside = rawEntries(root.path());
        if (setting == QLatin1String("bytes")) {
            QVERIFY(beside.removeOne("caf\xe9 \xff"));
            // A name QTemporaryDir can remove.
            QVERIFY(::rename(QFile::encodeName(root.path()) + "/caf\xe9 \xff",
                             QFile::encodeName(root.filePath(QStringLiteral("bytes")))) == 0);
        }
        QCOMPARE(beside, (QList<QByteArray>{"home", "work"}));
        return;
    }
    const Ended ended = runToEnd(process);
    QCOMPARE(ended.code, 2);
    if (setting == QLatin1String("file")) {
        QVERIFY2(ended.errors.contains(QStringLiteral("is a file, not a folder")) &&
                     ended.errors.contains(root.filePath(QStringLiteral("plain"))) &&
                     !ended.errors.contains(QStringLiteral("lock")),
                 qPrintable(ended.errors));
    } else {
        const QString expected =
            QFile::decodeName(account->pw_dir) + QStringLiteral("/.local/share/Quorvel/Quorvel");
        QVERIFY2(ended.errors.contains(QStringLiteral("\"%1\"").arg(expected)),
                 qPrintable(ended.errors));
    }
}

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
