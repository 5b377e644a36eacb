#include "ui/render/skin_image.h"

#include <stb_image.h>

#include <climits>

namespace SkinUI {
namespace {

// One part of the image: `source` stretched (or tiled) into `destination`,
// drawn only inside `clip`.
void DrawPart(Surface& surface, const TImage& image, const Rect& destination, const Rect& source,
              const ImageDrawing& drawing, bool xtiled, bool ytiled) {
  if (destination.IsEmpty() || source.IsEmpty()) return;
  const Rect clip = Intersect(Intersect(destination, drawing.paint), surface.Bounds());
  if (clip.IsEmpty()) return;
  const bool blend = drawing.alpha || drawing.fade != 255;
  const int64_t dw = destination.Width(), dh = destination.Height();
  const int64_t sw = source.Width(), sh = source.Height();
  for (int y = clip.top; y < clip.bottom; ++y) {
    const int64_t offsetY = y - destination.top;
    const int sy = source.top + static_cast<int>(ytiled ? offsetY % sh : offsetY * sh / dh);
    const uint32_t* from = image.pixels.Row(sy);
    uint32_t* to = surface.Row(y);
    for (int x = clip.left; x < clip.right; ++x) {
      const int64_t offsetX = x - destination.left;
      const int sx = source.left + static_cast<int>(xtiled ? offsetX % sw : offsetX * sw / dw);
      to[x] = blend ? BlendPixel(to[x], from[sx], drawing.fade) : from[sx];
    }
  }
}

}  // namespace

std::optional<TImage> DecodeImage(const void* bytes, size_t size, uint32_t mask) {
  if (!bytes || size == 0 || size > INT_MAX) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  stbi_uc* rgba = stbi_load_from_memory(static_cast<const stbi_uc*>(bytes), static_cast<int>(size),
                                        &width, &height, &channels, 4);
  if (!rgba) return std::nullopt;
  TImage image;
  image.pixels = Surface(width, height);
  image.mask = mask;
  uint32_t* out = image.pixels.Pixels().data();
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    const uint32_t r = rgba[i * 4], g = rgba[i * 4 + 1], b = rgba[i * 4 + 2], a = rgba[i * 4 + 3];
    uint32_t pixel;
    if (a == 255) {
      pixel = 0xFF000000u | (r << 16) | (g << 8) | b;
    } else {
      // Premultiplied as value x alpha / 255, truncated.
      pixel = (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
      image.alpha = true;
    }
    if (pixel == mask) {
      pixel = 0;
      image.alpha = true;
    }
    out[i] = pixel;
  }
  stbi_image_free(rgba);
  return image;
}

std::optional<TImage> ColorSwatch(const std::wstring& text) {
  std::wstring digits = text.rfind(L"#", 0) == 0 ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t color = 0;
  for (wchar_t c : digits) {
    int value;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    else if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    else return std::nullopt;
    color = (color << 4) | static_cast<uint32_t>(value);
  }
  TImage image;
  image.pixels = Surface(1, 1, Premultiply(color));
  image.alpha = (color >> 24) != 255;
  image.resourceType = L"*COLOR*";
  return image;
}

void DrawImage(Surface& surface, const TImage& image, const ImageDrawing& drawing) {
  const Rect& d = drawing.destination;
  Rect s = Intersect(drawing.source, image.pixels.Bounds());
  if (d.IsEmpty() || s.IsEmpty()) return;
  const Corners& c = drawing.corners;
  if (d.Width() == s.Width() && d.Height() == s.Height() && c.IsZero()) {
    DrawPart(surface, image, d, s, drawing, false, false);
    return;
  }
  if (!drawing.hole)
    DrawPart(surface, image, {d.left + c.left, d.top + c.top, d.right - c.right, d.bottom - c.bottom},
             {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom}, drawing,
             drawing.xtiled, drawing.ytiled);
  const auto part = [&](Rect to, Rect from) { DrawPart(surface, image, to, from, drawing, false, false); };
  // Corners 1:1.
  if (c.left > 0 && c.top > 0)
    part({d.left, d.top, d.left + c.left, d.top + c.top}, {s.left, s.top, s.left + c.left, s.top + c.top});
  if (c.right > 0 && c.top > 0)
    part({d.right - c.right, d.top, d.right, d.top + c.top},
         {s.right - c.right, s.top, s.right, s.top + c.top});
  if (c.left > 0 && c.bottom > 0)
    part({d.left, d.bottom - c.bottom, d.left + c.left, d.bottom},
         {s.left, s.bottom - c.bottom, s.left + c.left, s.bottom});
  if (c.right > 0 && c.bottom > 0)
    part({d.right - c.right, d.bottom - c.bottom, d.right, d.bottom},
         {s.right - c.right, s.bottom - c.bottom, s.right, s.bottom});
  // Edges, stretched along their length.
  if (c.top > 0)
    part({d.left + c.left, d.top, d.right - c.right, d.top + c.top},
         {s.left + c.left, s.top, s.right - c.right, s.top + c.top});
  if (c.bottom > 0)
    part({d.left + c.left, d.bottom - c.bottom, d.right - c.right, d.bottom},
         {s.left + c.left, s.bottom - c.bottom, s.right - c.right, s.bottom});
  if (c.left > 0)
    part({d.left, d.top + c.top, d.left + c.left, d.bottom - c.bottom},
         {s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom});
  if (c.right > 0)
    part({d.right - c.right, d.top + c.top, d.right, d.bottom - c.bottom},
         {s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom});
}

}  // namespace SkinUI
