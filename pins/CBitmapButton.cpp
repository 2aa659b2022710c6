#include "pins/CBitmapButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

CBitmapButton::CBitmapButton(QWidget* parent)
    : QWidget(parent)
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

void CBitmapButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CBitmapButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
