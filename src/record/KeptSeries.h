#pragma once
// What a plot of the readings shows (the types), and TKeptSeries, which keeps it in step with the table of
// readings as rows come and go, so that a row costs the same at ten rows as at ten thousand.
//
// The table (Readings.h) owns one TKeptSeries and tells it each change after making it: a row added (the
// newest), rows removed, a run renamed, the rows replaced (cleared, restored from a file). It answers
// with the series, the same as ReadingsSeries(table) (ReadingsSeries.h) computes from the rows: the runs of
// the newest row's property, each with its points sorted by x, its fit, and the differences of runs that
// share values.
//
// What a change costs: a row added inserts its points where they belong, refits its run from the table's
// sums and updates the differences at its value only. Removing rows is one pass over the table (the runs'
// first rows and the property's units may have gone with them) and one over the kept points. A new
// property, or x changing from values to reading numbers, changes every point shown: the series is then
// built anew, as it is after a clear or a load.

#include <QPointF>
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "record/FitResult.h"
#include "record/VariedProperty.h"

struct TReading;
class TReadingsTable;

struct TRunSeries {
    int Run = 1;
    QString Name;                  // "Run 1", or the student's name for it
    int Style = 0;                 // 0, 1, ...: the run's colour and marker, in the order plotted
    std::vector<QPointF> Measured; // x, the selected gauge's zeroed mean in mm; sorted by x, rows in order
    std::vector<QPointF> Theory;   // x, the theory in mm; sorted by x, rows in order
    TFitResult Fit;
};

// Where two runs share values (loading, then unloading), the measured deflection of each at each shared
// value and the difference (second minus first), mm.
struct TRunDifference {
    double X = 0.0;
    double First = 0.0, Second = 0.0, Difference = 0.0;
};
struct TRunComparison {
    int FirstRun = 0, SecondRun = 0;
    QString FirstName, SecondName;
    std::vector<TRunDifference> Rows; // by x
};

struct TReadingsSeries {
    QString XTitle; // "Hanger load (N)", or "Reading number"
    QString YTitle; // "Deflection (mm)": at the gauge, downward negative (the legend's key says so)
    bool ByNumber = false;
    std::vector<TRunSeries> Runs;
    // Every pair of plotted runs with at least one shared value, by first run, then second (a value
    // measured twice in one run counts by its mean); none when x is the reading number.
    std::vector<TRunComparison> Differences;
    [[nodiscard]] bool Empty() const;
};

class TKeptSeries {
public:
    TKeptSeries();

    [[nodiscard]] const TReadingsSeries& Series() const { return Shown; }

    // The table's changes, each told after the table made it (its rows and fit sums are already new).
    // The newest row was added.
    void Added(const TReadingsTable& table);
    // The rows whose flags are set in `gone` (indexed as the rows were before) were removed.
    void Removed(const TReadingsTable& table, const std::vector<char>& gone);
    // A run's name changed.
    void Renamed(const TReadingsTable& table, int run);
    // The rows were replaced (cleared, restored): the series from all of them.
    void Reset(const TReadingsTable& table);

private:
    // What the fit of a run needs besides its sums, and whether the run is plotted; row indices.
    struct TRunMeta {
        int First = -1;        // its first row: the property and stiffness of the run
        int FirstDefined = -1; // its first row with a defined value: whether the property is a number
        int SeriesRows = 0;    // its rows of the series' property (plotted when any)
    };
    // The table row of each point, in the order of the run's point lists.
    struct TPointRows {
        std::vector<int> Theory, Measured;
    };
    struct TSumAt {
        double Sum = 0.0;
        int N = 0;
    };

    void ScanRuns(const TReadingsTable& table);
    [[nodiscard]] bool ByNumberNow() const { return !AllNumeric || Quantity.isEmpty(); }
    [[nodiscard]] QString XTitleNow() const;
    [[nodiscard]] TFitResult RunFit(const TReadingsTable& table, int run) const;
    [[nodiscard]] int PlottedIndex(int run) const; // -1: not plotted
    std::size_t PlotRun(const TReadingsTable& table, int run);
    void Restyle();
    void AddMeasuredAt(const TReadingsTable& table, double x, int run, double value);
    void SetDifference(const TReadingsTable& table, int first, int second, double x);
    void EraseDifference(int first, int second, double x);
    void MeasuredRemoved(const TReadingsTable& table, std::vector<std::pair<double, int>> lost);

    TReadingsSeries Shown;
    std::vector<TPointRows> PointRows;                     // beside Shown.Runs
    std::map<int, TRunMeta> Meta;                          // every run with rows
    TVariedProperty Property = TVariedProperty::Arbitrary; // the series': the newest row's
    bool AllNumeric = true;                                // every defined row of the property is a number
    QString Quantity, Unit;                                // the newest defined row's of the property
    // x -> run -> the measured values there (by value only: reading numbers are never shared).
    std::map<double, std::map<int, TSumAt>> MeasuredAt;
};
