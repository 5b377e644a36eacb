#include "ui/render/text_engine.h"

#include <gtest/gtest.h>

namespace {

using namespace SkinUI;

// The box around every pixel the text touched.
Rect InkBox(const Surface& surface) {
  Rect box{surface.Width(), surface.Height(), 0, 0};
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x)
      if (AlphaOf(surface.At(x, y)) != 0) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box;
}

FontSpec UiFont(int height) {
  FontSpec font;
  font.height = height;
  return font;
}

TEST(TextEngine, MeasuresASingleLineInItsBox) {
  auto engine = CreateTextEngine();
  const Rect box = engine->Measure({10, 20, 400, 60}, L"Pellux视频工具箱", UiFont(16), kTextSingleLine);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 20);
  EXPECT_GT(box.Width(), 6 * 8);    // five CJK glyphs and six letters
  EXPECT_LT(box.Width(), 11 * 16);
  EXPECT_GE(box.Height(), 16);
  EXPECT_LE(box.Height(), 26);
  // "&" is drawn, never taken for a mnemonic.
  EXPECT_GT(engine->Measure({0, 0, 400, 40}, L"a&b", UiFont(16), kTextSingleLine).Width(),
            engine->Measure({0, 0, 400, 40}, L"ab", UiFont(16), kTextSingleLine).Width());
}

TEST(TextEngine, WordBreakWrapsIntoTheWidth) {
  auto engine = CreateTextEngine();
  const std::wstring text = L"install the latest version of the product now";
  const Rect single = engine->Measure({0, 0, 1000, 100}, text, UiFont(14), kTextSingleLine);
  const Rect wrapped = engine->Measure({0, 0, 120, 100}, text, UiFont(14), kTextWordBreak);
  EXPECT_GE(wrapped.Height(), 3 * single.Height());
  EXPECT_LE(wrapped.right, 120);
  const Rect chinese = engine->Measure({0, 0, 60, 100}, L"正在下载安装包请稍候", UiFont(14), kTextWordBreak);
  EXPECT_GE(chinese.Height(), 2 * single.Height());  // CJK breaks without blanks
}

TEST(TextEngine, DrawsCentredGlyphsWithCoverageAsAlpha) {
  auto engine = CreateTextEngine();
  Surface surface(240, 60);
  const Rect rect{20, 10, 220, 50};
  const Color color = 0x001675FE;  // alpha byte ignored
  engine->Draw(surface, rect, L"Pellux视频工具箱", color, UiFont(18),
               kTextCenter | kTextVCenter | kTextSingleLine);
  const Rect ink = InkBox(surface);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, rect.left);
  EXPECT_LE(ink.right, rect.right);
  EXPECT_GE(ink.top, rect.top);
  EXPECT_LE(ink.bottom, rect.bottom);
  EXPECT_LE(std::abs((ink.left - rect.left) - (rect.right - ink.right)), 4);
  EXPECT_LE(std::abs((ink.top - rect.top) - (rect.bottom - ink.bottom)), 6);
  int full = 0;
  for (uint32_t p : surface.Pixels()) {
    const uint32_t a = p >> 24;
    ASSERT_LE((p >> 16) & 0xFF, a);  // premultiplied
    ASSERT_LE(p & 0xFF, a);
    if (a == 255) {
      ++full;
      EXPECT_EQ(p, 0xFF1675FEu);
    }
  }
  EXPECT_GT(full, 20);  // solid stems, not only fringes
}

}  // namespace
