#pragma once

#include <QString>

namespace platform {

// The folder of the running program, without a trailing separator. Picture
// names, the card database and the rules document are all named from it.
QString programFolder();

// Lets tests run the game on a copy of the program folder.
void setProgramFolder(const QString& folder);

// Turns a name written with either separator ("\images\DoneUp.jpg",
// "/images/DoneUp.jpg") into the native file name.
QString nativeFileName(const QString& name);

} // namespace platform
