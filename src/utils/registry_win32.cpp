#include <windows.h>

#include <vector>

#include "utils/registry.h"

namespace Utils {

std::optional<RegistryValue> ReadUserValue(const std::wstring& key, const std::wstring& name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return std::nullopt;
  std::optional<RegistryValue> result;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    // Room for a terminator the writer may have left out; zeros throughout.
    std::vector<BYTE> data(size + sizeof(wchar_t), 0);
    DWORD got = size;
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, data.data(), &got) ==
        ERROR_SUCCESS)
      result = RegistryValue{type, std::string(data.begin(), data.begin() + got)};
  }
  RegCloseKey(handle);
  return result;
}

bool WriteUserValue(const std::wstring& key, const std::wstring& name, const RegistryValue& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG status =
      RegSetValueExW(handle, name.c_str(), 0, value.type,
                     reinterpret_cast<const BYTE*>(value.bytes.data()),
                     static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

bool DeleteUserKeyTree(const std::wstring& key) {
  // Given a subkey, the tree call removes that key as well.
  const LONG status = RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace Utils
