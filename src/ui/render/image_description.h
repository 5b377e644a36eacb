// Image descriptions as the skins write them in attributes: a plain image
// name ("res\mainWnd\bg1.png") or key='value' pairs separated by spaces
// ("file='res\mainWnd\Cb1.png' dest='0,2,15,16'").
#pragma once
#include <cstdint>
#include <string>

#include "ui/render/skin_image.h"
#include "ui/render/surface.h"

namespace SkinUI {

struct ImageDescription {
  std::wstring name;          // image name, or the colour for a swatch
  std::wstring resourceType;  // "*COLOR*" for "color", the "restype" for "res"
  Rect dest;                  // offsets inside the item rectangle; all 0: the item itself
  Rect source;                // all 0: the whole image
  Corners corners;
  uint32_t mask = 0;
  uint8_t fade = 255;
  bool hole = false, xtiled = false, ytiled = false, hsl = false;
};

// Parsing stops at the first thing that is not a well-formed pair, and a
// closing quote not followed by a space (code 32) ends it too.
ImageDescription ParseImageDescription(const std::wstring& text);

// Where a description draws inside an item: the item itself, or, when any
// offset is set, the item moved by dest's left and top and cut at dest's
// right and bottom (never beyond the item).
Rect ResolveDestination(const Rect& item, const Rect& dest);

}  // namespace SkinUI
