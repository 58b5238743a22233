#include "options/ComputerChoice.h"

namespace options {

namespace {
const QString Person = QStringLiteral("Mirela");
QString g_startingName = Person;
} // namespace

const QStringList& computerNames() {
    static const QStringList names{QStringLiteral("Computer (easy)"),
                                   QStringLiteral("Computer (normal)"),
                                   QStringLiteral("Computer (hard)")};
    return names;
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

QString startingPlayer2Name() {
    return g_startingName;
}

bool applyComputerOption(const QString& value) {
    static const QStringList levels{QStringLiteral("easy"), QStringLiteral("normal"),
                                    QStringLiteral("hard")};
    const qsizetype level = levels.indexOf(value);
    if (level < 0)
        return false;
    g_startingName = computerNames()[level];
    return true;
}

void resetStartingPlayer2() {
    g_startingName = Person;
}

} // namespace options
