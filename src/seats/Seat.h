#pragma once

#include "computer/Computer.h"

#include <QObject>

#include <array>
#include <vector>

// What stands behind one side of the board: a person at this screen, the
// computer, or (later) a player across the network. The match asks it for
// five of eight offered cards and, on its turn, for a move; it answers
// through signals, which the windows apply through the same handlers a
// click runs. The windows never ask which kind of seat it is, only what it
// allows at this screen. A seat knows only what its player may know: the
// offer and the position it is given, never the windows or the tables.
class Seat : public QObject {
    Q_OBJECT
  public:
    // The eight cards offered to the seat, slot 1 first, and the card list
    // they were drawn from.
    struct Offer {
        std::array<computer::Card, 8> cards{};
        std::vector<computer::Card> cardList;
    };
    // Which of the eight offered cards are chosen, slot 1 first.
    using Marks = std::array<bool, 8>;

    explicit Seat(int player, QObject* parent = nullptr);

    int player() const { return m_player; }

    // ---- What this screen may do and show for this side

    // Clicks, keys and screen-reader actions at this screen act on this
    // side's cards: its offer, its Done, its hand.
    virtual bool takesLocalInput() const = 0;
    // Where the hand option hides cards (Closed Hand), this side's offer and
    // its hand at its turn are shown face up on this screen. A seat whose
    // player is not the person here keeps them face down: they are neither
    // loaded nor named.
    virtual bool showsHiddenCards() const = 0;
    // The draw number (the card list's fldAutoNumber, 1 to 606) of the card
    // dealt into offer slot `slot` (1 to 8) at the start of a hand. Offers are
    // drawn at random here; a seat whose offer is dealt elsewhere (by the
    // host of a network match) gives the cards it was sent.
    virtual int offeredCard(int slot);
    // The side's name is the program's own (the computer's, with its level),
    // shown in a style that no name typed by a person gets.
    virtual bool namedByProgram() const { return false; }
    // This side's five cards are chosen on another screen (by the host of a
    // network match, for his own side): no selection window is shown for it
    // here, and its hand is dealt as the other screen says.
    virtual bool choosesElsewhere() const { return false; }
    // A Done or a placement made at this screen for this side is a proposal
    // that the other end of a network match answers: the windows hand it to
    // proposeSelection or proposeMove and play it only when the answer comes
    // back as selectionMade or moveMade. Meanwhile (proposalPending) the
    // side's cards take no other choice.
    virtual bool proposes() const { return false; }
    // The seat stands for a side of a network match: what the options say
    // about who plays does not displace it; the match gives the side back
    // when it ends (seats::giveBack).
    virtual bool heldByMatch() const { return false; }
    virtual bool proposalPending() const { return false; }
    virtual void proposeSelection(const Marks&) {}
    virtual void proposeMove(int /*handSlot*/, int /*location*/) {}

    // ---- Questions the match asks

    // The seat's offer is dealt and shown: choose five. The answer comes as
    // marksChosen (optional, the marks shown before Done) and selectionMade.
    virtual void chooseSelection(const Offer& offer) = 0;
    // The seat's turn has begun at `began` (milliseconds of the monotonic
    // clock of QElapsedTimer: the input event or timer tick that began it).
    // The answer comes as moveMade.
    virtual void takeTurn(const computer::Position& visible, qint64 began) = 0;
    // Whether the board is in front of the person at this screen. A seat
    // whose moves are paced for the person to follow waits while it is not,
    // and starts its pace again when it is back.
    virtual void boardShown(bool inFront);
    // Whatever was asked no longer counts (a new hand, a new game, the
    // program ending, another seat taking the side): an answer still on its
    // way is dropped.
    virtual void withdraw() = 0;

  signals:
    // The seat marks these cards of its offer, as clicks on them would.
    void marksChosen(Seat::Marks marks);
    // The seat keeps these five cards and confirms, as clicks and Done would.
    void selectionMade(Seat::Marks marks);
    // The seat picks hand slot `handSlot` (1 to 5) and places it on square
    // `location` (1 to 9), as a press on each would.
    void moveMade(int handSlot, int location);

  private:
    int m_player;
};
