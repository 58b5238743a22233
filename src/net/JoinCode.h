#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace net {

// The secret a host shows and its guest types: ten symbols of an alphabet
// without look-alike characters (no 0, 1, I or O), 50 random bits from the
// system's random source, shown in groups as "K7QF-9M2T-XW". Typing is
// forgiving: small letters, dashes and spaces are accepted.
//
// Both sides turn the code into the pre-shared key of their TLS connection
// with PBKDF2 (HMAC-SHA-256), so that a connection only comes about between
// two games that know the same code, and a recorded handshake does not give
// the code away cheaply.
class JoinCode {
  public:
    static constexpr int Length = 10;
    static constexpr int BitsPerSymbol = 5;
    static const QString& alphabet();

    // A fresh code from QRandomGenerator::system().
    static JoinCode generate();
    // The code a person typed; nullopt (and `error` says why) when it is not one.
    static std::optional<JoinCode> parse(QStringView typed, QString* error = nullptr);

    // "K7QF9M2TXW"
    const QString& symbols() const { return m_symbols; }
    // "K7QF-9M2T-XW"
    QString grouped() const;
    // The code as a screen reader should spell it: "K 7 Q F, 9 M 2 T, X W".
    QString spelled() const;
    // The 32-byte pre-shared key; derived once and kept.
    QByteArray key() const;

    bool operator==(const JoinCode& other) const { return m_symbols == other.m_symbols; }

    static constexpr int KeyIterations = 30000;

  private:
    explicit JoinCode(QString symbols) : m_symbols(std::move(symbols)) {}
    QString m_symbols;
    mutable QByteArray m_key;
};

} // namespace net
