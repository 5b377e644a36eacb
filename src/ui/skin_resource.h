// The skin archive among the executable's resources: type "ZIPRES", found by
// its number (147 for every window of the installer).
#pragma once
#include <cstddef>
#include <string>

namespace SkinUI {

inline constexpr int kSkinResourceId = 147;

struct ResourceBytes {
  const void* data = nullptr;
  size_t size = 0;  // 0 when missing or not loadable
};

// Windows: the resource in `module` (none: the process's executable).
// POSIX: there are no resources; the archive the build linked into the
// program answers for kSkinResourceId, and `module` is not used.
ResourceBytes FindSkinResource(void* module, int id);

// Any resource by type and name (images a layout names with "res" and
// "restype"). POSIX has no executable resources: always missing there.
ResourceBytes FindNamedResource(void* module, const std::wstring& type, const std::wstring& name);

}  // namespace SkinUI
