#include "match/Hint.h"

#include "platform/Accessibility.h"
#include "platform/Controls.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

namespace {

// A frame drawn around a control on top of everything else of the window;
// the mouse goes through it to whatever lies beneath. Drawn, not a picture,
// so that it is sharp at any density.
class HintFrame : public QWidget {
  public:
    explicit HintFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // Frames `control` with a margin of a few pixels.
    void frame(const QWidget* control) {
        constexpr int Margin = 4;
        setGeometry(control->geometry().adjusted(-Margin, -Margin, Margin, Margin));
        show();
        raise();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        // A bright line between two dark ones shows on any card or wood.
        p.setPen(QPen(QColor(20, 40, 10), 3));
        p.drawRoundedRect(r, 5, 5);
        p.setPen(QPen(QColor(90, 255, 120), 2));
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
};

// FNV-1a over the values of the view, for a seed of its own.
struct ViewHash {
    std::uint64_t value = 0xcbf29ce484222325ull;
    void add(int v) {
        for (int i = 0; i < 4; ++i) {
            value ^= std::uint64_t((unsigned(v) >> (8 * i)) & 0xffu);
            value *= 0x100000001b3ull;
        }
    }
    void add(const computer::Card& c) {
        add(c.north);
        add(c.east);
        add(c.south);
        add(c.west);
    }
    void add(const std::optional<computer::Card>& c) {
        add(c.has_value());
        if (c)
            add(*c);
    }
};

} // namespace

Hint::Hint(QWidget* board, std::function<QWidget*(int)> handCard,
           std::function<QWidget*(int)> square)
    : QObject(board), m_board(board), m_handCard(std::move(handCard)), m_square(std::move(square)) {
    m_pool.setMaxThreadCount(1);
    for (QWidget*& frame : m_frames) {
        frame = new HintFrame(board);
        platform::describe(frame, {.role = QAccessible::Graphic, .name = [] {
                                       return QCoreApplication::translate("Hint", "Hint frame");
                                   }});
    }
    tmrHint = new platform::Timer(this, 2000);
    connect(tmrHint, &platform::Timer::Tick, this, &Hint::tmrHint_Timer);
}

Hint::~Hint() {
    m_pool.clear();
    m_pool.waitForDone();
}

computer::Move Hint::suggest(const computer::Position& view) {
    ViewHash hash;
    for (int s = 0; s < 9; ++s) {
        hash.add(view.owner[s]);
        if (view.owner[s] != 0)
            hash.add(view.board[s]);
    }
    for (const auto& card : view.hand)
        hash.add(card);
    hash.add(view.opponentHandKnown);
    if (view.opponentHandKnown)
        for (const auto& card : view.opponentHand)
            hash.add(card);
    hash.add(view.opponentCardsLeft);
    hash.add(int(view.rule));
    return computer::decide(view, computer::Level::Hard, hash.value).move;
}

quint64 Hint::ask(const computer::Position& view) {
    const quint64 request = ++m_request;
    m_pending = true;
    m_pool.start([this, request, view, gate = m_gate] {
        const computer::Move move = suggest(view);
        if (gate)
            gate();
        // The pool is waited for before this object goes, so `this` is alive.
        QMetaObject::invokeMethod(
            this, [this, request, move] { answer(request, move); }, Qt::QueuedConnection);
    });
    return request;
}

void Hint::forget() {
    ++m_request;
    m_pending = false;
    hideFrames();
}

void Hint::waitForThought() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void Hint::answer(quint64 request, computer::Move move) {
    if (request != m_request)
        return;
    m_pending = false;
    QWidget* card = m_handCard(move.handSlot);
    QWidget* square = m_square(move.location);
    if (!card || !square)
        return;
    static_cast<HintFrame*>(m_frames[0])->frame(card);
    static_cast<HintFrame*>(m_frames[1])->frame(square);
    m_shownSlot = move.handSlot;
    m_shownLocation = move.location;
    tmrHint->setEnabled(false);
    tmrHint->setEnabled(true);
    platform::announce(m_board, QCoreApplication::translate("Hint", "Hint: card %1 on square %2")
                                    .arg(move.handSlot)
                                    .arg(move.location));
    emit shown(move.handSlot, move.location);
}

void Hint::tmrHint_Timer() {
    hideFrames();
}

void Hint::hideFrames() {
    tmrHint->setEnabled(false);
    for (QWidget* frame : m_frames)
        frame->hide();
    m_shownSlot = 0;
    m_shownLocation = 0;
}
