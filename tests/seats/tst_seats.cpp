#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Random.h"
#include "seats/ComputerSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QSemaphore>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <atomic>
#include <cmath>
#include <optional>

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

// The seats through the real windows, where the computer's seat meets the
// clock, its thread, the window system and the person's eyes: an answer
// to a question no longer asked is never played; the board must be in front
// (not minimised) for its move; the faces it holds are never read from disk
// before they are shown; its hard level chooses with the card list; a name
// box the person could not edit never changes who plays; its name is whole
// and unlike any typed name on every window; its pace is a floor on the real clock.
class SeatsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void staleAnswerNeverPlayed_data();
    void staleAnswerNeverPlayed();
    void waitsWhileBoardMinimised();
    void hiddenFacesNeverOpened_data();
    void hiddenFacesNeverOpened();
    void hardSelectionWeighsCardList();
    void disabledNameBoxNotRead();
    void computerNameWholeAndUnmistakable_data();
    void computerNameWholeAndUnmistakable();
    void computerSelectionHasNoPrompt_data();
    void computerSelectionHasNoPrompt();
    void computerNameSetApartEverywhere_data();
    void computerNameSetApartEverywhere();
    void paceIsAFloorOnTheClock();
};

namespace {

// New Game with player 2's name typed in as a player would (through the
// input method, which also brings characters no key has, such as a
// direction mark).
void newGameAgainst(const QString& player2, bool open) {
    Game::click(frmMain->imgNewGame);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QInputMethodEvent typed;
    typed.setCommitString(player2);
    QCoreApplication::sendEvent(box, &typed);
    Game::click(frmOptions->lblHandOpt[open ? 0 : 1]);
    Game::click(frmOptions->lblRuleOpts[0]);
    Game::click(frmOptions->imgDone);
}

// The computer's selection window runs its two steps: marks, then Done.
void computerChooses() {
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QVERIFY(frmPlayer2->tmrComputer->tick());
}

void chooseBoth(Game& game) {
    game.chooseCards(1);
    computerChooses();
    QVERIFY(frmMain->isVisible());
}

void untilComputersTurn(Game& game) {
    if (frmMain->gintTurn == 1)
        game.placeNext();
    QCOMPARE(frmMain->gintTurn, qint16(2));
}

// Whether `name` is drawn in italics in the label's text (rich or plain);
// nothing when the text does not hold it whole or holds it in both slants.
std::optional<bool> drawnItalic(const platform::Label* label, const QString& name) {
    QTextDocument document;
    document.setDefaultFont(label->font());
    if (label->textFormat() == Qt::RichText)
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    QString plain = document.toPlainText();
    plain.replace(QChar(0x00A0), QLatin1Char(' '));
    const qsizetype at = plain.indexOf(name);
    if (at < 0)
        return std::nullopt;
    std::optional<bool> slant;
    for (qsizetype i = at; i < at + name.size(); ++i) {
        QTextCursor cursor(&document);
        cursor.setPosition(int(i + 1));
        const QTextCharFormat format = cursor.charFormat();
        const bool italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic()
                                                                        : label->font().italic();
        if (slant && *slant != italic)
            return std::nullopt;
        slant = italic;
    }
    return slant;
}

int squaresPlaced() {
    int placed = 0;
    for (int l = 1; l <= 9; ++l)
        placed += frmMain->boardUsed(l) ? 1 : 0;
    return placed;
}

// Releases every thought held at a gate when the test leaves, so that the
// seat's thread can finish before the windows go.
struct GateOpener {
    QSemaphore& gate;
    ~GateOpener() {
        gate.release(1000);
        if (seats::computer(2))
            seats::computer(2)->setThinkingGate({});
    }
};

// Which files of one folder are opened, through inotify.
class OpenWatch {
  public:
    explicit OpenWatch(const QString& folder) {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            m_watch = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isValid() const { return m_fd >= 0 && m_watch >= 0; }
    // The names opened since the last call.
    QStringList opened() {
        QStringList names;
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0)
                    names << QFile::decodeName(event->name);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

  private:
    int m_fd = -1;
    int m_watch = -1;
};

// The test's card pictures as hard links in a folder of its own, so that the
// watch sees only this test's reads.
bool privateCardFolder(TestFolder& folder) {
    const QString cards = folder.file(QStringLiteral("cards"));
    const QString source = QFileInfo(cards).symLinkTarget();
    if (source.isEmpty() || !QFile::remove(cards) || !QDir().mkpath(cards))
        return false;
    QDirIterator it(source, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString to = cards + QLatin1Char('/') + it.fileName();
        if (::link(QFile::encodeName(it.filePath()).constData(),
                   QFile::encodeName(to).constData()) != 0 &&
            !QFile::copy(it.filePath(), to))
            return false;
    }
    return true;
}

// The face files of the cards on the board, as shown there.
QStringList boardFaces(Game& game) {
    QStringList faces;
    for (int l = 1; l <= 9; ++l) {
        const QString path =
            game.folder()
                .query(
                    QStringLiteral("SELECT fldPath FROM DirtyBoard WHERE fldLocation = %1").arg(l))
                .toString();
        if (!path.isEmpty())
            faces << path.section(QLatin1Char('\\'), -1);
    }
    return faces;
}

// Opened blue faces that are not the face of a card on the board.
QStringList hiddenBlueFaces(const QStringList& opened, const QStringList& board) {
    QStringList hidden;
    for (const QString& name : opened) {
        if (!name.endsWith(QLatin1String("b.jpg")) && !name.endsWith(QLatin1String("b@2x.jpg")))
            continue;
        const QString card = name.left(name.indexOf(QLatin1Char('b')));
        if (!board.contains(card))
            hidden << name;
    }
    return hidden;
}

} // namespace

void SeatsTest::cleanup() {
    platform::Random::instance().reset();
}

void SeatsTest::staleAnswerNeverPlayed_data() {
    QTest::addColumn<QString>("nextOpponent");
    QTest::newRow("New Game at the same level") << "Computer (hard)";
    QTest::newRow("New Game at another level") << "Computer (easy)";
}

// An answer still on its way when New Game is pressed arrives, through the
// real thread and queued call, while the new hand's question is pending: it
// must never be played. The test holds each answer at a gate on the thread.
void SeatsTest::staleAnswerNeverPlayed() {
    QFETCH(QString, nextOpponent);
    Game game;
    game.start();
    QSemaphore gate;
    std::atomic<int> released{0};
    GateOpener opener{gate};
    seats::computer(2)->setThinkingGate([&gate, &released] {
        gate.acquire();
        ++released;
    });
    newGameAgainst(QStringLiteral("Computer (hard)"), true);
    chooseBoth(game);
    untilComputersTurn(game);
    QVERIFY(frmMain->computerTurn());
    QVERIFY(frmMain->computerPlayer()->thinking());

    // A new game in which the computer begins: its first turn is asked at once.
    platform::Random::instance().queue({0.75});
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, nextOpponent);
    QCOMPARE(box->Text(), nextOpponent);
    Game::click(frmOptions->imgDone);
    chooseBoth(game);
    QCOMPARE(frmMain->gintTurn, qint16(2));
    QVERIFY(frmMain->computerTurn());
    QCOMPARE(squaresPlaced(), 0);

    // The old answer goes its way; the pace of the new turn passes meanwhile.
    gate.release();
    QTRY_COMPARE_WITH_TIMEOUT(released.load(), 1, 10000);
    QTest::qWait(1000);
    QCOMPARE(squaresPlaced(), 0);
    QVERIFY(frmMain->computerTurn());
    QVERIFY(frmMain->tmrComputer->isEnabled() || frmMain->computerPlayer()->thinking());

    // The new answer places the computer's first card.
    gate.release();
    QTRY_COMPARE_WITH_TIMEOUT(squaresPlaced(), 1, 10000);
    QCOMPARE(released.load(), 2);
    QCOMPARE(frmMain->gintTurn, qint16(1));
    QCOMPARE(game.folder().query("SELECT COUNT(*) FROM DirtyBoard WHERE fldOwner = 2").toInt(), 1);
}

// A minimised board is still "visible" to Qt, but the person does not see it:
// the computer's move and its announcement wait until the board is back.
void SeatsTest::waitsWhileBoardMinimised() {
    Game game;
    game.start();
    newGameAgainst(QStringLiteral("Computer (normal)"), true);
    chooseBoth(game);
    untilComputersTurn(game);
    QVERIFY(frmMain->computerTurn());
    const int placed = squaresPlaced();
    const QString announced = platform::lastAnnouncement(frmMain);

    frmMain->showMinimized();
    QVERIFY(frmMain->isVisible());
    frmMain->computerPlayer()->waitForThought();
    frmMain->tmrComputer->tick();
    QCoreApplication::processEvents();
    QCOMPARE(squaresPlaced(), placed);
    QCOMPARE(platform::lastAnnouncement(frmMain), announced);
    QVERIFY(frmMain->computerTurn());

    // Back in front: the person sees the board for the pace, then the move.
    frmMain->showNormal();
    QVERIFY(frmMain->tmrComputer->isEnabled());
    QCOMPARE(squaresPlaced(), placed);
    QVERIFY(frmMain->tmrComputer->tick());
    QCOMPARE(squaresPlaced(), placed + 1);
    QVERIFY(platform::lastAnnouncement(frmMain) != announced);
    QCOMPARE(frmMain->gintTurn, qint16(1));
}

void SeatsTest::hiddenFacesNeverOpened_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("closed hand: its faces stay on disk") << false;
    QTest::newRow("open hand: its faces are read (the watch works)") << true;
}

// The computer's offer and hand under Closed Hand are never read from disk
// (and so never named in a report about a picture) until a card is placed.
void SeatsTest::hiddenFacesNeverOpened() {
    QFETCH(bool, open);
    Game game;
    QVERIFY(privateCardFolder(game.folder()));
    game.start();
    OpenWatch watch(game.folder().file(QStringLiteral("cards")));
    QVERIFY(watch.isValid());
    newGameAgainst(QStringLiteral("Computer (hard)"), open);
    game.chooseCards(1);
    QVERIFY(frmPlayer2->isVisible());
    QStringList seen = hiddenBlueFaces(watch.opened(), {});
    QVERIFY(frmPlayer2->tmrComputer->tick());
    seen << hiddenBlueFaces(watch.opened(), {});
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QVERIFY(frmMain->isVisible());
    seen << hiddenBlueFaces(watch.opened(), {});
    if (open) {
        // Eight cards, fewer files where the offer holds a card twice.
        QVERIFY2(seen.size() >= 5, qPrintable(seen.join(' ')));
        return;
    }
    QVERIFY2(seen.isEmpty(), qPrintable(seen.join(' ')));

    // The hand up to its last card (which ends it and clears the board): only
    // cards on the board are ever read in blue.
    while (squaresPlaced() < 8) {
        if (frmMain->gintTurn == 1) {
            game.placeNext();
        } else {
            frmMain->tmrHideHand->tick();
            frmMain->computerPlayer()->waitForThought();
            QVERIFY(frmMain->tmrComputer->tick());
        }
        const QStringList hidden = hiddenBlueFaces(watch.opened(), boardFaces(game));
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(' ')));
    }
}

// The hard level judges edges by how often the card list holds them: on an
// offer where that changes its choice, the game takes the choice with the list.
// Its choice is made from its own offer alone: the person's offer and the
// five he keeps, dealt before it, change nothing.
void SeatsTest::hardSelectionWeighsCardList() {
    std::optional<Game> game;
    game.emplace();
    game->start();
    const std::vector<computer::Card>& list = FrmMain::cardList();
    QCOMPARE(int(list.size()), 606);
    // The seed the seat draws from the value 0.5 of the random source.
    const double value = 0.5;
    const auto seed = static_cast<std::uint64_t>(std::ldexp(value, 53));
    QList<double> draws;
    std::array<bool, 8> expected{};
    for (int k = 0; k < 1000 && draws.isEmpty(); ++k) {
        std::array<computer::Card, 8> offer{};
        QList<double> numbers;
        for (int i = 0; i < 8; ++i) {
            const int n = 1 + (k * 8 + i) * 37 % 606;
            offer[i] = list[n - 1];
            numbers << double(n - 1) / 605.0;
        }
        const auto withList = computer::chooseSelection(offer, computer::Level::Hard, seed, list);
        if (withList != computer::chooseSelection(offer, computer::Level::Hard, seed)) {
            draws = numbers;
            expected = withList;
        }
    }
    QVERIFY(!draws.isEmpty());

    // The person's offers: the weakest cards of the list, the strongest, a
    // spread; and three different fives kept from them.
    const QList<QList<double>> personDraws = {
        {0.0, 0.001, 0.002, 0.003, 0.004, 0.005, 0.006, 0.007},
        {1.0, 0.999, 0.998, 0.997, 0.996, 0.995, 0.994, 0.993},
        {0.1, 0.25, 0.4, 0.55, 0.6, 0.75, 0.8, 0.95},
    };
    const QList<QList<int>> personKeeps = {{1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}, {1, 3, 5, 7, 8}};
    QSet<QString> personOffers;
    for (int variant = 0; variant < personDraws.size(); ++variant) {
        if (variant > 0) {
            game.reset();
            game.emplace();
            game->start();
        }
        // New Game draws who begins; player 1's offer is dealt next, then the
        // computer's offer and its seed.
        platform::Random::instance().queue(QList<double>{0.25} + personDraws[variant] + draws +
                                           QList<double>{value});
        newGameAgainst(QStringLiteral("Computer (hard)"), false);
        game->chooseCards(1, personKeeps[variant]);
        QString seen;
        for (const computer::Card& c : frmPlayer1->offer().cards)
            seen +=
                QStringLiteral("%1,%2,%3,%4 ").arg(c.north).arg(c.east).arg(c.south).arg(c.west);
        personOffers.insert(seen);
        QVERIFY(frmPlayer2->tmrComputer->tick());
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(frmPlayer2->imgSelect[i]->Visible(), expected[i - 1]);
    }
    QCOMPARE(personOffers.size(), personDraws.size());
}

// Options opened during a match shows the name boxes disabled. A name put
// into player 2's box through the screen reader's editable text (a way
// around the disabled box) is not read by Done: the computer goes on
// playing, at its level, with its hand face down.
void SeatsTest::disabledNameBoxNotRead() {
    Game game;
    game.start();
    newGameAgainst(QStringLiteral("Computer (hard)"), false);
    chooseBoth(game);
    untilComputersTurn(game);
    QVERIFY(!frmMain->computerTurn());

    Game::click(frmMain->imgOptions);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QVERIFY(!box->isEnabled());
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface);
    if (QAccessibleEditableTextInterface* edit = iface->editableTextInterface())
        edit->replaceText(0, int(box->text().size()), QStringLiteral("Mirela"));
    Game::click(frmOptions->imgDone);
    QVERIFY(frmMain->isVisible());
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Computer (hard)"));
    QCOMPARE(frmOptions->txtPlayer2Name->Text(), QStringLiteral("Computer (hard)"));
    QCOMPARE(frmMain->lblPlayer2Name->caption(), QStringLiteral("Computer (hard)"));
    QVERIFY(frmPlayer2->computerChooses());

    // Its hand stays face down at its turn, and its move lands.
    const int placed = squaresPlaced();
    QVERIFY(frmMain->tmrHideHand->tick());
    for (int s = 1; s <= 5; ++s)
        if (frmMain->p2InHand(s))
            QCOMPARE(frmMain->imgP2[s]->pictureName(),
                     pictureName(QStringLiteral("\\images\\PlaceHolder-b.jpg")));
    QVERIFY(frmMain->computerTurn());
    frmMain->computerPlayer()->waitForThought();
    QVERIFY(frmMain->tmrComputer->tick());
    QCOMPARE(squaresPlaced(), placed + 1);
}

void SeatsTest::computerNameWholeAndUnmistakable_data() {
    QTest::addColumn<QString>("level");
    QTest::newRow("easy") << "Computer (easy)";
    QTest::newRow("normal") << "Computer (normal)";
    QTest::newRow("hard") << "Computer (hard)";
}

// The main window's label shows the computer's name with its level whole, on
// one line inside the designed label, legibly; and in a style no typed name
// gets, so that a person named like it ("Computer (hard) ", or with a
// direction mark) cannot pass for it. CTest runs this also at density 2.
void SeatsTest::computerNameWholeAndUnmistakable() {
    QFETCH(QString, level);
    Game game;
    game.start();
    platform::Label* label = frmMain->lblPlayer2Name;
    const QRect designed = platform::twipsRect(5850, 6540, 2355, 435);
    const QFont personFont = label->font();
    newGameAgainst(level, true);
    chooseBoth(game);
    QCOMPARE(label->caption(), level);
    QCOMPARE(label->geometry(), designed);
    const QFont computerFont = label->font();
    const QFontMetricsF metrics(computerFont, label);
    QVERIFY2(metrics.horizontalAdvance(level) <= label->contentsRect().width(),
             qPrintable(QString::number(metrics.horizontalAdvance(level))));
    QVERIFY(metrics.height() <= label->contentsRect().height());
    QVERIFY2(computerFont.pointSizeF() >= 12,
             qPrintable(QString::number(computerFont.pointSizeF())));
    QVERIFY(computerFont.italic());

    for (const QString& typed : {level + QLatin1Char(' '), level + QChar(0x200E),
                                 QChar(0x200F) + level, QStringLiteral("Computer")}) {
        newGameAgainst(typed, true);
        game.chooseCards(1);
        game.chooseCards(2);
        QVERIFY(frmMain->isVisible());
        QVERIFY(!frmPlayer2->computerChooses());
        QCOMPARE(frmOptions->txtPlayer2Name->Text(), typed);
        QCOMPARE(label->caption(), typed);
        QCOMPARE(label->font(), personFont);
        QVERIFY(label->font() != computerFont);
        QVERIFY(!label->font().italic());
    }
}

void SeatsTest::computerSelectionHasNoPrompt_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("closed hand") << false;
    QTest::newRow("open hand") << true;
}

// The prompt "Choose 5 cards, then press Done" speaks to the person who
// chooses at this screen: the computer's window shows none, the person's does.
void SeatsTest::computerSelectionHasNoPrompt() {
    QFETCH(bool, open);
    Game game;
    game.start();
    newGameAgainst(QStringLiteral("Computer (normal)"), open);
    game.revealOffer(1);
    QVERIFY(frmPlayer1->imgMsg->hasPicture());
    game.chooseCards(1);
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(!frmPlayer2->imgMsg->hasPicture());
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QCOMPARE(frmPlayer2->selectedCount(), qint16(5));
    QVERIFY(!frmPlayer2->imgMsg->hasPicture());
}

void SeatsTest::computerNameSetApartEverywhere_data() {
    QTest::addColumn<QString>("player2");
    QTest::addColumn<bool>("computer");
    QTest::newRow("easy") << "Computer (easy)" << true;
    QTest::newRow("normal") << "Computer (normal)" << true;
    QTest::newRow("hard") << "Computer (hard)" << true;
    QTest::newRow("a person, trailing space") << "Computer (hard) " << false;
    QTest::newRow("a person, direction mark")
        << QStringLiteral("Computer (hard)") + QChar(0x200F) << false;
}

// Besides the board, the computer's name shows as a player's name on its
// selection window, in the messages of a round and a match it wins and on
// the result window: everywhere in the slant opposite to the label's own
// (the style of a typed name there), whole and inside the label. A person
// named like it is shown exactly as designed. CTest runs this also at
// density 2.
void SeatsTest::computerNameSetApartEverywhere() {
    QFETCH(QString, player2);
    QFETCH(bool, computer);
    Game game;
    game.start();
    const QFont selectionDesign = frmPlayer2->lblName->font();
    const QFont messageDesign = frmMessage->lblMsg->font();
    const QFont resultDesign = frmWinner->lblP2Name->font();
    QStringList problems;
    auto check = [&](const platform::Label* label, const QFont& design, const QString& where) {
        const std::optional<bool> italic = drawnItalic(label, player2);
        if (!italic) {
            problems << QStringLiteral("%1: the name is not shown whole in one slant: %2")
                            .arg(where, label->text());
            return;
        }
        if (computer) {
            if (*italic == design.italic())
                problems << QStringLiteral("%1: the computer's name is styled as a typed one")
                                .arg(where);
            if (label->setApart().isEmpty() || !label->setApart().contains(player2))
                problems << QStringLiteral("%1: the computer's name is not set apart").arg(where);
            if (!label->fits(label->text(), label->font()))
                problems << QStringLiteral("%1: \"%2\" does not fit its label")
                                .arg(where, label->caption());
            if (label->font().family() != design.family() || label->font().bold() != design.bold())
                problems << QStringLiteral("%1: the label's font changed").arg(where);
        } else if (*italic != design.italic() || label->font() != design ||
                   label->textFormat() != Qt::PlainText || !label->setApart().isEmpty()) {
            problems << QStringLiteral("%1: a typed name is not shown as designed").arg(where);
        }
    };
    newGameAgainst(player2, true);
    game.chooseCards(1);
    QVERIFY(frmPlayer2->isVisible());
    QCOMPARE(frmPlayer2->computerChooses(), computer);
    check(frmPlayer2->lblName, selectionDesign, QStringLiteral("selection"));
    if (computer)
        computerChooses();
    else
        game.chooseCards(2);
    QVERIFY(frmMain->isVisible());

    // A round, then the match, won by player 2: the messages and the result.
    int messages = 0, results = 0;
    game.onModal([&](platform::Form* form) {
        if (form == frmMessage) {
            ++messages;
            check(frmMessage->lblMsg, messageDesign, QStringLiteral("message %1").arg(messages));
        } else if (form == frmWinner) {
            ++results;
            check(frmWinner->lblP2Name, resultDesign, QStringLiteral("result"));
            // Player 1, a person, as designed.
            if (frmWinner->lblP1Name->font() != resultDesign ||
                frmWinner->lblP1Name->textFormat() != Qt::PlainText)
                problems << QStringLiteral("result: player 1's name is not shown as designed");
        }
        Game::pressDone(form);
    });
    frmMain->PlayRules().gintPlayer2Score = frmOptions->gintWinHigh;
    QVERIFY(!frmMain->CheckWinner());
    // The next hand, and the match.
    game.chooseCards(1);
    if (computer)
        computerChooses();
    else
        game.chooseCards(2);
    QVERIFY(frmMain->isVisible());
    frmMain->gintP2GamesWon = 2;
    frmMain->PlayRules().gintPlayer2Score = frmOptions->gintWinHigh;
    QVERIFY(frmMain->CheckWinner());
    QCOMPARE(messages, 2);
    QCOMPARE(results, 1);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// Black-box on the real clock: from just before the person's press is sent
// to just after the computer's card is seen, never less than 600 ms.
void SeatsTest::paceIsAFloorOnTheClock() {
    Game game;
    game.start();
    newGameAgainst(QStringLiteral("Computer (easy)"), true);
    chooseBoth(game);
    QList<qint64> paces;
    // Up to the eighth card: the ninth would end the hand.
    while (squaresPlaced() <= 6) {
        const int before = squaresPlaced();
        if (frmMain->gintTurn == 2) {
            QTRY_VERIFY_WITH_TIMEOUT(squaresPlaced() == before + 1, 5000);
            continue;
        }
        QElapsedTimer sent;
        sent.start();
        game.place(Game::heldSlots().first(), Game::freeSquares().first());
        QCOMPARE(squaresPlaced(), before + 1);
        while (squaresPlaced() == before + 1 && sent.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 pace = sent.elapsed();
        QCOMPARE(squaresPlaced(), before + 2);
        paces << pace;
    }
    QVERIFY(paces.size() >= 3);
    for (qint64 pace : paces)
        QVERIFY2(pace >= 600, qPrintable(QString::number(pace)));
}

QTEST_MAIN(SeatsTest)
#include "tst_seats.moc"
