#include "ui/skin_path.h"

namespace SkinUI {

std::wstring SkinFilePath(const std::wstring& folder, const std::wstring& name) {
  return folder + name;
}

}  // namespace SkinUI
