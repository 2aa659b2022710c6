#pragma once

#include "port/Bidirectional.h"
#include "ui/CDialog.h"
#include "ui/PollTimer.h"

#include <QIcon>
#include <array>

class CBitmapButton;
class MainMenu;
class PinCanvas;
class QLabel;
class QMenu;
class QVBoxLayout;

// 0: the plain connector picture; any other value: the one with pin numbers.
extern int g_showPinNumbers;

// Every start of the poll reads this; nothing changes it while the program runs.
extern unsigned POLL_INTERVAL_MS;
constexpr int POLL_TIMER_ID = 349;

constexpr const char* TITLE_PORT = "Kelvaro 0.11 - Port %X";
constexpr const char* TITLE_BIDIR_OUT = "Kelvaro 0.11 - Port %X - Bidirectional - Out";
constexpr const char* TITLE_BIDIR_IN = "Kelvaro 0.11 - Port %X - Bidirectional - In";

// The main window: the connector with its 25 pin discs, kept current by a 50 ms poll.
class CPinBoardDlg : public CDialog {
    Q_OBJECT
public:
    explicit CPinBoardDlg(QWidget* parent = nullptr);
    ~CPinBoardDlg() override;

    // Every menu item and pin click arrives here as a command id.
    void OnCommand(int id);
    // The window's own menu (right-click): minimise, close, and the About box.
    void OnSysCommand(unsigned id, long parameter);

    // Command handlers, reached through the command table.
    template <int Pin>
    void OnPinClicked()
    {
        ToggleOutputPin(Pin);
    }
    void OnBidirTest();
    void OnBidirInOut();
    void OnHelpAbout();
    void OnHelpContents();
    void OnOptionsPort();
    void OnOptionsPinNumbers();
    void OnTimer(int timerId);

    // Pin display.
    void SetPinState(int level, int pin);
    void ShowDataPins();
    void ShowStatusPins();
    void ShowControlPins();
    void RefreshDataPins();
    void RefreshStatusPins();
    void RefreshControlPins();

    void OnPaint();
    QIcon OnQueryDragIcon() const;

    // For tests and the benchmark: what a person sees.
    int BidirMode() const { return m_bidirMode; }
    int InputDirection() const { return m_inputDirection; }
    bool IsMenuItemEnabled(int id) const;
    QAction* MenuAction(int id) const;
    CBitmapButton* SignalWidget(int pin) const;
    QLabel* GroundWidget(int pin) const;
    QWidget* ClientArea() const;
    QMenu* SystemMenu() const { return m_systemMenu; }
    bool PollTimerActive() const { return m_pollTimer.IsActive(); }

protected:
    bool OnInitDialog() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreatePinWidgets();
    void ToggleOutputPin(int pin);
    void SetTitle(const char* format);
    void EnableMenuItem(int id, bool enabled);
    void StartPollTimer();
    void StopPollTimer();
    void RunAboutBox();

    std::array<QLabel*, 8> m_groundPins{};
    std::array<CBitmapButton*, 5> m_statusPins{};
    std::array<CBitmapButton*, 12> m_outputPins{};
    ::BidirMode m_bidirMode = BIDIR_NONE;
    int m_inputDirection = 0;
    MainMenu* m_menu = nullptr;
    QIcon m_hIcon;

    QVBoxLayout* m_layout = nullptr;
    PinCanvas* m_client = nullptr;
    QMenu* m_systemMenu = nullptr;
    PollTimer<CPinBoardDlg> m_pollTimer{this};
};
