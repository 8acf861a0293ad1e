// The diagrams of a recorded set-up, computed as the experiment window computes its own: the theory run
// over the layout with the choice's E and I, then the diagrams from that theory.
#include "Report.h"

#include "record/LabSession.h"
#include "record/io/ExperimentFile.h"
#include "theory/BeamTheory.h"
#include "theory/Sections.h"

namespace {

// The theory hands its curve to a view; here there is none to show it.
class TNoView final : public TDeflectionPresenter {
public:
    void ClearDeflectionView() override {}
    void ShowCantileverDeflection(const TDeflectionCurve&, int) override {}
    void ShowFixedBothEndsDeflection(const TDeflectionCurve&, float, int) override {}
    void ShowTwoSidedDeflection(const TDeflectionCurve&, float, float, int) override {}
};

} // namespace

TBeamDiagrams DiagramsOfSetup(const TExperimentSetup& setup) {
    TBeamTheory theory;
    theory.ModulusE = ChoiceModulusE(setup.Section);
    theory.SecondMomentI = ChoiceSecondMomentI(setup.Section);
    TBeamLayout layout = setup.Layout;
    TNoView view;
    theory.Recalculate(layout, view);
    const TSectionChoice& c = setup.Section;
    return ComputeDiagrams(layout, theory, BeamSection(c.Section, c.FlatWidth, c.FlatThickness, c.Material));
}

std::vector<TRunDiagrams> RunDiagramsOf(const TLabSession& session, const TExperimentSetup& current) {
    std::vector<TRunDiagrams> pages;
    const TReadingsTable& table = session.Table();
    for (const auto& [run, kept] : session.RunSetups()) {
        TRunDiagrams page;
        page.Title = QStringLiteral("%1, the layout as reading %2 was recorded")
                         .arg(table.RunName(run))
                         .arg(kept.Reading);
        page.Diagrams = DiagramsOfSetup(kept.Setup);
        for (const TReading& r : table.Rows())
            if (r.Number == kept.Reading) page.MeasuredMm = r.MeasuredMm();
        pages.push_back(std::move(page));
    }
    // Rows from a file that did not keep their runs' layouts, or none yet: the layout as it stands.
    if (pages.empty())
        pages.push_back({QStringLiteral("the layout as it stands"), DiagramsOfSetup(current), {}});
    return pages;
}
