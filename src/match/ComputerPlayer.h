#pragma once

#include "computer/Computer.h"

#include <QObject>
#include <QThreadPool>

#include <array>
#include <cstdint>

// Player 2 played by the computer, between the windows and the decision
// code: builds the plain position from what the computer may know, thinks
// off the user-interface thread and hands back each move with the number of
// the request it answers, so that an answer to a question no longer asked
// (a new hand, a new game, the program ending) is recognised and dropped.
class ComputerPlayer : public QObject {
    Q_OBJECT
  public:
    explicit ComputerPlayer(QObject* parent = nullptr);
    ~ComputerPlayer() override;

    // The hand in play as the computer may know it: its own hand (P2Hand),
    // the board (DirtyBoard), the card list (AllCards) and the rule option.
    // The person's hand (P1Hand) is read only under Open Hand, where the
    // person's cards are face up for everyone; under Closed Hand only the
    // number of cards the person still holds is known.
    static computer::Position readPosition();
    // The computer's offer of eight cards (P2Stock), slot 1 first.
    static std::array<computer::Card, 8> readOffer();
    // A seed for one decision from the program's random source.
    static std::uint64_t nextSeed();

    // Starts thinking about `position`; returns the number of the request.
    // The answer to any earlier request is forgotten.
    quint64 think(const computer::Position& position, computer::Level level, std::uint64_t seed);
    // Forgets the request being thought about.
    void forget();
    bool thinking() const { return m_pending; }
    quint64 request() const { return m_request; }
    // Waits for the thread to finish and delivers its answer now.
    void waitForThought();

  signals:
    // The answer to request `request`, delivered on the user-interface thread.
    void moveReady(quint64 request, int handSlot, int location);

  private:
    quint64 m_request = 0;
    bool m_pending = false;
    QThreadPool m_pool;
};
