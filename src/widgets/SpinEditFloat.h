#pragma once
// A spin edit for a floating-point number (a modulus in GPa, a section dimension in mm).
//
// Reading Value parses the whole text with the locale's decimal separator; a text that does not parse (empty,
// a lone sign, "1-2") reads as MinValue. Writing Value clamps into MinValue..MaxValue (equal bounds mean no
// bounds) and writes the number with exactly Precision decimals, so reading it back gives the rounded number.
// Leaving the box brings an out-of-range number back to the nearest bound; a text inside the range stays
// exactly as typed.

#include "SpinEditBase.h"

class TSpinEditFloat : public TSpinEditBase {
    Q_OBJECT
public:
    explicit TSpinEditFloat(QWidget* parent = nullptr);

    double MinValue = 0.0;
    double MaxValue = 0.0;
    // The linear step, or the step in per cent of the current value when Exponential.
    double Increment = 1.0;
    // Decimals written by SetValue (taken as 0..30).
    int Precision = 1;
    bool Exponential = false;

    [[nodiscard]] double Value() const;
    void SetValue(double value);
    // The range check: the number itself when there are no bounds or it lies within them, else the bound.
    [[nodiscard]] double CheckValue(double value) const;

    // One step up or down. Exponential steps that the rounding would swallow (from 0, or too small for the
    // decimals shown) move by one unit of the last decimal instead. A read-only box beeps and stays.
    void UpClick() override;
    void DownClick() override;

protected:
    void CorrectRangeOnExit() override;

private:
    void Step(int direction);
};
