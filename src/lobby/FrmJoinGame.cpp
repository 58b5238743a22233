#include "lobby/FrmJoinGame.h"

#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "match/JoinedMatch.h"
#include "net/Discovery.h"
#include "net/Endpoint.h"
#include "net/Guest.h"
#include "net/JoinCode.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "seats/JoinedSeat.h"
#include "seats/Seats.h"
#include "windows/Forms.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {
const QColor Gold(0xF0, 0xC8, 0x50);
const QColor Cream(0xF6, 0xE4, 0xBE);
// Where a found game's address is kept in its list entry.
constexpr int EndpointRole = Qt::UserRole;
} // namespace

FrmJoinGame::FrmJoinGame() : platform::Form(QStringLiteral("frmJoinGame")) {
    setDesign(tr("Quorvel  -  Join a game"), 6300, 6000, QStringLiteral(":/embedded/joingame.jpg"));
    auto label = [this](int left, int top, int width, int height, double points, bool italic,
                        const QColor& colour) {
        auto* l = new platform::Label(this);
        l->setRect(left * 15, top * 15, width * 15, height * 15);
        l->setFontSpec(QStringLiteral("Times New Roman"), points, true, italic);
        l->setForeColor(colour);
        return l;
    };
    auto box = [this](int top) {
        auto* b = new platform::TextBox(this);
        b->setRect(150 * 15, top * 15, 246 * 15, 24 * 15);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSizeF(12);
        f.setBold(true);
        b->setFont(f);
        QPalette p = b->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Text, QColor(0x40, 0x20, 0x08));
            p.setColor(group, QPalette::Base, QColor(0xFF, 0xE0, 0xC0));
        }
        b->setPalette(p);
        b->setFrame(false);
        connect(b, &platform::TextBox::GotFocus, b, [b] { b->selectAll(); });
        return b;
    };
    lblHeading = label(20, 12, 380, 32, 16, false, Gold);
    lblHeading->setCaption(tr("Join a game on the network"));
    lblAddressCaption = label(20, 60, 124, 24, 11, false, Gold);
    lblAddressCaption->setCaption(tr("Address"));
    txtAddress = box(60);
    lblCodeCaption = label(20, 96, 124, 24, 11, false, Gold);
    lblCodeCaption->setCaption(tr("Join code"));
    txtCode = box(96);
    lblNameCaption = label(20, 132, 124, 24, 11, false, Gold);
    lblNameCaption->setCaption(tr("Your name"));
    txtName = box(132);
    txtName->setText(options::personName());
    lblGamesCaption = label(24, 166, 372, 24, 11, false, Gold);
    lblGamesCaption->setCaption(tr("Games on the local network"));
    lstGames = new QListWidget(this);
    lstGames->setGeometry(platform::twipsRect(30 * 15, 200 * 15, 360 * 15, 88 * 15));
    lstGames->setFrameShape(QFrame::NoFrame);
    lstGames->setWordWrap(true);
    {
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSizeF(11);
        f.setBold(true);
        lstGames->setFont(f);
        QPalette p = lstGames->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, QColor(0x30, 0x18, 0x0A));
            p.setColor(group, QPalette::Text, Cream);
            p.setColor(group, QPalette::Highlight, QColor(0x8A, 0x60, 0x20));
            p.setColor(group, QPalette::HighlightedText, QColor(0xFF, 0xF4, 0xD8));
        }
        lstGames->setPalette(p);
    }
    lblStatus = label(24, 298, 372, 52, 10, true, Cream);
    imgJoin = new platform::Picture(this);
    imgJoin->setRect(1440, 5430, 1395, 375);
    imgCancel = new platform::Picture(this);
    imgCancel->setRect(3465, 5430, 1395, 375);
    connect(imgJoin, &platform::Picture::MouseDown, this, &FrmJoinGame::imgJoin_MouseDown);
    connect(imgJoin, &platform::Picture::MouseUp, this, &FrmJoinGame::imgJoin_MouseUp);
    connect(imgCancel, &platform::Picture::MouseDown, this, &FrmJoinGame::imgCancel_MouseDown);
    connect(imgCancel, &platform::Picture::MouseUp, this, &FrmJoinGame::imgCancel_MouseUp);
    connect(lstGames, &QListWidget::itemClicked, this, &FrmJoinGame::takeGame);
    connect(lstGames, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        takeGame(item);
        if (txtAddress->isEnabled() && item && (item->flags() & Qt::ItemIsSelectable))
            txtCode->SetFocus();
    });
    describeControls();
}

FrmJoinGame::~FrmJoinGame() {
    delete m_match;
    delete m_guest;
}

bool FrmJoinGame::matchRunning() const {
    return m_match && seats::seat(net::GuestPlayer) == static_cast<Seat*>(m_match->seat());
}

void FrmJoinGame::tidy() {
    if (!m_match || matchRunning())
        return;
    m_match->deleteLater();
    m_match = nullptr;
    if (m_guest) {
        m_guest->deleteLater();
        m_guest = nullptr;
    }
}

void FrmJoinGame::Form_Load() {
    imgJoin->LoadPicture(pictureName(QStringLiteral("\\images\\JoinUp.jpg")));
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelUp.jpg")));
}

void FrmJoinGame::start(const QString& address) {
    tidy();
    if (!isLoaded())
        Load();
    if (!address.isEmpty())
        txtAddress->setText(address);
    txtCode->clear();
    setJoining(false);
    m_unavailable.clear();
    delete m_browser;
    m_browser = new net::Browser(this);
    connect(m_browser, &net::Browser::gamesChanged, this, &FrmJoinGame::fillGames);
    connect(m_browser, &net::Browser::unavailable, this, [this](const QString& reason) {
        m_unavailable = reason;
        fillGames();
    });
    m_browser->start();
    fillGames();
    say(tr("Type the host's address and the join code it shows, or choose a game above."));
    Show();
    (txtAddress->text().isEmpty() ? txtAddress : txtCode)->SetFocus();
}

void FrmJoinGame::Form_Activate() {
    platform::giveKeyboard(this);
}

void FrmJoinGame::say(const QString& text) {
    lblStatus->setCaption(text);
    platform::descriptionChanged(lblStatus);
    platform::announce(this, text);
}

void FrmJoinGame::setJoining(bool joining) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtAddress, txtCode, txtName, lstGames})
        w->setEnabled(!joining);
    imgJoin->setEnabled(!joining);
}

// One entry per game found, or one line that says why none can be.
void FrmJoinGame::fillGames() {
    const QString chosen = lstGames->currentItem()
                               ? lstGames->currentItem()->data(EndpointRole).toString()
                               : QString();
    lstGames->clear();
    auto note = [this](const QString& text) {
        auto* item = new QListWidgetItem(text, lstGames);
        item->setFlags(Qt::ItemIsEnabled);
        QFont f = lstGames->font();
        f.setItalic(true);
        item->setFont(f);
    };
    if (!m_unavailable.isEmpty()) {
        note(m_unavailable);
        return;
    }
    const QList<net::FoundGame> games = m_browser ? m_browser->games() : QList<net::FoundGame>();
    if (games.isEmpty()) {
        note(tr("No game found yet."));
        return;
    }
    for (const net::FoundGame& game : games) {
        const QString endpoint = net::endpointText(game.address, game.port);
        auto* item = new QListWidgetItem(tr("%1 at %2").arg(game.name, endpoint), lstGames);
        item->setData(EndpointRole, endpoint);
        if (endpoint == chosen)
            lstGames->setCurrentItem(item);
    }
}

void FrmJoinGame::takeGame(QListWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsSelectable) || !txtAddress->isEnabled())
        return;
    txtAddress->setText(item->data(EndpointRole).toString());
}

// ---- Join and Cancel -------------------------------------------------------------

void FrmJoinGame::imgJoin_MouseDown() {
    imgJoin->LoadPicture(pictureName(QStringLiteral("\\images\\JoinDn.jpg")));
    imgJoin->Refresh();
}

// Each field is checked before anything is sent: the window says what is
// wrong and puts the keyboard where it can be mended.
void FrmJoinGame::imgJoin_MouseUp() {
    imgJoin->LoadPicture(pictureName(QStringLiteral("\\images\\JoinUp.jpg")));
    imgJoin->Refresh();
    if (m_guest)
        return;
    QString error;
    const std::optional<net::Endpoint> endpoint =
        net::parseEndpoint(txtAddress->text().trimmed(), net::DefaultPort, &error);
    if (!endpoint) {
        say(error);
        txtAddress->SetFocus();
        return;
    }
    const std::optional<net::JoinCode> code = net::JoinCode::parse(txtCode->text(), &error);
    if (!code) {
        say(error);
        txtCode->SetFocus();
        return;
    }
    const QString name = txtName->text().trimmed();
    if (name.isEmpty()) {
        say(tr("Type your name as the host will see it."));
        txtName->SetFocus();
        return;
    }
    m_guest = new net::Guest(HostedMatch::cardListDigest(),
                             static_cast<int>(FrmMain::cardList().size()), m_timing, this);
    connect(m_guest, &net::Guest::joined, this, &FrmJoinGame::guest_Joined);
    connect(m_guest, &net::Guest::ended, this, &FrmJoinGame::guest_Ended);
    setJoining(true);
    imgCancel->setFocus();
    const QHostAddress literal(endpoint->host);
    say(tr("Joining the game at %1…")
            .arg(literal.isNull() ? QStringLiteral("%1:%2").arg(endpoint->host).arg(endpoint->port)
                                  : net::endpointText(literal, endpoint->port)));
    m_guest->join(endpoint->host, endpoint->port, *code, name);
}

// The match takes over the connection: what ends it from now on is said
// on the board, by the match.
void FrmJoinGame::guest_Joined(const net::MatchOptions& options) {
    if (m_match || !m_guest || !m_guest->link())
        return;
    delete m_browser;
    m_browser = nullptr;
    m_guest->disconnect(this);
    Hide();
    m_match = new JoinedMatch(frmMain, m_guest->link(), options, this);
    emit joined(options);
}

void FrmJoinGame::guest_Ended(net::Fault fault, net::Fault reason, const QString& hostName) {
    if (!m_guest)
        return;
    m_guest->disconnect(this);
    m_guest->deleteLater();
    m_guest = nullptr;
    if (!isVisible())
        return;
    setJoining(false);
    say(net::faultText(fault, hostName, reason));
    (fault == net::Fault::WrongCode ? txtCode : txtAddress)->SetFocus();
}

void FrmJoinGame::imgCancel_MouseDown() {
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelDn.jpg")));
    imgCancel->Refresh();
}

// An attempt under way is given up, and the new game goes back to its options.
void FrmJoinGame::imgCancel_MouseUp() {
    imgCancel->LoadPicture(pictureName(QStringLiteral("\\images\\CancelUp.jpg")));
    imgCancel->Refresh();
    if (m_guest) {
        m_guest->disconnect(this);
        m_guest->close();
        m_guest->deleteLater();
        m_guest = nullptr;
    }
    delete m_browser;
    m_browser = nullptr;
    lobby::backToOptions(this);
}

void FrmJoinGame::Form_QueryClose() {
    platform::pressControl(imgCancel);
}

// ---- Keyboard and screen reader ------------------------------------------------------

void FrmJoinGame::describeControls() {
    setAccessibleName(tr("Join a game on the network"));
    for (platform::Label* l :
         {lblHeading, lblAddressCaption, lblCodeCaption, lblNameCaption, lblGamesCaption})
        platform::describe(l, {.role = QAccessible::StaticText, .name = [] { return QString(); }});
    txtAddress->setAccessibleName(tr("Address"));
    txtAddress->setAccessibleDescription(
        tr("The host's address, with a colon and the port if it is not the usual one."));
    txtCode->setAccessibleName(tr("Join code"));
    txtCode->setAccessibleDescription(tr("The ten letters and digits the host shows."));
    txtName->setAccessibleName(tr("Your name"));
    lstGames->setAccessibleName(tr("Games on the local network"));
    platform::describe(lblStatus, {.role = QAccessible::StaticText,
                                   .name = [this] { return lblStatus->caption(); },
                                   .focusable = true});
    platform::describe(
        imgJoin,
        {.role = QAccessible::Button, .name = [] { return tr("Join"); }, .focusable = true});
    platform::describe(
        imgCancel,
        {.role = QAccessible::Button, .name = [] { return tr("Cancel"); }, .focusable = true});
    QWidget* order[] = {txtAddress, txtCode, txtName, lstGames, lblStatus, imgJoin, imgCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Enter joins (or presses Cancel where it has the focus, or takes the game
// chosen in the list); Escape cancels.
bool FrmJoinGame::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key != Qt::Key_Escape && !enter)
        return false;
    if (event->isAutoRepeat())
        return true;
    if (key == Qt::Key_Escape) {
        platform::pressControl(imgCancel);
    } else if (focusWidget() == lstGames && lstGames->currentItem() &&
               (lstGames->currentItem()->flags() & Qt::ItemIsSelectable)) {
        takeGame(lstGames->currentItem());
        txtCode->SetFocus();
    } else {
        platform::pressControl(focusWidget() == imgCancel ? imgCancel : imgJoin);
    }
    return true;
}
