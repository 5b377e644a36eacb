// A decoded skin image, and drawing it with nine-part scaling, tiling and
// constant alpha onto a surface.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ui/render/surface.h"

namespace SkinUI {

struct TImage {
  Surface pixels;         // premultiplied, as the surface stores them
  bool alpha = false;     // some pixel is not fully opaque, or was masked out
  bool hsl = false;
  std::wstring resourceType;  // empty for skin files
  uint32_t mask = 0;

  int Width() const { return pixels.Width(); }
  int Height() const { return pixels.Height(); }
};

// Decodes PNG (or any format the image decoder knows) into premultiplied
// pixels; a pixel whose premultiplied value (alpha in the top byte) equals
// `mask` becomes fully transparent. None when the bytes do not decode.
std::optional<TImage> DecodeImage(const void* bytes, size_t size, uint32_t mask);

// A 1 x 1 image of a colour written "#AARRGGBB" or "AARRGGBB".
std::optional<TImage> ColorSwatch(const std::wstring& text);

// Corner sizes of the nine-part scaling: left, top, right, bottom.
struct Corners {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
};

struct ImageDrawing {
  Rect destination;
  Rect paint;   // only this part of the surface is touched
  Rect source;  // inside the image
  Corners corners;
  bool alpha = false;  // blend instead of copy
  uint8_t fade = 255;  // constant alpha
  bool hole = false;   // leave the centre out
  bool xtiled = false;
  bool ytiled = false;
};

// Copies (or, with alpha or a fade, blends) the image: 1:1 when sizes match
// and there are no corners, otherwise in nine parts stretched by pixel
// replication, the centre tiled along x and/or y when asked.
void DrawImage(Surface& surface, const TImage& image, const ImageDrawing& drawing);

}  // namespace SkinUI
