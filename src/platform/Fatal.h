#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace platform {

// A failure the program cannot continue from: a table operation that failed,
// a record that was not found, a picture that cannot be loaded, a 16-bit
// overflow. The default handler reports it once and ends the program; tests
// install a handler that throws this exception instead.
class FatalError : public std::exception {
  public:
    explicit FatalError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

  private:
    QString m_message;
    QByteArray m_utf8;
};

using FatalHandler = std::function<void(const QString& message)>;

// Replaces the handler; returns the previous one. An empty handler restores
// the default report-and-exit behaviour.
FatalHandler setFatalHandler(FatalHandler handler);

// Reports `message` and never returns.
[[noreturn]] void fatal(const QString& message);

// True once the default handler has started to end the program: event
// handlers check it so that nothing of the game runs while the report shows.
bool isDying();

// The exit status of a fatal report.
constexpr int FatalExitStatus = 2;

} // namespace platform
