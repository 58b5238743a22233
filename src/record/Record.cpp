#include "record/Record.h"

#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace record {

namespace {

// Marks the file as this game's record ("QRVL"), so that another SQLite file
// put in its place is recognised as such.
constexpr int ApplicationId = 0x5152564C;
// Version 2 adds the opponent "network"; a file of version 1 is taken over
// as it stands (its tables remade with the wider check).
constexpr int Version = 2;
constexpr int FirstVersion = 1;

// SQLite keeps a database's rollback journal, log and shared memory beside it.
const char* const CompanionSuffixes[] = {"-journal", "-wal", "-shm"};

// The rows the game writes, and the only ones the check accepts: each table's
// condition stands both in its CHECK constraint and in the start-up check,
// which also catches rows written with the constraints switched off.
const QString Kinds = QStringLiteral("opponent IN ('person','easy','normal','hard','network') "
                                     "AND open_hand IN (0,1) AND rule IN ('basic','combo') ");
const QString MatchRow =
    QStringLiteral("typeof(match_key)='text' AND length(match_key) BETWEEN 1 AND 64 AND ") + Kinds +
    QStringLiteral("AND typeof(player1)='text' AND typeof(player2)='text' "
                   "AND typeof(rounds1)='integer' AND typeof(rounds2)='integer' "
                   "AND ((winner=1 AND rounds1=3 AND rounds2 BETWEEN 0 AND 2) "
                   "OR (winner=2 AND rounds2=3 AND rounds1 BETWEEN 0 AND 2)) "
                   "AND typeof(hands)='integer' AND hands BETWEEN 1 AND 1000000 "
                   "AND typeof(points1)='integer' AND points1 BETWEEN 0 AND 32767 "
                   "AND typeof(points2)='integer' AND points2 BETWEEN 0 AND 32767");
const QString HandRow =
    QStringLiteral("typeof(match_key)='text' AND length(match_key) BETWEEN 1 AND 64 "
                   "AND typeof(hand)='integer' AND hand BETWEEN 1 AND 1000000 AND ") +
    Kinds +
    QStringLiteral("AND typeof(points1)='integer' AND points1 BETWEEN 0 AND 32767 "
                   "AND typeof(points2)='integer' AND points2 BETWEEN 0 AND 32767");

struct Table {
    const char* name;
    QStringList columns;
    const QString& row;
};
const Table Tables[] = {
    {"matches",
     {"id", "match_key", "finished", "opponent", "player1", "player2", "open_hand", "rule",
      "winner", "rounds1", "rounds2", "hands", "points1", "points2"},
     MatchRow},
    {"hands",
     {"match_key", "hand", "finished", "opponent", "open_hand", "rule", "points1", "points2"},
     HandRow},
};

QStringList tables() {
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS matches (id INTEGER PRIMARY KEY, "
                       "match_key TEXT NOT NULL UNIQUE, finished TEXT NOT NULL, "
                       "opponent TEXT NOT NULL, player1 TEXT NOT NULL, player2 TEXT NOT NULL, "
                       "open_hand INTEGER NOT NULL, rule TEXT NOT NULL, winner INTEGER NOT NULL, "
                       "rounds1 INTEGER NOT NULL, rounds2 INTEGER NOT NULL, "
                       "hands INTEGER NOT NULL, points1 INTEGER NOT NULL, "
                       "points2 INTEGER NOT NULL, CHECK (%1))")
            .arg(MatchRow),
        QStringLiteral("CREATE TABLE IF NOT EXISTS hands (match_key TEXT NOT NULL, "
                       "hand INTEGER NOT NULL, finished TEXT NOT NULL, opponent TEXT NOT NULL, "
                       "open_hand INTEGER NOT NULL, rule TEXT NOT NULL, "
                       "points1 INTEGER NOT NULL, points2 INTEGER NOT NULL, "
                       "PRIMARY KEY (match_key, hand), CHECK (%1))")
            .arg(HandRow),
    };
}

QStringList schema() {
    return tables() + QStringList{
                          QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId),
                          QStringLiteral("PRAGMA user_version = %1").arg(Version),
                      };
}

// A connection of its own to `file`, removed when it goes.
class Connection {
  public:
    explicit Connection(const QString& file)
        : m_name(QStringLiteral("record-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        m_opened = db.open();
        if (!m_opened)
            m_error = db.lastError().text();
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    bool opened() const { return m_opened; }
    const QString& error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    const QString& name() const { return m_name; }

  private:
    QString m_name;
    bool m_opened = false;
    QString m_error;
};

// The first value of `sql`, or an error.
struct Answer {
    QVariant value;
    QString error;
};
Answer ask(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql))
        return {{}, q.lastError().text()};
    if (!q.next())
        return {};
    return {q.value(0), {}};
}

QString checkedRecordProblem(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.exists())
        return QStringLiteral("it is a link to nothing");
    if (!info.isFile())
        return QStringLiteral("it is not a file");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be read: %1").arg(f.errorString());
    const QByteArray header = f.read(16);
    f.close();
    if (header.isEmpty())
        return {}; // an empty file is a record yet to be started
    if (header != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("it is not a SQLite database");

    Connection c(file);
    if (!c.opened())
        return QStringLiteral("it cannot be opened: %1").arg(c.error());
    const QSqlDatabase db = c.db();
    const Answer check = ask(db, QStringLiteral("PRAGMA quick_check"));
    if (!check.error.isEmpty())
        return QStringLiteral("it cannot be read: %1").arg(check.error);
    if (check.value.toString() != QLatin1String("ok"))
        return QStringLiteral("SQLite finds it damaged: %1").arg(check.value.toString());
    const Answer tables = ask(db, QStringLiteral("SELECT count(*) FROM sqlite_schema"));
    const Answer id = ask(db, QStringLiteral("PRAGMA application_id"));
    const Answer version = ask(db, QStringLiteral("PRAGMA user_version"));
    if (tables.value.toInt() == 0 && id.value.toInt() == 0)
        return {}; // a database with nothing in it yet
    if (id.value.toInt() != ApplicationId)
        return QStringLiteral("it is not a record of this game");
    if (version.value.toInt() < FirstVersion || version.value.toInt() > Version)
        return QStringLiteral("it has version %1 of the record, not %2")
            .arg(version.value.toInt())
            .arg(Version);
    for (const Table& table : Tables) {
        QSqlQuery q(db);
        QStringList columns;
        if (q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table.name))))
            while (q.next())
                columns << q.value(1).toString();
        if (columns.isEmpty())
            return QStringLiteral("its table \"%1\" is missing").arg(QLatin1String(table.name));
        for (const QString& column : table.columns)
            if (!columns.contains(column))
                return QStringLiteral("its table \"%1\" has no field \"%2\"")
                    .arg(QLatin1String(table.name), column);
        const Answer bad =
            ask(db, QStringLiteral("SELECT rowid FROM %1 WHERE NOT coalesce(%2, 0) LIMIT 1")
                        .arg(QLatin1String(table.name), table.row));
        if (!bad.error.isEmpty())
            return QStringLiteral("its table \"%1\" cannot be read: %2")
                .arg(QLatin1String(table.name), bad.error);
        if (bad.value.isValid())
            return QStringLiteral("record %1 of its table \"%2\" holds values the game never "
                                  "writes")
                .arg(bad.value.toLongLong())
                .arg(QLatin1String(table.name));
    }
    // A finished match without its hands, or hands counted twice, cannot come
    // from the game's own writes: each match goes in with its last hand.
    const Answer orphan = ask(db, QStringLiteral("SELECT id FROM matches m WHERE NOT EXISTS "
                                                 "(SELECT 1 FROM hands h WHERE h.match_key = "
                                                 "m.match_key AND h.hand = m.hands) LIMIT 1"));
    if (orphan.value.isValid())
        return QStringLiteral("record %1 of its table \"matches\" has lost its last hand")
            .arg(orphan.value.toLongLong());
    return {};
}

QString ruleKey(bool combo) {
    return combo ? QStringLiteral("combo") : QStringLiteral("basic");
}

std::unique_ptr<Record>& current() {
    static std::unique_ptr<Record> record;
    return record;
}

void report(const QString& text) {
    const QByteArray bytes = (QStringLiteral("Quorvel: ") + text + QLatin1Char('\n')).toUtf8();
    std::fputs(bytes.constData(), stderr);
    std::fflush(stderr);
}

// The conditions of a tally's filter, for rows of either table.
QString filterSql(const Filter& filter) {
    QString sql;
    if (filter.openHand)
        sql += QStringLiteral(" AND open_hand = %1").arg(*filter.openHand ? 1 : 0);
    if (filter.comboRule)
        sql += QStringLiteral(" AND rule = '%1'").arg(ruleKey(*filter.comboRule));
    return sql;
}

} // namespace

QString recordProblem(const QString& file) {
    return checkedRecordProblem(file);
}

QString opponentKey(Opponent opponent) {
    switch (opponent) {
    case Opponent::Easy:
        return QStringLiteral("easy");
    case Opponent::Normal:
        return QStringLiteral("normal");
    case Opponent::Hard:
        return QStringLiteral("hard");
    case Opponent::Network:
        return QStringLiteral("network");
    case Opponent::Person:
        break;
    }
    return QStringLiteral("person");
}

std::optional<Opponent> opponentFromKey(const QString& key) {
    for (Opponent o :
         {Opponent::Person, Opponent::Easy, Opponent::Normal, Opponent::Hard, Opponent::Network})
        if (opponentKey(o) == key)
            return o;
    return std::nullopt;
}

QString opponentName(Opponent opponent) {
    switch (opponent) {
    case Opponent::Easy:
        return QCoreApplication::translate("record", "Computer (easy)");
    case Opponent::Normal:
        return QCoreApplication::translate("record", "Computer (normal)");
    case Opponent::Hard:
        return QCoreApplication::translate("record", "Computer (hard)");
    case Opponent::Network:
        return QCoreApplication::translate("record", "A person (network)");
    case Opponent::Person:
        break;
    }
    return QCoreApplication::translate("record", "A person");
}

Record& Record::instance() {
    std::unique_ptr<Record>& record = current();
    const QString file = platform::recordFile();
    if (!record || record->fileName() != file)
        record = std::make_unique<Record>(file);
    return *record;
}

void Record::closeInstance() {
    current().reset();
}

Record::Record(const QString& file) : m_file(file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) {
        fail(QStringLiteral("its folder cannot be made"), QString());
        return;
    }
    const QString problem = recordProblem(file);
    if (!problem.isEmpty()) {
        const QFileInfo info(file);
        const bool readable = info.isFile() && info.isReadable();
        const QString why = readable ? QStringLiteral("damaged") : QStringLiteral("unreadable");
        const QString aside = platform::setAsideName(file, why);
        if (!QFile::rename(file, aside)) {
            fail(QStringLiteral("it is %1 (%2) and cannot be set aside").arg(why, problem),
                 QString());
            return;
        }
        // A journal left beside a fresh file would be played back into it.
        for (const char* suffix : CompanionSuffixes) {
            const QString companion = file + QLatin1String(suffix);
            if (QFileInfo::exists(companion) && !QFile::rename(companion, aside + suffix))
                QFile::remove(companion);
        }
        m_setAside = aside;
        report(QStringLiteral("your record of matches \"%1\" is %2: %3. It has been set aside as "
                              "\"%4\" and a fresh record started.")
                   .arg(file, why, problem, aside));
    }
    m_connection = QStringLiteral("record-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        fail(QStringLiteral("it cannot be opened"), db.lastError().text());
        return;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    // Each transaction is on disk when its commit returns.
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    m_open = true;
    const bool made = write([](QSqlQuery& query) {
        // The tables of an older version are remade with today's checks,
        // every row kept.
        if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next() &&
            query.value(0).toInt() < Version && query.value(0).toInt() >= FirstVersion) {
            query.finish();
            for (const Table& table : Tables) {
                const QString name = QLatin1String(table.name);
                if (!query.exec(QStringLiteral("ALTER TABLE %1 RENAME TO old_%1").arg(name)))
                    return false;
            }
            for (const QString& statement : tables())
                if (!query.exec(statement))
                    return false;
            for (const Table& table : Tables) {
                const QString name = QLatin1String(table.name);
                const QString columns = table.columns.join(QStringLiteral(", "));
                if (!query.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM old_%1")
                                    .arg(name, columns)) ||
                    !query.exec(QStringLiteral("DROP TABLE old_%1").arg(name)))
                    return false;
            }
        }
        query.finish();
        for (const QString& statement : schema())
            if (!query.exec(statement))
                return false;
        return true;
    });
    if (!made)
        m_open = false;
}

Record::~Record() {
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void Record::fail(const QString& what, const QString& error) {
    m_problem = error.isEmpty() ? what : QStringLiteral("%1: %2").arg(what, error);
    report(
        QStringLiteral("your record of matches \"%1\" cannot be kept: %2.").arg(m_file, m_problem));
}

bool Record::write(const std::function<bool(QSqlQuery&)>& statements) {
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(QStringLiteral("it cannot be written"), q.lastError().text());
        return false;
    }
    if (!statements(q)) {
        const QString error = q.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        fail(QStringLiteral("it cannot be written"), error);
        return false;
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QString error = q.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        fail(QStringLiteral("it cannot be written"), error);
        return false;
    }
    m_problem.clear();
    return true;
}

namespace {

// A hand goes in once: written again (the same match and hand) it changes
// nothing. Only that conflict is passed over; a row the table refuses for any
// other reason fails the write.
bool insertHand(QSqlQuery& q, const HandResult& hand, const QString& finished) {
    q.prepare(QStringLiteral("INSERT INTO hands (match_key, hand, finished, opponent, open_hand, "
                             "rule, points1, points2) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
                             "ON CONFLICT (match_key, hand) DO NOTHING"));
    q.addBindValue(hand.matchKey);
    q.addBindValue(hand.hand);
    q.addBindValue(finished);
    q.addBindValue(opponentKey(hand.opponent));
    q.addBindValue(hand.openHand ? 1 : 0);
    q.addBindValue(ruleKey(hand.comboRule));
    q.addBindValue(hand.points1);
    q.addBindValue(hand.points2);
    return q.exec();
}

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

} // namespace

bool Record::addHand(const HandResult& hand) {
    const QString finished = now();
    return write([&](QSqlQuery& q) { return insertHand(q, hand, finished); });
}

bool Record::addMatch(const MatchResult& match, const HandResult& lastHand) {
    const QString finished = now();
    return write([&](QSqlQuery& q) {
        if (!insertHand(q, lastHand, finished))
            return false;
        q.prepare(QStringLiteral(
            "INSERT INTO matches (match_key, finished, opponent, player1, player2, open_hand, "
            "rule, winner, rounds1, rounds2, hands, points1, points2) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (match_key) DO NOTHING"));
        q.addBindValue(match.matchKey);
        q.addBindValue(finished);
        q.addBindValue(opponentKey(match.opponent));
        // A name never typed is an empty name, not a missing one.
        q.addBindValue(match.player1Name.isNull() ? QStringLiteral("") : match.player1Name);
        q.addBindValue(match.player2Name.isNull() ? QStringLiteral("") : match.player2Name);
        q.addBindValue(match.openHand ? 1 : 0);
        q.addBindValue(ruleKey(match.comboRule));
        q.addBindValue(match.winner);
        q.addBindValue(match.rounds1);
        q.addBindValue(match.rounds2);
        q.addBindValue(match.hands);
        q.addBindValue(match.points1);
        q.addBindValue(match.points2);
        return q.exec();
    });
}

Tally Record::tally(Opponent opponent, const Filter& filter) const {
    Tally t;
    if (!m_open)
        return t;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const QString where =
        QStringLiteral(" WHERE opponent = '%1'").arg(opponentKey(opponent)) + filterSql(filter);
    QSqlQuery q(db);
    // Matches in the order they were finished, for the streaks.
    if (q.exec(QStringLiteral("SELECT winner, rounds1, rounds2 FROM matches") + where +
               QStringLiteral(" ORDER BY id"))) {
        int streak = 0;
        while (q.next()) {
            const bool won = q.value(0).toInt() == 1;
            (won ? t.matchesWon : t.matchesLost) += 1;
            t.roundsWon += q.value(1).toInt();
            t.roundsLost += q.value(2).toInt();
            streak = won ? streak + 1 : 0;
            t.longestStreak = std::max(t.longestStreak, streak);
        }
    }
    if (q.exec(QStringLiteral("SELECT coalesce(sum(points1 > points2), 0), "
                              "coalesce(sum(points1 < points2), 0), "
                              "coalesce(sum(points1 = points2), 0), coalesce(sum(points1), 0), "
                              "coalesce(sum(points2), 0) FROM hands") +
               where) &&
        q.next()) {
        t.handsWon = q.value(0).toInt();
        t.handsLost = q.value(1).toInt();
        t.handsDrawn = q.value(2).toInt();
        t.pointsFor = q.value(3).toLongLong();
        t.pointsAgainst = q.value(4).toLongLong();
    }
    return t;
}

bool Record::reset() {
    return write([](QSqlQuery& q) {
        return q.exec(QStringLiteral("DELETE FROM hands")) &&
               q.exec(QStringLiteral("DELETE FROM matches"));
    });
}

} // namespace record
