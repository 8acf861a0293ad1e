#include "Report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "lab/DiagramsDrawing.h"
#include "lab/ReadingsPlot.h"
#include "platform/FileWriter.h"
#include "record/io/ExperimentFile.h"

namespace {

class TReportLayout {
public:
    TReportLayout(QPagedPaintDevice& device, const TReportContent& content, const QLocale& locale,
                  QPainter* painter, int totalPages)
        : Device(device), Content(content), Locale(locale), P(painter), TotalPages(totalPages) {
        W = device.width();
        H = device.height();
        Bottom = H - Mm(9);
    }

    int Run() {
        TitleBlock();
        ApparatusBlock();
        SetupBlock();
        ReadingsBlock();
        PlotBlock();
        ModulusBlock();
        RunDiagramsBlock();
        Footer();
        return Page;
    }

private:
    QPagedPaintDevice& Device;
    const TReportContent& Content;
    const QLocale& Locale;
    QPainter* P; // null while counting pages
    int TotalPages;
    double W = 0, H = 0, Bottom = 0, Y = 0;
    int Page = 1;

    [[nodiscard]] double Mm(double mm) const { return mm * Device.logicalDpiY() / 25.4; }

    [[nodiscard]] static QFont Font(double points, bool bold = false) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    [[nodiscard]] QFontMetricsF Metrics(const QFont& f) const { return QFontMetricsF(f, &Device); }

    void NewPage() {
        Footer();
        if (P) Device.newPage();
        ++Page;
        Y = 0;
    }
    void Room(double h) {
        if (Y + h > Bottom && Y > 0) NewPage();
    }

    void Footer() {
        if (!P) return;
        const QFont f = Font(8);
        const double h = Metrics(f).height();
        P->save();
        P->setFont(f);
        P->setPen(QPen(Qt::gray, Mm(0.2)));
        P->drawLine(QPointF(0, H - h - Mm(2)), QPointF(W, H - h - Mm(2)));
        P->setPen(Qt::black);
        const QRectF line(0, H - h, W, h);
        QString left = Content.Title;
        if (!Content.StudentName.isEmpty()) left += QStringLiteral(" - ") + Content.StudentName;
        P->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, left);
        P->drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Page %1 of %2").arg(Page).arg(TotalPages));
        P->restore();
    }

    // A paragraph wrapped to the width; returns its height.
    double Text(const QString& text, const QFont& font, double left = 0, double width = -1,
                Qt::Alignment align = Qt::AlignLeft) {
        if (width < 0) width = W - left;
        const QRectF box =
            Metrics(font).boundingRect(QRectF(left, 0, width, H), int(align) | Qt::TextWordWrap, text);
        Room(box.height());
        if (P) {
            P->setFont(font);
            P->setPen(Qt::black);
            P->drawText(QRectF(left, Y, width, box.height()), int(align) | Qt::TextWordWrap, text);
        }
        return box.height();
    }
    void Paragraph(const QString& text, const QFont& font, double after = 0) {
        Y += Text(text, font) + after;
    }
    void Heading(const QString& text) {
        Room(Mm(20)); // a heading never ends a page
        Y += Mm(3);
        Paragraph(text, Font(12, true), Mm(1.5));
    }

    void Image(const QImage& image, double width, double maxHeight) {
        if (image.isNull()) return;
        double w = width, h = width * image.height() / image.width();
        if (h > maxHeight) {
            h = maxHeight;
            w = h * image.width() / image.height();
        }
        Room(h);
        if (P) {
            const QRectF target((W - w) / 2, Y, w, h);
            P->setRenderHint(QPainter::SmoothPixmapTransform);
            P->drawImage(target, image);
            P->setPen(QPen(Qt::gray, Mm(0.2)));
            P->drawRect(target);
        }
        Y += h + Mm(2);
    }

    void TitleBlock() {
        Paragraph(Content.Title, Font(16, true), Mm(3));
        const QFont f = Font(10);
        Paragraph(QStringLiteral("Date and time: ") + Locale.toString(Content.When, QLocale::LongFormat), f);
        Paragraph(QStringLiteral("Student: ") +
                      (Content.StudentName.isEmpty() ? QStringLiteral("(not given)") : Content.StudentName),
                  f);
        for (const auto& [key, value] : Content.Details)
            Paragraph(key + QStringLiteral(": ") + value, f);
        if (!Content.FileName.isEmpty()) Paragraph(QStringLiteral("Experiment file: ") + Content.FileName, f);
    }

    // The diagrams are drawn in screen pixels (their texts 10 to 12 px): one of them is 1/96 inch here,
    // so the printed texts have the size they have on screen.
    [[nodiscard]] double PixelScale() const { return Device.logicalDpiX() / 96.0; }

    void ApparatusBlock() {
        Heading(QStringLiteral("Apparatus and layout"));
        Image(Content.Apparatus, W, H * 0.36);
        const double h = Mm(62);
        Room(h + Mm(12)); // the heading goes with its diagram
        Heading(QStringLiteral("Theoretical deflection"));
        if (P) {
            const double s = PixelScale();
            P->save();
            P->translate(0, Y);
            P->scale(s, s);
            PaintDeflectionDiagram(*P, QSizeF(W / s, h / s), Content.Theory);
            P->restore();
        }
        Y += h + Mm(2);
    }

    void RunDiagramsBlock() {
        for (const TRunDiagrams& run : Content.RunDiagrams) {
            NewPage();
            Heading(QStringLiteral("Diagrams: ") + run.Title);
            const double s = PixelScale();
            const double h = Bottom - Y - Mm(2);
            if (P) {
                P->save();
                P->translate(0, Y);
                P->scale(s, s);
                PaintDiagrams(*P, QSizeF(W / s, h / s), run.Diagrams, std::nullopt, nullptr, run.MeasuredMm);
                P->restore();
            }
            Y += h;
        }
    }

    void SetupBlock() {
        Heading(QStringLiteral("Section, material and set-up"));
        const QFont key = Font(9, true), value = Font(9);
        const double keyWidth = Mm(48);
        for (const auto& row : Content.Setup.Rows) {
            const QString* k = row.size() > 0 ? std::get_if<QString>(&row[0]) : nullptr;
            const QString* v = row.size() > 1 ? std::get_if<QString>(&row[1]) : nullptr;
            if (!k || !v) continue;
            const double h = std::max(
                Metrics(key).height(),
                Metrics(value).boundingRect(QRectF(0, 0, W - keyWidth, H), Qt::TextWordWrap, *v).height());
            Room(h);
            const double y = Y;
            Text(*k, key, 0, keyWidth);
            Y = y;
            Text(*v, value, keyWidth, W - keyWidth);
            Y = y + h + Mm(0.6);
        }
    }

    QString CellText(const TExportCell& cell, int decimals) const {
        if (const double* d = std::get_if<double>(&cell)) return NumberText(*d, decimals, Locale);
        if (const QString* s = std::get_if<QString>(&cell)) return *s;
        return {};
    }

    void ReadingsBlock() {
        // The heading goes with the table's header and its first rows, never alone at a page's foot.
        if (!Content.Readings.Rows.empty()) Room(Mm(40));
        Heading(QStringLiteral("Readings"));
        const TExportTable& t = Content.Readings;
        if (!Content.PropertyVaried.isEmpty())
            Paragraph(QStringLiteral("Property varied: ") + Content.PropertyVaried, Font(9), Mm(1.5));
        if (t.Rows.empty()) {
            Paragraph(QStringLiteral("No readings were recorded."), Font(9));
            return;
        }
        const std::vector<int> columns = ReportColumns(t);
        const QFont cellFont = Font(7.5), headFont = Font(7.5, true);
        const QFontMetricsF cm = Metrics(cellFont), hm = Metrics(headFont);
        const double pad = Mm(1.2);

        // Widths: the widest of the header's two lines and the cells; the last column (the note) takes what
        // is left, and if even the others do not fit they shrink in proportion.
        // A column never narrows below its header's longest word: the header wraps at its spaces, never
        // clipped ("Gauge position", not "Sauge positio").
        std::vector<double> widths, least;
        for (const int c : columns) {
            const TExportColumn& col = t.Columns[std::size_t(c)];
            double w = std::max(hm.horizontalAdvance(col.Title), hm.horizontalAdvance(col.Unit));
            double word = hm.horizontalAdvance(QLatin1Char('(') + col.Unit + QLatin1Char(')'));
            for (const QString& part : col.Title.split(QLatin1Char(' ')))
                word = std::max(word, hm.horizontalAdvance(part));
            for (const auto& row : t.Rows)
                if (std::size_t(c) < row.size())
                    w = std::max(w, cm.horizontalAdvance(CellText(row[std::size_t(c)], col.Decimals)));
            widths.push_back(std::min(w, Mm(60)) + 2 * pad);
            least.push_back(word + 2 * pad);
        }
        double fixed = 0, fixedLeast = 0;
        for (std::size_t i = 0; i + 1 < widths.size(); ++i) {
            fixed += widths[i];
            fixedLeast += least[i];
        }
        const double noteMin = Mm(25);
        if (fixed + noteMin > W) {
            // Narrowed towards each column's least width, in proportion to what it has above it.
            const double over = fixed - fixedLeast, room = std::max(0.0, W - noteMin - fixedLeast);
            const double scale = over > 0 ? std::min(1.0, room / over) : 1.0;
            fixed = 0;
            for (std::size_t i = 0; i + 1 < widths.size(); ++i) {
                widths[i] = least[i] + (widths[i] - least[i]) * scale;
                fixed += widths[i];
            }
        }
        widths.back() = std::max(noteMin, W - fixed);

        double titleH = hm.height();
        for (std::size_t i = 0; i < columns.size(); ++i)
            titleH = std::max(titleH, hm.boundingRect(QRectF(0, 0, widths[i] - 2 * pad, H), Qt::TextWordWrap,
                                                      t.Columns[std::size_t(columns[i])].Title)
                                          .height());
        const double headH = titleH + hm.height() + 2 * pad, lineH = cm.height() + 2 * pad;
        // A note wraps inside its column: its row is as tall as the note needs.
        const std::size_t noteColumn = std::size_t(columns.back());
        auto rowHeight = [&](std::size_t r) {
            const auto& row = t.Rows[r];
            if (noteColumn >= row.size()) return lineH;
            const QString note = CellText(row[noteColumn], 0);
            if (note.isEmpty()) return lineH;
            return std::max(
                lineH,
                cm.boundingRect(QRectF(0, 0, widths.back() - 2 * pad, H), Qt::TextWordWrap, note).height() +
                    2 * pad);
        };
        auto header = [&] {
            if (P) {
                P->fillRect(QRectF(0, Y, W, headH), QColor(225, 230, 238));
                P->setFont(headFont);
                P->setPen(Qt::black);
                double x = 0;
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    const TExportColumn& col = t.Columns[std::size_t(columns[i])];
                    const QRectF box(x + pad, Y + pad, widths[i] - 2 * pad, headH - 2 * pad);
                    // The note is text and reads from the left; the numbers' headers sit over their columns.
                    const Qt::Alignment across = i + 1 == columns.size() ? Qt::AlignLeft : Qt::AlignHCenter;
                    P->drawText(box, across | Qt::AlignTop | Qt::TextWordWrap, col.Title);
                    if (!col.Unit.isEmpty())
                        P->drawText(box, across | Qt::AlignBottom,
                                    QLatin1Char('(') + col.Unit + QLatin1Char(')'));
                    x += widths[i];
                }
                P->setPen(QPen(Qt::darkGray, Mm(0.2)));
                P->drawLine(QPointF(0, Y + headH), QPointF(W, Y + headH));
            }
            Y += headH;
        };
        Room(headH + lineH);
        header();
        for (std::size_t r = 0; r < t.Rows.size(); ++r) {
            const double rowH = rowHeight(r);
            if (Y + rowH > Bottom) {
                NewPage();
                Paragraph(QStringLiteral("Readings (continued)"), Font(9, true), Mm(1));
                header();
            }
            if (P) {
                if (r % 2 == 1) P->fillRect(QRectF(0, Y, W, rowH), QColor(245, 246, 248));
                P->setFont(cellFont);
                P->setPen(Qt::black);
                double x = 0;
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    const std::size_t c = std::size_t(columns[i]);
                    const auto& row = t.Rows[r];
                    const TExportCell cell = c < row.size() ? row[c] : TExportCell();
                    const QRectF box(x + pad, Y + pad, widths[i] - 2 * pad, rowH - 2 * pad);
                    const bool number = std::holds_alternative<double>(cell);
                    if (i + 1 == columns.size())
                        P->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                    CellText(cell, t.Columns[c].Decimals));
                    else
                        P->drawText(box, (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                                    cm.elidedText(CellText(cell, t.Columns[c].Decimals), Qt::ElideRight,
                                                  box.width()));
                    x += widths[i];
                }
            }
            Y += rowH;
        }
        if (P) {
            P->setPen(QPen(Qt::darkGray, Mm(0.2)));
            P->drawLine(QPointF(0, Y), QPointF(W, Y));
        }
        Y += Mm(2);
    }

    void PlotBlock() {
        const double h = Mm(95);
        Room(h + Mm(15));
        Heading(QStringLiteral("Measured and theoretical deflection"));
        if (Content.Plot.Empty()) {
            Paragraph(QStringLiteral("No points to plot."), Font(9));
            return;
        }
        // The window's painter on the page: one point is Device.logicalDpiY() / 72 device pixels.
        if (P)
            PaintReadingsPlot(*P, QRectF(0, Y, W, h), Content.Plot, Font(8), Device.logicalDpiY() / 72.0,
                              Locale);
        Y += h + Mm(2);
    }

    void ModulusBlock() {
        Heading(QStringLiteral("Experimental modulus"));
        Paragraph(Content.ModulusText.isEmpty() ? QStringLiteral("No result.") : Content.ModulusText,
                  Font(10));
    }
};

} // namespace

std::vector<int> ReportColumns(const TExportTable& readings) {
    static const QStringList wanted = {QStringLiteral("Elapsed time (s)"),
                                       QStringLiteral("No."),
                                       QStringLiteral("Value"),
                                       QStringLiteral("Gauge position (mm)"),
                                       QStringLiteral("Theory (mm)"),
                                       QStringLiteral("Gauge 1 (mm)"),
                                       QStringLiteral("Gauge 2 (mm)"),
                                       QStringLiteral("Difference (mm)"),
                                       QStringLiteral("Difference (%)"),
                                       QStringLiteral("Note")};
    std::vector<int> columns;
    for (const QString& name : wanted)
        for (std::size_t c = 0; c < readings.Columns.size(); ++c)
            if (HeaderText(readings.Columns[c]) == name) columns.push_back(int(c));
    if (columns.empty())
        for (std::size_t c = 0; c < readings.Columns.size(); ++c)
            columns.push_back(int(c));
    return columns;
}

QPageSize::PageSizeId ReportPageSize(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

int PaintReport(QPagedPaintDevice& device, const TReportContent& content, const QLocale& locale) {
    const int pages = TReportLayout(device, content, locale, nullptr, 0).Run();
    QPainter painter(&device);
    TReportLayout(device, content, locale, &painter, pages).Run();
    painter.end();
    return pages;
}

QString WriteReportPdf(const QString& path, const TReportContent& content, const QLocale& locale) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(content.Title);
        writer.setCreator(QStringLiteral("Ferrant Demo"));
        writer.setPageSize(QPageSize(ReportPageSize(locale)));
        writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
        PaintReport(writer, content, locale);
    }
    return WriteFileSafely(path, buffer.data());
}
