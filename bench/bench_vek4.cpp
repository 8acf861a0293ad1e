// The experiment window: creating it (every control, the 61 hanger slots and the pictures), and one
// recalculation of a full layout through the window (pictures of the layout, theory, view).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "experiment/VEK4.h"
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
