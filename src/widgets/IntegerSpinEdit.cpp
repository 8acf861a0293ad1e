#include "IntegerSpinEdit.h"

#include <QKeyEvent>
#include <algorithm>
#include <climits>

#include "platform/MessageLayer.h"

TIntegerSpinEdit::TIntegerSpinEdit(QWidget* parent) : TSpinEditBase(parent), CurrentText(text()) {
    CursorBeforeChange = cursorPosition();
}

int TIntegerSpinEdit::Value() const {
    bool ok = false;
    const int value = text().toInt(&ok, 10);
    return ok ? value : MinValue;
}

int TIntegerSpinEdit::CheckValue(long long value) const {
    if (MaxValue != MinValue) value = std::clamp<long long>(value, MinValue, MaxValue);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void TIntegerSpinEdit::SetValue(long long value) {
    setText(QString::number(CheckValue(value)));
}

void TIntegerSpinEdit::UpClick() {
    if (isReadOnly())
        Messages().Beep();
    else
        SetValue(static_cast<long long>(Value()) + Increment);
}

void TIntegerSpinEdit::DownClick() {
    if (isReadOnly())
        Messages().Beep();
    else
        SetValue(static_cast<long long>(Value()) - Increment);
}

void TIntegerSpinEdit::CorrectRangeOnExit() {
    const int value = Value();
    if (CheckValue(value) != value) SetValue(value);
}

void TIntegerSpinEdit::keyPressEvent(QKeyEvent* event) {
    CursorBeforeChange = cursorPosition();
    TSpinEditBase::keyPressEvent(event);
}

void TIntegerSpinEdit::TextChanged() {
    UndoText = CurrentText;
    UndoCursor = CursorBeforeChange;
    CurrentText = text();
    CursorBeforeChange = cursorPosition();
    HasUndo = true;
    TSpinEditBase::TextChanged();
}

void TIntegerSpinEdit::Undo() {
    if (!HasUndo) return;
    const QString previous = UndoText;
    const int cursor = UndoCursor;
    CursorBeforeChange = cursorPosition();
    setText(previous);
    setCursorPosition(std::min<int>(cursor, int(previous.size())));
}
