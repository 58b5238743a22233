// The windows on a high-density screen (device pixel ratio 2, from
// QT_SCALE_FACTOR=2 or from the screen itself; CTest runs this suite both
// ways). The same seeded game is played here and, for reference, in a child
// process of this program at normal density; every window must keep the
// reference's logical layout, show the double-size pictures and come out
// sharper than the reference scaled up.
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Controls.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "selection/FrmPlayer.h"
#include "store/StartupCheck.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const char* const kReferenceOption = "--reference";

QList<platform::Form*> allForms() {
    return {frmSplash, frmMain, frmOptions, frmPlayer1, frmPlayer2, frmHelp, frmMessage, frmWinner};
}

// The same game in both processes: a seeded deal, open hands, three cards
// placed. The main window then shows faces in both hands and on the board.
void playReferenceGame(Game& game) {
    platform::Random::instance().setSeed(1402);
    game.start();
    game.newGame(true, false);
    game.chooseCards(1);
    game.chooseCards(2);
    for (int i = 0; i < 3; ++i)
        game.placeNext();
}

// One line per window and per control on it: what it is, where it is in
// logical pixels, whether it shows.
QStringList layout() {
    QStringList lines;
    for (platform::Form* form : allForms()) {
        lines << QStringLiteral("%1 %2x%3")
                     .arg(form->objectName())
                     .arg(form->width())
                     .arg(form->height());
        const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i) {
            const QWidget* c = controls[i];
            const QRect g = c->geometry();
            lines << QStringLiteral("  %1 #%2 %3 %4,%5 %6x%7 %8")
                         .arg(form->objectName())
                         .arg(i)
                         .arg(QLatin1String(c->metaObject()->className()))
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(c->isHidden() ? "hidden" : "shown");
        }
    }
    return lines;
}

// Child process: the reference game at normal density, its layout and a
// capture of the main window written to `dir`.
int writeReference(const QString& dir) {
    Game game;
    playReferenceGame(game);
    QFile file(dir + "/layout.txt");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    file.write(layout().join('\n').toUtf8());
    file.close();
    if (!frmMain->grab().save(dir + "/main.png"))
        return 1;
    game.exit();
    return 0;
}

// Luma of a pixel, 0..255.
double luma(QRgb p) {
    return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
}

// Mean absolute difference of two pictures of equal size inside `area`.
double meanDifference(const QImage& a, const QImage& b, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += std::abs(luma(a.pixel(x, y)) - luma(b.pixel(x, y)));
    return sum / (area.width() * area.height());
}

// Mean squared difference of neighbouring pixels inside `area`. A sharp edge
// keeps its whole step between two pixels; an edge blurred by scaling spreads
// it over several, and the squares of the smaller steps add up to less.
double edgeEnergy(const QImage& img, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y < area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x) {
            const double here = luma(img.pixel(x, y));
            const double right = here - luma(img.pixel(x + 1, y));
            const double below = here - luma(img.pixel(x, y + 1));
            sum += right * right + below * below;
        }
    return sum / (area.width() * area.height());
}

QRect deviceRect(const QWidget* control, int ratio) {
    const QRect g = control->geometry();
    return QRect(g.topLeft() * ratio, g.size() * ratio);
}

} // namespace

class TstHidpi : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_reference;
    std::unique_ptr<Game> m_game;

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void hiddenWindowHoldsNoPictures();
    void layoutInLogicalPixels();
    void picturesFromDoubleFiles();
    void backgroundsFromDoubleFiles_data();
    void backgroundsFromDoubleFiles();
    void sharperThanScaledUp();
    void cacheBoundedInBytes();
    void damagedVariantLeavesDesignPicture();
};

void TstHidpi::initTestCase() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QVERIFY(m_reference.isValid());
    // The reference: this program at normal density, on a plain screen.
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(kReferenceOption), m_reference.path()});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    m_game = std::make_unique<Game>();
    playReferenceGame(*m_game);
}

void TstHidpi::cleanupTestCase() {
    m_game.reset();
    platform::Random::instance().reset();
}

void TstHidpi::layoutInLogicalPixels() {
    QFile file(m_reference.filePath("layout.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList reference = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList here = layout();
    QVERIFY(here.size() > 120);
    QCOMPARE(here.size(), reference.size());
    for (int i = 0; i < here.size(); ++i)
        QCOMPARE(here[i], reference[i]);
    // Every window is drawn with twice as many pixels each way.
    for (platform::Form* form : allForms()) {
        const QPixmap shot = form->grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), form->size() * 2);
    }
}

void TstHidpi::picturesFromDoubleFiles() {
    int files = 0;
    int embedded = 0;
    for (platform::Form* form : allForms()) {
        for (platform::Picture* picture : form->findChildren<platform::Picture*>()) {
            if (!picture->hasPicture())
                continue;
            const QString name = picture->pictureName();
            const bool isEmbedded = name.startsWith(QLatin1Char(':'));
            const QString designFile = isEmbedded ? name : platform::nativeFileName(name);
            const QString what = form->objectName() + ": " + name;
            // The program's own name stays; the file shown is the double-size one.
            QVERIFY2(!name.contains("@2x"), qPrintable(what));
            QCOMPARE(picture->pictureFile(), platform::highDensityName(designFile));
            QVERIFY2(QFile::exists(picture->pictureFile()), qPrintable(what));
            QCOMPARE(picture->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(picture->pixmap().size(), QImageReader(designFile).size() * 2);
            ++(isEmbedded ? embedded : files);
        }
    }
    // Buttons, board places, faces and backs, lights, plates and frames.
    QVERIFY2(files >= 30, qPrintable(QString::number(files)));
    QVERIFY2(embedded >= 20, qPrintable(QString::number(embedded)));
    // The window icon offers its double-size picture as well, with the pixels
    // of the PNG sources as Qt would make an icon of the files.
    const QIcon windowIcon = frmMain->windowIcon();
    QVERIFY(windowIcon.availableSizes().contains(QSize(64, 64)));
    const QIcon source(QStringLiteral(QUORVEL_BINARY_DIR "/embedded/icon.png"));
    QCOMPARE(windowIcon.availableSizes(), source.availableSizes());
    for (const QSize& size : source.availableSizes()) {
        QCOMPARE(windowIcon.pixmap(size).devicePixelRatio(),
                 source.pixmap(size).devicePixelRatio());
        QCOMPARE(windowIcon.pixmap(size).toImage(), source.pixmap(size).toImage());
    }
}

void TstHidpi::backgroundsFromDoubleFiles_data() {
    QTest::addColumn<platform::Form*>("form");
    QTest::addColumn<QString>("picture");
    QTest::newRow("frmSplash") << static_cast<platform::Form*>(frmSplash) << "splash";
    QTest::newRow("frmMain") << static_cast<platform::Form*>(frmMain) << "main";
    QTest::newRow("frmOptions") << static_cast<platform::Form*>(frmOptions) << "options";
    QTest::newRow("frmPlayer1") << static_cast<platform::Form*>(frmPlayer1) << "strip";
    QTest::newRow("frmPlayer2") << static_cast<platform::Form*>(frmPlayer2) << "strip";
    QTest::newRow("frmHelp") << static_cast<platform::Form*>(frmHelp) << "main";
    QTest::newRow("frmMessage") << static_cast<platform::Form*>(frmMessage) << "message";
    QTest::newRow("frmWinner") << static_cast<platform::Form*>(frmWinner) << "winner";
    QTest::newRow("frmStats") << static_cast<platform::Form*>(statsForm()) << "stats";
}

// Where no control lies, the window shows its double-size background pixel
// for pixel, and not the design-size one scaled up.
void TstHidpi::backgroundsFromDoubleFiles() {
    QFETCH(platform::Form*, form);
    QFETCH(QString, picture);
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSize size = shot.size();
    const QImage sharp = QImage(":/embedded/" + picture + "@2x.jpg")
                             .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    const QImage blurred = QImage(":/embedded/" + picture + ".jpg")
                               .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    QRegion bare(QRect(QPoint(0, 0), size));
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isHidden())
            bare -= deviceRect(control, 2);
    double toSharp = 0;
    double toBlurred = 0;
    qint64 pixels = 0;
    for (const QRect& r : bare) {
        toSharp += meanDifference(shot, sharp, r) * r.width() * r.height();
        toBlurred += meanDifference(shot, blurred, r) * r.width() * r.height();
        pixels += qint64(r.width()) * r.height();
    }
    QVERIFY(pixels > size.width() * size.height() / 10);
    toSharp /= pixels;
    toBlurred /= pixels;
    QVERIFY2(toSharp < 0.5 && toBlurred > 4 * toSharp,
             qPrintable(QString("difference to the double-size picture %1, to the design-size "
                                "one scaled up %2")
                            .arg(toSharp)
                            .arg(toBlurred)));
}

// The main window against the normal-density capture of the same game scaled
// up: the same picture at a glance, but the faces, their edge numbers and the
// labels keep sharp edges where the scaled-up capture has soft ones.
void TstHidpi::sharperThanScaledUp() {
    const QImage reference(m_reference.filePath("main.png"));
    QVERIFY(!reference.isNull());
    QCOMPARE(reference.size(), frmMain->size());
    const QImage shot = frmMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage scaledUp =
        reference.scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    const QImage scaledDown =
        shot.scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    // At a glance: the same cards in the same places.
    const double glance = meanDifference(
        scaledDown, reference.convertToFormat(QImage::Format_RGB32), reference.rect());
    QVERIFY2(glance < 6, qPrintable(QString::number(glance)));

    QList<QWidget*> areas;
    for (int l = 1; l <= 9; ++l)
        if (frmMain->imgBoard[l]->pictureName().contains("cards"))
            areas << frmMain->imgBoard[l];
    for (int s = 1; s <= 5; ++s)
        for (platform::Picture* hand : {frmMain->imgP1[s], frmMain->imgP2[s]})
            if (hand->pictureName().contains("cards"))
                areas << hand;
    areas << frmMain->lblPlayer1Name << frmMain->lblPlayer2Name << frmMain->lblPlayer1Score
          << frmMain->imgNewGame;
    QVERIFY(areas.size() >= 10);
    for (QWidget* area : areas) {
        const QRect r = deviceRect(area, 2).intersected(QRect(QPoint(0, 0), shot.size()));
        const double sharp = edgeEnergy(shot, r);
        const double blurred = edgeEnergy(scaledUp, r);
        const double difference = meanDifference(shot, scaledUp, r);
        const QString what = QString("%1 at %2,%3: edge energy %4 against %5 scaled up, "
                                     "difference %6")
                                 .arg(area->metaObject()->className())
                                 .arg(area->x())
                                 .arg(area->y())
                                 .arg(sharp)
                                 .arg(blurred)
                                 .arg(difference);
        QVERIFY2(sharp > 1.5 * blurred && difference > 3, qPrintable(what));
    }
}

// Faces that a window still holds are found again however many there are,
// at no cost to the cache, which shares them. Faces no window holds any more
// are kept within a bound, the least recently used given up first; a
// double-size face counts four times the bytes, and the bound grows fourfold
// once such faces are shown, so that it keeps as many of them.
void TstHidpi::cacheBoundedInBytes() {
    platform::clearPictureCache();
    const QString cards = platform::programFolder() + "/cards/";
    auto face = [&cards](int id) {
        return platform::loadPictureFile(cards + QString("%1r.jpg").arg(id, 4, 10, QChar('0')),
                                         2.0);
    };
    const qsizetype faceBytes = 132 * 216 * 4;
    QList<QPixmap> held;
    for (int id = 1; id <= 30; ++id) {
        held << face(id);
        QCOMPARE(held.last().size(), QSize(132, 216));
        QCOMPARE(platform::pictureCacheBytes(), qsizetype(0));
    }
    QVERIFY(30 * faceBytes > platform::pictureCacheLimit());
    // Still decoded: loading again returns the same pixmaps.
    for (int id = 1; id <= 30; ++id)
        QCOMPARE(face(id).cacheKey(), held[id - 1].cacheKey());
    QList<qint64> keys;
    for (const QPixmap& pixmap : std::as_const(held))
        keys << pixmap.cacheKey();
    held.clear();
    // Let go, they are given up as other faces come, oldest first.
    QList<qint64> laterKeys;
    for (int id = 31; id <= 60; ++id) {
        laterKeys << face(id).cacheKey();
        QVERIFY(platform::pictureCacheBytes() <= platform::pictureCacheLimit());
    }
    QVERIFY(platform::pictureCacheLimit() >= 4 * faceBytes);
    QCOMPARE(face(60).cacheKey(), laterKeys.last());
    QCOMPARE(face(59).cacheKey(), laterKeys[laterKeys.size() - 2]);
    QVERIFY(face(31).cacheKey() != laterKeys.first());
    QVERIFY(face(1).cacheKey() != keys.first());
    // Design-size faces are found under their own name beside the others.
    const QPixmap small = platform::loadPictureFile(cards + "0001r.jpg", 1.0);
    QCOMPARE(small.size(), QSize(66, 108));
    QCOMPARE(small.devicePixelRatio(), 1.0);
}

// A hidden window keeps the names of its pictures and lets the decoded
// pictures go; shown and drawn again, it decodes the same files at the same
// density and looks exactly as before.
void TstHidpi::hiddenWindowHoldsNoPictures() {
    QVERIFY(frmMain->isVisible());
    const QList<platform::Picture*> pictures = frmMain->findChildren<platform::Picture*>();
    QStringList names, files;
    QList<QImage> images;
    for (platform::Picture* picture : pictures) {
        names << picture->pictureName();
        files << picture->pictureFile();
        images << picture->pixmap().toImage();
    }
    QVERIFY(std::count_if(pictures.begin(), pictures.end(),
                          [](platform::Picture* p) { return p->decoded(); }) >= 15);
    const QImage before = frmMain->grab().toImage();
    // The offer of each player was let go when his window hid after Done.
    for (platform::Form* form : {frmPlayer1, frmPlayer2}) {
        QVERIFY(!form->isVisible());
        for (platform::Picture* picture : form->findChildren<platform::Picture*>())
            QVERIFY2(!picture->decoded(), qPrintable(picture->pictureName()));
        QVERIFY(form->findChildren<platform::Picture*>()[0]->hasPicture());
    }

    frmMain->Hide();
    for (int i = 0; i < pictures.size(); ++i) {
        QVERIFY2(!pictures[i]->decoded(), qPrintable(names[i]));
        QCOMPARE(pictures[i]->pictureName(), names[i]);
        QCOMPARE(pictures[i]->hasPicture(), !names[i].isEmpty());
    }
    frmMain->Show();
    // Drawn, the window decodes what it shows and looks exactly as before.
    QVERIFY(frmMain->grab().toImage() == before);
    for (int i = 0; i < pictures.size(); ++i) {
        if (pictures[i]->isVisibleTo(frmMain))
            QCOMPARE(pictures[i]->decoded(), !images[i].isNull());
        QCOMPARE(pictures[i]->pictureFile(), files[i]);
        QCOMPARE(pictures[i]->pixmap().devicePixelRatio(), images[i].isNull() ? 1.0 : 2.0);
        QVERIFY2(pictures[i]->pixmap().toImage() == images[i], qPrintable(names[i]));
    }
}

// A double-size picture that is missing does not stop the game: the
// design-size picture is shown in its place, and the others stay sharp. One
// that is damaged is found by the start-up check, as the design-size picture
// would be; one damaged while the game runs gives way to the design-size
// picture when it is loaded.
void TstHidpi::damagedVariantLeavesDesignPicture() {
    m_game.reset();
    Game game;
    // A copy of the run-time pictures of its own to damage; the card faces
    // stay linked from the build.
    const QString images = game.folder().file("images/");
    QVERIFY(QFile::remove(game.folder().file("images")));
    QVERIFY(QDir().mkpath(images));
    const QDir built(QStringLiteral(QUORVEL_PROGRAM_DIR "/images"));
    for (const QString& file : built.entryList(QDir::Files))
        QVERIFY(QFile::copy(built.filePath(file), images + file));
    auto damage = [&images](const QString& file) {
        QFile damaged(images + file);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a picture");
    };
    QVERIFY(QFile::remove(images + "HelpUp@2x.jpg"));

    damage(QStringLiteral("NewGameUp@2x.jpg"));
    {
        FatalCatcher catcher;
        const QString problem = store::firstStartupProblem();
        QVERIFY2(problem.contains(images + "NewGameUp@2x.jpg") &&
                     problem.contains(QStringLiteral("not a picture")),
                 qPrintable(problem));
        store::closeAll();
    }
    QVERIFY(QFile::remove(images + "NewGameUp@2x.jpg"));
    QVERIFY(QFile::copy(built.filePath("NewGameUp@2x.jpg"), images + "NewGameUp@2x.jpg"));

    game.start();
    QCOMPARE(frmMain->imgHelp->pictureFile(),
             platform::nativeFileName(frmMain->imgHelp->pictureName()));
    QCOMPARE(frmMain->imgHelp->pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(frmMain->imgHelp->pixmap().size(), QSize(93, 25));
    QCOMPARE(frmMain->imgOptions->pixmap().devicePixelRatio(), 2.0);
    QVERIFY(frmMain->isVisible());

    damage(QStringLiteral("NewGameDn@2x.jpg"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NewGameDn@2x.jpg\" cannot be loaded"));
    Game::press(frmMain->imgNewGame);
    QCOMPARE(frmMain->imgNewGame->pictureFile(),
             platform::nativeFileName(frmMain->imgNewGame->pictureName()));
    QCOMPARE(frmMain->imgNewGame->pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(frmMain->imgNewGame->pixmap().size(), QSize(93, 25));
    QVERIFY(frmMain->isVisible());
}

int main(int argc, char* argv[]) {
    // Run by hand, the suite makes its own high-density screen.
    const bool reference = argc == 3 && qstrcmp(argv[1], kReferenceOption) == 0;
    if (!reference && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") &&
        !qgetenv("QT_QPA_PLATFORM").contains("configfile"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (reference)
        return writeReference(QString::fromLocal8Bit(argv[2]));
    TstHidpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
