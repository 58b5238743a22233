#include "windows/FrmHelp.h"

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"
#include "platform/RawPicture.h"
#include "platform/RtfReader.h"
#include "platform/Translations.h"
#include "windows/Forms.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace {
QFont rulesFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    return font;
}
} // namespace

FrmHelp::FrmHelp() : platform::Form(QStringLiteral("frmHelp")) {
    setDesign(tr("Quorvel  -  Help"), 8820, 7845, QStringLiteral(":/embedded/main.jpg"));
    setPlacement(Placement::CentreOwner);
    setWindowIcon(platform::rawPictureIcon(QStringLiteral(":/embedded/icon.argb")));
    m_rules = new QTextDocument(this);
    m_rules->setDefaultFont(rulesFont().resolve(font()));
    imgDone = new platform::Picture(this);
    imgDone->setRect(3743, 7140, 1335, 375);
    connect(imgDone, &platform::Picture::MouseDown, this, &FrmHelp::imgDone_MouseDown);
    connect(imgDone, &platform::Picture::MouseUp, this, &FrmHelp::imgDone_MouseUp);
    setAccessibleName(tr("Quorvel help"));
    platform::describe(
        imgDone,
        {.role = QAccessible::Button, .name = [] { return tr("Done"); }, .focusable = true});
}

// The text box over the window's upper part, made before the window first
// shows: its text box and scroll bars take about a third of a megabyte that a
// match without the rules never needs. It stays until the program ends.
void FrmHelp::makeTextBox() {
    if (rtfHelp)
        return;
    rtfHelp = new QTextBrowser(this);
    rtfHelp->setGeometry(platform::twipsRect(180, 180, 8475, 6675));
    rtfHelp->setOpenLinks(false);
    rtfHelp->setDocument(m_rules);
    rtfHelp->setFont(rulesFont());
    // Done after it again, as when the text box was made with the window:
    // the focus goes to the rules when the window shows, and the screen
    // reader and Tab go from the rules to Done. Made anew as a child, Done
    // comes last among the window's controls and in its focus order.
    imgDone->setParent(nullptr);
    imgDone->setParent(this);
    imgDone->show();
    platform::describeDocument(rtfHelp, [this] { return tr("Rules"); });
    rtfHelp->moveCursor(QTextCursor::Start);
    rtfHelp->verticalScrollBar()->setValue(0);
}

void FrmHelp::setVisible(bool visible) {
    if (visible)
        makeTextBox();
    platform::Form::setVisible(visible);
}

// The rules in the player's language where they are translated; a missing,
// unreadable or damaged document ends the program.
void FrmHelp::readRules() {
    const QString file =
        platform::nativeFileName(pictureName(platform::rulesDocument(platform::currentLanguage())));
    QFile rules(file);
    if (!rules.exists())
        platform::fatal(tr("The rules document \"%1\" is missing.").arg(file));
    if (!rules.open(QIODevice::ReadOnly))
        platform::fatal(
            tr("The rules document \"%1\" cannot be read: %2").arg(file, rules.errorString()));
    // The document is small; anything beyond a few megabytes is not ours.
    // Read as long as it is, not into a buffer of the largest size allowed.
    constexpr qint64 Largest = 16 * 1024 * 1024;
    const QByteArray data = rules.read(qBound<qint64>(0, rules.size(), Largest));
    const platform::RtfResult result = platform::readRtf(data, m_rules, m_rules->defaultFont());
    if (!result.ok)
        platform::fatal(
            tr("The rules document \"%1\" cannot be shown: %2").arg(file, result.problem));
}

void FrmHelp::Form_Load() {
    imgDone->LoadPicture(pictureName(QStringLiteral("/images/DoneUp.jpg")));
    readRules();
    if (rtfHelp) {
        rtfHelp->moveCursor(QTextCursor::Start);
        rtfHelp->verticalScrollBar()->setValue(0);
    }
}

void FrmHelp::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(QStringLiteral("/images/DoneDn.jpg")));
}

void FrmHelp::imgDone_MouseUp() {
    imgDone->LoadPicture(pictureName(QStringLiteral("/images/DoneUp.jpg")));
    if (gstrCaller == QLatin1String("Main"))
        frmMain->Show();
    else
        frmOptions->Show();
    Hide();
    gstrCaller.clear();
    Unload();
}

// ---- Keyboard ------------------------------------------------------------------------

bool FrmHelp::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            platform::pressControl(imgDone);
        return true;
    }
    // The keys that scroll move the caret in the rules, wherever the focus
    // is, and the text scrolls with it: a screen reader reads the line the
    // caret reaches. Home and End go to the start and the end.
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown && key != Qt::Key_Home &&
        key != Qt::Key_End)
        return false;
    // The browser lays a long document out in the background; the rest is laid out
    // now, so that the scroll range already reaches the document's true end.
    QTextDocument* document = rtfHelp->document();
    document->documentLayout()->blockBoundingRect(document->lastBlock());
    rtfHelp->setFocus(Qt::OtherFocusReason);
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        rtfHelp->moveCursor(key == Qt::Key_Home ? QTextCursor::Start : QTextCursor::End);
        rtfHelp->verticalScrollBar()->triggerAction(key == Qt::Key_Home
                                                        ? QAbstractSlider::SliderToMinimum
                                                        : QAbstractSlider::SliderToMaximum);
        return true;
    }
    // Page Up and Page Down reach the rules themselves.
    return false;
}
