#include "net/JoinCode.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace net {

namespace {
// Ties the derived key to this use: the same code typed elsewhere gives
// another key.
const QByteArray Salt = QByteArrayLiteral("io.github.quorvel.Quorvel network match join code 1");
} // namespace

const QString& JoinCode::alphabet() {
    static const QString symbols = QStringLiteral("23456789ABCDEFGHJKLMNPQRSTUVWXYZ");
    return symbols;
}

JoinCode JoinCode::generate() {
    static_assert(1 << BitsPerSymbol == 32);
    QString symbols;
    for (int i = 0; i < Length; ++i)
        symbols += alphabet()[QRandomGenerator::system()->bounded(alphabet().size())];
    return JoinCode(symbols);
}

std::optional<JoinCode> JoinCode::parse(QStringView typed, QString* error) {
    QString symbols;
    for (QChar c : typed) {
        if (c == QLatin1Char('-') || c.isSpace())
            continue;
        c = c.toUpper();
        if (!alphabet().contains(c)) {
            if (error)
                *error = QCoreApplication::translate(
                             "Network", "A join code has no \u201c%1\u201d: it uses the digits 2 "
                                        "to 9 and the letters other than I and O.")
                             .arg(c);
            return std::nullopt;
        }
        symbols += c;
    }
    if (symbols.size() != Length) {
        if (error)
            *error = QCoreApplication::translate(
                "Network", "A join code has ten letters and digits, such as K7QF-9M2T-XW.");
        return std::nullopt;
    }
    return JoinCode(symbols);
}

QString JoinCode::grouped() const {
    return m_symbols.left(4) + QLatin1Char('-') + m_symbols.mid(4, 4) + QLatin1Char('-') +
           m_symbols.mid(8);
}

QString JoinCode::spelled() const {
    QStringList groups;
    for (const QString& group : grouped().split(QLatin1Char('-'))) {
        QStringList letters;
        for (QChar c : group)
            letters << QString(c);
        groups << letters.join(QLatin1Char(' '));
    }
    return groups.join(QStringLiteral(", "));
}

QByteArray JoinCode::key() const {
    if (m_key.isEmpty())
        m_key = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, m_symbols.toUtf8(),
                                                   Salt, KeyIterations, 32);
    return m_key;
}

} // namespace net
