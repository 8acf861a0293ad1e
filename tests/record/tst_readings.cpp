// The lab record core: gauge statistics and zeroing, the varied property's value from a layout, the table of
// readings and the fit of measured against theory, each against values worked by hand in the comments.
#include <QtTest>
#include <cmath>

#include "record/ReadingsFit.h"

Q_DECLARE_METATYPE(TBeamLayout)
Q_DECLARE_METATYPE(TVariedProperty)

namespace {

bool Near(double a, double b, double tol = 1e-9) {
    return std::abs(a - b) <= tol * std::max(1.0, std::abs(b));
}
#define COMPARE_NEAR(actual, expected, tol)                                                                  \
    QVERIFY2(Near((actual), (expected), (tol)),                                                              \
             qPrintable(QStringLiteral("%1 vs %2").arg((actual), 0, 'g', 12).arg((expected), 0, 'g', 12)))

TBeamLayout SimplySupported(int s1, int s2) {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = s1;
    l.KnifeEdge2Station = s2;
    l.UpdateKnifeEdgeOrder();
    return l;
}

TBeamLayout WithHangers(TBeamLayout l, std::initializer_list<std::pair<int, int>> stationGrams) {
    for (auto [s, g] : stationGrams)
        l.HangerSlots[s].Mass = g;
    return l;
}

TStiffnessChoice Aluminium() {
    return {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
}

// A reading whose selected gauge measured m against theory t (both mm).
TReading Point(double t, std::optional<double> m, TVariedProperty p = TVariedProperty::HangerLoad,
               TStiffnessChoice stiffness = Aluminium()) {
    TReading r;
    r.Property = p;
    r.Varied.Numeric = true;
    r.TheoryMm = t;
    r.Stiffness = stiffness;
    if (m) {
        r.Gauges[0].Valid = true;
        r.Gauges[0].Mean = *m;
        r.Gauges[0].Count = 5;
    }
    return r;
}

} // namespace

class TestReadings : public QObject {
    Q_OBJECT
private slots:
    void GaugeMillimetresConvertsAndRejects_data() {
        QTest::addColumn<double>("raw");
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("mm");
        QTest::newRow("mm as is") << -1.23 << true << true << -1.23;
        QTest::newRow("inches x 25.4") << -1.23 << false << true << -31.242;
        QTest::newRow("exactly 100 mm kept") << 100.0 << true << true << 100.0;
        QTest::newRow("100.01 mm is out") << 100.01 << true << false << 0.0;
        QTest::newRow("4 in = 101.6 mm is out") << 4.0 << false << false << 0.0;
        QTest::newRow("gauge in error") << -9999999.0 << true << false << 0.0;
    }
    void GaugeMillimetresConvertsAndRejects() {
        QFETCH(double, raw);
        QFETCH(bool, millimetres);
        QFETCH(bool, valid);
        QFETCH(double, mm);
        const auto v = GaugeMillimetres(raw, millimetres);
        QCOMPARE(v.has_value(), valid);
        if (valid) COMPARE_NEAR(*v, mm, 1e-12);
    }

    // Samples every 250 ms; the window is the second up to now, its start excluded.
    // Gauge 1: 5, 1, 2, 3, 4, 5 at 0..1250 ms. At 1250 the window holds 2, 3, 4, 5:
    //   mean 3.5, n 4, s = sqrt((1.5^2 + 0.5^2 + 0.5^2 + 1.5^2) / 3) = sqrt(5/3) = 1.2909944.
    // Gauge 2: good (0.5) except an error at 750: the error is not the newest, so 3 good samples remain.
    void StatisticsOverTheLastSecond() {
        TGaugeHistory h;
        const double g1[] = {5, 1, 2, 3, 4, 5};
        for (int i = 0; i < 6; ++i) {
            TGaugeValues v{g1[i], 0.5};
            if (i == 3) v[1].reset();
            h.Add(i * 250, v);
        }
        const TGaugeStatistics s1 = h.Statistics(0, 1250);
        QVERIFY(s1.Valid);
        QCOMPARE(s1.Count, 4);
        COMPARE_NEAR(s1.Mean, 3.5, 1e-12);
        COMPARE_NEAR(s1.StdDev, std::sqrt(5.0 / 3.0), 1e-12);
        const TGaugeStatistics s2 = h.Statistics(1, 1250);
        QVERIFY(s2.Valid);
        QCOMPARE(s2.Count, 3);
        COMPARE_NEAR(s2.StdDev, 0.0, 1e-12);
        // One sample alone: s = 0, not a division by zero.
        TGaugeHistory one;
        one.Add(10, {2.0, 2.0});
        QCOMPARE(one.Statistics(0, 500).Count, 1);
        QCOMPARE(one.Statistics(0, 500).StdDev, 0.0);
        // Nothing in the last second (the unit went quiet): no statistics.
        QVERIFY(!one.Statistics(0, 1010).Valid);
    }

    // A gauge whose newest reading is in error keeps no zero; the other is zeroed; the zero then comes off
    // every later reading and the row carries it.
    void ZeroAppliedToAKnownSeries() {
        TGaugeHistory h;
        h.Add(0, {1.0, 7.0});
        h.Add(200, {1.2, 7.0});
        h.Add(400, {1.4, std::nullopt});
        const TZero zero = h.ZeroNow(400);
        QVERIFY(zero[0].Set);
        COMPARE_NEAR(zero[0].Value, 1.2, 1e-12); // (1.0 + 1.2 + 1.4) / 3
        QVERIFY(!zero[1].Set);

        // Later: the load step moved gauge 1 to -2.8 and gauge 2 recovered at 9.0.
        for (int t = 2000; t <= 2800; t += 200)
            h.Add(t, {-2.8, 9.0});
        const auto gauges = GaugeReadings(h, 2800, zero, true);
        QVERIFY(gauges[0].Valid);
        COMPARE_NEAR(gauges[0].Mean, -4.0, 1e-12); // -2.8 - 1.2
        QCOMPARE(gauges[0].Count, 5);
        QVERIFY(gauges[0].Zero.Set);
        COMPARE_NEAR(gauges[0].Zero.Value, 1.2, 1e-12);
        COMPARE_NEAR(gauges[1].Mean, 9.0, 1e-12); // no zero: raw
        QVERIFY(!gauges[1].Zero.Set);

        // Virtual mode: both measured columns blank, whatever the history holds.
        const auto blank = GaugeReadings(h, 2800, zero, false);
        QVERIFY(!blank[0].Valid && !blank[1].Valid);
    }

    void HistoryStaysBounded() {
        TGaugeHistory h;
        for (int t = 0; t < 100000; t += 1)
            h.Add(t, {0.0, 0.0});
        QVERIFY(h.Size() <= TGaugeHistory::MaxSamples);
        // Samples older than the kept span go even at a slow rate.
        TGaugeHistory slow;
        for (int t = 0; t <= 10000; t += 500)
            slow.Add(t, {0.0, 0.0});
        QCOMPARE(slow.Size(), std::size_t(4)); // 8500, 9000, 9500, 10000 (8000 is exactly 2 s old)
    }

    void VariedValueFromLayout_data() {
        QTest::addColumn<TVariedProperty>("property");
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("text");

        const TBeamLayout span400 = SimplySupported(50, 10); // knife-edges listed right to left
        const TBeamLayout twoHangers = WithHangers(span400, {{20, 300}, {40, 150}});
        const TBeamLayout oneHanger = WithHangers(span400, {{25, 200}});
        TBeamLayout cantilever;
        cantilever.LeftClamp = true;
        cantilever.PlaceUDL(12);
        cantilever.UDLEndStation = 35; // shortened on the cantilever
        TBeamLayout propped = cantilever;
        propped.KnifeEdge2 = true;
        propped.KnifeEdge2Station = 45;
        TBeamLayout fixed;
        fixed.LeftClamp = fixed.RightClamp = true;
        TBeamLayout gauge = span400;
        gauge.GaugeStation = 17;
        const TBeamLayout circular = WithHangers(span400, {{0, 200}, {60, 200}});
        const TBeamLayout unequal = WithHangers(span400, {{0, 200}, {60, 100}});

        using P = TVariedProperty;
        // 450 g x 0.00980665 N/g = 4.4129925 N
        QTest::newRow("hanger load: total g and N") << P::HangerLoad << twoHangers << true << 4.4129925 << "N"
                                                    << "450 g (4.41 N)";
        QTest::newRow("hanger load: none hung") << P::HangerLoad << span400 << true << 0.0 << "N"
                                                << "0 g (0.00 N)";
        QTest::newRow("hanger position: the one hanger")
            << P::HangerPosition << oneHanger << true << 250.0 << "mm"
            << "250 mm";
        QTest::newRow("hanger position: several") << P::HangerPosition << twoHangers << false << 0.0 << ""
                                                  << "2 hangers on the beam: no single hanger position";
        QTest::newRow("hanger position: none") << P::HangerPosition << span400 << false << 0.0 << ""
                                               << "No hanger on the beam";
        QTest::newRow("span: two knife-edges") << P::BeamSpan << span400 << true << 400.0 << "mm"
                                               << "400 mm";
        QTest::newRow("span: cantilever, whole beam") << P::BeamSpan << cantilever << true << 600.0 << "mm"
                                                      << "600 mm";
        QTest::newRow("span: clamp to prop") << P::BeamSpan << propped << true << 450.0 << "mm"
                                             << "450 mm";
        QTest::newRow("span: fixed both ends") << P::BeamSpan << fixed << true << 600.0 << "mm"
                                               << "600 mm";
        QTest::newRow("span: unsupported") << P::BeamSpan << TBeamLayout{} << false << 0.0 << ""
                                           << "The beam is not supported";
        QTest::newRow("UDL value") << P::UDLValue << cantilever << true << 12.0 << "N/m"
                                   << "12 N/m";
        QTest::newRow("UDL value: no UDL") << P::UDLValue << span400 << false << 0.0 << ""
                                           << "No UDL on the beam";
        QTest::newRow("UDL length: shortened") << P::UDLLength << cantilever << true << 350.0 << "mm"
                                               << "350 mm";
        QTest::newRow("gauge position") << P::GaugePosition << gauge << true << 170.0 << "mm"
                                        << "170 mm";
        QTest::newRow("section") << P::Section << span400 << false << 0.0 << ""
                                 << "Flat section";
        QTest::newRow("material") << P::Material << span400 << true << 69.0 << "GPa"
                                  << "Aluminium, 69 GPa";
        // 200 g x 0.00980665 = 1.96133 N on each of the two hangers
        QTest::newRow("circular bending: equal hangers")
            << P::CircularBending << circular << true << 1.96133 << "N"
            << "2 x 200 g (1.96 N each)";
        QTest::newRow("circular bending: unequal") << P::CircularBending << unequal << false << 0.0 << ""
                                                   << "The hangers carry different loads";
        QTest::newRow("arbitrary: the layout in short")
            << P::Arbitrary << WithHangers(cantilever, {{30, 100}}) << false << 0.0 << ""
            << "Cantilever, span 600 mm; 100 g at 300 mm; UDL 12 N/m over 350 mm; gauge at 300 mm";
    }
    void VariedValueFromLayout() {
        QFETCH(TVariedProperty, property);
        QFETCH(TBeamLayout, layout);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        QFETCH(QString, unit);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale::c());
        const TVariedValue v = VariedValue(property, layout, Aluminium());
        QCOMPARE(v.Text, text);
        QCOMPARE(v.Numeric, numeric);
        QCOMPARE(v.Unit, unit);
        if (numeric) COMPARE_NEAR(v.Value, value, 1e-9);
    }

    void ItemsAndIndices() {
        QCOMPARE(VariedPropertyFromIndex(-1), TVariedProperty::Arbitrary);
        QCOMPARE(VariedPropertyFromIndex(1), TVariedProperty::HangerLoad);
        QCOMPARE(VariedPropertyName(TVariedProperty::CircularBending),
                 QStringLiteral("Circular Bending, variable load"));
    }

    // Difference m - t and 100 (m - t) / t: m = -1.10, t = -1.00 gives -0.10 mm and +10 %.
    void DifferenceAgainstTheory() {
        TReading r = Point(-1.0, -1.1);
        COMPARE_NEAR(*r.DifferenceMm(), -0.1, 1e-12);
        COMPARE_NEAR(*r.DifferencePercent(), 10.0, 1e-12);
        r.SelectedGauge = 1; // gauge 2 is blank: no difference
        QVERIFY(!r.DifferenceMm() && !r.DifferencePercent());
        const TReading zeroTheory = Point(0.0, 0.05);
        COMPARE_NEAR(*zeroTheory.DifferenceMm(), 0.05, 1e-12);
        QVERIFY(!zeroTheory.DifferencePercent());
    }

    void TableNumbersTimesAndRemoves() {
        TReadingsTable t;
        t.Add(Point(-1, -1), 5000);
        t.Add(Point(-2, -2), 7500);
        t.Add(Point(-3, -3), 12250);
        QCOMPARE(t.Row(2).Number, 3);
        COMPARE_NEAR(t.Row(2).ElapsedS, 7.25, 1e-12);
        t.Remove({1, 1, 7});
        QCOMPARE(t.Count(), 2);
        QCOMPARE(t.Row(1).Number, 3); // numbers are not reused
        t.Add(Point(-4, -4), 13000);
        QCOMPARE(t.Row(2).Number, 4);
        COMPARE_NEAR(t.Row(2).ElapsedS, 8.0, 1e-12);
        t.SetNote(0, QStringLiteral("first step"));
        QCOMPARE(t.Row(0).Note, QStringLiteral("first step"));
        t.Clear();
        t.Add(Point(-1, -1), 20000);
        QCOMPARE(t.Row(0).Number, 1);
        QCOMPARE(t.Row(0).ElapsedS, 0.0);
    }

    // m = 1.1 t exactly: k = 1.1, E_exp = 69 / 1.1 = 62.727273 GPa, -9.0909 %, EI = 62.727273e9 x 5.1e-11 =
    // 3.1990909 N m^2.
    void FitWithKnownSlope() {
        TReadingsTable t;
        for (double th : {-1.0, -2.0, -3.0})
            t.Add(Point(th, 1.1 * th), 0);
        t.Add(Point(-4.0, std::nullopt), 0); // no measured value: not a point
        t.Add(Point(0.0, 0.2), 0);           // zero theory: not a point
        const TFitResult fit = FitMeasuredToTheory(t);
        QVERIFY2(fit.Ok, qPrintable(fit.Message));
        QCOMPARE(fit.N, 3);
        COMPARE_NEAR(fit.K, 1.1, 1e-12);
        COMPARE_NEAR(fit.ModulusExpGPa, 62.727272727, 1e-9);
        COMPARE_NEAR(fit.DifferencePercent, -9.0909090909, 1e-9);
        QVERIFY(fit.HasFlexuralStiffness);
        COMPARE_NEAR(fit.FlexuralStiffnessNm2, 3.19909090909, 1e-9);
    }

    // Scattered points: t = 1, 2; m = 1, 3: k = (1 + 6) / (1 + 4) = 1.4; E = 200 -> 142.857 GPa, -28.571 %.
    // Not a hanger-load series: no flexural stiffness.
    void FitScatteredPoints() {
        TReadingsTable t;
        const TStiffnessChoice steel{QStringLiteral("Flat section"), QStringLiteral("Steel"), 200.0, 5.1e-11};
        t.Add(Point(1.0, 1.0, TVariedProperty::GaugePosition, steel), 0);
        t.Add(Point(2.0, 3.0, TVariedProperty::GaugePosition, steel), 0);
        const TFitResult fit = FitMeasuredToTheory(t);
        QVERIFY(fit.Ok);
        COMPARE_NEAR(fit.K, 1.4, 1e-12);
        COMPARE_NEAR(fit.ModulusExpGPa, 142.857142857, 1e-9);
        COMPARE_NEAR(fit.DifferencePercent, -28.5714285714, 1e-9);
        QVERIFY(!fit.HasFlexuralStiffness);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FitResultText(fit),
                 QStringLiteral("E_exp = 142.9 GPa (material 200 GPa, -28.6 %), k = 1.400, n = 2"));
    }

    void FitRefusesWithAReason_data() {
        QTest::addColumn<QString>("why");
        QTest::addColumn<int>("fixture");
        QTest::newRow("empty") << "No readings yet" << 0;
        QTest::newRow("one usable point") << "at least two readings" << 1;
        QTest::newRow("virtual mode, all blank") << "(0 so far)" << 2;
        QTest::newRow("material changed") << "section or material changed" << 3;
        QTest::newRow("section is not a number") << "not a number" << 4;
        QTest::newRow("opposite signs") << "opposite signs" << 5;
    }
    void FitRefusesWithAReason() {
        QFETCH(QString, why);
        QFETCH(int, fixture);
        TReadingsTable t;
        const TStiffnessChoice steel{QStringLiteral("Flat section"), QStringLiteral("Steel"), 207.0, 5.1e-11};
        switch (fixture) {
        case 1:
            t.Add(Point(-1, -1), 0);
            t.Add(Point(-2, std::nullopt), 0);
            break;
        case 2:
            t.Add(Point(-1, std::nullopt), 0);
            t.Add(Point(-2, std::nullopt), 0);
            break;
        case 3:
            t.Add(Point(-1, -1), 0);
            t.Add(Point(-2, -2, TVariedProperty::HangerLoad, steel), 0);
            break;
        case 4: {
            TReading a = Point(-1, -1, TVariedProperty::Section), b = Point(-2, -2, TVariedProperty::Section);
            a.Varied.Numeric = b.Varied.Numeric = false;
            t.Add(a, 0);
            t.Add(b, 0);
            break;
        }
        case 5:
            t.Add(Point(-1, 1), 0);
            t.Add(Point(-2, 2), 0);
            break;
        default:
            break;
        }
        const TFitResult fit = FitMeasuredToTheory(t);
        QVERIFY(!fit.Ok);
        QVERIFY2(fit.Message.contains(why), qPrintable(fit.Message));
        QCOMPARE(FitResultText(fit), fit.Message);
    }

    // Only the newest row's property makes the series: an earlier series' rows are not fitted with it.
    void FitUsesTheCurrentSeriesOnly() {
        TReadingsTable t;
        t.Add(Point(-1, -5, TVariedProperty::UDLValue), 0);
        t.Add(Point(-1, -1.2), 0);
        t.Add(Point(-2, -2.4), 0);
        const TFitResult fit = FitMeasuredToTheory(t);
        QCOMPARE(fit.N, 2);
        COMPARE_NEAR(fit.K, 1.2, 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestReadings)
#include "tst_readings.moc"
