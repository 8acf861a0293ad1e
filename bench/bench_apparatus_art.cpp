// Drawing the apparatus pictures afresh (the window asks for them once, when it opens): all 30, and the
// apparatus picture alone, which is most of the pixels.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "resources/apparatus/ApparatusArt.h"
#include "resources/apparatus/ApparatusDrawing.h"

namespace {

void DrawAllPictures(benchmark::State& state) {
    for (auto _ : state)
        for (const TApparatusPicture& picture : ApparatusPictures)
            benchmark::DoNotOptimize(ApparatusArt::DrawApparatusPicture(QString::fromLatin1(picture.Name)));
}
BENCHMARK(DrawAllPictures)->Unit(benchmark::kMicrosecond);

void DrawScreenImage(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ApparatusArt::DrawApparatusPicture(QStringLiteral("ScreenImage")));
}
BENCHMARK(DrawScreenImage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
