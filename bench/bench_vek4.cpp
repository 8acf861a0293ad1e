// The experiment window: creating it (every control, the 61 hanger slots and the pictures), and one
// recalculation of a full layout through the window (pictures of the layout, theory, view).
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>

#include "experiment/PictureControl.h"
#include "theory/DeflectionView.h"

#include "experiment/VEK4.h"
#include "lab/ReadingsWindow.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"

namespace {

void BM_CreateWindow(benchmark::State& state) {
    for (auto _ : state) {
        TVEK4Form window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_CreateWindow)->Unit(benchmark::kMillisecond);

// Twenty weights and the UDL on a cantilever; each iteration moves one weight, so a hanger is composed.
void BM_RecalculateFullLayout(benchmark::State& state) {
    TVEK4Form window;
    window.show();
    TBeamLayout& l = window.Layout;
    l.LeftClamp = true;
    for (int s = 3; s < 60; s += 3)
        l.HangerSlots[s] = {100 * (1 + s % 5), s % 2 == 0};
    window.PlaceUDL();
    int i = 0;
    for (auto _ : state) {
        l.HangerSlots[1].Mass = (i++ % 2) ? 200 : 300;
        window.DrawHanger(1);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RecalculateFullLayout)->Unit(benchmark::kMicrosecond);

// One drop on a cantilever already holding 20 weights and the UDL, timed from the release event to the
// deflection view repainted (rules, model, DrawHanger, Recalculate, the view), alternating 200 g and 300 g
// on station 31 so every drop changes the curve.
void DropOnLoadedBeam(benchmark::State& state, bool labTools) {
    TVEK4Environment environment;
    environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
        return new TReadingsWindow(c);
    };
    TVEK4Form window(std::move(environment));
    window.show();
    // The laboratory tools on, with the readings window open and holding rows: the drop must not pay for
    // them.
    if (labTools) {
        window.LabToolsActionClick(true);
        for (int r = 0; r < 20; ++r)
            window.RecordReading();
        window.ShowTableClick();
        // Beside the window, never over it (the small offscreen screen would put it on top).
        window.ReadingsView()->Widget()->move(window.frameGeometry().right() + 10, 0);
    }
    TBeamLayout& l = window.Layout;
    l.LeftClamp = true;
    for (int s = 3; s <= 60; s += 3)
        l.HangerSlots[s] = {100 * (1 + s % 5), s % 2 == 0};
    window.PlaceUDL();
    window.SetUDLToolsEnabled(false);
    window.Recalculate();
    QApplication::processEvents();
    const QPoint drop(StationX[31], 190);
    int i = 0;
    for (auto _ : state) {
        TPictureControl* mass = window.GramImages[(i++ % 2) ? 1 : 2];
        QTest::mousePress(mass, Qt::LeftButton, {}, mass->rect().center());
        QTest::mouseMove(window.Panel1, drop + QPoint(2, 0));
        QTest::mouseMove(window.Panel1, drop);
        const int repaints = window.View->TheoryImage->Repaints;
        QElapsedTimer clock;
        clock.start();
        QTest::mouseRelease(window.Panel1, Qt::LeftButton, {}, drop);
        while (window.View->TheoryImage->Repaints == repaints)
            QApplication::processEvents();
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
        QTest::mouseMove(window.ScreenImage, {300 + i % 5, 40});
    }
}
void BM_DropOnLoadedBeam(benchmark::State& state) {
    DropOnLoadedBeam(state, false);
}
BENCHMARK(BM_DropOnLoadedBeam)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

void BM_DropOnLoadedBeamLabToolsOn(benchmark::State& state) {
    DropOnLoadedBeam(state, true);
}
BENCHMARK(BM_DropOnLoadedBeamLabToolsOn)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

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
