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
// A point is usable when its row belongs to the series (the newest row's property), has a measured value
// and a non-zero theory. The fit needs at least two usable points, a numeric property, and the same E and
// I in every usable row (otherwise t and m are not in one proportion); otherwise it says why.

#include <QString>

#include "record/Readings.h"

struct TFitResult {
    bool Ok = false;
    QString Message;            // why there is no result (Ok false)
    int N = 0;                  // usable points
    double K = 0.0;             // slope of measured against theory
    double ModulusGPa = 0.0;    // the material's E
    double ModulusExpGPa = 0.0; // E / k
    double DifferencePercent = 0.0;
    bool HasFlexuralStiffness = false; // for a series of hanger loads
    double FlexuralStiffnessNm2 = 0.0; // E_exp I
};

[[nodiscard]] TFitResult FitMeasuredToTheory(const TReadingsTable& table);

// One line for the window: "E_exp = 72.1 GPa (material 69 GPa, +4.5 %), k = 0.957, n = 3".
[[nodiscard]] QString FitResultText(const TFitResult& fit);
