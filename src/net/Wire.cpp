#include "net/Wire.h"

#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QtEndian>

#include <type_traits>

namespace net {

namespace {

// Keys of the header and the first key of a message's own fields.
enum HeaderKey : quint64 { KeyVersion = 0, KeyType = 1, KeySequence = 2 };
constexpr quint64 FirstField = 10;
constexpr quint64 MaxKey = 31;
constexpr qsizetype MaxEntries = 16;
constexpr qsizetype MaxTextBytes = 4 * MaxNameLength;
constexpr qsizetype MaxBytes = 64;
constexpr qsizetype MaxArray = 16;

// The message type on the wire is the index of its alternative in Body, plus
// one; the order of Body is therefore part of the conversation's version.
template <typename T> constexpr quint64 typeCode() {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        quint64 code = 0;
        ((std::is_same_v<T, std::variant_alternative_t<I, Body>> ? (code = I + 1) : 0), ...);
        return code;
    }
    (std::make_index_sequence<std::variant_size_v<Body>>{});
}

// ---- Writing ------------------------------------------------------------------

class Writer {
  public:
    Writer(QByteArray* out, qsizetype fields) : m_cbor(out) { m_cbor.startMap(3 + fields); }
    void header(quint32 version, quint64 type, quint32 sequence) {
        uint(KeyVersion, version);
        uint(KeyType, type);
        uint(KeySequence, sequence);
    }
    void uint(quint64 key, quint64 value) {
        m_cbor.append(key);
        m_cbor.append(value);
    }
    void boolean(quint64 key, bool value) {
        m_cbor.append(key);
        m_cbor.append(value);
    }
    void text(quint64 key, const QString& value) {
        m_cbor.append(key);
        m_cbor.append(value);
    }
    void bytes(quint64 key, const QByteArray& value) {
        m_cbor.append(key);
        m_cbor.append(value);
    }
    template <typename Range> void array(quint64 key, const Range& values) {
        m_cbor.append(key);
        m_cbor.startArray(static_cast<quint64>(std::size(values)));
        for (auto v : values)
            m_cbor.append(static_cast<quint64>(v));
        m_cbor.endArray();
    }
    void end() { m_cbor.endMap(); }

  private:
    QCborStreamWriter m_cbor;
};

qsizetype fieldCount(const Body& body) {
    return std::visit(
        [](const auto& m) -> qsizetype {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Hello>)
                return 2;
            else if constexpr (std::is_same_v<T, Welcome>)
                return 5;
            else if constexpr (std::is_same_v<T, Offer> || std::is_same_v<T, Selection> ||
                               std::is_same_v<T, Error>)
                return 1;
            else if constexpr (std::is_same_v<T, Deal>)
                return m.hostHand ? 3 : 2;
            else if constexpr (std::is_same_v<T, Move>)
                return 2;
            else if constexpr (std::is_same_v<T, Placement> || std::is_same_v<T, HandEnd>)
                return 7;
            else
                return 0;
        },
        body);
}

// ---- Reading ------------------------------------------------------------------

using Value = std::variant<quint64, bool, QString, QByteArray, QList<quint64>>;

// The fields of one message, read without regard to its type yet.
class Fields {
  public:
    bool has(quint64 key) const { return m_values[key].has_value(); }
    bool set(quint64 key, Value value) {
        if (key > MaxKey || m_values[key])
            return false;
        m_values[key] = std::move(value);
        return true;
    }
    // A number in [low, high].
    std::optional<quint64> number(quint64 key, quint64 low, quint64 high) const {
        const auto* v = value<quint64>(key);
        if (!v || *v < low || *v > high)
            return std::nullopt;
        return *v;
    }
    std::optional<bool> boolean(quint64 key) const {
        const auto* v = value<bool>(key);
        return v ? std::optional<bool>(*v) : std::nullopt;
    }
    std::optional<QString> name(quint64 key) const {
        const auto* v = value<QString>(key);
        if (!v || !validName(*v))
            return std::nullopt;
        return *v;
    }
    std::optional<QByteArray> bytes(quint64 key, qsizetype size) const {
        const auto* v = value<QByteArray>(key);
        if (!v || v->size() != size)
            return std::nullopt;
        return *v;
    }
    // An array of `count` numbers in [low, high].
    template <std::size_t N>
    std::optional<std::array<quint64, N>> numbers(quint64 key, quint64 low, quint64 high) const {
        const auto* v = value<QList<quint64>>(key);
        if (!v || v->size() != static_cast<qsizetype>(N))
            return std::nullopt;
        std::array<quint64, N> out{};
        for (std::size_t i = 0; i < N; ++i) {
            if ((*v)[i] < low || (*v)[i] > high)
                return std::nullopt;
            out[i] = (*v)[i];
        }
        return out;
    }
    const QList<quint64>* list(quint64 key) const { return value<QList<quint64>>(key); }
    // True when no key but `allowed` (and the header) is present.
    bool only(std::initializer_list<quint64> allowed) const {
        for (quint64 k = FirstField; k <= MaxKey; ++k)
            if (m_values[k] && std::find(allowed.begin(), allowed.end(), k) == allowed.end())
                return false;
        for (quint64 k = KeySequence + 1; k < FirstField; ++k)
            if (m_values[k])
                return false;
        return true;
    }

  private:
    template <typename T> const T* value(quint64 key) const {
        return key <= MaxKey && m_values[key] ? std::get_if<T>(&*m_values[key]) : nullptr;
    }
    std::array<std::optional<Value>, MaxKey + 1> m_values;
};

// Reads one value of the few shapes a message uses; nothing nested deeper
// than an array of numbers.
std::optional<Value> readValue(QCborStreamReader& reader) {
    if (reader.isUnsignedInteger()) {
        const quint64 v = reader.toUnsignedInteger();
        reader.next();
        return v;
    }
    if (reader.isBool()) {
        const bool v = reader.toBool();
        reader.next();
        return v;
    }
    if (reader.isString() || reader.isByteArray()) {
        const bool text = reader.isString();
        if (!reader.isLengthKnown() ||
            reader.length() > static_cast<quint64>(text ? MaxTextBytes : MaxBytes))
            return std::nullopt;
        if (text) {
            QString s;
            auto chunk = reader.readString();
            while (chunk.status == QCborStreamReader::Ok) {
                s += chunk.data;
                chunk = reader.readString();
            }
            if (chunk.status != QCborStreamReader::EndOfString)
                return std::nullopt;
            return s;
        }
        QByteArray b;
        auto chunk = reader.readByteArray();
        while (chunk.status == QCborStreamReader::Ok) {
            b += chunk.data;
            chunk = reader.readByteArray();
        }
        if (chunk.status != QCborStreamReader::EndOfString)
            return std::nullopt;
        return b;
    }
    if (reader.isArray()) {
        if (!reader.isLengthKnown() || reader.length() > static_cast<quint64>(MaxArray))
            return std::nullopt;
        const qsizetype n = static_cast<qsizetype>(reader.length());
        if (!reader.enterContainer())
            return std::nullopt;
        QList<quint64> list;
        for (qsizetype i = 0; i < n; ++i) {
            if (!reader.isUnsignedInteger())
                return std::nullopt;
            list.append(reader.toUnsignedInteger());
            reader.next();
        }
        if (reader.hasNext() || !reader.leaveContainer())
            return std::nullopt;
        return list;
    }
    return std::nullopt;
}

template <typename T, std::size_t N> std::array<T, N> narrow(const std::array<quint64, N>& in) {
    std::array<T, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = static_cast<T>(in[i]);
    return out;
}

constexpr quint64 MaxScore = 32767;

// The type-specific fields, each checked; nullopt when any is missing, out of
// range or not expected.
std::optional<Body> readBody(quint64 type, const Fields& f) {
    switch (type) {
    case typeCode<Hello>(): {
        const auto name = f.name(10);
        const auto cards = f.bytes(11, CardListDigestSize);
        if (!name || !cards || !f.only({10, 11}))
            return std::nullopt;
        return Hello{*name, *cards};
    }
    case typeCode<Welcome>(): {
        const auto host = f.name(10);
        const auto guest = f.name(11);
        const auto open = f.boolean(12);
        const auto rule = f.number(13, 0, 1);
        const auto target = f.number(14, 1, MaxScore);
        if (!host || !guest || !open || !rule || !target || !f.only({10, 11, 12, 13, 14}))
            return std::nullopt;
        return Welcome{{*host, *guest, *open, *rule == 1, static_cast<qint16>(*target)}};
    }
    case typeCode<Offer>(): {
        const auto cards = f.numbers<8>(10, 1, MaxCardNumber);
        if (!cards || !f.only({10}))
            return std::nullopt;
        return Offer{narrow<quint16>(*cards)};
    }
    case typeCode<Selection>(): {
        const auto marks = f.numbers<5>(10, 1, 8);
        if (!marks || !f.only({10}))
            return std::nullopt;
        for (std::size_t i = 1; i < marks->size(); ++i)
            if ((*marks)[i] <= (*marks)[i - 1])
                return std::nullopt;
        return Selection{narrow<quint8>(*marks)};
    }
    case typeCode<Deal>(): {
        const auto begins = f.number(10, 1, 2);
        const auto guest = f.numbers<5>(11, 1, MaxCardNumber);
        if (!begins || !guest || !f.only({10, 11, 12}))
            return std::nullopt;
        Deal deal{static_cast<quint8>(*begins), narrow<quint16>(*guest), std::nullopt};
        if (f.has(12)) {
            const auto host = f.numbers<5>(12, 1, MaxCardNumber);
            if (!host)
                return std::nullopt;
            deal.hostHand = narrow<quint16>(*host);
        }
        return deal;
    }
    case typeCode<Move>(): {
        const auto slot = f.number(10, 1, 5);
        const auto location = f.number(11, 1, 9);
        if (!slot || !location || !f.only({10, 11}))
            return std::nullopt;
        return Move{static_cast<quint8>(*slot), static_cast<quint8>(*location)};
    }
    case typeCode<Placement>(): {
        const auto player = f.number(10, 1, 2);
        const auto slot = f.number(11, 1, 5);
        const auto location = f.number(12, 1, 9);
        const auto card = f.number(13, 1, MaxCardNumber);
        const auto* captures = f.list(14);
        const auto s1 = f.number(15, 0, MaxScore);
        const auto s2 = f.number(16, 0, MaxScore);
        if (!player || !slot || !location || !card || !captures || !s1 || !s2 ||
            !f.only({10, 11, 12, 13, 14, 15, 16}) || captures->size() > 8)
            return std::nullopt;
        Placement p{static_cast<quint8>(*player),
                    static_cast<quint8>(*slot),
                    static_cast<quint8>(*location),
                    static_cast<quint16>(*card),
                    {},
                    static_cast<qint16>(*s1),
                    static_cast<qint16>(*s2)};
        for (quint64 c : *captures) {
            if (c < 1 || c > 9 || c == *location || p.captures.contains(static_cast<quint8>(c)))
                return std::nullopt;
            p.captures.append(static_cast<quint8>(c));
        }
        return p;
    }
    case typeCode<HandEnd>(): {
        const auto outcome = f.number(10, 0, 2);
        const auto winner = f.number(11, 0, 2);
        const auto s1 = f.number(12, 0, MaxScore);
        const auto s2 = f.number(13, 0, MaxScore);
        const auto round = f.number(14, 1, 5);
        const auto won1 = f.number(15, 0, 3);
        const auto won2 = f.number(16, 0, 3);
        if (!outcome || !winner || !s1 || !s2 || !round || !won1 || !won2 ||
            !f.only({10, 11, 12, 13, 14, 15, 16}))
            return std::nullopt;
        HandEnd e{static_cast<Outcome>(*outcome), static_cast<quint8>(*winner),
                  static_cast<qint16>(*s1),       static_cast<qint16>(*s2),
                  static_cast<quint8>(*round),    static_cast<quint8>(*won1),
                  static_cast<quint8>(*won2)};
        // A winner exactly when a round was won; three rounds exactly when
        // the match was; never three for both.
        if ((e.outcome == Outcome::NextHand) != (e.winner == 0))
            return std::nullopt;
        if (e.roundsWon1 == 3 && e.roundsWon2 == 3)
            return std::nullopt;
        const quint8 winnerRounds = e.winner == 1 ? e.roundsWon1 : e.roundsWon2;
        if (e.outcome == Outcome::MatchWon && winnerRounds != 3)
            return std::nullopt;
        if (e.outcome != Outcome::MatchWon && (e.roundsWon1 == 3 || e.roundsWon2 == 3))
            return std::nullopt;
        if (e.outcome == Outcome::RoundWon && winnerRounds == 0)
            return std::nullopt;
        return e;
    }
    case typeCode<Leave>():
        if (!f.only({}))
            return std::nullopt;
        return Leave{};
    case typeCode<Heartbeat>():
        if (!f.only({}))
            return std::nullopt;
        return Heartbeat{};
    case typeCode<Error>(): {
        const auto fault = f.number(10, 1, 255);
        if (!fault || !travels(static_cast<Fault>(*fault)) || !f.only({10}))
            return std::nullopt;
        return Error{static_cast<Fault>(*fault)};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

const char* typeName(const Body& body) {
    static const char* const names[] = {"hello", "welcome",   "offer",     "selection",
                                        "deal",  "move",      "placement", "hand end",
                                        "leave", "heartbeat", "error"};
    static_assert(std::size(names) == std::variant_size_v<Body>);
    return names[body.index()];
}

bool validName(const QString& name) {
    int characters = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= name.size() || !name[i + 1].isLowSurrogate())
                return false;
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
        if (++characters > MaxNameLength)
            return false;
        if (QChar::category(c) == QChar::Other_Control || QChar::isNonCharacter(c))
            return false;
        if ((c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069))
            return false;
    }
    return true;
}

QByteArray encodePayload(const Message& message, quint32 version) {
    QByteArray out;
    Writer w(&out, fieldCount(message.body));
    std::visit(
        [&](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            w.header(version, typeCode<T>(), message.sequence);
            if constexpr (std::is_same_v<T, Hello>) {
                w.text(10, m.name);
                w.bytes(11, m.cardList);
            } else if constexpr (std::is_same_v<T, Welcome>) {
                w.text(10, m.options.hostName);
                w.text(11, m.options.guestName);
                w.boolean(12, m.options.openHand);
                w.uint(13, m.options.combo ? 1 : 0);
                w.uint(14, static_cast<quint64>(qMax<qint16>(m.options.target, 0)));
            } else if constexpr (std::is_same_v<T, Offer>) {
                w.array(10, m.cards);
            } else if constexpr (std::is_same_v<T, Selection>) {
                w.array(10, m.marked);
            } else if constexpr (std::is_same_v<T, Deal>) {
                w.uint(10, m.begins);
                w.array(11, m.guestHand);
                if (m.hostHand)
                    w.array(12, *m.hostHand);
            } else if constexpr (std::is_same_v<T, Move>) {
                w.uint(10, m.handSlot);
                w.uint(11, m.location);
            } else if constexpr (std::is_same_v<T, Placement>) {
                w.uint(10, m.player);
                w.uint(11, m.handSlot);
                w.uint(12, m.location);
                w.uint(13, m.card);
                w.array(14, m.captures);
                w.uint(15, static_cast<quint64>(qMax<qint16>(m.score1, 0)));
                w.uint(16, static_cast<quint64>(qMax<qint16>(m.score2, 0)));
            } else if constexpr (std::is_same_v<T, HandEnd>) {
                w.uint(10, static_cast<quint64>(m.outcome));
                w.uint(11, m.winner);
                w.uint(12, static_cast<quint64>(qMax<qint16>(m.score1, 0)));
                w.uint(13, static_cast<quint64>(qMax<qint16>(m.score2, 0)));
                w.uint(14, m.round);
                w.uint(15, m.roundsWon1);
                w.uint(16, m.roundsWon2);
            } else if constexpr (std::is_same_v<T, Error>) {
                w.uint(10, static_cast<quint64>(m.fault));
            }
        },
        message.body);
    w.end();
    return out;
}

QByteArray encode(const Message& message) {
    const QByteArray payload = encodePayload(message);
    QByteArray frame(FrameHeaderSize, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    return frame + payload;
}

Decoded decodePayload(QByteArrayView payload) {
    Decoded result;
    result.fault = Fault::Malformed;
    if (payload.size() > MaxFrameSize) {
        result.fault = Fault::TooLarge;
        return result;
    }
    QCborStreamReader reader(reinterpret_cast<const quint8*>(payload.data()), payload.size());
    if (!reader.isMap() || !reader.isLengthKnown() || reader.length() < 3 ||
        reader.length() > static_cast<quint64>(MaxEntries))
        return result;
    const qsizetype entries = static_cast<qsizetype>(reader.length());
    if (!reader.enterContainer())
        return result;
    Fields fields;
    for (qsizetype i = 0; i < entries; ++i) {
        if (!reader.isUnsignedInteger())
            return result;
        const quint64 key = reader.toUnsignedInteger();
        reader.next();
        // The header comes first, in order, so that the version is known
        // before anything of another version's shape is read.
        if (i < 3 ? key != static_cast<quint64>(i) : key < FirstField)
            return result;
        std::optional<Value> value = readValue(reader);
        if (!value || reader.lastError() != QCborError::NoError || !fields.set(key, *value))
            return result;
        if (key == KeyVersion) {
            const auto* version = std::get_if<quint64>(&*value);
            if (!version)
                return result;
            if (*version != ProtocolVersion) {
                result.version = static_cast<quint32>(qMin<quint64>(*version, 0xFFFFFFFF));
                result.fault = Fault::Version;
                return result;
            }
            result.version = ProtocolVersion;
        }
    }
    if (reader.hasNext() || !reader.leaveContainer() || reader.lastError() != QCborError::NoError)
        return result;
    // Nothing may follow the map.
    if (reader.currentOffset() != payload.size())
        return result;
    const auto type = fields.number(KeyType, 1, std::variant_size_v<Body>);
    const auto sequence = fields.number(KeySequence, 1, 0xFFFFFFFF);
    if (!type || !sequence)
        return result;
    std::optional<Body> body = readBody(*type, fields);
    if (!body)
        return result;
    result.message = Message{static_cast<quint32>(*sequence), std::move(*body)};
    result.fault = Fault::None;
    return result;
}

// ---- Frames -----------------------------------------------------------------------

qsizetype FrameReader::wanted() const {
    if (m_length < 0)
        return FrameHeaderSize - m_buffer.size();
    return m_length - m_buffer.size();
}

Fault FrameReader::append(QByteArrayView bytes) {
    if (bytes.size() > wanted())
        bytes = bytes.first(wanted());
    m_buffer.append(bytes);
    if (m_length < 0 && m_buffer.size() == FrameHeaderSize) {
        const quint32 length = qFromBigEndian<quint32>(m_buffer.constData());
        m_buffer.clear();
        if (length == 0)
            return Fault::Malformed;
        if (length > MaxFrameSize)
            return Fault::TooLarge;
        m_length = static_cast<qsizetype>(length);
        m_buffer.reserve(m_length);
    }
    return Fault::None;
}

bool FrameReader::complete() const {
    return m_length >= 0 && m_buffer.size() == m_length;
}

QByteArray FrameReader::take() {
    QByteArray payload = std::move(m_buffer);
    m_buffer = QByteArray();
    m_length = -1;
    return payload;
}

} // namespace net
