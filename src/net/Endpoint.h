#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace net {

// The port a host listens on unless told otherwise.
inline constexpr quint16 DefaultPort = 47107;

// Where a guest connects: a host name or address, and a port.
struct Endpoint {
    QString host;
    quint16 port = DefaultPort;
    bool operator==(const Endpoint&) const = default;
};

// Reads "ADDRESS[:PORT]" as a person types it: "192.168.1.20",
// "192.168.1.20:5000", "mirela-pc.local", "fd00::2", "[fd00::2]:5000",
// "fe80::1%eth0". Without a port, `defaultPort`. Nullopt, with the reason in
// `error`, for anything else.
std::optional<Endpoint> parseEndpoint(QStringView typed, quint16 defaultPort = DefaultPort,
                                      QString* error = nullptr);

// A port as typed after --host=: 1 to 65535.
std::optional<quint16> parsePort(QStringView typed);

// The addresses of this computer a guest may reach it at, the likeliest
// first: IPv4, then global IPv6, then link-local IPv6 (with its interface);
// the loopback addresses only when there is nothing else.
QList<QHostAddress> localAddresses();

// "192.168.1.20:47107", "[fd00::2]:47107".
QString endpointText(const QHostAddress& address, quint16 port);

} // namespace net
