#pragma once

#include <QWidget>
#include <functional>

// The main window's client area: the connector picture and, on it, the pin widgets.
// Its owner paints it, so all drawing logic stays with the window.
class PinCanvas final : public QWidget {
    Q_OBJECT
public:
    PinCanvas(QSize size, std::function<void()> paint, QWidget* parent = nullptr);

    QSize sizeHint() const override { return size(); }

    // What the paint in progress must cover: the area asked for, less the pin
    // widgets, which paint themselves.
    const QRegion& PaintRegion() const { return m_paintRegion; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> m_paint;
    QRegion m_paintRegion;
};
