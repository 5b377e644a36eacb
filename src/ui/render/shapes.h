// Colour fills, gradients, lines and outlines on a surface. Colours are
// 0xAARRGGBB; lines and outlines ignore the alpha byte.
#pragma once
#include "ui/render/surface.h"

namespace SkinUI {

// Alpha 0 draws nothing, 255 fills, anything else blends by that alpha.
void FillColor(Surface& surface, const Rect& rect, Color color);
// From `top` on the first row to `bottom` on the last, channel by channel.
void FillVerticalGradient(Surface& surface, const Rect& rect, Color top, Color bottom);
// From the rectangle's top-left corner to its bottom-right corner.
void DrawLine(Surface& surface, const Rect& rect, int penWidth, Color color);
// Outlines drawn inside the rectangle, `penWidth` thick, not filled.
void DrawRectangleOutline(Surface& surface, const Rect& rect, int penWidth, Color color);
void DrawRoundRectangleOutline(Surface& surface, const Rect& rect, int ellipseWidth,
                               int ellipseHeight, int penWidth, Color color);

}  // namespace SkinUI
