#include "AppIcon.h"

#include "Art.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace appicon {

namespace {

// One card of the fan in a 64-unit square, turned by `angle` about its centre.
void card(QPainter& p, QPointF centre, double angle, const QColor& top, const QColor& bottom,
          double unit) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF face(-15, -21, 30, 42);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    // The border stays at least one pixel wide at the smallest sizes.
    p.setPen(QPen(QColor(236, 190, 80), std::max(2.2, 1.0 / unit)));
    p.setBrush(fill);
    p.drawRoundedRect(face, 3.5, 3.5);
    p.restore();
}

} // namespace

const QList<int>& sizes() {
    static const QList<int> list{16, 22, 24, 32, 48, 64, 128, 256};
    return list;
}

QImage paint(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 64.0;
    p.scale(unit, unit);
    // Below 24 pixels the back card would only blur the outline.
    if (size >= 24)
        card(p, QPointF(39, 30), 14, QColor(60, 110, 220), QColor(14, 30, 96), unit);
    card(p, QPointF(28, 34), -8, QColor(200, 40, 36), QColor(90, 8, 14), unit);
    p.translate(28, 34);
    p.rotate(-8);
    const QPainterPath q =
        art::centredText(QStringLiteral("Q"),
                         art::font(QStringLiteral("Liberation Serif"), 30, true), QPointF(0, 0));
    p.strokePath(q, QPen(QColor(40, 16, 2), std::max(2.0, 1.0 / unit)));
    p.fillPath(q, art::goldGradient(q.boundingRect()));
    p.end();
    return img;
}

bool writeAll(const QString& folder) {
    if (!QDir().mkpath(folder))
        return false;
    for (int size : sizes())
        if (!paint(size).save(QStringLiteral("%1/%2.png").arg(folder).arg(size), "PNG"))
            return false;
    return true;
}

} // namespace appicon
