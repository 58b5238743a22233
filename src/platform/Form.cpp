#include "platform/Form.h"

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Fatal.h"
#include "platform/Recordset.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QScreen>

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
} // namespace

Form::Form(const QString& objectName) : QWidget(nullptr) {
    setObjectName(objectName);
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

void Form::setDesign(const QString& caption, int widthTwips, int heightTwips,
                     const QString& background) {
    setWindowTitle(caption);
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
        area = owner->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void Form::Show() {
    Load();
    if (!isVisible()) {
        place();
        QWidget::show();
        bringToFront(this);
    }
    activate();
}

void Form::ShowModal() {
    Load();
    if (m_modalLoop)
        fatal(QStringLiteral("Window %1 is already shown modally.").arg(objectName()));
    // What the handler has saved so far reaches the file before the wait.
    Database::flush();
    m_returnTo = g_active;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    if (!isVisible()) {
        place();
        QWidget::show();
        bringToFront(this);
    }
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
    m_background = QPixmap();
    deactivate();
    if (m_modalLoop) {
        m_modalLoop->quit();
        Form* back = m_returnTo;
        m_returnTo = nullptr;
        if (back && back->isVisible() && g_active == nullptr)
            back->activate();
    }
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

void Form::paintEvent(QPaintEvent*) {
    // At the density of the window's screen, again if it has moved to another.
    const qreal ratio = devicePixelRatioF();
    if (!m_backgroundName.isEmpty() &&
        (m_background.isNull() || m_backgroundDensity != pictureDensity(ratio))) {
        m_background = loadEmbeddedPicture(m_backgroundName, ratio);
        m_backgroundDensity = pictureDensity(ratio);
    }
    if (m_background.isNull())
        return;
    QPainter painter(this);
    // Between the two densities (150 %) the picture is scaled down, not copied.
    if (ratio != m_backgroundDensity)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_background);
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isDying())
        Form_QueryClose();
}

} // namespace platform
