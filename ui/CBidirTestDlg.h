#pragma once

#include "port/Bidirectional.h"
#include "ui/CDialog.h"

namespace Ui {
class CBidirTestDlg;
}

// Explains the bidirectional test and runs it on the current port as often as the
// user asks; ends with the mode found by the last run (0 when none, or never run).
class CBidirTestDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CBidirTestDlg(QWidget* parent = nullptr);
    ~CBidirTestDlg() override;

    BidirMode FoundMode() const { return m_foundMode; }
    QString ResultText() const;

    // "Start the test": runs the test and stays open.
    void accept() override;
    // "Main Menu", Esc and the close box: end with the mode found.
    void reject() override;

protected:
    bool OnInitDialog() override;

private:
    Ui::CBidirTestDlg* m_ui;
    BidirMode m_foundMode = BIDIR_NONE;
};
