#pragma once

// The accessibility bus of an end-to-end suite: at-spi's own bus launcher,
// started inside the suite's private D-Bus session, on the suite's X server.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QThread>

namespace e2e {

class AccessibilityBus {
  public:
    // Why the bus cannot run here, or an empty string.
    static QString missing() {
        if (!QFile::exists(launcher()) ||
            QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QStringLiteral("import pyatspi")}) != 0)
            return QStringLiteral(
                "at-spi2-core and python3-pyatspi are needed (make setup installs them)");
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return QStringLiteral(
                "needs a D-Bus session of its own: run under dbus-run-session (as CTest does)");
        return {};
    }

    // Starts the bus; games started afterwards find it through the session
    // bus and always expose their accessibility tree.
    bool start(const QProcessEnvironment& environment) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        m_bus.setProcessEnvironment(environment);
        m_bus.setStandardOutputFile(QProcess::nullDevice());
        m_bus.setStandardErrorFile(QProcess::nullDevice());
        m_bus.start(launcher(), {QStringLiteral("--launch-immediately")});
        if (!m_bus.waitForStarted(5000))
            return false;
        QThread::msleep(300);
        return true;
    }

    void stop() {
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.terminate();
            m_bus.waitForFinished(3000);
        }
    }

  private:
    static QString launcher() { return QStringLiteral("/usr/libexec/at-spi-bus-launcher"); }
    QProcess m_bus;
};

} // namespace e2e
