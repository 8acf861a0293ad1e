#include "VariedProperty.h"

#include <QStringList>
#include <algorithm>

#include "platform/NumberFormat.h"

namespace {

QString Mm(int mm) {
    return QString::number(mm) + QStringLiteral(" mm");
}

QString Newtons(double n) {
    return FormatFixed(n, 2) + QStringLiteral(" N");
}

TVariedValue Number(double value, const QString& quantity, const QString& unit, const QString& text) {
    TVariedValue v;
    v.Numeric = true;
    v.Value = value;
    v.Quantity = quantity;
    v.Unit = unit;
    v.Text = text;
    return v;
}

TVariedValue Undefined(const QString& quantity, const QString& why) {
    TVariedValue v;
    v.Undefined = true;
    v.Quantity = quantity;
    v.Text = why;
    return v;
}

TVariedValue Description(const QString& quantity, const QString& text) {
    TVariedValue v;
    v.Quantity = quantity;
    v.Text = text;
    return v;
}

QString ArrangementName(TSupportArrangement a) {
    switch (a) {
    case TSupportArrangement::Cantilever:
        return QStringLiteral("Cantilever");
    case TSupportArrangement::ProppedCantilever:
        return QStringLiteral("Propped cantilever");
    case TSupportArrangement::FixedBothEnds:
        return QStringLiteral("Fixed both ends");
    case TSupportArrangement::SimplySupported:
        return QStringLiteral("Simply supported");
    case TSupportArrangement::Unsupported:
        break;
    }
    return QStringLiteral("Unsupported");
}

} // namespace

const std::array<QString, VariedPropertyCount>& VariedPropertyNames() {
    static const std::array<QString, VariedPropertyCount> names = {
        QStringLiteral("Variable hanger position"),
        QStringLiteral("Variable hanger load"),
        QStringLiteral("Variable beam span"),
        QStringLiteral("Variable UDL value"),
        QStringLiteral("Variable UDL length"),
        QStringLiteral("Variable gauge position"),
        QStringLiteral("Variable section"),
        QStringLiteral("Variable material"),
        QStringLiteral("Circular Bending, variable load"),
        QStringLiteral("Arbitrary combination")};
    return names;
}

QString VariedPropertyName(TVariedProperty property) {
    return VariedPropertyNames()[static_cast<int>(property)];
}

TVariedProperty VariedPropertyFromIndex(int index) {
    if (index < 0 || index >= VariedPropertyCount) return TVariedProperty::Arbitrary;
    return static_cast<TVariedProperty>(index);
}

int SpanMm(const TBeamLayout& layout) {
    switch (layout.SupportArrangement()) {
    case TSupportArrangement::Cantilever:
    case TSupportArrangement::FixedBothEnds:
        return LastStation * 10;
    case TSupportArrangement::ProppedCantilever:
        return layout.PropStation() * 10;
    case TSupportArrangement::SimplySupported:
        return std::abs(layout.KnifeEdge2Station - layout.KnifeEdge1Station) * 10;
    case TSupportArrangement::Unsupported:
        break;
    }
    return -1;
}

QString LayoutSummary(const TBeamLayout& layout) {
    QStringList parts;
    const int span = SpanMm(layout);
    parts << (span >= 0 ? ArrangementName(layout.SupportArrangement()) + QStringLiteral(", span ") + Mm(span)
                        : ArrangementName(layout.SupportArrangement()));
    for (int s = 0; s < StationCount; ++s)
        if (layout.HangerSlots[s].Occupied())
            parts << QString::number(layout.HangerSlots[s].Mass) + QStringLiteral(" g at ") + Mm(s * 10);
    if (layout.UDL)
        parts << QStringLiteral("UDL ") + QString::number(layout.UDLIntensity) +
                     QStringLiteral(" N/m over ") + Mm((layout.UDLEndStation - layout.UDLStartStation) * 10);
    parts << QStringLiteral("gauge at ") + Mm(layout.GaugeStation * 10);
    return parts.join(QStringLiteral("; "));
}

TVariedValue VariedValue(TVariedProperty property, const TBeamLayout& layout,
                         const TStiffnessChoice& stiffness) {
    std::vector<int> hangers;
    int grams = 0;
    for (int s = 0; s < StationCount; ++s)
        if (layout.HangerSlots[s].Occupied()) {
            hangers.push_back(s);
            grams += layout.HangerSlots[s].Mass;
        }

    switch (property) {
    case TVariedProperty::HangerPosition: {
        const QString q = QStringLiteral("Hanger position");
        if (hangers.empty()) return Undefined(q, QStringLiteral("No hanger on the beam"));
        if (hangers.size() > 1)
            return Undefined(
                q, QStringLiteral("%1 hangers on the beam: no single hanger position").arg(hangers.size()));
        return Number(hangers.front() * 10.0, q, QStringLiteral("mm"), Mm(hangers.front() * 10));
    }
    case TVariedProperty::HangerLoad: {
        const double n = grams * NewtonsPerGram;
        TVariedValue v =
            Number(n, QStringLiteral("Hanger load"), QStringLiteral("N"),
                   QString::number(grams) + QStringLiteral(" g (") + Newtons(n) + QStringLiteral(")"));
        v.Grams = grams;
        return v;
    }
    case TVariedProperty::BeamSpan: {
        const int span = SpanMm(layout);
        if (span < 0)
            return Undefined(QStringLiteral("Beam span"), QStringLiteral("The beam is not supported"));
        return Number(span, QStringLiteral("Beam span"), QStringLiteral("mm"), Mm(span));
    }
    case TVariedProperty::UDLValue:
        if (!layout.UDL) return Undefined(QStringLiteral("UDL value"), QStringLiteral("No UDL on the beam"));
        return Number(layout.UDLIntensity, QStringLiteral("UDL value"), QStringLiteral("N/m"),
                      QString::number(layout.UDLIntensity) + QStringLiteral(" N/m"));
    case TVariedProperty::UDLLength: {
        if (!layout.UDL) return Undefined(QStringLiteral("UDL length"), QStringLiteral("No UDL on the beam"));
        const int mm = (layout.UDLEndStation - layout.UDLStartStation) * 10;
        return Number(mm, QStringLiteral("UDL length"), QStringLiteral("mm"), Mm(mm));
    }
    case TVariedProperty::GaugePosition:
        return Number(layout.GaugeStation * 10.0, QStringLiteral("Gauge position"), QStringLiteral("mm"),
                      Mm(layout.GaugeStation * 10));
    case TVariedProperty::Section:
        return Description(QStringLiteral("Section"), stiffness.SectionName);
    case TVariedProperty::Material:
        return Number(stiffness.ModulusGPa, QStringLiteral("Young's modulus"), QStringLiteral("GPa"),
                      stiffness.MaterialName + QStringLiteral(", ") + FormatGeneral(stiffness.ModulusGPa) +
                          QStringLiteral(" GPa"));
    case TVariedProperty::CircularBending: {
        // The load of circular bending is the one carried by each of the equal hangers at the two ends.
        const QString q = QStringLiteral("Load on each hanger");
        if (hangers.empty()) return Undefined(q, QStringLiteral("No hanger on the beam"));
        const int first = layout.HangerSlots[hangers.front()].Mass;
        if (std::any_of(hangers.begin(), hangers.end(),
                        [&](int s) { return layout.HangerSlots[s].Mass != first; }))
            return Undefined(q, QStringLiteral("The hangers carry different loads"));
        const double n = first * NewtonsPerGram;
        TVariedValue v =
            Number(n, q, QStringLiteral("N"),
                   QStringLiteral("%1 x %2 g (%3 each)").arg(hangers.size()).arg(first).arg(Newtons(n)));
        v.Grams = first;
        return v;
    }
    case TVariedProperty::Arbitrary:
        break;
    }
    return Description(QStringLiteral("Layout"), LayoutSummary(layout));
}

TStiffnessChoice StiffnessOf(const TSectionChoice& choice) {
    TStiffnessChoice s;
    s.SectionName = SectionName(choice.Section);
    s.MaterialName = MaterialName(choice.Material);
    s.ModulusGPa = double(ChoiceModulusE(choice)) / 1e9;
    s.SecondMomentM4 = double(ChoiceSecondMomentI(choice));
    return s;
}
