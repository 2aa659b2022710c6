#include "ui/CBidirTestDlg.h"

#include "port/PortDiscovery.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Placeholder until the dialog's template lands.
CBidirTestDlg::CBidirTestDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(nullptr)
{
    setWindowTitle(QStringLiteral("Checking for bidirectional mode support"));
    auto* layout = new QVBoxLayout(this);
    auto* start = new QPushButton(QStringLiteral("Start the test"), this);
    auto* back = new QPushButton(QStringLiteral("Main Menu"), this);
    auto* result = new QLabel(this);
    result->setObjectName(QStringLiteral("result"));
    layout->addWidget(result);
    layout->addWidget(start);
    layout->addWidget(back);
    connect(start, &QPushButton::clicked, this, &CBidirTestDlg::accept);
    connect(back, &QPushButton::clicked, this, &CBidirTestDlg::reject);
}

CBidirTestDlg::~CBidirTestDlg() = default;

QString CBidirTestDlg::ResultText() const
{
    return findChild<QLabel*>(QStringLiteral("result"))->text();
}

void CBidirTestDlg::accept()
{
    m_foundMode = BIDIR_NONE;
    m_foundMode = RunBidirTest(g_portBase);
    findChild<QLabel*>(QStringLiteral("result"))
        ->setText(m_foundMode == BIDIR_NONE
                      ? QStringLiteral("It seems the port doesn't support bidirectional mode.")
                      : QStringLiteral("It seems the port supports bidirectional mode %1.").arg(m_foundMode));
}

void CBidirTestDlg::reject()
{
    done(m_foundMode);
}
