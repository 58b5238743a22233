#include "platform/RtfReader.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

constexpr int kMaxWordLength = 32;
constexpr int kMaxParagraphs = 500000;
constexpr int kMaxTableEntries = 4096;
constexpr int kMaxFontNameLength = 128;
constexpr int kMaxTabStops = 64;
constexpr int kMaxIndentTwips = 31680; // 22 inches, wider than any page
constexpr int kMaxHalfPoints = 2000;   // 1000 pt
constexpr int kMaxUnicodeSkip = 16;
constexpr qint64 kParamLimit = 1000000000;
constexpr int kNoParam = INT_MIN;

// Windows-1252 code points for bytes 0x80..0x9F; 0 marks the five unassigned bytes, which
// are dropped. Bytes 0xA0..0xFF are the same as Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kCp1252High[byte - 0x80];
    return byte;
}

// Where the text of the current group goes.
enum class Dest : quint8 { Text, Skip, FontTable, ColorTable };

// What a known control word does; words not in the table are ignored, as RTF readers must.
enum class Kw : quint8 {
    SkipDest,
    FontTable,
    ColorTable,
    Par,
    Line,
    Tab,
    Cell,
    Pard,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Caps,
    Sub,
    Super,
    NoSuperSub,
    FontSize,
    Font,
    Color,
    Highlight,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    Unicode,
    UnicodeSkip,
    Binary,
    DefaultFont,
    FontCharset,
    Red,
    Green,
    Blue,
    Symbol,
    AssocFont,
    AssocLatin,
    AssocOther,
};

// A table entry for one control word.
struct Keyword {
    Kw kind;
    char16_t symbol = 0; // the character a Kw::Symbol word stands for
};

const std::unordered_map<std::string_view, Keyword>& keywords() {
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t;
        // Destinations whose content is never shown. Destinations a writer marks with \*
        // are skipped anyway; these are the ones older writers emit without the mark.
        for (const char* d : {"stylesheet",
                              "info",
                              "pict",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "object",
                              "objdata",
                              "fldinst",
                              "xe",
                              "tc",
                              "txe",
                              "rxe",
                              "bkmkstart",
                              "bkmkend",
                              "listtable",
                              "listoverridetable",
                              "revtbl",
                              "rsidtbl",
                              "themedata",
                              "colorschememapping",
                              "latentstyles",
                              "datastore",
                              "generator",
                              "filetbl",
                              "pgdsctbl",
                              "private",
                              "nonshppict",
                              "shp",
                              "do",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "author",
                              "operator",
                              "title",
                              "subject",
                              "keywords",
                              "comment",
                              "doccomm",
                              "template",
                              "pn",
                              "fldtype",
                              "xmlnstbl",
                              "mmathPr",
                              "wgrffmtfilter",
                              "falt",
                              "panose",
                              "leveltext",
                              "levelnumbers",
                              "userprops",
                              "docvar"})
            t.emplace(d, Keyword{Kw::SkipDest});
        const std::pair<const char*, Kw> words[] = {
            {"fonttbl", Kw::FontTable},
            {"colortbl", Kw::ColorTable},
            {"par", Kw::Par},
            {"row", Kw::Par},
            {"page", Kw::Par},
            {"sect", Kw::Par},
            {"line", Kw::Line},
            {"tab", Kw::Tab},
            {"cell", Kw::Cell},
            {"pard", Kw::Pard},
            {"plain", Kw::Plain},
            {"b", Kw::Bold},
            {"i", Kw::Italic},
            {"ul", Kw::Underline},
            {"uld", Kw::Underline},
            {"uldb", Kw::Underline},
            {"ulw", Kw::Underline},
            {"uldash", Kw::Underline},
            {"ulwave", Kw::Underline},
            {"ulth", Kw::Underline},
            {"ulnone", Kw::UnderlineNone},
            {"strike", Kw::Strike},
            {"striked", Kw::Strike},
            {"v", Kw::Hidden},
            {"caps", Kw::Caps},
            {"sub", Kw::Sub},
            {"super", Kw::Super},
            {"nosupersub", Kw::NoSuperSub},
            {"fs", Kw::FontSize},
            {"f", Kw::Font},
            {"cf", Kw::Color},
            {"highlight", Kw::Highlight},
            {"cb", Kw::Highlight},
            {"ql", Kw::AlignLeft},
            {"qc", Kw::AlignCenter},
            {"qr", Kw::AlignRight},
            {"qj", Kw::AlignJustify},
            {"li", Kw::LeftIndent},
            {"ri", Kw::RightIndent},
            {"fi", Kw::FirstIndent},
            {"sb", Kw::SpaceBefore},
            {"sa", Kw::SpaceAfter},
            {"tx", Kw::TabStop},
            {"u", Kw::Unicode},
            {"uc", Kw::UnicodeSkip},
            {"bin", Kw::Binary},
            {"deff", Kw::DefaultFont},
            {"fcharset", Kw::FontCharset},
            {"red", Kw::Red},
            {"green", Kw::Green},
            {"blue", Kw::Blue},
            {"af", Kw::AssocFont},
            {"loch", Kw::AssocLatin},
            {"hich", Kw::AssocLatin},
            {"dbch", Kw::AssocOther},
            {"rtlch", Kw::AssocOther},
            {"ltrch", Kw::AssocOther},
        };
        for (const auto& [name, kind] : words)
            t.emplace(name, Keyword{kind});
        const std::pair<const char*, char16_t> symbols[] = {
            {"bullet", 0x2022},  {"endash", 0x2013},    {"emdash", 0x2014},    {"lquote", 0x2018},
            {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"enspace", 0x2002},
            {"emspace", 0x2003}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        };
        for (const auto& [name, ch] : symbols)
            t.emplace(name, Keyword{Kw::Symbol, ch});
        return t;
    }();
    return table;
}

// Character formatting of a group. Compared as a whole to decide when a run of text ends, so
// it holds only plain values and table indexes, resolved into a QTextCharFormat once per run.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    qint8 vertical = 0; // -1 subscript, 1 superscript
    int font = -1;      // -1: the document's default font
    int halfPoints = 0; // 0: the default size
    int color = 0;      // index into the colour table; 0 is the automatic colour
    int highlight = 0;
    bool operator==(const CharProps&) const = default;
};

// Paragraph formatting in twips as written; converted when the paragraph ends.
struct ParaProps {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    QList<int> tabs; // twips
};

// Everything a group restores when it closes: RTF scopes formatting, the \uc count and the
// destination to the braces.
struct Group {
    CharProps chr;
    ParaProps para;
    int unicodeSkip = 1;
    Dest dest = Dest::Text;
};

// One font of the font table.
struct FontEntry {
    QString family;
    bool symbol = false; // \fcharset2: bytes name symbol glyphs, not Windows-1252 letters
};

qreal twipsToPixels(int twips) {
    // Documents are laid out at 96 dots per inch, where a pixel is 15 twips.
    return twips / 15.0;
}

int clampInt(int value, int low, int high) {
    return std::clamp(value, low, high);
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Streams the bytes of one document into a QTextCursor. Control words are looked up once in a
// table and every byte is examined a bounded number of times, so reading is linear in the
// input; groups nested too deep are counted rather than stacked.
class Reader {
  public:
    Reader(const QByteArray& input, QTextDocument* document, const QFont& defaultFont)
        : m_p(input.constData()), m_end(input.constData() + input.size()), m_cursor(document),
          m_defaultFont(defaultFont) {
        m_stack.reserve(rtfMaxGroupDepth + 1);
        m_stack.emplace_back();
    }

    RtfResult run() {
        const bool header = skipToHeader();
        if (!header)
            noteProblem(QCoreApplication::translate("RtfReader", "not a rich-text document"));
        m_cursor.beginEditBlock();
        while (m_p < m_end && !m_stopped)
            step();
        flush();
        finishBlock();
        m_cursor.endEditBlock();
        if (m_overflow > 0 || m_stack.size() > 1)
            noteProblem(QCoreApplication::translate(
                "RtfReader", "the document ends before all its groups are closed"));
        if (!m_sawText)
            noteProblem(QCoreApplication::translate("RtfReader", "the document holds no text"));
        return RtfResult{header && m_sawText, m_problem};
    }

  private:
    Group& top() { return m_stack.back(); }

    void noteProblem(const QString& problem) {
        if (m_problem.isEmpty())
            m_problem = problem;
    }

    // A file may start with a byte-order mark or blank lines before "{\rtf".
    bool skipToHeader() {
        const char* p = m_p;
        if (m_end - p >= 3 && static_cast<unsigned char>(p[0]) == 0xEF &&
            static_cast<unsigned char>(p[1]) == 0xBB && static_cast<unsigned char>(p[2]) == 0xBF)
            p += 3;
        while (p < m_end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
            ++p;
        if (m_end - p >= 5 && std::string_view(p, 5) == "{\\rtf") {
            m_p = p;
            return true;
        }
        return false;
    }

    void step() {
        const char c = *m_p++;
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            if (m_overflow > 0)
                break;
            if (m_skipChars > 0) {
                --m_skipChars;
                break;
            }
            if (c == '\t')
                emitUnit(u'\t');
            else if (static_cast<unsigned char>(c) >= 0x20)
                emitByte(static_cast<unsigned char>(c));
            break;
        }
    }

    void openGroup() {
        m_skipChars = 0;
        if (m_overflow > 0 || static_cast<int>(m_stack.size()) > rtfMaxGroupDepth) {
            noteProblem(
                QCoreApplication::translate("RtfReader", "groups are nested more than %1 deep")
                    .arg(rtfMaxGroupDepth));
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_stack.back());
    }

    void closeGroup() {
        m_skipChars = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.size() <= 1) {
            m_strayClose = true;
            return;
        }
        if (top().dest == Dest::FontTable)
            commitFont();
        m_stack.pop_back();
        if (m_stack.size() == 1)
            m_rootClosed = true;
    }

    // Reads a control word with its parameter, or a control symbol, after a backslash.
    void controlSequence() {
        if (m_p >= m_end)
            return;
        const char c = *m_p;
        if (!isLetter(c)) {
            ++m_p;
            controlSymbol(c);
            return;
        }
        const char* start = m_p;
        while (m_p < m_end && isLetter(*m_p))
            ++m_p;
        const std::string_view word(start, m_p - start);
        int param = kNoParam;
        if (m_p < m_end && (*m_p == '-' || (*m_p >= '0' && *m_p <= '9'))) {
            const bool negative = *m_p == '-';
            const char* digits = negative ? m_p + 1 : m_p;
            if (digits < m_end && *digits >= '0' && *digits <= '9') {
                qint64 value = 0;
                m_p = digits;
                while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
                    value = std::min(value * 10 + (*m_p - '0'), kParamLimit);
                    ++m_p;
                }
                param = static_cast<int>(negative ? -value : value);
            }
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p;
        if (word.size() > kMaxWordLength)
            return;
        const auto found = keywords().find(word);
        if (found == keywords().end()) {
            consumeFallbackChar();
            return;
        }
        if (found->second.kind == Kw::Binary) {
            // Binary data is raw bytes that must not be read as syntax, wherever it appears.
            const qint64 length = std::max(param, 0);
            m_p += std::min<qint64>(length, m_end - m_p);
            consumeFallbackChar();
            return;
        }
        if (m_overflow > 0 || consumeFallbackChar())
            return;
        controlWord(found->second, param);
    }

    // While the fallback text of a \u is being skipped, each control word counts as one
    // character.
    bool consumeFallbackChar() {
        if (m_skipChars > 0 && m_overflow == 0) {
            --m_skipChars;
            return true;
        }
        return false;
    }

    void controlSymbol(char c) {
        if (m_overflow > 0)
            return;
        if (c == '\'') {
            int value = -1;
            if (m_p < m_end && isHex(*m_p)) {
                value = hexValue(*m_p++);
                if (m_p < m_end && isHex(*m_p))
                    value = value * 16 + hexValue(*m_p++);
            }
            if (consumeFallbackChar() || value < 0)
                return;
            emitByte(static_cast<unsigned char>(value));
            return;
        }
        if (consumeFallbackChar())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            emitByte(static_cast<unsigned char>(c));
            break;
        case '~':
            emitUnit(u'\u00A0');
            break;
        case '_':
            emitUnit(u'\u2011');
            break;
        case '*':
            top().dest = Dest::Skip;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '\t':
            emitUnit(u'\t');
            break;
        default: // \- (optional hyphen), \| \: and unknown symbols show nothing
            break;
        }
    }

    void controlWord(const Keyword& kw, int param) {
        Group& g = top();
        CharProps& chr = g.chr;
        ParaProps& para = g.para;
        const bool on = param == kNoParam || param != 0;
        const int value = param == kNoParam ? 0 : param;
        switch (kw.kind) {
        case Kw::SkipDest:
            g.dest = Dest::Skip;
            break;
        case Kw::FontTable:
            if (g.dest != Dest::Skip) {
                g.dest = Dest::FontTable;
                m_fontNumber = -1;
                m_fontName.clear();
            }
            break;
        case Kw::ColorTable:
            if (g.dest != Dest::Skip) {
                g.dest = Dest::ColorTable;
                m_red = m_green = m_blue = -1;
            }
            break;
        case Kw::Par:
            paragraph();
            break;
        case Kw::Line:
            emitUnit(u'\u2028');
            break;
        case Kw::Tab:
        case Kw::Cell:
            emitUnit(u'\t');
            break;
        case Kw::Pard:
            para = ParaProps{};
            break;
        case Kw::Plain:
            chr = CharProps{};
            break;
        case Kw::Bold:
            chr.bold = on;
            break;
        case Kw::Italic:
            chr.italic = on;
            break;
        case Kw::Underline:
            chr.underline = on;
            break;
        case Kw::UnderlineNone:
            chr.underline = false;
            break;
        case Kw::Strike:
            chr.strike = on;
            break;
        case Kw::Hidden:
            chr.hidden = on;
            break;
        case Kw::Caps:
            chr.caps = on;
            break;
        case Kw::Sub:
            chr.vertical = -1;
            break;
        case Kw::Super:
            chr.vertical = 1;
            break;
        case Kw::NoSuperSub:
            chr.vertical = 0;
            break;
        case Kw::FontSize:
            chr.halfPoints = param == kNoParam ? 0 : clampInt(param, 1, kMaxHalfPoints);
            break;
        case Kw::Font:
            if (param == kNoParam)
                break;
            if (g.dest == Dest::FontTable) {
                commitFont();
                m_fontNumber = param;
            } else {
                chr.font = param;
            }
            break;
        case Kw::FontCharset:
            if (g.dest == Dest::FontTable)
                m_fontSymbol = value == 2;
            break;
        case Kw::DefaultFont:
            m_defaultFontNumber = value;
            break;
        case Kw::Color:
            chr.color = std::max(value, 0);
            break;
        case Kw::Highlight:
            chr.highlight = std::max(value, 0);
            break;
        case Kw::AlignLeft:
            para.align = Qt::AlignLeft;
            break;
        case Kw::AlignCenter:
            para.align = Qt::AlignHCenter;
            break;
        case Kw::AlignRight:
            para.align = Qt::AlignRight;
            break;
        case Kw::AlignJustify:
            para.align = Qt::AlignJustify;
            break;
        case Kw::LeftIndent:
            para.left = clampInt(value, 0, kMaxIndentTwips);
            break;
        case Kw::RightIndent:
            para.right = clampInt(value, 0, kMaxIndentTwips);
            break;
        case Kw::FirstIndent:
            para.first = clampInt(value, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case Kw::SpaceBefore:
            para.before = clampInt(value, 0, kMaxIndentTwips);
            break;
        case Kw::SpaceAfter:
            para.after = clampInt(value, 0, kMaxIndentTwips);
            break;
        case Kw::TabStop:
            if (para.tabs.size() < kMaxTabStops)
                para.tabs.append(clampInt(value, 0, kMaxIndentTwips));
            break;
        case Kw::Unicode:
            if (param == kNoParam)
                break;
            emitUnit(static_cast<char16_t>(clampInt(param, -32768, 65535) & 0xFFFF));
            m_skipChars = g.unicodeSkip;
            break;
        case Kw::UnicodeSkip:
            g.unicodeSkip = clampInt(value, 0, kMaxUnicodeSkip);
            break;
        case Kw::Red:
            m_red = clampInt(value, 0, 255);
            break;
        case Kw::Green:
            m_green = clampInt(value, 0, 255);
            break;
        case Kw::Blue:
            m_blue = clampInt(value, 0, 255);
            break;
        case Kw::Symbol:
            emitUnit(kw.symbol);
            break;
        case Kw::AssocLatin:
            m_latinAssoc = true;
            break;
        case Kw::AssocOther:
            m_latinAssoc = false;
            break;
        case Kw::AssocFont:
            // Some writers name the font of a run only as the associated font of its Latin
            // characters; the fonts of other scripts are not told apart here.
            if (m_latinAssoc && param != kNoParam && g.dest == Dest::Text)
                chr.font = param;
            break;
        case Kw::Binary:
            break;
        }
    }

    // A byte of text, read in the code page of the current font.
    void emitByte(unsigned char byte) {
        if (top().dest == Dest::Text && isSymbolFont(top().chr.font)) {
            // The bullets word processors write in symbol fonts; other symbol bytes are shown
            // as their Latin-1 character.
            if (byte == 0xB7) {
                emitUnit(u'\u2022');
                return;
            }
            if (byte == 0xA7) {
                emitUnit(u'\u25AA');
                return;
            }
        }
        const char16_t unit = fromCp1252(byte);
        if (unit != 0)
            emitUnit(unit);
    }

    bool isSymbolFont(int number) const {
        const auto it = m_fonts.constFind(number < 0 ? m_defaultFontNumber : number);
        return it != m_fonts.constEnd() && it->symbol;
    }

    void emitUnit(char16_t unit) {
        switch (top().dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (unit == u';')
                commitFont();
            else if (m_fontName.size() < kMaxFontNameLength)
                m_fontName.append(QChar(unit));
            return;
        case Dest::ColorTable:
            if (unit == u';')
                commitColor();
            return;
        case Dest::Text:
            break;
        }
        if (top().chr.hidden)
            return;
        // Unpaired surrogates and the characters QTextDocument uses for its own structure
        // would corrupt the document, so they are replaced or dropped.
        if (QChar::isHighSurrogate(unit)) {
            if (m_highSurrogate != 0)
                appendUnit(u'\uFFFD');
            m_highSurrogate = unit;
            return;
        }
        if (QChar::isLowSurrogate(unit)) {
            if (m_highSurrogate == 0) {
                appendUnit(u'\uFFFD');
            } else {
                appendUnit(m_highSurrogate);
                appendUnit(unit);
                m_highSurrogate = 0;
            }
            return;
        }
        if (m_highSurrogate != 0) {
            appendUnit(u'\uFFFD');
            m_highSurrogate = 0;
        }
        if ((unit < 0x20 && unit != u'\t') || (unit >= 0x7F && unit < 0xA0) ||
            (unit >= 0xFDD0 && unit <= 0xFDEF) || unit == 0xFFFC || unit >= 0xFFFE)
            return;
        if (unit == 0x2029) // a paragraph separator would bypass the paragraph count
            unit = 0x2028;
        appendUnit(unit);
    }

    void appendUnit(char16_t unit) {
        if (m_textUnits >= rtfMaxTextUnits) {
            stop(QCoreApplication::translate("RtfReader", "the document text is cut off at 8 MB"));
            return;
        }
        if (m_strayClose || m_rootClosed) {
            if (unit != u' ' && unit != u'\t')
                noteProblem(QCoreApplication::translate(
                    "RtfReader", "the braces of the document do not balance"));
        }
        const CharProps& chr = top().chr;
        if (!m_pending.isEmpty() && !(chr == m_pendingProps))
            flush();
        if (m_pending.isEmpty())
            m_pendingProps = chr;
        m_pending.append(QChar(unit));
        ++m_textUnits;
        if (unit != u' ' && unit != u'\t' && unit != 0x2028 && unit != 0xA0)
            m_sawText = true;
    }

    void stop(const QString& problem) {
        noteProblem(problem);
        m_stopped = true;
    }

    void paragraph() {
        if (top().dest != Dest::Text)
            return;
        if (m_paragraphs >= kMaxParagraphs) {
            stop(
                QCoreApplication::translate("RtfReader", "the document is cut off at %1 paragraphs")
                    .arg(kMaxParagraphs));
            return;
        }
        flush();
        finishBlock();
        m_cursor.insertBlock();
        ++m_paragraphs;
        ++m_textUnits;
    }

    // Paragraph properties in effect at the end of a paragraph are the ones that apply to it.
    void finishBlock() {
        const ParaProps& para = top().para;
        QTextBlockFormat format;
        format.setAlignment(para.align);
        format.setLeftMargin(twipsToPixels(para.left));
        format.setRightMargin(twipsToPixels(para.right));
        // A first line may hang out to the page margin, not beyond it.
        const int indent = std::max(para.first, -para.left);
        format.setTextIndent(twipsToPixels(indent));
        format.setTopMargin(twipsToPixels(para.before));
        format.setBottomMargin(twipsToPixels(para.after));
        QList<int> tabs = para.tabs;
        // Word processors put an implicit tab stop at the indent of a hanging paragraph, which
        // is what lines up the text after a bullet and a tab.
        if (indent < 0 && !tabs.contains(para.left))
            tabs.append(para.left);
        // Tab stops count from the page margin here, but from the start of the line in Qt; the
        // first line, where tabs are used, starts at the indent.
        const int lineStart = para.left + indent;
        QList<QTextOption::Tab> stops;
        std::sort(tabs.begin(), tabs.end());
        for (int twips : tabs) {
            if (twips > lineStart)
                stops.append(
                    QTextOption::Tab(twipsToPixels(twips - lineStart), QTextOption::LeftTab));
        }
        if (!stops.isEmpty())
            format.setTabPositions(stops);
        m_cursor.setBlockFormat(format);
        if (m_cursor.block().length() <= 1) // an empty line is as high as the text around it
            m_cursor.setBlockCharFormat(charFormat(top().chr));
    }

    void flush() {
        if (m_highSurrogate != 0) {
            m_pending.append(QChar(u'\uFFFD'));
            m_highSurrogate = 0;
        }
        if (m_pending.isEmpty())
            return;
        m_cursor.insertText(m_pending, charFormat(m_pendingProps));
        m_pending.clear();
    }

    QTextCharFormat charFormat(const CharProps& chr) const {
        QTextCharFormat format;
        const auto font = m_fonts.constFind(chr.font < 0 ? m_defaultFontNumber : chr.font);
        if (font != m_fonts.constEnd() && !font->family.isEmpty())
            format.setFontFamilies(QStringList{font->family});
        else if (!m_defaultFont.families().isEmpty())
            format.setFontFamilies(m_defaultFont.families());
        format.setFontPointSize(chr.halfPoints > 0 ? chr.halfPoints / 2.0
                                                   : m_defaultFont.pointSizeF());
        format.setFontWeight(chr.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chr.italic);
        format.setFontUnderline(chr.underline);
        format.setFontStrikeOut(chr.strike);
        if (chr.caps)
            format.setFontCapitalization(QFont::AllUppercase);
        if (chr.vertical != 0)
            format.setVerticalAlignment(chr.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                         : QTextCharFormat::AlignSubScript);
        if (chr.color > 0 && chr.color < m_colors.size() && m_colors[chr.color].isValid())
            format.setForeground(m_colors[chr.color]);
        if (chr.highlight > 0 && chr.highlight < m_colors.size() &&
            m_colors[chr.highlight].isValid())
            format.setBackground(m_colors[chr.highlight]);
        return format;
    }

    void commitFont() {
        const QString name = m_fontName.trimmed();
        // Symbol bytes are turned into Unicode characters, which the symbol font itself may
        // not hold, so such text is shown in the default font.
        if (m_fontNumber >= 0 && !name.isEmpty() && m_fonts.size() < kMaxTableEntries)
            m_fonts.insert(m_fontNumber, FontEntry{m_fontSymbol ? QString() : name, m_fontSymbol});
        m_fontName.clear();
        m_fontSymbol = false;
    }

    // An entry without any component is the automatic colour, kept as an invalid QColor.
    void commitColor() {
        if (m_colors.size() >= kMaxTableEntries)
            return;
        if (m_red < 0 && m_green < 0 && m_blue < 0)
            m_colors.append(QColor());
        else
            m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
        m_red = m_green = m_blue = -1;
    }

    const char* m_p;
    const char* m_end;
    QTextCursor m_cursor;
    QFont m_defaultFont;
    std::vector<Group> m_stack;
    int m_overflow = 0;        // groups opened beyond the depth limit and not yet closed
    int m_skipChars = 0;       // fallback characters of a \u still to skip
    bool m_latinAssoc = false; // \af names the font of Latin text (after \loch or \hich)
    bool m_stopped = false;
    bool m_strayClose = false;
    bool m_rootClosed = false;
    bool m_sawText = false;
    QString m_problem;

    QString m_pending;
    CharProps m_pendingProps;
    char16_t m_highSurrogate = 0;
    qsizetype m_textUnits = 0;
    int m_paragraphs = 0;

    QHash<int, FontEntry> m_fonts;
    int m_defaultFontNumber = -1;
    int m_fontNumber = -1;
    QString m_fontName;
    bool m_fontSymbol = false;
    QList<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
};

} // namespace

RtfResult readRtf(const QByteArray& rtf, QTextDocument* document, const QFont& defaultFont) {
    document->clear();
    document->setDefaultFont(defaultFont);
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    RtfResult result = Reader(rtf, document, defaultFont).run();
    document->setUndoRedoEnabled(undo);
    return result;
}

} // namespace platform
