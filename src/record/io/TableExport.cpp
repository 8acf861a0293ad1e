#include "TableExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/FileWriter.h"
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
    return WriteFileSafely(path, CsvBytes(table, locale));
}
