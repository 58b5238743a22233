// Every window in every shipped language and in the pseudo-language en_XA
// (accented, about 40 % longer, every text in brackets): each control's text
// fits its control (in a shipped language, in the designed font but for a
// few captions listed), every picture with words shows the language's own
// version (en_XA, which has none, the designed English one), and in en_XA no
// text on screen or in the accessibility tree escaped translation. Run once
// at normal density and once under QT_SCALE_FACTOR=2.

#include "lobby/FrmHostGame.h"
#include "lobby/FrmJoinGame.h"
#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/ProgramFolder.h"
#include "platform/Translations.h"
#include "selection/FrmPlayer.h"
#include "store/StartupCheck.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void windows_data();
    void windows();
    void computerNamesFit_data();
    void computerNamesFit();
    void computerNameSetApart_data();
    void computerNameSetApart();

  private:
    void check(QWidget* window, const QString& state);
    QStringList m_problems;
    bool m_pseudo = false;
    int m_letteredShown = 0;
    // The captions shown in a font smaller than designed.
    QStringList m_fitted;
};

namespace {

const QString Pseudo = QStringLiteral("en_XA");

// The only captions of a match between two people that a language fits by a
// smaller font, for want of a natural shorter wording (translations/README.md):
// every other translation has been made short enough for the designed font,
// and stays so.
struct KeptFitted {
    const char* language;
    const char* context;
    const char* source;
};
const KeptFitted keptFitted[] = {
    {"ru", "record", "Computer (normal)"},
    {"ru", "record", "Computer (hard)"},
    {"ja", "FrmMain", "%1 won this round.  Ready for next round"},
    {"ja", "FrmMain", "%1\r\n wins with %2"},
    {"zh_CN", "FrmMain", "%1 won this round.  Ready for next round"},
    {"zh_CN", "FrmMain", "%1\r\n wins with %2"},
};

// Whether `text` is the translation of `source`, whatever its %1 and %2 stand
// for (a label shows a line break "\r\n" as "\n").
bool shows(QString text, const KeptFitted& kept) {
    text.remove(QLatin1Char('\r'));
    const QStringList pieces = QCoreApplication::translate(kept.context, kept.source)
                                   .remove(QLatin1Char('\r'))
                                   .split(QRegularExpression(QStringLiteral("%\\d")));
    qsizetype from = 0;
    for (const QString& piece : pieces) {
        from = text.indexOf(piece, from);
        if (from < 0)
            return false;
        from += piece.size();
    }
    return true;
}

// What is left of a text once every bracketed (pseudo-translated) part, the
// players' names, the window's data (`data`: a join code, addresses) and
// everything but letters are taken out.
QString untranslated(QString text, const QStringList& data = {}) {
    for (const char* name : {"Dorvik", "Mirela"})
        text.remove(QString::fromLatin1(name));
    for (const QString& item : data)
        if (!item.isEmpty())
            text.remove(item);
    QString left;
    int depth = 0;
    for (const QChar c : std::as_const(text)) {
        if (c == QLatin1Char('['))
            ++depth;
        else if (c == QLatin1Char(']'))
            depth = qMax(0, depth - 1);
        else if (depth == 0 && c.isLetter())
            left += c;
    }
    return left;
}

void collectAccessible(QAccessibleInterface* node, QStringList* texts, int depth = 0) {
    if (!node || depth > 12)
        return;
    if (node->state().invisible)
        return;
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description})
        texts->append(node->text(kind));
    for (int i = 0; i < node->childCount(); ++i)
        collectAccessible(node->child(i), texts, depth + 1);
}

} // namespace

void LanguagesTest::init() {
    m_problems.clear();
    m_letteredShown = 0;
    m_fitted.clear();
}

void LanguagesTest::cleanup() {
    platform::useLanguage(QString());
}

void LanguagesTest::check(QWidget* window, const QString& state) {
    const QString where = QStringLiteral("%1 (%2)").arg(window->objectName(), state);
    // The join code and the addresses are data, the same in every language.
    QStringList data;
    if (window == lobby::frmHostGame)
        data << lobby::frmHostGame->lblCode->caption()
             << lobby::frmHostGame->lblAddresses->caption().split(QLatin1Char('\n'));
    const QList<platform::Label*> labels = window->findChildren<platform::Label*>();
    for (platform::Label* label : labels) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        if (label->font() != label->designFont() && label->setApart().isEmpty())
            m_fitted << label->text();
        if (!label->fits(label->text(), label->font()))
            m_problems << QStringLiteral("%1: \"%2\" does not fit its label (%3 x %4)")
                              .arg(where, label->text())
                              .arg(label->width())
                              .arg(label->height());
        // A caption with a part set apart is shown as rich text.
        const QString shown =
            label->textFormat() == Qt::RichText ? label->caption() : label->text();
        if (m_pseudo && shown != QLatin1String("X") && !untranslated(shown, data).isEmpty() &&
            !QSet<QString>{QStringLiteral("000"), QStringLiteral("0000")}.contains(shown))
            m_problems << QStringLiteral("%1: \"%2\" is not translated").arg(where, shown);
    }
    // A picture with words comes from the language's folder; the pseudo-
    // language has no pictures and shows the designed ones.
    const QString language = platform::currentLanguage();
    const QList<platform::Picture*> pictures = window->findChildren<platform::Picture*>();
    for (platform::Picture* picture : pictures) {
        if (!picture->isVisible() || !picture->hasPicture())
            continue;
        const QString named = QString(picture->pictureName()).replace(QLatin1Char('\\'), '/');
        const bool embedded = named.startsWith(QLatin1String(":/"));
        const QString name = QFileInfo(named).fileName();
        if (!(embedded ? name.startsWith(QLatin1String("plate"))
                       : store::letteredImageFiles().contains(name)))
            continue;
        const QString folder =
            (embedded ? QStringLiteral(":/embedded") : platform::programFolder() + "/images") +
            (m_pseudo ? QString() : QLatin1Char('/') + language);
        ++m_letteredShown;
        if (QFileInfo(picture->pictureFile()).path() != folder)
            m_problems << QStringLiteral("%1: the picture %2 shows %3")
                              .arg(where, picture->pictureName(), picture->pictureFile());
    }
    if (!m_pseudo)
        return;
    QStringList texts{window->windowTitle()};
    collectAccessible(QAccessible::queryAccessibleInterface(window), &texts);
    for (const QString& text : std::as_const(texts))
        if (!untranslated(text, data).isEmpty())
            m_problems << QStringLiteral("%1: \"%2\" is not translated").arg(where, text);
}

void LanguagesTest::windows_data() {
    QTest::addColumn<QString>("language");
    const QStringList languages = [] {
        TestFolder folder;
        return platform::shippedLanguages();
    }();
    for (const QString& language : languages)
        QTest::newRow(qPrintable(language)) << language;
    QTest::newRow("en_XA") << Pseudo;
}

// A whole match with both rule sets' windows: the splash, the main window,
// Help, Options, both selection windows (with the refusal of four cards),
// every message and the results; then the statistics and the network match's
// windows.
void LanguagesTest::windows() {
    QFETCH(QString, language);
    m_pseudo = language == Pseudo;
    Game game;
    QVERIFY(m_pseudo ? platform::useLanguage(language, QStringLiteral(QUORVEL_PSEUDO_DIR))
                     : platform::useLanguage(language));
    QAccessible::setActive(true);
    createForms();
    frmSplash->Show();
    check(frmSplash, QStringLiteral("start"));
    frmSplash->Hide();
    destroyForms();

    QSet<QString> messages;
    game.onModal([&](platform::Form* form) {
        if (form == frmMessage) {
            messages << frmMessage->lblMsg->caption();
            check(frmMessage, frmMessage->lblMsg->caption());
        } else {
            check(form, QStringLiteral("results"));
        }
        Game::pressDone(form);
    });
    game.start();
    check(frmMain, QStringLiteral("idle"));
    Game::click(frmMain->imgHelp);
    check(frmHelp, QStringLiteral("rules"));
    Game::click(frmHelp->imgDone);

    game.newGame(false, true);
    check(frmOptions, QStringLiteral("after a new game"));
    frmPlayer1->tmr1->tick();
    check(frmPlayer1, QStringLiteral("offer"));
    for (int slot : {1, 2, 3, 4})
        Game::click(frmPlayer1->imgCard[slot]);
    Game::click(frmPlayer1->imgDone); // four cards: refused with a message
    Game::click(frmPlayer1->imgCard[5]);
    check(frmPlayer1, QStringLiteral("five marked"));
    Game::click(frmPlayer1->imgDone);
    game.chooseCards(2);
    check(frmPlayer2, QStringLiteral("chosen"));
    check(frmMain, QStringLiteral("hand dealt"));
    for (int hand = 0; hand < 80 && !frmMain->gblnWinner; ++hand) {
        if (hand > 0) {
            game.chooseCards(1);
            game.chooseCards(2);
        }
        for (int card = 0; card < 9 && !frmMain->gblnWinner; ++card) {
            game.placeNext();
            if (card == 4 && hand == 0)
                check(frmMain, QStringLiteral("mid hand"));
        }
    }
    QVERIFY(frmMain->gblnWinner);
    Game::click(frmMain->imgOptions);
    check(frmOptions, QStringLiteral("during a match"));
    Game::click(frmOptions->imgDone);
    // The statistics with this match counted, and the windows that start a
    // network match: the host waiting, the guest typing the host's address.
    statsForm()->Show();
    check(frmStats, QStringLiteral("statistics"));
    frmStats->Hide();
    lobby::hostGame();
    check(lobby::frmHostGame, QStringLiteral("waiting"));
    platform::pressControl(lobby::frmHostGame->imgCancel);
    frmOptions->Hide();
    lobby::joinGame(QStringLiteral("192.168.1.20"));
    check(lobby::frmJoinGame, QStringLiteral("typing an address"));
    platform::pressControl(lobby::frmJoinGame->imgCancel);
    frmOptions->Hide();
    // The message kinds: too few cards, next hand, round won, match won.
    QVERIFY2(messages.size() >= 4, qPrintable(QStringList(messages.values()).join(" | ")));
    // Buttons, plates, the prompt and the "begins" plaque at least.
    QVERIFY2(m_letteredShown >= 20, qPrintable(QString::number(m_letteredShown)));
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
    if (m_pseudo)
        return;
    QStringList shrunk;
    for (const QString& text : std::as_const(m_fitted))
        if (std::none_of(std::begin(keptFitted), std::end(keptFitted), [&](const KeptFitted& k) {
                return language == QLatin1String(k.language) && shows(text, k);
            }))
            shrunk << text;
    shrunk.removeDuplicates();
    QVERIFY2(shrunk.isEmpty(), qPrintable("fitted by a smaller font: " + shrunk.join(" | ")));
}

void LanguagesTest::computerNamesFit_data() {
    windows_data();
}

// The computer's names are the program's own texts in a box made for names:
// every language's fit it (the pseudo-language's are only checked for being
// translated; the box scrolls like any long name).
void LanguagesTest::computerNamesFit() {
    QFETCH(QString, language);
    Game game;
    QVERIFY(language == Pseudo ? platform::useLanguage(language, QStringLiteral(QUORVEL_PSEUDO_DIR))
                               : platform::useLanguage(language));
    game.start();
    QLineEdit* box = frmOptions->txtPlayer2Name;
    for (const QString& name : options::computerNames()) {
        if (language == Pseudo) {
            QVERIFY2(untranslated(name).isEmpty(), qPrintable(name));
            continue;
        }
        const int room = box->contentsRect().width() - 4; // the line edit's own margins
        QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(name) <= room,
                 qPrintable(QStringLiteral("\"%1\" is wider than the name box").arg(name)));
    }
}

void LanguagesTest::computerNameSetApart_data() {
    windows_data();
}

// Against the computer at each level: its name, set apart, fits the
// selection window, the messages of a round and a match it wins, and the
// result window in every language.
void LanguagesTest::computerNameSetApart() {
    QFETCH(QString, language);
    m_pseudo = language == Pseudo;
    Game game;
    QVERIFY(m_pseudo ? platform::useLanguage(language, QStringLiteral(QUORVEL_PSEUDO_DIR))
                     : platform::useLanguage(language));
    game.start();
    for (const QString& name : options::computerNames()) {
        Game::click(frmMain->imgNewGame);
        // Typed in whole, as the drop-down enters it.
        frmOptions->txtPlayer2Name->selectAll();
        QInputMethodEvent typed;
        typed.setCommitString(name);
        QCoreApplication::sendEvent(frmOptions->txtPlayer2Name, &typed);
        Game::click(frmOptions->lblHandOpt[0]);
        Game::click(frmOptions->imgDone);
        game.revealOffer(1);
        game.chooseCards(1);
        QVERIFY(frmPlayer2->computerChooses());
        QCOMPARE(frmPlayer2->lblName->setApart(), name);
        check(frmPlayer2, QStringLiteral("the computer choosing"));
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmMain->isVisible());
        int shown = 0;
        game.onModal([&](platform::Form* form) {
            ++shown;
            check(form, QStringLiteral("won by %1").arg(name));
            Game::pressDone(form);
        });
        frmMain->PlayRules().gintPlayer2Score = frmOptions->gintWinHigh;
        QVERIFY(!frmMain->CheckWinner());
        // The next hand, and the match.
        game.chooseCards(1);
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmMain->isVisible());
        frmMain->gintP2GamesWon = 2;
        frmMain->PlayRules().gintPlayer2Score = frmOptions->gintWinHigh;
        QVERIFY(frmMain->CheckWinner());
        // Two messages and the result window.
        QCOMPARE(shown, 3);
        QVERIFY(frmWinner->lblP2Name->setApart().contains(name));
        game.onModal(Game::pressDone);
    }
    // As in the name box, the pseudo-language's names (far longer than any
    // language's) are only checked for being translated.
    if (m_pseudo)
        m_problems.removeIf(
            [](const QString& problem) { return problem.contains(QLatin1String("does not fit")); });
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
