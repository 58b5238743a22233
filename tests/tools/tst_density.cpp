// Checks the pictures at both densities: each picture has a double-size
// variant beside it that shows the same thing, and the design-size pictures
// look exactly as they did before the variants were added.
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

#include <cmath>

namespace {

const QString kProgramDir = QStringLiteral(QUORVEL_PROGRAM_DIR);
const QString kEmbeddedDir = QStringLiteral(QUORVEL_BINARY_DIR "/embedded");

QString doubleSize(const QString& file) {
    const qsizetype dot = file.lastIndexOf('.');
    return file.left(dot) + "@2x" + file.mid(dot);
}

QImage read(const QString& file, QByteArray* format = nullptr) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (format)
        *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Of the decoded pixels, so that it holds whatever encoder wrote the file.
QByteArray pixelHash(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)),
                                    image.width() * 4));
    return hash.result().toHex().left(16);
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TstDensity : public QObject {
    Q_OBJECT

  private:
    QStringList m_files;

    // The design-size picture and its double-size variant: same format,
    // exactly twice the size, and, reduced to the design size, closer to its
    // own design-size picture than to any of `others` (pictures of the same
    // size that it could have been mixed up with).
    void checkPair(const QString& file, const QStringList& others) {
        QByteArray format;
        QByteArray format2x;
        const QImage design = read(file, &format);
        const QImage sharp = read(doubleSize(file), &format2x);
        QVERIFY2(!design.isNull(), qPrintable(file));
        QVERIFY2(!sharp.isNull(), qPrintable(doubleSize(file) + " is missing or unreadable"));
        QCOMPARE(format2x, format);
        QCOMPARE(sharp.size(), design.size() * 2);
        const QImage reduced =
            sharp.scaled(design.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double own = meanDifference(reduced, design);
        QVERIFY2(own < 12, qPrintable(QString("%1: mean difference %2").arg(file).arg(own)));
        for (const QString& other : others) {
            const QImage otherDesign = read(other);
            // The same picture under another name (the unlit lights) is no mix-up.
            if (otherDesign.size() != design.size() || otherDesign == design)
                continue;
            const double difference = meanDifference(reduced, otherDesign);
            QVERIFY2(own < 0.75 * difference,
                     qPrintable(QString("%1 at double size: mean difference %2 to its own "
                                        "picture, %3 to %4")
                                    .arg(file)
                                    .arg(own)
                                    .arg(difference)
                                    .arg(other)));
        }
    }

  private slots:
    void pairs_data() {
        QTest::addColumn<QString>("file");
        for (const char* n :
             {"DoneUp.jpg",        "DoneDn.jpg",    "HelpUp.jpg",     "HelpDn.jpg",
              "NewGameUp.jpg",     "NewGameDn.jpg", "OptionsUp.jpg",  "OptionsDn.jpg",
              "ExitUp.jpg",        "ExitDn.jpg",    "FieldBlank.jpg", "PlaceHolder-r.jpg",
              "PlaceHolder-b.jpg", "RedOff.gif",    "RedOn.gif",      "BlueOff.gif",
              "BlueOn.gif",        "52start.jpg",   "begin1.jpg",     "begin2.jpg"})
            m_files << kProgramDir + "/images/" + n;
        for (const char* n : {"splash.jpg", "main.jpg", "options.jpg", "strip.jpg", "message.jpg",
                              "winner.jpg", "redlight.gif", "bluelight.gif", "plate1.gif",
                              "plate2.gif", "selframe.jpg", "icon.png"})
            m_files << kEmbeddedDir + "/" + n;
        for (const QString& file : m_files)
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void pairs() {
        QFETCH(QString, file);
        checkPair(file, m_files);
        // Compiled into the program beside the design-size picture.
        if (file.startsWith(kEmbeddedDir)) {
            QFile qrc(kEmbeddedDir + "/embedded.qrc");
            QVERIFY(qrc.open(QIODevice::ReadOnly));
            QVERIFY(qrc.readAll().contains(
                ("<file>" + QFileInfo(doubleSize(file)).fileName() + "</file>").toUtf8()));
        }
    }

    // Every face of every card, against the next card's face and its own
    // face in the other colour: the faces are painted on several threads, and
    // a variant written under another card's name must not pass.
    void cardFaces() {
        const QDir cards(kProgramDir + "/cards");
        const QStringList faces = cards.entryList({"????r.jpg", "????b.jpg"}, QDir::Files);
        QCOMPARE(faces.size(), 606 * 2);
        for (qsizetype i = 0; i < faces.size(); ++i) {
            const QString face = faces[i];
            QString otherColour = face;
            otherColour[4] = face[4] == 'r' ? 'b' : 'r';
            const QString next = faces[(i + 2) % faces.size()];
            checkPair(cards.filePath(face), {cards.filePath(otherColour), cards.filePath(next)});
            if (QTest::currentTestFailed())
                return;
        }
    }

    void designSizeUnchanged_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("hash");
        const struct {
            const char* file;
            const char* hash;
        } pictures[] = {
            {"images/DoneUp.jpg", "d7cad5b6745b8c28"},
            {"images/DoneDn.jpg", "7e30da4f6ea6c9fb"},
            {"images/HelpUp.jpg", "1b81558b63beccd7"},
            {"images/HelpDn.jpg", "fd7e3418b93673fb"},
            {"images/NewGameUp.jpg", "0f66a048aadee607"},
            {"images/NewGameDn.jpg", "4414fdfb2999ef5c"},
            {"images/OptionsUp.jpg", "7d5dcedd1b3c3d33"},
            {"images/OptionsDn.jpg", "49530f4ec2c95802"},
            {"images/ExitUp.jpg", "7c91edd9b50f9d62"},
            {"images/ExitDn.jpg", "ef6d11537c7e83fe"},
            {"images/FieldBlank.jpg", "26f3ea79032d3f5a"},
            {"images/PlaceHolder-r.jpg", "ed602d59696161ca"},
            {"images/PlaceHolder-b.jpg", "0b0a110912a1aee3"},
            {"images/RedOff.gif", "eea7ee080fa77458"},
            {"images/RedOn.gif", "4e56dec2f3120b0e"},
            {"images/BlueOff.gif", "fff23fdf3ac59485"},
            {"images/BlueOn.gif", "8c0f80d6a62f465f"},
            {"images/52start.jpg", "37b06d579fe30868"},
            {"images/begin1.jpg", "94830f887334cdf3"},
            {"images/begin2.jpg", "a0e409fdd141b7aa"},
            {"@main.jpg", "22b8f81df88f8893"},
            {"@options.jpg", "20615da7712005dd"},
            {"@strip.jpg", "891f96c2cdc405c4"},
            {"@message.jpg", "42e148e7a78552d5"},
            {"@winner.jpg", "a40ff5b1aec0cf37"},
            {"@redlight.gif", "eea7ee080fa77458"},
            {"@bluelight.gif", "fff23fdf3ac59485"},
            {"@plate1.gif", "2a0a04782cfa160d"},
            {"@plate2.gif", "72643ba9b539a094"},
            {"@selframe.jpg", "fcb8ce2e9293a3a8"},
            {"@icon.png", "7dbdc800b8588ab1"},
        };
        for (const auto& p : pictures) {
            const QString name = QString::fromLatin1(p.file);
            const QString file =
                name.startsWith('@') ? kEmbeddedDir + "/" + name.mid(1) : kProgramDir + "/" + name;
            QTest::newRow(p.file) << file << QByteArray(p.hash);
        }
    }

    void designSizeUnchanged() {
        QFETCH(QString, file);
        QFETCH(QByteArray, hash);
        const QImage image = read(file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(pixelHash(image), hash);
    }
};

QTEST_MAIN(TstDensity)
#include "tst_density.moc"
