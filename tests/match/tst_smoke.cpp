#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmWinner.h"

#include <QApplication>
#include <QTest>

// One whole match through the real windows, as a quick proof that a game can
// be played from New Game to the result window.
class SmokeTest : public QObject {
    Q_OBJECT
  private slots:
    void wholeMatch();
};

void SmokeTest::wholeMatch() {
    Game game;
    game.start();
    QVERIFY(frmMain->isVisible());
    game.newGame(false, false);
    int hands = 0;
    while (!frmMain->gblnWinner && hands < 60) {
        QVERIFY(frmPlayer1->isVisible());
        game.chooseCards(1);
        QVERIFY(frmPlayer2->isVisible());
        game.chooseCards(2);
        QVERIFY(frmMain->isVisible());
        for (int card = 0; card < 9; ++card)
            game.placeNext();
        ++hands;
    }
    QVERIFY(frmMain->gblnWinner);
    QVERIFY(game.lastMessage().contains(" wins with "));
}

QTEST_MAIN(SmokeTest)
#include "tst_smoke.moc"
