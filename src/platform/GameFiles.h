#pragma once

#include <QString>

#include <functional>

namespace platform {

// Where the game's files live. Two layouts are told apart from the binary's
// folder at start-up, with no configuration:
// - portable: the binary's folder holds everything, the card database
//   included (the build's program folder);
// - installed: the binary lies in PREFIX/bin, the read-only data (pictures,
//   rules document, the card database as a template) in PREFIX/share/quorvel,
//   found relative to the binary, and the card database the game writes is
//   the user's own copy in the per-user data folder.
// Windows only ever see programFolder() and the database file; nothing else
// knows which layout the game runs in.
struct GameFiles {
    enum class Layout { Portable, Installed };
    Layout layout = Layout::Portable;
    QString dataFolder;   // pictures and rules document, read-only when installed
    QString databaseFile; // the card database the game opens and writes
    QString templateFile; // installed: the database the user's copy is made from
};

// The layout of a binary in `binaryFolder`, with `userDataFolder` as the
// per-user data folder.
GameFiles gameFilesFor(const QString& binaryFolder, const QString& userDataFolder);

// The layout of the running program, decided on the first call.
const GameFiles& gameFiles();

// Checks a card database file and returns its first problem, or "".
using DatabaseCheck = std::function<QString(const QString& file)>;

// Makes sure the user's database exists and passes `check`: on first start it
// is copied from the template. A copy that fails is set aside under a name
// saying when and why (it may hold the user's own card list, so it is never
// deleted), a fresh copy takes its place, and standard error says so once. A
// template that fails is a fatal report naming it. Returns the name the
// damaged copy was set aside under, or "".
QString prepareUserDatabase(const QString& templateFile, const QString& userFile,
                            const DatabaseCheck& check);

// prepareUserDatabase() for the running program when it is installed;
// nothing in the portable layout. True when it made a new database file.
bool prepareDatabase(const DatabaseCheck& check);

} // namespace platform
