#include "ui/render/text_engine.h"

namespace SkinUI {

void BlendCoverage(Surface& surface, const Rect& area, const uint8_t* coverage, Color color,
                   const Rect& clip) {
  const Rect visible = Intersect(Intersect(area, clip), surface.Bounds());
  const uint32_t r = (color >> 16) & 0xFF, g = (color >> 8) & 0xFF, b = color & 0xFF;
  for (int y = visible.top; y < visible.bottom; ++y) {
    const uint8_t* row = coverage + static_cast<size_t>(y - area.top) * area.Width();
    for (int x = visible.left; x < visible.right; ++x) {
      const uint32_t a = row[x - area.left];
      if (a == 0) continue;
      const uint32_t source = (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
      surface.At(x, y) = BlendPixel(surface.At(x, y), source, 255);
    }
  }
}

}  // namespace SkinUI
