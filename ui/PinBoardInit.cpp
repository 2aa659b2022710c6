#include "ui/CPinBoardDlg.h"

#include "app/StringTable.h"
#include "res/ResourceIds.h"
#include "ui/MainMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

bool CPinBoardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const QString aboutText = LoadResourceString(IDS_ABOUTBOX);
    if (!aboutText.isEmpty()) {
        m_systemMenu->addSeparator();
        m_systemMenu->addAction(aboutText, this, [this] { OnSysCommand(IDM_ABOUTBOX, 0); });
    }

    setWindowIcon(m_hIcon);

    CreatePinWidgets();

    // The first look at the port: reads only, one per register.
    RefreshDataPins();
    RefreshStatusPins();
    RefreshControlPins();

    setFocus();
    StartPollTimer();
    SetTitle(TITLE_PORT);

    m_menu = new MainMenu(this, [this](int id) { OnCommand(id); });
    m_layout->setMenuBar(m_menu->Bar());
    return true;
}
