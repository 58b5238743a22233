// The installed game as a user meets it: the tree `cmake --install` makes
// under DESTDIR and the Debian package unpacked with dpkg-deb, each run by an
// unprivileged user with a fresh, empty home on a private X server. The user
// plays New Game, both selections and one hand; the game keeps its card
// database in the user's data folder, mends a damaged one, and never writes
// the installed files. Also the command line, the desktop entry, the
// metainfo and the icons.

#include "e2e/GameRun.h"
#include "e2e/XSession.h"
#include "store/StartupCheck.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace e2e;

namespace {

const QString AppId = QStringLiteral("io.github.quorvel.Quorvel");
// The unprivileged user the game runs as when the test runs as root.
const uid_t Nobody = 65534;

struct Outcome {
    int status = -1;
    bool crashed = true;
    QString out, err;
};

Outcome execute(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                int timeoutMs = 120000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    Outcome o;
    if (!p.waitForStarted(5000))
        return o;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    o.crashed = p.exitStatus() != QProcess::NormalExit;
    o.status = p.exitCode();
    o.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

// Every file under `root` with its bytes' hash and its mode.
std::map<QString, QString> snapshot(const QString& root) {
    std::map<QString, QString> files;
    QDirIterator it(root,
                    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString entry = QString::number(int(info.permissions()), 16);
        if (info.isFile()) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            entry += QLatin1Char(' ') +
                     QString::fromLatin1(
                         QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
        }
        files[path.mid(root.size())] = entry;
    }
    return files;
}

QString snapshotDifference(const std::map<QString, QString>& before,
                           const std::map<QString, QString>& after) {
    for (const auto& [path, entry] : before) {
        const auto found = after.find(path);
        if (found == after.end())
            return QStringLiteral("%1 has gone").arg(path);
        if (found->second != entry)
            return QStringLiteral("%1 has changed").arg(path);
    }
    for (const auto& [path, entry] : after)
        if (!before.count(path))
            return QStringLiteral("%1 has appeared").arg(path);
    return {};
}

bool giveToNobody(const QString& path) {
    return ::chown(QFile::encodeName(path).constData(), Nobody, Nobody) == 0;
}

} // namespace

class PackageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void commandLine_data();
    void commandLine();
    void desktopIntegration_data();
    void desktopIntegration();
    void languageFiles_data();
    void languageFiles();
    void installedGame_data();
    void installedGame();
    void oneGamePerDatabase();

  private:
    // The installed binary and data folder of a tree.
    QString binary(const QString& tree) const {
        return tree == QLatin1String("deb") ? m_deb + "/usr/games/quorvel"
                                            : m_installed + "/usr/bin/quorvel";
    }
    QString root(const QString& tree) const {
        return tree == QLatin1String("deb") ? m_deb : m_installed;
    }
    // A fresh, empty home for the user the game runs as.
    QString freshHome();
    GameRun::Start startAs(const QString& home, const QString& tree) const;
    QString userDatabase(const QString& home) const {
        return home + "/data/Quorvel/Quorvel/Cards.mdb";
    }

    XSession m_x;
    QTemporaryDir m_dir{QStringLiteral("/tmp/quorvel-package-XXXXXX")};
    QString m_installed, m_deb;
    bool m_asNobody = false;
    int m_homes = 0;
};

void PackageTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("%1 is not installed (make setup installs it)").arg(missing)));
    for (const char* tool : {"dpkg-deb", "desktop-file-validate", "appstreamcli"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (make setup installs it)")
                                 .arg(QString::fromLatin1(tool))));
    m_asNobody = ::geteuid() == 0 && !QStandardPaths::findExecutable("setpriv").isEmpty();
    if (!m_asNobody)
        qInfo("not root: the installed game runs as the test's own user");
    // The user the game runs as must reach every installed file.
    ::umask(022);
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                    QFileDevice::ExeGroup));
    m_installed = m_dir.filePath(QStringLiteral("installed"));
    m_deb = m_dir.filePath(QStringLiteral("deb"));

    QElapsedTimer clock;
    clock.start();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_installed);
    const Outcome install =
        execute(QStringLiteral(QUORVEL_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(QUORVEL_BINARY_DIR),
                 QStringLiteral("--prefix"), QStringLiteral("/usr")},
                env);
    QVERIFY2(!install.crashed && install.status == 0, qPrintable(install.err));
    const qint64 installed = clock.restart();

    // The package as `make package` makes it, in a folder of the test's own.
    const QString packages = m_dir.filePath(QStringLiteral("packages"));
    const Outcome pack = execute(
        QStringLiteral(QUORVEL_CPACK),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
         QStringLiteral(QUORVEL_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), packages});
    QVERIFY2(!pack.crashed && pack.status == 0, qPrintable(pack.out + pack.err));
    const QStringList debs =
        QDir(packages).entryList({QStringLiteral("quorvel_*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = packages + "/" + debs.first();
    const Outcome fields = execute(QStringLiteral("dpkg-deb"),
                                   {QStringLiteral("--field"), deb, QStringLiteral("Section"),
                                    QStringLiteral("Maintainer"), QStringLiteral("Depends"),
                                    QStringLiteral("Description")});
    QCOMPARE(fields.status, 0);
    QVERIFY2(fields.out.contains(QStringLiteral("Section: games")), qPrintable(fields.out));
    QVERIFY2(fields.out.contains(QRegularExpression(QStringLiteral("Maintainer: .+ <.+@.+>"))),
             qPrintable(fields.out));
    // The fonts and the database driver by name, the libraries from dpkg-shlibdeps.
    for (const char* dependency :
         {"fonts-liberation", "fonts-noto-cjk", "libqt6sql6-sqlite", "libqt6widgets6", "libc6"})
        QVERIFY2(fields.out.contains(QString::fromLatin1(dependency)), qPrintable(fields.out));
    QVERIFY2(fields.out.contains(QStringLiteral("Description: card game")), qPrintable(fields.out));
    const Outcome unpack = execute(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, m_deb});
    QVERIFY2(!unpack.crashed && unpack.status == 0, qPrintable(unpack.err));
    qInfo("installed in %lld ms, packed and unpacked in %lld ms", installed, clock.elapsed());

    // Every language's pictures with words beside its translation, at both
    // densities, in both trees.
    for (const QString& tree : {QStringLiteral("installed"), QStringLiteral("deb")}) {
        const QString data = root(tree) + "/usr/share/quorvel";
        const QStringList qms =
            QDir(data + "/translations").entryList({QStringLiteral("quorvel_*.qm")}, QDir::Files);
        QVERIFY2(qms.size() >= 9, qPrintable(qms.join(' ')));
        for (const QString& qm : qms) {
            const QString language = qm.mid(8, qm.size() - 11);
            for (const QString& picture : store::letteredImageFiles()) {
                const qsizetype dot = picture.lastIndexOf('.');
                for (const QString& file :
                     {picture, picture.left(dot) + QStringLiteral("@2x") + picture.mid(dot)}) {
                    const QString path = data + "/images/" + language + "/" + file;
                    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
                }
            }
        }
    }

    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
}

void PackageTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // expected in standard output
    QTest::addColumn<QString>("err"); // expected in standard error

    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0
                            << QStringLiteral("--computer <level>") << QString();
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << QStringLiteral("--version")
                        << QString();
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                               << QStringLiteral("Quorvel 1.0\n") << QString();
    // The computer player's option is the game's own; the parser takes it.
    QTest::newRow("--computer with --version")
        << QStringList{QStringLiteral("--computer=normal"), QStringLiteral("--version")} << 0
        << QStringLiteral("Quorvel 1.0\n") << QString();
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--bogus")} << 2 << QString()
        << QStringLiteral("quorvel: Unknown option 'bogus'.\nTry \"quorvel --help\"");
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-x")} << 2 << QString()
                                          << QStringLiteral("Unknown option 'x'.");
    QTest::newRow("option without its value") << QStringList{QStringLiteral("--computer")} << 2
                                              << QString() << QStringLiteral("Missing value");
    QTest::newRow("file name") << QStringList{QStringLiteral("cards.txt")} << 2 << QString()
                               << QStringLiteral("unexpected argument \"cards.txt\"");
    // The network options: in the help with the port left optional, and
    // values that cannot be a port or an address refused before any window.
    QTest::newRow("--help lists --host") << QStringList{QStringLiteral("--help")} << 0
                                         << QStringLiteral("--host[=<port>]") << QString();
    QTest::newRow("--help lists --join") << QStringList{QStringLiteral("--help")} << 0
                                         << QStringLiteral("--join <address>") << QString();
    QTest::newRow("--host=0") << QStringList{QStringLiteral("--host=0")} << 2 << QString()
                              << QStringLiteral("--host takes a port from 1 to 65535, not \"0\"");
    QTest::newRow("--host=65536") << QStringList{QStringLiteral("--host=65536")} << 2 << QString()
                                  << QStringLiteral(
                                         "--host takes a port from 1 to 65535, not \"65536\"");
    QTest::newRow("--host=") << QStringList{QStringLiteral("--host=")} << 2 << QString()
                             << QStringLiteral("--host takes a port from 1 to 65535, not \"\"");
    QTest::newRow("--host=port") << QStringList{QStringLiteral("--host=http")} << 2 << QString()
                                 << QStringLiteral("not \"http\"");
    QTest::newRow("--join=") << QStringList{QStringLiteral("--join=")} << 2 << QString()
                             << QStringLiteral("--join takes the host's address, not \"\"");
    QTest::newRow("--join without its value") << QStringList{QStringLiteral("--join")} << 2
                                              << QString() << QStringLiteral("Missing value");
    QTest::newRow("--join port out of range")
        << QStringList{QStringLiteral("--join=192.168.1.20:70000")} << 2 << QString()
        << QStringLiteral("--join takes the host's address, not \"192.168.1.20:70000\"");
    QTest::newRow("--join bad brackets")
        << QStringList{QStringLiteral("--join=[fd00::2")} << 2 << QString()
        << QStringLiteral("--join takes the host's address");
    QTest::newRow("--host and --join")
        << QStringList{QStringLiteral("--host"), QStringLiteral("--join=192.168.1.20")} << 2
        << QString() << QStringLiteral("only one of --computer, --host and --join");
    QTest::newRow("--host and --computer")
        << QStringList{QStringLiteral("--host=5000"), QStringLiteral("--computer=easy")} << 2
        << QString() << QStringLiteral("only one of --computer, --host and --join");
    // A good value, then --version: read, and the program ends at once.
    QTest::newRow("--host with --version")
        << QStringList{QStringLiteral("--host"), QStringLiteral("--version")} << 0
        << QStringLiteral("Quorvel 1.0\n") << QString();
    QTest::newRow("--join with --version")
        << QStringList{QStringLiteral("--join=[fd00::2]:5000"), QStringLiteral("--version")} << 0
        << QStringLiteral("Quorvel 1.0\n") << QString();
    // Qt's own options, which QApplication reads, are listed by --help-all.
    QTest::newRow("--help-all")
        << QStringList{QStringLiteral("--help-all")} << 0
        << QStringLiteral("Options of the window system (Qt):\n  -platform <name[:options]>")
        << QString();
    // A window system that cannot start is said plainly, with status 2.
    QTest::newRow("-platform foo")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("foo")} << 2 << QString()
        << QStringLiteral("quorvel: cannot show its windows: there is no window system \"foo\" "
                          "(there are: ");
    QTest::newRow("no display") << QStringList{} << 2 << QString()
                                << QStringLiteral("quorvel: cannot show its windows: no display "
                                                  "is set");
    QTest::newRow("a display that does not exist")
        << QStringList{QStringLiteral("-display"), QStringLiteral(":187")} << 2 << QString()
        << QStringLiteral("quorvel: cannot show its windows: the display \":187\" cannot be "
                          "reached.");
}

// Answered before any window system is touched: with no display to connect
// to, starting one would abort the program.
void PackageTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // No database is touched when the window system cannot start.
    const QString home = freshHome();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + "/data");
    const Outcome o = execute(binary(QStringLiteral("installed")), arguments, env, 10000);
    QVERIFY2(!o.crashed, qPrintable(o.err));
    QCOMPARE(o.status, status);
    QVERIFY(!QFileInfo::exists(home + "/data/Quorvel"));
    // One plain line, none of Qt's own long explanation.
    if (err.contains(QStringLiteral("cannot show its windows")))
        QCOMPARE(o.err.count(QLatin1Char('\n')), 1);
    if (!out.isEmpty())
        QVERIFY2(o.out.contains(out), qPrintable(o.out));
    else
        QCOMPARE(o.out, QString());
    if (!err.isEmpty())
        QVERIFY2(o.err.contains(err), qPrintable(o.err));
    else
        QCOMPARE(o.err, QString());
}

void PackageTest::desktopIntegration_data() {
    QTest::addColumn<QString>("tree");
    QTest::newRow("installed") << QStringLiteral("installed");
    QTest::newRow("deb") << QStringLiteral("deb");
}

void PackageTest::desktopIntegration() {
    QFETCH(QString, tree);
    const QString share = root(tree) + "/usr/share";
    const QString desktop = share + "/applications/" + AppId + ".desktop";
    const Outcome entry = execute(QStringLiteral("desktop-file-validate"), {desktop});
    QCOMPARE(entry.status, 0);
    QVERIFY2(entry.out.isEmpty() && entry.err.isEmpty(), qPrintable(entry.out + entry.err));
    const Outcome meta = execute(QStringLiteral("appstreamcli"),
                                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                  share + "/metainfo/" + AppId + ".metainfo.xml"});
    QVERIFY2(meta.status == 0, qPrintable(meta.out + meta.err));
    QVERIFY2(!meta.out.contains(
                 QRegularExpression(QStringLiteral("^[EW]:"), QRegularExpression::MultilineOption)),
             qPrintable(meta.out));

    // What the menu shows and starts.
    QSettings settings(desktop, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(settings.value(QStringLiteral("Exec")).toString(), QStringLiteral("quorvel"));
    QCOMPARE(settings.value(QStringLiteral("Icon")).toString(), AppId);
    QFile raw(desktop);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    QVERIFY(text.contains("\nCategories=Game;CardGame;\n"));
    QVERIFY(text.contains("\nName=Play against the computer\nExec=quorvel --computer=normal\n"));

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file =
            QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(share).arg(size).arg(AppId);
        const QImage icon(file);
        QVERIFY2(icon.size() == QSize(size, size), qPrintable(file));
        // Drawn on a transparent ground, with something drawn in the middle.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) == 255);
    }
    const QString manual = share + "/man/man6/quorvel.6.gz";
    const Outcome page = execute(QStringLiteral("sh"),
                                 {QStringLiteral("-c"), QStringLiteral("gzip -dc \"$0\""), manual});
    QCOMPARE(page.status, 0);
    QVERIFY(page.out.startsWith(QStringLiteral(".TH QUORVEL 6")));
    QVERIFY(page.out.contains(QStringLiteral("computer")));
}

void PackageTest::languageFiles_data() {
    desktopIntegration_data();
}

// Every language's translation and rules document is installed, the rules
// as they are in the repository, beside the designed English document.
void PackageTest::languageFiles() {
    QFETCH(QString, tree);
    const QString data = root(tree) + "/usr/share/quorvel";
    QVERIFY(QFileInfo(data + "/QorRules.rtf").isFile());
    const QString sources = QStringLiteral(QUORVEL_SOURCE_DIR "/data/rules");
    const QStringList rules =
        QDir(sources).entryList({QStringLiteral("QorRules.*.rtf")}, QDir::Files);
    QCOMPARE(rules.size(), 9);
    auto bytes = [](const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const QString& name : rules) {
        const QByteArray installed = bytes(data + "/rules/" + name);
        QVERIFY2(!installed.isEmpty() && installed == bytes(sources + "/" + name),
                 qPrintable(name));
        const QString language = name.section(QLatin1Char('.'), 1, 1);
        QVERIFY2(QFileInfo(data + "/translations/quorvel_" + language + ".qm").isFile(),
                 qPrintable(language));
    }
}

QString PackageTest::freshHome() {
    const QString home = m_dir.filePath(QStringLiteral("home%1").arg(++m_homes));
    for (const QString& dir : {home, home + "/data", home + "/runtime"}) {
        if (!QDir().mkpath(dir) || (m_asNobody && !giveToNobody(dir)))
            return {};
    }
    QFile::setPermissions(home + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return home;
}

GameRun::Start PackageTest::startAs(const QString& home, const QString& tree) const {
    GameRun::Start start;
    start.program = binary(tree);
    if (m_asNobody) {
        start.arguments = QStringList{QStringLiteral("--reuid"),        QString::number(Nobody),
                                      QStringLiteral("--regid"),        QString::number(Nobody),
                                      QStringLiteral("--clear-groups"), start.program};
        start.program = QStringLiteral("setpriv");
    }
    start.environment.insert(QStringLiteral("HOME"), home);
    start.environment.insert(QStringLiteral("XDG_DATA_HOME"), home + "/data");
    start.environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + "/config");
    start.environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + "/cache");
    start.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + "/runtime");
    start.database = userDatabase(home);
    start.errorFile = m_dir.filePath(QStringLiteral("errors-%1.txt").arg(m_homes));
    return start;
}

void PackageTest::installedGame_data() {
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("copy"); // the user's copy before the start: "", damaged, unreadable

    QTest::newRow("installed, first start") << QStringLiteral("installed") << QString();
    QTest::newRow("installed, truncated copy")
        << QStringLiteral("installed") << QStringLiteral("damaged");
    QTest::newRow("installed, unreadable copy")
        << QStringLiteral("installed") << QStringLiteral("unreadable");
    QTest::newRow("deb, first start") << QStringLiteral("deb") << QString();
}

void PackageTest::installedGame() {
    QFETCH(QString, tree);
    QFETCH(QString, copy);
    if (copy == QLatin1String("unreadable") && !m_asNobody && ::geteuid() == 0)
        QSKIP("root reads every file");
    const QString home = freshHome();
    QVERIFY(!home.isEmpty());
    const QString data = root(tree) + "/usr/share/quorvel";
    const QString database = userDatabase(home);
    QByteArray earlier;
    if (!copy.isEmpty()) {
        QFile original(data + "/Cards.mdb");
        QVERIFY(original.open(QIODevice::ReadOnly));
        earlier = original.readAll();
        // Cut off in the middle, as a full disk or a crash leaves it; or
        // sound but no longer readable by the user.
        if (copy == QLatin1String("damaged"))
            earlier = earlier.left(earlier.size() / 2);
        QVERIFY(QDir().mkpath(QFileInfo(database).path()));
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
        file.close();
        for (QString dir = QFileInfo(database).path(); m_asNobody && dir != home;
             dir = QFileInfo(dir).path())
            QVERIFY(giveToNobody(dir));
        QVERIFY(!m_asNobody || giveToNobody(database));
        if (copy == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(database, QFileDevice::WriteOwner));
    }
    const auto before = snapshot(root(tree));

    QElapsedTimer clock;
    clock.start();
    const GameRun::Start start = startAs(home, tree);
    GameRun run(m_x, data, m_dir.filePath(QStringLiteral("artifacts")), QString());
    run.setStart(start);
    try {
        run.launch();
        const qint64 splash = run.waitStarted();
        QVERIFY2(splash >= 500, qPrintable(QStringLiteral("splash seen %1 ms").arg(splash)));
        run.newGame(true, false);
        run.choose(1);
        run.choose(2);
        run.playHand();
        // The next hand's selections, then Exit from the main window.
        run.choose(1);
        run.choose(2);
        run.exitGame();
    } catch (const Failure& f) {
        QFile errors(start.errorFile);
        errors.open(QIODevice::ReadOnly);
        QFAIL(qPrintable(QString::fromStdString(f.what()) +
                         "; the game said: " + QString::fromLocal8Bit(errors.readAll())));
    }
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
    QCOMPARE(run.placements, 9);

    // The user's own database, with every slot table empty after Exit.
    QVERIFY(QFileInfo::exists(database));
    if (m_asNobody)
        QCOMPARE(QFileInfo(database).ownerId(), Nobody);
    Tables t;
    QVERIFY(readTables(database, t, false));
    const QString problem = emptinessProblem(t);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(integrityCheck(database), QStringLiteral("ok"));

    // Nothing installed was written, added or removed.
    const QString changed = snapshotDifference(before, snapshot(root(tree)));
    QVERIFY2(changed.isEmpty(), qPrintable(changed));

    QFile errors(start.errorFile);
    QVERIFY(!errors.exists() || errors.open(QIODevice::ReadOnly));
    const QString said = QString::fromLocal8Bit(errors.readAll());
    const QStringList setAside =
        QDir(QFileInfo(database).path()).entryList({QStringLiteral("Cards.mdb.*")}, QDir::Files);
    if (copy.isEmpty()) {
        QVERIFY2(!said.contains(QStringLiteral("set aside")), qPrintable(said));
        QVERIFY2(setAside.isEmpty(), qPrintable(setAside.join(' ')));
    } else {
        // Set aside under a name that says when and why, kept as it was,
        // and said once.
        QCOMPARE(setAside.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Cards\\.mdb\\.%1-\\d{8}T\\d{6}Z$").arg(copy))
                     .match(setAside.first())
                     .hasMatch(),
                 qPrintable(setAside.first()));
        QFile kept(QFileInfo(database).path() + "/" + setAside.first());
        kept.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll() == earlier);
        QCOMPARE(said.count(QStringLiteral("set aside")), 1);
        QVERIFY2(said.contains(database) && said.contains(setAside.first()), qPrintable(said));
    }
    qInfo("%s: %.1f s", QTest::currentDataTag(), clock.elapsed() / 1000.0);
}

// Two users (two databases) play at once; a second game on the same
// database is refused with a report and status 2.
void PackageTest::oneGamePerDatabase() {
    const QString homeA = freshHome();
    const GameRun::Start startA = startAs(homeA, QStringLiteral("installed"));
    const QString homeB = freshHome();
    const GameRun::Start startB = startAs(homeB, QStringLiteral("installed"));
    const QString data = m_installed + "/usr/share/quorvel";
    GameRun a(m_x, data, QString(), QString());
    GameRun b(m_x, data, QString(), QString());
    a.setStart(startA);
    b.setStart(startB);
    try {
        a.launch();
        a.waitStarted();
        b.launch();
        b.waitStarted();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    // The refusal as a report on standard error, without a dialog to wait on.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(startA.environment);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const Outcome second = execute(startA.program, startA.arguments, env, 15000);
    QVERIFY(!second.crashed);
    QCOMPARE(second.status, 2);
    QVERIFY2(second.err.contains(QStringLiteral("already running")) &&
                 second.err.contains(userDatabase(homeA)),
             qPrintable(second.err));
    for (GameRun* run : {&a, &b}) {
        QVERIFY(run->running());
        ::kill(pid_t(run->process().processId()), SIGTERM);
        QVERIFY(run->process().waitForFinished(8000));
        QCOMPARE(run->process().exitCode(), 0);
    }
}

QTEST_MAIN(PackageTest)
#include "tst_package.moc"
