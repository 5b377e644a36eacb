// The installer reads its variables with GetEnvironmentVariableW, so the
// process environment block is what changes here.
#include <windows.h>

#include <vector>

#include "support/scoped_env.h"

std::optional<std::wstring> GetEnvValue(const std::wstring& name) {
  const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::vector<wchar_t> buffer(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer.data(), size);
  return std::wstring(buffer.data(), length < size ? length : 0);
}

void SetEnvValue(const std::wstring& name, const std::optional<std::wstring>& value) {
  SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}
