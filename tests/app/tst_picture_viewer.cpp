// The picture viewer: the window is exactly the picture, a click closes it, and a missing, empty, truncated,
// corrupt, oversized or non-JPEG file is reported without showing the viewer, after which the same module
// works again. So is something that is no picture file at all: a pipe, a folder, a device, a huge file.
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

// Should the picture code wait on a pipe for a writer, this opens the pipe's other end after a few seconds,
// so that the test ends, and fails, instead of hanging.
class TPipeRescuer {
public:
    explicit TPipeRescuer(const QString& pipe)
        : Thread([this, path = QFile::encodeName(pipe)] {
              std::unique_lock lock(Mutex);
              while (!Done.wait_for(lock, std::chrono::seconds(5), [this] { return Finished; })) {
                  const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      Rescued = true;
                      ::close(fd);
                  }
              }
          }) {}
    ~TPipeRescuer() {
        {
            std::lock_guard lock(Mutex);
            Finished = true;
        }
        Done.notify_all();
        Thread.join();
    }
    std::atomic<bool> Rescued = false;

private:
    std::mutex Mutex;
    std::condition_variable Done;
    bool Finished = false;
    std::thread Thread;
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

    // Something that is no picture file is refused, before it is read, with the same box; once a picture is
    // back in its place the module shows.
    void NotAPictureFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code"); // libjpeg's number in "JPEG error #n."
        QTest::newRow("a pipe") << "pipe" << int(JERR_FILE_READ);
        QTest::newRow("a folder") << "folder" << int(JERR_FILE_READ);
        // /dev/null and not /dev/zero: should the check ever go, this reads nothing instead of forever.
        QTest::newRow("a link to a device") << "device link" << int(JERR_FILE_READ);
        QTest::newRow("a 1 GB file (sparse)") << "1 GB" << int(JERR_IMAGE_TOO_BIG);
    }
    void NotAPictureFile() {
        QFETCH(QString, kind);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VEK7.JPG"));
        const QByteArray name = QFile::encodeName(path);
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == QLatin1String("device link")) {
            QCOMPARE(::symlink("/dev/null", name.constData()), 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30)); // a hole: no disk space, reads as zeros
        }

        TImageViewer viewer;
        viewer.PictureDirectory = dir.path();
        TShowCounter shows;
        viewer.installEventFilter(&shows);
        TRecordingMessages messages;
        {
            std::optional<TPipeRescuer> rescuer;
            if (kind == QLatin1String("pipe")) rescuer.emplace(path);
            QVERIFY(!viewer.ShowModulePicture(7));
            QVERIFY2(!rescuer || !rescuer->Rescued, "the viewer waited on the pipe for a writer");
        }
        QCOMPARE(shows.Shows, 0);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Ferrant Demo"));
        QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
        QCOMPARE(messages.Shown[0].Text, QStringLiteral("JPEG error #%1.").arg(code));
        QVERIFY(QFileInfo(path).isSymLink() || QFileInfo::exists(path)); // left as it was

        if (QFileInfo(path).isDir())
            QVERIFY(QDir(path).removeRecursively());
        else
            QVERIFY(QFile::remove(path));
        Write(path, GoodJpeg());
        TModalProbe probe(
            [&](QWidget*) { QTest::mouseClick(viewer.Image1, Qt::LeftButton, {}, QPoint(5, 5)); });
        QVERIFY(viewer.ShowModulePicture(7));
        QCOMPARE(probe.Seen, 1);
    }

    // The bound on the file's size, exactly: a picture followed by zeros up to it still shows (the decoder
    // stops at the picture's end marker); one byte more and the file is not read.
    void FileSizeBound_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("at the bound") << LargestPictureFileSize << true;
        QTest::newRow("one byte over") << LargestPictureFileSize + 1 << false;
    }
    void FileSizeBound() {
        QFETCH(qint64, size);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VEK7.JPG"));
        Write(path, GoodJpeg());
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(size));
        }
        const TJpegResult result = LoadJpegFile(path);
        if (accepted) {
            QVERIFY2(result.Ok(), qPrintable(result.Error));
            QCOMPARE(result.Image.size(), QSize(320, 200));
        } else {
            QCOMPARE(result.DecoderCode, int(JERR_IMAGE_TOO_BIG));
        }
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
