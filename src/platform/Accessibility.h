#pragma once

#include <QAccessible>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QPainter;
class QTextEdit;
class QWidget;

namespace platform {

// What a control tells a screen reader: its role and, asked at the moment it
// is read, its name and states. The window supplies the words from its game
// state; Qt's accessibility (and its AT-SPI bridge) carries them out.
struct Description {
    QAccessible::Role role = QAccessible::Client;
    std::function<QString()> name = {};
    // Set for controls that can be marked (offered cards, option marks).
    std::function<bool()> checked = {};
    // Set for controls that can be picked (hand cards).
    std::function<bool()> selected = {};
    // Keyboard users reach the control with Tab (and the window's own keys).
    bool focusable = false;
    // Further actions a screen reader offers on the control, after its press
    // or toggle: a name and what it does. Each refuses where its key would.
    std::vector<std::pair<QString, std::function<void()>>> actions = {};
};

// Gives `control` its description. A Picture or Label described as a button
// or check box also offers the screen reader's press / toggle action, which
// does what a click does.
void describe(QWidget* control, Description description);
// Makes `text` a document a screen reader reads with the keys that move its
// caret (arrows by line, Page Up and Page Down by page), named `name`.
void describeDocument(QTextEdit* text, std::function<QString()> name);
// Whether `control` has been described (and so speaks for itself).
bool isDescribed(const QWidget* control);
// Tells assistive technology that the name or states of `control` changed.
void descriptionChanged(QWidget* control);

// Speaks `text` for `window` without moving the focus: a notice with the
// words appears in the window's status line. A window that is not shown
// announces nothing.
void announce(QWidget* window, const QString& text);
// The last text announced for `window` ("" if none).
QString lastAnnouncement(const QWidget* window);

// Keyboard use is tracked per window: a key pressed in a window turns its
// focus frames on, a mouse button pressed in it turns them off again, so
// that mouse-only play looks exactly as designed.
bool keyboardUsed(const QWidget* window);
// Draws the focus frame of `control` when it holds its window's focus and
// the keyboard is in use there.
void drawFocusFrame(QWidget* control, QPainter& painter);
// Whether a click could reach `control` now: it is shown and enabled, and no
// modal window of the program stands in front of its window.
bool reachable(const QWidget* control);
// Does what a click on `control` (a Picture or Label) does, through the same
// signals; false when a click would not reach it.
bool pressControl(QWidget* control);
// The keys of a window that only says something: Enter and Escape press its
// Done button (once per key press, not while the key repeats). Returns
// whether the key was one of them.
bool pressDoneByKey(const QKeyEvent* event, QWidget* done);

// Installs the accessibility factory and the keyboard tracking once; every
// window calls it when it is created.
void installAccessibility();

// Moves the keyboard to `window` (a shown window of the program), so that
// after a modal window or a round trip through another window the keys work
// at once without a click.
void giveKeyboard(QWidget* window);

} // namespace platform
