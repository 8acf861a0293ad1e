#include "SpinEditFloat.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "platform/MessageLayer.h"

TSpinEditFloat::TSpinEditFloat(QWidget* parent) : TSpinEditBase(parent) {}

double TSpinEditFloat::Value() const {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text(), &ok);
    // "inf" and "nan" parse, but no bound can hold them: they read like any other unusable text.
    if (!ok || !std::isfinite(value)) return MinValue;
    return value;
}

double TSpinEditFloat::CheckValue(double value) const {
    if (MaxValue == MinValue) return value;
    if (value < MinValue) return MinValue;
    if (value > MaxValue) return MaxValue;
    return value;
}

void TSpinEditFloat::SetValue(double value) {
    if (std::isnan(value)) value = MinValue;
    value = CheckValue(value);
    if (!std::isfinite(value)) value = MinValue;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    setText(locale.toString(value, 'f', std::clamp(Precision, 0, 30)));
}

void TSpinEditFloat::Step(int direction) {
    if (isReadOnly()) {
        Messages().Beep();
        return;
    }
    if (!Exponential) {
        SetValue(Value() + direction * Increment);
        return;
    }
    const double before = Value();
    SetValue(before + direction * std::fabs(before) * Increment / 100.0);
    if (Value() == before) SetValue(Value() + direction * std::pow(10.0, -std::clamp(Precision, 0, 30)));
}

void TSpinEditFloat::UpClick() {
    Step(+1);
}

void TSpinEditFloat::DownClick() {
    Step(-1);
}

void TSpinEditFloat::CorrectRangeOnExit() {
    const double value = Value();
    if (CheckValue(value) != value) SetValue(value);
}
