// How fast a module picture is decoded, and how fast a hostile one is refused: a header claiming
// 65500 x 65500 pixels must cost no more than reading the header.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // for Qt's JPEG writer
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
