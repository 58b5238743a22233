#pragma once

#include "platform/JpegRows.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

class QEventLoop;
class QKeyEvent;

namespace platform {

// A window of the program. It is loaded once (its load handling runs
// hidden), then shown, shown modally, hidden and unloaded. Which window is
// active is tracked by the program itself, not by the window manager:
// showing a window activates it, and when a modal window hides, the window
// that was active before it is activated again. Each activation runs the
// window's activation handling.
//
// For the double-click interval of the desktop after it has been shown or
// activated again, a window ignores mouse presses (and the releases that end
// them): the second click of a double-click on a button of the window that
// opened it must not act on whatever lies under the pointer now.
class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(const QString& objectName);
    ~Form() override;

    void Load();
    void Show();
    // Shows the window and returns only when it has been hidden again; the
    // event loop keeps delivering timer ticks and other windows' events.
    void ShowModal();
    void Hide();
    void Unload();

    bool isLoaded() const { return m_loaded; }
    bool isShownModally() const { return m_modalLoop != nullptr; }

    static Form* activeForm();
    // A key pressed anywhere in the window, before the control with the
    // focus sees it; true when the window has handled it.
    bool keyDown(QKeyEvent* event);
    // Called right after a window has been shown modally (tests answer
    // message windows through it). The nested loop runs only if the window
    // is still shown when the hook returns.
    static void setModalHook(std::function<void(Form*)> hook);
    // Forgets which window is active (tests that build fresh windows).
    static void resetActivation();
    // When the mouse or key event being handled now happened, in
    // milliseconds of the monotonic clock (QElapsedTimer's); now when no
    // input event is being handled or its time is not known.
    static qint64 inputEventTime();
    bool isMinimised() const { return windowState() & Qt::WindowMinimized; }
    // The bytes of the window's background held, decoded or coded again in
    // blocks (none while hidden).
    qsizetype backgroundBytes() const {
        return m_blocks.bytes() + m_backdrop.sizeInBytes() +
               qsizetype(m_background.width()) * m_background.height() * m_background.depth() / 8;
    }
    // How many blocks of the background's coded picture have been decoded
    // for this window's paints, and how many the whole picture has.
    qint64 backgroundBlocksDecoded() const { return m_blocksDecoded + m_blocks.blocksDecoded(); }
    int backgroundBlockCount() const { return m_blocks.blockCount(); }

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // The window stops being the active one or is hidden.
    virtual void Form_LostFocus() {}
    virtual void Form_Unload() {}
    // A close request from the window frame. The default ignores it: windows
    // are closed through their own buttons.
    virtual void Form_QueryClose() {}
    // The window's own keys; the default leaves every key to the controls.
    virtual bool Form_KeyDown(QKeyEvent*) { return false; }
    // The player has minimised the window or brought it back.
    virtual void Form_Minimised(bool) {}

    // Design: caption, fixed size in twips, embedded background picture.
    void setDesign(const QString& caption, int widthTwips, int heightTwips,
                   const QString& background);
    // Where the window goes when it is first shown.
    enum class Placement { CentreScreen, CentreOwner };
    void setPlacement(Placement placement) { m_placement = placement; }

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    friend class PressGuard;
    void activate();
    void deactivate();
    void place();
    void letGoOfPictures();
    void releaseBackground();
    void releaseBackingStore();
    // Shown windows come out of a minimised state and to the front.
    void showNormalAndRaise();
    void startPressGuard();
    void clearNativeTitleIfEmpty();

    bool m_loaded = false;
    bool m_placed = false;
    Placement m_placement = Placement::CentreScreen;
    QString m_backgroundName;
    QPixmap m_background;
    // At a whole density: the background's picture kept coded, in blocks
    // decoded for each paint; a picture that cannot be coded so is held
    // decoded whole in m_backdrop.
    JpegBlocks m_blocks;
    qint64 m_blocksDecoded = 0;
    QImage m_backdrop;
    int m_backgroundDensity = 1;
    QEventLoop* m_modalLoop = nullptr;
    Form* m_returnTo = nullptr;
    bool m_emptyCaption = false;
    // Input time (the clock of the mouse events) from which presses are
    // ignored for the double-click interval; negative when none are.
    qint64 m_guardFrom = -1;
    bool m_swallowRelease = false;
};

} // namespace platform
