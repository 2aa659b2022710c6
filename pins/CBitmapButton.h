#pragma once

#include <QAbstractButton>

class QPixmap;

// A pin disc that can be clicked. It paints nothing but its current image, so it looks
// the same pressed, focused or idle; only SetImage changes what it shows.
class CBitmapButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // The image is shared with the image cache and must outlive the button.
    void SetImage(const QPixmap* image);
    const QPixmap* Image() const { return m_image; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap* m_image = nullptr;
};
