// The laboratory tools: recording one reading into a table of 1,000 rows with the readings window open, from
// the command to the table and the plot updated and painted (one frame is 16 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "lab/ReadingsWindow.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "record/LabSession.h"

namespace {

void BM_RecordRowInto1000(benchmark::State& state) {
    qint64 now = 0;
    TVEK4Environment environment;
    environment.Clock = [&] { return now; };
    environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
        return new TReadingsWindow(c);
    };
    TVEK4Form window(std::move(environment));
    window.show();
    window.LabToolsActionClick(true);
    window.CaptureCombo->setCurrentIndex(1);
    TBeamLayout& l = window.Layout;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 0;
    l.KnifeEdge2Station = 60;
    l.UpdateKnifeEdgeOrder();
    l.HangerSlots[30].Mass = 100;
    window.DrawHanger(30);
    for (int r = 0; r < 1000; ++r) {
        now += 1000;
        window.RecordReading();
    }
    window.ShowTableClick();
    QWidget* readings = window.ReadingsView()->Widget();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        l.HangerSlots[30].Mass = 100 + 10 * (i++ % 40);
        window.DrawHanger(30);
        now += 1000;
        QElapsedTimer clock;
        clock.start();
        window.RecordReading();
        readings->repaint(); // the table and the plot painted now, not at the next frame
        QApplication::processEvents();
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
    }
    state.counters["rows"] = window.Session().Table().Count();
}
BENCHMARK(BM_RecordRowInto1000)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallDesignFontSubstitutes();
    RegisterProgramCursors();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
