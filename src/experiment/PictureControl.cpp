#include "PictureControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

void InstallVEK4Accessibility(); // VEK4Accessibility.cpp

TPictureControl::TPictureControl(QWidget* parent, const QImage& picture) : QWidget(parent), Image(picture) {
    InstallVEK4Accessibility(); // before anything asks a picture what it is
    if (!Image.isNull()) resize(Image.deviceIndependentSize().toSize());
}

void TPictureControl::SetPicture(const QImage& picture, TPictureAtScale atScale) {
    Image = picture;
    AtScale = std::move(atScale);
    Sharp = QImage();
    update();
}

void TPictureControl::AutoSize() {
    resize(Image.deviceIndependentSize().toSize());
}

void TPictureControl::paintEvent(QPaintEvent*) {
    if (Image.isNull()) return;
    QPainter painter(this);
    if (FadeWhenDisabled && !isEnabled()) painter.setOpacity(0.4);
    const qreal scale = devicePixelRatioF();
    if (scale != 1.0 && AtScale) {
        if (Sharp.isNull() || Sharp.devicePixelRatio() != scale) Sharp = AtScale(scale);
        const QRectF shown(0, 0, std::min(width(), Image.width()) * scale,
                           std::min(height(), Image.height()) * scale);
        painter.drawImage(QPointF(0, 0), Sharp, shown);
    } else if (Image.devicePixelRatio() != 1.0) {
        const qreal own = Image.devicePixelRatio();
        const QSizeF size = Image.deviceIndependentSize();
        painter.drawImage(QPointF(0, 0), Image,
                          QRectF(0, 0, std::min<qreal>(width(), size.width()) * own,
                                 std::min<qreal>(height(), size.height()) * own));
    } else {
        painter.drawImage(QPoint(0, 0), Image, rect());
    }
    if (hasFocus()) {
        // The keyboard's focus mark: a dashed blue frame just inside the control.
        painter.setOpacity(1.0);
        painter.setPen(QPen(QColor(0x00, 0x5A, 0xC8), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TPictureControl::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(event);
    else
        QWidget::mousePressEvent(event);
}

void TPictureControl::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(event);
    else
        QWidget::mouseMoveEvent(event);
}

void TPictureControl::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp)
        OnMouseUp(event);
    else
        QWidget::mouseReleaseEvent(event);
}
