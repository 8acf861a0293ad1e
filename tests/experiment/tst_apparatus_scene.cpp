// The apparatus painted from the layout alone is the window's own picture: for layouts built on the real
// window (clamps, knife-edges, every arrow length, fixed and variable weights, the UDL, the gauge moved), the
// painted region and a grab of the window's panel agree pixel for pixel, apart from the antialiased edges of
// the few texts. A piece left out, moved or stacked differently shows as a block of differing pixels.
#include <QtTest>

#include "experiment/ApparatusScene.h"
#include "experiment/VEK4.h"
#include "model/PlacementRules.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "widgets/IntegerSpinEdit.h"

namespace {

void Drop(TVEK4Form& w, const TDragSource& source, const TDropTarget& target) {
    w.ApplyDrop(DragAndDrop(w.Layout, source, target));
}

// The largest square of differing pixels found anywhere: texts differ by scattered edge pixels at most, a
// missing or moved piece by a block.
struct TDifference {
    int Pixels = 0;
    QRect Bounds;
};
TDifference Compare(const QImage& a, const QImage& b) {
    TDifference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++d.Pixels;
                d.Bounds |= QRect(x, y, 1, 1);
            }
    return d;
}

} // namespace

class TApparatusSceneTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallDesignFontSubstitutes(); }

    void paintedAsTheWindowShowsIt_data() {
        QTest::addColumn<int>("layout");
        QTest::newRow("empty beam, gauge at 300 mm") << 0;
        QTest::newRow("cantilever, three arrow lengths, variable weight") << 1;
        QTest::newRow("two knife-edges, UDL between, weights at the ends") << 2;
        QTest::newRow("clamped both ends, UDL, gauge moved") << 3;
    }
    void paintedAsTheWindowShowsIt() {
        QFETCH(int, layout);
        TRecordingMessages messages;
        TVEK4Form w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        switch (layout) {
        case 1:
            Drop(w, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150));
            Drop(w, TDragSource::FixedWeight(100), TDropTarget::Screen(StationX[30], 190));
            Drop(w, TDragSource::FixedWeight(500), TDropTarget::Screen(StationX[31], 190));
            Drop(w, TDragSource::VariableWeight(1234), TDropTarget::Screen(StationX[32], 190));
            Drop(w, TDragSource::FixedWeight(300), TDropTarget::Screen(StationX[60], 190));
            break;
        case 2:
            Drop(w, TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[5], 154));
            Drop(w, TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[50], 154));
            w.UDLSpinEdit->SetValue(40);
            w.UDLComponentClick();
            Drop(w, TDragSource::FixedWeight(200), TDropTarget::Screen(StationX[0], 190));
            Drop(w, TDragSource::VariableWeight(5), TDropTarget::Screen(StationX[59], 190));
            break;
        case 3:
            Drop(w, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150));
            Drop(w, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(445, 150));
            w.UDLSpinEdit->SetValue(17);
            w.UDLComponentClick();
            Drop(w, TDragSource::FixedWeight(400), TDropTarget::Screen(StationX[12], 190));
            w.Layout.GaugeStation = 45;
            w.ShowLayout();
            break;
        default:
            break;
        }
        QCoreApplication::processEvents();
        const QRect region = ApparatusPlaces::ApparatusRegion;
        const QImage onScreen = w.Panel1->grab(region).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = ApparatusImage(w.Layout, 1.0).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(painted.size(), onScreen.size());
        const TDifference d = Compare(onScreen, painted);
        if (d.Pixels > 0 && qEnvironmentVariableIsSet("FERRANT_KEEP_SCENE")) {
            onScreen.save(QStringLiteral("/tmp/scene-screen-%1.png").arg(layout));
            painted.save(QStringLiteral("/tmp/scene-painted-%1.png").arg(layout));
        }
        QVERIFY2(d.Pixels == 0, qPrintable(QStringLiteral("%1 pixels differ within %2,%3 %4x%5")
                                               .arg(d.Pixels)
                                               .arg(d.Bounds.x() + region.x())
                                               .arg(d.Bounds.y() + region.y())
                                               .arg(d.Bounds.width())
                                               .arg(d.Bounds.height())));
        messages.Answers = {TMsgResult::Ok};
    }
};

QTEST_MAIN(TApparatusSceneTest)
#include "tst_apparatus_scene.moc"
