#pragma once
// The small up/down button pair that sits inside the right edge of the spin edits, and the auto-repeating
// speed button that makes each half.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// A flat-faced push button that repeats its click while held: the first repeat after 400 ms, then every
// 100 ms. The repeat tick is public so that tests can drive it instead of waiting for the timer.
class TTimerSpeedButton final : public QWidget {
    Q_OBJECT
public:
    static constexpr int InitRepeatPause = 400;
    static constexpr int RepeatPause = 100;

    explicit TTimerSpeedButton(QWidget* parent);

    QImage Glyph;
    bool AllowTimer = true;
    // Set while the button pair has the keyboard focus and this half is its focused half.
    bool FocusRect = false;

    [[nodiscard]] bool Down() const { return IsDown; }
    [[nodiscard]] bool RepeatActive() const { return RepeatTimer.isActive(); }
    [[nodiscard]] int RepeatInterval() const { return RepeatTimer.interval(); }

    // One expiry of the repeat timer.
    void TimerExpired();
    // The ordinary click (also used by the keyboard of the pair).
    void Click();

signals:
    void Clicked();
    void MouseDownLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTimer RepeatTimer;
    bool Captured = false; // the left button went down here and is still held
    bool IsDown = false;   // drawn pressed: captured and the pointer over the button
};

class TSpinButton final : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent);

    TTimerSpeedButton* UpButton;
    TTimerSpeedButton* DownButton;

    // The control that receives the keyboard focus when a half is pressed; forgotten when it is destroyed.
    QPointer<QWidget> FocusControl;

    [[nodiscard]] TTimerSpeedButton* FocusedButton() const { return Focused; }

signals:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void HalfPressed(TTimerSpeedButton* half);
    void SetFocusedButton(TTimerSpeedButton* half);
    TTimerSpeedButton* Focused;
};
