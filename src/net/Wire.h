#pragma once

#include "net/Fault.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <variant>

// The messages of a network match as plain values, and the one place where
// they are turned into bytes and read back.
//
// A frame is a 32-bit big-endian length followed by that many bytes of CBOR:
// one map with small unsigned integer keys. Keys 0, 1 and 2 come first and in
// this order: the version of the conversation, the message type and the
// sender's sequence number (1 for its first message, one more for each
// following one). The keys from 10 on are the message's own fields. The
// reader refuses anything else: other types, other keys, a key twice, a
// value out of range, a text that is not UTF-8, indefinite lengths, tags,
// bytes after the map, a frame beyond MaxFrameSize.
namespace net {

inline constexpr quint32 ProtocolVersion = 1;
// The largest CBOR payload of a frame. The longest message (a placement with
// eight captures) needs under 100 bytes, a welcome with two names at the
// longest under 400.
inline constexpr qsizetype MaxFrameSize = 1024;
inline constexpr qsizetype FrameHeaderSize = 4;
// Player names are at most this many characters (Unicode code points) long.
inline constexpr int MaxNameLength = 40;
// Card numbers are the draw numbers of the card list (fldAutoNumber), which a
// 16-bit integer holds.
inline constexpr int MaxCardNumber = 32767;
// The length of the card-list digest in a hello.
inline constexpr int CardListDigestSize = 32;

// The host plays player 1 (red), the guest player 2 (blue).
inline constexpr int HostPlayer = 1;
inline constexpr int GuestPlayer = 2;

// The host's options, which decide the match, and both names.
struct MatchOptions {
    QString hostName;
    QString guestName;
    bool openHand = false;
    bool combo = false;
    qint16 target = 150;
    bool operator==(const MatchOptions&) const = default;
};

// Guest to host, first: who is joining and what it plays with.
struct Hello {
    QString name;
    QByteArray cardList; // digest of the card list, CardListDigestSize bytes
    bool operator==(const Hello&) const = default;
};
// Host to guest, in answer to a hello: the match's options.
struct Welcome {
    MatchOptions options;
    bool operator==(const Welcome&) const = default;
};
// Host to guest: the guest's own eight cards on offer for this hand. The
// host's offer never travels.
struct Offer {
    std::array<quint16, 8> cards{};
    bool operator==(const Offer&) const = default;
};
// Guest to host: the five offer slots (1..8, ascending) the guest marked.
struct Selection {
    std::array<quint8, 5> marked{};
    bool operator==(const Selection&) const = default;
};
// Host to guest: the hands are dealt and who begins. The host's hand comes
// along only under Open Hand; under Closed Hand each of its cards travels
// with its placement.
struct Deal {
    quint8 begins = 1;
    std::array<quint16, 5> guestHand{};
    std::optional<std::array<quint16, 5>> hostHand;
    bool operator==(const Deal&) const = default;
};
// Guest to host: the guest proposes to place the card of its hand slot on a
// square. The host answers with the placement or ends the match.
struct Move {
    quint8 handSlot = 0;
    quint8 location = 0;
    bool operator==(const Move&) const = default;
};
// Host to guest: a card placed, by either player, as the host's match played
// it: the card, the squares it captured and both scores afterwards.
struct Placement {
    quint8 player = 0;
    quint8 handSlot = 0;
    quint8 location = 0;
    quint16 card = 0;
    QList<quint8> captures;
    qint16 score1 = 0;
    qint16 score2 = 0;
    bool operator==(const Placement&) const = default;
};
// Host to guest, after the ninth card: how the hand ended.
enum class Outcome : quint8 { NextHand = 0, RoundWon = 1, MatchWon = 2 };
struct HandEnd {
    Outcome outcome = Outcome::NextHand;
    quint8 winner = 0; // 0 for the next hand, else the player who won the round
    qint16 score1 = 0;
    qint16 score2 = 0;
    quint8 round = 1;
    quint8 roundsWon1 = 0;
    quint8 roundsWon2 = 0;
    bool operator==(const HandEnd&) const = default;
};
// Either way: this side's person leaves the match (New Game, Exit, Cancel).
struct Leave {
    bool operator==(const Leave&) const = default;
};
// Either way, every few seconds: this side is still there.
struct Heartbeat {
    bool operator==(const Heartbeat&) const = default;
};
// Either way: this side ends the conversation because of `fault`.
struct Error {
    Fault fault = Fault::Malformed;
    bool operator==(const Error&) const = default;
};

using Body = std::variant<Hello, Welcome, Offer, Selection, Deal, Move, Placement, HandEnd, Leave,
                          Heartbeat, Error>;

struct Message {
    quint32 sequence = 0;
    Body body;
    bool operator==(const Message&) const = default;
};

// The message's type as a word, for reports and test names.
const char* typeName(const Body& body);

// True for a name a player may carry over the network: at most MaxNameLength
// characters, no control characters, none of the direction embeddings,
// overrides and isolates (which could turn the words of the game's own texts
// around the name), no unpaired surrogates or noncharacters.
bool validName(const QString& name);

// The whole frame of `message`: length prefix and payload.
QByteArray encode(const Message& message);
// The payload alone, with a chosen version (tests speak other versions).
QByteArray encodePayload(const Message& message, quint32 version = ProtocolVersion);

struct Decoded {
    std::optional<Message> message;
    Fault fault = Fault::None;
    // The version the sender claimed, when it could be read.
    quint32 version = 0;
};

// Reads one payload. Either `message` is set or `fault` says why not.
Decoded decodePayload(QByteArrayView payload);

// Cuts frames out of a stream of bytes. Never holds more than one frame.
class FrameReader {
  public:
    // How many bytes the reader wants next: the rest of the length prefix or
    // of the payload. Reading no more than this keeps a hostile stream from
    // piling up in memory.
    qsizetype wanted() const;
    // Takes bytes (at most wanted()). Returns a fault as soon as the length
    // prefix is out of range.
    Fault append(QByteArrayView bytes);
    // True when a whole payload is there; take() hands it over.
    bool complete() const;
    QByteArray take();
    // Bytes of an unfinished frame are held.
    bool midFrame() const { return m_length >= 0 || !m_buffer.isEmpty(); }

  private:
    QByteArray m_buffer;
    qsizetype m_length = -1;
};

} // namespace net
