// Reading settings files through the system's profile functions (Windows) or
// the portable reader with the same semantics (POSIX).
#pragma once
#include <string>

namespace Utils {

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& defaultValue, size_t bufferSize,
                               const std::wstring& path);
unsigned ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                        const std::wstring& path);

}  // namespace Utils
