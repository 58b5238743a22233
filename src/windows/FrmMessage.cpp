#include "windows/FrmMessage.h"

#include "match/FrmMain.h"
#include "platform/Accessibility.h"
#include "windows/Forms.h"
#include "windows/FrmWinner.h"

#include <QKeyEvent>

namespace {
// The message as one line of speech.
QString spokenMessage(const QString& caption) {
    return caption.simplified();
}
} // namespace

FrmMessage::FrmMessage() : platform::Form(QStringLiteral("frmMessage")) {
    //: The designed caption of the message window, a placeholder name.
    setDesign(tr("Form1"), 5265, 1005, QStringLiteral(":/embedded/message.jpg"));
    setPlacement(Placement::CentreOwner);
    lblMsg = new platform::Label(this);
    lblMsg->setRect(240, 180, 3135, 675);
    lblMsg->setFontSpec(QStringLiteral("Arial"), 12, true, true);
    lblMsg->setCaption(tr("Ready for the next round"));
    imgDone = new platform::Picture(this);
    imgDone->setRect(3540, 300, 1395, 375);
    connect(imgDone, &platform::Picture::MouseDown, this, &FrmMessage::imgDone_MouseDown);
    connect(imgDone, &platform::Picture::MouseUp, this, &FrmMessage::imgDone_MouseUp);
    // The screen reader reads the alert as it opens.
    platform::describe(this, {.role = QAccessible::AlertMessage, .name = [this] {
                                  QString message = spokenMessage(lblMsg->caption());
                                  if (!spokenBefore.isEmpty())
                                      message = spokenBefore + QLatin1Char(' ') + message;
                                  return spokenScores.isEmpty()
                                             ? message
                                             : message + QLatin1Char(' ') + spokenScores;
                              }});
    platform::describe(
        imgDone,
        {.role = QAccessible::Button, .name = [] { return tr("Done"); }, .focusable = true});
}

void FrmMessage::Form_Load() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
}

void FrmMessage::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneDn.jpg")));
    imgDone->Refresh();
}

void FrmMessage::imgDone_MouseUp() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
    spokenScores.clear();
    spokenBefore.clear();
    if (frmMain->gblnWinner) {
        Hide();
        frmWinner->ShowModal();
    } else {
        Hide();
    }
}

void FrmMessage::Form_LostFocus() {
    lblMsg->setForeColor(Qt::black);
    spokenScores.clear();
    spokenBefore.clear();
}

// ---- Keyboard and screen reader ------------------------------------------------------

bool FrmMessage::Form_KeyDown(QKeyEvent* event) {
    // The board's hint key, pressed while the message stands in front of
    // the board, says why it does nothing.
    if (event->key() == Qt::Key_H && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            platform::announce(this, tr("Close this message first."));
        return true;
    }
    return platform::pressDoneByKey(event, imgDone);
}
