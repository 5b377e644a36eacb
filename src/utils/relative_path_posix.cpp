#include <vector>

#include "utils/relative_path.h"

namespace Utils {
namespace {

std::vector<std::wstring> Names(const std::wstring& path) {
  std::vector<std::wstring> names;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = path.find(L'/', start);
    const size_t stop = end == std::wstring::npos ? path.size() : end;
    if (stop > start) names.push_back(path.substr(start, stop - start));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return names;
}

}  // namespace

bool RelativeFolderPath(const std::wstring& from, const std::wstring& to, std::wstring& relative) {
  if (from.empty() || to.empty()) return false;
  // An absolute and a relative path share no root.
  if ((from[0] == L'/') != (to[0] == L'/')) return false;
  const std::vector<std::wstring> a = Names(from), b = Names(to);
  size_t common = 0;
  while (common < a.size() && common < b.size() && a[common] == b[common]) ++common;
  std::wstring result;
  for (size_t i = common; i < a.size(); ++i) result += result.empty() ? L".." : L"/..";
  for (size_t i = common; i < b.size(); ++i) result += (result.empty() ? L"" : L"/") + b[i];
  relative = result.empty() ? L"." : result;
  return true;
}

}  // namespace Utils
