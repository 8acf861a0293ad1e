// The "Readings" window on real widgets: notes typed into the table, deleting and clearing (asked first),
// the plot's points and axis titles, and the loadable module that the program opens it from.

#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "lab/LabModuleWriters.h"
#include "record/io/TableExport.h"

#include "lab/ReadingsModel.h"
#include "lab/ReadingsPlot.h"
#include "lab/ReadingsWindow.h"
#include "lab/report/Report.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "record/Readings.h"
#include "record/io/ReadingsExport.h"
#include <QPainter>
#include <QProcess>

namespace {

TReading Row(double theory, std::optional<double> measured, double x,
             TVariedProperty p = TVariedProperty::HangerLoad) {
    TReading r;
    r.Property = p;
    r.Varied.Numeric = true;
    r.Varied.Value = x;
    r.Varied.Quantity = QStringLiteral("Hanger load");
    r.Varied.Unit = QStringLiteral("N");
    r.TheoryMm = theory;
    r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
    if (measured) {
        r.Gauges[0].Valid = true;
        r.Gauges[0].Mean = *measured;
        r.Gauges[0].Count = 4;
    }
    return r;
}

} // namespace

class TReadingsWindowTest : public QObject {
    Q_OBJECT

    TReadingsTable Table;
    std::unique_ptr<TRecordingMessages> Messages;
    std::unique_ptr<TReadingsWindow> Window;
    int Changes = 0;

    void Open() {
        TReadingsViewContext c;
        c.Table = &Table;
        c.Messages = Messages.get();
        c.Changed = [this] { ++Changes; };
        Window = std::make_unique<TReadingsWindow>(c);
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() {
        Table.Clear();
        Messages = std::make_unique<TRecordingMessages>();
        Changes = 0;
        // 0.98, 1.96, 2.94 N; the middle one without a measured value (a gauge in error).
        Table.Add(Row(-1.25, -1.10, 0.98), 0);
        Table.Add(Row(-2.50, std::nullopt, 1.96), 1000);
        Table.Add(Row(-3.75, -3.30, 2.94), 2000);
        Open();
    }
    void cleanup() {
        Window.reset();
        Messages.reset();
    }

    void HeadersCarryUnitsAndBlankCellsStayBlank() {
        auto header = [&](int c) {
            return Window->Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        };
        QCOMPARE(header(TReadingsModel::Time), QString("Time (s)"));
        QCOMPARE(header(TReadingsModel::Theory), QString("Theory\n(mm, down -)"));
        QCOMPARE(header(TReadingsModel::Gauge1), QString("Gauge 1 (mm)"));
        QCOMPARE(header(TReadingsModel::DifferencePercent), QString("Difference (%)"));
        auto cell = [&](int r, int c) { return Window->Model->index(r, c).data().toString(); };
        QCOMPARE(cell(0, TReadingsModel::Gauge1), QString("-1.100"));
        QCOMPARE(cell(0, TReadingsModel::Difference), QString("0.150"));
        QCOMPARE(cell(0, TReadingsModel::DifferencePercent), QString("-12.0"));
        QCOMPARE(cell(1, TReadingsModel::Gauge1), QString());
        QCOMPARE(cell(1, TReadingsModel::Difference), QString());
        QCOMPARE(cell(2, TReadingsModel::Time), QString("2.0"));
        // The run, the gauge compared, section and material of each row.
        QCOMPARE(cell(0, TReadingsModel::Run), QString("Run 1"));
        QCOMPARE(cell(0, TReadingsModel::Compared), QString("Gauge 1"));
        QCOMPARE(cell(0, TReadingsModel::Measured), QString("-1.100"));
        QCOMPARE(cell(0, TReadingsModel::Material), QString("Aluminium, 69 GPa"));
        QCOMPARE(cell(0, TReadingsModel::Section), QString("Flat section"));
    }

    // The measured points skip the blank row; theory has all three; titles carry the unit; the fit uses two.
    void PlotAndFit() {
        const TReadingsSeries& plot = Window->PlotView->Series();
        QCOMPARE(plot.XTitle, QString("Hanger load (N)"));
        QCOMPARE(plot.YTitle, QString("Deflection (mm)"));
        QCOMPARE(int(plot.Runs.size()), 1);
        QCOMPARE(int(plot.Runs[0].Theory.size()), 3);
        QCOMPARE(int(plot.Runs[0].Measured.size()), 2);
        QCOMPARE(plot.Runs[0].Measured[1], QPointF(2.94, -3.30));
        // k = (1.1 x 1.25 + 3.3 x 3.75) / (1.25^2 + 3.75^2) = 13.75 / 15.625 = 0.88; E_exp = 69 / 0.88
        // = 78.4; both points on the line: no scatter, R^2 = 1.
        const QString text = Window->FitLabel->text();
        QVERIFY2(text.contains(QString::fromUtf8("k = 0.880 ± 0.000, R² = 1.0000, n = 2")), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("E_exp = E / k = 78.4 ± 0.0 GPa")));
        QVERIFY(text.contains("+13.6 %"));
        QVERIFY(text.contains("EI = "));
    }

    void NoteTypedIntoTheTable() {
        QTableView* grid = Window->Grid;
        const QModelIndex note = Window->Model->index(0, TReadingsModel::Note);
        grid->scrollTo(note); // the last column, off to the right
        grid->setFocus();
        grid->setCurrentIndex(note);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "hanger swinging");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(Table.Row(0).Note, QString("hanger swinging")); // the delegate commits queued
        QCOMPARE(Changes, 1);
    }

    void DeleteAndClearAskFirst() {
        QVERIFY(!Window->DeleteButton->isEnabled());
        QTest::mouseClick(Window->Grid->viewport(), Qt::LeftButton, {},
                          Window->Grid->visualRect(Window->Model->index(1, 0)).center());
        QVERIFY(Window->DeleteButton->isEnabled());
        Messages->Answers = {TMsgResult::Cancel};
        QTest::mouseClick(Window->DeleteButton, Qt::LeftButton);
        QCOMPARE(Messages->Texts(), QStringList{"Delete reading 2 (Run 1) from the table?"});
        QCOMPARE(Table.Count(), 3);
        QTest::mouseClick(Window->DeleteButton, Qt::LeftButton); // answered OK
        QCOMPARE(Table.Count(), 2);
        QCOMPARE(Table.Row(1).Number, 3);
        QCOMPARE(Window->Model->rowCount(), 2);
        QCOMPARE(int(Window->PlotView->Series().Runs[0].Theory.size()), 2);
        // The focus stays on the table, never on "Clear all" where a Space would ask to clear everything.
        QCOMPARE(Window->focusWidget(), static_cast<QWidget*>(Window->Grid));

        Messages->Clear();
        Messages->Answers = {TMsgResult::Cancel};
        QTest::mouseClick(Window->ClearButton, Qt::LeftButton);
        QCOMPARE(Messages->Texts(), QStringList{"Clear all 2 readings from the table?"});
        QCOMPARE(Table.Count(), 2);
        QTest::mouseClick(Window->ClearButton, Qt::LeftButton);
        QVERIFY(Table.Empty());
        QCOMPARE(Window->Model->rowCount(), 0);
        QVERIFY(!Window->ClearButton->isEnabled());
        QCOMPARE(Window->FitLabel->text().contains("No readings yet"), true);
        QCOMPARE(Changes, 2);
    }

    // Loading, then unloading as a second run: the window's plot and the report's plot come from one series
    // and one painter. Painted on the screen and on a 300 dpi page, each run's measured points carry the
    // run's colour where the painter maps them; the report's fit lines are the window's, number for number.
    void WindowAndReportPlotTheSame() {
        Table.Clear();
        for (int g : {100, 200, 300})
            Table.Add(Row(-0.01 * g, -0.0106 * g, g * 0.00980665), g);
        Table.StartNewRun();
        for (int g : {300, 200, 100})
            Table.Add(Row(-0.01 * g, -0.0135 * g, g * 0.00980665), 1000 + g);
        Table.RenameRun(2, QStringLiteral("Unloading"));
        Window->RowsChanged();
        const TReadingsSeries& shown = Window->PlotView->Series();
        QCOMPARE(int(shown.Runs.size()), 2);
        QCOMPARE(shown.Runs[1].Name, QString("Unloading"));
        const TReadingsSeries report = ReadingsSeries(Table);
        for (std::size_t i = 0; i < 2; ++i) {
            QCOMPARE(report.Runs[i].Measured, shown.Runs[i].Measured);
            QCOMPARE(report.Runs[i].Fit.K, shown.Runs[i].Fit.K);
        }
        QCOMPARE(RunComparisons(shown).size(), std::size_t(1));
        QCOMPARE(RunComparisons(shown)[0].Rows.size(), std::size_t(3));

        // Every run's measured points in its own colour, on the screen and on a page.
        auto coloursAt = [&](QImage image, const QRectF& area, double unit) {
            image.fill(Qt::white);
            QPainter p(&image);
            const QFont font(QStringLiteral("Liberation Sans"), 8);
            PaintReadingsPlot(p, area, shown, font, unit);
            p.end();
            const TPlotLayout l = ReadingsPlotLayout(shown, area, font, unit, QLocale(), &image);
            QStringList found;
            for (const TRunSeries& run : shown.Runs)
                for (const QPointF& m : run.Measured) {
                    const QPoint at = l.Map(m).toPoint();
                    found << (image.pixelColor(at) == RunStyle(run.Style).Colour ? run.Name : QString("?"));
                }
            return found;
        };
        const QStringList expected{"Run 1", "Run 1", "Run 1", "Unloading", "Unloading", "Unloading"};
        QCOMPARE(coloursAt(QImage(Window->PlotView->size(), QImage::Format_RGB32),
                           QRectF(Window->PlotView->rect()).adjusted(4, 4, -4, -4), 1.0),
                 expected);
        QCOMPARE(coloursAt(QImage(2400, 1100, QImage::Format_RGB32), QRectF(0, 0, 2400, 1100), 300.0 / 72.0),
                 expected);
        QVERIFY(RunStyle(0).Colour != RunStyle(1).Colour);

        // The report, written as the window's File command writes it, says the window's fits.
        TReportContent content;
        content.Readings = ReadingsExportTable(Table);
        content.Plot = report;
        content.ModulusText = RunsFitText(report);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("r.pdf"));
        QCOMPARE(WriteReportPdf(pdf, content), QString());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!text.waitForFinished(60000)) QSKIP("pdftotext (poppler-utils) is needed");
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        for (const TRunSeries& run : shown.Runs) {
            QVERIFY2(all.contains(QStringLiteral("k = %1").arg(FormatFixed(run.Fit.K, 3))), qPrintable(all));
            QVERIFY(
                Window->FitLabel->text().contains(QStringLiteral("k = %1").arg(FormatFixed(run.Fit.K, 3))));
        }
        QVERIFY(all.contains(QStringLiteral("Unloading")));
    }

    // The axes: an empty plot runs 0 to 1; loads start at 0, never "-2.0 N"; deflections hold 0 at the top
    // and no tick reads "-0.00"; every value lies inside.
    void AxesHoldTheValuesAndReadWell_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<bool>("deflection");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("empty load axis") << QList<double>{} << false << 0.0 << 1.0;
        QTest::newRow("loads 0.98 to 4.90 N") << QList<double>{0.98, 1.96, 4.90} << false << 0.0 << 6.0;
        QTest::newRow("one load") << QList<double>{2.94} << false << 1.0 << 5.0;
        QTest::newRow("deflections down to -3.63 mm") << QList<double>{-0.73, -3.63} << true << -4.0 << 0.0;
        QTest::newRow("tiny deflections") << QList<double>{-0.0004, -0.0031} << true << -0.004 << 0.0;
        QTest::newRow("positions 150 to 450 mm") << QList<double>{150, 450} << false << 100.0 << 500.0;
    }
    void AxesHoldTheValuesAndReadWell() {
        QFETCH(QList<double>, values);
        QFETCH(bool, deflection);
        QFETCH(double, from);
        QFETCH(double, to);
        const TPlotAxis axis = PlotAxis(std::vector<double>(values.begin(), values.end()), deflection);
        QVERIFY2(std::abs(axis.From - from) < 1e-9 && std::abs(axis.To - to) < 1e-9,
                 qPrintable(QString("%1 to %2").arg(axis.From).arg(axis.To)));
        for (double v : values)
            QVERIFY(v >= axis.From && v <= axis.To);
        for (double t : axis.Ticks) {
            const QString text = TickText(t, axis.Decimals, QLocale::c());
            QVERIFY2(!text.startsWith("-0") || text.contains(QRegularExpression("[1-9]")), qPrintable(text));
        }
    }

    // The program's way in: the module beside the executable, found by its exported factory.
    void TheModuleMakesTheWindow() {
        QLibrary module(QStringLiteral(FERRANT_LAB_MODULE));
        auto factory = reinterpret_cast<TReadingsViewFactory>(module.resolve(ReadingsViewFactoryName));
        QVERIFY2(factory, qPrintable(module.errorString()));
        QWidget owner;
        TReadingsViewContext c;
        c.Table = &Table;
        c.Messages = Messages.get();
        c.Owner = &owner;
        TReadingsView* view = factory(c);
        QVERIFY(view && view->Widget()->parent() == &owner);
        QCOMPARE(view->Widget()->findChild<QTableView*>()->model()->rowCount(), 3);
    }

    // The XLSX writer and printing live in the module too (the program does not link libxlsxwriter or Qt
    // PrintSupport, which cost start-up time): both are found by name, and the writer writes a workbook.
    void TheModuleWritesWorkbooksAndPrints() {
        QLibrary module(QStringLiteral(FERRANT_LAB_MODULE));
        auto write = reinterpret_cast<TWriteXlsxFunction>(module.resolve(WriteXlsxFunctionName));
        QVERIFY2(write, qPrintable(module.errorString()));
        QVERIFY(module.resolve(PrintReportFunctionName));
        QTemporaryDir dir;
        TExportTable readings;
        readings.Name = QStringLiteral("Readings");
        readings.Columns = {{QStringLiteral("Load"), QStringLiteral("N"), 2}};
        readings.Rows = {{TExportCell(2.94)}};
        TExportTable setup;
        setup.Name = QStringLiteral("Set-up");
        const QString path = dir.filePath(QStringLiteral("t.xlsx"));
        QCOMPARE(write(path, readings, setup), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("PK")); // a workbook is a zip archive
        // A folder that does not exist: a reason, not a crash.
        QVERIFY(!write(dir.filePath(QStringLiteral("none/t.xlsx")), readings, setup).isEmpty());
    }
};

QTEST_MAIN(TReadingsWindowTest)
#include "tst_readings_window.moc"
