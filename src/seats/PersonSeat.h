#pragma once

#include "seats/Seat.h"

// A person at this screen: the clicks, keys and screen-reader actions of the
// windows are the seat's answers, so it is asked nothing and shows its cards
// when its turn comes.
class PersonSeat : public Seat {
    Q_OBJECT
  public:
    using Seat::Seat;

    bool takesLocalInput() const override { return true; }
    bool showsHiddenCards() const override { return true; }
    void chooseSelection(const Offer&) override {}
    void takeTurn(const computer::Position&, qint64) override {}
    void withdraw() override {}
};
