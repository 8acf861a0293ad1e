// The plane-frame solver behind the module pictures' deflected shapes and readings, against the textbook
// results for the structures the pictures draw: a cantilever, a continuous beam, a truss, and a mechanism.
#include <QtTest>

#include "resources/artwork/Frame.h"

using Art::TFrame;

class TFrameTest : public QObject {
    Q_OBJECT
private slots:
    // A tip load P on a cantilever of length L: the tip drops P L^3 / 3EI and turns P L^2 / 2EI; the drawn
    // shape leaves the clamp along the member, at the clamp's angle, and ends on the displaced tip.
    void CantileverTip() {
        TFrame frame;
        const int root = frame.Joint({0, 0}), tip = frame.Joint({400, 0});
        frame.Chain(root, tip, 8);
        frame.Fix(root, true, true, true);
        constexpr double p = 10;
        frame.Load(tip, {0, p});
        QVERIFY(frame.Solve());
        const double ei = frame.E * frame.Second;
        QCOMPARE(frame.Displacement(tip).y(), p * 400 * 400 * 400 / (3 * ei));
        QVERIFY(qAbs(frame.Displacement(tip).x()) < 1e-9);
        QCOMPARE(frame.Rotation(tip), p * 400 * 400 / (2 * ei));
        const QPointF reaction = frame.Reaction(root);
        QVERIFY(qAbs(reaction.y() + p) < 1e-9);
        // The first member's drawn shape starts at the clamp, level there (against the tip's turn), and ends
        // on its displaced joint.
        const std::vector<QPointF> shape = frame.Shape(0, 1, 20);
        QCOMPARE(shape.front(), QPointF(0, 0));
        const double slope = (shape[1].y() - shape[0].y()) / (shape[1].x() - shape[0].x());
        QVERIFY2(qAbs(slope) < 0.02 * frame.Rotation(tip), qPrintable(QString::number(slope)));
        const int second = frame.Members[0].B;
        QVERIFY((shape.back() - (frame.Joints[second] + frame.Displacement(second))).manhattanLength() <
                1e-9);
    }

    // Two equal spans with a load P at each mid-span: the end reactions are 5P/16, the middle one 22P/16.
    void ContinuousBeamReactions() {
        TFrame beam;
        std::vector<int> joints;
        for (int i = 0; i <= 4; ++i)
            joints.push_back(beam.Joint({100.0 * i, 0}));
        for (int i = 0; i < 4; ++i)
            beam.Member(joints[i], joints[i + 1]);
        beam.Fix(joints[0], true, true, false);
        beam.Fix(joints[2], false, true, false);
        beam.Fix(joints[4], false, true, false);
        constexpr double p = 16;
        beam.Load(joints[1], {0, p});
        beam.Load(joints[3], {0, p});
        QVERIFY(beam.Solve());
        QCOMPARE(-beam.Reaction(joints[0]).y(), 5.0);
        QCOMPARE(-beam.Reaction(joints[2]).y(), 22.0);
        QCOMPARE(-beam.Reaction(joints[4]).y(), 5.0);
    }

    // A triangle of pin-ended bars, 3-4-5, loaded at its apex: statics gives each bar's force.
    void TrussForces() {
        TFrame truss;
        const int a = truss.Joint({0, 0}), b = truss.Joint({600, 0}), c = truss.Joint({300, -400});
        const int tie = truss.Member(a, b, true), left = truss.Member(a, c, true),
                  right = truss.Member(c, b, true);
        truss.Fix(a, true, true, false);
        truss.Fix(b, false, true, false);
        truss.Load(c, {0, 80});
        QVERIFY(truss.Solve());
        // Each rafter carries half the load upward over sin = 4/5: 50 N compression; the tie 30 N tension.
        QCOMPARE(truss.AxialForce(left), -50.0);
        QCOMPARE(truss.AxialForce(right), -50.0);
        QCOMPARE(truss.AxialForce(tie), 30.0);
    }

    // Four bars in a square with no diagonal fold: the solver says so instead of answering.
    void MechanismIsRefused() {
        TFrame truss;
        const int a = truss.Joint({0, 0}), b = truss.Joint({100, 0}), c = truss.Joint({100, -100}),
                  d = truss.Joint({0, -100});
        truss.Member(a, b, true);
        truss.Member(b, c, true);
        truss.Member(c, d, true);
        truss.Member(d, a, true);
        truss.Fix(a, true, true, false);
        truss.Fix(b, false, true, false);
        truss.Load(c, {5, 0});
        QVERIFY(!truss.Solve());
    }
};

QTEST_MAIN(TFrameTest)
#include "tst_frame.moc"
