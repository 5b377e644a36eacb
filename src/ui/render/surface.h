// The toolkit's drawing target: 32-bit pixels with premultiplied alpha,
// blue in the lowest byte, then green, red and alpha; rows from the top.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace SkinUI {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

// The part both rectangles cover (empty when they do not meet).
inline Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// 0xAARRGGBB, as colours are written everywhere in the toolkit.
using Color = uint32_t;

inline uint8_t AlphaOf(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 24); }

// x / 255, rounded to the nearest integer, for x up to 255 * 255.
inline uint32_t Div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// The premultiplied pixel of a straight colour: value x alpha / 255, truncated,
// the same rule as for decoded images.
inline uint32_t Premultiply(Color color) {
  const uint32_t a = color >> 24;
  if (a == 255) return color;
  const uint32_t r = ((color >> 16) & 0xFF) * a / 255;
  const uint32_t g = ((color >> 8) & 0xFF) * a / 255;
  const uint32_t b = (color & 0xFF) * a / 255;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

// Source-over of a premultiplied pixel scaled by a constant alpha.
inline uint32_t BlendPixel(uint32_t destination, uint32_t source, uint32_t constantAlpha) {
  if (constantAlpha == 0) return destination;
  uint32_t s[4], d[4];
  for (int i = 0; i < 4; ++i) {
    s[i] = (source >> (8 * i)) & 0xFF;
    d[i] = (destination >> (8 * i)) & 0xFF;
  }
  if (constantAlpha != 255)
    for (auto& channel : s) channel = Div255(channel * constantAlpha);
  const uint32_t keep = 255 - s[3];
  uint32_t out = 0;
  for (int i = 0; i < 4; ++i) out |= std::min<uint32_t>(255, s[i] + Div255(d[i] * keep)) << (8 * i);
  return out;
}

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, uint32_t fill = 0)
      : width_(std::max(0, width)), height_(std::max(0, height)),
        pixels_(static_cast<size_t>(width_) * height_, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t At(int x, int y) const { return Row(y)[x]; }
  uint32_t& At(int x, int y) { return Row(y)[x]; }
  std::vector<uint32_t>& Pixels() { return pixels_; }
  const std::vector<uint32_t>& Pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace SkinUI
