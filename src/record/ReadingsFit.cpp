#include "ReadingsFit.h"

#include <QCoreApplication>
#include <cmath>

#include "platform/NumberFormat.h"

namespace {

// Why there is no fit: in English for the files, with its source kept for the screen.
void Say(TFitResult& fit, const char* source, const QString& argument = QString()) {
    fit.MessageSource = source;
    fit.MessageArgument = argument;
    const QString english = QString::fromUtf8(source);
    fit.Message = argument.isNull() ? english : english.arg(argument);
}

bool Same(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

// k, its error and R^2 from the sums, once the series is known to be one proportion.
void Finish(TFitResult& fit, const TFitSums& sums, const TStiffnessChoice& stiffness,
            TVariedProperty series) {
    fit.K = sums.SumMT / sums.SumTT;
    fit.ModulusGPa = stiffness.ModulusGPa;
    if (sums.ZeroMeasured == sums.N) {
        Say(fit,
            QT_TRANSLATE_NOOP("ReadingsFit",
                              "No fit: the measured values are all zero (is the gauge touching the beam?)"));
        return;
    }
    if (!(fit.K > 0.0)) {
        Say(fit, QT_TRANSLATE_NOOP("ReadingsFit", "No fit: measured and theory have opposite signs (k = %1)"),
            FormatFixed(fit.K, 3));
        return;
    }
    fit.Ok = true;
    fit.ModulusExpGPa = fit.ModulusGPa / fit.K;
    fit.DifferencePercent = 100.0 * (fit.ModulusExpGPa - fit.ModulusGPa) / fit.ModulusGPa;
    // sum(e^2) = sum(m^2) - 2 k sum(m t) + k^2 sum(t^2) = sum(m^2) - k sum(m t); never below zero.
    const double sse = std::max(0.0, sums.SumMM - fit.K * sums.SumMT);
    fit.KError = sums.N > 1 ? std::sqrt(sse / (sums.N - 1) / sums.SumTT) : 0.0;
    fit.RSquared = sums.SumMM > 0.0 ? 1.0 - sse / sums.SumMM : 0.0;
    fit.ModulusExpErrorGPa = fit.ModulusGPa * fit.KError / (fit.K * fit.K);
    if (series == TVariedProperty::HangerLoad) {
        fit.HasFlexuralStiffness = true;
        fit.FlexuralStiffnessNm2 = fit.ModulusExpGPa * 1e9 * stiffness.SecondMomentM4;
    }
}

} // namespace

TFitResult FitRun(const TReadingsTable& table, int run) {
    // The run's rows share property and stiffness by its rule: its first row speaks for them, and its
    // first row with a defined value says whether the property is a number.
    const TReading* first = nullptr;
    const TReading* defined = nullptr;
    for (const TReading& r : table.Rows())
        if (r.Run == run) {
            if (!first) first = &r;
            if (!r.Varied.Undefined) {
                defined = &r;
                break;
            }
        }
    return FitRunFrom(table.RunSums(run), first, defined);
}

TFitResult FitRunFrom(const TFitSums& sums, const TReading* first, const TReading* firstDefined) {
    TFitResult fit;
    const bool numeric = !firstDefined || firstDefined->Varied.Numeric;
    if (!first) {
        Say(fit, QT_TRANSLATE_NOOP("ReadingsFit", "No readings in this run"));
        return fit;
    }
    fit.N = sums.N;
    if (!numeric) {
        Say(fit, QT_TRANSLATE_NOOP("ReadingsFit", "No fit: the property varied is not a number"));
        return fit;
    }
    if (fit.N < 2) {
        Say(fit,
            QT_TRANSLATE_NOOP("ReadingsFit",
                              "No fit yet: it needs at least two readings with a measured value "
                              "and a non-zero theory (%1 so far)"),
            QString::number(fit.N));
        return fit;
    }
    Finish(fit, sums, first->Stiffness, first->Property);
    return fit;
}

TFitResult FitMeasuredToTheory(const TReadingsTable& table) {
    TFitResult fit;
    const TVariedProperty series = table.SeriesProperty();
    TFitSums sums;
    const TReading* first = nullptr;
    bool mixedStiffness = false;
    bool numeric = true;
    for (const TReading& r : table.Rows()) {
        if (r.Property != series || !r.NotFittedReason().isEmpty()) continue;
        const auto m = r.MeasuredMm();
        if (!m || r.TheoryMm == 0.0) continue;
        if (!r.Varied.Numeric) numeric = false;
        if (!first)
            first = &r;
        else if (!Same(r.Stiffness.ModulusGPa, first->Stiffness.ModulusGPa) ||
                 !Same(r.Stiffness.SecondMomentM4, first->Stiffness.SecondMomentM4))
            mixedStiffness = true;
        sums.Add(r);
    }
    fit.N = sums.N;
    if (table.Empty()) {
        Say(fit, QT_TRANSLATE_NOOP("ReadingsFit", "No readings yet"));
        return fit;
    }
    if (!numeric) {
        Say(fit, QT_TRANSLATE_NOOP("ReadingsFit", "No fit: the property varied is not a number"));
        return fit;
    }
    if (fit.N < 2) {
        Say(fit,
            QT_TRANSLATE_NOOP("ReadingsFit",
                              "No fit yet: it needs at least two readings with a measured value "
                              "and a non-zero theory (%1 so far)"),
            QString::number(fit.N));
        return fit;
    }
    if (mixedStiffness) {
        Say(fit,
            QT_TRANSLATE_NOOP("ReadingsFit", "No fit: the section or material changed during the series"));
        return fit;
    }
    Finish(fit, sums, first->Stiffness, series);
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

namespace {

// A run's fit in one line: in English for the report and the files, or in the language in use for the screen.
QString FitLine(const TFitResult& fit, bool shown) {
    const auto say = [shown](const char* english) {
        return shown ? QCoreApplication::translate("ReadingsFit", english) : QString::fromUtf8(english);
    };
    if (!fit.Ok) {
        if (!shown || !fit.MessageSource) return fit.Message;
        const QString text = say(fit.MessageSource);
        return fit.MessageArgument.isNull() ? text : text.arg(fit.MessageArgument);
    }
    const QString sign = fit.DifferencePercent > 0 ? QStringLiteral("+") : QString();
    QString text =
        say(QT_TRANSLATE_NOOP("ReadingsFit", "k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa "
                                             "(material %7 GPa, %8%9 %)"))
            .arg(FormatFixed(fit.K, 3), FormatFixed(fit.KError, 3), FormatFixed(fit.RSquared, 4))
            .arg(fit.N)
            .arg(FormatFixed(fit.ModulusExpGPa, 1), FormatFixed(fit.ModulusExpErrorGPa, 1),
                 FormatGeneral(fit.ModulusGPa), sign, FormatFixed(fit.DifferencePercent, 1));
    if (fit.HasFlexuralStiffness)
        text += say(QT_TRANSLATE_NOOP("ReadingsFit", "; EI = %1 N m²"))
                    .arg(FormatFixed(fit.FlexuralStiffnessNm2, 3));
    return text;
}

} // namespace

QString RunFitText(const TFitResult& fit) {
    return FitLine(fit, false);
}

QString RunFitTextShown(const TFitResult& fit) {
    return FitLine(fit, true);
}
