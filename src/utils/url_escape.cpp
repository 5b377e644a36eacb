#include "utils/url_escape.h"

#include "utils/text_convert.h"

namespace Utils {

std::wstring UrlEscape(const std::wstring& address) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (const char c : WideToNarrow(address, kUtf8CodePage)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 33 && byte <= 126) {
      escaped += c;
    } else if (byte == ' ') {
      escaped += '+';
    } else {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    }
  }
  return NarrowToWide(escaped, kUtf8CodePage);
}

}  // namespace Utils
