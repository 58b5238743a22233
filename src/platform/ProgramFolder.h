#pragma once

#include <QString>

namespace platform {

// The folder of the game's data, without a trailing separator: the binary's
// folder when portable, the installed data folder otherwise (see GameFiles.h).
// Picture names and the rules document are named from it.
QString programFolder();

// The folder of the running binary, found by the bytes of its path, so that
// any folder name works. A name that is not valid UTF-8 has no faithful
// QString form (Qt then names no folder at all); such a folder is held open
// and named through its descriptor ("/proc/self/fd/6").
QString binaryFolder();

// `text` with the binary's folder named as a person reads it: a folder named
// through a descriptor is named by its own name, undecodable bytes shown as
// U+FFFD.
QString readableNames(const QString& text);

// Names a folder reached through a descriptor ("/proc/self/fd/7") as a
// person reads it, for readableNames().
void nameDescriptorFolder(const QString& descriptorPath, const QString& readable);

// Lets tests run the game on a copy of the program folder, which then holds
// the card database as well.
void setProgramFolder(const QString& folder);

// The card database the game opens and writes: in the program folder when
// portable, the user's own copy when installed.
QString databaseFile();

// Turns a picture name, the program folder followed by a relative name written
// with either separator ("\images\DoneUp.jpg", "/images/DoneUp.jpg"), into the
// file name. Only the relative part is converted: a backslash in the folder's
// own path is part of a file name. A name outside the folder is converted whole.
QString nativeFileName(const QString& name);

} // namespace platform
