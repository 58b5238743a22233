#include "platform/RtfReader.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <climits>
#include <map>
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
constexpr std::size_t kMaxDecoders = 16; // code pages a document may switch between
constexpr qsizetype kMaxPendingBytes = 64 * 1024;
constexpr qint64 kParamLimit = 1000000000;
constexpr int kNoParam = INT_MIN;

// The code page a font's character set (\fcharsetN) stands for; 0 for the ANSI and default
// sets, whose bytes are in the document's own code page (\ansicpgN).
int codePageOfCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000; // Macintosh Roman
    case 128:
        return 932; // Japanese, Shift JIS
    case 129:
        return 949; // Korean
    case 134:
        return 936; // Simplified Chinese, GBK
    case 136:
        return 950; // Traditional Chinese, Big5
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Central European
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

// A decoder for a Windows code page, through Qt's converters (ICU). A code page Qt cannot decode
// is read as Windows-1252, the code page RTF assumes when none is named.
QStringDecoder makeDecoder(int codePage) {
    if (codePage == 65001)
        return QStringDecoder(QStringConverter::Utf8);
    if (codePage == 10000)
        return QStringDecoder("macintosh");
    if (codePage > 0) {
        for (const char* prefix : {"windows-", "cp", "ibm-"}) {
            QStringDecoder decoder((prefix + QByteArray::number(codePage)).constData());
            if (decoder.isValid())
                return decoder;
        }
    }
    if (codePage != 1252)
        return makeDecoder(1252);
    return QStringDecoder(QStringConverter::Latin1);
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
    FontCodePage,
    AnsiCodePage,
    CharacterSet,
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
    int codePage = 0;    // the code page a Kw::CharacterSet word names
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
            {"cpg", Kw::FontCodePage},
            {"ansicpg", Kw::AnsiCodePage},
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
        const std::pair<const char*, int> characterSets[] = {
            {"ansi", 1252}, {"mac", 10000}, {"pc", 437}, {"pca", 850}};
        for (const auto& [name, codePage] : characterSets)
            t.emplace(name, Keyword{Kw::CharacterSet, 0, codePage});
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
    bool symbol = false; // \fcharset2: bytes name symbol glyphs, not letters of a code page
    int codePage = 0;    // the code page of its text; 0: the document's
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
        flushBytes();
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
    const Group& top() const { return m_stack.back(); }

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
            if (c == '\t' || static_cast<unsigned char>(c) >= 0x20)
                emitByte(static_cast<unsigned char>(c));
            break;
        }
    }

    void openGroup() {
        flushBytes();
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
        flushBytes();
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
        if (c != '\\' && c != '{' && c != '}')
            flushBytes();
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
        flushBytes();
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
            if (g.dest == Dest::FontTable) {
                m_fontSymbol = value == 2;
                m_fontCharsetCodePage = codePageOfCharset(value);
            }
            break;
        case Kw::FontCodePage:
            if (g.dest == Dest::FontTable)
                m_fontCodePage = clampInt(value, 0, 65535);
            break;
        case Kw::AnsiCodePage:
            if (g.dest != Dest::Skip && value > 0)
                m_ansiCodePage = clampInt(value, 1, 65535);
            break;
        case Kw::CharacterSet:
            if (g.dest != Dest::Skip)
                m_characterSetCodePage = kw.codePage;
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

    // A byte of text in the code page of the current font. Bytes are gathered until the next
    // control word or group and decoded together, since a character of a double-byte code page
    // (Japanese, Chinese) is a lead byte and a trail byte, and a trail byte may be written as an
    // escape, as an escaped brace or backslash, or as a plain letter.
    void emitByte(unsigned char byte) {
        const Dest dest = top().dest;
        if (dest == Dest::Skip)
            return;
        if (dest == Dest::Text && isSymbolFont(top().chr.font)) {
            // The bullets word processors write in symbol fonts; other symbol bytes are shown
            // as their Windows-1252 character.
            const char16_t bullet = byte == 0xB7 ? u'\u2022' : byte == 0xA7 ? u'\u25AA' : 0;
            if (bullet != 0) {
                flushBytes();
                emitUnit(bullet);
                return;
            }
        }
        const int codePage = codePageHere();
        if ((!m_bytes.isEmpty() || m_decoderHoldsByte) && codePage != m_bytesCodePage)
            flushBytes();
        // ASCII is itself in every code page read here and never begins a double-byte
        // character.
        if (byte < 0x80 && m_bytes.isEmpty() && !m_decoderHoldsByte) {
            emitUnit(byte);
            return;
        }
        m_bytesCodePage = codePage;
        m_bytes.append(static_cast<char>(byte));
        if (m_bytes.size() >= kMaxPendingBytes)
            decodeBytes(false);
    }

    // Decodes the gathered bytes; at the end of a run of text a lead byte without its trail
    // byte is dropped, within a long run the decoder keeps it for the next bytes.
    void decodeBytes(bool endOfRun) {
        QStringDecoder& decoder = decoderFor(m_bytesCodePage);
        const QString text = decoder.decode(m_bytes);
        m_bytes.clear();
        m_decoderHoldsByte = !endOfRun;
        if (endOfRun)
            decoder.resetState();
        for (const QChar c : text) {
            if (m_stopped)
                break;
            emitUnit(c.unicode());
        }
    }

    void flushBytes() {
        if (!m_bytes.isEmpty() || m_decoderHoldsByte)
            decodeBytes(true);
    }

    QStringDecoder& decoderFor(int codePage) {
        auto it = m_decoders.find(codePage);
        if (it == m_decoders.end()) {
            if (m_decoders.size() >= kMaxDecoders && codePage != 1252)
                return decoderFor(1252);
            it = m_decoders.emplace(codePage, makeDecoder(codePage)).first;
        }
        return it->second;
    }

    int documentCodePage() const {
        return m_ansiCodePage > 0 ? m_ansiCodePage : m_characterSetCodePage;
    }

    // The code page of the bytes read now: a font of the font table names its own (\cpg, or
    // one implied by its \fcharset); the ANSI and default character sets, and text without a
    // font, use the document's (\ansicpg). A symbol font's bytes are read as Windows-1252.
    int codePageHere() const {
        if (top().dest == Dest::FontTable) {
            if (m_fontCodePage > 0)
                return m_fontCodePage;
            return m_fontCharsetCodePage > 0 ? m_fontCharsetCodePage : documentCodePage();
        }
        const int number = top().chr.font < 0 ? m_defaultFontNumber : top().chr.font;
        const auto it = m_fonts.constFind(number);
        if (it == m_fonts.constEnd())
            return documentCodePage();
        if (it->symbol)
            return 1252;
        return it->codePage > 0 ? it->codePage : documentCodePage();
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
        flushBytes();
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
        if (m_fontNumber >= 0 && !name.isEmpty() && m_fonts.size() < kMaxTableEntries) {
            const int codePage = m_fontCodePage > 0 ? m_fontCodePage : m_fontCharsetCodePage;
            m_fonts.insert(m_fontNumber,
                           FontEntry{m_fontSymbol ? QString() : name, m_fontSymbol, codePage});
        }
        m_fontName.clear();
        m_fontSymbol = false;
        m_fontCharsetCodePage = 0;
        m_fontCodePage = 0;
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
    int m_fontCharsetCodePage = 0; // of the font being read in the font table
    int m_fontCodePage = 0;

    int m_ansiCodePage = 0;            // \ansicpg; 0 until the document names one
    int m_characterSetCodePage = 1252; // \ansi, \mac, \pc or \pca
    QByteArray m_bytes;                // text bytes not yet decoded, all in one code page
    int m_bytesCodePage = 1252;
    bool m_decoderHoldsByte = false; // a long run was decoded in parts
    std::map<int, QStringDecoder> m_decoders;
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
