#include "ui/CPortSelectDlg.h"

#include "port/PortDiscovery.h"
#include "res/ResourceIds.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// Placeholder until the dialog's template lands.
CPortSelectDlg::CPortSelectDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(nullptr)
{
    setWindowTitle(QStringLiteral("Choose the new parallel port to test"));
    auto* layout = new QVBoxLayout(this);
    auto* list = new QListWidget(this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(list);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &CPortSelectDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CPortSelectDlg::reject);
}

CPortSelectDlg::~CPortSelectDlg() = default;

QListWidget* CPortSelectDlg::PortList() const
{
    return findChild<QListWidget*>();
}

bool CPortSelectDlg::OnInitDialog()
{
    int selected = -1;
    for (int i = 0; i < g_portCount; ++i) {
        PortList()->addItem(QString::asprintf("Port %d: %X", i + 1, static_cast<unsigned>(g_portList[i])));
        if (g_portList[i] == g_portBase)
            selected = i;
    }
    PortList()->setCurrentRow(selected);
    return true;
}

void CPortSelectDlg::accept()
{
    const int selected = PortList()->currentRow();
    if (selected != -1)
        g_portBase = g_portList[selected];
    done(IDOK);
}

void CPortSelectDlg::reject()
{
    done(IDCANCEL);
}
