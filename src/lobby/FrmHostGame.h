#pragma once

#include "net/Fault.h"
#include "platform/Controls.h"
#include "platform/Form.h"

#include <QHostAddress>
#include <QList>

class HostedMatch;
namespace net {
class Host;
class Publisher;
} // namespace net

// The host's waiting window: the addresses of this computer with the port
// it listens on, the join code in short groups, what the local network has
// been told, and Cancel. It waits for one guest; when the guest's join code
// has been proven by the encryption and its hello has come, the window goes
// away and the match begins on the board, with the guest behind player 2.
// The host keeps listening while the match runs, so that anyone else who
// calls is turned away with a clear word.
class FrmHostGame : public platform::Form {
    Q_OBJECT
  public:
    FrmHostGame();
    ~FrmHostGame() override;

    platform::Label* lblHeading = nullptr;
    platform::Label* lblAddressCaption = nullptr;
    platform::Label* lblAddresses = nullptr;
    platform::Label* lblCodeCaption = nullptr;
    platform::Label* lblCode = nullptr;
    platform::Label* lblStatus = nullptr;
    platform::Picture* imgCancel = nullptr;

    // Begins waiting for a guest on `port` and shows the window. With port
    // 0 the usual port is taken, or a free one when another program holds
    // it. False when nothing can be listened on: the window then says why
    // and offers only Cancel.
    bool start(quint16 port);
    // The host while it waits or plays; nullptr once Cancel has closed it.
    net::Host* host() const { return m_host; }
    // The port listened on, and the addresses shown.
    quint16 port() const;
    const QList<QHostAddress>& addresses() const { return m_addresses; }
    // The match of the guest who joined, while it is on the board.
    HostedMatch* match() const { return m_match; }
    bool matchRunning() const;
    // Lets go of a match that is over (its seat gone from the board).
    void tidy();

  signals:
    // The guest joined and the match began.
    void matchStarted(const QString& guestName);

  protected:
    void Form_Load() override;
    void Form_QueryClose() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void describeControls();
    void showStatus();
    void stop();
    void host_Joined(const QString& guestName);
    void host_Notice(net::Fault fault);
    void imgCancel_MouseDown();
    void imgCancel_MouseUp();

    net::Host* m_host = nullptr;
    net::Publisher* m_publisher = nullptr;
    HostedMatch* m_match = nullptr;
    QList<QHostAddress> m_addresses;
    QString m_problem;
    QString m_network;
    QString m_notice;
};
