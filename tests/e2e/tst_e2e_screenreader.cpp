// The real program read by a screen reader's client: the game runs on a
// private X server with Qt's AT-SPI bridge on the accessibility bus of its own
// D-Bus session, is played by keys, and a pyatspi client walks its tree and
// listens to its events. The names read back are held against the card
// database; hidden cards must not give away a single edge value.

#include "AccessibilityBus.h"
#include "GameRun.h"
#include "XSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace e2e;

namespace {

const QString Reader = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/accessibility/atspi_reader.py");
const QString Python = QStringLiteral("/usr/bin/python3");

struct Node {
    int depth = 0;
    QString role, name;
    QStringList states;
};

QString spokenEdges(const Card& c) {
    return QStringLiteral("north %1, east %2, south %3, west %4")
        .arg(c.north)
        .arg(c.east)
        .arg(c.south)
        .arg(c.west);
}

// A player's name as the game joins it into its words.
QString isolated(const char* name) {
    return QChar(0x2068) + QString::fromUtf8(name) + QChar(0x2069);
}

QList<QJsonObject> jsonLines(const QByteArray& out) {
    QList<QJsonObject> lines;
    for (const QByteArray& line : out.split('\n')) {
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        if (doc.isObject())
            lines << doc.object();
    }
    return lines;
}

} // namespace

class ScreenReaderEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void gameReadAloud();
    void actionsRefusedLikeClicks();

  private:
    // Runs the accessibility reader with `arguments`; its standard output.
    QString reader(const QStringList& arguments);
    // The windows of the game now on the screen, by kind.
    static QList<Kind> kinds(GameRun& run);
    QProcessEnvironment environment() const;
    QList<Node> dump();
    // The name of the one control of `role` whose name starts with `prefix`.
    QString nameOf(const QList<Node>& tree, const QString& role, const QString& prefix);
    // Whether that control has `state`.
    bool stateOf(const QList<Node>& tree, const QString& role, const QString& prefix,
                 const char* state);
    void keys(const QStringList& names);
    void saveDump(const QList<Node>& tree, const QString& what);

    XSession m_x;
    AccessibilityBus m_bus;
};

QProcessEnvironment ScreenReaderEndToEndTest::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    return env;
}

void ScreenReaderEndToEndTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(missing)));
    const QString noBus = AccessibilityBus::missing();
    if (!noBus.isEmpty())
        QSKIP(qPrintable(noBus));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
    QVERIFY2(m_bus.start(environment()), "could not start the accessibility bus");
}

void ScreenReaderEndToEndTest::cleanupTestCase() {
    m_bus.stop();
}

QList<Node> ScreenReaderEndToEndTest::dump() {
    QProcess reader;
    reader.setProcessEnvironment(environment());
    reader.start(Python, {Reader, QStringLiteral("dump")});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0)
        fail(QStringLiteral("the accessibility reader failed: %1")
                 .arg(QString::fromLocal8Bit(reader.readAllStandardError())));
    QList<Node> tree;
    for (const QJsonObject& o : jsonLines(reader.readAllStandardOutput())) {
        Node n;
        n.depth = o.value(QStringLiteral("depth")).toInt();
        n.role = o.value(QStringLiteral("role")).toString();
        n.name = o.value(QStringLiteral("name")).toString();
        for (const auto& s : o.value(QStringLiteral("states")).toArray())
            n.states << s.toString();
        tree << n;
    }
    return tree;
}

void ScreenReaderEndToEndTest::saveDump(const QList<Node>& tree, const QString& what) {
    QFile file(QStringLiteral("%1/screenreader-%2.txt").arg(Artifacts, what));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    for (const Node& n : tree)
        file.write(QStringLiteral("%1[%2] %3  {%4}\n")
                       .arg(QString(n.depth * 2, QLatin1Char(' ')), n.role, n.name,
                            n.states.join(QLatin1Char(',')))
                       .toUtf8());
}

QString ScreenReaderEndToEndTest::nameOf(const QList<Node>& tree, const QString& role,
                                         const QString& prefix) {
    QStringList found;
    for (const Node& n : tree)
        if (n.role == role && n.name.startsWith(prefix) && n.states.contains("showing"))
            found << n.name;
    if (found.size() != 1)
        fail(QStringLiteral("%1 shown %2 named \"%3...\": %4")
                 .arg(found.size())
                 .arg(role, prefix, found.join(QStringLiteral(" | "))));
    return found.first();
}

bool ScreenReaderEndToEndTest::stateOf(const QList<Node>& tree, const QString& role,
                                       const QString& prefix, const char* state) {
    const QString name = nameOf(tree, role, prefix);
    for (const Node& n : tree)
        if (n.role == role && n.name == name && n.states.contains("showing"))
            return n.states.contains(QLatin1String(state));
    return false;
}

void ScreenReaderEndToEndTest::keys(const QStringList& names) {
    QThread::msleep(100);
    if (!m_x.run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                             QStringLiteral("40")} +
                 names)
             .ok)
        fail(QStringLiteral("xdotool could not type %1").arg(names.join(' ')));
}

QString ScreenReaderEndToEndTest::reader(const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(Python, QStringList{Reader} + arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        fail(QStringLiteral("the accessibility reader (%1) failed: %2")
                 .arg(arguments.join(' '), QString::fromLocal8Bit(p.readAllStandardError())));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QList<Kind> ScreenReaderEndToEndTest::kinds(GameRun& run) {
    QList<Kind> shown;
    for (const Window& w : run.windows())
        shown << kindOf(w);
    return shown;
}

// Every action a screen reader offers reaches a control only where a click
// would: behind a modal window, on a disabled control, the game does nothing
// (it once died of a second modal window, or let a disabled name box change).
void ScreenReaderEndToEndTest::actionsRefusedLikeClicks() {
    QTemporaryDir dir;
    QVERIFY(QProcess::execute(
                QStringLiteral("cp"),
                {QStringLiteral("-a"), QStringLiteral(QUORVEL_PROGRAM_DIR "/."), dir.path()}) == 0);
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("screenreader-refusals"));
    try {
        run.launch();
        run.waitStarted();
        run.waitFor(Kind::Main);

        QElapsedTimer clock;
        // Options outside New Game: every box and mark is disabled.
        keys({QStringLiteral("alt+o")});
        run.waitFor(Kind::Options);
        QThread::msleep(300);
        const QString typed = reader({QStringLiteral("settext"), QStringLiteral("text"),
                                      QStringLiteral("Player 1 name"), QStringLiteral("Intruder")});
        QVERIFY2(typed.contains(QLatin1String("\"text\": \"Dorvik\"")), qPrintable(typed));
        reader({QStringLiteral("act"), QStringLiteral("radio button"), QStringLiteral("Open Hand"),
                QStringLiteral("Toggle")});
        reader({QStringLiteral("focus"), QStringLiteral("text"), QStringLiteral("Player 2 name")});
        QThread::msleep(300);
        QList<Node> tree = dump();
        QVERIFY(!stateOf(tree, "radio button", "Open Hand", "checked"));
        QVERIFY(stateOf(tree, "radio button", "Closed Hand", "checked"));
        QVERIFY(!stateOf(tree, "text", "Player 2 name", "focused"));
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Main);
        QThread::msleep(300);
        tree = dump();
        QCOMPARE(nameOf(tree, "label", "Player 1"), "Player 1, red, " + isolated("Dorvik"));

        // Player 1's Done with nothing marked brings the refusal, a modal
        // message. Behind it, neither the selection's Done nor a card obeys.
        keys({QStringLiteral("ctrl+n")});
        run.waitFor(Kind::Options);
        // Player 2's list arrow shows only while its box has the focus or the
        // mouse: hidden, it refuses the press a click could not give; shown,
        // it opens the list of the computer's levels.
        QThread::msleep(300);
        // The list is a popup: a window of the game's own on the screen,
        // outside the accessibility tree.
        const qsizetype shownBefore = m_x.windowsOf(run.process().processId()).size();
        auto listShown = [&] {
            return m_x.windowsOf(run.process().processId()).size() > shownBefore;
        };
        reader({QStringLiteral("acthidden"), QStringLiteral("push button"), QStringLiteral("="),
                QStringLiteral("Press"), QStringLiteral("Options")});
        QThread::msleep(500);
        QVERIFY2(!listShown(), "a hidden arrow opened the list");
        keys({QStringLiteral("Tab")});
        QThread::msleep(300);
        reader({QStringLiteral("act"), QStringLiteral("push button"), QStringLiteral("="),
                QStringLiteral("Press"), QStringLiteral("Options")});
        clock.start();
        while (!listShown() && clock.elapsed() < 5000)
            QThread::msleep(100);
        QVERIFY2(listShown(), "the shown arrow did not open the list");
        keys({QStringLiteral("Escape")});
        QThread::msleep(300);
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Select1);
        QThread::msleep(1500);
        keys({QStringLiteral("Return")});
        clock.start();
        while (!kinds(run).contains(Kind::Message) && clock.elapsed() < 5000)
            QThread::msleep(50);
        QVERIFY2(kinds(run).contains(Kind::Message), "no refusal for an empty selection");
        QThread::msleep(300);
        const QString offered =
            reader({QStringLiteral("act"), QStringLiteral("push button"), QStringLiteral("Done"),
                    QStringLiteral("Press"), QStringLiteral("Player 1")});
        QVERIFY2(offered.contains(QLatin1String("Press")), qPrintable(offered));
        reader({QStringLiteral("act"), QStringLiteral("check box"), QStringLiteral("Card 3,"),
                QStringLiteral("Toggle"), QStringLiteral("Player 1")});
        reader({QStringLiteral("focus"), QStringLiteral("check box"), QStringLiteral("Card 6,"),
                QStringLiteral("Player 1")});
        QThread::msleep(800);
        // Still one message, the selection behind it unchanged.
        QCOMPARE(kinds(run).count(Kind::Message), 1);
        tree = dump();
        saveDump(tree, QStringLiteral("refusal"));
        for (int i = 1; i <= 8; ++i)
            QVERIFY2(!stateOf(tree, "check box", QStringLiteral("Card %1,").arg(i), "checked"),
                     qPrintable(QStringLiteral("card %1 marked behind the message").arg(i)));
        // The message's own Done obeys the screen reader.
        reader({QStringLiteral("act"), QStringLiteral("push button"), QStringLiteral("Done"),
                QStringLiteral("Press"), QStringLiteral("@alert")});
        clock.restart();
        while (kinds(run).contains(Kind::Message) && clock.elapsed() < 5000)
            QThread::msleep(50);
        QVERIFY2(!kinds(run).contains(Kind::Message), "the message's Done did not close it");
        // The focus stayed where the keys left it, not on card 6.
        QThread::msleep(300);
        tree = dump();
        QVERIFY(!stateOf(tree, "check box", "Card 6,", "focused"));
        run.process().terminate();
        QVERIFY(run.process().waitForFinished(8000));
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
}

void ScreenReaderEndToEndTest::gameReadAloud() {
    QTemporaryDir dir;
    QVERIFY(QProcess::execute(
                QStringLiteral("cp"),
                {QStringLiteral("-a"), QStringLiteral(QUORVEL_PROGRAM_DIR "/."), dir.path()}) == 0);
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("screenreader"));
    QProcess listener;
    try {
        run.launch();
        run.waitStarted();
        run.waitFor(Kind::Main);

        // The main window before a game: every control named, with its role.
        QList<Node> tree = dump();
        saveDump(tree, QStringLiteral("start"));
        for (int l = 1; l <= 9; ++l)
            QCOMPARE(nameOf(tree, "push button", QStringLiteral("Square %1").arg(l)),
                     QStringLiteral("Square %1, empty").arg(l));
        for (const char* button : {"New Game", "Options", "Help", "Exit"})
            QCOMPARE(nameOf(tree, "push button", QLatin1String(button)), QLatin1String(button));
        QCOMPARE(nameOf(tree, "label", "Player 1"), "Player 1, red, " + isolated("Dorvik"));
        QCOMPARE(nameOf(tree, "label", "Score of " + isolated("Mirela")),
                 "Score of " + isolated("Mirela") + ", 0");
        QCOMPARE(nameOf(tree, "image", isolated("Dorvik") + ", round light 1"),
                 isolated("Dorvik") + ", round light 1, not lit");
        for (const Node& n : tree)
            if (n.states.contains("showing") && n.role != QLatin1String("filler") &&
                n.role != QLatin1String("image") && n.role != QLatin1String("frame"))
                QVERIFY2(!n.name.trimmed().isEmpty(), qPrintable(n.role + " without a name"));

        // From here on every announcement and window activation is heard.
        listener.setProcessEnvironment(environment());
        listener.start(Python, {Reader, QStringLiteral("listen"), QStringLiteral("100")});
        QVERIFY(listener.waitForReadyRead(20000));
        QVERIFY(listener.readLine().startsWith("READY"));

        // New Game with the defaults (Closed Hand, Basic Rules).
        keys({QStringLiteral("ctrl+n")});
        run.waitFor(Kind::Options);
        tree = dump();
        QCOMPARE(nameOf(tree, "radio button", "Closed Hand"), QStringLiteral("Closed Hand"));
        for (const Node& n : tree)
            if (n.name == QLatin1String("Closed Hand") || n.name == QLatin1String("Basic Rules"))
                QVERIFY2(n.states.contains("checked"), qPrintable(n.name));
        keys({QStringLiteral("Return")});

        const Tables empty = run.tables();
        for (int p = 1; p <= 2; ++p) {
            run.waitFor(p == 1 ? Kind::Select1 : Kind::Select2);
            // While the backs stand, the offer is named without its cards.
            if (p == 1) {
                tree = dump();
                if (nameOf(tree, "check box", "Card 1,").contains("face down"))
                    for (const Node& n : tree)
                        if (n.role == QLatin1String("check box"))
                            QVERIFY2(!n.name.contains("north"), qPrintable(n.name));
            }
            const Tables t = run.waitTables(
                [&](Tables& now) {
                    for (int i = 1; i <= 8; ++i)
                        if (now.stock(p)[i].id == 0 || now.stock(p)[i].sameCard(empty.stock(p)[i]))
                            return false;
                    return true;
                },
                QStringLiteral("player %1's offer").arg(p));
            QThread::msleep(200);
            keys({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                  QStringLiteral("4"), QStringLiteral("6")});
            tree = dump();
            if (p == 1)
                saveDump(tree, QStringLiteral("selection"));
            for (int i = 1; i <= 8; ++i) {
                const bool marked = QList<int>{1, 2, 3, 4, 6}.contains(i);
                const QString expected =
                    QStringLiteral("Card %1, %2").arg(i).arg(spokenEdges(t.stock(p)[i]));
                QCOMPARE(nameOf(tree, "check box", QStringLiteral("Card %1,").arg(i)), expected);
                QCOMPARE(stateOf(tree, "check box", QStringLiteral("Card %1,").arg(i), "checked"),
                         marked);
            }
            keys({QStringLiteral("Return")});
        }

        // The hands dealt: both face down and nameless until the first reveal.
        run.waitFor(Kind::Main);
        Tables t =
            run.waitTables([](Tables& now) { return now.hand1[5].id != 0 && now.hand2[5].id != 0; },
                           QStringLiteral("the dealt hands"));
        tree = dump();
        saveDump(tree, QStringLiteral("dealt"));
        int faceUp = 0;
        QElapsedTimer clock;
        clock.start();
        // A dump reads the names one by one over the bus, so one taken while
        // the hand turns shows part of it turned: the hand counts as face up
        // once a dump reads all five of its cards so.
        while (faceUp == 0 && clock.elapsed() < 5000) {
            QThread::msleep(200);
            tree = dump();
            int shown[3] = {0, 0, 0};
            for (const Node& n : tree)
                if (n.role == QLatin1String("push button") && n.name.contains(", card ") &&
                    n.name.contains("north"))
                    ++shown[n.name.startsWith(isolated("Dorvik")) ? 1 : 2];
            faceUp = shown[1] == 5 ? 1 : shown[2] == 5 ? 2 : 0;
        }
        QVERIFY2(faceUp, "no hand turned face up for the screen reader");
        saveDump(tree, QStringLiteral("revealed"));
        const QString owners[] = {QString(), isolated("Dorvik"), isolated("Mirela")};
        for (int p = 1; p <= 2; ++p)
            for (int s = 1; s <= 5; ++s) {
                const QString name = nameOf(tree, "push button",
                                            QStringLiteral("%1, card %2").arg(owners[p]).arg(s));
                if (p == faceUp)
                    QCOMPARE(name, QStringLiteral("%1, card %2, %3")
                                       .arg(owners[p])
                                       .arg(s)
                                       .arg(spokenEdges(t.hand(p)[s])));
                else
                    QCOMPARE(name, QStringLiteral("%1, card %2, face down").arg(owners[p]).arg(s));
            }

        // The hand played by keys; each square read back as the table holds it.
        int turn = faceUp, captures = 0, lastSquare = 0;
        Tables before;
        for (int k = 0; k < 9; ++k) {
            before = run.tables();
            int slot = 0;
            for (int s = 5; s >= 1 && !slot; --s)
                if (before.hand(turn)[s].id != 0)
                    slot = s;
            int square = 0;
            for (int l : {5, 1, 3, 7, 9, 2, 4, 6, 8})
                if (!square && before.board[l].id == 0)
                    square = l;
            static const char* keypad[] = {"",     "KP_7", "KP_8", "KP_9", "KP_4",
                                           "KP_5", "KP_6", "KP_1", "KP_2", "KP_3"};
            // A hidden hand is locked until it turns face up: keys until the card lands.
            QElapsedTimer placing;
            placing.start();
            do {
                keys({QString::number(slot), QLatin1String(keypad[square])});
                QThread::msleep(150);
                t = run.tables();
            } while (t.board[square].id == 0 && placing.elapsed() < 6000);
            lastSquare = square;
            QVERIFY2(t.board[square].id != 0, qPrintable(QStringLiteral("placement %1").arg(k)));
            if (k == 8)
                break;
            for (int l = 1; l <= 9; ++l)
                if (l != square && before.board[l].id && before.board[l].owner != t.board[l].owner)
                    ++captures;
            tree = dump();
            for (int l = 1; l <= 9; ++l) {
                const QString expected =
                    t.board[l].id == 0
                        ? QStringLiteral("Square %1, empty").arg(l)
                        : QStringLiteral("Square %1, %2 card, %3")
                              .arg(l)
                              .arg(t.board[l].owner == 1 ? "red" : "blue", spokenEdges(t.board[l]));
                QCOMPARE(nameOf(tree, "push button", QStringLiteral("Square %1").arg(l)), expected);
            }
            // The mover's remaining cards are face down again at once.
            for (int s = 1; s <= 5; ++s)
                QVERIFY(!nameOf(tree, "push button",
                                QStringLiteral("%1, card %2").arg(owners[turn]).arg(s))
                             .contains("north"));
            turn = 3 - turn;
        }

        // The message window comes up as an alert, and the screen reader hears it.
        const Window message = run.waitFor(Kind::Message);
        const Tables full = run.tables();
        for (int l = 1; l <= 9; ++l)
            if (l != lastSquare && before.board[l].owner != full.board[l].owner)
                ++captures;
        tree = dump();
        saveDump(tree, QStringLiteral("message"));
        const QString alert = nameOf(tree, "alert", QString());
        QVERIFY2(alert.contains(QRegularExpression(QStringLiteral(
                     "^Placed on square [1-9]\\.( Took squares? [^.]*\\.)? Get ready "
                     "for the next hand Score "))) ||
                     alert.contains(QLatin1String(" won this round.")),
                 qPrintable(alert));
        run.screenshot(message, QStringLiteral("message"));
        QThread::msleep(300);
        listener.closeWriteChannel();
        QVERIFY(listener.waitForFinished(10000));
        const QList<QJsonObject> events = jsonLines(listener.readAllStandardOutput());
        bool alertHeard = false;
        QStringList spoken;
        for (const QJsonObject& e : events) {
            const QString role = e.value(QStringLiteral("role")).toString();
            const QString name = e.value(QStringLiteral("name")).toString();
            if (e.value(QStringLiteral("event")).toString() == QLatin1String("window:activate") &&
                role == QLatin1String("alert") && name == alert)
                alertHeard = true;
            if (role == QLatin1String("notification") &&
                e.value(QStringLiteral("event"))
                    .toString()
                    .startsWith("object:state-changed:showing"))
                spoken << name;
        }
        QVERIFY2(alertHeard, "the message window's alert was not received");
        const QString all = spoken.join(QLatin1Char('\n'));
        {
            QFile heard(Artifacts + QStringLiteral("/screenreader-announcements.txt"));
            if (heard.open(QIODevice::WriteOnly | QIODevice::Truncate))
                heard.write(all.toUtf8() + '\n');
        }
        QVERIFY2(
            all.contains(QRegularExpression(QStringLiteral("^Hands dealt\\. \u2068(Dorvik|Mirela)"
                                                           "\u2069 begins\\.$"),
                                            QRegularExpression::MultilineOption)),
            qPrintable(all));
        // The last placement is read by the message's alert alone.
        QCOMPARE(all.count(QStringLiteral("Placed on square")), 8);
        QVERIFY2(alert.startsWith(QLatin1String("Placed on square ")), qPrintable(alert));
        QCOMPARE(all.count(QStringLiteral(" to play.")), 8);
        // Each capture is named once, in the placement that made it.
        int named = 0;
        for (const QString& line : spoken + QStringList{alert}) {
            const QRegularExpressionMatch took =
                QRegularExpression(QStringLiteral("Took squares? ([0-9, and]+)\\.")).match(line);
            if (took.hasMatch())
                named += int(took.captured(1).count(QRegularExpression(QStringLiteral("[0-9]"))));
        }
        QCOMPARE(named, captures);
        qInfo("heard %lld announcements, %d captures, alert \"%s\"", qlonglong(spoken.size()),
              captures, qPrintable(alert));
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Select1);
        run.process().terminate();
        QVERIFY(run.process().waitForFinished(8000));
    } catch (const Failure& f) {
        if (listener.state() != QProcess::NotRunning)
            listener.kill();
        QFAIL(f.what());
    }
}

QTEST_MAIN(ScreenReaderEndToEndTest)
#include "tst_e2e_screenreader.moc"
