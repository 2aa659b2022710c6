#include "ui/CPinBoardDlg.h"

#include "port/PortDiscovery.h"
#include "res/ResourceIds.h"
#include "ui/CBidirTestDlg.h"

void CPinBoardDlg::OnBidirTest()
{
    // Owned by the main window, as a window manager expects: centred on it, never behind it.
    CBidirTestDlg test(this);
    const int result = test.exec();
    // Only a real mode counts: a dialog that failed to run must not pass for a success.
    if (!IsBidirMode(result))
        return;
    m_bidirMode = result;
    SetTitle(TITLE_BIDIR_OUT);
    EnableMenuItem(ID_BIDIR_TEST, false);
    EnableMenuItem(ID_BIDIR_INOUT, true);
}

void CPinBoardDlg::OnBidirInOut()
{
    StopPollTimer();
    m_inputDirection = m_inputDirection == 0 ? 1 : 0;
    if (m_inputDirection == 1) {
        SetTitle(TITLE_BIDIR_IN);
        EnterInputDirection(g_portBase, m_bidirMode);
    } else {
        SetTitle(TITLE_BIDIR_OUT);
        LeaveInputDirection(g_portBase, m_bidirMode);
    }
    RefreshDataPins();
    StartPollTimer();
}
