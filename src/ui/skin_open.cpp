#include "ui/skin_open.h"

#include "ui/skin_resource.h"
#include "ui/skin_state.h"
#include "utils/module_path.h"

namespace SkinUI {

bool OpenSkinForWindow(const std::wstring& skinFolder, int resourceId) {
  if (SkinFolderPath().empty()) {
    const std::wstring module = Utils::ModuleFilePath();
    const size_t last = module.rfind(Utils::kPathSeparator);
    SetSkinFolderPath((last == std::wstring::npos ? std::wstring() : module.substr(0, last + 1)) +
                      skinFolder);
  }
  const ResourceBytes resource = FindSkinResource(SkinModule(), resourceId);
  if (resource.size == 0) return false;
  // Every window keeps its own copy; only the first one is decoded.
  const void* copy = KeepResourceCopy(resource.data, resource.size);
  SetArchiveFromMemory(copy, resource.size);
  return true;
}

}  // namespace SkinUI
