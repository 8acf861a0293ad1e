// CSV and XLSX exports read back by independent readers (Python's csv module and openpyxl, run as separate
// processes), every cell compared with the readings it came from.
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstdlib>

#include "ProcessLocale.h"
#include "RecordingPresenter.h"
#include "SmallDisk.h"
#include "record/io/ReadingsExport.h"
#include "record/io/TableExport.h"
#include "theory/BeamTheory.h"

namespace {

// Debian's own interpreter, which has python3-openpyxl, ahead of any other on the PATH.
QString Python() {
    const QString system =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : system;
}

QJsonValue RunPython(const QString& script, const QStringList& args) {
    QProcess p;
    p.start(Python(), QStringList{QStringLiteral("-c"), script} + args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning().noquote() << p.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object().value(QLatin1String("result"));
}

// Reads the file as a spreadsheet would: strips the byte-order mark (and says whether it was there), then
// splits fields with the given separator.
const QString CsvReader = QStringLiteral(R"(
import csv, io, json, sys
raw = open(sys.argv[1], 'rb').read()
bom = raw.startswith(b'\xef\xbb\xbf')
rows = list(csv.reader(io.StringIO(raw.decode('utf-8-sig'), newline=''), delimiter=sys.argv[2]))
print(json.dumps({'result': {'bom': bom, 'crlf': b'\r\n' in raw, 'rows': rows}}))
)");

const QString XlsxReader = QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
out = {'sheets': wb.sheetnames}
for ws in wb.worksheets:
    out[ws.title] = [[{'v': c.value, 'fmt': c.number_format, 'bold': bool(c.font.b)} for c in row]
                     for row in ws.iter_rows()]
print(json.dumps({'result': out}))
)");

// Every number-like text in the workbook's XML parts that uses a decimal comma: attribute values such as
// width="18,28" and element texts such as <v>0,98</v>.
const QString XmlDecimalCommas = QStringLiteral(R"(
import json, re, sys, zipfile
found = []
with zipfile.ZipFile(sys.argv[1]) as z:
    for name in z.namelist():
        if name.endswith('.xml'):
            text = z.read(name).decode('utf-8')
            found += [name + ': ' + m for m in re.findall(r'"-?\d+,\d+"|>-?\d+,\d+<', text)]
print(json.dumps({'result': found}))
)");

TReading Row(double theory, std::optional<double> gauge1, const QString& note) {
    TReading r;
    r.Property = TVariedProperty::HangerLoad;
    r.Varied.Numeric = true;
    r.Varied.Value = 2.941995;
    r.Varied.Unit = QStringLiteral("N");
    r.Varied.Text = QStringLiteral("300 g (2.94 N)");
    r.TheoryMm = theory;
    if (gauge1) r.Gauges[0] = {true, *gauge1, 12, 0.00123, {true, 0.5}};
    r.Note = note;
    return r;
}

// Three rows: connected with a zero, a virtual one with blank gauges, and notes a spreadsheet would run.
TReadingsTable Fixture() {
    TReadingsTable table;
    table.Add(Row(-0.4567, -0.4321, QStringLiteral("=HYPERLINK(\"http://x\")")), 1000);
    table.Add(Row(-1.25, std::nullopt, QStringLiteral("-2 mm, \"loose\"; µ check\nsecond line")), 3500);
    table.Add(Row(-2.5, -2.4, QStringLiteral("@SUM(A1)")), 7250);
    return table;
}

// The cell as the CSV must show it: numbers in the column's decimals with the locale's mark, texts that a
// spreadsheet would run with an apostrophe in front.
QString ExpectedCsv(const TExportCell& cell, int decimals, QChar mark) {
    if (const double* d = std::get_if<double>(&cell)) {
        QString s = QString::number(*d, 'f', decimals);
        return s.replace(QLatin1Char('.'), mark);
    }
    if (const QString* s = std::get_if<QString>(&cell))
        return QStringLiteral("=+-@").contains(s->left(1)) && !s->isEmpty() ? QLatin1Char('\'') + *s : *s;
    return {};
}

// The CSV read back by the csv module: the rows of cells, or an empty list when it could not be read.
QList<QStringList> CsvRows(const TExportTable& table, const QLocale& locale, const QString& separator) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.csv"));
    if (!WriteCsv(path, table, locale).isEmpty()) return {};
    QList<QStringList> rows;
    for (const QJsonValue row :
         RunPython(CsvReader, {path, separator}).toObject().value(QLatin1String("rows")).toArray()) {
        QStringList cells;
        for (const QJsonValue cell : row.toArray())
            cells << cell.toString();
        rows << cells;
    }
    return rows;
}

// A reading taken as the experiment window takes it: the theory at the gauge from the layout.
TReading TheoryReading(TBeamLayout layout) {
    TBeamTheory theory; // aluminium, the flat bar 19.05 x 3.18 mm
    TRecordingPresenter view;
    theory.Recalculate(layout, view);
    TReading r;
    r.GaugeStation = layout.GaugeStation;
    r.TheoryMm = theory.DisplayedDeflectionMm(layout.GaugeStation);
    return r;
}

} // namespace

Q_DECLARE_METATYPE(TReading)

class TestTableExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void csvReadBack_data();
    void csvReadBack();
    void xlsxReadBack_data();
    void xlsxReadBack();
    void textsNeverRunNumbersNeverTouched();
    void fullDiskLeavesTheOldExport();
    void theoryColumnAgainstHandFormulas_data();
    void theoryColumnAgainstHandFormulas();
    void textsWithSeparatorsKeepTheirCell_data();
    void textsWithSeparatorsKeepTheirCell();
    void runsAndUnfittedRowsInTheExport();
};

void TestTableExport::initTestCase() {
    QVERIFY2(!Python().isEmpty(), "python3 is needed to read the exports back");
}

void TestTableExport::csvReadBack_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("mark");
    QTest::newRow("decimal comma (German)") << QLocale(QLocale::German, QLocale::Germany) << ";"
                                            << ",";
    QTest::newRow("decimal point (English, US)") << QLocale(QLocale::English, QLocale::UnitedStates) << ","
                                                 << ".";
    QTest::newRow("decimal comma (French)") << QLocale(QLocale::French, QLocale::France) << ";"
                                            << ",";
}

void TestTableExport::csvReadBack() {
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    QFETCH(QString, mark);
    const TExportTable table = ReadingsExportTable(Fixture());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.csv"));
    QCOMPARE(WriteCsv(path, table, locale), QString());

    const QJsonObject read = RunPython(CsvReader, {path, separator}).toObject();
    QVERIFY(read.value(QLatin1String("bom")).toBool());
    QVERIFY(read.value(QLatin1String("crlf")).toBool());
    const QJsonArray rows = read.value(QLatin1String("rows")).toArray();
    QCOMPARE(rows.size(), qsizetype(table.Rows.size() + 1));

    const QJsonArray header = rows[0].toArray();
    QCOMPARE(header.size(), qsizetype(table.Columns.size()));
    QCOMPARE(header[0].toString(), QStringLiteral("Elapsed time (s)"));
    QCOMPARE(header[7].toString(), QStringLiteral("Theory (mm)"));
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const QJsonArray cells = rows[qsizetype(r + 1)].toArray();
        QCOMPARE(cells.size(), qsizetype(table.Columns.size()));
        for (std::size_t c = 0; c < table.Columns.size(); ++c)
            QVERIFY2(cells[qsizetype(c)].toString() ==
                         ExpectedCsv(table.Rows[r][c], table.Columns[c].Decimals, mark.front()),
                     qPrintable(QStringLiteral("row %1 column %2: %3")
                                    .arg(r)
                                    .arg(c)
                                    .arg(cells[qsizetype(c)].toString())));
    }
    // Spot checks against the readings themselves: elapsed time first, 2.5 s after the first row.
    QCOMPARE(rows[2].toArray()[0].toString(), QStringLiteral("2") + mark + QStringLiteral("5"));
    QCOMPARE(rows[1].toArray()[8].toString(), QStringLiteral("-0") + mark + QStringLiteral("432"));
    QCOMPARE(rows[2].toArray()[8].toString(), QString()); // virtual: blank gauge
}

void TestTableExport::xlsxReadBack_data() {
    // The process's numeric locale as the program has it on each desktop (Qt sets it from LANG at start-up).
    QTest::addColumn<QByteArray>("processLocale");
    QTest::newRow("C") << QByteArray("C");
    QTest::newRow("German desktop") << QByteArray("de_DE.UTF-8");
    QTest::newRow("French desktop") << QByteArray("fr_FR.UTF-8");
    QTest::newRow("US desktop") << QByteArray("en_US.UTF-8");
}

void TestTableExport::xlsxReadBack() {
    QFETCH(QByteArray, processLocale);
    const TProcessLocale desktop(processLocale);
    QVERIFY2(desktop.IsActive(), processLocale.constData());
    QVERIFY(std::strtod("0.5", nullptr) == 0.5 || processLocale != "C");
    const TReadingsTable readings = Fixture();
    const TExportTable table = ReadingsExportTable(readings);
    TExperimentSetup setupState;
    setupState.Layout.LeftClamp = true;
    setupState.Layout.HangerSlots[60] = {300, false};
    setupState.Section.Material = 1;
    const TExportTable setup = SetupExportTable(setupState);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.xlsx"));
    QCOMPARE(WriteXlsx(path, table, setup), QString());

    // No number in the workbook's XML is written with a decimal comma (cell values, column widths, margins).
    const QJsonValue commas = RunPython(XmlDecimalCommas, {path});
    QVERIFY2(commas.isArray() && commas.toArray().isEmpty(),
             QJsonDocument(commas.toArray()).toJson(QJsonDocument::Compact).constData());
    const QJsonObject book = RunPython(XlsxReader, {path}).toObject();
    QCOMPARE(book.value(QLatin1String("sheets")).toArray(),
             (QJsonArray{QStringLiteral("Readings"), QStringLiteral("Set-up")}));
    const QJsonArray sheet = book.value(QLatin1String("Readings")).toArray();
    QCOMPARE(sheet.size(), qsizetype(table.Rows.size() + 1));
    for (std::size_t c = 0; c < table.Columns.size(); ++c) {
        const QJsonObject cell = sheet[0].toArray()[qsizetype(c)].toObject();
        QCOMPARE(cell.value(QLatin1String("v")).toString(), HeaderText(table.Columns[c]));
        QVERIFY(cell.value(QLatin1String("bold")).toBool());
    }
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const QJsonArray cells = sheet[qsizetype(r + 1)].toArray();
        for (std::size_t c = 0; c < table.Columns.size(); ++c) {
            const QJsonObject cell = cells[qsizetype(c)].toObject();
            const QJsonValue v = cell.value(QLatin1String("v"));
            const TExportCell& want = table.Rows[r][c];
            const QString at = QStringLiteral("row %1 column %2").arg(r).arg(c);
            if (const double* d = std::get_if<double>(&want)) {
                QVERIFY2(v.isDouble(), qPrintable(at + QStringLiteral(" is not a number")));
                QVERIFY2(std::abs(v.toDouble() - *d) <= 1e-15 * std::max(1.0, std::abs(*d)), qPrintable(at));
                const int decimals = table.Columns[c].Decimals;
                QCOMPARE(cell.value(QLatin1String("fmt")).toString(),
                         decimals == 0 ? QStringLiteral("0")
                                       : QStringLiteral("0.") + QString(decimals, QLatin1Char('0')));
            } else if (const QString* s = std::get_if<QString>(&want); s && !s->isEmpty()) {
                QVERIFY2(v.toString() == *s, qPrintable(at)); // a text cell is never a formula in XLSX
            } else {
                QVERIFY2(v.isNull(), qPrintable(at + QStringLiteral(" should be blank")));
            }
        }
    }
    // The set-up sheet: item and value in words.
    const QJsonArray setupSheet = book.value(QLatin1String("Set-up")).toArray();
    QStringList lines;
    for (const QJsonValue row : setupSheet)
        lines << row.toArray()[0].toObject().value(QLatin1String("v")).toString() + QStringLiteral(": ") +
                     row.toArray()[1].toObject().value(QLatin1String("v")).toString();
    QVERIFY(lines.contains(QStringLiteral("Material: Steel")));
    QVERIFY(lines.contains(QStringLiteral("Young's modulus E: 207 GPa")));
    QVERIFY(lines.contains(QStringLiteral("Supports: clamp at 0 mm")));
    QVERIFY(lines.contains(QStringLiteral("Loads: 300 g at 600 mm")));
    QVERIFY(lines.contains(QStringLiteral("Section: Flat section, 19.05 x 3.18 mm")));
}

void TestTableExport::textsNeverRunNumbersNeverTouched() {
    TExportTable table;
    table.Columns = {{QStringLiteral("x"), QStringLiteral("mm"), 2}, {QStringLiteral("note"), QString(), 0}};
    for (const char* text : {"=1+2", "+1", "-1", "@A1", "\tx", "plain", "a=b"})
        table.Rows.push_back({TExportCell(-1.5), TExportCell(QString::fromLatin1(text))});
    const QString csv = QString::fromUtf8(CsvBytes(table, QLocale::c()).mid(3));
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.mid(1, 7), (QStringList{QStringLiteral("-1.50,'=1+2"), QStringLiteral("-1.50,'+1"),
                                           QStringLiteral("-1.50,'-1"), QStringLiteral("-1.50,'@A1"),
                                           QStringLiteral("-1.50,'\tx"), QStringLiteral("-1.50,plain"),
                                           QStringLiteral("-1.50,a=b")}));
}

void TestTableExport::fullDiskLeavesTheOldExport() {
    // Exports of a real size (a few KB) on a disk that fills between two exports: the second fails with its
    // reason, and the first file is still there, byte for byte, rather than a file of 0 bytes.
    TSmallDisk disk;
    QVERIFY(disk.Valid());
    TReadingsTable readings = Fixture();
    const TExportTable setup = SetupExportTable(TExperimentSetup{});
    for (const QString& name : {QStringLiteral("r.csv"), QStringLiteral("r.xlsx")}) {
        const QString path = disk.Path(name);
        auto write = [&](const TReadingsTable& table) {
            return name.endsWith(QLatin1String("csv"))
                       ? WriteCsv(path, ReadingsExportTable(table), QLocale::c())
                       : WriteXlsx(path, ReadingsExportTable(table), setup);
        };
        QCOMPARE(write(readings), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readAll();
        file.close();
        QVERIFY(first.size() > 500);

        TReadingsTable more = readings;
        for (int i = 0; i < 20; ++i)
            more.Add(Row(-0.1 * i, -0.1 * i, QStringLiteral("row %1").arg(i)), 9000 + 1000 * i);
        disk.Fill();
        const QString why = write(more);
        disk.Unfill();
        QVERIFY2(why.contains(QStringLiteral("the disk is full")) ||
                     why.contains(QStringLiteral("larger than")),
                 qPrintable(QStringLiteral("%1, %2: \"%3\"").arg(name, QLatin1String(disk.Kind()), why)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
        file.close();
        QFile::remove(path);
    }
}

// The theory column against textbook formulas worked out here, for a point load P on the aluminium flat bar
// (E 69 GPa, I = b h^3 / 12 with b 19.05 mm, h 3.18 mm); deflection downward is negative in the table.
void TestTableExport::theoryColumnAgainstHandFormulas_data() {
    QTest::addColumn<TReading>("reading");
    QTest::addColumn<double>("expectedMm");
    const double EI = 69e9 * (19.05e-3 * std::pow(3.18e-3, 3) / 12.0);
    const double g = 9.80665e-3; // N per gram
    auto layout = [](bool left, bool right, int gauge) {
        TBeamLayout l;
        l.LeftClamp = left;
        l.RightClamp = right;
        l.GaugeStation = gauge;
        return l;
    };
    {
        // Knife-edges at 50 and 550 mm, 500 g at mid-span: P L^3 / 48 EI, L = 0.5 m.
        TBeamLayout l = layout(false, false, 30);
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 5;
        l.KnifeEdge2Station = 55;
        l.UpdateKnifeEdgeOrder();
        l.HangerSlots[30].Mass = 500;
        QTest::newRow("simply supported, 500 g at mid-span")
            << TheoryReading(l) << -(500 * g) * std::pow(0.5, 3) / (48 * EI) * 1000;
    }
    {
        // Clamped at 0 mm, 300 g at 600 mm, gauge at the load: P L^3 / 3 EI, L = 0.6 m.
        TBeamLayout l = layout(true, false, 60);
        l.HangerSlots[60].Mass = 300;
        QTest::newRow("cantilever, 300 g at the free end")
            << TheoryReading(l) << -(300 * g) * std::pow(0.6, 3) / (3 * EI) * 1000;
        // The same beam read at 400 mm: P x^2 (3L - x) / 6 EI.
        l.GaugeStation = 40;
        QTest::newRow("cantilever, gauge at 400 mm")
            << TheoryReading(l) << -(300 * g) * 0.4 * 0.4 * (3 * 0.6 - 0.4) / (6 * EI) * 1000;
    }
    {
        // Clamped at both ends, 400 g at the middle: P L^3 / 192 EI, L = 0.6 m.
        TBeamLayout l = layout(true, true, 30);
        l.HangerSlots[30].Mass = 400;
        QTest::newRow("clamped at both ends, 400 g at the middle")
            << TheoryReading(l) << -(400 * g) * std::pow(0.6, 3) / (192 * EI) * 1000;
    }
}

void TestTableExport::theoryColumnAgainstHandFormulas() {
    QFETCH(TReading, reading);
    QFETCH(double, expectedMm);
    TReadingsTable readings;
    readings.Add(reading, 0);
    const TExportTable table = ReadingsExportTable(readings);
    for (const auto& [locale, separator] :
         {std::pair{QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral(",")},
          std::pair{QLocale(QLocale::German, QLocale::Germany), QStringLiteral(";")}}) {
        const QList<QStringList> rows = CsvRows(table, locale, separator);
        QCOMPARE(rows.size(), 2);
        const qsizetype column = rows[0].indexOf(QStringLiteral("Theory (mm)"));
        QVERIFY(column >= 0);
        QString text = rows[1].value(column);
        bool ok = false;
        const double exported = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        QVERIFY2(ok, qPrintable(text));
        // Three decimals in the file, single precision in the theory.
        QVERIFY2(std::abs(exported - expectedMm) < 0.0006 + 1e-5 * std::abs(expectedMm),
                 qPrintable(QStringLiteral("%1: exported %2, expected %3")
                                .arg(locale.name(), text)
                                .arg(expectedMm, 0, 'f', 5)));
    }
}

// A text holding the separator, a quote, a line break or a carriage return stays one cell, read back as it
// was; the cells after it stay in their columns.
void TestTableExport::textsWithSeparatorsKeepTheirCell_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::newRow("decimal point: comma separated")
        << QLocale(QLocale::English, QLocale::UnitedStates) << ",";
    QTest::newRow("decimal comma: semicolon separated") << QLocale(QLocale::German, QLocale::Germany) << ";";
}

void TestTableExport::textsWithSeparatorsKeepTheirCell() {
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    const QStringList notes = {
        QStringLiteral("loose; retightened"),
        QStringLiteral("loose, retightened"),
        QStringLiteral("the \"new\" hanger"),
        QStringLiteral("first line\nsecond line"),
        QStringLiteral("cr\rin it"),
        QStringLiteral("all; of, \"them\"\nat once"),
        QStringLiteral("plain"),
    };
    TExportTable table;
    table.Columns = {{QStringLiteral("Note"), QString(), 0},
                     {QStringLiteral("Theory"), QStringLiteral("mm"), 3},
                     {QStringLiteral("Unit"), QString(), 0}};
    for (const QString& note : notes)
        table.Rows.push_back({TExportCell(note), TExportCell(-1.25), TExportCell(note)});
    const QList<QStringList> rows = CsvRows(table, locale, separator);
    QCOMPARE(rows.size(), notes.size() + 1);
    const QString number = QStringLiteral("-1") + locale.decimalPoint() + QStringLiteral("250");
    for (qsizetype r = 0; r < notes.size(); ++r)
        QCOMPARE(rows[r + 1], (QStringList{notes[r], number, notes[r]}));
}

// Each row says its run (by the name the students gave it), the gauge its difference compares, its section
// and material, and why no fit counts it, so a spreadsheet can split the runs as the window does.
void TestTableExport::runsAndUnfittedRowsInTheExport() {
    TReadingsTable readings;
    TReading r;
    r.Property = TVariedProperty::HangerPosition;
    r.Varied.Numeric = true;
    r.Varied.Value = 150;
    r.Varied.Text = QStringLiteral("150 mm");
    r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69, 5e-11};
    readings.Add(r, 0);
    readings.StartNewRun();
    readings.RenameRun(2, QStringLiteral("Unloading"));
    r.SelectedGauge = 1;
    r.Varied = {};
    r.Varied.Undefined = true;
    r.Varied.Text = QStringLiteral("two hangers: the position is not defined");
    readings.Add(r, 1000);
    const QList<QStringList> rows =
        CsvRows(ReadingsExportTable(readings), QLocale(QLocale::English, QLocale::UnitedStates), ",");
    QCOMPARE(rows.size(), 3);
    auto cell = [&](int row, const char* title) {
        return rows[row].value(rows[0].indexOf(QLatin1String(title)));
    };
    QCOMPARE(cell(1, "Run"), QString("Run 1"));
    QCOMPARE(cell(2, "Run"), QString("Unloading"));
    QCOMPARE(cell(1, "Gauge compared"), QString("1"));
    QCOMPARE(cell(2, "Gauge compared"), QString("2"));
    QCOMPARE(cell(1, "Material"), QString("Aluminium"));
    QCOMPARE(cell(1, "Not fitted"), QString());
    QCOMPARE(cell(2, "Not fitted"), QString("two hangers: the position is not defined"));
}

QTEST_APPLESS_MAIN(TestTableExport)
#include "tst_table_export.moc"
