// Observes the diagnostic lines this process writes, as the debugger output
// channel receives them: for tests and tools. One observer at a time; while
// it is set, lines reach it instead of an attached debugger.
#pragma once

using DiagObserver = void (*)(const wchar_t* text, void* context);

// A null observer stops observing.
void SetDiagObserver(DiagObserver observer, void* context);
