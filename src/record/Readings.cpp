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

QString TReading::NotFittedReason() const {
    return Varied.Undefined ? Varied.Text : QString();
}

namespace {

bool Same(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

QString ZeroState(bool zeroed) {
    return zeroed ? QStringLiteral("zeroed") : QStringLiteral("not zeroed");
}

} // namespace

QString RunBreak(const TReading& last, const TReading& next) {
    if (next.Property != last.Property)
        return QStringLiteral("another property varied (%1 after %2)")
            .arg(VariedPropertyName(next.Property), VariedPropertyName(last.Property));
    if (next.Stiffness.SectionName != last.Stiffness.SectionName)
        return QStringLiteral("another section (%1 after %2)")
            .arg(next.Stiffness.SectionName, last.Stiffness.SectionName);
    if (next.Stiffness.MaterialName != last.Stiffness.MaterialName)
        return QStringLiteral("another material (%1 after %2)")
            .arg(next.Stiffness.MaterialName, last.Stiffness.MaterialName);
    if (!Same(next.Stiffness.ModulusGPa, last.Stiffness.ModulusGPa))
        return QStringLiteral("another modulus (%1 GPa after %2 GPa)")
            .arg(next.Stiffness.ModulusGPa, 0, 'g', 4)
            .arg(last.Stiffness.ModulusGPa, 0, 'g', 4);
    if (!Same(next.Stiffness.SecondMomentM4, last.Stiffness.SecondMomentM4))
        return QStringLiteral("another size of the section (second moment of area)");
    if (next.SelectedGauge != last.SelectedGauge)
        return QStringLiteral("gauge %1 compared after gauge %2")
            .arg(next.SelectedGauge + 1)
            .arg(last.SelectedGauge + 1);
    if (next.Zeroed() != last.Zeroed())
        return QStringLiteral("%1 after %2").arg(ZeroState(next.Zeroed()), ZeroState(last.Zeroed()));
    return {};
}

void TFitSums::Add(const TReading& r) {
    if (!r.NotFittedReason().isEmpty() || r.TheoryMm == 0.0) return;
    const std::optional<double> m = r.MeasuredMm();
    if (!m) return;
    ++N;
    if (*m == 0.0) ++ZeroMeasured;
    SumMT += *m * r.TheoryMm;
    SumTT += r.TheoryMm * r.TheoryMm;
    SumMM += *m * *m;
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
    StartReason.clear();
    if (Items.empty()) {
        reading.Run = LastRun + (NewRunAsked || LastRun == 0 ? 1 : 0);
        if (NewRunAsked) StartReason = QStringLiteral("New run");
    } else {
        const QString broken = RunBreak(Items.back(), reading);
        if (NewRunAsked || !broken.isEmpty()) {
            reading.Run = LastRun + 1;
            StartReason = NewRunAsked ? QStringLiteral("New run") : broken;
        } else {
            reading.Run = Items.back().Run;
        }
    }
    NewRunAsked = false;
    LastRun = std::max(LastRun, reading.Run);
    Sums[reading.Run].Add(reading);
    Items.push_back(std::move(reading));
    Plot.Added(*this);
    return Count() - 1;
}

void TReadingsTable::Remove(std::vector<int> indices) {
    std::vector<char> gone(Items.size(), 0);
    bool any = false;
    for (int i : indices)
        if (i >= 0 && i < Count()) any = gone[static_cast<std::size_t>(i)] = 1;
    if (!any) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        if (gone[i]) continue;
        if (kept != i) Items[kept] = std::move(Items[i]);
        ++kept;
    }
    Items.resize(kept);
    // Summed anew rather than taken away: subtraction would leave rounding behind in a run's sums.
    Resum();
    Plot.Removed(*this, gone);
}

void TReadingsTable::Resum() {
    Sums.clear();
    for (const TReading& r : Items)
        Sums[r.Run].Add(r);
}

void TReadingsTable::Clear() {
    Items.clear();
    Origin = 0;
    Last = 0;
    LastRun = 0;
    NewRunAsked = false;
    StartReason.clear();
    Names.clear();
    Sums.clear();
    Plot.Reset(*this);
}

int TReadingsTable::StartNewRun() {
    if (!Items.empty() && Items.back().Run == LastRun) NewRunAsked = true;
    return CurrentRun() + (NewRunAsked ? 1 : 0);
}

int TReadingsTable::CurrentRun() const {
    return std::max(1, LastRun);
}

QString TReadingsTable::RunName(int run) const {
    const auto it = Names.find(run);
    return it != Names.end() ? it->second : QStringLiteral("Run %1").arg(run);
}

void TReadingsTable::RenameRun(int run, const QString& name) {
    const QString clean = CleanNote(name).left(60).trimmed();
    if (clean.isEmpty() || clean == QStringLiteral("Run %1").arg(run))
        Names.erase(run);
    else
        Names[run] = clean;
    Plot.Renamed(*this, run);
}

std::vector<int> TReadingsTable::Runs() const {
    std::vector<int> runs;
    for (const auto& [run, sums] : Sums)
        runs.push_back(run);
    // A run whose rows have no point still has rows.
    for (const TReading& r : Items)
        if (std::find(runs.begin(), runs.end(), r.Run) == runs.end()) runs.push_back(r.Run);
    std::sort(runs.begin(), runs.end());
    return runs;
}

TFitSums TReadingsTable::RunSums(int run) const {
    const auto it = Sums.find(run);
    return it != Sums.end() ? it->second : TFitSums{};
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

void TReadingsTable::Restore(std::vector<TReading> rows, qint64 firstRowMs, int lastNumber,
                             std::map<int, QString> runNames) {
    Items = std::move(rows);
    Origin = firstRowMs;
    Last = lastNumber;
    LastRun = 0;
    NewRunAsked = false;
    StartReason.clear();
    for (const TReading& r : Items) {
        Last = std::max(Last, r.Number);
        LastRun = std::max(LastRun, r.Run);
    }
    Names = std::move(runNames);
    Resum();
    Plot.Reset(*this);
}
