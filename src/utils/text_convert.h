// Conversions between wide text and narrow code pages (0: the ANSI code page,
// 65001: UTF-8). A conversion that fails yields an empty string.
#pragma once
#include <string>

namespace Utils {

inline constexpr unsigned kAnsiCodePage = 0;
inline constexpr unsigned kUtf8CodePage = 65001;

std::wstring NarrowToWide(const std::string& text, unsigned codePage);
std::string WideToNarrow(const std::wstring& text, unsigned codePage);

}  // namespace Utils
