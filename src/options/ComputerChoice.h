#pragma once

#include "computer/Computer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace options {

// The names under which the computer plays player 2, easy to hard, in the
// player's language. Player 2 is the computer exactly when its name is one of
// them.
QStringList computerNames();
std::optional<computer::Level> computerLevel(const QString& player2Name);

// The entries of player 2's list after the computer's levels, which start a
// match with a player on another computer: hosting it, or joining one.
enum class NetworkChoice { None, Host, Join };
QStringList networkChoices();
NetworkChoice networkChoice(const QString& player2Name);

// The name of a person who has typed none: "Mirela".
QString personName();

// The name player 2 has when the options window is created: "Mirela", a
// person, unless the program was started with a computer level.
QString startingPlayer2Name();

// Applies the value of the command-line option --computer ("easy", "normal"
// or "hard"): the game starts with the computer at that level as player 2.
// Any other value changes nothing and returns false.
bool applyComputerOption(const QString& value);
// Back to a person as player 2 at the next start (tests run several starts).
void resetStartingPlayer2();

} // namespace options
