#include "computer/Search.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>

namespace computer {

namespace {

constexpr int MaxPlies = 12;

// For a mask of free squares, the squares beside one of them.
constexpr std::array<std::uint16_t, 512> makeNearFree() {
    std::array<std::uint16_t, 512> near{};
    for (unsigned free = 0; free < 512; ++free)
        for (int square = 0; square < 9; ++square)
            if (free & (1u << square))
                near[free] |= std::uint16_t(Adjacent[square]);
    return near;
}

constexpr std::array<std::uint16_t, 512> NearFree = makeNearFree();

// For a mask of squares, their six bits of the key all set.
constexpr std::array<std::uint64_t, 512> makeWholeSquares() {
    std::array<std::uint64_t, 512> bits{};
    for (unsigned mask = 0; mask < 512; ++mask)
        for (int square = 0; square < 9; ++square)
            if (mask & (1u << square))
                bits[mask] |= std::uint64_t(63) << (6 * square);
    return bits;
}

constexpr std::array<std::uint64_t, 512> WholeSquares = makeWholeSquares();

// For a mask of squares, the owner bits of their six bits in the key.
constexpr std::array<std::uint64_t, 512> makeBlueBits() {
    std::array<std::uint64_t, 512> bits{};
    for (unsigned mask = 0; mask < 512; ++mask)
        for (int square = 0; square < 9; ++square)
            if (mask & (1u << square))
                bits[mask] |= std::uint64_t(1) << (6 * square);
    return bits;
}

constexpr std::array<std::uint64_t, 512> BlueBits = makeBlueBits();

// Set bits of a mask of squares or hand slots, without asking the processor
// for an instruction it may not have.
constexpr std::array<std::uint8_t, 512> makeBitCounts() {
    std::array<std::uint8_t, 512> counts{};
    for (int mask = 1; mask < 512; ++mask)
        counts[mask] = std::uint8_t(counts[mask >> 1] + (mask & 1));
    return counts;
}

constexpr std::array<std::uint8_t, 512> BitCount = makeBitCounts();

// The key holds six bits a square (its card's kind + 1, then whether player 2
// owns it) and from bit 54 one bit a hand card still held.
constexpr int HeldShift = 54;

std::uint64_t squareBits(int kind, bool blue, int square) {
    return std::uint64_t((kind + 1) << 1 | int(blue)) << (6 * square);
}

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return x;
}

// The data word of a table entry.
constexpr int GenerationShift = 29;

std::uint64_t pack(const Table::Entry& e, std::uint64_t generation) {
    return std::uint64_t(std::uint16_t(e.value + 32768)) | std::uint64_t(e.bound) << 16 |
           std::uint64_t(std::min(e.depth, 15)) << 18 | std::uint64_t(e.move + 1) << 22 |
           generation << GenerationShift;
}

Table::Entry unpack(std::uint64_t data) {
    Table::Entry e;
    e.value = int(data & 0xFFFF) - 32768;
    e.bound = int(data >> 16) & 3;
    e.depth = int(data >> 18) & 15;
    e.move = int(data >> 22 & 127) - 1;
    return e;
}

std::uint64_t load(std::uint64_t& word) {
    return std::atomic_ref<std::uint64_t>(word).load(std::memory_order_relaxed);
}

void save(std::uint64_t& word, std::uint64_t value) {
    std::atomic_ref<std::uint64_t>(word).store(value, std::memory_order_relaxed);
}

} // namespace

// ---- Table ---------------------------------------------------------------------

void Table::Free::operator()(std::uint64_t* words) const {
    std::free(words);
}

Table::Table(int bits) {
    // Two words an entry, two entries a bucket. Zeroed memory is generation 0,
    // which no search uses; pages never touched are never really allocated.
    const std::size_t words = std::size_t(2) << bits;
    m_words.reset(static_cast<std::uint64_t*>(std::calloc(words, sizeof(std::uint64_t))));
    if (!m_words)
        throw std::bad_alloc();
    m_bucketMask = (std::size_t(1) << (bits - 1)) - 1;
    newGeneration();
}

void Table::newGeneration() {
    m_generation = (m_generation + 1) & 0xFF;
    if (m_generation == 0) {
        std::memset(m_words.get(), 0, (m_bucketMask + 1) * 4 * sizeof(std::uint64_t));
        m_generation = 1;
    }
}

void Table::prefetch(std::uint64_t key) const {
    __builtin_prefetch(m_words.get() + (mix(key) & m_bucketMask) * 4);
}

bool Table::probe(std::uint64_t key, Entry& out) const {
    std::uint64_t* bucket = m_words.get() + (mix(key) & m_bucketMask) * 4;
    for (int i = 0; i < 2; ++i) {
        const std::uint64_t data = load(bucket[2 * i + 1]);
        if ((load(bucket[2 * i]) ^ data) == key &&
            (data >> GenerationShift & 0xFF) == m_generation) {
            out = unpack(data);
            return true;
        }
    }
    return false;
}

void Table::store(std::uint64_t key, const Entry& entry) {
    std::uint64_t* bucket = m_words.get() + (mix(key) & m_bucketMask) * 4;
    const std::uint64_t data = pack(entry, m_generation);
    // The first entry of a bucket keeps the deeper search, the second takes
    // whatever the first will not.
    int slot = 1;
    const std::uint64_t first = load(bucket[1]);
    const std::uint64_t second = load(bucket[3]);
    if ((load(bucket[0]) ^ first) == key)
        slot = 0;
    else if ((load(bucket[2]) ^ second) == key)
        slot = 1;
    else if ((first >> GenerationShift & 0xFF) != m_generation ||
             unpack(first).depth <= entry.depth)
        slot = 0;
    save(bucket[2 * slot], key ^ data);
    save(bucket[2 * slot + 1], data);
}

// ---- Search --------------------------------------------------------------------

Search::Search(const Deal& deal, int player, Rule rule, Table& table)
    : m_rule(rule), m_table(table), m_root(player), m_childLists(MaxPlies) {
    std::array<Card, MaxCards> cards{};
    for (int p = 0; p < 2; ++p) {
        m_held[p] = deal.held[p] & 31u;
        for (int slot = 0; slot < 5; ++slot)
            cards[p * 5 + slot] = deal.hand[p][slot];
    }
    int count = 10;
    for (int square = 0; square < 9; ++square) {
        if (deal.board.owner[square] == 0)
            continue;
        cards[count] = deal.board.card[square];
        m_cardAt[square] = std::int8_t(count++);
        m_occupied |= 1u << square;
        if (deal.board.owner[square] == 2)
            m_blue |= 1u << square;
    }
    m_cardCount = count;

    // Equal cards are one kind, numbered in order of first appearance.
    int kinds = 0;
    for (int c = 0; c < count; ++c) {
        m_kind[c] = kinds;
        for (int earlier = 0; earlier < c; ++earlier)
            if (cards[earlier] == cards[c]) {
                m_kind[c] = m_kind[earlier];
                break;
            }
        if (m_kind[c] == kinds)
            ++kinds;
        m_points[c] = points(cards[c]);
        for (int side = 0; side < 4; ++side)
            m_edge[c][side] = edgeOn(cards[c], side);
    }
    for (int a = 0; a < count; ++a)
        for (int b = 0; b < count; ++b) {
            std::uint8_t bits = 0;
            for (int side = 0; side < 4; ++side)
                if (edgeOn(cards[b], (side + 2) % 4) < edgeOn(cards[a], side))
                    bits |= std::uint8_t(1u << side);
            m_beats[a][b] = bits;
        }

    // The cards worth trying for each set of cards held: a card equal to one
    // in an earlier slot leads to the same positions.
    for (int p = 0; p < 2; ++p)
        for (unsigned held = 0; held < 32; ++held)
            for (int slot = 0; slot < 5; ++slot) {
                if (!(held & (1u << slot)))
                    continue;
                bool repeated = false;
                for (int earlier = 0; earlier < slot && !repeated; ++earlier)
                    repeated =
                        (held & (1u << earlier)) && m_kind[p * 5 + earlier] == m_kind[p * 5 + slot];
                if (!repeated)
                    m_playable[p][held] |= 1u << (p * 5 + slot);
            }

    for (int square = 0; square < 9; ++square)
        if (m_occupied & (1u << square))
            m_key |= squareBits(m_kind[m_cardAt[square]], m_blue & (1u << square), square);
    for (int p = 0; p < 2; ++p)
        for (int slot = 0; slot < 5; ++slot)
            if (m_held[p] & (1u << slot))
                m_key |= std::uint64_t(1) << (HeldShift + p * 5 + slot);
}

int Search::pliesLeft(const Deal& deal, int player) {
    int squares = 0;
    for (int o : deal.board.owner)
        squares += o == 0;
    const int mine = __builtin_popcount(deal.held[player - 1] & 31u);
    const int theirs = __builtin_popcount(deal.held[2 - player] & 31u);
    // Players alternate; the hand ends when the mover has no card or the
    // board is full.
    return std::min(squares, mine <= theirs ? 2 * mine : 2 * theirs + 1);
}

int Search::pliesLeft(int player) const {
    const int squares = 9 - BitCount[m_occupied];
    const int mine = BitCount[m_held[player - 1]];
    const int theirs = BitCount[m_held[2 - player]];
    return std::min(squares, mine <= theirs ? 2 * mine : 2 * theirs + 1);
}

std::uint64_t Search::tableKey() const {
    return tableKey(m_key, m_occupied);
}

std::uint64_t Search::childKey(const Child& child, int player) const {
    const std::uint64_t key = ((m_key | squareBits(m_kind[child.card], player == 2, child.square)) ^
                               BlueBits[child.taken]) &
                              ~(std::uint64_t(1) << (HeldShift + child.card));
    return tableKey(key, m_occupied | 1u << child.square);
}

std::uint64_t Search::tableKey(std::uint64_t key, unsigned occupied) const {
    // A card no placement can take any more never changes hands again, and
    // no other card is compared with it: which card it is and who owns it
    // no longer matter to the rest of the hand, and positions that differ
    // only there share one entry. Under the basic rule that is a card with no
    // free square beside it; under the combo rule, where a card taken takes
    // its own neighbours, none beside its neighbours either.
    const unsigned freeSquares = ~occupied & 511u;
    unsigned open = NearFree[freeSquares];
    if (m_rule == Rule::BasicCombo)
        open |= NearFree[open & occupied];
    return key | WholeSquares[occupied & ~open];
}

int Search::plies() const {
    return pliesLeft(m_root);
}

inline int Search::gainOf(int square, int card, int player, unsigned& taken) const {
    int gain = 0;
    taken = 0;
    applyCaptureRule(
        square, player == 2 ? m_occupied & ~m_blue : m_blue, m_rule,
        [&](int from, int to) {
            const int acting = from == square ? card : m_cardAt[from];
            return m_beats[acting][m_cardAt[to]] >> SideToward[from][to] & 1;
        },
        [&](int to) {
            taken |= 1u << to;
            gain += m_points[m_cardAt[to]];
        });
    return gain;
}

int Search::play(int square, int card, int player, Undo& undo) {
    undo = {m_key, m_occupied, m_blue, m_held};
    unsigned taken;
    const int gain = gainOf(square, card, player, taken);
    const bool blue = player == 2;
    m_cardAt[square] = std::int8_t(card);
    m_occupied |= 1u << square;
    m_blue ^= taken | (blue ? 1u << square : 0u);
    m_key |= squareBits(m_kind[card], blue, square);
    m_key ^= BlueBits[taken];
    m_held[player - 1] &= ~(1u << (card - (player - 1) * 5));
    m_key &= ~(std::uint64_t(1) << (HeldShift + card));
    return gain;
}

void Search::takeBack(const Undo& undo) {
    m_key = undo.key;
    m_occupied = undo.occupied;
    m_blue = undo.blue;
    m_held = undo.held;
}

int Search::bestGain(int player, int enough) {
    const unsigned freeSquares = ~m_occupied & 511u;
    int best = 0;
    unsigned taken;
    for (unsigned cards = playable(player); cards != 0; cards &= cards - 1) {
        const int card = __builtin_ctz(cards);
        for (unsigned f = freeSquares; f != 0; f &= f - 1) {
            if (outOfBudget())
                return 0;
            best = std::max(best, gainOf(__builtin_ctz(f), card, player, taken));
            ++m_nodes;
            if (best >= enough)
                return best;
        }
    }
    return best;
}

void Search::children(int player, int ttMove, int ply, Children& out) {
    out.count = 0;
    // The other player's strongest edge on each side: a card left beside a
    // free square with a weaker edge facing it can be taken at once.
    std::array<int, 4> top{};
    for (unsigned h = m_held[2 - player]; h != 0; h &= h - 1) {
        const auto& edge = m_edge[(2 - player) * 5 + __builtin_ctz(h)];
        for (int side = 0; side < 4; ++side)
            top[side] = std::max(top[side], edge[side]);
    }
    const unsigned freeSquares = ~m_occupied & 511u;
    unsigned taken;
    for (unsigned cards = playable(player); cards != 0; cards &= cards - 1) {
        const int card = __builtin_ctz(cards);
        const auto& edge = m_edge[card];
        unsigned weak = 0; // the sides on which the card can be taken
        for (int side = 0; side < 4; ++side)
            if (top[(side + 2) % 4] > edge[side])
                weak |= 1u << side;
        for (unsigned f = freeSquares; f != 0; f &= f - 1) {
            if (outOfBudget())
                return;
            const int square = __builtin_ctz(f);
            const int gain = gainOf(square, card, player, taken);
            ++m_nodes;

            // The table's move first; then by gain less the card's own
            // points when it can be taken back at once; among equals the
            // moves that refuted others at this depth before.
            int risk = 0;
            for (unsigned near = freeSquares & Adjacent[square]; near != 0; near &= near - 1)
                if (weak & (1u << SideToward[square][__builtin_ctz(near)])) {
                    risk = m_points[card];
                    break;
                }
            const int move = card * 9 + square;
            int order = (1 << 20) + (gain - risk) * 1024 + std::min(m_history[card][square], 1023);
            if (m_killer[ply][0] == move || m_killer[ply][1] == move)
                order += 3 * 1024;
            if (move == ttMove)
                order = 1 << 30;
            const Child child{std::int8_t(card), std::int8_t(square), std::int16_t(gain),
                              std::uint16_t(taken), order};
            int i = out.count++;
            while (i > 0 && out.list[i - 1].order < order) {
                out.list[i] = out.list[i - 1];
                --i;
            }
            out.list[i] = child;
        }
    }
}

int Search::lastTwo(int player, int alpha, int beta) {
    // The mover scores nothing after this placement, so a move is worth at
    // most its own gain: the moves are tried by falling gain, and once a
    // gain is no better than what is already held, no move left is.
    struct Option {
        std::int8_t card;
        std::int8_t square;
        std::int16_t gain;
    };
    std::array<Option, 45> options;
    int count = 0;
    const unsigned freeSquares = ~m_occupied & 511u;
    unsigned taken;
    for (unsigned cards = playable(player); cards != 0; cards &= cards - 1) {
        const int card = __builtin_ctz(cards);
        for (unsigned f = freeSquares; f != 0; f &= f - 1) {
            if (outOfBudget())
                return 0;
            const int square = __builtin_ctz(f);
            options[count++] = {std::int8_t(card), std::int8_t(square),
                                std::int16_t(gainOf(square, card, player, taken))};
            ++m_nodes;
        }
    }
    int best = -Infinity;
    for (int tried = 0; tried < count; ++tried) {
        int pick = tried;
        for (int i = tried + 1; i < count; ++i)
            if (options[i].gain > options[pick].gain)
                pick = i;
        std::swap(options[tried], options[pick]);
        const Option& option = options[tried];
        const int floor = std::max(alpha, best);
        if (option.gain <= floor)
            return std::max(best, int(option.gain));
        Undo undo;
        play(option.square, option.card, player, undo);
        // An answer that leaves this move no better than the floor is enough.
        const int value = option.gain - bestGain(3 - player, option.gain - floor);
        takeBack(undo);
        if (m_stopped)
            return 0;
        if (value > best) {
            best = value;
            if (best >= beta)
                break;
        }
    }
    return best;
}

int Search::horizonValue(int player) const {
    const unsigned freeSquares = ~m_occupied & 511u;
    // Each player's highest edge on each side among the cards he holds.
    std::array<std::array<int, 4>, 2> top{};
    for (int p = 0; p < 2; ++p)
        for (unsigned h = m_held[p]; h != 0; h &= h - 1) {
            const auto& edge = m_edge[p * 5 + __builtin_ctz(h)];
            for (int side = 0; side < 4; ++side)
                top[p][side] = std::max(top[p][side], edge[side]);
        }
    // A card on a square beside a free one is open to be taken when the
    // other player holds a card whose facing edge is higher: the first side
    // found decides; combo captures are not counted.
    int value = 0;
    for (unsigned near = NearFree[freeSquares] & m_occupied; near != 0; near &= near - 1) {
        const int square = __builtin_ctz(near);
        const int card = m_cardAt[square];
        const int owner = (m_blue >> square & 1) ? 2 : 1;
        const auto& other = top[2 - owner];
        for (unsigned f = freeSquares & Adjacent[square]; f != 0; f &= f - 1) {
            const int side = SideToward[square][__builtin_ctz(f)];
            if (other[(side + 2) % 4] > m_edge[card][side]) {
                value += owner == player ? -m_points[card] : m_points[card];
                break;
            }
        }
    }
    return value * m_horizon / 100;
}

int Search::lastBeforeHorizon(int player, int beta) {
    // No deeper search follows, so the order of the moves matters only for
    // the cut at beta.
    const unsigned freeSquares = ~m_occupied & 511u;
    int best = -Infinity;
    for (unsigned cards = playable(player); cards != 0; cards &= cards - 1) {
        const int card = __builtin_ctz(cards);
        for (unsigned f = freeSquares; f != 0; f &= f - 1) {
            if (outOfBudget())
                return 0;
            Undo undo;
            const int gain = play(__builtin_ctz(f), card, player, undo);
            const int value = gain - horizonValue(3 - player);
            takeBack(undo);
            ++m_nodes;
            if (value > best) {
                best = value;
                if (best >= beta)
                    return best;
            }
        }
    }
    return best;
}

int Search::negamax(int player, int alpha, int beta, int depth, int ply) {
    const int left = pliesLeft(player);
    if (m_horizon > 0 && depth < left) {
        // The last plies must reach the horizon's value, which the quick
        // searches of the hand's last two placements do not know.
        if (depth <= 0)
            return horizonValue(player);
        if (depth == 1)
            return lastBeforeHorizon(player, beta);
    } else {
        depth = std::min(depth, left);
        if (depth <= 0)
            return 0;
        if (depth == 1)
            return bestGain(player, beta);
        if (depth == 2)
            return lastTwo(player, alpha, beta);
    }

    const bool useTable = depth >= 3;
    const std::uint64_t key = useTable ? tableKey() : 0;
    Table::Entry entry;
    int ttMove = -1;
    if (useTable && m_table.probe(key, entry)) {
        ttMove = entry.move;
        if (entry.depth >= depth) {
            if (entry.bound == Table::Exact)
                return entry.value;
            if (entry.bound == Table::Lower && entry.value >= beta)
                return entry.value;
            if (entry.bound == Table::Upper && entry.value <= alpha)
                return entry.value;
        }
    }

    Children& children = m_childLists[ply];
    this->children(player, ttMove, ply, children);
    if (m_stopped)
        return 0;
    const int alphaIn = alpha;
    const int other = 3 - player;
    int best = -Infinity;
    int bestMove = -1;
    // The table's entry of each child is fetched from memory while the child
    // before it is searched: a probe would otherwise wait for it.
    const bool childUsesTable = depth - 1 >= 3;
    if (childUsesTable && children.count > 0)
        m_table.prefetch(childKey(children.list[0], player));
    for (int i = 0; i < children.count; ++i) {
        const Child& child = children.list[i];
        if (childUsesTable && i + 1 < children.count)
            m_table.prefetch(childKey(children.list[i + 1], player));
        Undo undo;
        const int gain = play(child.square, child.card, player, undo);
        int value;
        if (i == 0) {
            value = gain - negamax(other, gain - beta, gain - alpha, depth - 1, ply + 1);
        } else {
            // A null window first: most later moves only need to be shown
            // no better than the best so far.
            value = gain - negamax(other, gain - alpha - 1, gain - alpha, depth - 1, ply + 1);
            if (value > alpha && value < beta && !m_stopped)
                value = gain - negamax(other, gain - beta, gain - alpha, depth - 1, ply + 1);
        }
        takeBack(undo);
        if (m_stopped)
            return 0;
        if (value > best) {
            best = value;
            bestMove = child.card * 9 + child.square;
        }
        if (value > alpha)
            alpha = value;
        if (alpha >= beta) {
            m_history[child.card][child.square] += depth * depth;
            const int move = child.card * 9 + child.square;
            if (m_killer[ply][0] != move) {
                m_killer[ply][1] = m_killer[ply][0];
                m_killer[ply][0] = move;
            }
            break;
        }
    }

    Table::Entry result;
    result.value = best;
    result.depth = depth;
    result.bound = best <= alphaIn ? Table::Upper : best >= beta ? Table::Lower : Table::Exact;
    result.move = best > alphaIn ? bestMove : ttMove;
    if (useTable)
        m_table.store(key, result);
    return best;
}

std::vector<Search::Scored> Search::moves() {
    Table::Entry entry;
    const int ttMove = m_table.probe(m_key, entry) ? entry.move : -1;
    Children list;
    children(m_root, ttMove, 0, list);
    std::vector<Scored> out;
    for (int i = 0; i < list.count; ++i) {
        const Child& child = list.list[i];
        out.push_back({{std::int8_t(child.card - (m_root - 1) * 5), child.square}, child.gain});
    }
    return out;
}

void Search::rank(std::vector<Scored>& moves, int depth) {
    int alpha = -Infinity;
    for (Scored& move : moves) {
        move.value = valueOf(move.step, depth, alpha, alpha + 1);
        if (move.value > alpha)
            alpha = move.value = valueOf(move.step, depth, alpha, Infinity);
    }
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Scored& a, const Scored& b) { return a.value > b.value; });
}

int Search::valueOf(const Step& step, int depth, int alpha, int beta) {
    m_stopped = false;
    Undo undo;
    const int gain = play(step.square, (m_root - 1) * 5 + step.slot, m_root, undo);
    const int value = gain - negamax(3 - m_root, gain - beta, gain - alpha, depth - 1, 1);
    takeBack(undo);
    return value;
}

// ---- The whole root ------------------------------------------------------------

Search::Scored solve(const Deal& deal, int player, Rule rule, int threads, long* nodes) {
    Table table;
    Search first(deal, player, rule, table);
    std::vector<Search::Scored> moves = first.moves();
    if (nodes)
        *nodes = 0;
    if (moves.empty())
        return {};
    const int depth = first.plies();
    const int count = int(moves.size());
    // Shallow searches first put the likely best moves of the root in front
    // and leave in the table the moves that refute others.
    for (int shallow = 2; shallow <= std::min(4, depth - 1); shallow += 2)
        first.rank(moves, shallow);

    // The root's moves are handed out one at a time, and the best so far is
    // a value with its place in the order: a later move must beat it, an
    // earlier one only reach it. Each move is first searched with a null
    // window at that mark and valued exactly only when it passes it, so the
    // move that ends up best was always valued exactly, whichever thread took
    // it and whenever: the first of the best moves in the order.
    auto mark = [](int value, int index) {
        return std::int64_t(value + 32768) << 16 | std::int64_t(0xFFFF - index);
    };
    std::atomic<int> next{0};
    std::atomic<std::int64_t> best{-1};
    std::atomic<long> tried{0};
    auto work = [&](Search& search) {
        for (int i = next++; i < count; i = next++) {
            const Step step = moves[i].step;
            const std::int64_t known = best.load();
            int v;
            if (known < 0) {
                v = search.valueOf(step, depth);
            } else {
                const int knownValue = int(known >> 16) - 32768;
                const int knownIndex = 0xFFFF - int(known & 0xFFFF);
                const int needed = i < knownIndex ? knownValue : knownValue + 1;
                v = search.valueOf(step, depth, needed - 1, needed);
                if (v < needed)
                    continue;
                v = search.valueOf(step, depth, needed - 1, Search::Infinity);
            }
            const std::int64_t mine = mark(v, i);
            std::int64_t seen = best.load();
            while (mine > seen && !best.compare_exchange_weak(seen, mine)) {
            }
        }
        tried += search.nodes();
    };

    const int helpers = std::max(0, std::min(threads, count) - 1);
    std::vector<std::thread> pool;
    std::vector<std::unique_ptr<Search>> searches;
    for (int t = 0; t < helpers; ++t)
        searches.push_back(std::make_unique<Search>(deal, player, rule, table));
    for (int t = 0; t < helpers; ++t)
        pool.emplace_back(work, std::ref(*searches[t]));
    work(first);
    for (std::thread& t : pool)
        t.join();

    const std::int64_t found = best.load();
    const Search::Scored answer{moves[0xFFFF - int(found & 0xFFFF)].step, int(found >> 16) - 32768};
    if (nodes)
        *nodes = tried.load();
    return answer;
}

} // namespace computer
