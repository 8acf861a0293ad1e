// The lab session without a window: version 1 files written by the earlier program open as one run, a row
// that would break its run starts the next one and says why, an undefined value is recorded but never fitted,
// runs and their names survive a save and a crash, and deleting rows keeps every fit what a fresh table
// gives.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "record/LabSession.h"
#include "record/ReadingsFit.h"
#include "record/io/ReadingJson.h"

namespace {

const QString Fixtures = QStringLiteral(FERRANT_FIXTURES);

QString Fixture(const char* name) {
    return Fixtures + QLatin1Char('/') + QLatin1String(name);
}

TBeamLayout SimplySupported() {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 10;
    l.KnifeEdge2Station = 50;
    l.UpdateKnifeEdgeOrder();
    l.GaugeStation = 30;
    return l;
}

// A session fed like the window feeds it: the gauges settle on a value for a second, then F10.
struct TBench {
    TLabSession Session;
    qint64 Now = 10000;
    TRowInputs In;

    TBench() {
        In.Setup.Layout = SimplySupported();
        In.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
        In.Connected = true;
    }
    void Gauges(double g1, double g2 = 0.0) {
        for (int i = 0; i < 10; ++i)
            Session.History().Add(Now += 100, {g1, g2});
    }
    // Theory t at the gauge, the selected gauge reading m; returns the row's index.
    int Row(int grams, double t, double m) {
        In.Setup.Layout.HangerSlots[30] = {grams, true};
        In.TheoryMm = t;
        Gauges(In.SelectedGauge == 0 ? m : 0.0, In.SelectedGauge == 1 ? m : 0.0);
        return Session.Record(In, Now);
    }
};

} // namespace

class TestLabSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Each version 1 file opens whole, as one run, with the rows and zeros it was written with (the values
    // below are read from the files by eye, not by this program).
    void VersionOneFilesOpenAsOneRun_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("handout");
        QTest::addColumn<QString>("firstValue");
        QTest::newRow("load series") << Fixture("v1-simply-supported-load-series.ferx") << 9 << false
                                     << "100 g (0.98 N)";
        QTest::newRow("cantilever, gauge 2 zeroed")
            << Fixture("v1-cantilever-gauge-zeroed.ferx") << 6 << false << "200 mm";
        QTest::newRow("two hangers") << Fixture("v1-hanger-position-two-hangers.ferx") << 7 << false
                                     << "150 mm";
        QTest::newRow("notes, virtual") << Fixture("v1-notes-unicode-virtual.ferx") << 4 << false << "150 mm";
        QTest::newRow("hand-out") << Fixture("v1-handout-propped-udl.ferx") << 0 << true << "";
    }
    void VersionOneFilesOpenAsOneRun() {
        QFETCH(QString, file);
        QFETCH(int, rows);
        QFETCH(bool, handout);
        QFETCH(QString, firstValue);
        const TFileRead<TOpenedExperiment> read = TLabSession::ReadExperiment(file);
        QVERIFY2(read.Ok(), qPrintable(read.Problem));
        QCOMPARE(int(read.Value.Rows.size()), rows);
        QCOMPARE(read.Value.Handout, handout);
        TLabSession session;
        session.Load(read.Value.Rows, read.Value.RunNames, 0);
        if (rows == 0) return;
        QCOMPARE(session.Table().Runs(), std::vector<int>{1});
        QCOMPARE(session.Table().Row(0).Varied.Text, firstValue);
        QCOMPARE(session.Table().RunName(1), QStringLiteral("Run 1"));
    }

    void VersionOneDetails() {
        const TOpenedExperiment cantilever =
            TLabSession::ReadExperiment(Fixture("v1-cantilever-gauge-zeroed.ferx")).Value;
        QVERIFY(!cantilever.Setup.Zero[0].Set && cantilever.Setup.Zero[1].Set);
        QCOMPARE(cantilever.Setup.Section.Material, 1); // steel
        QVERIFY(!cantilever.Rows[0].Zeroed() && cantilever.Rows[1].Zeroed());
        QCOMPARE(cantilever.Rows[0].SelectedGauge, 1);
        const TOpenedExperiment notes =
            TLabSession::ReadExperiment(Fixture("v1-notes-unicode-virtual.ferx")).Value;
        QCOMPARE(notes.Rows[2].Note, QStringLiteral("日本語のメモ — Ελληνικά ✓"));
        QCOMPARE(notes.Setup.Section.OtherModulusGPa, 97.5);
        QVERIFY(!notes.Rows[0].MeasuredMm());
    }

    // The case from a real file: gauge 1 reads 1.08 x theory; the row with a second hanger reads what
    // the two loads give. Fitted with it, k drops by about 0.03; the row is kept, marked, and never fitted.
    void UndefinedValueIsRecordedButNeverFitted() {
        const TOpenedExperiment opened =
            TLabSession::ReadExperiment(Fixture("v1-hanger-position-two-hangers.ferx")).Value;
        TLabSession session;
        session.Load(opened.Rows, opened.RunNames, 0);
        const TReadingsTable& t = session.Table();
        QCOMPARE(t.Row(4).Note, QStringLiteral("second hanger on"));
        QVERIFY(t.Row(4).NotFittedReason().contains(QStringLiteral("2 hangers")));
        const TFitResult run = FitRun(t, 1);
        QVERIFY2(run.Ok, qPrintable(run.Message));
        QCOMPARE(run.N, 6);
        QVERIFY2(std::abs(run.K - 1.08) < 0.004, qPrintable(QString::number(run.K)));
        QVERIFY(run.RSquared > 0.999);
        const TFitResult series = FitMeasuredToTheory(t);
        QCOMPARE(series.N, 6);
        QCOMPARE(series.K, run.K);
    }

    // Loading, "New run", unloading: two runs with their own fits; changes that spoil a run start one by
    // themselves, and the status text says why.
    void RunsBeginWhereTheSeriesChanges() {
        TBench b;
        for (int g : {100, 200, 300})
            b.Row(g, -0.01 * g, -0.011 * g);
        QCOMPARE(b.Session.StartNewRun(), 2);
        QCOMPARE(b.Session.StartNewRun(), 2); // asked twice, still one new run
        const int first = b.Row(300, -3.0, -3.3);
        QVERIFY2(b.Session.RecordedText(first).contains(QStringLiteral("Run 2 begins: New run")),
                 qPrintable(b.Session.RecordedText(first)));
        for (int g : {200, 100})
            b.Row(g, -0.01 * g, -0.0115 * g);
        const TReadingsTable& t = b.Session.Table();
        QCOMPARE(t.Runs(), (std::vector<int>{1, 2}));
        // Run 1: m = 1.1 t exactly; run 2: (3.3*3 + 2.3*2 + 1.15*1) / (9 + 4 + 1) = 15.65 / 14.
        QCOMPARE(FitRun(t, 1).K, 1.1);
        QVERIFY(std::abs(FitRun(t, 2).K - 15.65 / 14.0) < 1e-12);
        QCOMPARE(FitRun(t, 1).N, 3);

        struct TChange {
            const char* Why;
            std::function<void(TRowInputs&)> Apply;
        };
        const TChange changes[] = {
            {"another material (Steel after Aluminium)",
             [](TRowInputs& in) { in.Setup.Section.Material = 1; }},
            {"another section (Box section after Flat section)",
             [](TRowInputs& in) { in.Setup.Section.Section = 6; }},
            {"gauge 2 compared after gauge 1", [](TRowInputs& in) { in.SelectedGauge = 1; }},
            {"another property varied", [](TRowInputs& in) { in.Setup.PropertyVaried = 0; }},
        };
        for (const TChange& change : changes) {
            TBench c;
            c.Row(100, -1.0, -1.1);
            change.Apply(c.In);
            const int i = c.Row(200, -2.0, -2.2);
            QCOMPARE(c.Session.Table().Row(i).Run, 2);
            QVERIFY2(c.Session.RecordedText(i).contains(QLatin1String(change.Why)),
                     qPrintable(c.Session.RecordedText(i)));
            QVERIFY(!FitRun(c.Session.Table(), 1).Ok); // one point each: no run mixes the two
        }
        // A zero taken between rows: the zeroed rows are a run of their own.
        TBench z;
        z.Row(100, -1.0, -1.1);
        z.Session.SetZero({TGaugeZero{true, 0.0}, TGaugeZero{}});
        const int i = z.Row(200, -2.0, -2.2);
        QVERIFY2(z.Session.RecordedText(i).contains(QStringLiteral("zeroed after not zeroed")),
                 qPrintable(z.Session.RecordedText(i)));
    }

    // Every measured value exactly 0 (a gauge not touching the beam) is said as such, not as a sign problem.
    void AllZeroMeasuredIsSaid() {
        TBench b;
        b.Row(100, -1.0, 0.0);
        b.Row(200, -2.0, 0.0);
        const TFitResult fit = FitRun(b.Session.Table(), 1);
        QVERIFY(!fit.Ok);
        QVERIFY2(fit.Message.contains(QStringLiteral("all zero")), qPrintable(fit.Message));
    }

    // Through the origin: t = 1, 2, 3; m = 1, 2.2, 2.9. k = (1 + 4.4 + 8.7) / 14 = 14.1 / 14; residuals
    // e = m - k t; s(k) = sqrt(sum e^2 / 2 / 14); R^2 = 1 - sum e^2 / sum m^2 (sum m^2 = 14.25).
    void FitErrorsByHand() {
        TBench b;
        b.Row(100, 1.0, 1.0);
        b.Row(200, 2.0, 2.2);
        b.Row(300, 3.0, 2.9);
        const double k = 14.1 / 14.0;
        const double e1 = 1.0 - k, e2 = 2.2 - 2 * k, e3 = 2.9 - 3 * k;
        const double sse = e1 * e1 + e2 * e2 + e3 * e3;
        const TFitResult fit = FitRun(b.Session.Table(), 1);
        QVERIFY2(std::abs(fit.K - k) < 1e-12, qPrintable(QString::number(fit.K, 'g', 17)));
        QVERIFY(std::abs(fit.KError - std::sqrt(sse / 2.0 / 14.0)) < 1e-12);
        QVERIFY(std::abs(fit.RSquared - (1.0 - sse / 14.25)) < 1e-12);
        QVERIFY(std::abs(fit.ModulusExpErrorGPa - fit.ModulusGPa * fit.KError / (k * k)) < 1e-9);
    }

    // Deleting scattered rows keeps each run's fit what a table holding only the remaining rows gives.
    void DeletingKeepsFitsTrue() {
        TBench b;
        for (int i = 1; i <= 40; ++i) {
            if (i == 21) b.Session.StartNewRun();
            b.Row(10 * i, -0.01 * i, -0.01 * i * (1.0 + 0.003 * (i % 7)));
        }
        b.Session.Table().Remove({3, 0, 39, 17, 3, 25, 26, 100, -1});
        QCOMPARE(b.Session.Table().Count(), 34);
        QCOMPARE(b.Session.Table().Row(0).Number, 2);
        TReadingsTable fresh;
        fresh.Restore(b.Session.Table().Rows(), 0, 0);
        for (int run : {1, 2}) {
            const TFitResult a = FitRun(b.Session.Table(), run), c = FitRun(fresh, run);
            QCOMPARE(a.N, c.N);
            QCOMPARE(a.K, c.K);
        }
        QCOMPARE(FitRun(b.Session.Table(), 1).N, 17); // rows 1, 4 and 18 of its 20 deleted
    }

    // Version 2 keeps the runs and their names; a journal left by a killed window gives them back.
    void RunsSurviveASaveAndACrash() {
        QTemporaryDir folder;
        {
            TBench b;
            b.Session.SetActive(true);
            (void)b.Session.OpenJournal(folder.path(), b.In.Setup);
            b.Session.BeginJournal(b.In.Setup);
            b.Row(100, -1.0, -1.1);
            b.Session.StartNewRun();
            b.Row(100, -1.0, -1.2);
            b.Session.RenameRun(2, QStringLiteral("Unloading"));
            QVERIFY(b.Session.Modified(b.In.Setup));
            const QString path = folder.filePath(QStringLiteral("two-runs.ferx"));
            QCOMPARE(b.Session.Save(path, b.In.Setup), QString());
            QVERIFY(!b.Session.Modified(b.In.Setup));
            const TOpenedExperiment read = TLabSession::ReadExperiment(path).Value;
            QCOMPARE(read.Rows[1].Run, 2);
            QCOMPARE(read.RunNames.at(2), QStringLiteral("Unloading"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QJsonDocument::fromJson(file.readAll()).object().value("version").toInt(), 2);
            // Killed: the journal is left behind (a session that ends normally removes it).
            QFile::copy(folder.filePath(QStringLiteral("experiment-journal.jsonl")),
                        folder.filePath(QStringLiteral("left.jsonl")));
        }
        QFile::rename(folder.filePath(QStringLiteral("left.jsonl")),
                      folder.filePath(QStringLiteral("experiment-journal.jsonl")));
        TLabSession next;
        const TRestoreOffer offer = next.OpenJournal(folder.path(), TExperimentSetup{});
        QVERIFY(offer.Offer);
        QCOMPARE(int(offer.Rows.size()), 2);
        QCOMPARE(offer.Rows[1].Run, 2);
        QCOMPARE(offer.RunNames.at(2), QStringLiteral("Unloading"));
        QVERIFY(offer.FilePath.endsWith(QStringLiteral("two-runs.ferx")));
    }

    // Each run keeps the layout of its last reading (the report draws the run's diagrams from it); the file
    // keeps them, an entry a file cannot rebuild is left out without refusing the file, an older file has
    // none, and a run whose rows are all deleted has none.
    void RunLayoutsKeptAndSaved() {
        QTemporaryDir folder;
        TBench b;
        b.Row(100, -1.0, -1.1);
        b.Row(200, -2.0, -2.2);
        b.Session.StartNewRun();
        b.Row(150, -1.5, -1.6);
        const auto check = [](const std::map<int, TRunSetup>& setups) {
            QCOMPARE(int(setups.size()), 2);
            QCOMPARE(setups.at(1).Reading, 2);
            QCOMPARE(setups.at(1).Setup.Layout.HangerSlots[30].Mass, 200);
            QCOMPARE(setups.at(2).Reading, 3);
            QCOMPARE(setups.at(2).Setup.Layout.HangerSlots[30].Mass, 150);
            QVERIFY(setups.at(2).Setup.Layout.KnifeEdge2);
        };
        check(b.Session.RunSetups());
        const QString path = folder.filePath(QStringLiteral("runs.ferx"));
        QCOMPARE(b.Session.Save(path, b.In.Setup), QString());
        const TOpenedExperiment read = TLabSession::ReadExperiment(path).Value;
        check(read.RunSetups);

        // A hostile entry (a knife-edge past the beam's end, a run that is not a number) is left out.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonArray layouts = root.value(QStringLiteral("runLayouts")).toArray();
        QJsonObject bad = layouts[1].toObject();
        QJsonObject badSetup = bad.value(QStringLiteral("setup")).toObject();
        QJsonObject badLayout = badSetup.value(QStringLiteral("layout")).toObject();
        QVERIFY(badLayout.contains(QStringLiteral("knifeEdges")));
        badLayout.insert(QStringLiteral("knifeEdges"), QJsonArray{100, 990});
        badSetup.insert(QStringLiteral("layout"), badLayout);
        bad.insert(QStringLiteral("setup"), badSetup);
        layouts[1] = bad;
        layouts.append(
            QJsonObject{{QStringLiteral("run"), QStringLiteral("x")}, {QStringLiteral("setup"), badSetup}});
        root.insert(QStringLiteral("runLayouts"), layouts);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();
        const TFileRead<TOpenedExperiment> hostile = TLabSession::ReadExperiment(path);
        QVERIFY2(hostile.Ok(), qPrintable(hostile.Problem));
        QCOMPARE(int(hostile.Value.Rows.size()), 3);
        QCOMPARE(int(hostile.Value.RunSetups.size()), 1);
        QCOMPARE(hostile.Value.RunSetups.at(1).Reading, 2);

        QVERIFY(TLabSession::ReadExperiment(Fixture("v1-simply-supported-load-series.ferx"))
                    .Value.RunSetups.empty());
        b.Session.Table().Remove({2});
        b.Session.TableChanged();
        QCOMPARE(int(b.Session.RunSetups().size()), 1);
    }

    // The details the students typed come back after a crash too, though they were never saved; a saved
    // file keeps them, a hand-out does not.
    void DetailsSurviveACrash() {
        QTemporaryDir folder;
        const TExperimentDetails typed{
            QStringLiteral("Ann, Ben"), QStringLiteral("7"), {}, {}, QStringLiteral("bench 3 wobbles")};
        {
            TBench b;
            b.Session.SetActive(true);
            (void)b.Session.OpenJournal(folder.path(), b.In.Setup);
            b.Session.BeginJournal(b.In.Setup);
            QVERIFY(!b.Session.Modified(b.In.Setup));
            b.Session.SetDetails(typed);
            QVERIFY(b.Session.Modified(b.In.Setup));
            QCOMPARE(b.Session.Save(folder.filePath("handout.ferx"), b.In.Setup, true), QString());
            QVERIFY(TLabSession::ReadExperiment(folder.filePath("handout.ferx")).Value.Details.Empty());
            QFile::copy(folder.filePath(QStringLiteral("experiment-journal.jsonl")),
                        folder.filePath(QStringLiteral("left.jsonl")));
        }
        QFile::rename(folder.filePath(QStringLiteral("left.jsonl")),
                      folder.filePath(QStringLiteral("experiment-journal.jsonl")));
        TLabSession next;
        const TRestoreOffer offer = next.OpenJournal(folder.path(), TExperimentSetup{});
        QVERIFY(offer.Offer);
        QCOMPARE(offer.Details, typed);
        next.Restored(offer);
        QCOMPARE(next.Details(), typed);
        QCOMPARE(next.Save(folder.filePath("mine.ferx"), offer.Setup), QString());
        QCOMPARE(TLabSession::ReadExperiment(folder.filePath("mine.ferx")).Value.Details, typed);
    }
};

QTEST_APPLESS_MAIN(TestLabSession)
#include "tst_lab_session.moc"
