#include "ui/CPinBoardDlg.h"

#include "port/PortDiscovery.h"
#include "res/ResourceIds.h"
#include "ui/CPortSelectDlg.h"

void CPinBoardDlg::OnOptionsPort()
{
    // Owned by the main window, as a window manager expects: centred on it, never behind it.
    CPortSelectDlg select(this);
    StopPollTimer();
    const PortAddress previousPort = g_portBase;

    if (select.exec() == IDOK) {
        // The shadows still describe the port being left: its lines go back to output.
        if (m_bidirMode != 0 && m_inputDirection != 0)
            LeaveInputDirection(previousPort, m_bidirMode);
        m_bidirMode = BIDIR_NONE;
        m_inputDirection = 0;
        SetTitle(TITLE_PORT);
        EnableMenuItem(ID_BIDIR_TEST, true);
        EnableMenuItem(ID_BIDIR_INOUT, false);
        DisablePortInterrupt(g_portBase);
        RefreshDataPins();
        RefreshStatusPins();
        RefreshControlPins();
    }
    StartPollTimer();
}
