#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Fatal.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmWinner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

// The auxiliary windows: the message strip, the result window, the help
// window and the splash window with the start-up it drives.
class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void messageStartsReady();
    void messageColourBackToBlack_data();
    void messageColourBackToBlack();
    void messageOpensResultWhenWon();
    void twoLineMessageCentred();
    void longMessageShownWhole();
    void resultDesignCaptions_data();
    void resultDesignCaptions();
    void resultDoneHides();
    void helpReturnsToCaller_data();
    void helpReturnsToCaller();
    void helpDonePictures();
    void helpRereadsDocument();
    void helpStartsAtBeginning();
    void helpGarbageDocumentIsFatal();
    void splashAloneThenMain();
    void splashSecondCountsFromItsShowing();
    void startupStopsOnMissingFile_data();
    void startupStopsOnMissingFile();
};

namespace {

QList<platform::Form*> allForms() {
    return {frmSplash, frmPlayer1, frmPlayer2, frmOptions, frmHelp, frmMessage, frmWinner, frmMain};
}

QStringList visibleForms() {
    QStringList names;
    for (platform::Form* form : allForms())
        if (form && form->isVisible())
            names << form->objectName();
    return names;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Rows of ink in a rendered label, grouped into lines of text: for each line
// the horizontal centre of its ink.
QList<double> inkLineCentres(QWidget* label) {
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QList<double> centres;
    bool inLine = false;
    int left = image.width(), right = -1;
    for (int y = 0; y <= image.height(); ++y) {
        int rowLeft = image.width(), rowRight = -1;
        for (int x = 0; y < image.height() && x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 128 && qGray(p) < 100) {
                rowLeft = qMin(rowLeft, x);
                rowRight = qMax(rowRight, x);
            }
        }
        if (rowRight >= 0) {
            inLine = true;
            left = qMin(left, rowLeft);
            right = qMax(right, rowRight);
        } else if (inLine) {
            centres << (left + right) / 2.0;
            inLine = false;
            left = image.width();
            right = -1;
        }
    }
    return centres;
}

} // namespace

// ---- Message window -----------------------------------------------------------

void WindowsTest::messageStartsReady() {
    Game game;
    game.start();
    QCOMPARE(frmMessage->lblMsg->caption(), QStringLiteral("Ready for the next round"));
    QCOMPARE(frmMessage->imgDone->pictureName(), game.folder().path() + "\\images\\DoneUp.jpg");
    QVERIFY(!frmMessage->isVisible());
}

void WindowsTest::messageColourBackToBlack_data() {
    QTest::addColumn<bool>("byDone");
    QTest::newRow("hidden by Done") << true;
    QTest::newRow("another window becomes active") << false;
}

void WindowsTest::messageColourBackToBlack() {
    QFETCH(bool, byDone);
    Game game;
    game.start();
    const QString text = QStringLiteral("Mirela won this round.  Ready for next round");
    frmMessage->lblMsg->setCaption(text);
    frmMessage->lblMsg->setForeColor(QColor(0, 0, 255));
    QColor shownIn;
    if (byDone) {
        game.onModal([&](platform::Form* form) {
            shownIn = frmMessage->lblMsg->foreColor();
            Game::pressDone(form);
        });
        frmMessage->ShowModal();
        QVERIFY(!frmMessage->isVisible());
    } else {
        frmMessage->Show();
        shownIn = frmMessage->lblMsg->foreColor();
        frmMain->Show();
        QCOMPARE(platform::Form::activeForm(), frmMain);
    }
    QCOMPARE(shownIn, QColor(0, 0, 255));
    QCOMPARE(frmMessage->lblMsg->foreColor(), QColor(0, 0, 0));
    QCOMPARE(frmMessage->lblMsg->caption(), text);
    QCOMPARE(frmMessage->lblMsg->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

void WindowsTest::messageOpensResultWhenWon() {
    Game game;
    game.start();
    frmMain->gblnWinner = true;
    QStringList log;
    game.onModal([&](platform::Form* form) {
        if (form == frmMessage) {
            log << "message shown";
            Game::pressDone(form);
        } else if (form == frmWinner) {
            log << QStringLiteral("result shown, message %1")
                       .arg(frmMessage->isVisible() ? "visible" : "hidden");
            // Pressed from the event loop, so that the result window really
            // waits in its own modal showing.
            QTimer::singleShot(0, [&log] {
                log << "result done";
                Game::click(frmWinner->imgDone);
            });
        }
    });
    frmMessage->ShowModal();
    log << "message returned";
    QCOMPARE(log, (QStringList{"message shown", "result shown, message hidden", "result done",
                               "message returned"}));
    QVERIFY(!frmWinner->isVisible());
    QVERIFY(!frmMessage->isVisible());
}

void WindowsTest::twoLineMessageCentred() {
    Game game;
    game.start();
    frmMessage->lblMsg->setCaption(QStringLiteral("Mirela\r\n wins with 312"));
    frmMessage->lblMsg->setForeColor(QColor(0, 0, 0));
    QVERIFY(frmMessage->lblMsg->caption().contains("\r\n"));
    QCOMPARE(frmMessage->lblMsg->text().split('\n').size(), 2);
    QVERIFY(frmMessage->lblMsg->alignment() & Qt::AlignHCenter);
    const QList<double> centres = inkLineCentres(frmMessage->lblMsg);
    QCOMPARE(centres.size(), 2);
    const double middle = frmMessage->lblMsg->width() / 2.0;
    for (double c : centres)
        QVERIFY2(qAbs(c - middle) < 8, qPrintable(QString::number(c)));
    // A single line for comparison: one band of ink.
    frmMessage->lblMsg->setCaption(QStringLiteral("Get ready"));
    QCOMPARE(inkLineCentres(frmMessage->lblMsg).size(), 1);
}

// A message the window was not drawn for (a network fault) is made smaller
// until all of it shows, in English too; the designed messages keep the
// designed font, and so does a long one while fitting is off.
void WindowsTest::longMessageShownWhole() {
    Game game;
    game.start();
    platform::Label* label = frmMessage->lblMsg;
    frmMessage->Show();
    const QString lost =
        QStringLiteral("The connection to Dorvik was lost. The network match is over.");
    QVERIFY(!label->fits(lost, label->designFont()));
    label->setCaption(lost);
    QCOMPARE(label->font(), label->designFont());
    label->setFitInEveryLanguage(true);
    QVERIFY(label->font().pointSizeF() < label->designFont().pointSizeF());
    QVERIFY(label->fits(label->text(), label->font()));
    label->setCaption(QStringLiteral("Mirela won this round.  Ready for next round"));
    QCOMPARE(label->font(), label->designFont());
    label->setFitInEveryLanguage(false);
    label->setCaption(lost);
    QCOMPARE(label->font(), label->designFont());
    frmMessage->Hide();
}

// ---- Result window ------------------------------------------------------------

void WindowsTest::resultDesignCaptions_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("lblP1Name") << "lblP1Name"
                               << "  Dorvik  ";
    QTest::newRow("lblP2Name") << "lblP2Name"
                               << "  Mirela  ";
    for (int r = 1; r <= 5; ++r) {
        QTest::addRow("lblP1RndScore(%d)", r) << QStringLiteral("P1 %1").arg(r) << "000";
        QTest::addRow("lblP2RndScore(%d)", r) << QStringLiteral("P2 %1").arg(r) << "000";
    }
    QTest::newRow("lblP1Total") << "lblP1Total"
                                << "0000";
    QTest::newRow("lblP2Total") << "lblP2Total"
                                << "0000";
    const int p1[] = {1, 2, 4, 5, 6, 7};
    const int p2[] = {3, 8, 9, 10, 11, 12};
    for (int row = 0; row < 6; ++row) {
        const QString caption = row < 5 ? QStringLiteral("Round %1").arg(row + 1) : "Total";
        QTest::addRow("Label%d", p1[row]) << QStringLiteral("Label %1").arg(p1[row]) << caption;
        QTest::addRow("Label%d", p2[row]) << QStringLiteral("Label %1").arg(p2[row]) << caption;
    }
}

void WindowsTest::resultDesignCaptions() {
    QFETCH(QString, label);
    QFETCH(QString, caption);
    Game game;
    game.start();
    platform::Label* l = nullptr;
    if (label == "lblP1Name")
        l = frmWinner->lblP1Name;
    else if (label == "lblP2Name")
        l = frmWinner->lblP2Name;
    else if (label == "lblP1Total")
        l = frmWinner->lblP1Total;
    else if (label == "lblP2Total")
        l = frmWinner->lblP2Total;
    else if (label.startsWith("P1 "))
        l = frmWinner->lblP1RndScore[label.mid(3).toInt()];
    else if (label.startsWith("P2 "))
        l = frmWinner->lblP2RndScore[label.mid(3).toInt()];
    else
        l = frmWinner->Label[label.mid(6).toInt()];
    QVERIFY(l);
    QCOMPARE(l->caption(), caption);
    QCOMPARE(l->text(), caption);
}

void WindowsTest::resultDoneHides() {
    Game game;
    game.start();
    QCOMPARE(frmWinner->imgDone->pictureName(), game.folder().path() + "\\images\\DoneUp.jpg");
    QString pressed;
    game.onModal([&pressed](platform::Form*) {
        Game::press(frmWinner->imgDone);
        pressed = frmWinner->imgDone->pictureName();
        Game::release(frmWinner->imgDone);
    });
    frmWinner->ShowModal();
    QVERIFY(!frmWinner->isVisible());
    QCOMPARE(pressed, game.folder().path() + "\\images\\DoneDn.jpg");
    QCOMPARE(frmWinner->imgDone->pictureName(), game.folder().path() + "\\images\\DoneUp.jpg");
    QVERIFY(frmMain->isVisible());
}

// ---- Help window ----------------------------------------------------------------

void WindowsTest::helpReturnsToCaller_data() {
    QTest::addColumn<QString>("caller");
    QTest::addColumn<QString>("returnsTo");
    QTest::newRow("Main") << "Main"
                          << "frmMain";
    QTest::newRow("empty") << ""
                           << "frmOptions";
    QTest::newRow("main, lower case") << "main"
                                      << "frmOptions";
    QTest::newRow("Options") << "Options"
                             << "frmOptions";
}

void WindowsTest::helpReturnsToCaller() {
    QFETCH(QString, caller);
    QFETCH(QString, returnsTo);
    Game game;
    game.start();
    if (caller == "Main") {
        Game::click(frmMain->imgHelp);
    } else if (caller == "Options") {
        Game::click(frmMain->imgOptions);
        Game::click(frmOptions->imgHelp);
    } else {
        frmHelp->gstrCaller = caller;
        frmHelp->Show();
        frmMain->Hide();
    }
    QCOMPARE(frmHelp->gstrCaller, caller);
    QCOMPARE(visibleForms(), QStringList{"frmHelp"});
    QCOMPARE(frmHelp->windowTitle(), QStringLiteral("Quorvel  -  Help"));

    Game::click(frmHelp->imgDone);
    QCOMPARE(visibleForms(), QStringList{returnsTo});
    QCOMPARE(platform::Form::activeForm()->objectName(), returnsTo);
    QCOMPARE(frmHelp->gstrCaller, QString());
    QVERIFY(!frmHelp->isLoaded());
}

void WindowsTest::helpDonePictures() {
    Game game;
    game.start();
    const QString up = game.folder().path() + "/images/DoneUp.jpg";
    QCOMPARE(frmHelp->imgDone->pictureName(), up);
    Game::click(frmMain->imgHelp);
    Game::press(frmHelp->imgDone);
    QCOMPARE(frmHelp->imgDone->pictureName(), game.folder().path() + "/images/DoneDn.jpg");
    Game::release(frmHelp->imgDone);
    QCOMPARE(frmHelp->imgDone->pictureName(), up);
    // Loaded again at the next opening, with the same name.
    Game::click(frmMain->imgHelp);
    QVERIFY(frmHelp->isLoaded());
    QCOMPARE(frmHelp->imgDone->pictureName(), up);
}

void WindowsTest::helpRereadsDocument() {
    Game game;
    game.start();
    const QString rules = game.folder().file("QorRules.rtf");
    writeFile(rules, "{\\rtf1\\ansi First edition of the rules.\\par}");
    // The first opening shows the document read at start-up, although its
    // text box is made only then.
    QVERIFY(!frmHelp->rtfHelp);
    Game::click(frmMain->imgHelp);
    const QString original = frmHelp->rtfHelp->toPlainText();
    QVERIFY(!original.isEmpty());
    QVERIFY(!original.contains("First edition"));
    Game::click(frmHelp->imgDone);
    writeFile(rules, "{\\rtf1\\ansi Second edition: \\b bold\\b0  words.\\par}");
    Game::click(frmMain->imgHelp);
    QVERIFY(frmHelp->rtfHelp->toPlainText().contains("Second edition: bold words."));
    QVERIFY(!frmHelp->rtfHelp->toPlainText().contains("First"));
    Game::click(frmHelp->imgDone);
    writeFile(rules, "{\\rtf1\\ansi Third.\\par}");
    Game::click(frmMain->imgOptions);
    Game::click(frmOptions->imgHelp);
    QVERIFY(frmHelp->rtfHelp->toPlainText().contains("Third."));
    QVERIFY(!frmHelp->rtfHelp->toPlainText().contains("Second"));
}

void WindowsTest::helpStartsAtBeginning() {
    Game game;
    game.start();
    for (int opening = 0; opening < 2; ++opening) {
        Game::click(frmMain->imgHelp);
        QScrollBar* bar = frmHelp->rtfHelp->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QCOMPARE(frmHelp->rtfHelp->textCursor().position(), 0);
        QVERIFY2(bar->maximum() > 0, "the rules document should need scrolling");
        QTest::keyClick(frmHelp->rtfHelp, Qt::Key_End, Qt::ControlModifier);
        bar->setValue(bar->maximum());
        Game::click(frmHelp->imgDone);
    }
}

void WindowsTest::helpGarbageDocumentIsFatal() {
    Game game;
    game.start();
    // One use unloads the window, so that the next opening reads the file.
    Game::click(frmMain->imgHelp);
    Game::click(frmHelp->imgDone);
    writeFile(game.folder().file("QorRules.rtf"), "Just plain words, no rich text at all.\n");
    FatalCatcher catcher;
    frmHelp->gstrCaller = QStringLiteral("Main");
    bool fatal = false;
    try {
        frmHelp->Show();
    } catch (const platform::FatalError& e) {
        fatal = true;
        QVERIFY2(e.message().contains("QorRules.rtf"), qPrintable(e.message()));
    }
    QVERIFY(fatal);
}

// ---- Splash window and start-up ----------------------------------------------------

// The windows are built before the splash shows; however long that takes,
// the splash stands centred and alone for its whole second of real time.
void WindowsTest::splashSecondCountsFromItsShowing() {
    Game game;
    createForms();
    QVERIFY(!frmSplash->tmrOne->isEnabled());
    QTest::qWait(600);
    QVERIFY(!frmMain->isLoaded());
    frmSplash->Show();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(frmSplash->tmrOne->isEnabled());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint offset = frmSplash->geometry().center() - centre;
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2 from the centre").arg(offset.x()).arg(offset.y())));
    QTest::qWait(700);
    QCOMPARE(visibleForms(), QStringList{"frmSplash"});
    QTRY_VERIFY_WITH_TIMEOUT(frmMain->isVisible(), 3000);
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(visibleForms(), QStringList{"frmMain"});
}

void WindowsTest::splashAloneThenMain() {
    Game game;
    createForms();
    frmSplash->Show();
    QCOMPARE(visibleForms(), QStringList{"frmSplash"});
    QVERIFY(frmSplash->tmrOne->isEnabled());
    QCOMPARE(frmSplash->tmrOne->interval(), 1000);
    for (platform::Form* form : allForms())
        if (form != frmSplash)
            QVERIFY(!form->isLoaded());

    // The help window reads its document during its load: what is loaded
    // and shown at that moment tells where the sequence stands.
    QStringList loadedAtHelp;
    QStringList visibleAtHelp;
    bool stocksOpenAtHelp = false;
    bool boardOpenAtHelp = true;
    connect(frmHelp->rulesDocument(), &QTextDocument::contentsChanged, this, [&] {
        if (!loadedAtHelp.isEmpty())
            return;
        for (platform::Form* form : allForms())
            if (form->isLoaded())
                loadedAtHelp << form->objectName();
        visibleAtHelp = visibleForms();
        stocksOpenAtHelp = store::P1Stock.isOpen() && store::P2Stock.isOpen();
        boardOpenAtHelp = store::DirtyBoard.isOpen();
    });
    QVERIFY(frmSplash->tmrOne->tick());
    QCOMPARE(loadedAtHelp,
             (QStringList{"frmSplash", "frmPlayer1", "frmPlayer2", "frmOptions", "frmHelp"}));
    QCOMPARE(visibleAtHelp, QStringList{"frmSplash"});
    QVERIFY(stocksOpenAtHelp);
    QVERIFY(!boardOpenAtHelp);

    QCOMPARE(visibleForms(), QStringList{"frmMain"});
    for (platform::Form* form : allForms())
        QCOMPARE(form->isLoaded(), form != frmSplash);
    QVERIFY(!frmSplash->tmrOne->isEnabled());
    QCOMPARE(platform::Form::activeForm(), frmMain);
    QVERIFY(store::DirtyBoard.isOpen());
    QCOMPARE(frmMain->lblPlayer1Name->caption(), QStringLiteral("Dorvik"));
    QCOMPARE(frmMain->lblPlayer2Name->caption(), QStringLiteral("Mirela"));
}

void WindowsTest::startupStopsOnMissingFile_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("Done picture") << "images/DoneUp.jpg";
    QTest::newRow("rules document") << "QorRules.rtf";
}

void WindowsTest::startupStopsOnMissingFile() {
    QFETCH(QString, file);
    Game game(TestFolder::Pictures::Copied);
    QVERIFY(QFile::remove(game.folder().file(file)));
    FatalCatcher catcher;
    QString message;
    try {
        game.start();
    } catch (const platform::FatalError& e) {
        message = e.message();
    }
    QVERIFY2(message.contains(file.section('/', -1)), qPrintable(message));
    QVERIFY(!frmMain->isVisible());
    QVERIFY(!frmMain->isLoaded());
    QCOMPARE(visibleForms(), QStringList{"frmSplash"});
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
