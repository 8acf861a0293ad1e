#include "DiagramsForm.h"

#include "platform/FileWriter.h"
#include "platform/MessageLayer.h"
#include "theory/DiagramsText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextDocument>
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

std::optional<double> TDiagramsForm::MeasuredGauge() const {
    return Canvas->MeasuredGauge();
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
    setWindowTitle(QCoreApplication::translate("TDiagramsForm", "Diagrams"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    Splitter = splitter;
    Canvas = new TDiagramsCanvas(splitter);

    auto* pane = new QWidget(splitter);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(6, 6, 6, 6);
    auto* caption = new QLabel(QCoreApplication::translate("TDiagramsForm", "Worked solution"), pane);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    Solution = new QTextBrowser(pane);
    Solution->setObjectName(QStringLiteral("WorkedSolution"));
    Solution->setOpenLinks(false);
    caption->setBuddy(Solution);
    Export = new QPushButton(QCoreApplication::translate("TDiagramsForm", "&Export diagrams as PNG / PDF..."),
                             pane);
    Export->setObjectName(QStringLiteral("ExportDiagrams"));
    Export->setToolTip(QCoreApplication::translate(
        "TDiagramsForm", "Save the diagrams as a picture (PNG), or with the worked solution as a PDF"));
    connect(Export, &QPushButton::clicked, this, &TDiagramsForm::ExportClick);
    paneLayout->addWidget(caption);
    paneLayout->addWidget(Solution);
    paneLayout->addWidget(Export);
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

void TDiagramsForm::ExportClick() {
    if (!SaveFileName) return;
    const QString suggested = SuggestedExportName ? SuggestedExportName() : QStringLiteral("diagrams.png");
    const QString path =
        SaveFileName(this, QCoreApplication::translate("TDiagramsForm", "Export diagrams"),
                     QCoreApplication::translate("TDiagramsForm",
                                                 "PNG picture (*.png);;PDF with the worked solution (*.pdf)"),
                     suggested);
    if (path.isEmpty()) return;
    const QString problem = ExportDiagrams(path);
    if (!problem.isEmpty())
        ShowMessage(
            ApplicationTitle,
            QCoreApplication::translate("TDiagramsForm", "The diagrams could not be saved: %1.").arg(problem),
            TMsgIcon::Error);
}

QString TDiagramsForm::ExportDiagrams(const QString& path) const {
    const TBeamDiagrams& d = Canvas->Diagrams();
    // The picture at the size it has on screen, drawn at twice the pixels for print.
    const QSize size = Canvas->size().expandedTo(QSize(760, 860));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Diagrams"));
        pdf.setCreator(ApplicationTitle);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(144);
        QPainter painter(&pdf);
        const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        // Page 1: the picture, scaled to the page and kept in proportion.
        const double scale = std::min(page.width() / size.width(), page.height() / size.height());
        painter.save();
        painter.scale(scale, scale);
        PaintDiagrams(painter, size, d, std::nullopt, nullptr, MeasuredGauge());
        painter.restore();
        // Then the worked solution, page by page.
        QTextDocument text;
        text.setDefaultFont(Solution->font());
        text.documentLayout()->setPaintDevice(&pdf);
        text.setHtml(WorkedSolutionHtml(d));
        text.setPageSize(page.size());
        for (int k = 0; k < text.pageCount(); ++k) {
            pdf.newPage();
            painter.save();
            painter.translate(0, -k * page.height());
            text.drawContents(&painter, QRectF(0, k * page.height(), page.width(), page.height()));
            painter.restore();
        }
        painter.end();
    } else {
        QImage image(size * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2.0);
        {
            QPainter painter(&image);
            PaintDiagrams(painter, size, d, std::nullopt, nullptr, MeasuredGauge());
        }
        if (!image.save(&buffer, "PNG")) return QStringLiteral("the picture could not be encoded");
    }
    buffer.close();
    return WriteFileSafely(path, bytes);
}
