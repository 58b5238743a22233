#pragma once

#include "computer/Computer.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "rules/BoardView.h"
#include "rules/PlayRules.h"
#include "windows/Spoken.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class ComputerSeat;
class Hint;
class Seat;

// The main window: the board, both hands, names, scores, round lights and
// the menu buttons, and the owner of the match state that the other windows
// read and set to hand control back and forth. It owns the one rules engine
// and shows its captures. Whatever stands behind each side (a person here,
// the computer, ...) is its seat: the board asks the seat on turn for its
// move and plays it through the same handlers a click runs.
class FrmMain : public platform::Form, public rules::BoardView {
    Q_OBJECT
  public:
    FrmMain();

    // The shared match state.
    bool gblnNewGame = false;
    bool gblnNewRound = false;
    bool gblnPostNewHand = false;
    qint16 gintTurn = 0;
    qint16 gintRound = 0;
    qint16 gintP1GamesWon = 0;
    qint16 gintP2GamesWon = 0;
    bool gblnWinner = false;
    // The rules engine, created on first use.
    ::PlayRules& PlayRules();

    bool CheckWinner();
    void imgBoard_MouseDown(int Index);
    // The match cannot go on (the other player across the network is gone):
    // the selection windows go away and a new game is set up, as New Game
    // does. The hand in play counts for no one.
    void abandonMatch();
    // A match whose options and deal come from elsewhere (the guest's side of
    // a network match) begins: the match is reset as New Game does, without
    // the options window, and the board waits for the first offer.
    void joinMatch();
    // The hand of `player`, whose cards are chosen elsewhere, for the next
    // deal: draw numbers, slot 1 first, 0 for a card not known here (it
    // stays face down until handCardArrived, as it is placed).
    void handDealtElsewhere(int player, const std::array<int, 5>& cards);
    void handCardArrived(int player, int slot, int card);

    // Controls, indexed as designed (index 0 unused where arrays start at 1).
    std::array<platform::Picture*, 10> imgBoard{};
    std::array<platform::Picture*, 6> imgP1{};
    std::array<platform::Picture*, 6> imgP2{};
    std::array<platform::Picture*, 6> imgP1Select{};
    std::array<platform::Picture*, 6> imgP2Select{};
    std::array<platform::Picture*, 3> imgRedLight{};
    std::array<platform::Picture*, 3> imgBlueLight{};
    platform::Picture* imgBegin = nullptr;
    platform::Picture* imgHelp = nullptr;
    platform::Picture* imgNewGame = nullptr;
    platform::Picture* imgOptions = nullptr;
    platform::Picture* imgExit = nullptr;
    platform::Picture* imgPlayer1 = nullptr;
    platform::Picture* imgPlayer2 = nullptr;
    platform::Label* lblPlayer1Name = nullptr;
    platform::Label* lblPlayer2Name = nullptr;
    platform::Label* lblPlayer1Score = nullptr;
    platform::Label* lblPlayer2Score = nullptr;
    platform::Timer* tmrHideHand = nullptr;
    platform::Timer* tmr1 = nullptr;
    // Paces the computer's move as player 2: its seat's timer.
    platform::Timer* tmrComputer = nullptr;

    // What stands behind `player` (1 or 2).
    Seat* seat(int player) const;
    // Player 2's seat is the computer, its turn has begun and its move has
    // not landed yet.
    bool computerTurn() const;
    // The computer's seat for player 2.
    ComputerSeat* computerPlayer() const;
    // The hand in play as `player` may know it: his own hand, the board, the
    // card list and the rule; the other hand only under Open Hand, where it
    // is face up for everyone, and otherwise only how many cards it holds.
    // In the position, the player's own cards are owner 2 and the other's 1.
    computer::Position visiblePosition(int player) const;
    // A hint for the person: false when refused (where his click could not
    // play a card now, or not against the computer). See Hint.
    bool askHint();
    Hint* hint() const { return m_hint; }
    // Every card of the card list, read once.
    static const std::vector<computer::Card>& cardList();

    // Read-only views of the private state, for checks of the match.
    qint16 cardsPlaced() const { return intCardsPlaced; }
    bool p1InHand(int slot) const { return blnP1InHand[slot]; }
    bool p2InHand(int slot) const { return blnP2InHand[slot]; }
    bool boardUsed(int location) const { return blnBoardUsed[location]; }
    qint16 p1RoundScore(int round) const { return intP1RoundScore[round]; }
    qint16 p2RoundScore(int round) const { return intP2RoundScore[round]; }

    // rules::BoardView
    void showCapture(int location, const QString& pictureName) override;
    void setScoreCaption(int player, const QString& caption) override;

    // The draw number (the card list's fldAutoNumber) of the card whose
    // fldID is `id`; 0 for none.
    static int drawNumber(int id);

  signals:
    // A hand is dealt: the draw numbers of both hands, slot 1 first.
    void handsDealt(const QList<int>& hand1, const QList<int>& hand2);
    // `player` placed the card of hand slot `handSlot` (draw number `card`)
    // on square `location` and took the squares `captures` from the other
    // player; the scores are already counted.
    void cardPlaced(int player, int handSlot, int location, int card, const QList<int>& captures);
    // The match in play is given up: New Game, or the program ending.
    void matchAbandoned();

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_QueryClose() override;
    void Form_LostFocus() override;
    void Form_Minimised(bool minimised) override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void buildControls();
    // What a screen reader reads from the board, the hands and the labels.
    void describeControls();
    QString playerName(int player) const;
    void showNames();
    // A player as sentences name him: the name set apart, or the computer.
    QString spokenPlayer(int player) const;
    // Speaks the result of an action for the screen reader.
    void say(const QString& words);
    // What a pick and a placement say; why a placement was refused.
    void picked(int player, int slot);
    // `withScore`: false where the score is said next anyway.
    QString placementWords(int player, int location, bool withScore = true) const;
    static QString joined(const QString& first, const QString& then);
    QString placementRefused() const;
    // Why keys 1 to 5 could not pick a card of the hand on turn.
    QString pickRefused(int slot) const;
    bool faceDown(int player, int slot) const;
    // Some hand still holds a card.
    bool handsHold() const;
    QString squareName(int location) const;
    QString handCardName(int player, int slot) const;
    void boardAndHandsChanged();
    void handsReachable();
    void moveFocusFrame(int dx, int dy);

    void imgP1_MouseDown(int Index);
    void imgP2_MouseDown(int Index);
    void ClearSelection();

    void imgHelp_MouseUp();
    void imgNewGame_MouseUp();
    void imgOptions_MouseUp();
    void imgExit_MouseUp();
    void NewGame();
    void resetMatch();
    // After a hand: the next selection begins, in player 1's window, or on
    // another screen when his cards are chosen there.
    void chooseNextHand();
    void ResetHand();
    void DealHands();
    void ClearBoard();
    void ClearHands();
    void playCard(int P, int i, int L);
    void hideHand(int player);

    void tmrHideHand_Timer();
    void tmr1_Timer();

    void seatTurnBegins(qint64 began);
    void seat_MoveMade(int handSlot, int location);
    void seatsSeeBoard(bool inFront);
    void seatsWithdraw();
    // The hand just ended goes into the record of matches; with `matchWinner`
    // (1 or 2) the match goes in with it, and the result window gets its line
    // about the record against the computer.
    void recordHand(int matchWinner);

    qint16 intCardsPlaced = 0;
    // The cards placed in this hand, in order, by player number: what both
    // players saw played, handed to the computer and the hint.
    std::vector<computer::Placement> m_placements;
    std::array<bool, 6> blnP1InHand{};
    std::array<bool, 6> blnP2InHand{};
    std::array<bool, 10> blnBoardUsed{};
    std::array<qint16, 6> intP1RoundScore{};
    std::array<qint16, 6> intP2RoundScore{};
    std::unique_ptr<::PlayRules> m_playRules;

    // The edges and owner of each placed card and the edges of each dealt
    // hand card, as read when the card moved: the words of the screen reader.
    std::array<CardEdges, 10> m_squareEdges{};
    std::array<int, 10> m_squareOwner{};
    std::array<std::array<CardEdges, 6>, 3> m_handEdges{};
    // The player whose placement is capturing, and the squares he took.
    int m_mover = 0;
    QList<int> m_captures;
    // The squares taken from the other player, for a player across the network.
    QList<int> m_captureSquares;
    // The draw number of the card playCard placed last.
    int m_placedCard = 0;
    // A seat's answer is being played through the click handlers.
    bool m_seatMoving = false;
    // The hands of sides whose cards are chosen elsewhere, for the next deal.
    std::array<std::optional<std::array<int, 5>>, 3> m_handsElsewhere{};
    Hint* m_hint = nullptr;
    // The match as the record of matches knows it: its key, the hands ended
    // so far, the scores when the hand in play was dealt, the opponent of its
    // first hand and whether another one played a later hand.
    QString m_matchKey;
    int m_handsEnded = 0;
    qint16 m_handStart1 = 0;
    qint16 m_handStart2 = 0;
    std::optional<int> m_matchOpponent;
    bool m_opponentChanged = false;
};
