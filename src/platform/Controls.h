#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace platform {

// Converts design units (1440 per inch, 15 per pixel) to pixels.
constexpr int twips(int value) {
    return (value * 2 + 15) / 30;
}
QRect twipsRect(int left, int top, int width, int height);

// A picture control. Shows a picture file stretched to its rectangle or at
// its own size from the top-left corner, and reports mouse presses, releases
// and clicks with its control-array index. A disabled picture lets the mouse
// through to whatever lies beneath it. On a high-density screen it shows the
// double-size file beside the named one where there is one (see
// pictureDensity), and follows its window to a screen of another density.
class Picture : public QWidget {
    Q_OBJECT
  public:
    explicit Picture(QWidget* parent, int index = 0);

    int index() const { return m_index; }
    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }
    void setRect(int left, int top, int width, int height); // twips

    // Loads the picture file `name` (either separator); failure is fatal.
    void LoadPicture(const QString& name);
    // Shows a picture delivered inside the program (design-time pictures).
    void setEmbedded(const QString& resource);
    void Clear();
    // Redraws the control at once, before the handler goes on.
    void Refresh();

    // The control's own visibility, whether or not its window is shown.
    bool Visible() const { return !isHidden(); }
    bool hasPicture() const { return m_letGo || !m_pixmap.isNull(); }
    // The file (as named by the program) of the picture shown, empty if none.
    const QString& pictureName() const { return m_name; }
    // The file actually decoded: the named one, its version in the player's
    // language (see pictureInLanguage) or the double-size variant of either.
    const QString& pictureFile() const { return m_file; }
    const QPixmap& pixmap() const;

    // While its window is hidden a picture need not stay decoded: letGo()
    // drops the decoded picture and keeps its name, and takeBack() decodes
    // the same file again, so that the control looks exactly as before.
    // pixmap() and painting take it back as well.
    void letGo();
    void takeBack() const;
    // Whether the picture is held decoded now.
    bool decoded() const { return !m_pixmap.isNull(); }

    void setEnabled(bool enabled);
    // A key standing in for the mouse: press, release inside and click,
    // through the same signals. False when a click could not reach it.
    bool pressByKeyboard();

  signals:
    void MouseDown(int index);
    void MouseUp(int index);
    void Click(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Decodes the named picture at the density of the control's screen.
    void decode(const QString& name, bool embedded);
    void markOpaque();

    int m_index;
    bool m_stretch = true;
    bool m_inDoubleClick = false;
    mutable QPixmap m_pixmap;
    mutable bool m_letGo = false;
    QString m_name;
    // The file decoded before the choice of density (see loadPictureFile).
    QString m_source;
    mutable QString m_file;
    bool m_embedded = false;
    int m_density = 1;
};

// A label: caption, text colour and font; transparent, centred and wrapping
// at word boundaries. Captions are shown as plain text, never as markup.
// Like a picture, it takes a double-click as one click.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent, int index = 0);
    int index() const { return m_index; }
    void setRect(int left, int top, int width, int height); // twips
    void setCaption(const QString& caption);
    // Shows `caption` with the first occurrence of `apart` in it set apart:
    // in the slant opposite to the label's font, unbroken, and the whole
    // caption made smaller as far as it needs (in any language) so that all
    // of it shows. The names the program gives a player (the computer's) are
    // shown so, so that no name a person types can look like one. An empty
    // `apart` shows the caption as setCaption does.
    void setCaption(const QString& caption, const QString& apart);
    const QString& caption() const { return m_caption; }
    // The part of the caption set apart, empty for none.
    const QString& setApart() const { return m_apart; }
    void setForeColor(const QColor& color);
    QColor foreColor() const { return m_color; }
    void setFontSpec(const QString& family, double points, bool bold, bool italic = false,
                     bool underline = false);
    // The font the window gave the label; font() is smaller where a
    // translation does not fit it.
    const QFont& designFont() const { return m_designFont; }
    // Whether `text` fits the label, wrapped at word boundaries, in `font`.
    // One line of the text in the designed font always fits in height,
    // however low the label: only a caption too wide, or wrapping onto more
    // lines than the label holds, does not.
    bool fits(const QString& text, const QFont& font) const;
    // A key standing in for the mouse: the click of a press and release.
    bool pressByKeyboard();
    // English keeps the designed font, so that the designed windows look
    // exactly as drawn. A text the window was not drawn for (the message
    // window telling of a network fault) is fitted in English too while
    // this is on; a caption that fits keeps the designed font.
    void setFitInEveryLanguage(bool on);

  signals:
    void Click(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // In a translation, a caption longer than the designed English one may
    // not fit the designed size: its font then shrinks until it does (to no
    // less than 60 % of the design). English keeps the designed font always.
    // Measuring loads the language's fonts, so a hidden label is fitted when
    // it is shown: the windows made at start-up and not yet shown cost nothing.
    void fitFont();
    void fitFontWhenShown();

    // Puts the caption (and its part set apart) into the label's text.
    void showCaption();

    int m_index;
    bool m_inDoubleClick = false;
    QString m_caption;
    QString m_apart;
    QColor m_color;
    QFont m_designFont;
    bool m_fitPending = false;
    bool m_fitInEveryLanguage = false;
};

// A single-line text box. Getting the focus by code (SetFocus), by a click or
// by Tab runs the GotFocus signal so that a window can select the whole text;
// the focus coming back after a context menu or after another program had
// the keyboard does not, so the next key does not replace the whole text.
//
// A screen reader hears of the focus arriving before the selection that
// comes with it, and not of the selection Qt drops when the focus leaves
// (see the accessibility events' filter): otherwise it would read the
// selection instead of the box's name, and "text unselected" for a box the
// player has left.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent);
    void setRect(int left, int top, int width, int height); // twips
    QString Text() const { return text(); }
    void setSelStart(int start);
    void setSelLength(int length);
    int SelStart() const;
    int SelLength() const;
    void SetFocus();

    // The box has the focus and the screen reader has not been told yet.
    bool focusArriving() const { return m_focusArriving; }
    void focusAnnounced() { m_focusArriving = false; }

  signals:
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool m_selectOnPress = false;
    bool m_focusArriving = false;
};

// A timer with an interval and an enabled flag. Enabling a running timer does
// not restart it; the handler disables it to make it fire once. Tests call
// tick() instead of waiting.
class Timer : public QObject {
    Q_OBJECT
  public:
    explicit Timer(QObject* parent, int intervalMs, bool enabled = false);
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_timer.isActive(); }
    int interval() const { return m_interval; }
    // Ticks no sooner than the interval: Qt's default coarse timers may come
    // up to 5 % early.
    void setPrecise(bool precise);
    // Enables the timer (again, if it runs) so that its first tick comes one
    // interval after `origin`, in milliseconds of the monotonic clock
    // (QElapsedTimer's), and the following ones an interval apart.
    void startFrom(qint64 origin);
    // Delivers a tick now if the timer is enabled; returns whether it did.
    bool tick();

  signals:
    void Tick();

  private:
    QTimer m_timer;
    int m_interval;
};

// Milliseconds of the monotonic clock (QElapsedTimer's) now.
qint64 monotonicNow();

// Pictures come at their design size ("DoneUp.jpg") and, for high-density
// screens, at twice that size beside it under the name Qt's convention gives
// ("DoneUp@2x.jpg"). The density to show, 1 or 2, for a device pixel ratio:
// any ratio above 1 looks sharper with the double-size picture.
int pictureDensity(qreal devicePixelRatio);
QString highDensityName(const QString& name);

// Decoded pictures, kept so that each file is decoded once. With a device
// pixel ratio above 1 the double-size variant is decoded where it exists and
// can be read (its pixmap then has a device pixel ratio of 2); otherwise the
// named file, whose failure to load is fatal.
QPixmap loadPictureFile(const QString& nativeName, qreal devicePixelRatio = 1.0);
// Fatal when the picture file is missing or empty.
void checkPictureFile(const QString& nativeName);
// A picture delivered inside the program, chosen by density in the same way.
QPixmap loadEmbeddedPicture(const QString& resource, qreal devicePixelRatio = 1.0);
// The same, decoded for the caller alone: Qt's own cache of pictures keeps
// no copy, so that the picture is gone once the caller lets it go.
QPixmap decodeEmbeddedPicture(const QString& resource, qreal devicePixelRatio = 1.0);
void clearPictureCache();
// Bytes of decoded pictures that no control holds any more which the cache
// may keep, and keeps now.
qsizetype pictureCacheLimit();
qsizetype pictureCacheBytes();

} // namespace platform
