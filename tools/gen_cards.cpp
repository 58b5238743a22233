// Builds the card database Cards.mdb (an SQLite 3 file) from data/cards.csv:
// the card list plus the empty slot tables the game fills while it runs.
#include "CardList.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <cstdlib>

namespace {

void exec(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) {
        std::fprintf(stderr, "gen_cards: %s\n  %s\n", qPrintable(q.lastError().text()),
                     qPrintable(sql));
        std::exit(1);
    }
}

void execPrepared(QSqlQuery& q) {
    if (!q.exec()) {
        std::fprintf(stderr, "gen_cards: %s\n", qPrintable(q.lastError().text()));
        std::exit(1);
    }
}

const char* const kCardColumns = "fldID INTEGER, fldLevel INTEGER, fldName TEXT, fldElement TEXT, "
                                 "fldNorth INTEGER, fldEast INTEGER, fldSouth INTEGER, "
                                 "fldWest INTEGER, fldPath TEXT";

// A slot table holds one record per place, all empty, in ascending order of
// fldLocation: the game walks them forward and relies on that order.
void createSlotTable(QSqlQuery& q, const QString& table, int places, bool withOwner) {
    exec(q, QString("CREATE TABLE %1 (fldLocation INTEGER, %2%3)")
                .arg(table, kCardColumns, withOwner ? ", fldOwner INTEGER" : ""));
    for (int loc = 1; loc <= places; ++loc) {
        exec(q, QString("INSERT INTO %1 VALUES (%2, 0, 0, '', '', 0, 0, 0, 0, ''%3)")
                    .arg(table)
                    .arg(loc)
                    .arg(withOwner ? ", 0" : ""));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_cards <cards.csv> <Cards.mdb>\n");
        return 2;
    }
    const QList<CardRow> cards = readCardList(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(out + suffix);

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gen");
        db.setDatabaseName(out);
        if (!db.open()) {
            std::fprintf(stderr, "gen_cards: %s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        QSqlQuery q(db);
        db.transaction();
        exec(q, "CREATE TABLE CardBase (fldInfo TEXT)");
        exec(q, "INSERT INTO CardBase VALUES ('Quorvel card database: 606 cards and the offer, "
                "hand and board tables')");
        exec(q, QString("CREATE TABLE AllCards (fldAutoNumber INTEGER, %1)").arg(kCardColumns));
        q.prepare("INSERT INTO AllCards VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const CardRow& c : cards) {
            q.addBindValue(c.autoNumber);
            q.addBindValue(c.id);
            q.addBindValue(c.level);
            q.addBindValue(c.name);
            q.addBindValue(c.element);
            q.addBindValue(c.north);
            q.addBindValue(c.east);
            q.addBindValue(c.south);
            q.addBindValue(c.west);
            q.addBindValue(c.path);
            execPrepared(q);
        }
        createSlotTable(q, "P1Stock", 8, false);
        createSlotTable(q, "P2Stock", 8, false);
        createSlotTable(q, "P1Hand", 5, false);
        createSlotTable(q, "P2Hand", 5, false);
        createSlotTable(q, "CleanBoard", 9, true);
        createSlotTable(q, "DirtyBoard", 9, true);
        if (!db.commit()) {
            std::fprintf(stderr, "gen_cards: commit failed\n");
            return 1;
        }
        // The game opens the file in WAL mode; the mode is stored in the file
        // header, and closing the last connection checkpoints and removes the
        // -wal and -shm companions.
        exec(q, "PRAGMA journal_mode=WAL");
        exec(q, "PRAGMA wal_checkpoint(TRUNCATE)");
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("gen");
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFile::exists(out + suffix)) {
            std::fprintf(stderr, "gen_cards: %s%s left behind\n", qPrintable(out), suffix);
            return 1;
        }
    }
    return 0;
}
