// Checks the generated program data: every picture the game loads exists with
// its format and size, and the card database has the tables and records the
// game relies on.
#include "GifWriter.h"
#include "platform/RawPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace {

const QString kProgramDir = QStringLiteral(QUORVEL_PROGRAM_DIR);
const QString kEmbeddedDir = QStringLiteral(QUORVEL_BINARY_DIR "/embedded");

const QStringList kCardColumns = {"fldID",   "fldLevel", "fldName", "fldElement", "fldNorth",
                                  "fldEast", "fldSouth", "fldWest", "fldPath"};

} // namespace

// Outside any namespace, as Qt's resource registration requires.
static void initEmbedded() {
    Q_INIT_RESOURCE(embedded);
}

class TstCatalogue : public QObject {
    Q_OBJECT

  private:
    QSqlDatabase db_;

    void checkPicture(const QString& file, const QByteArray& format, QSize size) {
        QVERIFY2(QFileInfo::exists(file), qPrintable(file + " is missing"));
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(file + ": " + reader.errorString()));
        QCOMPARE(img.size(), size);
    }

    QStringList columns(const QString& table) {
        QStringList names;
        const QSqlRecord rec = db_.record(table);
        for (int i = 0; i < rec.count(); ++i)
            names << rec.fieldName(i);
        return names;
    }

  private slots:
    void initTestCase() {
        // The pictures compiled into the program, as the game registers them.
        initEmbedded();
        db_ = QSqlDatabase::addDatabase("QSQLITE", "catalogue");
        db_.setDatabaseName(kProgramDir + "/Cards.mdb");
        db_.setConnectOptions("QSQLITE_OPEN_READONLY");
        QVERIFY(QFileInfo::exists(kProgramDir + "/Cards.mdb"));
        QVERIFY(db_.open());
    }

    void cleanupTestCase() {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase("catalogue");
    }

    void runtimePictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        for (const char* b : {"Done", "Help", "NewGame", "Options", "Exit", "Reset", "Clear",
                              "Keep", "Cancel", "Join"}) {
            for (const char* state : {"Up", "Dn"}) {
                const QString n = QString("%1%2.jpg").arg(b, state);
                QTest::newRow(qPrintable(n)) << n << QByteArray("jpeg") << QSize(93, 25);
            }
        }
        for (const char* n : {"FieldBlank.jpg", "PlaceHolder-r.jpg", "PlaceHolder-b.jpg"})
            QTest::newRow(n) << QString(n) << QByteArray("jpeg") << QSize(66, 108);
        for (const char* n : {"RedOff.gif", "RedOn.gif", "BlueOff.gif", "BlueOn.gif"})
            QTest::newRow(n) << QString(n) << QByteArray("gif") << QSize(25, 25);
        for (const char* n : {"52start.jpg", "begin1.jpg", "begin2.jpg"})
            QTest::newRow(n) << QString(n) << QByteArray("jpeg") << QSize(200, 67);
    }

    void runtimePictures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        checkPicture(kProgramDir + "/images/" + name, format, size);
    }

    void embeddedPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << "splash.jpg" << QByteArray("jpeg") << QSize(450, 300);
        QTest::newRow("main") << "main.jpg" << QByteArray("jpeg") << QSize(591, 525);
        QTest::newRow("options") << "options.jpg" << QByteArray("jpeg") << QSize(312, 412);
        QTest::newRow("strip") << "strip.jpg" << QByteArray("jpeg") << QSize(588, 221);
        QTest::newRow("message") << "message.jpg" << QByteArray("jpeg") << QSize(350, 67);
        QTest::newRow("winner") << "winner.jpg" << QByteArray("jpeg") << QSize(551, 258);
        QTest::newRow("stats") << "stats.jpg" << QByteArray("jpeg") << QSize(600, 300);
        QTest::newRow("recordplate") << "recordplate.jpg" << QByteArray("jpeg") << QSize(352, 21);
        QTest::newRow("hostgame") << "hostgame.jpg" << QByteArray("jpeg") << QSize(420, 300);
        QTest::newRow("joingame") << "joingame.jpg" << QByteArray("jpeg") << QSize(420, 400);
        QTest::newRow("redlight") << "redlight.gif" << QByteArray("gif") << QSize(25, 25);
        QTest::newRow("bluelight") << "bluelight.gif" << QByteArray("gif") << QSize(25, 25);
        QTest::newRow("plate1") << "plate1.gif" << QByteArray("gif") << QSize(125, 33);
        QTest::newRow("plate2") << "plate2.gif" << QByteArray("gif") << QSize(129, 32);
        QTest::newRow("selframe") << "selframe.jpg" << QByteArray("jpeg") << QSize(110, 180);
    }

    void embeddedPictures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        checkPicture(kEmbeddedDir + "/" + name, format, size);
        // The resource list compiled into the program names every embedded picture.
        QFile qrc(kEmbeddedDir + "/embedded.qrc");
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        QVERIFY(qrc.readAll().contains(("<file>" + name + "</file>").toUtf8()));
    }

    // The window icon: its PNG files are the source, and the program carries
    // their pixels raw, uncompressed, so that it needs no image reader for it.
    void windowIcon_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("icon") << "icon" << QSize(32, 32);
        QTest::newRow("icon@2x") << "icon@2x" << QSize(64, 64);
    }

    void windowIcon() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString png = kEmbeddedDir + "/" + name + ".png";
        checkPicture(png, QByteArray("png"), size);
        QFile qrc(kEmbeddedDir + "/embedded.qrc");
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        const QByteArray list = qrc.readAll();
        QVERIFY(list.contains(
            ("<file compression-algorithm=\"none\">" + name + ".argb</file>").toUtf8()));
        QVERIFY(!list.contains((">" + name + ".png</file>").toUtf8()));

        const QResource raw(":/embedded/" + name + ".argb");
        QVERIFY2(raw.isValid(), qPrintable(raw.fileName() + " is not in the program"));
        QCOMPARE(raw.compressionAlgorithm(), QResource::NoCompression);
        const QImage shown = platform::decodeRawPicture(raw.uncompressedData());
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.size(), size);
        QImageReader reader(png);
        QImage source = reader.read().convertToFormat(QImage::Format_ARGB32);
        // The reader takes a ratio of 2 from the "@2x" name; the raw picture
        // holds pixels only (the window icon's sizes are checked with its windows).
        source.setDevicePixelRatio(1);
        QCOMPARE(shown, source);
        // Some pixels are see-through and some not, so that a picture read in
        // the wrong byte order or without its alpha could not pass.
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shown.pixel(size.width() / 2, size.height() / 2)), 255);
    }

    // A raw picture cut short, with a damaged header or in the other byte
    // order is refused, not read past its end or shown scrambled.
    void rawPictureDamage() {
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(QColor(10, 20, 30, 40));
        const QByteArray whole = platform::encodeRawPicture(image);
        QCOMPARE(platform::decodeRawPicture(whole), image);
        QVERIFY(platform::decodeRawPicture(whole.chopped(1)).isNull());
        QVERIFY(platform::decodeRawPicture(whole + QByteArray(4, 0)).isNull());
        QVERIFY(platform::decodeRawPicture(whole.left(8)).isNull());
        QByteArray swapped = whole;
        std::reverse(swapped.begin(), swapped.begin() + 4);
        QVERIFY(platform::decodeRawPicture(swapped).isNull());
        QByteArray huge = whole;
        const quint32 side = 1u << 20;
        std::memcpy(huge.data() + 4, &side, sizeof side);
        QVERIFY(platform::decodeRawPicture(huge).isNull());
    }

    void tablesExist() {
        const QStringList tables = db_.tables();
        for (const char* t : {"CardBase", "AllCards", "P1Stock", "P2Stock", "P1Hand", "P2Hand",
                              "CleanBoard", "DirtyBoard"})
            QVERIFY2(tables.contains(t), t);
        QCOMPARE(columns("CardBase"), QStringList{"fldInfo"});
        QCOMPARE(columns("AllCards"), QStringList{"fldAutoNumber"} + kCardColumns);
    }

    void allCards() {
        QSqlQuery q(db_);
        QVERIFY(q.exec("SELECT fldAutoNumber, fldID, fldLevel, fldNorth, fldEast, fldSouth, "
                       "fldWest, fldPath, fldName FROM AllCards ORDER BY rowid"));
        QSet<int> ids;
        QSet<QString> names;
        int expected = 1;
        while (q.next()) {
            QCOMPARE(q.value(0).toInt(), expected);
            const int id = q.value(1).toInt();
            QVERIFY(id != 0);
            QVERIFY2(!ids.contains(id), qPrintable(QString("duplicate id %1").arg(id)));
            ids.insert(id);
            const int level = q.value(2).toInt();
            QVERIFY(level >= 1 && level <= 10);
            for (int e = 3; e <= 6; ++e) {
                const int v = q.value(e).toInt();
                QVERIFY2(v >= 1 && v <= 10, qPrintable(QString("card %1 edge %2").arg(id).arg(v)));
            }
            QCOMPARE(q.value(7).toString(),
                     QString("\\cards\\%1").arg(expected, 4, 10, QChar('0')));
            QVERIFY(!q.value(8).toString().isEmpty());
            names.insert(q.value(8).toString());
            ++expected;
        }
        QCOMPARE(expected - 1, 606);
        QCOMPARE(names.size(), 606);
    }

    void cardFaces() {
        QSqlQuery q(db_);
        QVERIFY(q.exec("SELECT fldPath FROM AllCards ORDER BY fldAutoNumber"));
        int count = 0;
        while (q.next()) {
            const QString stem = kProgramDir + q.value(0).toString().replace('\\', '/');
            for (const char* colour : {"r", "b"}) {
                const QString file = stem + colour + ".jpg";
                QVERIFY2(QFileInfo::exists(file), qPrintable(file + " is missing"));
                QImageReader reader(file);
                QCOMPARE(reader.format(), QByteArray("jpeg"));
                QCOMPARE(reader.size(), QSize(66, 108));
                ++count;
            }
        }
        QCOMPARE(count, 1212);
    }

    void slotTables_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("places");
        QTest::addColumn<bool>("owner");
        QTest::newRow("P1Stock") << "P1Stock" << 8 << false;
        QTest::newRow("P2Stock") << "P2Stock" << 8 << false;
        QTest::newRow("P1Hand") << "P1Hand" << 5 << false;
        QTest::newRow("P2Hand") << "P2Hand" << 5 << false;
        QTest::newRow("CleanBoard") << "CleanBoard" << 9 << true;
        QTest::newRow("DirtyBoard") << "DirtyBoard" << 9 << true;
    }

    void slotTables() {
        QFETCH(QString, table);
        QFETCH(int, places);
        QFETCH(bool, owner);
        QStringList expected = QStringList{"fldLocation"} + kCardColumns;
        if (owner)
            expected << "fldOwner";
        QCOMPARE(columns(table), expected);
        QSqlQuery q(db_);
        QVERIFY(q.exec(QString("SELECT * FROM %1 ORDER BY rowid").arg(table)));
        int location = 0;
        while (q.next()) {
            ++location;
            const QSqlRecord r = q.record();
            QCOMPARE(r.value("fldLocation").toInt(), location);
            for (const char* n :
                 {"fldID", "fldLevel", "fldNorth", "fldEast", "fldSouth", "fldWest"}) {
                QVERIFY2(!r.isNull(n), n);
                QCOMPARE(r.value(n).toInt(), 0);
            }
            for (const char* n : {"fldName", "fldElement", "fldPath"}) {
                QVERIFY2(!r.isNull(n), n);
                QCOMPARE(r.value(n).toString(), QString());
            }
            if (owner) {
                QVERIFY(!r.isNull("fldOwner"));
                QCOMPARE(r.value("fldOwner").toInt(), 0);
            }
        }
        QCOMPARE(location, places);
    }

    // The GIF writer: equal images give equal bytes, a picture of few colours
    // comes back pixel for pixel (transparency included), and one of many
    // colours comes back close, within GIF's 256.
    void gifWriter_data() {
        QTest::addColumn<bool>("manyColours");
        QTest::newRow("few colours, transparent corners") << false;
        QTest::newRow("many colours") << true;
    }

    void gifWriter() {
        QFETCH(bool, manyColours);
        QImage image(61, 37, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool corner = !manyColours && (x < 5 && y < 5);
                const QColor colour =
                    manyColours ? QColor(x * 4, y * 6, (x * y) % 256)
                                : QColor::fromHsv(((x / 8) * 40 + y / 10 * 7) % 360, 200, 220);
                image.setPixel(x, y, corner ? qRgba(0, 0, 0, 0) : colour.rgba());
            }
        const QByteArray first = encodeGif(image);
        QVERIFY(!first.isEmpty());
        QCOMPARE(encodeGif(image), first);
        QCOMPARE(encodeGif(image.copy()), first);

        QBuffer buffer;
        buffer.setData(first);
        QImageReader reader(&buffer, "gif");
        const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(back.size(), image.size());
        QSet<QRgb> colours;
        int worst = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y);
                const QRgb b = back.pixel(x, y);
                colours.insert(b);
                if (qAlpha(a) == 0) {
                    QCOMPARE(qAlpha(b), 0);
                    continue;
                }
                QCOMPARE(qAlpha(b), 255);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)),
                                  std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY(colours.size() <= 256);
        // The median cut works on 5 bits per channel; a pixel given another
        // pixel's index would be off by far more.
        if (manyColours)
            QVERIFY2(worst <= 48, qPrintable(QString::number(worst)));
        else
            QCOMPARE(worst, 0);
    }
};

QTEST_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
