#pragma once
// A picture control of the experiment window: shows one picture at its top-left corner, cropped to the
// control's size (the UDL strip is one 361-pixel picture cropped to the load's length), transparent where
// the picture is. It carries the integer Tag that tells like controls apart (the station of a hanger, the
// grams of a mass picture) and reports the mouse to the window's handlers in its own coordinates.

#include <QImage>
#include <QWidget>
#include <functional>

class TPictureControl : public QWidget {
    Q_OBJECT
public:
    explicit TPictureControl(QWidget* parent, const QImage& picture = {});

    // The picture, and where to get it drawn for another screen scale (the device pixel ratio); without that,
    // other scales show the 1x picture enlarged.
    using TPictureAtScale = std::function<QImage(qreal scale)>;
    void SetPicture(const QImage& picture, TPictureAtScale atScale = {});
    [[nodiscard]] const QImage& Picture() const { return Image; }
    // Sizes the control to its picture.
    void AutoSize();

    int Tag = 0;
    // Tool-box pictures look faded while disabled, so a student sees which tools can be used.
    bool FadeWhenDisabled = false;

    // Mouse events in the control's coordinates, for the editing gestures.
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage Image;
    TPictureAtScale AtScale;
    QImage Sharp; // the picture at the scale last painted
};
