#pragma once

#include <QDialog>

// A dialog whose OnInitDialog runs once, after its widgets exist and before it is
// first shown, whichever way it is shown (exec, show, open).
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

protected:
    virtual bool OnInitDialog() { return true; }

private:
    bool m_initialised = false;
};

// Converts dialog-template units (8-point dialog font) to pixels.
constexpr int DialogUnitsX(int units)
{
    return units * 3 / 2;
}
constexpr int DialogUnitsY(int units)
{
    return units * 13 / 8;
}
