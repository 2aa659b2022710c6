#pragma once

#include "ui/CDialog.h"

namespace Ui {
class CPortSelectDlg;
}

class QListWidget;

// Lists the ports found at start-up with the current one selected; OK makes the
// selected one current (g_portBase) before the dialog closes.
class CPortSelectDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CPortSelectDlg(QWidget* parent = nullptr);
    ~CPortSelectDlg() override;

    QListWidget* PortList() const;

    void accept() override; // ends with IDOK
    void reject() override; // ends with IDCANCEL

protected:
    bool OnInitDialog() override;

private:
    Ui::CPortSelectDlg* m_ui;
};
