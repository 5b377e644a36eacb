#include "analytics/core/utf8_validation.h"

namespace usage_analytics::utils {

bool IsValidUtf8(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = byte(i);
    // The range of the first continuation byte, and how many follow it.
    unsigned char low = 0x80, high = 0xBF;
    size_t continuations;
    if (lead == 0x09 || lead == 0x0A || lead == 0x0D || (lead >= 0x20 && lead <= 0x7E)) {
      continuations = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      continuations = 1;
    } else if (lead == 0xE0) {
      continuations = 2, low = 0xA0;
    } else if ((lead >= 0xE1 && lead <= 0xEC) || lead == 0xEE || lead == 0xEF) {
      continuations = 2;
    } else if (lead == 0xED) {
      continuations = 2, high = 0x9F;
    } else if (lead == 0xF0) {
      continuations = 3, low = 0x90;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
      continuations = 3;
    } else if (lead == 0xF4) {
      continuations = 3, high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i - 1 < continuations) return false;
    for (size_t k = 1; k <= continuations; ++k) {
      const unsigned char next = byte(i + k);
      if (next < low || next > high) return false;
      low = 0x80, high = 0xBF;
    }
    i += continuations + 1;
  }
  return true;
}

}  // namespace usage_analytics::utils
