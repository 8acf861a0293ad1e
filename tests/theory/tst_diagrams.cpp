// The reactions and the shear, moment, slope and deflection along the beam: in equilibrium, consistent with
// the deflection theory when the moment is integrated twice, and equal to textbook closed forms.
#include <QtTest>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>

#include "RecordingPresenter.h"
#include "platform/MessageLayer.h"
#include "theory/Diagrams.h"
#include "theory/DiagramsText.h"

Q_DECLARE_METATYPE(TBeamLayout)

namespace {

constexpr double G = 0.00980665; // N per gram

using TWeights = std::initializer_list<std::pair<int, int>>; // station, grams

TBeamLayout WithWeights(TBeamLayout layout, TWeights weights, int udl = 0, int udlEnd = -1) {
    for (auto [station, grams] : weights)
        layout.HangerSlots[station].Mass = grams;
    if (udl > 0) {
        layout.PlaceUDL(udl);
        if (udlEnd >= 0) layout.UDLEndStation = udlEnd; // a cantilever's UDL shortened by the student
    }
    return layout;
}
TBeamLayout Cantilever(TWeights weights, int udl = 0, int udlEnd = -1) {
    TBeamLayout layout;
    layout.LeftClamp = true;
    return WithWeights(layout, weights, udl, udlEnd);
}
TBeamLayout Propped(int prop, TWeights weights, int udl = 0) {
    TBeamLayout layout;
    layout.LeftClamp = true;
    layout.KnifeEdge1 = true;
    layout.KnifeEdge1Station = prop;
    return WithWeights(layout, weights, udl);
}
TBeamLayout FixedBothEnds(TWeights weights, int udl = 0) {
    TBeamLayout layout;
    layout.LeftClamp = layout.RightClamp = true;
    return WithWeights(layout, weights, udl);
}
TBeamLayout KnifeEdges(int s1, int s2, TWeights weights, int udl = 0) {
    TBeamLayout layout;
    layout.KnifeEdge1 = layout.KnifeEdge2 = true;
    layout.KnifeEdge1Station = s2; // in either order: the model sorts them
    layout.KnifeEdge2Station = s1;
    layout.UpdateKnifeEdgeOrder();
    return WithWeights(layout, weights, udl);
}

struct TSolved {
    TBeamTheory Theory;
    TBeamDiagrams Diagrams;
};
TSolved Solve(TBeamLayout layout) {
    TSolved s;
    TRecordingPresenter view;
    s.Theory.Recalculate(layout, view);
    s.Diagrams = ComputeDiagrams(layout, s.Theory);
    return s;
}

double Reaction(const TBeamDiagrams& d, const QString& name) {
    for (const TReaction& r : d.Reactions)
        if (r.Name == name) return r.Value;
    qFatal("no reaction %s", qPrintable(name));
}

// Relative comparison for closed forms: the core works in double, so 1e-12 is "exactly".
bool Near(double actual, double expected, double rel = 1e-12) {
    return std::abs(actual - expected) <= rel * std::max(1.0, std::abs(expected));
}
#define VERIFY_NEAR(actual, expected)                                                                        \
    QVERIFY2(Near((actual), (expected)), qPrintable(QStringLiteral("%1 = %2, expected %3")                   \
                                                        .arg(#actual)                                        \
                                                        .arg((actual), 0, 'g', 15)                           \
                                                        .arg((expected), 0, 'g', 15)))

} // namespace

class TestDiagrams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { messages = std::make_unique<TRecordingMessages>(); }

    void Layouts_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::newRow("cantilever, three weights") << Cantilever({{20, 100}, {45, 300}, {60, 500}});
        QTest::newRow("cantilever, short UDL, weight beyond it") << Cantilever({{50, 200}}, 20, 35);
        QTest::newRow("cantilever, weight on the clamp") << Cantilever({{0, 300}, {30, 100}});
        QTest::newRow("propped at the end, UDL only") << Propped(60, {}, 10);
        QTest::newRow("propped inside, weights both sides, UDL") << Propped(40, {{10, 200}, {60, 100}}, 15);
        QTest::newRow("propped under the clamp") << Propped(0, {{30, 200}}, 10);
        QTest::newRow("clamped both ends, weights and UDL")
            << FixedBothEnds({{10, 100}, {25, 400}, {50, 200}}, 5);
        QTest::newRow("clamped both ends, weight on a clamp") << FixedBothEnds({{60, 300}, {30, 100}});
        QTest::newRow("knife-edges at the ends, UDL") << KnifeEdges(0, 60, {{30, 500}}, 10);
        QTest::newRow("knife-edges, left overhang") << KnifeEdges(20, 60, {{5, 200}, {40, 300}});
        QTest::newRow("knife-edges, right overhang, UDL") << KnifeEdges(0, 45, {{20, 100}, {58, 400}}, 20);
        QTest::newRow("knife-edges, both overhangs, two on the left")
            << KnifeEdges(15, 45, {{3, 100}, {10, 300}, {30, 200}, {55, 500}}, 50);
        QTest::newRow("knife-edges, weight over a support") << KnifeEdges(10, 50, {{10, 300}, {30, 200}});
    }

    // Sum of forces and of moments about several points vanish; the beam's free ends carry no shear or
    // moment, and every support holds the beam where it should.
    void Equilibrium_data() { Layouts_data(); }
    void Equilibrium() {
        QFETCH(TBeamLayout, layout);
        const TSolved s = Solve(layout);
        const TBeamDiagrams& d = s.Diagrams;
        QVERIFY(d.Drawable);
        double scale = 0.0; // the largest load, for a scaled tolerance
        for (const TPointLoad& p : d.Loads)
            scale += p.Force;
        if (d.UDL) scale += d.UDL->Intensity * 0.6;
        QVERIFY(scale > 0.0);
        const double tol = 1e-12 * scale;
        QVERIFY2(std::abs(d.ForceBalance()) <= tol, qPrintable(QString::number(d.ForceBalance())));
        for (double x : {0.0, 137.0, 300.0, 600.0, -250.0})
            QVERIFY2(std::abs(d.MomentBalanceAbout(x)) <= tol,
                     qPrintable(QStringLiteral("about %1: %2").arg(x).arg(d.MomentBalanceAbout(x))));
        // Just past the right end nothing is left over: V and M close to zero.
        QVERIFY(std::abs(d.ShearAt(600.0, true)) <= tol);
        QVERIFY(std::abs(d.MomentAt(600.0, true)) <= tol);
        // The supports: no deflection at any, no slope at a clamp.
        const double ytol = 1e-9 * std::max(1.0, std::abs(d.Curve(TDiagramKind::Deflection).Smallest.Value));
        for (const TSupportMark& m : d.Supports) {
            QVERIFY2(std::abs(d.DeflectionAt(m.Station * 10.0)) <= ytol,
                     qPrintable(
                         QStringLiteral("y at %1: %2").arg(m.Station).arg(d.DeflectionAt(m.Station * 10.0))));
            if (m.Kind != TSupportKind::KnifeEdge) QVERIFY(std::abs(d.SlopeAt(m.Station * 10.0)) <= ytol);
        }
    }

    // M/EI integrated twice numerically (Simpson's rule, 0.25 mm steps), with the constants set by the
    // supports, lands on the theory's StationDeflection at every station; so does the core's closed form.
    void DoubleIntegrationMatchesTheory_data() { Layouts_data(); }
    void DoubleIntegrationMatchesTheory() {
        QFETCH(TBeamLayout, layout);
        const TSolved s = Solve(layout);
        const TBeamDiagrams& d = s.Diagrams;
        const double h = 0.25; // mm
        const int n = int(600.0 / h);
        std::vector<double> theta(n + 1, 0.0), y(n + 1, 0.0); // rad x EI, m x EI (x in m)
        // Inside the beam: at the right end a clamp's couple is not yet passed.
        auto m = [&](double xMm) { return d.MomentAt(xMm, xMm < 600.0); };
        for (int k = 0; k < n; ++k) {
            const double a = k * h, b = a + h;
            const double mid = (a + b) / 2.0;
            const double dx = h / 1000.0;
            theta[k + 1] = theta[k] + dx / 6.0 * (m(a) + 4.0 * m(mid) + m(b));
            const double thetaMid = theta[k] + dx / 2.0 / 6.0 * (m(a) + 4.0 * m((a + mid) / 2.0) + m(mid));
            y[k + 1] = y[k] + dx / 6.0 * (theta[k] + 4.0 * thetaMid + theta[k + 1]);
        }
        // Constants: a clamp at the left end holds y = theta = 0 there; knife-edges hold y = 0 at both.
        double c0 = 0.0, c1 = 0.0; // y = (raw + c0 + c1 x)/EI
        if (layout.SupportArrangement() == TSupportArrangement::SimplySupported) {
            const int i1 = int(layout.LeftKnifeEdgeStation * 10 / h);
            const int i2 = int(layout.RightKnifeEdgeStation * 10 / h);
            const double x1 = i1 * h / 1000.0, x2 = i2 * h / 1000.0;
            c1 = -(y[i2] - y[i1]) / (x2 - x1);
            c0 = -y[i1] - c1 * x1;
        }
        double largest = 0.0;
        for (int i = 0; i < StationCount; ++i)
            largest = std::max(largest, std::abs(s.Theory.DisplayedDeflectionMm(i)));
        QVERIFY(largest > 0.0);
        const double tol = 2e-5 * largest + 1e-6; // mm: the theory adds its terms in single precision
        for (int i = 0; i < StationCount; ++i) {
            const int k = int(i * 10 / h);
            const double numeric = (y[k] + c0 + c1 * k * h / 1000.0) / d.EI * 1000.0;
            const double theory = s.Theory.DisplayedDeflectionMm(i);
            QVERIFY2(std::abs(numeric - theory) <= tol,
                     qPrintable(QStringLiteral("station %1: integrated %2 mm, theory %3 mm")
                                    .arg(i)
                                    .arg(numeric, 0, 'g', 9)
                                    .arg(theory, 0, 'g', 9)));
            QVERIFY2(std::abs(d.DeflectionAt(i * 10.0) - theory) <= tol,
                     qPrintable(QStringLiteral("station %1: closed form %2 mm, theory %3 mm")
                                    .arg(i)
                                    .arg(d.DeflectionAt(i * 10.0), 0, 'g', 9)
                                    .arg(theory, 0, 'g', 9)));
            const double slope = (theta[k] + c1) / d.EI * 1000.0;
            QVERIFY2(std::abs(d.SlopeAt(i * 10.0) - slope) <= 1e-6 * std::max(1.0, std::abs(slope)),
                     qPrintable(QStringLiteral("station %1: slope %2, integrated %3 mrad")
                                    .arg(i)
                                    .arg(d.SlopeAt(i * 10.0))
                                    .arg(slope)));
        }
        // The extremes of every diagram are those of the exact curve, between stations too: a dense scan
        // (0.05 mm) finds nothing beyond them, and they are reached at the place they name.
        for (TDiagramKind kind : {TDiagramKind::Moment, TDiagramKind::Slope, TDiagramKind::Deflection}) {
            const TDiagramCurve& c = d.Curve(kind);
            double hi = 0.0, lo = 0.0;
            for (int k = 0; k <= 12000; ++k) {
                const double x = k * 0.05;
                const double v = kind == TDiagramKind::Moment ? d.MomentAt(x, x < 600.0) : d.ValueAt(kind, x);
                hi = std::max(hi, v);
                lo = std::min(lo, v);
            }
            const double scale = std::max(hi, -lo);
            const double etol = 1e-9 * scale + 1e-12;
            QVERIFY2(c.Largest.Value >= hi - etol && c.Smallest.Value <= lo + etol,
                     qPrintable(QStringLiteral("%1: extremes %2 .. %3, scan %4 .. %5")
                                    .arg(c.Title)
                                    .arg(c.Smallest.Value, 0, 'g', 12)
                                    .arg(c.Largest.Value, 0, 'g', 12)
                                    .arg(lo, 0, 'g', 12)
                                    .arg(hi, 0, 'g', 12)));
            // ... and no further than the curve goes (allowing the scan's step at a smooth peak).
            QVERIFY(c.Largest.Value <= hi + 1e-4 * scale + 1e-12 &&
                    c.Smallest.Value >= lo - 1e-4 * scale - 1e-12);
            for (const TExtreme* e : {&c.Largest, &c.Smallest}) {
                if (e->Value == 0.0) continue;
                const double at = kind == TDiagramKind::Moment ? d.MomentAt(e->XMm, e->XMm < 600.0)
                                                               : d.ValueAt(kind, e->XMm);
                const double atLeft = kind == TDiagramKind::Moment ? d.MomentAt(e->XMm, false) : at;
                QVERIFY2(std::abs(at - e->Value) <= etol || std::abs(atLeft - e->Value) <= etol,
                         qPrintable(QStringLiteral("%1 at %2 mm: %3, labelled %4")
                                        .arg(c.Title)
                                        .arg(e->XMm)
                                        .arg(at)
                                        .arg(e->Value)));
            }
        }
    }

    // The worked solution's standard cases add up to the deflection the view shows under the gauge, wherever
    // the gauge stands (on either overhang, in a span, beyond a prop).
    void GaugeCasesAddUp_data() { Layouts_data(); }
    void GaugeCasesAddUp() {
        QFETCH(TBeamLayout, layout);
        for (int gauge : {2, 15, 30, 47, 60}) {
            layout.GaugeStation = gauge;
            const TSolved s = Solve(layout);
            double sum = 0.0;
            for (const TGaugeTerm& t : s.Diagrams.GaugeTerms)
                sum += t.Mm;
            const double theory = s.Theory.DisplayedDeflectionMm(gauge);
            QVERIFY2(std::abs(sum - theory) <= 2e-5 * std::max(1.0, std::abs(theory)),
                     qPrintable(QStringLiteral("gauge %1: cases add to %2 mm, theory %3 mm")
                                    .arg(gauge)
                                    .arg(sum)
                                    .arg(theory)));
            QCOMPARE(s.Diagrams.GaugeDeflectionMm, theory);
        }
    }

    void TextbookCases() {
        // Simply supported over L = 0.6 m, P at mid-span: R = P/2 each, M_max = P L/4 at the load, and the
        // shear jumps from +P/2 to -P/2 there.
        {
            const double P = 500 * G;
            const TBeamDiagrams d = Solve(KnifeEdges(0, 60, {{30, 500}})).Diagrams;
            VERIFY_NEAR(Reaction(d, "R_A"), P / 2.0);
            VERIFY_NEAR(Reaction(d, "R_B"), P / 2.0);
            const TDiagramCurve& m = d.Curve(TDiagramKind::Moment);
            VERIFY_NEAR(m.Largest.Value, P * 0.6 / 4.0);
            QCOMPARE(m.Largest.XMm, 300.0);
            QCOMPARE(m.Smallest.Value, 0.0);
            VERIFY_NEAR(d.ShearAt(300.0, false), P / 2.0);
            VERIFY_NEAR(d.ShearAt(300.0, true), -P / 2.0);
            const auto& v = d.Curve(TDiagramKind::Shear).Points;
            const auto jump =
                std::adjacent_find(v.begin(), v.end(), [](const TDiagramPoint& a, const TDiagramPoint& b) {
                    return a.XMm == 300.0 && b.XMm == 300.0;
                });
            QVERIFY(jump != v.end());
            VERIFY_NEAR(jump->Value - std::next(jump)->Value, P);
        }
        // Cantilever, P at the tip: R_A = P, the clamp's moment P L, hogging M = -P L at the clamp.
        {
            const double P = 200 * G;
            const TBeamDiagrams d = Solve(Cantilever({{60, 200}})).Diagrams;
            VERIFY_NEAR(Reaction(d, "R_A"), P);
            VERIFY_NEAR(Reaction(d, "M_A"), P * 0.6);
            VERIFY_NEAR(d.MomentAt(0.0), -P * 0.6);
            VERIFY_NEAR(d.Curve(TDiagramKind::Moment).Smallest.Value, -P * 0.6);
            QCOMPARE(d.Curve(TDiagramKind::Moment).Smallest.XMm, 0.0);
        }
        // Propped cantilever over L = 0.6 m with w = 10 N/m: prop 3wL/8, clamp 5wL/8 and w L^2/8; the
        // largest sagging moment 9wL^2/128 where the shear V = 5wL/8 - w x is zero, x = 5L/8 = 375 mm.
        {
            const double w = 10.0, L = 0.6;
            const TBeamDiagrams d = Solve(Propped(60, {}, 10)).Diagrams;
            VERIFY_NEAR(Reaction(d, "R_B"), 3.0 * w * L / 8.0);
            VERIFY_NEAR(Reaction(d, "R_A"), 5.0 * w * L / 8.0);
            VERIFY_NEAR(Reaction(d, "M_A"), w * L * L / 8.0);
            VERIFY_NEAR(d.Curve(TDiagramKind::Moment).Largest.Value, 9.0 * w * L * L / 128.0);
            VERIFY_NEAR(d.Curve(TDiagramKind::Moment).Largest.XMm, 375.0);
        }
        // Propped at the end with P at mid-span: the prop takes 5P/16 (0.6129 N for 200 g).
        {
            const TBeamDiagrams d = Solve(Propped(60, {{30, 200}})).Diagrams;
            VERIFY_NEAR(Reaction(d, "R_B"), 5.0 * 200 * G / 16.0);
            QVERIFY(WorkedSolutionHtml(d).contains(QStringLiteral("0.6129 N")));
            QVERIFY(WorkedSolutionHtml(d).contains(QStringLiteral("Compatibility")));
        }
        // Clamped at both ends, P at mid-span: end moments P L/8, reactions P/2, M = +P L/8 at the load.
        {
            const double P = 300 * G, L = 0.6;
            const TBeamDiagrams d = Solve(FixedBothEnds({{30, 300}})).Diagrams;
            VERIFY_NEAR(Reaction(d, "M_A"), P * L / 8.0);
            VERIFY_NEAR(Reaction(d, "M_B"), -P * L / 8.0);
            VERIFY_NEAR(Reaction(d, "R_A"), P / 2.0);
            VERIFY_NEAR(Reaction(d, "R_B"), P / 2.0);
            VERIFY_NEAR(d.MomentAt(300.0), P * L / 8.0);
            VERIFY_NEAR(d.MomentAt(600.0, false), -P * L / 8.0);
        }
        // Overhangs: knife-edges at 100 and 500 mm, 100 g at each end: each support carries its own end's
        // weight; between them the beam is in pure hogging, M = -P x 0.1 m, with no shear.
        {
            const double P = 100 * G;
            const TBeamDiagrams d = Solve(KnifeEdges(10, 50, {{0, 100}, {60, 100}})).Diagrams;
            VERIFY_NEAR(Reaction(d, "R_A"), P);
            VERIFY_NEAR(Reaction(d, "R_B"), P);
            VERIFY_NEAR(d.MomentAt(300.0), -P * 0.1);
            QVERIFY(std::abs(d.ShearAt(300.0)) < 1e-12);
        }
    }

    void NothingToDrawSaysWhy_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty cantilever") << Cantilever({}) << "carries no load";
        QTest::newRow("bare beam, nothing on it") << TBeamLayout{} << "not supported";
        TBeamLayout single;
        single.KnifeEdge1 = true;
        single.KnifeEdge1Station = 30;
        QTest::newRow("one knife-edge and a weight")
            << WithWeights(single, {{20, 100}}) << "not adequately supported";
        QTest::newRow("both knife-edges on one station") << KnifeEdges(30, 30, {{10, 200}}) << "same place";
    }
    void NothingToDrawSaysWhy() {
        QFETCH(TBeamLayout, layout);
        QFETCH(QString, words);
        const TBeamDiagrams d = Solve(layout).Diagrams;
        QVERIFY(!d.Drawable);
        QVERIFY2(d.Reason.contains(words), qPrintable(d.Reason));
        QVERIFY(d.Reactions.empty());
    }

    // Only empty hangers: the theory draws a flat curve, the diagrams a beam with no forces on it.
    void EmptyHangersGiveZeroDiagrams() {
        const TBeamDiagrams d = Solve(Cantilever({{40, 0}})).Diagrams;
        QVERIFY(d.Drawable);
        QVERIFY(d.Loads.empty());
        for (const TDiagramCurve& c : d.Curves) {
            QCOMPARE(c.Largest.Value, 0.0);
            QCOMPARE(c.Smallest.Value, 0.0);
        }
        QVERIFY(WorkedSolutionHtml(d).contains(QStringLiteral("Only empty hangers")));
    }

private:
    std::unique_ptr<TRecordingMessages> messages;
};

QTEST_APPLESS_MAIN(TestDiagrams)
#include "tst_diagrams.moc"
