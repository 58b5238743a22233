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
    QString dataFolder;        // pictures and rules document, read-only when installed
    QString databaseFile;      // the card database the game opens and writes
    QString templateFile;      // installed: the database the user's copy is made from
    QString userFolderProblem; // installed: why the user's folder cannot be had, or ""
};

// The layout of a binary in `binaryFolder`, with `userDataFolder` as the
// per-user data folder.
GameFiles gameFilesFor(const QString& binaryFolder, const QString& userDataFolder);

// The layout of the running program, decided on the first call.
const GameFiles& gameFiles();

// The per-user data folder as the XDG rules name it, from the bytes of the
// environment: $XDG_DATA_HOME/Quorvel/Quorvel where XDG_DATA_HOME is an
// absolute path (a relative one is ignored), else ~/.local/share/Quorvel/Quorvel,
// with the account's home from the password database where HOME is unset,
// empty or relative. Returned as bytes: a name that is not UTF-8 must reach
// the file system unchanged.
QByteArray userDataFolder();

// Makes `folder` and every folder above it that is missing. Returns "" or a
// report that names the part in the way (a file where a folder belongs) or
// the system's reason (no permission, no space left).
QString makeFolder(const QByteArray& folder);

// What checking a card database found.
struct DatabaseProblem {
    QString text;         // "" when the file is sound
    bool damaged = false; // the file itself is at fault; false when the disk
                          // failed or is full, which says nothing of the file
};

// Checks a card database file and returns its first problem.
using DatabaseCheck = std::function<DatabaseProblem(const QString& file)>;

// Makes sure the user's database exists and passes `check`: on first start it
// is copied from the template. A copy that is damaged is set aside under a
// name saying when and why (it may hold the user's own card list, so it is
// never deleted), a fresh copy takes its place, and standard error says so
// once; the fresh copy is complete before the damaged one moves, so that a
// full disk never leaves the user without a database. A copy that cannot be
// checked because the disk fails or is full stays where it is, and so does a
// sound one. A template that fails, or a disk without room for the copy, is
// a fatal report naming it. Returns the name the damaged copy was set aside
// under, or "".
QString prepareUserDatabase(const QString& templateFile, const QString& userFile,
                            const DatabaseCheck& check);

// The record of finished matches: a file of its own beside the card database
// the game writes (the user's copy when installed, the program folder's when
// portable), never tables inside it, whose game tables empty at exit.
QString recordFile();

// A name beside `file` that says when and why it was set aside ("damaged",
// "unreadable") and that no earlier set-aside file has.
QString setAsideName(const QString& file, const QString& why);

// The running program's card database made ready: installed, the user's
// folder is made, then `lock` is taken (a report it returns is fatal), and
// only then prepareUserDatabase() runs, so that two games started together
// never both make the copy. Portable, only `lock` is taken. True when it made
// a new database file.
bool prepareDatabase(const DatabaseCheck& check, const std::function<void()>& lock);

} // namespace platform
