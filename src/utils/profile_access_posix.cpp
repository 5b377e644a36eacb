#include "utils/profile_access.h"
#include "utils/profile_file.h"

namespace Utils {

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& defaultValue, size_t bufferSize,
                               const std::wstring& path) {
  return ProfileFile::Load(path).value_or(ProfileFile{}).GetString(section, key, defaultValue,
                                                                   bufferSize);
}

unsigned ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                        const std::wstring& path) {
  return ProfileFile::Load(path).value_or(ProfileFile{}).GetInt(section, key, defaultValue);
}

}  // namespace Utils

namespace Utils {

bool WriteProfileString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path) {
  return ProfileFile::WriteString(path, section, key, value);
}

}  // namespace Utils
