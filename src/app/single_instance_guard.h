// Refuses a second copy of the installer in the same logon session: a named
// mutex on Windows, an exclusive lock on a per-user lock file on POSIX.
#pragma once
#include <string>

class SingleInstanceGuard {
 public:
  explicit SingleInstanceGuard(std::wstring name) : name_(std::move(name)) {}
  ~SingleInstanceGuard() { Release(); }
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  // False when another holder exists or the guard cannot be made.
  bool Take();
  void Release();

 private:
  std::wstring name_;
  void* handle_ = nullptr;  // the mutex, or the lock file's descriptor + 1
};

extern const wchar_t kInstallerMutexName[];
