// Renders every window in its typical states to PNG files, for looking over
// the layout by eye:  quorvel_screenshots <output folder> [language]
// (a language of the program folder's translations/, e.g. "de", or the
// pseudo-language "en_XA"; English by default)
// The deals are seeded, so every run shows the same cards: run once as it is
// and once under QT_SCALE_FACTOR=2 (as `make screenshots` does), and the two
// sets show the same windows at normal and at double density.

#include "lobby/FrmHostGame.h"
#include "lobby/FrmJoinGame.h"
#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Random.h"
#include "platform/Translations.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTextBrowser>

#include <cstdio>

namespace {

QDir g_out;
int g_written = 0;
bool g_failed = false;

void shoot(QWidget* window, const char* name) {
    const QString file = g_out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        g_failed = true;
        return;
    }
    std::printf("%s\n", qPrintable(file));
    ++g_written;
    // The captions a translation fits only by shrinking the font: each is a
    // candidate for a shorter translation.
    for (const platform::Label* label : window->findChildren<platform::Label*>())
        if (label->isVisible() && label->font() != label->designFont())
            std::printf("  fitted: %s in %.2f pt instead of %.2f: \"%s\"\n",
                        qPrintable(label->objectName()), label->font().pointSizeF(),
                        label->designFont().pointSizeF(), qPrintable(label->text()));
}

bool anyCapture() {
    return frmMain->lblPlayer1Score->caption() != QLatin1String("000") ||
           frmMain->lblPlayer2Score->caption() != QLatin1String("000");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // The pseudo-language is built beside the tests, never into the program folder.
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!language.isEmpty() &&
        !platform::useLanguage(language,
                               language == QLatin1String("en_XA")
                                   ? QStringLiteral(QUORVEL_PSEUDO_DIR)
                                   : QStringLiteral(QUORVEL_PROGRAM_DIR "/translations"))) {
        std::fprintf(stderr, "no translation for %s\n", argv[2]);
        return 2;
    }
    platform::Random::instance().setSeed(20261209);
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 2;
    }

    // The splash window as it stands before its timer's tick.
    {
        Game game;
        createForms();
        frmSplash->Show();
        shoot(frmSplash, "splash");
    }

    Game game;
    bool redShown = false;
    game.onModal([&redShown](platform::Form* form) {
        if (form == frmMessage && !redShown &&
            frmMessage->lblMsg->foreColor() == QColor(255, 0, 0)) {
            shoot(frmMessage, "message-red");
            redShown = true;
        }
        if (form == frmWinner)
            shoot(frmWinner, "result-after-match");
        Game::pressDone(form);
    });
    game.start();
    shoot(frmMain, "main-idle");

    Game::click(frmMain->imgHelp);
    frmHelp->rtfHelp->verticalScrollBar()->setValue(0);
    shoot(frmHelp, "help-top");
    Game::click(frmHelp->imgDone);

    // A closed-hand match; the first hand is stopped in its middle once a
    // card has been captured.
    Game::click(frmMain->imgNewGame);
    Game::click(frmOptions->lblHandOpt[1]);
    Game::click(frmOptions->lblRuleOpts[0]);
    shoot(frmOptions, "options-new-game");
    Game::click(frmOptions->imgDone);
    game.revealOffer(1);
    for (int slot : {1, 3, 4, 6, 8})
        Game::click(frmPlayer1->imgCard[slot]);
    shoot(frmPlayer1, "selection-player1-five-marked");
    Game::click(frmPlayer1->imgDone);
    game.revealOffer(2);
    for (int slot : {2, 3, 5, 7, 8})
        Game::click(frmPlayer2->imgCard[slot]);
    shoot(frmPlayer2, "selection-player2-five-marked");
    Game::click(frmPlayer2->imgDone);
    shoot(frmMain, "main-hand-dealt-closed");

    bool midHand = false;
    for (int hand = 0; hand < 60 && !frmMain->gblnWinner; ++hand) {
        if (hand > 0) {
            game.chooseCards(1);
            game.chooseCards(2);
        }
        for (int card = 0; card < 9; ++card) {
            game.placeNext();
            if (!midHand && card >= 2 && card < 8 && anyCapture()) {
                frmMain->tmrHideHand->tick();
                shoot(frmMain, "main-mid-hand-captures-closed");
                midHand = true;
            }
        }
    }
    // The result window as a match against the computer leaves it (its line
    // about the record), and the statistics window with this match counted.
    frmWinner->showRecord(
        FrmWinner::recordLine(record::Opponent::Hard, {.matchesWon = 7, .matchesLost = 3}));
    frmWinner->Show();
    shoot(frmWinner, "result-against-computer");
    frmWinner->Hide();
    statsForm()->Show();
    shoot(frmStats, "statistics");
    frmStats->Hide();
    frmWinner->showRecord(QString());
    // The windows that start a network match: the host waiting, the guest
    // typing the host's address.
    lobby::hostGame();
    shoot(lobby::frmHostGame, "network-host-waiting");
    platform::pressControl(lobby::frmHostGame->imgCancel);
    frmOptions->Hide();
    lobby::joinGame(QStringLiteral("192.168.1.20"));
    shoot(lobby::frmJoinGame, "network-join");
    platform::pressControl(lobby::frmJoinGame->imgCancel);
    frmOptions->Hide();

    if (!midHand)
        std::fprintf(stderr, "no hand had a capture before its last card\n");
    if (!redShown)
        std::fprintf(stderr, "no message was shown in red\n");
    if (!frmMain->gblnWinner)
        std::fprintf(stderr, "the match did not end\n");
    std::printf("%d pictures written\n", g_written);
    return g_failed || !midHand || !redShown || !frmMain->gblnWinner ? 1 : 0;
}
