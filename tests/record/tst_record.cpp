// The record of matches as a file: what it counts, that a match goes in once
// however often it is written, that a damaged file is set aside and a fresh
// one started, and that a writer killed at any moment loses and doubles
// nothing.

#include "platform/GameFiles.h"
#include "record/Record.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <csignal>
#include <cstdio>

using record::HandResult;
using record::MatchResult;
using record::Opponent;
using record::Record;
using record::Tally;

namespace {

// A match of `hands` hands in which each hand gives `points1` and `points2`.
struct Played {
    MatchResult match;
    QList<HandResult> hands;
};

Played played(Opponent opponent, int winner, int rounds1, int rounds2, int hands, int points1,
              int points2, bool open = true, bool combo = false) {
    Played p;
    const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    for (int h = 1; h <= hands; ++h)
        p.hands << HandResult{.matchKey = key,
                              .hand = h,
                              .opponent = opponent,
                              .openHand = open,
                              .comboRule = combo,
                              .points1 = points1,
                              .points2 = points2};
    p.match = MatchResult{.matchKey = key,
                          .opponent = opponent,
                          .player1Name = QStringLiteral("Dorvik"),
                          .player2Name = QStringLiteral("Mirela"),
                          .openHand = open,
                          .comboRule = combo,
                          .winner = winner,
                          .rounds1 = rounds1,
                          .rounds2 = rounds2,
                          .hands = hands,
                          .points1 = points1 * hands,
                          .points2 = points2 * hands};
    return p;
}

bool add(Record& r, const Played& p) {
    for (qsizetype h = 0; h + 1 < p.hands.size(); ++h)
        if (!r.addHand(p.hands[h]))
            return false;
    return r.addMatch(p.match, p.hands.last());
}

// Runs SQL on `file` through a connection of its own.
bool exec(const QString& file, const QStringList& statements) {
    const QString name = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& s : statements)
            ok = ok && q.exec(s);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QVariant ask(const QString& file, const QString& sql) {
    const QString name = QUuid::createUuid().toString();
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                value = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A sound record with `matches` matches against the hard level in it.
void makeRecord(const QString& file, int matches) {
    Record r(file);
    QVERIFY(r.isAvailable());
    for (int i = 0; i < matches; ++i)
        QVERIFY(add(r, played(Opponent::Hard, 1 + i % 2, i % 2 ? 1 : 3, i % 2 ? 3 : 2, 7, 20, 15)));
}

// The writer the kill test runs as a child process: it writes matches into
// the record file until it is killed, and prints each match's key once its
// write has returned.
int writeUntilKilled(const QString& file) {
    Record r(file);
    if (!r.isAvailable())
        return 3;
    // A match written again after a restart must change nothing.
    const QByteArray again = qgetenv("QUORVEL_RECORD_AGAIN");
    if (!again.isEmpty()) {
        Played p = played(Opponent::Easy, 1, 3, 0, 3, 30, 10);
        for (HandResult& h : p.hands)
            h.matchKey = QString::fromLatin1(again);
        p.match.matchKey = QString::fromLatin1(again);
        add(r, p);
        std::printf("again\n");
        std::fflush(stdout);
    }
    for (;;) {
        const Played p = played(Opponent::Easy, 1, 3, 0, 3, 30, 10);
        if (!add(r, p))
            return 4;
        std::printf("%s\n", qPrintable(p.match.matchKey));
        std::fflush(stdout);
    }
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
  private slots:
    void countsFromPlayerOnesSide();
    void streaksAndFilters();
    void firstVersionTakenOver();
    void writtenAgainChangesNothing();
    void refusedWritesFail();
    void resetEmptiesEverything();
    void beside_data();
    void beside();
    void initTestCase();
    void damagedFilesSetAside_data();
    void damagedFilesSetAside();
    void soundFilesKept_data();
    void soundFilesKept();
    void companionsMoveWithTheDamagedFile();
    void unwritableFolderKeepsTheGameGoing();
    void killedWriterLosesAndDoublesNothing();

  private:
    // A sound record of a few matches, which each damage case starts from.
    QTemporaryDir m_sound;
};

void RecordTest::initTestCase() {
    makeRecord(m_sound.filePath("Record.db"), 10);
}

void RecordTest::countsFromPlayerOnesSide() {
    QTemporaryDir dir;
    Record r(dir.filePath("Record.db"));
    QVERIFY(r.isAvailable());
    // Against hard: a win 3-1 in 6 hands, a loss 2-3 in 9 hands.
    QVERIFY(add(r, played(Opponent::Hard, 1, 3, 1, 6, 40, 25)));
    QVERIFY(add(r, played(Opponent::Hard, 2, 2, 3, 9, 10, 35)));
    // A person's match and a hand of a match never finished count apart.
    QVERIFY(add(r, played(Opponent::Person, 2, 0, 3, 4, 5, 50)));
    QVERIFY(r.addHand(played(Opponent::Hard, 1, 3, 0, 1, 12, 12).hands.first()));

    const Tally hard = r.tally(Opponent::Hard);
    QCOMPARE(hard.matchesWon, 1);
    QCOMPARE(hard.matchesLost, 1);
    QCOMPARE(hard.roundsWon, 5);
    QCOMPARE(hard.roundsLost, 4);
    QCOMPARE(hard.handsWon, 6);
    QCOMPARE(hard.handsLost, 9);
    QCOMPARE(hard.handsDrawn, 1);
    QCOMPARE(hard.pointsFor, qint64(6 * 40 + 9 * 10 + 12));
    QCOMPARE(hard.pointsAgainst, qint64(6 * 25 + 9 * 35 + 12));
    QCOMPARE(hard.longestStreak, 1);

    const Tally person = r.tally(Opponent::Person);
    QCOMPARE(person.matchesLost, 1);
    QCOMPARE(person.matchesWon, 0);
    QCOMPARE(person.handsLost, 4);
    QCOMPARE(r.tally(Opponent::Easy), Tally{});
    QCOMPARE(r.tally(Opponent::Normal), Tally{});
}

void RecordTest::streaksAndFilters() {
    QTemporaryDir dir;
    Record r(dir.filePath("Record.db"));
    // W W L W W W L W, the last three under Closed Hand with the combo rule.
    const int winners[] = {1, 1, 2, 1, 1, 1, 2, 1};
    for (int i = 0; i < 8; ++i) {
        const int w = winners[i];
        QVERIFY(add(r, played(Opponent::Normal, w, w == 1 ? 3 : 0, w == 1 ? 0 : 3, 3, 1, 2, i < 5,
                              i >= 5)));
    }
    QCOMPARE(r.tally(Opponent::Normal).longestStreak, 3);
    QCOMPARE(r.tally(Opponent::Normal).matchesWon, 6);
    QCOMPARE(r.tally(Opponent::Normal).matchesLost, 2);
    const Tally closed = r.tally(Opponent::Normal, {.openHand = false, .comboRule = {}});
    QCOMPARE(closed.matchesWon, 2);
    QCOMPARE(closed.matchesLost, 1);
    QCOMPARE(closed.longestStreak, 1);
    QCOMPARE(closed.handsLost, 9);
    const Tally basicOpen = r.tally(Opponent::Normal, {.openHand = true, .comboRule = false});
    QCOMPARE(basicOpen.matchesWon, 4);
    QCOMPARE(basicOpen.longestStreak, 2);
}

// A record written before network matches were counted (version 1, whose
// tables allow only the first four opponents) is read as it stands: its
// matches count as before and a network match goes in beside them.
void RecordTest::firstVersionTakenOver() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    const QString kinds = "opponent IN ('person','easy','normal','hard') AND open_hand IN (0,1) "
                          "AND rule IN ('basic','combo')";
    QVERIFY(exec(
        file,
        {"CREATE TABLE matches (id INTEGER PRIMARY KEY, match_key TEXT NOT NULL UNIQUE, "
         "finished TEXT NOT NULL, opponent TEXT NOT NULL, player1 TEXT NOT NULL, "
         "player2 TEXT NOT NULL, open_hand INTEGER NOT NULL, rule TEXT NOT NULL, "
         "winner INTEGER NOT NULL, rounds1 INTEGER NOT NULL, rounds2 INTEGER NOT NULL, "
         "hands INTEGER NOT NULL, points1 INTEGER NOT NULL, points2 INTEGER NOT NULL, CHECK (" +
             kinds + "))",
         "CREATE TABLE hands (match_key TEXT NOT NULL, hand INTEGER NOT NULL, finished TEXT NOT "
         "NULL, opponent TEXT NOT NULL, open_hand INTEGER NOT NULL, rule TEXT NOT NULL, points1 "
         "INTEGER NOT NULL, points2 INTEGER NOT NULL, PRIMARY KEY (match_key, hand), CHECK (" +
             kinds + "))",
         "INSERT INTO hands VALUES ('m1', 1, '2026-01-01T10:00:00Z', 'hard', 1, 'basic', 40, 10)",
         "INSERT INTO hands VALUES ('m1', 2, '2026-01-01T10:05:00Z', 'hard', 1, 'basic', 30, 20)",
         "INSERT INTO matches VALUES (1, 'm1', '2026-01-01T10:05:00Z', 'hard', 'Dorvik', "
         "'Computer (hard)', 1, 'basic', 1, 3, 1, 2, 70, 30)",
         "PRAGMA application_id = 1364350540", "PRAGMA user_version = 1"}));
    QCOMPARE(record::recordProblem(file), QString());
    Tally before;
    {
        Record r(file);
        QVERIFY(r.isAvailable());
        QVERIFY(r.setAside().isEmpty());
        before = r.tally(Opponent::Hard);
        QCOMPARE(before.matchesWon, 1);
        QCOMPARE(before.handsWon, 2);
        QCOMPARE(before.pointsFor, 70);
        QVERIFY(add(r, played(Opponent::Network, 2, 1, 3, 4, 10, 30)));
        QCOMPARE(r.tally(Opponent::Network).matchesLost, 1);
        QCOMPARE(r.tally(Opponent::Network).handsLost, 4);
    }
    QCOMPARE(ask(file, "PRAGMA user_version").toInt(), 2);
    QCOMPARE(record::recordProblem(file), QString());
    Record again(file);
    QVERIFY(again.setAside().isEmpty());
    QCOMPARE(again.tally(Opponent::Hard), before);
    QCOMPARE(again.tally(Opponent::Network).matchesLost, 1);
    QCOMPARE(ask(file, "SELECT player2 FROM matches WHERE opponent = 'network'").toString(),
             QStringLiteral("Mirela"));
    QCOMPARE(record::opponentFromKey("network"), std::optional(Opponent::Network));
}

void RecordTest::writtenAgainChangesNothing() {
    QTemporaryDir dir;
    Record r(dir.filePath("Record.db"));
    const Played p = played(Opponent::Easy, 1, 3, 2, 8, 30, 20);
    QVERIFY(add(r, p));
    const Tally once = r.tally(Opponent::Easy);
    QVERIFY(add(r, p));
    QVERIFY(r.addMatch(p.match, p.hands.last()));
    QCOMPARE(r.tally(Opponent::Easy), once);
    QCOMPARE(once.matchesWon, 1);
    QCOMPARE(once.handsWon, 8);
}

// A row the file refuses is reported, and nothing of it stays: the match's
// last hand goes in only with the match. Players without names are fine.
void RecordTest::refusedWritesFail() {
    QTemporaryDir dir;
    Record r(dir.filePath("Record.db"));
    Played p = played(Opponent::Hard, 1, 3, 0, 2, 30, 10);
    p.match.player1Name = QString();
    p.match.player2Name = QString();
    QVERIFY(add(r, p));
    QCOMPARE(r.tally(Opponent::Hard).matchesWon, 1);
    Played bad = played(Opponent::Hard, 1, 2, 0, 3, 30, 10);
    QVERIFY(r.addHand(bad.hands[0]));
    QVERIFY(!r.addMatch(bad.match, bad.hands[2]));
    QVERIFY(!r.problem().isEmpty());
    const Tally t = r.tally(Opponent::Hard);
    QCOMPARE(t.matchesWon, 1);
    QCOMPARE(t.handsWon, 3);
    QCOMPARE(record::recordProblem(dir.filePath("Record.db")), QString());
}

void RecordTest::resetEmptiesEverything() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    {
        Record r(file);
        QVERIFY(add(r, played(Opponent::Easy, 1, 3, 0, 3, 30, 10)));
        QVERIFY(r.addHand(played(Opponent::Hard, 1, 3, 0, 1, 12, 10).hands.first()));
        QVERIFY(r.reset());
        for (Opponent o : record::AllOpponents)
            QCOMPARE(r.tally(o), Tally{});
        QVERIFY(add(r, played(Opponent::Easy, 2, 0, 3, 3, 10, 30)));
    }
    // Reopened, the record holds what was written after the reset.
    Record again(file);
    QCOMPARE(again.tally(Opponent::Easy).matchesLost, 1);
    QCOMPARE(again.tally(Opponent::Easy).matchesWon, 0);
    QCOMPARE(again.tally(Opponent::Hard), Tally{});
    QVERIFY(again.setAside().isEmpty());
}

void RecordTest::beside_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("portable") << false;
    QTest::newRow("installed") << true;
}

// The record lies beside the card database the game writes, whichever it is,
// and the card database holds no table of it.
void RecordTest::beside() {
    QFETCH(bool, installed);
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    const QString user = root.filePath("home/.local/share/Quorvel");
    QVERIFY(QDir().mkpath(bin));
    if (installed) {
        QVERIFY(QDir().mkpath(root.filePath("usr/share/quorvel")));
        writeAll(root.filePath("usr/share/quorvel/Cards.mdb"), "x");
    } else {
        writeAll(bin + "/Cards.mdb", "x");
    }
    const platform::GameFiles files = platform::gameFilesFor(bin, user);
    QCOMPARE(files.databaseFile, (installed ? user : bin) + "/Cards.mdb");

    TestFolder folder;
    QCOMPARE(platform::recordFile(), folder.path() + "/Record.db");
    Record& r = Record::instance();
    QVERIFY(r.isAvailable());
    QVERIFY(add(r, played(Opponent::Hard, 1, 3, 0, 3, 30, 10)));
    QVERIFY(QFile::exists(folder.path() + "/Record.db"));
    QCOMPARE(folder.query("SELECT count(*) FROM sqlite_schema WHERE name IN ('matches', 'hands')")
                 .toInt(),
             0);
    Record::closeInstance();
}

void RecordTest::damagedFilesSetAside_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    // The words of the problem found; SQLite's own check may name a row
    // that breaks a table's CHECK first.
    const struct {
        const char* tag;
        const char* damage;
        const char* kind;
        const char* problem;
    } cases[] = {
        {"not a database", "garbage", "damaged", "not a SQLite database"},
        {"cut short", "truncate", "damaged", ""},
        {"a page overwritten", "page", "damaged", ""},
        {"another program's database", "cards", "damaged", "not a record"},
        {"a newer version", "version", "damaged", "version 3"},
        {"a table missing", "droptable", "damaged", "\"hands\" is missing"},
        {"a field missing", "dropfield", "damaged", "no field \"points2\""},
        {"a match no game ends", "badrow", "damaged", "never writes|CHECK"},
        {"a number as text", "textnumber", "damaged", "never writes|CHECK"},
        {"a match without its last hand", "orphan", "damaged", "last hand"},
        {"a folder in its place", "folder", "unreadable", "not a file"},
        {"a link to nothing", "dangling", "unreadable", "link to nothing"},
    };
    for (const auto& c : cases)
        QTest::newRow(c.tag) << QString(c.damage) << QString(c.kind) << QString(c.problem);
}

// Each damage is recognised, the file set aside under a name that says so,
// with its bytes, and a fresh record takes its place and works.
void RecordTest::damagedFilesSetAside() {
    QFETCH(QString, damage);
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    QVERIFY(QFile::copy(m_sound.filePath("Record.db"), file));
    if (damage == "garbage") {
        writeAll(file, QByteArray(3000, 'q'));
    } else if (damage == "truncate") {
        const QByteArray bytes = readAll(file);
        writeAll(file, bytes.left(bytes.size() / 2 + 100));
    } else if (damage == "page") {
        QByteArray bytes = readAll(file);
        const int page = ask(file, "PRAGMA page_size").toInt();
        QVERIFY(bytes.size() >= 4 * page);
        // The first page of the tables' trees after the schema.
        for (int i = 0; i < page; ++i)
            bytes[page * 2 + i] = char(0xA5 ^ i);
        writeAll(file, bytes);
    } else if (damage == "cards") {
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/Cards.mdb"), file));
        QFile(file).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } else if (damage == "version") {
        QVERIFY(exec(file, {"PRAGMA user_version = 3"}));
    } else if (damage == "droptable") {
        QVERIFY(exec(file, {"DROP TABLE hands"}));
    } else if (damage == "dropfield") {
        QVERIFY(exec(file, {"ALTER TABLE matches RENAME TO old",
                            "CREATE TABLE matches AS SELECT id, match_key, finished, opponent, "
                            "player1, player2, open_hand, rule, winner, rounds1, rounds2, hands, "
                            "points1 FROM old",
                            "DROP TABLE old"}));
    } else if (damage == "badrow") {
        // A win with two rounds, written past the table's own check.
        QVERIFY(exec(file, {"PRAGMA ignore_check_constraints = 1",
                            "UPDATE matches SET rounds1 = 2 WHERE winner = 1"}));
    } else if (damage == "textnumber") {
        QVERIFY(exec(file, {"PRAGMA ignore_check_constraints = 1",
                            "UPDATE hands SET points1 = 'many' WHERE hand = 2"}));
    } else if (damage == "orphan") {
        QVERIFY(exec(file, {"DELETE FROM hands WHERE hand = 7"}));
    } else if (damage == "folder") {
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file + "/inside"));
    } else if (damage == "dangling") {
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::link(dir.filePath("gone.db"), file));
    }
    const QByteArray before = readAll(file);
    const QString found = record::recordProblem(file);
    QVERIFY2(!found.isEmpty(), "the damage was not recognised");
    bool named = false;
    for (const QString& words : problem.split('|'))
        named = named || found.contains(words);
    QVERIFY2(named, qPrintable(found));

    Record r(file);
    QVERIFY(r.isAvailable());
    QVERIFY2(r.setAside().startsWith(file + "." + kind + "-"), qPrintable(r.setAside()));
    const QFileInfo aside(r.setAside());
    QVERIFY(aside.exists() || aside.isSymLink());
    if (aside.isFile() && !aside.isSymLink())
        QCOMPARE(readAll(r.setAside()), before);
    // Started afresh: empty, sound, and it keeps what is written.
    QCOMPARE(r.tally(Opponent::Hard), Tally{});
    QVERIFY(add(r, played(Opponent::Hard, 1, 3, 0, 3, 30, 10)));
    QCOMPARE(r.tally(Opponent::Hard).matchesWon, 1);
    QCOMPARE(record::recordProblem(file), QString());
}

void RecordTest::soundFilesKept_data() {
    QTest::addColumn<QString>("state");
    QTest::newRow("absent") << "absent";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("database without tables") << "blank";
    QTest::newRow("with matches") << "matches";
}

// A record yet to be started, or a sound one, is used as it is.
void RecordTest::soundFilesKept() {
    QFETCH(QString, state);
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    if (state == "empty")
        writeAll(file, {});
    else if (state == "blank")
        QVERIFY(exec(file, {"CREATE TABLE scratch (a)", "DROP TABLE scratch"}));
    else if (state == "matches")
        makeRecord(file, 5);
    QCOMPARE(record::recordProblem(file), QString());
    Record r(file);
    QVERIFY(r.isAvailable());
    QVERIFY(r.setAside().isEmpty());
    QCOMPARE(r.tally(Opponent::Hard).matchesWon, state == "matches" ? 3 : 0);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size() <= 2);
}

// A rollback journal left beside a damaged file goes with it: played back
// into the fresh file it would damage that too.
void RecordTest::companionsMoveWithTheDamagedFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    writeAll(file, QByteArray(2048, 'z'));
    writeAll(file + "-journal", QByteArray(512, 'j'));
    Record r(file);
    QVERIFY(r.isAvailable());
    QVERIFY(!QFile::exists(file + "-journal") ||
            readAll(file + "-journal") != QByteArray(512, 'j'));
    QCOMPARE(readAll(r.setAside() + "-journal"), QByteArray(512, 'j'));
    QVERIFY(add(r, played(Opponent::Easy, 1, 3, 0, 3, 30, 10)));
    QCOMPARE(record::recordProblem(file), QString());
}

// A folder the record cannot be made in leaves the game without a record,
// not without a game: the writes say they failed.
void RecordTest::unwritableFolderKeepsTheGameGoing() {
    QTemporaryDir dir;
    writeAll(dir.filePath("blocker"), "a file where the folder should be");
    Record r(dir.filePath("blocker/Record.db"));
    QVERIFY(!r.isAvailable());
    QVERIFY(!r.problem().isEmpty());
    QVERIFY(!add(r, played(Opponent::Easy, 1, 3, 0, 3, 30, 10)));
    QCOMPARE(r.tally(Opponent::Easy), Tally{});
}

// A writer killed at random moments: every match it reported written is in
// the file once, nothing else is, and the file stays sound; the match it
// writes again after the restart is not counted twice.
void RecordTest::killedWriterLosesAndDoublesNothing() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Record.db");
    QStringList reported;
    QString last;
    QRandomGenerator random(19);
    int unreportedBefore = 0;
    for (int round = 0; round < 8; ++round) {
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUORVEL_RECORD_WRITER", file);
        if (!last.isEmpty())
            env.insert("QUORVEL_RECORD_AGAIN", last);
        writer.setProcessEnvironment(env);
        writer.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(writer.waitForStarted());
        // Let it write a while, then kill it without warning.
        QByteArray out;
        while (out.count('\n') < 3 && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(2000);
            out += writer.readAllStandardOutput();
        }
        QThread::msleep(random.bounded(5, 60));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(5000));
        out += writer.readAllStandardOutput();
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QStringList lines = QString::fromLatin1(out).split('\n', Qt::SkipEmptyParts);
        // A line cut by the kill names no finished write.
        if (!out.endsWith('\n') && !lines.isEmpty())
            lines.removeLast();
        if (!last.isEmpty())
            QCOMPARE(lines.value(0), QString("again"));
        lines.removeAll("again");
        reported << lines;
        if (!lines.isEmpty())
            last = lines.last();

        QCOMPARE(record::recordProblem(file), QString());
        const int inFile = ask(file, "SELECT count(*) FROM matches").toInt();
        // The write under way when the kill came may have reached the file
        // without its key being printed. Such a match stays in the file, so
        // each round may add at most one more of them.
        const int unreported = inFile - int(reported.size());
        QVERIFY2(unreported == unreportedBefore || unreported == unreportedBefore + 1,
                 qPrintable(QString("%1 in the file, %2 reported, %3 unreported before")
                                .arg(inFile)
                                .arg(reported.size())
                                .arg(unreportedBefore)));
        unreportedBefore = unreported;
        for (const QString& key : std::as_const(reported))
            QCOMPARE(
                ask(file, "SELECT count(*) FROM matches WHERE match_key = '" + key + "'").toInt(),
                1);
        // Hands of the match under way are in the file as they ended.
        const int hands = ask(file, "SELECT count(*) FROM hands").toInt();
        // Each kill may cut a match after one or two of its hands.
        QVERIFY2(hands >= 3 * inFile && hands <= 3 * inFile + 2 * (round + 1),
                 qPrintable(QString::number(hands)));
    }
}

int main(int argc, char** argv) {
    const QByteArray writerFile = qgetenv("QUORVEL_RECORD_WRITER");
    if (!writerFile.isEmpty()) {
        QCoreApplication app(argc, argv);
        return writeUntilKilled(QString::fromLocal8Bit(writerFile));
    }
    QCoreApplication app(argc, argv);
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
