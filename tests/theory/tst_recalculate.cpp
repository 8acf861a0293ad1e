// Recalculate's decisions: what it hands the view, when it warns, and what it stores.
#include <QtTest>
#include <cmath>

#include "RecordingPresenter.h"
#include "platform/MessageLayer.h"
#include "theory/BeamTheory.h"

using TCall = TRecordingPresenter::TCall;
Q_DECLARE_METATYPE(TCall)

class TestRecalculate : public QObject {
    Q_OBJECT
private slots:
    void UnsupportedLoadedBeamsWarn_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("empty hanger on a bare beam") << 0;
        QTest::newRow("single knife-edge with a weight") << 1;
        QTest::newRow("UDL on a single knife-edge") << 2;
        QTest::newRow("two knife-edges on one station") << 3;
    }
    void UnsupportedLoadedBeamsWarn() {
        QFETCH(int, kind);
        TRecordingMessages messages;
        TBeamLayout layout;
        switch (kind) {
        case 0:
            layout.HangerSlots[20].Mass = 0;
            break;
        case 1:
            layout.KnifeEdge2 = true;
            layout.KnifeEdge2Station = 30;
            layout.HangerSlots[30].Mass = 200;
            break;
        case 2:
            layout.KnifeEdge1 = true;
            layout.PlaceUDL(10);
            break;
        default:
            layout.KnifeEdge1 = layout.KnifeEdge2 = true;
            layout.KnifeEdge1Station = layout.KnifeEdge2Station = 30;
            layout.UpdateKnifeEdgeOrder();
            layout.HangerSlots[10].Mass = 300;
            layout.PlaceUDL(10);
            break;
        }
        TBeamTheory theory;
        theory.StationDeflection.fill(1.0f); // a previous result that must not survive
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        QCOMPARE(messages.Texts(), QStringList{UnsupportedBeamWarning});
        QCOMPARE(messages.Shown.front().Icon, TMsgIcon::Warning);
        QCOMPARE(messages.Shown.front().Buttons, TMsgButtons::Ok);
        QCOMPARE(view.Last, TCall::Clear);
        for (float y : theory.StationDeflection)
            QCOMPARE(y, 0.0f);
        // The loads stay where they are, and the warning comes again on the next run.
        QVERIFY(layout.Loaded());
        theory.Recalculate(layout, view);
        QCOMPARE(messages.Shown.size(), std::size_t(2));
    }

    void UnloadedBeamIsQuiet_data() {
        QTest::addColumn<bool>("leftClamp");
        QTest::addColumn<bool>("knifeEdge");
        QTest::newRow("no support") << false << false;
        QTest::newRow("single knife-edge") << false << true;
        QTest::newRow("cantilever") << true << false;
    }
    void UnloadedBeamIsQuiet() {
        QFETCH(bool, leftClamp);
        QFETCH(bool, knifeEdge);
        TRecordingMessages messages;
        TBeamLayout layout;
        layout.LeftClamp = leftClamp;
        layout.KnifeEdge1 = knifeEdge;
        TBeamTheory theory;
        theory.StationDeflection.fill(1.0f);
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        QVERIFY(messages.Shown.empty());
        QCOMPARE(view.Last, TCall::Clear);
        for (float y : theory.StationDeflection)
            QCOMPARE(y, 0.0f);
    }

    void ArrangementChoosesTheView_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<TCall>("call");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("gaugeMm"); // displayed at station 30, downward negative
        QTest::newRow("cantilever, 100 g at the tip") << 0 << TCall::Cantilever << -1 << -6.26;
        QTest::newRow("fixed both ends, 10 N/m") << 1 << TCall::FixedBothEnds << -1 << -0.958;
        QTest::newRow("knife-edges 10 and 50, 500 g at 30") << 2 << TCall::TwoSided << 1 << -1.86;
        QTest::newRow("knife-edge 2 props a clamp") << 3 << TCall::TwoSided << 1 << 0.0;
    }
    void ArrangementChoosesTheView() {
        QFETCH(int, kind);
        QFETCH(TCall, call);
        QFETCH(int, sign);
        QFETCH(double, gaugeMm);
        TRecordingMessages messages;
        TBeamLayout layout;
        switch (kind) {
        case 0:
            layout.LeftClamp = true;
            layout.HangerSlots[60].Mass = 100;
            break;
        case 1:
            layout.LeftClamp = layout.RightClamp = true;
            layout.PlaceUDL(10);
            break;
        case 2:
            layout.KnifeEdge1 = layout.KnifeEdge2 = true;
            layout.KnifeEdge1Station = 50;
            layout.KnifeEdge2Station = 10;
            layout.UpdateKnifeEdgeOrder();
            layout.HangerSlots[30].Mass = 500;
            break;
        default:
            // Knife-edge 2 alone props the clamp at 300 mm: the gauge there reads zero.
            layout.LeftClamp = true;
            layout.KnifeEdge2 = true;
            layout.KnifeEdge2Station = 30;
            layout.KnifeEdge1Station = 45;
            layout.HangerSlots[50].Mass = 200;
            break;
        }
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        QVERIFY(messages.Shown.empty());
        QCOMPARE(view.Last, call);
        QCOMPARE(DeflectionSign(theory.ComputedArrangement), sign);
        QVERIFY2(std::fabs(theory.DisplayedDeflectionMm(30) - gaugeMm) < 0.005,
                 qPrintable(QString::number(theory.DisplayedDeflectionMm(30))));
        QCOMPARE(view.Curve, theory.StationDeflection);
    }

    void UDLFollowsTheSupports() {
        // A UDL laid on two knife-edges is laid out again when the supports move.
        TBeamLayout layout;
        layout.KnifeEdge1 = layout.KnifeEdge2 = true;
        layout.KnifeEdge1Station = 10;
        layout.KnifeEdge2Station = 50;
        layout.UpdateKnifeEdgeOrder();
        layout.PlaceUDL(10);
        layout.KnifeEdge2Station = 40;
        layout.UpdateKnifeEdgeOrder();
        TBeamTheory theory;
        TRecordingPresenter view;
        int placed = 0;
        theory.PlaceUDL = [&placed](TBeamLayout& l) {
            ++placed;
            l.PlaceUDL(12);
        };
        theory.Recalculate(layout, view);
        QCOMPARE(placed, 1);
        QCOMPARE(layout.UDLStartStation, 10);
        QCOMPARE(layout.UDLEndStation, 40);
        QCOMPARE(layout.UDLIntensity, 12);
        // Overhangs stay straight lines through the supports: no UDL on them.
        QVERIFY(theory.StationDeflection[0] > 0.0f);
    }

    // Weights hung on a beam on knife-edges at 10 and 50 (100 g at 5, 300 g at 15), then the left knife-edge
    // moved to 20: both weights are now on the left overhang, and both bend it.
    // By hand, superposing the textbook overhang results (span L = 0.3 m, EI = 6.9e10 x 5.105e-11 = 3.5224
    // N m^2; a load P at arm a beyond a support deflects its tip by P a^2 (L + a)/(3EI) and leaves the
    // overhang beyond it straight with slope P a (3a + 2L)/(6EI)); the end of the beam is 0.20 m out:
    //   100 g at 5:  P = 0.980665 N, a = 0.15: 0.9807 x 0.0225 x 0.45/10.567 = 0.940 mm at the load,
    //                slope 0.9807 x 0.15 x 1.05/21.134 = 7.308e-3, over 0.05 m: 0.365 mm; together 1.305 mm
    //   300 g at 15: P = 2.941995 N, a = 0.05: 2.942 x 0.0025 x 0.35/10.567 = 0.244 mm at the load,
    //                slope 2.942 x 0.05 x 0.75/21.134 = 5.220e-3, over 0.15 m: 0.783 mm; together 1.027 mm
    // so the end of the beam is 2.33 mm down (counting the 300 g alone gave -1.03 mm).
    void SeveralWeightsOnAnOverhangAllCount() {
        TBeamLayout layout;
        layout.KnifeEdge1 = layout.KnifeEdge2 = true;
        layout.KnifeEdge1Station = 20;
        layout.KnifeEdge2Station = 50;
        layout.UpdateKnifeEdgeOrder();
        layout.HangerSlots[5].Mass = 100;
        layout.HangerSlots[15].Mass = 300;
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        QCOMPARE(view.Last, TCall::TwoSided);
        const double tip = theory.DisplayedDeflectionMm(0);
        QVERIFY2(std::fabs(tip - -2.332) <= 0.002, qPrintable(QString::number(tip, 'f', 4)));
        QVERIFY2(std::fabs(theory.Smallest * 1000.0 - -2.332) <= 0.002,
                 qPrintable(QString::number(theory.Smallest)));
        // At the 300 g hanger, d = 0.05 m from the support: its own 0.244 mm, plus the 100 g load's bending
        // between itself and the support, P d (3ad - d^2 + 2aL)/(6EI) = 0.9807 x 0.05 x (0.0225 - 0.0025 +
        // 0.09)/21.134 = 0.255 mm: 0.499 mm down.
        const double at15 = theory.DisplayedDeflectionMm(15);
        QVERIFY2(std::fabs(at15 - -0.499) <= 0.002, qPrintable(QString::number(at15, 'f', 4)));
    }

    void StiffnessScalesTheCurve() {
        // Deflection is inversely proportional to E I.
        TBeamLayout layout;
        layout.LeftClamp = true;
        layout.HangerSlots[45].Mass = 300;
        TBeamTheory a, b;
        b.ModulusE = a.ModulusE * 3.0f;
        TRecordingPresenter view;
        a.Recalculate(layout, view);
        b.Recalculate(layout, view);
        QVERIFY(std::fabs(a.StationDeflection[60] / b.StationDeflection[60] - 3.0f) < 1e-5f);
    }
};

QTEST_APPLESS_MAIN(TestRecalculate)
#include "tst_recalculate.moc"
