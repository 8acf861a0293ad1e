#pragma once
// The glyphs of the spin button halves, "UpSpin" and "DownSpin": small black arrowheads on a transparent
// background, drawn pixel by pixel so they stay crisp at 100 %.

#include <QImage>
#include <QString>

// The named glyph, or a null image for an unknown name.
[[nodiscard]] QImage SpinGlyph(const QString& name);
