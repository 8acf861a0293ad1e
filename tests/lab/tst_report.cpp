// The PDF report read back with pdftotext and pdfinfo (poppler-utils): every part is there, the table runs
// over pages with its header repeated, every page is numbered, and the page size follows the locale.
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "experiment/ApparatusScene.h"
#include "lab/report/Report.h"
#include "record/io/ReadingsExport.h"

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TReportContent Content(int rows) {
    TReadingsTable table;
    for (int i = 1; i <= rows; ++i) {
        TReading r;
        r.Property = TVariedProperty::HangerLoad;
        r.Varied.Numeric = true;
        r.Varied.Value = i * 100 * NewtonsPerGram;
        r.Varied.Text = QStringLiteral("%1 g").arg(i * 100);
        r.Varied.Quantity = QStringLiteral("Hanger load");
        r.Varied.Unit = QStringLiteral("N");
        r.TheoryMm = -0.1 * i;
        r.Gauges[0] = {true, -0.105 * i, 10, 0.001, {}};
        r.Note = QStringLiteral("note of row %1").arg(i);
        table.Add(r, 1000 * i);
    }
    TExperimentSetup setup;
    setup.Layout.LeftClamp = true;
    setup.Layout.HangerSlots[60] = {500, false};
    TReportContent c;
    c.When = QDateTime(QDate(2026, 12, 10), QTime(14, 30));
    c.StudentName = QStringLiteral("Ada Lovelace-Jones");
    c.Apparatus = ApparatusImage(setup.Layout, 3.0);
    c.Theory = DiagramsOfSetup(setup);
    c.RunDiagrams = {{QStringLiteral("Run 1, the layout as reading %1 was recorded").arg(rows),
                      DiagramsOfSetup(setup), -0.105 * rows}};
    c.Setup = SetupExportTable(setup);
    c.PropertyVaried = QStringLiteral("Variable hanger load");
    c.Readings = ReadingsExportTable(table);
    c.Plot = ReadingsSeries(table);
    c.ModulusText = QStringLiteral("E_exp = 65.7 GPa (material 69 GPa, -4.8 %), k = 1.050, n = %1").arg(rows);
    return c;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed");
    }
    void everyPartAndEveryPage();
    void pageSizeFollowsLocale_data();
    void pageSizeFollowsLocale();
    void emptyTableSaysSo();
};

void TestReport::everyPartAndEveryPage() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.pdf"));
    const TReportContent content = Content(120);
    QCOMPARE(WriteReportPdf(path, content, QLocale(QLocale::English, QLocale::UnitedKingdom)), QString());
    if (qEnvironmentVariableIsSet("FERRANT_KEEP_REPORT"))
        QFile::copy(path, qEnvironmentVariable("FERRANT_KEEP_REPORT"));
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    QVERIFY2(pages >= 4, qPrintable(info)); // 120 rows cannot share two pages with the pictures

    QStringList pageTexts;
    for (int n = 1; n <= pages; ++n)
        pageTexts << Run(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(n),
                          QStringLiteral("-l"), QString::number(n), path, QStringLiteral("-")});
    const QString all = pageTexts.join(QLatin1Char('\n'));
    for (const QString& part :
         {content.Title, QStringLiteral("10 December 2026"), QStringLiteral("Ada Lovelace-Jones"),
          QStringLiteral("Apparatus and layout"), QStringLiteral("Theoretical deflection"),
          QStringLiteral("Flat section, 19.05 x 3.18 mm"),
          QStringLiteral("207 GPa").left(0) + QStringLiteral("69 GPa"),
          QStringLiteral("Variable hanger load"), QStringLiteral("Hanger load (N)"), content.ModulusText})
        QVERIFY2(all.contains(part), qPrintable(part));

    int tablePages = 0;
    for (int n = 1; n <= pages; ++n) {
        const QString& text = pageTexts[n - 1];
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(n).arg(pages)),
                 qPrintable(text.right(200)));
        if (text.contains(QStringLiteral("note of row"))) {
            ++tablePages;
            QVERIFY2(text.contains(QStringLiteral("Gauge position")) &&
                         text.contains(QStringLiteral("Theory")),
                     qPrintable(QStringLiteral("page %1 has rows but no header").arg(n)));
        }
    }
    QVERIFY(tablePages >= 2);
    // The run's diagrams come last, on a page of their own, with the measured value beside the theory.
    QVERIFY(
        pageTexts.back().contains(QStringLiteral("Diagrams: Run 1, the layout as reading 120 was recorded")));
    QVERIFY(pageTexts.back().contains(QStringLiteral("measured -12.60 mm")));
    QVERIFY(!pageTexts[pages - 2].contains(QStringLiteral("Diagrams: ")));
    // Every row is printed once, in order, with its numbers in the table's decimals.
    int from = 0;
    for (int i = 1; i <= 120; ++i) {
        const int at = all.indexOf(QStringLiteral("note of row %1\n").arg(i), from);
        QVERIFY2(at > from || (i == 1 && at >= 0), qPrintable(QStringLiteral("row %1").arg(i)));
        from = at;
    }
    QVERIFY(all.contains(QStringLiteral("-12.600"))); // gauge 1 of row 120
}

void TestReport::pageSizeFollowsLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("size");
    QTest::newRow("United States: Letter") << QLocale(QLocale::English, QLocale::UnitedStates) << "(letter)";
    QTest::newRow("Germany: A4") << QLocale(QLocale::German, QLocale::Germany) << "(A4)";
    QTest::newRow("United Kingdom: A4") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "(A4)";
}

void TestReport::pageSizeFollowsLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.pdf"));
    QCOMPARE(WriteReportPdf(path, Content(3), locale), QString());
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(size), qPrintable(info));
}

void TestReport::emptyTableSaysSo() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.pdf"));
    TReportContent content = Content(0);
    content.ModulusText = QStringLiteral("Fewer than two usable points: no modulus.");
    QCOMPARE(WriteReportPdf(path, content), QString());
    const QString text = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("No readings were recorded.")));
    QVERIFY(text.contains(QStringLiteral("No points to plot.")));
    QVERIFY(text.contains(content.ModulusText));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
