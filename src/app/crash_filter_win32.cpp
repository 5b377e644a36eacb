#include <windows.h>

#include "app/crash_filter.h"

namespace {

LONG WINAPI SystemCrashFilter(EXCEPTION_POINTERS* info) {
  return static_cast<LONG>(CrashFilter(info));
}

}  // namespace

void InstallCrashFilter() { SetUnhandledExceptionFilter(SystemCrashFilter); }
