#pragma once

// A network match on the guest's side for the tests and the benchmark: the
// program's real windows play the guest, and a host scripted here joins them
// across a real TLS connection on this computer. The host is the authority of
// the match: it deals, answers each of the guest's proposals with the
// placement the capture rule makes (with the rule's in-memory board,
// computer::Board, held equal to the game's rule by a test of its own), plays
// its own cards and says how each hand ended.
#include "MatchScript.h"

#include "computer/Board.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "match/JoinedMatch.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"
#include "seats/JoinedSeat.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"

#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <memory>

namespace netmatch {

using namespace net;

inline const Timing Fast{.heartbeatMs = 150, .silenceMs = 3000, .greetingMs = 5000};

inline const JoinCode& theCode() {
    static const JoinCode code = [] {
        JoinCode c = *JoinCode::parse(u"K7QF-9M2T-XW");
        c.key();
        return c;
    }();
    return code;
}

// The host of the match. It draws the cards it deals from a seeded source,
// its own hand apart from the guest's offer, plays the first card it holds
// on a free square drawn at random, and keeps the match on a board of its
// own with the capture rule. `before` is called before each step it takes
// (by name), and may end the connection there.
class ScriptedHost : public QObject {
  public:
    ScriptedHost(const MatchOptions& options, quint32 seed)
        : m_options(options), m_random(seed),
          m_host(theCode(), options, HostedMatch::cardListDigest(),
                 static_cast<int>(FrmMain::cardList().size()), Fast) {
        connect(&m_host, &Host::joined, this, [this] {
            m_joined = true;
            if (m_begun)
                later([this] { startHand(); });
        });
        connect(&m_host, &Host::received, this, &ScriptedHost::received);
    }

    quint16 listen() {
        QString error;
        if (!m_host.listen(0, &error))
            qWarning("%s", qPrintable(error));
        return m_host.port();
    }
    Link* link() const { return m_host.guest(); }
    // The first hand is dealt once the guest is welcomed and the test has
    // set its hooks.
    void begin() {
        m_begun = true;
        if (m_joined)
            later([this] { startHand(); });
    }
    Host& host() { return m_host; }

    std::function<void(const QString& step)> before;
    // Called as each placement has been handed to the connection.
    std::function<void(const Placement&)> sent;
    // A lying host: the first placement that captures is sent as if it
    // captured nothing.
    bool lie = false;
    int lies = 0;

    // The host's hand of each hand dealt, and the cards of it not placed yet.
    QList<std::array<int, 5>> hostHands;
    QSet<int> hidden;
    // The board after each placement, and the scores it carried.
    QList<std::array<int, 9>> owners;
    QList<Placement> placements;
    QList<HandEnd> handEnds;
    std::array<qint16, 6> roundScore1{};
    std::array<qint16, 6> roundScore2{};

  private:
    const Conversation& state() const { return m_host.guest()->conversation(); }
    bool alive() const { return m_host.guest() && m_host.guest()->isOpen(); }

    bool step(const QString& name) {
        if (before)
            before(name);
        return alive();
    }

    // Each step of its own comes a little after the last, as no person
    // plays faster: the guest refuses a flood of messages (more than a
    // hundred a second) as the end of the match.
    // The answer to a move of the guest's goes out at once.
    void later(std::function<void()> f) { QTimer::singleShot(25, this, std::move(f)); }
    void now(std::function<void()> f) { QTimer::singleShot(0, this, std::move(f)); }

    int draw(const QSet<int>& apart) {
        for (;;) {
            const int card = static_cast<int>(m_random.bounded(1, 607));
            if (!apart.contains(card))
                return card;
        }
    }

    void startHand() {
        if (!alive() || state().phase() != Conversation::Phase::Choosing)
            return;
        // The host's cards of the last hand are no secret of this one: the
        // same card may come again in the guest's offer.
        hidden.clear();
        if (!step(QStringLiteral("offer")))
            return;
        m_board = {};
        m_hostSlots.fill(true);
        QSet<int> drawn;
        for (int i = 0; i < 8; ++i) {
            m_offer.cards[i] = static_cast<quint16>(draw(drawn));
            drawn << m_offer.cards[i];
        }
        m_drawn = drawn;
        link()->send(m_offer);
    }

    void received(const Message& message) {
        if (const auto* selection = std::get_if<Selection>(&message.body)) {
            const Selection chosen = *selection;
            later([this, chosen] { deal(chosen); });
        } else if (const auto* move = std::get_if<Move>(&message.body)) {
            const Move proposed = *move;
            now([this, proposed] {
                if (step(QStringLiteral("move")))
                    place(GuestPlayer, proposed.handSlot, proposed.location);
            });
        }
    }

    void deal(const Selection& selection) {
        if (!step(QStringLiteral("deal")))
            return;
        Deal d;
        d.begins =
            static_cast<quint8>(state().hand() == 1 ? m_random.bounded(1, 3) : state().turn());
        for (int k = 0; k < 5; ++k)
            d.guestHand[k] = m_offer.cards[selection.marked[k] - 1];
        std::array<int, 5> hand{};
        std::array<quint16, 5> sent{};
        for (int k = 0; k < 5; ++k) {
            hand[k] = draw(m_drawn);
            m_drawn << hand[k];
            sent[k] = static_cast<quint16>(hand[k]);
            hidden << hand[k];
        }
        if (m_options.openHand)
            d.hostHand = sent;
        hostHands << hand;
        m_guestHand = d.guestHand;
        link()->send(d);
        if (d.begins == HostPlayer)
            later([this] { hostMove(); });
    }

    void hostMove() {
        if (!alive() || state().phase() != Conversation::Phase::Playing ||
            state().turn() != HostPlayer)
            return;
        if (!step(QStringLiteral("host placement")))
            return;
        int slot = 1;
        while (slot <= 5 && !m_hostSlots[slot - 1])
            ++slot;
        QList<int> free;
        for (int l = 1; l <= 9; ++l)
            if (state().owner(l) == 0)
                free << l;
        place(HostPlayer, slot, free[static_cast<int>(m_random.bounded(free.size()))]);
    }

    void place(int player, int slot, int location) {
        if (!alive())
            return;
        const int card = player == HostPlayer ? hostHands.last()[slot - 1] : m_guestHand[slot - 1];
        if (player == HostPlayer)
            m_hostSlots[slot - 1] = false;
        computer::Captures taken;
        const int gained = m_board.place(
            location - 1, FrmMain::cardList()[card - 1], player,
            m_options.combo ? computer::Rule::BasicCombo : computer::Rule::Basic, &taken);
        Placement p;
        p.player = static_cast<quint8>(player);
        p.handSlot = static_cast<quint8>(slot);
        p.location = static_cast<quint8>(location);
        p.card = static_cast<quint16>(card);
        p.score1 = state().score(1);
        p.score2 = state().score(2);
        (player == 1 ? p.score1 : p.score2) += static_cast<qint16>(gained);
        for (int k = 0; k < taken.count; ++k)
            p.captures << static_cast<quint8>(taken.squares[k] + 1);
        if (lie && lies == 0 && !p.captures.isEmpty()) {
            ++lies;
            p.captures.clear();
            (player == 1 ? p.score1 : p.score2) = state().score(player);
        }
        hidden.remove(card);
        placements << p;
        owners << m_board.owner;
        link()->send(p);
        if (sent)
            sent(p);
        if (state().phase() == Conversation::Phase::HandOver) {
            later([this] { endHand(); });
        } else if (state().turn() == HostPlayer) {
            later([this] { hostMove(); });
        }
    }

    void endHand() {
        if (!step(QStringLiteral("hand end")))
            return;
        const HandEnd e = script::handEnd(state());
        if (e.outcome != Outcome::NextHand) {
            roundScore1[e.round] = e.score1;
            roundScore2[e.round] = e.score2;
        }
        handEnds << e;
        link()->send(e);
        later([this] { startHand(); });
    }

    MatchOptions m_options;
    bool m_joined = false;
    bool m_begun = false;
    QRandomGenerator m_random;
    Host m_host;
    computer::Board m_board;
    Offer m_offer;
    QSet<int> m_drawn;
    std::array<quint16, 5> m_guestHand{};
    std::array<bool, 5> m_hostSlots{};
};

// The guest's side of the test: the real windows, joined to the host.
struct Joined {
    Game game;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<Guest> guest;
    std::unique_ptr<JoinedMatch> match;
    QString tracePath;

    bool join(const MatchOptions& options, quint32 seed, const QString& trace = {}) {
        game.start();
        host = std::make_unique<ScriptedHost>(options, seed);
        const quint16 port = host->listen();
        guest = std::make_unique<Guest>(HostedMatch::cardListDigest(),
                                        static_cast<int>(FrmMain::cardList().size()), Fast);
        // The match takes the link as soon as the guest is welcomed, as the
        // program does: the host's first offer may come with the welcome.
        QObject::connect(
            guest.get(), &Guest::joined, guest.get(), [this](const MatchOptions& welcomed) {
                match = std::make_unique<JoinedMatch>(frmMain, guest->link(), welcomed);
            });
        QSignalSpy joined(guest.get(), &Guest::joined);
        // Everything the guest receives, as decrypted, goes into the trace.
        if (!trace.isEmpty())
            qputenv("QUORVEL_NET_TRACE", trace.toLocal8Bit());
        guest->join(QStringLiteral("127.0.0.1"), port, theCode(), options.guestName);
        qunsetenv("QUORVEL_NET_TRACE");
        return joined.wait(10000) && match;
    }

    // One step of the guest's person: his choice once the host's offer is
    // shown, his hand turned up, and his card on a free square at his turn.
    // False when there was nothing to do.
    bool play(QRandomGenerator& random) {
        if (frmPlayer2->isVisible() && frmPlayer2->seat() == match->seat() &&
            !match->seat()->proposalPending()) {
            if (frmPlayer2->tmr1->isEnabled()) {
                game.revealOffer(2);
                return true;
            }
            if (frmPlayer2->offerShown() && frmPlayer2->selectedCount() == 0) {
                for (int slot : {1, 3, 4, 6, 8})
                    Game::click(frmPlayer2->imgCard[slot]);
                Game::click(frmPlayer2->imgDone);
                return true;
            }
        }
        if (!frmMain->isVisible())
            return false;
        if (frmMain->tmrHideHand->tick())
            return true;
        if (frmMain->gintTurn == 2 && frmMain->seat(2) == match->seat() &&
            !match->seat()->proposalPending()) {
            const QList<int> held = Game::heldSlots();
            const QList<int> free = Game::freeSquares();
            if (held.isEmpty() || free.isEmpty() || !frmMain->imgP2[held.first()]->isEnabled())
                return false;
            // Only one proposal a turn: the next waits for the answer.
            const int before = static_cast<int>(free.size());
            game.place(held.first(), free[static_cast<int>(random.bounded(free.size()))]);
            return Game::freeSquares().size() != before || match->seat()->proposalPending();
        }
        return false;
    }
};

} // namespace netmatch
