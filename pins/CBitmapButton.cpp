#include "pins/CBitmapButton.h"

#include <QPainter>
#include <QPixmap>

CBitmapButton::CBitmapButton(QWidget* parent)
    : QAbstractButton(parent)
{
    // The discs are opaque squares: repainting one never needs the picture beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The main window keeps the keyboard focus; a disc never takes it.
    setFocusPolicy(Qt::NoFocus);
}

void CBitmapButton::SetImage(const QPixmap* image)
{
    m_image = image;
}

QSize CBitmapButton::sizeHint() const
{
    return {16, 16};
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_image)
        painter.drawPixmap(0, 0, *m_image);
    else
        painter.fillRect(rect(), palette().window());
}
