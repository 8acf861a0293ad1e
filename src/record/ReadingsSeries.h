#pragma once
// What a plot of the readings shows, chosen once for the "Readings" window and the report alike: the runs
// of the newest run's property overlaid on one pair of axes, each with its measured points, its theory and
// its fit. A row whose value is undefined is left off (it is not fitted either); when the property is not a
// number the points stand at their reading numbers.
//
// The types are in KeptSeries.h. The table keeps its series up to date as rows come and go
// (TReadingsTable::Series()); ReadingsSeries computes the same from the rows alone, in one pass.

#include "record/KeptSeries.h"
#include "record/Readings.h"
#include "record/ReadingsFit.h"

[[nodiscard]] TReadingsSeries ReadingsSeries(const TReadingsTable& table);

// Every pair of plotted runs with at least one shared value (a value measured twice in one run counts by
// its mean): what TReadingsSeries::Differences holds.
[[nodiscard]] std::vector<TRunComparison> RunComparisons(const TReadingsSeries& series);
// The decimals the shared values are written with: whole millimetres, loads to 0.01 N.
[[nodiscard]] int ComparisonXDecimals(const TReadingsSeries& series);

// Each plotted run's fit, one line each ("Loading: k = 1.080 ± 0.004, ..."), or why there is none.
[[nodiscard]] QString RunsFitText(const TReadingsSeries& series);
