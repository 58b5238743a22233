#include "Lettering.h"

#include "Art.h"
#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cmath>
#include <memory>
#include <utility>

namespace lettering {

namespace {

struct State {
    QString language;
    std::unique_ptr<QTranslator> translator;
    bool bare = false;
    QStringList problems;
    QStringList shrunk;
    QList<QRectF> rooms;
};

State& state() {
    static State s;
    return s;
}

bool fits(const QPainterPath& path, const Place& place) {
    if (path.isEmpty())
        return true;
    return place.room.contains(path.boundingRect().marginsAdded(place.margin));
}

QString languageName() {
    return state().language.isEmpty() ? QStringLiteral("English") : state().language;
}

} // namespace

bool useLanguage(const QString& language, const QString& qmFile) {
    State& s = state();
    if (s.translator)
        QCoreApplication::removeTranslator(s.translator.get());
    s.translator.reset();
    s.language.clear();
    s.problems.clear();
    s.shrunk.clear();
    if (language.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(qmFile))
        return false;
    QCoreApplication::installTranslator(translator.get());
    s.translator = std::move(translator);
    s.language = language;
    return true;
}

const QString& language() {
    return state().language;
}

void setBare(bool bare) {
    state().bare = bare;
}

QString text(const char* source) {
    if (state().bare)
        return {};
    return QCoreApplication::translate("Pictures", source);
}

QString text(const char* source, int number) {
    const QString words = text(source);
    return words.isEmpty() ? words : words.arg(number);
}

QFont font(const QString& family, double pixelSize, bool bold, bool italic) {
    const platform::FontStyle style = family.contains(QLatin1String("Serif"))
                                          ? platform::FontStyle::Serif
                                          : platform::FontStyle::Sans;
    const QString face = platform::scriptFace(state().language, style);
    // Japanese and Chinese have no italics; slanted ideographs only look
    // out of place.
    QFont f = art::font(family, pixelSize, bold, italic && face.isEmpty());
    if (!face.isEmpty())
        f.setFamilies({family, face});
    return f;
}

QPainterPath placed(const QString& words, const QFont& font, const Place& place) {
    state().rooms << place.room;
    QPainterPath path;
    path.addText(0, 0, font, words);
    const QRectF ink = path.boundingRect();
    if (place.centred)
        path.translate(place.at - ink.center());
    else
        path.translate(place.at.x() - ink.left(), place.at.y() - ink.center().y());
    return path;
}

QFont fit(const QString& words, QFont font, const Place& place, const QString& picture) {
    State& s = state();
    if (fits(placed(words, font, place), place))
        return font;
    const int design = font.pixelSize();
    if (!s.language.isEmpty()) {
        const int smallest = int(std::ceil(design * 0.6));
        while (!fits(placed(words, font, place), place) && font.pixelSize() > smallest)
            font.setPixelSize(font.pixelSize() - 1);
        if (fits(placed(words, font, place), place)) {
            s.shrunk << QStringLiteral("%1, %2: \"%3\" in %4 px instead of %5 px")
                            .arg(languageName(), picture, words)
                            .arg(font.pixelSize())
                            .arg(design);
            return font;
        }
    }
    const QRectF ink = placed(words, font, place).boundingRect().marginsAdded(place.margin);
    report(QStringLiteral("%1, %2: \"%3\" does not fit its room of %4 x %5 pixels (%6 x %7 "
                          "pixels of ink in %8 px)")
               .arg(languageName(), picture, words)
               .arg(place.room.width())
               .arg(place.room.height())
               .arg(ink.width(), 0, 'f', 1)
               .arg(ink.height(), 0, 'f', 1)
               .arg(font.pixelSize()));
    return font;
}

QPainterPath line(const QString& words, const QFont& font, const Place& place,
                  const QString& picture) {
    return placed(words, fit(words, font, place, picture), place);
}

QList<QRectF> takeRooms() {
    return std::exchange(state().rooms, {});
}

QStringList problems() {
    return state().problems;
}

void report(const QString& problem) {
    state().problems << problem;
}

QStringList shrunk() {
    return state().shrunk;
}

} // namespace lettering
