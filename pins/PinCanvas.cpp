#include "pins/PinCanvas.h"

#include <QPaintEvent>

PinCanvas::PinCanvas(QSize size, std::function<void()> paint, QWidget* parent)
    : QWidget(parent)
    , m_paint(std::move(paint))
{
    setFixedSize(size);
}

void PinCanvas::paintEvent(QPaintEvent* event)
{
    m_paintRegion = event->region();
    m_paint();
    m_paintRegion = QRegion();
}
