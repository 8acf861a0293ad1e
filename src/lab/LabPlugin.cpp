// The loadable library's entry points: the experiment window finds them by name when the laboratory tools
// first show the readings, export a workbook or print the report.
#include <QPrintDialog>
#include <QPrinter>

#include "lab/LabModuleWriters.h"
#include "lab/ReadingsWindow.h"
#include "lab/report/Report.h"
#include "record/io/TableExport.h"

extern "C" Q_DECL_EXPORT TReadingsView* FerrantCreateReadingsView(const TReadingsViewContext& context) {
    return new TReadingsWindow(context);
}

extern "C" Q_DECL_EXPORT QString FerrantWriteXlsx(const QString& path, const TExportTable& readings,
                                                  const TExportTable& setup) {
    return WriteXlsx(path, readings, setup);
}

extern "C" Q_DECL_EXPORT bool FerrantPrintReport(QWidget* owner, const TReportContent& content) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(ReportPageSize(QLocale())));
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Laboratory report"));
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    PaintReport(printer, content);
    return true;
}

// The signatures the window expects.
[[maybe_unused]] static constexpr TWriteXlsxFunction CheckWriteXlsx = &FerrantWriteXlsx;
[[maybe_unused]] static constexpr TPrintReportFunction CheckPrintReport = &FerrantPrintReport;
