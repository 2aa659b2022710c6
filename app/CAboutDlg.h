#pragma once

#include "ui/CDialog.h"

namespace Ui {
class CAboutDlg;
}

// Name, version, logo and a few pin discs; OK, Esc or the close box end it.
class CAboutDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    Ui::CAboutDlg* m_ui;
};
