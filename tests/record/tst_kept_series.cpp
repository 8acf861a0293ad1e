// The plot's series as the table keeps it while rows come and go, against the series computed from the
// rows alone (ReadingsSeries): after every step of long random sessions (rows of several properties and
// runs, scattered deletions, new runs, renames, notes, clears, files loaded with their runs out of order)
// the two must agree exactly, point for point, fit for fit, difference for difference. A hand-worked
// loading and unloading session checks the difference table itself.
#include <QtTest>
#include <random>

#include "record/ReadingsSeries.h"

namespace {

// The first way two series differ, or empty.
QString Mismatch(const TReadingsSeries& kept, const TReadingsSeries& fresh) {
    auto points = [](const std::vector<QPointF>& a, const std::vector<QPointF>& b) {
        if (a.size() != b.size()) return QStringLiteral("%1 points, not %2").arg(a.size()).arg(b.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].x() != b[i].x() || a[i].y() != b[i].y())
                return QStringLiteral("point %1 is (%2, %3), not (%4, %5)")
                    .arg(i)
                    .arg(a[i].x(), 0, 'g', 17)
                    .arg(a[i].y(), 0, 'g', 17)
                    .arg(b[i].x(), 0, 'g', 17)
                    .arg(b[i].y(), 0, 'g', 17);
        return QString();
    };
    if (kept.XTitle != fresh.XTitle || kept.YTitle != fresh.YTitle || kept.ByNumber != fresh.ByNumber)
        return QStringLiteral("axes \"%1\" / \"%2\" by number %3, not \"%4\" / \"%5\" %6")
            .arg(kept.XTitle, kept.YTitle)
            .arg(kept.ByNumber)
            .arg(fresh.XTitle, fresh.YTitle)
            .arg(fresh.ByNumber);
    if (kept.Runs.size() != fresh.Runs.size())
        return QStringLiteral("%1 runs, not %2").arg(kept.Runs.size()).arg(fresh.Runs.size());
    for (std::size_t i = 0; i < kept.Runs.size(); ++i) {
        const TRunSeries &k = kept.Runs[i], &f = fresh.Runs[i];
        const QString run = QStringLiteral("run %1: ").arg(f.Run);
        if (k.Run != f.Run || k.Name != f.Name || k.Style != f.Style)
            return run + QStringLiteral("run %1 \"%2\" style %3, not \"%4\" style %5")
                             .arg(k.Run)
                             .arg(k.Name)
                             .arg(k.Style)
                             .arg(f.Name)
                             .arg(f.Style);
        if (const QString p = points(k.Theory, f.Theory); !p.isEmpty())
            return run + QStringLiteral("theory ") + p;
        if (const QString p = points(k.Measured, f.Measured); !p.isEmpty())
            return run + QStringLiteral("measured ") + p;
        const TFitResult &a = k.Fit, &b = f.Fit;
        if (a.Ok != b.Ok || a.Message != b.Message || a.N != b.N || a.K != b.K || a.KError != b.KError ||
            a.RSquared != b.RSquared || a.ModulusGPa != b.ModulusGPa || a.ModulusExpGPa != b.ModulusExpGPa ||
            a.ModulusExpErrorGPa != b.ModulusExpErrorGPa || a.DifferencePercent != b.DifferencePercent ||
            a.HasFlexuralStiffness != b.HasFlexuralStiffness ||
            a.FlexuralStiffnessNm2 != b.FlexuralStiffnessNm2)
            return run + QStringLiteral("fit \"%1\" k %2 n %3, not \"%4\" k %5 n %6")
                             .arg(RunFitText(a))
                             .arg(a.K, 0, 'g', 17)
                             .arg(a.N)
                             .arg(RunFitText(b))
                             .arg(b.K, 0, 'g', 17)
                             .arg(b.N);
    }
    if (kept.Differences.size() != fresh.Differences.size())
        return QStringLiteral("%1 difference tables, not %2")
            .arg(kept.Differences.size())
            .arg(fresh.Differences.size());
    for (std::size_t i = 0; i < kept.Differences.size(); ++i) {
        const TRunComparison &k = kept.Differences[i], &f = fresh.Differences[i];
        const QString pair = QStringLiteral("differences %1-%2: ").arg(f.FirstRun).arg(f.SecondRun);
        if (k.FirstRun != f.FirstRun || k.SecondRun != f.SecondRun || k.FirstName != f.FirstName ||
            k.SecondName != f.SecondName)
            return pair + QStringLiteral("runs %1 \"%2\" - %3 \"%4\", not \"%5\" - \"%6\"")
                              .arg(k.FirstRun)
                              .arg(k.FirstName)
                              .arg(k.SecondRun)
                              .arg(k.SecondName, f.FirstName, f.SecondName);
        if (k.Rows.size() != f.Rows.size())
            return pair + QStringLiteral("%1 rows, not %2").arg(k.Rows.size()).arg(f.Rows.size());
        for (std::size_t j = 0; j < k.Rows.size(); ++j) {
            const TRunDifference &a = k.Rows[j], &b = f.Rows[j];
            if (a.X != b.X || a.First != b.First || a.Second != b.Second || a.Difference != b.Difference)
                return pair + QStringLiteral("row %1: %2: %3 / %4, not %5: %6 / %7")
                                  .arg(j)
                                  .arg(a.X, 0, 'g', 17)
                                  .arg(a.First, 0, 'g', 17)
                                  .arg(a.Second, 0, 'g', 17)
                                  .arg(b.X, 0, 'g', 17)
                                  .arg(b.First, 0, 'g', 17)
                                  .arg(b.Second, 0, 'g', 17);
        }
    }
    return QString();
}

TStiffnessChoice Aluminium() {
    return {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
}

// A hanger load step of `grams` on aluminium, gauge 1 measuring `measured` (none: the gauge in error).
TReading LoadStep(int grams, std::optional<double> measured) {
    TReading r;
    r.Property = TVariedProperty::HangerLoad;
    r.Varied.Numeric = true;
    r.Varied.Value = grams * 0.00980665;
    r.Varied.Quantity = QStringLiteral("Hanger load");
    r.Varied.Unit = QStringLiteral("N");
    r.Varied.Text = QStringLiteral("%1 g").arg(grams);
    r.TheoryMm = -0.01 * grams;
    r.Stiffness = Aluminium();
    if (measured) {
        r.Gauges[0].Valid = true;
        r.Gauges[0].Mean = *measured;
        r.Gauges[0].Count = 25;
    }
    return r;
}

// Random rows like a long lab session's: stretches of one property (mostly hanger loads on a few shared
// values; gauge positions; sections and layouts, which are not numbers), rows the layout does not define,
// gauges in error, zero theory, now and then another material, gauge or zero state (each starts a run),
// and an axis title that differs (a row from an older file).
class TSession {
public:
    explicit TSession(unsigned seed) : Random(seed) {}

    TReading Row() {
        if (Pick(16) == 0) Kind = Pick(10);
        TReading r = LoadStep(100 * (1 + Pick(5)), std::nullopt);
        if (Kind == 6 || Kind == 7) {
            r.Property = TVariedProperty::GaugePosition;
            r.Varied.Value = 100.0 * (1 + Pick(4));
            r.Varied.Quantity = QStringLiteral("Gauge position");
            r.Varied.Unit = QStringLiteral("mm");
        } else if (Kind == 8) {
            r.Property = TVariedProperty::Section;
            r.Varied.Numeric = false;
            r.Varied.Value = 0.0;
            r.Varied.Quantity = QStringLiteral("Section");
            r.Varied.Unit.clear();
        } else if (Kind == 9) {
            r.Property = TVariedProperty::Arbitrary;
            r.Varied.Numeric = false;
            r.Varied.Value = 0.0;
            r.Varied.Quantity = QStringLiteral("Layout");
            r.Varied.Unit.clear();
        } else if (Pick(30) == 0) {
            r.Varied.Quantity = QStringLiteral("Load");
        }
        if (Pick(12) == 0) {
            r.Varied = {};
            r.Varied.Undefined = true;
            r.Varied.Text = QStringLiteral("undefined: two hangers on the beam");
        }
        if (Pick(10) == 0) r.TheoryMm = 0.0;
        if (Pick(40) == 0)
            r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Steel"), 207.0, 5.1e-11};
        if (Pick(40) == 0) r.SelectedGauge = 1;
        if (Pick(60) == 0) r.Gauges[0].Zero.Set = true;
        auto& gauge = r.Gauges[std::size_t(r.SelectedGauge)];
        if (Pick(6) != 0) {
            gauge.Valid = true;
            // Whole hundredths now and then, so that values measured twice repeat exactly too.
            gauge.Mean = Pick(3) == 0 ? -0.01 * (1 + Pick(40)) : r.TheoryMm * (1.0 + 0.1 * Unit());
            gauge.Count = 25;
        }
        return r;
    }

    // Indices to delete: one row, the first, the newest, every k-th, or a few anywhere (duplicates and rows
    // past the end included, which the table ignores).
    std::vector<int> Deletion(int count) {
        std::vector<int> rows;
        switch (Pick(5)) {
        case 0:
            rows = {Pick(count)};
            break;
        case 1:
            rows = {0};
            break;
        case 2:
            rows = {count - 1};
            break;
        case 3:
            for (int i = Pick(10); i < count; i += 10)
                rows.push_back(i);
            break;
        default:
            for (int n = 1 + Pick(4); n > 0; --n)
                rows.push_back(Pick(count + 2));
            rows.push_back(rows.front());
        }
        return rows;
    }

    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(Random); }
    double Unit() { return std::uniform_real_distribution<double>(-1.0, 1.0)(Random); }

private:
    std::mt19937 Random;
    int Kind = 0; // 0-5 hanger loads, 6-7 gauge positions, 8 sections, 9 layouts
};

} // namespace

class TestKeptSeries : public QObject {
    Q_OBJECT
private slots:
    void KeptSeriesMatchesTheRowsAfterEveryStep_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2") << 2u;
        QTest::newRow("seed 2026") << 2026u;
        QTest::newRow("seed 77") << 77u;
    }
    void KeptSeriesMatchesTheRowsAfterEveryStep() {
        QFETCH(unsigned, seed);
        TSession session(seed);
        TReadingsTable table;
        qint64 now = 0;
        // What the session went through, so that a generator change cannot leave the cases untried.
        int mostRows = 0, mostRuns = 0, differences = 0, byNumber = 0;
        auto check = [&](const QString& step) {
            const TReadingsSeries& kept = table.Series();
            const QString why = Mismatch(kept, ReadingsSeries(table));
            if (!why.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("after %1 (%2 rows): %3").arg(step).arg(table.Count()).arg(why)));
            mostRows = std::max(mostRows, table.Count());
            mostRuns = std::max(mostRuns, int(kept.Runs.size()));
            differences += kept.Differences.empty() ? 0 : 1;
            byNumber += kept.ByNumber ? 1 : 0;
        };
        check(QStringLiteral("nothing"));
        for (int step = 0; step < 700; ++step) {
            const int action = session.Pick(100);
            if (action < 55 || table.Count() < 3) {
                table.Add(session.Row(), now += 1500);
                check(QStringLiteral("step %1, a row").arg(step));
            } else if (action < 67) {
                const std::vector<int> rows = session.Deletion(table.Count());
                table.Remove(rows);
                check(QStringLiteral("step %1, deleting %2 rows").arg(step).arg(rows.size()));
            } else if (action < 75) {
                table.StartNewRun();
                table.Add(session.Row(), now += 1500);
                check(QStringLiteral("step %1, a new run").arg(step));
            } else if (action < 83) {
                const std::vector<int> runs = table.Runs();
                const int run = runs[std::size_t(session.Pick(int(runs.size())))];
                const QString name =
                    session.Pick(4) == 0 ? QString() : QStringLiteral("Try %1").arg(session.Pick(1000));
                table.RenameRun(run, name);
                check(QStringLiteral("step %1, renaming run %2 \"%3\"").arg(step).arg(run).arg(name));
            } else if (action < 88) {
                table.SetNote(session.Pick(table.Count()), QStringLiteral("hanger swinging"));
                check(QStringLiteral("step %1, a note").arg(step));
            } else if (action < 89) {
                table.Clear();
                check(QStringLiteral("step %1, clear").arg(step));
            } else if (action < 96) {
                // A file read back: its rows as they were, or with their runs shuffled (a hand-edited or
                // merged file), and its runs' names.
                std::vector<TReading> rows = table.Rows();
                const bool shuffled = session.Pick(2) == 0;
                if (shuffled)
                    for (TReading& r : rows)
                        r.Run = 1 + session.Pick(5);
                std::map<int, QString> names;
                names[1 + session.Pick(3)] = QStringLiteral("Loading");
                table.Restore(rows, 0, 0, names);
                check(QStringLiteral("step %1, a file loaded%2")
                          .arg(step)
                          .arg(shuffled ? " (runs shuffled)" : ""));
            } else {
                // A copy carries on by itself (the kept rows are indices, not pointers).
                const TReadingsTable copy = table;
                table = copy;
                table.Add(session.Row(), now += 1500);
                check(QStringLiteral("step %1, a copy and a row").arg(step));
            }
        }
        const QString seen =
            QStringLiteral("at most %1 rows and %2 runs; %3 steps with differences, %4 by number")
                .arg(mostRows)
                .arg(mostRuns)
                .arg(differences)
                .arg(byNumber);
        QVERIFY2(mostRows >= 60 && mostRuns >= 4 && differences >= 50 && byNumber >= 5, qPrintable(seen));
        qInfo("%s", qPrintable(seen));
    }

    // Loading 100, 200, 300 g, then unloading 300, 200, 100 g in a run of its own; the unloading run's points
    // run by load, and the differences are worked by hand. Deleting the loading's 200 g row takes its value
    // out of the difference table; renaming the unloading run renames it there too.
    void LoadingAndUnloadingDifferences() {
        TReadingsTable table;
        table.Add(LoadStep(100, -1.06), 0);
        table.Add(LoadStep(200, -2.12), 1000);
        table.Add(LoadStep(300, -3.18), 2000);
        table.StartNewRun();
        table.Add(LoadStep(300, -3.20), 3000);
        table.Add(LoadStep(200, -2.20), 4000);
        table.Add(LoadStep(200, -2.24), 5000); // 200 g read twice: its mean, -2.22, counts
        table.Add(LoadStep(100, -1.10), 6000);
        const TReadingsSeries& s = table.Series();
        QCOMPARE(int(s.Runs.size()), 2);
        const std::vector<QPointF>& unloading = s.Runs[1].Measured;
        QCOMPARE(int(unloading.size()), 4);
        for (std::size_t i = 1; i < unloading.size(); ++i)
            QVERIFY(unloading[i - 1].x() <= unloading[i].x());
        QCOMPARE(unloading.front().y(), -1.10);
        QCOMPARE(unloading[1].y(), -2.20); // equal loads in the order recorded
        QCOMPARE(unloading[2].y(), -2.24);
        QCOMPARE(int(s.Differences.size()), 1);
        // Second minus first at 0.98, 1.96, 2.94 N: -1.10 + 1.06 = -0.04; -2.22 + 2.12 = -0.10; -3.20 + 3.18.
        const std::vector<TRunDifference>& rows = s.Differences[0].Rows;
        QCOMPARE(int(rows.size()), 3);
        const double expected[][3] = {{100, -1.06, -0.04}, {200, -2.12, -0.10}, {300, -3.18, -0.02}};
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(qAbs(rows[i].X - expected[i][0] * 0.00980665) < 1e-12, qPrintable(QString::number(i)));
            QVERIFY2(qAbs(rows[i].First - expected[i][1]) < 1e-12,
                     qPrintable(QString::number(rows[i].First)));
            QVERIFY2(qAbs(rows[i].Difference - expected[i][2]) < 1e-12,
                     qPrintable(QString::number(rows[i].Difference)));
        }
        table.Remove({1});
        QCOMPARE(int(s.Differences[0].Rows.size()), 2);
        QCOMPARE(s.Differences[0].Rows[1].First, -3.18);
        table.RenameRun(2, QStringLiteral("Unloading"));
        QCOMPARE(s.Differences[0].SecondName, QString("Unloading"));
        QCOMPARE(s.Runs[1].Name, QString("Unloading"));
        QCOMPARE(Mismatch(s, ReadingsSeries(table)), QString());
    }
};

QTEST_APPLESS_MAIN(TestKeptSeries)
#include "tst_kept_series.moc"
