#include "support/Game.h"

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Platform.h"
#include "record/Record.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmWinner.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

Game::Game(TestFolder::Pictures pictures) : m_folder(std::make_unique<TestFolder>(pictures)) {
    static bool initialised = false;
    if (!initialised) {
        platform::initialise();
        initialised = true;
    }
    m_modal = [](platform::Form* form) { pressDone(form); };
}

Game::~Game() {
    exit();
    destroyForms();
    store::closeAll();
    record::Record::closeInstance();
    platform::clearPictureCache();
}

void Game::start() {
    createForms();
    platform::Form::setModalHook([this](platform::Form* form) {
        ++m_modalCount;
        if (form == frmMessage) {
            m_lastMessage = frmMessage->lblMsg->caption();
            m_lastMessageWhole =
                frmMessage->lblMsg->fits(frmMessage->lblMsg->text(), frmMessage->lblMsg->font());
        }
        if (m_modal)
            m_modal(form);
    });
    frmSplash->Show();
    frmSplash->tmrOne->tick();
}

void Game::exit() {
    if (frmMain && frmMain->isLoaded())
        frmMain->Unload();
}

void Game::press(QWidget* control) {
    // A player's presses come at least a double-click interval apart (in the
    // events' time stamps; nothing waits): a window ignores presses that
    // come sooner after it has been shown.
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, control->rect().center(),
                      QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void Game::release(QWidget* control) {
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void Game::click(QWidget* control) {
    press(control);
    release(control);
}

void Game::onModal(std::function<void(platform::Form*)> handler) {
    m_modal = std::move(handler);
}

void Game::pressDone(platform::Form* form) {
    if (form == frmMessage)
        click(frmMessage->imgDone);
    else if (form == frmWinner)
        click(frmWinner->imgDone);
}

void Game::newGame(bool openHands, bool comboRules) {
    click(frmMain->imgNewGame);
    click(frmOptions->lblHandOpt[openHands ? 0 : 1]);
    click(frmOptions->lblRuleOpts[comboRules ? 1 : 0]);
    click(frmOptions->imgDone);
}

void Game::revealOffer(int player) {
    FrmPlayer* window = player == 1 ? frmPlayer1 : frmPlayer2;
    window->tmr1->tick();
}

void Game::chooseCards(int player, const QList<int>& offerSlots) {
    FrmPlayer* window = player == 1 ? frmPlayer1 : frmPlayer2;
    revealOffer(player);
    for (int slot : offerSlots)
        click(window->imgCard[slot]);
    click(window->imgDone);
}

void Game::place(int slot, int square) {
    auto& hand = frmMain->gintTurn == 1 ? frmMain->imgP1 : frmMain->imgP2;
    press(hand[slot]);
    release(hand[slot]);
    press(frmMain->imgBoard[square]);
    release(frmMain->imgBoard[square]);
}

QList<int> Game::heldSlots() {
    const int turn = frmMain->gintTurn;
    QList<int> held;
    for (int s = 1; s <= 5; ++s)
        if (turn == 1 ? frmMain->p1InHand(s) : frmMain->p2InHand(s))
            held << s;
    return held;
}

QList<int> Game::freeSquares() {
    QList<int> free;
    for (int l = 1; l <= 9; ++l)
        if (!frmMain->boardUsed(l))
            free << l;
    return free;
}

void Game::placeNext() {
    frmMain->tmrHideHand->tick();
    const QList<int> held = heldSlots();
    const QList<int> free = freeSquares();
    place(held.value(0, 1), free.value(0, 9));
}
