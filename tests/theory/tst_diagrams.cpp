// The reactions and the shear, moment, slope and deflection along the beam: in equilibrium, consistent with
// the deflection theory when the moment is integrated twice, and equal to textbook closed forms.
#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

#include "ProcessLocale.h"
#include "RecordingPresenter.h"
#include "platform/MessageLayer.h"
#include "theory/Diagrams.h"
#include "theory/DiagramsText.h"
#include "theory/Sections.h"

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

// The worked solution's arithmetic, checked by reading it: every "expression = number" in it, where the
// expression is numbers and + − × / ( ) ² ³ ⁴ only, is evaluated and compared with the number written after
// it. Numbers are read in the locale's form. Returns the count of checks and the first disagreement.
struct TArithmetic {
    int Checked = 0;
    QString Failure;
};

class TExpression {
public:
    TExpression(const QString& text, const QLocale& locale) : Text(text.trimmed()), Locale(locale) {}
    // The value, when the whole text is an expression with at least one operator.
    std::optional<double> Value() {
        Pos = 0;
        Operators = 0;
        Ok = true;
        const double v = Sum();
        Skip();
        if (!Ok || Pos != Text.size() || Operators == 0) return std::nullopt;
        return v;
    }

private:
    QString Text;
    QLocale Locale;
    qsizetype Pos = 0;
    int Operators = 0;
    bool Ok = true;
    void Skip() {
        while (Pos < Text.size() && Text[Pos].isSpace())
            ++Pos;
    }
    bool Take(QChar c) {
        Skip();
        if (Pos < Text.size() && Text[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }
    double Sum() {
        double v = Product();
        for (;;) {
            if (Take(QLatin1Char('+'))) {
                ++Operators;
                v += Product();
            } else if (Take(QChar(0x2212))) {
                ++Operators;
                v -= Product();
            } else {
                return v;
            }
        }
    }
    double Product() {
        double v = Power();
        for (;;) {
            if (Take(QChar(0x00D7))) {
                ++Operators;
                v *= Power();
            } else if (Take(QLatin1Char('/'))) {
                ++Operators;
                v /= Power();
            } else {
                return v;
            }
        }
    }
    double Power() {
        double v = Atom();
        if (Pos < Text.size()) {
            const QChar c = Text[Pos];
            const int n = c == QChar(0x00B2) ? 2 : c == QChar(0x00B3) ? 3 : c == QChar(0x2074) ? 4 : 0;
            if (n > 0) {
                ++Pos;
                ++Operators;
                v = std::pow(v, n);
            }
        }
        return v;
    }
    double Atom() {
        if (Take(QLatin1Char('('))) {
            const double v = Sum();
            if (!Take(QLatin1Char(')'))) Ok = false;
            return v;
        }
        Skip();
        const qsizetype start = Pos;
        if (Pos < Text.size() && Text.mid(Pos).startsWith(Locale.negativeSign()))
            Pos += Locale.negativeSign().size();
        while (Pos < Text.size() && (Text[Pos].isDigit() || Text.mid(Pos).startsWith(Locale.decimalPoint())))
            ++Pos;
        bool ok = false;
        const double v = Locale.toDouble(Text.mid(start, Pos - start), &ok);
        if (!ok) Ok = false;
        return v;
    }
};

TArithmetic CheckArithmetic(const QString& html, const QLocale& locale) {
    TArithmetic result;
    QString text = html;
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QRegularExpression(QStringLiteral("<br>|</p>|</tr>|</td>")), QStringLiteral("\n"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    const QRegularExpression leadingNumber(QStringLiteral("^\\s*(%1?[0-9]+(%2[0-9]+)?)")
                                               .arg(QRegularExpression::escape(locale.negativeSign()),
                                                    QRegularExpression::escape(locale.decimalPoint())));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList pieces = line.split(QStringLiteral(" = "));
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
            // A piece after a colon starts afresh ("ΣF = 0: R = ..."): only whole expressions count.
            const std::optional<double> lhs = TExpression(pieces[i], locale).Value();
            if (!lhs) continue;
            const QRegularExpressionMatch m = leadingNumber.match(pieces[i + 1]);
            if (!m.hasMatch()) continue;
            const double rhs = locale.toDouble(m.captured(1));
            double largest = 0.0;
            static const QRegularExpression number(QStringLiteral("[0-9]+([.,][0-9]+)?"));
            for (auto it = number.globalMatch(pieces[i]); it.hasNext();)
                largest = std::max(largest, std::abs(locale.toDouble(it.next().captured(0))));
            ++result.Checked;
            const double tol = 4e-3 * std::max(std::abs(*lhs), std::abs(rhs)) + 1e-3 * largest + 1e-9;
            if (std::abs(*lhs - rhs) > tol && result.Failure.isEmpty())
                result.Failure = QStringLiteral("%1 = %2 gives %3").arg(pieces[i], m.captured(1)).arg(*lhs);
        }
    }
    return result;
}

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

    // Extremes where the exact curve has them: a deflection peak between stations, a flat stretch as a
    // stretch, equal extremes at each of their places.
    void ExtremesAtTheirPlaces() {
        // Knife-edges at 0 and 600 mm, P at a = 0.2 m from A: the largest deflection is sqrt((L² − a²)/3)
        // = 326.6 mm from B, at x = 273.4 mm, and P a (L² − a²)^(3/2)/(9√3 L EI) downward.
        {
            const TSolved s = Solve(KnifeEdges(0, 60, {{20, 500}}));
            const TDiagramCurve& y = s.Diagrams.Curve(TDiagramKind::Deflection);
            const double P = 500 * G, L = 0.6, a = 0.2;
            const double x = 600.0 - std::sqrt((L * L - a * a) / 3.0) * 1000.0;
            const double peak =
                -P * a * std::pow(L * L - a * a, 1.5) / (9.0 * std::sqrt(3.0) * L * s.Diagrams.EI) * 1000.0;
            QVERIFY2(std::abs(y.Smallest.XMm - x) < 1e-3, qPrintable(QString::number(y.Smallest.XMm)));
            VERIFY_NEAR(y.Smallest.Value, peak);
            QVERIFY(!y.Smallest.Stretch() && y.Smallest.AlsoAt.empty());
            QCOMPARE(ExtremePlacesText(y.Smallest), QStringLiteral("at 273.4 mm"));
        }
        // Knife-edges at 0 and 300 mm, a load in the span: the right overhang carries no moment, so its
        // slope is constant, and the largest slope is the whole stretch from 300 to 600 mm.
        {
            const TSolved s = Solve(KnifeEdges(0, 30, {{15, 300}}));
            const TExtreme& e = s.Diagrams.Curve(TDiagramKind::Slope).Largest;
            QCOMPARE(e.XMm, 300.0);
            QCOMPARE(e.ToMm, 600.0);
            QVERIFY(e.AlsoAt.empty());
            QCOMPARE(ExtremePlacesText(e), QStringLiteral("from 300 to 600 mm"));
            // The deflection on it grows steadily: its extreme is the free end, a point.
            QCOMPARE(s.Diagrams.Curve(TDiagramKind::Deflection).Largest.XMm, 600.0);
            QVERIFY(!s.Diagrams.Curve(TDiagramKind::Deflection).Largest.Stretch());
        }
        // Clamped at both ends, P at mid-span: −PL/8 at both clamps, named at each.
        {
            const TSolved s = Solve(FixedBothEnds({{30, 300}}));
            const TExtreme& e = s.Diagrams.Curve(TDiagramKind::Moment).Smallest;
            VERIFY_NEAR(e.Value, -300 * G * 0.6 / 8.0);
            QCOMPARE(e.XMm, 0.0);
            QCOMPARE(int(e.AlsoAt.size()), 1);
            QCOMPARE(e.AlsoAt[0].XMm, 600.0);
            QCOMPARE(ExtremePlacesText(e), QStringLiteral("at 0 mm and at 600 mm"));
            QVERIFY(WorkedSolutionHtml(s.Diagrams).contains(QStringLiteral("at 0 mm and at 600 mm")));
        }
    }

    // Bending stress from the section's extreme fibres, checked against σ = M c / I by hand: a cantilever
    // under w = 30 N/m hogs by w L²/2 = 5.4 N·m at the clamp, the flat bar's top fibre (c = 1.59 mm) in
    // tension, I = 19.05 × 3.18³/12 = 51.05 mm⁴: σ = 5400 N·mm × 1.59 mm / 51.05 mm⁴ = 168 MPa.
    void StressInTheExtremeFibres() {
        TBeamLayout layout = Cantilever({}, 30);
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        const TBeamDiagrams d = ComputeDiagrams(layout, theory, BeamSection(0, 19.05, 3.18, 0));
        const double I = double(theory.SecondMomentI) * 1e12; // mm⁴
        const double sigma = 30.0 * 0.36 / 2.0 * 1000.0 * 1.59 / I;
        QVERIFY(std::abs(I - 19.05 * 3.18 * 3.18 * 3.18 / 12.0) < 1e-4);
        QVERIFY2(std::abs(d.Tension.MPa - sigma) < 1e-9 * sigma, qPrintable(QString::number(d.Tension.MPa)));
        QVERIFY(d.Tension.Top);
        QCOMPARE(d.Tension.XMm, 0.0);
        QVERIFY(std::abs(d.Compression.MPa + sigma) < 1e-9 * sigma);
        QVERIFY(!d.Compression.Top);
        // An inverted T: the neutral axis 7.97 mm below the top of a 9.525 mm deep section; hogging
        // stretches the top, so the largest tension is at the top's 7.97 mm, the compression at 1.555 mm.
        const TBeamSection t = BeamSection(2, 0.0, 0.0, 1);
        QCOMPARE(t.TopFibreMm, double(7.97f));
        QVERIFY(std::abs(t.TopFibreMm + t.BottomFibreMm - SectionShape(2).Height) < 1e-9);
        QCOMPARE(t.Material, QStringLiteral("Steel"));
        QCOMPARE(t.YieldMPa, 275.0);
    }

    // Each warning where it applies and nowhere else.
    void WarningsWhereTheyApply_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<int>("material");
        QTest::addColumn<bool>("liftOff");
        QTest::addColumn<bool>("large");
        QTest::addColumn<bool>("yield");
        QTest::newRow("knife-edges, load at mid-span")
            << KnifeEdges(0, 60, {{30, 500}}) << 0 << false << false << false;
        // 1 kg at the left end outside knife-edges at 300 and 600 mm: R_B = −9.8 N pulls down.
        QTest::newRow("knife-edges, load on the overhang only")
            << KnifeEdges(30, 60, {{0, 100}}) << 0 << true << false << false;
        QTest::newRow("knife-edges, overhang load balanced by a span load")
            << KnifeEdges(30, 60, {{0, 100}, {50, 500}}) << 0 << false << false << false;
        // Cantilever, 30 N/m: 138 mm down (> 30 mm), 168 MPa (< 250 MPa for aluminium).
        QTest::newRow("cantilever, 30 N/m, aluminium") << Cantilever({}, 30) << 0 << false << true << false;
        // 50 N/m: 280 MPa, past aluminium's 250 MPa and steel's 275 MPa.
        QTest::newRow("cantilever, 50 N/m, aluminium") << Cantilever({}, 50) << 0 << false << true << true;
        QTest::newRow("cantilever, 50 N/m, other material")
            << Cantilever({}, 50) << 3 << false << true << false;
        QTest::newRow("cantilever, 100 g at 300 mm")
            << Cantilever({{30, 100}}) << 0 << false << false << false;
        // 200 g at the tip: P L³/(3EI) = 40 mm, past 30 mm, at about 100 MPa.
        QTest::newRow("cantilever, 200 g at the tip")
            << Cantilever({{60, 200}}) << 0 << false << true << false;
        QTest::newRow("propped at 300 mm, 100 g at 150 mm")
            << Propped(30, {{15, 100}}) << 0 << false << false << false;
    }
    void WarningsWhereTheyApply() {
        QFETCH(TBeamLayout, layout);
        QFETCH(int, material);
        QFETCH(bool, liftOff);
        QFETCH(bool, large);
        QFETCH(bool, yield);
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        const TBeamDiagrams d = ComputeDiagrams(layout, theory, BeamSection(0, 19.05, 3.18, material));
        QCOMPARE(d.Warns(TWarningKind::LiftOff), liftOff);
        QCOMPARE(d.Warns(TWarningKind::LargeDeflection), large);
        QCOMPARE(d.Warns(TWarningKind::Yield), yield);
        const QString html = WorkedSolutionHtml(d);
        QCOMPARE(html.count(QStringLiteral("<b>Warning:</b>")), int(d.Warnings.size()));
        for (const TWarning& w : d.Warnings)
            QVERIFY(html.contains(WarningText(w).toHtmlEscaped()));
        if (liftOff) QVERIFY(html.contains(QStringLiteral("lifts off")));
    }

    // The worked solution reads correctly for every arrangement, in English and German number forms: its
    // arithmetic holds, the conventions are stated once, the units are converted where they change, every
    // load is mentioned, and no number keeps a point among decimal commas.
    void WorkedSolutionArithmetic_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<QString>("locale");
        const std::pair<const char*, TBeamLayout> layouts[] = {
            {"cantilever", Cantilever({{40, 500}, {60, 200}}, 10, 30)},
            {"propped", Propped(45, {{10, 200}, {60, 100}}, 15)},
            {"clamped both ends", FixedBothEnds({{10, 100}, {25, 400}, {50, 200}}, 5)},
            {"knife-edges, weight on a knife-edge",
             KnifeEdges(10, 45, {{0, 300}, {10, 100}, {30, 200}, {55, 500}})},
        };
        for (const auto& [name, layout] : layouts)
            for (const char* locale : {"en_US", "de_DE"})
                QTest::newRow(qPrintable(
                    QStringLiteral("%1, %2").arg(QString::fromLatin1(name), QString::fromLatin1(locale))))
                    << layout << QString::fromLatin1(locale);
    }
    void WorkedSolutionArithmetic() {
        QFETCH(TBeamLayout, layout);
        QFETCH(QString, locale);
        TProcessLocale process(locale.toLatin1() + ".UTF-8");
        const QLocale previous;
        QLocale::setDefault(QLocale(locale));
        const TBeamDiagrams d = Solve(layout).Diagrams;
        const QString html = WorkedSolutionHtml(d);
        QLocale::setDefault(previous);
        const TArithmetic a = CheckArithmetic(html, QLocale(locale));
        QVERIFY2(a.Failure.isEmpty(), qPrintable(a.Failure));
        QVERIFY2(a.Checked >= 5, qPrintable(QStringLiteral("%1 checks").arg(a.Checked)));
        QCOMPARE(html.count(QStringLiteral("Conventions.")), 1);
        for (const char* word : {"shear force V", "bending moment M", "slope θ", "deflection y"})
            QVERIFY2(html.contains(QString::fromUtf8(word)), word);
        QVERIFY(html.contains(QStringLiteral("1 kg = 1000 g")));
        QVERIFY(html.contains(QStringLiteral(" mm = ")));
        for (std::size_t k = 0; k < d.Loads.size(); ++k)
            QVERIFY2(html.count(QStringLiteral("W<sub>%1</sub>").arg(k + 1)) >= 3,
                     qPrintable(QString::number(k + 1)));
        if (locale == QStringLiteral("de_DE")) {
            QString text = html;
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
            const QRegularExpressionMatch point =
                QRegularExpression(QStringLiteral("[0-9]\\.[0-9]")).match(text);
            QVERIFY2(!point.hasMatch(),
                     qPrintable(text.mid(std::max<qsizetype>(0, point.capturedStart() - 40), 80)));
        }
    }

    // The direction words follow the signs: the clamp's couple of a cantilever turns anticlockwise, the right
    // clamp's of a clamped beam clockwise, a support pulling down says so, a rising gauge says upward.
    void DirectionWordsFollowTheSign() {
        const QString cantilever = WorkedSolutionHtml(Solve(Cantilever({{60, 200}})).Diagrams);
        QVERIFY(cantilever.contains(QStringLiteral("N·m</b> (anticlockwise on the beam)")));
        QVERIFY(!cantilever.contains(QStringLiteral(" (clockwise on the beam)")));
        const QString fixed = WorkedSolutionHtml(Solve(FixedBothEnds({{30, 300}})).Diagrams);
        QVERIFY(fixed.contains(QStringLiteral("N·m (clockwise on the beam) at B")));
        TBeamLayout overhang = KnifeEdges(30, 60, {{0, 100}});
        overhang.GaugeStation = 45;
        const QString lift = WorkedSolutionHtml(Solve(overhang).Diagrams);
        QVERIFY(lift.contains(QStringLiteral("(downward: the support would have to pull the beam down)")));
        QVERIFY2(lift.contains(QStringLiteral("mm</b> (upward), so the gauge reads")), qPrintable(lift));
    }

private:
    std::unique_ptr<TRecordingMessages> messages;
};

QTEST_APPLESS_MAIN(TestDiagrams)
#include "tst_diagrams.moc"
