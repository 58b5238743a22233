#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

QString scriptFace(const QString& language, FontStyle style) {
    const bool serif = style == FontStyle::Serif;
    if (language == QLatin1String("ja"))
        return serif ? QStringLiteral("Noto Serif CJK JP") : QStringLiteral("Noto Sans CJK JP");
    if (language == QLatin1String("zh_CN"))
        return serif ? QStringLiteral("Noto Serif CJK SC") : QStringLiteral("Noto Sans CJK SC");
    return {};
}

void substituteDesignFonts(const QString& language) {
    const struct {
        const char* design;
        const char* liberation;
        FontStyle style;
    } fonts[] = {{"Times New Roman", "Liberation Serif", FontStyle::Serif},
                 {"Arial", "Liberation Sans", FontStyle::Sans},
                 {"MS Sans Serif", "Liberation Sans", FontStyle::Sans}};
    for (const auto& f : fonts) {
        const QString design = QString::fromLatin1(f.design);
        QStringList substitutes{QString::fromLatin1(f.liberation)};
        const QString face = scriptFace(language, f.style);
        if (!face.isEmpty())
            substitutes << face;
        QFont::removeSubstitutions(design);
        QFont::insertSubstitutions(design, substitutes);
    }
}

} // namespace platform
