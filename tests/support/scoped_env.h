// Sets (or removes) an environment variable of this process for one scope
// and puts the old value back afterwards.
#pragma once
#include <optional>
#include <string>

class ScopedEnv {
 public:
  ScopedEnv(const std::wstring& name, const std::optional<std::wstring>& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::wstring name_;
  std::optional<std::wstring> old_;
};

// Platform side: the variable's value, and setting it (none removes it).
std::optional<std::wstring> GetEnvValue(const std::wstring& name);
void SetEnvValue(const std::wstring& name, const std::optional<std::wstring>& value);
