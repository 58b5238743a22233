#pragma once

#include "seats/Seat.h"

#include <optional>

// The host of a network match, as its seat on the guest's board. The host
// chooses his five cards on his own screen, so no selection window is shown
// for his side here, and his hidden cards stay face down: under Closed Hand
// each of them is known here only with its placement. His placements arrive
// through the network match and are played through the seat's moveMade,
// which the board applies through the same handlers a click runs, once his
// turn has begun on this board and the board is in front of the person here.
// Just before, cardShown says which card leaves the hand.
class HostSeat : public Seat {
    Q_OBJECT
  public:
    explicit HostSeat(int player, QObject* parent = nullptr);

    bool takesLocalInput() const override { return false; }
    bool showsHiddenCards() const override { return false; }
    bool choosesElsewhere() const override { return true; }
    bool heldByMatch() const override { return true; }
    void chooseSelection(const Offer&) override {}
    void takeTurn(const computer::Position& visible, qint64 began) override;
    void boardShown(bool inFront) override;
    void withdraw() override;

    // The host placed the card `card` (a draw number) of hand slot `handSlot`
    // on square `location`.
    void placementArrived(int handSlot, int location, int card);

  signals:
    void cardShown(int handSlot, int card);

  private:
    void answer();

    struct Move {
        int handSlot;
        int location;
        int card;
    };
    std::optional<Move> m_move;
    bool m_onTurn = false;
    bool m_inFront = false;
};
