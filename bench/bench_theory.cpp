// Recalculate on the heaviest layout of each arrangement, and one full redraw of the deflection view.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "theory/BeamTheory.h"
#include "theory/DeflectionView.h"

namespace {

class TNullPresenter final : public TDeflectionPresenter {
public:
    void ClearDeflectionView() override {}
    void ShowCantileverDeflection(const TDeflectionCurve&, int) override {}
    void ShowFixedBothEndsDeflection(const TDeflectionCurve&, float, int) override {}
    void ShowTwoSidedDeflection(const TDeflectionCurve&, float, float, int) override {}
};

// A weight on every station the placement rules allow, plus the UDL.
TBeamLayout Heaviest(TSupportArrangement arrangement) {
    TBeamLayout l;
    switch (arrangement) {
    case TSupportArrangement::Cantilever:
        l.LeftClamp = true;
        break;
    case TSupportArrangement::ProppedCantilever:
        l.LeftClamp = true;
        l.KnifeEdge1 = true;
        l.KnifeEdge1Station = 40;
        break;
    case TSupportArrangement::FixedBothEnds:
        l.LeftClamp = l.RightClamp = true;
        break;
    default:
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 10;
        l.KnifeEdge2Station = 50;
        l.UpdateKnifeEdgeOrder();
        break;
    }
    for (auto& slot : l.HangerSlots)
        slot.Mass = 500;
    l.PlaceUDL(50);
    return l;
}

void BM_Recalculate(benchmark::State& state) {
    const auto arrangement = static_cast<TSupportArrangement>(state.range(0));
    TBeamLayout layout = Heaviest(arrangement);
    TBeamTheory theory;
    TNullPresenter view;
    for (auto _ : state) {
        theory.Recalculate(layout, view);
        benchmark::DoNotOptimize(theory.StationDeflection);
    }
}
BENCHMARK(BM_Recalculate)
    ->Arg(int(TSupportArrangement::Cantilever))
    ->Arg(int(TSupportArrangement::ProppedCantilever))
    ->Arg(int(TSupportArrangement::FixedBothEnds))
    ->Arg(int(TSupportArrangement::SimplySupported))
    ->ArgName("arrangement");

void BM_Redraw(benchmark::State& state) {
    TBeamLayout layout = Heaviest(TSupportArrangement::SimplySupported);
    TBeamTheory theory;
    TNullPresenter null;
    theory.Recalculate(layout, null);
    QImage bitmap(TDeflectionView::ImageWidth, TDeflectionView::ImageHeight, QImage::Format_ARGB32);
    for (auto _ : state) {
        const TDeflectionDrawing d =
            TwoSidedDrawing(theory.StationDeflection, theory.Largest, theory.Smallest, 30);
        TDeflectionView::Render(d, bitmap);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}
BENCHMARK(BM_Redraw);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
