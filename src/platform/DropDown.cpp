#include "platform/DropDown.h"

#include "platform/Accessibility.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <QToolButton>

namespace platform {

DropDown::DropDown(QLineEdit* box, const QStringList& entries)
    : QObject(box), m_box(box), m_entries(entries), m_button(new QToolButton(box)) {
    m_button->setObjectName(box->objectName() + QStringLiteral("_list"));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    const int side = box->height();
    m_button->setGeometry(box->width() - side, 0, side, side);
    m_button->hide();
    connect(m_button, &QToolButton::clicked, this, &DropDown::showList);
    box->installEventFilter(this);
}

// The list and what fills it are made when the list first opens.
QCompleter* DropDown::completer() const {
    if (m_completer)
        return m_completer;
    auto* self = const_cast<DropDown*>(this);
    m_completer = new QCompleter(new QStringListModel(m_entries, self), self);
    // The list offers every entry whatever the box holds; typing never opens it.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWidget(m_box);
    // The box's events reach this filter before the completer's, as when
    // both were set up together.
    m_box->removeEventFilter(self);
    m_box->installEventFilter(self);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), self,
            [self](const QString& text) {
                self->m_box->setText(text);
                self->m_box->selectAll();
                emit self->Chosen(text);
            });
    return m_completer;
}

void DropDown::showList() {
    // As a click on the box: not while it is hidden, disabled or behind a
    // modal window (the arrow can be pressed through a screen reader).
    if (!reachable(m_box))
        return;
    if (!m_box->hasFocus())
        m_box->setFocus(Qt::PopupFocusReason);
    // The list is written like the box: same font, same colours.
    completer()->popup()->setFont(m_box->font());
    completer()->popup()->setPalette(m_box->palette());
    completer()->setCompletionPrefix(QString());
    const int row = static_cast<int>(m_entries.indexOf(m_box->text()));
    completer()->complete(listRect());
    if (row >= 0)
        completer()->popup()->setCurrentIndex(completer()->completionModel()->index(row, 0));
}

// Under the box, as wide as the box, or wider where an entry would be cut:
// the opened list shows every entry whole while the box keeps its size.
QRect DropDown::listRect() const {
    QAbstractItemView* list = completer()->popup();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (m_entries.size() > completer()->maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    QRect rect = m_box->rect();
    rect.setWidth(qMax(rect.width(), width));
    return rect;
}

bool DropDown::listShown() const {
    return m_completer && m_completer->popup()->isVisible();
}

QWidget* DropDown::listWidget() const {
    return completer()->popup();
}

void DropDown::updateButton() {
    const int side = m_box->height();
    m_button->setGeometry(m_box->width() - side, 0, side, side);
    m_button->setVisible(m_box->isEnabled() && (m_box->hasFocus() || m_box->underMouse()));
}

bool DropDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 ||
            (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier))) {
            showList();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::EnabledChange:
    case QEvent::Resize:
    case QEvent::Hide:
        updateButton();
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
