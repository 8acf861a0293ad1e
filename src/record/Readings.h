#pragma once
// One recorded reading (a row of the readings table) and the table of rows.
//
// A reading holds what the student needs for a lab write-up of one load step: the property varied and its
// value, the gauge position and the theoretical deflection there (the number the window's readout shows,
// mm, downward negative), and for each dial gauge the zeroed mean of the last second of readings with its
// sample count and standard deviation, and the zero it used. The difference is the selected gauge's
// measured value minus theory, in mm and in % of theory:
//     d = m - t,   d% = 100 (m - t) / t      (blank when m is blank or t = 0)
// In virtual mode, or while a gauge is in error, its measured columns are blank (Valid false).
//
// A run is a series of rows fitted on its own: one property varied, one section and material, one gauge
// compared, zeroed or not. A row that would break its run (RunBreak) starts the next run by itself; the
// student starts one with "&New run" (loading, then unloading). A row whose property the layout does not
// define (two hangers under "hanger position") is kept, says why it is not fitted, and no fit counts it.
//
// Plain data: the experiment file, CSV, XLSX and the report serialise these fields as they are.

#include <QString>
#include <QtGlobal>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "record/GaugeHistory.h"
#include "record/KeptSeries.h"
#include "record/VariedProperty.h"

struct TMeasuredGauge {
    bool Valid = false;  // false: blank (virtual mode, or the gauge in error)
    double Mean = 0.0;   // mm, zeroed when Zero.Set
    int Count = 0;       // samples in the mean
    double StdDev = 0.0; // mm
    TGaugeZero Zero;     // the zero subtracted from the mean
};

struct TReading {
    int Number = 0;        // 1, 2, ... in the order recorded; set by the table
    double ElapsedS = 0.0; // seconds since the table's first row; set by the table
    TVariedProperty Property = TVariedProperty::Arbitrary;
    TVariedValue Varied;   // the property's value for the layout of this row
    int GaugeStation = 30; // GaugePositionMm = station x 10
    double TheoryMm = 0.0; // theoretical deflection at the gauge, mm, downward negative
    std::array<TMeasuredGauge, GaugeCount> Gauges{};
    int SelectedGauge = 0;      // the gauge the difference compares (the meter's channel)
    TStiffnessChoice Stiffness; // the section and material of this row (the fit uses E and I)
    QString Note;
    int Run = 1; // the run the row belongs to; set by the table

    // Why no fit counts this row, or empty: the layout does not define the property's value.
    [[nodiscard]] QString NotFittedReason() const;

    [[nodiscard]] int GaugePositionMm() const { return GaugeStation * 10; }
    // The selected gauge's zeroed mean, if it has one.
    [[nodiscard]] std::optional<double> MeasuredMm() const;
    [[nodiscard]] std::optional<double> DifferenceMm() const;
    [[nodiscard]] std::optional<double> DifferencePercent() const;
    [[nodiscard]] bool Zeroed() const { return Gauges[0].Zero.Set || Gauges[1].Zero.Set; }
};

// The measured part of a reading: each gauge's statistics over the last second with the zero applied.
// `connected` false (virtual mode) leaves both gauges blank.
[[nodiscard]] std::array<TMeasuredGauge, GaugeCount> GaugeReadings(const TGaugeHistory& history, qint64 nowMs,
                                                                   const TZero& zero, bool connected);

// Why `next` cannot continue the run `last` belongs to, as the status bar says it ("the material changed:
// Steel, not Aluminium"); empty when it can.
[[nodiscard]] QString RunBreak(const TReading& last, const TReading& next);

// The sums a fit through the origin needs, kept per run as rows come and go so a new row costs the same
// however long the table is (ReadingsFit.h turns them into k, its error and R^2).
struct TFitSums {
    int N = 0;            // points: rows with a measured value and a non-zero theory, value defined
    int ZeroMeasured = 0; // ... of them with a measured value of exactly 0
    double SumMT = 0.0, SumTT = 0.0, SumMM = 0.0;
    void Add(const TReading& r);
};

// The largest table the window records, and the longest note a row keeps: together they bound the
// experiment file (ExperimentFile.h). Ten thousand load steps is far beyond any lab session.
inline constexpr int MaxReadings = 10000;
inline constexpr int MaxNoteLength = 500;

// A note as a row keeps it: control characters (a pasted tab or line break) become spaces, and the text is
// cut at MaxNoteLength characters.
[[nodiscard]] QString CleanNote(const QString& note);

class TReadingsTable {
public:
    // Numbers the reading (one more than the last row's), times it from the first row and puts it in a run
    // (the newest row's, or the next one when asked for or when the row would break it), then appends it.
    // Returns the row's index.
    int Add(TReading reading, qint64 nowMs);
    // Removes the rows at these indices (any order, duplicates ignored), in one pass. Numbers are kept: a
    // deleted step leaves a gap, so a note that says "see reading 4" stays true.
    void Remove(std::vector<int> indices);
    // Empties the table; the next row is number 1 at 0 s, in run 1.
    void Clear();

    // Runs. The next row starts a new run (when the newest run has rows); returns its number.
    int StartNewRun();
    // The run the next row joins unless it breaks it.
    [[nodiscard]] int CurrentRun() const;
    // Why the newest row began a new run ("New run" or RunBreak's reason); empty when it continued one.
    [[nodiscard]] const QString& RunStartReason() const { return StartReason; }
    // "Run 2", or the name the student gave it.
    [[nodiscard]] QString RunName(int run) const;
    // A name for a run (cleaned like a note, at most 60 characters); empty gives back "Run n".
    void RenameRun(int run, const QString& name);
    [[nodiscard]] const std::map<int, QString>& RunNames() const { return Names; }
    // The runs that have rows, in order.
    [[nodiscard]] std::vector<int> Runs() const;
    // A run's fit sums, kept as rows are added and removed.
    [[nodiscard]] TFitSums RunSums(int run) const;
    // What the plot shows (the runs' points, fits and differences), kept as rows come and go, renamed,
    // cleared and restored; the same as ReadingsSeries(*this) (ReadingsSeries.h).
    [[nodiscard]] const TReadingsSeries& Series() const { return Plot.Series(); }
    // The note through CleanNote.
    void SetNote(int index, const QString& note);
    [[nodiscard]] bool Full() const { return Count() >= MaxReadings; }

    [[nodiscard]] const std::vector<TReading>& Rows() const { return Items; }
    [[nodiscard]] int Count() const { return static_cast<int>(Items.size()); }
    [[nodiscard]] const TReading& Row(int index) const { return Items.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] bool Empty() const { return Items.empty(); }
    // The property of the series: the newest row's (Arbitrary when empty).
    [[nodiscard]] TVariedProperty SeriesProperty() const;

    // For restoring a saved table: rows as they were (their runs with them), the clock origin as it was.
    void Restore(std::vector<TReading> rows, qint64 firstRowMs, int lastNumber,
                 std::map<int, QString> runNames = {});
    [[nodiscard]] qint64 FirstRowMs() const { return Origin; }
    [[nodiscard]] int LastNumber() const { return Last; }

private:
    void Resum();

    std::vector<TReading> Items;
    qint64 Origin = 0; // the clock at the first row since the last Clear
    int Last = 0;      // the number given to the newest row since the last Clear
    int LastRun = 0;   // the highest run given since the last Clear
    bool NewRunAsked = false;
    QString StartReason;
    std::map<int, QString> Names;
    std::map<int, TFitSums> Sums;
    TKeptSeries Plot;
};
