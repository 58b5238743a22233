// SQLite's memory while the game writes its record: the page caches take
// their pages as they need them, so that a hand written to the record (whose
// row check builds a page cache for a moment) costs no block of twenty pages.
// A suite of its own, because SQLite takes that setting only before its first
// use in a process.
#include "platform/Platform.h"
#include "record/Record.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using record::HandResult;
using record::Opponent;
using record::Record;

namespace {

// SQLite's own counts of the bytes it holds, from the library the game set up.
struct SqliteMemory {
    using Used = long long (*)();
    using Highwater = long long (*)(int reset);
    Used used = nullptr;
    Highwater highwater = nullptr;

    static SqliteMemory find() {
        void* sqlite = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (!sqlite)
            return {};
        return {reinterpret_cast<Used>(dlsym(sqlite, "sqlite3_memory_used")),
                reinterpret_cast<Highwater>(dlsym(sqlite, "sqlite3_memory_highwater"))};
    }
};

HandResult hand(int number) {
    HandResult h;
    h.matchKey = QStringLiteral("memory-match");
    h.hand = number;
    h.opponent = Opponent::Hard;
    h.points1 = 6;
    h.points2 = 4;
    return h;
}

} // namespace

class RecordMemoryTest : public QObject {
    Q_OBJECT
  private slots:
    void handWrittenWithoutAPageBlock();
};

void RecordMemoryTest::handWrittenWithoutAPageBlock() {
    // As the game sets itself up, before anything in this process uses SQLite.
    platform::initialise();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Record record(dir.filePath(QStringLiteral("Record.db")));
    QVERIFY2(record.isAvailable(), qPrintable(record.problem()));
    QVERIFY(record.addHand(hand(1)));

    const SqliteMemory memory = SqliteMemory::find();
    QVERIFY(memory.used && memory.highwater);
    const long long before = memory.used();
    QVERIFY2(before > 0, "SQLite keeps no count of its memory");
    memory.highwater(1);
    for (int n = 2; n <= 9; ++n)
        QVERIFY(record.addHand(hand(n)));
    const long long peak = memory.highwater(0) - before;
    qInfo("SQLite's heap while writing eight hands: %lld bytes above the %lld it held", peak,
          before);
    // A first block of twenty pages alone is 87 kB; the row check's cache
    // takes one page (4 kB and its header) and the record a few more.
    QVERIFY2(peak < 48 * 1024, qPrintable(QString::number(peak)));
}

QTEST_MAIN(RecordMemoryTest)
#include "tst_recordmemory.moc"
