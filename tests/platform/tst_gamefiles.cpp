// Where the game's files live: the portable and the installed layout told
// apart from the binary's folder, and the user's own card database made from
// the installed template, kept when sound, and set aside and made afresh
// when damaged, with the template's own damage a fatal report.

#include "platform/Fatal.h"
#include "platform/GameFiles.h"
#include "store/StartupCheck.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <functional>
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
    QCOMPARE(store::databaseProblem(user), QString());
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

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
