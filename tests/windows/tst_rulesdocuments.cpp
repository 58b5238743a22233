// The rules document in every shipped language, held against the designed
// English one: the same headings in the same order, the same lists with the
// same number of items, the same numbers in every section, the same coloured,
// bold and italic words, the program's own words for its buttons, options and
// messages, and every character read in its script. Help shows the document
// of the language in use, or the English one where there is none; the
// start-up check looks at the one Help will show.

#include "match/FrmMain.h"
#include "platform/ProgramFolder.h"
#include "platform/RtfReader.h"
#include "platform/Translations.h"
#include "store/StartupCheck.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <vector>

namespace {

QFont defaultFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    return font;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The document of `language` ("" for English) as the program folder holds it.
QString documentFile(const QString& language) {
    return platform::nativeFileName(platform::programFolder() + platform::rulesDocument(language));
}

// The numbers a document spells out as words, in each language: a count
// written "three" in one language and "3" in another is the same fact. Only
// counts from two up are listed; "one" is an article in too many languages.
// Phrases that look like a count but say "both" are left out.
struct NumberWords {
    std::vector<std::pair<const char*, int>> words = {};
    std::vector<const char*> notCounts = {};
    bool insideWords = false; // Chinese numerals are characters inside words
};

const std::map<QString, NumberWords>& numberWords() {
    static const std::map<QString, NumberWords> table{
        {QString(),
         {.words = {{"two", 2},
                    {"twice", 2},
                    {"three", 3},
                    {"four", 4},
                    {"five", 5},
                    {"sixth", 6},
                    {"eight", 8},
                    {"ninth", 9}}}},
        {QStringLiteral("de"),
         {.words = {{"zwei", 2},
                    {"zweimal", 2},
                    {"drei", 3},
                    {"vier", 4},
                    {"fünf", 5},
                    {"sechste", 6},
                    {"acht", 8},
                    {"neunte", 9}}}},
        {QStringLiteral("fr"),
         {.words = {{"deux", 2},
                    {"trois", 3},
                    {"quatre", 4},
                    {"cinq", 5},
                    {"sixième", 6},
                    {"huit", 8},
                    {"neuvième", 9}},
          .notCounts = {"les deux", "des deux"}}},
        {QStringLiteral("es"),
         {.words = {{"dos", 2},
                    {"tres", 3},
                    {"cuatro", 4},
                    {"cinco", 5},
                    {"sexta", 6},
                    {"ocho", 8},
                    {"novena", 9}}}},
        {QStringLiteral("it"),
         {.words = {{"due", 2},
                    {"tre", 3},
                    {"quattro", 4},
                    {"cinque", 5},
                    {"sesta", 6},
                    {"otto", 8},
                    {"nona", 9}}}},
        {QStringLiteral("pt_BR"),
         {.words = {{"dois", 2},
                    {"duas", 2},
                    {"três", 3},
                    {"quatro", 4},
                    {"cinco", 5},
                    {"sexta", 6},
                    {"oito", 8},
                    {"nona", 9}}}},
        {QStringLiteral("pl"),
         {.words = {{"dwa", 2},
                    {"dwie", 2},
                    {"dwóch", 2},
                    {"trzy", 3},
                    {"cztery", 4},
                    {"pięć", 5},
                    {"pięciu", 5},
                    {"szóstej", 6},
                    {"ośmiu", 8},
                    {"dziewiąte", 9},
                    {"dziewiątą", 9}}}},
        {QStringLiteral("ru"),
         {.words = {{"два", 2},
                    {"две", 2},
                    {"двух", 2},
                    {"дважды", 2},
                    {"три", 3},
                    {"четыре", 4},
                    {"пять", 5},
                    {"пяти", 5},
                    {"шестую", 6},
                    {"восемь", 8},
                    {"девятая", 9}}}},
        // Japanese writes its counts in digits.
        {QStringLiteral("ja"), {}},
        {QStringLiteral("zh_CN"),
         {.words = {{"两", 2}, {"三", 3}, {"四", 4}, {"五", 5}, {"六", 6}, {"八", 8}, {"九", 9}},
          .insideWords = true}},
    };
    return table;
}

// One section of a rules document: a heading and what follows it.
struct Section {
    QString heading;
    QList<int> lists;   // the number of items of each bulleted list, in order
    int paragraphs = 0; // paragraphs outside the lists
    QList<double> numbers;
    int bold = 0, italic = 0, red = 0, blue = 0, grey = 0; // runs of text so marked

    bool operator==(const Section& o) const {
        return lists == o.lists && paragraphs == o.paragraphs && numbers == o.numbers &&
               bold == o.bold && italic == o.italic && red == o.red && blue == o.blue &&
               grey == o.grey;
    }
    QString describe() const {
        QStringList n;
        for (double v : numbers)
            n << QString::number(v);
        QStringList l;
        for (int v : lists)
            l << QString::number(v);
        return QStringLiteral("\"%1\": lists [%2], %3 paragraphs, numbers [%4], bold %5, italic "
                              "%6, red %7, blue %8, grey %9")
            .arg(heading, l.join(','))
            .arg(paragraphs)
            .arg(n.join(','))
            .arg(bold)
            .arg(italic)
            .arg(red)
            .arg(blue)
            .arg(grey);
    }
};

struct Structure {
    QString title;
    QString subtitle;
    QList<Section> sections;
    QString text;
};

QList<double> numbersIn(QString text, const QString& language) {
    QList<double> numbers;
    static const QRegularExpression digits(QStringLiteral("\\d+(?:[.,]\\d+)?"));
    for (auto it = digits.globalMatch(text); it.hasNext();)
        numbers << it.next().captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const NumberWords& table = numberWords().at(language);
    for (const char* phrase : table.notCounts)
        text.remove(QString::fromUtf8(phrase), Qt::CaseInsensitive);
    for (const auto& [word, value] : table.words) {
        const QString w = QString::fromUtf8(word);
        const QRegularExpression pattern(
            table.insideWords
                ? QRegularExpression::escape(w)
                : QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(w)),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::UseUnicodePropertiesOption);
        for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
            numbers << value;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool isHeading(const QTextBlock& block, qreal bodySize) {
    if (block.text().isEmpty())
        return false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.fontWeight() < QFont::Bold || format.fontPointSize() <= bodySize)
            return false;
    }
    return true;
}

Structure structureOf(const QTextDocument& document, const QString& language) {
    Structure s;
    QList<QTextBlock> blocks;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        if (!b.text().trimmed().isEmpty())
            blocks << b;
    if (blocks.size() < 3)
        return s;
    s.title = blocks[0].text();
    s.subtitle = blocks[1].text();
    const qreal body = 10.5; // the body text's size, \fs21
    QString sectionText;
    bool inList = false;
    auto finishSection = [&] {
        if (!s.sections.isEmpty())
            s.sections.last().numbers = numbersIn(sectionText, language);
        sectionText.clear();
    };
    for (int i = 2; i < blocks.size(); ++i) {
        const QTextBlock& block = blocks[i];
        s.text += block.text() + QLatin1Char('\n');
        if (isHeading(block, body)) {
            finishSection();
            Section section;
            section.heading = block.text();
            s.sections.append(section);
            inList = false;
            continue;
        }
        if (s.sections.isEmpty())
            s.sections.append(Section{});
        Section& section = s.sections.last();
        sectionText += block.text() + QLatin1Char('\n');
        if (block.text().startsWith(QStringLiteral("\u2022\t"))) {
            if (!inList)
                section.lists << 0;
            ++section.lists.last();
            inList = true;
        } else {
            ++section.paragraphs;
            inList = false;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (it.fragment().text().trimmed().isEmpty())
                continue;
            section.bold += format.fontWeight() >= QFont::Bold;
            section.italic += format.fontItalic();
            if (format.hasProperty(QTextFormat::ForegroundBrush)) {
                const QColor colour = format.foreground().color();
                section.red += colour == QColor(128, 0, 0);
                section.blue += colour == QColor(0, 0, 128);
                section.grey += colour == QColor(64, 64, 64);
            }
        }
    }
    finishSection();
    return s;
}

Structure read(const QString& language, platform::RtfResult* result = nullptr) {
    QTextDocument document;
    const platform::RtfResult r =
        platform::readRtf(readFile(documentFile(language)), &document, defaultFont());
    if (result)
        *result = r;
    return structureOf(document, language);
}

// The same document with every character beyond ASCII written as \uN and a
// "?" fallback instead of in the document's code page (the \'hh escapes and
// raw bytes), the way other writers save it: decoded here with Qt's decoder of
// the code page the document names.
QByteArray writtenAsUnicode(const QByteArray& rtf) {
    static const QRegularExpression codePage(QStringLiteral("\\\\ansicpg(\\d+)"));
    const QString page = codePage.match(QString::fromLatin1(rtf)).captured(1);
    QStringDecoder decoder(("windows-" + page.toLatin1()).constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(("cp" + page.toLatin1()).constData());
    if (page.isEmpty() || !decoder.isValid())
        return {};
    QByteArray out;
    QByteArray bytes;
    auto flush = [&] {
        for (const QChar c : QString(decoder.decode(bytes)))
            out += "\\u" + QByteArray::number(static_cast<qint16>(c.unicode())) + '?';
        bytes.clear();
    };
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\' && i + 3 < rtf.size() && rtf[i + 1] == '\'') {
            bytes += static_cast<char>(rtf.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            bytes += c;
        } else {
            flush();
            out += c;
            if (c == '\\' && i + 1 < rtf.size()) // an escaped character stays as it is
                out += rtf[++i];
        }
    }
    flush();
    return out;
}

// The program's own words that the rules name: the buttons, the options, the
// refusal of too few cards and the results window.
struct ProgramWord {
    const char* context;
    const char* text;
};
const ProgramWord ProgramWords[] = {
    {"FrmMain", "New Game"},       {"FrmMain", "Options"},
    {"FrmMain", "Help"},           {"FrmMain", "Exit"},
    {"FrmOptions", "Open Hand"},   {"FrmOptions", "Closed Hand"},
    {"FrmOptions", "Basic Rules"}, {"FrmOptions", "Basic Combo Rules"},
    {"FrmPlayer", "Done"},         {"FrmPlayer", "You must select 5 cards to play"},
    {"FrmWinner", "Game Stats"},
};

// The scripts a language's letters are written in; the game's name and the
// players' default names stay as they are in every language.
QSet<int> scriptsOf(const QString& language) {
    if (language == QLatin1String("ru"))
        return {QChar::Script_Cyrillic};
    if (language == QLatin1String("ja"))
        return {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana};
    if (language == QLatin1String("zh_CN"))
        return {QChar::Script_Han};
    return {QChar::Script_Latin};
}

} // namespace

class RulesDocumentsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void everyLanguageHasItsDocument();
    void englishStructure();
    void sameStructure_data();
    void sameStructure();
    void readInItsScript_data();
    void readInItsScript();
    void sameWrittenAsUnicode_data();
    void sameWrittenAsUnicode();
    void programWords_data();
    void programWords();
    void helpShowsTheLanguage_data();
    void helpShowsTheLanguage();
    void startupCheckLooksAtTheLanguage();

  private:
    std::unique_ptr<TestFolder> m_folder;
};

void RulesDocumentsTest::init() {
    m_folder = std::make_unique<TestFolder>();
}

void RulesDocumentsTest::cleanup() {
    store::closeAll();
    platform::useLanguage(QString());
    m_folder.reset();
}

// Every language the program speaks has its rules, and no rules are left
// without a language.
void RulesDocumentsTest::everyLanguageHasItsDocument() {
    QCOMPARE(platform::rulesLanguages(), platform::shippedLanguages());
    QCOMPARE(platform::rulesLanguages().size(), 9);
    QCOMPARE(platform::rulesDocument(QString()), QStringLiteral("\\QorRules.rtf"));
    QCOMPARE(platform::rulesDocument(QStringLiteral("pt_BR")),
             QStringLiteral("\\rules\\QorRules.pt_BR.rtf"));
    QCOMPARE(platform::rulesDocument(QStringLiteral("nl")), QStringLiteral("\\QorRules.rtf"));
    for (const QString& language : platform::rulesLanguages())
        QCOMPARE(
            readFile(documentFile(language)),
            readFile(
                QStringLiteral(QUORVEL_SOURCE_DIR "/data/rules/QorRules.%1.rtf").arg(language)));
}

// The reading of a document's structure, on the designed English rules.
void RulesDocumentsTest::englishStructure() {
    platform::RtfResult result;
    const Structure english = read(QString(), &result);
    QVERIFY(result.ok);
    QCOMPARE(english.title, QStringLiteral("Quorvel"));
    QCOMPARE(english.subtitle, QStringLiteral("The rules of the game"));
    QStringList headings;
    for (const Section& s : english.sections)
        headings << s.heading;
    QCOMPARE(headings, (QStringList{"The game", "Match, rounds and hands", "Choosing your cards",
                                    "Who begins", "Placing cards", "Capturing", "Scoring",
                                    "Rules option", "End of a hand", "End of the match",
                                    "Open Hand and Closed Hand", "The buttons"}));
    const QList<QList<int>> lists{{}, {}, {3}, {}, {}, {4}, {}, {2}, {2}, {}, {}, {4}};
    for (int i = 0; i < lists.size(); ++i)
        QCOMPARE(english.sections[i].lists, lists[i]);
    // Players 1 and 2, edges 1 to 10, the 3 x 3 board, four edges.
    QCOMPARE(english.sections[0].numbers, (QList<double>{1, 1, 2, 2, 3, 3, 4, 4, 10}));
    // Three rounds win a match of at most five.
    QCOMPARE(english.sections[1].numbers, (QList<double>{3, 5}));
    // Five of eight from 606, twice in one offer, no sixth, "5 cards".
    QCOMPARE(english.sections[2].numbers, (QList<double>{1, 2, 2, 5, 5, 5, 5, 6, 8, 606}));
    QCOMPARE(english.sections[7].numbers, (QList<double>{2, 150, 200}));
    QCOMPARE(english.sections[10].numbers, (QList<double>{1.5, 2, 2}));
    QCOMPARE(english.sections[0].red, 2);
    QCOMPARE(english.sections[5].italic, 1);
    QCOMPARE(english.sections[10].grey, 1);
    QCOMPARE(english.sections[11].bold, 4);
}

void RulesDocumentsTest::sameStructure_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : platform::rulesLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void RulesDocumentsTest::sameStructure() {
    QFETCH(QString, language);
    const Structure english = read(QString());
    platform::RtfResult result;
    const Structure translated = read(language, &result);
    QVERIFY(result.ok);
    QCOMPARE(result.problem, QString());
    QCOMPARE(translated.title, QStringLiteral("Quorvel"));
    QVERIFY(!translated.subtitle.isEmpty());
    QCOMPARE(translated.sections.size(), english.sections.size());
    for (int i = 0; i < english.sections.size(); ++i) {
        const Section& e = english.sections[i];
        const Section& t = translated.sections[i];
        QVERIFY2(!t.heading.isEmpty(), qPrintable(e.heading));
        QVERIFY2(t == e, qPrintable(QStringLiteral("section %1\n  English %2\n  %3 %4")
                                        .arg(i + 1)
                                        .arg(e.describe(), language, t.describe())));
    }
    // Every heading says something of its own.
    QSet<QString> headings;
    for (const Section& t : translated.sections)
        headings << t.heading;
    QCOMPARE(headings.size(), translated.sections.size());
}

void RulesDocumentsTest::readInItsScript_data() {
    sameStructure_data();
}

// Every letter in the language's own script: a wrong code page shows as
// letters of another script, a lost character as U+FFFD or as the "?" a
// writer puts where it has no byte for a character.
void RulesDocumentsTest::readInItsScript() {
    QFETCH(QString, language);
    QString text = read(language).text;
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QVERIFY(!text.contains(QLatin1Char('?')));
    QVERIFY(!text.contains(QLatin1Char('\\')));
    QVERIFY(!text.contains(QLatin1Char('{')));
    for (const char* name : {"Quorvel", "Dorvik", "Mirela"}) {
        QVERIFY2(text.contains(QLatin1String(name)), name);
        text.remove(QLatin1String(name));
    }
    const QSet<int> scripts = scriptsOf(language);
    QSet<int> seen;
    QString strangers;
    for (const QChar c : std::as_const(text)) {
        if (!c.isLetter() || c.script() == QChar::Script_Common ||
            c.script() == QChar::Script_Inherited)
            continue;
        seen << c.script();
        if (!scripts.contains(c.script()) && strangers.size() < 40)
            strangers += c;
    }
    QVERIFY2(strangers.isEmpty(), qPrintable(strangers));
    QCOMPARE(seen, scripts);
    // Letters that only the language's own code page holds.
    const QMap<QString, QString> ownLetters{
        {QStringLiteral("de"), QStringLiteral("äöüß")},
        {QStringLiteral("fr"), QStringLiteral("éèàç")},
        {QStringLiteral("es"), QStringLiteral("áéíóñ")},
        {QStringLiteral("it"), QStringLiteral("àèù")},
        {QStringLiteral("pt_BR"), QStringLiteral("ãçéõ")},
        {QStringLiteral("pl"), QStringLiteral("ąęłńśźż")},
        {QStringLiteral("ru"), QStringLiteral("ёжщъ")},
    };
    for (const QChar c : ownLetters.value(language))
        QVERIFY2(text.contains(c), qPrintable(QString(c)));
}

void RulesDocumentsTest::sameWrittenAsUnicode_data() {
    sameStructure_data();
}

// Written in its code page or as \uN throughout, a document reads the same.
void RulesDocumentsTest::sameWrittenAsUnicode() {
    QFETCH(QString, language);
    const QByteArray native = readFile(documentFile(language));
    const QByteArray unicode = writtenAsUnicode(native);
    QVERIFY(unicode.contains("\\u"));
    QVERIFY(!unicode.contains("\\'"));
    QTextDocument fromNative;
    QTextDocument fromUnicode;
    QVERIFY(platform::readRtf(native, &fromNative, defaultFont()).ok);
    const platform::RtfResult result = platform::readRtf(unicode, &fromUnicode, defaultFont());
    QVERIFY(result.ok);
    QCOMPARE(result.problem, QString());
    QCOMPARE(fromUnicode.toPlainText(), fromNative.toPlainText());
    const Structure a = structureOf(fromNative, language);
    const Structure b = structureOf(fromUnicode, language);
    QCOMPARE(b.sections, a.sections);
}

void RulesDocumentsTest::programWords_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    sameStructure_data();
}

// The rules name the buttons, options and messages as the program shows them
// in the same language.
void RulesDocumentsTest::programWords() {
    QFETCH(QString, language);
    QVERIFY(platform::useLanguage(language));
    const QString text = read(language).text;
    for (const ProgramWord& word : ProgramWords) {
        const QString shown = QCoreApplication::translate(word.context, word.text);
        QVERIFY2(language.isEmpty() || shown != QLatin1String(word.text) ||
                     word.text == QLatin1String("Options"),
                 word.text);
        QVERIFY2(text.contains(shown), qPrintable(shown));
    }
}

void RulesDocumentsTest::helpShowsTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("document"); // "" for English
    QTest::newRow("English") << QString() << QString();
    for (const QString& language : platform::rulesLanguages())
        QTest::newRow(qPrintable(language)) << language << language;
    // A language the program speaks without rules of its own.
    QTest::newRow("no rules of its own") << QStringLiteral("nl") << QString();
}

// Help, opened from the main window, shows the document of the language in
// use from its beginning; PageDown scrolls it.
void RulesDocumentsTest::helpShowsTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, document);
    m_folder.reset();
    Game game;
    if (language == QLatin1String("nl")) {
        // German texts under another name: a translation without a rules document.
        const QString folder = game.folder().file(QStringLiteral("more"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(game.folder().file(QStringLiteral("translations/quorvel_de.qm")),
                            folder + QStringLiteral("/quorvel_nl.qm")));
        QVERIFY(platform::useLanguage(language, folder));
    } else {
        QVERIFY(platform::useLanguage(language));
    }
    QCOMPARE(platform::currentLanguage(), language);
    game.start();
    Game::click(frmMain->imgHelp);
    QVERIFY(frmHelp->isVisible());
    QTextDocument expected;
    QVERIFY(platform::readRtf(readFile(documentFile(document)), &expected, defaultFont()).ok);
    QCOMPARE(frmHelp->rtfHelp->document()->toPlainText(), expected.toPlainText());
    QScrollBar* bar = frmHelp->rtfHelp->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QVERIFY2(bar->maximum() > 0, "the rules should need scrolling");
    QTest::keyClick(frmHelp->windowHandle(), Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->pageStep());
    QTest::keyClick(frmHelp->windowHandle(), Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    Game::click(frmHelp->imgDone);
    QVERIFY(frmMain->isVisible());
}

// The start-up check looks at the document Help will show: in German the
// German one, in English the designed one, whatever becomes of the other.
void RulesDocumentsTest::startupCheckLooksAtTheLanguage() {
    const QString german = m_folder->file(QStringLiteral("rules/QorRules.de.rtf"));
    const QString english = m_folder->file(QStringLiteral("QorRules.rtf"));
    FatalCatcher catcher;
    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    QCOMPARE(store::firstStartupProblem(), QString());

    QVERIFY(QFile::rename(german, german + QStringLiteral(".away")));
    QString problem = store::firstStartupProblem();
    QVERIFY2(problem.contains(QStringLiteral("QorRules.de.rtf")) &&
                 problem.contains(QStringLiteral("fehlen")),
             qPrintable(problem));
    QVERIFY(QDir().mkdir(german));
    problem = store::firstStartupProblem();
    QVERIFY2(problem.contains(QStringLiteral("QorRules.de.rtf")) &&
                 problem.contains(QStringLiteral("Ordner")),
             qPrintable(problem));

    // English does not need the German document, and German not the English one.
    platform::useLanguage(QString());
    QCOMPARE(store::firstStartupProblem(), QString());
    QVERIFY(QDir().rmdir(german));
    QVERIFY(QFile::rename(german + QStringLiteral(".away"), german));
    QVERIFY(QFile::remove(english));
    problem = store::firstStartupProblem();
    QVERIFY2(problem.contains(QStringLiteral("QorRules.rtf")) &&
                 problem.contains(QStringLiteral("missing")),
             qPrintable(problem));
    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    QCOMPARE(store::firstStartupProblem(), QString());
}

QTEST_MAIN(RulesDocumentsTest)
#include "tst_rulesdocuments.moc"
