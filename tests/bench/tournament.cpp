// The computer player against itself, headless and seeded: every pairing of
// levels under both rules and both hand options, the first player alternating
// from hand to hand. Prints the table and exits with status 1 when a stronger
// level wins less than its target share of the decided hands.
//
//   quorvel_tournament [hands per pairing and option set, default 400] [seed]

#include "computer/Tournament.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int hands = argc > 1 ? std::atoi(argv[1]) : 400;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
    constexpr double Target = 0.65;
    const std::vector<computer::Card> list =
        tournament::cardList(QStringLiteral(QUORVEL_SOURCE_DIR "/data/cards.csv"));

    struct Pairing {
        computer::Level stronger, weaker;
    };
    const Pairing pairings[] = {{computer::Level::Hard, computer::Level::Normal},
                                {computer::Level::Normal, computer::Level::Easy}};

    std::printf("%-16s %-12s %-6s %6s %6s %6s %6s %9s %8s\n", "pairing", "hand", "rules", "hands",
                "wins", "losses", "draws", "won", "time s");
    int missed = 0;
    for (const Pairing& p : pairings) {
        tournament::Tally all;
        for (bool open : {true, false})
            for (computer::Rule rule : {computer::Rule::Basic, computer::Rule::BasicCombo}) {
                QElapsedTimer clock;
                clock.start();
                const tournament::Tally t =
                    tournament::pairing(p.stronger, p.weaker, open, rule, hands, list, seed);
                all.hands += t.hands;
                all.wins += t.wins;
                all.losses += t.losses;
                const QString name = QStringLiteral("%1 v %2").arg(
                    tournament::levelName(p.stronger), tournament::levelName(p.weaker));
                std::printf("%-16s %-12s %-6s %6d %6d %6d %6d %8.1f%% %8.1f\n", qPrintable(name),
                            open ? "Open Hand" : "Closed Hand",
                            rule == computer::Rule::Basic ? "Basic" : "Combo", t.hands, t.wins,
                            t.losses, t.hands - t.wins - t.losses, 100 * t.share(),
                            clock.elapsed() / 1000.0);
                std::fflush(stdout);
                if (t.share() < Target)
                    ++missed;
            }
        std::printf("%-16s %-12s %-6s %6d %6d %6d %6d %8.1f%%\n", "", "all", "", all.hands,
                    all.wins, all.losses, all.hands - all.wins - all.losses, 100 * all.share());
    }
    if (missed > 0) {
        std::printf("TARGET MISSED: %d option sets below %.0f%% of decided hands\n", missed,
                    100 * Target);
        return 1;
    }
    std::printf("every stronger level won at least %.0f%% of the decided hands\n", 100 * Target);
    return 0;
}
