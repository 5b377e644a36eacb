// The POSIX counterpart of an unhandled exception is a fatal signal: the
// filter runs once, then the signal's default action ends the process.
#include <signal.h>

#include <initializer_list>

#include "app/crash_filter.h"

namespace {

void OnFatalSignal(int signalNumber) {
  CrashFilter(nullptr);
  raise(signalNumber);  // the handler was reset, so this takes the default action
}

}  // namespace

void InstallCrashFilter() {
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
    sigaction(signalNumber, &action, nullptr);
}
