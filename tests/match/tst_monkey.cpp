#include "match/FrmMain.h"
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
class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void randomEvents();
};

namespace {

class Monkey {
  public:
    Monkey(Game& game, std::uint32_t seed) : m_game(game), m_rng(seed) {}

    void run(long events);

    long eventsSent() const { return m_events; }
    int matchesCompleted() const { return m_matches; }
    int handsPlayed() const { return m_hands; }
    int captures() const { return m_invariants ? m_invariants->capturesSeen() : 0; }
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

    Game& m_game;
    std::mt19937 m_rng;
    std::unique_ptr<Invariants> m_invariants;
    std::deque<QString> m_recent;
    QStringList m_failures;
    long m_events = 0;
    int m_matches = 0;
    int m_hands = 0;
};

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
                            {frmPlayer2->tmr1, "frmPlayer2.tmr1"}};
    const Named& t = timers[roll(4)];
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
    if (form == frmMain) {
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
        if (window->tmr1->isEnabled()) {
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
    while (m_events < events && m_failures.isEmpty())
        step();
}

} // namespace

void MonkeyTest::randomEvents() {
    bool given = false;
    std::uint32_t seed = qEnvironmentVariableIntValue("QUORVEL_MONKEY_SEED", &given);
    if (!given)
        seed = std::random_device{}();
    bool lengthGiven = false;
    long events = qEnvironmentVariableIntValue("QUORVEL_MONKEY_EVENTS", &lengthGiven);
    if (!lengthGiven || events <= 0)
        events = 100000;
    qInfo("monkey seed %u (replay with QUORVEL_MONKEY_SEED=%u)", seed, seed);

    FatalCatcher fatal;
    Game game;
    game.start();
    platform::Random::instance().setSeed(seed);
    QElapsedTimer clock;
    clock.start();
    Monkey monkey(game, seed);
    try {
        monkey.run(events);
    } catch (const platform::FatalError& error) {
        QFAIL(qPrintable(QStringLiteral("fatal error after %1 events (seed %2): %3")
                             .arg(monkey.eventsSent())
                             .arg(seed)
                             .arg(error.message())));
    }
    qInfo("%ld events, %d matches completed, %d hands played, %d captures scored in %lld ms",
          monkey.eventsSent(), monkey.matchesCompleted(), monkey.handsPlayed(), monkey.captures(),
          clock.elapsed());
    platform::Random::instance().reset();
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
