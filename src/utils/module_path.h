// The full path of the running executable, and the path conventions that go
// with it on this system.
#pragma once
#include <string>

namespace Utils {

extern const wchar_t kPathSeparator;  // '\\' on Windows, '/' on POSIX

// Read through a 260-character buffer on Windows, as the system's own callers do.
std::wstring ModuleFilePath();

// The part after the last separator, and the part before it.
std::wstring FileNamePart(const std::wstring& path);
std::wstring FolderPart(const std::wstring& path);

}  // namespace Utils
