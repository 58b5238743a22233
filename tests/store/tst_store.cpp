#include "platform/Fatal.h"
#include "platform/Recordset.h"
#include "store/Tables.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

#include <memory>

using platform::Recordset;

namespace {

// Runs `operation` and returns the fatal report it made, or a null string.
template <typename F> QString fatalOf(F&& operation) {
    try {
        operation();
    } catch (const platform::FatalError& error) {
        return error.message();
    }
    return QString();
}

QVariant allCardsField(const TestFolder& folder, int autoNumber, const QString& field) {
    return folder.query(QStringLiteral("SELECT %1 FROM AllCards WHERE fldAutoNumber = %2")
                            .arg(field)
                            .arg(autoNumber));
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void findSearchesForwardFromTheCurrentRecord_data();
    void findSearchesForwardFromTheCurrentRecord();
    void writingAfterAFailedFindIsFatal();
    void movingSavesTheChangedRecord_data();
    void movingSavesTheChangedRecord();
    void copyCardTakesTheNineFields();
    void emptyCardEmptiesTheNineFields();
    void fieldsAreHandledInTheirOrder_data();
    void fieldsAreHandledInTheirOrder();
    void drawsFindTheirCards_data();
    void drawsFindTheirCards();
    void numberFieldsMustHoldSmallNumbers_data();
    void numberFieldsMustHoldSmallNumbers();
    void readOnlyTableRefusesWrites();
    void readOnlyTableReadsAsWritten_data();
    void readOnlyTableReadsAsWritten();
    void cardListHeldCompactly();
    void fileStaysConsistentAfterWrites();
    void groupedSavesReachTheFileTogether();

  private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FatalCatcher> m_catcher;
};

void StoreTest::init() {
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
    m_catcher = std::make_unique<FatalCatcher>();
}

void StoreTest::cleanup() {
    store::closeAll();
    m_catcher.reset();
    m_folder.reset();
}

void StoreTest::findSearchesForwardFromTheCurrentRecord_data() {
    QTest::addColumn<int>("startSlot"); // 0 = first record
    QTest::addColumn<int>("sought");
    QTest::addColumn<bool>("found");
    QTest::newRow("slot 1 from the first record") << 0 << 1 << true;
    QTest::newRow("slot 5 from the first record") << 0 << 5 << true;
    QTest::newRow("the current record itself") << 3 << 3 << true;
    QTest::newRow("a later slot") << 3 << 5 << true;
    QTest::newRow("an earlier slot is not searched") << 3 << 2 << false;
    QTest::newRow("slot 6 does not exist") << 0 << 6 << false;
    QTest::newRow("slot 0 does not exist") << 0 << 0 << false;
}

void StoreTest::findSearchesForwardFromTheCurrentRecord() {
    QFETCH(int, startSlot);
    QFETCH(int, sought);
    QFETCH(bool, found);
    Recordset hand;
    store::openTable(hand, QStringLiteral("P1Hand"), false);
    hand.MoveFirst();
    if (startSlot > 0)
        hand.Find(store::locationCriterion(startSlot));
    hand.Find(store::locationCriterion(sought));

    QCOMPARE(!hand.EOF_(), found);
    if (found) {
        QCOMPARE(hand.intValue(QStringLiteral("fldLocation")), sought);
        return;
    }
    // Positioned after the last record: the next field access is fatal and
    // names the table.
    for (const QString& field : {QStringLiteral("fldID"), QStringLiteral("fldPath")}) {
        const QString message = fatalOf([&] { hand.value(field); });
        QVERIFY2(!message.isNull(), qPrintable(field));
        QVERIFY2(message.contains(QStringLiteral("P1Hand")), qPrintable(message));
    }
    // A search from there finds nothing either; moving to the first record recovers.
    hand.Find(store::locationCriterion(1));
    QVERIFY(hand.EOF_());
    hand.MoveFirst();
    QCOMPARE(hand.intValue(QStringLiteral("fldLocation")), 1);
}

void StoreTest::writingAfterAFailedFindIsFatal() {
    Recordset board;
    store::openTable(board, QStringLiteral("DirtyBoard"), false);
    board.Find(store::locationCriterion(10));
    const QString message = fatalOf([&] { board.setValue(QStringLiteral("fldOwner"), 1); });
    QVERIFY2(message.contains(QStringLiteral("DirtyBoard")), qPrintable(message));
    board.MoveFirst();
    QCOMPARE(m_folder->query(QStringLiteral("SELECT count(*) FROM DirtyBoard WHERE fldOwner <> 0"))
                 .toInt(),
             0);
    // A field the table does not have is fatal and named.
    const QString missing = fatalOf([&] { board.value(QStringLiteral("fldColour")); });
    QVERIFY2(missing.contains(QStringLiteral("fldColour")) &&
                 missing.contains(QStringLiteral("DirtyBoard")),
             qPrintable(missing));
}

void StoreTest::movingSavesTheChangedRecord_data() {
    QTest::addColumn<QString>("move");
    QTest::newRow("move to the first record") << "MoveFirst";
    QTest::newRow("find a later slot") << "FindLater";
    QTest::newRow("find that fails") << "FindMissing";
    QTest::newRow("close") << "Close";
}

void StoreTest::movingSavesTheChangedRecord() {
    QFETCH(QString, move);
    Recordset board;
    store::openTable(board, QStringLiteral("DirtyBoard"), false);
    board.MoveFirst();
    board.Find(store::locationCriterion(4));
    board.setValue(QStringLiteral("fldID"), 1234);
    board.setValue(QStringLiteral("fldPath"), QStringLiteral("\\cards\\0234"));
    board.setValue(QStringLiteral("fldOwner"), store::Player2);

    if (move == QLatin1String("MoveFirst"))
        board.MoveFirst();
    else if (move == QLatin1String("FindLater"))
        board.Find(store::locationCriterion(9));
    else if (move == QLatin1String("FindMissing"))
        board.Find(store::locationCriterion(42));
    else
        board.close();

    // Another connection sees the change at once, while the table stays open.
    const QString where = QStringLiteral(" FROM DirtyBoard WHERE fldLocation = 4");
    QCOMPARE(m_folder->query("SELECT fldID" + where).toInt(), 1234);
    QCOMPARE(m_folder->query("SELECT fldPath" + where).toString(), QStringLiteral("\\cards\\0234"));
    QCOMPARE(m_folder->query("SELECT fldOwner" + where).toInt(), 2);
    // Only that record changed.
    QCOMPARE(
        m_folder->query(QStringLiteral("SELECT count(*) FROM DirtyBoard WHERE fldID <> 0")).toInt(),
        1);
    QCOMPARE(m_folder->query(QStringLiteral("SELECT count(*) FROM DirtyBoard")).toInt(), 9);
}

void StoreTest::copyCardTakesTheNineFields() {
    Recordset all;
    Recordset hand;
    Recordset board;
    store::openTable(all, QStringLiteral("AllCards"), true);
    store::openTable(hand, QStringLiteral("P2Hand"), false);
    store::openTable(board, QStringLiteral("DirtyBoard"), false);
    all.MoveFirst();
    all.Find(store::autoNumberCriterion(417));
    hand.MoveFirst();
    hand.Find(store::locationCriterion(4));
    store::copyCard(all, hand);
    hand.MoveFirst();

    // A placement: hand slot 4 to square 5, owner set by the placement.
    hand.Find(store::locationCriterion(4));
    board.MoveFirst();
    board.Find(store::locationCriterion(5));
    board.setValue(QStringLiteral("fldOwner"), store::Player2);
    store::copyCard(hand, board);
    board.MoveFirst();
    hand.MoveFirst();

    for (const QString& field : store::CardRecord::fields()) {
        const QVariant expected = allCardsField(*m_folder, 417, field);
        QVERIFY2(!expected.isNull(), qPrintable(field));
        QCOMPARE(m_folder->query("SELECT " + field + " FROM P2Hand WHERE fldLocation = 4"),
                 expected);
        QCOMPARE(m_folder->query("SELECT " + field + " FROM DirtyBoard WHERE fldLocation = 5"),
                 expected);
    }
    // The slot numbers are not card fields, and the owner stays as set.
    QCOMPARE(m_folder->query(QStringLiteral("SELECT count(*) FROM P2Hand WHERE fldLocation = 4"))
                 .toInt(),
             1);
    QCOMPARE(
        m_folder->query(QStringLiteral("SELECT fldOwner FROM DirtyBoard WHERE fldLocation = 5"))
            .toInt(),
        2);
    QCOMPARE(
        m_folder->query(QStringLiteral("SELECT count(*) FROM P2Hand WHERE fldID <> 0")).toInt(), 1);
}

void StoreTest::emptyCardEmptiesTheNineFields() {
    QVERIFY(m_folder->exec(QStringLiteral(
        "UPDATE P1Stock SET fldID = 1077, fldLevel = 3, fldName = 'Some Name', fldElement = "
        "'Ember', fldNorth = 4, fldEast = 5, fldSouth = 6, fldWest = 7, fldPath = "
        "'\\cards\\0077' WHERE fldLocation IN (2, 3)")));
    Recordset stock;
    store::openTable(stock, QStringLiteral("P1Stock"), false);
    stock.MoveFirst();
    stock.Find(store::locationCriterion(3));
    store::emptyCard(stock);
    stock.MoveFirst();

    for (const QString& field : store::CardRecord::fields()) {
        // Through the recordset every field reads as its empty value...
        stock.MoveFirst();
        stock.Find(store::locationCriterion(3));
        if (store::CardRecord::isNumber(field))
            QCOMPARE(stock.intValue(field), qint16(0));
        else
            QCOMPARE(stock.textValue(field), QString());
        // ...and another reader finds the same in the file.
        const QVariant stored =
            m_folder->query("SELECT ifnull(" + field + ", '') FROM P1Stock WHERE fldLocation = 3");
        QVERIFY2(store::CardRecord::isNumber(field) ? stored.toInt() == 0
                                                    : stored.toString().isEmpty(),
                 qPrintable(field + " = " + stored.toString()));
    }
    stock.MoveFirst();
    // The neighbour keeps its card, the slot keeps its number.
    QCOMPARE(
        m_folder->query(QStringLiteral("SELECT fldID FROM P1Stock WHERE fldLocation = 2")).toInt(),
        1077);
    QCOMPARE(m_folder->query(QStringLiteral("SELECT count(*) FROM P1Stock WHERE fldLocation = 3"))
                 .toInt(),
             1);
}

void StoreTest::fieldsAreHandledInTheirOrder_data() {
    QTest::addColumn<bool>("copy");
    QTest::newRow("copy a card") << true;
    QTest::newRow("empty a slot") << false;
}

void StoreTest::fieldsAreHandledInTheirOrder() {
    QFETCH(bool, copy);
    // A slot table that lacks fldSouth: the operation stops there, so the
    // fields before it show what was done first.
    QVERIFY(m_folder->exec(QStringLiteral(
        "CREATE TABLE Partial (fldLocation INTEGER, fldID INTEGER, fldLevel INTEGER, fldName "
        "TEXT, fldElement TEXT, fldNorth INTEGER, fldEast INTEGER, fldWest INTEGER, fldPath "
        "TEXT)")));
    QVERIFY(m_folder->exec(QStringLiteral("INSERT INTO Partial VALUES (1, 9999, 9, 'Old', "
                                          "'Old', 9, 9, 9, '\\cards\\old')")));
    Recordset all;
    Recordset partial;
    store::openTable(all, QStringLiteral("AllCards"), true);
    store::openTable(partial, QStringLiteral("Partial"), false);
    all.Find(store::autoNumberCriterion(12));
    partial.Find(store::locationCriterion(1));

    const QString message =
        fatalOf([&] { copy ? store::copyCard(all, partial) : store::emptyCard(partial); });
    QVERIFY2(message.contains(QStringLiteral("fldSouth")), qPrintable(message));

    const QStringList written{QStringLiteral("fldID"),    QStringLiteral("fldLevel"),
                              QStringLiteral("fldName"),  QStringLiteral("fldElement"),
                              QStringLiteral("fldNorth"), QStringLiteral("fldEast")};
    for (const QString& field : written) {
        const QVariant expected = copy                                 ? all.value(field)
                                  : store::CardRecord::isNumber(field) ? QVariant(0)
                                                                       : QVariant(QString());
        QCOMPARE(partial.value(field).toString(), expected.toString());
    }
    QCOMPARE(partial.intValue(QStringLiteral("fldWest")), qint16(9));
    QCOMPARE(partial.textValue(QStringLiteral("fldPath")), QStringLiteral("\\cards\\old"));
}

void StoreTest::drawsFindTheirCards_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("found");
    QTest::newRow("lowest draw") << 1 << true;
    QTest::newRow("middle") << 303 << true;
    QTest::newRow("highest draw") << 606 << true;
    QTest::newRow("below the range") << 0 << false;
    QTest::newRow("above the range") << 607 << false;
}

void StoreTest::drawsFindTheirCards() {
    QFETCH(int, number);
    QFETCH(bool, found);
    Recordset all;
    store::openTable(all, QStringLiteral("AllCards"), true);
    // Two draws in a row, as the offer does: each starts from the first record.
    for (int round = 0; round < 2; ++round) {
        all.MoveFirst();
        all.Find(store::autoNumberCriterion(number));
        QCOMPARE(!all.EOF_(), found);
    }
    if (!found) {
        QVERIFY(!fatalOf([&] { all.intValue(QStringLiteral("fldNorth")); }).isNull());
        return;
    }
    QCOMPARE(all.intValue(QStringLiteral("fldAutoNumber")), number);
    QVERIFY(all.intValue(QStringLiteral("fldID")) != 0);
    for (const QString& field : store::CardRecord::fields())
        QCOMPARE(all.value(field).toString(), allCardsField(*m_folder, number, field).toString());
}

void StoreTest::numberFieldsMustHoldSmallNumbers_data() {
    QTest::addColumn<QString>("stored"); // SQL literal
    QTest::addColumn<bool>("fatal");
    QTest::addColumn<int>("value");
    QTest::newRow("small number") << "7" << false << 7;
    QTest::newRow("lowest 16-bit") << "-32768" << false << -32768;
    QTest::newRow("highest 16-bit") << "32767" << false << 32767;
    QTest::newRow("text") << "'high'" << true << 0;
    QTest::newRow("empty text") << "''" << true << 0;
    QTest::newRow("nothing") << "NULL" << true << 0;
    QTest::newRow("beyond 16 bits") << "32768" << true << 0;
}

void StoreTest::numberFieldsMustHoldSmallNumbers() {
    QFETCH(QString, stored);
    QFETCH(bool, fatal);
    QFETCH(int, value);
    QVERIFY(m_folder->exec("UPDATE P2Stock SET fldNorth = " + stored + " WHERE fldLocation = 6"));
    Recordset stock;
    store::openTable(stock, QStringLiteral("P2Stock"), false);
    stock.Find(store::locationCriterion(6));
    const QString message = fatalOf([&] {
        const qint16 north = stock.intValue(QStringLiteral("fldNorth"));
        QCOMPARE(north, qint16(value));
    });
    QCOMPARE(!message.isNull(), fatal);
    if (fatal)
        QVERIFY2(message.contains(QStringLiteral("P2Stock")) &&
                     message.contains(QStringLiteral("fldNorth")),
                 qPrintable(message));
}

// A table open only for reading keeps its records in another form than one
// open for writing: both read the same values, of the same types, and find
// the same records, whatever a column holds.
void StoreTest::readOnlyTableReadsAsWritten_data() {
    QTest::addColumn<QString>("change"); // SQL run on P2Stock first
    QTest::newRow("as the game leaves it") << "";
    QTest::newRow("numbers") << "UPDATE P2Stock SET fldNorth = fldLocation + 2";
    QTest::newRow("a number as text first")
        << "UPDATE P2Stock SET fldNorth = CASE fldLocation WHEN 1 THEN '7' ELSE fldLocation END";
    QTest::newRow("text among numbers")
        << "UPDATE P2Stock SET fldNorth = CASE fldLocation WHEN 4 THEN 'high' ELSE 3 END";
    QTest::newRow("nothing last")
        << "UPDATE P2Stock SET fldNorth = CASE fldLocation WHEN 8 THEN NULL ELSE 4 END";
    QTest::newRow("a real") << "UPDATE P2Stock SET fldNorth = fldLocation / 2.0";
    QTest::newRow("a large number") << "UPDATE P2Stock SET fldNorth = 5000000000 + fldLocation";
    QTest::newRow("an empty text")
        << "UPDATE P2Stock SET fldName = CASE fldLocation WHEN 3 THEN '' ELSE fldName END";
    QTest::newRow("an empty text first")
        << "UPDATE P2Stock SET fldName = CASE fldLocation WHEN 1 THEN '' ELSE fldName END";
    QTest::newRow("nothing among texts")
        << "UPDATE P2Stock SET fldName = CASE fldLocation WHEN 5 THEN NULL ELSE fldName END";
    QTest::newRow("a number among texts")
        << "UPDATE P2Stock SET fldPath = CASE fldLocation WHEN 6 THEN 42 ELSE fldPath END";
    QTest::newRow("a number before texts")
        << "UPDATE P2Stock SET fldPath = CASE fldLocation WHEN 1 THEN 42 ELSE fldPath END";
    QTest::newRow("texts beyond the first plane")
        << "UPDATE P2Stock SET fldName = fldName || char(0x1F0A1) || char(0xE9)";
}

void StoreTest::readOnlyTableReadsAsWritten() {
    QFETCH(QString, change);
    if (!change.isEmpty())
        QVERIFY(m_folder->exec(change));
    Recordset reading, writing;
    store::openTable(reading, QStringLiteral("P2Stock"), true);
    store::openTable(writing, QStringLiteral("P2Stock"), false);
    QCOMPARE(reading.recordCount(), 8);
    QCOMPARE(reading.recordCount(), writing.recordCount());
    const QStringList fields = {QStringLiteral("fldLocation"), QStringLiteral("fldNorth"),
                                QStringLiteral("fldName"), QStringLiteral("fldPath")};
    for (int record = 0; record < reading.recordCount(); ++record) {
        for (const QString& field : fields) {
            const QVariant r = reading.value(field), w = writing.value(field);
            QCOMPARE(r.typeId(), w.typeId());
            QCOMPARE(r.isNull(), w.isNull());
            QCOMPARE(r, w);
        }
        // Move both on to the next record by a search from the current one.
        const QString next = store::locationCriterion(record + 2);
        reading.Find(next);
        writing.Find(next);
        QCOMPARE(reading.position(), writing.position());
    }
    for (const QString& field : {QStringLiteral("fldNorth"), QStringLiteral("fldLocation")})
        for (int wanted = -1; wanted <= 9; ++wanted) {
            const QString criterion = QStringLiteral("%1 = %2").arg(field).arg(wanted);
            reading.MoveFirst();
            writing.MoveFirst();
            reading.Find(criterion);
            writing.Find(criterion);
            QCOMPARE(reading.position(), writing.position());
        }
}

// The card list (606 cards, read-only) is held by columns: numbers as plain
// numbers and the texts of a column (names, elements, picture paths) as one
// text with where each ends, rather than a value and a text of its own each.
void StoreTest::cardListHeldCompactly() {
    Recordset all;
    // Once first, so that SQLite has read the schema and the query is known.
    store::openTable(all, QStringLiteral("AllCards"), true);
    all.close();
    const size_t before = mallinfo2().uordblks;
    store::openTable(all, QStringLiteral("AllCards"), true);
    const size_t held = mallinfo2().uordblks - before;
    QCOMPARE(all.recordCount(), 606);
    all.Find(store::autoNumberCriterion(417));
    QCOMPARE(all.value(QStringLiteral("fldName")),
             allCardsField(*m_folder, 417, QStringLiteral("fldName")));
    qInfo("the card list held in %zu bytes", held);
    // 79 kB held so (the texts 38 kB of it); 186 kB with a value and a text
    // of its own for each name, element and path.
    QVERIFY2(held < 100 * 1024, qPrintable(QString::number(held)));
}

void StoreTest::readOnlyTableRefusesWrites() {
    Recordset all;
    store::openTable(all, QStringLiteral("AllCards"), true);
    all.Find(store::autoNumberCriterion(5));
    const QVariant before = allCardsField(*m_folder, 5, QStringLiteral("fldNorth"));
    const QString message = fatalOf([&] { all.setValue(QStringLiteral("fldNorth"), 1); });
    QVERIFY2(message.contains(QStringLiteral("AllCards")), qPrintable(message));
    all.close();
    QCOMPARE(allCardsField(*m_folder, 5, QStringLiteral("fldNorth")), before);
}

void StoreTest::fileStaysConsistentAfterWrites() {
    Recordset all;
    Recordset board;
    store::openTable(all, QStringLiteral("AllCards"), true);
    store::openTable(board, QStringLiteral("DirtyBoard"), false);
    // Many small saves, as a few matches would make.
    for (int round = 0; round <= 30; ++round)
        for (int square = 1; square <= 9; ++square) {
            all.MoveFirst();
            all.Find(store::autoNumberCriterion(round * 9 + square));
            board.MoveFirst();
            board.Find(store::locationCriterion(square));
            if (round % 2 == 0) {
                store::copyCard(all, board);
                board.setValue(QStringLiteral("fldOwner"), 1 + square % 2);
            } else {
                store::emptyCard(board);
                board.setValue(QStringLiteral("fldOwner"), 0);
            }
            board.MoveFirst();
        }
    // The last round filled the board with the cards drawn as 271..279.
    QCOMPARE(m_folder->query(QStringLiteral("PRAGMA journal_mode")).toString(),
             QStringLiteral("wal"));
    QCOMPARE(m_folder->query(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));

    // The files as a killed program would leave them right now: a copy of the
    // database and its log opens consistent, with every save in it.
    QTemporaryDir crash;
    for (const char* suffix : {"", "-wal"}) {
        const QString from = m_folder->file(QStringLiteral("Cards.mdb") + suffix);
        if (QFile::exists(from))
            QVERIFY(QFile::copy(from, crash.filePath(QStringLiteral("Cards.mdb") + suffix)));
    }
    {
        TestFolder copyReader; // only for its reader connection on the copy
        QFile::remove(copyReader.file(QStringLiteral("Cards.mdb")));
        QVERIFY(QFile::copy(crash.filePath(QStringLiteral("Cards.mdb")),
                            copyReader.file(QStringLiteral("Cards.mdb"))));
        if (QFile::exists(crash.filePath(QStringLiteral("Cards.mdb-wal"))))
            QVERIFY(QFile::copy(crash.filePath(QStringLiteral("Cards.mdb-wal")),
                                copyReader.file(QStringLiteral("Cards.mdb-wal"))));
        QCOMPARE(copyReader.query(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        for (int square = 1; square <= 9; ++square)
            QCOMPARE(
                copyReader
                    .query(QStringLiteral("SELECT fldID FROM DirtyBoard WHERE fldLocation = %1")
                               .arg(square))
                    .toInt(),
                allCardsField(*m_folder, 30 * 9 + square, QStringLiteral("fldID")).toInt());
    }
    store::closeAll();
    QCOMPARE(m_folder->query(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
}

QTEST_MAIN(StoreTest)
// A procedure's saves are invisible to other readers until its outermost
// group ends, and then all of them are there: a kill in the middle can never
// leave half of them in the file.
void StoreTest::groupedSavesReachTheFileTogether() {
    store::openTable(store::P1Hand, QStringLiteral("P1Hand"), false);
    auto seen = [this](int slot) {
        return m_folder
            ->query(QStringLiteral("SELECT fldID FROM P1Hand WHERE fldLocation = %1").arg(slot))
            .toInt();
    };
    {
        platform::SaveGroup outer;
        store::P1Hand.Find(store::locationCriterion(1));
        store::P1Hand.setValue(QStringLiteral("fldID"), 4001);
        store::P1Hand.MoveFirst();
        {
            platform::SaveGroup inner;
            store::P1Hand.Find(store::locationCriterion(2));
            store::P1Hand.setValue(QStringLiteral("fldID"), 4002);
            store::P1Hand.MoveFirst();
        }
        // The inner group's end is not the procedure's end.
        QCOMPARE(seen(1), 0);
        QCOMPARE(seen(2), 0);
    }
    QCOMPARE(seen(1), 4001);
    QCOMPARE(seen(2), 4002);

    // A flush (a modal window about to wait) commits what is pending at once.
    platform::SaveGroup group;
    store::P1Hand.Find(store::locationCriterion(3));
    store::P1Hand.setValue(QStringLiteral("fldID"), 4003);
    store::P1Hand.MoveFirst();
    QCOMPARE(seen(3), 0);
    platform::Database::flush();
    QCOMPARE(seen(3), 4003);
}

#include "tst_store.moc"
