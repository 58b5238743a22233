#pragma once

#include <QString>

class QSqlQuery;

#include <array>
#include <functional>
#include <optional>

namespace record {

// Whom the person here played against: a person at the same screen, the
// computer at one of its levels, or a person at another screen of a network
// match (whose name is the match's other player name).
enum class Opponent { Person, Easy, Normal, Hard, Network };
// The opponents the statistics window lists, one row each.
constexpr std::array<Opponent, 5> AllOpponents{Opponent::Easy, Opponent::Normal, Opponent::Hard,
                                               Opponent::Person, Opponent::Network};

// How one hand was played and what it gave: points are the scores each player
// gained in it (scores carry over the hands of a round).
struct HandResult {
    QString matchKey; // the match the hand belongs to
    int hand = 0;     // 1 for the first hand of the match
    Opponent opponent = Opponent::Person;
    bool openHand = true;
    bool comboRule = false;
    int points1 = 0;
    int points2 = 0;
};

// A match won by one of the players: three rounds to at most two. Hands and
// matches are written from the side of the person here: "1" is his side.
struct MatchResult {
    QString matchKey;
    Opponent opponent = Opponent::Person;
    QString player1Name;
    QString player2Name;
    bool openHand = true;
    bool comboRule = false;
    int winner = 0; // 1 or 2
    int rounds1 = 0;
    int rounds2 = 0;
    int hands = 0;
    int points1 = 0; // match totals, as the result window shows them
    int points2 = 0;
};

// The record against one opponent, from the side of the person here (player
// 1, or player 2 when he joined a network match).
struct Tally {
    int matchesWon = 0;
    int matchesLost = 0;
    int roundsWon = 0;
    int roundsLost = 0;
    int handsWon = 0;
    int handsLost = 0;
    int handsDrawn = 0;
    qint64 pointsFor = 0;
    qint64 pointsAgainst = 0;
    int longestStreak = 0; // most matches won in a row
    bool operator==(const Tally&) const = default;
};

// Which matches and hands a tally counts; an empty field counts all.
struct Filter {
    std::optional<bool> openHand;
    std::optional<bool> comboRule;
};

// The record of every finished match and hand of the user, kept in a SQLite
// file of its own beside the card database (platform::recordFile()). Every
// write is one transaction keyed by the match, so a game killed at any moment
// leaves each finished match in the file exactly once, and a write repeated
// after a restart changes nothing. A damaged file is set aside under a name
// saying when and why and a fresh one started, as the card database is. The
// record is the player's, not the game's: when its file cannot be written
// the game goes on and says so on standard error.
class Record {
  public:
    // The record of the running program's file, opened (and checked) on
    // first use and again whenever the file it belongs to changes.
    static Record& instance();
    // Closes the file (tests that remove it, the end of the program).
    static void closeInstance();

    // Both return whether the result is in the file.
    bool addHand(const HandResult& hand);
    // The match and its last hand go into the file together.
    bool addMatch(const MatchResult& match, const HandResult& lastHand);

    Tally tally(Opponent opponent, const Filter& filter = {}) const;
    // Empties the record; true when done.
    bool reset();

    // Whether the file could be opened; if not, why.
    bool isAvailable() const { return m_open; }
    const QString& problem() const { return m_problem; }
    const QString& fileName() const { return m_file; }
    // The name a damaged file was set aside under when this record opened.
    const QString& setAside() const { return m_setAside; }

    explicit Record(const QString& file);
    ~Record();
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

  private:
    bool write(const std::function<bool(QSqlQuery&)>& statements);
    void fail(const QString& what, const QString& error);

    QString m_file;
    QString m_connection;
    QString m_problem;
    QString m_setAside;
    bool m_open = false;
};

// The first problem of the record file `file`, or "" when it is a sound
// record (or absent or empty, which a fresh record starts from).
QString recordProblem(const QString& file);

// The name an opponent has in the file and in the words of the windows.
QString opponentKey(Opponent opponent);
std::optional<Opponent> opponentFromKey(const QString& key);
QString opponentName(Opponent opponent);

} // namespace record
