#include <windows.h>

#include <vector>

#include "utils/profile_access.h"
#include "utils/profile_file.h"

namespace Utils {

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& defaultValue, size_t bufferSize,
                               const std::wstring& path) {
  if (bufferSize == 0) return {};
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  const DWORD length =
      GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                               static_cast<DWORD>(bufferSize), path.c_str());
  return std::wstring(buffer.data(), length);
}

unsigned ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                        const std::wstring& path) {
  return GetPrivateProfileIntW(section.c_str(), key.c_str(), defaultValue, path.c_str());
}

bool WriteProfileString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path) {
  // The system's writer would let a line break in a value add entries.
  if (!ProfileFile::IsWritableEntry(section, key, value)) return false;
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

}  // namespace Utils
