#include "ui/render/shapes.h"

#include <cstdlib>

namespace SkinUI {
namespace {

constexpr Color Opaque(Color color) { return color | 0xFF000000u; }

void FillClipped(Surface& surface, const Rect& rect, Color color) {
  const Rect clip = Intersect(rect, surface.Bounds());
  for (int y = clip.top; y < clip.bottom; ++y)
    for (int x = clip.left; x < clip.right; ++x) surface.At(x, y) = color;
}

// Whether the pixel centre (x + 0.5, y + 0.5) lies inside the rounded
// rectangle, in doubled coordinates so everything stays integral.
bool InsideRounded(const Rect& r, int ellipseWidth, int ellipseHeight, int x, int y) {
  if (r.IsEmpty() || x < r.left || x >= r.right || y < r.top || y >= r.bottom) return false;
  const int64_t rx = std::min(ellipseWidth, r.Width()), ry = std::min(ellipseHeight, r.Height());
  if (rx <= 0 || ry <= 0) return true;
  // Centre of the nearest corner ellipse, doubled.
  const int64_t px = 2 * int64_t{x} + 1, py = 2 * int64_t{y} + 1;
  const int64_t left = 2 * int64_t{r.left} + rx, right = 2 * int64_t{r.right} - rx;
  const int64_t top = 2 * int64_t{r.top} + ry, bottom = 2 * int64_t{r.bottom} - ry;
  const int64_t cx = px < left ? left : (px > right ? right : px);
  const int64_t cy = py < top ? top : (py > bottom ? bottom : py);
  const int64_t dx = px - cx, dy = py - cy;
  // (dx / rx)^2 + (dy / ry)^2 <= 1
  return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

}  // namespace

void FillColor(Surface& surface, const Rect& rect, Color color) {
  const uint32_t alpha = color >> 24;
  if (alpha == 0) return;
  if (alpha == 255) {
    FillClipped(surface, rect, color);
    return;
  }
  const uint32_t source = Premultiply(color);
  const Rect clip = Intersect(rect, surface.Bounds());
  for (int y = clip.top; y < clip.bottom; ++y)
    for (int x = clip.left; x < clip.right; ++x)
      surface.At(x, y) = BlendPixel(surface.At(x, y), source, 255);
}

void FillVerticalGradient(Surface& surface, const Rect& rect, Color top, Color bottom) {
  const int height = rect.Height();
  for (int row = 0; row < height; ++row) {
    Color color = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      const int from = static_cast<int>((top >> shift) & 0xFF), to = static_cast<int>((bottom >> shift) & 0xFF);
      const int value = height > 1 ? from + (to - from) * row / (height - 1) : from;
      color |= static_cast<Color>(value) << shift;
    }
    FillColor(surface, {rect.left, rect.top + row, rect.right, rect.top + row + 1}, color);
  }
}

void DrawLine(Surface& surface, const Rect& rect, int penWidth, Color color) {
  const int width = std::max(1, penWidth);
  int x = rect.left, y = rect.top;
  const int dx = std::abs(rect.right - rect.left), dy = -std::abs(rect.bottom - rect.top);
  const int stepX = rect.left < rect.right ? 1 : -1, stepY = rect.top < rect.bottom ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    FillClipped(surface, {x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width},
                Opaque(color));
    if (x == rect.right && y == rect.bottom) break;
    const int doubled = 2 * error;
    if (doubled >= dy) error += dy, x += stepX;
    if (doubled <= dx) error += dx, y += stepY;
  }
}

void DrawRectangleOutline(Surface& surface, const Rect& rect, int penWidth, Color color) {
  if (rect.IsEmpty() || penWidth <= 0) return;
  const int w = std::min({penWidth, rect.Width(), rect.Height()});
  const Color c = Opaque(color);
  FillClipped(surface, {rect.left, rect.top, rect.right, rect.top + w}, c);
  FillClipped(surface, {rect.left, rect.bottom - w, rect.right, rect.bottom}, c);
  FillClipped(surface, {rect.left, rect.top + w, rect.left + w, rect.bottom - w}, c);
  FillClipped(surface, {rect.right - w, rect.top + w, rect.right, rect.bottom - w}, c);
}

void DrawRoundRectangleOutline(Surface& surface, const Rect& rect, int ellipseWidth,
                               int ellipseHeight, int penWidth, Color color) {
  if (rect.IsEmpty() || penWidth <= 0) return;
  const Rect inner{rect.left + penWidth, rect.top + penWidth, rect.right - penWidth,
                   rect.bottom - penWidth};
  const int innerWidth = std::max(0, ellipseWidth - 2 * penWidth);
  const int innerHeight = std::max(0, ellipseHeight - 2 * penWidth);
  const Rect clip = Intersect(rect, surface.Bounds());
  for (int y = clip.top; y < clip.bottom; ++y)
    for (int x = clip.left; x < clip.right; ++x)
      if (InsideRounded(rect, ellipseWidth, ellipseHeight, x, y) &&
          !InsideRounded(inner, innerWidth, innerHeight, x, y))
        surface.At(x, y) = Opaque(color);
}

}  // namespace SkinUI
