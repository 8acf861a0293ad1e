#pragma once
#include "Kit.h"

namespace Art {
// Draws the apparatus of module n (2..20) over the whole 700 x 500 world, background included.
void DrawModule(TKit& kit, int n);
// The range logo in a box of the world (the launcher's and the about box's top-left cell).
void DrawLogo(QPainter& painter, QRectF box);
} // namespace Art
