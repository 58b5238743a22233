// The real program in German and in Japanese, as the player's locale chooses:
// on a private X server with Qt's AT-SPI bridge on a D-Bus session of the
// test's own, it starts, opens Help and plays a hand. The screen reader's tree
// carries the translated names, and the screen shows the language's painted
// pictures (buttons, plates, the selection prompt, the "begins" plaque), not
// the designed English ones.

#include "AccessibilityBus.h"
#include "GameRun.h"
#include "XSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace e2e;

namespace {

const QString Reader = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/accessibility/atspi_reader.py");
const QString Python = QStringLiteral("/usr/bin/python3");
const QString Embedded = QStringLiteral(QUORVEL_BINARY_DIR "/embedded");

// Mean difference per colour channel between `picture` and the part of
// `shot` whose top left corner is `at`, or up to two pixels off it (a
// design position in twips rounds to either pixel).
double difference(const QImage& shot, QPoint at, const QImage& picture) {
    const QImage pic = picture.convertToFormat(QImage::Format_RGB32);
    double best = 255;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint corner = at + QPoint(dx, dy);
            if (pic.isNull() || !shot.rect().contains(QRect(corner, pic.size())))
                continue;
            qint64 sum = 0;
            for (int y = 0; y < pic.height(); ++y)
                for (int x = 0; x < pic.width(); ++x) {
                    const QRgb a = pic.pixel(x, y);
                    const QRgb b = shot.pixel(corner.x() + x, corner.y() + y);
                    sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                           qAbs(qBlue(a) - qBlue(b));
                }
            best = std::min(best, double(sum) / (3.0 * pic.width() * pic.height()));
        }
    return best;
}

// A JPEG decoded once more and drawn by the X server differs from the file by
// a level or two; another text on the same face by far more.
constexpr double SameLimit = 4.0;
constexpr double OtherAtLeast = 8.0;

} // namespace

class LanguagesEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void playedInLanguage_data();
    void playedInLanguage();

  private:
    QProcessEnvironment environment() const;
    // Every shown node of the accessibility tree as "role: name".
    QStringList shownNames();
    // Fails unless `shot` shows the language's version of the picture `file`
    // (of images/ or, with `embedded`, of the embedded ones) at `at`, and
    // clearly not the English one.
    // A picture drawn stretched to its control is compared at `size`.
    void expectPicture(const QImage& shot, QPoint at, const QString& file, bool embedded,
                       const QString& where, QSize size = {});

    XSession m_x;
    AccessibilityBus m_bus;
    QString m_folder, m_language;
};

QProcessEnvironment LanguagesEndToEndTest::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    return env;
}

void LanguagesEndToEndTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(missing)));
    const QString noBus = AccessibilityBus::missing();
    if (!noBus.isEmpty())
        QSKIP(qPrintable(noBus));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
    QVERIFY2(m_bus.start(environment()), "could not start the accessibility bus");
}

void LanguagesEndToEndTest::cleanupTestCase() {
    m_bus.stop();
}

QStringList LanguagesEndToEndTest::shownNames() {
    QProcess reader;
    reader.setProcessEnvironment(environment());
    reader.start(Python, {Reader, QStringLiteral("dump")});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0)
        fail(QStringLiteral("the accessibility reader failed: %1")
                 .arg(QString::fromLocal8Bit(reader.readAllStandardError())));
    QStringList names;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            continue;
        const QJsonArray states = o.value(QStringLiteral("states")).toArray();
        if (states.contains(QStringLiteral("showing")))
            names << o.value(QStringLiteral("role")).toString() + QStringLiteral(": ") +
                         o.value(QStringLiteral("name")).toString();
    }
    return names;
}

void LanguagesEndToEndTest::expectPicture(const QImage& shot, QPoint at, const QString& file,
                                          bool embedded, const QString& where, QSize size) {
    const QString folder = embedded ? Embedded : m_folder + QStringLiteral("/images");
    const auto read = [size](const QString& name) {
        const QImage image(name);
        return size.isEmpty() || image.isNull()
                   ? image
                   : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage translated = read(QStringLiteral("%1/%2/%3").arg(folder, m_language, file));
    const QImage english = read(QStringLiteral("%1/%2").arg(folder, file));
    if (translated.isNull() || english.isNull())
        fail(QStringLiteral("%1: %2 cannot be read").arg(where, file));
    const double same = difference(shot, at, translated);
    const double other = difference(shot, at, english);
    if (same > SameLimit || other < OtherAtLeast)
        fail(QStringLiteral("%1: %2 on screen differs by %3 from the %4 picture and by %5 from "
                            "the English one")
                 .arg(where, file)
                 .arg(same, 0, 'f', 1)
                 .arg(m_language)
                 .arg(other, 0, 'f', 1));
}

void LanguagesEndToEndTest::playedInLanguage_data() {
    QTest::addColumn<QString>("language");
    // The main window's menu buttons, Help's Done and its rules, as the
    // screen reader names them.
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("rules");
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringList{"Neues Spiel", "Optionen", "Hilfe", "Beenden"}
                        << QStringLiteral("Fertig") << QStringLiteral("Spielregeln");
    QTest::newRow("ja") << QStringLiteral("ja")
                        << QStringList{"新しいゲーム", "オプション", "ヘルプ", "終了"}
                        << QStringLiteral("決定") << QStringLiteral("ルール説明");
}

void LanguagesEndToEndTest::playedInLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, menu);
    QFETCH(QString, done);
    QFETCH(QString, rules);
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    m_folder = dir.path();
    m_language = language;
    // The windows are told apart by their titles in the game's language.
    QTranslator titles;
    QVERIFY(titles.load(QStringLiteral("quorvel_") + language, m_folder + "/translations"));
    QCoreApplication::installTranslator(&titles);
    const auto english = qScopeGuard([&] { QCoreApplication::removeTranslator(&titles); });

    GameRun run(m_x, m_folder, Artifacts, QStringLiteral("languages-") + language);
    GameRun::Start start;
    start.environment.insert(QStringLiteral("LANGUAGE"), language);
    run.setStart(start);
    run.setLanguage(language);
    try {
        run.launch();
        run.waitStarted();
        Window main = run.waitFor(Kind::Main);
        QThread::msleep(300);
        QImage shot =
            m_x.grab(main, QStringLiteral("%1/languages-%2-main.png").arg(Artifacts, language));
        const char* buttons[] = {"NewGameUp.jpg", "OptionsUp.jpg", "HelpUp.jpg", "ExitUp.jpg"};
        for (int b = 0; b < 4; ++b)
            expectPicture(shot, QPoint(px(3743), px(5666 + 500 * b)), buttons[b], false,
                          QStringLiteral("main window"));
        expectPicture(shot, QPoint(px(840), px(6000)), QStringLiteral("plate1.gif"), true,
                      QStringLiteral("main window"));
        QStringList names = shownNames();
        for (const QString& name : menu)
            QVERIFY2(names.contains(QStringLiteral("push button: ") + name),
                     qPrintable(names.join(QLatin1Char('\n'))));

        // Help: its title, its Done button on screen and its names.
        run.press(main, 3743, 6666, 1395, 375);
        const Window help = run.waitFor(Kind::Help);
        QThread::msleep(300);
        shot = m_x.grab(help, QStringLiteral("%1/languages-%2-help.png").arg(Artifacts, language));
        expectPicture(shot, QPoint(px(3743), px(7140)), QStringLiteral("DoneUp.jpg"), false,
                      QStringLiteral("help window"), QSize(px(1335), px(375)));
        names = shownNames();
        QVERIFY2(names.contains(QStringLiteral("push button: ") + done),
                 qPrintable(names.join(QLatin1Char('\n'))));
        QVERIFY2(names.filter(QRegularExpression(QStringLiteral(": ") +
                                                 QRegularExpression::escape(rules) + "$"))
                         .size() == 1,
                 qPrintable(names.join(QLatin1Char('\n'))));
        run.press(help, 3743, 7140, 1335, 375);
        main = run.waitFor(Kind::Main);

        // A hand: the prompt of the selection window, then the "begins"
        // plaque (GameRun knows it in the language) and nine cards.
        run.newGame(true, false);
        const Window select = run.waitFor(Kind::Select1);
        QThread::msleep(300);
        shot =
            m_x.grab(select, QStringLiteral("%1/languages-%2-select.png").arg(Artifacts, language));
        expectPicture(shot, QPoint(px(3000), px(300)), QStringLiteral("52start.jpg"), false,
                      QStringLiteral("selection window"));
        run.choose(1);
        run.choose(2);
        run.playHand();
        QVERIFY2(run.beginSeen == 1, "the begin picture in the language was not seen");
        QCOMPARE(run.placements, 9);
        run.process().terminate();
        QVERIFY(run.process().waitForFinished(8000));
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    qInfo("%s: %.1f s", qPrintable(language), clock.elapsed() / 1000.0);
}

QTEST_MAIN(LanguagesEndToEndTest)
#include "tst_e2e_languages.moc"
