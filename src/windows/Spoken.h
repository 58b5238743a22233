#pragma once

#include <QString>

namespace platform {
class Recordset;
}

// The four edge values of a card as a screen reader speaks them. Windows keep
// one for every card they show face up, read from the record the card came
// from, so that what is spoken never depends on the tables' cursors.
struct CardEdges {
    qint16 north = 0;
    qint16 east = 0;
    qint16 south = 0;
    qint16 west = 0;

    // The edges of the current record of a card-carrying table.
    static CardEdges of(const platform::Recordset& record);
    // "north 5, east 3, south 8, west 2"
    QString spoken() const;
};
