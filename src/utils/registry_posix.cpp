// The store keeps HKEY_CURRENT_USER as folders: one per key, named by the key
// names folded to lower case (the registry ignores case) with every byte
// outside [a-z0-9_-] written as %XX, so no name can climb out of the store.
// A value is a file "<escaped name>.value": its type as 4 little-endian bytes,
// then its data; it is replaced by renaming, so a reader never sees half.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "utils/files.h"
#include "utils/registry.h"
#include "utils/text_convert.h"

namespace Utils {
namespace {

std::wstring StoreRoot() {
  const auto env = [](const char* name) -> std::string {
    const char* value = std::getenv(name);
    return value && *value ? value : "";
  };
  std::string root = env("KELVRA_REGISTRY_ROOT");
  if (root.empty() && !env("XDG_DATA_HOME").empty()) root = env("XDG_DATA_HOME") + "/kelvra-registry";
  if (root.empty() && !env("HOME").empty()) root = env("HOME") + "/.local/share/kelvra-registry";
  return NarrowToWide(root, kUtf8CodePage);
}

std::wstring Escaped(const std::wstring& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : WideToNarrow(name, kUtf8CodePage)) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-') {
      out += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return NarrowToWide(out, kUtf8CodePage);
}

// The key's folders from the root down; none for an unusable key path.
std::optional<std::vector<std::wstring>> KeyFolders(const std::wstring& key) {
  const std::wstring root = StoreRoot();
  if (root.empty() || key.empty()) return std::nullopt;
  std::vector<std::wstring> folders{root, root + L"/HKEY_CURRENT_USER"};
  size_t start = 0;
  for (;;) {
    const size_t end = key.find(L'\\', start);
    const std::wstring part = key.substr(start, end == std::wstring::npos ? end : end - start);
    if (part.empty()) return std::nullopt;
    folders.push_back(folders.back() + L"/" + Escaped(part));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return folders;
}

std::wstring ValueFile(const std::wstring& folder, const std::wstring& name) {
  return folder + L"/" + Escaped(name) + L".value";
}

}  // namespace

std::optional<RegistryValue> ReadUserValue(const std::wstring& key, const std::wstring& name) {
  const auto folders = KeyFolders(key);
  if (!folders || !FolderExists(folders->back())) return std::nullopt;
  const std::optional<std::string> bytes = ReadFileBytes(ValueFile(folders->back(), name));
  if (!bytes || bytes->size() < 4) return std::nullopt;
  const auto b = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>((*bytes)[i])); };
  return RegistryValue{b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24), bytes->substr(4)};
}

bool WriteUserValue(const std::wstring& key, const std::wstring& name, const RegistryValue& value) {
  const auto folders = KeyFolders(key);
  if (!folders) return false;
  for (const std::wstring& folder : *folders)
    if (!FolderExists(folder) && !CreateOneFolder(folder)) return false;
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value.type >> shift) & 0xFF);
  bytes += value.bytes;
  const std::wstring target = ValueFile(folders->back(), name);
  const std::wstring temporary = target + L"." + std::to_wstring(getpid()) + L".new";
  if (!WriteFileBytes(temporary, bytes)) return false;
  if (std::rename(WideToNarrow(temporary, kUtf8CodePage).c_str(),
                  WideToNarrow(target, kUtf8CodePage).c_str()) != 0) {
    std::remove(WideToNarrow(temporary, kUtf8CodePage).c_str());
    return false;
  }
  return true;
}

bool DeleteUserKeyTree(const std::wstring& key) {
  const auto folders = KeyFolders(key);
  if (!folders) return false;
  std::error_code error;
  std::filesystem::remove_all(WideToNarrow(folders->back(), kUtf8CodePage), error);
  return !error;
}

}  // namespace Utils
