#include "windows/Spoken.h"

#include "platform/Recordset.h"

#include <QCoreApplication>

CardEdges CardEdges::of(const platform::Recordset& record) {
    return {record.intValue(QStringLiteral("fldNorth")), record.intValue(QStringLiteral("fldEast")),
            record.intValue(QStringLiteral("fldSouth")),
            record.intValue(QStringLiteral("fldWest"))};
}

QString CardEdges::spoken() const {
    //: A card's four edge values as a screen reader speaks them.
    return QCoreApplication::translate("CardEdges", "north %1, east %2, south %3, west %4")
        .arg(north)
        .arg(east)
        .arg(south)
        .arg(west);
}
