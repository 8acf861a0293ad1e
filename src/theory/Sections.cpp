#include "Sections.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "platform/NumberFormat.h"

TFlatSectionProperties FlatSectionProperties(double width, double thickness) {
    return {thickness / 2.0, width * thickness,
            static_cast<float>(width * thickness * thickness * thickness / 12.0 / 1000.0)};
}

bool FlatDimensionsInRange(double width, double thickness) {
    return width >= FlatWidthMin && width <= FlatWidthMax && thickness >= FlatThicknessMin &&
           thickness <= FlatThicknessMax;
}

float SecondMomentToM4(float secondMoment) {
    return static_cast<float>(double(secondMoment) / 1e9);
}

double ConfirmedOtherModulusGPa(double gpa) {
    if (std::isnan(gpa)) return OtherModulusMinGPa;
    return std::clamp(gpa, OtherModulusMinGPa, OtherModulusMaxGPa);
}

float ModulusFromGPa(double gpa) {
    return static_cast<float>(gpa * 1e9);
}

QString NeutralAxisText(double y) {
    return QCoreApplication::translate("Sections", "Neutral Axis, Y:\t       ") + FormatFixed(y, 2) +
           QStringLiteral(" mm");
}

QString MomentOfAreaText(double secondMoment) {
    return QCoreApplication::translate("Sections", "2nd moment of area: ") + FormatFixed(secondMoment, 3) +
           QStringLiteral("\u00D710");
}

QString CatalogueAreaText(double area) {
    return QCoreApplication::translate("Sections", "Area of section:       ") + FormatGeneral(area) +
           QStringLiteral(" mm\u00B2");
}

QString FlatAreaText(double area) {
    return QCoreApplication::translate("Sections", "Area of section:       ") + FormatFixed(area, 2) +
           QStringLiteral(" mm\u00B2");
}

QString OtherMaterialItemText(double gpa) {
    return QCoreApplication::translate("Sections", "Other material: ") + FormatFixed(gpa, 1) +
           QStringLiteral(" GPa");
}

QString PowerOfTenText(bool metreUnits) {
    return metreUnits ? QStringLiteral("-9") : QStringLiteral("3");
}

TSectionShape SectionShape(int index) {
    TSectionShape s;
    constexpr double w = 1.88; // wall of the H, I and U sections
    switch (index) {
    case 0:
        s.Solid = {{0, 0, FlatWidthStart, FlatThicknessStart}};
        break;
    case 1:
        s.Solid = {{0, 0, FlatThicknessStart, FlatWidthStart}};
        break;
    case 2: { // stem on a flange at the bottom
        constexpr double t = 2.87;
        s.Solid = {{(12 - t) / 2, 0, t, 12 - t}, {0, 12 - t, 12, t}};
        break;
    }
    case 3: // two upright plates joined at mid-height
        s.Solid = {{0, 0, w, 12}, {12 - w, 0, w, 12}, {w, 6 - w / 2, 12 - 2 * w, w}};
        break;
    case 4: // two flanges joined by an upright web
        s.Solid = {{0, 0, 12, w}, {0, 12 - w, 12, w}, {6 - w / 2, w, w, 12 - 2 * w}};
        break;
    case 5: // open at the top
        s.Solid = {{0, 0, w, 12}, {12 - w, 0, w, 12}, {w, 12 - w, 12 - 2 * w, w}};
        break;
    case 6: {
        constexpr double t = 1.86;
        s.Solid = {{0, 0, 10, 10}};
        s.Holes = {{t, t, 10 - 2 * t, 10 - 2 * t}};
        break;
    }
    case 7:
        s.OuterDiameter = 12.0;
        s.InnerDiameter = 12.0 - 2 * 1.91;
        s.Width = s.Height = 12.0;
        return s;
    default:
        return s;
    }
    for (const TRectMm& r : s.Solid) {
        s.Width = std::max(s.Width, r.X + r.W);
        s.Height = std::max(s.Height, r.Y + r.H);
    }
    return s;
}

float ChoiceModulusE(const TSectionChoice& choice) {
    return choice.Material == OtherMaterial ? ModulusFromGPa(choice.OtherModulusGPa)
                                            : DefaultMaterialModuli[std::size_t(choice.Material)];
}

float ChoiceSecondMomentI(const TSectionChoice& choice) {
    return choice.Section == FlatSectionIndex
               ? SecondMomentToM4(FlatSectionProperties(choice.FlatWidth, choice.FlatThickness).SecondMoment)
               : SecondMomentToM4(SectionCatalogue[std::size_t(choice.Section)].SecondMoment);
}

double ChoiceModulusGPa(const TSectionChoice& choice) {
    if (choice.Material == OtherMaterial) return choice.OtherModulusGPa;
    // The table holds 32-bit floats (69 GPa is 69000003584 Pa there); the nominal value is a whole MPa.
    return std::round(double(DefaultMaterialModuli[std::size_t(choice.Material)]) / 1e6) / 1e3;
}

QString MaterialName(int material) {
    return material >= 0 && material < MaterialCount
               ? QString::fromLatin1(MaterialNames[std::size_t(material)])
               : QString();
}

QString SectionName(int section) {
    return section >= 0 && section < SectionCount ? QString::fromLatin1(SectionNames[std::size_t(section)])
                                                  : QString();
}
