// The XLSX writer, apart from the other exports: libxlsxwriter (with its zip library) costs the program's
// start-up time when it is linked, so it lives in its own library, which only the laboratory tools' loadable
// module and the tests link.
#include "TableExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include "platform/FileWriter.h"
#include "record/io/ExperimentFile.h"

namespace {

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
