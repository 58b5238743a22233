#include "platform/Controls.h"
#include "platform/Fatal.h"
#include "platform/Form.h"
#include "platform/JpegRows.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "support/ScreenMouse.h"

#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QResource>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include <jpeglib.h>

namespace {

// A window that counts what its handlers were asked to do.
class Probe : public platform::Form {
  public:
    explicit Probe(const QString& name) : platform::Form(name) { setFixedSize(200, 120); }
    int loads = 0;
    int activations = 0;
    int lostFocus = 0;
    int unloads = 0;
    int closeRequests = 0;

  protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    void Form_LostFocus() override { ++lostFocus; }
    void Form_Unload() override { ++unloads; }
    void Form_QueryClose() override { ++closeRequests; }
};

// A window with one of the program's backgrounds, `size` pixels.
class Backdrop : public platform::Form {
  public:
    Backdrop(const QString& picture, QSize size) : platform::Form(QStringLiteral("backdrop")) {
        setDesign(QStringLiteral("Backdrop"), size.width() * 15, size.height() * 15, picture);
    }
};

// The largest difference in any colour between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// The first pixel at which two pictures of one size differ, for the message
// of a failed comparison; empty when they are the same.
QString firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            if (x.pixel(column, row) != y.pixel(column, row))
                return QStringLiteral("at %1,%2: %3 against %4")
                    .arg(column)
                    .arg(row)
                    .arg(x.pixel(column, row), 8, 16)
                    .arg(y.pixel(column, row), 8, 16);
    return {};
}

// A window's background as it was drawn before it was kept in blocks: the
// whole picture decoded into three bytes a pixel and stretched over `size`,
// at the density of the screen.
QImage decodedWhole(const QString& picture, QSize size, int density) {
    const QResource sharp(platform::highDensityName(picture));
    const QResource resource(density == 2 && sharp.isValid() ? sharp.fileName() : picture);
    const QImage decoded = platform::decodeJpegRgb888(resource.uncompressedData());
    QImage whole(size * density, QImage::Format_RGB32);
    whole.setDevicePixelRatio(density);
    whole.fill(Qt::magenta);
    if (decoded.isNull())
        return {};
    QPainter painter(&whole);
    platform::drawStretched(painter, decoded, size * density, density, QRect(QPoint(), size));
    return whole;
}

// What the window shows on the screen now: the pixels of its backing store,
// as Qt composed them from its paints (stale ones included), at the screen's
// density.
QImage onScreen(QWidget* window) {
    QBackingStore* store = window->backingStore();
    if (store && store->paintDevice() && store->paintDevice()->devType() == QInternal::Image)
        return static_cast<const QImage*>(store->paintDevice())->copy();
    return window->screen()->grabWindow(window->winId()).toImage();
}

// A JPEG picture of `image` coded by libjpeg with the given colour sampling
// (of the first component), restart interval (in units of blocks), and
// progressive or not; Huffman tables made for the picture, so that its DC
// table lacks the sizes it does not use.
QByteArray encodeJpeg(const QImage& image, int h, int v, int restartInterval, bool progressive) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 88, TRUE);
    info.optimize_coding = TRUE;
    info.comp_info[0].h_samp_factor = h;
    info.comp_info[0].v_samp_factor = v;
    info.restart_interval = unsigned(restartInterval);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row[1] = {const_cast<uchar*>(rgb.constScanLine(int(info.next_scanline)))};
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    const QByteArray jpeg(reinterpret_cast<const char*>(out), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(out);
    return jpeg;
}

// A picture with smooth colour and sharp edges, different in every block.
QImage testPattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb((x * 7 + y * 3) & 0xFF, ((x / 5) % 2) * 180 + (y % 37),
                                (x * y / 3 + (x ^ y) * 11) & 0xFF));
    return image;
}

// The backgrounds of the game's windows, with their windows' sizes.
void backgroundRows() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board") << QStringLiteral(":/embedded/main.jpg") << QSize(592, 525);
    QTest::newRow("selection") << QStringLiteral(":/embedded/strip.jpg") << QSize(588, 220);
    QTest::newRow("options") << QStringLiteral(":/embedded/options.jpg") << QSize(312, 412);
    QTest::newRow("splash") << QStringLiteral(":/embedded/splash.jpg") << QSize(450, 300);
    QTest::newRow("message") << QStringLiteral(":/embedded/message.jpg") << QSize(350, 67);
    QTest::newRow("statistics") << QStringLiteral(":/embedded/stats.jpg") << QSize(600, 300);
    QTest::newRow("result") << QStringLiteral(":/embedded/winner.jpg") << QSize(551, 258);
    QTest::newRow("host") << QStringLiteral(":/embedded/hostgame.jpg") << QSize(420, 300);
    QTest::newRow("join, one pixel each way larger than its picture")
        << QStringLiteral(":/embedded/joingame.jpg") << QSize(421, 401);
}

// Presses and releases through the window, so that Qt routes the events the
// way it routes a player's mouse: to the control under the pointer, and the
// release to the control that got the press.
void pressAt(QWidget* window, QPoint p) {
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}
void releaseAt(QWidget* window, QPoint p) {
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}

QPoint centreIn(QWidget* window, QWidget* control) {
    return control->mapTo(window, control->rect().center());
}

bool isRed(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

// The bounding box of the pixels drawn in `ink` on a grab of `widget`.
QRect inkBox(QWidget* widget, const QColor& ink) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) > 128 && qAbs(qRed(c) - ink.red()) < 90 &&
                qAbs(qGreen(c) - ink.green()) < 90 && qAbs(qBlue(c) - ink.blue()) < 90)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void showActivatesOncePerActivation();
    void modalReturnsOnlyWhenHiddenAndReactivatesTheWindowBeneath();
    void timersTickInsideAModalLoop();
    void modalClosedByItsHookDoesNotWait();
    void unloadThenShowLoadsAgain();
    void hiddenWindowLetsGoOfItsDrawing();
    void closeRequestIsIgnored();
    void pressesSoonAfterShowingAreIgnored_data();
    void pressesSoonAfterShowingAreIgnored();
    void showingRestoresAMinimisedWindow_data();
    void showingRestoresAMinimisedWindow();

    void pictureEventsCarryTheIndex_data();
    void pictureEventsCarryTheIndex();
    void releaseGoesToThePressedPicture_data();
    void releaseGoesToThePressedPicture();
    void disabledPictureLetsClicksThrough_data();
    void disabledPictureLetsClicksThrough();
    void stretchedAndNaturalDrawing_data();
    void stretchedAndNaturalDrawing();
    void missingPictureIsFatal();
    void pictureOfAHiddenWindowDecodedWhenDrawn();
    void backgroundHeldInBlocksIsTheWholePicture_data();
    void backgroundHeldInBlocksIsTheWholePicture();
    void blocksDecodeAsTheWholePicture_data();
    void blocksDecodeAsTheWholePicture();
    void backgroundDrawnExactlyAsDecodedWhole_data();
    void backgroundDrawnExactlyAsDecodedWhole();
    void backgroundExactAtOtherDensities_data();
    void backgroundExactAtOtherDensities();
    void partialRepaintDecodesOnlyTheBlocksAroundIt();
    void opaquePicturePaintsEveryPixel();
    void designFaceIsTheApplicationsFont();
    void doubleClickActsOnce_data();
    void doubleClickActsOnce();
    void quickClicksOnTwoPicturesAreTwoClicks();

    void labelShowsMarkupAsPlainText();
    void textBoxSelectsAllOnlyForItsOwnFocusArrivals();

    void randomDrawsAfterClockReseedDiffer();
    void randomDrawsAreUniform();
    void randomSeedAndQueueMakeDrawsReproducible();

    void nativeFileNameMapsBothSeparators_data();
    void nativeFileNameMapsBothSeparators();
    void programFolderHasNoTrailingSeparator_data();
    void programFolderHasNoTrailingSeparator();
};

void PlatformTest::cleanup() {
    platform::Form::setModalHook({});
    platform::Form::resetActivation();
    platform::Random::instance().reset();
    platform::setProgramFolder(QString());
    platform::setFatalHandler({});
}

void PlatformTest::showActivatesOncePerActivation() {
    Probe a(QStringLiteral("a"));
    Probe b(QStringLiteral("b"));
    a.Show();
    QVERIFY(a.isVisible());
    QCOMPARE(a.loads, 1);
    QCOMPARE(a.activations, 1);
    QCOMPARE(platform::Form::activeForm(), &a);

    // Already active: showing again is not a new activation.
    a.Show();
    QCOMPARE(a.activations, 1);

    b.Show();
    QCOMPARE(b.activations, 1);
    QCOMPARE(a.lostFocus, 1);
    QCOMPARE(platform::Form::activeForm(), &b);

    // Showing an already visible window that is not active activates it again.
    a.Show();
    QCOMPARE(a.activations, 2);
    QCOMPARE(b.lostFocus, 1);
    QCOMPARE(a.loads, 1);

    // Hiding the active window leaves no window active; hiding again does nothing.
    a.Hide();
    QVERIFY(!a.isVisible());
    QCOMPARE(a.lostFocus, 2);
    QCOMPARE(platform::Form::activeForm(), nullptr);
    a.Hide();
    QCOMPARE(a.lostFocus, 2);
}

void PlatformTest::modalReturnsOnlyWhenHiddenAndReactivatesTheWindowBeneath() {
    Probe owner(QStringLiteral("owner"));
    Probe modal(QStringLiteral("modal"));
    owner.Show();
    QCOMPARE(owner.activations, 1);

    bool shownInHook = false;
    bool modalInHook = false;
    platform::Form::setModalHook([&](platform::Form* form) {
        shownInHook = form == &modal && modal.isVisible();
        modalInHook = modal.isShownModally();
        QTimer::singleShot(150, &modal, [&] {
            // While the modal window is up the owner stays shown but inactive.
            QVERIFY(owner.isVisible());
            QCOMPARE(platform::Form::activeForm(), &modal);
            modal.Hide();
        });
    });
    QElapsedTimer clock;
    clock.start();
    modal.ShowModal();
    const qint64 waited = clock.elapsed();

    QVERIFY(shownInHook);
    QVERIFY(modalInHook);
    QVERIFY2(waited >= 140, qPrintable(QStringLiteral("returned after %1 ms").arg(waited)));
    QVERIFY(!modal.isVisible());
    QVERIFY(!modal.isShownModally());
    QCOMPARE(modal.activations, 1);
    QCOMPARE(owner.lostFocus, 1);
    QCOMPARE(owner.activations, 2);
    QCOMPARE(platform::Form::activeForm(), &owner);
}

void PlatformTest::timersTickInsideAModalLoop() {
    Probe owner(QStringLiteral("owner"));
    Probe modal(QStringLiteral("modal"));
    owner.Show();

    // The game's own timer kind and a plain one: both must keep running.
    platform::Timer gameTimer(&owner, 10, true);
    int gameTicks = 0;
    connect(&gameTimer, &platform::Timer::Tick, &owner, [&] { ++gameTicks; });
    QTimer plain;
    plain.setInterval(10);
    int plainTicks = 0;
    connect(&plain, &QTimer::timeout, &owner, [&] { ++plainTicks; });
    plain.start();

    // The hook leaves the window up; a timer closes it later.
    platform::Form::setModalHook([](platform::Form*) {});
    QTimer::singleShot(300, &modal, [&] { modal.Hide(); });
    modal.ShowModal();

    QVERIFY2(gameTicks >= 5, qPrintable(QString::number(gameTicks)));
    QVERIFY2(plainTicks >= 5, qPrintable(QString::number(plainTicks)));
    QCOMPARE(platform::Form::activeForm(), &owner);
}

void PlatformTest::modalClosedByItsHookDoesNotWait() {
    Probe owner(QStringLiteral("owner"));
    Probe modal(QStringLiteral("modal"));
    owner.Show();
    platform::Form::setModalHook([](platform::Form* form) { form->Hide(); });
    // A timer that would close the window much later must not be needed.
    QTimer::singleShot(5000, &modal, [&] { modal.Hide(); });
    QElapsedTimer clock;
    clock.start();
    modal.ShowModal();
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(!modal.isVisible());
    QCOMPARE(owner.activations, 2);
    QCOMPARE(platform::Form::activeForm(), &owner);
}

void PlatformTest::unloadThenShowLoadsAgain() {
    Probe form(QStringLiteral("form"));
    form.Load();
    form.Load();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible());

    form.Show();
    form.Unload();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
    QVERIFY(!form.isVisible());
    form.Unload();
    QCOMPARE(form.unloads, 1);

    form.Show();
    QCOMPARE(form.loads, 2);
    QVERIFY(form.isLoaded());
    QVERIFY(form.isVisible());
}

// A hidden window keeps its native window but not the pixels drawn for it;
// shown again, it is drawn whole, and the screen shows it exactly as before.
void PlatformTest::hiddenWindowLetsGoOfItsDrawing() {
    Probe form(QStringLiteral("drawn"));
    auto* label = new platform::Label(&form);
    label->setGeometry(10, 10, 180, 60);
    label->setFontSpec(QStringLiteral("Times New Roman"), 14, true);
    label->setForeColor(QColor(0xFF, 0, 0));
    label->setCaption(QStringLiteral("Drawn"));
    // What the window system has of the window: its backing store.
    auto onScreen = [&form] {
        QCoreApplication::processEvents();
        return form.screen()->grabWindow(form.winId()).toImage();
    };
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage before = onScreen();
    QCOMPARE(before.size(), form.size());
    QCOMPARE(form.backingStore()->size(), form.size());
    const WId native = form.winId();

    form.Hide();
    const QSize hidden = form.backingStore()->size();
    QVERIFY2(hidden.width() * hidden.height() <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(hidden.width()).arg(hidden.height())));
    QCOMPARE(form.winId(), native);

    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage after = onScreen();
    QCOMPARE(form.backingStore()->size(), form.size());
    QVERIFY(after == before);
}

void PlatformTest::closeRequestIsIgnored() {
    Probe form(QStringLiteral("form"));
    form.Show();
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QVERIFY(form.isLoaded());
    QCOMPARE(form.closeRequests, 1);
    QCOMPARE(form.unloads, 0);
    QCOMPARE(platform::Form::activeForm(), &form);
}

void PlatformTest::pressesSoonAfterShowingAreIgnored_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("gap");
    QTest::addColumn<bool>("acted");
    const int interval = screenmouse::doubleClickInterval();
    for (const char* how : {"shown", "modal closed"}) {
        QTest::addRow("%s, second click of a double-click", how) << how << 120 << false;
        QTest::addRow("%s, just inside the interval", how) << how << interval - 31 << false;
        QTest::addRow("%s, after the interval", how) << how << interval << true;
    }
}

// A button whose release hides its window and shows another (or closes a
// modal window over another) with a button at the same place on the screen:
// the second click of a double-click lands on the window beneath.
void PlatformTest::pressesSoonAfterShowingAreIgnored() {
    QFETCH(QString, how);
    QFETCH(int, gap);
    QFETCH(bool, acted);
    Probe front(QStringLiteral("front"));
    Probe beneath(QStringLiteral("beneath"));
    auto* done = new platform::Picture(&front);
    done->setGeometry(40, 40, 80, 30);
    auto* button = new platform::Picture(&beneath, 7);
    button->setGeometry(40, 40, 80, 30);
    const bool modal = how == QLatin1String("modal closed");
    connect(done, &platform::Picture::MouseUp, &front, [&] {
        front.Hide();
        if (!modal)
            beneath.Show();
    });
    QSignalSpy down(button, &platform::Picture::MouseDown);
    QSignalSpy up(button, &platform::Picture::MouseUp);
    QSignalSpy click(button, &platform::Picture::Click);
    QPoint at;
    if (modal) {
        beneath.Show();
        platform::Form::setModalHook([&](platform::Form*) {
            at = screenmouse::centreOf(done);
            screenmouse::doubleClick(at, gap);
        });
        front.ShowModal();
    } else {
        front.Show();
        at = screenmouse::centreOf(done);
        screenmouse::doubleClick(at, gap);
    }
    QCOMPARE(screenmouse::centreOf(button), at);
    QVERIFY(!front.isVisible());
    QVERIFY(beneath.isVisible());
    QCOMPARE(platform::Form::activeForm(), &beneath);
    QCOMPARE(down.size(), acted ? 1 : 0);
    QCOMPARE(up.size(), acted ? 1 : 0);
    QCOMPARE(click.size(), acted ? 1 : 0);

    // The window takes presses again once the interval is over.
    screenmouse::click(at, screenmouse::doubleClickInterval() + 50);
    QCOMPARE(down.size(), acted ? 2 : 1);
    QCOMPARE(click.size(), acted ? 2 : 1);
}

void PlatformTest::showingRestoresAMinimisedWindow_data() {
    QTest::addColumn<bool>("hiddenBetween");
    QTest::newRow("minimised, then hidden and shown") << true;
    QTest::newRow("minimised and shown again") << false;
}

void PlatformTest::showingRestoresAMinimisedWindow() {
    QFETCH(bool, hiddenBetween);
    Probe form(QStringLiteral("form"));
    form.Show();
    form.setWindowState(form.windowState() | Qt::WindowMinimized);
    QVERIFY(form.isMinimized());
    if (hiddenBetween)
        form.Hide();
    form.Show();
    QVERIFY(form.isVisible());
    QVERIFY(!form.isMinimized());
    QCOMPARE(platform::Form::activeForm(), &form);
}

void PlatformTest::pictureEventsCarryTheIndex_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("round light 0") << 0;
    QTest::newRow("hand slot 1") << 1;
    QTest::newRow("board square 9") << 9;
}

void PlatformTest::pictureEventsCarryTheIndex() {
    QFETCH(int, index);
    Probe form(QStringLiteral("form"));
    auto* picture = new platform::Picture(&form, index);
    picture->setGeometry(20, 20, 60, 60);
    form.Show();
    QSignalSpy down(picture, &platform::Picture::MouseDown);
    QSignalSpy up(picture, &platform::Picture::MouseUp);
    QSignalSpy click(picture, &platform::Picture::Click);

    pressAt(&form, centreIn(&form, picture));
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 0);
    QCOMPARE(click.size(), 0);
    releaseAt(&form, centreIn(&form, picture));
    QCOMPARE(up.size(), 1);
    QCOMPARE(click.size(), 1);
    QCOMPARE(down.first().first().toInt(), index);
    QCOMPARE(up.first().first().toInt(), index);
    QCOMPARE(click.first().first().toInt(), index);
}

void PlatformTest::releaseGoesToThePressedPicture_data() {
    QTest::addColumn<QString>("releaseOver");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("released on the pressed picture") << "pressed" << true;
    QTest::newRow("released on the other picture") << "other" << false;
    QTest::newRow("released on the bare window") << "window" << false;
}

void PlatformTest::releaseGoesToThePressedPicture() {
    QFETCH(QString, releaseOver);
    QFETCH(bool, clicked);
    Probe form(QStringLiteral("form"));
    auto* pressed = new platform::Picture(&form, 3);
    pressed->setGeometry(10, 10, 50, 50);
    auto* other = new platform::Picture(&form, 4);
    other->setGeometry(100, 10, 50, 50);
    form.Show();
    QSignalSpy pressedDown(pressed, &platform::Picture::MouseDown);
    QSignalSpy pressedUp(pressed, &platform::Picture::MouseUp);
    QSignalSpy pressedClick(pressed, &platform::Picture::Click);
    QSignalSpy otherDown(other, &platform::Picture::MouseDown);
    QSignalSpy otherUp(other, &platform::Picture::MouseUp);
    QSignalSpy otherClick(other, &platform::Picture::Click);

    pressAt(&form, centreIn(&form, pressed));
    const QPoint at = releaseOver == QLatin1String("pressed") ? centreIn(&form, pressed)
                      : releaseOver == QLatin1String("other") ? centreIn(&form, other)
                                                              : QPoint(180, 100);
    releaseAt(&form, at);

    QCOMPARE(pressedDown.size(), 1);
    QCOMPARE(pressedUp.size(), 1);
    QCOMPARE(pressedUp.first().first().toInt(), 3);
    QCOMPARE(pressedClick.size(), clicked ? 1 : 0);
    QCOMPARE(otherDown.size(), 0);
    QCOMPARE(otherUp.size(), 0);
    QCOMPARE(otherClick.size(), 0);
}

void PlatformTest::disabledPictureLetsClicksThrough_data() {
    QTest::addColumn<bool>("topEnabled");
    QTest::newRow("enabled picture on top takes the click") << true;
    QTest::newRow("disabled picture on top lets it through") << false;
}

void PlatformTest::disabledPictureLetsClicksThrough() {
    QFETCH(bool, topEnabled);
    Probe form(QStringLiteral("form"));
    auto* beneath = new platform::Picture(&form, 1);
    beneath->setGeometry(10, 10, 100, 100);
    auto* top = new platform::Picture(&form, 2);
    top->setGeometry(30, 30, 40, 40);
    top->raise();
    top->setEnabled(topEnabled);
    form.Show();
    QSignalSpy beneathDown(beneath, &platform::Picture::MouseDown);
    QSignalSpy beneathClick(beneath, &platform::Picture::Click);
    QSignalSpy topDown(top, &platform::Picture::MouseDown);
    QSignalSpy topClick(top, &platform::Picture::Click);

    const QPoint at = centreIn(&form, top);
    pressAt(&form, at);
    releaseAt(&form, at);

    QCOMPARE(topDown.size(), topEnabled ? 1 : 0);
    QCOMPARE(topClick.size(), topEnabled ? 1 : 0);
    QCOMPARE(beneathDown.size(), topEnabled ? 0 : 1);
    QCOMPARE(beneathClick.size(), topEnabled ? 0 : 1);
    if (!topEnabled)
        QCOMPARE(beneathClick.first().first().toInt(), 1);

    // Enabling it again makes it take the mouse once more.
    top->setEnabled(true);
    pressAt(&form, at);
    releaseAt(&form, at);
    QCOMPARE(topClick.size(), topEnabled ? 2 : 1);
    QCOMPARE(beneathClick.size(), topEnabled ? 0 : 1);
}

void PlatformTest::stretchedAndNaturalDrawing_data() {
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("red");
    QTest::newRow("stretched, top left") << true << QPoint(2, 2) << true;
    QTest::newRow("stretched, centre") << true << QPoint(25, 25) << true;
    QTest::newRow("stretched, bottom right") << true << QPoint(47, 47) << true;
    QTest::newRow("natural, inside the picture") << false << QPoint(5, 5) << true;
    QTest::newRow("natural, right of the picture") << false << QPoint(20, 5) << false;
    QTest::newRow("natural, below the picture") << false << QPoint(5, 20) << false;
    QTest::newRow("natural, bottom right") << false << QPoint(47, 47) << false;
}

void PlatformTest::stretchedAndNaturalDrawing() {
    QFETCH(bool, stretch);
    QFETCH(QPoint, pixel);
    QFETCH(bool, red);
    QTemporaryDir dir;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString file = dir.filePath(QStringLiteral("red.png"));
    QVERIFY(image.save(file));

    Probe form(QStringLiteral("form"));
    auto* picture = new platform::Picture(&form, 1);
    picture->setGeometry(0, 0, 50, 50);
    picture->setStretch(stretch);
    picture->LoadPicture(file);
    form.Show();
    QCOMPARE(picture->pictureName(), file);

    const QImage shown = picture->grab().toImage();
    QCOMPARE(shown.size(), QSize(50, 50));
    QCOMPARE(isRed(shown.pixel(pixel)), red);

    // A cleared picture shows nothing.
    picture->Clear();
    QVERIFY(picture->pictureName().isEmpty());
    QVERIFY(!isRed(picture->grab().toImage().pixel(pixel)));
}

void PlatformTest::backgroundHeldInBlocksIsTheWholePicture_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board, one column wider than its picture")
        << QStringLiteral(":/embedded/main.jpg") << QSize(592, 525);
    QTest::newRow("selection, one row lower than its picture")
        << QStringLiteral(":/embedded/strip.jpg") << QSize(588, 220);
    QTest::newRow("help, smaller both ways than its picture")
        << QStringLiteral(":/embedded/main.jpg") << QSize(588, 523);
    QTest::newRow("options, as large as its picture")
        << QStringLiteral(":/embedded/options.jpg") << QSize(312, 412);
}

// A background is kept coded in blocks and decoded for each paint: the window
// looks as it does with the picture decoded into four bytes a pixel and
// stretched over it, and so does each part of it drawn again alone; the window
// holds a small part of the bytes of the picture decoded in three.
void PlatformTest::backgroundHeldInBlocksIsTheWholePicture() {
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    platform::initialise();
    Backdrop form(picture, size);
    QCOMPARE(form.size(), size);
    const qreal ratio = form.devicePixelRatioF();
    const QPixmap decoded = platform::decodeEmbeddedPicture(picture, ratio);
    QVERIFY(!decoded.isNull());
    QImage whole(size * ratio, QImage::Format_RGB32);
    whole.setDevicePixelRatio(ratio);
    {
        QPainter painter(&whole);
        // Between the two densities the window scales its picture smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              ratio != platform::pictureDensity(ratio));
        painter.drawPixmap(QRect(QPoint(), size), decoded);
    }
    const QImage drawn = form.grab().toImage();
    QCOMPARE(drawn.size(), whole.size());
    QVERIFY2(largestDifference(drawn, whole) <= 2,
             qPrintable(QString::number(largestDifference(drawn, whole))));
    // Three bytes a pixel, each row rounded up to whole 32-bit words.
    const qsizetype threeBytes = qsizetype((decoded.width() * 3 + 3) / 4 * 4) * decoded.height();
    if (ratio == platform::pictureDensity(ratio)) {
        QVERIFY(form.backgroundBlockCount() > 0);
        QVERIFY2(
            form.backgroundBytes() > 0 && form.backgroundBytes() < threeBytes / 5,
            qPrintable(QStringLiteral("%1 of %2").arg(form.backgroundBytes()).arg(threeBytes)));
    }

    // Parts drawn again alone: low in the window, and at odd places (on a
    // screen between the densities a part's edges fall between pixels).
    if (ratio != platform::pictureDensity(ratio))
        return;
    for (const QRect part : {QRect(40, size.height() * 2 / 3, 120, size.height() / 4),
                             QRect(size.width() / 3 + 1, size.height() / 2 + 3, 37, 29),
                             QRect(0, size.height() - 9, size.width(), 9)}) {
        const QImage alone = form.grab(part).toImage();
        const QRect pixels(part.topLeft() * ratio, part.size() * ratio);
        QCOMPARE(alone.size(), pixels.size());
        QVERIFY2(largestDifference(alone, whole.copy(pixels)) <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(part.x())
                                .arg(part.y())
                                .arg(part.width())
                                .arg(part.height())));
    }
}

void PlatformTest::blocksDecodeAsTheWholePicture_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("restartInterval");
    QTest::newRow("colour halved both ways") << QSize(161, 97) << 2 << 2 << 0;
    QTest::newRow("halved across, restarts every block") << QSize(130, 75) << 2 << 1 << 1;
    QTest::newRow("full colour, restarts every 7 blocks") << QSize(67, 45) << 1 << 1 << 7;
    QTest::newRow("halved both ways, restarts every 3, narrow") << QSize(19, 140) << 2 << 2 << 3;
    QTest::newRow("halved both ways, one block") << QSize(16, 16) << 2 << 2 << 0;
    QTest::newRow("halved both ways, one row") << QSize(300, 1) << 2 << 2 << 0;
}

// A picture coded again in blocks decodes, for any rectangle, exactly the
// pixels of the whole picture decoded; a progressive picture is not coded
// again.
void PlatformTest::blocksDecodeAsTheWholePicture() {
    QFETCH(QSize, size);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, restartInterval);
    const QByteArray jpeg = encodeJpeg(testPattern(size), h, v, restartInterval, false);
    const QImage whole = platform::decodeJpegRgb888(jpeg);
    QCOMPARE(whole.size(), size);
    const platform::JpegBlocks blocks = platform::JpegBlocks::recode(jpeg);
    QVERIFY(!blocks.isNull());
    QCOMPARE(blocks.size(), size);
    QVERIFY(blocks.bytes() < jpeg.size() * 2 + 1024);
    QVERIFY(platform::JpegBlocks::recode(encodeJpeg(testPattern(size), h, v, 0, true)).isNull());

    std::vector<QRect> areas = {QRect(QPoint(), size), QRect(0, 0, 1, 1),
                                QRect(size.width() - 1, size.height() - 1, 1, 1)};
    std::mt19937 random(20261210);
    const auto below = [&random](int n) { return int(random() % unsigned(n)); };
    for (int i = 0; i < 40; ++i) {
        const int left = below(size.width());
        const int top = below(size.height());
        areas.emplace_back(left, top, 1 + below(size.width() - left),
                           1 + below(size.height() - top));
    }
    for (const QRect& area : areas) {
        int expected = area.top();
        QString wrong;
        const bool read = blocks.decode(area, [&](int y, const uchar* pixels) {
            if (y != expected++ && wrong.isEmpty())
                wrong = QStringLiteral("row %1 out of order").arg(y);
            const uchar* in = whole.constScanLine(y) + 3 * area.left();
            if (wrong.isEmpty() && std::memcmp(in, pixels, size_t(area.width()) * 3) != 0)
                wrong = QStringLiteral("row %1 differs").arg(y);
        });
        const QString where = QStringLiteral("%1,%2 %3x%4: ")
                                  .arg(area.x())
                                  .arg(area.y())
                                  .arg(area.width())
                                  .arg(area.height());
        QVERIFY2(read, qPrintable(where + QStringLiteral("not read")));
        QVERIFY2(wrong.isEmpty(), qPrintable(where + wrong));
        QVERIFY2(expected == area.bottom() + 1, qPrintable(where + QStringLiteral("rows missing")));
    }
    // Outside the picture nothing is read.
    QVERIFY(!blocks.decode(QRect(QPoint(1, 0), size), [](int, const uchar*) {}));
}

void PlatformTest::backgroundDrawnExactlyAsDecodedWhole_data() {
    backgroundRows();
}

// Drawn from its blocks, a background has exactly the pixels it had when its
// picture was decoded whole: the window painted whole, and then parts of it
// painted again alone, on the screen and into a picture, at the screen's
// density (1 here; 2 and 1.5 through backgroundExactAtOtherDensities).
void PlatformTest::backgroundDrawnExactlyAsDecodedWhole() {
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    platform::initialise();
    const qreal ratio = qApp->devicePixelRatio();
    const int density = platform::pictureDensity(ratio);
    Backdrop form(picture, size);
    if (ratio != density) {
        // Between the densities the picture is smoothly scaled, as before.
        const QPixmap decoded = platform::decodeEmbeddedPicture(picture, ratio);
        QImage whole(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)),
                     QImage::Format_RGB32);
        whole.setDevicePixelRatio(ratio);
        {
            QPainter painter(&whole);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(QRect(QPoint(), size), decoded);
        }
        const QImage drawn = form.grab().toImage();
        QVERIFY2(firstDifference(drawn, whole).isEmpty(),
                 qPrintable(firstDifference(drawn, whole)));
        QCOMPARE(form.backgroundBlockCount(), 0);
        return;
    }
    const QImage whole = decodedWhole(picture, size, density);
    QVERIFY(!whole.isNull());
    QVERIFY2(firstDifference(form.grab().toImage(), whole).isEmpty(),
             qPrintable(firstDifference(form.grab().toImage(), whole)));

    // On the screen: painted whole when shown, then regions painted again.
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QVERIFY2(firstDifference(onScreen(&form), whole).isEmpty(),
             qPrintable(firstDifference(onScreen(&form), whole)));
    const int w = size.width();
    const int h = size.height();
    const QList<QRegion> regions = {
        // Under a label; a card's place; a pixel; the last column and row.
        QRegion(w / 10, h * 8 / 10, w / 4, h / 20),
        QRegion(w / 3 + 1, h / 20 + 1, 66, std::min(108, h - h / 20 - 1)),
        QRegion(w / 2, h / 2, 1, 1),
        QRegion(w - 1, 0, 1, h),
        QRegion(0, h - 1, w, 1),
        QRegion(w - 17, h - 13, 17, 13),
        // Parts far apart, decoded each alone, and parts close together.
        QRegion(3, 5, 40, 20) + QRegion(w - 50, h - 30, 45, 25),
        QRegion(20, 20, 30, 30) + QRegion(55, 60, 10, 10) + QRegion(w / 2, 2, 7, h - 4),
    };
    for (const QRegion& region : regions) {
        // Scribbled over first, so that a part not painted again shows.
        QImage into(size * density, QImage::Format_RGB32);
        into.setDevicePixelRatio(density);
        into.fill(Qt::green);
        form.render(&into, region.boundingRect().topLeft(), region);
        QImage expected(size * density, QImage::Format_RGB32);
        expected.setDevicePixelRatio(density);
        expected.fill(Qt::green);
        {
            QPainter painter(&expected);
            painter.setClipRegion(region);
            painter.drawImage(QPoint(), whole);
        }
        const QRect bounds = region.boundingRect();
        QVERIFY2(firstDifference(into, expected).isEmpty(),
                 qPrintable(QStringLiteral("region at %1,%2 %3x%4: ")
                                .arg(bounds.x())
                                .arg(bounds.y())
                                .arg(bounds.width())
                                .arg(bounds.height()) +
                            firstDifference(into, expected)));
        form.repaint(region);
        QVERIFY2(firstDifference(onScreen(&form), whole).isEmpty(),
                 qPrintable(firstDifference(onScreen(&form), whole)));
    }
    form.Hide();
}

void PlatformTest::backgroundExactAtOtherDensities_data() {
    QTest::addColumn<QString>("factor");
    QTest::newRow("double density") << QStringLiteral("2");
    QTest::newRow("between the densities") << QStringLiteral("1.5");
}

// The same checks on screens of other densities, in a child run of this suite.
void PlatformTest::backgroundExactAtOtherDensities() {
    QFETCH(QString, factor);
    if (qApp->devicePixelRatio() != 1.0)
        QSKIP("run on a screen of normal density");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), factor);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("backgroundDrawnExactlyAsDecodedWhole"),
                 QStringLiteral("backgroundHeldInBlocksIsTheWholePicture"),
                 QStringLiteral("opaquePicturePaintsEveryPixel")});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             output.constData());
    QVERIFY2(output.contains("Totals: ") && !output.contains("Totals: 0 passed"),
             output.constData());
}

// After the window's first paint, a part of it painted again decodes only the
// blocks around that part, and the window holds its background coded: a small
// part of the bytes of the picture decoded.
void PlatformTest::partialRepaintDecodesOnlyTheBlocksAroundIt() {
    platform::initialise();
    if (qApp->devicePixelRatio() != 1.0)
        QSKIP("block counts measured at normal density");
    Backdrop form(QStringLiteral(":/embedded/main.jpg"), QSize(592, 525));
    auto* label = new platform::Label(&form);
    label->setGeometry(66, 468, 105, 21);
    label->setCaption(QStringLiteral("000"));
    QCOMPARE(form.backgroundBlocksDecoded(), 0);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    // 591 by 525 pixels in blocks of 16: 37 by 33.
    QCOMPARE(form.backgroundBlockCount(), 37 * 33);
    const qint64 first = form.backgroundBlocksDecoded();
    QVERIFY2(first >= 37 * 33, qPrintable(QString::number(first)));
    QVERIFY(form.backgroundBytes() < 591 * 3 * 525 / 5);

    label->setCaption(QStringLiteral("123"));
    QCoreApplication::processEvents();
    const qint64 again = form.backgroundBlocksDecoded() - first;
    // The label covers 7 by 2 blocks (or 8 by 3 where it straddles them), and
    // a ring of one block more around them.
    QVERIFY2(again > 0 && again <= 10 * 5, qPrintable(QString::number(again)));
    // Hidden, it holds nothing; shown again, it is drawn whole again.
    form.Hide();
    QCOMPARE(form.backgroundBytes(), 0);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QVERIFY(form.backgroundBlocksDecoded() - first - again >= 37 * 33);
    form.Hide();
}

// A card picture (an opaque JPEG stretched over its control) paints every
// pixel of its control, so that the window draws no background under it; when
// it is replaced every pixel is the new picture's, and when it is cleared the
// window's background shows there again, on the screen, with nothing left of
// the card. A picture with transparent pixels, or drawn as it is and smaller
// than its control, or on a screen between the densities, leaves the
// background to its window.
void PlatformTest::opaquePicturePaintsEveryPixel() {
    platform::initialise();
    QTemporaryDir dir;
    const auto save = [&](const QString& name, QColor colour, QSize size, bool alpha) {
        QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(colour);
        if (alpha)
            image.setPixelColor(0, 0, Qt::transparent);
        const QString file = dir.filePath(name);
        return image.save(file) ? file : QString();
    };
    const QString red = save(QStringLiteral("red.jpg"), Qt::red, QSize(110, 180), false);
    const QString blue = save(QStringLiteral("blue.jpg"), Qt::blue, QSize(110, 180), false);
    const QString see = save(QStringLiteral("see.png"), Qt::red, QSize(110, 180), true);
    const QString small = save(QStringLiteral("small.jpg"), Qt::red, QSize(20, 20), false);
    QVERIFY(!red.isEmpty() && !blue.isEmpty() && !see.isEmpty() && !small.isEmpty());

    const qreal ratio = qApp->devicePixelRatio();
    const int density = platform::pictureDensity(ratio);
    const bool whole = ratio == density;
    const QSize size(592, 525);
    Backdrop form(QStringLiteral(":/embedded/main.jpg"), size);
    auto* card = new platform::Picture(&form, 1);
    const QRect slot(187, 25, 66, 108);
    card->setGeometry(slot);
    card->LoadPicture(red);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QCOMPARE(card->testAttribute(Qt::WA_OpaquePaintEvent), whole);
    const auto allOf = [&](const QImage& shot, bool (*wanted)(QRgb)) {
        const QRect pixels(slot.topLeft() * ratio, slot.size() * ratio);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                if (!wanted(shot.pixel(x, y)))
                    return QStringLiteral("at %1,%2: %3")
                        .arg(x)
                        .arg(y)
                        .arg(shot.pixel(x, y), 8, 16);
        return QString();
    };
    const auto isBlue = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; };
    const auto isRedPixel = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
    QVERIFY2(allOf(onScreen(&form), isRedPixel).isEmpty(),
             qPrintable(allOf(onScreen(&form), isRedPixel)));

    // Replaced: every pixel the new card's.
    card->LoadPicture(blue);
    QCoreApplication::processEvents();
    QVERIFY2(allOf(onScreen(&form), isBlue).isEmpty(), qPrintable(allOf(onScreen(&form), isBlue)));

    // Cleared: the background, exactly, and the window draws it.
    card->Clear();
    QVERIFY(!card->testAttribute(Qt::WA_OpaquePaintEvent));
    QCoreApplication::processEvents();
    if (whole) {
        const QImage background =
            decodedWhole(QStringLiteral(":/embedded/main.jpg"), size, density);
        QVERIFY2(firstDifference(onScreen(&form), background).isEmpty(),
                 qPrintable(firstDifference(onScreen(&form), background)));
    }
    // Transparent pixels, and a picture drawn as it is smaller than its
    // control, leave the background to the window.
    card->LoadPicture(see);
    QCoreApplication::processEvents();
    QVERIFY(!card->testAttribute(Qt::WA_OpaquePaintEvent));
    card->Clear();
    card->setStretch(false);
    card->LoadPicture(small);
    QCoreApplication::processEvents();
    QVERIFY(!card->testAttribute(Qt::WA_OpaquePaintEvent));
    card->setStretch(true);
    QCOMPARE(card->testAttribute(Qt::WA_OpaquePaintEvent), whole);
    form.Hide();
}

// The application's font is the design's serif face at the desktop's size,
// so that a text box laid out before it is given its own font loads no other
// face; Qt's own widgets (a text box's context menu, a message box) keep the
// desktop's font.
void PlatformTest::designFaceIsTheApplicationsFont() {
    platform::initialise();
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QCOMPARE(QFontInfo(QApplication::font()).family(),
             QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    QCOMPARE(QApplication::font().pointSizeF(), desktop.pointSizeF());
    QLineEdit box;
    QCOMPARE(QFontInfo(box.font()).family(), QFontInfo(QApplication::font()).family());
    QMenu menu;
    QMessageBox message;
    for (QWidget* own : {static_cast<QWidget*>(&menu), static_cast<QWidget*>(&message)}) {
        own->ensurePolished();
        QCOMPARE(QFontInfo(own->font()).family(), QFontInfo(desktop).family());
        QCOMPARE(own->font().pointSizeF(), desktop.pointSizeF());
    }
    // Set up again, the same.
    platform::initialise();
    QCOMPARE(QFontInfo(QApplication::font()).family(),
             QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    QCOMPARE(QFontInfo(QApplication::font("QMenu")).family(), QFontInfo(desktop).family());
}

// A picture given to a window that is not on the screen is decoded when it
// is drawn, not before; an opaque one is held in three bytes a pixel and
// drawn as it was decoded.
void PlatformTest::pictureOfAHiddenWindowDecodedWhenDrawn() {
    QTemporaryDir dir;
    QImage image(12, 10, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(20 * x, 25 * y, 200 - 10 * x));
    const QString file = dir.filePath(QStringLiteral("ramp.png"));
    QVERIFY(image.save(file));

    Probe form(QStringLiteral("form"));
    auto* picture = new platform::Picture(&form, 1);
    picture->setGeometry(0, 0, 12, 10);
    picture->LoadPicture(file);
    QVERIFY(picture->hasPicture());
    QVERIFY(!picture->decoded());
    QCOMPARE(picture->pictureFile(), file);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QVERIFY(picture->decoded());
    QCOMPARE(picture->pixmap().depth(), 24);
    QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32), image);
    if (picture->devicePixelRatioF() == 1.0)
        QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), image);
    // Given to the window on the screen, it is decoded at once.
    picture->Clear();
    picture->LoadPicture(file);
    QVERIFY(picture->decoded());
}

void PlatformTest::missingPictureIsFatal() {
    QTemporaryDir dir;
    platform::setFatalHandler([](const QString& message) { throw platform::FatalError(message); });
    Probe form(QStringLiteral("form"));
    auto* picture = new platform::Picture(&form, 1);
    const QString name = dir.path() + QStringLiteral("\\images\\Nowhere.jpg");
    try {
        picture->LoadPicture(name);
        QFAIL("loading a missing picture went on");
    } catch (const platform::FatalError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("Nowhere.jpg")),
                 qPrintable(error.message()));
    }
    QVERIFY(!picture->hasPicture());
}

void PlatformTest::doubleClickActsOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("clicks");
    const int interval = screenmouse::doubleClickInterval();
    for (const char* control : {"picture", "label"}) {
        QTest::addRow("%s, double-click", control) << control << 100 << 1;
        QTest::addRow("%s, fast double-click", control) << control << 1 << 1;
        QTest::addRow("%s, two clicks", control) << control << interval + 10 << 2;
    }
}

// Presses and releases through the window's hit-testing: a double-click is
// one press and one click; two clicks further apart are two.
void PlatformTest::doubleClickActsOnce() {
    QFETCH(QString, control);
    QFETCH(int, gap);
    QFETCH(int, clicks);
    Probe form(QStringLiteral("form"));
    auto* picture = new platform::Picture(&form, 4);
    picture->setGeometry(20, 20, 60, 60);
    auto* label = new platform::Label(&form, 1);
    label->setGeometry(100, 20, 60, 30);
    label->setCaption(QStringLiteral("X"));
    form.Show();
    QSignalSpy down(picture, &platform::Picture::MouseDown);
    QSignalSpy up(picture, &platform::Picture::MouseUp);
    QSignalSpy pictureClick(picture, &platform::Picture::Click);
    QSignalSpy labelClick(label, &platform::Label::Click);
    QWidget* target = control == QLatin1String("picture") ? static_cast<QWidget*>(picture) : label;
    const QPoint at = screenmouse::centreOf(target);
    QCOMPARE(form.childAt(form.mapFromGlobal(at)), target);

    screenmouse::doubleClick(at, gap);

    if (target == picture) {
        QCOMPARE(down.size(), clicks);
        QCOMPARE(up.size(), clicks);
        QCOMPARE(pictureClick.size(), clicks);
        QCOMPARE(labelClick.size(), 0);
    } else {
        QCOMPARE(labelClick.size(), clicks);
        QCOMPARE(down.size(), 0);
    }
    // QTest's own double-click (press, release, press, release at one time).
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, form.mapFromGlobal(at));
    QCOMPARE(target == picture ? pictureClick.size() : labelClick.size(), clicks + 1);
}

// A player who marks cards quickly: clicks on neighbouring pictures within
// the double-click interval are separate clicks.
void PlatformTest::quickClicksOnTwoPicturesAreTwoClicks() {
    Probe form(QStringLiteral("form"));
    auto* first = new platform::Picture(&form, 1);
    first->setGeometry(10, 10, 50, 80);
    auto* second = new platform::Picture(&form, 2);
    second->setGeometry(70, 10, 50, 80);
    form.Show();
    QSignalSpy firstClick(first, &platform::Picture::Click);
    QSignalSpy secondClick(second, &platform::Picture::Click);
    screenmouse::click(screenmouse::centreOf(first), screenmouse::doubleClickInterval() + 100);
    screenmouse::click(screenmouse::centreOf(second), 60);
    screenmouse::click(screenmouse::centreOf(first), 60);
    QCOMPARE(firstClick.size(), 2);
    QCOMPARE(secondClick.size(), 1);
}

// SetFocus, a click and Tab select the whole text; the focus coming back
// from a context menu or from another window leaves the cursor where it was.
void PlatformTest::textBoxSelectsAllOnlyForItsOwnFocusArrivals() {
    Probe form(QStringLiteral("form"));
    form.resize(300, 120);
    auto* first = new platform::TextBox(&form);
    first->setGeometry(10, 10, 200, 30);
    auto* box = new platform::TextBox(&form);
    box->setGeometry(10, 60, 200, 30);
    box->setText(QStringLiteral("Mirela"));
    int gotFocus = 0;
    for (platform::TextBox* b : {first, box})
        connect(b, &platform::TextBox::GotFocus, &form, [&gotFocus, b] {
            ++gotFocus;
            b->setSelStart(0);
            b->setSelLength(int(b->Text().size()));
        });
    form.Show();
    QApplication::setActiveWindow(&form);
    QTRY_VERIFY(form.isActiveWindow());

    // A click into the box: the whole text, and typing replaces it.
    screenmouse::click(screenmouse::centreOf(box), screenmouse::doubleClickInterval() + 50);
    QVERIFY(box->hasFocus());
    QCOMPARE(gotFocus, 1);
    QCOMPARE(box->selectedText(), QStringLiteral("Mirela"));

    // Back in the middle of the text, then the context menu, closed with Escape.
    box->setCursorPosition(3);
    QTimer::singleShot(100, &form, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
    });
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(20, 10),
                                  box->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(box, &menuRequest);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(box->hasFocus());
    QCOMPARE(gotFocus, 1);
    QCOMPARE(box->selectedText(), QString());
    QCOMPARE(box->cursorPosition(), 3);

    // Another window takes the keyboard, then this one again.
    QWidget other;
    other.resize(100, 50);
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(other.isActiveWindow());
    QApplication::setActiveWindow(&form);
    QTRY_VERIFY(form.isActiveWindow());
    QVERIFY(box->hasFocus());
    QCOMPARE(gotFocus, 1);
    QCOMPARE(box->selectedText(), QString());
    QTest::keyClicks(box, QStringLiteral("x"));
    QCOMPARE(box->text(), QStringLiteral("Mirxela"));

    // Tab from the first box selects the whole text again.
    first->SetFocus();
    QCOMPARE(gotFocus, 2);
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(box->hasFocus());
    QCOMPARE(gotFocus, 3);
    QCOMPARE(box->selectedText(), QStringLiteral("Mirxela"));
}

void PlatformTest::labelShowsMarkupAsPlainText() {
    Probe form(QStringLiteral("form"));
    auto* markup = new platform::Label(&form);
    markup->setGeometry(0, 0, 300, 40);
    markup->setCaption(QStringLiteral("<b>x</b>"));
    auto* plain = new platform::Label(&form);
    plain->setGeometry(0, 50, 300, 40);
    plain->setCaption(QStringLiteral("x"));
    form.Show();

    QCOMPARE(markup->caption(), QStringLiteral("<b>x</b>"));
    QCOMPARE(markup->text(), QStringLiteral("<b>x</b>"));
    // Eight characters drawn side by side, not one bold letter.
    const QRect markupInk = inkBox(markup, Qt::black);
    const QRect plainInk = inkBox(plain, Qt::black);
    QVERIFY(!plainInk.isEmpty());
    QVERIFY2(markupInk.width() > 4 * plainInk.width(),
             qPrintable(QStringLiteral("%1 vs %2").arg(markupInk.width()).arg(plainInk.width())));

    // The text colour is the one the player sees.
    markup->setForeColor(Qt::red);
    QCOMPARE(markup->foreColor(), QColor(Qt::red));
    QVERIFY(!inkBox(markup, Qt::red).isEmpty());
    QVERIFY(inkBox(markup, Qt::black).isEmpty());
}

void PlatformTest::randomDrawsAfterClockReseedDiffer() {
    platform::Random& random = platform::Random::instance();
    random.reset();
    // Eight draws in a tight loop fall within the same clock tick; they must
    // still not all be the same number.
    QList<double> draws;
    for (int i = 0; i < 8; ++i) {
        random.reseedFromClock();
        draws << random.next();
    }
    QVERIFY(std::any_of(draws.begin(), draws.end(), [&](double d) { return d != draws.first(); }));
    for (double d : draws)
        QVERIFY(d >= 0.0 && d < 1.0);
    // The drawn offer positions (1..8 as the game computes them) vary too.
    QSet<int> offerSlots;
    for (double d : draws)
        offerSlots.insert(int(d * 8) + 1);
    QVERIFY(offerSlots.size() > 1);
}

void PlatformTest::randomDrawsAreUniform() {
    platform::Random& random = platform::Random::instance();
    random.reset();
    random.reseedFromClock();
    const int n = 10000;
    double sum = 0;
    int low = 0;
    int high = 0;
    for (int i = 0; i < n; ++i) {
        const double d = random.next();
        QVERIFY(d >= 0.0 && d < 1.0);
        sum += d;
        (d < 0.5 ? low : high)++;
    }
    const double mean = sum / n;
    // The standard error of the mean is about 0.003; 0.02 is far outside chance.
    QVERIFY2(qAbs(mean - 0.5) < 0.02, qPrintable(QString::number(mean)));
    QVERIFY2(low > 4500 && high > 4500, qPrintable(QStringLiteral("%1 / %2").arg(low).arg(high)));
}

void PlatformTest::randomSeedAndQueueMakeDrawsReproducible() {
    platform::Random& random = platform::Random::instance();
    QList<double> first;
    random.setSeed(42);
    for (int i = 0; i < 5; ++i) {
        random.reseedFromClock();
        first << random.next();
    }
    QList<double> second;
    random.setSeed(42);
    for (int i = 0; i < 5; ++i) {
        random.reseedFromClock();
        second << random.next();
    }
    QCOMPARE(second, first);

    random.queue({0.25, 0.999});
    QCOMPARE(random.next(), 0.25);
    QCOMPARE(random.next(), 0.999);
    QVERIFY(random.next() != 0.25);
}

void PlatformTest::nativeFileNameMapsBothSeparators_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes") << "/game\\images\\DoneUp.jpg"
                                 << "/game/images/DoneUp.jpg";
    QTest::newRow("slashes") << "/game/images/DoneUp.jpg"
                             << "/game/images/DoneUp.jpg";
    QTest::newRow("mixed") << "/game/cards\\0001r.jpg"
                           << "/game/cards/0001r.jpg";
    QTest::newRow("card path stem") << "\\cards\\0606b.jpg"
                                    << "/cards/0606b.jpg";
}

void PlatformTest::nativeFileNameMapsBothSeparators() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(platform::nativeFileName(name), QDir::toNativeSeparators(expected));
}

void PlatformTest::programFolderHasNoTrailingSeparator_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/opt/game"
                           << "/opt/game";
    QTest::newRow("trailing slash") << "/opt/game/"
                                    << "/opt/game";
    // A backslash is an ordinary character of a Linux folder name.
    QTest::newRow("trailing backslash") << "/opt/game\\"
                                        << "/opt/game\\";
    QTest::newRow("backslashes in the name") << "/opt/my\\games\\q/"
                                             << "/opt/my\\games\\q";
    QTest::newRow("several") << "/opt/game//"
                             << "/opt/game";
}

void PlatformTest::programFolderHasNoTrailingSeparator() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    platform::setProgramFolder(folder);
    QCOMPARE(platform::programFolder(), expected);
    // A picture name joins the folder and a name that starts with a separator.
    QCOMPARE(platform::nativeFileName(platform::programFolder() + "\\images\\ExitUp.jpg"),
             expected + "/images/ExitUp.jpg");
    QCOMPARE(platform::nativeFileName(platform::programFolder() + "\\cards\\0042" + "r.jpg"),
             expected + "/cards/0042r.jpg");
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
