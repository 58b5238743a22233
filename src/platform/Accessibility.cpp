#include "platform/Accessibility.h"

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

namespace platform {

namespace {

QHash<const QObject*, Description>& descriptions() {
    static QHash<const QObject*, Description> table;
    return table;
}

// The name each described control last told a screen reader.
QHash<const QObject*, QString>& namesTold() {
    static QHash<const QObject*, QString> table;
    return table;
}

// The documents shown to be read and their names (see describeDocument).
QHash<const QObject*, std::function<QString()>>& documents() {
    static QHash<const QObject*, std::function<QString()>> table;
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

    // The screen reader's actions reach the control only where a click
    // would: not while it is hidden or disabled, nor while a modal window
    // stands in front of its window.
    void doAction(const QString& action) override {
        if (!reachable(widget()))
            return;
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

// A text box as a screen reader sees it: its name, its text, its caret and
// selection, and changes to its text through
// the screen reader only where typing could make them: the box shown,
// enabled, editable and not behind a modal window.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && editable())
            box()->setText(text);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (box()->isReadOnly())
            s.readOnly = true;
        else
            s.editable = true;
        s.selectableText = true;
        return s;
    }

    void doAction(const QString& action) override {
        if (reachable(widget()))
            QAccessibleWidget::doAction(action);
    }

    // Text
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0 && reachable(widget()))
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0 || !reachable(widget()))
            return;
        start = qBound(0, start, characterCount());
        end = qBound(0, end, characterCount());
        box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override {
        if (reachable(widget()))
            box()->setCursorPosition(position);
    }
    QString text(int start, int end) const override {
        const QString all = box()->text();
        start = qBound(0, start, int(all.size()));
        end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString all = box()->text();
        const QFontMetrics metrics(box()->font());
        const QRect area = box()->contentsRect();
        int left = area.left();
        const int width = metrics.horizontalAdvance(all);
        if (box()->alignment() & Qt::AlignHCenter)
            left += (area.width() - width) / 2;
        else if (box()->alignment() & Qt::AlignRight)
            left += area.width() - width;
        offset = qBound(0, offset, int(all.size()));
        const int x = left + metrics.horizontalAdvance(all.left(offset));
        const int w = offset < all.size() ? metrics.horizontalAdvance(all.at(offset)) : 1;
        const QRect local(x, area.top() + (area.height() - metrics.height()) / 2, w,
                          metrics.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        Q_UNUSED(offset);
        return {};
    }
    // One line: every line and paragraph is the whole text.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary ||
            type == QAccessible::NoBoundary) {
            *start = 0;
            *end = characterCount();
            return box()->text();
        }
        return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary ||
            type == QAccessible::NoBoundary) {
            *start = *end = 0;
            return {};
        }
        return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary ||
            type == QAccessible::NoBoundary) {
            *start = *end = characterCount();
            return {};
        }
        return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }

    // Editable text
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (!editable())
            return;
        const QString all = box()->text();
        start = qBound(0, start, int(all.size()));
        end = qBound(start, end, int(all.size()));
        box()->setText(QString(all).replace(start, end - start, text));
    }

  private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
    bool editable() const { return !box()->isReadOnly() && reachable(widget()); }
};

// A scroll bar or slider (the rules' scroll bar): a screen reader reads its
// value and sets it only where dragging it could, with its window shown,
// enabled and not behind a modal window.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SliderAccessible(QAbstractSlider* slider)
        : QAccessibleWidget(slider, qobject_cast<QScrollBar*>(slider) ? QAccessible::ScrollBar
                                                                      : QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QString::number(slider()->value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override {
        if (reachable(widget()))
            slider()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }
    void doAction(const QString& action) override {
        if (reachable(widget()))
            QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractSlider* slider() const { return static_cast<QAbstractSlider*>(widget()); }
};

// A plain button, such as a drop-down's arrow: pressed by a screen reader only
// where a click would reach it (the arrow is hidden while its box has neither
// the focus nor the mouse).
class ButtonAccessible : public QAccessibleWidget {
  public:
    explicit ButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return button()->text().isEmpty() ? widget()->toolTip() : button()->text();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (!reachable(widget()))
            return;
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A document shown to be read, such as the rules: a screen reader reads it
// by character, word, line or paragraph at the caret, which the keyboard
// moves; it cannot change its text.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DocumentAccessible(QTextEdit* text)
        : QAccessibleWidget(text, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const std::function<QString()> name = documents().value(widget());
            return name ? name() : QString();
        }
        if (t == QAccessible::Value)
            return {};
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    void doAction(const QString& action) override {
        if (reachable(widget()))
            QAccessibleWidget::doAction(action);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        const QTextCursor cursor = edit()->textCursor();
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0 || !reachable(widget()))
            return;
        QTextCursor cursor = edit()->textCursor();
        cursor.clearSelection();
        edit()->setTextCursor(cursor);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0 || !reachable(widget()))
            return;
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(qBound(0, start, characterCount()));
        cursor.setPosition(qBound(0, end, characterCount()), QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return edit()->textCursor().position(); }
    void setCursorPosition(int position) override {
        if (!reachable(widget()))
            return;
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        edit()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(qBound(0, start, characterCount()));
        cursor.setPosition(qBound(0, end < 0 ? characterCount() : end, characterCount()),
                           QTextCursor::KeepAnchor);
        // Paragraphs end in a line break, as a screen reader expects.
        return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override {
        return qMax(0, edit()->document()->characterCount() - 1);
    }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(qBound(0, offset, characterCount()));
        QRect r = edit()->cursorRect(cursor);
        cursor.movePosition(QTextCursor::NextCharacter);
        const QRect next = edit()->cursorRect(cursor);
        if (next.top() == r.top() && next.left() > r.left())
            r.setRight(next.left() - 1);
        return QRect(edit()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorForPosition(edit()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        if (!reachable(widget()))
            return;
        QTextCursor cursor(edit()->document());
        cursor.setPosition(qBound(0, start, characterCount()));
        const QTextCursor kept = edit()->textCursor();
        edit()->setTextCursor(cursor);
        edit()->ensureCursorVisible();
        edit()->setTextCursor(kept);
    }
    QString attributes(int offset, int* start, int* end) const override {
        Q_UNUSED(offset);
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        const auto [from, to] = boundaries(offset, type);
        *start = from;
        *end = to;
        return from < 0 ? QString() : text(from, to);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        *start = *end = -1;
        const auto at = boundaries(offset, type);
        if (at.first <= 0)
            return {};
        return textAtOffset(at.first - 1, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        *start = *end = -1;
        const auto at = boundaries(offset, type);
        if (at.first < 0 || at.second >= characterCount())
            return {};
        return textAtOffset(at.second, type, start, end);
    }

  private:
    QTextEdit* edit() const { return static_cast<QTextEdit*>(widget()); }
    // The piece of text of `type` around `offset` (-2: the caret), as
    // Qt's text widgets find it; (-1, -1) for an offset outside the text.
    std::pair<int, int> boundaries(int offset, QAccessible::TextBoundaryType type) const {
        const int count = characterCount();
        if (offset == -2)
            offset = cursorPosition();
        if (offset == -1)
            offset = count;
        if (offset < 0 || offset > count)
            return {-1, -1};
        if (type == QAccessible::NoBoundary)
            return {0, count};
        if (type == QAccessible::CharBoundary)
            return offset == count ? std::pair{-1, -1} : std::pair{offset, offset + 1};
        QTextCursor cursor(edit()->document());
        cursor.setPosition(offset);
        const QPair<int, int> found = QAccessible::qAccessibleTextBoundaryHelper(cursor, type);
        return {found.first, found.second};
    }
};

// The status line a window announces through: an empty, unpainted child
// that only exists for assistive technology. Each announcement is a new
// notice in it that appears with its words: a screen reader presents a
// notification that appears, whatever holds the focus, and leaves out its
// role inside a status line. A new object each time, because screen readers
// keep an object's name once read; the last few stay, so that the words of
// one stay with its notice while the screen reader reads them, even when
// the next announcement follows at once.
constexpr int NoticesKept = 3;
const char* const NoticeName = "quorvelNotice";
const char* const TextProperty = "quorvelText";

class AnnouncerAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar) {}
    QString text(QAccessible::Text) const override { return {}; }
};

class NoticeAccessible : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->property(TextProperty).toString();
        return {};
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == QLatin1String(AnnouncerName))
        return new AnnouncerAccessible(widget);
    if (widget->objectName() == QLatin1String(NoticeName))
        return new NoticeAccessible(widget);
    if (descriptions().contains(widget))
        return new ControlAccessible(widget);
    if (auto* box = qobject_cast<TextBox*>(widget))
        return new TextBoxAccessible(box);
    if (auto* document = qobject_cast<QTextEdit*>(widget);
        document && documents().contains(document))
        return new DocumentAccessible(document);
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget))
        return new SliderAccessible(slider);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return new ButtonAccessible(button);
    return nullptr;
}

void setKeyboardUsed(QWidget* window, bool used) {
    if (window->property(KeyboardUsedProperty).toBool() == used)
        return;
    window->setProperty(KeyboardUsedProperty, used);
    // The focus frame appears or goes: only the control with the focus draws
    // one (drawFocusFrame), so that only it is drawn again, not the window
    // with its background. Every document caret of the window too.
    if (QWidget* focus = window->focusWidget())
        focus->update();
    for (const QObject* document : documents().keys())
        if (auto* text = qobject_cast<QTextEdit*>(const_cast<QObject*>(document));
            text && text->window() == window)
            text->setCursorWidth(used ? 1 : 0);
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

// Every accessibility event passes here on its way to the screen reader.
// A text box's caret and selection changes are held back while it does not
// have the focus (Qt drops the selection as the focus leaves) and while its
// focus has not been told yet (the selection made as it arrives): a screen
// reader takes such a change for the focus itself and reads the selection
// instead of the box.
void filterAccessibilityEvent(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (auto* box = qobject_cast<TextBox*>(event->object())) {
        if ((type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) &&
            (!box->hasFocus() || box->focusArriving()))
            return;
        if (type == QAccessible::Focus)
            box->focusAnnounced();
    }
    // A window shown or hidden as a whole shows or hides each of its
    // controls with it: dozens of events at once on every change of window,
    // which a screen reader takes for a flood and answers by dropping events,
    // the announcement made at that moment among them. The window's own
    // events say it all; a control shown or hidden alone in a window on the
    // screen (a notice, a frame) still tells.
    if (type == QAccessible::ObjectShow || type == QAccessible::ObjectHide) {
        if (auto* widget = qobject_cast<QWidget*>(event->object()); widget && !widget->isWindow()) {
            const QWindow* native = widget->window()->windowHandle();
            if (!native || !native->isVisible())
                return;
        }
    }
    // Qt has already given a table model change to the table itself; what
    // remains is to pass every other event on, as if there were no filter.
    if (type == QAccessible::TableModelChanged)
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filterAccessibilityEvent);
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    QAccessible::installFactory(factory);
    QAccessible::installUpdateHandler(filterAccessibilityEvent);
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
        QObject::connect(control, &QObject::destroyed, [control] {
            descriptions().remove(control);
            namesTold().remove(control);
        });
    // An interface made before the description (a caption set earlier)
    // would keep the plain role and name.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void describeDocument(QTextEdit* text, std::function<QString()> name) {
    installAccessibility();
    if (!documents().contains(text))
        QObject::connect(text, &QObject::destroyed, [text] { documents().remove(text); });
    documents().insert(text, std::move(name));
    // The caret, which the keys move and the screen reader reads at, shows
    // only while the keyboard is in use in the window, like a focus frame.
    text->setTextInteractionFlags(text->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    text->setCursorWidth(keyboardUsed(text->window()) ? 1 : 0);
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(text))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

bool isDescribed(const QWidget* control) {
    return descriptions().contains(control);
}

void descriptionChanged(QWidget* control) {
    if (!QAccessible::isActive())
        return;
    // A name is told again only when it has changed: the board tells all its
    // squares and cards at every change, and a screen reader that receives
    // dozens of events at once drops events, announcements among them.
    const Description d = descriptions().value(control);
    const QString now = d.name ? d.name() : QString();
    auto told = namesTold().find(control);
    if (told == namesTold().end() || *told != now) {
        namesTold().insert(control, now);
        QAccessibleEvent name(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
    // The states that may have changed; their values are read again.
    QAccessible::State changed;
    changed.checked = bool(d.checked);
    changed.selected = bool(d.selected);
    if (changed.checked || changed.selected) {
        QAccessibleStateChangeEvent state(control, changed);
        QAccessible::updateAccessibility(&state);
    }
}

namespace {
QWidget* statusLine(const QWidget* window) {
    return window->findChild<QWidget*>(QLatin1String(AnnouncerName), Qt::FindDirectChildrenOnly);
}

// Hiding its window hides the notice shown: it would be read again when the
// window comes back.
class StatusLine : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void hideEvent(QHideEvent*) override {
        for (QWidget* notice :
             findChildren<QWidget*>(QLatin1String(NoticeName), Qt::FindDirectChildrenOnly))
            notice->hide();
    }
};

QWidget* makeStatusLine(QWidget* window) {
    auto* line = new StatusLine(window);
    line->setObjectName(QLatin1String(AnnouncerName));
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setFocusPolicy(Qt::NoFocus);
    line->setGeometry(0, 0, 1, 1);
    // Below every control: nothing of it can be seen or clicked.
    line->lower();
    line->show();
    return line;
}
} // namespace

void announce(QWidget* window, const QString& text) {
    installAccessibility();
    QWidget* line = statusLine(window);
    if (!line)
        line = makeStatusLine(window);
    line->setProperty(TextProperty, text);
    const QList<QWidget*> notices =
        line->findChildren<QWidget*>(QLatin1String(NoticeName), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < notices.size(); ++i) {
        notices[i]->hide();
        if (i + NoticesKept <= notices.size())
            delete notices[i];
    }
    auto* notice = new QWidget(line);
    notice->setObjectName(QLatin1String(NoticeName));
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setGeometry(0, 0, 1, 1);
    notice->setProperty(TextProperty, text);
    // Appearing is what is announced; a window that is not shown says nothing.
    if (!window->isVisible())
        notice->hide();
    else
        notice->show();
}

QString lastAnnouncement(const QWidget* window) {
    const QWidget* line = statusLine(window);
    return line ? line->property(TextProperty).toString() : QString();
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

bool reachable(const QWidget* control) {
    if (!control || !control->isVisible() || !control->isEnabled())
        return false;
    const QWidget* window = control->window();
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == window || modal->isAncestorOf(window);
}

bool pressControl(QWidget* control) {
    if (!reachable(control))
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
