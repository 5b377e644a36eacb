#include <windows.h>
#include <shlobj.h>

#include "utils/special_folders.h"

namespace Utils {

bool GetSpecialFolder(int csidl, std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, buffer, csidl, FALSE)) return false;
  path = buffer;
  return true;
}

bool GetAppDataFolder(std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
  // A longer value does not fit and counts as unreadable.
  if (length == 0 || length >= MAX_PATH) return false;
  path.assign(buffer, length);
  return true;
}

}  // namespace Utils
