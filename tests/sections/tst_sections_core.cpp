// The section catalogue, the flat bar's properties, the display texts and the "other" modulus rule.
#include <QtTest>
#include <cmath>

#include "theory/Sections.h"

namespace {

struct TProperties {
    double Area, NeutralAxisY, SecondMoment; // mm^2, mm from the top, 10^3 mm^4
};

// Textbook composite-area sums: area A = sum a; centroid ybar = sum a y / A; second moment about the
// centroid I = sum (b h^3 / 12 + a (y - ybar)^2), holes counted negative. A ring: A = pi (D^2 - d^2) / 4,
// I = pi (D^4 - d^4) / 64 about its centre.
TProperties FromShape(const TSectionShape& shape) {
    if (shape.OuterDiameter > 0) {
        const double D = shape.OuterDiameter, d = shape.InnerDiameter;
        return {M_PI * (D * D - d * d) / 4, D / 2, M_PI * (std::pow(D, 4) - std::pow(d, 4)) / 64 / 1000};
    }
    struct TPart {
        TRectMm R;
        double Sign;
    };
    std::vector<TPart> parts;
    for (const TRectMm& r : shape.Solid)
        parts.push_back({r, 1.0});
    for (const TRectMm& r : shape.Holes)
        parts.push_back({r, -1.0});
    double area = 0, moment = 0;
    for (const TPart& p : parts) {
        area += p.Sign * p.R.W * p.R.H;
        moment += p.Sign * p.R.W * p.R.H * (p.R.Y + p.R.H / 2);
    }
    const double ybar = moment / area;
    double second = 0;
    for (const TPart& p : parts) {
        const double a = p.R.W * p.R.H, dy = p.R.Y + p.R.H / 2 - ybar;
        second += p.Sign * (p.R.W * std::pow(p.R.H, 3) / 12 + a * dy * dy);
    }
    return {area, ybar, second / 1000};
}

} // namespace

class TestSectionsCore : public QObject {
    Q_OBJECT
private slots:
    // The rows are written with "." as the decimal separator, whatever the machine's locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The stored properties are those of the shapes the drawings show, to the digits stored.
    void CatalogueMatchesShapes_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < SectionCount; ++i)
            QTest::newRow(SectionNames[i]) << i;
    }
    void CatalogueMatchesShapes() {
        QFETCH(int, index);
        const TSectionRecord& stored = SectionCatalogue[index];
        const TProperties p = FromShape(SectionShape(index));
        QVERIFY2(std::fabs(p.Area - stored.Area) <= 0.006,
                 qPrintable(QString("area %1 vs stored %2").arg(p.Area).arg(stored.Area)));
        QVERIFY2(
            std::fabs(p.NeutralAxisY - stored.NeutralAxisY) <= 0.006,
            qPrintable(QString("neutral axis %1 vs stored %2").arg(p.NeutralAxisY).arg(stored.NeutralAxisY)));
        QVERIFY2(std::fabs(p.SecondMoment - stored.SecondMoment) <= 0.0006,
                 qPrintable(
                     QString("second moment %1 vs stored %2").arg(p.SecondMoment).arg(stored.SecondMoment)));
    }

    // The flat bar's properties and texts from its dimensions (hand values in the rows).
    void FlatSection_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<double>("secondMoment"); // w t^3 / 12 / 1000
        QTest::addColumn<QString>("axisText");
        QTest::addColumn<QString>("areaText");
        QTest::addColumn<QString>("momentText");
        // 19.05 x 3.18^3 / 12 = 19.05 x 32.157432 / 12 = 51.05 mm^4; area 60.579
        QTest::newRow("start 19.05 x 3.18")
            << 19.05 << 3.18 << 0.0510499 << "Neutral Axis, Y:\t       1.59 mm"
            << "Area of section:       60.58 mm\u00B2"
            << "2nd moment of area: 0.051\u00D710";
        // 21 x 32.157432 / 12 = 56.2755 mm^4; area 66.78
        QTest::newRow("widest 21 x 3.18") << 21.0 << 3.18 << 0.0562755 << "Neutral Axis, Y:\t       1.59 mm"
                                          << "Area of section:       66.78 mm\u00B2"
                                          << "2nd moment of area: 0.056\u00D710";
        // 17 x 2.8^3 / 12 = 17 x 21.952 / 12 = 31.0987 mm^4; area 47.6
        QTest::newRow("smallest 17 x 2.8") << 17.0 << 2.8 << 0.0310987 << "Neutral Axis, Y:\t       1.40 mm"
                                           << "Area of section:       47.60 mm\u00B2"
                                           << "2nd moment of area: 0.031\u00D710";
    }
    void FlatSection() {
        QFETCH(double, width);
        QFETCH(double, thickness);
        QFETCH(double, secondMoment);
        QFETCH(QString, axisText);
        QFETCH(QString, areaText);
        QFETCH(QString, momentText);
        const TFlatSectionProperties p = FlatSectionProperties(width, thickness);
        QVERIFY2(std::fabs(p.SecondMoment - secondMoment) < 1e-6,
                 qPrintable(QString("%1 vs %2").arg(p.SecondMoment).arg(secondMoment)));
        QCOMPARE(NeutralAxisText(p.NeutralAxisY), axisText);
        QCOMPARE(FlatAreaText(p.Area), areaText);
        QCOMPARE(MomentOfAreaText(p.SecondMoment), momentText);
        QVERIFY(std::fabs(SecondMomentToM4(p.SecondMoment) - secondMoment * 1e-9) < 1e-15);
    }

    void InvertedTTexts() {
        const TSectionRecord& t = SectionCatalogue[2];
        QCOMPARE(NeutralAxisText(t.NeutralAxisY), QString("Neutral Axis, Y:\t       7.97 mm"));
        QCOMPARE(MomentOfAreaText(t.SecondMoment), QString("2nd moment of area: 0.741\u00D710"));
        QCOMPARE(CatalogueAreaText(t.Area), QString("Area of section:       60.64 mm\u00B2"));
        QVERIFY(std::fabs(SecondMomentToM4(t.SecondMoment) / 0.741e-9 - 1) < 1e-6);
    }

    void DimensionRanges_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<bool>("inRange");
        QTest::newRow("both lower limits") << 17.0 << 2.8 << true;
        QTest::newRow("both upper limits") << 21.0 << 3.5 << true;
        QTest::newRow("width 22") << 22.0 << 3.18 << false;
        QTest::newRow("width 16.99") << 16.99 << 3.18 << false;
        QTest::newRow("thickness 3.51") << 19.05 << 3.51 << false;
        QTest::newRow("thickness 0") << 19.05 << 0.0 << false;
        QTest::newRow("not a number") << std::nan("") << 3.18 << false;
    }
    void DimensionRanges() {
        QFETCH(double, width);
        QFETCH(double, thickness);
        QFETCH(bool, inRange);
        QCOMPARE(FlatDimensionsInRange(width, thickness), inRange);
    }

    // Whatever the box holds at confirmation, the theory gets 1..500 GPa.
    void OtherModulusConfirmation_data() {
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("gpa");
        QTest::addColumn<QString>("itemText");
        QTest::newRow("150") << 150.0 << 150.0 << "Other material: 150.0 GPa";
        QTest::newRow("12.5") << 12.5 << 12.5 << "Other material: 12.5 GPa";
        QTest::newRow("0 clamps to 1") << 0.0 << 1.0 << "Other material: 1.0 GPa";
        QTest::newRow("-3 clamps to 1") << -3.0 << 1.0 << "Other material: 1.0 GPa";
        QTest::newRow("600 clamps to 500") << 600.0 << 500.0 << "Other material: 500.0 GPa";
        QTest::newRow("NaN counts as 1") << std::nan("") << 1.0 << "Other material: 1.0 GPa";
        QTest::newRow("+inf clamps to 500") << HUGE_VAL << 500.0 << "Other material: 500.0 GPa";
        QTest::newRow("-inf clamps to 1") << -HUGE_VAL << 1.0 << "Other material: 1.0 GPa";
    }
    void OtherModulusConfirmation() {
        QFETCH(double, typed);
        QFETCH(double, gpa);
        QFETCH(QString, itemText);
        const double confirmed = ConfirmedOtherModulusGPa(typed);
        QCOMPARE(confirmed, gpa);
        QCOMPARE(OtherMaterialItemText(confirmed), itemText);
        QVERIFY(std::fabs(ModulusFromGPa(confirmed) / (gpa * 1e9) - 1) < 1e-7);
    }
};

QTEST_APPLESS_MAIN(TestSectionsCore)
#include "tst_sections_core.moc"
