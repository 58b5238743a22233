#pragma once

#include <QString>
#include <QtGlobal>

namespace net {

// Why a network match, or an attempt to join one, ended. The first group
// travels in an error message, so that the other side knows why it was
// refused; the second is only ever found by the side that notices it.
enum class Fault : quint8 {
    None = 0,
    // Sent to the peer.
    Malformed = 1, // a message that cannot be read
    TooLarge = 2,  // a frame beyond the size limit
    Version = 3,   // another version of the conversation
    OutOfTurn = 4, // a message the match does not expect now, or again
    Illegal = 5,   // a selection or move the rules do not allow
    CardList = 6,  // the two games draw from different card lists
    Busy = 7,      // the host already has a guest
    Timeout = 8,   // nothing arrived in time
    Flood = 9,     // far more messages than a match sends
    // Found locally.
    WrongCode,      // the join codes differ: the encryption could not be agreed
    NotAGame,       // the other end does not speak this game's encryption
    Unreachable,    // no game answers at the address
    ConnectionLost, // the connection closed without a word
    Left,           // the other person left the match
    Refused,        // the other side sent an error message
};

// The faults an error message may carry.
inline bool travels(Fault fault) {
    return fault >= Fault::Malformed && fault <= Fault::Flood;
}

// What a person is told when `fault` ended the match. `peer` is the other
// person's name, where it is known; `reason` is the fault the other side
// gave for refusing this side (only with Fault::Refused).
QString faultText(Fault fault, const QString& peer, Fault reason = Fault::None);

// The refusals a host notes without ending its match: someone who tried a
// wrong code, a second guest, a connection that is not this game.
QString hostNoticeText(Fault fault);

} // namespace net
