#pragma once

// Runs the real game binary from a copy of its program folder on a private X
// server and plays it like a person at the screen: it looks at the card
// database (read-only, while the game writes it) to decide which cards to
// take and where to put them, clicks the designed positions of the controls,
// and checks after every step what the tables hold and the screen shows.

#include "XSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <signal.h>

namespace e2e {

// Where the end-to-end suites leave screenshots and logs for a person to look at.
inline const QString Artifacts = QStringLiteral(QUORVEL_BINARY_DIR "/e2e-artifacts");

// The whole program folder, binary included, so that the copy is the folder
// the program runs from.
inline bool copyProgramFolder(const QString& to) {
    return QProcess::execute(
               QStringLiteral("cp"),
               {QStringLiteral("-a"), QStringLiteral(QUORVEL_PROGRAM_DIR "/."), to}) == 0;
}

struct Card {
    int id = 0, level = 0, north = 0, east = 0, south = 0, west = 0, owner = 0;
    QString name, element, path;
    bool empty() const {
        return id == 0 && level == 0 && north == 0 && east == 0 && south == 0 && west == 0 &&
               owner == 0 && name.isEmpty() && element.isEmpty() && path.isEmpty();
    }
    int value() const { return north + east + south + west; }
    bool sameCard(const Card& o) const {
        return id == o.id && level == o.level && name == o.name && element == o.element &&
               north == o.north && east == o.east && south == o.south && west == o.west &&
               path == o.path;
    }
};

// What the slot tables hold, indexed by slot (index 0 unused). `rows` counts
// the records of each table in its stored order, `ordered` says whether their
// fldLocation runs 1, 2, 3, ...
struct Tables {
    std::array<Card, 10> board;
    std::array<Card, 6> hand1, hand2;
    std::array<Card, 9> stock1, stock2;
    bool ordered = true;
    int rows = 0;

    Card* hand(int p) { return p == 1 ? hand1.data() : hand2.data(); }
    const Card* hand(int p) const { return p == 1 ? hand1.data() : hand2.data(); }
    Card* stock(int p) { return p == 1 ? stock1.data() : stock2.data(); }
    const Card* stock(int p) const { return p == 1 ? stock1.data() : stock2.data(); }
};

inline QString openDatabase(QSqlDatabase& db, const QString& file, bool readOnly) {
    db.setDatabaseName(file);
    db.setConnectOptions(readOnly
                             ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        return db.lastError().text();
    return {};
}

// Reads every slot table in one read transaction, so that the picture is one
// the game committed. `readOnly` while the game runs.
inline bool readTables(const QString& file, Tables& t, bool readOnly = true) {
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (openDatabase(db, file, readOnly).isEmpty()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("BEGIN"));
            t = Tables();
            const std::pair<const char*, Card*> tables[] = {{"DirtyBoard", t.board.data()},
                                                            {"P1Hand", t.hand1.data()},
                                                            {"P2Hand", t.hand2.data()},
                                                            {"P1Stock", t.stock1.data()},
                                                            {"P2Stock", t.stock2.data()}};
            const int sizes[] = {9, 5, 5, 8, 8};
            for (int k = 0; k < 5 && ok; ++k) {
                const bool board = k == 0;
                ok = q.exec(QStringLiteral("SELECT fldLocation, fldID, fldLevel, fldName, "
                                           "fldElement, fldNorth, fldEast, fldSouth, fldWest, "
                                           "fldPath%1 FROM %2")
                                .arg(board ? QStringLiteral(", fldOwner") : QString(),
                                     QString::fromLatin1(tables[k].first)));
                int expected = 1;
                while (ok && q.next()) {
                    const int loc = q.value(0).toInt();
                    t.ordered = t.ordered && loc == expected++;
                    ++t.rows;
                    if (loc < 1 || loc > sizes[k])
                        continue;
                    Card& c = tables[k].second[loc];
                    c.id = q.value(1).toInt();
                    c.level = q.value(2).toInt();
                    c.name = q.value(3).toString();
                    c.element = q.value(4).toString();
                    c.north = q.value(5).toInt();
                    c.east = q.value(6).toInt();
                    c.south = q.value(7).toInt();
                    c.west = q.value(8).toInt();
                    c.path = q.value(9).toString();
                    c.owner = board ? q.value(10).toInt() : 0;
                }
                t.ordered = t.ordered && expected == sizes[k] + 1;
            }
            q.exec(QStringLiteral("COMMIT"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// "ok" for an undamaged database file, else SQLite's findings.
inline QString integrityCheck(const QString& file) {
    const QString name = QUuid::createUuid().toString();
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        result = openDatabase(db, file, false);
        if (result.isEmpty()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")))
                while (q.next())
                    result += q.value(0).toString();
            else
                result = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// The capture rule as the players know it: a placed card takes every
// orthogonal neighbour of the opponent whose facing edge is lower; under the
// combo rule each card so taken then does the same once. Returns the taken
// squares and applies them to `board`.
inline QList<int> takeCards(std::array<Card, 10>& board, int square, int owner, bool combo) {
    QList<int> taken;
    auto act = [&](const Card& card, int at, QList<int>* queue) {
        const int row = (at - 1) / 3;
        const std::pair<int, bool> neighbours[] = {{at - 3, at > 3},
                                                   {at - 1, (at - 2) / 3 == row && at > 1},
                                                   {at + 1, at % 3 != 0},
                                                   {at + 3, at < 7}};
        for (int k = 0; k < 4; ++k) {
            const auto [n, exists] = neighbours[k];
            if (!exists || board[n].owner != 3 - owner)
                continue;
            const Card& other = board[n];
            const bool beats = k == 0   ? other.south < card.north
                               : k == 1 ? other.east < card.west
                               : k == 2 ? other.west < card.east
                                        : other.north < card.south;
            if (!beats)
                continue;
            board[n].owner = owner;
            taken.append(n);
            if (queue)
                queue->append(n);
        }
    };
    QList<int> queue;
    act(board[square], square, &queue);
    if (combo) {
        std::sort(queue.begin(), queue.end());
        for (int n : queue)
            act(board[n], n, nullptr);
    }
    return taken;
}

// Checks the tables after player `p` placed hand slot `slot` on `square`
// against the capture rule: the board as the rule makes it, the played slot
// empty and every other hand slot unchanged. Returns the points scored.
inline int verifyPlacement(const Tables& before, const Tables& after, int p, int slot, int square,
                           bool combo) {
    std::array<Card, 10> expected = before.board;
    expected[square] = before.hand(p)[slot];
    expected[square].owner = p;
    int points = 0;
    for (int n : takeCards(expected, square, p, combo))
        points += expected[n].value();
    for (int l = 1; l <= 9; ++l)
        if (!after.board[l].sameCard(expected[l]) || after.board[l].owner != expected[l].owner)
            fail(QStringLiteral("after player %1 placed hand slot %2 on square %3, square %4 "
                                "holds card %5 of owner %6, expected card %7 of owner %8")
                     .arg(p)
                     .arg(slot)
                     .arg(square)
                     .arg(l)
                     .arg(after.board[l].id)
                     .arg(after.board[l].owner)
                     .arg(expected[l].id)
                     .arg(expected[l].owner));
    for (int q = 1; q <= 2; ++q)
        for (int s = 1; s <= 5; ++s) {
            const bool played = q == p && s == slot;
            const Card& now = after.hand(q)[s];
            if (played ? !now.empty() : !now.sameCard(before.hand(q)[s]))
                fail(QStringLiteral("hand slot %1 of player %2 wrong after player %3's placement")
                         .arg(s)
                         .arg(q)
                         .arg(p));
        }
    return points;
}

enum class Kind {
    None,
    Splash,
    Main,
    Options,
    Select1,
    Select2,
    Message,
    Winner,
    Help,
    Stats,
    HostGame,
    JoinGame,
    Other
};

// A window by its title, in the language of the translator the test has
// installed (English without one), and its size.
inline Kind kindOf(const Window& w) {
    const auto title = [](const char* context, const char* source) {
        return QCoreApplication::translate(context, source);
    };
    if (w.name == title("FrmMain", "Quorvel") && w.width == 592)
        return Kind::Main;
    // The options window's caption is empty, on the screen as well.
    if (w.name.isEmpty() && w.width == 312)
        return Kind::Options;
    if (w.name == title("FrmPlayer", "Quorvel  -  Player 1"))
        return Kind::Select1;
    if (w.name == title("FrmPlayer", "Quorvel  -  Player 2"))
        return Kind::Select2;
    if (w.name == title("FrmHostGame", "Quorvel  -  Host a game"))
        return Kind::HostGame;
    if (w.name == title("FrmJoinGame", "Quorvel  -  Join a game"))
        return Kind::JoinGame;
    if (w.name == title("FrmHelp", "Quorvel  -  Help"))
        return Kind::Help;
    if (w.name == title("FrmStats", "Quorvel  -  Statistics"))
        return Kind::Stats;
    if (w.name == QLatin1String("Form1"))
        return w.width == 351 ? Kind::Message : w.width == 552 ? Kind::Winner : Kind::Splash;
    return Kind::Other;
}

inline int px(int twips) {
    return twips / 15;
}

// Thrown through the player's moves when the test has killed the game.
struct Killed {};

class GameRun {
  public:
    GameRun(XSession& x, const QString& folder, const QString& artifacts, const QString& prefix)
        : m_x(x), m_folder(folder), m_artifacts(artifacts), m_prefix(prefix) {
        m_begin[1] = QImage(folder + "/images/begin1.jpg").convertToFormat(QImage::Format_RGB32);
        m_begin[2] = QImage(folder + "/images/begin2.jpg").convertToFormat(QImage::Format_RGB32);
    }
    // The game speaks `language`: its "begins" pictures are the language's.
    void setLanguage(const QString& language) {
        for (int p = 1; p <= 2; ++p)
            m_begin[p] =
                QImage(QStringLiteral("%1/images/%2/begin%3.jpg").arg(m_folder, language).arg(p))
                    .convertToFormat(QImage::Format_RGB32);
    }
    ~GameRun() {
        if (m_game.state() != QProcess::NotRunning) {
            m_game.kill();
            m_game.waitForFinished(3000);
        }
    }

    // How an installed game is started instead of from the program folder: the
    // command (with anything that runs it as another user), the environment
    // added to the test's own, the card database it writes and a file for
    // its standard error.
    struct Start {
        QString program;
        QStringList arguments;
        QProcessEnvironment environment;
        QString database;
        QString errorFile;
        // Where its standard output goes instead of the test's own.
        QString outputFile;
    };
    void setStart(const Start& start) { m_start = start; }

    QString database() const {
        return m_start.database.isEmpty() ? m_folder + "/Cards.mdb" : m_start.database;
    }
    QProcess& process() { return m_game; }
    bool running() const { return m_game.state() != QProcess::NotRunning; }
    // Called after every action of the player (the kill test cuts in here).
    std::function<void()> afterAction;
    // Called when the message window at the end of a hand is up.
    std::function<void()> atMessage;
    int placements = 0, hands = 0, rounds = 0, retries = 0, beginSeen = 0;
    // Started just before the latest press on a board square was sent: the
    // press itself, and what follows it in the game, came later.
    QElapsedTimer squarePressSent;

    // ---- the program ----------------------------------------------------

    void launch() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_x.display());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(m_start.environment);
        m_game.setProcessEnvironment(env);
        m_game.setWorkingDirectory(m_folder);
        m_game.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        if (!m_start.errorFile.isEmpty())
            m_game.setStandardErrorFile(m_start.errorFile, QIODevice::Append);
        if (!m_start.outputFile.isEmpty()) {
            m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_game.setStandardOutputFile(m_start.outputFile, QIODevice::Append);
        }
        if (m_start.program.isEmpty())
            m_game.start(m_folder + "/quorvel", {});
        else
            m_game.start(m_start.program, m_start.arguments);
        if (!m_game.waitForStarted(5000))
            fail(QStringLiteral("the game did not start"));
    }

    // Waits for the splash window to give way to the main window; returns
    // how long the splash was seen.
    qint64 waitStarted() {
        QElapsedTimer clock;
        clock.start();
        qint64 splashFrom = -1, splashTo = -1, bothFrom = -1;
        QString seen;
        while (clock.elapsed() < 15000) {
            const QList<Window> ws = windows();
            seen.clear();
            for (const Window& w : ws)
                seen += QStringLiteral(" [%1 %2x%3]").arg(w.name).arg(w.width).arg(w.height);
            bool splash = false, main = false;
            for (const Window& w : ws) {
                splash |= kindOf(w) == Kind::Splash;
                main |= kindOf(w) == Kind::Main;
            }
            if (splash && splashFrom < 0)
                splashFrom = clock.elapsed();
            if (splash)
                splashTo = clock.elapsed();
            // Both are mapped for a moment within the one handler that shows
            // the main window and unloads the splash.
            if (main && splash && bothFrom < 0)
                bothFrom = clock.elapsed();
            if (main && splash && clock.elapsed() - bothFrom > 500)
                fail(QStringLiteral("the splash window stayed up beside the main window"));
            if (main && !splash) {
                if (ws.size() != 1)
                    fail(QStringLiteral("more than the main window shown after start-up"));
                return splashFrom < 0 ? 0 : splashTo - splashFrom;
            }
            QThread::msleep(20);
        }
        QFile wchan(QStringLiteral("/proc/%1/wchan").arg(m_game.processId()));
        wchan.open(QIODevice::ReadOnly);
        const QString tree =
            m_x.run({QStringLiteral("-root"), QStringLiteral("-tree")}, QStringLiteral("xwininfo"))
                .out;
        const QString stack =
            m_x.run({QStringLiteral("-p"), QString::number(m_game.processId()),
                     QStringLiteral("-batch"), QStringLiteral("-ex"), QStringLiteral("bt")},
                    QStringLiteral("gdb"))
                .out;
        fail(QStringLiteral("the main window did not show within 15 s; shown:%1; the game waits "
                            "in %2; windows:\n%3\n%4")
                 .arg(seen, QString::fromLatin1(wchan.readAll()), tree, stack));
    }

    void kill() {
        ::kill(pid_t(m_game.processId()), SIGKILL);
        if (!m_game.waitForFinished(5000))
            fail(QStringLiteral("the killed game did not end"));
    }

    // ---- windows ----------------------------------------------------------

    QList<Window> windows() {
        // Without an event loop QProcess learns of the end only when asked.
        if (!running() || m_game.waitForFinished(0))
            fail(QStringLiteral("the game ended unexpectedly (%1, status %2); %3; it said: %4")
                     .arg(m_game.exitStatus() == QProcess::NormalExit ? "exit" : "crash")
                     .arg(m_game.exitCode())
                     .arg(m_x.health(), QString::fromLocal8Bit(m_game.readAllStandardError())));
        const QList<Window> ws = m_x.windowsOf(m_game.processId());
        for (const Window& w : ws)
            if (kindOf(w) == Kind::Other)
                fail(QStringLiteral("an unexpected window \"%1\" (%2x%3) is shown - an error "
                                    "report?")
                         .arg(w.name)
                         .arg(w.width)
                         .arg(w.height));
        return ws;
    }

    // Waits until `kind` is the one window of the game on the screen (the
    // main window may stay behind a modal message or result window).
    Window waitFor(Kind kind, int timeoutMs = 8000) {
        QElapsedTimer clock;
        clock.start();
        QString seen;
        do {
            const QList<Window> ws = windows();
            seen.clear();
            const Window* found = nullptr;
            bool others = false;
            for (const Window& w : ws) {
                seen += QStringLiteral(" [%1 %2x%3]").arg(w.name).arg(w.width).arg(w.height);
                if (kindOf(w) == kind)
                    found = &w;
                else if (!(kindOf(w) == Kind::Main &&
                           (kind == Kind::Message || kind == Kind::Winner)) &&
                         !(kind == Kind::Stats &&
                           (kindOf(w) == Kind::Main || kindOf(w) == Kind::Winner)))
                    others = true;
            }
            if (found && !others)
                return *found;
            QThread::msleep(15);
        } while (clock.elapsed() < timeoutMs);
        fail(QStringLiteral("window of kind %1 not shown alone within %2 ms; shown:%3")
                 .arg(int(kind))
                 .arg(timeoutMs)
                 .arg(seen));
    }

    // A click in the middle of a control given by its design rectangle. A
    // player looks at a window that has just come up before clicking into
    // it; the game ignores presses that come within the desktop's
    // double-click interval after a window shows.
    void press(const Window& w, int left, int top, int width, int height) {
        if (w.id != m_lastPressed && m_sincePress.isValid() && m_sincePress.elapsed() < 500)
            QThread::msleep(500 - m_sincePress.elapsed());
        m_x.click(w, px(left + width / 2), px(top + height / 2));
        m_lastPressed = w.id;
        m_sincePress.start();
        if (afterAction)
            afterAction();
    }

    void screenshot(const Window& w, const QString& what) const {
        m_x.grab(w, QStringLiteral("%1/%2-%3.png").arg(m_artifacts, m_prefix, what));
    }

    Tables tables() const {
        Tables t;
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (readTables(database(), t))
                return t;
            QThread::msleep(20);
        }
        fail(QStringLiteral("the card database could not be read while the game runs"));
    }

    template <typename Pred> Tables waitTables(Pred pred, const QString& what, int ms = 6000) {
        QElapsedTimer clock;
        clock.start();
        Tables t;
        do {
            t = tables();
            if (pred(t))
                return t;
            QThread::msleep(15);
        } while (clock.elapsed() < ms);
        fail(QStringLiteral("timed out waiting for %1").arg(what));
    }

    // Player p's new offer: all eight cards dealt and not the offer of `before`.
    Tables waitOffer(int p, const Tables& before) {
        return waitTables(
            [&](Tables& now) {
                bool full = true, changed = false;
                for (int i = 1; i <= 8; ++i) {
                    full = full && now.stock(p)[i].id != 0;
                    changed = changed || !now.stock(p)[i].sameCard(before.stock(p)[i]);
                }
                return full && changed;
            },
            QStringLiteral("player %1's offer").arg(p));
    }

    // The places (1 to 8, in order) of the five strongest cards of player
    // p's offer, as a player who adds up the edges would choose them.
    static std::array<int, 5> strongestFive(const Tables& t, int p) {
        std::array<int, 8> order{1, 2, 3, 4, 5, 6, 7, 8};
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return t.stock(p)[a].value() > t.stock(p)[b].value();
        });
        std::array<int, 5> chosen{};
        std::copy(order.begin(), order.begin() + 5, chosen.begin());
        std::sort(chosen.begin(), chosen.end());
        return chosen;
    }

    // ---- a match ----------------------------------------------------------

    void newGame(bool open, bool combo) {
        m_open = open;
        m_combo = combo;
        m_wins = {0, 0, 0};
        m_score = {0, 0, 0};
        m_beginner = 0;
        const Window main = waitFor(Kind::Main);
        m_offerBefore = tables();
        press(main, 3743, 5666, 1395, 375); // New Game
        const Window options = waitFor(Kind::Options);
        // New Game has emptied the hands and the board before the options show.
        const Tables t = tables();
        for (int s = 1; s <= 5; ++s)
            if (!t.hand1[s].empty() || !t.hand2[s].empty())
                fail(QStringLiteral("New Game left a card in hand slot %1").arg(s));
        for (int l = 1; l <= 9; ++l)
            if (!t.board[l].empty())
                fail(QStringLiteral("New Game left a card on square %1").arg(l));
        press(options, 660, open ? 3070 : 3490, 435, 375);  // Open Hand / Closed Hand
        press(options, 650, combo ? 4470 : 4050, 495, 435); // Basic / Basic Combo Rules
        if (!m_prefix.isEmpty() && m_shots)
            screenshot(options, QStringLiteral("options"));
        press(options, 645, 5340, 1395, 375); // Done
    }

    // Player `p` takes the five strongest of the offer in the selection window.
    std::array<int, 5> choose(int p) {
        const Window w = waitFor(p == 1 ? Kind::Select1 : Kind::Select2);
        // A fresh offer: eight cards, not the last offer still in the table.
        const Tables t = waitOffer(p, m_offerBefore);
        const std::array<int, 5> chosen = strongestFive(t, p);
        for (int i : chosen)
            markOffered(w, i);
        checkMarkers(w, chosen);
        if (m_shots && hands == 0 && p == 1)
            screenshot(w, QStringLiteral("selection"));
        if (p == 1)
            m_offerBefore = tables();
        m_chosen[p] = chosen;
        m_offer[p] = t;
        press(w, 6780, p == 1 ? 600 : 597, 1395, 375); // Done
        return chosen;
    }

    // Whether the yellow frame shows around offer card `slot` in `shot`.
    static bool framed(const QImage& shot, int slot) {
        const QRgb c = shot.pixel(px(360 + 1020 * (slot - 1)) + 2, px(1620 + 637));
        return qRed(c) > 170 && qGreen(c) > 170 && qBlue(c) < 120;
    }

    // A click on offer card `slot` (1 to 8), made as a player makes it: he
    // clicks the next card only once the frame of this one shows (or has had
    // two seconds to), not while the game is still taking the last click in.
    // checkMarkers then says which frames are wrong.
    void markOffered(const Window& w, int slot) {
        press(w, 443 + 1020 * (slot - 1), 1620, 795, 1275);
        QElapsedTimer clock;
        clock.start();
        do {
            const QImage shot = m_x.grab(w);
            if (shot.isNull() || framed(shot, slot))
                return;
            QThread::msleep(15);
        } while (clock.elapsed() < 2000);
    }

    // The yellow frames the player sees around the marked cards.
    void checkMarkers(const Window& w, const std::array<int, 5>& chosen) {
        QElapsedTimer clock;
        clock.start();
        QString wrong;
        QImage shot;
        do {
            shot = m_x.grab(w);
            wrong.clear();
            for (int i = 1; i <= 8; ++i) {
                const bool yellow = framed(shot, i);
                const bool marked = std::find(chosen.begin(), chosen.end(), i) != chosen.end();
                if (yellow != marked)
                    wrong += QStringLiteral(" %1 (%2)")
                                 .arg(i)
                                 .arg(yellow ? "framed, not chosen" : "chosen, no frame");
            }
            if (wrong.isEmpty())
                return;
            QThread::msleep(30);
        } while (clock.elapsed() < 2000);
        if (!m_prefix.isEmpty())
            shot.save(QStringLiteral("%1/%2-selection-frames.png").arg(m_artifacts, m_prefix));
        fail(QStringLiteral("selection frames wrong on offer slots%1").arg(wrong));
    }

    // Who the begin picture on the screen names: 1, 2, or 0 when none shows.
    int beginOnScreen(const Window& main) const {
        const QImage shot = m_x.grab(main);
        double diff[3] = {0, 0, 0};
        for (int p = 1; p <= 2; ++p) {
            const QImage& pic = m_begin[p];
            qint64 sum = 0;
            for (int y = 0; y < pic.height(); y += 3)
                for (int x = 0; x < pic.width(); x += 3) {
                    const QRgb a = pic.pixel(x, y);
                    const QRgb b = shot.pixel(196 + x, 160 + y);
                    sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                           qAbs(qBlue(a) - qBlue(b));
                }
            diff[p] = double(sum) / ((pic.width() / 3 + 1) * (pic.height() / 3 + 1));
        }
        if (diff[1] < 12 && diff[2] > 30)
            return 1;
        if (diff[2] < 12 && diff[1] > 30)
            return 2;
        return 0;
    }

    // The begin picture as the hand starts; 0 when it is not seen in time.
    int beginShown(const Window& main) const {
        QElapsedTimer clock;
        clock.start();
        do {
            if (const int p = beginOnScreen(main))
                return p;
            QThread::msleep(20);
        } while (clock.elapsed() < 800);
        return 0;
    }

    // The begin picture lies over the middle row for two seconds; a player
    // waits until it has gone before putting a card there.
    void waitBeginGone(const Window& main) {
        QElapsedTimer clock;
        clock.start();
        while (beginOnScreen(main)) {
            if (clock.elapsed() > 4000)
                fail(QStringLiteral("the begin picture stays longer than its two seconds"));
            QThread::msleep(30);
        }
        m_beginUp = false;
    }

    // The hands dealt from the two choices, then nine cards placed.
    // Returns 0 for a next hand, else the round winner (3 + P for the match).
    int playHand() {
        const Window main = waitFor(Kind::Main);
        int beginner = m_beginner ? 3 - m_beginner : 0;
        const int shown = beginShown(main);
        if (shown) {
            ++beginSeen;
            if (beginner && shown != beginner)
                fail(QStringLiteral("the begin picture names player %1, but player %2 begins")
                         .arg(shown)
                         .arg(beginner));
            beginner = shown;
            m_beginUp = true;
            m_beginClock.start();
        }
        Tables t = waitTables(
            [](Tables& now) {
                for (int s = 1; s <= 5; ++s)
                    if (now.hand1[s].id == 0 || now.hand2[s].id == 0)
                        return false;
                return true;
            },
            QStringLiteral("the dealt hands"));
        for (int p = 1; p <= 2; ++p)
            for (int s = 1; s <= 5; ++s)
                if (!t.hand(p)[s].sameCard(m_offer[p].stock(p)[m_chosen[p][s - 1]]))
                    fail(QStringLiteral("player %1's hand slot %2 is not the card chosen from "
                                        "offer slot %3")
                             .arg(p)
                             .arg(s)
                             .arg(m_chosen[p][s - 1]));
        if (m_shots && hands == 0)
            screenshot(main, QStringLiteral("dealt"));
        int turn = beginner ? beginner : 1;
        for (int k = 0; k < 9; ++k) {
            const bool placed = placeBest(main, turn, beginner == 0 ? 1500 : 8000);
            if (!placed) {
                // Not the player who begins: the other one does.
                turn = 3 - turn;
                if (!placeBest(main, turn, 8000))
                    fail(QStringLiteral("neither player could place the first card"));
            }
            if (!beginner)
                beginner = turn;
            turn = 3 - turn;
            if (m_shots && hands == 0 && k == 4)
                screenshot(main, QStringLiteral("midhand"));
        }
        m_beginner = beginner;
        ++hands;
        return endOfHand(main);
    }

    bool beginCovers() const { return m_beginUp && m_beginClock.elapsed() < 2600; }
    static bool freeOutsideMiddle(const Tables& t) {
        for (int l : {1, 2, 3, 7, 8, 9})
            if (t.board[l].id == 0)
                return true;
        return false;
    }

    // The move that takes the most points now, for the player on turn.
    bool placeBest(const Window& main, int p, int timeoutMs) {
        const Tables before = tables();
        int bestSlot = 0, bestSquare = 0, bestGain = -1;
        for (int s = 1; s <= 5; ++s) {
            const Card& c = before.hand(p)[s];
            if (c.id == 0)
                continue;
            for (int l : {1, 3, 7, 9, 2, 4, 6, 8, 5}) {
                if (before.board[l].id != 0)
                    continue;
                // While the begin picture covers the middle row, play elsewhere.
                if (beginCovers() && l >= 4 && l <= 6 && freeOutsideMiddle(before))
                    continue;
                std::array<Card, 10> board = before.board;
                board[l] = c;
                board[l].owner = p;
                int gain = 0;
                for (int n : takeCards(board, l, p, m_combo))
                    gain += board[n].value();
                if (gain > bestGain) {
                    bestGain = gain;
                    bestSlot = s;
                    bestSquare = l;
                }
            }
        }
        if (!bestSlot)
            fail(QStringLiteral("player %1 has no card to place").arg(p));
        return place(main, before, p, bestSlot, bestSquare, timeoutMs);
    }

    // Presses on the hand card, then on the square, until the card lands
    // (a hidden hand is locked until it is turned face up again).
    bool place(const Window& main, const Tables& before, int p, int slot, int square,
               int timeoutMs) {
        static const int p1Left[] = {0, 315, 945, 1605, 480, 1095};
        static const int p2Left[] = {0, 7575, 6915, 6285, 7395, 6735};
        static const int handTop[] = {0, 386, 1346, 2306, 3026, 3986};
        static const int boardLeft[] = {2805, 3945, 5085};
        static const int boardTop[] = {386, 2126, 3866};
        if (beginCovers() && square >= 4 && square <= 6)
            waitBeginGone(main);
        QElapsedTimer clock;
        clock.start();
        Tables after;
        bool landed = false;
        for (int attempt = 0; !landed && clock.elapsed() < timeoutMs; ++attempt) {
            if (attempt)
                ++retries;
            press(main, (p == 1 ? p1Left : p2Left)[slot], handTop[slot], 990, 1620);
            squarePressSent.start();
            press(main, boardLeft[(square - 1) % 3], boardTop[(square - 1) / 3], 990, 1620);
            QElapsedTimer poll;
            poll.start();
            do {
                after = tables();
                landed = after.board[square].id != 0 && after.hand(p)[slot].id == 0;
                if (!landed)
                    QThread::msleep(15);
            } while (!landed && poll.elapsed() < 250);
            if (!landed && after.board[square].id != 0)
                fail(QStringLiteral("square %1 filled but hand slot %2 kept its card")
                         .arg(square)
                         .arg(slot));
        }
        if (!landed) {
            // Nothing may have changed while the presses were refused.
            for (int l = 1; l <= 9; ++l)
                if (!after.board[l].sameCard(before.board[l]) ||
                    after.board[l].owner != before.board[l].owner)
                    fail(QStringLiteral("square %1 changed though no card was placed").arg(l));
            return false;
        }
        // The board as the rules say it must be now.
        m_score[p] += verifyPlacement(before, after, p, slot, square, m_combo);
        ++placements;
        if (qEnvironmentVariableIsSet("QUORVEL_E2E_TRACE"))
            qInfo("player %d slot %d -> square %d after %lld ms", p, slot, square, clock.elapsed());
        return true;
    }

    // What the message says by its colour: 0 black (next hand), 1 red, 2 blue.
    int messageColour(const Window& w) const {
        QElapsedTimer clock;
        clock.start();
        do {
            const QImage shot = m_x.grab(w);
            int red = 0, blue = 0, dark = 0;
            for (int y = px(180); y < px(180 + 675); ++y)
                for (int x = px(240); x < px(240 + 3135); ++x) {
                    const QRgb c = shot.pixel(x, y);
                    red += qRed(c) > 180 && qGreen(c) < 70 && qBlue(c) < 70;
                    blue += qBlue(c) > 180 && qRed(c) < 70 && qGreen(c) < 70;
                    dark += qRed(c) < 50 && qGreen(c) < 50 && qBlue(c) < 50;
                }
            if (red > 30 && blue < 5)
                return 1;
            if (blue > 30 && red < 5)
                return 2;
            if (dark > 30 && red < 5 && blue < 5)
                return 0;
            QThread::msleep(30);
        } while (clock.elapsed() < 2000);
        fail(QStringLiteral("the message window shows no readable message"));
    }

    int endOfHand(const Window& main) {
        const int target = m_combo ? 200 : 150;
        int winner = 0;
        if ((m_score[1] >= target || m_score[2] >= target) && m_score[1] != m_score[2])
            winner = m_score[1] > m_score[2] ? 1 : 2;
        const Window msg = waitFor(Kind::Message);
        if (atMessage)
            atMessage();
        const int colour = messageColour(msg);
        if (colour != winner)
            fail(QStringLiteral("scores %1 : %2 (target %3) should bring message colour %4, "
                                "the message shows colour %5")
                     .arg(m_score[1])
                     .arg(m_score[2])
                     .arg(target)
                     .arg(winner)
                     .arg(colour));
        const bool matchOver = winner && m_wins[winner] + 1 == 3;
        if (m_shots && (hands == 1 || winner))
            screenshot(msg, QStringLiteral("message-%1-%2").arg(hands).arg(winner));
        m_offerBefore = tables();
        press(msg, 3540, 300, 1395, 375);
        if (winner) {
            ++m_wins[winner];
            ++rounds;
            m_score = {0, 0, 0};
        }
        if (matchOver) {
            const Window result = waitFor(Kind::Winner);
            if (m_shots)
                screenshot(result, QStringLiteral("result"));
            press(result, 3420, 3180, 1395, 375);
            const Window back = waitFor(Kind::Main);
            if (m_shots)
                screenshot(back, QStringLiteral("final-board"));
            return 3 + winner;
        }
        waitFor(Kind::Select1);
        const Tables t = tables();
        for (int l = 1; l <= 9; ++l)
            if (!t.board[l].empty())
                fail(QStringLiteral("square %1 not cleared for the next hand").arg(l));
        for (int s = 1; s <= 5; ++s)
            if (!t.hand1[s].empty() || !t.hand2[s].empty())
                fail(QStringLiteral("hand slot %1 not cleared for the next hand").arg(s));
        Q_UNUSED(main);
        return winner;
    }

    // New Game, then hands until the match is won or `roundLimit` rounds
    // are over (0: the whole match). Returns the winner of the match or 0.
    int playMatch(bool open, bool combo, int roundLimit) {
        newGame(open, combo);
        return playOn(roundLimit, false);
    }

    // Goes on with a match whose New Game has been pressed, from player 1's
    // selection (or player 2's, when player 1 has already chosen).
    int playOn(int roundLimit, bool player1Chosen) {
        int finished = 0;
        for (;;) {
            if (!player1Chosen)
                choose(1);
            player1Chosen = false;
            choose(2);
            const int result = playHand();
            if (result > 2)
                return result - 3;
            if (result && roundLimit && ++finished >= roundLimit) {
                // Leave in the middle of the next hand, as a player who quits.
                choose(1);
                choose(2);
                waitFor(Kind::Main);
                waitTables([](Tables& now) { return now.hand1[5].id != 0 && now.hand2[5].id != 0; },
                           QStringLiteral("the next hands"));
                return 0;
            }
            if (hands > 40)
                fail(QStringLiteral("no match result after 40 hands"));
        }
    }

    void exitGame() {
        const Window main = waitFor(Kind::Main);
        press(main, 3743, 7166, 1395, 375);
        if (!m_game.waitForFinished(8000))
            fail(QStringLiteral("the game did not end after Exit"));
    }

    void setScreenshots(bool on) { m_shots = on; }

  private:
    XSession& m_x;
    QString m_folder, m_artifacts, m_prefix;
    QString m_lastPressed;
    QElapsedTimer m_sincePress;
    QProcess m_game;
    Start m_start;
    QImage m_begin[3];
    bool m_open = false, m_combo = false, m_shots = false;
    int m_beginner = 0;
    bool m_beginUp = false;
    QElapsedTimer m_beginClock;
    std::array<int, 3> m_wins{}, m_score{};
    std::array<int, 5> m_chosen[3]{};
    Tables m_offer[3];
    Tables m_offerBefore;
};

// Every offer, hand and board record empty (owner 0 on the board).
inline QString emptinessProblem(const Tables& t) {
    if (!t.ordered)
        return QStringLiteral("a slot table lost its records or their order");
    for (int l = 1; l <= 9; ++l)
        if (!t.board[l].empty())
            return QStringLiteral("DirtyBoard square %1 not empty").arg(l);
    for (int s = 1; s <= 5; ++s)
        if (!t.hand1[s].empty() || !t.hand2[s].empty())
            return QStringLiteral("hand slot %1 not empty").arg(s);
    for (int s = 1; s <= 8; ++s)
        if (!t.stock1[s].empty() || !t.stock2[s].empty())
            return QStringLiteral("offer slot %1 not empty").arg(s);
    return {};
}

} // namespace e2e
