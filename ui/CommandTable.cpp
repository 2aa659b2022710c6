#include "ui/CPinBoardDlg.h"

#include "app/CAboutDlg.h"
#include "app/CPortApp.h"
#include "pins/PinCanvas.h"
#include "res/ResourceIds.h"

namespace {

struct Command {
    int id;
    void (CPinBoardDlg::*handler)();
};

// Menu items and pin clicks alike; an id not listed here is dropped, apart from
// the window's own OK, Cancel and the application's Exit.
constexpr Command COMMAND_TABLE[] = {
    {IDC_PIN_BASE + 1, &CPinBoardDlg::OnPinClicked<1>},
    {IDC_PIN_BASE + 2, &CPinBoardDlg::OnPinClicked<2>},
    {IDC_PIN_BASE + 3, &CPinBoardDlg::OnPinClicked<3>},
    {IDC_PIN_BASE + 4, &CPinBoardDlg::OnPinClicked<4>},
    {IDC_PIN_BASE + 5, &CPinBoardDlg::OnPinClicked<5>},
    {IDC_PIN_BASE + 6, &CPinBoardDlg::OnPinClicked<6>},
    {IDC_PIN_BASE + 7, &CPinBoardDlg::OnPinClicked<7>},
    {IDC_PIN_BASE + 8, &CPinBoardDlg::OnPinClicked<8>},
    {IDC_PIN_BASE + 9, &CPinBoardDlg::OnPinClicked<9>},
    {IDC_PIN_BASE + 14, &CPinBoardDlg::OnPinClicked<14>},
    {IDC_PIN_BASE + 16, &CPinBoardDlg::OnPinClicked<16>},
    {IDC_PIN_BASE + 17, &CPinBoardDlg::OnPinClicked<17>},
    {ID_BIDIR_TEST, &CPinBoardDlg::OnBidirTest},
    {ID_BIDIR_INOUT, &CPinBoardDlg::OnBidirInOut},
    {ID_HELP_ABOUT, &CPinBoardDlg::OnHelpAbout},
    {ID_HELP_CONTENTS, &CPinBoardDlg::OnHelpContents},
    {ID_OPTIONS_PORT, &CPinBoardDlg::OnOptionsPort},
    {ID_OPTIONS_PINNUMBERS, &CPinBoardDlg::OnOptionsPinNumbers},
};

} // namespace

void CPinBoardDlg::OnCommand(int id)
{
    for (const Command& command : COMMAND_TABLE) {
        if (command.id == id) {
            (this->*command.handler)();
            return;
        }
    }
    switch (id) {
    case IDOK:
        accept();
        break;
    case IDCANCEL:
        reject();
        break;
    case ID_APP_EXIT:
        if (CPortApp* app = CPortApp::Instance())
            app->OnAppExit();
        else
            close();
        break;
    default:
        break;
    }
}

void CPinBoardDlg::OnSysCommand(unsigned id, long)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        RunAboutBox();
        return;
    }
    switch (id & 0xFFF0) {
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_CLOSE:
        close();
        break;
    default:
        break;
    }
}

void CPinBoardDlg::RunAboutBox()
{
    // Owned by the main window, as a window manager expects: centred on it, never behind it.
    CAboutDlg about(this);
    about.exec();
}

void CPinBoardDlg::OnHelpAbout()
{
    RunAboutBox();
}

void CPinBoardDlg::OnHelpContents()
{
    if (CPortApp* app = CPortApp::Instance())
        app->WinHelp(0, HELP_CONTENTS);
}

void CPinBoardDlg::OnOptionsPinNumbers()
{
    g_showPinNumbers = g_showPinNumbers == 0 ? 1 : 0;
    m_client->update();
}
