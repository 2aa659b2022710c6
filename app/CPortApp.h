#pragma once

#include <QApplication>
#include <QPointer>

class HelpViewer;

constexpr unsigned HELP_CONTENTS = 3;

// Process exit codes.
enum ExitStatus : int {
    EXIT_CLOSED = 0,        // the user closed the main window
    EXIT_NO_PORT = 1,       // no parallel port answered, or none may be used
    EXIT_BAD_COMMAND_LINE = 2,
};

// The application: sets the look, finds the ports and runs the main window.
class CPortApp : public QApplication {
    Q_OBJECT
public:
    CPortApp(int& argc, char** argv);
    ~CPortApp() override;

    static CPortApp* Instance();

    // The whole run: returns once the main window has closed, or at once when
    // there is no port. Always false, as the window's modal run was the program.
    bool InitInstance();
    int ExitStatus() const { return m_exitStatus; }

    QWidget* MainWindow() const { return m_pMainWnd; }
    // File > Exit: asks the main window to close, as its close box does.
    void OnAppExit();
    // Opens the help file's contents in the help viewer.
    void WinHelp(unsigned long data, unsigned command);
    // The help file: named after the program file, with the extension ".HLP".
    QString HelpFilePath() const;
    HelpViewer* Help() const { return m_helpViewer; }

    // White windows and black text for every window and message box to come.
    void SetDialogBkColor();

private:

    QPointer<QWidget> m_pMainWnd;
    HelpViewer* m_helpViewer = nullptr;
    int m_exitStatus = EXIT_CLOSED;
};
