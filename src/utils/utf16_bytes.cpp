#include "utils/utf16_bytes.h"

#include <vector>

namespace Utils {
namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool IsHigh(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void PutUnit(std::string& out, unsigned unit, bool bigEndian) {
  const char high = static_cast<char>((unit >> 8) & 0xFF);
  const char low = static_cast<char>(unit & 0xFF);
  out += bigEndian ? high : low;
  out += bigEndian ? low : high;
}

}  // namespace

std::wstring Utf16BytesToWide(const std::string& bytes, bool bigEndian) {
  std::vector<char32_t> units;
  for (size_t i = 0; i < bytes.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
    const char32_t unit = bigEndian ? (first << 8) | second : first | (second << 8);
    units.push_back(unit);
  }
  std::wstring text;
  text.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (kWideIsUtf16) {
      text += static_cast<wchar_t>(c);
      continue;
    }
    if (IsHigh(c) && i + 1 < units.size() && IsLow(units[i + 1]))
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    else if (IsHigh(c) || IsLow(c))
      c = 0xFFFD;
    text += static_cast<wchar_t>(c);
  }
  return text;
}

std::string WideToUtf16Bytes(const std::wstring& text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t w : text) {
    auto c = static_cast<char32_t>(w);
    if (kWideIsUtf16 || c < 0x10000) {
      PutUnit(bytes, static_cast<unsigned>(c), bigEndian);
    } else if (c <= 0x10FFFF) {
      c -= 0x10000;
      PutUnit(bytes, 0xD800 + static_cast<unsigned>(c >> 10), bigEndian);
      PutUnit(bytes, 0xDC00 + static_cast<unsigned>(c & 0x3FF), bigEndian);
    } else {
      PutUnit(bytes, 0xFFFD, bigEndian);
    }
  }
  return bytes;
}

}  // namespace Utils
