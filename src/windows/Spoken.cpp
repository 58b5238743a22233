#include "windows/Spoken.h"

#include "platform/Recordset.h"

CardEdges CardEdges::of(const platform::Recordset& record) {
    return {record.intValue(QStringLiteral("fldNorth")), record.intValue(QStringLiteral("fldEast")),
            record.intValue(QStringLiteral("fldSouth")),
            record.intValue(QStringLiteral("fldWest"))};
}

QString CardEdges::spoken() const {
    return QStringLiteral("north %1, east %2, south %3, west %4")
        .arg(north)
        .arg(east)
        .arg(south)
        .arg(west);
}
