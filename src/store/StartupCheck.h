#pragma once

#include <QString>
#include <QStringList>

namespace store {

// Everything the program relies on finding while a match runs, checked before
// the main window shows, so that a damaged file is reported at start-up and
// never in the middle of a match: the tables and their fields, the card list
// (every draw number 1 to 606 with a real card), the slot records in order,
// every picture of the images folder and both faces of every card, and the
// rules document. Returns a description of the first problem, or "".
QString firstStartupProblem();

// The tables and card list of the card database `file` as the start-up check
// sees them, read through a connection of its own; returns the first problem
// or "". Decides whether a user's copy of the installed database is damaged.
QString databaseProblem(const QString& file);

// The pictures of the images folder that the windows load.
const QStringList& imageFiles();

// Checks that a picture file exists, is complete and is a picture of its
// kind; returns the problem or "".
QString pictureProblem(const QString& fileName);

// The number of cards in AllCards that the draws rely on.
constexpr int CardCount = 606;

// Refuses a second copy of the game on the same program folder: holds an
// exclusive lock on the card database for the life of the program. Other
// programs can still read the file.
bool acquireInstanceLock(const QString& databaseFile);
void releaseInstanceLock();

} // namespace store
