#include "ui/render/shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <span>
#include <vector>

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

// The on/off runs of a pen along its path, in pixels, starting with "on".
class PenPattern {
 public:
  PenPattern(int style, int width) {
    static constexpr uint8_t kDash[] = {18, 6}, kDot[] = {3, 3}, kDashDot[] = {9, 6, 3, 6},
                             kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    if (style == kPenNull) {
      visible_ = false;
      return;
    }
    if (width > 1) return;  // wide pens of every style are solid
    switch (style) {
      case kPenDash: runs_ = kDash; break;
      case kPenDot: runs_ = kDot; break;
      case kPenDashDot: runs_ = kDashDot; break;
      case kPenDashDotDot: runs_ = kDashDotDot; break;
      default: break;  // solid, inside frame and unknown values
    }
    if (!runs_.empty()) left_ = runs_[0];
  }

  bool Visible() const { return visible_; }
  bool Solid() const { return runs_.empty(); }

  // Whether the next pixel along the path is drawn.
  bool Next() {
    if (runs_.empty()) return true;
    const bool on = run_ % 2 == 0;
    if (--left_ == 0) {
      run_ = (run_ + 1) % runs_.size();
      left_ = runs_[run_];
    }
    return on;
  }

 private:
  bool visible_ = true;
  std::span<const uint8_t> runs_;
  size_t run_ = 0;
  int left_ = 0;
};

void SetClipped(Surface& surface, int x, int y, Color color) {
  if (x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height()) surface.At(x, y) = color;
}

// The pixels of a 1-pixel rectangle outline, clockwise from the top-left.
std::vector<std::pair<int, int>> RectanglePath(const Rect& r) {
  std::vector<std::pair<int, int>> path;
  for (int x = r.left; x < r.right; ++x) path.emplace_back(x, r.top);
  if (r.Height() == 1) return path;
  for (int y = r.top + 1; y < r.bottom; ++y) path.emplace_back(r.right - 1, y);
  if (r.Width() == 1) return path;
  for (int x = r.right - 2; x >= r.left; --x) path.emplace_back(x, r.bottom - 1);
  for (int y = r.bottom - 2; y > r.top; --y) path.emplace_back(r.left, y);
  return path;
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

void DrawLine(Surface& surface, const Rect& rect, int penWidth, Color color, int penStyle) {
  const int width = std::max(1, penWidth);
  PenPattern pen(penStyle, width);
  if (!pen.Visible()) return;
  int x = rect.left, y = rect.top;
  const int dx = std::abs(rect.right - rect.left), dy = -std::abs(rect.bottom - rect.top);
  const int stepX = rect.left < rect.right ? 1 : -1, stepY = rect.top < rect.bottom ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    if (pen.Next())
      FillClipped(surface, {x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width},
                  Opaque(color));
    if (x == rect.right && y == rect.bottom) break;
    const int doubled = 2 * error;
    if (doubled >= dy) error += dy, x += stepX;
    if (doubled <= dx) error += dx, y += stepY;
  }
}

void DrawRectangleOutline(Surface& surface, const Rect& rect, int penWidth, Color color,
                          int penStyle) {
  if (rect.IsEmpty() || penWidth <= 0) return;
  PenPattern pen(penStyle, penWidth);
  if (!pen.Visible()) return;
  if (!pen.Solid()) {
    for (const auto& [x, y] : RectanglePath(rect))
      if (pen.Next()) SetClipped(surface, x, y, Opaque(color));
    return;
  }
  const int w = std::min({penWidth, rect.Width(), rect.Height()});
  const Color c = Opaque(color);
  FillClipped(surface, {rect.left, rect.top, rect.right, rect.top + w}, c);
  FillClipped(surface, {rect.left, rect.bottom - w, rect.right, rect.bottom}, c);
  FillClipped(surface, {rect.left, rect.top + w, rect.left + w, rect.bottom - w}, c);
  FillClipped(surface, {rect.right - w, rect.top + w, rect.right, rect.bottom - w}, c);
}

void DrawRoundRectangleOutline(Surface& surface, const Rect& rect, int ellipseWidth,
                               int ellipseHeight, int penWidth, Color color, int penStyle) {
  if (rect.IsEmpty() || penWidth <= 0) return;
  PenPattern pen(penStyle, penWidth);
  if (!pen.Visible()) return;
  const Rect inner{rect.left + penWidth, rect.top + penWidth, rect.right - penWidth,
                   rect.bottom - penWidth};
  const int innerWidth = std::max(0, ellipseWidth - 2 * penWidth);
  const int innerHeight = std::max(0, ellipseHeight - 2 * penWidth);
  const auto onOutline = [&](int x, int y) {
    return InsideRounded(rect, ellipseWidth, ellipseHeight, x, y) &&
           !InsideRounded(inner, innerWidth, innerHeight, x, y);
  };
  if (pen.Solid()) {
    const Rect clip = Intersect(rect, surface.Bounds());
    for (int y = clip.top; y < clip.bottom; ++y)
      for (int x = clip.left; x < clip.right; ++x)
        if (onOutline(x, y)) surface.At(x, y) = Opaque(color);
    return;
  }
  // A dashed outline is 1 pixel wide and convex: its pixels in the order of
  // their angle around the centre are its path, clockwise from the top-left.
  const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
  const double start = std::atan2(rect.top + 0.5 - cy, rect.left + 0.5 - cx);
  std::vector<std::pair<double, std::pair<int, int>>> path;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (onOutline(x, y)) {
        double angle = std::atan2(y + 0.5 - cy, x + 0.5 - cx) - start;
        if (angle < 0) angle += 2 * std::numbers::pi;
        path.push_back({angle, {x, y}});
      }
  std::sort(path.begin(), path.end());
  for (const auto& [angle, pixel] : path)
    if (pen.Next()) SetClipped(surface, pixel.first, pixel.second, Opaque(color));
}

}  // namespace SkinUI
