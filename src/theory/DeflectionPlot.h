#pragma once
// What one drawing of the deflection view shows, computed without a painter: the zero line, the curve's
// points (panel coordinates), the scale labels and the readouts. TDeflectionView paints it; tests read it.
//
// The plot band runs from y = 359 (top) to y = 479 (bottom), 120 pixels; the curve runs over the station
// positions x = 88..441 and the zero line from StationX[0] to StationX[60] + 10.

#include <QString>
#include <optional>
#include <vector>

#include "theory/Formulas.h"

inline constexpr int PlotBandTop = 359;
inline constexpr int PlotBandHeight = 120;

struct TPlotPoint {
    double X;
    double Y;
};

enum class TReadoutVisibility { HideBoth, NegativeOnly, Both };

struct TDeflectionDrawing {
    double ZeroLineY = PlotBandTop; // drawn at ZeroLineY and ZeroLineY + 1
    std::vector<TPlotPoint> Curve;  // empty: no curve
    QString MaxDeflection = QStringLiteral("0");
    QString MinDeflection = QStringLiteral("-1");
    QString DialGauge = QStringLiteral("0.00 mm");
    std::optional<QString> Positive; // unset: the label keeps its text
    std::optional<QString> Negative;
    TReadoutVisibility Readouts = TReadoutVisibility::HideBoth;

    // The scale of the drawing, for the record: cantilever N, fixed-both-ends S, two-sided TopScale,
    // BottomScale and ZeroOffset.
    double TopScale = 0.0;
    double BottomScale = 0.0;
    int ZeroOffset = 0;
};

// The theoretical deflection at the gauge, fixed with 2 decimals and " mm" (downward negative).
[[nodiscard]] QString GaugeReadoutText(double valueMm);
// The readout of a station: sign x the stored single-precision metres scaled to mm in single precision, so
// the gauge shows the very number the view wrote for the same station. sign is DeflectionSign of the
// computed arrangement (-1 for the sets stored downward positive).
[[nodiscard]] QString StationReadoutText(const TDeflectionCurve& curve, int sign, int station);

[[nodiscard]] TDeflectionDrawing ClearedDrawing();
// curve downward positive; the zero line is the top of the band and the scale runs down to the free end.
[[nodiscard]] TDeflectionDrawing CantileverDrawing(const TDeflectionCurve& curve, int gaugeStation);
[[nodiscard]] TDeflectionDrawing FixedBothEndsDrawing(const TDeflectionCurve& curve, float largest,
                                                      int gaugeStation);
// curve upward positive.
[[nodiscard]] TDeflectionDrawing TwoSidedDrawing(const TDeflectionCurve& curve, float largest, float smallest,
                                                 int gaugeStation);
