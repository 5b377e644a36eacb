#include "utils/registry.h"

#include "utils/utf16_bytes.h"

namespace Utils {

std::optional<std::wstring> ReadUserText(const std::wstring& key, const std::wstring& name) {
  const std::optional<RegistryValue> value = ReadUserValue(key, name);
  if (!value) return std::nullopt;
  std::wstring text = Utf16BytesToWide(value->bytes);
  const size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return text;
}

bool WriteUserText(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
  return WriteUserValue(key, name, {kRegSz, WideToUtf16Bytes(text)});
}

}  // namespace Utils
