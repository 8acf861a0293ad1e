#include "Artwork.h"

#include <QResource>

#include "ModuleTitles.h"

QImage RawArtwork(const QString& name, int width, int height) {
    const QResource resource(QStringLiteral(":/artwork/%1.rgb32").arg(name));
    // The pixels are the generator's QImage::Format_RGB32 words in the byte order of the machine that built
    // the program, which is the one that runs it. Stored uncompressed, so data() is the pixels themselves.
    const qint64 bytes = qint64(width) * height * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != bytes)
        return {};
    return QImage(resource.data(), width, height, width * 4, QImage::Format_RGB32);
}

QPixmap ModuleGlyph(int n) {
    return QPixmap::fromImage(RawArtwork(QStringLiteral("Glyph%1").arg(n), GlyphWidth, GlyphHeight));
}

QPixmap LauncherBackground() {
    return QPixmap::fromImage(
        RawArtwork(QStringLiteral("Launcher"), LauncherBackgroundWidth, LauncherBackgroundHeight));
}

QIcon ApplicationWindowIcon() {
    QIcon icon;
    for (const int size : WindowIconSizes) {
        const QResource resource(QStringLiteral(":/artwork/Icon%1.argb32").arg(size));
        const qint64 bytes = qint64(size) * size * 4;
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
            resource.size() != bytes)
            continue;
        icon.addPixmap(QPixmap::fromImage(
            QImage(resource.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}
