#include "TableExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include "record/io/ExperimentFile.h"

namespace {

bool DecimalComma(const QLocale& locale) {
    return locale.decimalPoint() == QLatin1String(",");
}

// A text a spreadsheet would take for a formula gets an apostrophe in front, which spreadsheets show as text
// and do not evaluate.
QString DefusedText(const QString& text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front())) return QLatin1Char('\'') + text;
    return text;
}

QString CsvField(const QString& text, QChar separator) {
    if (text.contains(separator) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r'))) {
        QString quoted = text;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return text;
}

// Excel's number format for d decimals: "0", "0.0", "0.000"...
std::string NumberFormat(int decimals) {
    return decimals <= 0 ? std::string("0") : "0." + std::string(std::size_t(decimals), '0');
}

} // namespace

QString HeaderText(const TExportColumn& column) {
    return column.Unit.isEmpty() ? column.Title : QStringLiteral("%1 (%2)").arg(column.Title, column.Unit);
}

QString NumberText(double value, int decimals, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

QByteArray CsvBytes(const TExportTable& table, const QLocale& locale) {
    const QChar separator = DecimalComma(locale) ? QLatin1Char(';') : QLatin1Char(',');
    QString text;
    auto endRow = [&text] { text += QLatin1String("\r\n"); };
    for (std::size_t c = 0; c < table.Columns.size(); ++c) {
        if (c > 0) text += separator;
        text += CsvField(DefusedText(HeaderText(table.Columns[c])), separator);
    }
    endRow();
    for (const auto& row : table.Rows) {
        for (std::size_t c = 0; c < table.Columns.size(); ++c) {
            if (c > 0) text += separator;
            if (c >= row.size()) continue;
            if (const double* number = std::get_if<double>(&row[c]))
                text += NumberText(*number, table.Columns[c].Decimals, locale);
            else if (const QString* s = std::get_if<QString>(&row[c]))
                text += CsvField(DefusedText(*s), separator);
        }
        endRow();
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString WriteCsv(const QString& path, const TExportTable& table, const QLocale& locale) {
    return WriteFileAtomically(path, CsvBytes(table, locale));
}

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
    return WriteFileAtomically(path, written.readAll());
}
