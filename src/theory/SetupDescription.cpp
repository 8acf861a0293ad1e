#include "SetupDescription.h"

#include <QStringList>
#include <algorithm>

#include "theory/BeamTheory.h"
#include "theory/DeflectionPlot.h"

namespace {

QString Mm(int station) {
    return QStringLiteral("%1 mm").arg(station * 10);
}

} // namespace

QString DescribeSupports(const TBeamLayout& layout) {
    const int a = std::min(layout.KnifeEdge1Station, layout.KnifeEdge2Station);
    const int b = std::max(layout.KnifeEdge1Station, layout.KnifeEdge2Station);
    switch (layout.SupportArrangement()) {
    case TSupportArrangement::Cantilever:
        return QStringLiteral("Cantilever clamped at the left end");
    case TSupportArrangement::ProppedCantilever:
        return QStringLiteral("Propped cantilever clamped at the left end, knife-edge at %1")
            .arg(Mm(layout.PropStation()));
    case TSupportArrangement::FixedBothEnds:
        return QStringLiteral("Clamped at both ends");
    case TSupportArrangement::SimplySupported:
        if (a == b) return QStringLiteral("Both knife-edges at %1, no span").arg(Mm(a));
        return QStringLiteral("Simply supported on knife-edges at %1 and %2 mm").arg(a * 10).arg(b * 10);
    case TSupportArrangement::Unsupported:
        break;
    }
    if (layout.KnifeEdgeCount() == 1)
        return QStringLiteral("One knife-edge at %1, not supported")
            .arg(Mm(layout.KnifeEdge1 ? layout.KnifeEdge1Station : layout.KnifeEdge2Station));
    return QStringLiteral("No supports");
}

QString DescribeLayout(const TBeamLayout& layout) {
    QStringList parts{DescribeSupports(layout)};
    for (int s = 0; s < StationCount; ++s)
        if (layout.HangerSlots[s].Occupied())
            parts << QStringLiteral("%1 g at %2").arg(layout.HangerSlots[s].Mass).arg(Mm(s));
    if (layout.UDL)
        parts << QStringLiteral("UDL %1 N/m from %2 to %3 mm")
                     .arg(layout.UDLIntensity)
                     .arg(layout.UDLStartStation * 10)
                     .arg(layout.UDLEndStation * 10);
    if (!layout.Loaded()) parts << QStringLiteral("no load");
    parts << QStringLiteral("dial gauge at %1").arg(Mm(layout.GaugeStation));
    return parts.join(QStringLiteral("; "));
}

QString DescribeSetup(const TBeamLayout& layout, const TBeamTheory& theory) {
    QStringList parts{DescribeLayout(layout)};
    if (layout.Loaded() && TheoryArrangement(layout) != TSupportArrangement::Unsupported) {
        parts << QStringLiteral("theoretical deflection at the gauge %1")
                     .arg(GaugeReadoutText(theory.DisplayedDeflectionMm(layout.GaugeStation)));
        int lowest = 0, highest = 0;
        for (int s = 1; s < StationCount; ++s) {
            if (theory.DisplayedDeflectionMm(s) < theory.DisplayedDeflectionMm(lowest)) lowest = s;
            if (theory.DisplayedDeflectionMm(s) > theory.DisplayedDeflectionMm(highest)) highest = s;
        }
        // A value that reads 0.00 is no deflection to speak of.
        if (GaugeReadoutText(theory.DisplayedDeflectionMm(lowest)).startsWith(QLatin1Char('-')))
            parts << QStringLiteral("largest downward deflection %1 at %2")
                         .arg(GaugeReadoutText(theory.DisplayedDeflectionMm(lowest)), Mm(lowest));
        if (theory.DisplayedDeflectionMm(highest) >= 0.005)
            parts << QStringLiteral("largest upward deflection %1 at %2")
                         .arg(GaugeReadoutText(theory.DisplayedDeflectionMm(highest)), Mm(highest));
    }
    return parts.join(QStringLiteral("; "));
}
