#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/render/image_description.h"
#include "ui/render/shapes.h"
#include "ui/render/skin_image.h"
#include "ui/render/surface.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

using namespace SkinUI;

// An opaque test image whose every pixel tells where it came from.
TImage CodedImage(int width, int height) {
  TImage image;
  image.pixels = Surface(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.pixels.At(x, y) = 0xFF000000u | (uint32_t(x) << 8) | uint32_t(y);
  return image;
}
int SourceX(uint32_t pixel) { return (pixel >> 8) & 0xFF; }
int SourceY(uint32_t pixel) { return pixel & 0xFF; }

std::string PngOf(int width, int height, const std::vector<uint8_t>& rgba) {
  std::string png;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
      },
      &png, width, height, 4, rgba.data(), width * 4);
  return png;
}

TEST(ImageDescription, PairsAndTheirEndings) {
  struct Case {
    const wchar_t* text;
    std::wstring name;
    Rect dest;
    Corners corners;
  };
  const Case cases[] = {
      {L"res\\mainWnd\\bg1.png", L"res\\mainWnd\\bg1.png", {}, {}},
      {L"file='res\\mainWnd\\Cb1.png' dest='0,2,15,16' ", L"res\\mainWnd\\Cb1.png", {0, 2, 15, 16}, {}},
      {L"file='res\\mainWnd\\installPrg2.png'  corner='2,2,2,2'", L"res\\mainWnd\\installPrg2.png", {}, {2, 2, 2, 2}},
      {L"file='a.png'dest='1,1,1,1'", L"a.png", {}, {}},       // no blank after the quote
      {L"file='a.png'\tdest='1,1,1,1'", L"a.png", {}, {}},     // a tab is no blank here
      {L"file = 'a.png' scale9='1,2,3,4'", L"a.png", {}, {1, 2, 3, 4}},
      {L"file='' dest='1,2,3,4'", L"file='' dest='1,2,3,4'", {1, 2, 3, 4}, {}},  // empty values skipped
      {L"file='a.png' dest='5,6", L"a.png", {}, {}},          // unterminated value ends the parse
  };
  for (const auto& c : cases) {
    const ImageDescription d = ParseImageDescription(c.text);
    EXPECT_EQ(d.name, c.name) << c.text;
    EXPECT_EQ(d.dest, c.dest) << c.text;
    EXPECT_EQ(d.corners.left, c.corners.left) << c.text;
    EXPECT_EQ(d.corners.bottom, c.corners.bottom) << c.text;
  }
  const ImageDescription all = ParseImageDescription(
      L"color='#80FF0000' mask='#FF00FF' fade='300' hole='true' xtiled='TRUE' ytiled='true' source='1,2,3,4' other='x'");
  EXPECT_EQ(all.name, L"#80FF0000");
  EXPECT_EQ(all.resourceType, L"*COLOR*");
  EXPECT_EQ(all.mask, 0x00FF00FFu);
  EXPECT_EQ(all.fade, 300 % 256);  // kept in 8 bits
  EXPECT_TRUE(all.hole);
  EXPECT_FALSE(all.xtiled);  // only the exact text "true"
  EXPECT_TRUE(all.ytiled);
  EXPECT_EQ(all.source, (Rect{1, 2, 3, 4}));
}

TEST(SkinImage, CheckImageAtItsOffsetIsDrawnOneToOne) {
  const TImage check = CodedImage(15, 14);
  const ImageDescription d = ParseImageDescription(L"file='res\\mainWnd\\Cb1.png' dest='0,2,15,16' ");
  Surface surface(40, 30, 0xFFFFFFFF);
  const Rect item{10, 5, 30, 25};
  ImageDrawing drawing;
  drawing.destination = ResolveDestination(item, d.dest);
  drawing.paint = surface.Bounds();
  drawing.source = check.pixels.Bounds();
  DrawImage(surface, check, drawing);
  EXPECT_EQ(drawing.destination, (Rect{10, 7, 25, 21}));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 10 && x < 25 && y >= 7 && y < 21;
      const uint32_t expected = inside ? check.pixels.At(x - 10, y - 7) : 0xFFFFFFFF;
      ASSERT_EQ(surface.At(x, y), expected) << x << "," << y;
    }
}

TEST(SkinImage, ProgressFillKeepsItsRoundEnds) {
  const TImage fill = CodedImage(10, 8);
  Surface surface(260, 8);
  ImageDrawing drawing;
  drawing.destination = surface.Bounds();
  drawing.paint = surface.Bounds();
  drawing.source = fill.pixels.Bounds();
  drawing.corners = {2, 2, 2, 2};
  DrawImage(surface, fill, drawing);
  for (int y = 0; y < 8; ++y) {
    for (int x : {0, 1}) EXPECT_EQ(SourceX(surface.At(x, y)), x);
    for (int x : {258, 259}) EXPECT_EQ(SourceX(surface.At(x, y)), x - 250);
    // The middle is the source's middle (2..7) stretched by replication, in order.
    int previous = 2;
    for (int x = 2; x < 258; ++x) {
      const int from = SourceX(surface.At(x, y));
      ASSERT_GE(from, previous);
      ASSERT_LE(from, 7);
      previous = from;
    }
    EXPECT_EQ(SourceX(surface.At(2, y)), 2);
    EXPECT_EQ(SourceX(surface.At(257, y)), 7);
    EXPECT_EQ(SourceY(surface.At(100, y)), y);  // rows unchanged: same height
  }
}

TEST(SkinImage, TilingHoleFadeAndPaintRectangle) {
  const TImage tile = CodedImage(4, 4);
  Surface surface(11, 4);
  ImageDrawing drawing;
  drawing.destination = surface.Bounds();
  drawing.paint = surface.Bounds();
  drawing.source = tile.pixels.Bounds();
  drawing.corners = {1, 0, 1, 0};
  drawing.xtiled = true;
  DrawImage(surface, tile, drawing);
  // Centre 1..9 tiled from source columns 1, 2: 1,2,1,2,...
  for (int x = 1; x < 10; ++x) EXPECT_EQ(SourceX(surface.At(x, 0)), 1 + (x - 1) % 2) << x;
  EXPECT_EQ(SourceX(surface.At(10, 0)), 3);

  Surface holed(11, 4, 0xFF123456);
  drawing.hole = true;
  DrawImage(holed, tile, drawing);
  EXPECT_EQ(holed.At(5, 2), 0xFF123456u);
  EXPECT_EQ(SourceX(holed.At(0, 2)), 0);

  Surface faded(4, 4, 0xFF000000);
  TImage white;
  white.pixels = Surface(4, 4, 0xFFFFFFFF);
  ImageDrawing half;
  half.destination = half.source = faded.Bounds();
  half.paint = {0, 0, 2, 4};  // only the left half may change
  half.fade = 128;
  DrawImage(faded, white, half);
  EXPECT_EQ(faded.At(0, 0), 0xFF808080u);
  EXPECT_EQ(faded.At(3, 0), 0xFF000000u);
}

TEST(SkinImage, DecodingPremultipliesAndMasks) {
  // Opaque red, half-transparent red, opaque blue.
  const std::string png = PngOf(3, 1, {255, 0, 0, 255, 255, 0, 0, 128, 0, 0, 255, 255});
  const auto plain = DecodeImage(png.data(), png.size(), 0x00FF0000);  // a mask without alpha byte
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->Width(), 3);
  EXPECT_EQ(plain->pixels.At(0, 0), 0xFFFF0000u);  // never matched
  EXPECT_EQ(plain->pixels.At(1, 0), 0x80800000u);  // 255 * 128 / 255
  EXPECT_EQ(plain->pixels.At(2, 0), 0xFF0000FFu);
  EXPECT_TRUE(plain->alpha);

  const std::string opaque = PngOf(2, 1, {255, 0, 0, 255, 0, 0, 255, 255});
  const auto masked = DecodeImage(opaque.data(), opaque.size(), 0xFFFF0000);
  ASSERT_TRUE(masked);
  EXPECT_EQ(masked->pixels.At(0, 0), 0u);
  EXPECT_TRUE(masked->alpha);
  const auto unmasked = DecodeImage(opaque.data(), opaque.size(), 0);
  ASSERT_TRUE(unmasked);
  EXPECT_FALSE(unmasked->alpha);

  EXPECT_FALSE(DecodeImage(png.data(), png.size() / 2, 0));  // truncated
  EXPECT_FALSE(DecodeImage("not an image", 12, 0));
  EXPECT_FALSE(DecodeImage(nullptr, 0, 0));
}

TEST(SkinImage, ColorSwatches) {
  EXPECT_EQ(ColorSwatch(L"#FF1675FE")->pixels.At(0, 0), 0xFF1675FEu);
  EXPECT_EQ(ColorSwatch(L"80FF0000")->pixels.At(0, 0), 0x80800000u);
  EXPECT_FALSE(ColorSwatch(L"#GG000000"));
  EXPECT_FALSE(ColorSwatch(L""));
}

TEST(Shapes, FillsAndGradient) {
  Surface surface(4, 4, 0xFF0000FF);
  FillColor(surface, {0, 0, 4, 4}, 0x00000000);  // transparent: nothing
  EXPECT_EQ(surface.At(1, 1), 0xFF0000FFu);
  FillColor(surface, {0, 0, 2, 2}, 0xFFFF0000);
  EXPECT_EQ(surface.At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(surface.At(2, 2), 0xFF0000FFu);
  FillColor(surface, {2, 2, 9, 9}, 0x80FFFFFF);  // blended, clipped to the surface
  EXPECT_EQ(surface.At(3, 3), 0xFF8080FFu);

  Surface gradient(1, 5);
  FillVerticalGradient(gradient, gradient.Bounds(), 0xFF000000, 0xFF0000FF);
  EXPECT_EQ(gradient.At(0, 0), 0xFF000000u);
  EXPECT_EQ(gradient.At(0, 2), 0xFF00007Fu);
  EXPECT_EQ(gradient.At(0, 4), 0xFF0000FFu);
}

TEST(Shapes, OutlinesStayInsideAndIgnoreAlpha) {
  Surface surface(6, 5);
  DrawRectangleOutline(surface, {0, 0, 6, 5}, 1, 0x00112233);
  EXPECT_EQ(surface.At(0, 0), 0xFF112233u);
  EXPECT_EQ(surface.At(5, 4), 0xFF112233u);
  EXPECT_EQ(surface.At(2, 2), 0u);

  Surface round(20, 10);
  DrawRoundRectangleOutline(round, round.Bounds(), 8, 8, 1, 0xFF00FF00);
  EXPECT_EQ(round.At(0, 0), 0u);           // the corner is cut
  EXPECT_EQ(round.At(10, 0), 0xFF00FF00u);  // straight top edge
  EXPECT_EQ(round.At(0, 5), 0xFF00FF00u);
  EXPECT_EQ(round.At(10, 5), 0u);           // not filled

  Surface line(5, 5);
  DrawLine(line, {0, 0, 4, 4}, 1, 0xFFABCDEF);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(line.At(i, i), 0xFFABCDEFu);
  EXPECT_EQ(line.At(4, 0), 0u);
}

// The top row of a 1-pixel outline as text: '#' drawn, '.' not.
std::string TopRow(const Surface& surface) {
  std::string row;
  for (int x = 0; x < surface.Width(); ++x) row += surface.At(x, 0) ? '#' : '.';
  return row;
}

TEST(Shapes, PenStylesDashOnePixelPensOnly) {
  struct Case {
    int style, width;
    const char* topRow;
  } cases[] = {
      {kPenSolid, 1, "##############################"},
      {kPenDash, 1, "##################......######"},
      {kPenDot, 1, "###...###...###...###...###..."},
      {kPenDashDot, 1, "#########......###......######"},
      {kPenDashDotDot, 1, "#########...###...###...######"},
      {kPenInsideFrame, 1, "##############################"},
      {kPenDash, 2, "##############################"},  // wide pens are solid
      {kPenNull, 1, ".............................."},
      {kPenNull, 3, ".............................."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " width " << c.width);
    Surface rectangle(30, 6);
    DrawRectangleOutline(rectangle, rectangle.Bounds(), c.width, 0xFF102030, c.style);
    EXPECT_EQ(TopRow(rectangle), c.topRow);
    Surface line(30, 1);
    DrawLine(line, {0, 0, 29, 0}, c.width, 0xFF102030, c.style);
    EXPECT_EQ(TopRow(line), c.topRow);
  }

  // The dash goes on round the corner: the right column continues the top
  // row's pattern (30 dots on top leave the dot run at 0 of 3).
  Surface dotted(30, 6);
  DrawRectangleOutline(dotted, dotted.Bounds(), 1, 0xFF102030, kPenDot);
  EXPECT_NE(dotted.At(29, 1), 0u);
  EXPECT_NE(dotted.At(29, 3), 0u);
  EXPECT_EQ(dotted.At(29, 4), 0u);

  // A dotted rounded outline keeps to the solid one's pixels and draws about
  // half of them.
  Surface solid(40, 20), dots(40, 20);
  DrawRoundRectangleOutline(solid, solid.Bounds(), 10, 10, 1, 0xFF102030);
  DrawRoundRectangleOutline(dots, dots.Bounds(), 10, 10, 1, 0xFF102030, kPenDot);
  int solidCount = 0, dotCount = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      if (dots.At(x, y)) EXPECT_NE(solid.At(x, y), 0u) << x << "," << y;
      solidCount += solid.At(x, y) != 0, dotCount += dots.At(x, y) != 0;
    }
  EXPECT_GT(dotCount, solidCount * 4 / 10);
  EXPECT_LT(dotCount, solidCount * 6 / 10);
  Surface none(40, 20);
  DrawRoundRectangleOutline(none, none.Bounds(), 10, 10, 2, 0xFF102030, kPenNull);
  EXPECT_EQ(TopRow(none), std::string(40, '.'));
}

}  // namespace

#include "ui/render/language_table.h"

namespace {

TEST(LanguageTable, TokensOfKnownIdsAreReplaced) {
  SkinUI::ClearLanguageTexts();
  SkinUI::AddLanguageText(7, L"安装");
  SkinUI::AddLanguageText(12, L"100%{7}");  // the scan goes on into a replacement
  SkinUI::AddLanguageText(13, L"%{13}");    // a text that is its own token stays
  struct Case {
    const wchar_t* text;
    const wchar_t* drawn;
  };
  const Case cases[] = {
      {L"%{7}", L"安装"},
      {L"%{8}", L"%{8}"},  // not registered
      {L"%{7} and %{7}", L"安装 and 安装"},
      {L"a %{12} b", L"a 100安装 b"},
      {L"%{13}", L"%{13}"},
      {L"50% %{7}", L"50% 安装"},
      {L"%{} %{x} %{7", L"%{} %{x} %{7"},
      {L"%%{7}", L"%安装"},
  };
  for (const auto& c : cases) EXPECT_EQ(SkinUI::ReplaceLanguageTokens(c.text), c.drawn) << c.text;
  SkinUI::ClearLanguageTexts();
}

}  // namespace

#include <filesystem>

#include "support/test_files.h"
#include "ui/render/image_loader.h"
#include "ui/skin_state.h"

namespace {

TEST(ImageLoader, SwatchesSkinFilesAndFailures) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "res");
  WriteBytes((folder.Path() / "res" / "dot.png").wstring(), PngOf(1, 1, {0, 0, 255, 255}));
  WriteBytes((folder.Path() / "res" / "empty.png").wstring(), "");
  SkinUI::SetSkinFolderPath(folder.Path().wstring());

  const auto file = SkinUI::LoadImage(L"res\\dot.png", L"", 0);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->pixels.At(0, 0), 0xFF0000FFu);
  EXPECT_TRUE(file->resourceType.empty());

  const auto swatch = SkinUI::LoadImage(L"#FF102030", SkinUI::kColorResourceType, 0);
  ASSERT_TRUE(swatch);
  EXPECT_EQ(swatch->pixels.At(0, 0), 0xFF102030u);

  EXPECT_FALSE(SkinUI::LoadImage(L"res\\missing.png", L"", 0));
  EXPECT_FALSE(SkinUI::LoadImage(L"res\\empty.png", L"", 0));
  EXPECT_FALSE(SkinUI::LoadImage(L"NOSUCHIMAGE", L"PNG", 0));  // no such resource
  SkinUI::SetSkinFolderPath(L"");
}

}  // namespace

#include "ui/render/image_table.h"

namespace {

TEST(ImageDescriptionState, LoadsOncePerHostAndDrawsOnEveryPaint) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "res");
  const std::wstring file = (folder.Path() / "res" / "check.png").wstring();
  std::vector<uint8_t> rgba;
  for (int i = 0; i < 15 * 14; ++i) rgba.insert(rgba.end(), {0x16, 0x75, 0xFE, 255});
  WriteBytes(file, PngOf(15, 14, rgba));
  SkinUI::SetSkinFolderPath(folder.Path().wstring());

  SkinUI::ImageTable host;
  SkinUI::ImageDescriptionState state;
  state.SetText(L"file='res\\check.png' dest='0,2,15,16' ");
  EXPECT_FALSE(state.Draw(nullptr, nullptr, false, {0, 0, 20, 20}, {0, 0, 20, 20}));  // no host: nothing
  EXPECT_EQ(state.Image(), nullptr);
  EXPECT_FALSE(state.Draw(nullptr, &host, false, {0, 0, 20, 20}, {0, 0, 20, 20}));  // loads only
  ASSERT_NE(state.Image(), nullptr);
  EXPECT_EQ(host.Find(L"res\\check.png"), state.Image());

  std::filesystem::remove(file);  // decoded once: the table keeps serving it
  Surface surface(20, 20);
  EXPECT_TRUE(state.Draw(&surface, &host, false, {2, 0, 20, 20}, surface.Bounds()));
  EXPECT_EQ(surface.At(2, 2), 0xFF1675FEu);
  EXPECT_EQ(surface.At(16, 15), 0xFF1675FEu);
  EXPECT_EQ(surface.At(2, 1), 0u);
  EXPECT_EQ(surface.At(17, 2), 0u);
  // Outside the paint rectangle nothing is drawn.
  EXPECT_FALSE(state.Draw(&surface, &host, false, {2, 0, 20, 20}, {0, 17, 20, 20}));

  SkinUI::ImageDescriptionState other;
  other.SetText(L"res\\check.png");  // the same name comes from the host's table
  EXPECT_TRUE(other.Draw(&surface, &host, false, {0, 0, 15, 14}, surface.Bounds()));
  EXPECT_EQ(other.Image(), state.Image());

  SkinUI::ImageDescriptionState missing;
  missing.SetText(L"file='res\\none.png'");
  EXPECT_FALSE(missing.Draw(&surface, &host, false, {0, 0, 20, 20}, surface.Bounds()));
  SkinUI::SetSkinFolderPath(L"");
}

}  // namespace
