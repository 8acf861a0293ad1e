// The lab record's files with 1,000 readings: saving and opening the experiment file, exporting CSV and
// XLSX, and writing the PDF report. Each iteration writes a real file in a temporary folder.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "lab/report/Report.h"
#include "record/ReadingsSeries.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ExperimentJournal.h"
#include "record/io/ReadingJson.h"
#include "record/io/ReadingsExport.h"

namespace {

TReadingsTable Readings(int n) {
    TReadingsTable table;
    for (int i = 1; i <= n; ++i) {
        TReading r;
        r.Property = TVariedProperty::HangerLoad;
        r.Varied = {true,
                    (i % 50) * 10 * NewtonsPerGram,
                    QStringLiteral("Hanger load"),
                    QStringLiteral("N"),
                    QStringLiteral("%1 g").arg((i % 50) * 10),
                    false,
                    (i % 50) * 10};
        r.TheoryMm = -0.0123 * i;
        r.Gauges[0] = {true, -0.0125 * i, 12, 0.0011, {true, 0.05}};
        r.Gauges[1] = {true, -0.0121 * i, 12, 0.0012, {true, 0.04}};
        r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
        r.Note = QStringLiteral("step %1, hanger checked").arg(i);
        table.Add(r, 1000 * i);
    }
    return table;
}

TExperimentSetup Setup() {
    TExperimentSetup s;
    s.Layout.LeftClamp = true;
    s.Layout.KnifeEdge1 = true;
    s.Layout.KnifeEdge1Station = 50;
    s.Layout.HangerSlots[30] = {300, false};
    s.Layout.PlaceUDL(20);
    return s;
}

std::vector<QJsonObject> Rows(const TReadingsTable& table) {
    std::vector<QJsonObject> rows;
    for (const TReading& r : table.Rows())
        rows.push_back(ReadingToJson(r));
    return rows;
}

void BM_SaveExperiment(benchmark::State& state) {
    const TReadingsTable table = Readings(1000);
    const TExperimentSetup setup = Setup();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("e.ferx"));
    for (auto _ : state) {
        // The window's save: the rows to JSON, the document written atomically.
        const QString error = SaveExperiment(path, setup, Rows(table));
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_SaveExperiment)->Unit(benchmark::kMillisecond);

// The largest experiment the window records (10,000 readings) saved and opened: one bound for both.
void BM_SaveAndOpenLargest(benchmark::State& state) {
    const std::vector<QJsonObject> rows = Rows(Readings(MaxReadings));
    const TExperimentSetup setup = Setup();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.ferx"));
    for (auto _ : state) {
        const QString error = SaveExperiment(path, setup, rows);
        const TFileRead<TExperimentDocument> read = OpenExperiment(path);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(read);
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_SaveAndOpenLargest)->Unit(benchmark::kMillisecond)->Iterations(3);

long MaxResidentKB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A journal of 60 MB of empty lines (found left at the journal's path): read line by line within its bound,
// its memory is the bytes read, not a copy per line. The counter is the growth of the process's peak.
void BM_ReadBackJournalOfEmptyLines(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("j.jsonl"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const QByteArray lines(1 << 20, '\n');
        for (int i = 0; i < 60; ++i)
            file.write(lines);
    }
    const long before = MaxResidentKB();
    for (auto _ : state) {
        const TJournalState left = TExperimentJournal::ReadBack(path);
        benchmark::DoNotOptimize(left);
    }
    state.counters["peak_growth_MB"] = double(MaxResidentKB() - before) / 1024;
}
BENCHMARK(BM_ReadBackJournalOfEmptyLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenExperiment(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("e.ferx"));
    (void)SaveExperiment(path, Setup(), Rows(Readings(1000)));
    for (auto _ : state) {
        // The window's open: read, check, rebuild the layout, turn every row back into a reading.
        const TFileRead<TExperimentDocument> read = OpenExperiment(path);
        std::vector<TReading> rows;
        for (const QJsonObject& row : read.Value.Rows)
            rows.push_back(ReadingFromJson(row, QString()).Reading);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_OpenExperiment)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state) {
    const TReadingsTable table = Readings(1000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("e.csv"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteCsv(path, ReadingsExportTable(table), QLocale::c()));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_ExportXlsx(benchmark::State& state) {
    const TReadingsTable table = Readings(1000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("e.xlsx"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteXlsx(path, ReadingsExportTable(table), SetupExportTable(Setup())));
}
BENCHMARK(BM_ExportXlsx)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state) {
    const TReadingsTable table = Readings(1000);
    TReportContent content;
    content.When = QDateTime::currentDateTime();
    content.StudentName = QStringLiteral("A. Student");
    content.Apparatus = QImage(752, 491, QImage::Format_RGB32);
    content.Apparatus.fill(Qt::lightGray);
    content.Setup = SetupExportTable(Setup());
    content.Readings = ReadingsExportTable(table);
    content.Plot = ReadingsSeries(table);
    content.ModulusText = QStringLiteral("E_exp = 68.1 GPa");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("e.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteReportPdf(path, content));
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
