#include "pins/PinCanvas.h"

PinCanvas::PinCanvas(QSize size, std::function<void()> paint, QWidget* parent)
    : QWidget(parent)
    , m_paint(std::move(paint))
{
    setFixedSize(size);
}

void PinCanvas::paintEvent(QPaintEvent*)
{
    m_paint();
}
