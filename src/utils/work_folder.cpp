#include "utils/work_folder.h"

#include <algorithm>

#include "utils/files.h"
#include "utils/module_path.h"

namespace Utils {

const wchar_t kWorkFolderName[] = L"~KelvraTemp.92482B06FB471E17";

int GetWorkFolder(wchar_t (&buffer)[kWorkPathChars]) {
  const std::wstring temp = SystemTempFolder();
  if (temp.empty()) return 1;
  const std::wstring folder = temp + kWorkFolderName + kPathSeparator;
  if (folder.size() >= kWorkPathChars) return 1;
  if (!FolderExists(folder) && !CreateOneFolder(folder)) return 1;
  std::copy(folder.begin(), folder.end(), buffer);
  buffer[folder.size()] = L'\0';
  return 0;
}

std::wstring GetWorkFolder() {
  wchar_t buffer[kWorkPathChars] = {};
  return GetWorkFolder(buffer) == 0 ? std::wstring(buffer) : std::wstring();
}

int CreateFolderTree(const std::wstring& path) {
  if (path.size() > 260) return 0;
  // A root such as C:\ or / always exists, so it is never created.
  for (size_t at = path.find(kPathSeparator); at != std::wstring::npos;
       at = path.find(kPathSeparator, at + 1)) {
    const std::wstring level = path.substr(0, at + 1);
    if (!FolderExists(level) && !CreateOneFolder(level)) return 0;
  }
  const size_t last = path.rfind(kPathSeparator);
  if (last == std::wstring::npos || last + 1 < path.size())
    if (!FolderExists(path) && !CreateOneFolder(path)) return 0;
  return 1;
}

}  // namespace Utils
