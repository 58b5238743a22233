#include "Art.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

uint32_t hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

uint32_t hash2(int x, int y, uint32_t seed) {
    return hash32(uint32_t(x) * 0x9e3779b1U ^ hash32(uint32_t(y) + seed * 0x85ebca6bU));
}

static double lattice(int x, int y, uint32_t seed) {
    return (hash2(x, y, seed) & 0xffff) / 65535.0;
}

static double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = lattice(ix, iy, seed);
    const double b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed);
    const double d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, uint32_t seed, int octaves) {
    double sum = 0;
    double amp = 0.5;
    double norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + uint32_t(i) * 101);
        norm += amp;
        amp *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

static inline int clamp255(double v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

QImage wood(int w, int h, uint32_t seed, const WoodStyle& s, double scale) {
    QImage img(w, h, QImage::Format_RGB32);
    const double g = s.grainScale;
    for (int py = 0; py < h; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        const double y = designPos(py, scale);
        // Seams are hard lines one design pixel high: they follow the design
        // row the pixel lies in rather than its centre.
        const double row = std::floor(py / scale);
        int plank = 0;
        double inPlank = row;
        if (s.plankHeight > 0) {
            plank = int(row / s.plankHeight);
            inPlank = row - plank * s.plankHeight;
        }
        const uint32_t ps = seed + uint32_t(plank) * 7919;
        const double tone = (lattice(plank, 3, seed) - 0.5) * 0.18;
        const double shift = lattice(plank, 9, seed) * 1000;
        for (int px = 0; px < w; ++px) {
            const double x = designPos(px, scale);
            const double xx = (x + shift) / g;
            const double yy = y / g;
            // Growth rings: bands along the plank, bent by low-frequency noise.
            const double warp = fbm(xx * 0.006, yy * 0.03, ps, 3) * 9.0;
            const double ring = 0.5 + 0.5 * std::sin((yy * 0.22 + warp) * 2.6);
            const double rings = std::pow(ring, 4.0);
            // Fine streaks: noise stretched strongly along the grain.
            const double streak = fbm(xx * 0.02, yy * 0.55, ps + 17, 3);
            const double knot = fbm(xx * 0.004, yy * 0.012, ps + 29, 2);
            double t = 0.38 + 0.42 * rings + 0.35 * (streak - 0.5) + 0.35 * (knot - 0.5) + tone;
            if (s.plankHeight > 0) {
                const double edge = std::min(inPlank, s.plankHeight - 1 - inPlank);
                if (edge < 1.0)
                    t += 0.55;
                else if (edge < 2.5)
                    t += 0.18;
            }
            const QColor c = mix(s.light, s.dark, t);
            line[px] = qRgb(c.red(), c.green(), c.blue());
        }
    }
    return img;
}

QImage marble(int w, int h, uint32_t seed, double scale) {
    QImage img(w, h, QImage::Format_RGB32);
    const QColor base(240, 235, 224);
    const QColor cloud(218, 210, 196);
    const QColor vein(128, 118, 108);
    for (int py = 0; py < h; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        const double y = designPos(py, scale);
        for (int px = 0; px < w; ++px) {
            const double x = designPos(px, scale);
            // Long veins running diagonally, bent by smooth turbulence.
            const double turb = fbm(x * 0.007, y * 0.009, seed, 3);
            const double v = std::sin((x * 0.011 + y * 0.006 + turb * 3.2) * M_PI);
            const double veinT = std::pow(1.0 - std::abs(v), 22.0) * 0.5;
            const double turb2 = fbm(x * 0.02, y * 0.02, seed + 5, 3);
            const double v2 = std::sin((x * 0.02 - y * 0.013 + turb2 * 2.5) * M_PI);
            const double fine = std::pow(1.0 - std::abs(v2), 40.0) * 0.18;
            QColor c = mix(base, cloud, fbm(x * 0.015, y * 0.015, seed + 9, 4) * 1.1 - 0.1);
            c = mix(c, vein, veinT + fine);
            line[px] = qRgb(c.red(), c.green(), c.blue());
        }
    }
    return img;
}

// Brightness across a gold moulding, from the outer edge (0) to the inner (1).
static double goldProfile(double t) {
    // Two rounded ridges with a groove between them.
    const double r1 = std::sin(std::clamp(t / 0.55, 0.0, 1.0) * M_PI);
    const double r2 = t > 0.62 ? std::sin(std::clamp((t - 0.62) / 0.38, 0.0, 1.0) * M_PI) : 0.0;
    return std::max(r1, 0.8 * r2);
}

void goldFrame(QImage& img, const QRect& rect, int thickness, double scale) {
    const QColor deep(92, 60, 10);
    const QColor mid(196, 146, 44);
    const QColor bright(255, 236, 150);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        if (y < 0 || y >= img.height())
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (x < 0 || x >= img.width())
                continue;
            const int dl = x - rect.left();
            const int dr = rect.right() - x;
            const int dt = y - rect.top();
            const int db = rect.bottom() - y;
            const int d = std::min({dl, dr, dt, db});
            if (d >= thickness)
                continue;
            // Which side the pixel belongs to decides how the light falls on it.
            double light;
            if (d == dt)
                light = 0.25;
            else if (d == dl)
                light = 0.12;
            else if (d == dr)
                light = -0.12;
            else
                light = -0.25;
            const double t = (d + 0.5) / thickness;
            const double prof = goldProfile(t);
            // The slope of the moulding faces the light on one side, away on the other.
            const double slope = t < 0.5 ? light : -light;
            const double sheen =
                0.1 * std::sin((designPos(x, scale) + designPos(y, scale)) * 0.045);
            double v = 0.18 + 0.62 * prof + slope * 0.8 + sheen;
            QColor c = v < 0.55 ? mix(deep, mid, v / 0.55) : mix(mid, bright, (v - 0.55) / 0.45);
            line[x] = qRgb(c.red(), c.green(), c.blue());
        }
    }
}

void recess(QImage& img, const QRect& rect, int depth, double strength) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        if (y < 0 || y >= img.height())
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (x < 0 || x >= img.width())
                continue;
            // Shadow falls from the top-left rim into the hollow.
            const double dt = y - rect.top();
            const double dl = x - rect.left();
            const double db = rect.bottom() - y;
            const double dr = rect.right() - x;
            double shade = 0.22 * strength;
            shade += strength * std::max(0.0, 1.0 - std::min(dt, dl) / depth);
            shade -= 0.35 * strength * std::max(0.0, 1.0 - std::min(db, dr) / (depth * 0.6));
            const double f = 1.0 - shade;
            const QRgb c = line[x];
            line[x] = qRgb(clamp255(qRed(c) * f), clamp255(qGreen(c) * f), clamp255(qBlue(c) * f));
        }
    }
}

QLinearGradient goldGradient(const QRectF& box) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(255, 246, 190));
    g.setColorAt(0.35, QColor(240, 196, 80));
    g.setColorAt(0.52, QColor(176, 122, 24));
    g.setColorAt(0.7, QColor(232, 184, 70));
    g.setColorAt(1.0, QColor(132, 88, 16));
    return g;
}

QFont font(const QString& family, double pixelSize, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setKerning(true);
    return f;
}

QPainterPath centredText(const QString& text, const QFont& f, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    path.translate(centre - b.center());
    return path;
}

static void blurLine(uint8_t* data, int count, int stride, int radius, std::vector<int>& tmp) {
    // data points at one channel byte; neighbours are stride bytes apart.
    tmp.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        tmp[size_t(i)] = data[i * stride];
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += tmp[size_t(std::clamp(i, 0, count - 1))];
    for (int i = 0; i < count; ++i) {
        data[i * stride] = uint8_t(sum / window);
        sum += tmp[size_t(std::clamp(i + radius + 1, 0, count - 1))] -
               tmp[size_t(std::clamp(i - radius, 0, count - 1))];
    }
}

void blur(QImage& img, int radius) {
    if (radius <= 0)
        return;
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<int> tmp;
    const int w = img.width();
    const int h = img.height();
    const int bpl = int(img.bytesPerLine());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int c = 0; c < 4; ++c)
                blurLine(img.scanLine(y) + c, w, 4, radius, tmp);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c)
                blurLine(img.bits() + x * 4 + c, h, bpl, radius, tmp);
    }
}

void shadow(QPainter& p, const QSize& canvas, const QPainterPath& path, QPointF offset, int radius,
            int alpha) {
    // The painter's scale (its area factor, whatever it rotates) widens the blur alike.
    const int blurRadius =
        int(std::lround(radius * std::sqrt(std::abs(p.transform().determinant()))));
    QImage sh(canvas, QImage::Format_ARGB32_Premultiplied);
    sh.fill(Qt::transparent);
    {
        QPainter sp(&sh);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setTransform(p.transform());
        sp.translate(offset);
        sp.fillPath(path, QColor(0, 0, 0, alpha));
        sp.strokePath(path, QPen(QColor(0, 0, 0, alpha), radius * 0.5 + 1));
    }
    blur(sh, blurRadius);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, sh);
    p.restore();
}

void letter(QPainter& p, const QSize& canvas, const QPainterPath& path, const QBrush& fill,
            const QColor& outline, double outlineWidth, bool withShadow) {
    if (withShadow)
        shadow(p, canvas, path, QPointF(1.5, 2), 2, 200);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0)
        p.strokePath(path,
                     QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    p.restore();
}

void vignette(QImage& img, double strength) {
    const double cx = img.width() / 2.0;
    const double cy = img.height() / 2.0;
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double f =
                1.0 - strength * std::pow(std::min(1.0, (dx * dx + dy * dy) / 2.0), 1.5);
            const QRgb c = line[x];
            line[x] = qRgba(clamp255(qRed(c) * f), clamp255(qGreen(c) * f), clamp255(qBlue(c) * f),
                            qAlpha(c));
        }
    }
}

} // namespace art
