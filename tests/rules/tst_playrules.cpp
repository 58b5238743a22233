#include "platform/Controls.h"
#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"
#include "rules/PlayRules.h"
#include "store/Tables.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

// The rules engine run directly on a real board table, with a board view that
// records what the player would see: every picture change and every score
// caption, in the order they happen.

namespace {

// The four edges of a card, in the order North, East, South, West.
struct Card {
    qint16 edge[4];
    int sum() const { return edge[0] + edge[1] + edge[2] + edge[3]; }
};

Card uniform(qint16 value) {
    return Card{{value, value, value, value}};
}

enum class Entry { Basic, BasicCombo, Both, Standard, ComboCard, SamePlus, SamePlusCombo };

const char* entryName(Entry entry) {
    switch (entry) {
    case Entry::Basic:
        return "Basic";
    case Entry::BasicCombo:
        return "BasicCombo";
    case Entry::Both:
        return "Basic+BasicCombo";
    case Entry::Standard:
        return "Standard";
    case Entry::ComboCard:
        return "ComboCard";
    case Entry::SamePlus:
        return "SamePlus";
    case Entry::SamePlusCombo:
        return "SamePlusCombo";
    }
    return "?";
}

// How a board table is broken for the lookup tests.
enum class Damage { None, Missing8, Swapped2And4 };

// The picture file of the card that the catalogue puts on `location` in these
// tests: card 1000 + location of the card list.
QString cardPath(int location) {
    return QStringLiteral("\\cards\\%1").arg(location, 4, 10, QLatin1Char('0'));
}

int opponentOf(int player) {
    return player == 1 ? 2 : 1;
}

// Loads each captured card's picture into a real picture control, as the
// board does, so that a missing picture is fatal at the same moment.
class RecordingView : public rules::BoardView {
  public:
    explicit RecordingView(platform::Recordset& board) : m_board(board), m_picture(nullptr) {}

    void showCapture(int location, const QString& pictureName) override {
        // The owner the shared table gives the square while its face changes.
        ownerAtShow << (m_board.intValue(QStringLiteral("fldLocation")) == location
                            ? m_board.intValue(QStringLiteral("fldOwner"))
                            : -1);
        if (loadPictures)
            m_picture.LoadPicture(pictureName);
        log << QStringLiteral("take %1").arg(location);
        pictures << pictureName;
        if (loadPictures)
            loaded << !m_picture.pixmap().isNull();
    }
    void setScoreCaption(int player, const QString& caption) override {
        log << QStringLiteral("score %1: %2").arg(player).arg(caption);
    }
    void clear() {
        log.clear();
        pictures.clear();
        ownerAtShow.clear();
        loaded.clear();
    }

    bool loadPictures = true;
    QStringList log;
    QStringList pictures;
    QList<int> ownerAtShow;
    QList<bool> loaded;

  private:
    platform::Recordset& m_board;
    platform::Picture m_picture;
};

} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Damage)

class PlayRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void facingEdges_data();
    void facingEdges();
    void examinedNeighbours_data();
    void examinedNeighbours();
    void untakeableNeighbours_data();
    void untakeableNeighbours();
    void lookups_data();
    void lookups();
    void searchAfterCapture_data();
    void searchAfterCapture();
    void twoCaptures_data();
    void twoCaptures();
    void pictureNames_data();
    void pictureNames();
    void combo_data();
    void combo();
    void comboTakesOnce_data();
    void comboTakesOnce();
    void samePlusDoesNothing_data();
    void samePlusDoesNothing();
    void scoresGrowAcrossCalls_data();
    void scoresGrowAcrossCalls();
    void scoreOverflow_data();
    void scoreOverflow();
    void missingPicture_data();
    void missingPicture();
    void placementCost();

  private:
    // Puts a card and its owner into the board record of `location`, written
    // to the file by openBoard() (the table reads the file when it opens).
    void put(int location, int owner, const Card& card, const QString& path = QString());
    // Writes a placed card into the open table, as the main window does.
    void placeLive(int location, int owner, const Card& card);
    void writePending();
    void breakBoard(Damage how);
    void openBoard();
    void call(Entry entry, const Card& card, qint16 board, qint16 owner);
    // Runs `action` and returns the fatal report it raised, if any.
    std::optional<QString> fatalOf(const std::function<void()>& action);

    QString boardInFile() const;
    // The queue entries that are not clear, one "L: pending | six columns" each.
    QString queueDump() const;
    static QString queueEntry(int location, const Card& card, int owner);
    QString expectedLog(int player, int startScore, const QList<int>& taken,
                        const QHash<int, Card>& cards) const;

    QMap<int, QString> m_pending;
    std::unique_ptr<FatalCatcher> m_fatal;
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<PlayRules> m_rules;
};

void PlayRulesTest::initTestCase() {
    m_fatal = std::make_unique<FatalCatcher>();
}

void PlayRulesTest::cleanupTestCase() {
    m_fatal.reset();
}

void PlayRulesTest::init() {
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
}

void PlayRulesTest::cleanup() {
    m_pending.clear();
    m_rules.reset();
    m_view.reset();
    store::closeAll();
    m_folder.reset();
}

void PlayRulesTest::put(int location, int owner, const Card& card, const QString& path) {
    m_pending.insert(location, QStringLiteral("(%1, %2, %3, %4, %5, %6, '%7', %8)")
                                   .arg(location)
                                   .arg(1000 + location)
                                   .arg(card.edge[0])
                                   .arg(card.edge[1])
                                   .arg(card.edge[2])
                                   .arg(card.edge[3])
                                   .arg(path.isNull() ? cardPath(location) : path)
                                   .arg(owner));
}

// Writes the cards put so far in one statement: one commit instead of one
// per square keeps the many fresh folders of this test cheap.
void PlayRulesTest::writePending() {
    if (m_pending.isEmpty())
        return;
    QStringList rows;
    for (const QString& row : std::as_const(m_pending))
        rows << row;
    m_pending.clear();
    const QString sql =
        QStringLiteral("UPDATE DirtyBoard SET fldID = v.column2, fldNorth = v.column3, "
                       "fldEast = v.column4, fldSouth = v.column5, fldWest = v.column6, "
                       "fldPath = v.column7, fldOwner = v.column8 FROM (VALUES %1) AS v "
                       "WHERE DirtyBoard.fldLocation = v.column1")
            .arg(rows.join(QStringLiteral(", ")));
    QVERIFY2(m_folder->exec(sql), qPrintable(sql));
}

void PlayRulesTest::placeLive(int location, int owner, const Card& card) {
    platform::Recordset& board = store::DirtyBoard;
    board.MoveFirst();
    board.Find(store::locationCriterion(location));
    board.setValue(QStringLiteral("fldID"), 1000 + location);
    board.setValue(QStringLiteral("fldNorth"), card.edge[0]);
    board.setValue(QStringLiteral("fldEast"), card.edge[1]);
    board.setValue(QStringLiteral("fldSouth"), card.edge[2]);
    board.setValue(QStringLiteral("fldWest"), card.edge[3]);
    board.setValue(QStringLiteral("fldPath"), cardPath(location));
    board.setValue(QStringLiteral("fldOwner"), owner);
    board.MoveFirst();
}

void PlayRulesTest::breakBoard(Damage how) {
    writePending();
    switch (how) {
    case Damage::None:
        return;
    case Damage::Missing8:
        QVERIFY(m_folder->exec(QStringLiteral("DELETE FROM DirtyBoard WHERE fldLocation = 8")));
        return;
    case Damage::Swapped2And4:
        // The records stay in place; only their locations trade, so the
        // record of 2 lies after the record of 4.
        QVERIFY(m_folder->exec(
            QStringLiteral("UPDATE DirtyBoard SET fldLocation = CASE fldLocation WHEN 2 THEN 4 "
                           "WHEN 4 THEN 2 ELSE fldLocation END")));
        return;
    }
}

void PlayRulesTest::openBoard() {
    writePending();
    store::openTable(store::DirtyBoard, QStringLiteral("DirtyBoard"), false);
    m_view = std::make_unique<RecordingView>(store::DirtyBoard);
    m_rules = std::make_unique<PlayRules>(store::DirtyBoard, *m_view);
}

void PlayRulesTest::call(Entry entry, const Card& card, qint16 board, qint16 owner) {
    PlayRules& r = *m_rules;
    const qint16* e = card.edge;
    switch (entry) {
    case Entry::Basic:
        r.Basic(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::BasicCombo:
        r.BasicCombo(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::Both:
        // Both rule options set: the main window calls Basic, then BasicCombo.
        r.Basic(e[0], e[1], e[2], e[3], board, owner);
        r.BasicCombo(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::Standard:
        r.Standard(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::ComboCard:
        r.ComboCard(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::SamePlus:
        r.SamePlus(e[0], e[1], e[2], e[3], board, owner);
        break;
    case Entry::SamePlusCombo:
        r.SamePlusCombo(e[0], e[1], e[2], e[3], board, owner);
        break;
    }
}

std::optional<QString> PlayRulesTest::fatalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::FatalError& error) {
        return error.message();
    }
    return std::nullopt;
}

QString PlayRulesTest::boardInFile() const {
    return m_folder
        ->query(QStringLiteral(
            "SELECT group_concat(row, ';') FROM (SELECT fldLocation || ':' || fldID || ':' || "
            "fldNorth || ',' || fldEast || ',' || fldSouth || ',' || fldWest || ':' || fldPath "
            "|| ':' || fldOwner AS row FROM DirtyBoard ORDER BY rowid)"))
        .toString();
}

QString PlayRulesTest::queueDump() const {
    QStringList entries;
    for (int location = 1; location <= 9; ++location) {
        QStringList columns;
        bool clear = !m_rules->comboPending(location);
        for (int column = 1; column <= 6; ++column) {
            columns << QString::number(m_rules->comboArg(location, column));
            clear = clear && m_rules->comboArg(location, column) == 0;
        }
        if (!clear)
            entries << QStringLiteral("%1: %2 | %3")
                           .arg(location)
                           .arg(m_rules->comboPending(location) ? 1 : 0)
                           .arg(columns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral("; "));
}

QString PlayRulesTest::queueEntry(int location, const Card& card, int owner) {
    return QStringLiteral("%1: 1 | %2 %3 %4 %5 %1 %6")
        .arg(location)
        .arg(card.edge[0])
        .arg(card.edge[1])
        .arg(card.edge[2])
        .arg(card.edge[3])
        .arg(owner);
}

// The log of a run in which `player`, starting from `startScore`, takes the
// squares `taken` in that order.
QString PlayRulesTest::expectedLog(int player, int startScore, const QList<int>& taken,
                                   const QHash<int, Card>& cards) const {
    QStringList log;
    int score = startScore;
    for (int location : taken) {
        score += cards.value(location).sum();
        log << QStringLiteral("take %1").arg(location)
            << QStringLiteral("score %1: %2").arg(player).arg(score);
    }
    return log.join(QLatin1Char('\n'));
}

// ---- Which edge faces which ----------------------------------------------

namespace {
struct Pair {
    int board;
    int neighbour;
};
// Every square with the squares it borders, in the order they are examined.
const Pair Pairs[] = {{1, 2}, {1, 4}, {2, 1}, {2, 3}, {2, 5}, {3, 2}, {3, 6}, {4, 1},
                      {4, 5}, {4, 7}, {5, 2}, {5, 4}, {5, 6}, {5, 8}, {6, 3}, {6, 5},
                      {6, 9}, {7, 4}, {7, 8}, {8, 5}, {8, 7}, {8, 9}, {9, 6}, {9, 8}};

// Index (North 0, East 1, South 2, West 3) of the acting card's edge that
// faces a neighbour `offset` squares away.
int actingSide(int offset) {
    switch (offset) {
    case -3:
        return 0;
    case +1:
        return 1;
    case +3:
        return 2;
    default:
        return 3;
    }
}
} // namespace

void PlayRulesTest::facingEdges_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("neighbour");
    QTest::addColumn<int>("owner");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<bool>("lower");
    int index = 0;
    for (const Pair& pair : Pairs) {
        const int owner = index++ % 2 + 1;
        for (Entry entry : {Entry::Standard, Entry::ComboCard})
            for (bool lower : {true, false})
                QTest::addRow("%d-%d %s P%d %s", pair.board, pair.neighbour,
                              lower ? "lower" : "equal", owner, entryName(entry))
                    << pair.board << pair.neighbour << owner << entry << lower;
    }
}

// Only the facing edge pair decides: the other edges of both cards are set so
// that comparing any other pair would give the opposite result.
void PlayRulesTest::facingEdges() {
    QFETCH(int, board);
    QFETCH(int, neighbour);
    QFETCH(int, owner);
    QFETCH(Entry, entry);
    QFETCH(bool, lower);

    const int acting = actingSide(neighbour - board);
    const int facing = (acting + 2) % 4;
    Card placed = uniform(lower ? 1 : 10);
    placed.edge[acting] = 6;
    Card target = uniform(lower ? 10 : 0);
    target.edge[facing] = lower ? 5 : 6;
    const int opponent = opponentOf(owner);
    put(board, owner, placed);
    put(neighbour, opponent, target);
    openBoard();
    const QString before = boardInFile();

    call(entry, placed, board, owner);

    QCOMPARE(store::DirtyBoard.position(), 0);
    QList<int> owners(9, 0);
    owners[board - 1] = owner;
    owners[neighbour - 1] = lower ? owner : opponent;
    QCOMPARE(m_folder->boardOwners(), owners);
    const qint16 score = owner == 1 ? m_rules->gintPlayer1Score : m_rules->gintPlayer2Score;
    const qint16 other = owner == 1 ? m_rules->gintPlayer2Score : m_rules->gintPlayer1Score;
    QCOMPARE(other, qint16(0));
    if (lower) {
        QCOMPARE(m_view->log.join(QLatin1Char('\n')),
                 expectedLog(owner, 0, {neighbour}, {{neighbour, target}}));
        QCOMPARE(int(score), target.sum());
        QCOMPARE(queueDump(),
                 entry == Entry::Standard ? queueEntry(neighbour, target, owner) : QString());
    } else {
        QCOMPARE(m_view->log, QStringList());
        QCOMPARE(score, qint16(0));
        QCOMPARE(queueDump(), QString());
        QCOMPARE(boardInFile(), before);
    }
}

void PlayRulesTest::examinedNeighbours_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("owner");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QList<int>>("neighbours");
    const QList<int> order[] = {{2, 4},    {1, 3, 5}, {2, 6},    {1, 5, 7}, {2, 4, 6, 8},
                                {3, 5, 9}, {4, 8},    {5, 7, 9}, {6, 8}};
    for (int board = 1; board <= 9; ++board)
        for (int owner : {1, 2})
            for (Entry entry : {Entry::Standard, Entry::ComboCard})
                QTest::addRow("at %d P%d %s", board, owner, entryName(entry))
                    << board << owner << entry << order[board - 1];
}

// Every other square holds an opponent's card that any edge of the acting
// card beats: exactly the bordering squares fall, in ascending order, and
// nothing wraps across a row end.
void PlayRulesTest::examinedNeighbours() {
    QFETCH(int, board);
    QFETCH(int, owner);
    QFETCH(Entry, entry);
    QFETCH(QList<int>, neighbours);

    const int opponent = opponentOf(owner);
    QHash<int, Card> cards;
    for (int location = 1; location <= 9; ++location) {
        cards.insert(location, location == board ? uniform(10) : Card{{1, 2, 1, 1}});
        put(location, location == board ? owner : opponent, cards.value(location));
    }
    openBoard();

    call(entry, cards.value(board), board, owner);

    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(owner, 0, neighbours, cards));
    QList<int> owners(9, opponent);
    owners[board - 1] = owner;
    for (int n : neighbours)
        owners[n - 1] = owner;
    QCOMPARE(m_folder->boardOwners(), owners);
    QCOMPARE(store::DirtyBoard.position(), 0);
}

void PlayRulesTest::untakeableNeighbours_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("neighbourOwner");
    QTest::addColumn<Entry>("entry");
    for (int owner : {1, 2})
        for (Entry entry : {Entry::Standard, Entry::ComboCard, Entry::BasicCombo}) {
            QTest::addRow("P%d nobody's (0) %s", owner, entryName(entry)) << owner << 0 << entry;
            QTest::addRow("P%d nobody's (5) %s", owner, entryName(entry)) << owner << 5 << entry;
            QTest::addRow("P%d nobody's (-1) %s", owner, entryName(entry)) << owner << -1 << entry;
            QTest::addRow("P%d own %s", owner, entryName(entry)) << owner << owner << entry;
        }
}

void PlayRulesTest::untakeableNeighbours() {
    QFETCH(int, owner);
    QFETCH(int, neighbourOwner);
    QFETCH(Entry, entry);

    const Card placed = uniform(10);
    put(5, owner, placed);
    for (int n : {2, 4, 6, 8})
        put(n, neighbourOwner, uniform(0));
    openBoard();
    const QString before = boardInFile();

    call(entry, placed, 5, owner);

    QCOMPARE(m_view->log, QStringList());
    QCOMPARE(boardInFile(), before);
    QCOMPARE(m_rules->gintPlayer1Score, qint16(0));
    QCOMPARE(m_rules->gintPlayer2Score, qint16(0));
    QCOMPARE(queueDump(), QString());
}

// ---- What is looked up ------------------------------------------------------

void PlayRulesTest::lookups_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("owner");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<bool>("fatal");
    const Entry entries[] = {Entry::Basic, Entry::BasicCombo, Entry::Standard, Entry::ComboCard};
    const struct {
        Damage damage;
        const char* name;
    } damages[] = {{Damage::None, "sound"},
                   {Damage::Missing8, "8 missing"},
                   {Damage::Swapped2And4, "2 and 4 swapped"}};
    for (const auto& d : damages)
        for (Entry entry : entries) {
            // Off the board nothing is looked up, so a broken table goes unnoticed.
            for (int board : {0, 10, -1})
                for (int owner : {1, 2})
                    QTest::addRow("at %d P%d %s %s", board, owner, d.name, entryName(entry))
                        << board << owner << d.damage << entry << false;
            // Nobody's move: the lookups of an intact table change nothing, and
            // no owner is read, so a broken one is not noticed either.
            for (int owner : {0, 3})
                QTest::addRow("at 5 owner %d %s %s", owner, d.name, entryName(entry))
                    << 5 << owner << d.damage << entry << false;
            for (int owner : {1, 2})
                if (d.damage != Damage::None)
                    QTest::addRow("at 5 P%d %s %s", owner, d.name, entryName(entry))
                        << 5 << owner << d.damage << entry << true;
        }
}

void PlayRulesTest::lookups() {
    QFETCH(int, board);
    QFETCH(int, owner);
    QFETCH(Damage, damage);
    QFETCH(Entry, entry);
    QFETCH(bool, fatal);

    // Every square but the centre holds a card of either player. Where no
    // lookup must fail, anything beats them, so a square wrongly examined
    // would change; where one must fail, nothing beats them, so no capture
    // puts the table back on its first record before the failing search.
    const Card placed = uniform(10);
    for (int location = 1; location <= 9; ++location)
        put(location, location == 5 ? owner : location % 2 + 1,
            location == 5 ? placed : uniform(fatal ? 10 : 0));
    breakBoard(damage);
    openBoard();
    const QString before = boardInFile();

    const std::optional<QString> report = fatalOf([&] { call(entry, placed, board, owner); });

    if (fatal) {
        QVERIFY(report.has_value());
        QVERIFY2(report->contains(QLatin1String("DirtyBoard")), qPrintable(*report));
        return;
    }
    QVERIFY2(!report.has_value(), qPrintable(report.value_or(QString())));
    QCOMPARE(m_view->log, QStringList());
    QCOMPARE(boardInFile(), before);
    QCOMPARE(queueDump(), QString());
    QCOMPARE(m_rules->gintPlayer1Score, qint16(0));
    QCOMPARE(m_rules->gintPlayer2Score, qint16(0));
}

void PlayRulesTest::searchAfterCapture_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<bool>("takeTwo");
    for (int owner : {1, 2}) {
        QTest::addRow("P%d takes 2", owner) << owner << true;
        QTest::addRow("P%d leaves 2", owner) << owner << false;
    }
}

// The records of 2 and 4 trade places, so the record of 4 lies before the
// record of 2. A capture at 2 sends the search back to the first record, and
// 4 is found and taken; without a capture the search for 4 runs on from 2
// and finds nothing, which is fatal.
void PlayRulesTest::searchAfterCapture() {
    QFETCH(int, owner);
    QFETCH(bool, takeTwo);

    breakBoard(Damage::Swapped2And4);
    const int opponent = opponentOf(owner);
    const QHash<int, Card> cards{{5, uniform(5)},
                                 {2, Card{{10, 10, qint16(takeTwo ? 1 : 10), 10}}},
                                 {4, Card{{10, 1, 10, 10}}}};
    for (auto it = cards.begin(); it != cards.end(); ++it)
        put(it.key(), it.key() == 5 ? owner : opponent, it.value());
    openBoard();

    const std::optional<QString> report =
        fatalOf([&] { call(Entry::Basic, cards.value(5), 5, owner); });

    if (!takeTwo) {
        QVERIFY(report.has_value());
        QVERIFY2(report->contains(QLatin1String("DirtyBoard")), qPrintable(*report));
        QCOMPARE(m_view->log, QStringList());
        return;
    }
    QVERIFY2(!report.has_value(), qPrintable(report.value_or(QString())));
    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(owner, 0, {2, 4}, cards));
    QCOMPARE(m_folder->boardOwners(), QList<int>({0, owner, 0, owner, owner, 0, 0, 0, 0}));
}

// ---- Captures -----------------------------------------------------------------

void PlayRulesTest::twoCaptures_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<Entry>("entry");
    for (int owner : {1, 2})
        for (Entry entry : {Entry::Standard, Entry::ComboCard, Entry::Basic, Entry::BasicCombo})
            QTest::addRow("P%d %s", owner, entryName(entry)) << owner << entry;
}

// The card at 5 takes 4 and 6 but not 2 (equal) or 8 (higher). Each capture
// adds all four edges of the card taken, even an edge above the placed card's.
void PlayRulesTest::twoCaptures() {
    QFETCH(int, owner);
    QFETCH(Entry, entry);

    const int opponent = opponentOf(owner);
    const QHash<int, Card> cards{{5, uniform(5)},
                                 {2, Card{{1, 1, 5, 1}}},
                                 {4, Card{{2, 4, 3, 9}}},
                                 {6, Card{{3, 4, 4, 2}}},
                                 {8, Card{{7, 1, 1, 1}}}};
    for (auto it = cards.begin(); it != cards.end(); ++it)
        put(it.key(), it.key() == 5 ? owner : opponent, it.value());
    openBoard();
    const qint16 startScore = 3;
    const qint16 otherScore = 11;
    (owner == 1 ? m_rules->gintPlayer1Score : m_rules->gintPlayer2Score) = startScore;
    (owner == 1 ? m_rules->gintPlayer2Score : m_rules->gintPlayer1Score) = otherScore;

    call(entry, cards.value(5), 5, owner);

    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(owner, startScore, {4, 6}, cards));
    QCOMPARE(int(owner == 1 ? m_rules->gintPlayer1Score : m_rules->gintPlayer2Score),
             startScore + cards.value(4).sum() + cards.value(6).sum());
    QCOMPARE(owner == 1 ? m_rules->gintPlayer2Score : m_rules->gintPlayer1Score, otherScore);
    // The faces change while the squares still belong to the opponent.
    QCOMPARE(m_view->ownerAtShow, QList<int>({opponent, opponent}));
    QCOMPARE(m_folder->boardOwners(),
             QList<int>({0, opponent, 0, owner, owner, owner, 0, opponent, 0}));
    QCOMPARE(queueDump(), entry == Entry::Standard
                              ? queueEntry(4, cards.value(4), owner) + QStringLiteral("; ") +
                                    queueEntry(6, cards.value(6), owner)
                              : QString());
    QCOMPARE(store::DirtyBoard.position(), 0);
}

void PlayRulesTest::pictureNames_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("colour");
    for (Entry entry : {Entry::Basic, Entry::ComboCard}) {
        QTest::addRow("red %s", entryName(entry)) << 1 << entry << QStringLiteral("r.jpg");
        QTest::addRow("blue %s", entryName(entry)) << 2 << entry << QStringLiteral("b.jpg");
    }
}

void PlayRulesTest::pictureNames() {
    QFETCH(int, owner);
    QFETCH(Entry, entry);
    QFETCH(QString, colour);

    const QString path = QStringLiteral("\\cards\\0417");
    put(7, owner, uniform(9));
    put(8, opponentOf(owner), uniform(1), path);
    openBoard();

    call(entry, uniform(9), 7, owner);

    QCOMPARE(m_view->pictures, QStringList{platform::programFolder() + path + colour});
    QCOMPARE(m_view->loaded, QList<bool>{true});
}

// ---- Combo ------------------------------------------------------------------

void PlayRulesTest::combo_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QList<int>>("taken");
    QTest::addRow("Basic") << Entry::Basic << QList<int>{2, 8};
    QTest::addRow("BasicCombo") << Entry::BasicCombo << QList<int>{2, 8, 1, 7};
    QTest::addRow("both options") << Entry::Both << QList<int>{2, 8};
}

// Player 1 places at 5 and takes the blue cards at 2 and 8. Under the combo
// rule 2 acts first and takes 1 (not 3: equal), then 8 takes 7 (not 9:
// equal). The cards at 1 and 7 would both beat 4, but what a combo takes
// does not act. Under Basic the cards taken do not act at all.
void PlayRulesTest::combo() {
    QFETCH(Entry, entry);
    QFETCH(QList<int>, taken);

    const QHash<int, Card> cards{
        {5, Card{{8, 1, 8, 1}}}, {2, Card{{2, 4, 3, 7}}}, {8, Card{{3, 2, 2, 6}}},
        {4, Card{{1, 5, 2, 1}}}, {6, Card{{3, 3, 3, 5}}}, {1, Card{{1, 6, 9, 1}}},
        {3, Card{{1, 1, 1, 4}}}, {7, Card{{9, 5, 1, 1}}}, {9, Card{{1, 1, 1, 2}}}};
    for (auto it = cards.begin(); it != cards.end(); ++it)
        put(it.key(), it.key() == 5 ? 1 : 2, it.value());
    openBoard();

    call(entry, cards.value(5), 5, 1);

    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(1, 0, taken, cards));
    QList<int> owners(9, 2);
    owners[4] = 1;
    int score = 0;
    for (int location : taken) {
        owners[location - 1] = 1;
        score += cards.value(location).sum();
    }
    QCOMPARE(m_folder->boardOwners(), owners);
    QCOMPARE(int(m_rules->gintPlayer1Score), score);
    QCOMPARE(m_rules->gintPlayer2Score, qint16(0));
    QCOMPARE(queueDump(), QString());
    QCOMPARE(store::DirtyBoard.position(), 0);
}

void PlayRulesTest::comboTakesOnce_data() {
    QTest::addColumn<int>("owner");
    QTest::addRow("red") << 1;
    QTest::addRow("blue") << 2;
}

// The card at 1 is beaten both by 2 and by 4, the two cards the placement
// takes: 2 acts first and takes it, so 4 finds it already its player's.
void PlayRulesTest::comboTakesOnce() {
    QFETCH(int, owner);

    const int opponent = opponentOf(owner);
    const QHash<int, Card> cards{{5, Card{{9, 1, 1, 9}}}, {2, Card{{1, 1, 2, 8}}},
                                 {4, Card{{8, 2, 1, 1}}}, {1, Card{{1, 3, 3, 1}}},
                                 {6, Card{{1, 1, 1, 5}}}, {8, Card{{5, 1, 1, 1}}}};
    for (auto it = cards.begin(); it != cards.end(); ++it)
        put(it.key(), it.key() == 5 ? owner : opponent, it.value());
    openBoard();

    call(Entry::BasicCombo, cards.value(5), 5, owner);

    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(owner, 0, {2, 4, 1}, cards));
    QCOMPARE(m_folder->boardOwners(),
             QList<int>({owner, owner, 0, owner, owner, opponent, 0, opponent, 0}));
    QCOMPARE(queueDump(), QString());
}

void PlayRulesTest::samePlusDoesNothing_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<Damage>("damage");
    for (Entry entry : {Entry::SamePlus, Entry::SamePlusCombo}) {
        QTest::addRow("%s", entryName(entry)) << entry << Damage::None;
        QTest::addRow("%s, 8 missing", entryName(entry)) << entry << Damage::Missing8;
    }
}

void PlayRulesTest::samePlusDoesNothing() {
    QFETCH(Entry, entry);
    QFETCH(Damage, damage);

    for (int location = 1; location <= 9; ++location)
        put(location, location == 5 ? 1 : 2, uniform(location == 5 ? 10 : 0));
    breakBoard(damage);
    openBoard();
    m_rules->gintPlayer1Score = 5;
    m_rules->gintPlayer2Score = 7;
    const QString before = boardInFile();

    const std::optional<QString> report = fatalOf([&] { call(entry, uniform(10), 5, 1); });

    QVERIFY2(!report.has_value(), qPrintable(report.value_or(QString())));
    QCOMPARE(m_view->log, QStringList());
    QCOMPARE(boardInFile(), before);
    QCOMPARE(m_rules->gintPlayer1Score, qint16(5));
    QCOMPARE(m_rules->gintPlayer2Score, qint16(7));
    QCOMPARE(queueDump(), QString());
}

// ---- Scores -----------------------------------------------------------------

void PlayRulesTest::scoresGrowAcrossCalls_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addRow("Basic") << Entry::Basic;
    QTest::addRow("BasicCombo") << Entry::BasicCombo;
}

// A card changes hands three times; each capture adds its edges to the
// capturer, losing it takes nothing away, and only a reset to 0 by the
// caller lowers a score.
void PlayRulesTest::scoresGrowAcrossCalls() {
    QFETCH(Entry, entry);

    const Card middle{{1, 2, 3, 4}};
    const Card corner{{10, 10, 1, 10}};
    put(2, 2, middle);
    openBoard();
    PlayRules& rules = *m_rules;

    placeLive(1, 1, uniform(10));
    call(entry, uniform(10), 1, 1);
    QCOMPARE(rules.gintPlayer1Score, qint16(middle.sum()));
    QCOMPARE(rules.gintPlayer2Score, qint16(0));
    QCOMPARE(queueDump(), QString());

    placeLive(3, 2, corner);
    call(entry, corner, 3, 2);
    QCOMPARE(rules.gintPlayer1Score, qint16(middle.sum()));
    QCOMPARE(rules.gintPlayer2Score, qint16(middle.sum()));
    QCOMPARE(queueDump(), QString());

    placeLive(5, 1, uniform(10));
    call(entry, uniform(10), 5, 1);
    QCOMPARE(rules.gintPlayer1Score, qint16(2 * middle.sum()));
    QCOMPARE(rules.gintPlayer2Score, qint16(middle.sum()));
    QCOMPARE(queueDump(), QString());

    rules.gintPlayer1Score = 0;
    placeLive(6, 1, uniform(10));
    call(entry, uniform(10), 6, 1);
    QCOMPARE(rules.gintPlayer1Score, qint16(corner.sum()));
    QCOMPARE(rules.gintPlayer2Score, qint16(middle.sum()));
    QCOMPARE(queueDump(), QString());

    const QStringList expected{
        QStringLiteral("take 2"), QStringLiteral("score 1: %1").arg(middle.sum()),
        QStringLiteral("take 2"), QStringLiteral("score 2: %1").arg(middle.sum()),
        QStringLiteral("take 2"), QStringLiteral("score 1: %1").arg(2 * middle.sum()),
        QStringLiteral("take 3"), QStringLiteral("score 1: %1").arg(corner.sum()),
    };
    QCOMPARE(m_view->log, expected);
    QCOMPARE(m_folder->boardOwners(), QList<int>({1, 1, 1, 0, 1, 1, 0, 0, 0}));
}

void PlayRulesTest::scoreOverflow_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<int>("beyond");
    for (int owner : {1, 2})
        for (Entry entry : {Entry::Basic, Entry::BasicCombo, Entry::ComboCard}) {
            QTest::addRow("P%d %s reaches 32767", owner, entryName(entry)) << owner << entry << 0;
            QTest::addRow("P%d %s one beyond", owner, entryName(entry)) << owner << entry << 1;
            QTest::addRow("P%d %s from 32767", owner, entryName(entry)) << owner << entry << 7;
        }
}

// A capture whose edges carry the score past 32767 fails after the square's
// owner (and its queue entry) have been set, before the score or its label
// change.
void PlayRulesTest::scoreOverflow() {
    QFETCH(int, owner);
    QFETCH(Entry, entry);
    QFETCH(int, beyond);

    const int opponent = opponentOf(owner);
    const Card taken{{1, 2, 3, 1}};
    put(5, owner, uniform(9));
    put(6, opponent, taken);
    openBoard();
    const int start = 32767 - taken.sum() + beyond;
    qint16& score = owner == 1 ? m_rules->gintPlayer1Score : m_rules->gintPlayer2Score;
    qint16& other = owner == 1 ? m_rules->gintPlayer2Score : m_rules->gintPlayer1Score;
    score = qint16(start);
    other = 100;

    const std::optional<QString> report = fatalOf([&] { call(entry, uniform(9), 5, owner); });

    QCOMPARE(other, qint16(100));
    if (beyond == 0) {
        QVERIFY2(!report.has_value(), qPrintable(report.value_or(QString())));
        QCOMPARE(score, qint16(32767));
        QCOMPARE(m_view->log, QStringList({QStringLiteral("take 6"),
                                           QStringLiteral("score %1: 32767").arg(owner)}));
        return;
    }
    QVERIFY(report.has_value());
    QCOMPARE(int(score), start);
    QCOMPARE(m_view->log, QStringList{QStringLiteral("take 6")});
    // The shared table is still on the square taken, already the capturer's.
    QCOMPARE(store::DirtyBoard.intValue(QStringLiteral("fldLocation")), qint16(6));
    QCOMPARE(store::DirtyBoard.intValue(QStringLiteral("fldOwner")), qint16(owner));
    QCOMPARE(queueDump(), entry == Entry::ComboCard ? QString() : queueEntry(6, taken, owner));
}

void PlayRulesTest::missingPicture_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<bool>("otherColourThere");
    for (int owner : {1, 2}) {
        QTest::addRow("P%d only the other colour there", owner) << owner << true;
        QTest::addRow("P%d path names no file", owner) << owner << false;
    }
}

// The card at 5 takes 4, then fails on the picture of 6: the capture of 4 is
// complete and saved, 6 still belongs to the opponent and scores nothing.
void PlayRulesTest::missingPicture() {
    QFETCH(int, owner);
    QFETCH(bool, otherColourThere);

    const int opponent = opponentOf(owner);
    if (otherColourThere) {
        // A folder of the program folder that holds only the picture of the
        // colour the card is losing: the capturer's colour letter names a
        // file that is not there.
        const QString other = owner == 1 ? QStringLiteral("b.jpg") : QStringLiteral("r.jpg");
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("lone")));
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/cards/0006") + other,
                            m_folder->file(QStringLiteral("lone/0006") + other)));
    }
    const QString path =
        otherColourThere ? QStringLiteral("\\lone\\0006") : QStringLiteral("\\cards\\none");
    const Card four{{2, 2, 2, 2}};
    put(5, owner, uniform(9));
    put(4, opponent, four);
    put(6, opponent, Card{{1, 1, 1, 1}}, path);
    openBoard();

    const std::optional<QString> report =
        fatalOf([&] { call(Entry::Basic, uniform(9), 5, owner); });

    QVERIFY(report.has_value());
    QVERIFY2(report->contains(QLatin1String("0006")) || report->contains(QLatin1String("none")),
             qPrintable(*report));
    QCOMPARE(m_view->log.join(QLatin1Char('\n')), expectedLog(owner, 0, {4}, {{4, four}}));
    QCOMPARE(store::DirtyBoard.intValue(QStringLiteral("fldLocation")), qint16(6));
    QCOMPARE(store::DirtyBoard.intValue(QStringLiteral("fldOwner")), qint16(opponent));
    QCOMPARE(m_folder->boardOwners(), QList<int>({0, 0, 0, owner, owner, opponent, 0, 0, 0}));
    QCOMPARE(int(owner == 1 ? m_rules->gintPlayer1Score : m_rules->gintPlayer2Score), four.sum());
    QCOMPARE(queueDump(), queueEntry(4, four, owner));
}

// ---- Cost ---------------------------------------------------------------------

// One placement at the centre that takes all four neighbours, each of which
// then acts in a combo (sixteen lookups in all). Players take the same four
// cards back and forth, so every call does the same work. Reported, not
// asserted: the figure depends on the machine and its disk.
void PlayRulesTest::placementCost() {
    for (int n : {2, 4, 6, 8})
        put(n, 2, uniform(1));
    openBoard();
    m_view->loadPictures = false;

    for (Entry entry : {Entry::BasicCombo, Entry::Basic}) {
        constexpr int Rounds = 300;
        QElapsedTimer timer;
        qint64 nanoseconds = 0;
        for (int i = 0; i < 2 * Rounds; ++i) {
            const qint16 owner = i % 2 == 0 ? 1 : 2;
            m_rules->gintPlayer1Score = 0;
            m_rules->gintPlayer2Score = 0;
            m_view->clear();
            timer.start();
            call(entry, uniform(10), 5, owner);
            nanoseconds += timer.nsecsElapsed();
            QCOMPARE(m_view->log.size(), 8);
        }
        qInfo("%s at 5 taking 4 cards: %.1f us per placement (%d placements)", entryName(entry),
              nanoseconds / 1000.0 / (2 * Rounds), 2 * Rounds);
    }
}

QTEST_MAIN(PlayRulesTest)
#include "tst_playrules.moc"
