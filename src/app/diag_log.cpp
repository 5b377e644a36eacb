#include "app/diag_log.h"

#include <cstdarg>
#include <cstdint>
#include <new>

#include "app/diag_output.h"

void WriteDiagLine(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int count = CountFormattedWide(format, args);
  va_end(args);
  if (count < 0 || static_cast<uint64_t>(count) + 2 > SIZE_MAX / sizeof(wchar_t)) {
    va_end(again);
    return;
  }
  const size_t size = static_cast<size_t>(count) + 2;
  wchar_t* buffer = new (std::nothrow) wchar_t[size];
  if (buffer) {
    if (FormatWide(buffer, size, format, again) >= 0) EmitDiagText(buffer);
    delete[] buffer;
  }
  va_end(again);
}
