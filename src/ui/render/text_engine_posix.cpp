// FreeType renders the glyphs (grey-scale coverage), fontconfig finds the
// face. Layout follows the text styles of the controls: one line, hard line
// breaks, or word wrapping (at blanks, and between CJK characters, which
// need no blanks), aligned per line, with an end ellipsis when asked.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "ui/render/text_engine.h"
#include "utils/text_convert.h"

namespace SkinUI {
namespace {

// The interface face of the skins, and the installed face that stands in.
constexpr wchar_t kSkinFace[] = L"微软雅黑";
constexpr char kCjkStandIn[] = "WenQuanYi Micro Hei";

bool IsCjk(wchar_t c) { return c >= 0x2E80; }

struct Line {
  std::wstring text;
  int width = 0;
};

class FreeTypeEngine : public ITextEngineUI {
 public:
  FreeTypeEngine() {
    ready_ = FT_Init_FreeType(&library_) == 0;
  }
  ~FreeTypeEngine() override {
    for (auto& [key, face] : faces_) FT_Done_Face(face);
    if (ready_) FT_Done_FreeType(library_);
  }

  void Draw(Surface& surface, const Rect& rect, const std::wstring& text, Color color,
            const FontSpec& font, unsigned style) override {
    FT_Face face = FaceFor(font);
    if (!face || rect.IsEmpty() || text.empty()) return;
    const std::vector<Line> lines = Layout(face, font, rect, text, style);
    const int lineHeight = LineHeight(face), ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    std::vector<uint8_t> coverage(static_cast<size_t>(rect.Width()) * rect.Height(), 0);
    int top = 0;
    if ((style & kTextSingleLine) && (style & kTextVCenter)) top = (rect.Height() - lineHeight) / 2;
    if ((style & kTextSingleLine) && (style & kTextBottom)) top = rect.Height() - lineHeight;
    for (const Line& line : lines) {
      int x = 0;
      if (style & kTextCenter) x = (rect.Width() - line.width) / 2;
      if (style & kTextRight) x = rect.Width() - line.width;
      const int baseline = top + ascender;
      for (wchar_t c : line.text) x += RenderGlyph(face, font, c, x, baseline, rect, coverage);
      if (font.underline) {
        const int y = baseline + std::max(1, lineHeight / 12);
        const int from = std::max(0, x - line.width), to = std::min(rect.Width(), x);
        if (y >= 0 && y < rect.Height())
          for (int px = from; px < to; ++px) coverage[static_cast<size_t>(y) * rect.Width() + px] = 255;
      }
      top += lineHeight;
    }
    BlendCoverage(surface, rect, coverage.data(), color, rect);
  }

  Rect Measure(const Rect& rect, const std::wstring& text, const FontSpec& font,
               unsigned style) override {
    FT_Face face = FaceFor(font);
    if (!face) return {rect.left, rect.top, rect.left, rect.top};
    const std::vector<Line> lines = Layout(face, font, rect, text, style);
    int width = 0;
    for (const Line& line : lines) width = std::max(width, line.width);
    const int height = static_cast<int>(lines.size()) * LineHeight(face);
    if (style & kTextSingleLine) return {rect.left, rect.top, rect.left + width, rect.top + height};
    return {rect.left, rect.top, std::max(rect.right, rect.left + width), rect.top + height};
  }

 private:
  static int LineHeight(FT_Face face) { return static_cast<int>(face->size->metrics.height >> 6); }

  int Advance(FT_Face face, const FontSpec& font, wchar_t c) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT) != 0) return 0;
    int advance = static_cast<int>(face->glyph->advance.x >> 6);
    if (font.bold && !(face->style_flags & FT_STYLE_FLAG_BOLD)) advance += std::max(1, font.height / 24);
    return advance;
  }

  int Width(FT_Face face, const FontSpec& font, const std::wstring& text) {
    int width = 0;
    for (wchar_t c : text) width += Advance(face, font, c);
    return width;
  }

  // Cuts the line until it and "..." fit the width.
  void Ellipsize(FT_Face face, const FontSpec& font, Line& line, int width) {
    if (line.width <= width) return;
    while (!line.text.empty() && Width(face, font, line.text + L"...") > width) line.text.pop_back();
    line.text += L"...";
    line.width = Width(face, font, line.text);
  }

  std::vector<Line> Layout(FT_Face face, const FontSpec& font, const Rect& rect,
                           const std::wstring& text, unsigned style) {
    std::vector<Line> lines;
    const int available = rect.Width();
    std::vector<std::wstring> paragraphs;
    if (style & kTextSingleLine) {
      paragraphs.push_back(text);
      for (wchar_t& c : paragraphs.back())
        if (c == L'\r' || c == L'\n') c = L' ';
    } else {
      size_t start = 0;
      for (size_t at; (at = text.find(L'\n', start)) != std::wstring::npos; start = at + 1)
        paragraphs.push_back(text.substr(start, at - start));
      paragraphs.push_back(text.substr(start));
      for (auto& p : paragraphs)
        if (!p.empty() && p.back() == L'\r') p.pop_back();
    }
    for (const std::wstring& paragraph : paragraphs) {
      if (!(style & kTextWordBreak) || (style & kTextSingleLine)) {
        lines.push_back({paragraph, Width(face, font, paragraph)});
        continue;
      }
      // Greedy wrapping: break after a blank or between CJK characters.
      Line current;
      size_t lastBreak = std::wstring::npos;
      for (size_t i = 0; i < paragraph.size(); ++i) {
        const wchar_t c = paragraph[i];
        const int advance = Advance(face, font, c);
        if (current.width + advance > available && !current.text.empty() && c != L' ') {
          if (lastBreak != std::wstring::npos && !IsCjk(c)) {
            // Back to the last break; what follows it starts the next line.
            std::wstring rest = current.text.substr(lastBreak);
            current.text.erase(lastBreak);
            while (!current.text.empty() && current.text.back() == L' ') current.text.pop_back();
            current.width = Width(face, font, current.text);
            lines.push_back(current);
            current = {rest, Width(face, font, rest)};
          } else {
            lines.push_back(current);
            current = {};
          }
          lastBreak = std::wstring::npos;
        }
        current.text += c;
        current.width += advance;
        if (c == L' ' || IsCjk(c)) lastBreak = current.text.size();
      }
      lines.push_back(current);
    }
    if (style & kTextEndEllipsis)
      for (Line& line : lines) Ellipsize(face, font, line, available);
    return lines;
  }

  // Renders one glyph into the coverage buffer; returns its advance.
  int RenderGlyph(FT_Face face, const FontSpec& font, wchar_t c, int x, int baseline,
                  const Rect& rect, std::vector<uint8_t>& coverage) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT) != 0) return 0;
    FT_GlyphSlot slot = face->glyph;
    if (font.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC)) FT_GlyphSlot_Oblique(slot);
    if (font.bold && !(face->style_flags & FT_STYLE_FLAG_BOLD)) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return Advance(face, font, c);
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = x + slot->bitmap_left, top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const int y = top + static_cast<int>(row);
      if (y < 0 || y >= rect.Height()) continue;
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int px = left + static_cast<int>(column);
        if (px < 0 || px >= rect.Width()) continue;
        uint8_t& cell = coverage[static_cast<size_t>(y) * rect.Width() + px];
        cell = std::max(cell, bitmap.buffer[row * bitmap.pitch + column]);
      }
    }
    int advance = static_cast<int>(slot->advance.x >> 6);
    return advance;
  }

  FT_Face FaceFor(const FontSpec& font) {
    if (!ready_) return nullptr;
    const auto key = std::make_tuple(font.face, font.height, font.bold, font.italic);
    if (const auto found = faces_.find(key); found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    std::string file;
    int index = 0;
    if (FindFontFile(font, file, index) &&
        FT_New_Face(library_, file.c_str(), index, &face) == 0 &&
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(1, font.height))) != 0) {
      FT_Done_Face(face);
      face = nullptr;
    }
    faces_[key] = face;
    return face;
  }

  static bool FindFontFile(const FontSpec& font, std::string& file, int& index) {
    static std::once_flag once;
    std::call_once(once, [] {
      // fontconfig keeps its configuration until FcFini; release it at exit.
      if (FcInit()) std::atexit(FcFini);
    });
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    const std::string family = Utils::WideToNarrow(font.face, Utils::kUtf8CodePage);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (font.face == kSkinFace)
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kCjkStandIn));
    // The skins' texts are Chinese: prefer faces that cover it.
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* path = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path;
    if (found) {
      file = reinterpret_cast<const char*>(path);
      if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    }
    FcPatternDestroy(match);
    return found;
  }

  bool ready_ = false;
  FT_Library library_ = nullptr;
  std::map<std::tuple<std::wstring, int, bool, bool>, FT_Face> faces_;
};

}  // namespace

std::unique_ptr<ITextEngineUI> CreateTextEngine() { return std::make_unique<FreeTypeEngine>(); }

}  // namespace SkinUI
