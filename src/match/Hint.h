#pragma once

#include "computer/Computer.h"

#include <QObject>
#include <QThreadPool>

#include <array>
#include <functional>

class QWidget;
namespace platform {
class Timer;
}

// A hint for the person at the board: the move the hard level would make in
// his place, worked out from what he may know (the view of the hand his own
// seat would be given: never the computer's hidden hand or offer). It is
// thought out on a thread of its own and shown by framing the hand card and
// the square for two seconds and saying them aloud. A hint never picks or
// places anything. Every answer carries the number of the request it
// answers, so that one asked before a card was placed, a new hand or a new
// game is dropped when it arrives.
class Hint : public QObject {
    Q_OBJECT
  public:
    // `handCard(slot)` and `square(location)` are the controls to frame.
    Hint(QWidget* board, std::function<QWidget*(int)> handCard,
         std::function<QWidget*(int)> square);
    ~Hint() override;

    // The move for `view` (the person's own cards as `hand`, his opponent's
    // as `opponentHand` only when they are face up). The same view always
    // gives the same move: the search's seed comes from the view itself.
    static computer::Move suggest(const computer::Position& view);

    // Starts thinking about `view`; an answer to an earlier request is
    // dropped. Returns the number of the request.
    quint64 ask(const computer::Position& view);
    // Drops an answer on its way and takes the frames down.
    void forget();

    bool thinking() const { return m_pending; }
    // The hint on the board now: hand slot and square, or 0 and 0.
    int shownSlot() const { return m_shownSlot; }
    int shownLocation() const { return m_shownLocation; }
    // Waits for the thread and delivers its answer now (tests, bench).
    void waitForThought();
    // Runs on the thinking thread before each answer is returned (tests
    // hold an answer back with it); empty by default.
    void setThinkingGate(std::function<void()> gate) { m_gate = std::move(gate); }

    // Takes the frames down two seconds after they went up.
    platform::Timer* tmrHint = nullptr;

  signals:
    // The hint has been framed and announced.
    void shown(int handSlot, int location);

  private:
    void answer(quint64 request, computer::Move move);
    std::function<void()> m_gate;
    void tmrHint_Timer();
    void hideFrames();

    QWidget* m_board;
    std::function<QWidget*(int)> m_handCard;
    std::function<QWidget*(int)> m_square;
    std::array<QWidget*, 2> m_frames{};
    quint64 m_request = 0;
    bool m_pending = false;
    int m_shownSlot = 0;
    int m_shownLocation = 0;
    QThreadPool m_pool;
};
