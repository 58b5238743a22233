#pragma once

#include "platform/Recordset.h"

#include <QStringList>

namespace store {

// The program-wide recordsets, one per table of the card database. Windows
// open and close them as they load and unload; everyone else uses them open.
extern platform::Recordset CardBase;
extern platform::Recordset AllCards;
extern platform::Recordset P1Stock;
extern platform::Recordset P2Stock;
extern platform::Recordset P1Hand;
extern platform::Recordset P2Hand;
extern platform::Recordset CleanBoard;
extern platform::Recordset DirtyBoard;

// The nine fields every card-carrying table has, in the order in which a
// card is always copied and emptied.
struct CardRecord {
    static const QStringList& fields();
    static bool isNumber(const QString& field);
};

// Owner codes of a board square.
enum Owner : qint16 { NoOwner = 0, Player1 = 1, Player2 = 2 };

// "fldLocation = 5", "fldAutoNumber = 606": the two search criteria in use.
QString locationCriterion(int slot);
QString autoNumberCriterion(int number);

// Copies the nine card fields of the current record of `from` into the
// current record of `to`, in their order. Slot and owner fields stay.
void copyCard(const platform::Recordset& from, platform::Recordset& to);

// Gives the nine card fields of the current record their empty values, in
// their order.
void emptyCard(platform::Recordset& slot);

// The card database file of the program folder.
QString databaseFile();

// Opens the card database file unless it is open.
void openDatabase();

// From now on, a program that ends through exit() without passing through
// Exit or a quit request (Qt's way out when the display is lost) still
// empties the offers, hands and board in the file, as far as the database
// allows.
void emptyTablesOnExit();

// Opens the database file (once) and `table` in `recordset`.
void openTable(platform::Recordset& recordset, const QString& table, bool readOnly);

// Closes every table and the database file.
void closeAll();

} // namespace store
