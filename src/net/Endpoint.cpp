#include "net/Endpoint.h"

#include <QCoreApplication>
#include <QNetworkInterface>

namespace net {

namespace {

// A host name: labels of letters, digits and hyphens (and underscores, which
// some local names carry), separated by dots.
bool validHostName(QStringView host) {
    if (host.isEmpty() || host.size() > 253)
        return false;
    for (QStringView label : host.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith(QLatin1Char('-')) ||
            label.endsWith(QLatin1Char('-')))
            return false;
        for (QChar c : label)
            if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')))
                return false;
    }
    return true;
}
} // namespace

std::optional<quint16> parsePort(QStringView typed) {
    bool ok = false;
    const uint port = typed.trimmed().toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

std::optional<Endpoint> parseEndpoint(QStringView typed, quint16 defaultPort, QString* error) {
    auto refuse = [error](const QString& why) -> std::optional<Endpoint> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return refuse(QCoreApplication::translate(
            "Network", "Type the host's address, such as 192.168.1.20 or mirela-pc.local."));
    QStringView host = text;
    QStringView port;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return refuse(QCoreApplication::translate(
                "Network", "An address in brackets needs its closing bracket."));
        host = text.mid(1, close - 1);
        const QStringView rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return refuse(QCoreApplication::translate(
                    "Network", "After the bracketed address only a colon and a port may "
                               "follow."));
            port = rest.mid(1);
        }
        if (QHostAddress(host.toString()).protocol() != QAbstractSocket::IPv6Protocol)
            return refuse(QCoreApplication::translate("Network", "Brackets hold an IPv6 address."));
    } else if (text.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        host = text.first(colon);
        port = text.mid(colon + 1);
    }
    Endpoint endpoint{host.toString(), defaultPort};
    if (!port.isNull()) {
        const std::optional<quint16> number = parsePort(port);
        if (!number)
            return refuse(
                QCoreApplication::translate("Network", "The port is a number from 1 to 65535."));
        endpoint.port = *number;
    }
    QHostAddress address;
    if (!address.setAddress(endpoint.host) && !validHostName(endpoint.host))
        return refuse(QCoreApplication::translate(
                          "Network", "\u201c%1\u201d is neither an address nor a computer's name.")
                          .arg(endpoint.host));
    return endpoint;
}

QList<QHostAddress> localAddresses() {
    QList<QHostAddress> v4, v6, linkLocal, loopback;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        if (!(nic.flags() & QNetworkInterface::IsUp) ||
            !(nic.flags() & QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : nic.addressEntries()) {
            QHostAddress a = entry.ip();
            if (a.isLoopback())
                loopback << a;
            else if (a.protocol() == QAbstractSocket::IPv4Protocol)
                v4 << a;
            else if (a.isLinkLocal())
                linkLocal << a;
            else if (a.protocol() == QAbstractSocket::IPv6Protocol)
                v6 << a;
        }
    }
    QList<QHostAddress> all = v4 + v6 + linkLocal;
    return all.isEmpty() ? loopback : all;
}

QString endpointText(const QHostAddress& address, quint16 port) {
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        return QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

} // namespace net
