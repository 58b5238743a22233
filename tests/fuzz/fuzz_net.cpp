// libFuzzer entry for the network match's reader: the input is a stream of
// bytes as a peer would send it. It is cut into frames as the connection
// does, each payload is read, and every message read goes through the
// conversation of the side that would receive it (the first byte picks the
// side), renumbered in order so that the fuzzer can walk the match's states.
// Crashes, sanitizer reports, slow inputs and a message that passes the
// reader but does not survive its own writer are what it looks for.
#include "net/Conversation.h"
#include "net/Wire.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool host = data[0] & 1;
    net::Conversation conversation(host ? net::Conversation::Side::Host
                                        : net::Conversation::Side::Guest,
                                   QByteArray(net::CardListDigestSize, '\x5a'), 606);
    QByteArrayView rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    net::FrameReader reader;
    quint32 sequence = 0;
    while (!rest.isEmpty()) {
        const qsizetype n = qMin(reader.wanted(), rest.size());
        if (n <= 0)
            abort(); // the reader must always want something
        if (reader.append(rest.first(n)) != net::Fault::None)
            return 0;
        rest = rest.sliced(n);
        if (!reader.complete())
            continue;
        const QByteArray payload = reader.take();
        const net::Decoded decoded = net::decodePayload(payload);
        if (!decoded.message)
            continue;
        // What the reader accepts, the writer writes back the same.
        const net::Decoded again = net::decodePayload(net::encodePayload(*decoded.message));
        if (!again.message || !(*again.message == *decoded.message))
            abort();
        net::Message message = *decoded.message;
        message.sequence = ++sequence;
        if (conversation.receive(message) != net::Fault::None)
            return 0;
    }
    return 0;
}
