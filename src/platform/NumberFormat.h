#pragma once
// The three number formats used everywhere a number is shown:
//  - fixed with d decimals: the value is rounded once, to d decimals or to 4 significant digits, whichever
//    keeps fewer digits, and written with exactly d decimals (20.046 -> "20.05", 12345.6 -> "12350.00");
//  - general: the shortest decimal form with at most 4 significant digits (2, 2.5, -0.5, 0.1235);
//  - rounding to an integer, ties to the even integer (2.5 -> 2, 3.5 -> 4).
// Decimal rounding works on the value's 15-significant-digit decimal form with halves away from zero, so a
// number that reads as 2.675 rounds to 2.68 as a person expects, not to the binary neighbour's 2.67.
// A result that rounds to zero is written without a minus sign ("0.00", not "-0.00").

#include <QLocale>
#include <QString>

[[nodiscard]] QString FormatFixed(double value, int decimals, const QLocale& locale = QLocale());
[[nodiscard]] QString FormatGeneral(double value, const QLocale& locale = QLocale());
[[nodiscard]] long long RoundHalfEven(double value);
