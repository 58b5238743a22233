#include "match/ComputerPlayer.h"
#include "match/FrmMain.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Fatal.h"
#include "platform/Random.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "support/Invariants.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

#include <QElapsedTimer>
#include <QTest>

#include <deque>
#include <random>

// Random events through the real windows: presses and releases on any control
// of the window in front, timer ticks, New Game, Options and Help, modal
// messages answered after a few ticks, and mixed in, enough sensible moves
// that matches are played to the end. The invariants are checked after every
// event. QUORVEL_MONKEY_SEED replays a run; QUORVEL_MONKEY_EVENTS sets its length.
// The second run has the computer as player 2: its ticks and answers are
// events among the person's, and none of its moves may land outside its turn.
class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void randomEvents();
    void randomEventsAgainstComputer();

  private:
    void run(bool computer, long defaultEvents);
};

namespace {

class Monkey {
  public:
    Monkey(Game& game, std::uint32_t seed, bool computer)
        : m_game(game), m_rng(seed), m_computer(computer) {}

    void run(long events);

    long eventsSent() const { return m_events; }
    int matchesCompleted() const { return m_matches; }
    int handsPlayed() const { return m_hands; }
    int captures() const { return m_invariants ? m_invariants->capturesSeen() : 0; }
    int computerMoves() const { return m_computerMoves; }
    const QStringList& failures() const { return m_failures; }

  private:
    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return roll(100) < percent; }

    void step();
    void answerModal(platform::Form* form);
    platform::Form* front() const;
    void randomControl(platform::Form* form);
    void tickSomeTimer();
    void sensibleMove(platform::Form* form);
    void press(QWidget* w, const QString& what);
    void release(QWidget* w, const QString& what);
    void click(QWidget* w, const QString& what);
    void checkAfter(const QString& event);
    void computerEvent();
    void checkPlacements(const QString& event);

    // What a placement is judged by: the state at the last event boundary.
    struct Moment {
        int placed = 0, held1 = 0, held2 = 0, turn = 0;
        bool computerTurn = false, boardInFront = false;
    };
    static Moment moment();

    Game& m_game;
    std::mt19937 m_rng;
    std::unique_ptr<Invariants> m_invariants;
    std::deque<QString> m_recent;
    QStringList m_failures;
    long m_events = 0;
    int m_matches = 0;
    int m_hands = 0;
    bool m_computer = false;
    // The event being sent is one of the computer's (its pace or its answer).
    bool m_computerEvent = false;
    Moment m_last;
    int m_computerMoves = 0;
};

Monkey::Moment Monkey::moment() {
    Moment m;
    for (int l = 1; l <= 9; ++l)
        m.placed += frmMain->boardUsed(l) ? 1 : 0;
    for (int s = 1; s <= 5; ++s) {
        m.held1 += frmMain->p1InHand(s) ? 1 : 0;
        m.held2 += frmMain->p2InHand(s) ? 1 : 0;
    }
    m.turn = frmMain->gintTurn;
    m.computerTurn = frmMain->computerTurn();
    m.boardInFront = frmMain->isVisible() && platform::Form::activeForm() == frmMain;
    return m;
}

// A card of player 2 reaches the board only as the computer's move, in its
// turn, on the board in front of the person; the computer's events place
// nothing of player 1's.
void Monkey::checkPlacements(const QString& event) {
    const Moment now = moment();
    const bool placed = now.placed == m_last.placed + 1;
    if (placed && now.held2 == m_last.held2 - 1 && m_computer) {
        ++m_computerMoves;
        if (!m_computerEvent || m_last.turn != 2 || !m_last.computerTurn || !m_last.boardInFront)
            m_failures << QStringLiteral("after event %1 (%2) a computer's card landed outside "
                                         "its turn (turn %3, its turn %4, board in front %5, "
                                         "its event %6)")
                              .arg(m_events)
                              .arg(event)
                              .arg(m_last.turn)
                              .arg(m_last.computerTurn)
                              .arg(m_last.boardInFront)
                              .arg(m_computerEvent);
    }
    if (placed && now.held1 == m_last.held1 - 1 && m_computerEvent)
        m_failures << QStringLiteral("after event %1 (%2) the computer placed the person's card")
                          .arg(m_events)
                          .arg(event);
    m_last = now;
}

// The computer's own events: its pace ticks, or its thread's answer arrives.
void Monkey::computerEvent() {
    m_computerEvent = true;
    const int kind = roll(3);
    if (kind == 0) {
        frmMain->tmrComputer->tick();
        checkAfter(QStringLiteral("tick frmMain.tmrComputer"));
    } else if (kind == 1) {
        frmMain->computerPlayer()->waitForThought();
        checkAfter(QStringLiteral("computer's answer"));
    } else {
        QCoreApplication::sendPostedEvents(frmMain->computerPlayer(), QEvent::MetaCall);
        checkAfter(QStringLiteral("computer's answer if ready"));
    }
    m_computerEvent = false;
}

platform::Form* Monkey::front() const {
    for (platform::Form* form : std::initializer_list<platform::Form*>{frmMain, frmOptions, frmHelp,
                                                                       frmPlayer1, frmPlayer2})
        if (form->isVisible())
            return form;
    return nullptr;
}

void Monkey::checkAfter(const QString& event) {
    ++m_events;
    m_recent.push_back(event);
    if (m_recent.size() > 40)
        m_recent.pop_front();
    checkPlacements(event);
    const QStringList broken = m_invariants->check();
    if (broken.isEmpty() || m_failures.size() > 20)
        return;
    QStringList recent(m_recent.begin(), m_recent.end());
    m_failures << QStringLiteral("after event %1 (%2): %3\n  recent: %4")
                      .arg(m_events)
                      .arg(event, broken.join(QStringLiteral("; ")),
                           recent.join(QStringLiteral(", ")));
}

void Monkey::press(QWidget* w, const QString& what) {
    Game::press(w);
    checkAfter(QStringLiteral("press ") + what);
}

void Monkey::release(QWidget* w, const QString& what) {
    Game::release(w);
    checkAfter(QStringLiteral("release ") + what);
}

void Monkey::click(QWidget* w, const QString& what) {
    press(w, what);
    release(w, what);
}

void Monkey::tickSomeTimer() {
    struct Named {
        platform::Timer* timer;
        const char* name;
    };
    const Named timers[] = {{frmMain->tmrHideHand, "frmMain.tmrHideHand"},
                            {frmMain->tmr1, "frmMain.tmr1"},
                            {frmPlayer1->tmr1, "frmPlayer1.tmr1"},
                            {frmPlayer2->tmr1, "frmPlayer2.tmr1"},
                            {frmPlayer2->tmrComputer, "frmPlayer2.tmrComputer"}};
    const Named& t = timers[roll(m_computer ? 5 : 4)];
    if (m_computer && roll(5) == 0) {
        computerEvent();
        return;
    }
    t.timer->tick();
    checkAfter(QStringLiteral("tick ") + QLatin1String(t.name));
}

void Monkey::answerModal(platform::Form* form) {
    if (form == frmMessage) {
        const QString text = frmMessage->lblMsg->caption();
        if (!text.startsWith(QLatin1String("You must")))
            ++m_hands;
    } else if (form == frmWinner) {
        ++m_matches;
    }
    // The state under a message is an event boundary of its own.
    checkAfter(QStringLiteral("modal ") + form->objectName());
    for (int n = roll(4); n > 0; --n)
        tickSomeTimer();
    if (chance(20)) {
        // A press, then the release somewhat later.
        platform::Picture* done = form == frmMessage ? frmMessage->imgDone : frmWinner->imgDone;
        Game::press(done);
        checkAfter(QStringLiteral("press Done of ") + form->objectName());
        if (chance(50))
            tickSomeTimer();
        Game::release(done);
    } else {
        Game::pressDone(form);
    }
}

// Any picture or label of the window, main window's Exit excepted; New Game
// only now and then, or hardly a match would ever end.
void Monkey::randomControl(platform::Form* form) {
    QList<QWidget*> controls;
    const bool newGame = chance(1);
    for (platform::Picture* p : form->findChildren<platform::Picture*>())
        if (p != frmMain->imgExit && (p != frmMain->imgNewGame || newGame) && p->Visible())
            controls << p;
    for (platform::Label* l : form->findChildren<platform::Label*>())
        if (l->isVisibleTo(form))
            controls << l;
    if (controls.isEmpty())
        return;
    QWidget* control = controls[roll(static_cast<int>(controls.size()))];
    const QString what = form->objectName() + QLatin1Char('.') +
                         control->metaObject()->className() + QLatin1Char('@') +
                         QString::number(control->x()) + QLatin1Char(',') +
                         QString::number(control->y());
    if (chance(50))
        press(control, what);
    else
        release(control, what);
}

// Moves a player would make, so that hands and matches get finished.
void Monkey::sensibleMove(platform::Form* form) {
    if (form == frmMain && m_computer && frmMain->gintTurn == 2 && !Game::heldSlots().isEmpty() &&
        !Game::freeSquares().isEmpty()) {
        // The person waits for the computer; now and then he clicks its cards.
        if (chance(20)) {
            const int slot = 1 + roll(5);
            click(frmMain->imgP2[slot], QStringLiteral("computer's slot %1").arg(slot));
        } else if (!frmMain->computerTurn()) {
            tickSomeTimer();
        } else {
            computerEvent();
        }
    } else if (form == frmMain) {
        const int turn = frmMain->gintTurn;
        auto& hand = turn == 1 ? frmMain->imgP1 : frmMain->imgP2;
        const QList<int> held = Game::heldSlots();
        const QList<int> free = Game::freeSquares();
        // Nothing to play: before the first game, or after a match.
        if (held.isEmpty() || free.isEmpty()) {
            click(frmMain->imgNewGame, QStringLiteral("New Game"));
            return;
        }
        const int slot = held[roll(static_cast<int>(held.size()))];
        // Hidden hands lock the slots until the reveal.
        if (!hand[slot]->isEnabled())
            tickSomeTimer();
        click(hand[slot], QStringLiteral("hand %1 slot %2").arg(turn).arg(slot));
        const int square = free[roll(static_cast<int>(free.size()))];
        click(frmMain->imgBoard[square], QStringLiteral("square %1").arg(square));
    } else if (form == frmPlayer1 || form == frmPlayer2) {
        auto* window = static_cast<FrmPlayer*>(form);
        if (window->computerChooses()) {
            if (chance(80)) {
                window->tmrComputer->tick();
                checkAfter(form->objectName() + QStringLiteral(".tmrComputer"));
            } else {
                click(window->imgCard[1 + roll(8)], QStringLiteral("the computer's offer"));
            }
        } else if (window->tmr1->isEnabled()) {
            tickSomeTimer();
        } else if (window->selectedCount() < 5 && chance(90)) {
            const int slot = 1 + roll(8);
            if (!window->imgSelect[slot]->Visible())
                click(window->imgCard[slot], form->objectName() + QStringLiteral(".imgCard"));
        } else {
            click(window->imgDone, form->objectName() + QStringLiteral(".imgDone"));
        }
    } else if (form == frmOptions) {
        if (chance(30))
            click(frmOptions->lblHandOpt[roll(2)], QStringLiteral("hand option"));
        else if (chance(30))
            click(frmOptions->lblRuleOpts[roll(2)], QStringLiteral("rule option"));
        else
            click(frmOptions->imgDone, QStringLiteral("frmOptions.imgDone"));
    } else if (form == frmHelp) {
        click(frmHelp->imgDone, QStringLiteral("frmHelp.imgDone"));
    }
}

void Monkey::step() {
    platform::Form* form = front();
    if (!form) {
        m_failures << QStringLiteral("after event %1 no window is shown").arg(m_events);
        return;
    }
    const int kind = roll(10000);
    if (kind < 3000)
        randomControl(form);
    else if (kind < 4000)
        tickSomeTimer();
    else if (kind < 4003 && form == frmMain)
        click(frmMain->imgNewGame, QStringLiteral("New Game"));
    else if (kind < 4080 && form == frmMain)
        click(frmMain->imgOptions, QStringLiteral("Options"));
    else if (kind < 4160 && form == frmMain)
        click(frmMain->imgHelp, QStringLiteral("Help"));
    else
        sensibleMove(form);
}

void Monkey::run(long events) {
    m_game.onModal([this](platform::Form* form) { answerModal(form); });
    m_invariants = std::make_unique<Invariants>();
    m_last = moment();
    while (m_events < events && m_failures.isEmpty())
        step();
}

} // namespace

void MonkeyTest::randomEvents() {
    run(false, 100000);
}

void MonkeyTest::randomEventsAgainstComputer() {
    run(true, 20000);
}

void MonkeyTest::run(bool computer, long defaultEvents) {
    bool given = false;
    std::uint32_t seed = qEnvironmentVariableIntValue("QUORVEL_MONKEY_SEED", &given);
    if (!given)
        seed = std::random_device{}();
    bool lengthGiven = false;
    long events = qEnvironmentVariableIntValue("QUORVEL_MONKEY_EVENTS", &lengthGiven);
    if (!lengthGiven || events <= 0)
        events = defaultEvents;
    qInfo("monkey seed %u (replay with QUORVEL_MONKEY_SEED=%u)", seed, seed);

    FatalCatcher fatal;
    // Every New Game of this run keeps the computer as player 2.
    static const char* const levels[] = {"easy", "normal", "hard"};
    if (computer) {
        options::applyComputerOption(QLatin1String(levels[seed % 3]));
        qInfo("the computer plays at level %s", levels[seed % 3]);
    }
    Game game;
    game.start();
    platform::Random::instance().setSeed(seed);
    QElapsedTimer clock;
    clock.start();
    Monkey monkey(game, seed, computer);
    try {
        monkey.run(events);
    } catch (const platform::FatalError& error) {
        QFAIL(qPrintable(QStringLiteral("fatal error after %1 events (seed %2): %3")
                             .arg(monkey.eventsSent())
                             .arg(seed)
                             .arg(error.message())));
    }
    qInfo("%ld events, %d matches completed, %d hands played, %d captures scored, %d computer "
          "moves in %lld ms",
          monkey.eventsSent(), monkey.matchesCompleted(), monkey.handsPlayed(), monkey.captures(),
          monkey.computerMoves(), clock.elapsed());
    platform::Random::instance().reset();
    options::resetStartingPlayer2();
    if (computer)
        QVERIFY(monkey.computerMoves() > 0);
    if (!monkey.failures().isEmpty())
        QFAIL(qPrintable(QStringLiteral("seed %1: ").arg(seed) + monkey.failures().join('\n')));
    QVERIFY(monkey.matchesCompleted() > 0);

    // Exit at the end empties the hands, the board and the offers.
    game.exit();
    for (const char* table : {"P1Hand", "P2Hand", "DirtyBoard", "P1Stock", "P2Stock"})
        QCOMPARE(game.folder()
                     .query(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE fldID <> 0")
                                .arg(QLatin1String(table)))
                     .toInt(),
                 0);
    QCOMPARE(game.folder().query("SELECT COUNT(*) FROM DirtyBoard WHERE fldOwner <> 0").toInt(), 0);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
