// The diagrams window after a drop on a fully loaded beam (500 g on every station and a 50 N/m UDL): the
// reactions and diagrams recomputed, the worked solution rewritten and the picture repainted. Run with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "lab/DiagramsForm.h"
#include "theory/DiagramsText.h"
#include "theory/Sections.h"

namespace {

class TNullPresenter final : public TDeflectionPresenter {
public:
    void ClearDeflectionView() override {}
    void ShowCantileverDeflection(const TDeflectionCurve&, int) override {}
    void ShowFixedBothEndsDeflection(const TDeflectionCurve&, float, int) override {}
    void ShowTwoSidedDeflection(const TDeflectionCurve&, float, float, int) override {}
};

TBeamLayout FullyLoaded(TSupportArrangement arrangement) {
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

// The core alone: reactions, the four functions sampled at every millimetre, the worked solution.
void BM_ComputeDiagrams(benchmark::State& state) {
    TBeamLayout layout = FullyLoaded(static_cast<TSupportArrangement>(state.range(0)));
    TBeamTheory theory;
    TNullPresenter view;
    theory.Recalculate(layout, view);
    const bool text = state.range(1) != 0;
    const TBeamSection section = BeamSection(0, FlatWidthStart, FlatThicknessStart, 0);
    for (auto _ : state) {
        TBeamDiagrams d = ComputeDiagrams(layout, theory, section);
        benchmark::DoNotOptimize(d);
        if (text) {
            QString html = WorkedSolutionHtml(d);
            benchmark::DoNotOptimize(html);
        }
    }
}

// The picture alone, at the window's size.
void BM_PaintDiagrams(benchmark::State& state) {
    TBeamLayout layout = FullyLoaded(static_cast<TSupportArrangement>(state.range(0)));
    TBeamTheory theory;
    TNullPresenter view;
    theory.Recalculate(layout, view);
    const TBeamDiagrams d = ComputeDiagrams(layout, theory);
    QImage image(740, 860, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintDiagrams(painter, image.size(), d, 312.0);
    }
}

// What a drop costs with the window open: a weight changes, Recalculate, ShowLayout (the diagrams) and the
// canvas repainted at once; with text:1 also the worked solution written into its pane, which the window
// does from the event loop after the repaints.
void BM_DropToRepaint(benchmark::State& state) {
    TBeamLayout layout = FullyLoaded(static_cast<TSupportArrangement>(state.range(0)));
    TBeamTheory theory;
    TNullPresenter view;
    TDiagramsForm form;
    form.show();
    QApplication::processEvents();
    const bool text = state.range(1) != 0;
    int mass = 500;
    for (auto _ : state) {
        mass = mass == 500 ? 400 : 500;
        layout.HangerSlots[33].Mass = mass;
        theory.Recalculate(layout, view);
        form.ShowLayout(layout, theory);
        form.DiagramsCanvas()->repaint();
        if (text) form.UpdateWorkedSolution();
    }
}

#define ARRANGEMENTS                                                                                         \
    Arg(int(TSupportArrangement::Cantilever))                                                                \
        ->Arg(int(TSupportArrangement::ProppedCantilever))                                                   \
        ->Arg(int(TSupportArrangement::FixedBothEnds))                                                       \
        ->Arg(int(TSupportArrangement::SimplySupported))                                                     \
        ->ArgName("arrangement")                                                                             \
        ->Unit(benchmark::kMicrosecond)

BENCHMARK(BM_ComputeDiagrams)
    ->ArgsProduct({{int(TSupportArrangement::Cantilever), int(TSupportArrangement::ProppedCantilever),
                    int(TSupportArrangement::FixedBothEnds), int(TSupportArrangement::SimplySupported)},
                   {0, 1}})
    ->ArgNames({"arrangement", "text"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDiagrams)->ARRANGEMENTS;
BENCHMARK(BM_DropToRepaint)
    ->ArgsProduct({{int(TSupportArrangement::Cantilever), int(TSupportArrangement::ProppedCantilever),
                    int(TSupportArrangement::FixedBothEnds), int(TSupportArrangement::SimplySupported)},
                   {0, 1}})
    ->ArgNames({"arrangement", "text"})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
