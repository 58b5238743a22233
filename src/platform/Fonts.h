#pragma once

#include <QString>

namespace platform {

// The design's fonts (Times New Roman, Arial, MS Sans Serif) are drawn with
// their Liberation equivalents, which cover the Latin, Greek and Cyrillic
// scripts. Japanese and Chinese need faces of their own, and the two share
// most characters but not their shapes: a kanji drawn in a Chinese face looks
// foreign to a Japanese reader and the other way round. Each of the two
// languages is therefore given the regional face of Noto CJK (serif for the
// serif texts, sans for the rest), so that the same character takes the shape
// its reader expects.

enum class FontStyle { Serif, Sans };

// The face that draws `language`'s own script where Liberation has no glyphs,
// or "" where Liberation covers the language (or for English, "").
QString scriptFace(const QString& language, FontStyle style);

// Maps the design's font names to Liberation and, for a language with a
// script face, to that face behind it: Latin letters, digits and names keep
// Liberation's shapes in every language, the rest come from the script face.
// Fonts made afterwards follow the new mapping.
void substituteDesignFonts(const QString& language);

} // namespace platform
