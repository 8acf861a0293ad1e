// The four formula sets against the worked examples and against textbook results they must agree with.
// Start-up stiffness: E = 69000003584 Pa (6.9e10 as a float), the flat bar 19.05 x 3.18 mm,
// I = 19.05 x 3.18^3 / 12 mm^4 = 5.105e-11 m^4, so EI = 3.5224 N m^2.
#include <QtTest>
#include <cmath>

#include "theory/BeamTheory.h"
#include "theory/Formulas.h"

namespace {

const float E = 6.9e10f;
const float I = static_cast<float>(19.05 * 3.18 * 3.18 * 3.18 / 12.0 * 1e-12);
const double EI = double(E) * double(I);
const double G = 0.00980665; // N per gram

TStationLoads Loads(std::initializer_list<std::pair<int, int>> stationGrams) {
    TStationLoads loads{};
    for (auto [s, g] : stationGrams)
        loads[s] = g;
    return loads;
}

TDeflectionCurve Cantilever(const TStationLoads& loads, float w = 0.0f, int b = 60) {
    TDeflectionCurve c{};
    const float theta = w > 0 ? CantileverUDLEndSlope(b, E, I, w) : 0.0f;
    const float yb = w > 0 ? CantileverUDLEndDeflection(b, E, I, w) : 0.0f;
    for (int i = 0; i < StationCount; ++i)
        c[i] = CantileverDeflectionAt(i, b, StationCount, loads, w, E, I, yb, theta);
    return c;
}

// Relative comparison with the values in the failure message.
#define QCOMPARE_REL(actual, expected, rel)                                                                  \
    do {                                                                                                     \
        const double a_ = (actual), e_ = (expected);                                                         \
        QVERIFY2(                                                                                            \
            std::fabs(a_ - e_) <= (rel)*std::fabs(e_),                                                       \
            qPrintable(QStringLiteral("actual %1, expected %2").arg(a_, 0, 'g', 9).arg(e_, 0, 'g', 9)));     \
    } while (0)

// Absolute comparison in millimetres to half a unit of the last shown digit.
#define QCOMPARE_MM(actualMetres, expectedMm)                                                                \
    do {                                                                                                     \
        const double a_ = (actualMetres)*1000.0, e_ = (expectedMm);                                          \
        QVERIFY2(std::fabs(a_ - e_) <= 0.005,                                                                \
                 qPrintable(                                                                                 \
                     QStringLiteral("actual %1 mm, expected %2 mm").arg(a_, 0, 'f', 5).arg(e_, 0, 'f', 3))); \
    } while (0)

} // namespace

class TestFormulas : public QObject {
    Q_OBJECT
private slots:
    // The worked examples, to the digits they are quoted with.
    void CantileverWorkedExample() {
        const TDeflectionCurve c = Cantilever(Loads({{60, 100}}));
        QCOMPARE_REL(c[60], 0.02005, 0.0003);
        QCOMPARE_REL(c[30], 0.00626, 0.001);
        QCOMPARE(c[0], 0.0f);
    }
    void TwoKnifeEdgesWorkedExample() {
        const TCurveResult r = SimplySupportedCurve(61, 0, 10, 50, Loads({{30, 500}}), 0, E, I);
        QCOMPARE_MM(r.Curve[30], -1.86);
        QCOMPARE_MM(r.Smallest, -1.86);
        QCOMPARE_MM(r.Curve[0], 1.39);
        QCOMPARE_MM(r.Curve[60], 1.39);
        QCOMPARE_MM(r.Largest, 1.39);
        QCOMPARE(r.Curve[10], 0.0f);
        QCOMPARE(r.Curve[50], 0.0f);
    }
    void FixedBothEndsWorkedExample() {
        const TCurveResult r = FixedBothEndsCurve(61, 60, TStationLoads{}, 10.0f, E, I);
        QCOMPARE_MM(r.Largest, 0.958);
        const auto peak = std::max_element(r.Curve.begin(), r.Curve.end()) - r.Curve.begin();
        QCOMPARE(peak, 30);
    }
    void ProppedCantileverWorkedExamples() {
        const TCurveResult central = ProppedCantileverCurve(61, 60, Loads({{30, 200}}), 0, E, I);
        QCOMPARE_REL(central.PropReaction, 0.6129, 1e-4);
        const TCurveResult overhang = ProppedCantileverCurve(61, 40, Loads({{60, 100}}), 0, E, I);
        QCOMPARE_MM(overhang.Curve[60], -1.86);
        QCOMPARE_MM(overhang.Smallest, -1.86);
        QCOMPARE_MM(overhang.Largest, 0.33);
        QVERIFY(std::fabs(overhang.Curve[40]) < 1e-7);
    }

    // Textbook closed forms the examples do not cover, to a relative 1e-4.
    void TextbookResults() {
        const double P = 300 * G;
        // Cantilever with a tip load: P L^3 / 3EI.
        QCOMPARE_REL(Cantilever(Loads({{60, 300}}))[60], P * 0.216 / (3 * EI), 1e-4);
        // Cantilever with a full UDL: w L^4 / 8EI at the tip.
        QCOMPARE_REL(Cantilever({}, 20.0f)[60], 20 * std::pow(0.6, 4) / (8 * EI), 1e-4);
        // Partial UDL to B = 0.4 m: tip = w B^4/8EI + w B^3/6EI (L - B).
        QCOMPARE_REL(Cantilever({}, 20.0f, 40)[60],
                     20 * std::pow(0.4, 4) / (8 * EI) + 20 * std::pow(0.4, 3) / (6 * EI) * 0.2, 1e-4);
        // Two knife-edges at the ends, central load: P L^3 / 48EI downwards.
        const TCurveResult ss = SimplySupportedCurve(61, 0, 0, 60, Loads({{30, 300}}), 0, E, I);
        QCOMPARE_REL(ss.Curve[30], -P * 0.216 / (48 * EI), 1e-4);
        // Same beam, UDL: 5 w L^4 / 384EI at mid-span.
        const TCurveResult ssu = SimplySupportedCurve(61, 0, 0, 60, {}, 20.0f, E, I);
        QCOMPARE_REL(ssu.Curve[30], -5 * 20 * std::pow(0.6, 4) / (384 * EI), 1e-4);
        // Overhang tip load: supports 0 and 40 (L = 0.4), load at the tip c = 0.2: P c^2 (L + c)/3EI down.
        const TCurveResult oh = SimplySupportedCurve(61, 0, 0, 40, Loads({{60, 300}}), 0, E, I);
        QCOMPARE_REL(oh.Curve[60], -P * 0.04 * 0.6 / (3 * EI), 1e-4);
        // ... and the span rises most at L/sqrt(3) by P c L^2 / (9 sqrt(3) EI) (station 23 is nearest 0.2309
        // m).
        QCOMPARE_REL(oh.Largest, P * 0.2 * 0.16 / (9 * std::sqrt(3.0) * EI), 2e-3);
        // Fixed both ends, central load: P L^3 / 192EI.
        QCOMPARE_REL(FixedBothEndsCurve(61, 60, Loads({{30, 300}}), 0, E, I).Curve[30],
                     P * 0.216 / (192 * EI), 1e-4);
        // Propped cantilever (prop at the free end), central load: prop reaction 5P/16.
        QCOMPARE_REL(ProppedCantileverCurve(61, 60, Loads({{30, 300}}), 0, E, I).PropReaction, 5 * P / 16,
                     1e-4);
        // Propped cantilever with a full UDL: prop reaction 3wL/8.
        QCOMPARE_REL(ProppedCantileverCurve(61, 60, {}, 20.0f, E, I).PropReaction, 3 * 20 * 0.6 / 8, 1e-4);
    }

    // Maxwell's reciprocal theorem: the deflection at i from a load at j equals the deflection at j from the
    // same load at i, for every linear-elastic support set. The overhang rule (only the nearest load counts)
    // does not matter with one load.
    void Reciprocity_data() {
        QTest::addColumn<int>("set");
        QTest::newRow("cantilever") << 0;
        QTest::newRow("fixed both ends") << 1;
        QTest::newRow("propped at 40") << 2;
        QTest::newRow("knife-edges at 10 and 45") << 3;
    }
    void Reciprocity() {
        QFETCH(int, set);
        auto curve = [set](int loadStation) {
            const TStationLoads l = Loads({{loadStation, 400}});
            switch (set) {
            case 0:
                return Cantilever(l);
            case 1:
                return FixedBothEndsCurve(61, 60, l, 0, E, I).Curve;
            case 2:
                return ProppedCantileverCurve(61, 40, l, 0, E, I).Curve;
            default:
                return SimplySupportedCurve(61, 0, 10, 45, l, 0, E, I).Curve;
            }
        };
        const int stations[] = {3, 17, 25, 38, 52, 60};
        for (int a : stations)
            for (int b : stations) {
                const double ab = curve(a)[b], ba = curve(b)[a];
                QVERIFY2(std::fabs(ab - ba) <= 1e-4 * std::max(std::fabs(ab), 1e-6),
                         qPrintable(QStringLiteral("load %1 at %2: %3 vs %4").arg(a).arg(b).arg(ab).arg(ba)));
            }
    }

    void LoadsOverSupportsAddNothing() {
        QCOMPARE(Cantilever(Loads({{0, 500}}))[60], 0.0f);
        const TCurveResult r = SimplySupportedCurve(61, 0, 10, 50, Loads({{10, 500}, {50, 300}}), 0, E, I);
        for (float y : r.Curve)
            QVERIFY(std::fabs(y) < 1e-9);
    }

    void OnlyTheNearestLeftOverhangLoadCounts() {
        const TCurveResult both = SimplySupportedCurve(61, 0, 20, 60, Loads({{5, 300}, {15, 200}}), 0, E, I);
        const TCurveResult nearest = SimplySupportedCurve(61, 0, 20, 60, Loads({{15, 200}}), 0, E, I);
        QCOMPARE(both.Curve, nearest.Curve);
    }

    void PropAtTheClampIsAReversedCantilever() {
        const TStationLoads l = Loads({{30, 200}, {60, 100}});
        const TCurveResult r = ProppedCantileverCurve(61, 0, l, 15.0f, E, I);
        QCOMPARE(r.PropReaction, 0.0f);
        const TDeflectionCurve c = Cantilever(l);
        for (int i = 0; i < StationCount; ++i)
            QCOMPARE(r.Curve[i], -c[i]);
    }

    void UDLEndingAtTheClampAddsNothing() {
        const TDeflectionCurve c = Cantilever({}, 30.0f, 0);
        for (float y : c)
            QCOMPARE(y, 0.0f);
    }

    void CoincidentKnifeEdgesGiveNoCurve() {
        const TCurveResult r = SimplySupportedCurve(61, 0, 30, 30, Loads({{10, 100}}), 10.0f, E, I);
        for (float y : r.Curve)
            QCOMPARE(y, 0.0f);
    }
};

QTEST_APPLESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
