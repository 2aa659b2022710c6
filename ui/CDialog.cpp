#include "ui/CDialog.h"

CDialog::CDialog(QWidget* parent)
    : QDialog(parent)
{
}

void CDialog::setVisible(bool visible)
{
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}
