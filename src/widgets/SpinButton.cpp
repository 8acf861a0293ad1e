#include "SpinButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "SpinGlyphs.h"

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    RepeatTimer.setInterval(InitRepeatPause);
    connect(&RepeatTimer, &QTimer::timeout, this, &TTimerSpeedButton::TimerExpired);
}

void TTimerSpeedButton::Click() {
    emit Clicked();
}

void TTimerSpeedButton::TimerExpired() {
    RepeatTimer.setInterval(RepeatPause);
    if (!(IsDown && Captured)) return;
    try {
        Click();
    } catch (...) {
        // A step that fails must not keep failing ten times a second.
        RepeatTimer.stop();
        throw;
    }
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    emit MouseDownLeft();
    Captured = true;
    IsDown = true;
    update();
    if (AllowTimer) {
        RepeatTimer.setInterval(InitRepeatPause);
        RepeatTimer.start();
    }
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (!Captured) return;
    const bool over = rect().contains(event->position().toPoint());
    if (over != IsDown) {
        IsDown = over;
        update();
    }
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !Captured) return;
    const bool over = rect().contains(event->position().toPoint());
    Captured = false;
    IsDown = false;
    update();
    RepeatTimer.stop();
    if (over) Click();
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    qDrawWinButton(&painter, rect(), pal, IsDown, &pal.brush(QPalette::Button));
    if (!Glyph.isNull()) {
        QImage glyph = Glyph;
        if (!isEnabled()) {
            // Grey the arrow the way a disabled glyph looks: keep its shape, change its colour.
            QPainter tint(&glyph);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(glyph.rect(), pal.color(QPalette::Disabled, QPalette::WindowText));
        }
        const int shift = IsDown ? 1 : 0;
        painter.drawImage((width() - glyph.width()) / 2 + shift, (height() - glyph.height()) / 2 + shift,
                          glyph);
    }
    if (FocusRect) {
        QRect r = rect().adjusted(3, 3, -3, -3);
        if (IsDown) r.translate(1, 1);
        QPen pen(pal.color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(15);
    UpButton = new TTimerSpeedButton(this);
    DownButton = new TTimerSpeedButton(this);
    UpButton->Glyph = SpinGlyph(QStringLiteral("UpSpin"));
    DownButton->Glyph = SpinGlyph(QStringLiteral("DownSpin"));
    Focused = UpButton;
    connect(UpButton, &TTimerSpeedButton::Clicked, this, &TSpinButton::OnUpClick);
    connect(DownButton, &TTimerSpeedButton::Clicked, this, &TSpinButton::OnDownClick);
    connect(UpButton, &TTimerSpeedButton::MouseDownLeft, this, [this] { HalfPressed(UpButton); });
    connect(DownButton, &TTimerSpeedButton::MouseDownLeft, this, [this] { HalfPressed(DownButton); });
    resize(20, 25);
}

void TSpinButton::HalfPressed(TTimerSpeedButton* half) {
    SetFocusedButton(half);
    QWidget* target = FocusControl.data();
    if (target && (target->focusPolicy() & Qt::TabFocus) && target->isEnabled() && target->isVisible() &&
        !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
    else if ((focusPolicy() & Qt::TabFocus) && isEnabled() && isVisible() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton* half) {
    if (half == Focused) return;
    Focused->FocusRect = false;
    Focused->update();
    Focused = half;
    Focused->FocusRect = hasFocus();
    Focused->update();
}

void TSpinButton::resizeEvent(QResizeEvent*) {
    const int upper = height() / 2;
    UpButton->setGeometry(0, 0, width(), upper);
    // The lower half overlaps the upper one by a pixel, so the two share one dividing line.
    DownButton->setGeometry(0, upper - 1, width(), height() - upper + 1);
}

bool TSpinButton::event(QEvent* event) {
    // The pair wants the arrow keys for itself rather than letting them move the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        SetFocusedButton(UpButton);
        UpButton->Click();
        break;
    case Qt::Key_Down:
        SetFocusedButton(DownButton);
        DownButton->Click();
        break;
    case Qt::Key_Space:
        Focused->Click();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    Focused->FocusRect = true;
    Focused->update();
    QWidget::focusInEvent(event);
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    Focused->FocusRect = false;
    Focused->update();
    QWidget::focusOutEvent(event);
}
