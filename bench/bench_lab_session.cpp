// The lab session's cost per row: recording one row into a session of 10, 1,000 and 10,000 rows, with what
// the "Readings" window asks after each row (the runs' series, their fits and the differences, kept by the
// table as rows come), and deleting every tenth row (scattered) from tables of 1,000 to 10,000 rows. A row
// should cost the same however long the table is; a deletion grows no faster than the table (one pass).
// BM_RecordRowSeriesFromScratch is the cost the kept series saves: the series computed from all the rows
// after each one.
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <numeric>

#include "record/LabSession.h"
#include "record/ReadingsSeries.h"

namespace {

struct TFilled {
    TLabSession Session;
    TRowInputs In;
    qint64 Now = 0;

    explicit TFilled(int rows) {
        In.Setup.Layout.KnifeEdge1 = In.Setup.Layout.KnifeEdge2 = true;
        In.Setup.Layout.KnifeEdge1Station = 10;
        In.Setup.Layout.KnifeEdge2Station = 50;
        In.Setup.Layout.UpdateKnifeEdgeOrder();
        In.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
        In.Connected = true;
        for (int i = 0; i < rows; ++i) {
            if (i == rows / 2) Session.StartNewRun(); // loading, then unloading
            Add(i);
        }
    }
    void Add(int i) {
        const int grams = 10 + 10 * (i % 50);
        In.Setup.Layout.HangerSlots[30] = {grams, true};
        In.TheoryMm = -0.0037 * grams;
        for (int s = 0; s < 3; ++s)
            Session.History().Add(Now += 40, {In.TheoryMm * 1.07, 0.0});
        Session.Record(In, Now);
    }
};

// Keeps the table near its size: the hundred oldest rows go at once, outside the timing (a deletion after
// every row would leave the caches cold for every row timed).
void KeepSize(benchmark::State& state, TFilled& f) {
    TReadingsTable& table = f.Session.Table();
    if (table.Count() < state.range(0) + 100) return;
    state.PauseTiming();
    std::vector<int> oldest(100);
    std::iota(oldest.begin(), oldest.end(), 0);
    table.Remove(oldest);
    state.ResumeTiming();
}

void BM_RecordRow(benchmark::State& state) {
    TFilled f(int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        f.Add(i++);
        const TReadingsSeries& series = f.Session.Table().Series();
        benchmark::DoNotOptimize(RunsFitText(series));
        benchmark::DoNotOptimize(series.Differences.data());
        KeepSize(state, f);
    }
    state.counters["rows"] = f.Session.Table().Count();
}
BENCHMARK(BM_RecordRow)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_RecordRowSeriesFromScratch(benchmark::State& state) {
    TFilled f(int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        f.Add(i++);
        const TReadingsSeries series = ReadingsSeries(f.Session.Table());
        benchmark::DoNotOptimize(RunsFitText(series));
        benchmark::DoNotOptimize(series.Differences.data());
        KeepSize(state, f);
    }
}
BENCHMARK(BM_RecordRowSeriesFromScratch)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_DeleteScatteredRows(benchmark::State& state) {
    const int rows = int(state.range(0));
    TFilled f(rows);
    const std::vector<TReading> all = f.Session.Table().Rows();
    std::vector<int> every10th;
    for (int i = 0; i < rows; i += 10)
        every10th.push_back(i);
    for (auto _ : state) {
        state.PauseTiming();
        f.Session.Table().Restore(all, 0, 0);
        state.ResumeTiming();
        f.Session.Table().Remove(every10th);
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_DeleteScatteredRows)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
