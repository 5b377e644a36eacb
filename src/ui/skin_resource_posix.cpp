#include "ui/skin_blob.h"
#include "ui/skin_resource.h"

namespace SkinUI {

ResourceBytes FindSkinResource(void*, int id) {
  if (id != kSkinResourceId || EmbeddedSkin::kSize == 0) return {};
  return {EmbeddedSkin::kBytes, EmbeddedSkin::kSize};
}

ResourceBytes FindNamedResource(void*, const std::wstring&, const std::wstring&) { return {}; }

}  // namespace SkinUI
