#include "selection/FrmPlayer.h"

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Platform.h"
#include "seats/ComputerSeat.h"
#include "seats/Seats.h"
#include "store/Tables.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QKeyEvent>

const FrmPlayer::Differences& FrmPlayer::player1() {
    static const Differences d{1,
                               QStringLiteral("frmPlayer1"),
                               QT_TR_NOOP("Quorvel  -  Player 1"),
                               &store::P1Stock,
                               QStringLiteral("P1Stock"),
                               QStringLiteral("r.jpg"),
                               QStringLiteral("\\images\\PlaceHolder-r.jpg"),
                               QStringLiteral(":/embedded/plate1.gif"),
                               300,
                               960,
                               375,
                               360,
                               435,
                               600,
                               1560};
    return d;
}

const FrmPlayer::Differences& FrmPlayer::player2() {
    static const Differences d{2,
                               QStringLiteral("frmPlayer2"),
                               QT_TR_NOOP("Quorvel  -  Player 2"),
                               &store::P2Stock,
                               QStringLiteral("P2Stock"),
                               QStringLiteral("b.jpg"),
                               QStringLiteral("\\images\\PlaceHolder-b.jpg"),
                               QStringLiteral(":/embedded/plate2.gif"),
                               299,
                               956,
                               373,
                               358,
                               433,
                               597,
                               1553};
    return d;
}

FrmPlayer::FrmPlayer(const Differences& d) : platform::Form(d.objectName), m_differences(d) {
    using platform::Picture;
    setDesign(tr(d.caption), 8820, 3300, QStringLiteral(":/embedded/strip.jpg"));
    imgMsg = new Picture(this);
    imgMsg->setRect(3000, d.msgTop, 3000, 1005);
    imgMsg->setStretch(false);
    lblName = new platform::Label(this);
    lblName->setRect(360, d.nameTop, 2175, d.nameHeight);
    lblName->setFontSpec(QStringLiteral("Times New Roman"), 14.25, true, true);
    lblName->setForeColor(QColor(0xE0, 0xE0, 0xE0));
    lblName->setCaption(d.player == 1 ? tr("Player 1") : tr("Player 2"));
    imgPlate = new Picture(this);
    imgPlate->setRect(540, d.plateTop, 1815, d.plateHeight);
    imgPlate->setEmbedded(d.plate);
    imgDone = new Picture(this);
    imgDone->setRect(6780, d.doneTop, 1395, 375);
    // Clicks and keys here choose only for a side played here.
    connect(imgDone, &Picture::MouseDown, this, [this] {
        if (seat()->takesLocalInput())
            imgDone_MouseDown();
    });
    connect(imgDone, &Picture::MouseUp, this, [this] {
        if (seat()->takesLocalInput())
            imgDone_MouseUp();
    });
    // Each card lies in front of its selection frame.
    for (int i = 1; i <= 8; ++i) {
        imgSelect[i] = new Picture(this, i);
        imgSelect[i]->setRect(360 + 1020 * (i - 1), d.selectTop, 975, 1395);
        imgSelect[i]->setEmbedded(QStringLiteral(":/embedded/selframe.jpg"));
        imgSelect[i]->hide();
        imgCard[i] = new Picture(this, i);
        imgCard[i]->setRect(443 + 1020 * (i - 1), 1620, 795, 1275);
        connect(imgCard[i], &Picture::Click, this, [this](int Index) {
            if (seat()->takesLocalInput())
                imgCard_Click(Index);
        });
    }
    tmr1 = new platform::Timer(this, 2000);
    connect(tmr1, &platform::Timer::Tick, this, &FrmPlayer::tmr1_Timer);
    describeControls();
    tmrComputer = seats::computer(d.player)->tmrChoose;
}

Seat* FrmPlayer::seat() const {
    return seats::seat(m_differences.player);
}

bool FrmPlayer::computerChooses() const {
    return seat() == seats::computer(m_differences.player);
}

Seat::Offer FrmPlayer::offer() const {
    Seat::Offer offer;
    for (int i = 1; i <= 8; ++i) {
        const CardEdges& e = m_offerEdges[i];
        offer.cards[i - 1] = {e.north, e.east, e.south, e.west};
    }
    offer.cardList = FrmMain::cardList();
    return offer;
}

bool FrmPlayer::choosing() const {
    return frmMain->gblnNewGame || frmMain->gblnNewRound;
}

void FrmPlayer::defaultState() {
    platform::SaveGroup group;
    platform::Recordset& stock = *m_differences.stock;
    stock.MoveFirst();
    for (int i = 1; i <= 8; ++i) {
        stock.Find(store::locationCriterion(i));
        store::emptyCard(stock);
        stock.MoveFirst();
        imgCard[i]->LoadPicture(pictureName(QStringLiteral("\\images\\FieldBlank.jpg")));
        imgSelect[i]->hide();
    }
    blnOfferShown = false;
}

void FrmPlayer::forgetChoice() {
    tmr1->setEnabled(false);
    blnCardClicked = false;
    intSelected = 0;
    defaultState();
}

void FrmPlayer::DealStock() {
    platform::SaveGroup group;
    platform::Recordset& stock = *m_differences.stock;
    const bool facesShown = frmOptions->gblnHand || seat()->showsHiddenCards();
    intSelected = 0;
    for (int i = 1; i <= 8; ++i) {
        // Drawn at random here, unless the seat's offer is dealt elsewhere.
        const int n = seat()->offeredCard(i);
        store::AllCards.Find(store::autoNumberCriterion(n));
        stock.Find(store::locationCriterion(i));
        store::copyCard(store::AllCards, stock);
        m_offerEdges[i] = CardEdges::of(stock);
        // A face that stays hidden here is neither read from disk nor named.
        imgCard[i]->LoadPicture(
            facesShown
                ? pictureName(stock.textValue(QStringLiteral("fldPath")) + m_differences.suffix)
                : pictureName(m_differences.placeholder));
        store::AllCards.MoveFirst();
        stock.MoveFirst();
    }
    blnOfferShown = true;
}

// ---- Load and activation ------------------------------------------------------

void FrmPlayer::Form_Load() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    store::openTable(*m_differences.stock, m_differences.stockTable, false);
    defaultState();
}

// Deals the offer unless the player has started choosing from it, and asks
// the seat to choose: a person's seat waits for his clicks, the computer's
// marks and confirms at its pace, so that the person sees it choose.
void FrmPlayer::dealOrKeepOffer() {
    if (!blnCardClicked) {
        defaultState();
        DealStock();
        say(tr("Choose 5 cards, then press Done."));
    }
    // The prompt speaks to the person who chooses at this screen.
    if (seat()->takesLocalInput())
        imgMsg->LoadPicture(pictureName(QStringLiteral("\\images\\52start.jpg")));
    Seat* chooser = seat();
    connect(chooser, &Seat::marksChosen, this, &FrmPlayer::seat_MarksChosen, Qt::UniqueConnection);
    connect(chooser, &Seat::selectionMade, this, &FrmPlayer::seat_SelectionMade,
            Qt::UniqueConnection);
    chooser->chooseSelection(offer());
}

void FrmPlayer::Form_Activate() {
    // The computer's name is the program's own and set apart as such.
    const QString name =
        m_differences.player == 1 ? frmOptions->gstrPlayer1Name : frmOptions->gstrPlayer2Name;
    lblName->setCaption(name, seat()->namedByProgram() ? name : QString());
    imgMsg->Clear();
    setFocusable(seat()->takesLocalInput());
    // The person hears that the computer chooses, whatever holds the focus:
    // the window's own name is read only if the window manager activates it.
    if (computerChooses())
        announceComputerChoosing();
    // A new choice starts at the first card.
    if (seat()->takesLocalInput() && !blnCardClicked)
        imgCard[1]->setFocus(Qt::OtherFocusReason);
    // Open Hand, or a side whose cards stay face down at this screen (the
    // computer's under Closed Hand): the offer is dealt at once.
    if (frmOptions->gblnHand || !seat()->showsHiddenCards()) {
        if (choosing())
            dealOrKeepOffer();
        return;
    }
    if (!blnCardClicked) {
        // Hidden hands: card backs for two seconds, so that the other player
        // does not see the offer while the screen changes hands.
        for (int i = 1; i <= 8; ++i) {
            imgCard[i]->LoadPicture(pictureName(m_differences.placeholder));
            imgSelect[i]->hide();
        }
        intSelected = 0;
        blnOfferShown = false;
        tmr1->setEnabled(true);
    } else if (choosing()) {
        // The player has started choosing and comes back from the message
        // window: the offer and the marks stay shown as they were.
        imgMsg->LoadPicture(pictureName(QStringLiteral("\\images\\52start.jpg")));
    }
}

// The seat's marks, through the handler a click on a card runs; marks are
// taken away before new ones are made, so that a sixth is never asked for. Only the seat behind
// this window's player marks, and only while it shows its offer.
bool FrmPlayer::markAs(const Seat::Marks& marks) {
    if (!isVisible() || !choosing())
        return false;
    for (const bool mark : {false, true})
        for (int i = 1; i <= 8; ++i)
            if (marks[i - 1] == mark && imgSelect[i]->Visible() != mark)
                imgCard_Click(i);
    return true;
}

void FrmPlayer::seat_MarksChosen(Seat::Marks marks) {
    if (sender() == seat())
        markAs(marks);
}

// The seat confirms: its marks, then Done through its press and release.
void FrmPlayer::seat_SelectionMade(Seat::Marks marks) {
    if (sender() != seat())
        return;
    m_seatChoosing = true;
    if (markAs(marks)) {
        imgDone_MouseDown();
        imgDone_MouseUp();
    }
    m_seatChoosing = false;
}

void FrmPlayer::tmr1_Timer() {
    tmr1->setEnabled(false);
    if (choosing())
        dealOrKeepOffer();
}

// ---- Choosing cards ----------------------------------------------------------

void FrmPlayer::imgCard_Click(int Index) {
    // Card backs stand for an offer not dealt yet: nothing can be chosen.
    if (!blnOfferShown) {
        say(tr("The cards are still face down."));
        return;
    }
    // A choice proposed to the other end of a network match stays as it is
    // until the answer.
    if (seat()->proposalPending() && !m_seatChoosing)
        return;
    blnCardClicked = true;
    platform::Recordset& stock = *m_differences.stock;
    stock.Find(store::locationCriterion(Index));
    const qint16 id = stock.intValue(QStringLiteral("fldID"));
    stock.MoveFirst();
    if (id == 0)
        return;
    if (!choosing())
        return;
    if (intSelected == 5 && imgSelect[Index]->Visible()) {
        imgSelect[Index]->hide();
        --intSelected;
        marksChanged(Index);
        return;
    }
    if (intSelected >= 5) {
        say(tr("5 cards are marked. Unmark one first."));
        return;
    }
    if (imgSelect[Index]->Visible()) {
        imgSelect[Index]->hide();
        --intSelected;
    } else {
        imgSelect[Index]->show();
        ++intSelected;
    }
    marksChanged(Index);
}

void FrmPlayer::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneDn.jpg")));
}

void FrmPlayer::imgDone_MouseUp() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
    if (choosing()) {
        if (intSelected < 5) {
            frmMessage->lblMsg->setCaption(tr("You must select 5 cards to play"));
            frmMessage->ShowModal();
            return;
        }
        if (seat()->proposes() && !m_seatChoosing) {
            Seat::Marks marks{};
            for (int i = 1; i <= 8; ++i)
                marks[i - 1] = imgSelect[i]->Visible();
            seat()->proposeSelection(marks);
            return;
        }
        frmMain->gblnPostNewHand = true;
    }
    intSelected = 0;
    if (m_differences.player == 1) {
        blnCardClicked = false;
        if (choosing()) {
            frmPlayer2->Show();
            Hide();
        } else {
            Hide();
            frmMain->Show();
        }
        return;
    }
    frmMain->gblnNewGame = false;
    frmMain->gblnNewRound = false;
    Hide();
    frmMain->imgBegin->LoadPicture(pictureName(frmMain->gintTurn == 1
                                                   ? QStringLiteral("\\images\\begin1.jpg")
                                                   : QStringLiteral("\\images\\begin2.jpg")));
    frmMain->imgBegin->setEnabled(true);
    frmMain->tmr1->setEnabled(true);
    blnCardClicked = false;
    frmMain->Show();
}

void FrmPlayer::Form_Unload() {
    tmr1->setEnabled(false);
    seat()->withdraw();
    defaultState();
    m_differences.stock->close();
}

// ---- Keyboard and screen reader ------------------------------------------------------

void FrmPlayer::say(const QString& words) {
    // The computer's choice is its own; the person hears that it chooses.
    if (seat()->takesLocalInput())
        platform::announce(this, words);
}

// Says what a mark or unmark of card `slot` changed. A card holding the focus
// has its checked state read out by the screen reader itself: only the count
// is added.
void FrmPlayer::marksChanged(int slot) {
    platform::descriptionChanged(imgCard[slot]);
    const int n = intSelected;
    QString count;
    if (n == 5)
        count = tr("5 cards marked, press Done.");
    else if (n == 1)
        count = tr("1 card marked, 4 to go.");
    else if (n == 0)
        count = tr("No card marked.");
    else
        count = tr("%1 cards marked, %2 to go.").arg(n).arg(5 - n);
    if (imgCard[slot]->hasFocus()) {
        say(count);
        return;
    }
    //: Joins the sentences said after a mark: which card, then how many are marked.
    say(tr("%1 %2").arg(
        (imgSelect[slot]->Visible() ? tr("Card %1 marked.") : tr("Card %1 unmarked.")).arg(slot),
        count));
}

QString FrmPlayer::offeredCardName(int i) const {
    // Card backs stand for an offer not dealt yet (or kept from the other
    // player), and the computer's offer under Closed Hand shows its backs:
    // its edges are no more spoken than shown. Marks are the check state.
    if (!blnOfferShown || imgCard[i]->pictureName() == pictureName(m_differences.placeholder))
        return tr("Card %1, face down").arg(i);
    return tr("Card %1, %2").arg(QString::number(i), m_offerEdges[i].spoken());
}

QString FrmPlayer::windowName() const {
    const QString name = platform::isolated(
        m_differences.player == 1 ? frmOptions->gstrPlayer1Name : frmOptions->gstrPlayer2Name);
    return m_differences.player == 1 ? tr("Player 1, %1").arg(name) : tr("Player 2, %1").arg(name);
}

void FrmPlayer::describeControls() {
    platform::describe(this,
                       {.role = QAccessible::Window, .name = [this] { return windowName(); }});
    for (int i = 1; i <= 8; ++i)
        platform::describe(imgCard[i], {.role = QAccessible::CheckBox,
                                        .name = [this, i] { return offeredCardName(i); },
                                        .checked = [this, i] { return imgSelect[i]->Visible(); },
                                        .focusable = true});
    for (int i = 1; i <= 8; ++i)
        platform::describe(imgSelect[i], {.role = QAccessible::Graphic,
                                          .name = [i] { return tr("Frame of card %1").arg(i); }});
    platform::describe(imgPlate, {.role = QAccessible::Graphic, .name = [this] {
                                      return m_differences.player == 1 ? tr("Player 1")
                                                                       : tr("Player 2");
                                  }});
    // The prompt picture's words, while it shows.
    platform::describe(imgMsg, {.role = QAccessible::Graphic, .name = [this] {
                                    return imgMsg->hasPicture()
                                               ? tr("Choose 5 cards, then press Done")
                                               : QString();
                                }});
    platform::describe(
        imgDone,
        {.role = QAccessible::Button, .name = [] { return tr("Done"); }, .focusable = true});
    platform::describe(lblName, {.role = QAccessible::StaticText, .name = [this] {
                                     return (m_differences.player == 1 ? tr("Player 1, %1")
                                                                       : tr("Player 2, %1"))
                                         .arg(platform::isolated(lblName->caption()));
                                 }});
    // The cards first, then Done.
    for (int i = 1; i < 8; ++i)
        setTabOrder(imgCard[i], imgCard[i + 1]);
    setTabOrder(imgCard[8], imgDone);
}

void FrmPlayer::announceComputerChoosing() {
    platform::announce(this, tr("The computer is choosing its cards."));
}

// The computer's window takes no keyboard focus: nothing in it is the
// person's to press.
void FrmPlayer::setFocusable(bool focusable) {
    for (int i = 1; i <= 8; ++i)
        imgCard[i]->setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
    imgDone->setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
    if (!focusable) {
        if (QWidget* focus = focusWidget())
            focus->clearFocus();
    }
}

bool FrmPlayer::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!seat()->takesLocalInput()) {
        if (!event->isAutoRepeat()) {
            if (computerChooses())
                announceComputerChoosing();
            else
                platform::announce(this, windowName() + QLatin1Char('.'));
        }
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            platform::pressControl(imgDone);
        return true;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        if (!event->isAutoRepeat())
            platform::pressControl(imgCard[key - Qt::Key_0]);
        return true;
    }
    return false;
}
