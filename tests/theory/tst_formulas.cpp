// The four formula sets against the worked examples and against textbook results they must agree with.
// Start-up stiffness: E = 69000003584 Pa (6.9e10 as a float), the flat bar 19.05 x 3.18 mm,
// I = 19.05 x 3.18^3 / 12 mm^4 = 5.105e-11 m^4, so EI = 3.5224 N m^2.
#include <QtTest>
#include <bit>
#include <cmath>
#include <cstdint>

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

// Curves of two-knife-edge layouts with at most one load per overhang, as the formulas gave them before
// every overhang load was superposed (hexadecimal floats, bit for bit). Such layouts must keep them exactly.
struct TOverhangReference {
    const char* Name;
    int S1, S2;
    float W;
    std::initializer_list<std::pair<int, int>> Loads;
    TDeflectionCurve Curve;
};
const TOverhangReference OverhangReferences[] = {
    {"knife-edges 10 and 45, 200 g at 4, 300 g at 25, 100 g at 52, 15 N/m",
     10,
     45,
     15.0f,
     {{4, 200}, {25, 300}, {52, 100}},
     {
         0x1.b4eb4ap-11f,  0x1.8a4734p-11f,  0x1.5fa31cp-11f,  0x1.34ff06p-11f,  0x1.0a5afp-11f,
         0x1.bf54cap-12f,  0x1.695e3cp-12f,  0x1.123cbep-12f,  0x1.72b5b6p-13f,  0x1.788c62p-14f,
         0x0p+0f,          -0x1.854bf8p-14f, -0x1.89b54p-13f,  -0x1.295534p-12f, -0x1.8d8c78p-12f,
         -0x1.f0559cp-12f, -0x1.28489cp-11f, -0x1.5695aap-11f, -0x1.828db6p-11f, -0x1.abb23p-11f,
         -0x1.d18a46p-11f, -0x1.f3a2d6p-11f, -0x1.08c73cp-10f, -0x1.1572cp-10f,  -0x1.1fa2f8p-10f,
         -0x1.2729c6p-10f, -0x1.2be538p-10f, -0x1.2ddb9cp-10f, -0x1.2d1f7p-10f,  -0x1.29c61p-10f,
         -0x1.23e7bp-10f,  -0x1.1b9f62p-10f, -0x1.110b12p-10f, -0x1.044b8cp-10f, -0x1.eb08dcp-11f,
         -0x1.c9b87cp-11f, -0x1.a4f8a6p-11f, -0x1.7d21ccp-11f, -0x1.529214p-11f, -0x1.25ad58p-11f,
         -0x1.edba5ap-12f, -0x1.8d21b6p-12f, -0x1.2a7accp-12f, -0x1.8d761cp-13f, -0x1.8b8d68p-14f,
         0x0p+0f,          0x1.844f16p-14f,  0x1.80ce48p-13f,  0x1.1e44d8p-12f,  0x1.7af79cp-12f,
         0x1.d6ca2ap-12f,  0x1.1903a2p-11f,  0x1.467cd2p-11f,  0x1.73efc6p-11f,  0x1.a162bap-11f,
         0x1.ced5aep-11f,  0x1.fc48a2p-11f,  0x1.14ddccp-10f,  0x1.2b9746p-10f,  0x1.4250cp-10f,
         0x1.590a3ap-10f,
     }},
    {"knife-edges 20 and 50, 300 g at 15, 500 g at 35",
     20,
     50,
     0.0f,
     {{15, 300}, {35, 500}},
     {
         0x1.1ace3ep-11f,  0x1.0d1f1ap-11f,  0x1.fedfecp-12f,  0x1.e381a4p-12f,  0x1.c8235cp-12f,
         0x1.acc516p-12f,  0x1.9166cep-12f,  0x1.760886p-12f,  0x1.5aaa3ep-12f,  0x1.3f4bf6p-12f,
         0x1.23edacp-12f,  0x1.088f64p-12f,  0x1.da6238p-13f,  0x1.a3a5a8p-13f,  0x1.6ce91ap-13f,
         0x1.362c88p-13f,  0x1.fe4a74p-14f,  0x1.8cbb0ep-14f,  0x1.142a0ep-14f,  0x1.222d46p-15f,
         0x0p+0f,          -0x1.42df72p-15f, -0x1.50e2a8p-14f, -0x1.056c02p-13f, -0x1.65e77cp-13f,
         -0x1.c8235ep-13f, -0x1.152fap-12f,  -0x1.456d5ep-12f, -0x1.73eab2p-12f, -0x1.9fc772p-12f,
         -0x1.c8235cp-12f, -0x1.ec1e4ap-12f, -0x1.056c02p-11f, -0x1.11b82ap-11f, -0x1.1a8384p-11f,
         -0x1.1f5df6p-11f, -0x1.1ff68ap-11f, -0x1.1c78dap-11f, -0x1.152fap-11f,  -0x1.0a6596p-11f,
         -0x1.f8caf8p-12f, -0x1.d6f41cp-12f, -0x1.afdc02p-12f, -0x1.841832p-12f, -0x1.543e1ap-12f,
         -0x1.20e334p-12f, -0x1.d539ecp-13f, -0x1.6401b8p-13f, -0x1.de9166p-14f, -0x1.e0e746p-15f,
         0x0p+0f,          0x1.e1ae9p-15f,   0x1.e1ae9p-14f,   0x1.6942ecp-13f,  0x1.e1ae9p-13f,
         0x1.2d0d1ap-12f,  0x1.6942ecp-12f,  0x1.a578bep-12f,  0x1.e1ae9p-12f,   0x1.0ef23p-11f,
         0x1.2d0d1ap-11f,
     }},
    {"knife-edges 5 and 40, 100 g at 12, 200 g over the support, 400 g at 60, 50 N/m",
     5,
     40,
     50.0f,
     {{12, 100}, {40, 200}, {60, 400}},
     {
         0x1.6f14aap-11f,  0x1.25aa22p-11f,  0x1.b87f34p-12f,  0x1.25aa22p-12f,  0x1.25aa22p-13f,
         0x0p+0f,          -0x1.24f40cp-13f, -0x1.22de7ep-12f, -0x1.af3acap-12f, -0x1.1ae13p-11f,
         -0x1.5a676ep-11f, -0x1.956ff6p-11f, -0x1.cb4dacp-11f, -0x1.fb6cbap-11f, -0x1.12b2a4p-10f,
         -0x1.24746p-10f,  -0x1.32ddcep-10f, -0x1.3ddaaep-10f, -0x1.45604ap-10f, -0x1.496d7p-10f,
         -0x1.4a0a7ep-10f, -0x1.474948p-10f, -0x1.41453ap-10f, -0x1.382338p-10f, -0x1.2c11b4p-10f,
         -0x1.1d48aap-10f, -0x1.0c0992p-10f, -0x1.f13eeep-11f, -0x1.c6bdc2p-11f, -0x1.994bccp-11f,
         -0x1.69b83p-11f,  -0x1.38e53ap-11f, -0x1.07c82cp-11f, -0x1.aed2d4p-12f, -0x1.51c8acp-12f,
         -0x1.f59d7ap-13f, -0x1.58d03p-13f,  -0x1.a4f74cp-14f, -0x1.a0f946p-15f, -0x1.001684p-16f,
         0x0p+0f,          -0x1.a6bcdep-18f, -0x1.1b2d58p-15f, -0x1.54d4cap-14f, -0x1.35bd3cp-13f,
         -0x1.e66dfap-13f, -0x1.5d1364p-12f, -0x1.d748ecp-12f, -0x1.305646p-11f, -0x1.7c09aep-11f,
         -0x1.ce2946p-11f, -0x1.130fbep-10f, -0x1.41ab76p-10f, -0x1.729d12p-10f, -0x1.a599cep-10f,
         -0x1.da56f2p-10f, -0x1.0844dep-9f,  -0x1.23f3bcp-9f,  -0x1.4012b2p-9f,  -0x1.5c7c68p-9f,
         -0x1.790b76p-9f,
     }},
    {"knife-edges 30 and 31, 100 g at 0, 500 g at 60, 1 N/m",
     30,
     31,
     1.0f,
     {{0, 100}, {60, 500}},
     {
         -0x1.6dd286p-9f,  -0x1.5c2922p-9f,  -0x1.4a8918p-9f,  -0x1.38fbbcp-9f,  -0x1.278a68p-9f,
         -0x1.163e7p-9f,   -0x1.05212ep-9f,  -0x1.e877fp-10f,  -0x1.c7305p-10f,  -0x1.a67e26p-10f,
         -0x1.867422p-10f, -0x1.6724f4p-10f, -0x1.48a34cp-10f, -0x1.2b01d6p-10f, -0x1.0e5342p-10f,
         -0x1.e5548p-11f,  -0x1.b032fcp-11f, -0x1.7d6758p-11f, -0x1.4d16fp-11f,  -0x1.1f672p-11f,
         -0x1.e8fa96p-12f, -0x1.98fd96p-12f, -0x1.4f22p-12f,   -0x1.0bb28ep-12f, -0x1.9df3f8p-13f,
         -0x1.32860ap-13f, -0x1.ab6198p-14f, -0x1.101366p-14f, -0x1.2898e8p-15f, -0x1.c9bd62p-17f,
         0x0p+0f,          0x0p+0f,          -0x1.23ed6ap-15f, -0x1.c76846p-14f, -0x1.cd3f04p-13f,
         -0x1.815852p-12f, -0x1.20476ep-11f, -0x1.9166b6p-11f, -0x1.09a798p-10f, -0x1.52a3p-10f,
         -0x1.a3482ap-10f, -0x1.fb39aep-10f, -0x1.2d0d0ep-9f,  -0x1.5fc608p-9f,  -0x1.95990cp-9f,
         -0x1.ce5768p-9f,  -0x1.04e93p-8f,   -0x1.23eda6p-8f,  -0x1.4421b4p-8f,  -0x1.656ep-8f,
         -0x1.87bb36p-8f,  -0x1.aaf1f6p-8f,  -0x1.cefae6p-8f,  -0x1.f3beaap-8f,  -0x1.0c92f4p-7f,
         -0x1.1f8ca4p-7f,  -0x1.32c0b8p-7f,  -0x1.462382p-7f,  -0x1.59a95p-7f,   -0x1.6d467ap-7f,
         -0x1.80ef54p-7f,
     }},
};

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
    // same load at i, for every linear-elastic support set.
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

    // Several loads on each overhang (left behind when a knife-edge moves after the weights were hung):
    // the beam is linear, so the curve is the sum of the curves of each load alone, and of the UDL alone.
    void OverhangLoadsSuperpose() {
        const std::vector<std::pair<int, int>> loads = {{2, 100},  {6, 300},  {11, 200}, {30, 400},
                                                        {46, 100}, {51, 500}, {58, 200}};
        TStationLoads all{};
        for (auto [s, g] : loads)
            all[s] = g;
        const TCurveResult together = SimplySupportedCurve(61, 0, 12, 45, all, 20.0f, E, I);
        std::array<double, StationCount> sum{}, scale{};
        auto add = [&](const TDeflectionCurve& c) {
            for (int i = 0; i < StationCount; ++i) {
                sum[i] += c[i];
                scale[i] += std::fabs(c[i]);
            }
        };
        for (auto [s, g] : loads)
            add(SimplySupportedCurve(61, 0, 12, 45, Loads({{s, g}}), 0, E, I).Curve);
        add(SimplySupportedCurve(61, 0, 12, 45, {}, 20.0f, E, I).Curve);
        for (int i = 0; i < StationCount; ++i)
            QVERIFY2(
                std::fabs(together.Curve[i] - sum[i]) <= 1e-6 * scale[i] + 1e-12,
                qPrintable(
                    QStringLiteral("station %1: %2 vs sum %3").arg(i).arg(together.Curve[i]).arg(sum[i])));
    }

    // One load per overhang (what the placement rules allow when the weights go on after the knife-edges)
    // gives exactly what it gave before the overhang loads were superposed.
    void OneLoadPerOverhangUnchanged_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(OverhangReferences)); ++i)
            QTest::newRow(OverhangReferences[i].Name) << i;
    }
    void OneLoadPerOverhangUnchanged() {
        QFETCH(int, index);
        const TOverhangReference& ref = OverhangReferences[index];
        const TCurveResult r = SimplySupportedCurve(61, 0, ref.S1, ref.S2, Loads(ref.Loads), ref.W, E, I);
        for (int i = 0; i < StationCount; ++i)
            QVERIFY2(std::bit_cast<std::uint32_t>(r.Curve[i]) == std::bit_cast<std::uint32_t>(ref.Curve[i]),
                     qPrintable(QStringLiteral("station %1: %2 vs %3")
                                    .arg(i)
                                    .arg(double(r.Curve[i]), 0, 'a')
                                    .arg(double(ref.Curve[i]), 0, 'a')));
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
