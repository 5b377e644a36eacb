// GDI draws the text white on black into a private bitmap with grey-scale
// anti-aliasing; the grey level is the coverage the colour is blended with,
// so the glyphs get a proper alpha on the premultiplied surface.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/render/text_engine.h"

namespace SkinUI {
namespace {

UINT FormatOf(unsigned style) {
  UINT format = DT_NOPREFIX;
  if (style & kTextCenter) format |= DT_CENTER;
  if (style & kTextRight) format |= DT_RIGHT;
  if (style & kTextVCenter) format |= DT_VCENTER;
  if (style & kTextBottom) format |= DT_BOTTOM;
  if (style & kTextWordBreak) format |= DT_WORDBREAK;
  if (style & kTextSingleLine) format |= DT_SINGLELINE;
  if (style & kTextEndEllipsis) format |= DT_END_ELLIPSIS;
  return format;
}

class GdiFont {
 public:
  explicit GdiFont(const FontSpec& font)
      : font_(CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                          font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, font.face.c_str())) {}
  ~GdiFont() {
    if (font_) DeleteObject(font_);
  }
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;
  HFONT Handle() const { return font_; }

 private:
  HFONT font_;
};

class GdiTextEngine : public ITextEngineUI {
 public:
  GdiTextEngine() : dc_(CreateCompatibleDC(nullptr)) {}
  ~GdiTextEngine() override {
    if (dc_) DeleteDC(dc_);
  }

  void Draw(Surface& surface, const Rect& rect, const std::wstring& text, Color color,
            const FontSpec& font, unsigned style) override {
    if (rect.IsEmpty() || text.empty() || !dc_) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rect.Width();
    info.bmiHeader.biHeight = -rect.Height();  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    GdiFont gdiFont(font);
    HGDIOBJ oldBitmap = SelectObject(dc_, bitmap);
    HGDIOBJ oldFont = SelectObject(dc_, gdiFont.Handle());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(255, 255, 255));
    RECT box{0, 0, rect.Width(), rect.Height()};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box, FormatOf(style));
    GdiFlush();
    const size_t count = static_cast<size_t>(rect.Width()) * rect.Height();
    std::vector<uint8_t> coverage(count);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < count; ++i) {
      const uint32_t p = pixels[i];
      coverage[i] = static_cast<uint8_t>(std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}));
    }
    SelectObject(dc_, oldFont);
    SelectObject(dc_, oldBitmap);
    DeleteObject(bitmap);
    BlendCoverage(surface, rect, coverage.data(), color, rect);
  }

  Rect Measure(const Rect& rect, const std::wstring& text, const FontSpec& font,
               unsigned style) override {
    if (!dc_) return {rect.left, rect.top, rect.left, rect.top};
    GdiFont gdiFont(font);
    HGDIOBJ oldFont = SelectObject(dc_, gdiFont.Handle());
    RECT box{rect.left, rect.top, rect.right, rect.bottom};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box, FormatOf(style) | DT_CALCRECT);
    SelectObject(dc_, oldFont);
    return {box.left, box.top, box.right, box.bottom};
  }

 private:
  HDC dc_;
};

}  // namespace

std::unique_ptr<ITextEngineUI> CreateTextEngine() { return std::make_unique<GdiTextEngine>(); }

}  // namespace SkinUI
