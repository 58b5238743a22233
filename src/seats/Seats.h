#pragma once

class Seat;
class PersonSeat;
class ComputerSeat;

// The seats of the two sides for the whole run, like the windows: a person
// and a computer are kept ready for each side, and one of them (or a seat
// made elsewhere, such as a player across the network) stands behind it.
namespace seats {

// Creates the seats, a person behind each side / destroys them all.
void create();
void destroy();

// What stands behind `player` (1 or 2) now.
Seat* seat(int player);
// Puts `seat` behind `player` (the caller keeps ownership of a seat made
// elsewhere). The seat that stood there is withdrawn: an answer it still
// owes no longer counts.
void setSeat(int player, Seat* seat);

// A seat held by a network match is not displaced by a seat that is not
// (the options window taking the seats again); see Seat::heldByMatch.
// giveBack puts the person here behind `player` again if `seat` stands there.
void giveBack(int player, Seat* seat);

PersonSeat* person(int player);
ComputerSeat* computer(int player);

} // namespace seats
