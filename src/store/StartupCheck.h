#pragma once

#include "platform/GameFiles.h"

#include <QString>
#include <QStringList>

namespace store {

// Everything the program relies on finding while a match runs, checked before
// the main window shows, so that a damaged file is reported at start-up
// rather than in the middle of a match: the tables and their fields, every
// number read the way play reads it (as a 16-bit integer), the card list
// (every draw number 1 to 606 finding a real card), the slot records in order,
// no trigger on the game's tables, every picture of the images folder (and,
// in a language with pictures of its own, every picture of its folder) and both
// faces of every card (regular files, complete, of a size the image reader
// loads), with their double-size variants where a screen shows those, and
// the rules document of the language in use (a regular file). Returns a
// description of the first problem, or "".
QString firstStartupProblem();

// The tables and card list of the card database `file` as the start-up check
// sees them, read through a connection of its own; returns the first problem,
// and whether it lies in the file or in a disk that failed or is full.
// Decides whether a user's copy of the installed database is damaged.
platform::DatabaseProblem databaseProblem(const QString& file);

// The pictures of the images folder that the windows load.
const QStringList& imageFiles();

// Those of them with words painted in, which every language with pictures of
// its own has in its folder (see platform::pictureInLanguage).
const QStringList& letteredImageFiles();

// Checks that a picture file exists, is complete and is a picture of its
// kind; returns the problem or "".
QString pictureProblem(const QString& fileName);

// The number of cards in AllCards that the draws rely on.
constexpr int CardCount = 606;

// Refuses a second copy of the game on the same card database: holds an
// exclusive lock on a lock file beside it (".Cards.mdb.lock") for the life of
// the program, and one on a byte of the database file itself that SQLite
// never locks. The lock file is never replaced along with the database (a
// restored backup, a copy renamed over it); the file's own lock follows it
// under any name (a symbolic or hard link from another folder), and other
// programs still read and write the file. Called again once the database has
// been made, it locks the new file. Returns "" when the locks are held,
// otherwise the report.
QString acquireInstanceLock(const QString& databaseFile);
void releaseInstanceLock();

// The lock file of a card database.
QString lockFile(const QString& databaseFile);

} // namespace store
