#include "ImageForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Cursors.h"
#include "platform/ErrorHandler.h"
#include "platform/JpegFile.h"

TImageViewer* ImageViewer = nullptr;

void TImage::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit Clicked();
}

TImageViewer::TImageViewer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      PictureDirectory(QCoreApplication::applicationDirPath()) {
    setObjectName(QStringLiteral("ImageViewer"));
    resize(751, 540);
    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);
    connect(Image1, &TImage::Clicked, this, &QDialog::close);
}

QString TImageViewer::ModulePictureFile(int n) const {
    return QDir(PictureDirectory).filePath(QStringLiteral("VEK%1.JPG").arg(n));
}

bool TImageViewer::ShowModulePicture(int n) {
    const TJpegResult picture = LoadJpegFile(ModulePictureFile(n));
    if (!picture.Ok()) {
        ShowCentralError(picture.Error);
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(picture.Image);
    // On a screen at 150 % or more, the picture drawn at twice the size beside it, when it is there and is
    // exactly that: the same picture, sharp, in the same room.
    if (devicePixelRatioF() >= 1.5) {
        const TJpegResult sharp =
            LoadJpegFile(QDir(PictureDirectory).filePath(QStringLiteral("VEK%1@2x.JPG").arg(n)));
        if (sharp.Ok() && sharp.Image.size() == picture.Image.size() * 2) {
            pixmap = QPixmap::fromImage(sharp.Image);
            pixmap.setDevicePixelRatio(2.0);
        }
    }
    Image1->setPixmap(pixmap);
    Image1->resize(picture.Image.size()); // natural size, never scaled
    ShowModal(*this);
    return true;
}

void TImageViewer::showEvent(QShowEvent* event) {
    setFixedSize(Image1->size());
    QDialog::showEvent(event);
}

void TImageViewer::closeEvent(QCloseEvent* event) {
    SetScreenCursor(crHandPoint);
    QDialog::closeEvent(event);
}

void TImageViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
