#include "pins/PinWidgets.h"

#include "pins/CBitmapButton.h"
#include "pins/PinCanvas.h"
#include "pins/PinImages.h"
#include "pins/PinMap.h"
#include "res/ResourceIds.h"
#include "ui/CPinBoardDlg.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int PIN_SIZE = 16;
constexpr int PIN_PITCH = 24;
constexpr int FIRST_LOWER_PIN = 14;
constexpr QPoint UPPER_ROW_START(33, 25);
constexpr QPoint LOWER_ROW_START(45, 46);

} // namespace

QRect PinWidgetRect(int pin)
{
    const bool upper = pin < FIRST_LOWER_PIN;
    const QPoint start = upper ? UPPER_ROW_START : LOWER_ROW_START;
    const int column = upper ? pin - 1 : pin - FIRST_LOWER_PIN;
    return {start.x() + PIN_PITCH * column, start.y(), PIN_SIZE, PIN_SIZE};
}

QPoint IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight)
{
    // Signed division truncating toward zero, as the window system centres icons.
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

void CPinBoardDlg::CreatePinWidgets()
{
    for (const PinInfo& info : PIN_TABLE) {
        QWidget* widget = nullptr;
        if (info.kind == PinKind::Ground) {
            auto* label = new QLabel(m_client);
            label->setPixmap(PinImages::Get(IDB_PIN_GROUND));
            m_groundPins[info.widgetIndex] = label;
            widget = label;
        } else {
            auto* button = new CBitmapButton(m_client);
            const int id = PinId(info.pin);
            connect(button, &CBitmapButton::clicked, this, [this, id] { OnCommand(id); });
            if (info.kind == PinKind::Status)
                m_statusPins[info.widgetIndex] = button;
            else
                m_outputPins[info.widgetIndex] = button;
            widget = button;
        }
        widget->setObjectName(QStringLiteral("pin%1").arg(info.pin));
        widget->setGeometry(PinWidgetRect(info.pin));
    }
}

void CPinBoardDlg::SetPinState(int level, int pin)
{
    if (pin < 1 || pin > LAST_SIGNAL_PIN)
        return;
    const PinInfo& info = PinAt(pin);
    CBitmapButton* widget = SignalWidget(pin);
    widget->SetImage(&PinImages::Get(level != 0 ? info.highImage : info.lowImage));
    // Drawn at once, before anything else happens; the window keeps the focus.
    widget->repaint();
    setFocus();
}

void CPinBoardDlg::OnPaint()
{
    QPainter painter(m_client);
    if (isMinimized()) {
        const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
        const QPoint at = IconOrigin(m_client->width(), m_client->height(), iconSize, iconSize);
        m_hIcon.paint(&painter, QRect(at, QSize(iconSize, iconSize)));
        return;
    }
    const int picture = g_showPinNumbers != 0 ? IDB_CONNECTOR_NUMBERED : IDB_CONNECTOR;
    const QPixmap& connector = PinImages::Get(picture);
    // Piece by piece over the rectangles of the area to paint: drawn whole through a
    // clip with holes for the pins, Qt fills the picture on helper threads it starts.
    for (const QRect& piece : m_client->PaintRegion())
        painter.drawPixmap(piece.topLeft(), connector, piece);
}

QIcon CPinBoardDlg::OnQueryDragIcon() const
{
    return m_hIcon;
}
