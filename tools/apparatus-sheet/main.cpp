// Writes every apparatus picture as a PNG at 100 %, a contact sheet of them all at 300 %, and a mock-up of
// the experiment window's picture area with the pieces placed where the window places them (both clamps,
// knife-edges at 100 and 500 mm, five hangers, a UDL between the knife-edges, the gauge at 300 mm, the load
// diagram with its arrows and force labels, the two position popups, the graph and the tool box), at 100 %
// and, around the beam, at 300 %.
//
//   QT_QPA_PLATFORM=offscreen apparatus-sheet DIR

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "model/BeamLayout.h"
#include "resources/apparatus/ApparatusArt.h"
#include "resources/apparatus/ApparatusDrawing.h"

namespace {

QImage Bitmap(const char* name) {
    return ApparatusBitmap(QString::fromLatin1(name));
}

QImage Scaled(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Checkerboard(QPainter& p, const QRect& area) {
    p.save();
    p.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += 6)
        for (int x = area.left(); x <= area.right(); x += 6)
            p.fillRect(QRect(x, y, 6, 6), ((x - area.left()) / 6 + (y - area.top()) / 6) % 2
                                              ? QColor(0xe4, 0xe8, 0xec)
                                              : Qt::white);
    p.restore();
}

// Every picture but the apparatus itself at 300 %, on a checkerboard where it is transparent, with its name.
QImage ContactSheet() {
    constexpr int factor = 3, columns = 6, cellWidth = 190, cellHeight = 280;
    const int count = int(ApparatusPictures.size()) - 1;
    QImage sheet(columns * cellWidth, ((count + columns - 1) / columns) * cellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    for (int i = 0; i < count; ++i) {
        const TApparatusPicture& picture = ApparatusPictures[std::size_t(i) + 1];
        QImage image = Scaled(Bitmap(picture.Name), factor);
        if (image.width() > cellWidth - 10) image = image.copy(0, 0, cellWidth - 10, image.height());
        const QPoint at((i % columns) * cellWidth + 5, (i / columns) * cellHeight + 22);
        p.setPen(Qt::black);
        p.drawText(at + QPoint(0, -6), QStringLiteral("%1 %2x%3")
                                           .arg(QLatin1String(picture.Name))
                                           .arg(picture.Size.width())
                                           .arg(picture.Size.height()));
        Checkerboard(p, QRect(at, image.size()));
        p.drawImage(at, image);
    }
    return sheet;
}

// A stand-in for a label of the window: text in a font of the given pixel size, opaque or transparent.
QRect Label(QPainter& p, int left, int top, const QString& text, int pixelSize, const QColor& background,
            int width = 0) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QRect box(left, top, width ? width : metrics.horizontalAdvance(text) + 2, metrics.height());
    if (background.alpha()) p.fillRect(box, background);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
    return box;
}

QImage Hanger(int grams, bool variable) {
    const QImage top = Bitmap("LoadHangerImage");
    QImage picture(12, 85, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.drawImage(QRect(0, 0, 12, top.height()), top, QRect(0, 0, 12, top.height()));
    const QImage masses =
        variable ? Bitmap("EmptyHangerImage") : ApparatusBitmap(QStringLiteral("Gram%1Image").arg(grams));
    p.drawImage(QRect(0, top.height(), 12, 85 - top.height()), masses, QRect(0, 11, 12, 85 - top.height()));
    return picture;
}

QImage MockUp() {
    QImage m = Bitmap("ScreenImage").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&m);
    const auto put = [&p](const char* name, int x, int y) { p.drawImage(x, y, Bitmap(name)); };
    const int udlStart = 10, udlEnd = 50;

    // The graph, its axis labels and the readouts, the tool box.
    p.fillRect(QRect(89, 353, 366, 136), Qt::white);
    p.fillRect(QRect(StationX[0], 359, StationX[60] + 10 - StationX[0] + 1, 2), Qt::black);
    Label(p, 55, 353, QStringLiteral("0"), 11, Qt::transparent, 23);
    Label(p, 54, 472, QStringLiteral("-1"), 11, Qt::transparent, 24);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    p.drawText(QRect(16, 384, 64, 57), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Theoretical Deflection y (mm)"));
    Label(p, 526, 416, QStringLiteral("Max +ve deflection: 0.12 mm"), 11, Qt::transparent);
    Label(p, 526, 440, QStringLiteral("Max -ve deflection: -1.48 mm"), 11, Qt::transparent);
    Label(p, 525, 462, QStringLiteral("Theoretical deflection on gauge: "), 11, Qt::transparent);
    Label(p, 687, 462, QStringLiteral("-1.40 mm"), 11, Qt::transparent);
    const QRect toolBox(524, 7, 217, 394);
    p.fillRect(toolBox, Qt::white);
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.drawRect(toolBox.adjusted(0, 6, -1, -1));
    Label(p, 532, 7, QStringLiteral("Tool Box: "), 11, Qt::white);
    const QPoint box = toolBox.topLeft();
    const auto inBox = [&](const char* name, int x, int y) { put(name, box.x() + x, box.y() + y); };
    inBox("LClampImage", 42, 104);
    inBox("KnifeEdge", 95, 115);
    inBox("WeightsBinImage", 138, 101);
    Label(p, box.x() + 24, box.y() + 160, QStringLiteral("Uniformly Distributed Load (N/m)"), 10, Qt::white);
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRect(box.x() + 95, box.y() + 174, 44, 28);
    inBox("UDLButton", 97, 176);
    inBox("EmptyHangerImage", 42, 203);
    Label(p, box.x() + 40, box.y() + 227, QStringLiteral("0g"), 8, Qt::white, 16);
    const int massLefts[] = {44, 73, 101, 130, 158};
    const char* massNames[] = {"Gram100Image", "Gram200Image", "Gram300Image", "Gram400Image",
                               "Gram500Image"};
    for (int i = 0; i < 5; ++i)
        inBox(massNames[i], massLefts[i], 274);

    // The layout on the beam, in the window's order: supports, UDL, hangers, gauge.
    put("LeftSupport", 76, 285);
    put("RightSupport", StationX[60], 285);
    for (const int s : {udlStart, udlEnd}) {
        put("KnifeEdge", StationX[s] - 12, 144);
        put("Pivot", StationX[s] - 5, 304);
    }
    put("LClampImage", 71, 128);
    put("RClampImage", StationX[60], 128);
    const int udlLeft = StationX[udlStart] - 4, udlWidth = StationX[udlEnd] - StationX[udlStart] + 8;
    p.drawImage(udlLeft, 123, Bitmap("UDLStrip"), 0, 0, udlWidth, 21);
    p.drawImage(udlLeft, 281, Bitmap("UDL2Strip"), 0, 0, udlWidth, 21);
    QFont udlFont(QStringLiteral("DejaVu Sans"));
    udlFont.setPixelSize(9);
    const int udlLabelWidth = QFontMetrics(udlFont).horizontalAdvance(QStringLiteral("20 N/m"));
    Label(p, udlLeft + (udlWidth - udlLabelWidth) / 2, 272, QStringLiteral("20 N/m"), 9, Qt::transparent);

    const struct {
        int Station, Grams;
        bool Variable;
    } weights[] = {{0, 100, false}, {20, 100, false}, {30, 300, false},
                   {38, 250, true}, {45, 500, false}, {55, 200, false}};
    for (const auto& w : weights) {
        const int x = StationX[w.Station];
        p.drawImage(x - 6, 144, Hanger(w.Grams, w.Variable));
        const char* arrows[] = {"ArrowDownLarge", "ArrowDownSmall", "ArrowDownMed"};
        const int offsets[] = {9, 35, 22};
        const QImage arrow = Bitmap(arrows[w.Station % 3]);
        p.drawImage(x - 5, 302 - arrow.height(), arrow);
        const QString force = QString::number(w.Grams * NewtonsPerGram, 'f', 2);
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(9);
        const int labelHeight = QFontMetrics(small).height();
        Label(p, x - 8, 302 - arrow.height() - labelHeight, force, 9, Qt::transparent);
        if (w.Variable) {
            QFont tiny(QStringLiteral("DejaVu Sans"));
            tiny.setPixelSize(8);
            const int width = QFontMetrics(tiny).horizontalAdvance(QString::number(w.Grams)) + 2;
            Label(p, x - width / 2, 174 + offsets[w.Station % 3], QString::number(w.Grams), 8, Qt::white);
        }
    }
    put("DialGaugeImage", StationX[30] - ApparatusArt::GaugeStylusColumn, 73);

    // The two position popups, as when the mouse rests on the hanger at 550 mm and a knife-edge at 500 mm.
    const auto popup = [&p](int station, int top, const QString& title, const QString& value) {
        const int left = StationX[station] - 83 / 2;
        p.fillRect(QRect(left, top, 83, 18), QColor(0xc0, 0xc0, 0xc0));
        Label(p, left, top, title, 11, Qt::transparent, 83);
        p.fillRect(QRect(left, top + 18, 83, 19), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(QRect(left, top + 18, 82, 18));
        Label(p, left, top + 19, value, 14, Qt::transparent, 83);
    };
    popup(55, 103, QStringLiteral("Load Position"), QStringLiteral("550 mm"));
    popup(udlEnd, 176, QStringLiteral("Support Position"), QStringLiteral("500 mm"));
    return m;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: apparatus-sheet DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    for (const TApparatusPicture& picture : ApparatusPictures)
        (void)ApparatusArt::DrawApparatusPicture(QString::fromLatin1(picture.Name));
    const qint64 nanoseconds = timer.nsecsElapsed();

    bool ok = true;
    for (const TApparatusPicture& picture : ApparatusPictures)
        ok &= Bitmap(picture.Name).save(dir.filePath(QLatin1String(picture.Name) + QLatin1String(".png")));
    ok &= ContactSheet().save(dir.filePath(QStringLiteral("contact-sheet@3x.png")));
    const QImage mockUp = MockUp();
    ok &= mockUp.save(dir.filePath(QStringLiteral("mockup.png")));
    ok &= Scaled(mockUp.copy(QRect(0, 40, 520, 300)), 3)
              .save(dir.filePath(QStringLiteral("mockup-beam@3x.png")));
    QTextStream(stdout) << "drew all " << ApparatusPictures.size() << " pictures once in "
                        << nanoseconds / 1000 << " us; wrote " << dir.absolutePath() << "\n";
    return ok ? 0 : 1;
}
