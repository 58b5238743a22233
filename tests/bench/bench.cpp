// Timings of the user actions through the real windows (offscreen), on a real
// card database in a temporary program folder, and peak memory of a whole
// match against a bare Qt Widgets program. Exits with status 1 when a budget
// is missed.
//
//   quorvel_bench                run everything and print the table
//   quorvel_bench --bare         show one empty window, print own peak memory (kB)
//   quorvel_bench --bare-window  show one empty window until killed
//   quorvel_bench --match        play one scripted match (the same deal every time, its
//                                windows drawn), print own peak memory (kB)
//   quorvel_bench --bare --maps, --match --maps
//                                also list the memory resident at the end by mapping
//   quorvel_bench --computer     only the computer player's decision times and the
//                                person's hint times (offscreen)
//   quorvel_bench --startup [language]
//                                one start-up in a fresh process, print its wall-clock
//                                and processor ms
//   quorvel_bench --network      only the network match's placements
//   quorvel_bench --first-window only the time from exec to the first window
//   quorvel_bench --languages    only the start-ups in each language against English

#include "computer/Tournament.h"
#include "match/ComputerPlayer.h"
#include "match/FrmMain.h"
#include "match/Hint.h"
#include "net/NetMatch.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Form.h"
#include "platform/Random.h"
#include "platform/Translations.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmWinner.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <tuple>
#include <vector>

#include <unistd.h>
#include <xcb/xcb.h>

namespace {

constexpr double FrameMs = 16.7;
constexpr double PlacementMedianMs = 2.0;
constexpr double StartupMs = 250.0;
constexpr double MemoryRatio = 1.5;
constexpr double ComputerMs = 250.0;
constexpr double FirstWindowRatio = 1.2;

constexpr int StartupRuns = 30;
constexpr int PlacementSamples = 200;
constexpr int MatchLimit = 60;
constexpr int WonMatchSamples = 20;
constexpr int ComputerHands = 25;       // per level, rule and hand option
constexpr int HardHands = 60;           // the same for the hard level
constexpr int SelectionOffers = 200;    // offers the hard level chooses from
constexpr int ComputerWindowHands = 30; // through the windows
// Start-ups in a fresh process for each language measured, and how much
// longer one with a translator may take than one in English.
constexpr int LanguageRuns = 21;
constexpr double LanguageExtraMs = 5.0;
constexpr int FirstWindowPairs = 15;
// Pairs of memory runs (a bare window, then a whole match), each in fresh
// processes; the ratio is the median's. One pair alone spreads by about
// 0.05 in ratio, more than the margin, with the pages of the binary and
// libraries that the kernel maps around each fault.
constexpr int MemoryPairs = 5;
// The deal of the measured match: every run plays the same match, so that
// a short or a long one does not move the figure.
constexpr std::uint64_t MemoryMatchSeed = 20240607;

long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Resident memory now by mapping, summed by file (anonymous mappings, the
// heap and the stacks under their own names), largest first: where a peak
// goes, printed on standard error by the memory runs given --maps.
void printResidentByMapping() {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return;
    struct Use {
        long rss = 0, privateDirty = 0, anonymous = 0;
    };
    QMap<QByteArray, Use> byName;
    QByteArray name;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields[0].contains('-') && !fields[0].endsWith(':')) {
            name = fields.size() >= 6 ? fields.mid(5).join(' ') : QByteArray("[anonymous]");
            continue;
        }
        if (fields.size() < 2)
            continue;
        Use& use = byName[name];
        if (fields[0] == "Rss:")
            use.rss += fields[1].toLong();
        else if (fields[0] == "Private_Dirty:")
            use.privateDirty += fields[1].toLong();
        else if (fields[0] == "Anonymous:")
            use.anonymous += fields[1].toLong();
    }
    std::vector<std::pair<QByteArray, Use>> sorted(byName.keyValueBegin(), byName.keyValueEnd());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.second.rss > b.second.rss; });
    long total = 0;
    for (const auto& [file, use] : sorted)
        total += use.rss;
    std::fprintf(stderr, "  resident now %ld kB; by mapping (Rss, Private_Dirty, Anonymous kB):\n",
                 total);
    for (const auto& [file, use] : sorted)
        if (use.rss > 0)
            std::fprintf(stderr, "  %7ld %7ld %7ld  %s\n", use.rss, use.privateDirty, use.anonymous,
                         file.constData());
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Processor time of the last timed action: on a busy machine the wall-clock
// time also holds the waits for a processor, and this tells the two apart.
double g_lastCpuMs = 0;
// Set in the memory run: notes of the peak at each stage of start-up.
bool g_memoryNotes = false;
// Set in the memory run: after each action the event loop runs, as it does
// in the game between a player's actions, so that the windows shown are
// drawn (as the bare window is) and the events posted are delivered.
bool g_runEventLoop = false;

// Wall-clock milliseconds taken by `action`.
double timed(const std::function<void()>& action) {
    const double cpuStart = threadCpuMs();
    QElapsedTimer clock;
    clock.start();
    action();
    const double ms = clock.nsecsElapsed() / 1e6;
    g_lastCpuMs = threadCpuMs() - cpuStart;
    if (g_runEventLoop)
        QCoreApplication::processEvents();
    return ms;
}

struct Series {
    std::vector<double> samples;
    std::vector<double> cpu;
    bool userAction = true; // held to the one-frame budget
    double budgetMs = 0;    // else this budget for its 99th percentile

    static double percentile(std::vector<double> sorted, double p) {
        std::sort(sorted.begin(), sorted.end());
        const auto rank = static_cast<size_t>(std::ceil(p * sorted.size()));
        return sorted[std::max<size_t>(rank, 1) - 1];
    }
    double percentile(double p) const { return percentile(samples, p); }
    double cpuPercentile(double p) const { return percentile(cpu, p); }
};

// Names in the order they are printed.
const char* const Order[] = {
    "start-up after the splash tick",
    "New Game up to the options window",
    "options Done up to selection",
    "DealStock (selection timer tick)",
    "mark an offered card",
    "player 1 Done up to player 2",
    "DealHands (player 2 Done, main activation)",
    "reveal hand (tmrHideHand tick)",
    "pick a hand card",
    "placement, no capture",
    "placement, captures",
    "placement, combo",
    "CheckWinner, next hand (9th card)",
    "CheckWinner, round won (9th card)",
    "CheckWinner, match won (9th card)",
    "placement handing the turn to the computer",
    "computer's move landing (tmrComputer tick)",
    "hint, Open Hand, H to frames shown",
    "hint, Closed Hand, H to frames shown",
    "Exit (empties every table)",
};

class Bench {
  public:
    QMap<QString, Series> series;

    void add(const char* name, double ms) {
        Series& s = series[QString::fromLatin1(name)];
        s.samples.push_back(ms);
        s.cpu.push_back(g_lastCpuMs);
    }
    size_t count(const char* name) const {
        return series.value(QString::fromLatin1(name)).samples.size();
    }

    // Creates the windows and times the splash tick: every window loaded, the
    // tables opened, the start-up check and the main window shown.
    void startUp(int* modals) {
        createForms();
        if (g_memoryNotes)
            std::fprintf(stderr, "  peak after creating windows  %ld kB\n", peakResidentKb());
        platform::Form::setModalHook([modals](platform::Form* form) {
            ++*modals;
            Game::pressDone(form);
        });
        frmSplash->Show();
        if (g_memoryNotes)
            std::fprintf(stderr, "  peak after showing splash    %ld kB\n", peakResidentKb());
        add("start-up after the splash tick", timed([] { frmSplash->tmrOne->tick(); }));
        if (!frmMain->isVisible())
            qFatal("the main window is not shown after start-up");
    }

    void chooseHand(FrmPlayer* window, bool measureMarks) {
        add("DealStock (selection timer tick)", timed([window] { window->tmr1->tick(); }));
        for (int slot = 1; slot <= 5; ++slot) {
            const double ms = timed([window, slot] { Game::click(window->imgCard[slot]); });
            if (measureMarks)
                add("mark an offered card", ms);
        }
    }

    // Starts a match with closed hands (so that the offer is dealt by the
    // selection window's timer) under the given rule.
    void newMatch(bool combo) {
        add("New Game up to the options window", timed([] { Game::click(frmMain->imgNewGame); }));
        if (!frmOptions->isVisible())
            qFatal("New Game did not show the options window");
        Game::click(frmOptions->lblHandOpt[1]);
        Game::click(frmOptions->lblRuleOpts[combo ? 1 : 0]);
        add("options Done up to selection", timed([] { Game::click(frmOptions->imgDone); }));
    }

    void dealHand() {
        chooseHand(frmPlayer1, true);
        add("player 1 Done up to player 2", timed([] { Game::click(frmPlayer1->imgDone); }));
        chooseHand(frmPlayer2, true);
        add("DealHands (player 2 Done, main activation)",
            timed([] { Game::click(frmPlayer2->imgDone); }));
        if (!frmMain->isVisible() || !frmMain->p1InHand(1))
            qFatal("the hands were not dealt");
    }

    // Owner of each square as shown (0 empty, 1 red, 2 blue).
    static std::array<int, 10> owners() {
        std::array<int, 10> o{};
        for (int l = 1; l <= 9; ++l) {
            const QString& name = frmMain->imgBoard[l]->pictureName();
            o[l] = !frmMain->boardUsed(l) ? 0 : name.endsWith(QLatin1String("r.jpg")) ? 1 : 2;
        }
        return o;
    }

    // Places one card of the player on turn, at a random hand slot and free
    // square, and files the time of the board press by what it did.
    void placeOne(bool combo, int* modals) {
        add("reveal hand (tmrHideHand tick)", timed([] { frmMain->tmrHideHand->tick(); }));
        const int turn = frmMain->gintTurn;
        std::vector<int> freeSlots, squares;
        for (int s = 1; s <= 5; ++s)
            if (turn == 1 ? frmMain->p1InHand(s) : frmMain->p2InHand(s))
                freeSlots.push_back(s);
        for (int l = 1; l <= 9; ++l)
            if (!frmMain->boardUsed(l))
                squares.push_back(l);
        const int slot = freeSlots[std::rand() % freeSlots.size()];
        const int square = squares[std::rand() % squares.size()];
        auto& hand = turn == 1 ? frmMain->imgP1 : frmMain->imgP2;
        add("pick a hand card", timed([&] { Game::press(hand[slot]); }));
        Game::release(hand[slot]);

        const bool last = frmMain->cardsPlaced() == 8;
        const auto before = owners();
        const int roundsBefore = frmMain->gintP1GamesWon + frmMain->gintP2GamesWon;
        const int modalsBefore = *modals;
        const double ms = timed([square] { Game::press(frmMain->imgBoard[square]); });
        Game::release(frmMain->imgBoard[square]);
        if (last) {
            if (*modals == modalsBefore)
                qFatal("the ninth card did not end the hand");
            if (frmMain->gblnWinner)
                add("CheckWinner, match won (9th card)", ms);
            else if (frmMain->gintP1GamesWon + frmMain->gintP2GamesWon > roundsBefore)
                add("CheckWinner, round won (9th card)", ms);
            else
                add("CheckWinner, next hand (9th card)", ms);
            return;
        }
        const auto after = owners();
        int captured = 0;
        for (int l = 1; l <= 9; ++l)
            if (l != square && before[l] != 0 && before[l] != after[l])
                ++captured;
        if (captured == 0)
            add("placement, no capture", ms);
        else
            add(combo ? "placement, combo" : "placement, captures", ms);
    }

    bool placementsWanted() const {
        return count("placement, no capture") < PlacementSamples ||
               count("placement, captures") < PlacementSamples ||
               count("placement, combo") < PlacementSamples;
    }

    // Against the computer at hard: the person's placement that hands it the
    // turn (its position read from the tables, its thread started) and its
    // move landing through the pick and placement handlers, both on the
    // user-interface thread. The decision itself runs on its thread and is
    // timed apart (computerDecisions). The person's hint, the hard level's
    // search from what the person may know, is timed from the key to the
    // frames, under the hand option played.
    void playAgainstComputer(int hands, bool openHand) {
        const char* hintName = openHand ? "hint, Open Hand, H to frames shown"
                                        : "hint, Closed Hand, H to frames shown";
        Game::click(frmMain->imgNewGame);
        Game::click(frmOptions->lblHandOpt[openHand ? 0 : 1]);
        Game::click(frmOptions->imgDone);
        for (int hand = 0; hand < hands; ++hand) {
            if (frmMain->gblnWinner) {
                Game::click(frmMain->imgNewGame);
                Game::click(frmOptions->imgDone);
            }
            // The offer is dealt by the selection window's timer.
            frmPlayer1->tmr1->tick();
            for (int slot = 1; slot <= 5; ++slot)
                Game::click(frmPlayer1->imgCard[slot]);
            Game::click(frmPlayer1->imgDone);
            frmPlayer2->tmrComputer->tick();
            frmPlayer2->tmrComputer->tick();
            if (!frmMain->isVisible() || !frmMain->p2InHand(1))
                qFatal("the computer's hand was not dealt");
            for (int card = 0; card < 9; ++card) {
                const bool last = frmMain->cardsPlaced() == 8;
                // Under Closed Hand the hand on turn turns face up at the
                // hiding timer's tick.
                frmMain->tmrHideHand->tick();
                if (frmMain->gintTurn == 2) {
                    frmMain->computerPlayer()->waitForThought();
                    const double ms = timed([] { frmMain->tmrComputer->tick(); });
                    if (!last)
                        add("computer's move landing (tmrComputer tick)", ms);
                    continue;
                }
                // The person's hint: asked by key, thought out on its thread
                // (hard's search from the person's side), framed and said.
                // Its processor time is the whole process's: the search runs
                // on threads of its own.
                if (!last) {
                    const double cpuStart = processCpuMs();
                    const double hintMs = timed([] {
                        QTest::keyClick(frmMain->windowHandle(), Qt::Key_H);
                        frmMain->hint()->waitForThought();
                    });
                    g_lastCpuMs = processCpuMs() - cpuStart;
                    if (frmMain->hint()->shownSlot() == 0)
                        qFatal("no hint was shown");
                    frmMain->hint()->forget();
                    add(hintName, hintMs);
                }
                int slot = 1, square = 1;
                while (!frmMain->p1InHand(slot))
                    ++slot;
                while (frmMain->boardUsed(square))
                    ++square;
                Game::click(frmMain->imgP1[slot]);
                const double ms = timed([square] { Game::press(frmMain->imgBoard[square]); });
                Game::release(frmMain->imgBoard[square]);
                if (!last)
                    add("placement handing the turn to the computer", ms);
            }
        }
    }

    void playMatch(bool combo, int* modals) {
        newMatch(combo);
        for (int hand = 0; hand < MatchLimit && !frmMain->gblnWinner; ++hand) {
            dealHand();
            for (int card = 0; card < 9; ++card)
                placeOne(combo, modals);
        }
        if (!frmMain->gblnWinner)
            qFatal("a match did not end");
    }
};

// The computer's decision time per level: hands of the level against the
// normal level under both rules and both hand options, every decision of the
// level timed. Prints its own table, the hard level's also by the number of
// free squares at its turn; a hard decision is held to its budget at the
// 99th percentile.
void computerDecisions(QStringList& missed) {
    const std::vector<computer::Card> list =
        tournament::cardList(QStringLiteral(QUORVEL_SOURCE_DIR "/data/cards.csv"));
    struct Row {
        const char* name;
        computer::Level level;
        bool openHand;
    };
    const Row rows[] = {
        {"computer decision, easy", computer::Level::Easy, false},
        {"computer decision, normal", computer::Level::Normal, false},
        {"computer decision, hard, Open Hand", computer::Level::Hard, true},
        {"computer decision, hard, Closed Hand", computer::Level::Hard, false},
    };
    std::printf("\n%-44s %7s %10s %10s %12s\n", "computer player", "samples", "median ms", "p99 ms",
                "p99 cpu ms");
    auto print = [](const char* name, const Series& s) {
        std::printf("%-44s %7zu %10.3f %10.3f %12.3f\n", name, s.samples.size(), s.percentile(0.5),
                    s.percentile(0.99), s.cpuPercentile(0.99));
    };
    for (const Row& row : rows) {
        const bool hard = row.level == computer::Level::Hard;
        const int hands = hard ? HardHands : ComputerHands;
        Series s;
        std::array<Series, 10> byFree;
        for (computer::Rule rule : {computer::Rule::Basic, computer::Rule::BasicCombo})
            for (int hand = 0; hand < hands; ++hand)
                tournament::playHand({row.level, computer::Level::Normal}, row.openHand, rule,
                                     hand % 2, list, tournament::mixSeed(7, hand), {},
                                     [&](int seat, const computer::Position& position,
                                         const std::function<void()>& decide) {
                                         if (seat != 0) {
                                             decide();
                                             return;
                                         }
                                         // The hard level thinks on two threads:
                                         // the processor time of both counts.
                                         const double cpuStart = processCpuMs();
                                         const double ms = timed(decide);
                                         const double cpu = processCpuMs() - cpuStart;
                                         s.samples.push_back(ms);
                                         s.cpu.push_back(cpu);
                                         int free = 0;
                                         for (int o : position.owner)
                                             free += o == 0;
                                         byFree[free].samples.push_back(ms);
                                         byFree[free].cpu.push_back(cpu);
                                     });
        print(row.name, s);
        if (hard)
            for (int free = 9; free >= 1; --free) {
                if (byFree[free].samples.empty())
                    continue;
                const QByteArray name = QStringLiteral("  %1 free squares").arg(free).toLatin1();
                print(name.constData(), byFree[free]);
            }
        const double p99 = s.percentile(0.99);
        if (hard && p99 >= ComputerMs)
            missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                          .arg(QString::fromLatin1(row.name))
                          .arg(p99, 0, 'f', 3)
                          .arg(ComputerMs);
    }

    // The hard level's choice of five of eight cards, which the game makes on
    // the user-interface thread when its selection window deals: random offers
    // from the card list.
    Series selection;
    computer::Rng rng(11);
    for (int i = 0; i < SelectionOffers; ++i) {
        std::array<computer::Card, 8> offer{};
        for (computer::Card& card : offer)
            card = list[rng.below(int(list.size()))];
        const std::uint64_t seed = rng.next();
        const double cpuStart = processCpuMs();
        selection.samples.push_back(
            timed([&] { computer::chooseSelection(offer, computer::Level::Hard, seed, list); }));
        selection.cpu.push_back(processCpuMs() - cpuStart);
    }
    print("computer selection, hard", selection);
    if (selection.percentile(0.99) >= ComputerMs)
        missed << QStringLiteral(
                      "\"computer selection, hard\": 99th percentile %1 ms, budget %2 ms")
                      .arg(selection.percentile(0.99), 0, 'f', 3)
                      .arg(ComputerMs);
}

// The person's hint through the windows, the hard level's search from what
// the person may know, under each hand option: hands against the computer at
// hard on a fresh program folder, every hint timed from the key to the
// frames and held to the hard level's budget at the 99th percentile.
void hintTimes(QStringList& missed) {
    Bench bench;
    for (bool openHand : {true, false}) {
        options::applyComputerOption(QStringLiteral("hard"));
        int modals = 0;
        Game game;
        bench.startUp(&modals);
        bench.playAgainstComputer(ComputerWindowHands, openHand);
        options::resetStartingPlayer2();
    }
    std::printf("\n%-44s %7s %10s %10s %12s\n", "hint", "samples", "median ms", "p99 ms",
                "p99 cpu ms");
    for (const char* name :
         {"hint, Open Hand, H to frames shown", "hint, Closed Hand, H to frames shown"}) {
        const Series s = bench.series.value(QString::fromLatin1(name));
        if (s.samples.empty()) {
            missed << QStringLiteral("no samples of \"%1\"").arg(QString::fromLatin1(name));
            continue;
        }
        const double p99 = s.percentile(0.99);
        std::printf("%-44s %7zu %10.3f %10.3f %12.3f\n", name, s.samples.size(), s.percentile(0.5),
                    p99, s.cpuPercentile(0.99));
        if (p99 >= ComputerMs)
            missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                          .arg(QString::fromLatin1(name))
                          .arg(p99, 0, 'f', 3)
                          .arg(ComputerMs);
    }
}

// A network match over a TLS connection on this computer, Open Hand (no
// pause between the turns), the guest's real board against a host scripted
// in the same process: the time from a placement sent by the host to the card
// drawn on the guest's board, and from the guest's press on a square (his
// proposal) to his card drawn once the host has answered it. The first is
// held to one frame at the 99th percentile, the second, which crosses the
// connection twice, to two.
void networkPlacements(QStringList& missed) {
    using namespace netmatch;
    MatchOptions options = script::options(true, false);
    // No round is ever won: hand follows hand.
    options.target = 32000;
    Joined j;
    if (!j.join(options, 4242))
        qFatal("the guest could not join the scripted host");
    QElapsedTimer clock;
    clock.start();
    Series hostToGuest;
    Series roundTrip;
    qint64 sentAt = -1;
    double sentCpu = 0;
    qint64 pressedAt = -1;
    double pressedCpu = 0;
    j.host->sent = [&](const Placement& p) {
        if (p.player == HostPlayer) {
            sentAt = clock.nsecsElapsed();
            sentCpu = processCpuMs();
        }
    };
    QObject::connect(j.match->seat(), &JoinedSeat::moveProposed, [&] {
        pressedAt = clock.nsecsElapsed();
        pressedCpu = processCpuMs();
    });
    QObject::connect(frmMain, &FrmMain::cardPlaced, [&](int player) {
        const qint64 now = clock.nsecsElapsed();
        if (player == HostPlayer && sentAt >= 0) {
            hostToGuest.samples.push_back((now - sentAt) / 1e6);
            hostToGuest.cpu.push_back(processCpuMs() - sentCpu);
            sentAt = -1;
        } else if (player == GuestPlayer && pressedAt >= 0) {
            roundTrip.samples.push_back((now - pressedAt) / 1e6);
            roundTrip.cpu.push_back(processCpuMs() - pressedCpu);
            pressedAt = -1;
        }
    });
    j.host->begin();
    QRandomGenerator random(99);
    while ((hostToGuest.samples.size() < PlacementSamples ||
            roundTrip.samples.size() < PlacementSamples) &&
           clock.elapsed() < 300000) {
        if (j.play(random)) {
            QCoreApplication::processEvents();
            continue;
        }
        // Waits in the event loop, woken by the socket as soon as it reads.
        QEventLoop wait;
        QTimer::singleShot(1, &wait, &QEventLoop::quit);
        wait.exec();
    }
    std::printf("\n%-44s %7s %10s %10s %12s\n", "network match (loopback, TLS)", "samples",
                "median ms", "p99 ms", "p99 cpu ms");
    const std::tuple<const char*, const Series*, double> rows[] = {
        {"host's placement to the card drawn on guest", &hostToGuest, FrameMs},
        {"guest's press to his card drawn (via host)", &roundTrip, 2 * FrameMs}};
    for (const auto& [name, s, budget] : rows) {
        if (s->samples.empty()) {
            missed << QStringLiteral("no samples of \"%1\"").arg(QString::fromLatin1(name));
            continue;
        }
        std::printf("%-44s %7zu %10.3f %10.3f %12.3f\n", name, s->samples.size(),
                    s->percentile(0.5), s->percentile(0.99), s->cpuPercentile(0.99));
        if (s->percentile(0.99) >= budget)
            missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                          .arg(QString::fromLatin1(name))
                          .arg(s->percentile(0.99), 0, 'f', 3)
                          .arg(budget);
    }
    j.game.exit();
}

// A private X server for the start-up runs, and a connection of the driver's
// own that hears every top-level window mapped on it.
class FirstWindowDriver {
  public:
    ~FirstWindowDriver() {
        if (m_connection)
            xcb_disconnect(m_connection);
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    QString start() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return QStringLiteral("Xvfb is not installed (make setup installs it)");
        // The server tells its display number once it listens.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        QElapsedTimer clock;
        clock.start();
        while (!m_server.canReadLine() && clock.elapsed() < 10000)
            m_server.waitForReadyRead(200);
        m_display = QStringLiteral(":") + QString::fromLatin1(m_server.readLine().trimmed());
        if (m_display.size() < 2)
            return QStringLiteral("Xvfb gave no display number");
        m_connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return QStringLiteral("cannot connect to Xvfb at %1").arg(m_display);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        return {};
    }

    // Processor milliseconds of the last run up to its first window mapped.
    double lastCpuMs = 0;

    // Milliseconds from starting `program` to its first window mapped, or -1.
    double run(const QString& program, const QStringList& arguments, const QString& folder) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        while (xcb_generic_event_t* old = xcb_poll_for_event(m_connection))
            std::free(old);
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        double ms = -1;
        // The same polling for both programs: the events queue up in the
        // driver's connection, and their arrival is looked for every 0.2 ms.
        while (ms < 0 && clock.elapsed() < 20000 && !xcb_connection_has_error(m_connection)) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && ms < 0) {
                    ms = clock.nsecsElapsed() / 1e6;
                    lastCpuMs = cpuMsOf(process.processId());
                }
                std::free(event);
            }
            if (ms < 0)
                ::usleep(200);
        }
        process.kill();
        process.waitForFinished(5000);
        return ms;
    }

  private:
    // The processor time a process has had so far (the scheduler's count, in
    // nanoseconds, of its main thread), which a busy machine does not stretch.
    static double cpuMsOf(qint64 pid) {
        QFile stat(QStringLiteral("/proc/%1/schedstat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        return stat.readAll().split(' ').value(0).toDouble() / 1e6;
    }

    QProcess m_server;
    QString m_display;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

// From exec to the first window on the screen: the game (the splash window)
// against a bare Qt window, in pairs run one after the other so that both
// meet the same load. Prints the medians and holds their ratio to its budget.
void firstWindow(QStringList& missed) {
    FirstWindowDriver driver;
    const QString problem = driver.start();
    if (!problem.isEmpty()) {
        missed << QStringLiteral("first window: %1").arg(problem);
        return;
    }
    // The game runs from a copy of the program folder of its own, so that
    // nothing of the build's folder is touched; it is killed once its first
    // window shows, a second before it opens the database.
    QTemporaryDir folder;
    const QString build = QStringLiteral(QUORVEL_PROGRAM_DIR);
    for (const char* file : {"quorvel", "Cards.mdb", "QorRules.rtf"})
        QFile::copy(build + "/" + file, folder.filePath(QString::fromLatin1(file)));
    for (const char* sub : {"images", "cards"})
        QFile::link(build + "/" + sub, folder.filePath(QString::fromLatin1(sub)));
    const QString game = folder.filePath(QStringLiteral("quorvel"));
    QFile::setPermissions(game,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString bare = QCoreApplication::applicationFilePath();
    // One pair first, unmeasured: both programs' files come into the cache.
    driver.run(game, {}, folder.path());
    driver.run(bare, {QStringLiteral("--bare-window")}, folder.path());
    Series gameRuns, bareRuns;
    for (int pair = 0; pair < FirstWindowPairs; ++pair) {
        const double g = driver.run(game, {}, folder.path());
        const double gCpu = driver.lastCpuMs;
        const double b = driver.run(bare, {QStringLiteral("--bare-window")}, folder.path());
        if (g < 0 || b < 0) {
            missed << QStringLiteral("first window: a program showed no window");
            return;
        }
        gameRuns.samples.push_back(g);
        gameRuns.cpu.push_back(gCpu);
        bareRuns.samples.push_back(b);
        bareRuns.cpu.push_back(driver.lastCpuMs);
    }
    const double gameMedian = gameRuns.percentile(0.5);
    const double bareMedian = bareRuns.percentile(0.5);
    const double ratio = gameMedian / bareMedian;
    std::printf("\nexec to first window mapped (Xvfb, %d pairs): game median %.1f ms, bare Qt "
                "window %.1f ms, ratio %.2f (budget %.1f)\n",
                FirstWindowPairs, gameMedian, bareMedian, ratio, FirstWindowRatio);
    // The processor time of each up to then, which the machine's load does
    // not stretch as it stretches the wall-clock times.
    const double gameCpu = gameRuns.cpuPercentile(0.5);
    const double bareCpu = bareRuns.cpuPercentile(0.5);
    std::printf("  processor time to first window: game median %.1f ms, bare Qt window %.1f ms, "
                "ratio %.2f\n",
                gameCpu, bareCpu, bareCpu > 0 ? gameCpu / bareCpu : 0.0);
    if (ratio >= FirstWindowRatio)
        missed << QStringLiteral("first window %1 x a bare Qt window, budget %2 x")
                      .arg(ratio, 0, 'f', 2)
                      .arg(FirstWindowRatio);
}

int bare(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    if (app.arguments().contains(QStringLiteral("--maps")))
        printResidentByMapping();
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

int bareWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}

int match(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Bench bench;
    int modals = 0;
    // Where the memory goes, for the reader of the table (on standard error).
    std::fprintf(stderr, "  peak after QApplication      %ld kB\n", peakResidentKb());
    g_memoryNotes = true;
    g_runEventLoop = true;
    {
        Game game;
        platform::Random::instance().setSeed(MemoryMatchSeed);
        bench.startUp(&modals);
        std::fprintf(stderr, "  peak after start-up          %ld kB\n", peakResidentKb());
        bench.playMatch(false, &modals);
        std::fprintf(stderr, "  peak after a whole match     %ld kB (%zu hands)\n",
                     peakResidentKb(), bench.count("DealStock (selection timer tick)") / 2);
        if (app.arguments().contains(QStringLiteral("--maps")))
            printResidentByMapping();
        Game::click(frmMain->imgExit);
        platform::Random::instance().reset();
    }
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

// One start-up as the program makes it, in a process of its own so that the
// translators, the language's pictures and its fonts are loaded for the first
// time: the language chosen, every window made, the splash's tick (the start-up
// check included) and the main window drawn. Prints its wall-clock and
// processor milliseconds.
int startupIn(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    Game game;
    int modals = 0;
    const double ms = timed([&] {
        if (!platform::useLanguage(language))
            qFatal("no translation for %s", qPrintable(language));
        createForms();
        platform::Form::setModalHook([&modals](platform::Form* form) {
            ++modals;
            Game::pressDone(form);
        });
        frmSplash->Show();
        frmSplash->tmrOne->tick();
        if (!frmMain->isVisible())
            qFatal("the main window is not shown after start-up");
        frmMain->grab();
    });
    std::printf("%.3f %.3f\n", ms, g_lastCpuMs);
    Game::click(frmMain->imgExit);
    platform::useLanguage(QString());
    return 0;
}

// Start-up of each language against English, the processes taken in turn so
// that a busy moment of the machine falls on all of them alike: the median of
// the differences between neighbouring runs, in wall-clock and processor time.
void languageStartUps(QStringList& missed) {
    const QStringList languages = {QString(), QStringLiteral("de"), QStringLiteral("ja")};
    QMap<QString, std::vector<double>> wall;
    QMap<QString, std::vector<double>> cpu;
    for (int run = 0; run < LanguageRuns; ++run)
        for (const QString& language : languages) {
            QProcess child;
            QStringList arguments{QStringLiteral("--startup")};
            if (!language.isEmpty())
                arguments << language;
            child.start(QCoreApplication::applicationFilePath(), arguments);
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                missed << QStringLiteral("start-up in \"%1\" failed: %2")
                              .arg(language, QString::fromLocal8Bit(child.readAllStandardError()));
                return;
            }
            const QList<QByteArray> times = child.readAllStandardOutput().simplified().split(' ');
            wall[language].push_back(times.value(0).toDouble());
            cpu[language].push_back(times.value(1).toDouble());
        }
    const auto median = [](const std::vector<double>& v) { return Series::percentile(v, 0.5); };
    std::printf("\nstart-up in a fresh process, median of %d (wall-clock / processor): "
                "English %.1f / %.1f ms",
                LanguageRuns, median(wall.value(QString())), median(cpu.value(QString())));
    for (const QString& language : languages) {
        if (language.isEmpty())
            continue;
        std::vector<double> wallMore;
        std::vector<double> cpuMore;
        for (int run = 0; run < LanguageRuns; ++run) {
            wallMore.push_back(wall[language][run] - wall[QString()][run]);
            cpuMore.push_back(cpu[language][run] - cpu[QString()][run]);
        }
        std::printf(", %s %.1f / %.1f ms (%+.1f / %+.1f)", qPrintable(language),
                    median(wall.value(language)), median(cpu.value(language)), median(wallMore),
                    median(cpuMore));
        if (median(wallMore) >= LanguageExtraMs)
            missed << QStringLiteral("start-up in %1: %2 ms more than in English, budget %3 ms")
                          .arg(language)
                          .arg(median(wallMore), 0, 'f', 1)
                          .arg(LanguageExtraMs);
    }
    std::printf("\n");
}

long childPeakKb(const char* mode) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s run failed: %s\n", mode, child.readAllStandardError().constData());
        return -1;
    }
    return child.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return bare(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--match") == 0)
        return match(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--startup") == 0)
        return startupIn(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--first-window") == 0) {
        QCoreApplication app(argc, argv);
        QStringList missed;
        firstWindow(missed);
        for (const QString& line : missed)
            std::printf("BUDGET MISSED: %s\n", qPrintable(line));
        return missed.isEmpty() ? 0 : 1;
    }
    if (argc > 1 && qstrcmp(argv[1], "--computer") == 0) {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        QStringList missed;
        computerDecisions(missed);
        hintTimes(missed);
        for (const QString& line : missed)
            std::printf("BUDGET MISSED: %s\n", qPrintable(line));
        return missed.isEmpty() ? 0 : 1;
    }

    if (argc > 1 && qstrcmp(argv[1], "--languages") == 0) {
        QApplication app(argc, argv);
        QStringList missed;
        languageStartUps(missed);
        for (const QString& line : missed)
            std::printf("BUDGET MISSED: %s\n", qPrintable(line));
        return missed.isEmpty() ? 0 : 1;
    }
    if (argc > 1 && qstrcmp(argv[1], "--network") == 0) {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        QStringList missed;
        networkPlacements(missed);
        for (const QString& line : missed)
            std::printf("BUDGET MISSED: %s\n", qPrintable(line));
        return missed.isEmpty() ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::srand(20240607);
    Bench bench;
    QElapsedTimer total;
    total.start();

    // Start-ups, each on a fresh program folder, each followed by part of a
    // hand so that Exit has hands and a board to empty.
    for (int run = 0; run < StartupRuns; ++run) {
        int modals = 0;
        Game game;
        bench.startUp(&modals);
        bench.newMatch(run % 2 == 1);
        bench.dealHand();
        for (int card = 0; card < 4; ++card)
            bench.placeOne(run % 2 == 1, &modals);
        bench.add("Exit (empties every table)", timed([] { Game::click(frmMain->imgExit); }));
        if (frmMain->isLoaded())
            qFatal("Exit did not unload the main window");
    }

    // Whole matches, alternating the rules, until every kind of placement and
    // of hand end has enough samples.
    {
        int modals = 0;
        Game game;
        bench.startUp(&modals);
        Series& startUps = bench.series[QStringLiteral("start-up after the splash tick")];
        startUps.samples.pop_back();
        startUps.cpu.pop_back();
        for (int matchNo = 0; matchNo < 2 * WonMatchSamples || bench.placementsWanted() ||
                              bench.count("CheckWinner, round won (9th card)") < WonMatchSamples;
             ++matchNo)
            bench.playMatch(matchNo % 2 == 1, &modals);
    }
    // Hands against the computer, on a fresh program folder, under each hand
    // option.
    for (bool openHand : {true, false}) {
        options::applyComputerOption(QStringLiteral("hard"));
        int modals = 0;
        Game game;
        bench.startUp(&modals);
        bench.series[QStringLiteral("start-up after the splash tick")].samples.pop_back();
        bench.series[QStringLiteral("start-up after the splash tick")].cpu.pop_back();
        bench.playAgainstComputer(ComputerWindowHands, openHand);
        options::resetStartingPlayer2();
    }
    bench.series[QStringLiteral("start-up after the splash tick")].userAction = false;
    // A hint is the hard level's decision made for the person: its budget.
    for (const char* hint :
         {"hint, Open Hand, H to frames shown", "hint, Closed Hand, H to frames shown"})
        bench.series[QString::fromLatin1(hint)].budgetMs = ComputerMs;

    // Each pair one after the other, so that a busy moment of the machine or
    // a change in the page cache falls on both of its runs alike.
    std::vector<double> ratios;
    std::vector<long> bareRuns, matchRuns;
    for (int pair = 0; pair < MemoryPairs; ++pair) {
        const long bare = childPeakKb("--bare");
        const long match = childPeakKb("--match");
        if (bare <= 0 || match <= 0)
            break;
        bareRuns.push_back(bare);
        matchRuns.push_back(match);
        ratios.push_back(double(match) / double(bare));
    }

    std::printf("%-44s %7s %10s %10s %12s\n", "action", "samples", "median ms", "p99 ms",
                "p99 cpu ms");
    QStringList missed;
    for (const char* name : Order) {
        const Series s = bench.series.value(QString::fromLatin1(name));
        if (s.samples.empty()) {
            missed << QStringLiteral("no samples of \"%1\"").arg(QString::fromLatin1(name));
            continue;
        }
        const double median = s.percentile(0.5), p99 = s.percentile(0.99);
        std::printf("%-44s %7zu %10.3f %10.3f %12.3f\n", name, s.samples.size(), median, p99,
                    s.cpuPercentile(0.99));
        const QString n = QString::fromLatin1(name);
        if (s.budgetMs > 0) {
            if (p99 >= s.budgetMs)
                missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                              .arg(n)
                              .arg(p99, 0, 'f', 3)
                              .arg(s.budgetMs);
            continue;
        }
        if (s.userAction && p99 >= FrameMs)
            missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                          .arg(n)
                          .arg(p99, 0, 'f', 3)
                          .arg(FrameMs);
        if (n.startsWith(QLatin1String("placement")) && median >= PlacementMedianMs)
            missed << QStringLiteral("\"%1\": median %2 ms, budget %3 ms")
                          .arg(n)
                          .arg(median, 0, 'f', 3)
                          .arg(PlacementMedianMs);
        if (!s.userAction && p99 >= StartupMs)
            missed << QStringLiteral("\"%1\": 99th percentile %2 ms, budget %3 ms")
                          .arg(n)
                          .arg(p99, 0, 'f', 3)
                          .arg(StartupMs);
    }
    if (ratios.size() == MemoryPairs) {
        std::sort(bareRuns.begin(), bareRuns.end());
        std::sort(matchRuns.begin(), matchRuns.end());
        const double ratio = Series::percentile(ratios, 0.5);
        std::printf("\npeak resident memory (%d pairs): whole match %ld to %ld kB, bare Qt window "
                    "%ld to %ld kB, ratio %.3f to %.3f, median %.3f (budget %.1f)\n",
                    MemoryPairs, matchRuns.front(), matchRuns.back(), bareRuns.front(),
                    bareRuns.back(), Series::percentile(ratios, 0), Series::percentile(ratios, 1),
                    ratio, MemoryRatio);
        if (ratio >= MemoryRatio)
            missed << QStringLiteral("peak memory %1 x the bare program, budget %2 x")
                          .arg(ratio, 0, 'f', 2)
                          .arg(MemoryRatio);
    } else {
        std::printf("\n");
        missed << QStringLiteral("peak memory could not be measured");
    }
    languageStartUps(missed);
    firstWindow(missed);
    computerDecisions(missed);
    networkPlacements(missed);
    std::printf("bench time %.1f s\n", total.elapsed() / 1000.0);

    if (!missed.isEmpty()) {
        for (const QString& line : missed)
            std::printf("BUDGET MISSED: %s\n", qPrintable(line));
        return 1;
    }
    std::printf("all budgets met\n");
    return 0;
}
