#pragma once

#include <QWidget>

class QPixmap;

// A pin disc that can be clicked. It paints nothing but its current image, so it looks
// the same pressed, focused or idle; only SetImage changes what it shows.
// A plain widget rather than a QAbstractButton: buttons never count as opaque, so each
// redraw of one would repaint the connector picture beneath it too.
class CBitmapButton final : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // The image is shared with the image cache and must outlive the button.
    void SetImage(const QPixmap* image);
    const QPixmap* Image() const { return m_image; }

    QSize sizeHint() const override;

signals:
    // Pressed and released over the disc with the left button.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QPixmap* m_image = nullptr;
    bool m_pressed = false;
};
