#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "seats/Seat.h"
#include "windows/Spoken.h"

#include <array>

namespace platform {
class Recordset;
}

// A hand-selection window: offers eight cards drawn at random from the card
// list, lets its player mark exactly five, and hands over to the next window
// when the choice is confirmed. The two players' windows behave alike; a
// small table of differences (offer table, colour, names, what follows the
// choice) makes one of them frmPlayer1 and the other frmPlayer2. The seat
// behind the window's player chooses: a person with his clicks, the computer
// through the same handlers.
class FrmPlayer : public platform::Form {
    Q_OBJECT
  public:
    struct Differences {
        int player;                 // 1 or 2
        QString objectName;         // "frmPlayer1"
        const char* caption;        // window caption, translated as the window is made
        platform::Recordset* stock; // the offer table
        QString stockTable;         // its name in the database
        QString suffix;             // "r.jpg" / "b.jpg"
        QString placeholder;        // the player's card back
        QString plate;              // embedded title plate
        int msgTop, nameTop, nameHeight, plateTop, plateHeight, doneTop, selectTop; // twips
    };
    static const Differences& player1();
    static const Differences& player2();

    explicit FrmPlayer(const Differences& differences);

    // Empties the offer.
    void defaultState();
    // The match this window chose for is given up: the offer and the marks
    // are dropped, and the next hand deals a new offer.
    void forgetChoice();

    std::array<platform::Picture*, 9> imgCard{};
    std::array<platform::Picture*, 9> imgSelect{};
    platform::Picture* imgMsg = nullptr;
    platform::Picture* imgDone = nullptr;
    platform::Picture* imgPlate = nullptr; // imgPlayer1 / imgPlayer2
    platform::Label* lblName = nullptr;
    platform::Timer* tmr1 = nullptr;
    // Paces the computer's choice when it plays this window's side (its
    // seat's timer): its marks appear at the first tick, its Done at the second.
    platform::Timer* tmrComputer = nullptr;

    // The seat behind this window's player.
    Seat* seat() const;
    // This window's side is played by the computer.
    bool computerChooses() const;
    // The offer as dealt, for the seat that chooses from it.
    Seat::Offer offer() const;

    qint16 selectedCount() const { return intSelected; }
    bool cardClicked() const { return blnCardClicked; }
    // True while an offer is dealt and shown, so that cards can be chosen.
    bool offerShown() const { return blnOfferShown; }
    const Differences& differences() const { return m_differences; }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void describeControls();
    QString offeredCardName(int slot) const;
    void announceComputerChoosing();
    QString windowName() const;
    void setFocusable(bool focusable);
    void say(const QString& words);
    void marksChanged(int slot);
    void DealStock();
    void imgCard_Click(int Index);
    void imgDone_MouseDown();
    void imgDone_MouseUp();
    void tmr1_Timer();
    bool choosing() const;
    void dealOrKeepOffer();
    void seat_MarksChosen(Seat::Marks marks);
    void seat_SelectionMade(Seat::Marks marks);
    bool markAs(const Seat::Marks& marks);

    const Differences& m_differences;
    qint16 intSelected = 0;
    bool blnCardClicked = false;
    bool blnOfferShown = false;
    // The seat's confirmed choice is being played through the handlers.
    bool m_seatChoosing = false;
    // The edges of each offered card, read as it was dealt.
    std::array<CardEdges, 9> m_offerEdges{};
};
