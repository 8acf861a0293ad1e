// The set-up in words, from a layout and its Recalculate, as a screen reader hears the apparatus picture.
// Deflections are hand calculations: E = 69 GPa, I = 19.05 x 3.18^3 / 12 = 51.05 mm^4, EI = 3.522 N m^2.

#include <QtTest>

#include "RecordingPresenter.h"
#include "platform/MessageLayer.h"
#include "theory/BeamTheory.h"
#include "theory/SetupDescription.h"

Q_DECLARE_METATYPE(TBeamLayout)

class TSetupDescriptionTest : public QObject {
    Q_OBJECT
private slots:
    void Words_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << TBeamLayout{} << "No supports; no load; dial gauge at 300 mm";

        // 300 g at midspan of a 400 mm span: PL^3/48EI = 2.942 x 0.064 / 169.1 = 1.114 mm down, the largest;
        // the 100 mm overhangs rise with the end slope PL^2/16EI = 2.942 x 0.16 / 56.35 = 8.35e-3 rad, by
        // 0.835 mm at both ends (the first, 0 mm, is named).
        TBeamLayout simple;
        simple.KnifeEdge1 = simple.KnifeEdge2 = true;
        simple.KnifeEdge1Station = 50;
        simple.KnifeEdge2Station = 10;
        simple.UpdateKnifeEdgeOrder();
        simple.HangerSlots[30].Mass = 300;
        QTest::newRow("simply supported, 300 g at midspan")
            << simple
            << "Simply supported on knife-edges at 100 and 500 mm; 300 g at 300 mm; dial gauge at 300 mm; "
               "theoretical deflection at the gauge -1.11 mm; largest downward deflection -1.11 mm at 300 "
               "mm; "
               "largest upward deflection 0.84 mm at 0 mm";

        // 200 g at the tip of a 600 mm cantilever: PL^3/3EI = 1.961 x 0.216 / 10.567 = 40.09 mm down.
        TBeamLayout cantilever;
        cantilever.LeftClamp = true;
        cantilever.HangerSlots[60].Mass = 200;
        cantilever.GaugeStation = 60;
        QTest::newRow("cantilever, 200 g at the tip")
            << cantilever
            << "Cantilever clamped at the left end; 200 g at 600 mm; dial gauge at 600 mm; theoretical "
               "deflection at the gauge -40.09 mm; largest downward deflection -40.09 mm at 600 mm";

        TBeamLayout one;
        one.KnifeEdge1 = true;
        one.KnifeEdge1Station = 20;
        one.HangerSlots[30].Mass = 100;
        QTest::newRow("one knife-edge: no theory to tell")
            << one << "One knife-edge at 200 mm, not supported; 100 g at 300 mm; dial gauge at 300 mm";
    }
    void Words() {
        QFETCH(TBeamLayout, layout);
        QFETCH(QString, expected);
        TRecordingMessages messages; // the unsupported beam's warning
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        QCOMPARE(DescribeSetup(layout, theory), expected);
    }

    // A weight on the overhang lifts the span: both extremes are told, each where it is.
    void OverhangTellsUpwardAndDownward() {
        TBeamLayout l;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 10;
        l.KnifeEdge2Station = 50;
        l.UpdateKnifeEdgeOrder();
        l.HangerSlots[60].Mass = 100;
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(l, view);
        const QString words = DescribeSetup(l, theory);
        QVERIFY2(words.contains("largest downward deflection -") && words.contains("at 600 mm") &&
                     words.contains("largest upward deflection "),
                 qPrintable(words));
    }
};

QTEST_APPLESS_MAIN(TSetupDescriptionTest)
#include "tst_setup_description.moc"
