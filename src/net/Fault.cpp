#include "net/Fault.h"

#include <QCoreApplication>

namespace net {

namespace {

// A name from the network is set apart so that a right-to-left name cannot
// turn the words around it.
QString isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);
}
} // namespace

QString faultText(Fault fault, const QString& peer, Fault reason) {
    const bool named = !peer.trimmed().isEmpty();
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::Malformed:
        return QCoreApplication::translate(
            "Network",
            "The other game sent a message that cannot be read. The network match is over.");
    case Fault::TooLarge:
        return QCoreApplication::translate(
            "Network",
            "The other game sent a message that is too large. The network match is over.");
    case Fault::Version:
        return QCoreApplication::translate(
            "Network", "The other game is another version of Quorvel. Both players need the same "
                       "version to play together.");
    case Fault::OutOfTurn:
        return QCoreApplication::translate(
            "Network", "The other game sent a message out of turn. The network match is over.");
    case Fault::Illegal:
        return QCoreApplication::translate(
            "Network",
            "The other game sent a move that the rules do not allow. The network match is "
            "over.");
    case Fault::CardList:
        return QCoreApplication::translate(
            "Network",
            "The two games have different card lists. Both players need the same version "
            "of Quorvel to play together.");
    case Fault::Busy:
        return QCoreApplication::translate("Network",
                                           "The host is already playing with someone else.");
    case Fault::Timeout:
        return named
                   ? QCoreApplication::translate(
                         "Network", "%1 has not answered for too long. The network match is over.")
                         .arg(isolated(peer))
                   : QCoreApplication::translate(
                         "Network",
                         "The other game has not answered for too long. The network match is "
                         "over.");
    case Fault::Flood:
        return QCoreApplication::translate(
            "Network", "The other game sent far too many messages. The network match is over.");
    case Fault::WrongCode:
        return QCoreApplication::translate(
            "Network", "The join code is wrong. Check it with the host and try again.");
    case Fault::NotAGame:
        return QCoreApplication::translate(
            "Network", "The program at this address is not a Quorvel game that can be joined.");
    case Fault::Unreachable:
        return QCoreApplication::translate(
            "Network", "No game answers at this address. Check the address and that the host is "
                       "waiting for a player.");
    case Fault::ConnectionLost:
        return named ? QCoreApplication::translate(
                           "Network", "The connection to %1 was lost. The network match is over.")
                           .arg(isolated(peer))
                     : QCoreApplication::translate(
                           "Network",
                           "The connection to the other game was lost. The network match is "
                           "over.");
    case Fault::Left:
        return named
                   ? QCoreApplication::translate("Network", "%1 has left the game.")
                         .arg(isolated(peer))
                   : QCoreApplication::translate("Network", "The other player has left the game.");
    case Fault::Refused:
        switch (reason) {
        case Fault::Busy:
        case Fault::Version:
        case Fault::CardList:
            return faultText(reason, peer);
        case Fault::Timeout:
            return QCoreApplication::translate(
                "Network", "The other game heard nothing from this game for too long. The network "
                           "match is over.");
        default:
            return QCoreApplication::translate(
                "Network", "The other game could not accept a message from this game. The network "
                           "match is over.");
        }
    }
    return {};
}

QString hostNoticeText(Fault fault) {
    switch (fault) {
    case Fault::WrongCode:
        return QCoreApplication::translate(
            "Network", "Someone tried to join with a wrong code and was turned away.");
    case Fault::Busy:
        return QCoreApplication::translate("Network",
                                           "A second player tried to join and was turned away.");
    case Fault::NotAGame:
        return QCoreApplication::translate(
            "Network",
            "A program that is not a Quorvel game tried to connect and was turned away.");
    case Fault::Version:
        return QCoreApplication::translate(
            "Network",
            "A player with another version of Quorvel tried to join and was turned away.");
    case Fault::CardList:
        return QCoreApplication::translate(
            "Network", "A player with a different card list tried to join and was turned away.");
    case Fault::Timeout:
        return QCoreApplication::translate(
            "Network", "A connection that did not introduce itself in time was closed.");
    default:
        return QCoreApplication::translate(
            "Network", "A connection that broke the rules of the conversation was closed.");
    }
}

} // namespace net
