#include "Readings.h"

#include <algorithm>
#include <cmath>

std::optional<double> TReading::MeasuredMm() const {
    const TMeasuredGauge& g = Gauges[static_cast<std::size_t>(std::clamp(SelectedGauge, 0, GaugeCount - 1))];
    if (!g.Valid) return std::nullopt;
    return g.Mean;
}

std::optional<double> TReading::DifferenceMm() const {
    const auto m = MeasuredMm();
    if (!m) return std::nullopt;
    return *m - TheoryMm;
}

std::optional<double> TReading::DifferencePercent() const {
    const auto d = DifferenceMm();
    if (!d || TheoryMm == 0.0) return std::nullopt;
    return 100.0 * *d / TheoryMm;
}

std::array<TMeasuredGauge, GaugeCount> GaugeReadings(const TGaugeHistory& history, qint64 nowMs,
                                                     const TZero& zero, bool connected) {
    std::array<TMeasuredGauge, GaugeCount> gauges{};
    for (int g = 0; g < GaugeCount; ++g) {
        gauges[g].Zero = zero[g];
        if (!connected) continue;
        const TGaugeStatistics stats = history.Statistics(g, nowMs);
        if (!stats.Valid) continue;
        gauges[g].Valid = true;
        gauges[g].Mean = ApplyZero(stats.Mean, zero[g]);
        gauges[g].Count = stats.Count;
        gauges[g].StdDev = stats.StdDev;
    }
    return gauges;
}

int TReadingsTable::Add(TReading reading, qint64 nowMs) {
    if (Items.empty() && Last == 0) Origin = nowMs;
    reading.Number = ++Last;
    reading.ElapsedS = static_cast<double>(nowMs - Origin) / 1000.0;
    Items.push_back(std::move(reading));
    return Count() - 1;
}

void TReadingsTable::Remove(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (auto it = indices.rbegin(); it != indices.rend(); ++it)
        if (*it >= 0 && *it < Count()) Items.erase(Items.begin() + *it);
}

void TReadingsTable::Clear() {
    Items.clear();
    Origin = 0;
    Last = 0;
}

QString CleanNote(const QString& note) {
    QString clean = note.left(MaxNoteLength);
    // A surrogate pair cut in half at the end would not be text.
    if (!clean.isEmpty() && clean.back().isHighSurrogate()) clean.chop(1);
    for (QChar& c : clean)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    return clean;
}

void TReadingsTable::SetNote(int index, const QString& note) {
    if (index >= 0 && index < Count()) Items[static_cast<std::size_t>(index)].Note = CleanNote(note);
}

TVariedProperty TReadingsTable::SeriesProperty() const {
    return Items.empty() ? TVariedProperty::Arbitrary : Items.back().Property;
}

void TReadingsTable::Restore(std::vector<TReading> rows, qint64 firstRowMs, int lastNumber) {
    Items = std::move(rows);
    Origin = firstRowMs;
    Last = lastNumber;
    for (const TReading& r : Items)
        Last = std::max(Last, r.Number);
}
