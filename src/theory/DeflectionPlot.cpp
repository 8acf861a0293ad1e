#include "DeflectionPlot.h"

#include "platform/NumberFormat.h"

#include <QCoreApplication>

namespace {

// The caption in the language in use; the number keeps the designed format.
QString Readout(const char* caption, double mm) {
    return QCoreApplication::translate("TDeflectionView", caption) + QChar('\t') + FormatFixed(mm, 2) +
           QStringLiteral(" mm");
}

} // namespace

QString GaugeReadoutText(double valueMm) {
    return FormatFixed(valueMm, 2) + QStringLiteral(" mm");
}

QString StationReadoutText(const TDeflectionCurve& curve, int sign, int station) {
    return GaugeReadoutText(sign * double(curve[station] * 1000.0f));
}

TDeflectionDrawing ClearedDrawing() {
    return TDeflectionDrawing{};
}

TDeflectionDrawing CantileverDrawing(const TDeflectionCurve& curve, int gaugeStation) {
    TDeflectionDrawing d;
    // Millimetre values are taken in single precision, like the stored curve, so a curve that ends at
    // exactly -0.002f m reads exactly -2 mm.
    long long N = RoundHalfEven(double(curve[LastStation] * 1000.0f) + 0.5);
    if (N == 0) N = 1;
    d.BottomScale = -double(N);
    d.DialGauge = StationReadoutText(curve, -1, gaugeStation);
    d.Negative = Readout(QT_TRANSLATE_NOOP("TDeflectionView", "Max -ve deflection:"),
                         -double(curve[LastStation] * 1000.0f));
    d.Positive = QString();
    d.Readouts = TReadoutVisibility::NegativeOnly;
    d.MinDeflection = QStringLiteral("-") + QString::number(N);
    d.MaxDeflection = QStringLiteral("0");
    const double x0 = StationX.front();
    const double span = StationX.back() - StationX.front();
    for (int i = 0; i < StationCount; ++i)
        d.Curve.push_back(
            {x0 + span * i / 60.0, PlotBandTop + double(curve[i] * 1000.0f) / double(N) * PlotBandHeight});
    return d;
}

TDeflectionDrawing FixedBothEndsDrawing(const TDeflectionCurve& curve, float largest, int gaugeStation) {
    TDeflectionDrawing d;
    const double largestMm = largest * 1000.0f;
    double S = double(RoundHalfEven(largestMm));
    if (largestMm >= S) S += 0.5;
    d.BottomScale = -S;
    d.DialGauge = StationReadoutText(curve, -1, gaugeStation);
    d.Negative = Readout(QT_TRANSLATE_NOOP("TDeflectionView", "Max -ve deflection:"), -largestMm);
    d.Positive = QString();
    d.Readouts = TReadoutVisibility::NegativeOnly;
    d.MinDeflection = QStringLiteral("-") + FormatGeneral(S);
    d.MaxDeflection = QStringLiteral("0");
    for (int i = 0; i < StationCount; ++i)
        d.Curve.push_back(
            {double(StationX[i]), PlotBandTop + double(curve[i] * 1000.0f) / S * PlotBandHeight});
    return d;
}

TDeflectionDrawing TwoSidedDrawing(const TDeflectionCurve& curve, float largest, float smallest,
                                   int gaugeStation) {
    TDeflectionDrawing d;
    const double largestMm = largest * 1000.0f;
    const double smallestMm = smallest * 1000.0f;
    double top = double(RoundHalfEven(largestMm));
    double bottom = double(RoundHalfEven(smallestMm));
    if (largestMm >= top) top += 0.5;
    if (smallestMm < bottom) bottom -= 0.5;
    if (bottom == 0.0) bottom = -0.5;
    const int zeroOffset = static_cast<int>(RoundHalfEven(top / (top - bottom) * PlotBandHeight));
    const int below = PlotBandHeight - zeroOffset;
    const double y0 = PlotBandTop + zeroOffset;
    d.TopScale = top;
    d.BottomScale = bottom;
    d.ZeroOffset = zeroOffset;
    d.ZeroLineY = y0;
    d.DialGauge = StationReadoutText(curve, 1, gaugeStation);
    d.Negative = Readout(QT_TRANSLATE_NOOP("TDeflectionView", "Max -ve deflection:"), smallestMm);
    d.Positive = Readout(QT_TRANSLATE_NOOP("TDeflectionView", "Max +ve deflection:"), largestMm);
    d.Readouts = TReadoutVisibility::Both;
    d.MaxDeflection = FormatGeneral(top);
    d.MinDeflection = FormatGeneral(bottom);
    for (int i = 0; i < StationCount; ++i) {
        const double v = curve[i] * 1000.0f;
        const double y = v > 0.0 ? y0 - v / top * zeroOffset : y0 + v / bottom * below;
        d.Curve.push_back({double(StationX[i]), y});
    }
    return d;
}
