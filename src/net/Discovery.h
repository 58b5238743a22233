#pragma once

#include <QDBusMessage>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// Games on the local network, through the system's Avahi daemon (DNS-SD over
// multicast DNS), spoken to over D-Bus with Qt's own D-Bus module: it runs
// in the game's event loop, never blocks it, and adds no library the
// desktop build does not load already. Without a daemon both sides say so,
// and typing the address still works.
namespace net {

// The DNS-SD service type of a waiting host.
inline constexpr char ServiceType[] = "_quorvel._tcp";

// A waiting host seen on the local network.
struct FoundGame {
    QString name;     // the service name: the host player's name
    QString hostName; // the computer's name, such as "mirela-pc.local"
    QHostAddress address;
    quint16 port = 0;
    int version = 0; // of the conversation, from the "v=" entry of its TXT record
    bool operator==(const FoundGame&) const = default;
};

// Why the local network cannot be searched or told about a game.
QString discoveryUnavailableText();

// Announces a waiting host: name, port and version of the conversation.
// The join code is never announced.
class Publisher : public QObject {
    Q_OBJECT
  public:
    explicit Publisher(QObject* parent = nullptr);
    ~Publisher() override;

    void publish(const QString& name, quint16 port);
    // Takes the announcement back (also on destruction).
    void withdraw();
    // The name under which the game is announced: another game of the same
    // name on the network makes the daemon suggest "Name #2".
    QString name() const { return m_name; }
    bool isPublished() const { return m_published; }

  signals:
    void published(const QString& name);
    void unavailable(const QString& reason);

  private slots:
    void group_StateChanged(int state, const QString& error);

  private:
    void addService();
    void rename();
    void fail();

    QString m_name;
    quint16 m_port = 0;
    QString m_group;
    bool m_published = false;
    bool m_failed = false;
};

// Lists the waiting hosts on the local network as they come and go.
class Browser : public QObject {
    Q_OBJECT
  public:
    explicit Browser(QObject* parent = nullptr);
    ~Browser() override;

    void start();
    void stop();
    // One entry per game, with the first address found for it (IPv4 first).
    QList<FoundGame> games() const;
    // False once the daemon turned out to be missing.
    bool isAvailable() const { return !m_failed; }

  signals:
    void gamesChanged();
    void unavailable(const QString& reason);

  private slots:
    void browser_ItemNew(int interface, int protocol, const QString& name, const QString& type,
                         const QString& domain, uint flags);
    void browser_ItemRemove(int interface, int protocol, const QString& name, const QString& type,
                            const QString& domain, uint flags);
    void browser_Failure(const QString& error);

  private:
    struct Entry {
        int interface = 0;
        int protocol = 0;
        QString domain;
        FoundGame game;
        bool resolved = false;
    };
    void resolve(const Entry& entry);
    void fail();

    QString m_browser;
    QList<Entry> m_entries;
    bool m_failed = false;
    quint64 m_generation = 0;
};

} // namespace net
