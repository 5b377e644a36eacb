// Opening the skin when a window whose skin is an archive resource is
// created: the step before the window builds its layout.
#pragma once
#include <string>

namespace SkinUI {

// Sets the skin folder (the executable's folder plus `skinFolder`) unless one
// is set, then decodes the "ZIPRES" resource `resourceId` of the skin module
// unless an archive already came from memory. False when the resource is
// missing, not loadable or empty: the window then has no layout, and nothing
// is reported.
bool OpenSkinForWindow(const std::wstring& skinFolder, int resourceId);

}  // namespace SkinUI
