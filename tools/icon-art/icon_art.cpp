// Draws the installer's icon, a blue rounded square with a white play mark
// and a film-strip band, and writes it as a Windows .ico with 16, 24, 32, 48
// and 256 pixel images (32-bit with alpha; the 256 one PNG-compressed, as
// Windows expects for that size). Anti-aliased by 4x4 supersampling.
//
//   icon-art OUTPUT.ico
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <zlib.h>

namespace {

struct Rgba {
  double r, g, b, a;
};

// Coverage of the icon's shapes at a point in unit coordinates (0..1).
Rgba Shade(double x, double y) {
  const double radius = 0.22, inset = 0.04;
  // Rounded square.
  const double cx = std::clamp(x, inset + radius, 1 - inset - radius);
  const double cy = std::clamp(y, inset + radius, 1 - inset - radius);
  const bool inSquare = x >= inset && x <= 1 - inset && y >= inset && y <= 1 - inset &&
                        std::hypot(x - cx, y - cy) <= radius;
  if (!inSquare) return {0, 0, 0, 0};
  // Accent blue #1675FE, a touch lighter towards the top.
  const double t = (y - inset) / (1 - 2 * inset);
  Rgba blue{(0x16 + (1 - t) * 40) / 255.0, (0x75 + (1 - t) * 30) / 255.0, 0xFE / 255.0, 1};
  // Play triangle, pointing right.
  const double ax = 0.38, ay = 0.28, bx = 0.38, by = 0.72, px = 0.74, py = 0.50;
  const auto side = [](double x1, double y1, double x2, double y2, double x3, double y3) {
    return (x1 - x3) * (y2 - y3) - (x2 - x3) * (y1 - y3);
  };
  const double d1 = side(x, y, ax, ay, bx, by), d2 = side(x, y, bx, by, px, py),
               d3 = side(x, y, px, py, ax, ay);
  const bool inTriangle = !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
  if (inTriangle) return {1, 1, 1, 1};
  // Film perforations along the top and bottom edges.
  for (double hx = 0.20; hx < 0.85; hx += 0.15)
    for (double hy : {0.12, 0.84})
      if (x >= hx && x <= hx + 0.07 && y >= hy && y <= hy + 0.05) return {1, 1, 1, 0.85};
  return blue;
}

std::vector<uint8_t> Render(int size) {
  std::vector<uint8_t> bgra(static_cast<size_t>(size) * size * 4);
  constexpr int kSamples = 4;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const Rgba c = Shade((x + (sx + 0.5) / kSamples) / size, (y + (sy + 0.5) / kSamples) / size);
          r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
        }
      const double n = kSamples * kSamples;
      uint8_t* p = &bgra[(static_cast<size_t>(size - 1 - y) * size + x) * 4];  // bottom-up rows
      const double alpha = a / n;
      p[0] = static_cast<uint8_t>(std::lround(alpha > 0 ? b / a * 255 : 0));
      p[1] = static_cast<uint8_t>(std::lround(alpha > 0 ? g / a * 255 : 0));
      p[2] = static_cast<uint8_t>(std::lround(alpha > 0 ? r / a * 255 : 0));
      p[3] = static_cast<uint8_t>(std::lround(alpha * 255));
    }
  return bgra;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One icon image: BITMAPINFOHEADER (double height), BGRA rows, AND mask.
std::vector<uint8_t> IconImage(int size) {
  std::vector<uint8_t> image;
  Put32(image, 40);
  Put32(image, size);
  Put32(image, size * 2);
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  const std::vector<uint8_t> pixels = Render(size);
  image.insert(image.end(), pixels.begin(), pixels.end());
  const size_t maskRow = ((size + 31) / 32) * 4;
  for (int y = 0; y < size; ++y) {
    std::vector<uint8_t> row(maskRow, 0);
    for (int x = 0; x < size; ++x)
      if (pixels[(static_cast<size_t>(y) * size + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
    image.insert(image.end(), row.begin(), row.end());
  }
  return image;
}

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void PngChunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
  PutBig32(png, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  PutBig32(png, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

std::vector<uint8_t> PngImage(int size) {
  const std::vector<uint8_t> bgra = Render(size);
  std::vector<uint8_t> raw;  // top-down RGBA rows, each behind filter byte 0
  for (int y = size - 1; y >= 0; --y) {
    raw.push_back(0);
    for (int x = 0; x < size; ++x) {
      const uint8_t* p = &bgra[(static_cast<size_t>(y) * size + x) * 4];
      raw.insert(raw.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(packedSize);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBig32(header, size);
  PutBig32(header, size);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", packed);
  PngChunk(png, "IEND", {});
  return png;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icon-art OUTPUT.ico\n");
    return 2;
  }
  const int sizes[] = {16, 24, 32, 48, 256};
  std::vector<std::vector<uint8_t>> images;
  for (int size : sizes) images.push_back(size >= 256 ? PngImage(size) : IconImage(size));
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(sizes[i] >= 256 ? 0 : static_cast<uint8_t>(sizes[i]));
    file.push_back(sizes[i] >= 256 ? 0 : static_cast<uint8_t>(sizes[i]));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  FILE* out = std::fopen(argv[1], "wb");
  if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
