#include "lobby/FrmHostGame.h"

#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "net/Discovery.h"
#include "net/Endpoint.h"
#include "net/Host.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "seats/RemoteSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "windows/Forms.h"

#include <QKeyEvent>

namespace {
const QColor Gold(0xF0, 0xC8, 0x50);
const QColor Cream(0xF6, 0xE4, 0xBE);
// The addresses shown: the likeliest few, one a line.
constexpr int ShownAddresses = 3;
} // namespace

FrmHostGame::FrmHostGame() : platform::Form(QStringLiteral("frmHostGame")) {
    setDesign(tr("Quorvel  -  Host a game"), 6300, 4500, QStringLiteral(":/embedded/hostgame.jpg"));
    auto label = [this](int left, int top, int width, int height, double points, bool italic,
                        const QColor& colour) {
        auto* l = new platform::Label(this);
        l->setRect(left * 15, top * 15, width * 15, height * 15);
        l->setFontSpec(QStringLiteral("Times New Roman"), points, true, italic);
        l->setForeColor(colour);
        return l;
    };
    lblHeading = label(20, 12, 380, 32, 16, false, Gold);
    lblHeading->setCaption(tr("Waiting for a player"));
    lblAddressCaption = label(20, 58, 122, 66, 11, false, Gold);
    lblAddressCaption->setCaption(tr("Address"));
    lblAddresses = label(150, 58, 246, 66, 10, false, Cream);
    lblCodeCaption = label(20, 132, 122, 38, 11, false, Gold);
    lblCodeCaption->setCaption(tr("Join code"));
    lblCode = label(150, 132, 246, 34, 18, false, Gold);
    lblStatus = label(24, 176, 372, 72, 10, true, Cream);
    imgCancel = new platform::Picture(this);
    imgCancel->setRect(2445, 3960, 1395, 375);
    connect(imgCancel, &platform::Picture::MouseDown, this, &FrmHostGame::imgCancel_MouseDown);
    connect(imgCancel, &platform::Picture::MouseUp, this, &FrmHostGame::imgCancel_MouseUp);
    describeControls();
}

FrmHostGame::~FrmHostGame() {
    // The match gives player 2's seat back as it goes.
    delete m_match;
    m_match = nullptr;
    delete m_host;
}

void FrmHostGame::Form_Load() {
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelUp.jpg")));
}

bool FrmHostGame::start(quint16 port) {
    tidy();
    stop();
    if (!isLoaded())
        Load();
    m_problem.clear();
    m_notice.clear();
    m_network.clear();
    const net::MatchOptions options{frmOptions->gstrPlayer1Name, QString(), frmOptions->gblnHand,
                                    frmOptions->gblnBasicCombo, frmOptions->gintWinHigh};
    m_host = new net::Host(net::JoinCode::generate(), options, HostedMatch::cardListDigest(),
                           static_cast<int>(FrmMain::cardList().size()), {}, this);
    connect(m_host, &net::Host::joined, this, &FrmHostGame::host_Joined);
    connect(m_host, &net::Host::notice, this, &FrmHostGame::host_Notice);
    // The guest gone, the port is closed: nobody can join a match that is over.
    connect(m_host, &net::Host::ended, this, [this] {
        if (m_host)
            m_host->close();
    });
    bool listening =
        port != 0 ? m_host->listen(port, &m_problem)
                  : m_host->listen(net::DefaultPort, &m_problem) || m_host->listen(0, &m_problem);
    if (listening) {
        m_problem.clear();
        m_addresses = net::localAddresses();
        QStringList lines;
        for (const QHostAddress& address : m_addresses.mid(0, ShownAddresses))
            lines << net::endpointText(address, m_host->port());
        lblAddresses->setCaption(lines.join(QLatin1Char('\n')));
        lblCode->setCaption(m_host->code().grouped());
        m_publisher = new net::Publisher(this);
        connect(m_publisher, &net::Publisher::published, this, [this](const QString& name) {
            m_network = tr("Players on this network see the game as \"%1\".").arg(name);
            showStatus();
        });
        connect(m_publisher, &net::Publisher::unavailable, this, [this](const QString& reason) {
            m_network = reason;
            showStatus();
        });
        m_publisher->publish(frmOptions->gstrPlayer1Name, m_host->port());
    } else {
        m_addresses.clear();
        lblAddresses->setCaption(QString());
        lblCode->setCaption(QString());
        delete m_host;
        m_host = nullptr;
    }
    showStatus();
    Show();
    for (platform::Label* l : {lblAddresses, lblCode})
        platform::descriptionChanged(l);
    platform::announce(this, accessibleName() + QLatin1Char(' ') + lblStatus->caption());
    return listening;
}

quint16 FrmHostGame::port() const {
    return m_host ? m_host->port() : 0;
}

bool FrmHostGame::matchRunning() const {
    return m_match && seats::seat(net::GuestPlayer) == m_match->seat();
}

void FrmHostGame::tidy() {
    if (!m_match || matchRunning())
        return;
    m_match->deleteLater();
    m_match = nullptr;
    if (m_host) {
        m_host->close();
        m_host->deleteLater();
        m_host = nullptr;
    }
}

void FrmHostGame::showStatus() {
    QString text;
    if (!m_problem.isEmpty())
        text = m_problem;
    else if (!m_notice.isEmpty())
        text = m_notice;
    else
        text = tr("Tell the other player one of these addresses and the join code.");
    if (m_problem.isEmpty() && !m_network.isEmpty())
        text += QLatin1Char(' ') + m_network;
    lblStatus->setCaption(text);
    platform::descriptionChanged(lblStatus);
}

// Stops listening and takes the game back from the local network.
void FrmHostGame::stop() {
    delete m_publisher;
    m_publisher = nullptr;
    if (m_host && !m_match) {
        m_host->close();
        delete m_host;
        m_host = nullptr;
    }
}

void FrmHostGame::host_Joined(const QString& guestName) {
    if (m_match || !m_host || !m_host->guest())
        return;
    delete m_publisher;
    m_publisher = nullptr;
    m_match = new HostedMatch(frmMain, m_host->guest(), this);
    seats::setSeat(net::GuestPlayer, m_match->seat());
    frmOptions->gstrPlayer2Name = guestName;
    frmOptions->txtPlayer2Name->setText(guestName);
    Hide();
    emit matchStarted(guestName);
    frmPlayer1->Show();
}

// Someone was turned away (a wrong code, not this game): the window says
// so and goes on waiting.
void FrmHostGame::host_Notice(net::Fault fault) {
    if (m_match || !isVisible())
        return;
    m_notice = net::hostNoticeText(fault);
    showStatus();
    platform::announce(this, m_notice);
}

// ---- Cancel -------------------------------------------------------------------

void FrmHostGame::imgCancel_MouseDown() {
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelDn.jpg")));
    imgCancel->Refresh();
}

// The port closes and the new game goes back to its options.
void FrmHostGame::imgCancel_MouseUp() {
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelUp.jpg")));
    imgCancel->Refresh();
    stop();
    lobby::backToOptions(this);
}

void FrmHostGame::Form_QueryClose() {
    platform::pressControl(imgCancel);
}

// ---- Keyboard and screen reader ------------------------------------------------------

void FrmHostGame::describeControls() {
    setAccessibleName(tr("Host a game on the network"));
    platform::describe(lblHeading, {.role = QAccessible::StaticText,
                                    .name = [this] { return lblHeading->caption(); }});
    for (platform::Label* l : {lblAddressCaption, lblCodeCaption})
        platform::describe(l, {.role = QAccessible::StaticText, .name = [] { return QString(); }});
    platform::describe(lblAddresses, {.role = QAccessible::StaticText,
                                      .name =
                                          [this] {
                                              return tr("Address: %1")
                                                  .arg(lblAddresses->caption()
                                                           .split(QLatin1Char('\n'))
                                                           .join(QStringLiteral(", ")));
                                          },
                                      .focusable = true});
    platform::describe(lblCode,
                       {.role = QAccessible::StaticText,
                        .name =
                            [this] {
                                return m_host ? tr("Join code: %1").arg(m_host->code().spelled())
                                              : QString();
                            },
                        .focusable = true});
    platform::describe(lblStatus, {.role = QAccessible::StaticText,
                                   .name = [this] { return lblStatus->caption(); },
                                   .focusable = true});
    platform::describe(
        imgCancel,
        {.role = QAccessible::Button, .name = [] { return tr("Cancel"); }, .focusable = true});
    QWidget* order[] = {lblAddresses, lblCode, lblStatus, imgCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Escape cancels; Enter presses Cancel only where it has the focus.
bool FrmHostGame::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key != Qt::Key_Escape && !(enter && focusWidget() == imgCancel))
        return false;
    if (!event->isAutoRepeat())
        platform::pressControl(imgCancel);
    return true;
}
