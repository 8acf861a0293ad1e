#include "ReadingsSeries.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

TReadingsSeries ReadingsSeries(const TReadingsTable& table) {
    TReadingsSeries s;
    s.YTitle = QStringLiteral("Deflection (mm)");
    s.XTitle = QStringLiteral("Reading number");
    if (table.Empty()) return s;
    const TVariedProperty property = table.SeriesProperty();
    // The runs plotted, in order, and whether the property's defined values are numbers.
    std::map<int, std::size_t> index;
    bool numeric = true;
    QString quantity, unit;
    for (const TReading& r : table.Rows()) {
        if (r.Property != property) continue;
        if (!index.count(r.Run)) {
            index[r.Run] = 0;
        }
        if (r.Varied.Undefined) continue;
        numeric = numeric && r.Varied.Numeric;
        quantity = r.Varied.Quantity;
        unit = r.Varied.Unit;
    }
    s.ByNumber = !numeric || quantity.isEmpty();
    if (!s.ByNumber) s.XTitle = unit.isEmpty() ? quantity : QStringLiteral("%1 (%2)").arg(quantity, unit);
    for (auto& [run, i] : index) {
        i = s.Runs.size();
        TRunSeries r;
        r.Run = run;
        r.Name = table.RunName(run);
        r.Style = int(i);
        r.Fit = FitRun(table, run);
        s.Runs.push_back(std::move(r));
    }
    for (const TReading& r : table.Rows()) {
        if (r.Property != property || !r.NotFittedReason().isEmpty()) continue;
        TRunSeries& run = s.Runs[index[r.Run]];
        const double x = s.ByNumber ? double(r.Number) : r.Varied.Value;
        run.Theory.emplace_back(x, r.TheoryMm);
        if (const auto m = r.MeasuredMm()) run.Measured.emplace_back(x, *m);
    }
    const auto byX = [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); };
    for (TRunSeries& run : s.Runs) {
        std::stable_sort(run.Theory.begin(), run.Theory.end(), byX);
        std::stable_sort(run.Measured.begin(), run.Measured.end(), byX);
    }
    s.Differences = RunComparisons(s);
    return s;
}

namespace {

// The mean measured value at each x of a run.
std::map<double, double> MeanAt(const TRunSeries& run) {
    std::map<double, std::pair<double, int>> sums;
    for (const QPointF& p : run.Measured) {
        auto& [sum, n] = sums[p.x()];
        sum += p.y();
        ++n;
    }
    std::map<double, double> means;
    for (const auto& [x, s] : sums)
        means[x] = s.first / s.second;
    return means;
}

} // namespace

std::vector<TRunComparison> RunComparisons(const TReadingsSeries& series) {
    std::vector<TRunComparison> out;
    if (series.ByNumber) return out; // reading numbers are never shared
    for (std::size_t a = 0; a < series.Runs.size(); ++a)
        for (std::size_t b = a + 1; b < series.Runs.size(); ++b) {
            const std::map<double, double> first = MeanAt(series.Runs[a]), second = MeanAt(series.Runs[b]);
            TRunComparison c;
            c.FirstRun = series.Runs[a].Run;
            c.SecondRun = series.Runs[b].Run;
            c.FirstName = series.Runs[a].Name;
            c.SecondName = series.Runs[b].Name;
            for (const auto& [x, m1] : first)
                if (const auto it = second.find(x); it != second.end())
                    c.Rows.push_back({x, m1, it->second, it->second - m1});
            if (!c.Rows.empty()) out.push_back(std::move(c));
        }
    return out;
}

int ComparisonXDecimals(const TReadingsSeries& series) {
    for (const TRunSeries& run : series.Runs)
        for (const QPointF& p : run.Measured)
            if (p.x() != std::round(p.x())) return 2;
    return 0;
}

QString RunsFitText(const TReadingsSeries& series) {
    if (series.Runs.empty()) return QStringLiteral("No readings yet");
    QStringList lines;
    for (const TRunSeries& run : series.Runs)
        lines << QStringLiteral("%1: %2").arg(run.Name, RunFitText(run.Fit));
    return lines.join(QLatin1Char('\n'));
}
