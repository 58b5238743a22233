#include "platform/RtfReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

using platform::readRtf;
using platform::RtfResult;

namespace {

// Time limits hold for optimised builds; sanitizer and debug builds run several times slower.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int kSlowBuildFactor = 10;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kSlowBuildFactor = 10;
#else
constexpr int kSlowBuildFactor = 1;
#endif
#else
constexpr int kSlowBuildFactor = 1;
#endif

QFont defaultFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    return font;
}

// The text exactly as stored, paragraphs joined by '\n' (toPlainText would turn the
// non-breaking space and the line separator into other characters).
QString rawText(const QTextDocument& document) {
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    while (blocks.size() > 1 && blocks.last().isEmpty())
        blocks.removeLast();
    return blocks.join(u'\n');
}

// The character format of the last character of the first occurrence of `needle`.
QTextCharFormat formatOf(const QTextDocument& document, const QString& needle) {
    const QTextCursor found = document.find(needle, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        qWarning("text not found: %s", qPrintable(needle));
    return found.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& document, const QString& needle) {
    return document.find(needle, 0, QTextDocument::FindCaseSensitively).block().blockFormat();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(path));
    return file.readAll();
}

const QString kRulesPath = QStringLiteral(QUORVEL_SOURCE_DIR "/data/QorRules.rtf");
const QString kSamplePath =
    QStringLiteral(QUORVEL_SOURCE_DIR "/tests/platform/data/rtf/club_notes.rtf");

} // namespace

// Reads real documents and hand-made fragments with the RTF reader and checks the text and the
// formats that come out, including what must happen with broken and hostile input.
class TestRtfReader : public QObject {
    Q_OBJECT

  private slots:
    void rulesDocumentReadsCleanly();
    void rulesDocumentFormats();
    void rulesDocumentKeySentences_data();
    void rulesDocumentKeySentences();
    void rulesDocumentIsFast();
    void wordProcessorSample();
    void text_data();
    void text();
    void codePages_data();
    void codePages();
    void fontNamesInTheirCodePage();
    void longDoubleByteRun();
    void characterFormats();
    void plainResetsCharacterFormat();
    void fontsFromTable();
    void colours();
    void alignment_data();
    void alignment();
    void paragraphProperties();
    void pardResetsParagraph();
    void hangingIndentTabLinesUp();
    void absurdNumbers();
    void malformed_data();
    void malformed();
    void notRtf_data();
    void notRtf();
    void deepNestingIsBoundedAndFast();
    void nestingLimit();
    void textIsCappedAt8MB();
    void randomBytesNeverCrash();
    void mutatedRulesNeverCrash();
};

void TestRtfReader::rulesDocumentReadsCleanly() {
    QTextDocument document;
    const RtfResult result = readRtf(readFile(kRulesPath), &document, defaultFont());
    QVERIFY(result.ok);
    QCOMPARE(result.problem, QString());
    const QString text = rawText(document);
    QVERIFY(text.startsWith(QStringLiteral("Quorvel\nThe rules of the game\n")));
    // Nothing of the tables or the information group may show.
    for (const char* hidden :
         {"Times New Roman", "Roman", "Arial", "Rules of the card game", "The rules of Quorvel"})
        QVERIFY2(!text.contains(QLatin1String(hidden)), hidden);
    QVERIFY(!text.contains(u'\\'));
    QVERIFY(!text.contains(u'{'));
    // Captured cards can change hands again.
    QVERIFY(!text.contains(QLatin1String("from then on")));
}

void TestRtfReader::rulesDocumentFormats() {
    QTextDocument document;
    readRtf(readFile(kRulesPath), &document, defaultFont());

    const QTextCharFormat title = formatOf(document, QStringLiteral("Quorvel"));
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);

    const QTextCharFormat body = formatOf(document, QStringLiteral("A round consists of hands"));
    QCOMPARE(body.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QCOMPARE(body.fontWeight(), int(QFont::Normal));
    QVERIFY(body.fontPointSize() >= 10 && body.fontPointSize() <= 11);

    for (const char* heading :
         {"The game", "Match, rounds and hands", "Choosing your cards", "Who begins",
          "Placing cards", "Capturing", "Scoring", "Rules option", "End of a hand",
          "End of the match", "Open Hand and Closed Hand", "The buttons"}) {
        const QTextCursor at =
            document.find(QLatin1String(heading), 0, QTextDocument::FindCaseSensitively);
        QVERIFY2(!at.isNull(), heading);
        // A heading is a paragraph of its own, bold and larger than the body text.
        QCOMPARE(at.block().text(), QLatin1String(heading));
        QVERIFY2(at.charFormat().fontWeight() == QFont::Bold, heading);
        QVERIFY2(at.charFormat().fontPointSize() > body.fontPointSize(), heading);
        QCOMPARE(at.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
    }

    QCOMPARE(formatOf(document, QStringLiteral("plays red")).foreground().color(),
             QColor(128, 0, 0));
    QCOMPARE(formatOf(document, QStringLiteral("plays blue")).foreground().color(),
             QColor(0, 0, 128));
    QCOMPARE(formatOf(document, QStringLiteral("Dorvik")).foreground().color(), QColor(128, 0, 0));
    QCOMPARE(formatOf(document, QStringLiteral("Mirela")).foreground().color(), QColor(0, 0, 128));

    // Bulleted lists: a bullet, a tab, and a hanging indent.
    const QTextCursor item = document.find(QStringLiteral("Click a card to mark it"), 0,
                                           QTextDocument::FindCaseSensitively);
    QVERIFY(item.block().text().startsWith(QStringLiteral("\u2022\tClick")));
    QVERIFY(item.block().blockFormat().leftMargin() > 0);
    QVERIFY(item.block().blockFormat().textIndent() < 0);
}

void TestRtfReader::rulesDocumentKeySentences_data() {
    QTest::addColumn<QString>("sentence");
    const char* sentences[] = {
        "two players who share one screen and one mouse",
        "Player 1 plays red, player 2 plays blue",
        "The players are called Dorvik and Mirela",
        "other names can be typed in the Options window when a new game starts",
        "won by the first player to win three rounds, so a match lasts at most five rounds",
        "A round consists of hands",
        "Scores carry over from hand to hand within a round",
        "eight cards drawn at random from the list of 606 cards",
        "The same card can appear twice",
        "Player 1 chooses first, then player 2",
        "click it again to unmark it",
        "Mark exactly five cards, then press Done",
        "A sixth card cannot be marked",
        "\u201CYou must select 5 cards to play\u201D",
        "the player who begins is drawn at random",
        "A picture announces who begins each hand",
        "the player who did not place the last card of a hand begins the next hand",
        "a yellow frame marks it",
        "a free square of the 3 x 3 board",
        "Turns alternate",
        "The beginner places five cards and the other player four",
        "The hand ends when the ninth square is filled; the one card left over is discarded",
        "strictly lower than the placed card's edge on that side",
        "the top edge against the bottom edge of the card above",
        "Equal values do not capture",
        "Your own cards and empty squares are never affected",
        "A captured card turns to the capturer's colour",
        "until the opponent captures it back: a captured card can be taken again",
        "A card also carries a level and an element. They have no effect on play",
        "Clicking another card of your hand before you place moves the yellow frame to that card",
        "Every edge value is between 1 and 10",
        "Each capture adds the captured card's four edge values to the capturer's score",
        "Placing a card scores nothing, and losing a card takes nothing away",
        "Basic Rules (target 150, the default): only the placed card captures",
        "Basic Combo Rules (target 200)",
        "each card captured by the placement then captures in turn for the capturer, in order "
        "of its square (top left to bottom right",
        "exactly one level deep: cards taken in this second step do not capture further",
        "If at least one score has reached the target and the scores differ, the higher score "
        "wins the round",
        "A round light is lit",
        "both scores start again from zero",
        "If both scores are below the target, or the scores are equal, the next hand is played "
        "with the scores carried over",
        "The round is only decided at the end of a hand",
        "A message names the winner and the total of his round scores",
        "The Game Stats window then lists both players' scores in each of the five rounds (0 "
        "for rounds not played) and their totals",
        "With Open Hand both hands are face up all the time",
        "With Closed Hand (the default) only the hand of the player on turn is face up",
        "his remaining cards turn face down, and the other player's cards turn face up a moment "
        "(1.5 seconds) later",
        "The offers in the selection windows are also shown face down for two seconds first; "
        "during those two seconds the face-down cards take no clicks",
        "Tip: look away while your opponent chooses",
        "New Game starts a new match",
        "New Game during a match abandons that match",
        "They can be changed only when a new game starts",
        "Help shows this document",
        "Exit ends the program; nothing is saved",
    };
    for (const char* sentence : sentences)
        QTest::newRow(sentence) << QString::fromUtf8(sentence);
}

void TestRtfReader::rulesDocumentKeySentences() {
    QFETCH(QString, sentence);
    QTextDocument document;
    readRtf(readFile(kRulesPath), &document, defaultFont());
    QVERIFY(rawText(document).contains(sentence));
}

void TestRtfReader::rulesDocumentIsFast() {
    const QByteArray rules = readFile(kRulesPath);
    QTextDocument document;
    std::vector<qint64> times;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        readRtf(rules, &document, defaultFont());
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    const double medianMs = times[times.size() / 2] / 1e6;
    qInfo("rules document read in %.3f ms (median of 21)", medianMs);
    QVERIFY2(medianMs < 5.0 * kSlowBuildFactor, qPrintable(QString::number(medianMs)));
}

void TestRtfReader::wordProcessorSample() {
    QTextDocument document;
    const RtfResult result = readRtf(readFile(kSamplePath), &document, defaultFont());
    QVERIFY(result.ok);
    QCOMPARE(result.problem, QString());
    const QString text = rawText(document);
    QCOMPARE(text, QStringLiteral("Club evening notes\n"
                                  "Our caf\u00E9 meeting on Friday tried the new deck \u2013 the "
                                  "\u201CLantern\u201D set \u2014 and everyone agreed it plays "
                                  "fast.\n"
                                  "Bring along:\n"
                                  "\u2022\tyour own deck of 40 cards\n"
                                  "\u2022\ta pencil for the score sheet\n"
                                  "Our crest:\t\n"
                                  "See the evening page\u2028Greetings from \u0394\u03B9\u03B1 "
                                  "and \uFF21"));

    const QTextCharFormat heading = formatOf(document, QStringLiteral("Club evening notes"));
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QCOMPARE(heading.fontPointSize(), 16.0);
    QCOMPARE(heading.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(heading.foreground().color(), QColor(128, 0, 0));

    const QTextCharFormat body = formatOf(document, QStringLiteral("everyone agreed"));
    QCOMPARE(body.fontPointSize(), 11.0);
    QCOMPARE(body.fontFamilies().toStringList(), QStringList{"Calibri"});
    QCOMPARE(body.fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(document, QStringLiteral("Lantern")).fontItalic());
    QVERIFY(!formatOf(document, QStringLiteral(" set")).fontItalic());
    QCOMPARE(blockOf(document, QStringLiteral("everyone")).bottomMargin(), 160 / 15.0);

    const QTextBlockFormat item = blockOf(document, QStringLiteral("your own deck"));
    QCOMPARE(item.leftMargin(), 720 / 15.0);
    QCOMPARE(item.textIndent(), -360 / 15.0);

    const QTextCharFormat link = formatOf(document, QStringLiteral("See the evening page"));
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(blockOf(document, QStringLiteral("Greetings")).alignment(), Qt::AlignHCenter);
}

void TestRtfReader::text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* rtf, const QString& expected) {
        QTest::newRow(name) << QByteArray(rtf) << expected;
    };
    row("escaped braces and backslash", R"({\rtf1 a\\b\{c\}d})", "a\\b{c}d");
    row("non-breaking space", R"({\rtf1 a\~b})", QStringLiteral("a\u00A0b"));
    row("optional hyphen dropped", R"({\rtf1 hy\-phen})", "hyphen");
    row("non-breaking hyphen", R"({\rtf1 a\_b})", QStringLiteral("a\u2011b"));
    row("tab and line", R"({\rtf1 a\tab b\line c})", QStringLiteral("a\tb\u2028c"));
    row("paragraphs", R"({\rtf1 a\par b\par\par c})", "a\nb\n\nc");
    row("line ends in the stream ignored", "{\\rtf1 a\r\nb\nc\rd}", "abcd");
    row("backslash before line end is a paragraph", "{\\rtf1 a\\\nb}", "a\nb");
    row("delimiting space consumed once", R"({\rtf1\b bold\b0  x})", "bold x");
    row("numeric parameter ends the word", R"({\rtf1\fs20x})", "x");
    row("unicode", R"({\rtf1\uc1 \u233?x})", QStringLiteral("\u00E9x"));
    row("unicode negative wraps", R"({\rtf1\uc1 \u-223?x})", QStringLiteral("\uFF21x"));
    row("unicode surrogate pair", R"({\rtf1\uc1 \u-10179?\u-8704?})", QStringLiteral("\U0001F600"));
    row("unicode lone surrogate replaced", R"({\rtf1\uc1 \u-10179?x})", QStringLiteral("\uFFFDx"));
    row("uc2 skips two characters", R"({\rtf1\uc2 \u233 ab!})", QStringLiteral("\u00E9!"));
    row("uc0 skips nothing", R"({\rtf1\uc0 \u233 e})", QStringLiteral("\u00E9e"));
    row("hex escape is one fallback character", R"({\rtf1\uc1\u233\'e9x})",
        QStringLiteral("\u00E9x"));
    row("control word is one fallback character", R"({\rtf1\uc1\u233\bullet x})",
        QStringLiteral("\u00E9x"));
    row("uc is scoped to its group", R"({\rtf1\uc1{\uc3 \u233 abc}\u233 ?d})",
        QStringLiteral("\u00E9\u00E9d"));
    row("group end stops the skip", R"({\rtf1\uc3 {\u233}xy})", QStringLiteral("\u00E9xy"));
    row("uc default is one", R"({\rtf1 \u8364?5})", QStringLiteral("\u20AC5"));
    row("cp1252 euro", R"({\rtf1\ansi \'80})", QStringLiteral("\u20AC"));
    row("cp1252 curly quotes", R"({\rtf1\ansi \'93quoted\'94})",
        QStringLiteral("\u201Cquoted\u201D"));
    row("cp1252 dashes and trade mark", R"({\rtf1\ansi \'96\'97\'99})",
        QStringLiteral("\u2013\u2014\u2122"));
    row("cp1252 unassigned bytes dropped", R"({\rtf1 a\'81\'8d\'8f\'90\'9db})", "ab");
    row("latin-1 upper half", R"({\rtf1 caf\'e9 \'C9T\'c9 \'ff})",
        QStringLiteral("caf\u00E9 \u00C9T\u00C9 \u00FF"));
    row("raw 8-bit text is Windows-1252", "{\\rtf1 caf\xe9 \x80}",
        QStringLiteral("caf\u00E9 \u20AC"));
    row("bad hex escape", R"({\rtf1 a\'zzb})", "azzb");
    row("star destination skipped", R"({\rtf1 a{\*\madeupthing secret {nested}}b})", "ab");
    row("known destination skipped without star", R"({\rtf1 a{\info{\title T}secret}b})", "ab");
    row("stylesheet skipped", R"({\rtf1{\stylesheet{\s1 heading 1;}}x})", "x");
    row("picture data skipped", R"({\rtf1 a{\pict\pngblip 89504e470d0a}b})", "ab");
    row("binary data skipped", "{\\rtf1 a{\\pict\\bin4 {}\\}}b}", "ab");
    row("header and footer skipped", R"({\rtf1{\header head\par}{\footer foot}x})", "x");
    row("field shows its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})",
        "link");
    row("field instruction without star", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})", "3");
    row("font table does not leak", R"({\rtf1{\fonttbl{\f0\froman Times New Roman;}}x})", "x");
    row("colour table does not leak", R"({\rtf1{\colortbl;\red1\green2\blue3;}x})", "x");
    row("unknown control word ignored", R"({\rtf1 a\madeup12 b})", "ab");
    row("overlong control word ignored", R"({\rtf1 a\abcdefghijklmnopqrstuvwxyzabcdefghijklmn b})",
        "ab");
    row("hidden text not shown", R"({\rtf1 a{\v hidden}b})", "ab");
    row("typographic symbols", R"({\rtf1\bullet\endash\emdash\lquote\rquote\ldblquote\rdblquote})",
        QStringLiteral("\u2022\u2013\u2014\u2018\u2019\u201C\u201D"));
    row("table cells as tabs", R"({\rtf1\trowd a\cell b\cell\row c})", "a\tb\t\nc");
    row("control characters dropped",
        "{\\rtf1 a\x01\x1f\x7f"
        "b}",
        "ab");
}

void TestRtfReader::text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument document;
    const RtfResult result = readRtf(rtf, &document, defaultFont());
    QCOMPARE(rawText(document), expected);
    QVERIFY(result.ok);
}

// Text written in a code page (\'hh escapes and raw bytes under \ansicpg or a font's charset)
// and the same text written as \uN with its fallback: both routes give the same characters.
void TestRtfReader::codePages_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* rtf, const QString& expected) {
        QTest::newRow(name) << QByteArray(rtf) << expected;
    };
    row("1252 when none is named", R"({\rtf1 Gr\'fc\'dfe \'84so\'93})",
        QStringLiteral("Grüße „so“"));
    row("1252", R"({\rtf1\ansi\ansicpg1252 W\'e4hle \'845\'93})", QStringLiteral("Wähle „5“"));
    row("1250", R"({\rtf1\ansi\ansicpg1250 Za\'bf\'f3\'b3\'e6 g\'ea\'9cl\'b9 ja\'9f\'f1})",
        QStringLiteral("Zażółć gęślą jaźń"));
    row("1250 as unicode", R"({\rtf1\ansi\ansicpg1250\uc1 Za\u380\'bf\u243\'f3\u322?\u263?})",
        QStringLiteral("Zażółć"));
    row("1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e0\'e2\'e8\'eb\'e0 \'ab\'e8\'e3\'f0\'fb\'bb})",
        QStringLiteral("Правила «игры»"));
    row("1251 as unicode",
        R"({\rtf1\ansi\ansicpg1251\uc1\u1055?\u1088?\u1072?\u1074?\u1080?)"
        R"(\u1083?\u1072? 3 \u215? 3})",
        QStringLiteral("Правила 3 × 3"));
    row("1251 raw bytes", "{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe0\xe2\xe8\xeb\xe0}",
        QStringLiteral("Правила"));
    row("932", R"({\rtf1\ansi\ansicpg932 \'83\'8b\'81\'5b\'83\'8b})", QStringLiteral("ルール"));
    row("932 as unicode with double-byte fallback",
        R"({\rtf1\ansi\ansicpg932\uc2\u12523\'83\'8b\u12540\'81\'5b\u12523\'83\'8bx})",
        QStringLiteral("ルールx"));
    row("932 trail byte as a letter", R"({\rtf1\ansicpg932 \'83N\'83\'4e})",
        QStringLiteral("クク"));
    row("932 trail byte as an escaped backslash or brace",
        R"({\rtf1\ansicpg932 \'95\\\'83\{\'83\}})", QStringLiteral("表ボマ"));
    row("932 raw bytes", "{\\rtf1\\ansicpg932 \x83\x8b\x81\x5b\x83\x8b}", QStringLiteral("ルール"));
    row("932 single-byte katakana", R"({\rtf1\ansicpg932 \'b1\'82\'a0})", QStringLiteral("ｱあ"));
    row("932 lead byte cut off by a paragraph", R"({\rtf1\ansicpg932 a\'83\par b})", "a\nb");
    row("932 lead byte cut off by a group", R"({\rtf1\ansicpg932 x\'83{\'8b}y})", "xy");
    row("936", R"({\rtf1\ansi\ansicpg936 \'b9\'e6\'d4\'f2 \'a1\'b0x\'a1\'b1})",
        QStringLiteral("规则 “x”"));
    row("936 as unicode with double-byte fallback",
        R"({\rtf1\ansi\ansicpg936\uc2\u-30268\'b9\'e6\u21017\'d4\'f2})", QStringLiteral("规则"));
    row("936 as unicode with one fallback character", R"({\rtf1\ansicpg936\uc1\u-30268?\u21017?})",
        QStringLiteral("规则"));
    row("936 trail byte as an escaped backslash or brace",
        R"({\rtf1\ansicpg936 \'81\\\'81\{\'81\}})", QStringLiteral("乗亄亇"));
    row("negative unicode above 32767", R"({\rtf1\uc1\u-24691?})", QStringLiteral("龍"));
    row("uc0 in a double-byte document", R"({\rtf1\ansicpg932\uc0\u12354\'82\'a0})",
        QStringLiteral("ああ"));
    row("font charset over the document's code page",
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Times;}{\f1\fcharset204 Arial;}{\f2\fcharset238 A;})"
        R"({\f3\fcharset128 G;}{\f4\fcharset134 S;}}\f1\'cf\f2\'b3\f3\'82\'a0\f4\'b9\'e6\f0\'e9})",
        QStringLiteral("Пłあ规é"));
    row("ANSI charset follows the document",
        R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 A;}}\f0\'cf})", QStringLiteral("П"));
    row("font code page over its charset",
        R"({\rtf1{\fonttbl{\f0\fcharset0\cpg1251 Arial;}}\f0\'cf})", QStringLiteral("П"));
    row("default font's code page",
        R"({\rtf1\ansi\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\'cf})", QStringLiteral("П"));
    row("symbol font keeps its bullet",
        R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset2 Symbol;}}{\f0\'b7}x})", QStringLiteral("•x"));
    row("unknown code page is read as 1252", R"({\rtf1\ansicpg99999 caf\'e9})",
        QStringLiteral("café"));
    row("mac character set", R"({\rtf1\mac caf\'8e})", QStringLiteral("café"));
    row("pc character set", R"({\rtf1\pc caf\'82})", QStringLiteral("café"));
    row("UTF-8 code page", R"({\rtf1\ansicpg65001 caf\'c3\'a9})", QStringLiteral("café"));
    row("code page in a skipped group", R"({\rtf1{\*\x\ansicpg1251}caf\'e9})",
        QStringLiteral("café"));
}

void TestRtfReader::codePages() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument document;
    const RtfResult result = readRtf(rtf, &document, defaultFont());
    QCOMPARE(rawText(document), expected);
    QVERIFY(result.ok);
}

void TestRtfReader::fontNamesInTheirCodePage() {
    QTextDocument document;
    readRtf(
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f1\fnil\fcharset128 \'82\'6c\'82\'72 \'96\'be\'92\'a9;})"
        R"({\f2\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}\f1 x\f2 y})",
        &document, defaultFont());
    QCOMPARE(rawText(document), "xy");
    QCOMPARE(formatOf(document, "x").fontFamilies().toStringList(), QStringList{"ＭＳ 明朝"});
    QCOMPARE(formatOf(document, "y").fontFamilies().toStringList(), QStringList{"Ариал"});
}

// A run of text longer than the reader gathers at once is decoded in parts; a double-byte
// character across the seam stays whole.
void TestRtfReader::longDoubleByteRun() {
    const int count = 40000;
    QByteArray rtf = "{\\rtf1\\ansicpg932 \xb1";
    for (int i = 0; i < count; ++i)
        rtf += "\x82\xa0";
    rtf += "}";
    QTextDocument document;
    QVERIFY(readRtf(rtf, &document, defaultFont()).ok);
    QCOMPARE(rawText(document), QStringLiteral("ｱ") + QString(count, QChar(0x3042)));
}

void TestRtfReader::characterFormats() {
    QTextDocument document;
    readRtf(R"({\rtf1 \b B\b0 \i I\i0 \ul U\ulnone \ul V\ul0 \strike S\strike0 N\fs21 H})",
            &document, defaultFont());
    QCOMPARE(rawText(document), "BIUVSNH");
    auto at = [&](const char* letter) { return formatOf(document, QLatin1String(letter)); };
    QCOMPARE(at("B").fontWeight(), int(QFont::Bold));
    QCOMPARE(at("I").fontWeight(), int(QFont::Normal));
    QVERIFY(at("I").fontItalic());
    QVERIFY(!at("U").fontItalic());
    QVERIFY(at("U").fontUnderline());
    QVERIFY(at("V").fontUnderline());
    QVERIFY(!at("S").fontUnderline());
    QVERIFY(at("S").fontStrikeOut());
    QVERIFY(!at("N").fontStrikeOut());
    QCOMPARE(at("N").fontWeight(), int(QFont::Normal));
    QCOMPARE(at("N").fontPointSize(), 9.75); // the default font's size
    QCOMPARE(at("H").fontPointSize(), 10.5);

    // A group keeps its formatting to itself.
    readRtf(R"({\rtf1 {\b\i in}out})", &document, defaultFont());
    QCOMPARE(formatOf(document, "in").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(document, "out").fontWeight(), int(QFont::Normal));
    QVERIFY(!formatOf(document, "out").fontItalic());
}

void TestRtfReader::plainResetsCharacterFormat() {
    QTextDocument document;
    readRtf(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Courier New;}}{\colortbl;\red200\green0\blue0;})"
            R"(\f1\b\i\ul\strike\fs40\cf1 x\plain y})",
            &document, defaultFont());
    const QTextCharFormat x = formatOf(document, "x");
    QCOMPARE(x.fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(x.fontPointSize(), 20.0);
    const QTextCharFormat y = formatOf(document, "y");
    QCOMPARE(y.fontWeight(), int(QFont::Normal));
    QVERIFY(!y.fontItalic());
    QVERIFY(!y.fontUnderline());
    QVERIFY(!y.fontStrikeOut());
    QCOMPARE(y.fontPointSize(), 9.75);
    QVERIFY(!y.hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(y.fontFamilies().toStringList(), QStringList{"Times New Roman"});
}

void TestRtfReader::fontsFromTable() {
    QTextDocument document;
    const QFont fallback(QStringLiteral("Liberation Mono"));
    readRtf(R"({\rtf1{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss Arial;}})"
            R"(\f1 a\f0 b\f7 c})",
            &document, fallback);
    QCOMPARE(formatOf(document, "a").fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(formatOf(document, "b").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    // A number missing from the table falls back to the caller's font.
    QCOMPARE(formatOf(document, "c").fontFamilies().toStringList(), QStringList{"Liberation Mono"});

    // Text before any \f uses the document's default font when it names one...
    readRtf(R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Georgia;}}x})", &document, fallback);
    QCOMPARE(formatOf(document, "x").fontFamilies().toStringList(), QStringList{"Georgia"});
    // ...and the caller's font otherwise.
    readRtf(R"({\rtf1 x})", &document, fallback);
    QCOMPARE(formatOf(document, "x").fontFamilies().toStringList(), QStringList{"Liberation Mono"});

    // The older table form without a group per font.
    readRtf(R"({\rtf1{\fonttbl\f0\fswiss Arial;\f1\fmodern Courier New;}\f1 x})", &document,
            fallback);
    QCOMPARE(formatOf(document, "x").fontFamilies().toStringList(), QStringList{"Courier New"});
}

void TestRtfReader::colours() {
    QTextDocument document;
    readRtf(R"({\rtf1{\colortbl;\red128\green0\blue0;\red0\green0\blue128;})"
            R"(\cf1 r\cf2 b\cf0 a\cf9 n{\cf1 g}o})",
            &document, defaultFont());
    QCOMPARE(formatOf(document, "r").foreground().color(), QColor(128, 0, 0));
    QCOMPARE(formatOf(document, "b").foreground().color(), QColor(0, 0, 128));
    QVERIFY(!formatOf(document, "a").hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(document, "n").hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatOf(document, "g").foreground().color(), QColor(128, 0, 0));
    QVERIFY(!formatOf(document, "o").hasProperty(QTextFormat::ForegroundBrush));
}

void TestRtfReader::alignment_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("alignment");
    QTest::newRow("ql") << QByteArray("\\ql") << int(Qt::AlignLeft);
    QTest::newRow("qc") << QByteArray("\\qc") << int(Qt::AlignHCenter);
    QTest::newRow("qr") << QByteArray("\\qr") << int(Qt::AlignRight);
    QTest::newRow("qj") << QByteArray("\\qj") << int(Qt::AlignJustify);
}

void TestRtfReader::alignment() {
    QFETCH(QByteArray, word);
    QFETCH(int, alignment);
    QTextDocument document;
    readRtf("{\\rtf1\\qr first\\par\\pard" + word + " x\\par}", &document, defaultFont());
    QCOMPARE(int(blockOf(document, "x").alignment()), alignment);
    QCOMPARE(blockOf(document, "first").alignment(), Qt::AlignRight);
}

void TestRtfReader::paragraphProperties() {
    QTextDocument document;
    readRtf(R"({\rtf1\li720\ri360\fi-180\sb240\sa120 a\par})", &document, defaultFont());
    const QTextBlockFormat a = blockOf(document, "a");
    // Twips at 96 dots per inch: 15 twips make a pixel.
    QCOMPARE(a.leftMargin(), 48.0);
    QCOMPARE(a.rightMargin(), 24.0);
    QCOMPARE(a.textIndent(), -12.0);
    QCOMPARE(a.topMargin(), 16.0);
    QCOMPARE(a.bottomMargin(), 8.0);

    // Properties in force at \par are the ones of the paragraph it ends.
    readRtf(R"({\rtf1 a\qc\par b\par})", &document, defaultFont());
    QCOMPARE(blockOf(document, "a").alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(document, "b").alignment(), Qt::AlignHCenter);

    // Tab stops count from the page margin; Qt counts them from the start of the line.
    readRtf(R"({\rtf1\li720\tx1440\tx2880 a\tab b\par\pard c})", &document, defaultFont());
    const QList<QTextOption::Tab> tabs = blockOf(document, "a").tabPositions();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0].position, 48.0);
    QCOMPARE(tabs[1].position, 144.0);
    QVERIFY(blockOf(document, "c").tabPositions().isEmpty());

    // A first line never hangs out beyond the page margin.
    readRtf(R"({\rtf1\li100\fi-900 a\par})", &document, defaultFont());
    QCOMPARE(blockOf(document, "a").textIndent(), -100 / 15.0);
}

void TestRtfReader::pardResetsParagraph() {
    QTextDocument document;
    readRtf(R"({\rtf1\qc\li720\ri360\fi-360\sb120\sa240 a\par\pard b\par})", &document,
            defaultFont());
    const QTextBlockFormat a = blockOf(document, "a");
    QCOMPARE(a.alignment(), Qt::AlignHCenter);
    QCOMPARE(a.leftMargin(), 48.0);
    const QTextBlockFormat b = blockOf(document, "b");
    QCOMPARE(b.alignment(), Qt::AlignLeft);
    QCOMPARE(b.leftMargin(), 0.0);
    QCOMPARE(b.rightMargin(), 0.0);
    QCOMPARE(b.textIndent(), 0.0);
    QCOMPARE(b.topMargin(), 0.0);
    QCOMPARE(b.bottomMargin(), 0.0);
    // \pard leaves the character formatting alone.
    readRtf(R"({\rtf1\b\qc a\par\pard b})", &document, defaultFont());
    QCOMPARE(formatOf(document, "b").fontWeight(), int(QFont::Bold));
}

void TestRtfReader::hangingIndentTabLinesUp() {
    // The text after "bullet, tab" must start at the left indent, where the following lines of
    // the paragraph start too.
    QTextDocument document;
    document.setTextWidth(200);
    readRtf(R"({\rtf1\li720\fi-360\bullet\tab first words of a paragraph long enough to wrap )"
            R"(onto a second line\par})",
            &document, defaultFont());
    document.adjustSize();
    const QTextBlock block = document.begin();
    const QTextLayout* layout = block.layout();
    QVERIFY(layout->lineCount() >= 2);
    const QTextLine first = layout->lineAt(0);
    const qreal afterTab = first.cursorToX(2);
    const qreal secondLine = layout->lineAt(1).x();
    QVERIFY2(qAbs(afterTab - secondLine) < 1.0,
             qPrintable(QStringLiteral("%1 vs %2").arg(afterTab).arg(secondLine)));
    QCOMPARE(secondLine, 48.0);
}

void TestRtfReader::absurdNumbers() {
    QTextDocument document;
    const RtfResult result =
        readRtf(R"({\rtf1\fs99999999999999999999 a\fs-5 b\li-5000000000 c\par)"
                R"(\li99999999999\fi-99999999999\sb-7\sa99999999999 d\par)"
                R"({\uc99999999 \u99999999999 e}\cf-3 f\f-1 g\u-99999999999?h\bin99999999999 })",
                &document, defaultFont());
    QVERIFY(result.ok);
    QVERIFY(formatOf(document, "a").fontPointSize() <= 1000);
    QVERIFY(formatOf(document, "b").fontPointSize() > 0);
    QCOMPARE(blockOf(document, "c").leftMargin(), 0.0);
    const QTextBlockFormat d = blockOf(document, "d");
    QVERIFY(d.leftMargin() <= 31680 / 15.0);
    QVERIFY(d.leftMargin() + d.textIndent() >= 0);
    QCOMPARE(d.topMargin(), 0.0);
    QVERIFY(d.bottomMargin() <= 31680 / 15.0);
    QVERIFY(rawText(document).contains(u'g'));
    QVERIFY(rawText(document).endsWith(u'h'));
}

void TestRtfReader::malformed_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("ok");
    QTest::newRow("unclosed groups") << QByteArray(R"({\rtf1 abc {\b def)") << "abc def" << true;
    QTest::newRow("extra closing brace") << QByteArray(R"({\rtf1 abc}} def})") << "abc def" << true;
    QTest::newRow("cut inside a hex escape")
        << QByteArray(R"({\rtf1 abc\par de\'4)") << "abc\nde" << true;
    QTest::newRow("cut after a backslash") << QByteArray("{\\rtf1 abc\\") << "abc" << true;
    QTest::newRow("cut inside a control word") << QByteArray(R"({\rtf1 abc\pa)") << "abc" << true;
    QTest::newRow("cut inside the font table")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Ari)") << "" << false;
    QTest::newRow("cut inside binary data")
        << QByteArray(R"({\rtf1 abc{\pict\bin900 xyz)") << "abc" << true;
    QTest::newRow("header only") << QByteArray(R"({\rtf1})") << "" << false;
    QTest::newRow("only spaces") << QByteArray(R"({\rtf1    \par   })") << "   \n  " << false;
}

void TestRtfReader::malformed() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, ok);
    QTextDocument document;
    const RtfResult result = readRtf(rtf, &document, defaultFont());
    QCOMPARE(rawText(document), expected);
    QCOMPARE(result.ok, ok);
    if (!ok || rtf.count('{') != rtf.count('}'))
        QVERIFY(!result.problem.isEmpty());
}

void TestRtfReader::notRtf_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Quorvel rules: place cards and capture.");
    QTest::newRow("html") << QByteArray("<html><body><b>rules</b></body></html>");
    QTest::newRow("body without header") << QByteArray(R"(\b rules\b0  here\par)");
    QTest::newRow("misspelt header") << QByteArray(R"({\rft1 rules})");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void TestRtfReader::notRtf() {
    QFETCH(QByteArray, input);
    QTextDocument document;
    readRtf(R"({\rtf1 old text})", &document, defaultFont());
    const RtfResult result = readRtf(input, &document, defaultFont());
    QVERIFY(!result.ok);
    QCOMPARE(result.problem, QStringLiteral("not a rich-text document"));
    QVERIFY(!rawText(document).contains(QStringLiteral("old text")));
}

void TestRtfReader::deepNestingIsBoundedAndFast() {
    const int depth = 100000;
    QByteArray open = R"({\rtf1 a)";
    open += QByteArray(depth, '{') + "deep";
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    RtfResult result = readRtf(open, &document, defaultFont());
    QVERIFY(result.ok);
    QVERIFY(!result.problem.isEmpty());
    QCOMPARE(rawText(document), "a");

    const QByteArray balanced = open + QByteArray(depth, '}') + "b}";
    result = readRtf(balanced, &document, defaultFont());
    QVERIFY(result.ok);
    QCOMPARE(rawText(document), "ab");
    const qint64 ms = timer.elapsed();
    qInfo("two documents nested %d deep read in %lld ms", depth, ms);
    QVERIFY(ms < 1000 * kSlowBuildFactor);
}

void TestRtfReader::nestingLimit() {
    // The root group counts as the first level.
    auto nested = [](int levels, const char* text) {
        return QByteArray("{\\rtf1 ") + QByteArray(levels - 1, '{') + text +
               QByteArray(levels - 1, '}') + "}";
    };
    QTextDocument document;
    RtfResult result =
        readRtf(nested(platform::rtfMaxGroupDepth, "shown"), &document, defaultFont());
    QCOMPARE(rawText(document), "shown");
    QCOMPARE(result.problem, QString());
    result = readRtf(nested(platform::rtfMaxGroupDepth + 1, "hidden"), &document, defaultFont());
    QCOMPARE(rawText(document), "");
    QVERIFY(!result.problem.isEmpty());
}

void TestRtfReader::textIsCappedAt8MB() {
    const qsizetype size = 10 * 1024 * 1024;
    QByteArray big = R"({\rtf1 )";
    big += QByteArray(size, 'a');
    big += '}';
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    const RtfResult result = readRtf(big, &document, defaultFont());
    qInfo("10 MB of text read in %lld ms", timer.elapsed());
    QVERIFY(result.ok);
    QVERIFY(result.problem.contains(QStringLiteral("8 MB")));
    QCOMPARE(document.characterCount() - 1, platform::rtfMaxTextUnits);
}

void TestRtfReader::randomBytesNeverCrash() {
    QRandomGenerator random(20240611);
    const char alphabet[] = "{}\\'*;0123456789-abcfiluprtx \r\n\t";
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 3000; ++round) {
        const int length = random.bounded(1, 600);
        QByteArray input = round % 2 ? QByteArray("{\\rtf1 ") : QByteArray();
        for (int i = 0; i < length; ++i) {
            // Mostly RTF syntax, so that the reader gets past the header and into its states.
            if (round % 3 == 0)
                input += char(random.bounded(256));
            else
                input += alphabet[random.bounded(int(sizeof alphabet - 1))];
        }
        const RtfResult result = readRtf(input, &document, defaultFont());
        if (!input.startsWith("{\\rtf"))
            QVERIFY(!result.ok);
        QVERIFY(document.characterCount() <= input.size() + 1);
    }
    qInfo("3000 random inputs read in %lld ms", timer.elapsed());
}

void TestRtfReader::mutatedRulesNeverCrash() {
    const QByteArray rules = readFile(kRulesPath);
    QRandomGenerator random(7);
    QTextDocument document;
    for (int round = 0; round < 300; ++round) {
        QByteArray input = rules;
        const int edits = random.bounded(1, 40);
        for (int i = 0; i < edits; ++i) {
            const int at = random.bounded(int(input.size()));
            switch (random.bounded(3)) {
            case 0:
                input[at] = char(random.bounded(256));
                break;
            case 1:
                input.remove(at, random.bounded(1, 50));
                break;
            default:
                input.insert(at, input.mid(random.bounded(int(input.size())), 30));
                break;
            }
        }
        readRtf(input, &document, defaultFont());
    }
    // Truncated at every point of the first kilobyte, the document still reads what it can.
    for (int cut = 0; cut < 1024; cut += 7) {
        const RtfResult result = readRtf(rules.left(cut), &document, defaultFont());
        QVERIFY(cut < 5 ? !result.ok : true);
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
