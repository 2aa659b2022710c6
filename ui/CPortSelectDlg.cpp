#include "ui/CPortSelectDlg.h"

#include "port/PortDiscovery.h"
#include "res/ResourceIds.h"
#include "ui_CPortSelectDlg.h"

CPortSelectDlg::CPortSelectDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(new Ui::CPortSelectDlg)
{
    m_ui->setupUi(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CPortSelectDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CPortSelectDlg::reject);
}

CPortSelectDlg::~CPortSelectDlg()
{
    delete m_ui;
}

QListWidget* CPortSelectDlg::PortList() const
{
    return m_ui->portList;
}

bool CPortSelectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Table order, as discovery found them; the current port comes up selected.
    for (int i = 0; i < g_portCount; ++i) {
        m_ui->portList->addItem(QString::asprintf("Port %d: %X", i + 1, static_cast<unsigned>(g_portList[i])));
        if (g_portList[i] == g_portBase)
            m_ui->portList->setCurrentRow(i);
    }
    return true;
}

void CPortSelectDlg::accept()
{
    // The selection, not the current item: a list that merely had the focus has a
    // current item without anything being chosen.
    const QList<QListWidgetItem*> selected = m_ui->portList->selectedItems();
    if (!selected.isEmpty())
        g_portBase = g_portList[m_ui->portList->row(selected.first())];
    done(IDOK);
}

void CPortSelectDlg::reject()
{
    done(IDCANCEL);
}
