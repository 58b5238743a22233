#pragma once

#include "platform/Form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>
#include <QWidget>
#include <QWindow>

// A player's mouse on the screen: presses and releases at a point of the
// screen reach the window shown there and, through Qt's own routing, the
// control under the pointer, with time stamps `afterMs` after the previous
// mouse event of the test. Two clicks close together in time and place are a
// double-click, exactly as Qt sees a player's.
namespace screenmouse {

inline int doubleClickInterval() {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// The top-level window at `global`: the program's active window when it lies
// there (a modal message over the board), else any shown window there.
inline QWindow* windowAt(QPoint global) {
    platform::Form* active = platform::Form::activeForm();
    if (active && active->isVisible() && active->frameGeometry().contains(global))
        return active->windowHandle();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->frameGeometry().contains(global))
            return w->windowHandle();
    return nullptr;
}

inline void send(QPoint global, QEvent::Type type, int afterMs) {
    QTest::lastMouseTimestamp += afterMs;
    QWindow* window = windowAt(global);
    if (!window)
        return;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    qt_handleMouseEvent(window, window->mapFromGlobal(global), global, held, Qt::LeftButton, type,
                        Qt::NoModifier, QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
}

inline void press(QPoint global, int afterMs) {
    send(global, QEvent::MouseButtonPress, afterMs);
}

inline void release(QPoint global, int afterMs = 30) {
    send(global, QEvent::MouseButtonRelease, afterMs);
}

inline void click(QPoint global, int afterMs) {
    press(global, afterMs);
    release(global);
}

// The centre of a control on the screen.
inline QPoint centreOf(QWidget* control) {
    return control->mapToGlobal(control->rect().center());
}

// A click well after anything before it, then a second one `gapMs` after it
// at the same place.
inline void doubleClick(QPoint global, int gapMs = 120) {
    click(global, doubleClickInterval() + 100);
    click(global, gapMs);
}

} // namespace screenmouse
