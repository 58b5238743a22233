#include "platform/Accessibility.h"

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>

namespace platform {

namespace {

QHash<const QObject*, Description>& descriptions() {
    static QHash<const QObject*, Description> table;
    return table;
}

const char* const KeyboardUsedProperty = "quorvelKeyboardUsed";
const char* const AnnouncerName = "quorvelAnnouncer";

// The interface of a described control: role, name and states come from its
// description each time they are read; buttons and marks can be pressed.
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(QWidget* widget)
        : QAccessibleWidget(widget, descriptionOf(widget).role) {}

    static Description descriptionOf(const QWidget* widget) { return descriptions().value(widget); }

    QAccessible::Role role() const override { return descriptionOf(widget()).role; }

    QString text(QAccessible::Text t) const override {
        const Description d = descriptionOf(widget());
        if (t == QAccessible::Name && d.name)
            return d.name();
        if (t == QAccessible::Name || t == QAccessible::Description)
            return {};
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const Description d = descriptionOf(widget());
        if (d.checked) {
            s.checkable = true;
            s.checked = d.checked();
        }
        if (d.selected) {
            s.selectable = true;
            s.selected = d.selected();
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        const Description d = descriptionOf(widget());
        for (const auto& action : d.actions)
            names.append(action.first);
        if (!pressable())
            return names;
        names.prepend(d.checked ? toggleAction() : pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            pressControl(widget());
            return;
        }
        for (const auto& [name, run] : descriptionOf(widget()).actions)
            if (name == action) {
                run();
                return;
            }
        QAccessibleWidget::doAction(action);
    }

  private:
    bool pressable() const {
        return qobject_cast<Picture*>(widget()) != nullptr ||
               qobject_cast<Label*>(widget()) != nullptr;
    }
};

// The status line a window announces through: an empty, unpainted child that
// only exists for assistive technology.
class AnnouncerAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->property("text").toString();
        return {};
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == QLatin1String(AnnouncerName))
        return new AnnouncerAccessible(widget);
    if (descriptions().contains(widget))
        return new ControlAccessible(widget);
    return nullptr;
}

void setKeyboardUsed(QWidget* window, bool used) {
    if (window->property(KeyboardUsedProperty).toBool() == used)
        return;
    window->setProperty(KeyboardUsedProperty, used);
    // Every focus frame of the window appears or goes.
    window->update();
}

// The window of the program whose native window is `window`.
Form* formOf(const QObject* window) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() && top->windowHandle() == window)
            return qobject_cast<Form*>(top);
    return nullptr;
}

// Sees every key as it reaches a window of the program, before the control
// with the focus: tracks keyboard use per window and gives the window its keys
// first. A mouse press on any control turns the window's focus frames off.
class KeyboardTracker : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            if (auto* widget = qobject_cast<QWidget*>(watched))
                if (auto* form = qobject_cast<Form*>(widget->window()))
                    setKeyboardUsed(form, false);
            return false;
        }
        if (type != QEvent::KeyPress || !watched->isWindowType())
            return false;
        Form* form = formOf(watched);
        if (!form)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
            key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta)
            return false;
        setKeyboardUsed(form, true);
        if (form->keyDown(key))
            return true;
        // Space presses the control holding the focus, as a click would.
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            QWidget* focus = form->focusWidget();
            if (focus && isDescribed(focus) &&
                (qobject_cast<Picture*>(focus) || qobject_cast<Label*>(focus))) {
                if (!key->isAutoRepeat())
                    pressControl(focus);
                return true;
            }
        }
        return false;
    }
};

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    QAccessible::installFactory(factory);
    QCoreApplication::instance()->installEventFilter(
        new KeyboardTracker(QCoreApplication::instance()));
}

void describe(QWidget* control, Description description) {
    installAccessibility();
    if (description.focusable)
        control->setFocusPolicy(Qt::TabFocus);
    const bool known = descriptions().contains(control);
    descriptions().insert(control, std::move(description));
    if (!known)
        QObject::connect(control, &QObject::destroyed,
                         [control] { descriptions().remove(control); });
    // An interface made before the description (a caption set earlier)
    // would keep the plain role and name.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

bool isDescribed(const QWidget* control) {
    return descriptions().contains(control);
}

void descriptionChanged(QWidget* control) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleStateChangeEvent state(control, QAccessible::State());
    QAccessible::updateAccessibility(&state);
}

void announce(QWidget* window, const QString& text, bool alert) {
    installAccessibility();
    auto* announcer =
        window->findChild<QWidget*>(QLatin1String(AnnouncerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1String(AnnouncerName));
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setGeometry(0, 0, 1, 1);
        announcer->show();
    }
    announcer->setProperty("text", text);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(announcer, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (alert) {
        QAccessibleEvent event(window, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

QString lastAnnouncement(const QWidget* window) {
    const auto* announcer =
        window->findChild<QWidget*>(QLatin1String(AnnouncerName), Qt::FindDirectChildrenOnly);
    return announcer ? announcer->property("text").toString() : QString();
}

bool keyboardUsed(const QWidget* window) {
    return window && window->property(KeyboardUsedProperty).toBool();
}

void drawFocusFrame(QWidget* control, QPainter& painter) {
    QWidget* window = control->window();
    if (window->focusWidget() != control || !keyboardUsed(window) || !control->isEnabled())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A light line inside a dark one stays visible on any card or background.
    const QRect r = control->rect();
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.drawRect(r.adjusted(3, 3, -4, -4));
    painter.setPen(QPen(QColor(0, 230, 255), 2));
    painter.drawRect(r.adjusted(2, 2, -2, -2));
    painter.restore();
}

bool pressControl(QWidget* control) {
    if (!control || !control->isVisible() || !control->isEnabled())
        return false;
    if (auto* picture = qobject_cast<Picture*>(control))
        return picture->pressByKeyboard();
    if (auto* label = qobject_cast<Label*>(control))
        return label->pressByKeyboard();
    return false;
}

bool pressDoneByKey(const QKeyEvent* event, QWidget* done) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    if (!event->isAutoRepeat())
        pressControl(done);
    return true;
}

void giveKeyboard(QWidget* window) {
    if (!window->isVisible() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    window->activateWindow();
    // The second click of a double-click that closed the window before this
    // one can reach the window manager after this request and hand the focus
    // to the window on its way out, which leaves no window with the keyboard.
    // Ask once more when such a click is over, if this window is still the
    // program's active one and has not got the keyboard.
    const QPointer<QWidget> guard(window);
    QTimer::singleShot(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100, window,
                       [guard] {
                           if (guard && guard->isVisible() && !guard->isActiveWindow() &&
                               Form::activeForm() == guard.data())
                               guard->activateWindow();
                       });
}

} // namespace platform
