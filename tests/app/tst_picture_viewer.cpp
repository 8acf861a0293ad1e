// The picture viewer: the window is exactly the picture, a click closes it, and a missing, empty, truncated,
// corrupt, oversized or non-JPEG file is reported without showing the viewer, after which the same module
// works again.
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

extern "C" {
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
}

#include "ModalProbe.h"
#include "app/ImageForm.h"
#include "platform/Cursors.h"
#include "platform/JpegFile.h"
#include "platform/MessageLayer.h"

namespace {

// A picture (by default 320 x 200): left half red, right half blue, written by Qt's own JPEG writer.
QByteArray GoodJpeg(int width = 320, int height = 200) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixel(x, y, qRgb(30, 30, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    if (!writer.write(image)) qFatal("cannot encode the test picture");
    return bytes;
}

// The same data with a frame header that claims another size: what a damaged or hostile file looks like.
// Qt writes baseline JPEG: SOF0 is FF C0, then length (2), precision (1), height (2), width (2).
QByteArray ClaimingSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0) qFatal("no SOF0 marker in the test picture");
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

// Entropy-coded data that stops early, closed with a proper end marker: libjpeg sees the marker where data
// should be and would pad the rest of the picture with grey.
QByteArray CutWithEndMarker(const QByteArray& jpeg) {
    return jpeg.left(jpeg.size() * 2 / 3) + QByteArray("\xFF\xD9", 2);
}

void Write(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

bool Near(QRgb pixel, QColor expected) {
    return std::abs(qRed(pixel) - expected.red()) < 24 && std::abs(qGreen(pixel) - expected.green()) < 24 &&
           std::abs(qBlue(pixel) - expected.blue()) < 24;
}

class TShowCounter : public QObject {
public:
    int Shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) ++Shows;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TPictureViewerTest : public QObject {
    Q_OBJECT
private slots:
    void ViewerIsThePictureAndAClickClosesIt() {
        QTemporaryDir dir;
        Write(dir.filePath(QStringLiteral("VEK7.JPG")), GoodJpeg());
        TImageViewer viewer;
        viewer.PictureDirectory = dir.path();
        QSize shownSize;
        bool frameless = false;
        TCursorNumber cursorWhileShown = crHourGlass;
        SetScreenCursor(crHourGlass); // as the launcher does before it asks for a picture
        TModalProbe probe([&](QWidget* modal) {
            QCOMPARE(modal, &viewer);
            shownSize = viewer.size();
            frameless = viewer.windowFlags().testFlag(Qt::FramelessWindowHint);
            cursorWhileShown = ScreenCursor();
            // A key does not close it; a click anywhere on the picture does.
            QTest::keyClick(&viewer, Qt::Key_Escape);
            QVERIFY(viewer.isVisible());
            QTest::mouseClick(viewer.Image1, Qt::LeftButton, {}, QPoint(300, 180));
            QVERIFY(!viewer.isVisible());
        });
        QVERIFY(viewer.ShowModulePicture(7));
        QCOMPARE(probe.Seen, 1);
        QCOMPARE(shownSize, QSize(320, 200));
        QVERIFY(frameless);
        QCOMPARE(cursorWhileShown, crDefault);
        // The viewer set the hand pointer as it closed, so the launcher is left with the default arrow.
        QCOMPARE(ScreenCursor(), crDefault);
        const QImage shown = viewer.Image1->pixmap().toImage();
        QVERIFY(Near(shown.pixel(40, 100), QColor(200, 30, 30)));
        QVERIFY(Near(shown.pixel(280, 100), QColor(30, 30, 200)));
    }

    void BadFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected"); // %1 is the file's full name
        QTest::newRow("missing") << "missing"
                                 << QStringLiteral("Cannot open file \"%1\". ") +
                                        QString::fromLocal8Bit(std::strerror(ENOENT)) + QStringLiteral(".");
        // The message numbers are libjpeg's own, from its jerror.h.
        QTest::newRow("empty") << "empty" << QStringLiteral("JPEG error #%1.").arg(int(JERR_INPUT_EMPTY));
        QTest::newRow("truncated") << "truncated"
                                   << QStringLiteral("JPEG error #%1.").arg(int(JWRN_JPEG_EOF));
        QTest::newRow("cut, with its end marker")
            << "cut with end marker" << QStringLiteral("JPEG error #%1.").arg(int(JWRN_HIT_MARKER));
        QTest::newRow("header claims 65500 x 65500")
            << "hostile header" << QStringLiteral("JPEG error #%1.").arg(int(JERR_IMAGE_TOO_BIG));
        QTest::newRow("not a JPEG") << "png" << QStringLiteral("JPEG error #%1.").arg(int(JERR_NO_SOI));
    }
    void BadFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VEK12.JPG"));
        const QByteArray good = GoodJpeg();
        if (kind == QLatin1String("empty"))
            Write(path, {});
        else if (kind == QLatin1String("truncated"))
            Write(path, good.left(good.size() * 2 / 3));
        else if (kind == QLatin1String("cut with end marker"))
            Write(path, CutWithEndMarker(good));
        else if (kind == QLatin1String("hostile header"))
            Write(path, ClaimingSize(good, 65500, 65500));
        else if (kind == QLatin1String("png")) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::green);
            QVERIFY(image.save(path, "PNG"));
        }

        TImageViewer viewer;
        viewer.PictureDirectory = dir.path();
        TShowCounter shows;
        viewer.installEventFilter(&shows);
        TRecordingMessages messages;
        QVERIFY(!viewer.ShowModulePicture(12));
        QCOMPARE(shows.Shows, 0);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Ferrant Demo"));
        QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
        QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::Ok);
        if (expected.contains(QLatin1String("%1"))) expected = expected.arg(QDir::toNativeSeparators(path));
        QCOMPARE(messages.Shown[0].Text, expected);

        // Restored, the same module shows.
        Write(path, good);
        TModalProbe probe(
            [&](QWidget*) { QTest::mouseClick(viewer.Image1, Qt::LeftButton, {}, QPoint(5, 5)); });
        QVERIFY(viewer.ShowModulePicture(12));
        QCOMPARE(probe.Seen, 1);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
    }

    // Damaged data anywhere in the file is refused with a decoder number, never a crash (run under the
    // sanitizers for leaks and overreads).
    void DamagedDataIsRefusedOrDecoded() {
        const QByteArray good = GoodJpeg();
        int refused = 0;
        for (int cut = 0; cut < good.size(); cut += 31) {
            const TJpegResult result = DecodeJpeg(good.left(cut));
            QVERIFY(!result.Ok());
            QVERIFY(result.DecoderCode > 0);
            QVERIFY(result.Image.isNull());
            ++refused;
        }
        for (int at = 0; at < good.size(); at += 7) {
            for (const char pattern : {char(0x5A), char(0xFF)}) {
                QByteArray damaged = good;
                damaged[at] = char(damaged[at] ^ pattern);
                const TJpegResult result = DecodeJpeg(damaged);
                QVERIFY(result.Ok() != result.Image.isNull());
                QVERIFY(result.Ok() ||
                        result.Error == QStringLiteral("JPEG error #%1").arg(result.DecoderCode));
            }
        }
        QVERIFY(refused > 10);
    }

    // The bound on the claimed size holds for each side on its own, and a picture at the bound decodes.
    void SizeBound_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("widest allowed") << QSize(LargestPictureSide, 16) << true;
        QTest::newRow("tallest allowed") << QSize(16, LargestPictureSide) << true;
        QTest::newRow("one pixel too wide") << QSize(LargestPictureSide + 1, 16) << false;
        QTest::newRow("one pixel too tall") << QSize(16, LargestPictureSide + 1) << false;
    }
    void SizeBound() {
        QFETCH(QSize, size);
        QFETCH(bool, accepted);
        const TJpegResult result = DecodeJpeg(GoodJpeg(size.width(), size.height()));
        if (accepted) {
            QVERIFY2(result.Ok(), qPrintable(result.Error));
            QCOMPARE(result.Image.size(), size);
        } else {
            QCOMPARE(result.DecoderCode, int(JERR_IMAGE_TOO_BIG));
            QVERIFY(result.Image.isNull());
        }
    }

    // A header whose claim fits the bound but whose data is far too short: refused at the first missing
    // data rather than shown padded.
    void ClaimLargerThanTheDataIsRefused() {
        const TJpegResult result = DecodeJpeg(ClaimingSize(GoodJpeg(), 4000, 4000));
        QVERIFY(!result.Ok());
        QVERIFY(result.Image.isNull());
    }

    void GreyscalePicturesDecode() {
        QImage grey(64, 48, QImage::Format_Grayscale8);
        grey.fill(128);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(QImageWriter(&buffer, "jpeg").write(grey));
        const TJpegResult result = DecodeJpeg(bytes);
        QVERIFY2(result.Ok(), qPrintable(result.Error));
        QCOMPARE(result.Image.size(), QSize(64, 48));
        QVERIFY(Near(result.Image.pixel(10, 10), QColor(128, 128, 128)));
    }
};

QTEST_MAIN(TPictureViewerTest)
#include "tst_picture_viewer.moc"
