#include "store/Tables.h"

#include "platform/ProgramFolder.h"

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

void openTable(platform::Recordset& recordset, const QString& table, bool readOnly) {
    if (!platform::Database::isOpen())
        platform::Database::open(databaseFile());
    recordset.open(table, readOnly);
}

void closeAll() {
    for (platform::Recordset* rs :
         {&CardBase, &AllCards, &P1Stock, &P2Stock, &P1Hand, &P2Hand, &CleanBoard, &DirtyBoard})
        rs->close();
    platform::Database::close();
}

} // namespace store
