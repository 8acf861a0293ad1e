#pragma once
// What the laboratory tools' loadable module offers besides the readings window: the XLSX export and the
// printed report. libxlsxwriter and Qt PrintSupport each cost the program's start-up time when linked, so
// only the module links them; the experiment window finds these by name on first use.

#include <QString>

class QWidget;
struct TExportTable;
struct TReportContent;

// WriteXlsx (record/io/TableExport.h): an empty text on success, otherwise why it failed.
using TWriteXlsxFunction = QString (*)(const QString& path, const TExportTable& readings,
                                       const TExportTable& setup);
// The print dialog, then the report on the printer chosen; false when the user cancelled.
using TPrintReportFunction = bool (*)(QWidget* owner, const TReportContent& content);

inline constexpr const char* WriteXlsxFunctionName = "FerrantWriteXlsx";
inline constexpr const char* PrintReportFunctionName = "FerrantPrintReport";
