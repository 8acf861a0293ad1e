#include "DiagramsText.h"

#include <QCoreApplication>

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "platform/NumberFormat.h"

namespace {

QString Num(double v) {
    return DiagramNumber(v);
}
// A length given in mm, and the same in m: "400 mm = 0.4 m".
QString MmToM(double mm) {
    return QStringLiteral("%1 mm = %2 m").arg(Num(mm), Num(mm / 1000.0));
}
QString Mm(double mm) {
    return Num(std::round(mm * 10.0) / 10.0) + QStringLiteral(" mm");
}
double Metres(int station) {
    return station / 100.0;
}
double StationMm(int station) {
    return station * 10.0;
}
QString Gravity() {
    return QLocale().toString(StandardGravity, 'f', 5);
}
QString LoadName(int index) {
    return QStringLiteral("W<sub>%1</sub>").arg(index + 1);
}
// A factor in brackets when negative, so that "× (-0.05)" reads as a product.
QString Factor(double v) {
    return v < 0.0 ? QStringLiteral("(%1)").arg(Num(v)) : Num(v);
}
QString Equation(const QString& s) {
    return QStringLiteral("&nbsp;&nbsp;&nbsp;") + s + QStringLiteral("<br>");
}
QString Section(int& number, const QString& title) {
    return QStringLiteral("<p><b>%1. %2</b><br>").arg(++number).arg(title);
}

// The direction words follow the sign.
QString ForceWord(double v) {
    if (v > 0.0) return QStringLiteral(" (upward)");
    if (v < 0.0) return QStringLiteral(" (downward: the support would have to pull the beam down)");
    return {};
}
QString CoupleWord(double v) {
    if (v > 0.0) return QStringLiteral(" (anticlockwise on the beam)");
    if (v < 0.0) return QStringLiteral(" (clockwise on the beam)");
    return {};
}
QString DeltaWord(double deltaDown) {
    if (deltaDown > 0.0) return QStringLiteral("downward");
    if (deltaDown < 0.0) return QStringLiteral("upward");
    return QStringLiteral("no deflection");
}

QString ArrangementTitle(TSupportArrangement arrangement) {
    switch (arrangement) {
    case TSupportArrangement::Cantilever:
        return QStringLiteral("Cantilever clamped at the left end");
    case TSupportArrangement::ProppedCantilever:
        return QStringLiteral("Propped cantilever: clamped at the left end, one knife-edge");
    case TSupportArrangement::FixedBothEnds:
        return QStringLiteral("Beam clamped at both ends");
    case TSupportArrangement::SimplySupported:
        return QStringLiteral("Beam on two knife-edges");
    case TSupportArrangement::Unsupported:
        break;
    }
    return {};
}

double ReactionValue(const TBeamDiagrams& d, const char* name) {
    const TReaction* r = d.Reaction(QString::fromLatin1(name));
    return r ? r->Value : 0.0;
}

// The support a weight stands on, if any ("A", "B").
QString SupportUnder(const TBeamDiagrams& d, int station) {
    for (std::size_t k = 0; k < d.Supports.size(); ++k)
        if (d.Supports[k].Station == station) return k == 0 ? QStringLiteral("A") : QStringLiteral("B");
    return {};
}

double UDLLength(const TBeamDiagrams& d) {
    return d.UDL && d.UDL->EndStation > d.UDL->StartStation ? Metres(d.UDL->EndStation - d.UDL->StartStation)
                                                            : 0.0;
}

// "W·a" terms written out: "4.903 × 0.4 + 1.961 × 0.6" (arms from x0, m).
QString SumOfMoments(const TBeamDiagrams& d, double x0) {
    QStringList parts;
    for (const TPointLoad& p : d.Loads)
        parts << QStringLiteral("%1 × %2").arg(Num(p.Force), Factor(Metres(p.Station) - x0));
    if (UDLLength(d) > 0.0)
        parts << QStringLiteral("%1 × %2").arg(
            Num(d.UDL->Intensity * UDLLength(d)),
            Factor(Metres(d.UDL->StartStation + d.UDL->EndStation) / 2.0 - x0));
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QStringLiteral(" + "));
}
QString SumOfForces(const TBeamDiagrams& d) {
    QStringList parts;
    for (const TPointLoad& p : d.Loads)
        parts << Num(p.Force);
    if (UDLLength(d) > 0.0) parts << Num(d.UDL->Intensity * UDLLength(d));
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QStringLiteral(" + "));
}

QString Warnings(const TBeamDiagrams& d) {
    QString s;
    for (const TWarning& w : d.Warnings)
        s += QStringLiteral("<p style=\"color:#b00000\"><b>Warning:</b> %1</p>")
                 .arg(WarningText(w).toHtmlEscaped());
    return s;
}

QString Conventions() {
    return QStringLiteral("<p><i>Conventions.</i> %1</p>").arg(ConventionsText().toHtmlEscaped());
}

QString LoadsSection(const TBeamDiagrams& d, int& n) {
    QString s = Section(n, QStringLiteral("The loads as forces"));
    if (d.Loads.empty() && UDLLength(d) == 0.0)
        s += Equation(QStringLiteral("Only empty hangers: no force acts on the beam."));
    if (!d.Loads.empty())
        s += Equation(
            QStringLiteral("Each weight W = m g, with its mass m in kg (1 kg = 1000 g) and g = %1 m/s²:")
                .arg(Gravity()));
    for (std::size_t k = 0; k < d.Loads.size(); ++k) {
        const TPointLoad& p = d.Loads[k];
        const QString on = SupportUnder(d, p.Station);
        s += Equation(QStringLiteral("%1 = %2 g = %3 kg at x = %4: %1 = m g = %3 × %5 = <b>%6 N</b>%7")
                          .arg(LoadName(int(k)))
                          .arg(p.Grams)
                          .arg(Num(p.Grams / 1000.0), MmToM(StationMm(p.Station)), Gravity(), Num(p.Force),
                               on.isEmpty() || d.Arrangement != TSupportArrangement::SimplySupported
                                   ? QString()
                                   : QStringLiteral(" (it stands on knife-edge %1)").arg(on)));
    }
    if (d.UDL) {
        const double len = UDLLength(d);
        if (len > 0.0)
            s += Equation(
                QStringLiteral("UDL w = <b>%1 N/m</b> from x = %2 to %3, length ℓ = %4 m: its resultant "
                               "w ℓ = %1 × %4 = <b>%5 N</b> at its middle, x = %6")
                    .arg(Num(d.UDL->Intensity), Mm(StationMm(d.UDL->StartStation)),
                         Mm(StationMm(d.UDL->EndStation)), Num(len), Num(d.UDL->Intensity * len),
                         Mm(StationMm(d.UDL->StartStation + d.UDL->EndStation) / 2.0)));
        else
            s += Equation(
                QStringLiteral("UDL w = %1 N/m, but it has no length here (it ends at %2): no force.")
                    .arg(Num(d.UDL->Intensity), Mm(StationMm(d.UDL->EndStation))));
    }
    s += Equation(QStringLiteral("Stiffness: E = %1 GPa = %1 × 10⁹ Pa, I = %2 mm⁴ = %2 × 10⁻¹² m⁴, so "
                                 "EI = <b>%3 N·m²</b>")
                      .arg(Num(d.ModulusE / 1e9), Num(d.SecondMomentI * 1e12), Num(d.EI)));
    return s + QStringLiteral("</p>");
}

// The formula of a standard case (δ downward, positive).
QString CaseFormula(TGaugeCase c) {
    switch (c) {
    case TGaugeCase::CantileverLoadBeyond:
        return QStringLiteral("δ = W x²(3a − x)/(6EI)");
    case TGaugeCase::CantileverLoadBefore:
        return QStringLiteral("δ = W a²(3x − a)/(6EI)");
    case TGaugeCase::CantileverUDLInside:
        return QStringLiteral("δ = w x²(6b² − 4bx + x²)/(24EI)");
    case TGaugeCase::CantileverUDLBeyond:
        return QStringLiteral("δ = w b³(4x − b)/(24EI)");
    case TGaugeCase::PropBeyondGauge:
        return QStringLiteral("δ = −R<sub>B</sub> x²(3p − x)/(6EI)");
    case TGaugeCase::PropBeforeGauge:
        return QStringLiteral("δ = −R<sub>B</sub> p²(3x − p)/(6EI)");
    case TGaugeCase::FixedLoadRight:
        return QStringLiteral("δ = W b²x²(3aL − 3ax − bx)/(6EIL³)");
    case TGaugeCase::FixedLoadLeft:
        return QStringLiteral("δ = W a²x′²(3bL − 3bx′ − ax′)/(6EIL³), x′ = L − x");
    case TGaugeCase::FixedUDL:
        return QStringLiteral("δ = w x²(L − x)²/(24EI)");
    case TGaugeCase::SpanLoadOverhangLeft:
        return QStringLiteral("δ = −W c ξ(L − ξ)(2L − ξ)/(6EIL)");
    case TGaugeCase::SpanLoadOverhangRight:
        return QStringLiteral("δ = −W c ξ(L − ξ)(L + ξ)/(6EIL)");
    case TGaugeCase::SpanLoadRight:
        return QStringLiteral("δ = W β ξ(L² − β² − ξ²)/(6EIL)");
    case TGaugeCase::SpanLoadLeft:
        return QStringLiteral("δ = W α(L − ξ)(L² − α² − (L − ξ)²)/(6EIL)");
    case TGaugeCase::OverhangLoadOutside:
        return QStringLiteral("δ = W d(3cd − d² + 2cL)/(6EI)");
    case TGaugeCase::OverhangLoadInside:
        return QStringLiteral("δ = W c²(c + L)/(3EI) + W c(3c + 2L)(d − c)/(6EI)");
    case TGaugeCase::OverhangLoadOther:
        return QStringLiteral("δ = W c L d/(6EI)");
    case TGaugeCase::OverhangLoadSpan:
        return QStringLiteral("δ = −W n f d(L + f)/(6EIL)");
    case TGaugeCase::SpanUDL:
        return QStringLiteral("δ = w ξ(L³ − 2Lξ² + ξ³)/(24EI)");
    case TGaugeCase::OverhangUDL:
        return QStringLiteral("δ = −w L³ d/(24EI)");
    case TGaugeCase::LoadOnSupport:
        return QStringLiteral("δ = 0");
    }
    return {};
}

QString PropSection(const TBeamDiagrams& d, int& n) {
    QString s = Section(n, QStringLiteral("The prop force from compatibility (one redundant reaction)"));
    const int p = d.Supports[1].Station;
    const double Lp = Metres(p);
    const double R = ReactionValue(d, "R_B");
    if (p == 0) {
        s += Equation(
            QStringLiteral("The knife-edge stands under the clamp, where the beam cannot move: it takes "
                           "no load, R<sub>B</sub> = <b>0 N</b>, and the beam acts as a cantilever."));
        return s + QStringLiteral("</p>");
    }
    s += Equation(QStringLiteral("Take the prop at B away (p = %1): the cantilever alone deflects there by "
                                 "δ<sub>B</sub>, the sum of the cantilever cases at x = p (a = a load's "
                                 "distance from the clamp):")
                      .arg(MmToM(StationMm(p))));
    double deltaB = 0.0;
    QStringList parts;
    for (const TGaugeTerm& t : StandardCases(d, StationMm(p), false)) {
        const double delta = -t.Mm;
        deltaB += delta;
        parts << Factor(delta);
        const QString who =
            t.Load == TGaugeTerm::UDLTerm
                ? QStringLiteral("UDL (b = %1)").arg(MmToM(StationMm(d.UDL->EndStation)))
                : QStringLiteral("%1 (a = %2 m)").arg(LoadName(t.Load), Num(Metres(d.Loads[t.Load].Station)));
        s += Equation(QStringLiteral("&nbsp;&nbsp;%1: %2 = %3 mm").arg(who, CaseFormula(t.Case), Num(delta)));
    }
    s += Equation(QStringLiteral("δ<sub>B</sub> = %1 = <b>%2 mm</b> (%3) = %4 m")
                      .arg(parts.isEmpty() ? QStringLiteral("0") : parts.join(QStringLiteral(" + ")),
                           Num(deltaB), DeltaWord(deltaB), Num(deltaB / 1000.0)));
    s += Equation(
        QStringLiteral("Compatibility: the prop does not move, so R<sub>B</sub> alone must lift B back "
                       "by δ<sub>B</sub>: R<sub>B</sub> p³/(3EI) = δ<sub>B</sub>, so"));
    s += Equation(QStringLiteral("R<sub>B</sub> = 3EI δ<sub>B</sub>/p³ = 3 × %1 × %2/%3³ = <b>%4 N</b>%5")
                      .arg(Num(d.EI), Num(deltaB / 1000.0), Num(Lp), Num(R), ForceWord(R)));
    return s + QStringLiteral("</p>");
}

QString FixedSection(const TBeamDiagrams& d, int& n) {
    const double L = BeamLengthM;
    QString s = Section(n, QStringLiteral("The end moments from compatibility (two redundant reactions)"));
    s += Equation(
        QStringLiteral("Free both clamps to turn: a beam on two supports over L = %1 m. A load W at a "
                       "from A (b = L − a from B) turns its ends by EIθ<sub>A0</sub> = W a b(L + b)/(6L) "
                       "and EIθ<sub>B0</sub> = W a b(L + a)/(6L); the UDL by w L³/24 at each end:")
            .arg(Num(L)));
    QStringList pa, pb;
    double thetaA = 0.0, thetaB = 0.0;
    for (std::size_t k = 0; k < d.Loads.size(); ++k) {
        const double a = Metres(d.Loads[k].Station);
        const double b = L - a;
        const double P = d.Loads[k].Force;
        const double ta = P * a * b * (L + b) / (6.0 * L);
        const double tb = P * a * b * (L + a) / (6.0 * L);
        thetaA += ta;
        thetaB += tb;
        pa << Num(ta);
        pb << Num(tb);
        s += Equation(
            QStringLiteral("&nbsp;&nbsp;%1 (a = %2 m, b = %3 m): %4 × %2 × %3 × (%5 + %3)/(6 × %5) = %6 "
                           "N·m² at A, %4 × %2 × %3 × (%5 + %2)/(6 × %5) = %7 N·m² at B")
                .arg(LoadName(int(k)), Num(a), Num(b), Num(P), Num(L), Num(ta), Num(tb)));
    }
    if (UDLLength(d) > 0.0) {
        const double t = d.UDL->Intensity * L * L * L / 24.0;
        thetaA += t;
        thetaB += t;
        pa << Num(t);
        pb << Num(t);
        s += Equation(QStringLiteral("&nbsp;&nbsp;UDL: w L³/24 = %1 × %2³/24 = %3 N·m² at each end")
                          .arg(Num(d.UDL->Intensity), Num(L), Num(t)));
    }
    s += Equation(
        QStringLiteral("EIθ<sub>A0</sub> = %1 = %2 N·m², EIθ<sub>B0</sub> = %3 = %4 N·m²")
            .arg(pa.join(QStringLiteral(" + ")), Num(thetaA), pb.join(QStringLiteral(" + ")), Num(thetaB)));
    s += Equation(
        QStringLiteral("Hogging end moments M<sub>A</sub>, M<sub>B</sub> turn the ends back by "
                       "EIθ<sub>A</sub> = M<sub>A</sub> L/3 + M<sub>B</sub> L/6 and EIθ<sub>B</sub> = "
                       "M<sub>A</sub> L/6 + M<sub>B</sub> L/3. Compatibility (the clamps hold the ends "
                       "level: θ<sub>A</sub> = θ<sub>A0</sub>, θ<sub>B</sub> = θ<sub>B0</sub>) gives"));
    const double MA = ReactionValue(d, "M_A");
    const double MB = -ReactionValue(d, "M_B"); // its hogging size
    s += Equation(
        QStringLiteral("M<sub>A</sub> = (4EIθ<sub>A0</sub> − 2EIθ<sub>B0</sub>)/L = (4 × %1 − 2 × %2)/%3 "
                       "= <b>%4 N·m</b>%5")
            .arg(Num(thetaA), Num(thetaB), Num(L), Num(MA), CoupleWord(MA)));
    s += Equation(
        QStringLiteral("M<sub>B</sub> = (4EIθ<sub>B0</sub> − 2EIθ<sub>A0</sub>)/L = (4 × %1 − 2 × %2)/%3 "
                       "= <b>%4 N·m</b> hogging, a couple of %5 N·m%6 at B")
            .arg(Num(thetaB), Num(thetaA), Num(L), Num(MB), Num(-MB), CoupleWord(-MB)));
    return s + QStringLiteral("</p>");
}

QString EquilibriumSection(const TBeamDiagrams& d, int& n, bool redundant) {
    QString s = Section(n, redundant ? QStringLiteral("The other reactions from equilibrium")
                                     : QStringLiteral("Reactions from equilibrium (statically determinate)"));
    const QString sumF = SumOfForces(d);
    const double RA = ReactionValue(d, "R_A");
    const double RB = ReactionValue(d, "R_B");
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever: {
        const double MA = ReactionValue(d, "M_A");
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW = %1 = <b>%2 N</b>%3")
                          .arg(sumF, Num(RA), ForceWord(RA)));
        s += Equation(QStringLiteral("ΣM about A = 0: M<sub>A</sub> = ΣW a = %1 = <b>%2 N·m</b>%3")
                          .arg(SumOfMoments(d, 0.0), Num(MA), CoupleWord(MA)));
        break;
    }
    case TSupportArrangement::ProppedCantilever: {
        const double p = Metres(d.Supports[1].Station);
        const double MA = ReactionValue(d, "M_A");
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = (%1) − %2 = <b>%3 N</b>%4")
                          .arg(sumF, Factor(RB), Num(RA), ForceWord(RA)));
        s += Equation(
            QStringLiteral("ΣM about A = 0: M<sub>A</sub> = ΣW a − R<sub>B</sub> p = (%1) − %2 × %3 = "
                           "<b>%4 N·m</b>%5")
                .arg(SumOfMoments(d, 0.0), Factor(RB), Num(p), Num(MA), CoupleWord(MA)));
        break;
    }
    case TSupportArrangement::FixedBothEnds: {
        const double MA = ReactionValue(d, "M_A");
        const double MB = -ReactionValue(d, "M_B");
        s += Equation(
            QStringLiteral("ΣM about A = 0: R<sub>B</sub> = (ΣW a − M<sub>A</sub> + M<sub>B</sub>)/L = "
                           "(%1 − %2 + %3)/%4 = <b>%5 N</b>%6")
                .arg(SumOfMoments(d, 0.0), Factor(MA), Factor(MB), Num(BeamLengthM), Num(RB), ForceWord(RB)));
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = (%1) − %2 = <b>%3 N</b>%4")
                          .arg(sumF, Factor(RB), Num(RA), ForceWord(RA)));
        break;
    }
    case TSupportArrangement::SimplySupported: {
        const int s1 = d.Supports[0].Station;
        const int s2 = d.Supports[1].Station;
        const double L = Metres(s2 - s1);
        s += Equation(
            QStringLiteral("Knife-edges A at x<sub>A</sub> = %1 and B at x<sub>B</sub> = %2: span L = %3 "
                           "m. Arms x − x<sub>A</sub> are measured from A (negative left of it).")
                .arg(Mm(StationMm(s1)), Mm(StationMm(s2)), Num(L)));
        s += Equation(
            QStringLiteral("ΣM about A = 0: R<sub>B</sub> = ΣW (x − x<sub>A</sub>)/L = (%1)/%2 = <b>%3 "
                           "N</b>%4")
                .arg(SumOfMoments(d, Metres(s1)), Num(L), Num(RB), ForceWord(RB)));
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = (%1) − %2 = <b>%3 N</b>%4")
                          .arg(sumF, Factor(RB), Num(RA), ForceWord(RA)));
        break;
    }
    case TSupportArrangement::Unsupported:
        break;
    }
    s += Equation(
        QStringLiteral("Check: ΣF = %1 N and ΣM about A = %2 N·m, zero to rounding.")
            .arg(Num(d.ForceBalance()), Num(d.MomentBalanceAbout(StationMm(d.Supports[0].Station)))));
    return s + QStringLiteral("</p>");
}

QString MomentSection(const TBeamDiagrams& d, int& n) {
    const TDiagramCurve& m = d.Curve(TDiagramKind::Moment);
    QString s = Section(n, QStringLiteral("The largest bending moment"));
    s += Equation(
        QStringLiteral("M peaks where the shear force V changes sign, under a load, or at a clamp."));
    if (m.Largest.Value > 0.0)
        s += Equation(QStringLiteral("Largest sagging moment: <b>M = %1 N·m %2</b>")
                          .arg(Num(m.Largest.Value), ExtremePlacesText(m.Largest)));
    if (m.Smallest.Value < 0.0)
        s += Equation(QStringLiteral("Largest hogging moment: <b>M = %1 N·m %2</b>")
                          .arg(Num(m.Smallest.Value), ExtremePlacesText(m.Smallest)));
    if (m.Largest.Value == 0.0 && m.Smallest.Value == 0.0) s += Equation(QStringLiteral("M = 0 everywhere."));
    return s + QStringLiteral("</p>");
}

QString StressSection(const TBeamDiagrams& d, int& n) {
    if (!d.Section) return {};
    const TBeamSection& sec = *d.Section;
    QString s = Section(n, QStringLiteral("Bending stress"));
    s += Equation(
        QStringLiteral("σ = M c/I at a fibre c from the neutral axis, tension positive. %1: c = %2 mm "
                       "to the top face, %3 mm to the bottom face; I = %4 mm⁴ = %4 × 10⁻¹² m⁴.")
            .arg(sec.Name, Num(sec.TopFibreMm), Num(sec.BottomFibreMm), Num(d.SecondMomentI * 1e12)));
    s += Equation(QStringLiteral("With M in N·mm (1 N·m = 1000 N·mm), c in mm and I in mm⁴, σ comes out in "
                                 "N/mm² = MPa:"));
    // Written with M in N mm so that the product reads in MPa directly.
    auto peakMm = [&](const TStressPeak& p, const QString& what) {
        if (p.MPa == 0.0) return;
        const double M = std::abs(d.MomentAt(p.XMm)) * 1000.0;
        const double c = p.Top ? sec.TopFibreMm : sec.BottomFibreMm;
        s += Equation(
            QStringLiteral("Largest %1 stress, %2 face at x = %3: |σ| = |M| c/I = %4 × %5/%6 = <b>%7 "
                           "MPa</b>")
                .arg(what, p.Top ? QStringLiteral("top") : QStringLiteral("bottom"), Mm(p.XMm), Num(M),
                     Num(c), Num(d.SecondMomentI * 1e12), Num(std::abs(p.MPa))));
    };
    peakMm(d.Tension, QStringLiteral("tensile"));
    peakMm(d.Compression, QStringLiteral("compressive"));
    if (d.Tension.MPa == 0.0 && d.Compression.MPa == 0.0) s += Equation(QStringLiteral("No bending: σ = 0."));
    if (sec.YieldMPa > 0.0) {
        const double worst = std::max(d.Tension.MPa, -d.Compression.MPa);
        s +=
            Equation(QStringLiteral("Typical yield strength of %1: %2 MPa; the largest stress is %3 of it%4.")
                         .arg(sec.Material, Num(sec.YieldMPa))
                         .arg(QLocale().toString(worst / sec.YieldMPa * 100.0, 'f', 0) + QStringLiteral(" %"))
                         .arg(worst > sec.YieldMPa ? QStringLiteral(": the beam would yield") : QString()));
    } else {
        s += Equation(
            QStringLiteral("The yield strength of a material of your own is not known here: compare the "
                           "stress with its data sheet."));
    }
    return s + QStringLiteral("</p>");
}

QString GaugeSection(const TBeamDiagrams& d, int& n) {
    QString s = Section(n, QStringLiteral("The deflection at the gauge (x = %1), the sum of standard cases")
                               .arg(Mm(StationMm(d.GaugeStation))));
    const double xg = Metres(d.GaugeStation);
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever:
        s += Equation(
            QStringLiteral("Cantilever cases, x = %1 m from the clamp, a a load's distance from it, b the "
                           "UDL's end:")
                .arg(Num(xg)));
        break;
    case TSupportArrangement::ProppedCantilever:
        s += Equation(
            QStringLiteral("Cantilever cases for the loads (x = %1 m, a a load's distance from the clamp), "
                           "and the prop force R<sub>B</sub> at p as an upward load:")
                .arg(Num(xg)));
        break;
    case TSupportArrangement::FixedBothEnds:
        s += Equation(
            QStringLiteral("Cases of a beam clamped at both ends, L = %1 m, x = %2 m, a and b a load's "
                           "distances from A and B:")
                .arg(Num(BeamLengthM), Num(xg)));
        break;
    case TSupportArrangement::SimplySupported:
        s += Equation(
            QStringLiteral("Cases of a beam on two knife-edges, span L; ξ the gauge's distance from A in "
                           "the span, d its distance out from the near knife-edge on an overhang; α, β a "
                           "span load's distances from A and B, n, f from the near and the far knife-edge; "
                           "c an overhang load's arm from its knife-edge:"));
        break;
    case TSupportArrangement::Unsupported:
        break;
    }
    double sum = 0.0; // downward
    for (const TGaugeTerm& t : d.GaugeTerms) {
        const double delta = -t.Mm;
        sum += delta;
        QString who;
        if (t.Load == TGaugeTerm::UDLTerm)
            who = QStringLiteral("UDL w = %1 N/m").arg(Num(d.UDL->Intensity));
        else if (t.Load == TGaugeTerm::PropTerm)
            who = QStringLiteral("Prop R<sub>B</sub> = %1 N at p = %2 m")
                      .arg(Num(ReactionValue(d, "R_B")), Num(Metres(d.Supports[1].Station)));
        else
            who = QStringLiteral("%1 = %2 N at x = %3 m")
                      .arg(LoadName(t.Load), Num(d.Loads[std::size_t(t.Load)].Force),
                           Num(Metres(d.Loads[std::size_t(t.Load)].Station)));
        if (t.Case == TGaugeCase::LoadOnSupport)
            s += Equation(
                QStringLiteral("%1 stands on knife-edge %2: it goes straight into the support and does not "
                               "bend the beam, δ = 0 mm")
                    .arg(who, SupportUnder(d, d.Loads[std::size_t(t.Load)].Station)));
        else
            s += Equation(QStringLiteral("%1:<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%2 = <b>%3 mm</b>")
                              .arg(who, CaseFormula(t.Case), Num(delta)));
    }
    if (d.GaugeTerms.empty()) s += Equation(QStringLiteral("No load bends the beam."));
    s += Equation(
        QStringLiteral("Σδ = <b>%1 mm</b> (%2), so the gauge reads y = −Σδ = <b>%3 mm</b> (the deflection "
                       "view shows %4 mm).")
            .arg(Num(sum), DeltaWord(sum), FormatFixed(-sum, 2), FormatFixed(d.GaugeDeflectionMm, 2)));
    return s + QStringLiteral("</p>");
}

QString ValuesSection(const TBeamDiagrams& d, int& n) {
    QString s = Section(n, QStringLiteral("Values at the supports and under the loads"));
    std::vector<std::pair<int, QString>> places;
    for (std::size_t k = 0; k < d.Supports.size(); ++k)
        places.push_back({d.Supports[k].Station, k == 0 ? QStringLiteral("A") : QStringLiteral("B")});
    for (std::size_t k = 0; k < d.Loads.size(); ++k)
        places.push_back({d.Loads[k].Station, LoadName(int(k))});
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    s += QStringLiteral("</p><table cellspacing=\"0\" cellpadding=\"3\" border=\"1\">"
                        "<tr><th>where</th><th>x (mm)</th><th>V left / right (N)</th><th>M (N·m)</th>"
                        "<th>θ (mrad)</th><th>y (mm)</th></tr>");
    for (std::size_t k = 0; k < places.size();) {
        QStringList names;
        const int station = places[k].first;
        while (k < places.size() && places[k].first == station)
            names << places[k++].second;
        const double x = StationMm(station);
        s +=
            QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3 / %4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                .arg(names.join(QStringLiteral(", ")), Num(x), Num(station == 0 ? 0.0 : d.ShearAt(x, false)),
                     Num(station == LastStation ? 0.0 : d.ShearAt(x, true)),
                     Num(d.MomentAt(x, station < LastStation)), Num(d.SlopeAt(x)), Num(d.DeflectionAt(x)));
    }
    return s + QStringLiteral("</table>");
}

} // namespace

QString ConventionsText() {
    return QStringLiteral(
        "x is measured from the beam's left end. Forces and reactions are upward positive; a load is given "
        "as "
        "its downward size. A reaction couple is anticlockwise positive. The shear force V at a section is "
        "the "
        "sum of the vertical forces left of it, upward positive. The bending moment M is the moment about "
        "the "
        "section of the forces left of it, sagging positive (the beam curves up at its ends), hogging "
        "negative. "
        "The slope θ = dy/dx is positive where the beam rises to the right. The deflection y is upward "
        "positive, "
        "so a downward deflection is negative; δ, the deflection of one standard case, is measured downward "
        "(δ = −y). Stress σ is tension positive.");
}

QString ExtremePlacesText(const TExtreme& e) {
    QStringList parts;
    for (const TExtremePlace& p : e.Places())
        parts << (p.Stretch() ? QStringLiteral("from %1 to %2").arg(Num(std::round(p.XMm)), Mm(p.ToMm))
                              : QStringLiteral("at %1").arg(Mm(p.XMm)));
    if (parts.size() == 1) return parts.front();
    const QString lastPart = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + lastPart;
}

QString WarningText(const TWarning& w) {
    switch (w.Kind) {
    case TWarningKind::LiftOff:
        return QCoreApplication::translate(
                   "Diagrams",
                   "Lift-off: knife-edge %1 at %2 would have to pull the beam down (%3 N); a "
                   "knife-edge can only push, so the beam lifts off it and these results do not hold.")
            .arg(w.Support.section(QLatin1Char('_'), 1), Mm(w.XMm), Num(w.Value));
    case TWarningKind::LargeDeflection:
        return QCoreApplication::translate(
                   "Diagrams", "Large deflection: %1 mm at %2, beyond 1/20 of the beam's length (%3 mm); "
                               "small-deflection theory no longer holds.")
            .arg(Num(w.Value), Mm(w.XMm), Num(w.Limit));
    case TWarningKind::Yield:
        return QCoreApplication::translate(
                   "Diagrams", "Yield: a bending stress of %1 MPa at %2 passes the material's typical yield "
                               "strength of %3 MPa; the beam would bend permanently.")
            .arg(Num(w.Value), Mm(w.XMm), Num(w.Limit));
    }
    return {};
}

QString WorkedSolutionHtml(const TBeamDiagrams& d) {
    if (!d.Drawable) return QStringLiteral("<p>%1</p>").arg(d.Reason.toHtmlEscaped());
    QString s = QStringLiteral("<h3>%1</h3>").arg(ArrangementTitle(d.Arrangement));
    s += Warnings(d);
    s += Conventions();
    int n = 0;
    s += LoadsSection(d, n);
    if (d.Arrangement == TSupportArrangement::ProppedCantilever) s += PropSection(d, n);
    if (d.Arrangement == TSupportArrangement::FixedBothEnds) s += FixedSection(d, n);
    const bool redundant = d.Arrangement == TSupportArrangement::ProppedCantilever ||
                           d.Arrangement == TSupportArrangement::FixedBothEnds;
    s += EquilibriumSection(d, n, redundant);
    s += MomentSection(d, n);
    s += StressSection(d, n);
    s += GaugeSection(d, n);
    s += ValuesSection(d, n);
    return s;
}
