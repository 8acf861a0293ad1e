#include "ReadingsFit.h"

#include <cmath>

#include "platform/NumberFormat.h"

namespace {

bool Same(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

} // namespace

TFitResult FitMeasuredToTheory(const TReadingsTable& table) {
    TFitResult fit;
    const TVariedProperty series = table.SeriesProperty();
    double sumMT = 0.0, sumTT = 0.0;
    const TReading* first = nullptr;
    bool mixedStiffness = false;
    bool numeric = true;
    for (const TReading& r : table.Rows()) {
        if (r.Property != series) continue;
        const auto m = r.MeasuredMm();
        if (!m || r.TheoryMm == 0.0) continue;
        if (!r.Varied.Numeric && !r.Varied.Undefined) numeric = false;
        if (!first)
            first = &r;
        else if (!Same(r.Stiffness.ModulusGPa, first->Stiffness.ModulusGPa) ||
                 !Same(r.Stiffness.SecondMomentM4, first->Stiffness.SecondMomentM4))
            mixedStiffness = true;
        sumMT += *m * r.TheoryMm;
        sumTT += r.TheoryMm * r.TheoryMm;
        ++fit.N;
    }
    if (table.Empty()) {
        fit.Message = QStringLiteral("No readings yet");
        return fit;
    }
    if (!numeric) {
        fit.Message = QStringLiteral("No fit: the property varied is not a number");
        return fit;
    }
    if (fit.N < 2) {
        fit.Message = QStringLiteral("No fit yet: it needs at least two readings with a measured value and a "
                                     "non-zero theory (%1 so far)")
                          .arg(fit.N);
        return fit;
    }
    if (mixedStiffness) {
        fit.Message = QStringLiteral("No fit: the section or material changed during the series");
        return fit;
    }
    fit.K = sumMT / sumTT;
    fit.ModulusGPa = first->Stiffness.ModulusGPa;
    if (!(fit.K > 0.0)) {
        fit.Message = QStringLiteral("No fit: measured and theory have opposite signs (k = %1)")
                          .arg(FormatFixed(fit.K, 3));
        return fit;
    }
    fit.Ok = true;
    fit.ModulusExpGPa = fit.ModulusGPa / fit.K;
    fit.DifferencePercent = 100.0 * (fit.ModulusExpGPa - fit.ModulusGPa) / fit.ModulusGPa;
    if (series == TVariedProperty::HangerLoad) {
        fit.HasFlexuralStiffness = true;
        fit.FlexuralStiffnessNm2 = fit.ModulusExpGPa * 1e9 * first->Stiffness.SecondMomentM4;
    }
    return fit;
}

QString FitResultText(const TFitResult& fit) {
    if (!fit.Ok) return fit.Message;
    const QString sign = fit.DifferencePercent > 0 ? QStringLiteral("+") : QString();
    QString text = QStringLiteral("E_exp = %1 GPa (material %2 GPa, %3%4 %), k = %5, n = %6")
                       .arg(FormatFixed(fit.ModulusExpGPa, 1), FormatGeneral(fit.ModulusGPa), sign,
                            FormatFixed(fit.DifferencePercent, 1), FormatFixed(fit.K, 3))
                       .arg(fit.N);
    if (fit.HasFlexuralStiffness)
        text += QStringLiteral("; EI = %1 N m^2").arg(FormatFixed(fit.FlexuralStiffnessNm2, 3));
    return text;
}
