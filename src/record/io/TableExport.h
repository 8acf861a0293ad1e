#pragma once
// The readings table as it leaves the program: a plain table of columns (title, unit, displayed decimals)
// and cells (empty, a number or a text), written as CSV or as an XLSX workbook. The window builds the table
// from its readings; the writers know nothing of readings.
//
// CSV: UTF-8 with a byte-order mark (spreadsheets then read the units' characters right), one header row
// "Title (unit)", CRLF line ends. Where the locale writes decimals with a comma the numbers use the comma and
// the fields are separated by ";", as spreadsheets there expect; otherwise "." and ",". A text that begins
// with = + - @ (or a tab or carriage return) gets a leading apostrophe so no spreadsheet runs it as a
// formula; numbers are written as numbers and never altered.
//
// XLSX: numbers as numbers with the displayed decimals as their number format, the header bold, and a
// second sheet with the set-up.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <variant>
#include <vector>

struct TExportColumn {
    QString Title;
    QString Unit;     // empty: no unit
    int Decimals = 3; // the displayed decimals of a number in this column
};

using TExportCell = std::variant<std::monostate, double, QString>;

struct TExportTable {
    QString Name; // the sheet's name
    std::vector<TExportColumn> Columns;
    std::vector<std::vector<TExportCell>> Rows;
};

// "Title (unit)", or the title alone.
[[nodiscard]] QString HeaderText(const TExportColumn& column);

// A number as the table shows it: fixed, with the column's decimals and the locale's decimal mark, without
// group separators.
[[nodiscard]] QString NumberText(double value, int decimals, const QLocale& locale);

// The whole CSV file.
[[nodiscard]] QByteArray CsvBytes(const TExportTable& table, const QLocale& locale);
// Empty when written (atomically), else the reason.
[[nodiscard]] QString WriteCsv(const QString& path, const TExportTable& table, const QLocale& locale);
// The readings on the first sheet, the set-up on the second. Empty when written, else the reason.
[[nodiscard]] QString WriteXlsx(const QString& path, const TExportTable& readings, const TExportTable& setup);
