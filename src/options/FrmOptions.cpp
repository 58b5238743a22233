#include "options/FrmOptions.h"

#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "options/ComputerChoice.h"
#include "platform/Accessibility.h"
#include "platform/DropDown.h"
#include "seats/ComputerSeat.h"
#include "seats/PersonSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"

#include <QKeyEvent>

FrmOptions::FrmOptions() : platform::Form(QStringLiteral("frmOptions")) {
    using platform::Label;
    using platform::Picture;
    using platform::TextBox;
    setDesign(QString(), 4680, 6180, QStringLiteral(":/embedded/options.jpg"));

    auto nameBox = [this](int left, int top, const QString& text, const QColor& colour) {
        auto* box = new TextBox(this);
        box->setRect(left, top, 3075, 380);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSizeF(14.25);
        f.setBold(true);
        box->setFont(f);
        QPalette p = box->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Text, colour);
            p.setColor(group, QPalette::Base, QColor(0xFF, 0xE0, 0xC0));
        }
        box->setPalette(p);
        box->setText(text);
        connect(box, &TextBox::GotFocus, this, [this, box] { txtPlayerName_GotFocus(box); });
        return box;
    };
    txtPlayer1Name = nameBox(765, 660, QStringLiteral("Dorvik"), QColor(0xC0, 0, 0));
    txtPlayer2Name = nameBox(780, 1715, options::startingPlayer2Name(), QColor(0, 0, 0xC0));
    lstPlayer2Name = new platform::DropDown(txtPlayer2Name,
                                            options::computerNames() + options::networkChoices());
    setTabOrder(txtPlayer1Name, txtPlayer2Name);

    auto mark = [this](int index, int left, int top, int width, int height) {
        auto* label = new Label(this, index);
        label->setRect(left, top, width, height);
        label->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true, true);
        label->setForeColor(QColor(0xFF, 0, 0));
        label->setCaption(QStringLiteral("X"));
        return label;
    };
    lblHandOpt[0] = mark(0, 660, 3070, 435, 375);
    lblHandOpt[1] = mark(1, 660, 3490, 435, 375);
    lblRuleOpts[0] = mark(0, 650, 4050, 495, 435);
    lblRuleOpts[1] = mark(1, 650, 4470, 495, 435);
    for (Label* l : lblHandOpt)
        connect(l, &Label::Click, this, &FrmOptions::lblHandOpt_Click);
    for (Label* l : lblRuleOpts)
        connect(l, &Label::Click, this, &FrmOptions::lblRuleOpts_Click);

    imgHelp = new Picture(this);
    imgHelp->setRect(2625, 5340, 1395, 375);
    imgDone = new Picture(this);
    imgDone->setRect(645, 5340, 1395, 375);
    connect(imgDone, &Picture::MouseDown, this, &FrmOptions::imgDone_MouseDown);
    connect(imgDone, &Picture::MouseUp, this, &FrmOptions::imgDone_MouseUp);
    connect(imgHelp, &Picture::MouseDown, this, &FrmOptions::imgHelp_MouseDown);
    connect(imgHelp, &Picture::MouseUp, this, &FrmOptions::imgHelp_MouseUp);
    describeControls();
}

std::optional<computer::Level> FrmOptions::player2Computer() const {
    return options::computerLevel(gstrPlayer2Name);
}

// The names take the texts of the boxes the player could edit. A disabled
// box (Options during a match) shows the name in force, whatever reached it
// around the disabled box: the names and who plays stay fixed for the match.
void FrmOptions::readNames() {
    for (auto [box, name] : {std::pair{txtPlayer1Name, &gstrPlayer1Name},
                             std::pair{txtPlayer2Name, &gstrPlayer2Name}}) {
        if (box->isEnabled())
            *name = box->Text();
        else if (box->Text() != *name)
            box->setText(*name);
    }
    takeSeats();
}

// Player 2's name decides who plays that side: the computer at the level it
// names, or a person here. A player across the network keeps his seat for
// as long as his match runs; it ends by New Game, Exit or the connection.
void FrmOptions::takeSeats() {
    if (lobby::matchRunning())
        return;
    if (const std::optional<computer::Level> level = player2Computer()) {
        seats::computer(2)->setLevel(*level);
        seats::setSeat(2, seats::computer(2));
    } else {
        seats::setSeat(2, seats::person(2));
    }
}

void FrmOptions::Form_Load() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgHelp->LoadPicture(pictureName(QStringLiteral("\\images\\HelpUp.jpg")));
    gstrPlayer1Name = txtPlayer1Name->Text();
    gstrPlayer2Name = txtPlayer2Name->Text();
    takeSeats();
    gblnBasic = true;
    gblnHand = false;
    lblRuleOpts[0]->setCaption(QStringLiteral("X"));
    lblRuleOpts[1]->setCaption(QString());
    lblHandOpt[0]->setCaption(QString());
    lblHandOpt[1]->setCaption(QStringLiteral("X"));
    gintWinHigh = 150;
}

void FrmOptions::Form_Activate() {
    readNames();
    if (frmMain->gblnNewGame) {
        setEditable(true);
        txtPlayer1Name->SetFocus();
    } else {
        setEditable(false);
    }
}

void FrmOptions::setEditable(bool editable) {
    txtPlayer1Name->setEnabled(editable);
    txtPlayer2Name->setEnabled(editable);
    for (platform::Label* l : lblHandOpt)
        l->setEnabled(editable);
    for (platform::Label* l : lblRuleOpts)
        l->setEnabled(editable);
}

void FrmOptions::lblHandOpt_Click(int Index) {
    if (Index == 0) {
        lblHandOpt[0]->setCaption(QStringLiteral("X"));
        lblHandOpt[1]->setCaption(QString());
        gblnHand = true;
    } else {
        lblHandOpt[0]->setCaption(QString());
        lblHandOpt[1]->setCaption(QStringLiteral("X"));
        gblnHand = false;
    }
}

void FrmOptions::lblRuleOpts_Click(int Index) {
    if (Index == 0) {
        lblRuleOpts[0]->setCaption(QStringLiteral("X"));
        gblnBasic = true;
        lblRuleOpts[1]->setCaption(QString());
        gblnBasicCombo = false;
        gintWinHigh = 150;
    } else if (Index == 1) {
        lblRuleOpts[0]->setCaption(QString());
        gblnBasic = false;
        lblRuleOpts[1]->setCaption(QStringLiteral("X"));
        gblnBasicCombo = true;
        gintWinHigh = 200;
    }
}

void FrmOptions::txtPlayerName_GotFocus(platform::TextBox* box) {
    box->setSelStart(0);
    box->setSelLength(box->Text().size());
}

void FrmOptions::imgDone_MouseDown() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneDn.jpg")));
}

void FrmOptions::imgDone_MouseUp() {
    imgDone->LoadPicture(pictureName(QStringLiteral("\\images\\DoneUp.jpg")));
    imgDone->Refresh();
    readNames();
    Hide();
    if (!frmMain->gblnNewGame)
        frmMain->Show();
    else if (options::networkChoice(gstrPlayer2Name) == options::NetworkChoice::Host)
        lobby::hostGame();
    else if (options::networkChoice(gstrPlayer2Name) == options::NetworkChoice::Join)
        lobby::joinGame();
    else
        frmPlayer1->Show();
}

void FrmOptions::imgHelp_MouseDown() {
    imgHelp->LoadPicture(pictureName(QStringLiteral("\\images\\HelpDn.jpg")));
}

void FrmOptions::imgHelp_MouseUp() {
    imgHelp->LoadPicture(pictureName(QStringLiteral("\\images\\HelpUp.jpg")));
    imgHelp->Refresh();
    frmHelp->gstrCaller = QStringLiteral("Options");
    frmHelp->Show();
    Hide();
}

// ---- Keyboard and screen reader ------------------------------------------------------

void FrmOptions::describeControls() {
    setAccessibleName(tr("Options"));
    txtPlayer1Name->setAccessibleName(tr("Player 1 name"));
    txtPlayer2Name->setAccessibleName(tr("Player 2 name"));
    txtPlayer2Name->setAccessibleDescription(
        tr("Has a list of the computer's levels and of network games, opened with Alt+Down."));
    const std::pair<platform::Label*, const char*> marks[] = {
        {lblHandOpt[0], QT_TR_NOOP("Open Hand")},
        {lblHandOpt[1], QT_TR_NOOP("Closed Hand")},
        {lblRuleOpts[0], QT_TR_NOOP("Basic Rules")},
        {lblRuleOpts[1], QT_TR_NOOP("Basic Combo Rules")}};
    for (const auto& [mark, words] : marks) {
        const char* source = words;
        platform::Label* label = mark;
        platform::describe(label, {.role = QAccessible::RadioButton,
                                   .name = [source] { return tr(source); },
                                   .checked = [label] { return !label->caption().isEmpty(); },
                                   .focusable = true});
    }
    // Connected after the click handlers: a click changes both marks of its option.
    for (auto* group : {&lblHandOpt, &lblRuleOpts})
        for (platform::Label* label : *group)
            connect(label, &platform::Label::Click, this, [group] {
                for (platform::Label* each : *group)
                    platform::descriptionChanged(each);
            });
    platform::describe(
        imgDone,
        {.role = QAccessible::Button, .name = [] { return tr("Done"); }, .focusable = true});
    platform::describe(
        imgHelp,
        {.role = QAccessible::Button, .name = [] { return tr("Help"); }, .focusable = true});
    // The designed tab order: the two names, then the marks and the buttons.
    QWidget* order[] = {txtPlayer1Name, txtPlayer2Name, lblHandOpt[0], lblHandOpt[1],
                        lblRuleOpts[0], lblRuleOpts[1], imgDone,       imgHelp};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool FrmOptions::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    platform::Picture* button = key == Qt::Key_Return || key == Qt::Key_Enter ? imgDone
                                : key == Qt::Key_F1                           ? imgHelp
                                                                              : nullptr;
    if (!button)
        return false;
    if (!event->isAutoRepeat())
        platform::pressControl(button);
    return true;
}
