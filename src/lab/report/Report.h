#pragma once
// The laboratory report, painted with Qt's own printing onto any paged device: a PDF (QPdfWriter) or a
// printer (QPrinter). Page 1: the title, the date and time, the student's name, the apparatus with the
// layout (painted from the layout, experiment/ApparatusScene.h) and its theoretical deflection (the
// diagrams' own deflection diagram, with its scale in mm and the gauge), each run's recorded set-up
// (section, material, gauge compared, zeros used) and the layout. Then the readings table, continued over as
// many pages as it needs with its header repeated (headers wrap rather than clip, notes wrap), the plot of
// every run painted by the Readings window's own painter (lab/ReadingsPlot.h), and each run's fit. When the
// "Diagrams" window is in use, a page of diagrams for each run, from the layout its last reading was
// recorded on. Every page carries "Page n of N".
//
// The report is laid out twice: once to count the pages, once to paint them, with the same code.

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPointF>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "record/ReadingsSeries.h"
#include "record/io/TableExport.h"
#include "theory/Diagrams.h"

class QPagedPaintDevice;
class QPrinter;

struct TExperimentSetup;

// One run's page of diagrams.
struct TRunDiagrams {
    QString Title; // "Unloading: the layout as reading 12 was recorded"
    TBeamDiagrams Diagrams;
    std::optional<double> MeasuredMm; // that reading's measured deflection at the gauge, when it had one
};

struct TReportContent {
    QString Title = QStringLiteral("Deflection of Beams and Cantilevers: Laboratory Report");
    QDateTime When;
    QString StudentName;
    QString FileName; // the experiment file, empty when never saved
    // The experiment's details besides the names, as "Group" / "7" pairs, in the title block.
    std::vector<std::pair<QString, QString>> Details;
    QImage Apparatus;     // the apparatus picture with the layout, as on screen
    TBeamDiagrams Theory; // the layout's diagrams: the report prints its deflection diagram
    TExportTable Setup;   // item / value: section, material, E, supports, loads, gauge, zeros
    QString PropertyVaried;
    TExportTable Readings; // as exported; the report shows the columns a page can hold (ReportColumns)
    TReadingsSeries
        Plot; // the runs as the "Readings" window plots them (ReadingsSeries), painted by its painter
    QString ModulusText;                   // each run's fit, one line each, or why there is none
    std::vector<TRunDiagrams> RunDiagrams; // empty: no pages of diagrams
};

// The diagrams of a set-up as the experiment window's theory gives them for it: the section's I, the
// material's E, the layout's loads and supports, the gauge.
[[nodiscard]] TBeamDiagrams DiagramsOfSetup(const TExperimentSetup& setup);
// A page of diagrams for each run whose layout the session kept, titled with the run's name and the reading
// (that reading's measured value at the gauge beside the theory); when none was kept, the layout as it
// stands.
class TLabSession;
[[nodiscard]] std::vector<TRunDiagrams> RunDiagramsOf(const TLabSession& session,
                                                      const TExperimentSetup& current);

// The columns of the export table the report prints (the page is too narrow for all of them): elapsed
// time, number, value, gauge position, theory, both gauges, the differences and the note.
[[nodiscard]] std::vector<int> ReportColumns(const TExportTable& readings);

// A4, except Letter where the locale measures in US units.
[[nodiscard]] QPageSize::PageSizeId ReportPageSize(const QLocale& locale);

// Paints the report onto the device (its page size and margins already set); returns the page count.
int PaintReport(QPagedPaintDevice& device, const TReportContent& content, const QLocale& locale = QLocale());

// The report as a PDF file, written atomically. Empty when written, else the reason.
[[nodiscard]] QString WriteReportPdf(const QString& path, const TReportContent& content,
                                     const QLocale& locale = QLocale());
