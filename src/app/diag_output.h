// Platform side of the diagnostic trace: wide formatting with a counting
// pass, and the channel the finished line goes to.
#pragma once
#include <cstdarg>
#include <cstddef>

int CountFormattedWide(const wchar_t* format, va_list args);
int FormatWide(wchar_t* buffer, size_t size, const wchar_t* format, va_list args);
void EmitDiagText(const wchar_t* text);
