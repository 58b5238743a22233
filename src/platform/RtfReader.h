#pragma once

#include <QByteArray>
#include <QString>

class QFont;
class QTextDocument;

namespace platform {

// Result of reading a rich-text document: whether any text was recognised and
// a short description of the first problem met (empty when none).
struct RtfResult {
    bool ok = false;
    QString problem;
};

// Groups nested deeper than this are read as skipped content, so hostile input
// cannot grow the reader's stack without bound.
inline constexpr int rtfMaxGroupDepth = 256;

// The document text is cut off at this many UTF-16 units (8 MB), which keeps the
// memory a broken or hostile file can claim bounded.
inline constexpr qsizetype rtfMaxTextUnits = 4 * 1024 * 1024;

// Reads RTF bytes into `document` (cleared first), using `defaultFont` for text without an
// explicit font. Malformed input is read as far as it makes sense; input without the
// "{\rtf" header is still read as RTF body text but returns ok=false with the problem
// "not a rich-text document".
RtfResult readRtf(const QByteArray& rtf, QTextDocument* document, const QFont& defaultFont);

} // namespace platform
