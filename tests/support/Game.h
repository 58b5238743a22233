#pragma once

#include "support/TestFolder.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;
namespace platform {
class Form;
class Picture;
} // namespace platform

// Runs the real windows in-process on a fresh copy of the program folder:
// start-up as after the splash timer's tick, player-like mouse presses on
// controls, timers ticked directly, and modal windows answered by a hook.
class Game {
  public:
    explicit Game(TestFolder::Pictures pictures = TestFolder::Pictures::Linked);
    ~Game();

    // Creates the windows and runs the splash timer's tick: every window is
    // loaded and the main window is shown.
    void start();
    // Unloads the main window (the Exit path) if it is still loaded.
    void exit();

    TestFolder& folder() { return *m_folder; }

    // Mouse press and release on a control, as a player does.
    static void press(QWidget* control);
    static void release(QWidget* control);
    static void click(QWidget* control);

    // Called whenever a window is shown modally; by default presses its Done
    // (the message window, then the result window it opens).
    void onModal(std::function<void(platform::Form*)> handler);
    static void pressDone(platform::Form* form);
    int modalCount() const { return m_modalCount; }
    QString lastMessage() const { return m_lastMessage; }
    // Whether all of that message showed in its label.
    bool lastMessageShownWhole() const { return m_lastMessageWhole; }

    // Whole steps of a match, driven through the controls.
    void newGame(bool openHands, bool comboRules);
    // Marks the first five offered cards of the shown selection window (or
    // `slots`) and presses Done.
    void chooseCards(int player, const QList<int>& offerSlots = {1, 2, 3, 4, 5});
    // Ticks the selection window's card-back timer if it runs.
    void revealOffer(int player);
    // Picks hand slot `slot` of the player on turn and places it on `square`.
    void place(int slot, int square);
    // Reveals the hand on turn, then places its first card on the first free square.
    void placeNext();
    // The hand slots of the player on turn that hold a card, and the free squares.
    static QList<int> heldSlots();
    static QList<int> freeSquares();

  private:
    std::unique_ptr<TestFolder> m_folder;
    std::function<void(platform::Form*)> m_modal;
    int m_modalCount = 0;
    QString m_lastMessage;
    bool m_lastMessageWhole = false;
};
