// The installer's diagnostic trace: one line per call, handed whole to the
// system's debugger output channel. Always on; never blocks or touches files.
//
//   DIAG_LOG(L"download failed: %d\r\n", code);
//
// Messages carry their own line end. Text arguments are wide strings (%ls).
#pragma once
#include <array>
#include <cstddef>

#include "app/diag_function_name.h"

// Formats and emits one line; the format is the line prefix joined with the
// message format, and the arguments follow the prefix's order.
void WriteDiagLine(const wchar_t* format, ...);

// What the prefix records about the call: process, thread and local time.
struct DiagStamp {
  int processId;
  int threadId;
  int year, month, day, hour, minute, second, milliseconds;
};
DiagStamp CaptureDiagStamp();

#define DIAG_LINE_PREFIX L"<P%05d><T%05d><%04d-%02d-%02d %02d:%02d:%02d.%03d>(%ls)<%04d>: "

#define DIAG_LOG(format, ...)                                                                  \
  do {                                                                                         \
    const ::DiagStamp diagStamp_ = ::CaptureDiagStamp();                                       \
    static constexpr auto diagFunction_ =                                                      \
        ::diag_detail::QualifiedFunctionName<sizeof(__PRETTY_FUNCTION__)>(__PRETTY_FUNCTION__); \
    ::WriteDiagLine(DIAG_LINE_PREFIX format, diagStamp_.processId, diagStamp_.threadId,       \
                    diagStamp_.year, diagStamp_.month, diagStamp_.day, diagStamp_.hour,        \
                    diagStamp_.minute, diagStamp_.second, diagStamp_.milliseconds,             \
                    diagFunction_.data(), static_cast<int>(__LINE__) __VA_OPT__(, ) __VA_ARGS__); \
  } while (0)
