#include "DiagramsForm.h"

#include "theory/DiagramsText.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

TDiagramsCanvas::TDiagramsCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DiagramsCanvas"));
    setMouseTracking(true);
    setMinimumSize(560, 600);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDiagramsCanvas::SetDiagrams(TBeamDiagrams diagrams) {
    Current = std::move(diagrams);
    update();
}

void TDiagramsCanvas::SetMeasuredGauge(std::optional<double> mm) {
    if (mm == MeasuredGaugeMm) return;
    MeasuredGaugeMm = mm;
    update();
}

std::optional<TCursorReadout> TDiagramsCanvas::Cursor() const {
    if (!CursorMm || !Current.Drawable) return std::nullopt;
    return CursorReadout(Current, *CursorMm);
}

void TDiagramsCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDiagrams(painter, size(), Current, Current.Drawable ? CursorMm : std::nullopt, nullptr,
                  MeasuredGaugeMm);
}

void TDiagramsCanvas::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<double> at =
        DiagramsPositionAt(size(), event->position(), int(Current.Warnings.size()));
    if (at != CursorMm) {
        CursorMm = at;
        update();
    }
}

void TDiagramsCanvas::leaveEvent(QEvent*) {
    if (CursorMm) {
        CursorMm.reset();
        update();
    }
}

TDiagramsForm::TDiagramsForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("DiagramsForm"));
    setWindowTitle(QStringLiteral("Diagrams"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    Splitter = splitter;
    Canvas = new TDiagramsCanvas(splitter);

    auto* pane = new QWidget(splitter);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(6, 6, 6, 6);
    auto* caption = new QLabel(QStringLiteral("Worked solution"), pane);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    Solution = new QTextBrowser(pane);
    Solution->setObjectName(QStringLiteral("WorkedSolution"));
    Solution->setOpenLinks(false);
    caption->setBuddy(Solution);
    paneLayout->addWidget(caption);
    paneLayout->addWidget(Solution);
    Pane = pane;

    splitter->addWidget(Canvas);
    splitter->addWidget(pane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    // Narrower than the picture and the solution side by side (a lab window beside the experiment window on a
    // 1366 x 768 screen), the solution goes under the picture; the window's own minimum is the picture's.
    setMinimumSize(MinimumWindowSize);
    resize(1240, 860);
    FollowWidth();
    SolutionTimer.setSingleShot(true);
    SolutionTimer.setInterval(0);
    connect(&SolutionTimer, &QTimer::timeout, this, &TDiagramsForm::UpdateWorkedSolution);
    ShowLayout(TBeamLayout{}, TBeamTheory{});
}

void TDiagramsForm::ShowLayout(const TBeamLayout& layout, const TBeamTheory& theory,
                               const std::optional<TBeamSection>& section) {
    Canvas->SetDiagrams(ComputeDiagrams(layout, theory, section));
    SolutionPending = true;
    if (isVisible()) SolutionTimer.start();
}

void TDiagramsForm::UpdateWorkedSolution() {
    SolutionTimer.stop();
    if (!SolutionPending) return;
    SolutionPending = false;
    // The student edits while reading: keep the pane where it was.
    const int scroll = Solution->verticalScrollBar()->value();
    Solution->setHtml(WorkedSolutionHtml(Canvas->Diagrams()));
    Solution->verticalScrollBar()->setValue(scroll);
}

void TDiagramsForm::FollowWidth() {
    const bool wide = width() >= SideBySideWidth;
    Splitter->setOrientation(wide ? Qt::Horizontal : Qt::Vertical);
    Pane->setMinimumSize(wide ? QSize(320, 0) : QSize(0, 80));
}

void TDiagramsForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FollowWidth();
}

void TDiagramsForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (SolutionPending) SolutionTimer.start();
}
