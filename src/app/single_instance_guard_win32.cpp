#include <windows.h>

#include "app/single_instance_guard.h"

bool SingleInstanceGuard::Take() {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name_.c_str());
  if (!mutex) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  handle_ = mutex;
  return true;
}

void SingleInstanceGuard::Release() {
  if (!handle_) return;
  ReleaseMutex(handle_);
  CloseHandle(handle_);
  handle_ = nullptr;
}
