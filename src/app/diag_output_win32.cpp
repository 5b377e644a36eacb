#include <windows.h>

#include <atomic>
#include <string>

#include "app/diag_log.h"
#include "app/diag_output.h"
#include "app/diag_tap.h"
#include "utils/text_convert.h"

int CountFormattedWide(const wchar_t* format, va_list args) {
  return __mingw_vsnwprintf(nullptr, 0, format, args);
}

int FormatWide(wchar_t* buffer, size_t size, const wchar_t* format, va_list args) {
  return __mingw_vsnwprintf(buffer, size, format, args);
}

void EmitDiagText(const wchar_t* text) { OutputDebugStringW(text); }

DiagStamp CaptureDiagStamp() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {static_cast<int>(GetCurrentProcessId()), static_cast<int>(GetCurrentThreadId()),
          now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
          now.wMilliseconds};
}

namespace {

// The debugger channel is an exception raised by OutputDebugString: the wide
// form where the system offers it, otherwise the ANSI form.
constexpr DWORD kWidePrintException = 0x4001000A;
constexpr DWORD kPrintException = 0x40010006;

std::atomic<DiagObserver> g_observer{nullptr};
std::atomic<void*> g_context{nullptr};
PVOID g_handler = nullptr;

LONG CALLBACK ObserveDebugPrint(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  const DiagObserver observer = g_observer.load();
  if (!observer || record->NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
  if (record->ExceptionCode == kWidePrintException) {
    observer(reinterpret_cast<const wchar_t*>(record->ExceptionInformation[1]), g_context.load());
    return EXCEPTION_CONTINUE_EXECUTION;
  }
  if (record->ExceptionCode == kPrintException) {
    const std::wstring text = Utils::NarrowToWide(
        reinterpret_cast<const char*>(record->ExceptionInformation[1]), Utils::kAnsiCodePage);
    observer(text.c_str(), g_context.load());
    return EXCEPTION_CONTINUE_EXECUTION;
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void SetDiagObserver(DiagObserver observer, void* context) {
  g_context = context;
  g_observer = observer;
  if (observer && !g_handler) g_handler = AddVectoredExceptionHandler(1, ObserveDebugPrint);
  if (!observer && g_handler) {
    RemoveVectoredExceptionHandler(g_handler);
    g_handler = nullptr;
  }
}
