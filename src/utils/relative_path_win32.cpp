#include <windows.h>
#include <shlwapi.h>

#include "utils/relative_path.h"

namespace Utils {
namespace {

// The system's answer depends on trailing backslashes ("C:\A" to "C:\A\"
// gives ".\", with two of them ".."), so they go, except a root's own.
std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') &&
         !(path.size() == 3 && path[1] == L':'))
    path.pop_back();
  return path;
}

}  // namespace

bool RelativeFolderPath(const std::wstring& from, const std::wstring& to, std::wstring& relative) {
  if (from.empty() || to.empty()) return false;
  const std::wstring a = WithoutTrailingSeparators(from), b = WithoutTrailingSeparators(to);
  if (a.size() >= MAX_PATH || b.size() >= MAX_PATH) return false;
  wchar_t out[MAX_PATH] = {};
  if (!PathRelativePathToW(out, a.c_str(), FILE_ATTRIBUTE_DIRECTORY, b.c_str(),
                           FILE_ATTRIBUTE_DIRECTORY))
    return false;
  relative = out;
  return true;
}

}  // namespace Utils
