// Values under HKEY_CURRENT_USER: the real registry on Windows, a file-backed
// store on POSIX (one folder per key under $KELVRA_REGISTRY_ROOT, else
// $XDG_DATA_HOME/kelvra-registry, else ~/.local/share/kelvra-registry).
// Key paths use "\" between names, as on Windows.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace Utils {

// Registry value types the installer meets.
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;

struct RegistryValue {
  uint32_t type = kRegSz;
  std::string bytes;
};

// None when the key cannot be opened for reading or the value is missing.
std::optional<RegistryValue> ReadUserValue(const std::wstring& key, const std::wstring& name);

// Creates the key (and its parents) with full access when missing.
bool WriteUserValue(const std::wstring& key, const std::wstring& name, const RegistryValue& value);

// The key with everything below it; true when it is gone afterwards.
bool DeleteUserKeyTree(const std::wstring& key);

// Any value read as text: its bytes as UTF-16 units, with a terminator added
// after them, so the text ends at the first zero unit whatever the type.
std::optional<std::wstring> ReadUserText(const std::wstring& key, const std::wstring& name);

// REG_SZ holding the text's UTF-16 units without a terminating zero.
bool WriteUserText(const std::wstring& key, const std::wstring& name, const std::wstring& text);

}  // namespace Utils
