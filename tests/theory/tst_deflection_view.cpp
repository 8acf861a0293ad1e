// The deflection view: scales, label texts and curve positions of the worked examples, and the bitmap and
// labels of the real widget.
#include <QLabel>
#include <QtTest>
#include <cmath>

#include "RecordingPresenter.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "theory/DeflectionView.h"

namespace {

TDeflectionCurve Computed(TBeamLayout layout, TBeamTheory& theory) {
    TRecordingPresenter recorder;
    theory.Recalculate(layout, recorder);
    return theory.StationDeflection;
}

TBeamLayout CantileverTipLoad() {
    TBeamLayout l;
    l.LeftClamp = true;
    l.HangerSlots[60].Mass = 100;
    return l;
}

TBeamLayout KnifeEdgesCentralLoad() {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 10;
    l.KnifeEdge2Station = 50;
    l.UpdateKnifeEdgeOrder();
    l.HangerSlots[30].Mass = 500;
    return l;
}

TBeamLayout ClampedUDL() {
    TBeamLayout l;
    l.LeftClamp = l.RightClamp = true;
    l.PlaceUDL(10);
    return l;
}

const QString Tab = QStringLiteral("\t");

// The width the label paints its text in: QLabel expands tabs to its own stops (QFontMetrics'
// horizontalAdvance would count a tab as 80 pixels and overstate the readouts).
int PaintedTextWidth(const QLabel* label) {
    return label->fontMetrics()
        .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextExpandTabs, label->text())
        .width();
}

// A curve that is zero except at the gauge (station 30) and the free end, metres.
TDeflectionCurve GaugeAndEnd(float gauge, float end) {
    TDeflectionCurve c{};
    c[30] = gauge;
    c[60] = end;
    return c;
}

enum class TDrawingKind { Cantilever, FixedBothEnds, TwoSided, ProppedCantileverLayout };

} // namespace

Q_DECLARE_METATYPE(TDrawingKind)

class TestDeflectionView : public QObject {
    Q_OBJECT
private slots:
    void CantileverDrawingOfTheWorkedExample() {
        TBeamTheory theory;
        const TDeflectionDrawing d = CantileverDrawing(Computed(CantileverTipLoad(), theory), 30);
        QCOMPARE(d.MaxDeflection, QStringLiteral("0"));
        QCOMPARE(d.MinDeflection, QStringLiteral("-21"));
        QCOMPARE(d.ZeroLineY, 359.0);
        QCOMPARE(*d.Negative, QStringLiteral("Max -ve deflection:") + Tab + QStringLiteral("-20.05 mm"));
        QCOMPARE(*d.Positive, QString());
        QCOMPARE(d.DialGauge, QStringLiteral("-6.26 mm"));
        QCOMPARE(int(d.Curve.size()), 61);
        // Evenly spaced from 88 to 441, not the station table: point 1 sits at 88 + 353/60.
        QCOMPARE(d.Curve[1].X, 88 + 353.0 / 60.0);
        QCOMPARE(d.Curve[60].X, 441.0);
        QVERIFY2(std::fabs(d.Curve[60].Y - 473.5) < 0.05, qPrintable(QString::number(d.Curve[60].Y)));
    }

    void TwoSidedDrawingOfTheWorkedExample() {
        TBeamTheory theory;
        const TDeflectionCurve c = Computed(KnifeEdgesCentralLoad(), theory);
        const TDeflectionDrawing d = TwoSidedDrawing(c, theory.Largest, theory.Smallest, 30);
        QCOMPARE(d.TopScale, 1.5);
        QCOMPARE(d.BottomScale, -2.0);
        QCOMPARE(d.ZeroOffset, 51);
        QCOMPARE(d.ZeroLineY, 410.0);
        QCOMPARE(d.MaxDeflection, QStringLiteral("1.5"));
        QCOMPARE(d.MinDeflection, QStringLiteral("-2"));
        QCOMPARE(*d.Positive, QStringLiteral("Max +ve deflection:") + Tab + QStringLiteral("1.39 mm"));
        QCOMPARE(*d.Negative, QStringLiteral("Max -ve deflection:") + Tab + QStringLiteral("-1.86 mm"));
        QCOMPARE(d.DialGauge, QStringLiteral("-1.86 mm"));
        // The supports lie on the zero line; x follows the station table.
        QCOMPARE(d.Curve[10].Y, 410.0);
        QCOMPARE(d.Curve[13].X, 164.0);
    }

    void FixedBothEndsDrawingOfTheWorkedExample() {
        TBeamTheory theory;
        const TDeflectionCurve c = Computed(ClampedUDL(), theory);
        const TDeflectionDrawing d = FixedBothEndsDrawing(c, theory.Largest, 30);
        QCOMPARE(d.MinDeflection, QStringLiteral("-1"));
        QCOMPARE(d.MaxDeflection, QStringLiteral("0"));
        QVERIFY2(std::fabs(d.Curve[30].Y - 474.0) < 0.05, qPrintable(QString::number(d.Curve[30].Y)));
    }

    void TwoSidedScales_data() {
        QTest::addColumn<float>("largest");
        QTest::addColumn<float>("smallest");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("bottom");
        QTest::addColumn<QString>("topText");
        QTest::addColumn<QString>("bottomText");
        QTest::newRow("no upward deflection gets half a step") << 0.0f << -0.0013f << 0.5 << -1.5 << "0.5"
                                                               << "-1.5";
        QTest::newRow("exactly -2 mm touches the bottom") << 0.0004f << -0.002f << 0.5 << -2.0 << "0.5"
                                                          << "-2";
        QTest::newRow("exactly 2 mm gets headroom") << 0.002f << -0.0004f << 2.5 << -0.5 << "2.5"
                                                    << "-0.5";
        QTest::newRow("nothing below zero") << 0.0011f << 0.0f << 1.5 << -0.5 << "1.5"
                                            << "-0.5";
        QTest::newRow("rounds to even") << 0.0025f << -0.0035f << 2.5 << -4.0 << "2.5"
                                        << "-4";
    }
    void TwoSidedScales() {
        QFETCH(float, largest);
        QFETCH(float, smallest);
        QFETCH(double, top);
        QFETCH(double, bottom);
        QFETCH(QString, topText);
        QFETCH(QString, bottomText);
        const TDeflectionDrawing d = TwoSidedDrawing(TDeflectionCurve{}, largest, smallest, 30);
        QCOMPARE(d.TopScale, top);
        QCOMPARE(d.BottomScale, bottom);
        QCOMPARE(d.MaxDeflection, topText);
        QCOMPARE(d.MinDeflection, bottomText);
    }

    // Long scale values and four- to six-digit readouts, as a student reaches them with a soft material, a
    // thin bar and heavy loads. Each label shows its whole text and keeps its design anchor: the scale
    // labels their right edge (x 77), the readouts their left edge, or the panel's right edge (752) where
    // the text would run past it; the gauge readout never covers its caption.
    void LabelsShowTheirWholeText_data() {
        QTest::addColumn<TDrawingKind>("kind");
        QTest::addColumn<float>("largest"); // m; two-sided and fixed both ends
        QTest::addColumn<float>("smallest");
        QTest::addColumn<float>("gauge"); // curve value at the gauge, m
        QTest::addColumn<float>("end");   // curve value at the free end, m
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("gaugeText");
        // Clamp and knife-edge both at 0 mm carry 500 g at 600 mm like a cantilever:
        // P L^3 / (3 E I) = 4.9033 N x 0.216 m^3 / (3 x 6.9e10 Pa x 5.105e-11 m^4) = 0.1002 m, so the bottom
        // scale is -100 less half a step.
        QTest::newRow("clamp and knife-edge at 0 mm, 500 g at 600 mm: -100.5")
            << TDrawingKind::ProppedCantileverLayout << 0.0f << 0.0f << 0.0f << 0.0f << "-100.5" << QString();
        // N = round(1992.6 + 0.5) = 1993; the gauge reads -1234.56 to 4 significant digits.
        QTest::newRow("cantilever, four digits")
            << TDrawingKind::Cantilever << 0.0f << 0.0f << 1.23456f << 1.9926f << "-1993"
            << "-1235.00 mm";
        // N = round(255233.4 + 0.5) = 255234; the readouts 255233.4 and 99987.7 to 4 significant digits.
        QTest::newRow("cantilever, six digits")
            << TDrawingKind::Cantilever << 0.0f << 0.0f << 99.9877f << 255.2334f << "-255234"
            << "-99990.00 mm";
        // S = 19927 + 0.5, written to 4 significant digits.
        QTest::newRow("fixed both ends, five digits")
            << TDrawingKind::FixedBothEnds << 19.9272f << 0.0f << 19.9272f << 0.0f << "-1.993E4"
            << "-19930.00 mm";
        // Bottom scale round(-19932.8) = -19933, already below the smallest value.
        QTest::newRow("two-sided, five digits both ways")
            << TDrawingKind::TwoSided << 19.9172f << -19.9328f << -19.9328f << 0.0f << "-1.993E4"
            << "-19930.00 mm";
    }
    void LabelsShowTheirWholeText() {
        QFETCH(TDrawingKind, kind);
        QFETCH(float, largest);
        QFETCH(float, smallest);
        QFETCH(float, gauge);
        QFETCH(float, end);
        QFETCH(QString, minText);
        QFETCH(QString, gaugeText);
        InstallDesignFontSubstitutes();
        QWidget panel;
        panel.resize(752, 491);
        panel.setFont(QFont(QStringLiteral("Tahoma"), 8)); // the window's font, inherited by the readouts
        TDeflectionView view(&panel);
        panel.show();
        // Start from long texts, so a label that does not shrink back is seen too.
        view.ShowCantileverDeflection(GaugeAndEnd(-99.9877f, 255.2334f), 30);
        switch (kind) {
        case TDrawingKind::Cantilever:
            view.ShowCantileverDeflection(GaugeAndEnd(gauge, end), 30);
            break;
        case TDrawingKind::FixedBothEnds:
            view.ShowFixedBothEndsDeflection(GaugeAndEnd(gauge, end), largest, 30);
            break;
        case TDrawingKind::TwoSided:
            view.ShowTwoSidedDeflection(GaugeAndEnd(gauge, end), largest, smallest, 30);
            break;
        case TDrawingKind::ProppedCantileverLayout: {
            TBeamLayout layout;
            layout.LeftClamp = true;
            layout.KnifeEdge1 = true;
            layout.KnifeEdge1Station = 0;
            layout.UpdateKnifeEdgeOrder();
            layout.HangerSlots[60].Mass = 500;
            TBeamTheory theory;
            theory.Recalculate(layout, view);
            break;
        }
        }
        QCOMPARE(view.MinDeflectionLbl->text(), minText);
        if (!gaugeText.isEmpty()) QCOMPARE(view.DialGaugeDeflection->text(), gaugeText);
        view.PositiveDeflectLbl->show();
        view.NegativeDeflectLbl->show();
        TFittedLabel* caption = view.DeflectionLabel;
        for (const TFittedLabel* label :
             {view.MaxDeflectionLbl, view.MinDeflectionLbl, view.PositiveDeflectLbl, view.NegativeDeflectLbl,
              caption, view.DialGaugeDeflection}) {
            const QString what = label->objectName() + QStringLiteral(" \"") + label->text() +
                                 QStringLiteral("\" at ") + QString::number(label->x()) +
                                 QStringLiteral(" width ") + QString::number(label->width());
            QVERIFY2(PaintedTextWidth(label) <= label->contentsRect().width(), qPrintable(what));
            QVERIFY2(label->x() >= 0 && label->geometry().right() < 752, qPrintable(what));
            QCOMPARE(label->y(), label->Design().y());
            if (label == caption && label->x() != label->Design().x())
                // Moved left just enough for a readout that reached the panel's edge.
                QCOMPARE(label->geometry().right() + 1, view.DialGaugeDeflection->x());
            else if (label->alignment() & Qt::AlignRight)
                QCOMPARE(label->geometry().right(), label->Design().right());
            else if (label->Design().left() + label->width() <= 752)
                QCOMPARE(label->x(), label->Design().x());
            else
                QCOMPARE(label->geometry().right(), 751);
        }
        // The readout starts after its caption's text.
        const int captionTextRight = caption->x() + PaintedTextWidth(caption);
        QVERIFY2(captionTextRight <= view.DialGaugeDeflection->x(),
                 qPrintable(QString("caption ends %1, readout starts %2")
                                .arg(captionTextRight)
                                .arg(view.DialGaugeDeflection->x())));
    }

    void EmptyBeamOnTheWidget() {
        QWidget panel;
        panel.resize(752, 491);
        TDeflectionView view(&panel);
        view.NegativeDeflectLbl->setText(QStringLiteral("kept"));
        view.NegativeDeflectLbl->show();
        view.ClearDeflectionView();
        QCOMPARE(view.MaxDeflectionLbl->text(), QStringLiteral("0"));
        QCOMPARE(view.MinDeflectionLbl->text(), QStringLiteral("-1"));
        QCOMPARE(view.DialGaugeDeflection->text(), QStringLiteral("0.00 mm"));
        QVERIFY(view.NegativeDeflectLbl->isHidden());
        QCOMPARE(view.NegativeDeflectLbl->text(), QStringLiteral("kept"));
        const QImage& bmp = view.TheoryImage->Bitmap;
        QCOMPARE(bmp.size(), QSize(366, 136));
        QCOMPARE(bmp.format(), QImage::Format_ARGB32);
        // Zero line at panel y 359 and 360 = bitmap rows 6 and 7, from x 88 (clipped at 0) to 451 (bitmap
        // 362).
        for (int x : {0, 100, 362}) {
            QCOMPARE(bmp.pixel(x, 6), 0xFF000000u);
            QCOMPARE(bmp.pixel(x, 7), 0xFF000000u);
        }
        QCOMPARE(bmp.pixel(364, 6), 0xFFFFFFFFu);
        QCOMPARE(bmp.pixel(100, 5), 0xFFFFFFFFu);
        QCOMPARE(bmp.pixel(100, 8), 0xFFFFFFFFu);
        QCOMPARE(bmp.pixel(200, 100), 0xFFFFFFFFu);
    }

    void CurveDrawnWhereTheDrawingSays() {
        QWidget panel;
        panel.resize(752, 491);
        TDeflectionView view(&panel);
        TBeamTheory theory;
        TBeamLayout layout = KnifeEdgesCentralLoad();
        theory.Recalculate(layout, view);
        const QImage& bmp = view.TheoryImage->Bitmap;
        // Zero line at 410/411 -> rows 57/58; mid-span point (x 265, y ~ 410 + 1.856/2*69 = 474) is dark.
        QCOMPARE(bmp.pixel(5, 57), 0xFF000000u);
        const int midRow = int(std::lround(view.LastDrawing().Curve[30].Y)) - 353;
        QVERIFY2(qGray(bmp.pixel(265 - 89, midRow)) < 160, qPrintable(QString::number(midRow)));
        QCOMPARE(view.PositiveDeflectLbl->text(),
                 QStringLiteral("Max +ve deflection:") + Tab + QStringLiteral("1.39 mm"));
        QVERIFY(!view.PositiveDeflectLbl->isHidden());
        QVERIFY(!view.NegativeDeflectLbl->isHidden());
        QCOMPARE(view.DialGaugeDeflection->text(), QStringLiteral("-1.86 mm"));
    }

    void ReadoutsStayHiddenOutsideVirtualMode() {
        QWidget panel;
        TDeflectionView view(&panel);
        view.VirtualExperiments = false;
        TBeamTheory theory;
        TBeamLayout layout = CantileverTipLoad();
        theory.Recalculate(layout, view);
        QVERIFY(view.NegativeDeflectLbl->isHidden());
        QCOMPARE(view.NegativeDeflectLbl->text(),
                 QStringLiteral("Max -ve deflection:") + Tab + QStringLiteral("-20.05 mm"));
        QCOMPARE(view.MinDeflectionLbl->text(), QStringLiteral("-21"));
    }

    void OneRepaintPerDrawing() {
        QWidget panel;
        panel.resize(752, 491);
        TDeflectionView view(&panel);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCoreApplication::processEvents();
        const int before = view.TheoryImage->Repaints;
        TBeamTheory theory;
        TBeamLayout layout = ClampedUDL();
        theory.Recalculate(layout, view);
        QTRY_COMPARE(view.TheoryImage->Repaints, before + 1);
        QCoreApplication::processEvents();
        QCOMPARE(view.TheoryImage->Repaints, before + 1);
    }
};

QTEST_MAIN(TestDeflectionView)
#include "tst_deflection_view.moc"
