#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>

// Painting helpers shared by every generated picture. All randomness comes from
// integer hashes of explicit seeds, so the same call always paints the same pixels.
//
// Pictures are designed in the pixels of the normal-density picture and can be
// painted `scale` times larger for high-density screens. The per-pixel
// textures take the scale and sample their pattern at the design position of
// each pixel's centre, so the larger picture shows the same wood or stone with
// finer detail; at scale 1 every pixel is sampled exactly where it always was.
namespace art {

// Design position of the centre of pixel `px` in a picture painted `scale` times larger.
inline double designPos(int px, double scale) {
    return (px + 0.5) / scale - 0.5;
}

uint32_t hash32(uint32_t x);
uint32_t hash2(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1] and its fractal sum over octaves.
double noise(double x, double y, uint32_t seed);
double fbm(double x, double y, uint32_t seed, int octaves = 4);

QColor mix(const QColor& a, const QColor& b, double t);

// Wood planks running horizontally: grain lines, fine streaks, darker seams
// between planks of slightly different tone.
struct WoodStyle {
    QColor light{150, 96, 52};
    QColor dark{78, 44, 22};
    double plankHeight = 60; // 0 = one piece without seams
    double grainScale = 1.0;
};
// w and h are pixels of the painted picture; plank height and grain stay in design pixels.
QImage wood(int w, int h, uint32_t seed, const WoodStyle& style = {}, double scale = 1.0);

// Pale polished stone with soft grey veins.
QImage marble(int w, int h, uint32_t seed, double scale = 1.0);

// Bevelled gold border of the given thickness inside rect, lit from the top
// left. Rect and thickness are pixels of the painted picture.
void goldFrame(QImage& img, const QRect& rect, int thickness, double scale = 1.0);

// Darkened inner border: a place sunk into the surface.
void recess(QImage& img, const QRect& rect, int depth, double strength = 0.55);

// Gold gradient spanning the given box vertically, for lettering and rules.
QLinearGradient goldGradient(const QRectF& box);

// A font by family name and pixel size, unhinted so sizes scale predictably.
QFont font(const QString& family, double pixelSize, bool bold = false, bool italic = false);

// Text as an outline path whose ink is centred on the given point.
QPainterPath centredText(const QString& text, const QFont& f, QPointF centre);

// Premultiplied ARGB box blur, three passes approximate a gaussian.
void blur(QImage& img, int radius);

// Soft drop shadow of a path drawn under it. Offset is in the painter's units;
// the blur radius is in design pixels and grows with the painter's scale.
void shadow(QPainter& p, const QSize& canvas, const QPainterPath& path, QPointF offset, int radius,
            int alpha);

// Lettering: shadow, dark outline and a fill brush.
void letter(QPainter& p, const QSize& canvas, const QPainterPath& path, const QBrush& fill,
            const QColor& outline, double outlineWidth, bool withShadow = true);

// Gentle darkening towards the edges of the picture.
void vignette(QImage& img, double strength);

} // namespace art
