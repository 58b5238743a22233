#pragma once

#include "seats/Seat.h"

#include <array>
#include <optional>
#include <utility>

// The person at this screen as the guest of a network match. He chooses and
// plays with his own clicks and keys, but the host decides: the offer he
// chooses from is the one the host sent, and his Done and his placements are
// proposals that travel to the host (selectionProposed, moveProposed). The
// windows play them only when the host's answer comes back through the
// seat's signals, at the same moment as every other card the host deals or
// places, and only when the window that asked can take it.
class JoinedSeat : public Seat {
    Q_OBJECT
  public:
    explicit JoinedSeat(int player, QObject* parent = nullptr);

    bool takesLocalInput() const override { return true; }
    bool showsHiddenCards() const override { return true; }
    bool proposes() const override { return true; }
    bool heldByMatch() const override { return true; }
    bool proposalPending() const override;
    int offeredCard(int slot) override;
    void chooseSelection(const Offer& offer) override;
    void takeTurn(const computer::Position& visible, qint64 began) override;
    void boardShown(bool inFront) override;
    void withdraw() override;
    void proposeSelection(const Marks& marks) override;
    void proposeMove(int handSlot, int location) override;

    // The host's offer for this hand: draw numbers, slot 1 first.
    void offerArrived(const std::array<int, 8>& cards);
    bool hasOffer() const { return m_offer[7] != 0; }
    // The host dealt the hands: the selection proposed is kept.
    void selectionAccepted();
    // The host placed the card this seat proposed.
    void moveAccepted(int handSlot, int location);

  signals:
    void selectionProposed(const Seat::Marks& marks);
    void moveProposed(int handSlot, int location);

  private:
    void answer();

    std::array<int, 8> m_offer{};
    std::optional<Marks> m_proposedSelection;
    bool m_selectionAccepted = false;
    bool m_choosing = false;
    std::optional<std::pair<int, int>> m_proposedMove;
    std::optional<std::pair<int, int>> m_acceptedMove;
    bool m_onTurn = false;
    bool m_inFront = false;
};
