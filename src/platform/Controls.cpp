#include "platform/Controls.h"

#include "platform/Accessibility.h"
#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace platform {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

namespace {
// Decoded pictures by file name, so that each file is decoded once while it
// is in use. A picture that a control still holds costs nothing more here
// (the control and the cache share it), so it stays findable however many
// there are. The bound counts only the pictures that no control holds any
// more, kept in case they come back (a button's other state, a card moving
// from a hand to the board): 192 kB holds about nine design-size faces or
// twenty-eight button pictures (opaque ones are held in three bytes a
// pixel), the least recently used given up first. A double-size picture
// takes four times the bytes, so once such pictures are shown the bound
// grows fourfold and still holds as many.
constexpr qsizetype kCacheBytes = 192 * 1024;

struct CachedPicture {
    QPixmap pixmap;
    qsizetype bytes = 0;
    quint64 used = 0;
};

struct PictureCache {
    QHash<QString, CachedPicture> pictures;
    qsizetype limit = kCacheBytes;
    quint64 clock = 0;

    // Only the cache holds it: no control shows it any more.
    static bool unheld(const CachedPicture& picture) { return picture.pixmap.isDetached(); }

    qsizetype unheldBytes() const {
        qsizetype bytes = 0;
        for (const CachedPicture& picture : pictures)
            if (unheld(picture))
                bytes += picture.bytes;
        return bytes;
    }

    const QPixmap* find(const QString& file) {
        const auto found = pictures.find(file);
        if (found == pictures.end())
            return nullptr;
        found->used = ++clock;
        return &found->pixmap;
    }

    // Gives up the least recently used pictures no control holds until
    // those left and `room` more bytes fit within the bound.
    void trim(qsizetype room) {
        qsizetype bytes = unheldBytes();
        if (bytes + room <= limit)
            return;
        std::vector<std::pair<quint64, QString>> oldestFirst;
        for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
            if (unheld(it.value()))
                oldestFirst.emplace_back(it->used, it.key());
        std::sort(oldestFirst.begin(), oldestFirst.end());
        for (const auto& [used, file] : oldestFirst) {
            if (bytes + room <= limit)
                break;
            bytes -= pictures.value(file).bytes;
            pictures.remove(file);
        }
    }
};

PictureCache& pictureCache() {
    static PictureCache cache;
    return cache;
}

// An opaque picture held in three bytes a pixel rather than four: the same
// colours, a quarter less memory, drawn through one more conversion.
QPixmap compactPixmap(QImage image) {
    if (image.format() == QImage::Format_RGB32)
        return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB888),
                                  Qt::NoFormatConversion);
    return QPixmap::fromImage(std::move(image));
}

qsizetype pixmapBytes(const QPixmap& pixmap) {
    return qMax<qsizetype>(1, qsizetype(pixmap.width()) * pixmap.height() *
                                  qMax(1, pixmap.depth() / 8));
}

// Room is made for the new picture too, which its control may soon let go.
void cache(const QString& file, const QPixmap& pixmap, int density) {
    PictureCache& cache = pictureCache();
    cache.limit = qMax(cache.limit, kCacheBytes * density * density);
    const qsizetype bytes = pixmapBytes(pixmap);
    cache.trim(bytes);
    cache.pictures.insert(file, {pixmap, bytes, ++cache.clock});
}

// The double-size variant of a picture, or no picture where there is none or
// it cannot be read: the design-size picture then serves, only less sharp.
QPixmap loadHighDensity(const QString& file) {
    if (const QPixmap* cached = pictureCache().find(file))
        return *cached;
    if (!QFileInfo::exists(file))
        return {};
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull()) {
        qWarning("The picture \"%s\" cannot be loaded (%s); its design-size picture is shown.",
                 qPrintable(file), qPrintable(reader.errorString()));
        return {};
    }
    QPixmap pixmap = compactPixmap(std::move(image));
    pixmap.setDevicePixelRatio(2);
    cache(file, pixmap, 2);
    return pixmap;
}
} // namespace

int pictureDensity(qreal devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QString highDensityName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype folder =
        qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    if (dot <= folder)
        return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

void checkPictureFile(const QString& nativeName) {
    const QFileInfo info(nativeName);
    if (!info.exists())
        fatal(QCoreApplication::translate("Picture", "The picture \"%1\" is missing.")
                  .arg(nativeName));
    if (info.size() == 0)
        fatal(
            QCoreApplication::translate("Picture", "The picture \"%1\" is empty.").arg(nativeName));
}

QPixmap loadPictureFile(const QString& nativeName, qreal devicePixelRatio) {
    if (pictureDensity(devicePixelRatio) == 2) {
        QPixmap sharp = loadHighDensity(highDensityName(nativeName));
        if (!sharp.isNull())
            return sharp;
    }
    if (const QPixmap* cached = pictureCache().find(nativeName))
        return *cached;
    checkPictureFile(nativeName);
    QImageReader reader(nativeName);
    QImage image = reader.read();
    if (image.isNull())
        fatal(QCoreApplication::translate("Picture", "The picture \"%1\" cannot be loaded: %2")
                  .arg(nativeName, reader.errorString()));
    QPixmap pixmap = compactPixmap(std::move(image));
    cache(nativeName, pixmap, 1);
    return pixmap;
}

namespace {
// A picture delivered inside the program at the density asked, its double-size
// variant where there is one, each read by `read`.
template <typename Read>
QPixmap embeddedAtDensity(const QString& resource, qreal devicePixelRatio, Read read) {
    if (pictureDensity(devicePixelRatio) == 2) {
        QPixmap sharp = read(highDensityName(resource));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return read(resource);
}
} // namespace

QPixmap loadEmbeddedPicture(const QString& resource, qreal devicePixelRatio) {
    return embeddedAtDensity(resource, devicePixelRatio,
                             [](const QString& name) { return QPixmap(name); });
}

QPixmap decodeEmbeddedPicture(const QString& resource, qreal devicePixelRatio) {
    return embeddedAtDensity(resource, devicePixelRatio, [](const QString& name) {
        return QPixmap::fromImage(QImageReader(name).read());
    });
}

void clearPictureCache() {
    pictureCache() = PictureCache();
}

qsizetype pictureCacheLimit() {
    return pictureCache().limit;
}

qsizetype pictureCacheBytes() {
    return pictureCache().unheldBytes();
}

Picture::Picture(QWidget* parent, int index) : QWidget(parent), m_index(index) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Picture::setStretch(bool stretch) {
    m_stretch = stretch;
    markOpaque();
    update();
}

// A picture that paints every pixel of the control spares its window drawing
// the background under it: an opaque picture (a JPEG) stretched over the whole
// control, or drawn as it is and at least as large, on a screen of a whole
// density (between two, the picture's edges fall between pixels). A picture
// not decoded yet is taken as not opaque until it is.
void Picture::markOpaque() {
    const qreal ratio = devicePixelRatioF();
    bool opaque = !m_pixmap.isNull() && !m_pixmap.hasAlphaChannel() && ratio == qreal(m_density) &&
                  pictureDensity(ratio) == m_density;
    if (opaque && !m_stretch) {
        const QSizeF natural = m_pixmap.deviceIndependentSize();
        opaque = natural.width() >= width() && natural.height() >= height();
    }
    if (testAttribute(Qt::WA_OpaquePaintEvent) != opaque)
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void Picture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    markOpaque();
}

void Picture::setRect(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

void Picture::LoadPicture(const QString& name) {
    decode(name, false);
    update();
}

void Picture::setEmbedded(const QString& resource) {
    decode(resource, true);
    update();
}

void Picture::decode(const QString& name, bool embedded) {
    const qreal ratio = devicePixelRatioF();
    // The picture's version in the player's language, where it has words.
    const QString file = pictureInLanguage(embedded ? name : nativeFileName(name));
    m_name = name;
    m_source = file;
    m_embedded = embedded;
    m_density = pictureDensity(ratio);
    // A window that is not on the screen holds the names of its pictures, not
    // the pictures (see Form::letGoOfPictures): one given to it now is
    // decoded when it is drawn or read. A file missing or empty is fatal at
    // once all the same.
    if (!window()->isVisible()) {
        if (!embedded)
            checkPictureFile(file);
        m_pixmap = QPixmap();
        m_letGo = true;
        const QString sharp = highDensityName(file);
        m_file = m_density == 2 && QFileInfo::exists(sharp) ? sharp : file;
        markOpaque();
        return;
    }
    m_pixmap = embedded ? loadEmbeddedPicture(file, ratio) : loadPictureFile(file, ratio);
    m_letGo = false;
    m_file = m_pixmap.devicePixelRatio() > 1.0 ? highDensityName(file) : file;
    markOpaque();
}

void Picture::Clear() {
    m_pixmap = QPixmap();
    m_letGo = false;
    m_name.clear();
    m_source.clear();
    m_file.clear();
    // The window draws its background here again.
    markOpaque();
    update();
}

const QPixmap& Picture::pixmap() const {
    takeBack();
    return m_pixmap;
}

void Picture::letGo() {
    if (m_pixmap.isNull())
        return;
    m_pixmap = QPixmap();
    m_letGo = true;
}

void Picture::takeBack() const {
    if (!m_letGo)
        return;
    m_letGo = false;
    // The same file at the same density as before it was let go.
    m_pixmap = m_embedded ? loadEmbeddedPicture(m_source, m_density)
                          : loadPictureFile(m_source, m_density);
    m_file = m_pixmap.devicePixelRatio() > 1.0 ? highDensityName(m_source) : m_source;
}

void Picture::Refresh() {
    if (isVisible())
        repaint();
}

void Picture::setEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void Picture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QWidget::changeEvent(event);
}

void Picture::paintEvent(QPaintEvent*) {
    takeBack();
    // The window has moved to a screen of another density since the picture
    // was loaded.
    if (!m_pixmap.isNull() && pictureDensity(devicePixelRatioF()) != m_density)
        decode(QString(m_name), m_embedded);
    else
        markOpaque();
    QPainter painter(this);
    if (m_pixmap.isNull()) {
        drawFocusFrame(this, painter);
        return;
    }
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_pixmap);
    } else {
        // Between the two densities (150 %) the picture is scaled down, not copied.
        if (devicePixelRatioF() != m_density)
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(0, 0, m_pixmap);
    }
    drawFocusFrame(this, painter);
}

bool Picture::pressByKeyboard() {
    if (isDying() || !isVisible() || !isEnabled())
        return false;
    emit MouseDown(m_index);
    if (isDying())
        return true;
    emit MouseUp(m_index);
    if (!isDying())
        emit Click(m_index);
    return true;
}

void Picture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_inDoubleClick = false;
    if (isDying())
        return;
    emit MouseDown(m_index);
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt's default would deliver it as a second press.
    event->accept();
    m_inDoubleClick = true;
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_inDoubleClick) {
        m_inDoubleClick = event->buttons() != Qt::NoButton;
        return;
    }
    if (isDying())
        return;
    const bool inside = rect().contains(event->position().toPoint());
    emit MouseUp(m_index);
    if (inside && !isDying())
        emit Click(m_index);
}

Label::Label(QWidget* parent, int index) : QLabel(parent), m_index(index) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setForeColor(Qt::black);
}

void Label::setRect(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

void Label::setCaption(const QString& caption) {
    setCaption(caption, QString());
}

void Label::setCaption(const QString& caption, const QString& apart) {
    m_caption = caption;
    m_apart = caption.contains(apart) ? apart : QString();
    showCaption();
    fitFontWhenShown();
}

namespace {
// Plain text as rich text that looks the same: runs of spaces, and spaces at
// the start or end of a line, are kept rather than collapsed.
QString richText(const QString& plain) {
    QString html;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == QLatin1Char('\n')) {
            html += QLatin1String("<br>");
        } else if (c == QLatin1Char(' ')) {
            const bool kept = i == 0 || plain.at(i - 1) == QLatin1Char(' ') ||
                              plain.at(i - 1) == QLatin1Char('\n') || i + 1 == plain.size() ||
                              plain.at(i + 1) == QLatin1Char('\n');
            html += kept ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}
} // namespace

void Label::showCaption() {
    QString shown = m_caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_apart.isEmpty()) {
        setTextFormat(Qt::PlainText);
        setText(shown);
        return;
    }
    const qsizetype at = shown.indexOf(m_apart);
    QString apart = m_apart;
    // Its words stay together on one line.
    apart.replace(QLatin1Char(' '), QChar(0x00A0));
    const QString slant =
        m_designFont.italic() ? QStringLiteral("normal") : QStringLiteral("italic");
    setTextFormat(Qt::RichText);
    setText(richText(shown.left(at)) + QStringLiteral("<span style=\"font-style:%1\">").arg(slant) +
            apart.toHtmlEscaped() + QLatin1String("</span>") +
            richText(shown.mid(at + m_apart.size())));
}

bool Label::fits(const QString& text, const QFont& font) const {
    const QRect room = contentsRect();
    const bool rich = textFormat() == Qt::RichText;
    // The size `text` takes in `font`, wrapped at word boundaries within
    // `width` or, with no width, on the lines it has itself.
    const auto needed = [&](const QString& shown, const QFont& in, int width) {
        if (rich) {
            // Measured as the label lays it out: a document of the label's width.
            QTextDocument document;
            document.setDocumentMargin(0);
            document.setDefaultFont(in);
            QTextOption option(alignment());
            option.setWrapMode(width > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
            document.setDefaultTextOption(option);
            document.setHtml(shown);
            if (width > 0)
                document.setTextWidth(width);
            return QSizeF(document.idealWidth(), document.size().height());
        }
        const int flags = static_cast<int>(alignment()) | (width > 0 ? Qt::TextWordWrap : 0);
        return QSizeF(
            QFontMetrics(in)
                .boundingRect(QRect(room.left(), room.top(), width > 0 ? width : 1 << 20, 1 << 20),
                              flags, shown)
                .size());
    };
    const QSizeF wrapped = needed(text, font, room.width());
    if (wrapped.width() > room.width())
        return false;
    if (wrapped.height() <= room.height())
        return true;
    // The designed windows give some one-line captions (scores, names, the
    // turn's "X") a label a little lower than their line in the designed
    // font: the glyphs show whole, only the spacing below them is cut. A
    // label always has room for one line of its text in its designed font,
    // so such a caption keeps its size in every language as in English;
    // only a caption wrapping onto more lines than the label holds does not
    // fit.
    QString line = text;
    line.replace(rich ? QStringLiteral("<br>") : QStringLiteral("\n"), QStringLiteral(" "));
    return wrapped.height() <= needed(line, m_designFont, 0).height();
}

void Label::fitFontWhenShown() {
    if (isVisible())
        fitFont();
    else
        m_fitPending = true;
}

void Label::showEvent(QShowEvent* event) {
    if (m_fitPending)
        fitFont();
    QLabel::showEvent(event);
}

void Label::fitFont() {
    m_fitPending = false;
    QFont font = m_designFont;
    if (m_fitInEveryLanguage || !currentLanguage().isEmpty() || !m_apart.isEmpty()) {
        const double smallest = m_designFont.pointSizeF() * 0.6;
        while (!fits(text(), font) && font.pointSizeF() - 0.5 >= smallest)
            font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font != this->font())
        setFont(font);
}

void Label::setFitInEveryLanguage(bool on) {
    m_fitInEveryLanguage = on;
    fitFontWhenShown();
}

void Label::setForeColor(const QColor& color) {
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Disabled, QPalette::WindowText, color);
    setPalette(p);
}

void Label::setFontSpec(const QString& family, double points, bool bold, bool italic,
                        bool underline) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    m_designFont = f;
    setFont(f);
    if (!m_apart.isEmpty())
        showCaption();
    fitFontWhenShown();
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawFocusFrame(this, painter);
}

bool Label::pressByKeyboard() {
    if (isDying() || !isVisible() || !isEnabled())
        return false;
    emit Click(m_index);
    return true;
}

void Label::mousePressEvent(QMouseEvent* event) {
    // Accepting the press makes the release come back to this label.
    event->accept();
    m_inDoubleClick = false;
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    m_inDoubleClick = true;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_inDoubleClick) {
        m_inDoubleClick = event->buttons() != Qt::NoButton;
        return;
    }
    if (isDying() || !isEnabled())
        return;
    if (rect().contains(event->position().toPoint()))
        emit Click(m_index);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Names are taken as typed, with no practical limit on their length.
    setMaxLength(1 << 20);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
}

void TextBox::setRect(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

void TextBox::setSelStart(int start) {
    setSelection(start, 0);
}

void TextBox::setSelLength(int length) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, length);
}

int TextBox::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TextBox::SelLength() const {
    return selectedText().size();
}

void TextBox::SetFocus() {
    setFocus(Qt::OtherFocusReason);
    // The window may not own the keyboard focus yet (it is being shown), so
    // the focus handling runs here rather than waiting for the focus event.
    if (!isDying())
        emit GotFocus();
}

void TextBox::focusInEvent(QFocusEvent* event) {
    m_focusArriving = true;
    QLineEdit::focusInEvent(event);
    if (isDying())
        return;
    // A mouse press would move the cursor right after; keep the selection.
    m_selectOnPress = event->reason() == Qt::MouseFocusReason;
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        emit GotFocus();
        break;
    default:
        // SetFocus has run the handling itself; a closed context menu or the
        // window becoming active again leaves the text as the player left it.
        break;
    }
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    m_focusArriving = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    if (m_selectOnPress) {
        m_selectOnPress = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

Timer::Timer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), m_interval(intervalMs) {
    m_timer.setInterval(intervalMs);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // A first tick counted from an earlier origin: the next come an
        // interval apart.
        if (m_timer.interval() != m_interval)
            m_timer.setInterval(m_interval);
        if (!isDying())
            emit Tick();
    });
    if (enabled)
        m_timer.start();
}

void Timer::setEnabled(bool enabled) {
    if (enabled && !m_timer.isActive())
        m_timer.start(m_interval);
    else if (!enabled)
        m_timer.stop();
}

void Timer::setPrecise(bool precise) {
    m_timer.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
}

void Timer::startFrom(qint64 origin) {
    // One millisecond more: the origin and the clock are whole milliseconds,
    // and the tick must not come before a full interval has passed.
    const qint64 remaining = m_interval - (monotonicNow() - origin) + 1;
    m_timer.start(int(std::clamp<qint64>(remaining, 0, m_interval + 1)));
}

qint64 monotonicNow() {
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

bool Timer::tick() {
    if (!m_timer.isActive() || isDying())
        return false;
    emit Tick();
    return true;
}

} // namespace platform
