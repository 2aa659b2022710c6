#include "app/CAboutDlg.h"

#include "pins/PinImages.h"
#include "res/ResourceIds.h"
#include "ui_CAboutDlg.h"

#include <utility>

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(parent)
    , m_ui(new Ui::CAboutDlg)
{
    m_ui->setupUi(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CAboutDlg::accept);

    // The pictures come from the one image cache; each shows at its own size.
    const std::pair<QLabel*, int> pictures[] = {
        {m_ui->statusLowPicture, IDB_STATUS_LOW},   {m_ui->controlHighPicture, IDB_CONTROL_HIGH},
        {m_ui->dataLowPicture, IDB_DATA_LOW},       {m_ui->logoPicture, IDB_LOGO},
        {m_ui->statusHighPicture, IDB_STATUS_HIGH}, {m_ui->controlLowPicture, IDB_CONTROL_LOW},
        {m_ui->groundPicture1, IDB_PIN_GROUND},     {m_ui->groundPicture2, IDB_PIN_GROUND},
        {m_ui->dataHighPicture, IDB_DATA_HIGH},
    };
    for (const auto& [label, imageId] : pictures) {
        const QPixmap& image = PinImages::Get(imageId);
        label->setPixmap(image);
        label->resize(image.deviceIndependentSize().toSize());
    }
}

CAboutDlg::~CAboutDlg()
{
    delete m_ui;
}
