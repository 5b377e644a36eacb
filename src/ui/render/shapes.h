// Colour fills, gradients, lines and outlines on a surface. Colours are
// 0xAARRGGBB; lines and outlines ignore the alpha byte.
#pragma once
#include "ui/render/surface.h"

namespace SkinUI {

// Alpha 0 draws nothing, 255 fills, anything else blends by that alpha.
void FillColor(Surface& surface, const Rect& rect, Color color);
// From `top` on the first row to `bottom` on the last, channel by channel.
void FillVerticalGradient(Surface& surface, const Rect& rect, Color top, Color bottom);
// Pen styles, the border style values of the controls. Dashes and dots are
// drawn by 1-pixel pens only; a wider pen of those styles is solid.
enum PenStyle : int {
  kPenSolid = 0,
  kPenDash = 1,        // 18 on, 6 off
  kPenDot = 2,         // 3 on, 3 off
  kPenDashDot = 3,     // 9 on, 6 off, 3 on, 6 off
  kPenDashDotDot = 4,  // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
  kPenNull = 5,        // draws nothing
  kPenInsideFrame = 6, // solid
};

// From the rectangle's top-left corner to its bottom-right corner.
void DrawLine(Surface& surface, const Rect& rect, int penWidth, Color color, int penStyle = kPenSolid);
// Outlines drawn inside the rectangle, `penWidth` thick, not filled; dashes
// run clockwise from the top-left corner.
void DrawRectangleOutline(Surface& surface, const Rect& rect, int penWidth, Color color,
                          int penStyle = kPenSolid);
void DrawRoundRectangleOutline(Surface& surface, const Rect& rect, int ellipseWidth,
                               int ellipseHeight, int penWidth, Color color,
                               int penStyle = kPenSolid);

}  // namespace SkinUI
