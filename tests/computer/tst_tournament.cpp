#include "computer/Tournament.h"

#include <QTest>

// A short seeded tournament of the computer player against itself, under both
// rules and both hand options with the first player alternating: each level
// must beat the one below it. The full tournament is `make tournament`.

Q_DECLARE_METATYPE(computer::Level)

class TournamentTest : public QObject {
    Q_OBJECT
  private slots:
    void strongerLevelWins_data();
    void strongerLevelWins();
    void handsAreReplayable();
};

void TournamentTest::strongerLevelWins_data() {
    QTest::addColumn<computer::Level>("stronger");
    QTest::addColumn<computer::Level>("weaker");
    QTest::addColumn<int>("hands");
    QTest::newRow("hard v normal") << computer::Level::Hard << computer::Level::Normal << 20;
    QTest::newRow("normal v easy") << computer::Level::Normal << computer::Level::Easy << 100;
}

void TournamentTest::strongerLevelWins() {
    QFETCH(computer::Level, stronger);
    QFETCH(computer::Level, weaker);
    QFETCH(int, hands);
    const std::vector<computer::Card> list =
        tournament::cardList(QStringLiteral(QUORVEL_SOURCE_DIR "/data/cards.csv"));
    QCOMPARE(int(list.size()), 606);
    tournament::Tally all;
    for (bool open : {true, false})
        for (computer::Rule rule : {computer::Rule::Basic, computer::Rule::BasicCombo}) {
            const tournament::Tally t =
                tournament::pairing(stronger, weaker, open, rule, hands, list, 31);
            qInfo("%s, %s: %d won, %d lost, %d drawn", open ? "Open Hand" : "Closed Hand",
                  rule == computer::Rule::Basic ? "Basic" : "Combo", t.wins, t.losses,
                  t.hands - t.wins - t.losses);
            all.hands += t.hands;
            all.wins += t.wins;
            all.losses += t.losses;
        }
    QCOMPARE(all.hands, 4 * hands);
    QVERIFY2(all.share() >= 0.65, qPrintable(QString::number(all.share())));
}

// The same seed plays the same hands; another seed plays other hands.
void TournamentTest::handsAreReplayable() {
    const std::vector<computer::Card> list =
        tournament::cardList(QStringLiteral(QUORVEL_SOURCE_DIR "/data/cards.csv"));
    const std::array<computer::Level, 2> levels{computer::Level::Hard, computer::Level::Easy};
    int differ = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        const auto a =
            tournament::playHand(levels, false, computer::Rule::BasicCombo, 0, list, seed);
        const auto b =
            tournament::playHand(levels, false, computer::Rule::BasicCombo, 0, list, seed);
        QCOMPARE(a.gained, b.gained);
        const auto c =
            tournament::playHand(levels, false, computer::Rule::BasicCombo, 0, list, seed + 100);
        differ += a.gained != c.gained;
    }
    QVERIFY(differ >= 4);
}

QTEST_MAIN(TournamentTest)
#include "tst_tournament.moc"
