#include <windows.h>

#include "utils/module_path.h"

namespace Utils {

const wchar_t kPathSeparator = L'\\';

std::wstring ModuleFilePath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length < MAX_PATH ? length : MAX_PATH - 1);
}

}  // namespace Utils
