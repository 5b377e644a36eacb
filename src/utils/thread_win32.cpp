// Windows has no name on a thread that older debuggers read; they catch the
// thread-name exception instead. Without a debugger nobody handles it, so a
// handler of our own, called after any other, lets the program go on.
#include <windows.h>

#include "utils/thread_platform.h"

namespace Utils::thread_platform {

namespace {

constexpr DWORD kThreadNameException = 0x406D1388;
constexpr DWORD kThreadNameRecord = 0x1000;

#pragma pack(push, 8)
struct ThreadNameRecord {
  DWORD type;
  LPCSTR name;
  DWORD threadId;
  DWORD flags;
};
#pragma pack(pop)

LONG CALLBACK IgnoreThreadName(EXCEPTION_POINTERS* info) {
  return info->ExceptionRecord->ExceptionCode == kThreadNameException
             ? EXCEPTION_CONTINUE_EXECUTION
             : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

uint32_t CurrentThreadId() { return GetCurrentThreadId(); }

void AnnounceThreadName(std::thread&, uint32_t id, const std::string& name) {
  const ThreadNameRecord record{kThreadNameRecord, name.c_str(), id, 0};
  PVOID ignore = AddVectoredExceptionHandler(0, IgnoreThreadName);
  if (!ignore) return;  // raised unhandled it would end the process
  RaiseException(kThreadNameException, 0, sizeof record / sizeof(ULONG_PTR),
                 reinterpret_cast<const ULONG_PTR*>(&record));
  RemoveVectoredExceptionHandler(ignore);
}

}  // namespace Utils::thread_platform
