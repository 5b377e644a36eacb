#include <cstdlib>

#include "support/scoped_env.h"
#include "utils/text_convert.h"

std::optional<std::wstring> GetEnvValue(const std::wstring& name) {
  const char* value = std::getenv(Utils::WideToNarrow(name, Utils::kUtf8CodePage).c_str());
  if (!value) return std::nullopt;
  return Utils::NarrowToWide(value, Utils::kUtf8CodePage);
}

void SetEnvValue(const std::wstring& name, const std::optional<std::wstring>& value) {
  const std::string narrow = Utils::WideToNarrow(name, Utils::kUtf8CodePage);
  if (value)
    setenv(narrow.c_str(), Utils::WideToNarrow(*value, Utils::kUtf8CodePage).c_str(), 1);
  else
    unsetenv(narrow.c_str());
}
