#include "ReadingsExport.h"

#include <QStringList>
#include <cmath>

#include "platform/NumberFormat.h"

namespace {

TExportCell Optional(const std::optional<double>& v) {
    return v ? TExportCell(*v) : TExportCell();
}

QString Mm(int station) {
    return QStringLiteral("%1 mm").arg(station * 10);
}

QString ZeroText(const TGaugeZero& zero) {
    return zero.Set ? FormatFixed(zero.Value, 3) + QStringLiteral(" mm") : QStringLiteral("none");
}

} // namespace

TExportTable ReadingsExportTable(const TReadingsTable& table) {
    TExportTable out;
    out.Name = QStringLiteral("Readings");
    out.Columns = {
        {QStringLiteral("Elapsed time"), QStringLiteral("s"), 1},
        {QStringLiteral("No."), QString(), 0},
        {QStringLiteral("Property varied"), QString(), 0},
        {QStringLiteral("Value"), QString(), 0},
        {QStringLiteral("Value (number)"), QString(), 3},
        {QStringLiteral("Unit"), QString(), 0},
        {QStringLiteral("Gauge position"), QStringLiteral("mm"), 0},
        {QStringLiteral("Theory"), QStringLiteral("mm"), 3},
        {QStringLiteral("Gauge 1"), QStringLiteral("mm"), 3},
        {QStringLiteral("Gauge 1 samples"), QString(), 0},
        {QStringLiteral("Gauge 1 std. dev."), QStringLiteral("mm"), 4},
        {QStringLiteral("Gauge 1 zero"), QStringLiteral("mm"), 3},
        {QStringLiteral("Gauge 2"), QStringLiteral("mm"), 3},
        {QStringLiteral("Gauge 2 samples"), QString(), 0},
        {QStringLiteral("Gauge 2 std. dev."), QStringLiteral("mm"), 4},
        {QStringLiteral("Gauge 2 zero"), QStringLiteral("mm"), 3},
        {QStringLiteral("Difference"), QStringLiteral("mm"), 3},
        {QStringLiteral("Difference"), QStringLiteral("%"), 1},
        // After the columns the first files had (the note stays last), so a spreadsheet built on those keeps
        // its references.
        {QStringLiteral("Run"), QString(), 0},
        {QStringLiteral("Gauge compared"), QString(), 0},
        {QStringLiteral("Section"), QString(), 0},
        {QStringLiteral("Material"), QString(), 0},
        {QStringLiteral("Not fitted"), QString(), 0},
        {QStringLiteral("Note"), QString(), 0},
    };
    for (const TReading& r : table.Rows()) {
        std::vector<TExportCell> row;
        row.emplace_back(r.ElapsedS);
        row.emplace_back(double(r.Number));
        row.emplace_back(VariedPropertyName(r.Property));
        row.emplace_back(r.Varied.Text);
        row.push_back(r.Varied.Numeric ? TExportCell(r.Varied.Value) : TExportCell());
        row.emplace_back(r.Varied.Unit);
        row.emplace_back(double(r.GaugePositionMm()));
        row.emplace_back(r.TheoryMm);
        for (const TMeasuredGauge& g : r.Gauges) {
            if (g.Valid) {
                row.emplace_back(g.Mean);
                row.emplace_back(double(g.Count));
                row.emplace_back(g.StdDev);
            } else {
                row.insert(row.end(), 3, TExportCell());
            }
            row.push_back(g.Zero.Set ? TExportCell(g.Zero.Value) : TExportCell());
        }
        row.push_back(Optional(r.DifferenceMm()));
        row.push_back(Optional(r.DifferencePercent()));
        row.emplace_back(table.RunName(r.Run));
        row.emplace_back(double(r.SelectedGauge + 1)); // the gauge the difference compares
        row.emplace_back(r.Stiffness.SectionName);
        row.emplace_back(r.Stiffness.MaterialName);
        row.emplace_back(r.NotFittedReason());
        row.emplace_back(r.Note);
        out.Rows.push_back(std::move(row));
    }
    return out;
}

TExportTable SetupExportTable(const TExperimentSetup& setup) {
    TExportTable out;
    out.Name = QStringLiteral("Set-up");
    out.Columns = {{QStringLiteral("Item"), QString(), 0}, {QStringLiteral("Value"), QString(), 0}};
    const TSectionChoice& c = setup.Section;
    const TBeamLayout& l = setup.Layout;
    auto add = [&out](const QString& item, const QString& value) {
        out.Rows.push_back({TExportCell(item), TExportCell(value)});
    };
    QString section = QString::fromLatin1(SectionNames[std::size_t(c.Section)]);
    if (c.Section == FlatSectionIndex)
        section +=
            QStringLiteral(", %1 x %2 mm").arg(FormatFixed(c.FlatWidth, 2), FormatFixed(c.FlatThickness, 2));
    add(QStringLiteral("Section"), section);
    add(QStringLiteral("Second moment of area"),
        QStringLiteral("%1 mm^4").arg(FormatGeneral(double(ChoiceSecondMomentI(c)) * 1e12)));
    add(QStringLiteral("Material"), MaterialName(c.Material));
    add(QStringLiteral("Young's modulus E"),
        QStringLiteral("%1 GPa").arg(FormatGeneral(double(ChoiceModulusE(c)) / 1e9)));
    QStringList supports;
    if (l.LeftClamp) supports << QStringLiteral("clamp at 0 mm");
    if (l.RightClamp) supports << QStringLiteral("clamp at 600 mm");
    if (l.KnifeEdge1) supports << QStringLiteral("knife-edge at ") + Mm(l.KnifeEdge1Station);
    if (l.KnifeEdge2) supports << QStringLiteral("knife-edge at ") + Mm(l.KnifeEdge2Station);
    add(QStringLiteral("Supports"),
        supports.isEmpty() ? QStringLiteral("none") : supports.join(QStringLiteral("; ")));
    QStringList loads;
    for (int s = 0; s < StationCount; ++s)
        if (l.HangerSlots[s].Occupied())
            loads << QStringLiteral("%1 g at %2%3")
                         .arg(l.HangerSlots[s].Mass)
                         .arg(Mm(s),
                              l.HangerSlots[s].Variable ? QStringLiteral(" (variable weight)") : QString());
    if (l.UDL)
        loads << QStringLiteral("UDL %1 N/m from %2 to %3")
                     .arg(l.UDLIntensity)
                     .arg(Mm(l.UDLStartStation), Mm(l.UDLEndStation));
    add(QStringLiteral("Loads"), loads.isEmpty() ? QStringLiteral("none") : loads.join(QStringLiteral("; ")));
    add(QStringLiteral("Dial gauge"), Mm(l.GaugeStation));
    add(QStringLiteral("Property varied"), VariedPropertyName(VariedPropertyFromIndex(setup.PropertyVaried)));
    add(QStringLiteral("Zero, gauge 1"), ZeroText(setup.Zero[0]));
    add(QStringLiteral("Zero, gauge 2"), ZeroText(setup.Zero[1]));
    return out;
}

TExportTable ReportSetupTable(const TExperimentSetup& setup, const TReadingsTable& table) {
    TExportTable all = SetupExportTable(setup);
    if (table.Empty()) return all;
    TExportTable out;
    out.Name = all.Name;
    out.Columns = all.Columns;
    for (const int run : table.Runs()) {
        const TReading* first = nullptr;
        int from = 0, to = 0, count = 0;
        for (const TReading& r : table.Rows())
            if (r.Run == run) {
                if (!first) {
                    first = &r;
                    from = r.Number;
                }
                to = r.Number;
                ++count;
            }
        if (!first) continue;
        QStringList zeros;
        for (int g = 0; g < GaugeCount; ++g)
            zeros
                << QStringLiteral("gauge %1 %2").arg(g + 1).arg(ZeroText(first->Gauges[std::size_t(g)].Zero));
        const QString value =
            QStringLiteral(
                "%1, I = %2 mm^4; %3, E = %4 GPa; %5; gauge %6 compared; zeros used: %7; %8 reading(s), "
                "no. %9 to %10")
                .arg(first->Stiffness.SectionName, FormatGeneral(first->Stiffness.SecondMomentM4 * 1e12),
                     first->Stiffness.MaterialName,
                     FormatGeneral(std::round(first->Stiffness.ModulusGPa * 1000.0) / 1000.0),
                     VariedPropertyName(first->Property))
                .arg(first->SelectedGauge + 1)
                .arg(zeros.join(QStringLiteral(", ")))
                .arg(count)
                .arg(from)
                .arg(to);
        out.Rows.push_back({TExportCell(table.RunName(run)), TExportCell(value)});
    }
    // The layout as it stands when printed: supports, loads, gauge.
    for (const auto& row : all.Rows) {
        const QString* item = std::get_if<QString>(&row[0]);
        if (item && (*item == QLatin1String("Supports") || *item == QLatin1String("Loads") ||
                     *item == QLatin1String("Dial gauge")))
            out.Rows.push_back({TExportCell(*item + QStringLiteral(" (now)")), row[1]});
    }
    return out;
}
