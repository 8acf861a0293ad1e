// ferrant-artwork: paints the program's pictures and writes them as files, run by the build.
//   ferrant-artwork resources <dir>   the launcher background, the 19 button pictures and the window icon
//                                     (raw pixels, see Artwork.h) and the about background (PNG)
//   ferrant-artwork pictures <dir>    the full-size module pictures VEK2.JPG .. VEK20.JPG
//   ferrant-artwork icons <dir>       the application icon in the hicolor sizes (hicolor/<n>x<n>/apps/...)
//   ferrant-artwork sheet <png> [<before png>] [--modules n,n,...]   a contact sheet of all 19 buttons and
//                                     the pictures of the modules given (9 and 10 by default), beside an
//                                     earlier sheet when one is given
// Every picture is drawn in code, so a drawing is improved by editing Scenes.cpp.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

#include "Kit.h"
#include "ModuleTitles.h"
#include "Scenes.h"

namespace {

using namespace Art;

QImage Glyph(int n) {
    QImage image(GlyphWidth, GlyphHeight, QImage::Format_RGB888);
    QPainter painter(&image);
    const double scale = double(GlyphWidth) / WorldWidth;
    painter.scale(scale, double(GlyphHeight) / WorldHeight);
    TKit kit(painter, scale, false);
    DrawModule(kit, n);
    return image;
}

// The picture at a scale: the same drawing on a finer grid (2: twice the pixels each way, for 2x screens).
QImage ModulePicture(int n, int scale = 1) {
    QImage image(ModulePictureWidth * scale, ModulePictureHeight * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Title band over the apparatus.
    const int band = ModulePictureHeight - int(WorldHeight);
    QLinearGradient title(0, 0, ModulePictureWidth, 0);
    title.setColorAt(0, QColor(0x1b, 0x4f, 0x80));
    title.setColorAt(1, QColor(0x2d, 0x7c, 0xc0));
    painter.fillRect(QRect(0, 0, ModulePictureWidth, band), title);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(19);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(14, 0, ModulePictureWidth - 28, band), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::fromUtf8(ModuleTitle(n)));
    QFont range(QStringLiteral("DejaVu Sans"));
    range.setPixelSize(12);
    painter.setFont(range);
    painter.drawText(QRect(14, 0, ModulePictureWidth - 28, band), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("Ferrant structures range"));
    painter.translate((ModulePictureWidth - WorldWidth) / 2, band);
    TKit kit(painter, 1.0, true);
    DrawModule(kit, n);
    return image;
}

// The light background with its faint grid, behind buttons or pictures.
void PaintBackdrop(QPainter& p, QSize size) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xfd, 0xfe, 0xff));
    g.setColorAt(1, QColor(0xe6, 0xec, 0xf3));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    p.setPen(QPen(QColor(0xdc, 0xe4, 0xed), 1));
    for (int x = 0; x < size.width(); x += 19)
        p.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 19)
        p.drawLine(0, y, size.width(), y);
}

QImage LauncherBackground() {
    QImage image(LauncherBackgroundWidth, LauncherBackgroundHeight, QImage::Format_RGB888);
    QPainter p(&image);
    PaintBackdrop(p, image.size());
    // The logo takes the top-left cell, where there is no button.
    p.setPen(QPen(QColor(0xb5, 0xc3, 0xd2), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 12.5, 147, 106), 6, 6);
    DrawLogo(p, QRectF(6, 12, 148, 107));
    return image;
}

QImage AboutBackground() {
    QImage image(AboutBackgroundWidth, AboutBackgroundHeight, QImage::Format_RGB888);
    QPainter p(&image);
    PaintBackdrop(p, image.size());
    p.setPen(QPen(QColor(0xb5, 0xc3, 0xd2), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10.5, 8.5, 143, 90), 6, 6);
    DrawLogo(p, QRectF(10, 4, 144, 96));
    // The text area under the pictures.
    p.fillRect(QRect(0, AboutBackgroundHeight - 93, AboutBackgroundWidth, 93), QColor(0xf7, 0xf9, 0xfb));
    return image;
}

// The application icon at size x size pixels, drawn for each size rather than scaled: a beam on two
// knife-edges bent by a load at mid-span, with its deflection curve below, on the range's blue tile.
QImage ApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on a 64-unit grid
    const double pixel = 64.0 / size;  // one device pixel in grid units
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2d, 0x7c, 0xc0));
    tile.setColorAt(1, QColor(0x1b, 0x4f, 0x80));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The bent beam: a light bar sagging between the supports.
    QPainterPath beam;
    beam.moveTo(8, 30);
    beam.quadTo(32, 42, 56, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf4, 0xf7, 0xfa), std::max(5.0, 2.5 * pixel), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(beam);
    // Knife-edges under its ends.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    p.drawPolygon(QPolygonF{{12, 34}, {18, 44}, {6, 44}});
    p.drawPolygon(QPolygonF{{52, 34}, {58, 44}, {46, 44}});
    // The load at mid-span.
    p.setBrush(QColor(0xe8, 0x4c, 0x3d));
    p.drawPolygon(QPolygonF{{32, 33}, {25, 22}, {39, 22}});
    p.drawRect(QRectF(29.5, 10, 5, 13));
    if (size >= 32) {
        // The theoretical curve, dashed, where there are pixels enough to show it.
        QPen dashed(QColor(0xa8, 0xd4, 0xf5), 2.0, Qt::CustomDashLine, Qt::RoundCap);
        dashed.setDashPattern({1.5, 2});
        p.setPen(dashed);
        p.setBrush(Qt::NoBrush);
        QPainterPath curve;
        curve.moveTo(8, 50);
        curve.quadTo(32, 62, 56, 50);
        p.drawPath(curve);
    }
    return image;
}

// A contact sheet to judge the pictures side by side: the 19 buttons at their real size in the launcher's
// order, and below them the full pictures of the modules named in `detail` at half size, two to a row.
QImage ContactSheet(const QList<int>& detail) {
    constexpr int Cell = 150, Label = 14, Columns = 5, DetailColumns = 2;
    const int rows = (LastModule - FirstModule + 1 + Columns - 1) / Columns;
    const QSize half(ModulePictureWidth / 2, ModulePictureHeight / 2);
    const int detailTop = 8 + rows * (GlyphHeight + Label + 8);
    const int detailRows = int(detail.size() + DetailColumns - 1) / DetailColumns;
    QImage sheet(std::max(Columns * Cell + 16, DetailColumns * (half.width() + 8) + 8),
                 detailTop + detailRows * (half.height() + Label + 8), QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    for (int n = FirstModule; n <= LastModule; ++n) {
        const int i = n - FirstModule;
        const QPoint at(8 + (i % Columns) * Cell, 8 + (i / Columns) * (GlyphHeight + Label + 8));
        p.drawText(QRect(at, QSize(GlyphWidth, Label)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1  %2").arg(n).arg(
                       QString::fromUtf8(ModuleTitle(n)).section(QLatin1Char('('), 0, 0)));
        p.drawImage(at + QPoint(0, Label), Glyph(n));
    }
    for (int i = 0; i < detail.size(); ++i) {
        const QPoint at(8 + (i % DetailColumns) * (half.width() + 8),
                        detailTop + (i / DetailColumns) * (half.height() + Label + 8));
        p.drawText(QRect(at, QSize(half.width(), Label)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("VEK%1.JPG, half size").arg(detail[i]));
        p.drawImage(QRect(at + QPoint(0, Label), half), ModulePicture(detail[i]));
    }
    return sheet;
}

// Two sheets side by side under the headings "Before" and "After".
QImage BeforeAndAfter(const QImage& before, const QImage& after) {
    constexpr int Heading = 28;
    QImage sheet(before.width() + after.width() + 24, std::max(before.height(), after.height()) + Heading,
                 QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 0, before.width(), Heading), Qt::AlignVCenter, QStringLiteral("Before"));
    p.drawText(QRect(before.width() + 32, 0, after.width(), Heading), Qt::AlignVCenter,
               QStringLiteral("After"));
    p.drawImage(0, Heading, before);
    p.fillRect(QRect(before.width() + 11, Heading, 2, sheet.height() - Heading), QColor(0xb5, 0xc3, 0xd2));
    p.drawImage(before.width() + 24, Heading, after);
    return sheet;
}

bool WriteJpeg(const QImage& picture, const QString& fileName) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(QFile::encodeName(fileName).constData(), "wb");
    if (!out) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors); // a failure here ends the build step, which is what we want
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

bool Save(const QImage& image, const QString& fileName) {
    if (image.save(fileName)) return true;
    std::fprintf(stderr, "ferrant-artwork: cannot write %s\n", qPrintable(fileName));
    return false;
}

// Raw QImage::Format_RGB32 pixels, row after row with no padding, as RawArtwork() reads them.
bool SaveRaw(const QImage& image, const QString& fileName) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    for (int y = 0; ok && y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(rgb.constScanLine(y));
        ok = file.write(row, qint64(rgb.width()) * 4) == qint64(rgb.width()) * 4;
    }
    if (ok) return true;
    std::fprintf(stderr, "ferrant-artwork: cannot write %s\n", qPrintable(fileName));
    return false;
}

// Raw premultiplied QImage::Format_ARGB32_Premultiplied pixels, for the window icon's transparent corners.
bool SaveRawArgb(const QImage& image, const QString& fileName) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    for (int y = 0; ok && y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(argb.constScanLine(y));
        ok = file.write(row, qint64(argb.width()) * 4) == qint64(argb.width()) * 4;
    }
    if (ok) return true;
    std::fprintf(stderr, "ferrant-artwork: cannot write %s\n", qPrintable(fileName));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc >= 3 && QLatin1String(argv[1]) == QLatin1String("sheet")) {
        // ferrant-artwork sheet <out.png> [<before.png>] [--modules n,n,...]: the contact sheet with the
        // pictures of the modules given (9 and 10 when none are), beside an earlier sheet if given.
        QList<int> detail{9, 10};
        QString before;
        for (int i = 3; i < argc; ++i) {
            if (QLatin1String(argv[i]) == QLatin1String("--modules") && i + 1 < argc) {
                detail.clear();
                for (const QString& n : QString::fromLocal8Bit(argv[++i]).split(QLatin1Char(',')))
                    detail.append(n.toInt());
            } else {
                before = QString::fromLocal8Bit(argv[i]);
            }
        }
        QImage sheet = ContactSheet(detail);
        if (!before.isEmpty()) sheet = BeforeAndAfter(QImage(before), sheet);
        return Save(sheet, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: ferrant-artwork resources|pictures|icons <directory>\n");
        return 2;
    }
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(dir.path())) return 1;
    bool ok = true;
    if (what == QLatin1String("resources")) {
        ok &= SaveRaw(LauncherBackground(), dir.filePath(QStringLiteral("Launcher.rgb32")));
        ok &= Save(AboutBackground(), dir.filePath(QStringLiteral("About.png")));
        for (int n = FirstModule; n <= LastModule; ++n)
            ok &= SaveRaw(Glyph(n), dir.filePath(QStringLiteral("Glyph%1.rgb32").arg(n)));
        for (const int size : WindowIconSizes)
            ok &= SaveRawArgb(ApplicationIcon(size), dir.filePath(QStringLiteral("Icon%1.argb32").arg(size)));
    } else if (what == QLatin1String("icons")) {
        // The hicolor theme's sizes, as hicolor/<n>x<n>/apps/<application id>.png under <dir>.
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QString folder = dir.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
            ok &= QDir().mkpath(folder) &&
                  Save(ApplicationIcon(size),
                       QDir(folder).filePath(QStringLiteral(FERRANT_APPLICATION_ID ".png")));
        }
    } else if (what == QLatin1String("pictures")) {
        for (int n = FirstModule; n <= LastModule; ++n) {
            // VEK<n>.JPG as designed, and VEK<n>@2x.JPG for screens at 150 % and more.
            for (const int scale : {1, 2}) {
                const QString file = dir.filePath(scale == 1 ? QStringLiteral("VEK%1.JPG").arg(n)
                                                             : QStringLiteral("VEK%1@2x.JPG").arg(n));
                if (!WriteJpeg(ModulePicture(n, scale), file)) {
                    std::fprintf(stderr, "ferrant-artwork: cannot write %s\n", qPrintable(file));
                    ok = false;
                }
            }
        }
    } else {
        std::fprintf(stderr, "ferrant-artwork: unknown kind %s\n", argv[1]);
        return 2;
    }
    return ok ? 0 : 1;
}
