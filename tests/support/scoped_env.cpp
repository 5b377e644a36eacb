#include "support/scoped_env.h"

ScopedEnv::ScopedEnv(const std::wstring& name, const std::optional<std::wstring>& value)
    : name_(name), old_(GetEnvValue(name)) {
  SetEnvValue(name, value);
}

ScopedEnv::~ScopedEnv() { SetEnvValue(name_, old_); }
