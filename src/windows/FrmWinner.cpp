#include "windows/FrmWinner.h"

#include "platform/Accessibility.h"
#include "windows/Forms.h"
#include "windows/FrmStats.h"

#include <QKeyEvent>

FrmWinner::FrmWinner() : platform::Form(QStringLiteral("frmWinner")) {
    //: The designed caption of the results window, a placeholder name.
    setDesign(tr("Form1"), 8280, 3885, QStringLiteral(":/embedded/winner.jpg"));
    auto label = [this](int left, int top, int width, int height, const QString& caption,
                        double points, bool underline = false) {
        auto* l = new platform::Label(this);
        l->setRect(left, top, width, height);
        l->setFontSpec(QStringLiteral("Times New Roman"), points, true, false, underline);
        l->setCaption(caption);
        return l;
    };
    lblP1Name = label(840, 780, 2355, 375, QStringLiteral("  Dorvik  "), 14.25, true);
    lblP2Name = label(4920, 780, 2355, 375, QStringLiteral("  Mirela  "), 14.25, true);
    // Row captions of each column: rounds 1 to 5, then "Total".
    const int p1Labels[] = {1, 2, 4, 5, 6, 7};
    const int p2Labels[] = {3, 8, 9, 10, 11, 12};
    for (int row = 0; row < 6; ++row) {
        const int top = row < 5 ? 1260 + 240 * row : 2580;
        const QString caption = row < 5 ? tr("Round %1").arg(row + 1) : tr("Total");
        Label[p1Labels[row]] = label(840, top, 1035, 255, caption, 9.75);
        Label[p2Labels[row]] = label(4920, top, 1035, 255, caption, 9.75);
    }
    for (int r = 1; r <= 5; ++r) {
        lblP1RndScore[r] = label(2280, 1260 + 240 * (r - 1), 915, 255, QStringLiteral("000"), 9.75);
        lblP2RndScore[r] = label(6360, 1260 + 240 * (r - 1), 915, 255, QStringLiteral("000"), 9.75);
    }
    lblP1Total = label(2280, 2520, 915, 315, QStringLiteral("0000"), 14.25);
    lblP2Total = label(6360, 2520, 915, 315, QStringLiteral("0000"), 14.25);
    imgDone = new platform::Picture(this);
    imgDone->setRect(3420, 3180, 1395, 375);
    connect(imgDone, &platform::Picture::MouseDown, this, &FrmWinner::imgDone_MouseDown);
    connect(imgDone, &platform::Picture::MouseUp, this, &FrmWinner::imgDone_MouseUp);
    imgRecord = new platform::Picture(this);
    imgRecord->setRect(1500, 2835, 5280, 315);
    imgRecord->setEmbedded(QStringLiteral(":/embedded/recordplate.jpg"));
    imgRecord->hide();
    lblRecord = label(1500, 2835, 5280, 315, QString(), 9.75);
    lblRecord->hide();
    connect(imgRecord, &platform::Picture::Click, this, &FrmWinner::lblRecord_Click);
    connect(lblRecord, &platform::Label::Click, this, &FrmWinner::lblRecord_Click);
    setAccessibleName(tr("Game Stats"));
    platform::describe(
        imgDone,
        {.role = QAccessible::Button, .name = [] { return tr("Done"); }, .focusable = true});
    platform::describe(
        lblRecord,
        {.role = QAccessible::Button,
         .name = [this] { return tr("%1. Shows the statistics.").arg(lblRecord->caption()); },
         .focusable = true});
    platform::describe(imgRecord, {.role = QAccessible::Graphic, .name = [] { return QString(); }});
}

void FrmWinner::showRecord(const QString& line) {
    lblRecord->setCaption(line);
    imgRecord->setVisible(!line.isEmpty());
    lblRecord->setVisible(!line.isEmpty());
}

QString FrmWinner::recordLine(record::Opponent opponent, const record::Tally& tally) {
    return tr("Against %1: %2 won, %3 lost")
        .arg(record::opponentName(opponent))
        .arg(tally.matchesWon)
        .arg(tally.matchesLost);
}

// The line about the record opens the table it comes from.
void FrmWinner::lblRecord_Click() {
    FrmStats::openFrom(this);
}

void FrmWinner::Form_Load() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
}

void FrmWinner::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneDn.jpg")));
}

void FrmWinner::imgDone_MouseUp() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
    Hide();
}

// ---- Keyboard and screen reader ------------------------------------------------------

// The totals as the window shows them, read out as it opens: the rounds
// played, then the total, for each player.
void FrmWinner::Form_Activate() {
    int rounds = 5;
    while (rounds > 1 && lblP1RndScore[rounds]->caption().toInt() == 0 &&
           lblP2RndScore[rounds]->caption().toInt() == 0)
        --rounds;
    //: Joins the sentences of the results read out: a name, each round, the total.
    auto joined = [](const QString& first, const QString& then) {
        return tr("%1 %2").arg(first, then);
    };
    auto column = [rounds, joined](platform::Label* name,
                                   const std::array<platform::Label*, 6>& scores,
                                   platform::Label* total) {
        QString spoken = tr("%1.").arg(name->caption().trimmed());
        for (int r = 1; r <= rounds; ++r)
            spoken = joined(spoken, tr("Round %1, %2.").arg(r).arg(scores[r]->caption().toInt()));
        return joined(spoken, tr("Total %1.").arg(total->caption().toInt()));
    };
    QString spoken = joined(column(lblP1Name, lblP1RndScore, lblP1Total),
                            column(lblP2Name, lblP2RndScore, lblP2Total));
    // The line about the record against the computer, where it shows.
    if (!lblRecord->isHidden())
        spoken = joined(spoken, tr("%1.").arg(lblRecord->caption()));
    platform::announce(this, spoken);
}

bool FrmWinner::Form_KeyDown(QKeyEvent* event) {
    // F2 opens the statistics, as on the board.
    if (event->key() == Qt::Key_F2 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            FrmStats::openFrom(this);
        return true;
    }
    return platform::pressDoneByKey(event, imgDone);
}
