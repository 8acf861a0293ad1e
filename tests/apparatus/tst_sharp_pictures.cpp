// The drawn pictures at every screen scale. At 1x each picture is the same, pixel for pixel, as the one the
// window has always shown (the checksums below were taken from the 1x drawings before they learnt to draw at
// other scales). At 2x the picture is drawn again, not enlarged: the ruler's ticks and the beam's outline are
// one device pixel wide with a hard edge, where an enlarged 1x picture has them two pixels wide (blocky) or
// spread over three (smoothed).

#include <QtTest>

#include <QCryptographicHash>

#include "model/BeamLayout.h"
#include "platform/Cursors.h"
#include "resources/apparatus/ApparatusArt.h"
#include "theory/DeflectionPlot.h"
#include "theory/DeflectionView.h"

namespace {

QByteArray Checksum(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
    return hash.result().toHex().left(16);
}

// A cantilever loaded at its free end: a curve of the 61 stations falling to 3 mm, the gauge at station 40.
TDeflectionDrawing SampleDrawing() {
    TDeflectionCurve curve{};
    for (int s = 0; s < StationCount; ++s) {
        const double x = s / 60.0;
        curve[std::size_t(s)] = float(-3.0 * x * x * (3.0 - x) / 2.0);
    }
    return CantileverDrawing(curve, 40);
}

// Every picture at 1x: its kind, its name and its drawing.
QList<std::tuple<QString, QString, QImage>> OneTimesPictures() {
    QList<std::tuple<QString, QString, QImage>> pictures;
    for (const TApparatusPicture& p : ApparatusPictures)
        pictures.append({QStringLiteral("apparatus"), QString::fromLatin1(p.Name),
                         ApparatusBitmap(QString::fromLatin1(p.Name))});
    for (const char* name : RegisteredCursorNames)
        pictures.append({QStringLiteral("cursor"), QString::fromLatin1(name),
                         DrawCursorResource(QString::fromLatin1(name), 1.0).pixmap().toImage()});
    QImage theory(TDeflectionView::ImageWidth, TDeflectionView::ImageHeight, QImage::Format_ARGB32);
    TDeflectionView::Render(SampleDrawing(), theory);
    pictures.append({QStringLiteral("theory"), QStringLiteral("cantilever"), theory});
    return pictures;
}

struct TBaseline {
    const char* Kind;
    const char* Name;
    const char* Checksum;
};
// Taken from the 1x drawings as they were before the drawings learnt other scales.
constexpr TBaseline Baseline[] = {
    {"apparatus", "ScreenImage", "95abe160be03e5eb"},
    {"apparatus", "LClampImage", "d6c53dafe7a61238"},
    {"apparatus", "RClampImage", "0055305bc4a2f6c5"},
    {"apparatus", "LeftSupport", "def8af9446c13cb3"},
    {"apparatus", "RightSupport", "f2ae393bf3302641"},
    {"apparatus", "KnifeEdge", "2395f3ab859f790d"},
    {"apparatus", "Pivot", "e49c4e4aa7138cc6"},
    {"apparatus", "LoadHangerImage", "038b0892d1c9a214"},
    {"apparatus", "Gram100Image", "be3c1464bc3f4286"},
    {"apparatus", "Gram200Image", "8a163120ffb21e5a"},
    {"apparatus", "Gram300Image", "c9097d3685501473"},
    {"apparatus", "Gram400Image", "6707cc25d2d9d8b2"},
    {"apparatus", "Gram500Image", "8797c6ad6c812ae3"},
    {"apparatus", "EmptyHangerImage", "55648f1a68a78423"},
    {"apparatus", "ArrowDownSmall", "807e93c093c9a2f6"},
    {"apparatus", "ArrowDownMed", "49646e4d27e41c02"},
    {"apparatus", "ArrowDownLarge", "32e0a789b39d7ba5"},
    {"apparatus", "UDLStrip", "0b5f753e4616a700"},
    {"apparatus", "UDL2Strip", "6df077c3c13e3747"},
    {"apparatus", "DialGaugeImage", "30080ea03ce0138f"},
    {"apparatus", "WeightsBinImage", "9c5d0bb21f1b0128"},
    {"apparatus", "UDLButton", "b4e6a88d38a65b65"},
    {"apparatus", "GreenLED", "0226de62f0d21387"},
    {"apparatus", "AmberLED", "a11c4985779225a6"},
    {"apparatus", "RedLED", "ae767322ed45264b"},
    {"apparatus", "ToolNew", "22fb9ec94112fc16"},
    {"apparatus", "ToolConnect", "0a4126075ad988a4"},
    {"apparatus", "ToolDisconnect", "95e0864f70cfc2b0"},
    {"apparatus", "ToolVirtual", "30edf299a4d1a13b"},
    {"apparatus", "ToolRecord", "12b9568a0a473eb8"},
    {"cursor", "WeightHanger", "063a8060f7c372a8"},
    {"cursor", "UDL", "cad8f99390d1c339"},
    {"cursor", "Clamp", "069c679d79c7ec15"},
    {"cursor", "KnifeEdge", "4a6aca124a08c780"},
    {"cursor", "ROUNDWEIGHT", "fffe31f08d7bf632"},
    {"cursor", "VEK7PLATE", "0f515d42d985d170"},
    {"cursor", "VEK17MEMBER", "6c80b34bd54812e7"},
    {"cursor", "HANDPOINT", "07be80643eecbcb4"},
    {"theory", "cantilever", "6899d112a28442b9"},
};

// A row of an image as grey levels, and the dark run through a column.
int Grey(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y));
}
// How many pixels of a row, from x0 on, are dark (ink) before a light one.
int DarkRun(const QImage& image, int x0, int y, int threshold = 110) {
    int run = 0;
    for (int x = x0; x < image.width() && Grey(image, x, y) < threshold; ++x)
        ++run;
    return run;
}
// Pixels of a line of the image neither near white nor near black: what smoothing leaves at an edge.
int Blurred(const QImage& image, int x0, int x1, int y) {
    int count = 0;
    for (int x = x0; x <= x1; ++x)
        if (const int g = Grey(image, x, y); g > 60 && g < 200) ++count;
    return count;
}
// The 1x picture enlarged to the 2x size, as a screen would show it without a 2x drawing.
QImage Enlarged(const QImage& oneTimes, Qt::TransformationMode mode) {
    return oneTimes.scaled(oneTimes.size() * 2, Qt::IgnoreAspectRatio, mode);
}

} // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT

private slots:
    void oneTimesIsUnchanged();
    void everyPictureKeepsItsLogicalSizeAtEveryScale_data();
    void everyPictureKeepsItsLogicalSizeAtEveryScale();
    void rulerTicksAreOneDevicePixelAtTwoTimes();
    void beamOutlineIsOneDevicePixelAtTwoTimes();
    void toolBoxItemIsDrawnNotEnlarged();
    void deflectionViewIsDrawnNotEnlarged();
    void cursorsAreDrawnAtTheScale();
};

void TestSharpPictures::oneTimesIsUnchanged() {
    const auto pictures = OneTimesPictures();
    QCOMPARE(pictures.size(), qsizetype(std::size(Baseline)));
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const auto& [kind, name, image] = pictures[i];
        QCOMPARE(name, QString::fromLatin1(Baseline[i].Name));
        QVERIFY2(image.devicePixelRatio() == 1.0, qPrintable(name));
        QVERIFY2(Checksum(image) == Baseline[i].Checksum,
                 qPrintable(QStringLiteral("%1 %2 changed at 1x").arg(kind, name)));
    }
}

void TestSharpPictures::everyPictureKeepsItsLogicalSizeAtEveryScale_data() {
    QTest::addColumn<double>("scale");
    for (const double scale : {1.25, 1.5, 2.0, 3.0})
        QTest::addRow("%gx", scale) << scale;
}

void TestSharpPictures::everyPictureKeepsItsLogicalSizeAtEveryScale() {
    QFETCH(double, scale);
    for (const TApparatusPicture& p : ApparatusPictures) {
        const QImage image = ApparatusBitmap(QString::fromLatin1(p.Name), scale);
        QCOMPARE(image.devicePixelRatio(), scale);
        QCOMPARE(image.deviceIndependentSize().toSize(), p.Size);
        // Drawn, not left blank: as much ink as the 1x picture, in proportion.
        const QImage one = ApparatusBitmap(QString::fromLatin1(p.Name));
        const auto inked = [](const QImage& image) {
            qsizetype n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 250) ++n;
            return double(n) / (image.width() * image.height());
        };
        QVERIFY2(
            std::abs(inked(image) - inked(one)) < 0.15,
            qPrintable(
                QStringLiteral("%1: %2 vs %3").arg(QLatin1String(p.Name)).arg(inked(image)).arg(inked(one))));
    }
}

void TestSharpPictures::rulerTicksAreOneDevicePixelAtTwoTimes() {
    const QImage one = ApparatusBitmap(QStringLiteral("ScreenImage"));
    const QImage two = ApparatusBitmap(QStringLiteral("ScreenImage"), 2.0);
    const QImage blocky = Enlarged(one, Qt::FastTransformation);
    const QImage smooth = Enlarged(one, Qt::SmoothTransformation);
    constexpr int tickTop = 148; // the first row of every tick
    for (const int station : {0, 7, 30, 45, 60}) {
        const int x = StationX[std::size_t(station)], y = 2 * tickTop + 1;
        QVERIFY(Grey(one, x, tickTop) < 110); // there is a tick at 1x
        // 2x: one dark device pixel with the ivory face on either side.
        QCOMPARE(DarkRun(two, 2 * x - 1, y), 0);
        QCOMPARE(DarkRun(two, 2 * x, y), 1);
        // The enlarged 1x picture: two device pixels, or a smear of greys.
        QCOMPARE(DarkRun(blocky, 2 * x, y), 2);
        QVERIFY2(Blurred(smooth, 2 * x - 2, 2 * x + 3, y) >= 2, qPrintable(QString::number(station)));
        QCOMPARE(Blurred(two, 2 * x - 2, 2 * x + 3, y), 0);
    }
}

void TestSharpPictures::beamOutlineIsOneDevicePixelAtTwoTimes() {
    const QImage one = ApparatusBitmap(QStringLiteral("ScreenImage"));
    const QImage two = ApparatusBitmap(QStringLiteral("ScreenImage"), 2.0);
    const QImage blocky = Enlarged(one, Qt::FastTransformation);
    constexpr int beamTop = 138, beamBottom = 143, beamLeft = 80;
    // Down a column through the middle of the beam: the top face is one device pixel of ink, then steel.
    for (const int x : {2 * 150, 2 * 260 + 1, 2 * 400}) {
        QVERIFY(Grey(two, x, 2 * beamTop - 1) > 150);
        QVERIFY(Grey(two, x, 2 * beamTop) < 110);
        QVERIFY(Grey(two, x, 2 * beamTop + 1) > 150);
        QVERIFY(Grey(blocky, x, 2 * beamTop + 1) < 110); // enlarged: the ink is two pixels deep
        QVERIFY(Grey(two, x, 2 * beamBottom) > 110);
        QVERIFY(Grey(two, x, 2 * beamBottom + 1) < 110); // the underside on the outer device pixel
    }
    // Across the left end: one device pixel of ink, where the enlarged picture has two.
    const int y = 2 * 140;
    QCOMPARE(DarkRun(two, 2 * beamLeft, y), 1);
    QCOMPARE(DarkRun(blocky, 2 * beamLeft, y), 2);
}

void TestSharpPictures::toolBoxItemIsDrawnNotEnlarged() {
    for (const char* name : {"KnifeEdge", "WeightsBinImage", "DialGaugeImage", "Gram300Image"}) {
        const QImage one = ApparatusBitmap(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage two =
            ApparatusBitmap(QString::fromLatin1(name), 2.0).convertToFormat(QImage::Format_ARGB32);
        QImage blocky = Enlarged(one, Qt::FastTransformation);
        blocky.setDevicePixelRatio(2.0);
        QVERIFY2(two != blocky, name);
        // The edges against the background are as sharp as the 2x grid allows: fewer half-covered device
        // pixels than the smoothly enlarged 1x picture, which spreads every edge over two or three.
        const auto halfCovered = [](const QImage& image) {
            qsizetype n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (const int a = qAlpha(image.pixel(x, y)); a > 0 && a < 255) ++n;
            return n;
        };
        const QImage smooth = Enlarged(one, Qt::SmoothTransformation);
        QVERIFY2(halfCovered(two) < halfCovered(smooth), qPrintable(QStringLiteral("%1: %2, enlarged %3")
                                                                        .arg(QLatin1String(name))
                                                                        .arg(halfCovered(two))
                                                                        .arg(halfCovered(smooth))));
    }
}

void TestSharpPictures::deflectionViewIsDrawnNotEnlarged() {
    const TDeflectionDrawing drawing = SampleDrawing();
    QImage one(TDeflectionView::ImageWidth, TDeflectionView::ImageHeight, QImage::Format_ARGB32);
    TDeflectionView::Render(drawing, one);
    QImage two(one.size() * 2, QImage::Format_ARGB32);
    two.setDevicePixelRatio(2.0);
    TDeflectionView::Render(drawing, two);
    const QImage smooth = Enlarged(one, Qt::SmoothTransformation);
    // Across the curve in the middle of the beam: fewer part-inked pixels than the enlarged 1x curve has.
    const int x = 2 * (StationX[30] - TDeflectionView::ImageLeft);
    const auto partial = [x](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            if (const int g = qGray(image.pixel(x, y)); g > 40 && g < 215) ++n;
        return n;
    };
    const auto inked = [x](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 215) ++n;
        return n;
    };
    QVERIFY(inked(two) > 0);
    QVERIFY2(
        partial(two) < partial(smooth),
        qPrintable(QStringLiteral("2x %1 grey pixels, enlarged %2").arg(partial(two)).arg(partial(smooth))));
    // The bolder lines of the large display: more ink across the curve.
    QImage bold(one.size() * 2, QImage::Format_ARGB32);
    bold.setDevicePixelRatio(2.0);
    TDeflectionView::Render(drawing, bold, 2.0);
    QVERIFY2(inked(bold) > inked(two),
             qPrintable(QStringLiteral("%1 vs %2").arg(inked(bold)).arg(inked(two))));
}

void TestSharpPictures::cursorsAreDrawnAtTheScale() {
    for (const char* name : RegisteredCursorNames) {
        const QCursor one = DrawCursorResource(QString::fromLatin1(name), 1.0);
        const QCursor two = DrawCursorResource(QString::fromLatin1(name), 2.0);
        QCOMPARE(two.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(two.pixmap().size(), one.pixmap().size() * 2);
        QCOMPARE(two.hotSpot(), one.hotSpot());
        QImage blocky = Enlarged(one.pixmap().toImage(), Qt::FastTransformation)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(two.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) != blocky, name);
    }
}

QTEST_MAIN(TestSharpPictures)
#include "tst_sharp_pictures.moc"
