#include "net/Discovery.h"

#include "net/Wire.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QNetworkInterface>

namespace net {

namespace {
const QString Service = QStringLiteral("org.freedesktop.Avahi");
const QString ServerInterface = QStringLiteral("org.freedesktop.Avahi.Server");
const QString Server2Interface = QStringLiteral("org.freedesktop.Avahi.Server2");
const QString GroupInterface = QStringLiteral("org.freedesktop.Avahi.EntryGroup");
const QString BrowserInterface = QStringLiteral("org.freedesktop.Avahi.ServiceBrowser");
// Avahi's "any interface" and "any protocol", and its protocol numbers.
constexpr qint32 AnyInterface = -1;
constexpr qint32 AnyProtocol = -1;
constexpr qint32 ProtocolIPv4 = 0;
// Entry group states.
constexpr int GroupEstablished = 2;
constexpr int GroupCollision = 3;
constexpr int GroupFailure = 4;

QDBusConnection bus() {
    return QDBusConnection::systemBus();
}

QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                  const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
    message.setArguments(arguments);
    return message;
}

// Runs `done` with the reply of `message`, on the event loop.
template <typename Done> void callAsync(QObject* context, const QDBusMessage& message, Done done) {
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(message, 5000), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, done](QDBusPendingCallWatcher*) {
                         watcher->deleteLater();
                         done(watcher->reply());
                     });
}

void registerTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<QList<QByteArray>>();
        return true;
    }();
    Q_UNUSED(registered);
}

QString versionEntry() {
    return QStringLiteral("v=%1").arg(ProtocolVersion);
}
} // namespace

QString discoveryUnavailableText() {
    return QCoreApplication::translate("Network",
                                       "Games on the local network cannot be listed, because no "
                                       "Avahi daemon is running on this computer. Type the "
                                       "host's address instead.");
}

// ---- Publisher ------------------------------------------------------------------------

Publisher::Publisher(QObject* parent) : QObject(parent) {
    registerTypes();
}

Publisher::~Publisher() {
    withdraw();
}

void Publisher::publish(const QString& name, quint16 port) {
    withdraw();
    m_name = name.left(60).trimmed();
    if (m_name.isEmpty())
        m_name = QStringLiteral("Quorvel");
    m_port = port;
    m_failed = false;
    if (!bus().isConnected()) {
        fail();
        return;
    }
    callAsync(this, call(QStringLiteral("/"), ServerInterface, QStringLiteral("EntryGroupNew")),
              [this](const QDBusMessage& reply) {
                  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                      fail();
                      return;
                  }
                  m_group = reply.arguments().constFirst().value<QDBusObjectPath>().path();
                  bus().connect(Service, m_group, GroupInterface, QStringLiteral("StateChanged"),
                                this, SLOT(group_StateChanged(int, QString)));
                  addService();
              });
}

void Publisher::addService() {
    const QList<QByteArray> txt{versionEntry().toUtf8()};
    callAsync(this,
              call(m_group, GroupInterface, QStringLiteral("AddService"),
                   {AnyInterface, AnyProtocol, quint32(0), m_name, QString::fromLatin1(ServiceType),
                    QString(), QString(), QVariant::fromValue(m_port), QVariant::fromValue(txt)}),
              [this](const QDBusMessage& reply) {
                  // A game of this computer has the name already.
                  if (reply.errorName() == QLatin1String("org.freedesktop.Avahi.CollisionError")) {
                      rename();
                      return;
                  }
                  if (reply.type() != QDBusMessage::ReplyMessage) {
                      fail();
                      return;
                  }
                  callAsync(this, call(m_group, GroupInterface, QStringLiteral("Commit")),
                            [this](const QDBusMessage& committed) {
                                if (committed.type() != QDBusMessage::ReplyMessage)
                                    fail();
                            });
              });
}

void Publisher::group_StateChanged(int state, const QString&) {
    if (state == GroupEstablished) {
        m_published = true;
        emit published(m_name);
    } else if (state == GroupCollision) {
        rename();
    } else if (state == GroupFailure) {
        fail();
    }
}

// Another game has the name: the daemon suggests the next one ("Name #2").
void Publisher::rename() {
    callAsync(this,
              call(QStringLiteral("/"), ServerInterface,
                   QStringLiteral("GetAlternativeServiceName"), {m_name}),
              [this](const QDBusMessage& reply) {
                  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                      fail();
                      return;
                  }
                  m_name = reply.arguments().constFirst().toString();
                  callAsync(this, call(m_group, GroupInterface, QStringLiteral("Reset")),
                            [this](const QDBusMessage&) { addService(); });
              });
}

void Publisher::withdraw() {
    if (!m_group.isEmpty()) {
        bus().disconnect(Service, m_group, GroupInterface, QStringLiteral("StateChanged"), this,
                         SLOT(group_StateChanged(int, QString)));
        // Freed without waiting for the answer: the daemon also frees it
        // when this program leaves the bus.
        bus().call(call(m_group, GroupInterface, QStringLiteral("Free")), QDBus::NoBlock);
        m_group.clear();
    }
    m_published = false;
}

void Publisher::fail() {
    if (m_failed)
        return;
    m_failed = true;
    m_published = false;
    emit unavailable(discoveryUnavailableText());
}

// ---- Browser --------------------------------------------------------------------------

Browser::Browser(QObject* parent) : QObject(parent) {
    registerTypes();
}

Browser::~Browser() {
    stop();
}

void Browser::start() {
    stop();
    m_failed = false;
    if (!bus().isConnected()) {
        fail();
        return;
    }
    const quint64 generation = ++m_generation;
    // Prepared first and started once its signals are connected, so that no
    // game found at once is missed.
    callAsync(
        this,
        call(QStringLiteral("/"), Server2Interface, QStringLiteral("ServiceBrowserPrepare"),
             {AnyInterface, AnyProtocol, QString::fromLatin1(ServiceType), QString(), quint32(0)}),
        [this, generation](const QDBusMessage& reply) {
            if (generation != m_generation)
                return;
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                fail();
                return;
            }
            m_browser = reply.arguments().constFirst().value<QDBusObjectPath>().path();
            bus().connect(Service, m_browser, BrowserInterface, QStringLiteral("ItemNew"), this,
                          SLOT(browser_ItemNew(int, int, QString, QString, QString, uint)));
            bus().connect(Service, m_browser, BrowserInterface, QStringLiteral("ItemRemove"), this,
                          SLOT(browser_ItemRemove(int, int, QString, QString, QString, uint)));
            bus().connect(Service, m_browser, BrowserInterface, QStringLiteral("Failure"), this,
                          SLOT(browser_Failure(QString)));
            callAsync(this, call(m_browser, BrowserInterface, QStringLiteral("Start")),
                      [this](const QDBusMessage& started) {
                          if (started.type() != QDBusMessage::ReplyMessage)
                              fail();
                      });
        });
}

void Browser::stop() {
    ++m_generation;
    if (!m_browser.isEmpty()) {
        bus().disconnect(Service, m_browser, BrowserInterface, QStringLiteral("ItemNew"), this,
                         SLOT(browser_ItemNew(int, int, QString, QString, QString, uint)));
        bus().disconnect(Service, m_browser, BrowserInterface, QStringLiteral("ItemRemove"), this,
                         SLOT(browser_ItemRemove(int, int, QString, QString, QString, uint)));
        bus().disconnect(Service, m_browser, BrowserInterface, QStringLiteral("Failure"), this,
                         SLOT(browser_Failure(QString)));
        bus().call(call(m_browser, BrowserInterface, QStringLiteral("Free")), QDBus::NoBlock);
        m_browser.clear();
    }
    if (!m_entries.isEmpty()) {
        m_entries.clear();
        emit gamesChanged();
    }
}

QList<FoundGame> Browser::games() const {
    QList<FoundGame> out;
    auto add = [&out](const FoundGame& game) {
        for (const FoundGame& g : std::as_const(out))
            if (g.name == game.name && g.hostName == game.hostName)
                return;
        out << game;
    };
    for (bool ipv4 : {true, false})
        for (const Entry& e : m_entries)
            if (e.resolved && (e.protocol == ProtocolIPv4) == ipv4)
                add(e.game);
    return out;
}

void Browser::browser_ItemNew(int interface, int protocol, const QString& name, const QString& type,
                              const QString& domain, uint) {
    if (type != QLatin1String(ServiceType))
        return;
    for (const Entry& e : std::as_const(m_entries))
        if (e.interface == interface && e.protocol == protocol && e.game.name == name &&
            e.domain == domain)
            return;
    Entry entry;
    entry.interface = interface;
    entry.protocol = protocol;
    entry.domain = domain;
    entry.game.name = name;
    m_entries << entry;
    resolve(entry);
}

void Browser::resolve(const Entry& entry) {
    const quint64 generation = m_generation;
    callAsync(this,
              call(QStringLiteral("/"), ServerInterface, QStringLiteral("ResolveService"),
                   {entry.interface, entry.protocol, entry.game.name,
                    QString::fromLatin1(ServiceType), entry.domain, AnyProtocol, quint32(0)}),
              [this, generation, entry](const QDBusMessage& reply) {
                  if (generation != m_generation)
                      return;
                  const QVariantList a = reply.arguments();
                  if (reply.type() != QDBusMessage::ReplyMessage || a.size() < 11)
                      return; // gone again, or not answering: not listed
                  for (Entry& e : m_entries) {
                      if (e.interface != entry.interface || e.protocol != entry.protocol ||
                          e.game.name != entry.game.name || e.domain != entry.domain)
                          continue;
                      e.game.hostName = a[5].toString();
                      e.game.address = QHostAddress(a[7].toString());
                      if (e.game.address.isLinkLocal())
                          e.game.address.setScopeId(
                              QNetworkInterface::interfaceNameFromIndex(entry.interface));
                      e.game.port = static_cast<quint16>(a[8].toUInt());
                      QList<QByteArray> txt;
                      if (a[9].userType() == qMetaTypeId<QDBusArgument>())
                          a[9].value<QDBusArgument>() >> txt;
                      else
                          txt = a[9].value<QList<QByteArray>>();
                      for (const QByteArray& t : std::as_const(txt))
                          if (t.startsWith("v="))
                              e.game.version = t.mid(2).toInt();
                      e.resolved = true;
                      emit gamesChanged();
                      return;
                  }
              });
}

void Browser::browser_ItemRemove(int interface, int protocol, const QString& name, const QString&,
                                 const QString& domain, uint) {
    const qsizetype removed = m_entries.removeIf([&](const Entry& e) {
        return e.interface == interface && e.protocol == protocol && e.game.name == name &&
               e.domain == domain;
    });
    if (removed > 0)
        emit gamesChanged();
}

void Browser::browser_Failure(const QString&) {
    fail();
}

void Browser::fail() {
    if (m_failed)
        return;
    m_failed = true;
    emit unavailable(discoveryUnavailableText());
}

} // namespace net
