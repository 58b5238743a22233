#include "store/Tables.h"

#include "platform/ProgramFolder.h"

#include <QSqlQuery>

#include <cstdlib>

namespace store {

platform::Recordset CardBase;
platform::Recordset AllCards;
platform::Recordset P1Stock;
platform::Recordset P2Stock;
platform::Recordset P1Hand;
platform::Recordset P2Hand;
platform::Recordset CleanBoard;
platform::Recordset DirtyBoard;

const QStringList& CardRecord::fields() {
    static const QStringList list{
        QStringLiteral("fldID"),      QStringLiteral("fldLevel"), QStringLiteral("fldName"),
        QStringLiteral("fldElement"), QStringLiteral("fldNorth"), QStringLiteral("fldEast"),
        QStringLiteral("fldSouth"),   QStringLiteral("fldWest"),  QStringLiteral("fldPath")};
    return list;
}

bool CardRecord::isNumber(const QString& field) {
    return field != QLatin1String("fldName") && field != QLatin1String("fldElement") &&
           field != QLatin1String("fldPath");
}

QString locationCriterion(int slot) {
    return QStringLiteral("fldLocation = %1").arg(slot);
}

QString autoNumberCriterion(int number) {
    return QStringLiteral("fldAutoNumber = %1").arg(number);
}

void copyCard(const platform::Recordset& from, platform::Recordset& to) {
    for (const QString& field : CardRecord::fields())
        to.setValue(field, from.value(field));
}

void emptyCard(platform::Recordset& slot) {
    for (const QString& field : CardRecord::fields())
        // An empty text is "", never NULL, also for other programs reading the file.
        slot.setValue(field,
                      CardRecord::isNumber(field) ? QVariant(0) : QVariant(QStringLiteral("")));
}

QString databaseFile() {
    return platform::databaseFile();
}

namespace {
bool g_emptyOnExit = false;
bool g_exitHandlerSet = false;

// Runs from exit(): no window code and nothing that could report, only the
// file, as far as it takes the writes. Tables closed by the normal way out are
// left alone.
void emptyTablesAtExit() {
    if (!platform::Database::isOpen())
        return;
    QSqlQuery query(platform::Database::connection());
    const QString empty = QStringLiteral(
        "UPDATE %1 SET fldID = 0, fldLevel = 0, fldName = '', fldElement = '', fldNorth = 0, "
        "fldEast = 0, fldSouth = 0, fldWest = 0, fldPath = ''");
    for (const char* table : {"P1Stock", "P2Stock", "P1Hand", "P2Hand", "DirtyBoard"})
        query.exec(empty.arg(QLatin1String(table)));
    query.exec(QStringLiteral("UPDATE DirtyBoard SET fldOwner = 0"));
    // Ends a save group still open (a modal window was waiting) together with
    // the emptying; without one there is nothing to commit.
    query.exec(QStringLiteral("COMMIT"));
    query.finish();
    platform::Database::closeFile();
}

void setExitHandler() {
    // Registered only once the database is open: exit handlers run in reverse
    // order of registration, so Qt's own database statics, created by the
    // opening, are still there when this one runs.
    if (g_emptyOnExit && !g_exitHandlerSet && platform::Database::isOpen()) {
        g_exitHandlerSet = true;
        std::atexit(emptyTablesAtExit);
    }
}
} // namespace

void openDatabase() {
    if (!platform::Database::isOpen())
        platform::Database::open(databaseFile());
    setExitHandler();
}

void emptyTablesOnExit() {
    g_emptyOnExit = true;
    setExitHandler();
}

void openTable(platform::Recordset& recordset, const QString& table, bool readOnly) {
    openDatabase();
    recordset.open(table, readOnly);
}

void closeAll() {
    for (platform::Recordset* rs :
         {&CardBase, &AllCards, &P1Stock, &P2Stock, &P1Hand, &P2Hand, &CleanBoard, &DirtyBoard})
        rs->close();
    platform::Database::close();
}

} // namespace store
