#include "KeptSeries.h"

#include <algorithm>
#include <numeric>

#include "record/Readings.h"
#include "record/ReadingsFit.h"

namespace {

bool ByX(const QPointF& a, const QPointF& b) {
    return a.x() < b.x();
}

// The rows' order among equal x is the order they were recorded in: a new row goes after its equals.
void InsertPoint(std::vector<QPointF>& points, std::vector<int>& rows, const QPointF& point, int row) {
    const auto at = std::upper_bound(points.begin(), points.end(), point, ByX);
    rows.insert(rows.begin() + (at - points.begin()), row);
    points.insert(at, point);
}

// Keeps the points whose rows stay, at their rows' new indices; the x of each point dropped goes to `lost`.
void KeepPoints(std::vector<QPointF>& points, std::vector<int>& rows, const std::vector<int>& moved,
                std::vector<std::pair<double, int>>* lost, int run) {
    std::size_t kept = 0;
    for (std::size_t j = 0; j < points.size(); ++j) {
        const int to = moved[static_cast<std::size_t>(rows[j])];
        if (to < 0) {
            if (lost) lost->emplace_back(points[j].x(), run);
            continue;
        }
        points[kept] = points[j];
        rows[kept] = to;
        ++kept;
    }
    points.resize(kept);
    rows.resize(kept);
}

// Sorts a run's points by x, equal x in row order, and their rows with them.
void SortByX(std::vector<QPointF>& points, std::vector<int>& rows) {
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return points[a].x() < points[b].x(); });
    std::vector<QPointF> p;
    std::vector<int> r;
    p.reserve(order.size());
    r.reserve(order.size());
    for (std::size_t i : order) {
        p.push_back(points[i]);
        r.push_back(rows[i]);
    }
    points = std::move(p);
    rows = std::move(r);
}

auto FindComparison(std::vector<TRunComparison>& list, int first, int second) {
    return std::lower_bound(list.begin(), list.end(), std::make_pair(first, second),
                            [](const TRunComparison& c, const std::pair<int, int>& key) {
                                return std::make_pair(c.FirstRun, c.SecondRun) < key;
                            });
}

auto FindRow(std::vector<TRunDifference>& rows, double x) {
    return std::lower_bound(rows.begin(), rows.end(), x,
                            [](const TRunDifference& d, double v) { return d.X < v; });
}

} // namespace

bool TReadingsSeries::Empty() const {
    for (const TRunSeries& r : Runs)
        if (!r.Measured.empty() || !r.Theory.empty()) return false;
    return true;
}

TKeptSeries::TKeptSeries() {
    Shown.YTitle = QStringLiteral("Deflection (mm)");
    Shown.XTitle = QStringLiteral("Reading number");
}

QString TKeptSeries::XTitleNow() const {
    if (ByNumberNow()) return QStringLiteral("Reading number");
    return Unit.isEmpty() ? Quantity : QStringLiteral("%1 (%2)").arg(Quantity, Unit);
}

void TKeptSeries::ScanRuns(const TReadingsTable& table) {
    Meta.clear();
    AllNumeric = true;
    Quantity.clear();
    Unit.clear();
    const std::vector<TReading>& rows = table.Rows();
    for (int i = 0; i < int(rows.size()); ++i) {
        const TReading& r = rows[static_cast<std::size_t>(i)];
        TRunMeta& m = Meta[r.Run];
        if (m.First < 0) m.First = i;
        if (m.FirstDefined < 0 && !r.Varied.Undefined) m.FirstDefined = i;
        if (r.Property != Property) continue;
        ++m.SeriesRows;
        if (r.Varied.Undefined) continue;
        AllNumeric = AllNumeric && r.Varied.Numeric;
        Quantity = r.Varied.Quantity;
        Unit = r.Varied.Unit;
    }
}

TFitResult TKeptSeries::RunFit(const TReadingsTable& table, int run) const {
    const auto it = Meta.find(run);
    if (it == Meta.end()) return FitRunFrom(table.RunSums(run), nullptr, nullptr);
    const TRunMeta& m = it->second;
    return FitRunFrom(table.RunSums(run), m.First >= 0 ? &table.Row(m.First) : nullptr,
                      m.FirstDefined >= 0 ? &table.Row(m.FirstDefined) : nullptr);
}

int TKeptSeries::PlottedIndex(int run) const {
    const auto it = std::lower_bound(Shown.Runs.begin(), Shown.Runs.end(), run,
                                     [](const TRunSeries& s, int r) { return s.Run < r; });
    return it != Shown.Runs.end() && it->Run == run ? int(it - Shown.Runs.begin()) : -1;
}

std::size_t TKeptSeries::PlotRun(const TReadingsTable& table, int run) {
    const auto it = std::lower_bound(Shown.Runs.begin(), Shown.Runs.end(), run,
                                     [](const TRunSeries& s, int r) { return s.Run < r; });
    const auto k = std::size_t(it - Shown.Runs.begin());
    if (it != Shown.Runs.end() && it->Run == run) return k;
    TRunSeries s;
    s.Run = run;
    s.Name = table.RunName(run);
    Shown.Runs.insert(it, std::move(s));
    PointRows.insert(PointRows.begin() + std::ptrdiff_t(k), TPointRows{});
    // A row starts a run only after the highest, so the run goes last; in order all the same, and the
    // colours of any after it move on.
    Restyle();
    return k;
}

void TKeptSeries::Restyle() {
    for (std::size_t k = 0; k < Shown.Runs.size(); ++k)
        Shown.Runs[k].Style = int(k);
}

void TKeptSeries::Reset(const TReadingsTable& table) {
    *this = TKeptSeries();
    if (table.Empty()) return;
    Property = table.SeriesProperty();
    ScanRuns(table);
    Shown.ByNumber = ByNumberNow();
    Shown.XTitle = XTitleNow();
    for (const auto& [run, m] : Meta)
        if (m.SeriesRows > 0) {
            TRunSeries s;
            s.Run = run;
            s.Name = table.RunName(run);
            s.Style = int(Shown.Runs.size());
            Shown.Runs.push_back(std::move(s));
            PointRows.emplace_back();
        }
    const std::vector<TReading>& rows = table.Rows();
    for (int i = 0; i < int(rows.size()); ++i) {
        const TReading& r = rows[static_cast<std::size_t>(i)];
        if (r.Property != Property || !r.NotFittedReason().isEmpty()) continue;
        const auto k = std::size_t(PlottedIndex(r.Run));
        const double x = Shown.ByNumber ? double(r.Number) : r.Varied.Value;
        Shown.Runs[k].Theory.emplace_back(x, r.TheoryMm);
        PointRows[k].Theory.push_back(i);
        if (const auto m = r.MeasuredMm()) {
            Shown.Runs[k].Measured.emplace_back(x, *m);
            PointRows[k].Measured.push_back(i);
        }
    }
    for (std::size_t k = 0; k < Shown.Runs.size(); ++k) {
        TRunSeries& s = Shown.Runs[k];
        SortByX(s.Theory, PointRows[k].Theory);
        SortByX(s.Measured, PointRows[k].Measured);
        s.Fit = RunFit(table, s.Run);
    }
    if (Shown.ByNumber) return;
    // The differences: each value's mean per run, then every pair of runs at each value, values ascending.
    for (const TRunSeries& s : Shown.Runs)
        for (const QPointF& p : s.Measured) {
            TSumAt& at = MeasuredAt[p.x()][s.Run];
            at.Sum += p.y();
            ++at.N;
        }
    std::map<std::pair<int, int>, TRunComparison> pairs;
    for (const auto& [x, runs] : MeasuredAt)
        for (auto a = runs.begin(); a != runs.end(); ++a)
            for (auto b = std::next(a); b != runs.end(); ++b) {
                TRunComparison& c = pairs[{a->first, b->first}];
                const double first = a->second.Sum / a->second.N, second = b->second.Sum / b->second.N;
                c.Rows.push_back({x, first, second, second - first});
            }
    for (auto& [key, c] : pairs) {
        c.FirstRun = key.first;
        c.SecondRun = key.second;
        c.FirstName = table.RunName(key.first);
        c.SecondName = table.RunName(key.second);
        Shown.Differences.push_back(std::move(c));
    }
}

void TKeptSeries::Added(const TReadingsTable& table) {
    const int i = table.Count() - 1;
    const TReading& r = table.Row(i);
    // The first row, or another property: every point shown changes.
    if (i == 0 || r.Property != Property) return Reset(table);
    TRunMeta& m = Meta[r.Run];
    if (m.First < 0) m.First = i;
    if (m.FirstDefined < 0 && !r.Varied.Undefined) m.FirstDefined = i;
    ++m.SeriesRows;
    if (!r.Varied.Undefined) {
        AllNumeric = AllNumeric && r.Varied.Numeric;
        Quantity = r.Varied.Quantity;
        Unit = r.Varied.Unit;
        // x turns from reading numbers to values or back: every point moves.
        if (ByNumberNow() != Shown.ByNumber) return Reset(table);
        Shown.XTitle = XTitleNow();
    }
    const std::size_t k = PlotRun(table, r.Run);
    if (r.NotFittedReason().isEmpty()) {
        TRunSeries& s = Shown.Runs[k];
        const double x = Shown.ByNumber ? double(r.Number) : r.Varied.Value;
        InsertPoint(s.Theory, PointRows[k].Theory, {x, r.TheoryMm}, i);
        if (const auto measured = r.MeasuredMm()) {
            InsertPoint(s.Measured, PointRows[k].Measured, {x, *measured}, i);
            if (!Shown.ByNumber) AddMeasuredAt(table, x, r.Run, *measured);
        }
    }
    Shown.Runs[k].Fit = RunFit(table, r.Run);
}

void TKeptSeries::Removed(const TReadingsTable& table, const std::vector<char>& gone) {
    if (table.Empty() || table.SeriesProperty() != Property) return Reset(table);
    // A run's first rows and the property's unit may have gone with the rows: one pass finds them again,
    // as the table's own pass sums the runs anew.
    ScanRuns(table);
    if (ByNumberNow() != Shown.ByNumber) return Reset(table);
    Shown.XTitle = XTitleNow();
    std::vector<int> moved(gone.size());
    int next = 0;
    for (std::size_t i = 0; i < gone.size(); ++i)
        moved[i] = gone[i] ? -1 : next++;
    std::vector<std::pair<double, int>> lost;
    for (std::size_t k = 0; k < Shown.Runs.size(); ++k) {
        TRunSeries& s = Shown.Runs[k];
        KeepPoints(s.Theory, PointRows[k].Theory, moved, nullptr, s.Run);
        KeepPoints(s.Measured, PointRows[k].Measured, moved, Shown.ByNumber ? nullptr : &lost, s.Run);
    }
    // Runs left without a row of the property leave the plot; the others close up in colour.
    std::size_t kept = 0;
    for (std::size_t k = 0; k < Shown.Runs.size(); ++k) {
        const auto m = Meta.find(Shown.Runs[k].Run);
        if (m == Meta.end() || m->second.SeriesRows == 0) continue;
        if (kept != k) {
            Shown.Runs[kept] = std::move(Shown.Runs[k]);
            PointRows[kept] = std::move(PointRows[k]);
        }
        ++kept;
    }
    Shown.Runs.resize(kept);
    PointRows.resize(kept);
    Restyle();
    for (TRunSeries& s : Shown.Runs)
        s.Fit = RunFit(table, s.Run);
    if (!lost.empty()) MeasuredRemoved(table, std::move(lost));
}

void TKeptSeries::Renamed(const TReadingsTable& table, int run) {
    const QString name = table.RunName(run);
    if (const int k = PlottedIndex(run); k >= 0) Shown.Runs[std::size_t(k)].Name = name;
    for (TRunComparison& c : Shown.Differences) {
        if (c.FirstRun == run) c.FirstName = name;
        if (c.SecondRun == run) c.SecondName = name;
    }
}

void TKeptSeries::AddMeasuredAt(const TReadingsTable& table, double x, int run, double value) {
    std::map<int, TSumAt>& runs = MeasuredAt[x];
    // The newest row is the last of its run at x: its value is added last, as a sum over the run's points
    // in order adds it.
    TSumAt& at = runs[run];
    at.Sum += value;
    ++at.N;
    for (const auto& [other, sum] : runs)
        if (other != run) SetDifference(table, std::min(run, other), std::max(run, other), x);
}

void TKeptSeries::SetDifference(const TReadingsTable& table, int first, int second, double x) {
    const std::map<int, TSumAt>& runs = MeasuredAt.at(x);
    const TSumAt& a = runs.at(first);
    const TSumAt& b = runs.at(second);
    const TRunDifference row{x, a.Sum / a.N, b.Sum / b.N, b.Sum / b.N - a.Sum / a.N};
    auto c = FindComparison(Shown.Differences, first, second);
    if (c == Shown.Differences.end() || c->FirstRun != first || c->SecondRun != second) {
        TRunComparison added;
        added.FirstRun = first;
        added.SecondRun = second;
        added.FirstName = table.RunName(first);
        added.SecondName = table.RunName(second);
        c = Shown.Differences.insert(c, std::move(added));
    }
    const auto at = FindRow(c->Rows, x);
    if (at != c->Rows.end() && at->X == x)
        *at = row;
    else
        c->Rows.insert(at, row);
}

void TKeptSeries::EraseDifference(int first, int second, double x) {
    const auto c = FindComparison(Shown.Differences, first, second);
    if (c == Shown.Differences.end() || c->FirstRun != first || c->SecondRun != second) return;
    const auto at = FindRow(c->Rows, x);
    if (at != c->Rows.end() && at->X == x) c->Rows.erase(at);
    if (c->Rows.empty()) Shown.Differences.erase(c);
}

void TKeptSeries::MeasuredRemoved(const TReadingsTable& table, std::vector<std::pair<double, int>> lost) {
    std::sort(lost.begin(), lost.end());
    lost.erase(std::unique(lost.begin(), lost.end()), lost.end());
    for (auto group = lost.begin(); group != lost.end();) {
        const double x = group->first;
        const auto end =
            std::find_if(group, lost.end(), [x](const std::pair<double, int>& l) { return l.first != x; });
        std::map<int, TSumAt>& runs = MeasuredAt[x];
        std::vector<int> before;
        for (const auto& [run, sum] : runs)
            before.push_back(run);
        // Summed anew from the run's points at x, in their order: subtraction would leave rounding behind.
        for (auto l = group; l != end; ++l) {
            TSumAt at;
            if (const int k = PlottedIndex(l->second); k >= 0) {
                const std::vector<QPointF>& points = Shown.Runs[std::size_t(k)].Measured;
                const auto [from, to] = std::equal_range(points.begin(), points.end(), QPointF(x, 0.0), ByX);
                for (auto p = from; p != to; ++p) {
                    at.Sum += p->y();
                    ++at.N;
                }
            }
            if (at.N > 0)
                runs[l->second] = at;
            else
                runs.erase(l->second);
        }
        for (auto l = group; l != end; ++l)
            for (int other : before) {
                if (other == l->second) continue;
                const int first = std::min(other, l->second), second = std::max(other, l->second);
                if (runs.count(first) && runs.count(second))
                    SetDifference(table, first, second, x);
                else
                    EraseDifference(first, second, x);
            }
        if (runs.empty()) MeasuredAt.erase(x);
        group = end;
    }
}
