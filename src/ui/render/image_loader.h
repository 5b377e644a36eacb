// Loading a skin image by name: a colour swatch, an executable resource, or
// the skin's own file (loose, in the archive, or as a plain path).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ui/render/skin_image.h"

namespace SkinUI {

inline constexpr wchar_t kColorResourceType[] = L"*COLOR*";

// `resourceType` empty: a skin file. Every failure gives no image.
std::optional<TImage> LoadImage(const std::wstring& name, const std::wstring& resourceType,
                                uint32_t mask);

}  // namespace SkinUI
