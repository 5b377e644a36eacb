// On POSIX the system's narrow encoding is UTF-8, so the ANSI code page and
// code page 65001 both mean UTF-8; other code pages are not available and fail.
// Like the Windows functions, malformed input is replaced by U+FFFD rather than
// failing the whole conversion.
#include "utils/text_convert.h"

#include <cstdint>

namespace Utils {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSupported(unsigned codePage) {
  return codePage == kAnsiCodePage || codePage == kUtf8CodePage;
}

// Decodes one scalar value at text[pos], advancing pos; invalid sequences give
// U+FFFD and consume the longest valid prefix (at least one byte).
char32_t DecodeUtf8(const std::string& text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos++);
  if (lead < 0x80) return lead;
  int extra;
  char32_t value;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= text.size()) return kReplacement;
    const unsigned char next = byte(pos);
    if (next < low || next > high) return kReplacement;
    value = (value << 6) | (next & 0x3F);
    low = 0x80, high = 0xBF;
    ++pos;
  }
  return value;
}

void EncodeUtf8(char32_t value, std::string& out) {
  if (value < 0x80) {
    out += static_cast<char>(value);
  } else if (value < 0x800) {
    out += static_cast<char>(0xC0 | (value >> 6));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    out += static_cast<char>(0xE0 | (value >> 12));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (value >> 18));
    out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  }
}

}  // namespace

std::wstring NarrowToWide(const std::string& text, unsigned codePage) {
  if (!IsSupported(codePage)) return {};
  std::wstring wide;
  wide.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) wide += static_cast<wchar_t>(DecodeUtf8(text, pos));
  return wide;
}

std::string WideToNarrow(const std::wstring& text, unsigned codePage) {
  if (!IsSupported(codePage)) return {};
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t c : text) {
    auto value = static_cast<char32_t>(c);
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) value = kReplacement;
    EncodeUtf8(value, narrow);
  }
  return narrow;
}

}  // namespace Utils
