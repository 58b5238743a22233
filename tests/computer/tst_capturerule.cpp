#include "computer/Board.h"
#include "computer/Search.h"
#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"
#include "rules/PlayRules.h"
#include "store/Tables.h"
#include "support/TestFolder.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>
#include <vector>

// The computer player's in-memory capture rule against the rules engine on a
// real board table: the same random positions, placed under both rules, must
// give the same owners, the same scores and the same captures in the same
// order.

namespace {

// A card of the card list with the picture path the board shows it by.
struct ListCard {
    computer::Card card;
    int id = 0;
    QString path;
};

// Records what the player would see of a placement: the squares whose face
// changes, in order, with the picture, and the score captions.
class RecordingView : public rules::BoardView {
  public:
    void showCapture(int location, const QString& pictureName) override {
        locations << location;
        pictures << pictureName;
    }
    void setScoreCaption(int player, const QString& caption) override {
        captions << QStringLiteral("%1:%2").arg(player).arg(caption);
    }
    void clear() {
        locations.clear();
        pictures.clear();
        captions.clear();
    }
    QList<int> locations;
    QStringList pictures;
    QStringList captions;
};

// One random position: the cards already on the board with their owners, and
// the placement to make.
struct Trial {
    std::array<int, 9> listIndex{}; // into the card list, -1 empty
    std::array<int, 9> owner{};
    int square = 0;
    int placedIndex = 0;
    int player = 1;
};

} // namespace

Q_DECLARE_METATYPE(computer::Rule)

class CaptureRuleTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void equalsRulesEngine_data();
    void equalsRulesEngine();

  private:
    std::vector<ListCard> readCardList();
    Trial randomTrial(computer::Rng& rng, int listSize, int filled);
    void writeBoard(const Trial& trial, const std::vector<ListCard>& list);

    std::unique_ptr<FatalCatcher> m_fatal;
    std::unique_ptr<TestFolder> m_folder;
};

void CaptureRuleTest::init() {
    m_fatal = std::make_unique<FatalCatcher>();
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
}

void CaptureRuleTest::cleanup() {
    store::closeAll();
    m_folder.reset();
    m_fatal.reset();
}

std::vector<ListCard> CaptureRuleTest::readCardList() {
    store::openTable(store::AllCards, QStringLiteral("AllCards"), true);
    std::vector<ListCard> list;
    platform::Recordset& all = store::AllCards;
    for (int number = 1; number <= 606; ++number) {
        all.MoveFirst();
        all.Find(store::autoNumberCriterion(number));
        list.push_back(
            {{all.intValue(QStringLiteral("fldNorth")), all.intValue(QStringLiteral("fldEast")),
              all.intValue(QStringLiteral("fldSouth")), all.intValue(QStringLiteral("fldWest"))},
             all.intValue(QStringLiteral("fldID")),
             all.textValue(QStringLiteral("fldPath"))});
    }
    all.MoveFirst();
    return list;
}

// `filled` cards (0..8) on random squares with random owners, and a random
// card placed by a random player on one of the free squares.
Trial CaptureRuleTest::randomTrial(computer::Rng& rng, int listSize, int filled) {
    Trial trial;
    std::array<int, 9> squares{0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 8; i > 0; --i)
        std::swap(squares[i], squares[rng.below(i + 1)]);
    trial.listIndex.fill(-1);
    for (int i = 0; i < filled; ++i) {
        trial.listIndex[squares[i]] = rng.below(listSize);
        trial.owner[squares[i]] = 1 + rng.below(2);
    }
    trial.square = squares[filled];
    trial.placedIndex = rng.below(listSize);
    trial.player = 1 + rng.below(2);
    return trial;
}

// Puts the position into the board table the way the main window does: each
// record found by its location, the card copied field by field, then the
// placed card with its owner.
void CaptureRuleTest::writeBoard(const Trial& trial, const std::vector<ListCard>& list) {
    platform::Recordset& board = store::DirtyBoard;
    board.MoveFirst();
    for (int square = 0; square < 9; ++square) {
        board.Find(store::locationCriterion(square + 1));
        const bool placed = square == trial.square;
        const int index = placed ? trial.placedIndex : trial.listIndex[square];
        if (index < 0) {
            store::emptyCard(board);
            board.setValue(QStringLiteral("fldOwner"), 0);
            continue;
        }
        const ListCard& c = list[index];
        board.setValue(QStringLiteral("fldID"), c.id);
        board.setValue(QStringLiteral("fldNorth"), c.card.north);
        board.setValue(QStringLiteral("fldEast"), c.card.east);
        board.setValue(QStringLiteral("fldSouth"), c.card.south);
        board.setValue(QStringLiteral("fldWest"), c.card.west);
        board.setValue(QStringLiteral("fldPath"), c.path);
        board.setValue(QStringLiteral("fldOwner"), placed ? trial.player : trial.owner[square]);
    }
    board.MoveFirst();
}

void CaptureRuleTest::equalsRulesEngine_data() {
    QTest::addColumn<computer::Rule>("rule");
    QTest::newRow("Basic Rules") << computer::Rule::Basic;
    QTest::newRow("Basic Combo Rules") << computer::Rule::BasicCombo;
}

void CaptureRuleTest::equalsRulesEngine() {
    QFETCH(computer::Rule, rule);
    constexpr int Positions = 10'000;
    constexpr int Batch = 500;

    const std::vector<ListCard> list = readCardList();
    QCOMPARE(int(list.size()), 606);
    store::openTable(store::DirtyBoard, QStringLiteral("DirtyBoard"), false);
    RecordingView view;
    PlayRules engine(store::DirtyBoard, view);
    const QString folder = platform::programFolder();

    computer::Rng rng(rule == computer::Rule::Basic ? 11 : 12);
    int withCapture = 0, withComboCapture = 0, multiple = 0;
    QElapsedTimer clock;
    clock.start();
    for (int first = 0; first < Positions; first += Batch) {
        // One commit for the whole batch keeps ten thousand placements quick.
        platform::SaveGroup group;
        for (int n = first; n < first + Batch; ++n) {
            // Every number of cards already down, fuller boards more often.
            const int filled = std::min(8, rng.below(9) + rng.below(3));
            const Trial trial = randomTrial(rng, int(list.size()), filled);

            computer::Board board;
            for (int square = 0; square < 9; ++square)
                if (trial.listIndex[square] >= 0) {
                    board.card[square] = list[trial.listIndex[square]].card;
                    board.owner[square] = trial.owner[square];
                }
            computer::Captures taken;
            const computer::Card placed = list[trial.placedIndex].card;
            const int gained = board.place(trial.square, placed, trial.player, rule, &taken);

            writeBoard(trial, list);
            view.clear();
            engine.gintPlayer1Score = 0;
            engine.gintPlayer2Score = 0;
            const qint16 north = placed.north, east = placed.east, south = placed.south,
                         west = placed.west, location = qint16(trial.square + 1),
                         owner = qint16(trial.player);
            if (rule == computer::Rule::Basic)
                engine.Basic(north, east, south, west, location, owner);
            else
                engine.BasicCombo(north, east, south, west, location, owner);

            const QByteArray where = QStringLiteral("position %1").arg(n).toUtf8();
            platform::Recordset& table = store::DirtyBoard;
            for (int square = 0; square < 9; ++square) {
                table.MoveFirst();
                table.Find(store::locationCriterion(square + 1));
                QVERIFY2(table.intValue(QStringLiteral("fldOwner")) == board.owner[square],
                         where.constData());
            }
            table.MoveFirst();
            const qint16 moverScore =
                trial.player == 1 ? engine.gintPlayer1Score : engine.gintPlayer2Score;
            const qint16 otherScore =
                trial.player == 1 ? engine.gintPlayer2Score : engine.gintPlayer1Score;
            QVERIFY2(moverScore == gained, where.constData());
            QVERIFY2(otherScore == 0, where.constData());

            // The same squares taken, in the same order, with the taker's colour.
            QList<int> order;
            QStringList pictures;
            for (int i = 0; i < taken.count; ++i) {
                order << taken.squares[i] + 1;
                pictures << folder + list[trial.listIndex[taken.squares[i]]].path +
                                (trial.player == 1 ? QStringLiteral("r.jpg")
                                                   : QStringLiteral("b.jpg"));
            }
            QVERIFY2(view.locations == order, where.constData());
            QVERIFY2(view.pictures == pictures, where.constData());

            withCapture += taken.count > 0;
            multiple += taken.count > 1;
            // A capture by a square that is not next to the placed card can
            // only come from a combo.
            for (int i = 0; i < taken.count; ++i) {
                const int s = taken.squares[i];
                const int dr = std::abs(s / 3 - trial.square / 3),
                          dc = std::abs(s % 3 - trial.square % 3);
                if (dr + dc != 1) {
                    ++withComboCapture;
                    break;
                }
            }
        }
        // What the engine wrote reaches the file with the batch's commit.
        platform::Database::flush();
        QList<int> expected;
        for (int square = 0; square < 9; ++square) {
            store::DirtyBoard.MoveFirst();
            store::DirtyBoard.Find(store::locationCriterion(square + 1));
            expected << store::DirtyBoard.intValue(QStringLiteral("fldOwner"));
        }
        store::DirtyBoard.MoveFirst();
        QCOMPARE(m_folder->boardOwners(), expected);
    }
    qInfo("%d positions in %.1f s: %d with captures, %d with several, %d with combo captures",
          Positions, clock.elapsed() / 1000.0, withCapture, multiple, withComboCapture);
    // The positions reach the interesting cases often enough to mean something.
    QVERIFY(withCapture > Positions / 4);
    QVERIFY(multiple > Positions / 40);
    if (rule == computer::Rule::BasicCombo)
        QVERIFY(withComboCapture > Positions / 50);
    else
        QCOMPARE(withComboCapture, 0);
}

QTEST_MAIN(CaptureRuleTest)
#include "tst_capturerule.moc"
