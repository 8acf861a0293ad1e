// A class's results from a folder of experiment files the program wrote: every run with its own fit, the
// class's mean and spread of E_exp per material worked by hand, unreadable files (an old version written by
// the earlier program still reads; a newer version, a cut file, a pipe) each listed with the reason and the
// rest read, and the exported table read back by an independent reader.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <sys/stat.h>

#include "record/ClassResults.h"
#include "record/LabSession.h"

namespace {

TBeamLayout SimplySupported() {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 10;
    l.KnifeEdge2Station = 50;
    l.UpdateKnifeEdgeOrder();
    l.GaugeStation = 30;
    return l;
}

// One group's bench: hanger loads at midspan, the gauge reading exactly k times the theory, so the fit's k
// and E_exp = E / k are known by hand.
struct TGroup {
    TLabSession Session;
    qint64 Now = 10000;
    TRowInputs In;
    explicit TGroup(int material) {
        In.Setup.Layout = SimplySupported();
        In.Setup.Section.Material = material; // 0 aluminium 69 GPa, 1 steel 207 GPa
        In.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
        In.Connected = true;
    }
    void Rows(double k, int count) {
        for (int i = 1; i <= count; ++i) {
            In.Setup.Layout.HangerSlots[30] = {100 * i, true};
            In.TheoryMm = -0.5 * i;
            for (int j = 0; j < 10; ++j)
                Session.History().Add(Now += 100, {k * In.TheoryMm, 0.0});
            Session.Record(In, Now);
        }
    }
    void Save(const QString& path, const QString& group, const QString& names) {
        Session.SetDetails({names, group, QStringLiteral("3"), QStringLiteral("11 Dec 2026"), {}});
        QCOMPARE(Session.Save(path, In.Setup), QString());
    }
};

} // namespace

class TestClassResults : public QObject {
    Q_OBJECT
    QTemporaryDir Folder;

    QString Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Folder.isValid());
        // Group A, aluminium: loading (k = 0.9) then unloading after "New run" (k = 1.0).
        TGroup a(0);
        a.Rows(0.9, 4);
        a.Session.StartNewRun();
        a.Session.RenameRun(2, QStringLiteral("Unloading"));
        a.Rows(1.0, 3);
        a.Save(Path("a-aluminium.ferx"), QStringLiteral("A"), QStringLiteral("Ann, Ben"));
        // Group B, aluminium, k = 1.15.
        TGroup b(0);
        b.Rows(1.15, 5);
        b.Save(Path("b-aluminium.ferx"), QStringLiteral("B"), QStringLiteral("Cleo"));
        // Group C, steel, k = 0.92.
        TGroup c(1);
        c.Rows(0.92, 3);
        c.Save(Path("c-steel.ferx"), QStringLiteral("C"), QStringLiteral("Dev"));
        // A group that recorded one row: no fit, and a reason.
        TGroup d(1);
        d.Rows(1.0, 1);
        d.Save(Path("d-one-row.ferx"), QStringLiteral("D"), QString());
        // Files that cannot be read: a newer version, a file cut short, a pipe, and a text file in disguise.
        QFile::copy(Path("b-aluminium.ferx"), Path("e-newer.ferx"));
        QFile newer(Path("e-newer.ferx"));
        QVERIFY(newer.open(QIODevice::ReadWrite));
        QByteArray bytes = newer.readAll();
        bytes.replace("\"version\": 2", "\"version\": 99");
        newer.resize(0);
        newer.write(bytes);
        newer.close();
        QFile cut(Path("f-cut.ferx"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() / 2));
        cut.close();
        QCOMPARE(mkfifo(Path("g-pipe.ferx").toLocal8Bit().constData(), 0600), 0);
        QFile text(Path("h-notes.ferx"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Remember to bring the weights back.\n");
        text.close();
        // An old file of the earlier program, and something that is not an experiment file at all.
        QVERIFY(QFile::copy(QStringLiteral(FERRANT_FIXTURES "/v1-simply-supported-load-series.ferx"),
                            Path("i-version-1.ferx")));
        QFile other(Path("readme.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
    }

    void RunsOfEveryReadableFile() {
        QString problem;
        const QStringList files = ExperimentFilesInFolder(Folder.path(), &problem);
        QCOMPARE(problem, QString());
        QCOMPARE(files.size(), 9); // the .ferx files only, in name order
        QVERIFY(files.first().endsWith("a-aluminium.ferx") && files.last().endsWith("i-version-1.ferx"));
        QElapsedTimer clock;
        clock.start();
        const TClassResults results = ReadClassResults(files);
        QVERIFY2(clock.elapsed() < 10000, "the pipe must not block the reading"); // a hang, not a speed
        QCOMPARE(results.FilesRead, 5);

        // A's two runs, B's, C's, D's, the old file's one run.
        QCOMPARE(int(results.Runs.size()), 6);
        const TClassRun& loading = results.Runs[0];
        QCOMPARE(loading.Group, QString("A"));
        QCOMPARE(loading.Names, QString("Ann, Ben"));
        QCOMPARE(loading.RunName, QString("Run 1"));
        QCOMPARE(loading.Material, QString("Aluminium"));
        QCOMPARE(loading.Property, QString("Variable hanger load"));
        QCOMPARE(loading.Setup, QString("Simply supported on knife-edges at 100 and 500 mm; 300 g at 300 mm; "
                                        "dial gauge at 300 mm"));
        QVERIFY(loading.Fit.Ok);
        QCOMPARE(loading.Fit.N, 4);
        QVERIFY(std::abs(loading.Fit.K - 0.9) < 1e-6);
        QVERIFY(std::abs(loading.Fit.ModulusExpGPa - 69.0 / 0.9) < 1e-4);
        QCOMPARE(int(loading.Points.size()), 4);
        QCOMPARE(results.Runs[1].RunName, QString("Unloading"));
        QVERIFY(std::abs(results.Runs[1].Fit.K - 1.0) < 1e-6);
        QVERIFY(!results.Runs[4].Fit.Ok);
        QVERIFY2(!results.Runs[4].Fit.Message.isEmpty(), "a run without a fit says why");
        QCOMPARE(results.Runs[5].File, QString("i-version-1.ferx"));
        QCOMPARE(results.Runs[5].Group, QString());

        // Each unreadable file with the reason File > Open gives.
        QCOMPARE(int(results.Problems.size()), 4);
        QStringList reasons;
        for (const TClassProblem& p : results.Problems) {
            QCOMPARE(p.Reason, TLabSession::ReadExperiment(p.Path).Problem);
            reasons << p.File;
        }
        QCOMPARE(reasons, (QStringList{"e-newer.ferx", "f-cut.ferx", "g-pipe.ferx", "h-notes.ferx"}));
    }

    // Worked by hand (the gauges' means are kept to the file's precision: within 1e-4 GPa): aluminium runs A1
    // (69 / 0.9 = 76.667), A2 (69), B (69 / 1.15 = 60) and the old file's run; steel C alone (207 / 0.92 =
    // 225, spread 0).
    void ClassStatisticsByHand() {
        const TClassResults results = ReadClassResults(ExperimentFilesInFolder(Folder.path()));
        std::vector<TClassRun> ours(results.Runs.begin(), results.Runs.begin() + 5);
        const std::vector<TClassStatistic> stats = ClassStatistics(ours);
        QCOMPARE(int(stats.size()), 2);
        QCOMPARE(stats[0].Material, QString("Aluminium"));
        QCOMPARE(stats[0].N, 3);
        const double a1 = 69.0 / 0.9, a2 = 69.0, b = 60.0, mean = (a1 + a2 + b) / 3;
        const double spread =
            std::sqrt(((a1 - mean) * (a1 - mean) + (a2 - mean) * (a2 - mean) + (b - mean) * (b - mean)) / 2);
        QVERIFY2(std::abs(stats[0].MeanGPa - mean) < 1e-4,
                 qPrintable(QString::number(stats[0].MeanGPa - mean)));
        QVERIFY2(std::abs(stats[0].SpreadGPa - spread) < 1e-4,
                 qPrintable(QString::number(stats[0].SpreadGPa)));
        QVERIFY(std::abs(stats[0].DifferencePercent - 100 * (mean - 69) / 69) < 1e-4);
        QCOMPARE(stats[1].Material, QString("Steel"));
        QCOMPARE(stats[1].N, 1);
        QVERIFY(std::abs(stats[1].MeanGPa - 225.0) < 1e-4);
        QCOMPARE(stats[1].SpreadGPa, 0.0);
    }

    // The table the window shows and exports, read back by Python's csv module under a German locale's
    // rules (";" between fields, decimal commas).
    void ExportReadBackIndependently() {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty()) QSKIP("python3 is missing");
        const TClassResults results = ReadClassResults(ExperimentFilesInFolder(Folder.path()));
        const QString csv = Path("class.csv");
        QCOMPARE(WriteCsv(csv, ClassRunsTable(results), QLocale(QLocale::German, QLocale::Germany)),
                 QString());
        QProcess p;
        p.start(python, {QStringLiteral("-c"),
                         QStringLiteral("import csv,sys\n"
                                        "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig'),"
                                        "delimiter=';'))\n"
                                        "h=rows[0]; r=rows[1]\n"
                                        "print(len(rows)-1, r[h.index('Group')], r[h.index('Run')],"
                                        " r[h.index('n')], r[h.index('E_exp (GPa)')], r[h.index('k')])\n"
                                        "print(rows[5][h.index('Fit')] != '')"),
                         csv});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
                 QString("6 A Run 1 4 76,7 0,9000\nTrue"));
        // The statistics sheet names the unread files with their reasons.
        const TExportTable stats = ClassStatisticsTable(ClassStatistics(results.Runs), results.Problems);
        QCOMPARE(int(stats.Rows.size()), 2 + 4);
        QVERIFY(std::get<QString>(stats.Rows.back().back()).startsWith("not read: "));
    }

    // A folder with more files than a class has: the first MaxClassFiles, and a word about the rest.
    void LargeFolderIsBounded() {
        QTemporaryDir many;
        for (int i = 0; i < MaxClassFiles + 3; ++i) {
            QFile f(many.filePath(QStringLiteral("%1.ferx").arg(i, 4, 10, QLatin1Char('0'))));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QString problem;
        QCOMPARE(ExperimentFilesInFolder(many.path(), &problem).size(), MaxClassFiles);
        QVERIFY(problem.contains(QString::number(MaxClassFiles + 3)));
        QVERIFY(ExperimentFilesInFolder(many.filePath("0001.ferx"), &problem).isEmpty());
        QVERIFY(problem.contains("not a folder"));
    }
};

QTEST_APPLESS_MAIN(TestClassResults)
#include "tst_class_results.moc"
