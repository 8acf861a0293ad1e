#include "PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

TPictureControl::TPictureControl(QWidget* parent, const QImage& picture) : QWidget(parent), Image(picture) {
    if (!Image.isNull()) resize(Image.size());
}

void TPictureControl::SetPicture(const QImage& picture) {
    Image = picture;
    update();
}

void TPictureControl::AutoSize() {
    resize(Image.size());
}

void TPictureControl::paintEvent(QPaintEvent*) {
    if (Image.isNull()) return;
    QPainter painter(this);
    if (FadeWhenDisabled && !isEnabled()) painter.setOpacity(0.4);
    painter.drawImage(QPoint(0, 0), Image, rect());
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
