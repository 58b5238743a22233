#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>

class QCompleter;
class QLineEdit;
class QToolButton;

namespace platform {

// Turns a text box into an editable drop-down without changing how it looks
// at rest: a small arrow appears at its right edge while the box is enabled
// and has the focus or the mouse, and the arrow, Alt+Down or F4 opens the
// list under the box. Choosing an entry puts its text into the box; any text
// can still be typed.
class DropDown : public QObject {
    Q_OBJECT
  public:
    DropDown(QLineEdit* box, const QStringList& entries);

    QLineEdit* box() const { return m_box; }
    QToolButton* button() const { return m_button; }
    const QStringList& entries() const { return m_entries; }
    // Opens the list under the box (as the arrow does).
    void showList();
    bool listShown() const;
    // The list's own widget, to drive it like a player does.
    QWidget* listWidget() const;

  signals:
    // An entry of the list was chosen; the box already shows it.
    void Chosen(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateButton();
    QRect listRect() const;
    QCompleter* completer() const;

    QLineEdit* m_box;
    QStringList m_entries;
    QToolButton* m_button;
    mutable QCompleter* m_completer = nullptr;
};

} // namespace platform
