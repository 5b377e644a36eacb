#include "ui/render/image_loader.h"

#include "ui/skin_file_reader.h"
#include "ui/skin_resource.h"
#include "ui/skin_state.h"

namespace SkinUI {

std::optional<TImage> LoadImage(const std::wstring& name, const std::wstring& resourceType,
                                uint32_t mask) {
  std::optional<TImage> image;
  if (resourceType == kColorResourceType) {
    image = ColorSwatch(name);
  } else if (!resourceType.empty()) {
    const ResourceBytes bytes = FindNamedResource(SkinModule(), resourceType, name);
    if (bytes.size > 0) image = DecodeImage(bytes.data, bytes.size, mask);
  } else if (const std::optional<std::string> bytes = ReadSkinImage(name); bytes && !bytes->empty()) {
    image = DecodeImage(bytes->data(), bytes->size(), mask);
  }
  if (image) {
    image->resourceType = resourceType;
    image->mask = mask;
  }
  return image;
}

}  // namespace SkinUI
