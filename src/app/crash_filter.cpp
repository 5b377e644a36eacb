#include "app/crash_filter.h"

#include "app/event_helpers.h"

long CrashFilter(void*) {
  TrackTaskEvent(L"崩溃退出", L"", 0.0f, {{L"AB", L"IN"}});
  TrackCrashEvent(L"崩溃");
  return 0;
}
