#include "CardFace.h"

#include "Art.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace cards {
namespace {

struct Palette {
    QColor top, bottom, pattern, gemLight, gemDark;
};

Palette playerPalette(bool red) {
    if (red)
        return {QColor(196, 44, 40), QColor(92, 10, 16), QColor(255, 170, 150, 46),
                QColor(255, 150, 140), QColor(120, 0, 10)};
    return {QColor(52, 104, 206), QColor(12, 30, 96), QColor(170, 200, 255, 46),
            QColor(160, 200, 255), QColor(10, 30, 120)};
}

// Emblem colours follow the card's element; cards without one are silver.
std::pair<QColor, QColor> elementColours(const QString& element) {
    if (element == "Ember")
        return {QColor(255, 128, 40), QColor(255, 216, 120)};
    if (element == "Brine")
        return {QColor(30, 170, 160), QColor(160, 240, 230)};
    if (element == "Gale")
        return {QColor(130, 210, 90), QColor(230, 255, 200)};
    if (element == "Loam")
        return {QColor(170, 112, 56), QColor(236, 200, 150)};
    if (element == "Rime")
        return {QColor(90, 170, 235), QColor(215, 240, 255)};
    if (element == "Gloam")
        return {QColor(150, 90, 230), QColor(226, 200, 255)};
    if (element == "Spark")
        return {QColor(240, 200, 30), QColor(255, 248, 190)};
    if (element == "Thorn")
        return {QColor(60, 150, 70), QColor(190, 230, 160)};
    return {QColor(200, 150, 60), QColor(255, 236, 170)};
}

void background(QPainter& p, bool red) {
    const Palette pal = playerPalette(red);
    QLinearGradient g(0, 0, 0, kHeight);
    g.setColorAt(0, pal.top);
    g.setColorAt(1, pal.bottom);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), g);
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, kHeight));
    if (red) {
        // Diagonal stripes.
        QPen pen(pal.pattern, 2.2);
        p.setPen(pen);
        for (int i = -kHeight; i < kWidth + kHeight; i += 6)
            p.drawLine(QPointF(i, 0), QPointF(i + kHeight, kHeight));
    } else {
        // Checker of small squares with a dot in every other one.
        p.setPen(Qt::NoPen);
        p.setBrush(pal.pattern);
        for (int y = 0; y < kHeight; y += 6)
            for (int x = 0; x < kWidth; x += 6)
                if (((x + y) / 6) % 2 == 0)
                    p.drawRect(QRectF(x, y, 6, 6));
                else
                    p.drawEllipse(QPointF(x + 3, y + 3), 1.0, 1.0);
    }
    p.restore();
}

void frame(QPainter& p) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 12, 4), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    QLinearGradient g(0, 0, kWidth, kHeight);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(0.45, QColor(210, 160, 50));
    g.setColorAt(0.55, QColor(240, 200, 90));
    g.setColorAt(1, QColor(130, 86, 18));
    p.setPen(QPen(QBrush(g), 2.0));
    p.drawRect(QRectF(2, 2, kWidth - 4, kHeight - 4));
    p.setPen(QPen(QColor(30, 18, 6, 200), 0.8));
    p.drawRect(QRectF(3.4, 3.4, kWidth - 6.8, kHeight - 6.8));
    p.restore();
}

// A corner gem: round for player 1, square for player 2.
void gem(QPainter& p, QPointF c, double r, bool red) {
    const Palette pal = playerPalette(red);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.6);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.25, pal.gemLight);
    g.setColorAt(1, pal.gemDark);
    p.save();
    p.setPen(QPen(QColor(250, 214, 110), 1.0));
    p.setBrush(g);
    if (red)
        p.drawEllipse(c, r, r);
    else
        p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    p.restore();
}

// The card's level on a small gold seal in the top-left corner, shaped like the gems.
void levelSeal(QPainter& p, int level, bool red) {
    const QPointF c(9.5, 9.5);
    const double r = 6.2;
    QRadialGradient g(c - QPointF(2, 2), r * 1.8);
    g.setColorAt(0, QColor(255, 246, 200));
    g.setColorAt(0.5, QColor(226, 176, 60));
    g.setColorAt(1, QColor(120, 80, 14));
    p.save();
    p.setPen(QPen(QColor(40, 24, 4), 0.9));
    p.setBrush(g);
    if (red)
        p.drawEllipse(c, r, r);
    else
        p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    const QPainterPath t =
        art::centredText(QString::number(level), art::font("Liberation Sans", 9, true), c);
    p.fillPath(t, QColor(50, 24, 0));
    p.restore();
}

// One edge value: white digits with a dark outline on a dark badge with a gold rim.
void edgeBadge(QPainter& p, QPointF c, int value) {
    const QFont f = art::font("Liberation Sans", 15.5, true);
    const QPainterPath t = art::centredText(QString::number(value), f, c);
    const double w = std::max(16.0, t.boundingRect().width() + 6.0);
    const double h = 17.0;
    const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
    p.save();
    p.setPen(QPen(QColor(236, 192, 90), 0.9));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(46, 40, 36, 235));
    g.setColorAt(1, QColor(8, 6, 4, 235));
    p.setBrush(g);
    p.drawRoundedRect(box, 4, 4);
    p.strokePath(t, QPen(QColor(0, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(t, QColor(255, 255, 255));
    p.restore();
}

// Builds one petal-like shape pointing up from the origin.
QPainterPath motif(int kind, double len, double width) {
    QPainterPath s;
    switch (kind) {
    case 0: // petal
        s.moveTo(0, 0);
        s.cubicTo(width, -len * 0.3, width * 0.6, -len * 0.9, 0, -len);
        s.cubicTo(-width * 0.6, -len * 0.9, -width, -len * 0.3, 0, 0);
        break;
    case 1: // spike
        s.moveTo(-width * 0.5, -len * 0.25);
        s.lineTo(0, -len);
        s.lineTo(width * 0.5, -len * 0.25);
        s.closeSubpath();
        break;
    case 2: // orb at the tip
        s.addEllipse(QPointF(0, -len * 0.8), width * 0.45, width * 0.45);
        break;
    case 3: // diamond
        s.moveTo(0, -len * 0.35);
        s.lineTo(width * 0.45, -len * 0.68);
        s.lineTo(0, -len);
        s.lineTo(-width * 0.45, -len * 0.68);
        s.closeSubpath();
        break;
    case 4: { // crescent
        QPainterPath a;
        a.addEllipse(QPointF(0, -len * 0.7), width * 0.55, width * 0.55);
        QPainterPath b;
        b.addEllipse(QPointF(0, -len * 0.7 - width * 0.3), width * 0.45, width * 0.45);
        s = a.subtracted(b);
        break;
    }
    default: // blade with a notch
        s.moveTo(0, -len * 0.15);
        s.lineTo(width * 0.35, -len * 0.55);
        s.lineTo(width * 0.12, -len);
        s.lineTo(0, -len * 0.8);
        s.lineTo(-width * 0.12, -len);
        s.lineTo(-width * 0.35, -len * 0.55);
        s.closeSubpath();
        break;
    }
    return s;
}

// The card's own glyph: rings of motifs with a rotational symmetry, all chosen
// by a hash of the card id, in the colours of its element.
void emblem(QPainter& p, const CardRow& card, QPointF c, double radius) {
    uint32_t h = art::hash32(uint32_t(card.id) * 2654435761U + 12345);
    auto next = [&h](uint32_t n) {
        h = art::hash32(h + 0x9e3779b9U);
        return h % n;
    };
    const auto [primary, secondary] = elementColours(card.element);
    const QColor ink(24, 14, 6);
    const int symmetries[] = {3, 4, 5, 6, 8, 7};
    const int k = symmetries[next(6)];
    const int layers = 2 + int(next(2)) + (card.level >= 6 ? 1 : 0);

    p.save();
    p.translate(c);
    // Stretched to fill the oval cameo.
    p.scale(1.0, 1.22);
    p.setRenderHint(QPainter::Antialiasing);
    // A glow behind mighty cards.
    if (card.level >= 7) {
        QRadialGradient glow(QPointF(0, 0), radius);
        QColor g = secondary;
        g.setAlpha(150);
        glow.setColorAt(0, g);
        g.setAlpha(0);
        glow.setColorAt(1, g);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(0, 0), radius, radius);
    }
    for (int layer = 0; layer < layers; ++layer) {
        const int kind = int(next(6));
        const double len = radius * (0.95 - 0.22 * layer) * (0.85 + 0.15 * (next(100) / 100.0));
        const double width = radius * (0.28 + 0.4 * (next(100) / 100.0));
        const double offset = (layer % 2) ? 180.0 / k : 0.0;
        const QColor fill = (layer % 2) ? secondary : primary;
        QLinearGradient g(0, 0, 0, -len);
        g.setColorAt(0, fill.darker(150));
        g.setColorAt(1, fill.lighter(115));
        const QPainterPath m = motif(kind, len, width);
        for (int i = 0; i < k; ++i) {
            p.save();
            p.rotate(offset + 360.0 * i / k);
            p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(g);
            p.drawPath(m);
            p.restore();
        }
    }
    // The centre: a ring, a gem or an eye.
    const double cr = radius * (0.18 + 0.1 * (next(100) / 100.0));
    p.setPen(QPen(ink, 0.9));
    switch (next(3)) {
    case 0: {
        QRadialGradient g(QPointF(-cr * 0.3, -cr * 0.3), cr * 1.5);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, primary);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), cr, cr);
        break;
    }
    case 1:
        p.setBrush(secondary);
        p.drawEllipse(QPointF(0, 0), cr, cr);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), cr * 0.45, cr * 0.45);
        break;
    default: {
        QPainterPath eye;
        eye.moveTo(-cr * 1.4, 0);
        eye.quadTo(0, -cr * 1.3, cr * 1.4, 0);
        eye.quadTo(0, cr * 1.3, -cr * 1.4, 0);
        p.setBrush(secondary.lighter(110));
        p.drawPath(eye);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), cr * 0.4, cr * 0.55);
        break;
    }
    }
    p.restore();
}

// An oval cameo behind the emblem, tinted faintly with the emblem's colour.
void medallion(QPainter& p, QPointF c, double rx, double ry, const QColor& tint) {
    p.save();
    QRadialGradient g(c - QPointF(rx * 0.3, ry * 0.35), ry * 1.3);
    g.setColorAt(0, art::mix(QColor(70, 60, 52), tint, 0.25));
    g.setColorAt(1, art::mix(QColor(12, 9, 7), tint, 0.08));
    p.setBrush(g);
    QLinearGradient rim(c - QPointF(rx, ry), c + QPointF(rx, ry));
    rim.setColorAt(0, QColor(255, 236, 160));
    rim.setColorAt(0.5, QColor(200, 150, 40));
    rim.setColorAt(1, QColor(110, 70, 10));
    p.setPen(QPen(QBrush(rim), 1.6));
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(QColor(0, 0, 0, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx - 1.6, ry - 1.6);
    p.restore();
}

QImage canvas(double scale) {
    QImage img(int(std::lround(kWidth * scale)), int(std::lround(kHeight * scale)),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

} // namespace

QImage face(const CardRow& card, bool red, double scale) {
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    background(p, red);
    frame(p);
    const QPointF centre(33, 54);
    medallion(p, centre, 21, 27, elementColours(card.element).first);
    emblem(p, card, centre, 20);
    gem(p, QPointF(kWidth - 8.5, 8.5), 3.4, red);
    gem(p, QPointF(8.5, kHeight - 8.5), 3.4, red);
    gem(p, QPointF(kWidth - 8.5, kHeight - 8.5), 3.4, red);
    levelSeal(p, card.level, red);
    edgeBadge(p, QPointF(33, 13), card.north);
    edgeBadge(p, QPointF(kWidth - 12.5, 54), card.east);
    edgeBadge(p, QPointF(33, kHeight - 13), card.south);
    edgeBadge(p, QPointF(12.5, 54), card.west);
    p.end();
    return img;
}

QImage back(bool red, double scale) {
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    background(p, red);
    // A darker inner panel with a repeat of the pattern makes backs read as backs.
    p.setPen(QPen(QColor(250, 214, 110, 200), 0.8));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(8, 8, kWidth - 16, kHeight - 16), 4, 4);
    frame(p);
    const QPointF c(33, 54);
    medallion(p, c, 20, 24, QColor(200, 150, 60));
    const QPainterPath q = art::centredText("Q", art::font("Liberation Serif", 30, true), c);
    p.strokePath(q, QPen(QColor(30, 16, 2), 2.0));
    p.fillPath(q, art::goldGradient(q.boundingRect()));
    gem(p, QPointF(8.5, 8.5), 3.6, red);
    gem(p, QPointF(kWidth - 8.5, 8.5), 3.6, red);
    gem(p, QPointF(8.5, kHeight - 8.5), 3.6, red);
    gem(p, QPointF(kWidth - 8.5, kHeight - 8.5), 3.6, red);
    gem(p, QPointF(33, 16), 3.0, red);
    gem(p, QPointF(33, kHeight - 16), 3.0, red);
    p.end();
    return img;
}

} // namespace cards
