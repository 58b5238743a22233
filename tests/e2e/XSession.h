#pragma once

// A private X server for the end-to-end tests and the player's hands and eyes
// on it: real pointer input through xdotool, the mapped windows of a process,
// and screenshots read from the screen over a connection of the test's own
// (no process per picture: a test that watches a window for half a second
// needs pictures a few milliseconds apart, also on a loaded machine).

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <xcb/xcb.h>

namespace e2e {

// A failed expectation of the harness; the test turns it into a failure.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void fail(const QString& message) {
    throw Failure(message.toStdString());
}

// A top-level window as the X server sees it. Without a window manager there
// is no frame: the window's position is its client area's position.
struct Window {
    QString id;
    QString name;
    int x = 0, y = 0, width = 0, height = 0;
};

class XSession {
  public:
    // The tools the harness needs, or the name of the first one missing.
    static QString missingTool() {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QString::fromLatin1(tool);
        return {};
    }

    bool start() {
        // A display number of our own: two test runs at once must not meet.
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int number = 100 + (int(::getpid()) + attempt * 37) % 800;
            const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            if (QFile::exists(lock) || QFile::exists(socket))
                continue;
            m_display = QStringLiteral(":%1").arg(number);
            // Nobody reads the server's log: a full pipe would stall the server.
            m_server.setStandardOutputFile(QProcess::nullDevice());
            m_server.setStandardErrorFile(QProcess::nullDevice());
            m_server.start(QStringLiteral("Xvfb"),
                           {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"),
                            // Without it the server resets whenever its last
                            // client goes (a killed game, an xdotool call) and
                            // refuses connections while it does.
                            QStringLiteral("-noreset")});
            if (!m_server.waitForStarted(5000))
                continue;
            for (int i = 0; i < 100; ++i) {
                if (QFile::exists(socket) && run({QStringLiteral("getmouselocation")}).ok)
                    return true;
                if (m_server.state() != QProcess::Running)
                    break;
                QThread::msleep(50);
            }
            stop();
        }
        return false;
    }

    void stop() {
        m_screen.reset();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(3000)) {
                m_server.kill();
                m_server.waitForFinished(3000);
            }
        }
    }

    ~XSession() { stop(); }

    const QString& display() const { return m_display; }
    // For failure reports: is the server still there and taking clients?
    QString health() {
        if (m_server.state() == QProcess::NotRunning || m_server.waitForFinished(0))
            return QStringLiteral("the X server has ended (status %1)").arg(m_server.exitCode());
        return run({QStringLiteral("getmouselocation")}).ok
                   ? QStringLiteral("the X server takes clients")
                   : QStringLiteral("the X server refuses clients");
    }

    struct Result {
        bool ok = false;
        QString out;
    };

    // One xdotool invocation (several commands may be chained in `args`).
    Result run(const QStringList& args, const QString& program = QStringLiteral("xdotool")) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        p.setProcessEnvironment(env);
        p.start(program, args);
        Result r;
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        return r;
    }

    // The mapped top-level windows of process `pid`.
    QList<Window> windowsOf(qint64 pid) const {
        QList<Window> windows;
        const Result ids = run({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--pid"), QString::number(pid)});
        for (const QString& id : ids.out.split('\n', Qt::SkipEmptyParts)) {
            const Result info =
                run({QStringLiteral("getwindowname"), id, QStringLiteral("getwindowgeometry"),
                     QStringLiteral("--shell"), id});
            if (!info.ok)
                continue; // unmapped in between
            const QStringList lines = info.out.split('\n');
            Window w;
            w.id = id.trimmed();
            w.name = lines.value(0);
            for (const QString& line : lines.mid(1)) {
                const int eq = line.indexOf('=');
                const QString key = line.left(eq);
                const int value = line.mid(eq + 1).toInt();
                if (key == QLatin1String("X"))
                    w.x = value;
                else if (key == QLatin1String("Y"))
                    w.y = value;
                else if (key == QLatin1String("WIDTH"))
                    w.width = value;
                else if (key == QLatin1String("HEIGHT"))
                    w.height = value;
            }
            windows.append(w);
        }
        return windows;
    }

    // Presses and releases the left mouse button at pixel (x, y) of the
    // window's area, as a player's click.
    void click(const Window& w, int x, int y) const {
        if (!run({QStringLiteral("mousemove"), QStringLiteral("--window"), w.id, QString::number(x),
                  QString::number(y), QStringLiteral("mousedown"), QStringLiteral("1"),
                  QStringLiteral("mouseup"), QStringLiteral("1")})
                 .ok)
            fail(QStringLiteral("xdotool could not click into window %1").arg(w.id));
    }

    // The window's picture as the screen shows it (what lies in front of it
    // included, the part off the screen left out); also kept as `keepAs`
    // when given. A null image when the window has gone.
    QImage grab(const Window& w, const QString& keepAs = {}) const {
        QImage image = grabScreen(w);
        if (!keepAs.isEmpty() && !image.isNull())
            image.save(keepAs);
        return image;
    }

  private:
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };

    QImage grabScreen(const Window& w) const {
        if (m_screen && xcb_connection_has_error(m_screen.get()))
            m_screen.reset();
        if (!m_screen) {
            int number = 0;
            m_screen.reset(xcb_connect(m_display.toLocal8Bit().constData(), &number));
            if (xcb_connection_has_error(m_screen.get())) {
                m_screen.reset();
                return {};
            }
            xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_screen.get()));
            for (int k = 0; k < number && it.rem; ++k)
                xcb_screen_next(&it);
            m_root = it.data->root;
            m_rootWidth = it.data->width_in_pixels;
            m_rootHeight = it.data->height_in_pixels;
            m_depth = it.data->root_depth;
        }
        xcb_connection_t* c = m_screen.get();
        // Errors of earlier requests (a window gone) wait here unread.
        while (xcb_generic_event_t* event = xcb_poll_for_event(c))
            std::free(event);
        xcb_window_t id = m_root;
        if (w.id != QLatin1String("root")) {
            bool number = false;
            id = w.id.toUInt(&number);
            if (!number)
                return {};
        }
        // Where the window is and how large, from the server now: the root
        // window is read there, as the screen shows it.
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr), &std::free);
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, m_root, 0, 0),
                                            nullptr),
            &std::free);
        if (!geometry || !at || !viewable(id))
            return {};
        const QRect area = QRect(at->dst_x, at->dst_y, geometry->width, geometry->height)
                               .intersected(QRect(0, 0, m_rootWidth, m_rootHeight));
        if (area.isEmpty())
            return {};
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> pixels(
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, area.x(),
                                              area.y(), area.width(), area.height(), ~0u),
                                nullptr),
            &std::free);
        // The window still on the screen after the picture was read: the
        // picture is its own, not what lay behind it.
        if (!pixels || !viewable(id))
            return {};
        // A 24-bit screen sends 32 bits a pixel, blue first: Qt's RGB32.
        if (m_depth != 24)
            return {};
        const int bytes = xcb_get_image_data_length(pixels.get());
        const int line = bytes / area.height();
        if (line < area.width() * 4)
            return {};
        return QImage(xcb_get_image_data(pixels.get()), area.width(), area.height(), line,
                      QImage::Format_RGB32)
            .copy();
    }

    bool viewable(xcb_window_t id) const {
        xcb_connection_t* c = m_screen.get();
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr),
            &std::free);
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    QProcess m_server;
    QString m_display;
    mutable std::unique_ptr<xcb_connection_t, Disconnect> m_screen;
    mutable xcb_window_t m_root = 0;
    mutable int m_rootWidth = 0, m_rootHeight = 0, m_depth = 0;
};

} // namespace e2e
