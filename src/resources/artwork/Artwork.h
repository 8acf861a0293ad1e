#pragma once
// The pictures the generator painted at build time, as compiled-in resources. The launcher's background and
// the button pictures are stored as raw 32-bit pixels rather than PNG: the launcher shows them at once, and
// decoding 20 PNG files (with the image-format plugin scan the first decode brings) was a good part of the
// program's start-up time. Raw pixels are wrapped in place, without decoding or copying.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The picture stored raw under ":/artwork/<name>.rgb32" in the size given; a null image if it is missing or
// of another size.
[[nodiscard]] QImage RawArtwork(const QString& name, int width, int height);

// The button picture of module n (140 x 100), as on the launcher and in the about box.
[[nodiscard]] QPixmap ModuleGlyph(int n);
// The launcher's background (768 x 479).
[[nodiscard]] QPixmap LauncherBackground();
// The program's icon (the one the desktop entry names), in the sizes stored raw, for every window.
[[nodiscard]] QIcon ApplicationWindowIcon();
