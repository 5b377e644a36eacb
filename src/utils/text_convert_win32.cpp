#include "utils/text_convert.h"

#include <windows.h>

#include <climits>

namespace Utils {

std::wstring NarrowToWide(const std::string& text, unsigned codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int count = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (count <= 0) return {};
  std::wstring wide(static_cast<size_t>(count), L'\0');
  if (MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), count) != count) return {};
  return wide;
}

std::string WideToNarrow(const std::wstring& text, unsigned codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int count =
      WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (count <= 0) return {};
  std::string narrow(static_cast<size_t>(count), '\0');
  if (WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), count, nullptr,
                          nullptr) != count)
    return {};
  return narrow;
}

}  // namespace Utils
