// How fast a module picture is decoded, and how fast a hostile one is refused: a header claiming
// 65500 x 65500 pixels must cost no more than reading the header, and a 1 GB file or a pipe in a picture's
// place no more than a look at the file (the bytes read per refusal are reported: 0).
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/JpegFile.h"

namespace {

// A picture of the module pictures' size, with some detail so that the entropy-coded data is realistic.
QByteArray ModuleSizedJpeg() {
    QImage image(751, 540, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x + y) * 5) & 0xFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    writer.write(image);
    return bytes;
}

QByteArray ClaimingSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

void BM_DecodeModulePicture(benchmark::State& state) {
    const QByteArray jpeg = ModuleSizedJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpeg(jpeg));
}
BENCHMARK(BM_DecodeModulePicture)->Unit(benchmark::kMillisecond);

void BM_RefuseHostileHeader(benchmark::State& state) {
    const QByteArray jpeg = ClaimingSize(ModuleSizedJpeg(), 65500, 65500);
    for (auto _ : state) {
        const TJpegResult result = DecodeJpeg(jpeg);
        if (result.Ok()) state.SkipWithError("the hostile header was accepted");
    }
}
BENCHMARK(BM_RefuseHostileHeader)->Unit(benchmark::kMicrosecond);

long MaxResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A file in VEK7.JPG's place that is no picture: a 1 GB file (sparse, reads as zeros) or a pipe with no
// writer. Memory is reported as the peak resident size's growth over the run.
void BM_RefuseHostileFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VEK7.JPG"));
    if (state.range(0) == 0) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.resize(qint64(1) << 30);
        state.SetLabel("1 GB file");
    } else {
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        state.SetLabel("pipe");
    }
    const long before = MaxResidentKiB();
    for (auto _ : state) {
        const TJpegResult result = LoadJpegFile(path);
        if (result.Ok()) state.SkipWithError("the file was accepted");
    }
    state.counters["peak_rss_growth_KiB"] = double(MaxResidentKiB() - before);
}
BENCHMARK(BM_RefuseHostileFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // for Qt's JPEG writer
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
