// The apparatus pictures: every name gives a picture of its size, and the pieces meet the beam and the load
// diagram where the window places them. The window puts each piece at fixed coordinates of the apparatus
// picture (clamps at y 128, knife-edges at y 144 with Left = StationX - 12, the gauge at y 73 with Left =
// StationX - 18, pivots at y 304 with Left = StationX - 5, arrows ending on y 301, UDL strips at y 123 and
// 281 with Left = StationX - 4), so a tip one pixel off shows as a gap or an overlap on the screen.

#include <QtTest>

#include "model/BeamLayout.h"
#include "resources/apparatus/ApparatusArt.h"

namespace {

QImage Picture(const char* name) {
    return ApparatusBitmap(QString::fromLatin1(name));
}

bool Opaque(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 255;
}
bool Transparent(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}
// Ink of the apparatus picture (beam edges, diagram line) against its white background.
bool Dark(const QImage& screen, int x, int y) {
    return qGray(screen.pixel(x, y)) < 110;
}
bool Light(const QImage& screen, int x, int y) {
    return qGray(screen.pixel(x, y)) > 200;
}

// The opaque columns of one row of a picture.
QList<int> OpaqueColumns(const QImage& image, int y) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (!Transparent(image, x, y)) columns.append(x);
    return columns;
}

} // namespace

class TestApparatusArt : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSizeAndTransparency_data();
    void everyPictureHasItsSizeAndTransparency();
    void unknownNameGivesNullImage();
    void ruleHasATickAtEveryStationAndNowhereElse();
    void diagramLineRunsFromStation0To60OnY302();
    void tipsAreSinglePixelsOnTheirColumn_data();
    void tipsAreSinglePixelsOnTheirColumn();
    void piecesTouchTheBeamWithoutGapOrOverlap_data();
    void piecesTouchTheBeamWithoutGapOrOverlap();
    void composedHangerReadsAsOneHanger();
};

void TestApparatusArt::everyPictureHasItsSizeAndTransparency_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    for (const TApparatusPicture& p : ApparatusPictures)
        QTest::newRow(p.Name) << QString::fromLatin1(p.Name) << p.Size << p.Transparent;
}

void TestApparatusArt::everyPictureHasItsSizeAndTransparency() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    const QImage image = ApparatusBitmap(name);
    QCOMPARE(image.size(), size);
    int clear = 0, solid = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            clear += Transparent(image, x, y);
            solid += Opaque(image, x, y);
        }
    if (transparent) {
        QVERIFY2(clear > 0, "a transparent picture lets the apparatus show around it");
        QVERIFY2(solid > 0, "a transparent picture has something drawn");
    } else {
        QCOMPARE(solid, image.width() * image.height());
        QVERIFY2(image.pixel(10, 10) != image.pixel(30, 100), "the apparatus picture has its drawing");
    }
    // The window asks for the arrows and hanger parts again and again: the same picture comes back.
    QCOMPARE(ApparatusBitmap(name).cacheKey(), image.cacheKey());
}

void TestApparatusArt::unknownNameGivesNullImage() {
    QVERIFY(ApparatusBitmap(QStringLiteral("NoSuchPicture")).isNull());
    QVERIFY(ApparatusBitmap(QString()).isNull());
    QVERIFY(ApparatusBitmap(QStringLiteral("knifeedge")).isNull()); // names are exact
}

// One row of the rule under the beam is ticks only: dark exactly at the 61 StationX columns between the
// first and the last station.
void TestApparatusArt::ruleHasATickAtEveryStationAndNowhereElse() {
    const QImage screen = Picture("ScreenImage");
    QList<int> stations(StationX.begin(), StationX.end());
    bool found = false;
    for (int y = 144; y < 170 && !found; ++y) {
        QList<int> dark;
        for (int x = StationX.front() - 2; x <= StationX.back() + 2; ++x)
            if (Dark(screen, x, y)) dark.append(x);
        found = dark == stations;
    }
    QVERIFY2(found,
             "no row under the beam has ticks exactly at StationX (stations 0 at x 88 to 60 at x 441)");
}

// Two rows, 302 and 303: arrow and UDL tips end on 301 above it, pivot tips start on 304 below it.
void TestApparatusArt::diagramLineRunsFromStation0To60OnY302() {
    const QImage screen = Picture("ScreenImage");
    for (int x = StationX.front(); x <= StationX.back(); ++x) {
        QVERIFY2(Dark(screen, x, 302) && Dark(screen, x, 303), qPrintable(QStringLiteral("x %1").arg(x)));
        QVERIFY2(Light(screen, x, 301) && Light(screen, x, 304), qPrintable(QStringLiteral("x %1").arg(x)));
    }
    // The built-in end symbols meet the line from outside: nothing of it at x 87 or 442.
    QVERIFY(Light(screen, StationX.front() - 1, 302));
    QVERIFY(Light(screen, StationX.back() + 1, 302));
}

void TestApparatusArt::tipsAreSinglePixelsOnTheirColumn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");     // the row of the tip
    QTest::addColumn<int>("outward"); // -1: nothing above the tip, +1: nothing below it
    QTest::newRow("knife-edge, edge up at the top centre") << "KnifeEdge" << 12 << 0 << -1;
    QTest::newRow("pivot, tip up at the top centre") << "Pivot" << 5 << 0 << -1;
    QTest::newRow("gauge stylus, 18 px from the left, on y 137") << "DialGaugeImage" << 18 << 64 << +1;
    QTest::newRow("small arrow, tip on the bottom row") << "ArrowDownSmall" << 5 << 31 << +1;
    QTest::newRow("medium arrow, tip on the bottom row") << "ArrowDownMed" << 5 << 43 << +1;
    QTest::newRow("large arrow, tip on the bottom row") << "ArrowDownLarge" << 5 << 55 << +1;
}

void TestApparatusArt::tipsAreSinglePixelsOnTheirColumn() {
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, outward);
    const QImage image = ApparatusBitmap(name);
    QCOMPARE(OpaqueColumns(image, row), QList<int>{column});
    QVERIFY(Opaque(image, column, row));
    for (int y = row + outward; y >= 0 && y < image.height(); y += outward)
        QVERIFY2(OpaqueColumns(image, y).isEmpty(),
                 qPrintable(QStringLiteral("row %1 beyond the tip").arg(y)));
    // The shaft, stem or wedge leads to the tip without a break.
    for (int y = row - outward, n = 0; n < 8; y -= outward, ++n)
        QVERIFY2(Opaque(image, column, y), qPrintable(QStringLiteral("row %1 of the column").arg(y)));
}

void TestApparatusArt::piecesTouchTheBeamWithoutGapOrOverlap_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");   // the picture's top-left in the apparatus picture
    QTest::addColumn<QPoint>("contact"); // the piece's pixel that touches
    QTest::addColumn<QPoint>("toward");  // the step from that pixel to the beam or line
    const QPoint down(0, 1), up(0, -1);
    const int s10 = StationX[10], s30 = StationX[30];
    QTest::newRow("gauge stylus on the beam top")
        << "DialGaugeImage" << QPoint(s30 - 18, 73) << QPoint(18, 64) << down;
    QTest::newRow("knife-edge under the beam") << "KnifeEdge" << QPoint(s10 - 12, 144) << QPoint(12, 0) << up;
    QTest::newRow("UDL arrow on the beam top") << "UDLStrip" << QPoint(s10 - 4, 123) << QPoint(4, 14) << down;
    QTest::newRow("hanger stirrup under the beam")
        << "LoadHangerImage" << QPoint(s30 - 6, 144) << QPoint(2, 0) << up;
    QTest::newRow("left clamp, upper jaw") << "LClampImage" << QPoint(71, 128) << QPoint(12, 9) << down;
    QTest::newRow("left clamp, lower jaw") << "LClampImage" << QPoint(71, 128) << QPoint(12, 16) << up;
    QTest::newRow("right clamp, upper jaw") << "RClampImage" << QPoint(441, 128) << QPoint(4, 9) << down;
    QTest::newRow("right clamp, lower jaw") << "RClampImage" << QPoint(441, 128) << QPoint(4, 16) << up;
    QTest::newRow("pivot under the diagram line") << "Pivot" << QPoint(s10 - 5, 304) << QPoint(5, 0) << up;
    QTest::newRow("arrow onto the diagram line")
        << "ArrowDownLarge" << QPoint(s30 - 5, 302 - 56) << QPoint(5, 55) << down;
    QTest::newRow("UDL arrow onto the diagram line")
        << "UDL2Strip" << QPoint(s10 - 4, 281) << QPoint(4, 20) << down;
    QTest::newRow("left built-in end, line at row 17")
        << "LeftSupport" << QPoint(76, 285) << QPoint(11, 17) << QPoint(1, 0);
    QTest::newRow("right built-in end, line at row 17")
        << "RightSupport" << QPoint(StationX[60], 285) << QPoint(1, 17) << QPoint(-1, 0);
}

// The contact pixel is drawn, the apparatus picture is bare under it, and the next pixel toward the beam is
// the beam's (or the diagram line's) ink: no gap and no overlap.
void TestApparatusArt::piecesTouchTheBeamWithoutGapOrOverlap() {
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QPoint, contact);
    QFETCH(QPoint, toward);
    const QImage piece = ApparatusBitmap(name);
    const QImage screen = Picture("ScreenImage");
    const QPoint at = place + contact;
    QVERIFY2(Opaque(piece, contact.x(), contact.y()), "the piece is drawn at its contact pixel");
    QVERIFY2(
        Light(screen, at.x(), at.y()),
        qPrintable(QStringLiteral("the piece overlaps the apparatus at (%1, %2)").arg(at.x()).arg(at.y())));
    const QPoint beam = at + toward;
    QVERIFY2(
        Dark(screen, beam.x(), beam.y()),
        qPrintable(
            QStringLiteral("a gap between the piece and the beam at (%1, %2)").arg(beam.x()).arg(beam.y())));
}

// DrawHanger copies rows 0..34 of the bare hanger and rows 11..60 of a mass picture below them: the stem
// runs on across the join, and the stack grows with the grams (the variable weight's hanger is bare).
void TestApparatusArt::composedHangerReadsAsOneHanger() {
    const QImage bare = Picture("LoadHangerImage");
    const char* names[] = {"EmptyHangerImage", "Gram100Image", "Gram200Image",
                           "Gram300Image",     "Gram400Image", "Gram500Image"};
    int previousStack = -1;
    for (const char* name : names) {
        const QImage masses = Picture(name);
        for (int x = 0; x < 12; ++x)
            QVERIFY2(
                bare.pixel(x, 34) == masses.pixel(x, 11),
                qPrintable(
                    QStringLiteral("%1: the join differs at column %2").arg(QLatin1String(name)).arg(x)));
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 12; ++x)
                QVERIFY2(bare.pixel(x, y) == masses.pixel(x, y),
                         "the mass pictures show the same hanger top");
        // Column 6 (the station's) runs unbroken from the stirrup's cross-bar to the platform.
        int first = -1, last = -1;
        for (int y = 0; y < masses.height(); ++y)
            if (Opaque(masses, 6, y)) {
                if (first < 0) first = y;
                last = y;
            }
        for (int y = first; y <= last; ++y)
            QVERIFY2(
                Opaque(masses, 6, y),
                qPrintable(QStringLiteral("%1: the stem breaks on row %2").arg(QLatin1String(name)).arg(y)));
        // Rows drawn across the whole width below the stem: the masses and the platform.
        int stack = 0;
        for (int y = 11; y < masses.height(); ++y)
            stack += OpaqueColumns(masses, y).size() > 6;
        QVERIFY2(stack > previousStack,
                 qPrintable(QStringLiteral("%1 stacks no higher").arg(QLatin1String(name))));
        previousStack = stack;
    }
}

QTEST_MAIN(TestApparatusArt)
#include "tst_apparatus_art.moc"
