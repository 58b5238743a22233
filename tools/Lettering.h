#pragma once

#include <QFont>
#include <QMarginsF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

// The words painted into pictures, in every language the program speaks.
//
// Each painted text is a message of the program's translations in the context
// "Pictures" (marked where it is painted, so lupdate puts it into every .ts
// file with a note on the room it has), and the generator paints each
// language's pictures from the compiled translation: every text has one
// source. English is the design: its words are painted in the designed font
// whatever happens. A translation takes the designed font where its words fit
// the room of their picture; where they do not, the font of that line alone
// shrinks by whole pixels (to no less than 60 % of the design), and where even
// that is not enough the words are reported as not fitting, which fails the
// build (a translation too long for its picture must be shortened).
namespace lettering {

// Speaks `language` from the translation file `qmFile`; "" speaks English.
// False if the file cannot be loaded.
bool useLanguage(const QString& language, const QString& qmFile = QString());
const QString& language();

// With `bare`, every text is empty: the picture is painted without its words,
// so that comparing it with the lettered one shows where the words' ink lies.
void setBare(bool bare);

// The words of `source`, a text of the context "Pictures", in the language in
// use; with a number for its "%1".
QString text(const char* source);
QString text(const char* source, int number);

// The lettering font: `family` at `pixelSize` in the designed weight and
// slant, with the script face of the language in use behind it (Japanese and
// Chinese, see platform/Fonts.h). Scripts that have no italics are set upright.
QFont font(const QString& family, double pixelSize, bool bold, bool italic = false);

// Where a line of lettering goes: its ink centred on `at`, or beginning at
// at.x() and centred on at.y(); `room` is the part of the picture its ink may
// take, and `margin` how far the painting reaches beyond the glyphs' outline
// on each side (a stroked edge, a shadow), all in design pixels.
struct Place {
    QPointF at;
    bool centred = true;
    QRectF room;
    QMarginsF margin;
};

// The font in which `words` fit `place`: in English always `font`; in a
// translation the largest size down to 60 % of it whose ink fits the room.
// Words that fit in no size are recorded as a problem (see problems()) and
// given the smallest size.
QFont fit(const QString& words, QFont font, const Place& place, const QString& picture);

// The outline of `words` in `font` placed as `place` says.
QPainterPath placed(const QString& words, const QFont& font, const Place& place);

// Both: the outline of `words` in the font that fits.
QPainterPath line(const QString& words, const QFont& font, const Place& place,
                  const QString& picture);

// The rooms of the lines placed since the last call, and forgets them.
QList<QRectF> takeRooms();

// Everything that did not fit, one sentence each, since the last useLanguage().
QStringList problems();
void report(const QString& problem);

// Lines painted in a smaller font than designed, for the build's log.
QStringList shrunk();

} // namespace lettering
