// The "Diagrams" window of the laboratory tools on the experiment window: "&Data" > "Show &diagrams"
// (Ctrl+D) makes it on first use, beside this window. Every change of the layout or the gauge ends in
// LayoutChanged (Recalculate after each drop, UDL change, section or material change and "New layout"; the
// gauge when it is put down), which hands the lab tools the new state, so the window follows each at once.
// It goes with the tools switched off, and with this window.

#include <QAction>
#include <QMenu>

#include "experiment/SectionsPanel.h"
#include "experiment/VEK4.h"
#include "lab/DiagramsForm.h"

namespace {

const char* const ShowDiagramsHint =
    QT_TRANSLATE_NOOP("TVEK4Form", "Show the reactions and the beam's diagrams with a worked solution");

} // namespace

void TVEK4Form::BuildDiagramsCommand() {
    ShowDiagramsAction = new QAction(tr("Show &diagrams"), this);
    ShowDiagramsAction->setObjectName(QStringLiteral("ShowDiagramsAction"));
    ShowDiagramsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ShowDiagramsAction->setShortcutContext(Qt::WindowShortcut);
    ShowDiagramsAction->setStatusTip(tr(ShowDiagramsHint));
    ShowDiagramsAction->setToolTip(tr(ShowDiagramsHint));
    ShowDiagramsAction->setVisible(false);
    addAction(ShowDiagramsAction);
    RecordDataMenu->addAction(ShowDiagramsAction);
    connect(ShowDiagramsAction, &QAction::triggered, this, &TVEK4Form::ShowDiagramsClick);
}

void TVEK4Form::ApplyDiagramsCommand(bool on) {
    if (!ShowDiagramsAction) return;
    ShowDiagramsAction->setVisible(on);
    ShowDiagramsAction->setEnabled(on);
    if (!on && Diagrams) Diagrams->hide();
}

void TVEK4Form::ShowDiagramsClick() {
    if (!LabToolsOn()) return;
    if (!Diagrams) {
        Diagrams = new TDiagramsForm(this);
        Diagrams->setObjectName(QStringLiteral("Diagrams"));
        // Its export dialog starts where the lab file commands' do, beside the open experiment.
        Diagrams->SaveFileName = Environment.LabFiles.SaveFileName;
        Diagrams->SuggestedExportName = [this] {
            return LabFile ? SuggestedPath(QStringLiteral("-diagrams"), QStringLiteral("png"))
                           : QStringLiteral("diagrams.png");
        };
    }
    Diagrams->ShowLayout(Layout, BeamTheory, DiagramsSection());
    ShowLabWindow(Diagrams);
}

TBeamSection TVEK4Form::DiagramsSection() const {
    return BeamSection(Sections->SectionsComboBox->currentIndex(), Sections->AcceptedFlatWidth(),
                       Sections->AcceptedFlatThickness(), Sections->YoungsModulus->currentIndex());
}

void TVEK4Form::UpdateDiagrams() {
    // Kept in step while it exists, shown or not: showing it again needs no recalculation.
    if (Diagrams) Diagrams->ShowLayout(Layout, BeamTheory, DiagramsSection());
}

void TVEK4Form::LayoutChanged() {
    // With the tools off neither does anything: no window, no lab file.
    UpdateDiagrams();
    LabFileLayoutChanged();
}

void TVEK4Form::ShowMeasuredInDiagrams(std::optional<double> mm) {
    // The live reading beside the theory on the deflection diagram, while connected.
    if (Diagrams) Diagrams->DiagramsCanvas()->SetMeasuredGauge(mm);
}
