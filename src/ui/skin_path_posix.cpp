#include "ui/skin_path.h"

namespace SkinUI {

std::wstring SkinFilePath(const std::wstring& folder, const std::wstring& name) {
  std::wstring path = folder + name;
  for (wchar_t& c : path)
    if (c == L'\\') c = L'/';
  return path;
}

}  // namespace SkinUI
