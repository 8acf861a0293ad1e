#pragma once
// What a plot of the readings shows, chosen once for the "Readings" window and the report alike: the runs
// of the newest run's property overlaid on one pair of axes, each with its measured points, its theory and
// its fit. A row whose value is undefined is left off (it is not fitted either); when the property is not a
// number the points stand at their reading numbers.

#include <QPointF>
#include <QString>
#include <vector>

#include "record/Readings.h"
#include "record/ReadingsFit.h"

struct TRunSeries {
    int Run = 1;
    QString Name;                  // "Run 1", or the student's name for it
    int Style = 0;                 // 0, 1, ...: the run's colour and marker, in the order plotted
    std::vector<QPointF> Measured; // x, the selected gauge's zeroed mean in mm, in row order
    std::vector<QPointF> Theory;   // x, the theory in mm, sorted by x
    TFitResult Fit;
};

struct TReadingsSeries {
    QString XTitle; // "Hanger load (N)", or "Reading number"
    QString YTitle; // "Deflection (mm)": at the gauge, downward negative (the legend's key says so)
    bool ByNumber = false;
    std::vector<TRunSeries> Runs;
    [[nodiscard]] bool Empty() const;
};

[[nodiscard]] TReadingsSeries ReadingsSeries(const TReadingsTable& table);

// Where two runs share values (loading, then unloading), the measured deflection of each at each shared
// value and the difference (second minus first), mm.
struct TRunDifference {
    double X = 0.0;
    double First = 0.0, Second = 0.0, Difference = 0.0;
};
struct TRunComparison {
    int FirstRun = 0, SecondRun = 0;
    QString FirstName, SecondName;
    std::vector<TRunDifference> Rows;
};
// Every pair of plotted runs with at least one shared value (a value measured twice in one run counts by
// its mean).
[[nodiscard]] std::vector<TRunComparison> RunComparisons(const TReadingsSeries& series);
// The decimals the shared values are written with: whole millimetres, loads to 0.01 N.
[[nodiscard]] int ComparisonXDecimals(const TReadingsSeries& series);

// Each plotted run's fit, one line each ("Loading: k = 1.080 ± 0.004, ..."), or why there is none.
[[nodiscard]] QString RunsFitText(const TReadingsSeries& series);
