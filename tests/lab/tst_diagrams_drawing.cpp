// The diagrams picture painted into an image: aligned with the beam, jumps drawn as jumps, the cursor
// through every diagram with the core's values, and words instead of diagrams when nothing can be drawn.
#include <QImage>
#include <QtTest>

#include "RecordingPresenter.h"
#include "lab/DiagramsDrawing.h"
#include "platform/MessageLayer.h"

Q_DECLARE_METATYPE(TBeamLayout)

namespace {

const QSize PictureSize(760, 860);

TBeamDiagrams CentreLoad() {
    // Knife-edges at both ends, 500 g at mid-span: V jumps from +P/2 to -P/2 at 300 mm.
    TBeamLayout layout;
    layout.KnifeEdge1 = layout.KnifeEdge2 = true;
    layout.KnifeEdge2Station = 60;
    layout.UpdateKnifeEdgeOrder();
    layout.HangerSlots[30].Mass = 500;
    TBeamTheory theory;
    TRecordingPresenter view;
    theory.Recalculate(layout, view);
    return ComputeDiagrams(layout, theory);
}

QImage Paint(const TBeamDiagrams& d, std::optional<double> cursor = std::nullopt) {
    QImage image(PictureSize, QImage::Format_ARGB32);
    image.fill(Qt::red); // the picture must cover all of it
    QPainter painter(&image);
    PaintDiagrams(painter, PictureSize, d, cursor);
    return image;
}

// Rows of a column whose pixel is close to the colour.
int CountNear(const QImage& image, int x, int top, int bottom, QColor colour, int tolerance = 40) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - colour.red()) < tolerance &&
            std::abs(c.green() - colour.green()) < tolerance &&
            std::abs(c.blue() - colour.blue()) < tolerance)
            ++n;
    }
    return n;
}

const QColor ShearBlue(20, 90, 200);
const QColor CursorGreen(0, 130, 90);

} // namespace

class TestDiagramsDrawing : public QObject {
    Q_OBJECT
private slots:
    // One x axis for the beam and all four diagrams; the mouse maps back to the same millimetre.
    void PositionsLineUp() {
        const TDiagramsGeometry g = DiagramsGeometry(PictureSize);
        for (const QRectF& band : g.Bands) {
            QCOMPARE(band.left(), g.PixelOf(0.0));
            QCOMPARE(band.right(), g.PixelOf(600.0));
            QVERIFY(band.top() > g.FreeBody.bottom());
        }
        for (int k = 1; k < DiagramCount; ++k)
            QVERIFY(g.Bands[k].top() >= g.Bands[k - 1].bottom());
        for (double mm : {0.0, 123.0, 600.0}) {
            const auto at = DiagramsPositionAt(PictureSize, QPointF(g.PixelOf(mm), g.Bands[2].center().y()));
            QVERIFY(at);
            QVERIFY(std::abs(*at - mm) < 1e-9);
        }
        QVERIFY(!DiagramsPositionAt(PictureSize, QPointF(g.Left - 5.0, g.Bands[0].center().y())));
        QVERIFY(!DiagramsPositionAt(PictureSize, QPointF(g.PixelOf(300.0), g.Axis.bottom() - 2.0)));
    }

    // The shear jumps at the load: a vertical run of the curve's colour in the column of 300 mm, as long as
    // the jump; a column a little to the side has only the flat curve.
    void ShearJumpIsDrawnAsAJump() {
        const TBeamDiagrams d = CentreLoad();
        const QImage image = Paint(d);
        const TDiagramsGeometry g = DiagramsGeometry(PictureSize);
        const QRectF band = g.Bands[int(TDiagramKind::Shear)];
        const int atLoad = int(std::lround(g.PixelOf(300.0)));
        const int aside = int(std::lround(g.PixelOf(200.0)));
        const int run = CountNear(image, atLoad, int(band.top()), int(band.bottom()), ShearBlue);
        const int flat = CountNear(image, aside, int(band.top()), int(band.bottom()), ShearBlue);
        QVERIFY2(run > band.height() * 0.4, qPrintable(QStringLiteral("jump %1 px").arg(run)));
        QVERIFY2(flat < 6, qPrintable(QStringLiteral("flat part %1 px").arg(flat)));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    }

    // The cursor crosses the free-body diagram and all four diagrams; its texts are the core's values.
    void CursorRunsThroughEveryDiagram() {
        const TBeamDiagrams d = CentreLoad();
        const double mm = 150.0;
        const TDiagramsGeometry g = DiagramsGeometry(PictureSize);
        const int x = int(std::round(g.PixelOf(mm)));
        const QImage without = Paint(d);
        const QImage with = Paint(d, mm);
        for (int k = 0; k < DiagramCount; ++k) {
            const QRectF band = g.Bands[k];
            const int top = int(band.top()) + 24, bottom = int(band.bottom());
            // (the slope curve is a green too: the cursor's own shade is matched closely)
            QVERIFY2(CountNear(with, x, top, bottom, CursorGreen, 16) > 10, qPrintable(QString::number(k)));
            QCOMPARE(CountNear(without, x, top, bottom, CursorGreen, 16), 0);
        }
        const TCursorReadout r = CursorReadout(d, mm);
        QCOMPARE(r.Position, QStringLiteral("x = 150 mm"));
        QCOMPARE(r.Values[0], QStringLiteral("V = %1 N").arg(DiagramNumber(500 * 0.00980665 / 2.0)));
        QCOMPARE(r.Values[1], QStringLiteral("M = %1 N·m").arg(DiagramNumber(500 * 0.00980665 / 2.0 * 0.15)));
        QCOMPARE(r.Values[2], QStringLiteral("θ = %1 mrad").arg(DiagramNumber(d.SlopeAt(mm))));
        QCOMPARE(r.Values[3], QStringLiteral("y = %1 mm").arg(DiagramNumber(d.DeflectionAt(mm))));
    }

    // Labels never overprint and never leave the picture, however crowded the beam and at every size the
    // window can give the picture: the reactions of knife-edges 10 mm apart, five weights within 40 mm, a
    // UDL with loads on it, a clamp's moment by the first diagram's title, warnings at the top.
    void LabelsNeverCollide_data() {
        QTest::addColumn<TBeamLayout>("layout");
        TBeamLayout close;
        close.KnifeEdge1 = close.KnifeEdge2 = true;
        close.KnifeEdge1Station = 27;
        close.KnifeEdge2Station = 28;
        close.UpdateKnifeEdgeOrder();
        close.HangerSlots[10].Mass = 300;
        close.HangerSlots[40].Mass = 100;
        QTest::newRow("knife-edges 10 mm apart") << close;
        TBeamLayout five;
        five.LeftClamp = true;
        for (int s = 40; s <= 44; ++s)
            five.HangerSlots[s].Mass = 100 * (s - 39);
        QTest::newRow("cantilever, five weights within 40 mm") << five;
        TBeamLayout udl;
        udl.KnifeEdge1 = udl.KnifeEdge2 = true;
        udl.KnifeEdge1Station = 0;
        udl.KnifeEdge2Station = 60;
        udl.UpdateKnifeEdgeOrder();
        for (int s : {29, 30, 31, 58, 59})
            udl.HangerSlots[s].Mass = 200;
        udl.PlaceUDL(20);
        QTest::newRow("knife-edges, UDL and loads on it") << udl;
        TBeamLayout fixed;
        fixed.LeftClamp = fixed.RightClamp = true;
        fixed.HangerSlots[1].Mass = 500;
        fixed.HangerSlots[59].Mass = 500;
        fixed.PlaceUDL(50);
        QTest::newRow("clamped both ends, loads by the clamps, UDL") << fixed;
        TBeamLayout heavy;
        heavy.LeftClamp = true;
        heavy.PlaceUDL(50);
        heavy.HangerSlots[60].Mass = 500;
        QTest::newRow("cantilever past yield, warnings") << heavy;
        TBeamLayout lift;
        lift.KnifeEdge1 = lift.KnifeEdge2 = true;
        lift.KnifeEdge1Station = 30;
        lift.KnifeEdge2Station = 31;
        lift.UpdateKnifeEdgeOrder();
        lift.HangerSlots[0].Mass = 500;
        lift.HangerSlots[60].Mass = 100;
        QTest::newRow("lift-off, supports 10 mm apart") << lift;
    }
    void LabelsNeverCollide() {
        QFETCH(TBeamLayout, layout);
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        const TBeamDiagrams d = ComputeDiagrams(layout, theory, BeamSection(0, 19.05, 3.18, 0));
        QVERIFY(d.Drawable);
        // The canvas's minimum, the 1366 x 768 screen's share, the window's usual and a large screen's.
        for (const QSize size : {QSize(560, 600), QSize(600, 590), QSize(740, 860), QSize(1280, 1100)}) {
            for (const std::optional<double> cursor :
                 {std::optional<double>(), std::optional<double>(300.0)}) {
                QImage image(size, QImage::Format_ARGB32);
                std::vector<QRectF> boxes;
                {
                    QPainter painter(&image);
                    PaintDiagrams(painter, size, d, cursor, &boxes, -1.23);
                }
                const QString where = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
                QVERIFY(boxes.size() >= 8);
                const QRectF picture(QPointF(0, 0), size);
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    QVERIFY2(picture.contains(boxes[i]),
                             qPrintable(where + QStringLiteral(": label %1 outside").arg(i)));
                    for (std::size_t j = i + 1; j < boxes.size(); ++j)
                        QVERIFY2(
                            !boxes[i].intersects(boxes[j]),
                            qPrintable(where + QStringLiteral(": labels %1 and %2 overlap").arg(i).arg(j)));
                }
                // The axis title is the last thing under the diagrams: it ends inside.
                const TDiagramsGeometry g = DiagramsGeometry(size, int(d.Warnings.size()));
                QVERIFY2(g.Axis.top() + 36.0 <= size.height(), qPrintable(where));
                if (qEnvironmentVariableIsSet("FERRANT_SHOTS"))
                    image.save(QStringLiteral("/tmp/labels-%1-%2%3.png")
                                   .arg(QString::fromLatin1(QTest::currentDataTag())
                                            .replace(QLatin1Char(' '), QLatin1Char('_')))
                                   .arg(size.width())
                                   .arg(cursor ? QStringLiteral("-cursor") : QString()));
            }
        }
    }

    void NothingToDrawShowsOnlyWords() {
        TRecordingMessages messages;
        TBeamLayout layout;
        layout.HangerSlots[10].Mass = 100;
        TBeamTheory theory;
        TRecordingPresenter view;
        theory.Recalculate(layout, view);
        const TBeamDiagrams d = ComputeDiagrams(layout, theory);
        const QImage image = Paint(d, 300.0);
        const TDiagramsGeometry g = DiagramsGeometry(PictureSize);
        int coloured = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                if (c.saturation() > 80) ++coloured;
            }
        QCOMPARE(coloured, 0); // no curve, no cursor, no red background left
        QVERIFY(image.pixelColor(int(g.PixelOf(300.0)), int(g.Bands[3].center().y())) == QColor(Qt::white));
    }
};

QTEST_MAIN(TestDiagramsDrawing)
#include "tst_diagrams_drawing.moc"
