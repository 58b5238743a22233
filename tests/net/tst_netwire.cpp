// The messages of a network match without a socket: every message through
// the writer and back through the one reader, the reader refusing each kind
// of hostile payload, the frame reader's size limit, the conversation's
// rules for who may say what and when, the join code and the addresses a
// person types.
#include "MatchScript.h"

#include "net/Conversation.h"
#include "net/Endpoint.h"
#include "net/JoinCode.h"
#include "net/Wire.h"

#include <QCborStreamWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <functional>

using namespace net;

Q_DECLARE_METATYPE(net::Message)
Q_DECLARE_METATYPE(net::Fault)
Q_DECLARE_METATYPE(net::Body)
Q_DECLARE_METATYPE(net::HandEnd)

namespace net {
// Faults by number in QCOMPARE's reports.
char* toString(Fault fault) {
    return qstrdup(QByteArray::number(static_cast<int>(fault)).constData());
}
} // namespace net

namespace {

// A payload written by hand, for what our own writer never writes.
QByteArray cbor(const std::function<void(QCborStreamWriter&)>& write) {
    QByteArray bytes;
    QCborStreamWriter w(&bytes);
    write(w);
    return bytes;
}

// A map with the header and `fields` (key, value) of unsigned values.
QByteArray message(quint64 type, std::initializer_list<std::pair<quint64, quint64>> fields,
                   quint64 version = 1, quint64 sequence = 1) {
    return cbor([&](QCborStreamWriter& w) {
        w.startMap(3 + fields.size());
        w.append(quint64(0));
        w.append(version);
        w.append(quint64(1));
        w.append(type);
        w.append(quint64(2));
        w.append(sequence);
        for (const auto& [k, v] : fields) {
            w.append(k);
            w.append(v);
        }
        w.endMap();
    });
}

// A hello with a name written as raw UTF-8 bytes (which may be invalid).
QByteArray helloWithRawName(const QByteArray& utf8) {
    QByteArray name;
    // CBOR text string header, then the bytes as they are.
    if (utf8.size() < 24) {
        name.append(char(0x60 + utf8.size()));
    } else {
        name.append(char(0x78));
        name.append(char(utf8.size()));
    }
    name.append(utf8);
    QByteArray digest = cbor([](QCborStreamWriter& w) { w.append(script::cardList()); });
    QByteArray out;
    out.append(char(0xA5)); // map of 5
    out.append(char(0x00));
    out.append(char(0x01)); // version 1
    out.append(char(0x01));
    out.append(char(0x01)); // type hello
    out.append(char(0x02));
    out.append(char(0x01)); // sequence 1
    out.append(char(0x0A));
    out.append(name);
    out.append(char(0x0B));
    out.append(digest);
    return out;
}

Message numbered(quint32 sequence, Body body) {
    return Message{sequence, std::move(body)};
}

// Feeds the steps to both sides' conversations as the wire would: each
// message is sent by one and received by the other. Returns the first fault.
Fault play(Conversation& host, Conversation& guest, const QList<script::Step>& steps) {
    for (const script::Step& step : steps) {
        Conversation& sender = step.fromHost ? host : guest;
        Conversation& receiver = step.fromHost ? guest : host;
        Message m;
        if (const Fault f = sender.send(step.body, &m); f != Fault::None)
            return f;
        // Through the bytes, as the other side reads them.
        const Decoded d = decodePayload(encodePayload(m));
        if (!d.message)
            return d.fault;
        if (const Fault f = receiver.receive(*d.message); f != Fault::None)
            return f;
    }
    return Fault::None;
}

} // namespace

class TestNetWire : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data();
    void roundTrip();
    void typeNumbersAreFixed();
    void refused_data();
    void refused();
    void frames();
    void names_data();
    void names();
    void wholeMatch_data();
    void wholeMatch();
    void outOfTurn_data();
    void outOfTurn();
    void handEnd_data();
    void handEnd();
    void sendRefusesWhatThePeerWould();
    void joinCodeGenerated();
    void joinCodeTyped_data();
    void joinCodeTyped();
    void joinCodeKey();
    void endpoints_data();
    void endpoints();
};

void TestNetWire::roundTrip_data() {
    QTest::addColumn<Message>("message");
    const QString longName = QString(MaxNameLength - 1, QLatin1Char('x')) +
                             QString::fromUcs4(U"\U0001F0CF"); // 40 characters, 41 UTF-16 units
    QTest::newRow("hello") << numbered(1, Hello{QStringLiteral("Mirela"), script::cardList()});
    QTest::newRow("hello, longest name") << numbered(1, Hello{longName, script::cardList()});
    QTest::newRow("hello, empty name") << numbered(1, Hello{QString(), script::cardList()});
    QTest::newRow("welcome") << numbered(
        1, Welcome{{QStringLiteral("Dorvík"), QStringLiteral("Мирела"), true, true, 200}});
    QTest::newRow("offer") << numbered(2, Offer{{1, 606, 17, 17, 300, 2, 3, 32767}});
    QTest::newRow("selection") << numbered(7, Selection{{1, 2, 5, 7, 8}});
    QTest::newRow("deal, closed") << numbered(3, Deal{2, {1, 2, 3, 4, 5}, std::nullopt});
    QTest::newRow("deal, open") << numbered(3, Deal{1, {1, 2, 3, 4, 5}, {{6, 7, 8, 9, 606}}});
    QTest::newRow("move") << numbered(9, Move{5, 9});
    QTest::newRow("placement, no capture") << numbered(10, Placement{1, 1, 5, 33, {}, 0, 0});
    QTest::newRow("placement, eight captures")
        << numbered(0xFFFFFFFF, Placement{2, 5, 5, 606, {1, 2, 3, 4, 6, 7, 8, 9}, 32767, 120});
    QTest::newRow("hand end, next hand")
        << numbered(4, HandEnd{Outcome::NextHand, 0, 149, 120, 1, 0, 0});
    QTest::newRow("hand end, round")
        << numbered(4, HandEnd{Outcome::RoundWon, 2, 90, 210, 2, 1, 1});
    QTest::newRow("hand end, match")
        << numbered(4, HandEnd{Outcome::MatchWon, 1, 170, 20, 5, 3, 2});
    QTest::newRow("leave") << numbered(5, Leave{});
    QTest::newRow("heartbeat") << numbered(6, Heartbeat{});
    QTest::newRow("error") << numbered(8, Error{Fault::Busy});
}

void TestNetWire::roundTrip() {
    QFETCH(Message, message);
    const QByteArray bytes = encode(message);
    QVERIFY(bytes.size() - FrameHeaderSize <= MaxFrameSize);
    // Byte by byte through the frame reader: whole only at the last byte.
    FrameReader reader;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QCOMPARE(reader.complete(), false);
        QVERIFY(reader.wanted() >= 1);
        QCOMPARE(reader.append(QByteArrayView(bytes).sliced(i, 1)), Fault::None);
    }
    QVERIFY(reader.complete());
    const Decoded decoded = decodePayload(reader.take());
    QCOMPARE(decoded.fault, Fault::None);
    QVERIFY(decoded.message.has_value());
    QVERIFY(*decoded.message == message);
    QVERIFY(!reader.midFrame());
}

// The type numbers are what another copy of the game reads: reordering the
// messages would be a new version of the conversation.
void TestNetWire::typeNumbersAreFixed() {
    const std::pair<quint64, int> types[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3},  {5, 4},  {6, 5},
                                             {7, 6}, {8, 7}, {9, 8}, {10, 9}, {11, 10}};
    for (const auto& [type, index] : types) {
        const QByteArray payload =
            encodePayload(Message{1, [index] {
                                      Body b;
                                      switch (index) {
                                      case 0:
                                          b = Hello{{}, script::cardList()};
                                          break;
                                      case 1:
                                          b = Welcome{script::options()};
                                          break;
                                      case 2:
                                          b = Offer{{1, 1, 1, 1, 1, 1, 1, 1}};
                                          break;
                                      case 3:
                                          b = Selection{{1, 2, 3, 4, 5}};
                                          break;
                                      case 4:
                                          b = Deal{1, {1, 1, 1, 1, 1}, {}};
                                          break;
                                      case 5:
                                          b = Move{1, 1};
                                          break;
                                      case 6:
                                          b = Placement{1, 1, 1, 1, {}, 0, 0};
                                          break;
                                      case 7:
                                          b = HandEnd{};
                                          break;
                                      case 8:
                                          b = Leave{};
                                          break;
                                      case 9:
                                          b = Heartbeat{};
                                          break;
                                      default:
                                          b = Error{Fault::Timeout};
                                      }
                                      return b;
                                  }()});
        // Byte 4 is the type: map header, key 0, version, key 1, type.
        QCOMPARE(quint64(quint8(payload[4])), type);
    }
    const Decoded move = decodePayload(message(6, {{10, 3}, {11, 7}}));
    QVERIFY(move.message);
    QVERIFY(move.message->body == Body(Move{3, 7}));
}

void TestNetWire::refused_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Fault>("fault");
    const Fault M = Fault::Malformed;
    const QByteArray move = message(6, {{10, 3}, {11, 7}});

    QTest::newRow("empty") << QByteArray() << M;
    QTest::newRow("not CBOR") << QByteArray("GET / HTTP/1.1\r\n\r\n") << M;
    QTest::newRow("an array, not a map") << cbor([](QCborStreamWriter& w) {
        w.startArray(3);
        w.append(1);
        w.append(6);
        w.append(1);
        w.endArray();
    }) << M;
    QTest::newRow("map of indefinite length") << cbor([](QCborStreamWriter& w) {
        w.startMap();
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(10);
        w.append(2);
        w.append(1);
        w.endMap();
    }) << M;
    QTest::newRow("type before version") << cbor([](QCborStreamWriter& w) {
        w.startMap(3);
        w.append(1);
        w.append(10);
        w.append(0);
        w.append(1);
        w.append(2);
        w.append(1);
        w.endMap();
    }) << M;
    QTest::newRow("version 2") << message(10, {}, 2) << Fault::Version;
    QTest::newRow("version 2 with fields of its own") << cbor([](QCborStreamWriter& w) {
        w.startMap(4);
        w.append(0);
        w.append(2);
        w.append(1);
        w.append(QStringLiteral("a type as text"));
        w.append(2);
        w.append(-5);
        w.append(40);
        w.append(3.5);
        w.endMap();
    }) << Fault::Version;
    QTest::newRow("version 0") << message(10, {}, 0) << Fault::Version;
    QTest::newRow("version as text") << cbor([](QCborStreamWriter& w) {
        w.startMap(3);
        w.append(0);
        w.append(QStringLiteral("1"));
        w.append(1);
        w.append(10);
        w.append(2);
        w.append(1);
        w.endMap();
    }) << M;
    QTest::newRow("type 0") << message(0, {}) << M;
    QTest::newRow("type 12") << message(12, {}) << M;
    QTest::newRow("sequence 0") << message(10, {}, 1, 0) << M;
    QTest::newRow("sequence beyond 32 bits") << message(10, {}, 1, 0x100000000ULL) << M;
    QTest::newRow("move without its square") << message(6, {{10, 3}}) << M;
    QTest::newRow("move with a field too many") << message(6, {{10, 3}, {11, 7}, {12, 1}}) << M;
    QTest::newRow("key between header and fields") << message(6, {{5, 3}, {10, 3}, {11, 7}}) << M;
    QTest::newRow("key beyond the last") << message(10, {{200, 1}}) << M;
    QTest::newRow("key twice") << message(6, {{10, 3}, {10, 3}, {11, 7}}) << M;
    QTest::newRow("square 0") << message(6, {{10, 3}, {11, 0}}) << M;
    QTest::newRow("square 10") << message(6, {{10, 3}, {11, 10}}) << M;
    QTest::newRow("hand slot 6") << message(6, {{10, 6}, {11, 1}}) << M;
    QTest::newRow("hand slot beyond 64 bits' sense") << message(6, {{10, ~0ULL}, {11, 1}}) << M;
    QTest::newRow("square as a negative number") << cbor([](QCborStreamWriter& w) {
        w.startMap(5);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(6);
        w.append(2);
        w.append(1);
        w.append(10);
        w.append(3);
        w.append(11);
        w.append(qint64(-1));
        w.endMap();
    }) << M;
    QTest::newRow("square as a float") << cbor([](QCborStreamWriter& w) {
        w.startMap(5);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(6);
        w.append(2);
        w.append(1);
        w.append(10);
        w.append(3);
        w.append(11);
        w.append(qfloat16(5.0f));
        w.endMap();
    }) << M;
    QTest::newRow("square as text") << cbor([](QCborStreamWriter& w) {
        w.startMap(5);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(6);
        w.append(2);
        w.append(1);
        w.append(10);
        w.append(3);
        w.append(11);
        w.append(QStringLiteral("5"));
        w.endMap();
    }) << M;
    QTest::newRow("tagged square") << cbor([](QCborStreamWriter& w) {
        w.startMap(5);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(6);
        w.append(2);
        w.append(1);
        w.append(10);
        w.append(3);
        w.append(11);
        w.append(QCborTag(1));
        w.append(5);
        w.endMap();
    }) << M;
    auto selection = [](std::initializer_list<quint64> marks) {
        return cbor([marks](QCborStreamWriter& w) {
            w.startMap(4);
            w.append(0);
            w.append(1);
            w.append(1);
            w.append(4);
            w.append(2);
            w.append(1);
            w.append(10);
            w.startArray(marks.size());
            for (quint64 s : marks)
                w.append(s);
            w.endArray();
            w.endMap();
        });
    };
    QTest::newRow("selection of four") << selection({1, 2, 3, 4}) << M;
    QTest::newRow("selection of six") << selection({1, 2, 3, 4, 5, 6}) << M;
    QTest::newRow("selection with a slot twice") << selection({1, 2, 2, 4, 5}) << M;
    QTest::newRow("selection out of order") << selection({2, 1, 3, 4, 5}) << M;
    QTest::newRow("selection of slot 9") << selection({1, 2, 3, 4, 9}) << M;
    QTest::newRow("selection of slot 0") << selection({0, 2, 3, 4, 5}) << M;
    QTest::newRow("selection nested") << cbor([](QCborStreamWriter& w) {
        w.startMap(4);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(4);
        w.append(2);
        w.append(1);
        w.append(10);
        w.startArray(5);
        w.startArray(1);
        w.append(1);
        w.endArray();
        for (int s = 2; s <= 5; ++s)
            w.append(s);
        w.endArray();
        w.endMap();
    }) << M;
    auto offer = [](std::initializer_list<quint64> cards) {
        return cbor([cards](QCborStreamWriter& w) {
            w.startMap(4);
            w.append(0);
            w.append(1);
            w.append(1);
            w.append(3);
            w.append(2);
            w.append(1);
            w.append(10);
            w.startArray(cards.size());
            for (quint64 c : cards)
                w.append(c);
            w.endArray();
            w.endMap();
        });
    };
    QTest::newRow("offer of seven") << offer({1, 2, 3, 4, 5, 6, 7}) << M;
    QTest::newRow("offer with card 0") << offer({0, 2, 3, 4, 5, 6, 7, 8}) << M;
    QTest::newRow("offer with card 40000") << offer({1, 2, 3, 4, 5, 6, 7, 40000}) << M;
    auto placement = [](std::initializer_list<quint64> captures, quint64 score1) {
        return cbor([captures, score1](QCborStreamWriter& w) {
            w.startMap(10);
            w.append(0);
            w.append(1);
            w.append(1);
            w.append(7);
            w.append(2);
            w.append(1);
            for (quint64 k : {10, 11, 12, 13}) {
                w.append(k);
                w.append(k == 12 ? 5 : 1);
            }
            w.append(14);
            w.startArray(captures.size());
            for (quint64 c : captures)
                w.append(c);
            w.endArray();
            w.append(15);
            w.append(score1);
            w.append(16);
            w.append(0);
            w.endMap();
        });
    };
    QVERIFY(decodePayload(placement({4, 6}, 10)).message); // the shape itself is right
    QTest::newRow("capture of the placed square") << placement({5}, 10) << M;
    QTest::newRow("capture twice") << placement({4, 4}, 10) << M;
    QTest::newRow("capture of square 0") << placement({0}, 10) << M;
    QTest::newRow("nine captures") << placement({1, 2, 3, 4, 6, 7, 8, 9, 1}, 10) << M;
    QTest::newRow("score beyond 16 bits") << placement({4}, 32768) << M;
    auto handEnd = [](quint64 outcome, quint64 winner, quint64 won1, quint64 won2) {
        return message(
            8,
            {{10, outcome}, {11, winner}, {12, 100}, {13, 200}, {14, 2}, {15, won1}, {16, won2}});
    };
    QVERIFY(decodePayload(handEnd(1, 2, 0, 1)).message);
    QTest::newRow("next hand with a winner") << handEnd(0, 1, 0, 0) << M;
    QTest::newRow("round won without a winner") << handEnd(1, 0, 0, 1) << M;
    QTest::newRow("match won with two rounds") << handEnd(2, 2, 0, 2) << M;
    QTest::newRow("three rounds each") << handEnd(2, 2, 3, 3) << M;
    QTest::newRow("three rounds and the match goes on") << handEnd(1, 1, 3, 0) << M;
    QTest::newRow("outcome 3") << handEnd(3, 1, 3, 0) << M;
    QTest::newRow("error with a fault found only locally")
        << message(11, {{10, static_cast<quint64>(Fault::WrongCode)}}) << M;
    QTest::newRow("error with fault 0") << message(11, {{10, 0}}) << M;
    QTest::newRow("error with fault 200") << message(11, {{10, 200}}) << M;
    QTest::newRow("leave with a field") << message(9, {{10, 1}}) << M;
    QTest::newRow("bytes after the map") << move + QByteArray(1, '\0') << M;
    QTest::newRow("a second map after the map") << move + move << M;
    QTest::newRow("cut short") << move.first(move.size() - 1) << M;
    QTest::newRow("cut in the header") << move.first(3) << M;
    QTest::newRow("name of 41 characters")
        << helloWithRawName(QByteArray(MaxNameLength + 1, 'x')) << M;
    QTest::newRow("name with a line feed") << helloWithRawName("Mi\nrela") << M;
    QTest::newRow("name with a right-to-left override")
        << helloWithRawName("Mi\xE2\x80\xAErela") << M;
    QTest::newRow("name with an isolate") << helloWithRawName("\xE2\x81\xA6Mirela") << M;
    QTest::newRow("name that is not UTF-8") << helloWithRawName("Mi\xC3\x28rela") << M;
    QTest::newRow("name with an encoded surrogate") << helloWithRawName("\xED\xA0\x80") << M;
    QTest::newRow("name with an overlong encoding") << helloWithRawName("\xC0\xAF") << M;
    QTest::newRow("card list digest of 31 bytes") << cbor([](QCborStreamWriter& w) {
        w.startMap(5);
        w.append(0);
        w.append(1);
        w.append(1);
        w.append(1);
        w.append(2);
        w.append(1);
        w.append(10);
        w.append(QStringLiteral("Mirela"));
        w.append(11);
        w.append(QByteArray(31, 'x'));
        w.endMap();
    }) << M;
    QTest::newRow("deeply nested")
        << QByteArray("\xA3\x00") + QByteArray(MaxFrameSize - 2, char(0x81)) << M;
    QTest::newRow("beyond the size limit") << QByteArray(MaxFrameSize + 1, '\0') << Fault::TooLarge;
}

void TestNetWire::refused() {
    QFETCH(QByteArray, payload);
    QFETCH(Fault, fault);
    const Decoded decoded = decodePayload(payload);
    QVERIFY(!decoded.message.has_value());
    QCOMPARE(decoded.fault, fault);
    if (fault == Fault::Version)
        QVERIFY(decoded.version != ProtocolVersion);
}

void TestNetWire::frames() {
    // A length beyond the limit is refused from the prefix alone, before
    // anything of the payload is held.
    {
        FrameReader reader;
        QCOMPARE(reader.wanted(), qsizetype(4));
        QCOMPARE(reader.append(QByteArray::fromHex("7fffffff")), Fault::TooLarge);
        FrameReader limit;
        QCOMPARE(limit.append(QByteArray::fromHex("00000401")), Fault::TooLarge);
        FrameReader atLimit;
        QCOMPARE(atLimit.append(QByteArray::fromHex("00000400")), Fault::None);
        QCOMPARE(atLimit.wanted(), MaxFrameSize);
    }
    {
        FrameReader reader;
        QCOMPARE(reader.append(QByteArray(4, '\0')), Fault::Malformed);
    }
    // Two frames in one read: the reader takes only what the first wants.
    {
        const QByteArray two = encode(Message{1, Heartbeat{}}) + encode(Message{2, Move{1, 2}});
        FrameReader reader;
        QByteArrayView rest(two);
        QList<Message> got;
        while (!rest.isEmpty()) {
            const qsizetype n = qMin(reader.wanted(), rest.size());
            QCOMPARE(reader.append(rest.first(n)), Fault::None);
            rest = rest.sliced(n);
            if (reader.complete())
                got << *decodePayload(reader.take()).message;
        }
        QCOMPARE(got.size(), 2);
        QVERIFY(got[1] == (Message{2, Move{1, 2}}));
    }
    // The frame of a message at its longest stays well inside the limit.
    const QString longest = QString::fromUcs4(U"\U0001F0CF").repeated(MaxNameLength);
    QVERIFY(validName(longest));
    const QByteArray welcome =
        encode(Message{0xFFFFFFFF, Welcome{{longest, longest, true, true, 32767}}});
    QVERIFY(welcome.size() - FrameHeaderSize <= MaxFrameSize);
    QVERIFY(decodePayload(QByteArrayView(welcome).sliced(4)).message);
}

void TestNetWire::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << QStringLiteral("Mirela") << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("accents and scripts") << QStringLiteral("Dorvík Мирела מירלה") << true;
    QTest::newRow("joined emoji") << QString::fromUtf8(
                                         "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB")
                                  << true;
    QTest::newRow("40 characters") << QString(40, QLatin1Char('a')) << true;
    QTest::newRow("41 characters") << QString(41, QLatin1Char('a')) << false;
    QTest::newRow("40 characters beyond the BMP")
        << QString::fromUcs4(U"\U0001F0CF").repeated(40) << true;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("DEL") << QStringLiteral("a\x7f") << false;
    QTest::newRow("C1 control") << QString::fromUcs4(U"a\u0085") << false;
    QTest::newRow("left-to-right embedding") << QString::fromUcs4(U"\u202Aa") << false;
    QTest::newRow("pop directional isolate") << QString::fromUcs4(U"a\u2069") << false;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) << false;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDC00)) + QStringLiteral("a") << false;
    QTest::newRow("noncharacter") << QString(QChar(0xFFFF)) << false;
}

void TestNetWire::names() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(validName(name), valid);
    // The writer never puts an invalid name on the wire.
    Conversation guest(Conversation::Side::Guest, script::cardList(), script::CardCount);
    Message m;
    QCOMPARE(guest.send(Hello{name, script::cardList()}, &m) == Fault::None, valid);
}

void TestNetWire::wholeMatch_data() {
    QTest::addColumn<bool>("openHand");
    QTest::addColumn<bool>("combo");
    QTest::newRow("closed hands, basic rules") << false << false;
    QTest::newRow("open hands, combo rules") << true << true;
}

// A match of five hands, as both sides' conversations see it: a hand that
// leaves both below the target, a round won by the guest, two rounds won by
// the host, and the third round won by the host, which ends the match.
void TestNetWire::wholeMatch() {
    QFETCH(bool, openHand);
    QFETCH(bool, combo);
    Conversation host(Conversation::Side::Host, script::cardList(), script::CardCount);
    Conversation guest(Conversation::Side::Guest, script::cardList(), script::CardCount);
    const MatchOptions options = script::options(openHand, combo);
    QCOMPARE(play(host, guest, script::greeting(options)), Fault::None);
    QCOMPARE(guest.phase(), Conversation::Phase::Choosing);
    QCOMPARE(host.peerName(), QStringLiteral("Mirela"));
    QCOMPARE(guest.peerName(), QStringLiteral("Dorvik"));
    QVERIFY(*guest.options() == options);

    const qint16 T = options.target;
    struct Hand {
        qint16 s1, s2;
        Outcome outcome;
        int winner;
    };
    const Hand hands[] = {{40, 30, Outcome::NextHand, 0},
                          {60, static_cast<qint16>(T + 5), Outcome::RoundWon, 2},
                          {T, 10, Outcome::RoundWon, 1},
                          {static_cast<qint16>(T + 1), T, Outcome::RoundWon, 1},
                          {static_cast<qint16>(T + 40), 0, Outcome::MatchWon, 1}};
    int begins = 2;
    for (const Hand& h : hands) {
        const QList<script::Step> choose = script::choosing(host, begins);
        QCOMPARE(play(host, guest, choose), Fault::None);
        QCOMPARE(guest.phase(), Conversation::Phase::Playing);
        QCOMPARE(guest.turn(), begins);
        const Deal deal = std::get<Deal>(choose.last().body);
        QCOMPARE(play(host, guest, script::placements(host, deal, h.s1, h.s2)), Fault::None);
        QCOMPARE(host.phase(), Conversation::Phase::HandOver);
        QCOMPARE(guest.cardsPlaced(), 9);
        const HandEnd end = script::handEnd(host);
        QCOMPARE(end.outcome, h.outcome);
        QCOMPARE(int(end.winner), h.winner);
        QCOMPARE(play(host, guest, {{true, end}}), Fault::None);
        // The beginner of the next hand is the player on turn after this one.
        begins = 3 - begins;
    }
    QCOMPARE(guest.phase(), Conversation::Phase::MatchOver);
    QCOMPARE(guest.roundsWon(1), 3);
    QCOMPARE(guest.roundsWon(2), 1);
    QCOMPARE(guest.round(), 4);
    // After the match only goodbyes remain.
    QCOMPARE(play(host, guest, {{true, Offer{{1, 2, 3, 4, 5, 6, 7, 8}}}}), Fault::OutOfTurn);
    Conversation host2(Conversation::Side::Host, script::cardList(), script::CardCount);
    Conversation guest2(Conversation::Side::Guest, script::cardList(), script::CardCount);
    QCOMPARE(play(host2, guest2, script::greeting(options)), Fault::None);
    QCOMPARE(play(host2, guest2, {{false, Heartbeat{}}, {true, Heartbeat{}}, {false, Leave{}}}),
             Fault::None);
    QCOMPARE(host2.phase(), Conversation::Phase::Ended);
}

using Tamper = std::function<QList<script::Step>(const Conversation& host)>;
Q_DECLARE_METATYPE(Tamper)

void TestNetWire::outOfTurn_data() {
    // Each row plays the greeting, then `before` (legal), then `bad`, which
    // the receiving side refuses with `fault`.
    QTest::addColumn<bool>("openHand");
    QTest::addColumn<int>("legalSteps"); // of the first hand (0..23), after the greeting
    QTest::addColumn<Tamper>("bad");
    QTest::addColumn<Fault>("fault");
    const Fault O = Fault::OutOfTurn;
    const Fault I = Fault::Illegal;
    auto step = [](bool fromHost, Body body) {
        return Tamper([fromHost, body](const Conversation&) {
            return QList<script::Step>{{fromHost, body}};
        });
    };
    // First hand: 0 offer, 1 selection, 2 deal (guest begins), then 3 move,
    // 4 placement 1 (guest on square 1), 5 placement 2 (host on square 2),
    // 6 move, 7 placement 3 ...
    QTest::newRow("hello twice") << false << 0 << step(false, Hello{"Mirela", script::cardList()})
                                 << O;
    QTest::newRow("welcome twice") << false << 0 << step(true, Welcome{script::options()}) << O;
    QTest::newRow("selection before the offer")
        << false << 0 << step(false, Selection{{1, 2, 3, 4, 5}}) << O;
    QTest::newRow("offer twice") << false << 1 << step(true, Offer{{1, 2, 3, 4, 5, 6, 7, 8}}) << O;
    QTest::newRow("offer of a card beyond the list")
        << false << 0 << step(true, Offer{{1, 2, 3, 4, 5, 6, 7, 607}}) << I;
    QTest::newRow("selection twice") << false << 2 << step(false, Selection{{1, 2, 3, 4, 5}}) << O;
    QTest::newRow("deal before the selection")
        << false << 1 << step(true, Deal{2, {11, 13, 14, 16, 18}, std::nullopt}) << O;
    QTest::newRow("deal of other cards than the marked ones")
        << false << 2 << step(true, Deal{2, {11, 12, 14, 16, 18}, std::nullopt}) << I;
    QTest::newRow("deal of the host's hand under Closed Hand")
        << false << 2 << step(true, Deal{2, {11, 13, 14, 16, 18}, {{1, 2, 3, 4, 5}}}) << I;
    QTest::newRow("deal without the host's hand under Open Hand")
        << true << 2 << step(true, Deal{2, {11, 13, 14, 16, 18}, std::nullopt}) << I;
    QTest::newRow("move before the deal") << false << 2 << step(false, Move{1, 1}) << O;
    QTest::newRow("move on the host's turn") << false << 5 << step(false, Move{2, 3}) << O;
    QTest::newRow("second move before the answer") << false << 4 << step(false, Move{2, 3}) << O;
    QTest::newRow("move of a card already played") << false << 6 << step(false, Move{1, 3}) << I;
    QTest::newRow("move onto a taken square") << false << 6 << step(false, Move{2, 2}) << I;
    QTest::newRow("placement of the guest's card unasked")
        << false << 3 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{2, 1, 1, 11, {}, 0, 0}}};
           })
        << O;
    QTest::newRow("placement other than the guest's move")
        << false << 4 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{2, 1, 4, 11, {}, 0, 0}}};
           })
        << I;
    QTest::newRow("placement of another card than dealt to the guest")
        << false << 4 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{2, 1, 1, 12, {}, 0, 0}}};
           })
        << I;
    QTest::newRow("placement of another card than the host's open hand")
        << true << 5 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{1, 1, 2, 504, {}, 0, 0}}};
           })
        << I;
    QTest::newRow("placement for the player not on turn")
        << false << 5 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{2, 2, 3, 13, {}, 0, 0}}};
           })
        << O;
    QTest::newRow("placement onto a taken square") << false << 5 << Tamper([](const Conversation&) {
        return QList<script::Step>{{true, Placement{1, 1, 1, 601, {}, 0, 0}}};
    }) << I;
    QTest::newRow("capture of an empty square") << false << 5 << Tamper([](const Conversation&) {
        return QList<script::Step>{{true, Placement{1, 1, 2, 601, {3}, 12, 0}}};
    }) << I;
    QTest::newRow("capture without a score") << false << 5 << Tamper([](const Conversation&) {
        return QList<script::Step>{{true, Placement{1, 1, 2, 601, {1}, 0, 0}}};
    }) << Fault::None; // a card of all zero edges scores nothing: allowed
    QTest::newRow("score without a capture") << false << 5 << Tamper([](const Conversation&) {
        return QList<script::Step>{{true, Placement{1, 1, 2, 601, {}, 5, 0}}};
    }) << I;
    QTest::newRow("the other player's score changed")
        << false << 5 << Tamper([](const Conversation&) {
               return QList<script::Step>{{true, Placement{1, 1, 2, 601, {1}, 10, 3}}};
           })
        << I;
    QTest::newRow("hand end before the ninth card")
        << false << 5 << step(true, HandEnd{Outcome::NextHand, 0, 0, 0, 1, 0, 0}) << O;
    QTest::newRow("a guest's placement") << false << 4 << Tamper([](const Conversation&) {
        return QList<script::Step>{{false, Placement{2, 2, 3, 13, {}, 0, 0}}};
    }) << O;
    QTest::newRow("a guest's deal")
        << false << 2 << step(false, Deal{2, {11, 13, 14, 16, 18}, {}}) << O;
    QTest::newRow("a host's move") << false << 5 << step(true, Move{1, 3}) << O;
    QTest::newRow("a host's hello")
        << false << 0 << step(true, Hello{"Dorvik", script::cardList()}) << O;
}

void TestNetWire::outOfTurn() {
    QFETCH(bool, openHand);
    QFETCH(int, legalSteps);
    QFETCH(Tamper, bad);
    QFETCH(Fault, fault);
    Conversation host(Conversation::Side::Host, script::cardList(), script::CardCount);
    Conversation guest(Conversation::Side::Guest, script::cardList(), script::CardCount);
    QCOMPARE(play(host, guest, script::greeting(script::options(openHand))), Fault::None);
    QList<script::Step> hand = script::choosing(host, 2);
    hand += script::placements(host, std::get<Deal>(hand.last().body), 20, 20);
    QCOMPARE(play(host, guest, hand.first(legalSteps)), Fault::None);

    // The bad message reaches the receiver as a hostile peer would write it:
    // numbered in order, past the sender's own checks.
    for (const script::Step& s : bad(host)) {
        Conversation& receiver = s.fromHost ? guest : host;
        Conversation& sender = s.fromHost ? host : guest;
        // Our own side refuses to send it at all.
        Message sent;
        QCOMPARE(sender.send(s.body, &sent), fault);
        if (fault == Fault::None) {
            QCOMPARE(receiver.receive(sent), Fault::None);
            continue;
        }
        // Numbered as the next message of its sender.
        int count = 0;
        for (const script::Step& t : script::greeting() + hand.first(legalSteps))
            if (t.fromHost == s.fromHost)
                ++count;
        const Conversation::Phase before = receiver.phase();
        QCOMPARE(receiver.receive(Message{static_cast<quint32>(count + 1), s.body}), fault);
        QVERIFY(before != Conversation::Phase::Ended);
        QCOMPARE(receiver.phase(), Conversation::Phase::Ended);
        // Nothing more is taken after a fault.
        QCOMPARE(receiver.receive(Message{static_cast<quint32>(count + 2), Heartbeat{}}),
                 Fault::OutOfTurn);
    }
}

void TestNetWire::handEnd_data() {
    QTest::addColumn<bool>("combo");
    QTest::addColumn<qint16>("s1");
    QTest::addColumn<qint16>("s2");
    QTest::addColumn<HandEnd>("expected");
    QTest::newRow("both below the target")
        << false << qint16(149) << qint16(120) << HandEnd{Outcome::NextHand, 0, 149, 120, 1, 0, 0};
    QTest::newRow("equal at the target")
        << false << qint16(160) << qint16(160) << HandEnd{Outcome::NextHand, 0, 160, 160, 1, 0, 0};
    QTest::newRow("both at the target, player 2 ahead")
        << false << qint16(150) << qint16(151) << HandEnd{Outcome::RoundWon, 2, 150, 151, 1, 0, 1};
    QTest::newRow("combo target") << true << qint16(90) << qint16(210)
                                  << HandEnd{Outcome::RoundWon, 2, 90, 210, 1, 0, 1};
    QTest::newRow("combo, below its target")
        << true << qint16(199) << qint16(150) << HandEnd{Outcome::NextHand, 0, 199, 150, 1, 0, 0};
}

void TestNetWire::handEnd() {
    QFETCH(bool, combo);
    QFETCH(qint16, s1);
    QFETCH(qint16, s2);
    QFETCH(HandEnd, expected);
    Conversation host(Conversation::Side::Host, script::cardList(), script::CardCount);
    Conversation guest(Conversation::Side::Guest, script::cardList(), script::CardCount);
    QCOMPARE(play(host, guest, script::greeting(script::options(false, combo))), Fault::None);
    const QList<script::Step> choose = script::choosing(host, 1);
    QCOMPARE(play(host, guest, choose), Fault::None);
    QCOMPARE(
        play(host, guest, script::placements(host, std::get<Deal>(choose.last().body), s1, s2)),
        Fault::None);
    // Any other account of the hand is refused by the guest.
    QList<HandEnd> wrong;
    for (Outcome o : {Outcome::NextHand, Outcome::RoundWon, Outcome::MatchWon})
        for (quint8 w : {0, 1, 2})
            for (quint8 r1 : {0, 1, 3})
                for (quint8 r2 : {0, 1})
                    wrong << HandEnd{o, w, s1, s2, 1, r1, r2};
    wrong << HandEnd{expected.outcome,    expected.winner,    s1, static_cast<qint16>(s2 + 1), 1,
                     expected.roundsWon1, expected.roundsWon2};
    wrong << HandEnd{expected.outcome,    expected.winner,    s1, s2, 2,
                     expected.roundsWon1, expected.roundsWon2};
    // The number the host's next message carries.
    Conversation probe = host;
    Message next;
    QCOMPARE(probe.send(Heartbeat{}, &next), Fault::None);
    int refused = 0;
    for (const HandEnd& w : wrong) {
        if (w == expected)
            continue;
        Conversation copy = guest;
        // The reader already refuses what contradicts itself; what it takes,
        // the conversation checks against the match.
        const Decoded d = decodePayload(encodePayload(Message{next.sequence, w}));
        if (!d.message) {
            ++refused;
            continue;
        }
        QCOMPARE(copy.receive(*d.message), Fault::Illegal);
        ++refused;
    }
    QVERIFY(refused >= 40);
    QCOMPARE(play(host, guest, {{true, expected}}), Fault::None);
    QCOMPARE(guest.phase(), Conversation::Phase::Choosing);
    QCOMPARE(guest.score(1), expected.outcome == Outcome::RoundWon ? qint16(0) : s1);
    QCOMPARE(guest.round(), expected.outcome == Outcome::RoundWon ? 2 : 1);
}

// The match behind a conversation cannot send what the other side would
// refuse; a refused send leaves the numbering as it was.
void TestNetWire::sendRefusesWhatThePeerWould() {
    Conversation host(Conversation::Side::Host, script::cardList(), script::CardCount);
    Conversation guest(Conversation::Side::Guest, script::cardList(), script::CardCount);
    QCOMPARE(play(host, guest, script::greeting()), Fault::None);
    Message m;
    QCOMPARE(host.send(Move{1, 1}, &m), Fault::OutOfTurn);
    QCOMPARE(host.send(Placement{1, 9, 1, 1, {}, 0, 0}, &m), Fault::Malformed);
    QCOMPARE(host.send(Welcome{{"Dorvik", "Mirela", false, false, -3}}, &m), Fault::Malformed);
    QCOMPARE(host.send(Error{Fault::WrongCode}, &m), Fault::Malformed);
    QCOMPARE(host.send(Heartbeat{}, &m), Fault::None);
    QCOMPARE(m.sequence, quint32(2)); // the welcome was 1
    QCOMPARE(guest.receive(m), Fault::None);
    // A hello with another card list is refused as such.
    Conversation host2(Conversation::Side::Host, script::cardList(), script::CardCount);
    QCOMPARE(host2.receive(Message{1, Hello{"Mirela", QByteArray(32, 'x')}}), Fault::CardList);
    // A replay of the same number, and a number skipped.
    QCOMPARE(guest.receive(m), Fault::OutOfTurn);
    Conversation guest2(Conversation::Side::Guest, script::cardList(), script::CardCount);
    QCOMPARE(guest2.receive(Message{2, Heartbeat{}}), Fault::OutOfTurn);
    // After its own fault a side may still say why.
    QCOMPARE(guest2.send(Error{Fault::OutOfTurn}, &m), Fault::None);
    QCOMPARE(guest2.send(Heartbeat{}, &m), Fault::OutOfTurn);
}

void TestNetWire::joinCodeGenerated() {
    const QRegularExpression shape(
        QStringLiteral("^[2-9A-HJ-NP-Z]{4}-[2-9A-HJ-NP-Z]{4}-[2-9A-HJ-NP-Z]{2}$"));
    QCOMPARE(JoinCode::alphabet().size(), 32);
    for (QChar c : QStringLiteral("01IO"))
        QVERIFY(!JoinCode::alphabet().contains(c));
    QVERIFY(JoinCode::Length * JoinCode::BitsPerSymbol >= 40);
    QSet<QString> codes;
    QHash<QChar, int> seen;
    for (int i = 0; i < 2000; ++i) {
        const JoinCode code = JoinCode::generate();
        QVERIFY2(shape.match(code.grouped()).hasMatch(), qPrintable(code.grouped()));
        codes.insert(code.symbols());
        for (QChar c : code.symbols())
            ++seen[c];
    }
    QCOMPARE(codes.size(), 2000);
    // Every symbol is drawn, each near its share of 625 (far outside these
    // bounds only for a broken draw).
    QCOMPARE(seen.size(), 32);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(it.value() > 450 && it.value() < 800, qPrintable(QString(it.key())));
    const JoinCode code = *JoinCode::parse(u"K7QF9M2TXW");
    QCOMPARE(code.grouped(), QStringLiteral("K7QF-9M2T-XW"));
    QCOMPARE(code.spelled(), QStringLiteral("K 7 Q F, 9 M 2 T, X W"));
}

void TestNetWire::joinCodeTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("symbols"); // empty: refused
    QTest::newRow("as shown") << QStringLiteral("K7QF-9M2T-XW") << QStringLiteral("K7QF9M2TXW");
    QTest::newRow("small letters")
        << QStringLiteral("k7qf-9m2t-xw") << QStringLiteral("K7QF9M2TXW");
    QTest::newRow("without dashes") << QStringLiteral("K7QF9M2TXW") << QStringLiteral("K7QF9M2TXW");
    QTest::newRow("with spaces") << QStringLiteral("  k7qf 9m2t xw ")
                                 << QStringLiteral("K7QF9M2TXW");
    QTest::newRow("dashes anywhere")
        << QStringLiteral("K-7-Q-F9M2TXW") << QStringLiteral("K7QF9M2TXW");
    QTest::newRow("one symbol short") << QStringLiteral("K7QF-9M2T-X") << QString();
    QTest::newRow("one symbol more") << QStringLiteral("K7QF-9M2T-XWA") << QString();
    QTest::newRow("a zero") << QStringLiteral("K7QF-9M2T-X0") << QString();
    QTest::newRow("an O") << QStringLiteral("K7QF-9M2T-XO") << QString();
    QTest::newRow("a one") << QStringLiteral("K7QF-9M2T-X1") << QString();
    QTest::newRow("an I") << QStringLiteral("K7QF-9M2T-XI") << QString();
    QTest::newRow("a full-width K") << QString::fromUcs4(U"\uFF2B7QF-9M2T-XW") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestNetWire::joinCodeTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, symbols);
    QString error;
    const std::optional<JoinCode> code = JoinCode::parse(typed, &error);
    QCOMPARE(code.has_value(), !symbols.isEmpty());
    if (code) {
        QCOMPARE(code->symbols(), symbols);
    } else {
        QVERIFY(!error.isEmpty());
    }
}

// The key is PBKDF2-HMAC-SHA-256 of the code with the game's salt: another
// copy of the game derives the same key only with the same parameters.
void TestNetWire::joinCodeKey() {
    const JoinCode code = *JoinCode::parse(u"k7qf-9m2t-xw");
    QCOMPARE(code.key().toHex(),
             QByteArray("f06962f40ef7eb15db231a09606fac55a941b293a9833198d1c5f62f73835866"));
    QCOMPARE(JoinCode::parse(u"K7QF9M2TXW")->key(), code.key());
    QVERIFY(JoinCode::parse(u"K7QF9M2TXX")->key() != code.key());
}

void TestNetWire::endpoints_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("host"); // empty: refused
    QTest::addColumn<int>("port");
    const int D = DefaultPort;
    QTest::newRow("IPv4") << QStringLiteral("192.168.1.20") << QStringLiteral("192.168.1.20") << D;
    QTest::newRow("IPv4 and port")
        << QStringLiteral(" 192.168.1.20:5000 ") << QStringLiteral("192.168.1.20") << 5000;
    QTest::newRow("name") << QStringLiteral("mirela-pc.local") << QStringLiteral("mirela-pc.local")
                          << D;
    QTest::newRow("name and port")
        << QStringLiteral("localhost:65535") << QStringLiteral("localhost") << 65535;
    QTest::newRow("IPv6") << QStringLiteral("fd00::2") << QStringLiteral("fd00::2") << D;
    QTest::newRow("IPv6 loopback") << QStringLiteral("::1") << QStringLiteral("::1") << D;
    QTest::newRow("IPv6 in brackets")
        << QStringLiteral("[fd00::2]") << QStringLiteral("fd00::2") << D;
    QTest::newRow("IPv6 and port")
        << QStringLiteral("[fd00::2]:5000") << QStringLiteral("fd00::2") << 5000;
    QTest::newRow("IPv6 link-local")
        << QStringLiteral("fe80::1%eth0") << QStringLiteral("fe80::1%eth0") << D;
    QTest::newRow("port 0") << QStringLiteral("localhost:0") << QString() << 0;
    QTest::newRow("port 65536") << QStringLiteral("localhost:65536") << QString() << 0;
    QTest::newRow("port not a number") << QStringLiteral("localhost:http") << QString() << 0;
    QTest::newRow("empty port") << QStringLiteral("localhost:") << QString() << 0;
    QTest::newRow("empty") << QStringLiteral("  ") << QString() << 0;
    QTest::newRow("unclosed bracket") << QStringLiteral("[fd00::2:5000") << QString() << 0;
    QTest::newRow("IPv4 in brackets") << QStringLiteral("[10.0.0.1]:5") << QString() << 0;
    QTest::newRow("text after the bracket") << QStringLiteral("[::1]5000") << QString() << 0;
    QTest::newRow("spaces inside") << QStringLiteral("mirela pc") << QString() << 0;
    QTest::newRow("a path") << QStringLiteral("host/../etc") << QString() << 0;
    QTest::newRow("a URL") << QStringLiteral("http://host") << QString() << 0;
}

void TestNetWire::endpoints() {
    QFETCH(QString, typed);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString error;
    const std::optional<Endpoint> endpoint = parseEndpoint(typed, DefaultPort, &error);
    QCOMPARE(endpoint.has_value(), !host.isEmpty());
    if (endpoint) {
        QCOMPARE(endpoint->host, host);
        QCOMPARE(int(endpoint->port), port);
    } else {
        QVERIFY(!error.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestNetWire)
#include "tst_netwire.moc"
