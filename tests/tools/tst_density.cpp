// Checks the pictures at both densities: each picture has a double-size
// variant beside it that shows the same thing, and the design-size pictures
// look as they did before the variants were added.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const QString kProgramDir = QStringLiteral(QUORVEL_PROGRAM_DIR);
const QString kEmbeddedDir = QStringLiteral(QUORVEL_BINARY_DIR "/embedded");
// The design-size pictures as they were painted when the double-size ones
// were added. A picture changed on purpose is copied here from the build.
const QString kReferenceDir = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/tools/reference");

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

// How far a painted picture may stray from its reference. Text and smooth
// edges are drawn by FreeType and Qt's rasteriser, whose results differ by a
// few levels along edges from one machine to the next (processor, library
// builds, a second release of the same font); a changed picture (other
// words, moved or recoloured parts) differs over far more of its area.
struct Tolerance {
    double mean = 0;     // mean difference per colour channel and alpha, 0..255
    double farShare = 0; // share of pixels with a channel more than FarLevels off
    static constexpr int FarLevels = 64;

    static Tolerance between(const QImage& a, const QImage& b) {
        double sum = 0;
        qint64 far = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                const int d[] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))};
                sum += d[0] + d[1] + d[2] + d[3];
                if (*std::max_element(std::begin(d), std::end(d)) > FarLevels)
                    ++far;
            }
        const double pixels = double(a.width()) * a.height();
        return {sum / (4.0 * pixels), far / pixels};
    }
    bool within(const Tolerance& limit) const {
        return mean <= limit.mean && farShare <= limit.farShare;
    }
    QString text() const {
        return QStringLiteral("mean difference %1, %2 % of pixels far off")
            .arg(mean, 0, 'f', 2)
            .arg(farShare * 100, 0, 'f', 2);
    }
};

const Tolerance kSameDrawing{2.0, 0.03};

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
              "BlueOn.gif",        "52start.jpg",   "begin1.jpg",     "begin2.jpg",
              "ResetUp.jpg",       "ResetDn.jpg",   "ClearUp.jpg",    "ClearDn.jpg",
              "KeepUp.jpg",        "KeepDn.jpg",    "CancelUp.jpg",   "CancelDn.jpg",
              "JoinUp.jpg",        "JoinDn.jpg"})
            m_files << kProgramDir + "/images/" + n;
        for (const char* n :
             {"splash.jpg", "main.jpg", "options.jpg", "strip.jpg", "message.jpg", "winner.jpg",
              "redlight.gif", "bluelight.gif", "plate1.gif", "plate2.gif", "selframe.jpg",
              "icon.png", "stats.jpg", "recordplate.jpg", "hostgame.jpg", "joingame.jpg"})
            m_files << kEmbeddedDir + "/" + n;
        for (const QString& file : m_files)
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void pairs() {
        QFETCH(QString, file);
        checkPair(file, m_files);
        // Compiled into the program beside the design-size picture; the
        // window icon's PNG files as their raw pixels.
        if (file.startsWith(kEmbeddedDir)) {
            QFile qrc(kEmbeddedDir + "/embedded.qrc");
            QVERIFY(qrc.open(QIODevice::ReadOnly));
            QString compiled = QFileInfo(doubleSize(file)).fileName();
            if (compiled.endsWith(QLatin1String(".png")))
                compiled = compiled.chopped(4) + QStringLiteral(".argb");
            QVERIFY2(qrc.readAll().contains((">" + compiled + "</file>").toUtf8()),
                     qPrintable(compiled));
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

    // Each design-size picture against its reference, with a tolerance that
    // absorbs how one machine's drawing differs from another's; the
    // tolerance is also shown to refuse every other picture of the same size
    // and the picture itself mirrored, so that it still sees a real change.
    void designSizeUnchanged_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reference");
        for (const char* n :
             {"DoneUp.jpg",        "DoneDn.jpg",    "HelpUp.jpg",     "HelpDn.jpg",
              "NewGameUp.jpg",     "NewGameDn.jpg", "OptionsUp.jpg",  "OptionsDn.jpg",
              "ExitUp.jpg",        "ExitDn.jpg",    "FieldBlank.jpg", "PlaceHolder-r.jpg",
              "PlaceHolder-b.jpg", "RedOff.gif",    "RedOn.gif",      "BlueOff.gif",
              "BlueOn.gif",        "52start.jpg",   "begin1.jpg",     "begin2.jpg"})
            QTest::newRow(qPrintable(QStringLiteral("images/%1").arg(n)))
                << kProgramDir + "/images/" + n << kReferenceDir + "/images/" + n;
        for (const char* n : {"splash.jpg", "main.jpg", "options.jpg", "strip.jpg", "message.jpg",
                              "winner.jpg", "redlight.gif", "bluelight.gif", "plate1.gif",
                              "plate2.gif", "selframe.jpg", "icon.png"})
            QTest::newRow(qPrintable(QStringLiteral("@%1").arg(n)))
                << kEmbeddedDir + "/" + n << kReferenceDir + "/embedded/" + n;
    }

    void designSizeUnchanged() {
        QFETCH(QString, file);
        QFETCH(QString, reference);
        const QImage image = read(file);
        const QImage expected = read(reference);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QVERIFY2(!expected.isNull(), qPrintable(reference));
        QCOMPARE(image.size(), expected.size());
        const Tolerance found = Tolerance::between(image, expected);
        QVERIFY2(
            found.within(kSameDrawing),
            qPrintable(QStringLiteral("%1 against %2: %3").arg(file, reference, found.text())));

        const QImage mirrored = expected.mirrored(true, false);
        if (mirrored != expected) {
            const Tolerance moved = Tolerance::between(mirrored, expected);
            QVERIFY2(!moved.within(kSameDrawing),
                     qPrintable(QStringLiteral("%1 mirrored passes: %2").arg(file, moved.text())));
        }
        const QFileInfo info(reference);
        for (const QFileInfo& other :
             QDir(info.path())
                 .entryInfoList(
                     {QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.png")},
                     QDir::Files)) {
            const QImage otherImage = read(other.filePath());
            // The same picture under another name (the unlit lights) is no mix-up.
            if (other == info || otherImage.size() != expected.size() || otherImage == expected)
                continue;
            const Tolerance mixed = Tolerance::between(image, otherImage);
            QVERIFY2(!mixed.within(kSameDrawing),
                     qPrintable(QStringLiteral("%1 passes as %2: %3")
                                    .arg(file, other.fileName(), mixed.text())));
        }
    }
};

QTEST_MAIN(TstDensity)
#include "tst_density.moc"
