#pragma once

#include <QString>

namespace platform {

// The folder of the game's data, without a trailing separator: the binary's
// folder when portable, the installed data folder otherwise (see GameFiles.h).
// Picture names and the rules document are named from it.
QString programFolder();

// Lets tests run the game on a copy of the program folder, which then holds
// the card database as well.
void setProgramFolder(const QString& folder);

// The card database the game opens and writes: in the program folder when
// portable, the user's own copy when installed.
QString databaseFile();

// Turns a name written with either separator ("\images\DoneUp.jpg",
// "/images/DoneUp.jpg") into the native file name.
QString nativeFileName(const QString& name);

} // namespace platform
