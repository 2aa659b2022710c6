#include "ui/CPinBoardDlg.h"

#include "pins/CBitmapButton.h"
#include "pins/PinCanvas.h"
#include "pins/PinImages.h"
#include "pins/PinMap.h"
#include "port/PortDiscovery.h"
#include "res/ResourceIds.h"
#include "ui/MainMenu.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

int g_showPinNumbers = 0;
unsigned POLL_INTERVAL_MS = 50;

namespace {

// Room for the whole connector picture (374 x 79) and every pin widget.
constexpr QSize CLIENT_SIZE(374, 81);

} // namespace

CPinBoardDlg::CPinBoardDlg(QWidget* parent)
    : CDialog(parent)
    , m_hIcon(PinImages::Get(IDR_MAINFRAME))
{
    // Fixed size, minimisable, never maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelvaro"));

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client = new PinCanvas(CLIENT_SIZE, [this] { OnPaint(); }, this);
    m_layout->addWidget(m_client);

    m_systemMenu = new QMenu(this);
    m_systemMenu->addAction(QStringLiteral("Mi&nimize"), this, [this] { OnSysCommand(SC_MINIMIZE, 0); });
    m_systemMenu->addAction(QStringLiteral("&Close"), this, [this] { OnSysCommand(SC_CLOSE, 0); });
}

CPinBoardDlg::~CPinBoardDlg()
{
    delete m_menu;
}

void CPinBoardDlg::SetTitle(const char* format)
{
    setWindowTitle(QString::asprintf(format, static_cast<unsigned>(g_portBase)));
}

void CPinBoardDlg::EnableMenuItem(int id, bool enabled)
{
    if (m_menu)
        m_menu->EnableMenuItem(id, enabled);
}

bool CPinBoardDlg::IsMenuItemEnabled(int id) const
{
    const QAction* action = MenuAction(id);
    return action && action->isEnabled();
}

QAction* CPinBoardDlg::MenuAction(int id) const
{
    return m_menu ? m_menu->Action(id) : nullptr;
}

CBitmapButton* CPinBoardDlg::SignalWidget(int pin) const
{
    if (pin < 1 || pin > LAST_SIGNAL_PIN)
        return nullptr;
    const PinInfo& info = PinAt(pin);
    return info.kind == PinKind::Status ? m_statusPins[info.widgetIndex] : m_outputPins[info.widgetIndex];
}

QLabel* CPinBoardDlg::GroundWidget(int pin) const
{
    if (pin <= LAST_SIGNAL_PIN || pin > PIN_COUNT)
        return nullptr;
    return m_groundPins[PinAt(pin).widgetIndex];
}

QWidget* CPinBoardDlg::ClientArea() const
{
    return m_client;
}

void CPinBoardDlg::StartPollTimer()
{
    m_pollTimer.Start(static_cast<int>(POLL_INTERVAL_MS));
}

void CPinBoardDlg::StopPollTimer()
{
    m_pollTimer.Stop();
}

void CPinBoardDlg::contextMenuEvent(QContextMenuEvent* event)
{
    m_systemMenu->exec(event->globalPos());
}
