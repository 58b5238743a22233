#include "windows/FrmStats.h"

#include "platform/Accessibility.h"
#include "windows/Forms.h"

#include <QKeyEvent>

namespace {
const QColor Gold(0xF0, 0xC8, 0x50);
const QColor Cream(0xF6, 0xE4, 0xBE);

// Left and width of each column, in twips.
constexpr int ColumnLeft[] = {360, 2610, 3420, 4230, 5310, 6390, 7830};
constexpr int ColumnWidth[] = {2250, 810, 810, 1080, 1080, 1440, 840};
constexpr int HeaderTop = 960;
// Five rows fit the sunken panel under the header (its lower edge at 3000)
// with the note below it.
constexpr int RowTop = 1380;
constexpr int RowStep = 315;
} // namespace

FrmStats::FrmStats() : platform::Form(QStringLiteral("frmStats")) {
    setDesign(tr("Quorvel  -  Statistics"), 9000, 4500, QStringLiteral(":/embedded/stats.jpg"));
    setPlacement(Placement::CentreOwner);
    setAccessibleName(tr("Statistics"));
    auto label = [this](int left, int top, int width, int height, double points, bool bold,
                        bool italic, const QColor& colour) {
        auto* l = new platform::Label(this);
        l->setRect(left, top, width, height);
        l->setFontSpec(QStringLiteral("Times New Roman"), points, bold, italic);
        l->setForeColor(colour);
        return l;
    };
    const QString headers[Columns] = {tr("Opponent"), tr("Won"),    tr("Lost"),  tr("Rounds"),
                                      tr("Hands"),    tr("Points"), tr("Streak")};
    for (int c = 0; c < Columns; ++c) {
        lblHeader[c] = label(ColumnLeft[c], HeaderTop, ColumnWidth[c], 300, 11, true, false, Gold);
        lblHeader[c]->setCaption(headers[c]);
    }
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            lblCell[r][c] = label(ColumnLeft[c], RowTop + RowStep * r, ColumnWidth[c], RowStep, 12,
                                  true, false, c == Opponent ? Gold : Cream);
    lblNote = label(450, 3090, 8100, 570, 10, false, true, Cream);
    imgReset = new platform::Picture(this);
    imgReset->setRect(2400, 3870, 1395, 375);
    imgDone = new platform::Picture(this);
    imgDone->setRect(5205, 3870, 1395, 375);
    connect(imgReset, &platform::Picture::MouseDown, this, &FrmStats::imgReset_MouseDown);
    connect(imgReset, &platform::Picture::MouseUp, this, &FrmStats::imgReset_MouseUp);
    connect(imgDone, &platform::Picture::MouseDown, this, &FrmStats::imgDone_MouseDown);
    connect(imgDone, &platform::Picture::MouseUp, this, &FrmStats::imgDone_MouseUp);

    // A row is read whole, from its opponent's cell; the other cells are
    // only the same numbers again.
    for (int r = 0; r < Rows; ++r) {
        platform::describe(lblCell[r][Opponent], {.role = QAccessible::StaticText,
                                                  .name = [this, r] { return spokenRow(r); },
                                                  .focusable = true});
        for (int c = Opponent + 1; c < Columns; ++c)
            platform::describe(lblCell[r][c],
                               {.role = QAccessible::StaticText, .name = [] { return QString(); }});
    }
    for (int c = 0; c < Columns; ++c)
        platform::describe(lblHeader[c],
                           {.role = QAccessible::StaticText, .name = [] { return QString(); }});
    platform::describe(
        lblNote, {.role = QAccessible::StaticText, .name = [this] { return lblNote->caption(); }});
    platform::describe(
        imgReset,
        {.role = QAccessible::Button,
         .name = [this] { return m_asking ? tr("Clear the record") : tr("Reset the record"); },
         .focusable = true});
    platform::describe(imgDone,
                       {.role = QAccessible::Button,
                        .name = [this] { return m_asking ? tr("Keep the record") : tr("Done"); },
                        .focusable = true});
}

bool FrmStats::openFrom(platform::Form* window) {
    if (!frmMain || !window || !window->isVisible() || platform::Form::activeForm() != window ||
        (frmStats && frmStats->isVisible()))
        return false;
    statsForm()->ShowModal();
    return true;
}

QString FrmStats::spokenRow(int row) const {
    const record::Tally& t = m_tally[row];
    const QString opponent = record::opponentName(record::AllOpponents[row]);
    if (t.matchesWon + t.matchesLost + t.handsWon + t.handsLost + t.handsDrawn == 0)
        return tr("%1: nothing played yet.").arg(opponent);
    return tr("%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 "
              "lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.")
        .arg(opponent)
        .arg(t.matchesWon)
        .arg(t.matchesLost)
        .arg(t.roundsWon)
        .arg(t.roundsLost)
        .arg(t.handsWon)
        .arg(t.handsLost)
        .arg(t.handsDrawn)
        .arg(t.pointsFor)
        .arg(t.pointsAgainst)
        .arg(t.longestStreak);
}

// ---- Load and activation ---------------------------------------------

void FrmStats::Form_Load() {
    m_asking = false;
    showButtons();
}

// The table is read again each time the window comes up: a match may have
// ended since.
void FrmStats::Form_Activate() {
    fill();
    QString spoken = tr("Statistics.");
    for (int r = 0; r < Rows; ++r)
        spoken += QLatin1Char(' ') + spokenRow(r);
    platform::announce(this, spoken);
}

void FrmStats::fill() {
    record::Record& record = record::Record::instance();
    for (int r = 0; r < Rows; ++r) {
        const record::Tally t = record.tally(record::AllOpponents[r]);
        m_tally[r] = t;
        const QString pair = tr("%1–%2", "yours and the opponent's");
        lblCell[r][Opponent]->setCaption(record::opponentName(record::AllOpponents[r]));
        lblCell[r][Won]->setCaption(QString::number(t.matchesWon));
        lblCell[r][Lost]->setCaption(QString::number(t.matchesLost));
        lblCell[r][Rounds]->setCaption(pair.arg(t.roundsWon).arg(t.roundsLost));
        lblCell[r][Hands]->setCaption(pair.arg(t.handsWon).arg(t.handsLost));
        lblCell[r][Points]->setCaption(pair.arg(t.pointsFor).arg(t.pointsAgainst));
        lblCell[r][Streak]->setCaption(QString::number(t.longestStreak));
        platform::descriptionChanged(lblCell[r][Opponent]);
    }
    if (m_asking)
        lblNote->setCaption(tr("Clear the whole record of matches? This cannot be undone."));
    else if (!record.isAvailable())
        lblNote->setCaption(tr("The record cannot be kept: %1").arg(record.problem()));
    else
        lblNote->setCaption(tr("Rounds, hands and points: yours, then your opponent's. Streak: "
                               "the most matches won in a row."));
}

void FrmStats::showButtons() {
    imgReset->LoadPicture(pictureName(m_asking ? QStringLiteral("\\images\\ClearUp.jpg")
                                               : QStringLiteral("\\images\\ResetUp.jpg")));
    imgReset->Refresh();
    imgDone->LoadPicture(pictureName(m_asking ? QStringLiteral("\\images\\KeepUp.jpg")
                                              : QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
    platform::descriptionChanged(imgReset);
    platform::descriptionChanged(imgDone);
}

// ---- Clicks ------------------------------------------------------------

void FrmStats::imgReset_MouseDown() {
    imgReset->LoadPicture(pictureName(m_asking ? QStringLiteral("\\images\\ClearDn.jpg")
                                               : QStringLiteral("\\images\\ResetDn.jpg")));
    imgReset->Refresh();
}

// The first press asks; Clear, pressed while asking, empties the record.
void FrmStats::imgReset_MouseUp() {
    if (!m_asking) {
        m_asking = true;
        showButtons();
        fill();
        platform::announce(this, lblNote->caption());
        return;
    }
    m_asking = false;
    const bool cleared = record::Record::instance().reset();
    showButtons();
    fill();
    if (cleared)
        lblNote->setCaption(tr("The record has been cleared."));
    platform::announce(this, lblNote->caption());
}

void FrmStats::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(m_asking ? QStringLiteral("\\images\\KeepDn.jpg")
                                              : QStringLiteral("\\images\\DoneDn.jpg")));
    imgDone->Refresh();
}

// Done hides the window; Keep, while the reset asks, keeps the record and
// the window.
void FrmStats::imgDone_MouseUp() {
    if (m_asking) {
        m_asking = false;
        showButtons();
        fill();
        platform::announce(this, tr("The record has been kept."));
        return;
    }
    showButtons();
    Hide();
}

// ---- Keyboard -------------------------------------------------------------

bool FrmStats::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->isAutoRepeat())
        return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (mods == Qt::NoModifier && key == Qt::Key_Escape) {
        platform::pressControl(imgDone);
        return true;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // Enter presses the focused button, and Done from anywhere else.
        QWidget* focus = focusWidget();
        platform::pressControl(focus == imgReset ? imgReset : imgDone);
        return true;
    }
    if (mods == Qt::AltModifier && key == Qt::Key_R) {
        platform::pressControl(imgReset);
        return true;
    }
    return false;
}
