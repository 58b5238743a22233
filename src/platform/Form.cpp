#include "platform/Form.h"

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Fatal.h"
#include "platform/JpegRows.h"
#include "platform/Recordset.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResource>
#include <QScreen>
#include <QStyleHints>

#ifdef QUORVEL_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {
QPointer<Form> g_active;

// Raising and focusing windows means nothing without a window system.
void bringToFront(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    window->raise();
    window->activateWindow();
}
std::function<void(Form*)> g_modalHook;

// The time stamp of the latest mouse press or release the program received,
// in the clock of the input events; negative before the first.
qint64 g_lastInput = -1;
// A press was ignored; the release that ends it is ignored too.
bool g_swallowRelease = false;
// When the input event being handled happened (monotonic milliseconds), or
// negative once the event loop has moved on.
qint64 g_inputAt = -1;
bool g_inputClearPosted = false;

void noteInputTime(const QInputEvent* event) {
    const qint64 now = monotonicNow();
    g_inputAt = now;
    // An X server stamps its events in milliseconds of the same monotonic
    // clock, cut to 32 bits: an event that waited in the queue began earlier.
    // Other platforms' stamps (and the tests') are of another clock.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        const quint32 age = quint32(now) - quint32(event->timestamp());
        if (age <= 2000)
            g_inputAt = now - age;
    }
    if (!g_inputClearPosted && qApp) {
        g_inputClearPosted = true;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                g_inputAt = -1;
                g_inputClearPosted = false;
            },
            Qt::QueuedConnection);
    }
}

#ifdef QUORVEL_HAVE_XCB
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}
#endif
} // namespace

// Watches every mouse press and release of the program (an application event
// filter sees them before any control does): it keeps the input clock and
// drops the presses that reach a window too soon after it was shown.
class PressGuard : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType())
            noteInputTime(static_cast<QInputEvent*>(event));
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        noteInputTime(mouse);
        const qint64 at = qint64(mouse->timestamp());
        g_lastInput = at;
        if (type == QEvent::MouseButtonRelease) {
            if (!g_swallowRelease)
                return false;
            if (mouse->buttons() == Qt::NoButton)
                g_swallowRelease = false;
            return true;
        }
        auto* form = qobject_cast<Form*>(widget->window());
        if (!form || form->m_guardFrom < 0)
            return false;
        const qint64 since = at - form->m_guardFrom;
        if (since >= 0 && since < QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
            g_swallowRelease = true;
            return true;
        }
        form->m_guardFrom = -1;
        return false;
    }
};

Form::Form(const QString& objectName) : QWidget(nullptr) {
    setObjectName(objectName);
    static QPointer<PressGuard> guard;
    if (!guard && qApp) {
        guard = new PressGuard(qApp);
        qApp->installEventFilter(guard);
    }
    // Title bar without a close button: windows close through their own
    // buttons. The main window adds the button back.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    // A screen reader knows the window by its caption, or by the name the
    // window gives itself where the design has no caption.
    describe(this, {.role = QAccessible::Window, .name = [this] {
                        return accessibleName().isEmpty() ? windowTitle() : accessibleName();
                    }});
}

Form::~Form() {
    if (g_active == this)
        g_active = nullptr;
}

Form* Form::activeForm() {
    return g_active;
}

void Form::setModalHook(std::function<void(Form*)> hook) {
    g_modalHook = std::move(hook);
}

void Form::resetActivation() {
    g_active = nullptr;
}

qint64 Form::inputEventTime() {
    return g_inputAt >= 0 ? g_inputAt : monotonicNow();
}

void Form::setDesign(const QString& caption, int widthTwips, int heightTwips,
                     const QString& background) {
    setWindowTitle(caption);
    m_emptyCaption = caption.isEmpty();
    setFixedSize(twips(widthTwips), twips(heightTwips));
    // Decoded when the window shows and dropped when it hides: only the
    // windows on screen hold their background in memory.
    m_backgroundName = background;
}

void Form::Load() {
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
}

void Form::place() {
    if (m_placed)
        return;
    m_placed = true;
    QRect area;
    QWidget* owner = m_placement == Placement::CentreOwner ? g_active.data() : nullptr;
    if (owner && owner != this && owner->isVisible())
        area = owner->geometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    // The window's own area is centred, whatever frame the desktop puts
    // around it (setGeometry places the area, move would place the frame).
    if (area.isValid())
        setGeometry(QRect(area.center() - QPoint(width() / 2, height() / 2), size()));
}

void Form::showNormalAndRaise() {
    // A window the player minimised (say, the board during a hand) would
    // otherwise come back minimised, and no window of the game would show.
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    bringToFront(this);
}

// Qt puts the application's name into an empty window title. A window
// designed with an empty caption gets an empty title on the screen: its
// native window is created (Qt sets the title then) and its name properties
// are emptied before it is mapped; Qt does not set them again.
void Form::clearNativeTitleIfEmpty() {
    if (!m_emptyCaption)
        return;
#ifdef QUORVEL_HAVE_XCB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto window = xcb_window_t(winId());
    if (!window)
        return;
    const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmName, utf8, 8, 0,
                            nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
#endif
}

void Form::startPressGuard() {
    m_guardFrom = g_lastInput;
}

void Form::Show() {
    Load();
    if (!isVisible()) {
        place();
        clearNativeTitleIfEmpty();
        QWidget::show();
    }
    showNormalAndRaise();
    activate();
}

void Form::ShowModal() {
    Load();
    if (m_modalLoop)
        fatal(QCoreApplication::translate("Form", "Window %1 is already shown modally.")
                  .arg(objectName()));
    // What the handler has saved so far reaches the file before the wait.
    Database::flush();
    m_returnTo = g_active;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    if (!isVisible()) {
        place();
        clearNativeTitleIfEmpty();
        QWidget::show();
    }
    showNormalAndRaise();
    activate();
    if (g_modalHook)
        g_modalHook(this);
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
}

void Form::Hide() {
    if (!isVisible())
        return;
    QWidget::hide();
    releaseBackground();
    letGoOfPictures();
    releaseBackingStore();
    deactivate();
    if (m_modalLoop) {
        m_modalLoop->quit();
        Form* back = m_returnTo;
        m_returnTo = nullptr;
        if (back && back->isVisible() && g_active == nullptr)
            back->activate();
    }
}

// A hidden window holds the names of its pictures, not the pictures: only the
// windows on screen hold theirs in memory. Each is decoded again when it is
// drawn (or read), so that one replaced before the window is drawn again is
// never decoded for nothing.
void Form::letGoOfPictures() {
    for (Picture* picture : findChildren<Picture*>())
        picture->letGo();
}

// A hidden window keeps its native window (the window manager and the
// accessibility bus know it by it) but not the pixels drawn for it: its
// backing store shrinks to one pixel. When the window shows again Qt finds
// the store smaller than the window, makes it whole and draws all of it.
void Form::releaseBackingStore() {
    if (QBackingStore* store = backingStore(); store && store->size() != QSize(1, 1))
        store->resize(QSize(1, 1));
}

void Form::Unload() {
    if (!m_loaded)
        return;
    Hide();
    m_loaded = false;
    Form_Unload();
}

void Form::activate() {
    if (g_active == this)
        return;
    Form* previous = g_active;
    g_active = this;
    startPressGuard();
    if (previous)
        previous->Form_LostFocus();
    if (!isDying())
        Form_Activate();
    // The keys follow the active window at once, also back from a modal one.
    if (g_active == this)
        giveKeyboard(this);
}

void Form::deactivate() {
    if (g_active == this) {
        g_active = nullptr;
        Form_LostFocus();
    }
}

bool Form::keyDown(QKeyEvent* event) {
    return !isDying() && isVisible() && Form_KeyDown(event);
}

void Form::paintEvent(QPaintEvent* event) {
    if (m_backgroundName.isEmpty())
        return;
    // At the density of the window's screen, again if it has moved to another.
    const qreal ratio = devicePixelRatioF();
    const int density = pictureDensity(ratio);
    QPainter painter(this);
    // At a whole density the picture is kept compressed, coded again in
    // blocks that decode alone: each paint decodes only the blocks under the
    // region it draws, and the window holds about a thirteenth of the bytes
    // of the decoded picture (the board: 71 kB against 0.93 MB). A picture
    // that cannot be coded so is held decoded in three bytes a pixel.
    if (ratio == density) {
        if ((m_blocks.isNull() && m_backdrop.isNull()) || m_backgroundDensity != density) {
            releaseBackground();
            const QString name = pictureInLanguage(m_backgroundName);
            const QResource sharp(highDensityName(name));
            const QResource picture(density == 2 && sharp.isValid() ? sharp.fileName() : name);
            if (picture.isValid()) {
                const QByteArray jpeg = picture.uncompressedData();
                m_blocks = JpegBlocks::recode(jpeg);
                if (m_blocks.isNull())
                    m_backdrop = decodeJpegRgb888(jpeg);
            }
            m_backgroundDensity = density;
        }
        if (!m_blocks.isNull()) {
            drawStretched(painter, m_blocks, size() * density, density, event->region());
            return;
        }
        if (!m_backdrop.isNull()) {
            drawStretched(painter, m_backdrop, size() * density, density, event->region());
            return;
        }
    }
    if (!m_blocks.isNull() || !m_backdrop.isNull())
        releaseBackground();
    if (m_background.isNull() || m_backgroundDensity != density) {
        m_background = decodeEmbeddedPicture(pictureInLanguage(m_backgroundName), ratio);
        m_backgroundDensity = density;
    }
    if (m_background.isNull())
        return;
    // Between the two densities (150 %) the picture is scaled down, not copied.
    if (ratio != m_backgroundDensity)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_background);
}

// Lets go of the background in every form it is held; the count of blocks
// decoded goes on.
void Form::releaseBackground() {
    m_blocksDecoded += m_blocks.blocksDecoded();
    m_blocks = JpegBlocks();
    m_backdrop = QImage();
    m_background = QPixmap();
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isDying())
        Form_Minimised(isMinimised());
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isDying())
        Form_QueryClose();
}

} // namespace platform
