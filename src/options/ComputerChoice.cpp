#include "options/ComputerChoice.h"

#include <QCoreApplication>

namespace options {

namespace {
const QString Person = QStringLiteral("Mirela");
// The computer level chosen on the command line, -1 for a person.
qsizetype g_startingLevel = -1;
} // namespace

QStringList computerNames() {
    return {QCoreApplication::translate("ComputerChoice", "Computer (easy)"),
            QCoreApplication::translate("ComputerChoice", "Computer (normal)"),
            QCoreApplication::translate("ComputerChoice", "Computer (hard)")};
}

std::optional<computer::Level> computerLevel(const QString& player2Name) {
    switch (computerNames().indexOf(player2Name)) {
    case 0:
        return computer::Level::Easy;
    case 1:
        return computer::Level::Normal;
    case 2:
        return computer::Level::Hard;
    default:
        return std::nullopt;
    }
}

QStringList networkChoices() {
    return {QCoreApplication::translate("ComputerChoice", "Host a game on the network…"),
            QCoreApplication::translate("ComputerChoice", "Join a game on the network…")};
}

NetworkChoice networkChoice(const QString& player2Name) {
    switch (networkChoices().indexOf(player2Name)) {
    case 0:
        return NetworkChoice::Host;
    case 1:
        return NetworkChoice::Join;
    default:
        return NetworkChoice::None;
    }
}

QString personName() {
    return Person;
}

QString startingPlayer2Name() {
    return g_startingLevel < 0 ? Person : computerNames().value(g_startingLevel);
}

bool applyComputerOption(const QString& value) {
    static const QStringList levels{QStringLiteral("easy"), QStringLiteral("normal"),
                                    QStringLiteral("hard")};
    const qsizetype level = levels.indexOf(value);
    if (level < 0)
        return false;
    g_startingLevel = level;
    return true;
}

void resetStartingPlayer2() {
    g_startingLevel = -1;
}

} // namespace options
