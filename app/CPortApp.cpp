#include "app/CPortApp.h"

#include "app/HelpFile.h"
#include "app/HelpViewer.h"
#include "app/StringTable.h"
#include "port/PortDiscovery.h"
#include "ui/CPinBoardDlg.h"

#include <QMessageBox>
#include <QPalette>

CPortApp::CPortApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationVersion(QStringLiteral("0.11"));
}

CPortApp::~CPortApp()
{
    delete m_helpViewer;
}

CPortApp* CPortApp::Instance()
{
    return qobject_cast<CPortApp*>(QCoreApplication::instance());
}

void CPortApp::SetDialogBkColor()
{
    // White dialogs with black text, the main window and message boxes alike.
    QPalette palette = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Qt::black);
    QApplication::setPalette(palette);
}

bool CPortApp::InitInstance()
{
    SetDialogBkColor();
    DiscoverPorts();
    if (g_portCount == 0) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("No parallel ports !"),
                        QStringLiteral("Sorry, I haven't detected any parallel port on your system. "
                                       "Please check your hardware and try again !"),
                        QMessageBox::Ok);
        box.exec();
        m_exitStatus = EXIT_NO_PORT;
        return false;
    }
    g_portBase = g_portList[0];
    DisablePortInterrupt(g_portBase);

    {
        CPinBoardDlg mainWindow;
        m_pMainWnd = &mainWindow;
        mainWindow.exec();
    }
    m_exitStatus = EXIT_CLOSED;
    return false;
}

void CPortApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->close();
}

QString CPortApp::HelpFilePath() const
{
    return HelpFileFor(applicationFilePath());
}

void CPortApp::WinHelp(unsigned long, unsigned command)
{
    if (command != HELP_CONTENTS)
        return;
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer;
    if (!m_helpViewer->ShowContents(HelpFilePath())) {
        QMessageBox box(QMessageBox::Warning, applicationName(),
                        LoadResourceString(AFX_IDP_FAILED_TO_LAUNCH_HELP), QMessageBox::Ok, m_pMainWnd);
        box.exec();
    }
}
