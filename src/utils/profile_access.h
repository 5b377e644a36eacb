// Reading and writing settings files through the system's profile functions
// (Windows) or the portable reader and writer with the same semantics (POSIX).
#pragma once
#include <string>

// <windows.h> names the old win.ini writer WriteProfileString; that macro
// would rename ours (include <windows.h> before this header).
#undef WriteProfileString

namespace Utils {

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& defaultValue, size_t bufferSize,
                               const std::wstring& path);
unsigned ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                        const std::wstring& path);

// As WritePrivateProfileStringW with a value: creates the file, not its
// folder. Entries that ProfileFile::IsWritableEntry refuses are not written on
// either system. False when nothing was written.
bool WriteProfileString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path);

}  // namespace Utils
