// diagrams-shots DIR: pictures of the "Diagrams" window for a layout of each support arrangement (with the
// mouse cursor over one of them) and for a beam that cannot be drawn, for looking at the window (run with
// QT_QPA_PLATFORM=offscreen). Also writes each worked solution as DIR/diagrams-NAME.html.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include "lab/DiagramsForm.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "theory/DiagramsText.h"

namespace {

class TNoView final : public TDeflectionPresenter {
public:
    void ClearDeflectionView() override {}
    void ShowCantileverDeflection(const TDeflectionCurve&, int) override {}
    void ShowFixedBothEndsDeflection(const TDeflectionCurve&, float, int) override {}
    void ShowTwoSidedDeflection(const TDeflectionCurve&, float, float, int) override {}
};

void Shot(TDiagramsForm& form, TBeamLayout layout, const QDir& dir, const QString& name,
          std::optional<double> cursorMm = std::nullopt) {
    TBeamTheory theory;
    TNoView view;
    theory.Recalculate(layout, view);
    form.ShowLayout(layout, theory);
    form.UpdateWorkedSolution();
    QApplication::processEvents();
    if (cursorMm) {
        TDiagramsCanvas* canvas = form.DiagramsCanvas();
        const TDiagramsGeometry g = DiagramsGeometry(canvas->size());
        const QPointF at(g.PixelOf(*cursorMm), g.Bands[1].center().y());
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(form.DiagramsCanvas(), &leave);
    }
    QApplication::processEvents();
    form.grab().save(dir.filePath(QStringLiteral("diagrams-%1.png").arg(name)));
    QFile html(dir.filePath(QStringLiteral("diagrams-%1.html").arg(name)));
    if (html.open(QIODevice::WriteOnly))
        html.write(WorkedSolutionHtml(ComputeDiagrams(layout, theory)).toUtf8());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallDesignFontSubstitutes();
    TRecordingMessages messages; // the unsupported beam's warning goes nowhere
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    TDiagramsForm form;
    form.show();

    TBeamLayout cantilever;
    cantilever.LeftClamp = true;
    cantilever.HangerSlots[60].Mass = 300;
    cantilever.HangerSlots[40] = {150, true};
    cantilever.PlaceUDL(10);
    cantilever.UDLEndStation = 30;
    cantilever.GaugeStation = 45;
    Shot(form, cantilever, dir, QStringLiteral("cantilever"));

    TBeamLayout propped;
    propped.LeftClamp = true;
    propped.KnifeEdge1 = true;
    propped.KnifeEdge1Station = 40;
    propped.HangerSlots[20].Mass = 200;
    propped.HangerSlots[60].Mass = 100;
    propped.PlaceUDL(10);
    Shot(form, propped, dir, QStringLiteral("propped-cantilever"), 250.0);

    TBeamLayout fixed;
    fixed.LeftClamp = fixed.RightClamp = true;
    fixed.HangerSlots[20].Mass = 400;
    fixed.PlaceUDL(20);
    Shot(form, fixed, dir, QStringLiteral("fixed-both-ends"));

    TBeamLayout knifeEdges;
    knifeEdges.KnifeEdge1 = knifeEdges.KnifeEdge2 = true;
    knifeEdges.KnifeEdge1Station = 10;
    knifeEdges.KnifeEdge2Station = 50;
    knifeEdges.UpdateKnifeEdgeOrder();
    knifeEdges.HangerSlots[30].Mass = 500;
    knifeEdges.HangerSlots[5].Mass = 100;
    knifeEdges.HangerSlots[56].Mass = 200;
    knifeEdges.PlaceUDL(15);
    Shot(form, knifeEdges, dir, QStringLiteral("simply-supported"));

    TBeamLayout unsupported;
    unsupported.KnifeEdge1 = true;
    unsupported.KnifeEdge1Station = 30;
    unsupported.HangerSlots[20].Mass = 200;
    Shot(form, unsupported, dir, QStringLiteral("unsupported"));
    return 0;
}
