#include "utils/platform_info.h"

#include <cwchar>
#include <utility>

namespace Utils {
namespace {

std::function<WindowsVersionNumbers()>& VersionReaderOverride() {
  static std::function<WindowsVersionNumbers()> reader;
  return reader;
}

}  // namespace

std::wstring FormatGuidText(const GuidFields& g) {
  wchar_t text[33];
  swprintf(text, 33, L"%08X%04X%04x%02X%02X%02X%02X%02X%02X%02X%02X",
           static_cast<unsigned>(g.data1), static_cast<unsigned>(g.data2),
           static_cast<unsigned>(g.data3), g.data4[0], g.data4[1], g.data4[2], g.data4[3],
           g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
  return text;
}

std::wstring NewGuidText() { return FormatGuidText(CreateSystemGuid()); }

std::wstring WindowsVersionName(const WindowsVersionNumbers& v) {
  if (!v.ntdllLoaded) return L"XP-";
  switch (v.major) {
    case 0: case 1: case 2: case 3: case 4:
      return L"XP-";
    case 5:
      if (v.minor == 0) return L"2K";
      if (v.minor == 1) return L"XP";
      if (v.minor == 2) return v.serverR2 ? L"Server 2003 R2" : L"Server 2003";
      return L"XP+";
    case 6:
      if (v.minor == 0) return L"Vista";
      if (v.minor == 1) return L"7";
      if (v.minor == 2) return L"8";
      if (v.minor == 3) return L"8.1";
      return L"8.1+";
    case 10:
      return v.minor == 0 ? L"10" : L"10+";
    default:
      return std::to_wstring(v.major) + L"." + std::to_wstring(v.minor) + L"." +
             std::to_wstring(v.build);
  }
}

void GetWindowsVersionName(std::wstring& product, std::wstring& version) {
  product = L"Windows";
  const auto& reader = VersionReaderOverride();
  version = WindowsVersionName(reader ? reader() : ReadWindowsVersionNumbers());
}

void SetWindowsVersionReaderForTesting(std::function<WindowsVersionNumbers()> reader) {
  VersionReaderOverride() = std::move(reader);
}

}  // namespace Utils
