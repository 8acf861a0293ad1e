#include "ReadingJson.h"

#include <QJsonArray>
#include <cmath>

QJsonValue ZeroToJson(const TGaugeZero& zero) {
    return zero.Set ? QJsonValue(zero.Value) : QJsonValue(QJsonValue::Null);
}

namespace {

// The ranges a reading's numbers can have. The unit sends at most 9999.99 mm; a session of a year is
// 3.2e7 s; the theory of the lightest section under the largest load stays far below a kilometre.
constexpr double LargestGaugeMm = 1e5;
constexpr double LongestSessionS = 1e8;
constexpr double LargestTheoryMm = 1e6;
constexpr double LargestVariedValue = 1e9;

QJsonObject GaugeToJson(const TMeasuredGauge& g) {
    return {{QStringLiteral("valid"), g.Valid},
            {QStringLiteral("mean"), g.Mean},
            {QStringLiteral("count"), g.Count},
            {QStringLiteral("stdDev"), g.StdDev},
            {QStringLiteral("zero"), ZeroToJson(g.Zero)}};
}

// The checks of one object's members; the first failure is kept.
struct TCheck {
    const QJsonObject& Object;
    QString Where;
    QString& Problem;

    bool Fail(const char* key, const QString& what) {
        if (Problem.isEmpty()) Problem = QStringLiteral("%1.%2 %3").arg(Where, QLatin1String(key), what);
        return false;
    }
    bool Number(const char* key, double& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return Fail(key, QStringLiteral("must be a number"));
        out = v.toDouble();
        return true;
    }
    // A number within what the program can have written: a value far outside it is damage, and would
    // overflow the clock or the plot's axes further on.
    bool Number(const char* key, double& out, double min, double max) {
        if (!Number(key, out)) return false;
        if (out < min || out > max)
            return Fail(key, QStringLiteral("must lie from %1 to %2").arg(min).arg(max));
        return true;
    }
    bool Integer(const char* key, int& out, int min, int max) {
        double d = 0;
        if (!Number(key, d)) return false;
        if (d != std::floor(d) || d < min || d > max)
            return Fail(key, QStringLiteral("must be a whole number from %1 to %2").arg(min).arg(max));
        out = int(d);
        return true;
    }
    bool Bool(const char* key, bool& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isBool()) return Fail(key, QStringLiteral("must be true or false"));
        out = v.toBool();
        return true;
    }
    bool Text(const char* key, QString& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isString()) return Fail(key, QStringLiteral("must be a text"));
        out = v.toString();
        return true;
    }
    bool Zero(const char* key, TGaugeZero& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (v.isNull()) {
            out = {};
            return true;
        }
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return Fail(key, QStringLiteral("must be a number or null"));
        if (std::abs(v.toDouble()) > LargestGaugeMm)
            return Fail(key,
                        QStringLiteral("must lie from %1 to %2").arg(-LargestGaugeMm).arg(LargestGaugeMm));
        out = {true, v.toDouble()};
        return true;
    }
    bool Child(const char* key, QJsonObject& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isObject()) return Fail(key, QStringLiteral("is missing"));
        out = v.toObject();
        return true;
    }
};

} // namespace

QJsonObject ReadingToJson(const TReading& r) {
    const TVariedValue& v = r.Varied;
    QJsonArray gauges;
    for (const TMeasuredGauge& g : r.Gauges)
        gauges.append(GaugeToJson(g));
    return {
        {QStringLiteral("number"), r.Number},
        {QStringLiteral("elapsedS"), r.ElapsedS},
        {QStringLiteral("property"), static_cast<int>(r.Property)},
        {QStringLiteral("propertyName"), VariedPropertyName(r.Property)},
        {QStringLiteral("varied"), QJsonObject{{QStringLiteral("numeric"), v.Numeric},
                                               {QStringLiteral("value"), v.Value},
                                               {QStringLiteral("quantity"), v.Quantity},
                                               {QStringLiteral("unit"), v.Unit},
                                               {QStringLiteral("text"), v.Text},
                                               {QStringLiteral("undefined"), v.Undefined},
                                               {QStringLiteral("grams"), v.Grams}}},
        {QStringLiteral("gaugeMm"), r.GaugePositionMm()},
        {QStringLiteral("theoryMm"), r.TheoryMm},
        {QStringLiteral("gauges"), gauges},
        {QStringLiteral("selectedGauge"), r.SelectedGauge},
        {QStringLiteral("stiffness"),
         QJsonObject{{QStringLiteral("section"), r.Stiffness.SectionName},
                     {QStringLiteral("material"), r.Stiffness.MaterialName},
                     {QStringLiteral("modulusGPa"), r.Stiffness.ModulusGPa},
                     {QStringLiteral("secondMomentM4"), r.Stiffness.SecondMomentM4}}},
        {QStringLiteral("note"), r.Note},
        {QStringLiteral("run"), r.Run},
    };
}

TReadingRead ReadingFromJson(const QJsonObject& json, const QString& where) {
    TReadingRead read;
    TReading& r = read.Reading;
    TCheck c{json, where, read.Problem};
    int property = 0, gaugeMm = 0;
    QJsonObject varied, stiffness;
    if (!c.Integer("number", r.Number, 1, 1 << 30) || !c.Number("elapsedS", r.ElapsedS, 0, LongestSessionS) ||
        !c.Integer("property", property, 0, VariedPropertyCount - 1) || !c.Child("varied", varied) ||
        !c.Integer("gaugeMm", gaugeMm, 0, LastStation * 10) ||
        !c.Number("theoryMm", r.TheoryMm, -LargestTheoryMm, LargestTheoryMm) ||
        !c.Integer("selectedGauge", r.SelectedGauge, 0, GaugeCount - 1) || !c.Child("stiffness", stiffness) ||
        !c.Text("note", r.Note))
        return read;
    // Rows of version 1 files and journals have no run: they are all one run.
    if (json.contains(QLatin1String("run")) && !c.Integer("run", r.Run, 1, MaxReadings)) return read;
    if (gaugeMm % 10 != 0) {
        c.Fail("gaugeMm", QStringLiteral("must be a multiple of 10 mm"));
        return read;
    }
    r.Note = CleanNote(r.Note);
    r.Property = VariedPropertyFromIndex(property);
    r.GaugeStation = gaugeMm / 10;

    TCheck v{varied, where + QStringLiteral(".varied"), read.Problem};
    TVariedValue& value = r.Varied;
    if (!v.Bool("numeric", value.Numeric) ||
        !v.Number("value", value.Value, -LargestVariedValue, LargestVariedValue) ||
        !v.Text("quantity", value.Quantity) || !v.Text("unit", value.Unit) || !v.Text("text", value.Text) ||
        !v.Bool("undefined", value.Undefined) || !v.Integer("grams", value.Grams, 0, 1 << 20))
        return read;

    TCheck s{stiffness, where + QStringLiteral(".stiffness"), read.Problem};
    if (!s.Text("section", r.Stiffness.SectionName) || !s.Text("material", r.Stiffness.MaterialName) ||
        !s.Number("modulusGPa", r.Stiffness.ModulusGPa, 0, 1e4) ||
        !s.Number("secondMomentM4", r.Stiffness.SecondMomentM4, 0, 1.0))
        return read;

    const QJsonArray gauges = json.value(QLatin1String("gauges")).toArray();
    if (gauges.size() != GaugeCount) {
        c.Fail("gauges", QStringLiteral("must list %1 gauges").arg(GaugeCount));
        return read;
    }
    for (int i = 0; i < GaugeCount; ++i) {
        const QJsonObject object = gauges[i].toObject();
        TCheck g{object, where + QStringLiteral(".gauges[%1]").arg(i), read.Problem};
        TMeasuredGauge& gauge = r.Gauges[std::size_t(i)];
        if (!g.Bool("valid", gauge.Valid) || !g.Number("mean", gauge.Mean, -LargestGaugeMm, LargestGaugeMm) ||
            !g.Integer("count", gauge.Count, 0, 1 << 20) ||
            !g.Number("stdDev", gauge.StdDev, 0, LargestGaugeMm) || !g.Zero("zero", gauge.Zero))
            return read;
    }
    return read;
}
