// Latency of the live readings: from the simulated unit writing a frame on its side of the pseudo-terminal
// to the experiment window's meter showing the new value (serial port, packet collector, link manager,
// frame decoding, the posted message, the window's update). Each iteration changes the gauge, so every
// frame changes the text.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include "LinkRig.h"
#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"

namespace {

void BM_FrameToMeter(benchmark::State& state) {
    TLinkRig link;
    link.Sim.SetAutoStream(false);
    TVEK4Environment environment;
    environment.Comms = link.Module.get();
    TVEK4Form window(std::move(environment));
    window.show();
    window.WizardBtn->click();
    window.ConnectBtn->click();
    if (!window.DisconnectBtn->isEnabled() || !link.StartStream()) {
        state.SkipWithError("no connection to the simulated unit");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        const double mm = (i++ % 2) ? -1.25 : 2.5;
        const QString expected = QStringLiteral(" %1 mm ").arg(mm, 0, 'f', 2);
        link.Sim.SetGauge(1, {mm, false, false});
        QElapsedTimer clock;
        clock.start();
        link.Sim.EmitFrame(); // returns once the frame's last byte is written
        while (window.DisplayMeter1->text() != expected) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (clock.elapsed() > 2000) {
                state.SkipWithError("the meter did not follow");
                return;
            }
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
        link.Timer1().Fire(); // keep the watchdog fed
    }
}
BENCHMARK(BM_FrameToMeter)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

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
