// Paints every picture of the game: the run-time pictures of the program folder
// (buttons, card backs, lights, prompts and the two faces of every card) and
// the pictures embedded in the program (window backgrounds, plates, icon),
// together with the resource list that rcc compiles into the program.
//
// Every picture is painted twice: at its design size and at twice that size
// for high-density screens, named with Qt's "@2x" suffix ("DoneUp@2x.jpg").
// Each drawing below is laid out in design pixels and takes the scale `s`:
// painters are scaled, per-pixel textures sample their design position.
//
// The pictures with words in them are painted once more for each language
// the program is translated into, from that language's compiled translation
// (see Lettering.h), into a folder named after the language: images/de/ for
// the program folder's pictures, de/ beside the embedded ones with a resource
// list of its own, compiled into the program as ":/embedded/de/...".
#include "AppIcon.h"
#include "Art.h"
#include "CardFace.h"
#include "CardList.h"
#include "GifWriter.h"
#include "Lettering.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

const QString kSerif = "Liberation Serif";
const QString kSans = "Liberation Sans";

void fail(const QString& what) {
    std::fprintf(stderr, "gen_pictures: %s\n", qPrintable(what));
    std::exit(1);
}

// A picture painted at scale s; the double-size pictures are compressed a
// little harder, since each of their pixels covers a quarter of the area on
// screen (the card faces take 15 MB instead of 18 MB).
void saveJpg(const QImage& img, const QString& file, int s) {
    const int quality = s == 1 ? 90 : 85;
    if (!img.convertToFormat(QImage::Format_RGB32).save(file, "JPG", quality))
        fail("cannot write " + file);
}

void savePng(const QImage& img, const QString& file) {
    if (!img.save(file, "PNG"))
        fail("cannot write " + file);
}

void writeGif(const QImage& img, const QString& file) {
    if (!saveGif(img, file))
        fail("cannot write " + file);
}

QImage argb(int w, int h, const QColor& fill = Qt::transparent) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// A rectangle of design pixels in the pixels of a picture painted at scale s.
QRect px(const QRect& r, int s) {
    return QRect(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
}

// The file name of the picture at scale s: "DoneUp.jpg" or "DoneUp@2x.jpg".
QString scaled(const QString& file, int s) {
    if (s == 1)
        return file;
    const qsizetype dot = file.lastIndexOf('.');
    return file.left(dot) + QString("@%1x").arg(s) + file.mid(dot);
}

// Design-sized pictures w x h, painted at scale s.
QImage darkWood(int w, int h, uint32_t seed, int s, double plank = 0) {
    art::WoodStyle style;
    style.light = QColor(112, 64, 32);
    style.dark = QColor(40, 20, 10);
    style.plankHeight = plank;
    return art::wood(w * s, h * s, seed, style, s)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage boardWood(int w, int h, uint32_t seed, int s) {
    art::WoodStyle style;
    style.light = QColor(166, 108, 58);
    style.dark = QColor(82, 46, 22);
    style.plankHeight = 44;
    return art::wood(w * s, h * s, seed, style, s)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage marble(int w, int h, uint32_t seed, int s) {
    return art::marble(w * s, h * s, seed, s).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A bevelled gold border `thickness` design pixels wide inside the design rectangle r.
void goldFrame(QImage& img, const QRect& r, int thickness, int s) {
    art::goldFrame(img, px(r, s), thickness * s, s);
}

// Gold lettering with a dark outline and a soft shadow along a text's outline.
void goldText(QImage& img, const QPainterPath& path, int s, double outline = 1.2) {
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    art::letter(p, img.size(), path, art::goldGradient(path.boundingRect()), QColor(48, 26, 4),
                outline);
}

// How far gold lettering reaches beyond its glyphs: the outline on every
// side, and the shadow (its offset and the core of its blur) to the right
// and below; the faint rest of the blur may fall on the surroundings.
QMarginsF goldMargin(double outline) {
    return QMarginsF(outline, outline, outline + 1.5 + 1.5, outline + 2 + 1.5);
}

// The picture being painted, for the reports of the lettering.
QString g_picture;

// A line of lettering of the picture being painted (see Lettering.h).
QPainterPath words(const QString& text, const QFont& font, const lettering::Place& place) {
    return lettering::line(text, font, place, g_picture);
}

void goldLine(QImage& img, QRectF r, int s) {
    QPainter p(&img);
    p.scale(s, s);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(0.5, QColor(214, 164, 54));
    g.setColorAt(1, QColor(110, 70, 12));
    p.fillRect(r, g);
}

// ---- run-time pictures -----------------------------------------------------

// The face of a button inside its gold frame, where its word goes (a
// descender's shadow may touch the frame's inner edge).
const QRectF ButtonFace(3, 3, 87, 20);

QImage button(const QString& text, bool pressed, int s) {
    QImage img = argb(93 * s, 25 * s);
    {
        QPainter p(&img);
        p.scale(s, s);
        QLinearGradient g(0, 0, 0, 25);
        if (!pressed) {
            g.setColorAt(0, QColor(150, 52, 36));
            g.setColorAt(0.5, QColor(104, 26, 18));
            g.setColorAt(1, QColor(60, 12, 8));
        } else {
            g.setColorAt(0, QColor(40, 8, 6));
            g.setColorAt(0.5, QColor(78, 18, 12));
            g.setColorAt(1, QColor(100, 28, 20));
        }
        p.fillRect(QRect(0, 0, 93, 25), g);
    }
    goldFrame(img, QRect(0, 0, 93, 25), 3, s);
    if (pressed)
        art::recess(img, px(QRect(3, 3, 87, 19), s), 4 * s, 0.6);
    else {
        QPainter p(&img);
        p.scale(s, s);
        p.fillRect(QRect(3, 3, 87, 1), QColor(255, 220, 200, 70));
    }
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    // Outline and shadow (offset by 1, 1.2 and blurred by 1) beyond the glyphs.
    const QMarginsF margin(0.8, 0.8, 0.8 + 1 + 1, 0.8 + 1.2 + 1);
    const lettering::Place up{QPointF(46.5, 12.5), true, ButtonFace, margin};
    // The pressed face shows the same words one pixel down and to the right.
    const lettering::Place down{QPointF(47.5, 13.5), true, ButtonFace.adjusted(0, 0, 1, 1), margin};
    const QFont font = lettering::fit(text, lettering::font(kSerif, 15, true), up, g_picture);
    const QPainterPath path = lettering::placed(text, font, pressed ? down : up);
    if (!pressed)
        art::shadow(p, img.size(), path, QPointF(1, 1.2), 1, 220);
    QLinearGradient fill = art::goldGradient(path.boundingRect());
    p.strokePath(path, QPen(QColor(40, 10, 2), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (pressed) {
        // The pressed face is dimmer as well as sunk, so the press is seen at once.
        QLinearGradient dim(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
        dim.setColorAt(0, QColor(214, 180, 110));
        dim.setColorAt(1, QColor(150, 110, 40));
        p.fillPath(path, dim);
    } else {
        p.fillPath(path, fill);
    }
    return img;
}

QImage fieldBlank(int s) {
    QImage img = boardWood(66, 108, 77, s);
    art::recess(img, img.rect(), 7 * s, 0.6);
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(240, 200, 110, 70), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 5.5, 55, 97), 4, 4);
    // A faint inlaid diamond marks the place.
    QPainterPath d;
    d.moveTo(33, 40);
    d.lineTo(45, 54);
    d.lineTo(33, 68);
    d.lineTo(21, 54);
    d.closeSubpath();
    p.setPen(QPen(QColor(230, 190, 100, 90), 1.0));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(d);
    return img;
}

// A round light in a gold socket; the corners are transparent. Edge pixels are
// blended onto dark wood so the one-bit GIF transparency leaves no fringe.
QImage light(bool red, bool on, int s) {
    const int size = 25;
    QImage img = argb(size * s, size * s);
    {
        QPainter p(&img);
        p.scale(s, s);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(12.5, 12.5);
        QLinearGradient rim(0, 0, size, size);
        rim.setColorAt(0, QColor(255, 238, 160));
        rim.setColorAt(0.5, QColor(196, 144, 40));
        rim.setColorAt(1, QColor(96, 60, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        p.drawEllipse(c, 12.3, 12.3);
        const QColor hue = red ? QColor(235, 40, 30) : QColor(40, 110, 245);
        QRadialGradient g(QPointF(10.5, 10), 11);
        if (on) {
            g.setColorAt(0, QColor(255, 255, 240));
            g.setColorAt(0.3, hue.lighter(150));
            g.setColorAt(0.75, hue);
            g.setColorAt(1, hue.darker(200));
        } else {
            g.setColorAt(0, hue.darker(220));
            g.setColorAt(0.7, hue.darker(420));
            g.setColorAt(1, QColor(8, 4, 4));
        }
        p.setBrush(g);
        p.drawEllipse(c, 9.6, 9.6);
        // Glass highlight.
        p.setBrush(QColor(255, 255, 255, on ? 190 : 80));
        p.drawEllipse(QPointF(9.5, 8.5), 3.2, 2.2);
        if (!on) {
            // A dark cross-hatch on the unlit glass, so lit and unlit differ
            // in texture as well as brightness.
            // The clip is set in picture pixels so that its round edge has
            // the picture's resolution, not the design's.
            const QTransform design = p.transform();
            p.resetTransform();
            p.setClipRegion(QRegion(px(QRect(3, 3, 19, 19), s), QRegion::Ellipse));
            p.setTransform(design);
            p.setPen(QPen(QColor(0, 0, 0, 90), 1));
            for (int i = -25; i < 25; i += 4)
                p.drawLine(i, 0, i + 25, 25);
        }
    }
    const QColor back(56, 32, 16);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a < 60) {
                line[x] = 0;
                continue;
            }
            // Premultiplied: add the background under the uncovered part.
            line[x] = qRgba(qRed(px) + back.red() * (255 - a) / 255,
                            qGreen(px) + back.green() * (255 - a) / 255,
                            qBlue(px) + back.blue() * (255 - a) / 255, 255);
        }
    }
    return img;
}

QImage plaque(int w, int h, uint32_t seed, int s) {
    QImage img = darkWood(w, h, seed, s);
    art::vignette(img, 0.5);
    goldFrame(img, QRect(0, 0, w, h), 4, s);
    return img;
}

QImage prompt(int s) {
    QImage img = plaque(200, 67, 52, s);
    //: Painted on the selection window's prompt in two lines: the first large
    //: (room for about 180 x 36 pixels), the second small (180 x 19). Keep the
    //: line break.
    const QString text =
        lettering::text(QT_TRANSLATE_NOOP("Pictures", "Choose 5 cards\nthen press Done"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() != 2 && !text.isEmpty())
        lettering::report(QStringLiteral("%1, 52start.jpg: \"%2\" is not two lines")
                              .arg(lettering::language(), text));
    lines.resize(2);
    goldText(img,
             words(lines[0], lettering::font(kSerif, 24, true),
                   {QPointF(100, 28), true, QRectF(6, 5, 188, 39), goldMargin(1.2)}),
             s);
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath sub = words(lines[1], lettering::font(kSerif, 12, false, true),
                                   {QPointF(100, 50), true, QRectF(6, 44, 188, 18), {}});
    p.fillPath(sub, QColor(236, 214, 170));
    return img;
}

QImage begins(int player, int s) {
    QImage img = marble(200, 67, 700 + uint32_t(player), s);
    goldFrame(img, QRect(0, 0, 200, 67), 5, s);
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = player == 1 ? QColor(192, 0, 0) : QColor(0, 40, 200);
    //: Painted on the plaque that shows who places the first card, 190 x 55
    //: pixels of room; %1 is the player's number, 1 or 2.
    const QPainterPath path =
        words(lettering::text(QT_TRANSLATE_NOOP("Pictures", "Player %1 begins"), player),
              lettering::font(kSerif, 25, true, true),
              {QPointF(100, 33), true, QRectF(5, 5, 190, 57), goldMargin(1.2)});
    QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
    g.setColorAt(0, ink.lighter(140));
    g.setColorAt(1, ink.darker(140));
    art::letter(p, img.size(), path, g, QColor(255, 250, 236), 1.2);
    return img;
}

// ---- embedded pictures -----------------------------------------------------

QImage plate(const QString& text, int w, int h, int s) {
    QImage img = darkWood(w, h, 300 + uint32_t(w), s);
    art::vignette(img, 0.4);
    goldFrame(img, QRect(0, 0, w, h), 3, s);
    goldText(img,
             words(text, lettering::font(kSerif, h * 0.62, true),
                   {QPointF(w / 2.0, h / 2.0), true, QRectF(2, 2, w - 4, h - 4), goldMargin(1.0)}),
             s, 1.0);
    return img;
}

// Dark wood set into the lighter board, edged with a thin gold inlay.
void inlay(QImage& img, QRect r, uint32_t seed, int s) {
    {
        QPainter p(&img);
        p.drawImage(px(r, s).topLeft(), darkWood(r.width(), r.height(), seed, s));
    }
    art::recess(img, px(r, s), 8 * s, 0.45);
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(255, 232, 150));
    g.setColorAt(0.5, QColor(190, 140, 40));
    g.setColorAt(1, QColor(110, 70, 10));
    p.setPen(QPen(QBrush(g), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(-1.5, -1.5, 1.5, 1.5));
}

// A small gold rosette, used to dress the corners of the board.
void rosette(QImage& img, QPointF c, double r, int s) {
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath petals;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45.0 * i);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(r * 0.35, -r * 0.5, 0, -r);
        leaf.quadTo(-r * 0.35, -r * 0.5, 0, 0);
        petals.addPath(t.map(leaf));
    }
    petals.setFillRule(Qt::WindingFill);
    art::letter(p, img.size(), petals, art::goldGradient(petals.boundingRect()), QColor(50, 28, 4),
                0.6);
    QRadialGradient g(c - QPointF(r * 0.1, r * 0.1), r * 0.35);
    g.setColorAt(0, QColor(255, 200, 200));
    g.setColorAt(1, QColor(120, 0, 10));
    p.setPen(QPen(QColor(60, 30, 4), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

QImage mainBoard(int s) {
    QImage img = boardWood(591, 525, 1, s);
    art::vignette(img, 0.35);
    // Hands lie in shallow hollows; the board and the lower panels are inlaid.
    art::recess(img, px(QRect(12, 16, 128, 366), s), 10 * s, 0.3);
    art::recess(img, px(QRect(414, 16, 166, 366), s), 10 * s, 0.3);
    inlay(img, QRect(180, 19, 232, 354), 501, s);
    const int xs[] = {187, 263, 339};
    const int ys[] = {26, 142, 258};
    for (int y : ys)
        for (int x : xs)
            art::recess(img, px(QRect(x - 2, y - 2, 70, 112), s), 5 * s, 0.5);
    inlay(img, QRect(34, 394, 166, 102), 502, s);
    inlay(img, QRect(391, 394, 166, 102), 503, s);
    art::recess(img, px(QRect(246, 373, 101, 134), s), 6 * s, 0.35);
    for (int y : {379, 412, 446}) {
        art::recess(img, px(QRect(206, y - 2, 29, 29), s), 5 * s, 0.5);
        art::recess(img, px(QRect(358, y - 2, 29, 29), s), 5 * s, 0.5);
    }
    for (QPointF c : {QPointF(178, 17), QPointF(414, 17), QPointF(178, 375), QPointF(414, 375)})
        rosette(img, c, 8, s);
    goldFrame(img, QRect(0, 0, 591, 525), 9, s);
    return img;
}

void framedField(QImage& img, QRect r, int s) {
    art::recess(img, px(r.adjusted(-4, -4, 4, 4), s), 4 * s, 0.5);
    QImage inner(r.size() * s, QImage::Format_ARGB32_Premultiplied);
    inner.fill(QColor(255, 224, 192));
    QPainter p(&img);
    p.drawImage(px(r, s).topLeft(), inner);
    p.end();
    goldFrame(img, r.adjusted(-3, -3, 3, 3), 3, s);
}

QImage options(int s) {
    QImage img = darkWood(312, 412, 41, s, 52);
    art::vignette(img, 0.45);
    goldFrame(img, QRect(0, 0, 312, 412), 8, s);
    //: The headings above the options window's name boxes (room for 288 x 32
    //: pixels), and the plates of the main and selection windows that name
    //: each player's colour (121 x 29 pixels); %1 is 1 or 2.
    const char* player = QT_TRANSLATE_NOOP("Pictures", "Player %1");
    goldText(img,
             words(lettering::text(player, 1), lettering::font(kSerif, 19, true),
                   {QPointF(153.5, 30), true, QRectF(12, 8, 288, 36), goldMargin(1.2)}),
             s);
    framedField(img, QRect(51, 44, 206, 26), s);
    goldText(img,
             words(lettering::text(player, 2), lettering::font(kSerif, 19, true),
                   {QPointF(154.5, 100), true, QRectF(12, 76, 288, 38), goldMargin(1.2)}),
             s);
    framedField(img, QRect(52, 114, 206, 26), s);
    goldLine(img, QRectF(40, 158, 232, 2), s);
    //: The heading of the options window's choice of rules, painted between two
    //: gold lines (room for 288 x 29 pixels).
    goldText(img,
             words(lettering::text(QT_TRANSLATE_NOOP("Pictures", "Rules")),
                   lettering::font(kSerif, 22, true),
                   {QPointF(156, 175), true, QRectF(12, 161, 288, 30), goldMargin(1.2)}),
             s);
    goldLine(img, QRectF(40, 191, 232, 2), s);
    struct Box {
        QRect r;
        const char* text;
    };
    // The options, painted to the right of their marks.
    const Box boxes[] = {
        //: An option of the options window, right of its mark (room for 214 x 27 pixels).
        {QRect(44, 205, 30, 26), QT_TRANSLATE_NOOP("Pictures", "Open Hand")},
        //: An option of the options window, right of its mark (214 x 27 pixels).
        {QRect(44, 233, 30, 26), QT_TRANSLATE_NOOP("Pictures", "Closed Hand")},
        //: An option of the options window, right of its mark (214 x 27 pixels).
        {QRect(43, 270, 34, 30), QT_TRANSLATE_NOOP("Pictures", "Basic Rules")},
        //: An option of the options window, right of its mark (214 x 27 pixels).
        {QRect(43, 298, 34, 30), QT_TRANSLATE_NOOP("Pictures", "Basic Combo Rules")}};
    for (const Box& b : boxes) {
        // The marks are laid over the box, so the box must stay square-looking
        // and light inside for the red mark to show.
        const int side = std::min(b.r.width(), b.r.height()) - 4;
        const QRect sq(b.r.center().x() - side / 2, b.r.center().y() - side / 2, side, side);
        framedField(img, sq.adjusted(2, 2, -2, -2), s);
        QPainter p(&img);
        p.scale(s, s);
        p.setRenderHint(QPainter::Antialiasing);
        const double middle = b.r.center().y() + 0.5;
        const QPainterPath path =
            words(lettering::text(b.text), lettering::font(kSerif, 16, true),
                  {QPointF(86, middle), false, QRectF(84, middle - 13, 218, 27), goldMargin(1.0)});
        art::letter(p, img.size(), path, QColor(246, 228, 190), QColor(30, 14, 4), 1.0);
    }
    return img;
}

QImage strip(int s) {
    QImage img = darkWood(588, 221, 88, s, 55);
    art::vignette(img, 0.4);
    goldFrame(img, QRect(0, 0, 588, 221), 7, s);
    for (int i = 0; i < 8; ++i)
        art::recess(img, px(QRect(24 + 68 * i, 103, 63, 95), s), 6 * s, 0.5);
    art::recess(img, px(QRect(20, 18, 154, 76), s), 7 * s, 0.35);
    art::recess(img, px(QRect(196, 16, 208, 75), s), 6 * s, 0.45);
    art::recess(img, px(QRect(446, 34, 105, 37), s), 5 * s, 0.45);
    goldLine(img, QRectF(20, 97, 548, 1.5), s);
    return img;
}

QImage message(int s) {
    QImage img = marble(350, 67, 5, s);
    goldFrame(img, QRect(0, 0, 350, 67), 5, s);
    return img;
}

QImage winner(int s) {
    QImage img = marble(551, 258, 9, s);
    goldFrame(img, QRect(0, 0, 551, 258), 8, s);
    //: The heading of the results window, painted above a gold line (room for
    //: 431 x 38 pixels).
    goldText(img,
             words(lettering::text(QT_TRANSLATE_NOOP("Pictures", "Game Stats")),
                   lettering::font(kSerif, 28, true),
                   {QPointF(275.5, 28), true, QRectF(60, 8, 431, 38), goldMargin(1.3)}),
             s, 1.3);
    goldLine(img, QRectF(274, 52, 3, 150), s);
    goldLine(img, QRectF(170, 46, 211, 1.5), s);
    return img;
}

// The statistics window: dark wood in a gold frame, the heading in gold
// lettering, a sunken panel for the table with a gold rule under its header
// row, and a gold line above the buttons.
QImage stats(int s) {
    QImage img = darkWood(600, 300, 27, s, 50);
    art::vignette(img, 0.45);
    goldFrame(img, QRect(0, 0, 600, 300), 8, s);
    //: The heading of the statistics window, painted above a short gold line
    //: (room for 520 x 40 pixels).
    goldText(img,
             words(lettering::text(QT_TRANSLATE_NOOP("Pictures", "Statistics")),
                   lettering::font(kSerif, 28, true),
                   {QPointF(300, 30), true, QRectF(40, 9, 520, 40), goldMargin(1.3)}),
             s, 1.3);
    goldLine(img, QRectF(200, 50, 200, 1.5), s);
    art::recess(img, px(QRect(18, 60, 564, 140), s), 6 * s, 0.5);
    goldLine(img, QRectF(26, 86, 548, 1.5), s);
    goldLine(img, QRectF(40, 246, 520, 1.5), s);
    return img;
}

// The windows that start a network match: dark wood in a gold frame, a gold
// line under the heading (a label writes it, in the player's language), the
// host's sunken panels for its addresses and join code, the guest's framed
// fields for what he types and a panel for the games found, and a gold line
// above the buttons.
QImage hostGame(int s) {
    QImage img = darkWood(420, 300, 61, s, 50);
    art::vignette(img, 0.45);
    goldFrame(img, QRect(0, 0, 420, 300), 8, s);
    goldLine(img, QRectF(110, 48, 200, 1.5), s);
    art::recess(img, px(QRect(146, 56, 254, 70), s), 6 * s, 0.5);
    art::recess(img, px(QRect(146, 130, 254, 38), s), 6 * s, 0.5);
    goldLine(img, QRectF(24, 252, 372, 1.5), s);
    return img;
}

QImage joinGame(int s) {
    QImage img = darkWood(420, 400, 67, s, 50);
    art::vignette(img, 0.45);
    goldFrame(img, QRect(0, 0, 420, 400), 8, s);
    goldLine(img, QRectF(110, 48, 200, 1.5), s);
    for (int top : {60, 96, 132})
        framedField(img, QRect(150, top, 246, 24), s);
    art::recess(img, px(QRect(24, 194, 372, 100), s), 6 * s, 0.5);
    goldLine(img, QRectF(24, 352, 372, 1.5), s);
    return img;
}

// The plate behind the result window's line about the record against the
// computer: the window's marble in a thin gold frame.
QImage recordPlate(int s) {
    QImage img = marble(352, 21, 17, s);
    goldFrame(img, QRect(0, 0, 352, 21), 2, s);
    return img;
}

QImage splash(const QList<CardRow>& cards, int s) {
    QImage img = darkWood(450, 300, 12, s, 70);
    art::vignette(img, 0.6);
    {
        QPainter p(&img);
        const QTransform toPicture = QTransform::fromScale(s, s);
        p.setTransform(toPicture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // Five cards fanned around a point below the picture, alternating colours.
        const int picks[] = {583, 131, 404, 257, 600};
        const double scale = 1.45;
        for (int i = 0; i < 5; ++i) {
            const CardRow& c = cards[std::min<int>(picks[i], int(cards.size()) - 1)];
            // Painted at the picture's resolution, placed by its design size.
            const QImage face = cards::face(c, i % 2 == 0, scale * s);
            const QSizeF size = QSizeF(face.size()) / s;
            const double angle = -26 + 13 * i;
            QTransform t;
            t.translate(225, 430);
            t.rotate(angle);
            t.translate(-size.width() / 2.0, -405);
            QPainterPath outline;
            outline.addRect(QRectF(QPointF(0, 0), size));
            p.setTransform(t * toPicture);
            art::shadow(p, img.size(), outline, QPointF(4, 5), 5, 170);
            p.setTransform(t * toPicture);
            p.scale(1.0 / s, 1.0 / s);
            p.drawImage(0, 0, face);
        }
        p.setTransform(toPicture);
        // Darken the lower part so the title stands out.
        QLinearGradient g(0, 170, 0, 300);
        g.setColorAt(0, QColor(0, 0, 0, 0));
        g.setColorAt(0.45, QColor(0, 0, 0, 150));
        g.setColorAt(1, QColor(0, 0, 0, 210));
        p.fillRect(QRect(0, 170, 450, 130), g);
    }
    goldText(img, art::centredText("Quorvel", art::font(kSerif, 80, true), QPointF(225, 228)), s,
             2.2);
    {
        QPainter p(&img);
        p.scale(s, s);
        p.setRenderHint(QPainter::Antialiasing);
        //: The splash window's line under the game's name (room for 430 x 30
        //: pixels).
        const QPainterPath sub =
            words(lettering::text(QT_TRANSLATE_NOOP("Pictures", "a duel of cards for two")),
                  lettering::font(kSerif, 15, false, true),
                  {QPointF(225, 276), true, QRectF(10, 263, 430, 30), {}});
        p.fillPath(sub, QColor(236, 214, 170));
    }
    goldFrame(img, QRect(0, 0, 450, 300), 7, s);
    return img;
}

QImage selFrame(int s) {
    QImage img(110 * s, 180 * s, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 0));
    return img;
}

QImage icon(int s) {
    QImage img = argb(32 * s, 32 * s);
    QPainter p(&img);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-8);
    const QRectF card(-10.5, -14.5, 21, 29);
    QLinearGradient g(card.topLeft(), card.bottomLeft());
    g.setColorAt(0, QColor(200, 40, 36));
    g.setColorAt(1, QColor(90, 8, 14));
    p.setPen(QPen(QColor(236, 190, 80), 1.6));
    p.setBrush(g);
    p.drawRoundedRect(card, 2.5, 2.5);
    const QPainterPath q = art::centredText("Q", art::font(kSerif, 20, true), QPointF(0, 0));
    p.strokePath(q, QPen(QColor(40, 16, 2), 1.6));
    p.fillPath(q, art::goldGradient(q.boundingRect()));
    return img;
}

void makeDir(const QString& path) {
    if (!QDir().mkpath(path))
        fail("cannot create " + path);
}

QString facePath(const QString& programDir, const CardRow& c, char colour, int s) {
    QString rel = c.path;
    rel.replace('\\', '/');
    return programDir + rel + colour + scaled(".jpg", s);
}

// Card faces are independent of each other; painting them on every core keeps
// the build short.
void writeFaces(const QList<CardRow>& cards, const QString& programDir, const QList<int>& scales) {
    const unsigned threads = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            for (qsizetype i = t; i < cards.size(); i += threads) {
                const CardRow& c = cards[i];
                for (int s : scales) {
                    saveJpg(cards::face(c, true, s), facePath(programDir, c, 'r', s), s);
                    saveJpg(cards::face(c, false, s), facePath(programDir, c, 'b', s), s);
                }
            }
        });
    }
    for (std::thread& th : pool)
        th.join();
}

// Ink of the words: a pixel that differs from the picture without words by
// more than this in a channel (the faint tail of a shadow's blur does not count).
constexpr int InkThreshold = 24;

// Checks that the words of a picture lie inside the rooms of its lines, by
// comparing it at its own scale with the same picture painted without words.
void checkInk(const QImage& lettered, const QImage& bare, const QList<QRectF>& rooms, int s) {
    const QImage a = lettered.convertToFormat(QImage::Format_ARGB32);
    const QImage b = bare.convertToFormat(QImage::Format_ARGB32);
    QRect outside;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max(
                {std::abs(qRed(la[x]) - qRed(lb[x])), std::abs(qGreen(la[x]) - qGreen(lb[x])),
                 std::abs(qBlue(la[x]) - qBlue(lb[x])), std::abs(qAlpha(la[x]) - qAlpha(lb[x]))});
            if (d <= InkThreshold)
                continue;
            const QPointF centre((x + 0.5) / s, (y + 0.5) / s);
            if (std::none_of(rooms.begin(), rooms.end(),
                             [&](const QRectF& r) { return r.contains(centre); }))
                outside |= QRect(x, y, 1, 1);
        }
    }
    if (!outside.isNull())
        lettering::report(QStringLiteral("%1, %2: words painted outside their room, over "
                                         "pixels %3,%4 to %5,%6")
                              .arg(lettering::language().isEmpty() ? QStringLiteral("English")
                                                                   : lettering::language(),
                                   g_picture)
                              .arg(outside.left())
                              .arg(outside.top())
                              .arg(outside.right())
                              .arg(outside.bottom()));
}

// A picture with words, painted by `paint`, once with its words and once
// without them to measure where their ink lies.
QImage lettered(const QString& file, int s, const std::function<QImage()>& paint) {
    g_picture = scaled(file, s);
    lettering::takeRooms();
    const QImage img = paint();
    lettering::setBare(true);
    const QImage bare = paint();
    lettering::setBare(false);
    checkInk(img, bare, lettering::takeRooms(), s);
    return img;
}

// The pictures of the program folder with words in them, into `images`.
void writeLetteredRuntimePictures(const QString& images, int s) {
    const struct {
        const char* file;
        const char* text;
    } buttons[] = {//: A button of the options, message, results, statistics and help
                   //: windows, and of the selection windows; painted on a face of 87 x 19
                   //: pixels.
                   {"Done", QT_TRANSLATE_NOOP("Pictures", "Done")},
                   //: A button of the main and options windows (87 x 19 pixels).
                   {"Help", QT_TRANSLATE_NOOP("Pictures", "Help")},
                   //: A button of the main window (87 x 19 pixels).
                   {"NewGame", QT_TRANSLATE_NOOP("Pictures", "New Game")},
                   //: A button of the main window (87 x 19 pixels).
                   {"Options", QT_TRANSLATE_NOOP("Pictures", "Options")},
                   //: A button of the main window (87 x 19 pixels).
                   {"Exit", QT_TRANSLATE_NOOP("Pictures", "Exit")},
                   //: The statistics window's button that asks to empty the record of
                   //: matches (87 x 19 pixels).
                   {"Reset", QT_TRANSLATE_NOOP("Pictures", "Reset")},
                   //: The statistics window's button that confirms emptying the record
                   //: of matches (87 x 19 pixels).
                   {"Clear", QT_TRANSLATE_NOOP("Pictures", "Clear")},
                   //: The statistics window's button that keeps the record of matches
                   //: after all (87 x 19 pixels).
                   {"Keep", QT_TRANSLATE_NOOP("Pictures", "Keep")},
                   //: The button of the network windows that gives up waiting for or
                   //: joining a game (87 x 19 pixels).
                   {"Cancel", QT_TRANSLATE_NOOP("Pictures", "Cancel")},
                   //: The join window's button that connects to the host (87 x 19
                   //: pixels).
                   {"Join", QT_TRANSLATE_NOOP("Pictures", "Join")}};
    for (const auto& b : buttons) {
        for (bool pressed : {false, true}) {
            const QString file = QString(b.file) + (pressed ? "Dn.jpg" : "Up.jpg");
            saveJpg(lettered(file, s, [&] { return button(lettering::text(b.text), pressed, s); }),
                    images + scaled(file, s), s);
        }
    }
    saveJpg(lettered("52start.jpg", s, [&] { return prompt(s); }),
            images + scaled("52start.jpg", s), s);
    for (int player : {1, 2}) {
        const QString file = QStringLiteral("begin%1.jpg").arg(player);
        saveJpg(lettered(file, s, [&] { return begins(player, s); }), images + scaled(file, s), s);
    }
}

// The pictures the program loads from its folder at run time.
void writeRuntimePictures(const QString& images, int s) {
    writeLetteredRuntimePictures(images, s);
    saveJpg(fieldBlank(s), images + scaled("FieldBlank.jpg", s), s);
    saveJpg(cards::back(true, s), images + scaled("PlaceHolder-r.jpg", s), s);
    saveJpg(cards::back(false, s), images + scaled("PlaceHolder-b.jpg", s), s);
    writeGif(light(true, false, s), images + scaled("RedOff.gif", s));
    writeGif(light(true, true, s), images + scaled("RedOn.gif", s));
    writeGif(light(false, false, s), images + scaled("BlueOff.gif", s));
    writeGif(light(false, true, s), images + scaled("BlueOn.gif", s));
}

// The embedded pictures with words in them, into the folder `e`; returns
// their file names.
QStringList writeLetteredEmbeddedPictures(const QList<CardRow>& cards, const QString& e, int s) {
    saveJpg(lettered("splash.jpg", s, [&] { return splash(cards, s); }),
            e + scaled("splash.jpg", s), s);
    saveJpg(lettered("options.jpg", s, [&] { return options(s); }), e + scaled("options.jpg", s),
            s);
    saveJpg(lettered("winner.jpg", s, [&] { return winner(s); }), e + scaled("winner.jpg", s), s);
    saveJpg(lettered("stats.jpg", s, [&] { return stats(s); }), e + scaled("stats.jpg", s), s);
    const char* player = QT_TRANSLATE_NOOP("Pictures", "Player %1");
    writeGif(
        lettered("plate1.gif", s, [&] { return plate(lettering::text(player, 1), 125, 33, s); }),
        e + scaled("plate1.gif", s));
    writeGif(
        lettered("plate2.gif", s, [&] { return plate(lettering::text(player, 2), 129, 32, s); }),
        e + scaled("plate2.gif", s));
    QStringList files = {"options.jpg", "plate1.gif", "plate2.gif",
                         "splash.jpg",  "stats.jpg",  "winner.jpg"};
    for (QString& f : files)
        f = scaled(f, s);
    return files;
}

// The pictures compiled into the program; returns their file names.
QStringList writeEmbeddedPictures(const QList<CardRow>& cards, const QString& e, int s) {
    writeLetteredEmbeddedPictures(cards, e, s);
    saveJpg(mainBoard(s), e + scaled("main.jpg", s), s);
    saveJpg(strip(s), e + scaled("strip.jpg", s), s);
    saveJpg(message(s), e + scaled("message.jpg", s), s);
    saveJpg(recordPlate(s), e + scaled("recordplate.jpg", s), s);
    saveJpg(hostGame(s), e + scaled("hostgame.jpg", s), s);
    saveJpg(joinGame(s), e + scaled("joingame.jpg", s), s);
    writeGif(light(true, false, s), e + scaled("redlight.gif", s));
    writeGif(light(false, false, s), e + scaled("bluelight.gif", s));
    saveJpg(selFrame(s), e + scaled("selframe.jpg", s), s);
    savePng(icon(s), e + scaled("icon.png", s));
    // The icon's PNG files are the source of the raw pictures compiled in
    // (gen_rawpicture), not compiled in themselves.
    QStringList files = {"bluelight.gif", "icon.argb",       "main.jpg",     "message.jpg",
                         "options.jpg",   "plate1.gif",      "plate2.gif",   "redlight.gif",
                         "selframe.jpg",  "splash.jpg",      "strip.jpg",    "winner.jpg",
                         "stats.jpg",     "recordplate.jpg", "hostgame.jpg", "joingame.jpg"};
    for (QString& f : files)
        f = scaled(f, s);
    return files;
}

void writeResourceList(const QString& file, const QStringList& files) {
    QFile qrc(file);
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        fail("cannot write " + file);
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/embedded\">\n";
    for (const QString& f : files) {
        // Raw pixels are read straight from the program's own bytes, with no
        // decompression on the way.
        const char* attributes =
            f.endsWith(QLatin1String(".argb")) ? " compression-algorithm=\"none\"" : "";
        out << "    <file" << attributes << ">" << f << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
}

// Ends the program if any words did not fit; tells which lines were set in
// a smaller font.
void finishLettering() {
    for (const QString& line : lettering::shrunk())
        std::printf("gen_pictures: %s\n", qPrintable(line));
    const QStringList problems = lettering::problems();
    for (const QString& problem : problems)
        std::fprintf(stderr, "gen_pictures: %s\n", qPrintable(problem));
    if (!problems.isEmpty())
        fail("the words of some pictures do not fit them; shorten the translations named above");
}

} // namespace

int main(int argc, char** argv) {
    // Painting needs a GUI application for fonts, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString language;
    if (args.size() == 6 && args[0] == QLatin1String("--language")) {
        language = args[1];
        if (!lettering::useLanguage(language, args[2]))
            fail("cannot load the translation " + args[2]);
        args = args.mid(3);
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: gen_pictures [--language <language> <file.qm>] <cards.csv> "
                             "<programdir> <embeddeddir>\n");
        return 2;
    }
    const QList<CardRow> cards = readCardList(args[0]);
    const QString programDir = args[1];
    const QString embeddedDir = args[2];
    // Design size and double size for high-density screens.
    const QList<int> scales = {1, 2};

    if (!language.isEmpty()) {
        // Only the pictures with words, in the language's own folders.
        const QString images = programDir + "/images/" + language + "/";
        const QString embedded = embeddedDir + "/" + language + "/";
        makeDir(images);
        makeDir(embedded);
        QStringList files;
        for (int s : scales) {
            writeLetteredRuntimePictures(images, s);
            for (const QString& f : writeLetteredEmbeddedPictures(cards, embedded, s))
                files << language + "/" + f;
        }
        finishLettering();
        writeResourceList(embeddedDir + "/embedded_" + language + ".qrc", files);
        return 0;
    }

    const QString images = programDir + "/images/";
    makeDir(images);
    makeDir(programDir + "/cards");
    makeDir(embeddedDir);
    QStringList embedded;
    for (int s : scales) {
        writeRuntimePictures(images, s);
        embedded += writeEmbeddedPictures(cards, embeddedDir + "/", s);
    }
    finishLettering();
    writeFaces(cards, programDir, scales);

    if (!appicon::writeAll(embeddedDir + "/icons"))
        fail("cannot write the application icons");
    writeResourceList(embeddedDir + "/embedded.qrc", embedded);
    return 0;
}
