// Drawing and measuring text with a font onto the premultiplied surface. One
// interface, two engines: GDI on Windows, FreeType with fontconfig on POSIX
// (where the face "微软雅黑" resolves to an installed CJK face).
#pragma once
#include <memory>
#include <string>

#include "ui/render/surface.h"

namespace SkinUI {

struct FontSpec {
  std::wstring face = L"微软雅黑";
  int height = 12;  // pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Text style bits of the text controls.
enum TextStyle : unsigned {
  kTextLeft = 0,
  kTextCenter = 0x1,
  kTextRight = 0x2,
  kTextTop = 0,
  kTextVCenter = 0x4,  // single-line text only
  kTextBottom = 0x8,   // single-line text only
  kTextWordBreak = 0x10,
  kTextSingleLine = 0x20,
  kTextEndEllipsis = 0x8000,
};

class ITextEngineUI {
 public:
  virtual ~ITextEngineUI() = default;
  // Draws with a transparent background; the colour's alpha is ignored and
  // the glyphs' coverage becomes the pixels' alpha. "&" is an ordinary
  // character. Nothing is drawn outside `rect`.
  virtual void Draw(Surface& surface, const Rect& rect, const std::wstring& text, Color color,
                    const FontSpec& font, unsigned style) = 0;
  // The rectangle the text occupies when laid out in `rect`: single-line
  // text grows in width as needed, multi-line text has the height of its
  // wrapped lines.
  virtual Rect Measure(const Rect& rect, const std::wstring& text, const FontSpec& font,
                       unsigned style) = 0;
};

// The platform's engine.
std::unique_ptr<ITextEngineUI> CreateTextEngine();

// Spreads the colour over coverage values (0..255, one per pixel of `area`,
// rows from the top) onto the surface, inside `clip`.
void BlendCoverage(Surface& surface, const Rect& area, const uint8_t* coverage, Color color,
                   const Rect& clip);

}  // namespace SkinUI
