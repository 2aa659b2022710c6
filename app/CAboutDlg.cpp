#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Placeholder until the dialog's template lands.
CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(nullptr)
{
    setWindowTitle(QStringLiteral("Infos about Kelvaro"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kelvaro 0.11"), this));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
}

CAboutDlg::~CAboutDlg() = default;
