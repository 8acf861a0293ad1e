#pragma once
// Measured against theory: the least-squares line through the origin and the modulus it implies.
//
// The theory predicts t = C / (E I) for every layout, C depending on the loads and the geometry only. If the
// beam's true modulus is E_exp, the gauge measures m = C / (E_exp I) = t E / E_exp. So the slope k of m
// against t, fitted through the origin by least squares,
//     k = sum(m t) / sum(t^2),
// gives the experimental modulus E_exp = E / k, compared as 100 (E_exp - E) / E %. For a series of hanger
// loads the implied flexural stiffness is E_exp I (N m^2).
//
// Its standard error and R^2 are those of a line through the origin (as a spreadsheet's trend line with a
// zero intercept gives them), with the residuals e = m - k t of the n points:
//     s(k) = sqrt( sum(e^2) / (n - 1) / sum(t^2) ),   R^2 = 1 - sum(e^2) / sum(m^2),
// and the modulus' uncertainty follows as s(E_exp) = E s(k) / k^2.
//
// A point is usable when its row belongs to the series (the newest row's property, or one run), has a
// measured value, a non-zero theory and a value the layout defines (TReading::NotFittedReason). The fit needs
// at least two usable points, a numeric property, and the same E and I in every usable row (otherwise t and m
// are not in one proportion); otherwise it says why.

#include <QString>

#include "record/FitResult.h"
#include "record/Readings.h"

// The series of the newest row's property over the whole table.
[[nodiscard]] TFitResult FitMeasuredToTheory(const TReadingsTable& table);
// One run (its rows share property, section, material, gauge and zero state), from the sums the table
// keeps: the same cost at ten rows as at ten thousand.
[[nodiscard]] TFitResult FitRun(const TReadingsTable& table, int run);
// The same from a run's sums, its first row (its property and stiffness) and its first row with a defined
// value (whether the property is a number; none: it counts as one). No first row: "No readings in this run".
[[nodiscard]] TFitResult FitRunFrom(const TFitSums& sums, const TReading* first,
                                    const TReading* firstDefined);

// A run's fit in one line, with its errors, for the window and the report alike: "k = 1.080 ± 0.004,
// R² = 0.9998, n = 5; E_exp = E / k = 63.9 ± 0.2 GPa (material 69 GPa, -7.4 %)", or why there is none.
[[nodiscard]] QString RunFitText(const TFitResult& fit);
// The same line in the language in use, for the screen (English with no translation loaded).
[[nodiscard]] QString RunFitTextShown(const TFitResult& fit);

// One line for the window: "E_exp = 72.1 GPa (material 69 GPa, +4.5 %), k = 0.957, n = 3".
[[nodiscard]] QString FitResultText(const TFitResult& fit);
