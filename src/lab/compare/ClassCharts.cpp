#include "ClassCharts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/FileWriter.h"
#include "platform/NumberFormat.h"

namespace {

// The charts and the summary speak the language in use (the window and the PDF the teacher writes).
QString MaterialShown(const QString& material) {
    return QCoreApplication::translate("Sections", material.toUtf8().constData());
}

// A round step for about `count` ticks over `span`.
double TickStep(double span, int count) {
    if (span <= 0) return 1.0;
    const double raw = span / count, power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power) return m * power;
    return 10 * power;
}

struct TAxes {
    QRectF Plot;
    double X0, X1, Y0, Y1;
    [[nodiscard]] QPointF At(double x, double y) const {
        return {Plot.left() + (x - X0) / (X1 - X0) * Plot.width(),
                Plot.bottom() - (y - Y0) / (Y1 - Y0) * Plot.height()};
    }
};

// Axes with round ticks and their numbers; the plot area inside `area` after the margins for the numbers
// and the titles.
TAxes DrawAxes(QPainter& p, const QRectF& area, double x0, double x1, double y0, double y1,
               const QString& xTitle, const QString& yTitle, bool xTicks = true) {
    const QFontMetricsF fm(p.font());
    const double line = fm.height();
    TAxes a;
    a.Plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("-000.0")) + line + 6, line * 0.5, -8,
                           -(2 * line + 6));
    const double sx = TickStep(x1 - x0, 6), sy = TickStep(y1 - y0, 5);
    a.X0 = std::floor(x0 / sx) * sx;
    a.X1 = std::ceil(x1 / sx) * sx;
    a.Y0 = std::floor(y0 / sy) * sy;
    a.Y1 = std::ceil(y1 / sy) * sy;
    if (a.X1 <= a.X0) a.X1 = a.X0 + sx;
    if (a.Y1 <= a.Y0) a.Y1 = a.Y0 + sy;
    p.setPen(QColor(0xdd, 0xdd, 0xdd));
    const int xd = sx < 1 ? int(std::ceil(-std::log10(sx))) : 0,
              yd = sy < 1 ? int(std::ceil(-std::log10(sy))) : 0;
    for (double y = a.Y0; y <= a.Y1 + sy / 2; y += sy) {
        p.setPen(QColor(0xdd, 0xdd, 0xdd));
        p.drawLine(a.At(a.X0, y), a.At(a.X1, y));
        p.setPen(Qt::black);
        const QString t = FormatFixed(std::abs(y) < sy / 1000 ? 0.0 : y, yd);
        p.drawText(QRectF(area.left(), a.At(a.X0, y).y() - line / 2, a.Plot.left() - area.left() - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, t);
    }
    if (xTicks)
        for (double x = a.X0; x <= a.X1 + sx / 2; x += sx) {
            p.setPen(QColor(0xdd, 0xdd, 0xdd));
            p.drawLine(a.At(x, a.Y0), a.At(x, a.Y1));
            p.setPen(Qt::black);
            const QString t = FormatFixed(std::abs(x) < sx / 1000 ? 0.0 : x, xd);
            p.drawText(QRectF(a.At(x, a.Y0).x() - 40, a.Plot.bottom() + 2, 80, line), Qt::AlignHCenter, t);
        }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(a.Plot);
    p.drawText(QRectF(a.Plot.left(), area.bottom() - line, a.Plot.width(), line), Qt::AlignHCenter, xTitle);
    p.save();
    p.translate(area.left() + line * 0.8, a.Plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-a.Plot.height() / 2, -line, a.Plot.height(), line * 1.2), Qt::AlignHCenter, yTitle);
    p.restore();
    return a;
}

void NoData(QPainter& p, const QRectF& area, const QString& text) {
    p.setPen(Qt::gray);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString GroupOf(const TClassRun& r) {
    return r.Group.isEmpty() ? r.File : r.Group;
}

} // namespace

QColor ClassFileColour(int index) {
    static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                     QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
                                     QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                     QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
                                     QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf)};
    return colours[index % 10];
}

void PaintClassScatter(QPainter& p, const QRectF& area, const TClassResults& results) {
    double lo = 0.0, hi = 0.0;
    bool any = false;
    for (const TClassRun& r : results.Runs)
        for (const auto& [t, m] : r.Points) {
            lo = std::min({lo, t, m});
            hi = std::max({hi, t, m});
            any = true;
        }
    if (!any)
        return NoData(p, area, QCoreApplication::translate("ClassCharts", "No measured readings to compare"));
    // The legend above the plot, outside the data: a coloured dot and the file (and group) of each file,
    // in rows as wide as the chart.
    std::vector<std::pair<QString, QString>> files; // path, label
    for (const TClassRun& r : results.Runs)
        if (std::none_of(files.begin(), files.end(), [&](const auto& f) { return f.first == r.Path; }))
            files.emplace_back(r.Path,
                               r.Group.isEmpty() ? r.File : QStringLiteral("%1 (%2)").arg(r.File, r.Group));
    const QFontMetricsF fm(p.font());
    const double line = fm.height() + 2, dot = 10;
    double x = area.left(), y = area.top();
    std::vector<std::pair<QPointF, int>> placed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const double w = dot + 4 + fm.horizontalAdvance(files[i].second) + 12;
        if (x > area.left() && x + w > area.right()) {
            x = area.left();
            y += line;
        }
        placed.emplace_back(QPointF(x, y), int(i));
        x += w;
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [at, i] : placed) {
        const QColor c = ClassFileColour(i);
        p.setPen(c.darker(130));
        p.setBrush(c);
        p.drawEllipse(QRectF(at.x(), at.y() + (line - dot) / 2, dot, dot));
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() + dot + 4, at.y(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   files[std::size_t(i)].second);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF chart = area.adjusted(0, y + line + 4 - area.top(), 0, 0);
    const TAxes a =
        DrawAxes(p, chart, lo, hi, lo, hi, QCoreApplication::translate("ClassCharts", "Theory (mm)"),
                 QCoreApplication::translate("ClassCharts", "Measured (mm)"));
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(a.At(std::max(a.X0, a.Y0), std::max(a.X0, a.Y0)),
               a.At(std::min(a.X1, a.Y1), std::min(a.X1, a.Y1)));
    std::map<QString, int> fileIndex;
    for (const TClassRun& r : results.Runs)
        fileIndex.emplace(r.Path, int(fileIndex.size()));
    p.setRenderHint(QPainter::Antialiasing);
    for (const TClassRun& r : results.Runs) {
        const QColor c = ClassFileColour(fileIndex[r.Path]);
        p.setPen(c.darker(130));
        p.setBrush(c);
        for (const auto& [t, m] : r.Points)
            p.drawEllipse(a.At(t, m), 3.5, 3.5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void PaintModulusChart(QPainter& p, const QRectF& area, const TClassResults& results,
                       const std::vector<TClassStatistic>& statistics) {
    std::vector<const TClassRun*> fitted;
    for (const TClassRun& r : results.Runs)
        if (r.Fit.Ok) fitted.push_back(&r);
    if (fitted.empty())
        return NoData(p, area, QCoreApplication::translate("ClassCharts", "No run has a fit yet"));
    double lo = fitted.front()->Fit.ModulusExpGPa, hi = lo;
    for (const TClassRun* r : fitted) {
        lo = std::min({lo, r->Fit.ModulusExpGPa - r->Fit.ModulusExpErrorGPa, r->Fit.ModulusGPa});
        hi = std::max({hi, r->Fit.ModulusExpGPa + r->Fit.ModulusExpErrorGPa, r->Fit.ModulusGPa});
    }
    const double pad = std::max(1.0, (hi - lo) * 0.1);
    // The legend above the plot, outside the data: the dashed line is each material's E.
    const QFontMetricsF lm(p.font());
    QStringList moduli;
    for (const TClassStatistic& s : statistics)
        moduli << QStringLiteral("%1 %2 GPa").arg(MaterialShown(s.Material), FormatGeneral(s.ModulusGPa));
    const QString legend =
        QCoreApplication::translate("ClassCharts", "Material's E: %1").arg(moduli.join(QStringLiteral(", ")));
    const double line = lm.height() + 2;
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5, Qt::DashLine));
    p.drawLine(QPointF(area.left(), area.top() + line / 2), QPointF(area.left() + 24, area.top() + line / 2));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left() + 30, area.top(), area.width() - 30, line),
               Qt::AlignLeft | Qt::AlignVCenter, lm.elidedText(legend, Qt::ElideRight, area.width() - 30));
    const TAxes a = DrawAxes(p, area.adjusted(0, line + 4, 0, 0), -0.5, double(fitted.size()) - 0.5, lo - pad,
                             hi + pad, QCoreApplication::translate("ClassCharts", "Group, run"),
                             QCoreApplication::translate("ClassCharts", "E_exp (GPa)"), false);
    std::map<QString, int> fileIndex;
    for (const TClassRun& r : results.Runs)
        fileIndex.emplace(r.Path, int(fileIndex.size()));
    for (const TClassStatistic& s : statistics) {
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5, Qt::DashLine));
        p.drawLine(a.At(a.X0, s.ModulusGPa), a.At(a.X1, s.ModulusGPa));
    }
    const QFontMetricsF fm(p.font());
    const double slot = a.Plot.width() / double(fitted.size());
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        const TClassRun& r = *fitted[i];
        const QColor c = ClassFileColour(fileIndex[r.Path]);
        const QPointF centre = a.At(double(i), r.Fit.ModulusExpGPa);
        p.setPen(QPen(c.darker(130), 1.5));
        const QPointF top = a.At(double(i), r.Fit.ModulusExpGPa + r.Fit.ModulusExpErrorGPa);
        const QPointF bottom = a.At(double(i), r.Fit.ModulusExpGPa - r.Fit.ModulusExpErrorGPa);
        p.drawLine(top, bottom);
        p.drawLine(top - QPointF(4, 0), top + QPointF(4, 0));
        p.drawLine(bottom - QPointF(4, 0), bottom + QPointF(4, 0));
        p.setBrush(c);
        p.drawRect(QRectF(centre - QPointF(4, 4), QSizeF(8, 8)));
        // The label under the axis, elided to its slot.
        p.setPen(Qt::black);
        const QString label = fm.elidedText(GroupOf(r) + QStringLiteral(" ") + QString::number(r.Run),
                                            Qt::ElideRight, slot - 2);
        p.drawText(QRectF(centre.x() - slot / 2, a.Plot.bottom() + 2, slot, fm.height()), Qt::AlignHCenter,
                   label);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

QString ClassStatisticsText(const std::vector<TClassStatistic>& statistics) {
    QStringList lines;
    for (const TClassStatistic& s : statistics)
        lines << (s.N == 1 ? QCoreApplication::translate(
                                 "ClassCharts",
                                 "%1: mean E_exp %2 GPa, spread %3 GPa (%4 run), %5%6 % from %7 GPa")
                           : QCoreApplication::translate(
                                 "ClassCharts",
                                 "%1: mean E_exp %2 GPa, spread %3 GPa (%4 runs), %5%6 % from %7 GPa"))
                     .arg(MaterialShown(s.Material), FormatFixed(s.MeanGPa, 2), FormatFixed(s.SpreadGPa, 2))
                     .arg(s.N)
                     .arg(s.DifferencePercent > 0 ? QStringLiteral("+") : QString(),
                          FormatFixed(s.DifferencePercent, 1), FormatGeneral(s.ModulusGPa));
    if (lines.isEmpty()) return QCoreApplication::translate("ClassCharts", "No run has a fit yet.");
    return lines.join(QLatin1Char('\n'));
}

void PaintClassSummary(QPagedPaintDevice& device, const QString& title, const TClassResults& results) {
    QPainter p(&device);
    const QRectF page(0, 0, device.width(), device.height());
    const double scale = device.logicalDpiX() / 96.0;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(11 * scale));
    p.setFont(font);
    QFont heading = font;
    heading.setBold(true);
    heading.setPixelSize(int(16 * scale));
    const std::vector<TClassStatistic> stats = ClassStatistics(results.Runs);
    double y = 0;
    p.setFont(heading);
    p.drawText(QRectF(0, y, page.width(), 24 * scale), Qt::AlignLeft, title);
    y += 30 * scale;
    p.setFont(font);
    const QFontMetricsF fm(font);
    const QString statistics = ClassStatisticsText(stats);
    const QRectF statsBox =
        fm.boundingRect(QRectF(0, y, page.width(), page.height()), Qt::TextWordWrap, statistics);
    p.drawText(QRectF(0, y, page.width(), statsBox.height()), Qt::TextWordWrap, statistics);
    y += statsBox.height() + 10 * scale;
    const double chartHeight = std::min(page.height() * 0.3, page.width() * 0.45);
    PaintClassScatter(p, QRectF(0, y, page.width() / 2 - 6 * scale, chartHeight), results);
    PaintModulusChart(p, QRectF(page.width() / 2 + 6 * scale, y, page.width() / 2 - 6 * scale, chartHeight),
                      results, stats);
    y += chartHeight + 14 * scale;

    // The table: the columns a teacher reads, each text wrapped to its column.
    const std::vector<std::pair<QString, double>> columns = {
        {QCoreApplication::translate("ClassCharts", "File / group"), 0.22},
        {QCoreApplication::translate("ClassCharts", "Set-up, material"), 0.34},
        {QCoreApplication::translate("ClassCharts", "Run"), 0.1},
        {QStringLiteral("n"), 0.05},
        {QStringLiteral("k ± s(k)"), 0.1},
        {QStringLiteral("E_exp (GPa)"), 0.11},
        {QStringLiteral("R²"), 0.08}};
    auto rowHeight = [&](const QStringList& cells) {
        double h = fm.height();
        for (std::size_t i = 0; i < columns.size(); ++i)
            h = std::max(h, fm.boundingRect(QRectF(0, 0, columns[i].second * page.width() - 4, 1e6),
                                            Qt::TextWordWrap, cells[int(i)])
                                .height());
        return h + 4;
    };
    auto drawRow = [&](const QStringList& cells, bool bold) {
        const double h = rowHeight(cells);
        if (y + h > page.height()) {
            device.newPage();
            y = 0;
        }
        QFont f = font;
        f.setBold(bold);
        p.setFont(f);
        double x = 0;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const double w = columns[i].second * page.width();
            p.drawText(QRectF(x + 2, y + 2, w - 4, h), Qt::TextWordWrap, cells[int(i)]);
            x += w;
        }
        p.setPen(QColor(0xcc, 0xcc, 0xcc));
        p.drawLine(QPointF(0, y + h), QPointF(page.width(), y + h));
        p.setPen(Qt::black);
        y += h;
    };
    QStringList header;
    for (const auto& c : columns)
        header << c.first;
    drawRow(header, true);
    for (const TClassRun& r : results.Runs) {
        const QString who =
            r.Group.isEmpty() ? r.File : QStringLiteral("%1\n%2 %3").arg(r.File, r.Group, r.Names);
        const QString fit =
            r.Fit.Ok ? QStringLiteral("%1 ± %2").arg(FormatFixed(r.Fit.K, 3), FormatFixed(r.Fit.KError, 3))
                     : r.Fit.Message;
        drawRow({who, QStringLiteral("%1; %2, %3").arg(r.Setup, r.Section, r.Material), r.RunName,
                 QString::number(r.Fit.N), fit,
                 r.Fit.Ok ? QStringLiteral("%1 ± %2").arg(FormatFixed(r.Fit.ModulusExpGPa, 1),
                                                          FormatFixed(r.Fit.ModulusExpErrorGPa, 1))
                          : QString(),
                 r.Fit.Ok ? FormatFixed(r.Fit.RSquared, 4) : QString()},
                false);
    }
    for (const TClassProblem& problem : results.Problems)
        drawRow({problem.File,
                 QCoreApplication::translate("ClassCharts", "Not read: %1").arg(problem.Reason),
                 {},
                 {},
                 {},
                 {},
                 {}},
                false);
}

QString WriteClassSummaryPdf(const QString& path, const QString& title, const TClassResults& results) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(150);
        PaintClassSummary(pdf, title, results);
    }
    return WriteFileSafely(path, bytes);
}
