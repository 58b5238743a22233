#include "platform/Translations.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// The translation mechanism: which language the player's locale chooses, the
// files the build ships, and the real program reading its command line in
// that language.
class TranslationsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooseLanguage_data();
    void chooseLanguage();
    void shippedLanguages();
    void useLanguage();
    void commandLineInLanguage_data();
    void commandLineInLanguage();
    void complete_data();
    void complete();

  private:
    static QString help(const QProcessEnvironment& env);
};

namespace {
const QStringList Shipped{QStringLiteral("de"),    QStringLiteral("es"), QStringLiteral("fr"),
                          QStringLiteral("it"),    QStringLiteral("ja"), QStringLiteral("pl"),
                          QStringLiteral("pt_BR"), QStringLiteral("ru"), QStringLiteral("zh_CN")};
} // namespace

void TranslationsTest::chooseLanguage_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    auto row = [](const char* name, const char* preferred, const char* chosen) {
        QTest::newRow(name) << QString::fromLatin1(preferred).split(QLatin1Char(':'),
                                                                    Qt::SkipEmptyParts)
                            << QString::fromLatin1(chosen);
    };
    row("German", "de-DE:de", "de");
    row("German of Austria", "de-AT", "de");
    row("POSIX name with encoding", "fr_CA.UTF-8", "fr");
    row("modifier", "de_DE@euro", "de");
    row("English first", "en-US:de", "");
    row("English of Britain first", "en-GB:fr", "");
    row("C", "C", "");
    row("POSIX", "POSIX", "");
    row("nothing preferred", "", "");
    row("not shipped, then shipped", "nl-NL:it-IT", "it");
    row("not shipped at all", "nl-NL:sv", "");
    row("unknown name skipped", "xx-YY:pl", "pl");
    row("Brazilian Portuguese", "pt-BR", "pt_BR");
    row("Portuguese of Portugal takes Brazil's", "pt-PT", "pt_BR");
    row("Simplified Chinese", "zh-CN", "zh_CN");
    row("Chinese of Singapore, simplified script", "zh-SG", "zh_CN");
    row("Traditional Chinese is not the simplified", "zh-TW", "");
    row("Traditional Chinese, then Japanese", "zh-Hant-TW:ja-JP", "ja");
    row("Russian", "ru_RU.UTF-8", "ru");
    row("Spanish of Mexico", "es-MX", "es");
}

void TranslationsTest::chooseLanguage() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(platform::chooseLanguage(preferred, Shipped), chosen);
}

// Every language of the build lies in the program folder, and nothing else.
void TranslationsTest::shippedLanguages() {
    TestFolder folder;
    QCOMPARE(platform::shippedLanguages(), Shipped);
}

void TranslationsTest::useLanguage() {
    TestFolder folder;
    const char* options = "Options";
    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    QCOMPARE(platform::currentLanguage(), QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("FrmMain", options), QStringLiteral("Optionen"));
    // Qt's own texts come along in the same language.
    QTranslator qt;
    QVERIFY(
        qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    const QString qtHelp =
        qt.translate("QCommandLineParser", "Displays help on commandline options.");
    QVERIFY(!qtHelp.isEmpty());
    QCOMPARE(
        QCoreApplication::translate("QCommandLineParser", "Displays help on commandline options."),
        qtHelp);
    // The same language again (a new application object) changes nothing.
    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    QCOMPARE(QCoreApplication::translate("FrmMain", options), QStringLiteral("Optionen"));

    // A language without a file speaks English.
    QVERIFY(!platform::useLanguage(QStringLiteral("xx")));
    QCOMPARE(platform::currentLanguage(), QString());
    QCOMPARE(QCoreApplication::translate("FrmMain", options), QString::fromLatin1(options));

    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    QVERIFY(platform::useLanguage(QString()));
    QCOMPARE(QCoreApplication::translate("FrmMain", options), QString::fromLatin1(options));
    QCOMPARE(
        QCoreApplication::translate("QCommandLineParser", "Displays help on commandline options."),
        QStringLiteral("Displays help on commandline options."));
}

QString TranslationsTest::help(const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel"), {QStringLiteral("--help")});
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TranslationsTest::commandLineInLanguage_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("german");
    QTest::newRow("LANGUAGE") << QStringList{QStringLiteral("LANGUAGE=de")} << true;
    QTest::newRow("LANG") << QStringList{QStringLiteral("LANG=de_DE.UTF-8")} << true;
    QTest::newRow("LC_MESSAGES over LANG") << QStringList{QStringLiteral("LANG=en_US.UTF-8"),
                                                          QStringLiteral("LC_MESSAGES=de_DE.UTF-8")}
                                           << true;
    QTest::newRow("LC_ALL over LC_MESSAGES")
        << QStringList{QStringLiteral("LC_MESSAGES=en_US.UTF-8"),
                       QStringLiteral("LC_ALL=de_AT.UTF-8")}
        << true;
    QTest::newRow("LANGUAGE over LANG")
        << QStringList{QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LANGUAGE=en_GB:de")}
        << false;
    QTest::newRow("C") << QStringList{QStringLiteral("LANG=C")} << false;
}

// The help is printed before any window system is touched, already in the
// player's language: the program's own sentences and Qt's.
void TranslationsTest::commandLineInLanguage() {
    QFETCH(QStringList, variables);
    QFETCH(bool, german);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    for (const QString& variable : variables)
        env.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    const QString out = help(env);
    QVERIFY2(!out.isEmpty(), "no help printed");

    QTranslator qt;
    QVERIFY(
        qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    const QString qtGerman =
        qt.translate("QCommandLineParser", "Displays help on commandline options.");
    const QString ours = QStringLiteral("Ein Kartenspiel für zwei Spieler");
    if (german) {
        QVERIFY2(out.contains(ours), qPrintable(out));
        QVERIFY2(out.contains(qtGerman), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("--computer <stufe>")), qPrintable(out));
    } else {
        QVERIFY2(out.contains(QStringLiteral(
                     "A card game for two players who share one screen and one mouse.")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Displays help on commandline options.")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("--computer <level>")), qPrintable(out));
    }
}

void TranslationsTest::complete_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Shipped)
        QTest::newRow(qPrintable(language)) << language;
}

// lupdate run over today's sources finds every text translated and none
// left over: a text added, changed or removed without its translations
// fails here (see translations/README.md for the round).
void TranslationsTest::complete() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("quorvel_%1.ts").arg(language));
    QVERIFY(QFile::copy(
        QStringLiteral(QUORVEL_SOURCE_DIR "/translations/quorvel_%1.ts").arg(language), ts));
    QFile::setPermissions(ts, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-source-language"), QStringLiteral("en")};
    QDirIterator it(QStringLiteral(QUORVEL_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        arguments << it.next();
    // The words the picture generator paints.
    arguments << QStringLiteral(QUORVEL_SOURCE_DIR "/tools/gen_pictures.cpp");
    arguments << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUORVEL_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* mark : {"type=\"unfinished\"", "type=\"vanished\"", "type=\"obsolete\""}) {
        const qsizetype at = text.indexOf(QLatin1String(mark));
        QVERIFY2(at < 0, qPrintable(QStringLiteral("%1 in %2: %3")
                                        .arg(QLatin1String(mark), language,
                                             text.mid(qMax<qsizetype>(0, at - 300), 300))));
    }
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
