// A class's folder compared: 50 groups' files of 100 rows each (written by the program first), read, fitted
// and drawn (both charts and the table's model, as the "Compare experiments" window does on "Add folder").
// And the growth: 25 to 100 files, so the cost per file can be seen to stay flat.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "lab/compare/ClassCharts.h"
#include "lab/compare/CompareWindow.h"
#include "record/LabSession.h"

namespace {

QString WriteClass(QTemporaryDir& folder, int files, int rows) {
    for (int f = 0; f < files; ++f) {
        TLabSession session;
        TRowInputs in;
        TBeamLayout& l = in.Setup.Layout;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 10;
        l.KnifeEdge2Station = 50;
        l.UpdateKnifeEdgeOrder();
        l.GaugeStation = 30;
        in.Setup.Section.Material = f % 3;
        in.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
        in.Connected = true;
        qint64 now = 1000;
        for (int r = 0; r < rows; ++r) {
            l.HangerSlots[30] = {10 + (r % 50) * 10, true};
            in.TheoryMm = -0.01 * (1 + r % 50);
            for (int j = 0; j < 10; ++j)
                session.History().Add(now += 100, {in.TheoryMm * (0.9 + 0.004 * f), 0.0});
            session.Record(in, now);
            if (r == rows / 2) session.StartNewRun();
        }
        session.SetDetails({QStringLiteral("Students"), QStringLiteral("G%1").arg(f), {}, {}, {}});
        (void)session.Save(folder.filePath(QStringLiteral("group-%1.ferx").arg(f, 3, 10, QLatin1Char('0'))),
                           in.Setup);
    }
    return folder.path();
}

void BM_CompareClassFolder(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = WriteClass(folder, int(state.range(0)), 100);
    for (auto _ : state) {
        TCompareWindow w({});
        w.resize(1100, 760);
        w.AddFolder(path);
        QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
        w.render(&image); // the table, both charts, the statistics
        benchmark::DoNotOptimize(w.Results().Runs.size());
    }
    state.counters["files"] = double(state.range(0));
    state.counters["ms_per_file"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompareClassFolder)->Arg(25)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
