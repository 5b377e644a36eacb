// The process-wide handler of unhandled crashes: reports the crash and lets
// the system's default handling end the process.
#pragma once

// Returns 0: continue the search for a handler.
long CrashFilter(void* exceptionInfo);

// Platform side: installs CrashFilter for the whole process.
void InstallCrashFilter();
