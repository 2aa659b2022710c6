#include "ui/CBidirTestDlg.h"

#include "port/PortDiscovery.h"
#include "ui_CBidirTestDlg.h"

CBidirTestDlg::CBidirTestDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(new Ui::CBidirTestDlg)
{
    m_ui->setupUi(this);
    connect(m_ui->startButton, &QPushButton::clicked, this, &CBidirTestDlg::accept);
    connect(m_ui->mainMenuButton, &QPushButton::clicked, this, &CBidirTestDlg::reject);
}

CBidirTestDlg::~CBidirTestDlg()
{
    delete m_ui;
}

bool CBidirTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Qt would hand the focus to the default button; the test button comes first.
    m_ui->startButton->setFocus();
    return false;
}

QString CBidirTestDlg::ResultText() const
{
    return m_ui->testResult->text();
}

void CBidirTestDlg::accept()
{
    // A run that finds nothing must not keep the mode of an earlier one.
    m_foundMode = BIDIR_NONE;
    m_foundMode = RunBidirTest(g_portBase);
    m_ui->testResult->setText(
        m_foundMode == BIDIR_NONE
            ? QStringLiteral("It seems the port doesn't support bidirectional mode.")
            : QString::asprintf("It seems the port supports bidirectional mode %d.", m_foundMode));
}

void CBidirTestDlg::reject()
{
    done(m_foundMode);
}
