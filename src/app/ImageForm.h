#pragma once
// The picture viewer: a borderless window exactly the size of one module's picture, closed by a click on it.
// One viewer serves the whole run.

#include <QDialog>
#include <QLabel>
#include <QString>

// A picture control that reports a click (press and release on it).
class TImage final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Pressed = false;
};

class TImageViewer final : public QDialog {
    Q_OBJECT
public:
    explicit TImageViewer(QWidget* parent = nullptr);

    // Loads "VEK<n>.JPG" from the picture directory and shows it modally; returns when the viewer closes.
    // A file that cannot be read or decoded is reported in the central error box and the viewer stays
    // hidden; the answer is then false.
    bool ShowModulePicture(int n);
    [[nodiscard]] QString ModulePictureFile(int n) const;

    // The executable's directory unless a test says otherwise.
    QString PictureDirectory;
    TImage* Image1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Only a click on the picture closes the viewer: not even Escape.
    void keyPressEvent(QKeyEvent* event) override;
};

// The one picture viewer of the run, created at start-up.
extern TImageViewer* ImageViewer;
