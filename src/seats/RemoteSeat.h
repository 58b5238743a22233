#pragma once

#include "seats/Seat.h"

#include <array>
#include <optional>

// The guest of a network match, as its seat on the host's board. Its offer
// is drawn here, like a local player's, and announced through offerDealt so
// that it travels to the guest; the five cards the guest keeps and the
// moves it proposes arrive through the network match and are answered
// through the seat's signals, which the windows apply through the same
// handlers a click runs. An answer waits until the window that asked for it
// can take it: a selection until the offer has been asked to be chosen
// from, a move until the guest's turn has begun on this board and the board
// is in front of the person here. The guest's hidden cards stay face down
// here, as the computer's do.
class RemoteSeat : public Seat {
    Q_OBJECT
  public:
    explicit RemoteSeat(int player, QObject* parent = nullptr);

    bool takesLocalInput() const override { return false; }
    bool showsHiddenCards() const override { return false; }
    bool heldByMatch() const override { return true; }
    int offeredCard(int slot) override;
    void chooseSelection(const Offer& offer) override;
    void takeTurn(const computer::Position& visible, qint64 began) override;
    void boardShown(bool inFront) override;
    void withdraw() override;

    // The five offer slots (1 to 8) the guest kept.
    void selectionArrived(const std::array<int, 5>& offerSlots);
    // The guest proposes hand slot `handSlot` on square `location`.
    void moveArrived(int handSlot, int location);

    // The draw numbers of the offer dealt for this hand, slot 1 first.
    const std::array<int, 8>& offer() const { return m_offer; }

  signals:
    // The offer of this hand is dealt and waits for the guest's choice.
    void offerDealt(const std::array<int, 8>& cards);

  private:
    void answer();

    std::array<int, 8> m_offer{};
    bool m_offerSent = false;
    bool m_choosing = false;
    std::optional<Marks> m_selection;
    bool m_onTurn = false;
    bool m_inFront = false;
    std::optional<std::pair<int, int>> m_move;
};
