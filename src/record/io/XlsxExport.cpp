// The XLSX writer, apart from the other exports: libxlsxwriter (with its zip library) costs the program's
// start-up time when it is linked, so it lives in its own library, which only the laboratory tools' loadable
// module and the tests link.
#include "TableExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#ifdef Q_OS_WIN
#include <clocale>
#else
#include <clocale>
#include <locale.h>
#endif

#include "platform/FileWriter.h"
#include "record/io/ExperimentFile.h"

namespace {

// libxlsxwriter writes numbers (cell values, column widths, margins) with the C library's printf, which
// follows the process's LC_NUMERIC: on a German or French desktop it would write "0,98", and no spreadsheet
// reads that workbook. The C numeric locale is put in force for this thread alone while the workbook is
// written (another thread's numbers, the window's included, are untouched).
class TCNumericLocale {
public:
    TCNumericLocale() {
#ifdef Q_OS_WIN
        Previous = ::_configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
        if (const char* now = std::setlocale(LC_NUMERIC, nullptr)) Saved = now;
        std::setlocale(LC_NUMERIC, "C");
#else
        const locale_t base = ::duplocale(LC_GLOBAL_LOCALE);
        if (base) C = ::newlocale(LC_NUMERIC_MASK, "C", base);
        if (C)
            Previous = ::uselocale(C);
        else if (base)
            ::freelocale(base);
#endif
    }
    ~TCNumericLocale() {
#ifdef Q_OS_WIN
        std::setlocale(LC_NUMERIC, Saved.c_str());
        ::_configthreadlocale(Previous);
#else
        if (C) {
            ::uselocale(Previous);
            ::freelocale(C);
        }
#endif
    }
    TCNumericLocale(const TCNumericLocale&) = delete;
    TCNumericLocale& operator=(const TCNumericLocale&) = delete;

private:
#ifdef Q_OS_WIN
    int Previous = 0;
    std::string Saved = "C";
#else
    locale_t C = nullptr;
    locale_t Previous = nullptr;
#endif
};

// Excel's number format for d decimals: "0", "0.0", "0.000"...
std::string NumberFormat(int decimals) {
    return decimals <= 0 ? std::string("0") : "0." + std::string(std::size_t(decimals), '0');
}

} // namespace

QString WriteXlsx(const QString& path, const TExportTable& readings, const TExportTable& setup) {
    // The library writes its own file in one go at the close; it goes to a temporary folder first and then
    // atomically over the target, so a failure never leaves half a workbook where the old one was.
    QTemporaryDir folder;
    if (!folder.isValid())
        return QStringLiteral("no temporary folder could be made (%1)").arg(folder.errorString());
    const QByteArray temporary = QFile::encodeName(folder.filePath(QStringLiteral("export.xlsx")));
    const TCNumericLocale numbers;
    lxw_workbook* workbook = workbook_new(temporary.constData());
    if (!workbook) return QStringLiteral("the workbook could not be created");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);

    auto writeSheet = [&](const TExportTable& table) {
        const QByteArray name = table.Name.left(31).toUtf8();
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.isEmpty() ? nullptr : name.constData());
        std::vector<lxw_format*> formats;
        for (std::size_t c = 0; c < table.Columns.size(); ++c) {
            const TExportColumn& column = table.Columns[c];
            lxw_format* number = workbook_add_format(workbook);
            format_set_num_format(number, NumberFormat(column.Decimals).c_str());
            formats.push_back(number);
            const QByteArray header = HeaderText(column).toUtf8();
            worksheet_write_string(sheet, 0, lxw_col_t(c), header.constData(), bold);
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::max(10.0, header.size() * 1.1),
                                 nullptr);
        }
        worksheet_freeze_panes(sheet, 1, 0);
        for (std::size_t r = 0; r < table.Rows.size(); ++r) {
            const auto& row = table.Rows[r];
            for (std::size_t c = 0; c < row.size() && c < table.Columns.size(); ++c) {
                const lxw_row_t at = lxw_row_t(r + 1);
                if (const double* number = std::get_if<double>(&row[c]))
                    worksheet_write_number(sheet, at, lxw_col_t(c), *number, formats[c]);
                else if (const QString* s = std::get_if<QString>(&row[c]); s && !s->isEmpty())
                    worksheet_write_string(sheet, at, lxw_col_t(c), s->toUtf8().constData(), nullptr);
            }
        }
    };
    writeSheet(readings);
    writeSheet(setup);
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) return QString::fromUtf8(lxw_strerror(error));

    QFile written(folder.filePath(QStringLiteral("export.xlsx")));
    if (!written.open(QIODevice::ReadOnly)) return written.errorString();
    return WriteFileSafely(path, written.readAll());
}
