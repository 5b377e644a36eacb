// POSIX has no debugger output channel. Lines go to standard error when the
// environment variable KELVRA_DIAG is set to a non-empty value, and to the
// in-process observer when one is set.
#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "app/diag_log.h"
#include "app/diag_output.h"
#include "app/diag_tap.h"
#include "utils/text_convert.h"

int CountFormattedWide(const wchar_t* format, va_list args) {
  // vswprintf cannot count, so format into growing scratch space.
  std::vector<wchar_t> scratch(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    const int count = vswprintf(scratch.data(), scratch.size(), format, copy);
    va_end(copy);
    if (count >= 0) return count;
    if (scratch.size() >= (size_t{1} << 26)) return -1;
    scratch.resize(scratch.size() * 2);
  }
}

int FormatWide(wchar_t* buffer, size_t size, const wchar_t* format, va_list args) {
  return vswprintf(buffer, size, format, args);
}

namespace {
std::atomic<DiagObserver> g_observer{nullptr};
std::atomic<void*> g_context{nullptr};
}  // namespace

void SetDiagObserver(DiagObserver observer, void* context) {
  g_context = context;
  g_observer = observer;
}

void EmitDiagText(const wchar_t* text) {
  if (const DiagObserver observer = g_observer.load()) {
    observer(text, g_context.load());
    return;
  }
  static const bool toStandardError = [] {
    const char* value = std::getenv("KELVRA_DIAG");
    return value && *value;
  }();
  if (toStandardError) {
    const std::string line = Utils::WideToNarrow(text, Utils::kUtf8CodePage);
    fwrite(line.data(), 1, line.size(), stderr);
  }
}

DiagStamp CaptureDiagStamp() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return {static_cast<int>(getpid()), static_cast<int>(syscall(SYS_gettid)),
          local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
          local.tm_sec, static_cast<int>(now.tv_nsec / 1000000)};
}
