#pragma once

#include <QPoint>
#include <QRect>

// Where a pin's 16 x 16 widget sits in the client area: two staggered rows, as on
// the connector, the lower one 12 pixels further right.
QRect PinWidgetRect(int pin);

// Where a minimised window centres its icon in a client area of w x h.
QPoint IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
