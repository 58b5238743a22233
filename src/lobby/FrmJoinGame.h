#pragma once

#include "net/Fault.h"
#include "net/Link.h"
#include "net/Wire.h"
#include "platform/Controls.h"
#include "platform/Form.h"

class JoinedMatch;
class QListWidget;
class QListWidgetItem;
namespace net {
class Browser;
class Guest;
} // namespace net

// The guest's join window: the host's address (with an optional port, an
// IPv6 address in brackets before one), the join code as the host shows it
// (small letters and without dashes too), the guest's own name, the games
// found on the local network (or why none can be listed), Join and Cancel.
// A wrong code, a refused connection or a host already playing is said in
// the window, which stays usable for another try. Once the host has
// welcomed the guest, the window goes and the match begins on the board,
// the host behind player 1 and the person here behind player 2.
class FrmJoinGame : public platform::Form {
    Q_OBJECT
  public:
    FrmJoinGame();
    ~FrmJoinGame() override;

    platform::Label* lblHeading = nullptr;
    platform::Label* lblAddressCaption = nullptr;
    platform::TextBox* txtAddress = nullptr;
    platform::Label* lblCodeCaption = nullptr;
    platform::TextBox* txtCode = nullptr;
    platform::Label* lblNameCaption = nullptr;
    platform::TextBox* txtName = nullptr;
    platform::Label* lblGamesCaption = nullptr;
    QListWidget* lstGames = nullptr;
    platform::Label* lblStatus = nullptr;
    platform::Picture* imgJoin = nullptr;
    platform::Picture* imgCancel = nullptr;

    // Shows the window with `address` typed in (empty: as it was left), and
    // starts looking for games on the local network.
    void start(const QString& address = QString());
    // The attempt to join under way, or the guest in the match.
    net::Guest* guest() const { return m_guest; }
    bool joining() const { return m_guest != nullptr; }
    // The match on the board once the host has welcomed this guest.
    JoinedMatch* match() const { return m_match; }
    bool matchRunning() const;
    // Lets go of a match that is over (its seats given back).
    void tidy();
    // Time-outs of the connection (tests shorten them).
    void setTiming(const net::Timing& timing) { m_timing = timing; }

  signals:
    // The host welcomed this guest with the match's options; the window has
    // gone and the match is on the board.
    void joined(const net::MatchOptions& options);

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryClose() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void describeControls();
    void say(const QString& text);
    void setJoining(bool joining);
    void fillGames();
    void takeGame(QListWidgetItem* item);
    void guest_Joined(const net::MatchOptions& options);
    void guest_Ended(net::Fault fault, net::Fault reason, const QString& hostName);
    void imgJoin_MouseDown();
    void imgJoin_MouseUp();
    void imgCancel_MouseDown();
    void imgCancel_MouseUp();

    net::Browser* m_browser = nullptr;
    net::Guest* m_guest = nullptr;
    JoinedMatch* m_match = nullptr;
    net::Timing m_timing;
    QString m_unavailable;
};
