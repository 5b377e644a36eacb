// Comparing texts the way the system compares names typed by people: letter
// case does not count.
#pragma once
#include <string>

namespace Utils {

// Windows: the user locale's case-insensitive comparison (as lstrcmpiW);
// POSIX: the UTF-8 locale's lower-case mapping, one character at a time.
bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b);

}  // namespace Utils
