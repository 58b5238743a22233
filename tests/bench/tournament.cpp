// The computer player against itself, headless and seeded: each pairing of
// players under both rules and both hand options, the first player
// alternating from hand to hand. Prints the table and exits with status 1
// when a player wins less than its target share of the decided hands under
// a hand option (both rules together).
//
//   quorvel_tournament [hands per pairing and option set, default 400] [seed]
//                      [pairing names, e.g. "hard-reference"; default all;
//                       "hard-normal:closed" plays only that hand option;
//                       "oracle-normal" is played only when named: the hard
//                       level shown the hidden hand, the ceiling of Closed
//                       Hand play against normal; so are "hardmoves-" and
//                       "hardselect-" against "reference" or "normal":
//                       hard's moves with the reference's choice of five,
//                       and the reference's moves with hard's choice]

#include "computer/Tournament.h"
#include "computer/ReferenceHard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int hands = argc > 1 ? std::atoi(argv[1]) : 400;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
    QStringList wanted;
    for (int i = 3; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);
    const std::vector<computer::Card> list =
        tournament::cardList(QStringLiteral(QUORVEL_SOURCE_DIR "/data/cards.csv"));

    using computer::Level;
    // Hard's moves with the reference's choice of five, and the reference's
    // moves with hard's choice: where hard's share comes from.
    tournament::Player hardMoves = tournament::levelPlayer(Level::Hard);
    hardMoves.name = "hardmoves";
    hardMoves.select = tournament::referencePlayer().select;
    tournament::Player hardSelect = tournament::referencePlayer();
    hardSelect.name = "hardselect";
    hardSelect.select = tournament::levelPlayer(Level::Hard).select;

    // The reference is the hard level as it played before its search was
    // rebuilt; the game never offers it.
    struct Pairing {
        tournament::Player first, second;
        double openTarget, closedTarget;
        // Played only when named: a measure, not a level of the game.
        bool onRequest = false;
    };
    const Pairing pairings[] = {
        {tournament::levelPlayer(Level::Hard), tournament::levelPlayer(Level::Normal), 0.65, 0.85},
        {tournament::levelPlayer(Level::Normal), tournament::levelPlayer(Level::Easy), 0.65, 0.65},
        {tournament::levelPlayer(Level::Hard), tournament::referencePlayer(), 0.50, 0.65},
        {tournament::oraclePlayer(), tournament::levelPlayer(Level::Normal), 0, 0, true},
        {hardMoves, tournament::referencePlayer(), 0, 0, true},
        {hardMoves, tournament::levelPlayer(Level::Normal), 0, 0, true},
        {hardSelect, tournament::referencePlayer(), 0, 0, true},
        {hardSelect, tournament::levelPlayer(Level::Normal), 0, 0, true},
    };

    std::printf("%-18s %-12s %-6s %6s %6s %6s %6s %9s %8s\n", "pairing", "hand", "rules", "hands",
                "wins", "losses", "draws", "won", "time s");
    int missed = 0;
    for (const Pairing& p : pairings) {
        const QString name = QStringLiteral("%1 v %2").arg(QString::fromStdString(p.first.name),
                                                           QString::fromStdString(p.second.name));
        const QString key = QStringLiteral("%1-%2").arg(QString::fromStdString(p.first.name),
                                                        QString::fromStdString(p.second.name));
        const bool every = (wanted.isEmpty() && !p.onRequest) || wanted.contains(key);
        const bool openWanted = every || wanted.contains(key + QLatin1String(":open"));
        const bool closedWanted = every || wanted.contains(key + QLatin1String(":closed"));
        for (bool open : {true, false}) {
            if (!(open ? openWanted : closedWanted))
                continue;
            tournament::Tally all;
            for (computer::Rule rule : {computer::Rule::Basic, computer::Rule::BasicCombo}) {
                QElapsedTimer clock;
                clock.start();
                const tournament::Tally t =
                    tournament::pairing(p.first, p.second, open, rule, hands, list, seed);
                all.hands += t.hands;
                all.wins += t.wins;
                all.losses += t.losses;
                std::printf("%-18s %-12s %-6s %6d %6d %6d %6d %8.1f%% %8.1f\n", qPrintable(name),
                            open ? "Open Hand" : "Closed Hand",
                            rule == computer::Rule::Basic ? "Basic" : "Combo", t.hands, t.wins,
                            t.losses, t.hands - t.wins - t.losses, 100 * t.share(),
                            clock.elapsed() / 1000.0);
                std::fflush(stdout);
            }
            const double target = open ? p.openTarget : p.closedTarget;
            const bool met = all.share() >= target;
            std::printf("%-18s %-12s %-6s %6d %6d %6d %6d %8.1f%% %8s target %.0f%%%s\n", "",
                        open ? "Open Hand" : "Closed Hand", "both", all.hands, all.wins, all.losses,
                        all.hands - all.wins - all.losses, 100 * all.share(), "", 100 * target,
                        met ? "" : "  MISSED");
            std::fflush(stdout);
            if (!met)
                ++missed;
        }
    }
    if (missed > 0) {
        std::printf("TARGET MISSED: %d pairings and hand options below their target\n", missed);
        return 1;
    }
    std::printf("every pairing met its target\n");
    return 0;
}
