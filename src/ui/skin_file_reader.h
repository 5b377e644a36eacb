// Reading the skin's layout documents and images wherever the skin state says
// they are: loose files under the skin folder, the open archive, or an
// archive file under the skin folder opened for the one read.
#pragma once
#include <optional>
#include <string>

namespace SkinUI {

// Larger layout documents are refused.
inline constexpr unsigned long long kMaxLayoutBytes = 4194304;

struct LayoutBytes {
  bool ok = false;
  std::string bytes;
  std::wstring error;  // the document's last error when not ok
};

// Errors: loose files "Error opening file", "File is empty", "File too large",
// "Could not read file"; archive "Error opening zip file", "Could not find
// ziped file", "File is empty", "File too large", "Could not unzip file".
LayoutBytes ReadSkinLayout(const std::wstring& name);

// No size limit. When the skin does not yield it, the name is tried once more
// as a plain path (absolute, or relative to the current folder). None, and
// nothing reported, when that fails too.
std::optional<std::string> ReadSkinImage(const std::wstring& name);

}  // namespace SkinUI
