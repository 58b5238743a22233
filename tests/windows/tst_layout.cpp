#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmWinner.h"

#include <QApplication>
#include <QFontInfo>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>

#include <cmath>
#include <memory>

namespace {

// Design units to screen pixels at the design resolution (15 twips a pixel),
// rounded to the nearest pixel.
int px(int twipsValue) {
    return static_cast<int>(std::lround(twipsValue / 15.0));
}

QRect designRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// How a picture control shows its picture; NotAPicture for other controls.
enum Fit { NotAPicture, Stretched, NaturalSize };

const QColor Silver(0xE0, 0xE0, 0xE0);
const QColor Pale(0xFF, 0xFF, 0x80);
const QColor MarkRed(0xFF, 0x00, 0x00);
const QColor Black(0, 0, 0);
const QString Serif = QStringLiteral("Liberation Serif");
const QString Sans = QStringLiteral("Liberation Sans");

struct Font {
    QString family;
    double points;
    bool bold, italic, underline;
};

} // namespace

// Every window against its layout table: control rectangles, design-time
// visibility, how pictures are fitted, label fonts, colours and captions.
// Windows are checked as built, before they are loaded.
class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();

    void windows_data();
    void windows();
    void stacking_data();
    void stacking();

    void mainWindow_data();
    void mainWindow() { checkControl(); }
    void optionsWindow_data();
    void optionsWindow() { checkControl(); }
    void selectionWindows_data();
    void selectionWindows() { checkControl(); }
    void helpWindow_data();
    void helpWindow() { checkControl(); }
    void messageWindow_data();
    void messageWindow() { checkControl(); }
    void resultWindow_data();
    void resultWindow() { checkControl(); }

    void embeddedPictureSizes_data();
    void embeddedPictureSizes();
    void optionNameBoxes_data();
    void optionNameBoxes();
    void helpTextFontAndBackground();
    void nothingMovesDuringAHand();

  private:
    static void columns();
    static void picture(const char* name, QWidget* control, int left, int top, int width,
                        int height, Fit fit, bool visible = true);
    static void label(const char* name, QWidget* control, int left, int top, int width, int height,
                      const Font& font, const QColor& colour, const QString& caption);
    static void checkControl();

    std::unique_ptr<Game> m_game;
};

void LayoutTest::initTestCase() {
    m_game = std::make_unique<Game>();
    createForms();
}

void LayoutTest::cleanupTestCase() {
    m_game.reset();
}

void LayoutTest::columns() {
    QTest::addColumn<QWidget*>("control");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("fit");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("style"); // bit 0 bold, 1 italic, 2 underline
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("caption");
}

void LayoutTest::picture(const char* name, QWidget* control, int left, int top, int width,
                         int height, Fit fit, bool visible) {
    QTest::newRow(name) << control << designRect(left, top, width, height) << visible << int(fit)
                        << QString() << 0.0 << 0 << QColor() << QString();
}

void LayoutTest::label(const char* name, QWidget* control, int left, int top, int width, int height,
                       const Font& font, const QColor& colour, const QString& caption) {
    const int style = (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0);
    QTest::newRow(name) << control << designRect(left, top, width, height) << true
                        << int(NotAPicture) << font.family << font.points << style << colour
                        << caption;
}

void LayoutTest::checkControl() {
    QFETCH(QWidget*, control);
    QFETCH(QRect, rect);
    QFETCH(bool, visible);
    QFETCH(int, fit);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, style);
    QFETCH(QColor, colour);
    QFETCH(QString, caption);

    QVERIFY(control);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(!control->isHidden(), visible);

    if (fit != NotAPicture) {
        auto* picture = qobject_cast<platform::Picture*>(control);
        QVERIFY2(picture, "the control is not a picture");
        QCOMPARE(picture->stretch(), fit == Stretched);
    }
    if (!family.isEmpty()) {
        const QFont font = control->font();
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bool(style & 1));
        QCOMPARE(font.italic(), bool(style & 2));
        QCOMPARE(font.underline(), bool(style & 4));
    }
    if (colour.isValid()) {
        auto* label = qobject_cast<platform::Label*>(control);
        QVERIFY2(label, "the control is not a label");
        QCOMPARE(label->foreColor(), colour);
        // What the player sees is the palette's text colour, in every state.
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), colour);
        QCOMPARE(label->palette().color(QPalette::Disabled, QPalette::WindowText), colour);
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->text(), caption);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QVERIFY(label->wordWrap());
    }
}

void LayoutTest::windows_data() {
    QTest::addColumn<platform::Form*>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("icon");
    auto row = [](const char* name, platform::Form* form, const char* caption, int w, int h,
                  bool icon) {
        QTest::newRow(name) << form << QString::fromLatin1(caption) << QSize(px(w), px(h)) << icon;
    };
    row("frmSplash", frmSplash, "Form1", 6735, 4485, false);
    row("frmMain", frmMain, "Quorvel", 8880, 7875, true);
    row("frmOptions", frmOptions, "", 4680, 6180, false);
    row("frmPlayer1", frmPlayer1, "Quorvel  -  Player 1", 8820, 3300, false);
    row("frmPlayer2", frmPlayer2, "Quorvel  -  Player 2", 8820, 3300, false);
    row("frmHelp", frmHelp, "Quorvel  -  Help", 8820, 7845, true);
    row("frmMessage", frmMessage, "Form1", 5265, 1005, false);
    row("frmWinner", frmWinner, "Form1", 8280, 3885, false);
}

void LayoutTest::windows() {
    QFETCH(platform::Form*, form);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(bool, icon);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->size(), size);
    // Fixed size: the frame offers no resizing.
    QCOMPARE(form->minimumSize(), size);
    QCOMPARE(form->maximumSize(), size);
    if (icon) {
        const QIcon windowIcon = form->windowIcon();
        QVERIFY(!windowIcon.isNull());
        QCOMPARE(windowIcon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
        // Both windows that carry an icon carry the same picture.
        QCOMPARE(windowIcon.pixmap(32, 32).toImage(),
                 frmMain->windowIcon().pixmap(32, 32).toImage());
        // The picture is the icon's PNG source, as Qt would make an icon of
        // the file: the same sizes, and at each the same pixels.
        const QIcon source(QStringLiteral(QUORVEL_BINARY_DIR "/embedded/icon.png"));
        QCOMPARE(windowIcon.availableSizes(), source.availableSizes());
        for (const QSize& size : source.availableSizes()) {
            QCOMPARE(windowIcon.pixmap(size).devicePixelRatio(),
                     source.pixmap(size).devicePixelRatio());
            QCOMPARE(windowIcon.pixmap(size).toImage(), source.pixmap(size).toImage());
        }
    }
    // The background picture fills the whole window.
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.size(), size);
    const QColor corner = shot.pixelColor(size.width() - 2, size.height() - 2);
    QVERIFY2(corner != form->palette().color(QPalette::Window),
             "the bottom-right corner shows the bare window colour");
}

void LayoutTest::stacking_data() {
    QTest::addColumn<QWidget*>("front");
    QTest::addColumn<QWidget*>("behind");
    for (int s = 1; s <= 5; ++s) {
        QTest::addRow("main imgP1(%d) over imgP1Select(%d)", s, s)
            << static_cast<QWidget*>(frmMain->imgP1[s])
            << static_cast<QWidget*>(frmMain->imgP1Select[s]);
        QTest::addRow("main imgP2(%d) over imgP2Select(%d)", s, s)
            << static_cast<QWidget*>(frmMain->imgP2[s])
            << static_cast<QWidget*>(frmMain->imgP2Select[s]);
    }
    for (int l = 4; l <= 6; ++l)
        QTest::addRow("main imgBegin over imgBoard(%d)", l)
            << static_cast<QWidget*>(frmMain->imgBegin)
            << static_cast<QWidget*>(frmMain->imgBoard[l]);
    for (FrmPlayer* window : {frmPlayer1, frmPlayer2})
        for (int i = 1; i <= 8; ++i)
            QTest::addRow("%s imgCard(%d) over imgSelect(%d)", qPrintable(window->objectName()), i,
                          i)
                << static_cast<QWidget*>(window->imgCard[i])
                << static_cast<QWidget*>(window->imgSelect[i]);
}

void LayoutTest::stacking() {
    QFETCH(QWidget*, front);
    QFETCH(QWidget*, behind);
    QCOMPARE(front->parentWidget(), behind->parentWidget());
    QVERIFY(front->geometry().intersects(behind->geometry()));
    const QObjectList siblings = front->parentWidget()->children();
    QVERIFY2(siblings.indexOf(front) > siblings.indexOf(behind), "drawn behind, not in front");
    // And where they overlap, the mouse reaches the front control.
    const QPoint middle = front->geometry().intersected(behind->geometry()).center();
    const bool wasHidden = behind->isHidden();
    behind->show();
    QWidget* hit = front->parentWidget()->childAt(middle);
    behind->setHidden(wasHidden);
    QCOMPARE(hit, front);
}

void LayoutTest::mainWindow_data() {
    columns();
    const Font nameFont{Serif, 18, true, false, false};
    const Font scoreFont{Serif, 18, false, false, false};
    const int lightTop[] = {6690, 6180, 5685};
    for (int i = 0; i < 3; ++i) {
        picture(qPrintable(QStringLiteral("imgRedLight(%1)").arg(i)), frmMain->imgRedLight[i], 3120,
                lightTop[i], 375, 375, Stretched);
        picture(qPrintable(QStringLiteral("imgBlueLight(%1)").arg(i)), frmMain->imgBlueLight[i],
                5400, lightTop[i], 375, 375, Stretched);
    }
    picture("imgBegin", frmMain->imgBegin, 2940, 2400, 3000, 1005, NaturalSize);
    label("lblPlayer2Score", frmMain->lblPlayer2Score, 6240, 7020, 1575, 315, scoreFont, Pale,
          QStringLiteral("000"));
    label("lblPlayer1Score", frmMain->lblPlayer1Score, 990, 7020, 1575, 315, scoreFont, Pale,
          QStringLiteral("000"));
    const int boardLeft[] = {2805, 3945, 5085};
    const int boardTop[] = {386, 2126, 3866};
    for (int l = 1; l <= 9; ++l)
        picture(qPrintable(QStringLiteral("imgBoard(%1)").arg(l)), frmMain->imgBoard[l],
                boardLeft[(l - 1) % 3], boardTop[(l - 1) / 3], 990, 1620, Stretched);
    label("lblPlayer2Name", frmMain->lblPlayer2Name, 5850, 6540, 2355, 435, nameFont, Silver,
          QString());
    label("lblPlayer1Name", frmMain->lblPlayer1Name, 600, 6540, 2355, 435, nameFont, Silver,
          QString());
    picture("imgPlayer1", frmMain->imgPlayer1, 840, 6000, 1875, 495, Stretched);
    picture("imgPlayer2", frmMain->imgPlayer2, 6060, 6000, 1935, 480, Stretched);
    picture("imgHelp", frmMain->imgHelp, 3743, 6666, 1395, 375, Stretched);
    picture("imgNewGame", frmMain->imgNewGame, 3743, 5666, 1395, 375, Stretched);
    picture("imgOptions", frmMain->imgOptions, 3743, 6166, 1395, 375, Stretched);
    picture("imgExit", frmMain->imgExit, 3743, 7166, 1395, 375, Stretched);
    const int p1Left[] = {315, 945, 1605, 480, 1095};
    const int p2Left[] = {7575, 6915, 6285, 7395, 6735};
    const int handTop[] = {386, 1346, 2306, 3026, 3986};
    for (int s = 1; s <= 5; ++s) {
        const int left1 = p1Left[s - 1], left2 = p2Left[s - 1], top = handTop[s - 1];
        picture(qPrintable(QStringLiteral("imgP1(%1)").arg(s)), frmMain->imgP1[s], left1, top, 990,
                1620, Stretched);
        picture(qPrintable(QStringLiteral("imgP1Select(%1)").arg(s)), frmMain->imgP1Select[s],
                left1 - 67, top - 52, 1125, 1725, Stretched, false);
        picture(qPrintable(QStringLiteral("imgP2(%1)").arg(s)), frmMain->imgP2[s], left2, top, 990,
                1620, Stretched);
        picture(qPrintable(QStringLiteral("imgP2Select(%1)").arg(s)), frmMain->imgP2Select[s],
                left2 - 67, top - 52, 1125, 1725, Stretched, false);
    }
}

void LayoutTest::optionsWindow_data() {
    columns();
    const Font markFont{Sans, 18, true, true, false};
    const QString x = QStringLiteral("X");
    label("lblHandOpt(0)", frmOptions->lblHandOpt[0], 660, 3070, 435, 375, markFont, MarkRed, x);
    label("lblHandOpt(1)", frmOptions->lblHandOpt[1], 660, 3490, 435, 375, markFont, MarkRed, x);
    label("lblRuleOpts(0)", frmOptions->lblRuleOpts[0], 650, 4050, 495, 435, markFont, MarkRed, x);
    label("lblRuleOpts(1)", frmOptions->lblRuleOpts[1], 650, 4470, 495, 435, markFont, MarkRed, x);
    picture("imgHelp", frmOptions->imgHelp, 2625, 5340, 1395, 375, Stretched);
    picture("imgDone", frmOptions->imgDone, 645, 5340, 1395, 375, Stretched);
    // The name boxes' rectangles; their fonts and colours are checked apart.
    picture("txtPlayer1Name", frmOptions->txtPlayer1Name, 765, 660, 3075, 380, NotAPicture);
    picture("txtPlayer2Name", frmOptions->txtPlayer2Name, 780, 1715, 3075, 380, NotAPicture);
}

void LayoutTest::selectionWindows_data() {
    columns();
    const Font nameFont{Serif, 14.25, true, true, false};
    struct Row {
        FrmPlayer* window;
        int msgTop, nameTop, nameHeight, plateTop, plateHeight, doneTop, selectTop;
        const char* caption;
    };
    for (const Row& r : {Row{frmPlayer1, 300, 960, 375, 360, 435, 600, 1560, "Player 1"},
                         Row{frmPlayer2, 299, 956, 373, 358, 433, 597, 1553, "Player 2"}}) {
        const QString w = r.window->objectName() + QLatin1Char(' ');
        picture(qPrintable(w + QStringLiteral("imgMsg")), r.window->imgMsg, 3000, r.msgTop, 3000,
                1005, NaturalSize);
        label(qPrintable(w + QStringLiteral("lblName")), r.window->lblName, 360, r.nameTop, 2175,
              r.nameHeight, nameFont, Silver, QString::fromLatin1(r.caption));
        picture(qPrintable(w + QStringLiteral("imgPlayer")), r.window->imgPlate, 540, r.plateTop,
                1815, r.plateHeight, Stretched);
        picture(qPrintable(w + QStringLiteral("imgDone")), r.window->imgDone, 6780, r.doneTop, 1395,
                375, Stretched);
        for (int i = 1; i <= 8; ++i) {
            picture(qPrintable(w + QStringLiteral("imgCard(%1)").arg(i)), r.window->imgCard[i],
                    443 + 1020 * (i - 1), 1620, 795, 1275, Stretched);
            picture(qPrintable(w + QStringLiteral("imgSelect(%1)").arg(i)), r.window->imgSelect[i],
                    360 + 1020 * (i - 1), r.selectTop, 975, 1395, Stretched, false);
        }
    }
}

void LayoutTest::helpWindow_data() {
    columns();
    // The rules' text box is made when the window first shows, not with it.
    QVERIFY(!frmHelp->rtfHelp);
    frmHelp->Show();
    frmHelp->Hide();
    QVERIFY(frmHelp->rtfHelp);
    picture("imgDone", frmHelp->imgDone, 3743, 7140, 1335, 375, Stretched);
    picture("rtfHelp", frmHelp->rtfHelp, 180, 180, 8475, 6675, NotAPicture);
}

void LayoutTest::messageWindow_data() {
    columns();
    label("lblMsg", frmMessage->lblMsg, 240, 180, 3135, 675, Font{Sans, 12, true, true, false},
          Black, QStringLiteral("Ready for the next round"));
    picture("imgDone", frmMessage->imgDone, 3540, 300, 1395, 375, Stretched);
}

void LayoutTest::resultWindow_data() {
    columns();
    const Font nameFont{Serif, 14.25, true, false, true};
    const Font rowFont{Serif, 9.75, true, false, false};
    const Font totalFont{Serif, 14.25, true, false, false};
    label("lblP1Name", frmWinner->lblP1Name, 840, 780, 2355, 375, nameFont, Black,
          QStringLiteral("  Dorvik  "));
    label("lblP2Name", frmWinner->lblP2Name, 4920, 780, 2355, 375, nameFont, Black,
          QStringLiteral("  Mirela  "));
    const int p1Captions[] = {1, 2, 4, 5, 6};
    const int p2Captions[] = {3, 8, 9, 10, 11};
    for (int r = 1; r <= 5; ++r) {
        const int top = 1260 + 240 * (r - 1);
        const QString round = QStringLiteral("Round %1").arg(r);
        label(qPrintable(QStringLiteral("Label%1").arg(p1Captions[r - 1])),
              frmWinner->Label[p1Captions[r - 1]], 840, top, 1035, 255, rowFont, Black, round);
        label(qPrintable(QStringLiteral("Label%1").arg(p2Captions[r - 1])),
              frmWinner->Label[p2Captions[r - 1]], 4920, top, 1035, 255, rowFont, Black, round);
        label(qPrintable(QStringLiteral("lblP1RndScore(%1)").arg(r)), frmWinner->lblP1RndScore[r],
              2280, top, 915, 255, rowFont, Black, QStringLiteral("000"));
        label(qPrintable(QStringLiteral("lblP2RndScore(%1)").arg(r)), frmWinner->lblP2RndScore[r],
              6360, top, 915, 255, rowFont, Black, QStringLiteral("000"));
    }
    label("Label7", frmWinner->Label[7], 840, 2580, 1035, 255, rowFont, Black,
          QStringLiteral("Total"));
    label("Label12", frmWinner->Label[12], 4920, 2580, 1035, 255, rowFont, Black,
          QStringLiteral("Total"));
    label("lblP1Total", frmWinner->lblP1Total, 2280, 2520, 915, 315, totalFont, Black,
          QStringLiteral("0000"));
    label("lblP2Total", frmWinner->lblP2Total, 6360, 2520, 915, 315, totalFont, Black,
          QStringLiteral("0000"));
    picture("imgDone", frmWinner->imgDone, 3420, 3180, 1395, 375, Stretched);
}

void LayoutTest::embeddedPictureSizes_data() {
    QTest::addColumn<QWidget*>("control");
    QTest::addColumn<QSize>("size");
    auto row = [](const char* name, platform::Picture* p, QSize size) {
        QTest::newRow(name) << static_cast<QWidget*>(p) << size;
    };
    row("main red light", frmMain->imgRedLight[0], QSize(25, 25));
    row("main blue light", frmMain->imgBlueLight[2], QSize(25, 25));
    row("main plate 1", frmMain->imgPlayer1, QSize(125, 33));
    row("main plate 2", frmMain->imgPlayer2, QSize(129, 32));
    row("main selection frame", frmMain->imgP2Select[3], QSize(110, 180));
    row("frmPlayer1 plate", frmPlayer1->imgPlate, QSize(125, 33));
    row("frmPlayer2 plate", frmPlayer2->imgPlate, QSize(129, 32));
    row("frmPlayer2 selection frame", frmPlayer2->imgSelect[8], QSize(110, 180));
}

void LayoutTest::embeddedPictureSizes() {
    QFETCH(QWidget*, control);
    QFETCH(QSize, size);
    auto* picture = qobject_cast<platform::Picture*>(control);
    QVERIFY(picture->hasPicture());
    QCOMPARE(picture->pixmap().size(), size);
    // Stretched to the control: the rendered picture covers the far corner.
    QVERIFY(picture->stretch());
    const QImage shot = picture->grab().toImage();
    QCOMPARE(shot.size(), control->size());
    QVERIFY(shot.pixelColor(shot.width() - 1, shot.height() - 1).alpha() > 0);
}

void LayoutTest::optionNameBoxes_data() {
    QTest::addColumn<QWidget*>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("txtPlayer1Name") << static_cast<QWidget*>(frmOptions->txtPlayer1Name)
                                    << QStringLiteral("Dorvik") << QColor(0xC0, 0, 0);
    QTest::newRow("txtPlayer2Name") << static_cast<QWidget*>(frmOptions->txtPlayer2Name)
                                    << QStringLiteral("Mirela") << QColor(0, 0, 0xC0);
}

void LayoutTest::optionNameBoxes() {
    QFETCH(QWidget*, box);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    auto* textBox = qobject_cast<platform::TextBox*>(box);
    QVERIFY(textBox);
    QCOMPARE(textBox->Text(), text);
    QVERIFY(textBox->alignment() & Qt::AlignHCenter);
    QCOMPARE(QFontInfo(box->font()).family(), Serif);
    QCOMPARE(box->font().pointSizeF(), 14.25);
    QVERIFY(box->font().bold());
    QVERIFY(!box->font().italic());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(box->palette().color(group, QPalette::Text), colour);
        QCOMPARE(box->palette().color(group, QPalette::Base), QColor(0xFF, 0xE0, 0xC0));
    }
    // Tab order: the first name box leads to the second.
    QCOMPARE(frmOptions->txtPlayer1Name->nextInFocusChain(), frmOptions->txtPlayer2Name);
}

void LayoutTest::helpTextFontAndBackground() {
    frmHelp->Show();
    frmHelp->Hide();
    const QFont font = frmHelp->rtfHelp->font();
    QCOMPARE(QFontInfo(font).family(), Serif);
    QCOMPARE(font.pointSizeF(), 9.75);
    QCOMPARE(frmHelp->rtfHelp->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
}

void LayoutTest::nothingMovesDuringAHand() {
    // Starting builds the windows afresh; their controls are then followed
    // through a closed-hand hand under the combo rule, played to its end.
    m_game->start();
    QList<QPair<QPointer<QWidget>, QRect>> before;
    for (platform::Form* form : std::initializer_list<platform::Form*>{
             frmMain, frmPlayer1, frmPlayer2, frmOptions, frmMessage, frmWinner})
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before.append({child, child->geometry()});
    QVERIFY(before.size() > 100);
    m_game->newGame(false, true);
    m_game->chooseCards(1);
    m_game->chooseCards(2);
    for (int card = 0; card < 9; ++card) {
        m_game->placeNext();
    }
    QCOMPARE(m_game->modalCount(), 1); // the hand ended with its message
    for (const auto& [child, rect] : before) {
        QVERIFY(child);
        QCOMPARE(child->geometry(), rect);
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
