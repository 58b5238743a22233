#include "match/FrmMain.h"

#include "match/Hint.h"

#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Fatal.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/RawPicture.h"
#include "record/Record.h"
#include "seats/ComputerSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLocale>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <optional>

using store::DirtyBoard;
using store::P1Hand;
using store::P1Stock;
using store::P2Hand;
using store::P2Stock;

namespace {
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

const QString FieldBlank = QStringLiteral("\\images\\FieldBlank.jpg");
const QString BackRed = QStringLiteral("\\images\\PlaceHolder-r.jpg");
const QString BackBlue = QStringLiteral("\\images\\PlaceHolder-b.jpg");

// Hand slot columns, left to right, of the two fanned hands.
constexpr int P1Left[] = {0, 315, 945, 1605, 480, 1095};
constexpr int P2Left[] = {0, 7575, 6915, 6285, 7395, 6735};
constexpr int HandTop[] = {0, 386, 1346, 2306, 3026, 3986};
constexpr int BoardLeft[] = {2805, 3945, 5085};
constexpr int BoardTop[] = {386, 2126, 3866};
constexpr int LightTop[] = {6690, 6180, 5685};
} // namespace

FrmMain::FrmMain() : platform::Form(QStringLiteral("frmMain")) {
    setDesign(tr("Quorvel"), 8880, 7875, QStringLiteral(":/embedded/main.jpg"));
    setPlacement(Placement::CentreOwner);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(platform::rawPictureIcon(QStringLiteral(":/embedded/icon.argb")));
    buildControls();
}

void FrmMain::buildControls() {
    using platform::Label;
    using platform::Picture;
    // Created back to front: selection frames behind the hand cards, the
    // begin picture in front of the board.
    auto* plate1 = new Picture(this);
    plate1->setRect(840, 6000, 1875, 495);
    plate1->setEmbedded(QStringLiteral(":/embedded/plate1.gif"));
    imgPlayer1 = plate1;
    imgPlayer2 = new Picture(this);
    imgPlayer2->setRect(6060, 6000, 1935, 480);
    imgPlayer2->setEmbedded(QStringLiteral(":/embedded/plate2.gif"));

    for (int i = 0; i < 3; ++i) {
        imgRedLight[i] = new Picture(this, i);
        imgRedLight[i]->setRect(3120, LightTop[i], 375, 375);
        imgRedLight[i]->setEmbedded(QStringLiteral(":/embedded/redlight.gif"));
        imgBlueLight[i] = new Picture(this, i);
        imgBlueLight[i]->setRect(5400, LightTop[i], 375, 375);
        imgBlueLight[i]->setEmbedded(QStringLiteral(":/embedded/bluelight.gif"));
    }
    for (int s = 1; s <= 5; ++s) {
        imgP1Select[s] = new Picture(this, s);
        imgP1Select[s]->setRect(P1Left[s] - 67, HandTop[s] - 52, 1125, 1725);
        imgP1Select[s]->setEmbedded(QStringLiteral(":/embedded/selframe.jpg"));
        imgP1Select[s]->hide();
        imgP2Select[s] = new Picture(this, s);
        imgP2Select[s]->setRect(P2Left[s] - 67, HandTop[s] - 52, 1125, 1725);
        imgP2Select[s]->setEmbedded(QStringLiteral(":/embedded/selframe.jpg"));
        imgP2Select[s]->hide();
    }
    for (int s = 1; s <= 5; ++s) {
        imgP1[s] = new Picture(this, s);
        imgP1[s]->setRect(P1Left[s], HandTop[s], 990, 1620);
        imgP2[s] = new Picture(this, s);
        imgP2[s]->setRect(P2Left[s], HandTop[s], 990, 1620);
        // Clicks and keys here pick only the cards of a side played here: the
        // person cannot play for the computer.
        connect(imgP1[s], &Picture::MouseDown, this, [this](int Index) {
            if (seat(1)->takesLocalInput())
                imgP1_MouseDown(Index);
            else
                say(gintTurn == 1 ? tr("Not your turn.") : tr("Not your card."));
        });
        connect(imgP2[s], &Picture::MouseDown, this, [this](int Index) {
            if (seat(2)->takesLocalInput())
                imgP2_MouseDown(Index);
            else
                say(gintTurn == 2 ? tr("Not your turn.") : tr("Not your card."));
        });
    }
    for (int l = 1; l <= 9; ++l) {
        imgBoard[l] = new Picture(this, l);
        imgBoard[l]->setRect(BoardLeft[(l - 1) % 3], BoardTop[(l - 1) / 3], 990, 1620);
        connect(imgBoard[l], &Picture::MouseDown, this, [this](int Index) {
            if (Seat* onTurn = seat(gintTurn); onTurn && onTurn->takesLocalInput())
                imgBoard_MouseDown(Index);
            else
                say(tr("Not your turn."));
        });
    }
    imgBegin = new Picture(this);
    imgBegin->setRect(2940, 2400, 3000, 1005);
    imgBegin->setStretch(false);

    auto button = [this](int top) {
        auto* p = new Picture(this);
        p->setRect(3743, top, 1395, 375);
        return p;
    };
    imgNewGame = button(5666);
    imgOptions = button(6166);
    imgHelp = button(6666);
    imgExit = button(7166);
    struct Button {
        Picture* picture;
        QString pressed;
        void (FrmMain::*release)();
    };
    for (const Button& b :
         {Button{imgHelp, QStringLiteral("\\images\\HelpDn.jpg"), &FrmMain::imgHelp_MouseUp},
          Button{imgNewGame, QStringLiteral("\\images\\NewGameDn.jpg"),
                 &FrmMain::imgNewGame_MouseUp},
          Button{imgOptions, QStringLiteral("\\images\\OptionsDn.jpg"),
                 &FrmMain::imgOptions_MouseUp},
          Button{imgExit, QStringLiteral("\\images\\ExitDn.jpg"), &FrmMain::imgExit_MouseUp}}) {
        Picture* picture = b.picture;
        const QString pressed = b.pressed;
        connect(picture, &Picture::MouseDown, this,
                [picture, pressed] { picture->LoadPicture(pictureName(pressed)); });
        connect(picture, &Picture::MouseUp, this, b.release);
    }

    auto label = [this](int left, int top, int width, int height, double points, bool bold,
                        const QColor& colour) {
        auto* l = new Label(this);
        l->setRect(left, top, width, height);
        l->setFontSpec(QStringLiteral("Times New Roman"), points, bold);
        l->setForeColor(colour);
        return l;
    };
    lblPlayer1Name = label(600, 6540, 2355, 435, 18, true, QColor(0xE0, 0xE0, 0xE0));
    lblPlayer2Name = label(5850, 6540, 2355, 435, 18, true, QColor(0xE0, 0xE0, 0xE0));
    lblPlayer1Score = label(990, 7020, 1575, 315, 18, false, QColor(0xFF, 0xFF, 0x80));
    lblPlayer2Score = label(6240, 7020, 1575, 315, 18, false, QColor(0xFF, 0xFF, 0x80));
    lblPlayer1Score->setCaption(QStringLiteral("000"));
    lblPlayer2Score->setCaption(QStringLiteral("000"));

    tmrHideHand = new platform::Timer(this, 1500);
    connect(tmrHideHand, &platform::Timer::Tick, this, &FrmMain::tmrHideHand_Timer);
    tmr1 = new platform::Timer(this, 2000);
    connect(tmr1, &platform::Timer::Tick, this, &FrmMain::tmr1_Timer);
    describeControls();
    tmrComputer = seats::computer(2)->tmrComputer;
    // Made last: its frames lie in front of every card.
    m_hint = new Hint(
        this,
        [this](int slot) -> QWidget* {
            return slot >= 1 && slot <= 5 && blnP1InHand[slot] ? imgP1[slot] : nullptr;
        },
        [this](int location) -> QWidget* {
            return location >= 1 && location <= 9 && !blnBoardUsed[location] ? imgBoard[location]
                                                                             : nullptr;
        });
}

// The person asks for a hint (H, or the screen reader's action on a square).
// It is given where a click of his could play a card now, in a game against
// the computer: the board in front, his turn, a card of his hand that takes
// clicks and a free square. Where it is not, one sentence says why.
bool FrmMain::askHint() {
    if (!isVisible() || platform::Form::activeForm() != this)
        return false;
    if (seat(2) != seats::computer(2)) {
        say(tr("Hints are given only against the computer."));
        return false;
    }
    if (gintTurn != 1 || !seat(1)->takesLocalInput()) {
        say(tr("Not your turn."));
        return false;
    }
    bool holds = false, held = false;
    for (int s = 1; s <= 5; ++s) {
        holds = holds || (blnP1InHand[s] && imgP1[s]->isEnabled());
        held = held || blnP1InHand[s];
    }
    bool free = false;
    for (int l = 1; l <= 9; ++l)
        free = free || !blnBoardUsed[l];
    if (!holds || !free) {
        say(held && free ? tr("Your cards are still face down.") : tr("No card to place."));
        return false;
    }
    m_hint->ask(visiblePosition(1));
    return true;
}

Seat* FrmMain::seat(int player) const {
    return seats::seat(player);
}

bool FrmMain::computerTurn() const {
    return seat(2) == seats::computer(2) && seats::computer(2)->onTurn();
}

ComputerSeat* FrmMain::computerPlayer() const {
    return seats::computer(2);
}

PlayRules& FrmMain::PlayRules() {
    if (!m_playRules)
        m_playRules = std::make_unique<::PlayRules>(DirtyBoard, *this);
    return *m_playRules;
}

void FrmMain::showCapture(int location, const QString& name) {
    imgBoard[location]->LoadPicture(name);
    imgBoard[location]->Refresh();
    if (m_mover != 0 && location >= 1 && location <= 9) {
        if (m_squareOwner[location] == 3 - m_mover)
            m_captureSquares << location;
        m_squareOwner[location] = m_mover;
        m_captures << location;
    }
}

int FrmMain::drawNumber(int id) {
    if (id == 0)
        return 0;
    platform::Recordset& all = store::AllCards;
    all.MoveFirst();
    all.Find(QStringLiteral("fldID = %1").arg(id));
    const int number = all.EOF_() ? 0 : all.intValue(QStringLiteral("fldAutoNumber"));
    all.MoveFirst();
    return number;
}

void FrmMain::setScoreCaption(int player, const QString& caption) {
    (player == 1 ? lblPlayer1Score : lblPlayer2Score)->setCaption(caption);
}

// ---- Load and activation ---------------------------------------------

void FrmMain::Form_Load() {
    gintTurn = 1;
    store::openTable(store::CardBase, QStringLiteral("CardBase"), true);
    store::openTable(store::AllCards, QStringLiteral("AllCards"), true);
    store::openTable(P1Hand, QStringLiteral("P1Hand"), false);
    store::openTable(P2Hand, QStringLiteral("P2Hand"), false);
    store::openTable(store::CleanBoard, QStringLiteral("CleanBoard"), false);
    store::openTable(DirtyBoard, QStringLiteral("DirtyBoard"), false);
    for (int l = 1; l <= 9; ++l)
        imgBoard[l]->LoadPicture(pictureName(FieldBlank));
    for (int s = 1; s <= 5; ++s) {
        imgP1[s]->LoadPicture(pictureName(BackRed));
        imgP1[s]->Refresh();
        imgP2[s]->LoadPicture(pictureName(BackBlue));
        imgP2[s]->Refresh();
    }
    imgNewGame->LoadPicture(pictureName(QStringLiteral("\\images\\NewGameUp.jpg")));
    imgOptions->LoadPicture(pictureName(QStringLiteral("\\images\\OptionsUp.jpg")));
    imgExit->LoadPicture(pictureName(QStringLiteral("\\images\\ExitUp.jpg")));
    imgHelp->LoadPicture(pictureName(QStringLiteral("\\images\\HelpUp.jpg")));
    showNames();
    // The record of matches is opened, and a damaged one set aside, before
    // the first hand rather than at its end.
    record::Record::instance();
}

// A name typed by a person is shown as designed. The computer's name is the
// program's own: whole on one line (its level included), in italics and
// made smaller as far as it needs, so that no typed name looks like it.
void FrmMain::showNames() {
    for (int P = 1; P <= 2; ++P) {
        platform::Label* label = P == 1 ? lblPlayer1Name : lblPlayer2Name;
        const QString name = playerName(P);
        label->setCaption(name);
        if (!seat(P)->namedByProgram()) {
            label->setFontSpec(QStringLiteral("Times New Roman"), 18, true);
            continue;
        }
        const qreal room = label->contentsRect().width() - 2;
        double points = 18;
        for (; points > 12; points -= 0.5) {
            label->setFontSpec(QStringLiteral("Times New Roman"), points, true, true);
            if (QFontMetricsF(label->font(), label).horizontalAdvance(name) <= room)
                break;
        }
        label->setFontSpec(QStringLiteral("Times New Roman"), points, true, true);
    }
}

void FrmMain::Form_Activate() {
    showNames();
    // Back from Options or Help, a seat that was waiting for the board goes on
    // at its pace.
    seatsSeeBoard(!isMinimised());
    if (gblnPostNewHand)
        DealHands();
}

void FrmMain::Form_LostFocus() {
    seatsSeeBoard(false);
}

// A minimised board stays visible to Qt, but the person does not see it: the
// seats wait until it is back.
void FrmMain::Form_Minimised(bool minimised) {
    seatsSeeBoard(!minimised && isVisible() && platform::Form::activeForm() == this);
}

void FrmMain::ClearBoard() {
    platform::SaveGroup group;
    for (int l = 1; l <= 9; ++l) {
        blnBoardUsed[l] = false;
        m_squareOwner[l] = 0;
        imgBoard[l]->LoadPicture(pictureName(FieldBlank));
        DirtyBoard.Find(store::locationCriterion(l));
        store::emptyCard(DirtyBoard);
        DirtyBoard.setValue(QStringLiteral("fldOwner"), 0);
        DirtyBoard.MoveFirst();
    }
}

void FrmMain::ClearHands() {
    platform::SaveGroup group;
    P1Hand.MoveFirst();
    P2Hand.MoveFirst();
    for (int s = 1; s <= 5; ++s) {
        P1Hand.Find(store::locationCriterion(s));
        store::emptyCard(P1Hand);
        P2Hand.Find(store::locationCriterion(s));
        store::emptyCard(P2Hand);
        P1Hand.MoveFirst();
        P2Hand.MoveFirst();
        imgP1[s]->Clear();
        imgP2[s]->Clear();
    }
}

// ---- New game and dealing --------------------------------------------------

void FrmMain::NewGame() {
    platform::Random& random = platform::Random::instance();
    random.reseedFromClock();
    emit matchAbandoned();
    resetMatch();
    frmOptions->Show();
    Hide();
}

void FrmMain::resetMatch() {
    platform::Random& random = platform::Random::instance();
    // r + 1 rounded to the nearest integer, a half going to the even 2.
    gintTurn = static_cast<qint16>(std::nearbyint(random.next() + 1.0));
    imgNewGame->LoadPicture(pictureName(QStringLiteral("\\images\\NewGameUp.jpg")));
    imgNewGame->Refresh();
    intCardsPlaced = 0;
    gblnNewRound = true;
    gintRound = 1;
    m_matchKey.clear();
    intP1RoundScore.fill(0);
    intP2RoundScore.fill(0);
    gblnWinner = false;
    ResetHand();
    PlayRules().gintPlayer1Score = 0;
    PlayRules().gintPlayer2Score = 0;
    gintP1GamesWon = 0;
    gintP2GamesWon = 0;
    lblPlayer1Score->setCaption(QStringLiteral("000"));
    lblPlayer2Score->setCaption(QStringLiteral("000"));
    for (int i = 0; i < 3; ++i) {
        imgRedLight[i]->LoadPicture(pictureName(QStringLiteral("\\images\\RedOff.gif")));
        imgBlueLight[i]->LoadPicture(pictureName(QStringLiteral("\\images\\BlueOff.gif")));
    }
    gblnNewGame = true;
    m_handsElsewhere = {};
}

void FrmMain::abandonMatch() {
    tmrHideHand->setEnabled(false);
    tmr1->setEnabled(false);
    for (FrmPlayer* window : {frmPlayer1, frmPlayer2})
        if (window->isVisible())
            window->Hide();
    if (frmHelp->isVisible())
        frmHelp->Hide();
    if (frmOptions->isVisible())
        frmOptions->Hide();
    for (FrmPlayer* window : {frmPlayer1, frmPlayer2})
        window->forgetChoice();
    NewGame();
}

void FrmMain::joinMatch() {
    tmrHideHand->setEnabled(false);
    tmr1->setEnabled(false);
    for (platform::Form* window :
         std::initializer_list<platform::Form*>{frmPlayer1, frmPlayer2, frmHelp, frmOptions})
        if (window->isVisible())
            window->Hide();
    for (FrmPlayer* window : {frmPlayer1, frmPlayer2})
        window->forgetChoice();
    platform::Random::instance().reseedFromClock();
    resetMatch();
    gblnPostNewHand = false;
    // The options are the host's: shown read-only, as during a match.
    gblnNewGame = false;
    // Who begins is the host's to say, with the deal; until then the board
    // is no one's to play.
    gintTurn = 1;
    imgBegin->Clear();
    Show();
}

void FrmMain::handDealtElsewhere(int player, const std::array<int, 5>& cards) {
    if (player == 1 || player == 2)
        m_handsElsewhere[player] = cards;
}

// A card of a hand dealt elsewhere that was not known here: it is written
// into its slot as it leaves the hand.
void FrmMain::handCardArrived(int player, int slot, int card) {
    if ((player != 1 && player != 2) || slot < 1 || slot > 5 || card < 1)
        return;
    platform::Recordset& hand = player == 1 ? P1Hand : P2Hand;
    platform::SaveGroup group;
    hand.MoveFirst();
    hand.Find(store::locationCriterion(slot));
    if (drawNumber(hand.intValue(QStringLiteral("fldID"))) != card) {
        store::AllCards.Find(store::autoNumberCriterion(card));
        store::copyCard(store::AllCards, hand);
        store::AllCards.MoveFirst();
        m_handEdges[player][slot] = CardEdges::of(hand);
    }
    hand.MoveFirst();
}

void FrmMain::ResetHand() {
    platform::SaveGroup group;
    seatsWithdraw();
    m_hint->forget();
    intCardsPlaced = 0;
    m_placements.clear();
    gblnNewRound = true;
    ClearHands();
    ClearBoard();
    for (int s = 1; s <= 5; ++s) {
        blnP1InHand[s] = false;
        blnP2InHand[s] = false;
        imgP1Select[s]->hide();
        imgP2Select[s]->hide();
        imgP1[s]->setEnabled(true);
        imgP2[s]->setEnabled(true);
    }
    handsReachable();
}

void FrmMain::DealHands() {
    platform::SaveGroup group;
    const bool open = frmOptions->gblnHand;
    int k1 = 1;
    int k2 = 1;
    for (int i = 1; i <= 8; ++i) {
        if (frmPlayer1->imgSelect[i]->Visible()) {
            P1Hand.MoveFirst();
            P1Stock.Find(store::locationCriterion(i));
            P1Hand.Find(store::locationCriterion(k1));
            store::copyCard(P1Stock, P1Hand);
            m_handEdges[1][k1] = CardEdges::of(P1Hand);
            imgP1[k1]->LoadPicture(open ? pictureName(P1Hand.textValue(QStringLiteral("fldPath")) +
                                                      QStringLiteral("r.jpg"))
                                        : pictureName(BackRed));
            imgP1[k1]->Refresh();
            blnP1InHand[k1] = true;
            P1Hand.MoveFirst();
            ++k1;
        }
        if (frmPlayer2->imgSelect[i]->Visible()) {
            P2Hand.MoveFirst();
            P2Stock.Find(store::locationCriterion(i));
            P2Hand.Find(store::locationCriterion(k2));
            store::copyCard(P2Stock, P2Hand);
            m_handEdges[2][k2] = CardEdges::of(P2Hand);
            imgP2[k2]->LoadPicture(open ? pictureName(P2Hand.textValue(QStringLiteral("fldPath")) +
                                                      QStringLiteral("b.jpg"))
                                        : pictureName(BackBlue));
            imgP2[k2]->Refresh();
            blnP2InHand[k2] = true;
            P2Hand.MoveFirst();
            ++k2;
        }
        P1Stock.MoveFirst();
        P2Stock.MoveFirst();
    }
    for (int P = 1; P <= 2; ++P) {
        if (!m_handsElsewhere[P])
            continue;
        // Only the cards known here are written; the others stay empty and
        // face down until they are placed.
        const std::array<int, 5> cards = *m_handsElsewhere[P];
        m_handsElsewhere[P].reset();
        platform::Recordset& hand = P == 1 ? P1Hand : P2Hand;
        for (int s = 1; s <= 5; ++s) {
            hand.MoveFirst();
            hand.Find(store::locationCriterion(s));
            const bool known = cards[s - 1] >= 1;
            if (known) {
                store::AllCards.Find(store::autoNumberCriterion(cards[s - 1]));
                store::copyCard(store::AllCards, hand);
                store::AllCards.MoveFirst();
            }
            m_handEdges[P][s] = known ? CardEdges::of(hand) : CardEdges{};
            const QString back = P == 1 ? BackRed : BackBlue;
            const QString colour = P == 1 ? QStringLiteral("r.jpg") : QStringLiteral("b.jpg");
            (P == 1 ? imgP1 : imgP2)[s]->LoadPicture(
                open && known ? pictureName(hand.textValue(QStringLiteral("fldPath")) + colour)
                              : pictureName(back));
            (P == 1 ? imgP1 : imgP2)[s]->Refresh();
            (P == 1 ? blnP1InHand : blnP2InHand)[s] = true;
            hand.MoveFirst();
        }
    }
    if (!open)
        tmrHideHand->setEnabled(true);
    gblnPostNewHand = false;
    m_handStart1 = PlayRules().gintPlayer1Score;
    m_handStart2 = PlayRules().gintPlayer2Score;
    boardAndHandsChanged();
    {
        QList<int> hands[3];
        for (int P = 1; P <= 2; ++P) {
            platform::Recordset& hand = P == 1 ? P1Hand : P2Hand;
            for (int s = 1; s <= 5; ++s) {
                hand.MoveFirst();
                hand.Find(store::locationCriterion(s));
                hands[P] << drawNumber(hand.intValue(QStringLiteral("fldID")));
            }
            hand.MoveFirst();
        }
        emit handsDealt(hands[1], hands[2]);
    }
    say(tr("Hands dealt. %1 begins.").arg(spokenPlayer(gintTurn)));
    // Open Hand has nothing to reveal: the seat that begins is asked now.
    if (open)
        seatTurnBegins(platform::monotonicNow());
}

// ---- Picking a card ----------------------------------------------------------

void FrmMain::imgP1_MouseDown(int Index) {
    // A card proposed to the other end stays picked until it answers.
    if (seat(1)->proposalPending() && !m_seatMoving)
        return;
    if (gintTurn == 2) {
        say(tr("Not your turn."));
        return;
    }
    if (blnP1InHand[Index]) {
        ClearSelection();
        imgP1Select[Index]->show();
        picked(1, Index);
    } else {
        say(tr("Card %1 is played.").arg(Index));
    }
}

void FrmMain::imgP2_MouseDown(int Index) {
    if (seat(2)->proposalPending() && !m_seatMoving)
        return;
    if (gintTurn == 1) {
        say(tr("Not your turn."));
        return;
    }
    if (blnP2InHand[Index]) {
        ClearSelection();
        imgP2Select[Index]->show();
        picked(2, Index);
    } else {
        say(tr("Card %1 is played.").arg(Index));
    }
}

void FrmMain::ClearSelection() {
    for (auto* markers : {&imgP1Select, &imgP2Select})
        for (int s = 1; s <= 5; ++s)
            if ((*markers)[s]->Visible()) {
                (*markers)[s]->hide();
                return;
            }
}

// ---- Placing a card ------------------------------------------------------------

void FrmMain::imgBoard_MouseDown(int Index) {
    const int L = Index;
    if (L < 1 || L > 9)
        return;
    if (blnBoardUsed[L]) {
        say(tr("Square %1 is taken.").arg(L));
        return;
    }
    int P = 0;
    int i = 0;
    for (int s = 1; s <= 5 && P == 0; ++s) {
        if (imgP1Select[s]->Visible())
            P = 1;
        else if (imgP2Select[s]->Visible())
            P = 2;
        i = s;
    }
    if (P == 0) {
        say(placementRefused());
        return;
    }
    // Across the network the other end decides: the placement is played
    // when its answer comes back through the seat.
    if (seat(P)->proposes() && !m_seatMoving) {
        if (!seat(P)->proposalPending())
            seat(P)->proposeMove(i, L);
        return;
    }
    // A hint asked before this card no longer fits the board.
    m_hint->forget();
    m_mover = P;
    m_captures.clear();
    m_captureSquares.clear();
    playCard(P, i, L);
    m_mover = 0;
    gintTurn = P == 1 ? 2 : 1;
    emit cardPlaced(P, i, L, m_placedCard, m_captureSquares);
    const QString spoken = placementWords(P, L);
    if (intCardsPlaced >= 8) {
        boardAndHandsChanged();
        // The message at the end of the hand takes the screen reader at once
        // and reads the placement first, then its own words and the scores:
        // said there alone, the placement is heard once, whole.
        frmMessage->spokenBefore = placementWords(P, L, false);
        CheckWinner();
        if (!frmMessage->isVisible())
            frmMessage->spokenBefore.clear();
        return;
    }
    ++intCardsPlaced;
    if (!frmOptions->gblnHand) {
        hideHand(P);
        tmrHideHand->setEnabled(true);
    } else {
        // The next turn began with the press that placed this card.
        seatTurnBegins(platform::Form::inputEventTime());
    }
    boardAndHandsChanged();
    say(joined(spoken, tr("%1 to play.").arg(spokenPlayer(gintTurn))));
}

// Moves the card of hand slot `i` of player P onto square L and lets the
// rules capture. The move and every capture reach the file in one commit.
void FrmMain::playCard(int P, int i, int L) {
    platform::SaveGroup group;
    platform::Recordset& hand = P == 1 ? P1Hand : P2Hand;
    const QString colour = P == 1 ? QStringLiteral("r.jpg") : QStringLiteral("b.jpg");
    hand.Find(store::locationCriterion(i));
    imgBoard[L]->LoadPicture(pictureName(hand.textValue(QStringLiteral("fldPath")) + colour));
    imgBoard[L]->Refresh();
    DirtyBoard.Find(store::locationCriterion(L));
    store::copyCard(hand, DirtyBoard);
    DirtyBoard.setValue(QStringLiteral("fldOwner"), P);
    m_squareEdges[L] = CardEdges::of(hand);
    m_squareOwner[L] = P;
    m_placedCard = drawNumber(hand.intValue(QStringLiteral("fldID")));
    auto edge = [&hand](const char* field) { return hand.intValue(QLatin1String(field)); };
    m_placements.push_back(
        {L - 1, {edge("fldNorth"), edge("fldEast"), edge("fldSouth"), edge("fldWest")}, P});
    const qint16 board = static_cast<qint16>(L);
    const qint16 owner = static_cast<qint16>(P);
    if (frmOptions->gblnBasic)
        PlayRules().Basic(edge("fldNorth"), edge("fldEast"), edge("fldSouth"), edge("fldWest"),
                          board, owner);
    if (frmOptions->gblnBasicCombo)
        PlayRules().BasicCombo(edge("fldNorth"), edge("fldEast"), edge("fldSouth"), edge("fldWest"),
                               board, owner);
    store::emptyCard(hand);
    (P == 1 ? blnP1InHand : blnP2InHand)[i] = false;
    blnBoardUsed[L] = true;
    (P == 1 ? imgP1Select : imgP2Select)[i]->hide();
    (P == 1 ? imgP1 : imgP2)[i]->Clear();
    DirtyBoard.MoveFirst();
    hand.MoveFirst();
}

void FrmMain::hideHand(int player) {
    const auto& inHand = player == 1 ? blnP1InHand : blnP2InHand;
    auto& pictures = player == 1 ? imgP1 : imgP2;
    for (int j = 1; j <= 5; ++j) {
        if (!inHand[j])
            continue;
        pictures[j]->LoadPicture(pictureName(player == 1 ? BackRed : BackBlue));
        pictures[j]->Refresh();
        pictures[j]->setEnabled(false);
    }
}

// ---- Timers ----------------------------------------------------------------------

void FrmMain::tmrHideHand_Timer() {
    P1Hand.MoveFirst();
    P2Hand.MoveFirst();
    const bool first = gintTurn == 1;
    platform::Recordset& hand = first ? P1Hand : P2Hand;
    const auto& inHand = first ? blnP1InHand : blnP2InHand;
    auto& pictures = first ? imgP1 : imgP2;
    // A hand not played at this screen stays face down: the computer's.
    const bool faceDown = !seat(gintTurn)->showsHiddenCards();
    for (int s = 1; s <= 5; ++s) {
        if (!inHand[s])
            continue;
        if (faceDown) {
            pictures[s]->setEnabled(true);
            continue;
        }
        hand.Find(store::locationCriterion(s));
        pictures[s]->LoadPicture(
            pictureName(hand.textValue(QStringLiteral("fldPath")) +
                        (first ? QStringLiteral("r.jpg") : QStringLiteral("b.jpg"))));
        pictures[s]->Refresh();
        pictures[s]->setEnabled(true);
    }
    P1Hand.MoveFirst();
    P2Hand.MoveFirst();
    tmrHideHand->setEnabled(false);
    boardAndHandsChanged();
    seatTurnBegins(platform::monotonicNow());
}

void FrmMain::tmr1_Timer() {
    imgBegin->setEnabled(false);
    imgBegin->Clear();
    tmr1->setEnabled(false);
}

// ---- The seats' turns -----------------------------------------------------------

// Asks the seat on turn for its move when its player holds a card and a
// square is free. A person's seat answers with his clicks; the computer's
// answers through seat_MoveMade once it has thought and its pace has passed.
void FrmMain::seatTurnBegins(qint64 began) {
    if (gintTurn != 1 && gintTurn != 2)
        return;
    const auto& inHand = gintTurn == 1 ? blnP1InHand : blnP2InHand;
    bool holds = false;
    for (int s = 1; s <= 5; ++s)
        holds = holds || inHand[s];
    bool free = false;
    for (int l = 1; l <= 9; ++l)
        free = free || !blnBoardUsed[l];
    if (!holds || !free)
        return;
    Seat* onTurn = seat(gintTurn);
    connect(onTurn, &Seat::moveMade, this, &FrmMain::seat_MoveMade, Qt::UniqueConnection);
    onTurn->takeTurn(visiblePosition(gintTurn), began);
}

// A seat's move, played through the handlers a person's presses run: only
// the seat that stands behind the player on turn may move, and only while
// the board is in front of the person.
void FrmMain::seat_MoveMade(int handSlot, int location) {
    auto* from = qobject_cast<Seat*>(sender());
    if (!from || from != seat(gintTurn))
        return;
    if (!isVisible() || isMinimised() || platform::Form::activeForm() != this)
        return;
    const auto& inHand = gintTurn == 1 ? blnP1InHand : blnP2InHand;
    if (handSlot < 1 || handSlot > 5 || !inHand[handSlot] || location < 1 || location > 9 ||
        blnBoardUsed[location]) {
        qWarning("Player %d's seat chose hand slot %d and square %d, which is not a move here.",
                 int(gintTurn), handSlot, location);
        return;
    }
    m_seatMoving = true;
    if (gintTurn == 1)
        imgP1_MouseDown(handSlot);
    else
        imgP2_MouseDown(handSlot);
    imgBoard_MouseDown(location);
    m_seatMoving = false;
}

void FrmMain::seatsSeeBoard(bool inFront) {
    for (int P = 1; P <= 2; ++P)
        seat(P)->boardShown(inFront);
}

// Whatever the seats were asked no longer counts.
void FrmMain::seatsWithdraw() {
    for (int P = 1; P <= 2; ++P)
        seat(P)->withdraw();
}

namespace {

computer::Card edgesOf(const platform::Recordset& table) {
    return {table.intValue(QStringLiteral("fldNorth")), table.intValue(QStringLiteral("fldEast")),
            table.intValue(QStringLiteral("fldSouth")), table.intValue(QStringLiteral("fldWest"))};
}

// The cards of a hand table whose slots still hold a card.
std::array<std::optional<computer::Card>, 5> handOf(platform::Recordset& hand,
                                                    const std::array<bool, 6>& inHand) {
    std::array<std::optional<computer::Card>, 5> cards{};
    hand.MoveFirst();
    for (int s = 1; s <= 5; ++s) {
        if (!inHand[s])
            continue;
        hand.Find(store::locationCriterion(s));
        cards[s - 1] = edgesOf(hand);
        hand.MoveFirst();
    }
    return cards;
}

} // namespace

const std::vector<computer::Card>& FrmMain::cardList() {
    // The card list never changes while the program runs: read once.
    static std::vector<computer::Card> cards;
    if (cards.empty()) {
        platform::Recordset& all = store::AllCards;
        all.MoveFirst();
        for (int n = 1; n <= all.recordCount(); ++n) {
            all.Find(store::autoNumberCriterion(n));
            cards.push_back(edgesOf(all));
        }
        all.MoveFirst();
    }
    return cards;
}

computer::Position FrmMain::visiblePosition(int player) const {
    computer::Position position;
    DirtyBoard.MoveFirst();
    for (int l = 1; l <= 9; ++l) {
        DirtyBoard.Find(store::locationCriterion(l));
        const int owner = DirtyBoard.intValue(QStringLiteral("fldOwner"));
        // The decision code plays owner 2 against owner 1.
        position.owner[l - 1] = owner == 0 ? 0 : owner == player ? 2 : 1;
        if (owner != 0)
            position.board[l - 1] = edgesOf(DirtyBoard);
        DirtyBoard.MoveFirst();
    }
    const bool first = player == 1;
    position.hand = handOf(first ? P1Hand : P2Hand, first ? blnP1InHand : blnP2InHand);
    const auto& otherInHand = first ? blnP2InHand : blnP1InHand;
    for (int s = 1; s <= 5; ++s)
        position.opponentCardsLeft += otherInHand[s] ? 1 : 0;
    // Open Hand shows the other player's cards face up: they are known too.
    position.opponentHandKnown = frmOptions->gblnHand;
    if (position.opponentHandKnown)
        position.opponentHand = handOf(first ? P2Hand : P1Hand, otherInHand);
    position.cardList = cardList();
    position.rule = frmOptions->gblnBasicCombo ? computer::Rule::BasicCombo : computer::Rule::Basic;
    for (computer::Placement placed : m_placements) {
        placed.player = placed.player == player ? 2 : 1;
        position.history.push_back(placed);
    }
    return position;
}

// ---- End of a hand, round and match ----------------------------------------------

bool FrmMain::CheckWinner() {
    const qint16 s1 = PlayRules().gintPlayer1Score;
    const qint16 s2 = PlayRules().gintPlayer2Score;
    const qint16 T = frmOptions->gintWinHigh;
    int P = 0;
    if (s1 >= T || s2 >= T)
        P = s1 > s2 ? 1 : s2 > s1 ? 2 : 0;

    if (P == 0) {
        recordHand(0);
        frmMessage->lblMsg->setCaption(tr("Get ready for the next hand"));
        frmMessage->lblMsg->setForeColor(Black);
        frmMessage->spokenScores = tr("Score %1 to %2.").arg(s1).arg(s2);
        frmMessage->ShowModal();
        ResetHand();
        chooseNextHand();
        return false;
    }

    // A round is always won by one player and three wins end the match, so
    // rounds 1 to 5 are all there are; anything else is a broken state.
    if (gintRound < 1 || gintRound > 5)
        platform::fatal(
            tr("Round %1 cannot be recorded: a match has rounds 1 to 5.").arg(gintRound));
    qint16& won = P == 1 ? gintP1GamesWon : gintP2GamesWon;
    ++won;
    const qint16 W = won;
    if (W >= 1 && W <= 3)
        (P == 1 ? imgRedLight : imgBlueLight)[W - 1]->LoadPicture(
            pictureName(P == 1 ? QStringLiteral("\\images\\RedOn.gif")
                               : QStringLiteral("\\images\\BlueOn.gif")));
    // The name is set apart: a right-to-left name must not turn the words.
    const QString name = platform::isolated((P == 1 ? lblPlayer1Name : lblPlayer2Name)->caption());
    // The computer's name is set apart in the message as on the board.
    const QString apart = seat(P)->namedByProgram() ? name : QString();
    const QColor colour = P == 1 ? Red : Blue;

    if (W != 3) {
        recordHand(0);
        frmMessage->lblMsg->setCaption(tr("%1 won this round.  Ready for next round").arg(name),
                                       apart);
        frmMessage->lblMsg->setForeColor(colour);
        frmMessage->spokenScores = tr("Score %1 to %2.").arg(s1).arg(s2);
        frmMessage->ShowModal();
        intP1RoundScore[gintRound] = PlayRules().gintPlayer1Score;
        intP2RoundScore[gintRound] = PlayRules().gintPlayer2Score;
        PlayRules().gintPlayer1Score = 0;
        PlayRules().gintPlayer2Score = 0;
        lblPlayer1Score->setCaption(QStringLiteral("000"));
        lblPlayer2Score->setCaption(QStringLiteral("000"));
        ++gintRound;
        ResetHand();
        chooseNextHand();
        return false;
    }

    intP1RoundScore[gintRound] = PlayRules().gintPlayer1Score;
    intP2RoundScore[gintRound] = PlayRules().gintPlayer2Score;
    auto total = [](const std::array<qint16, 6>& rounds) {
        qint16 sum = 0;
        for (int r = 1; r <= 5; ++r)
            if (__builtin_add_overflow(sum, rounds[r], &sum))
                platform::fatal(tr("A match total overflows a 16-bit integer."));
        return sum;
    };
    const qint16 total1 = total(intP1RoundScore);
    const qint16 total2 = total(intP2RoundScore);
    gblnWinner = true;
    //: The message ending a match: the winner's name, a line break, the winner's total.
    frmMessage->lblMsg->setCaption(
        tr("%1\r\n wins with %2").arg(name, QString::number(P == 1 ? total1 : total2)), apart);
    frmMessage->lblMsg->setForeColor(colour);
    for (int player = 1; player <= 2; ++player) {
        const QString isolated = platform::isolated(playerName(player));
        (player == 1 ? frmWinner->lblP1Name : frmWinner->lblP2Name)
            ->setCaption(QStringLiteral("  ") + isolated + QStringLiteral("  "),
                         seat(player)->namedByProgram() ? isolated : QString());
    }
    for (int r = 1; r <= 5; ++r) {
        frmWinner->lblP1RndScore[r]->setCaption(QString::number(intP1RoundScore[r]));
        frmWinner->lblP2RndScore[r]->setCaption(QString::number(intP2RoundScore[r]));
    }
    frmWinner->lblP1Total->setCaption(QString::number(total1));
    frmWinner->lblP2Total->setCaption(QString::number(total2));
    // In the record before the message shows: a game ended during it keeps
    // the match.
    recordHand(P);
    frmMessage->spokenScores = tr("Score %1 to %2.").arg(s1).arg(s2);
    frmMessage->ShowModal();
    return true;
}

void FrmMain::chooseNextHand() {
    // The board stays in front until the other screen's offer arrives.
    if (seat(1)->choosesElsewhere())
        return;
    Hide();
    frmPlayer1->Show();
}

// The person's record, kept from his own side: player 1's, or player 2's
// when he joined a network match (the host then is the opponent). A match
// counts against an opponent only when that opponent played all its hands.
void FrmMain::recordHand(int matchWinner) {
    const std::optional<computer::Level> level = frmOptions->player2Computer();
    const bool network = seat(1)->heldByMatch() || seat(2)->heldByMatch();
    // The side of the person here: the other side's seat is the network match's.
    const int mine = seat(1)->heldByMatch() ? 2 : 1;
    const record::Opponent opponent = network                           ? record::Opponent::Network
                                      : !level                          ? record::Opponent::Person
                                      : *level == computer::Level::Easy ? record::Opponent::Easy
                                      : *level == computer::Level::Normal ? record::Opponent::Normal
                                                                          : record::Opponent::Hard;
    if (m_matchKey.isEmpty()) {
        m_matchKey = QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_handsEnded = 0;
        m_matchOpponent = int(opponent);
        m_opponentChanged = false;
    }
    if (m_matchOpponent != int(opponent))
        m_opponentChanged = true;
    ++m_handsEnded;
    record::HandResult hand{.matchKey = m_matchKey,
                            .hand = m_handsEnded,
                            .opponent = opponent,
                            .openHand = frmOptions->gblnHand,
                            .comboRule = frmOptions->gblnBasicCombo,
                            .points1 = PlayRules().gintPlayer1Score - m_handStart1,
                            .points2 = PlayRules().gintPlayer2Score - m_handStart2};
    if (mine == 2)
        std::swap(hand.points1, hand.points2);
    // The next hand of the round starts from these scores.
    m_handStart1 = PlayRules().gintPlayer1Score;
    m_handStart2 = PlayRules().gintPlayer2Score;
    record::Record& record = record::Record::instance();
    if (matchWinner == 0) {
        record.addHand(hand);
        return;
    }
    QString line;
    if (!m_opponentChanged) {
        qint16 total1 = 0;
        qint16 total2 = 0;
        for (int r = 1; r <= 5; ++r) {
            total1 = static_cast<qint16>(total1 + intP1RoundScore[r]);
            total2 = static_cast<qint16>(total2 + intP2RoundScore[r]);
        }
        record::MatchResult match{.matchKey = m_matchKey,
                                  .opponent = opponent,
                                  .player1Name = frmOptions->gstrPlayer1Name,
                                  .player2Name = frmOptions->gstrPlayer2Name,
                                  .openHand = frmOptions->gblnHand,
                                  .comboRule = frmOptions->gblnBasicCombo,
                                  .winner = matchWinner,
                                  .rounds1 = gintP1GamesWon,
                                  .rounds2 = gintP2GamesWon,
                                  .hands = m_handsEnded,
                                  .points1 = total1,
                                  .points2 = total2};
        if (mine == 2) {
            std::swap(match.player1Name, match.player2Name);
            match.winner = 3 - match.winner;
            std::swap(match.rounds1, match.rounds2);
            std::swap(match.points1, match.points2);
        }
        if (record.addMatch(match, hand) && opponent != record::Opponent::Person &&
            opponent != record::Opponent::Network) {
            line = FrmWinner::recordLine(opponent, record.tally(opponent));
        }
    } else {
        record.addHand(hand);
    }
    frmWinner->showRecord(line);
    // The next match, even one begun without New Game, is a match of its own.
    m_matchKey.clear();
}

// ---- Menu buttons ------------------------------------------------------------------

void FrmMain::imgHelp_MouseUp() {
    imgHelp->LoadPicture(pictureName(QStringLiteral("\\images\\HelpUp.jpg")));
    imgHelp->Refresh();
    frmHelp->gstrCaller = QStringLiteral("Main");
    frmHelp->Show();
    Hide();
}

void FrmMain::imgNewGame_MouseUp() {
    NewGame();
}

void FrmMain::imgOptions_MouseUp() {
    imgOptions->LoadPicture(pictureName(QStringLiteral("\\images\\OptionsUp.jpg")));
    imgOptions->Refresh();
    frmOptions->Show();
    Hide();
}

void FrmMain::imgExit_MouseUp() {
    imgExit->LoadPicture(pictureName(QStringLiteral("\\images\\ExitUp.jpg")));
    imgExit->Refresh();
    Unload();
}

// ---- Unload ------------------------------------------------------------------------

void FrmMain::Form_Unload() {
    emit matchAbandoned();
    m_hint->forget();
    tmrHideHand->setEnabled(false);
    tmr1->setEnabled(false);
    seatsWithdraw();
    for (platform::Form* form : std::initializer_list<platform::Form*>{
             frmStats, frmPlayer1, frmPlayer2, frmOptions, frmHelp, frmMessage, frmWinner})
        if (form) // the statistics window exists only once it has been opened
            form->Unload();
    ClearHands();
    ClearBoard();
    P1Hand.close();
    P2Hand.close();
    store::CleanBoard.close();
    DirtyBoard.close();
    // No window is left loaded: the program ends.
    QCoreApplication::quit();
}

void FrmMain::Form_QueryClose() {
    Unload();
}

// ---- Keyboard and screen reader ------------------------------------------------------

QString FrmMain::playerName(int player) const {
    return player == 1 ? frmOptions->gstrPlayer1Name : frmOptions->gstrPlayer2Name;
}

QString FrmMain::spokenPlayer(int P) const {
    if (seat(P) == seats::computer(P))
        return tr("Computer");
    return platform::isolated(playerName(P));
}

void FrmMain::say(const QString& words) {
    platform::announce(this, words);
}

QString FrmMain::squareName(int L) const {
    if (!blnBoardUsed[L] || m_squareOwner[L] == 0)
        return tr("Square %1, empty").arg(L);
    return (m_squareOwner[L] == 1 ? tr("Square %1, red card, %2") : tr("Square %1, blue card, %2"))
        .arg(QString::number(L), m_squareEdges[L].spoken());
}

// A card back says nothing about the card behind it.
bool FrmMain::faceDown(int P, int s) const {
    const platform::Picture* picture = (P == 1 ? imgP1 : imgP2)[s];
    return picture->pictureName() == pictureName(P == 1 ? BackRed : BackBlue);
}

QString FrmMain::handCardName(int P, int s) const {
    const QString owner = spokenPlayer(P);
    const QString slot = QString::number(s);
    if (faceDown(P, s))
        return tr("%1, card %2, face down").arg(owner, slot);
    if (!(P == 1 ? blnP1InHand : blnP2InHand)[s])
        return tr("%1, card %2, played").arg(owner, slot);
    return tr("%1, card %2, %3").arg(owner, slot, m_handEdges[P][s].spoken());
}

void FrmMain::picked(int P, int s) {
    // The pick of a side not played here (the computer's) is followed at
    // once by its placement, which says which card it was.
    if (!seat(P)->takesLocalInput())
        return;
    if (faceDown(P, s))
        say(tr("Card %1, face down.").arg(s));
    else
        say(tr("Card %1, %2.").arg(QString::number(s), m_handEdges[P][s].spoken()));
}

// The sentences said after an action, one after the other.
QString FrmMain::joined(const QString& first, const QString& then) {
    //: Joins the sentences said after a placement (a capture, whose turn it is).
    return tr("%1 %2").arg(first, then);
}

QString FrmMain::placementWords(int P, int L, bool withScore) const {
    const QString square = QString::number(L);
    // The same short sentence for every placement: the square, what it took,
    // the score and who plays next. The card itself lies face up on its
    // square, whose name says its edges when the player moves there.
    QString words = !seat(P)->takesLocalInput()
                        ? tr("%1 placed on square %2.").arg(spokenPlayer(P), square)
                        : tr("Placed on square %1.").arg(square);
    if (m_captures.isEmpty())
        return words;
    QList<int> taken = m_captures;
    std::sort(taken.begin(), taken.end());
    QStringList squares;
    for (int l : std::as_const(taken))
        squares << QString::number(l);
    const QString list = QLocale().createSeparatedList(squares);
    words = joined(
        words, (squares.size() == 1 ? tr("Took square %1.") : tr("Took squares %1.")).arg(list));
    if (!withScore)
        return words;
    return joined(words, tr("Score %1 to %2.")
                             .arg(QString::number(m_playRules->gintPlayer1Score),
                                  QString::number(m_playRules->gintPlayer2Score)));
}

bool FrmMain::handsHold() const {
    for (int s = 1; s <= 5; ++s)
        if (blnP1InHand[s] || blnP2InHand[s])
            return true;
    return false;
}

QString FrmMain::placementRefused() const {
    if (!handsHold())
        return tr("No card to place.");
    if (!seat(gintTurn)->takesLocalInput())
        return tr("Not your turn.");
    return tr("Pick a card first.");
}

QString FrmMain::pickRefused(int slot) const {
    if (!seat(gintTurn)->takesLocalInput())
        return tr("Not your turn.");
    if (!handsHold())
        return tr("No card to place.");
    if (!(gintTurn == 2 ? blnP2InHand : blnP1InHand)[slot])
        return tr("Card %1 is played.").arg(slot);
    return tr("Your cards are still face down.");
}

void FrmMain::describeControls() {
    using platform::describe;
    using platform::Description;
    // The statistics, as F2 opens them. The window opens after the screen
    // reader's request has been answered: it waits modally.
    describe(this, {.role = QAccessible::Window,
                    .name = [this] { return windowTitle(); },
                    .actions = {{tr("Show statistics"), [this] {
                                     QMetaObject::invokeMethod(
                                         this, [this] { FrmStats::openFrom(this); },
                                         Qt::QueuedConnection);
                                 }}}});
    describe(imgPlayer1, {.role = QAccessible::Graphic, .name = [] { return tr("Player 1"); }});
    describe(imgPlayer2, {.role = QAccessible::Graphic, .name = [] { return tr("Player 2"); }});
    describe(imgBegin,
             {.role = QAccessible::Graphic, .name = [this] {
                  const QString shown = imgBegin->pictureName();
                  if (shown.isEmpty())
                      return QString();
                  return tr("%1 begins")
                      .arg(spokenPlayer(shown.endsWith(QLatin1String("begin1.jpg")) ? 1 : 2));
              }});
    for (int P = 1; P <= 2; ++P)
        for (int s = 1; s <= 5; ++s)
            describe(
                (P == 1 ? imgP1Select : imgP2Select)[s],
                {.role = QAccessible::Graphic, .name = [this, P, s] {
                     return tr("%1, frame of card %2").arg(spokenPlayer(P), QString::number(s));
                 }});
    for (int l = 1; l <= 9; ++l)
        describe(imgBoard[l], {.role = QAccessible::Button,
                               .name = [this, l] { return squareName(l); },
                               .focusable = true,
                               .actions = {{tr("Hint"), [this] { askHint(); }}}});
    for (int P = 1; P <= 2; ++P)
        for (int s = 1; s <= 5; ++s)
            describe(
                (P == 1 ? imgP1 : imgP2)[s],
                {.role = QAccessible::Button,
                 .name = [this, P, s] { return handCardName(P, s); },
                 .selected = [this, P,
                              s] { return (P == 1 ? imgP1Select : imgP2Select)[s]->Visible(); },
                 .focusable = true});
    const std::pair<platform::Picture*, const char*> buttons[] = {
        {imgNewGame, QT_TR_NOOP("New Game")},
        {imgOptions, QT_TR_NOOP("Options")},
        {imgHelp, QT_TR_NOOP("Help")},
        {imgExit, QT_TR_NOOP("Exit")}};
    for (const auto& [picture, words] : buttons) {
        const char* name = words;
        describe(
            picture,
            {.role = QAccessible::Button, .name = [name] { return tr(name); }, .focusable = true});
    }
    for (int P = 1; P <= 2; ++P) {
        describe(P == 1 ? lblPlayer1Name : lblPlayer2Name,
                 {.role = QAccessible::StaticText, .name = [this, P] {
                      return (P == 1 ? tr("Player 1, red, %1") : tr("Player 2, blue, %1"))
                          .arg(platform::isolated(
                              (P == 1 ? lblPlayer1Name : lblPlayer2Name)->caption()));
                  }});
        describe(P == 1 ? lblPlayer1Score : lblPlayer2Score,
                 {.role = QAccessible::StaticText, .name = [this, P] {
                      return tr("Score of %1, %2")
                          .arg(
                              spokenPlayer(P),
                              QString::number(
                                  (P == 1 ? lblPlayer1Score : lblPlayer2Score)->caption().toInt()));
                  }});
        for (int i = 0; i < 3; ++i)
            describe((P == 1 ? imgRedLight : imgBlueLight)[i],
                     {.role = QAccessible::Graphic, .name = [this, P, i] {
                          const int won = P == 1 ? gintP1GamesWon : gintP2GamesWon;
                          return (won > i ? tr("%1, round light %2, lit")
                                          : tr("%1, round light %2, not lit"))
                              .arg(spokenPlayer(P), QString::number(i + 1));
                      }});
    }
    // Tab goes through player 1's hand, the board, player 2's hand and the
    // menu buttons.
    QList<QWidget*> order;
    for (int s = 1; s <= 5; ++s)
        order << imgP1[s];
    for (int l = 1; l <= 9; ++l)
        order << imgBoard[l];
    for (int s = 1; s <= 5; ++s)
        order << imgP2[s];
    order << imgNewGame << imgOptions << imgHelp << imgExit;
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    handsReachable();
}

// Tab reaches the cards still in the hands.
void FrmMain::handsReachable() {
    for (int s = 1; s <= 5; ++s) {
        imgP1[s]->setFocusPolicy(blnP1InHand[s] ? Qt::TabFocus : Qt::NoFocus);
        imgP2[s]->setFocusPolicy(blnP2InHand[s] ? Qt::TabFocus : Qt::NoFocus);
    }
}

void FrmMain::boardAndHandsChanged() {
    handsReachable();
    if (!QAccessible::isActive())
        return;
    for (int l = 1; l <= 9; ++l)
        platform::descriptionChanged(imgBoard[l]);
    for (int s = 1; s <= 5; ++s) {
        platform::descriptionChanged(imgP1[s]);
        platform::descriptionChanged(imgP2[s]);
    }
}

// Arrows move the focus frame over the nine squares; from anywhere else the
// first arrow brings it to the middle square.
void FrmMain::moveFocusFrame(int dx, int dy) {
    QWidget* focus = focusWidget();
    int L = 0;
    for (int l = 1; l <= 9; ++l)
        if (imgBoard[l] == focus)
            L = l;
    int to = 5;
    if (L != 0) {
        const int column = qBound(0, (L - 1) % 3 + dx, 2);
        const int row = qBound(0, (L - 1) / 3 + dy, 2);
        to = row * 3 + column + 1;
    }
    imgBoard[to]->setFocus(Qt::TabFocusReason);
    // Without the window system's focus events the frames are redrawn here.
    if (focus)
        focus->update();
    imgBoard[to]->update();
}

bool FrmMain::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (event->isAutoRepeat() && !(arrow && !keypad))
        return true;
    // Menu buttons: desktop habits and mnemonics.
    platform::Picture* button = nullptr;
    if ((mods == Qt::ControlModifier || mods == Qt::AltModifier) && key == Qt::Key_N)
        button = imgNewGame;
    else if (mods == Qt::AltModifier && key == Qt::Key_O)
        button = imgOptions;
    else if ((mods == Qt::NoModifier && key == Qt::Key_F1) ||
             (mods == Qt::AltModifier && key == Qt::Key_H))
        button = imgHelp;
    else if ((mods == Qt::ControlModifier && key == Qt::Key_Q) ||
             (mods == Qt::AltModifier && key == Qt::Key_X))
        button = imgExit;
    if (button) {
        platform::pressControl(button);
        return true;
    }
    if (mods == Qt::NoModifier && key == Qt::Key_F2) {
        FrmStats::openFrom(this);
        return true;
    }
    if (mods == Qt::NoModifier && key == Qt::Key_H) {
        askHint();
        return true;
    }
    // Straight onto a square: the keypad, laid out like the board, or Ctrl
    // and the square's number where a screen reader keeps the keypad.
    auto placeOn = [this](int L) {
        QWidget* focus = focusWidget();
        imgBoard[L]->setFocus(Qt::OtherFocusReason);
        if (focus)
            focus->update();
        platform::pressControl(imgBoard[L]);
        return true;
    };
    // Ctrl and a number leave the focus where it is: a screen reader would
    // read the square again before the placement.
    if (mods == Qt::ControlModifier && !keypad && key >= Qt::Key_1 && key <= Qt::Key_9) {
        platform::pressControl(imgBoard[key - Qt::Key_0]);
        return true;
    }
    if (mods != Qt::NoModifier)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        QWidget* focus = focusWidget();
        if (focus && platform::isDescribed(focus))
            platform::pressControl(focus);
        return true;
    }
    if (keypad) {
        // The keypad is laid out like the board: 7-8-9 is the top row. Without
        // Num Lock the same keys arrive as Home, Up, Page Up ...
        static const std::pair<int, int> squares[] = {
            {Qt::Key_7, 1},    {Qt::Key_8, 2},       {Qt::Key_9, 3},     {Qt::Key_4, 4},
            {Qt::Key_5, 5},    {Qt::Key_6, 6},       {Qt::Key_1, 7},     {Qt::Key_2, 8},
            {Qt::Key_3, 9},    {Qt::Key_Home, 1},    {Qt::Key_Up, 2},    {Qt::Key_PageUp, 3},
            {Qt::Key_Left, 4}, {Qt::Key_Clear, 5},   {Qt::Key_Right, 6}, {Qt::Key_End, 7},
            {Qt::Key_Down, 8}, {Qt::Key_PageDown, 9}};
        for (const auto& [k, L] : squares)
            if (k == key)
                return placeOn(L);
        return false;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        const int slot = key - Qt::Key_0;
        if (!platform::pressControl((gintTurn == 2 ? imgP2 : imgP1)[slot]))
            say(pickRefused(slot));
        return true;
    }
    if (arrow) {
        moveFocusFrame(key == Qt::Key_Left    ? -1
                       : key == Qt::Key_Right ? 1
                                              : 0,
                       key == Qt::Key_Up     ? -1
                       : key == Qt::Key_Down ? 1
                                             : 0);
        return true;
    }
    return false;
}
