#include "utils/module_path.h"

namespace Utils {
namespace {

size_t LastSeparator(const std::wstring& path) {
  // Windows also accepts '/', so both count there; POSIX has only '/'.
  return kPathSeparator == L'\\' ? path.find_last_of(L"\\/") : path.rfind(L'/');
}

}  // namespace

std::wstring FileNamePart(const std::wstring& path) {
  const size_t at = LastSeparator(path);
  return at == std::wstring::npos ? path : path.substr(at + 1);
}

std::wstring FolderPart(const std::wstring& path) {
  const size_t at = LastSeparator(path);
  return at == std::wstring::npos ? std::wstring{} : path.substr(0, at);
}

}  // namespace Utils
