// The installer's private work folder under the system's temporary folder
// (shared by every run), and creating a folder with its missing parents.
#pragma once
#include <string>

namespace Utils {

inline constexpr size_t kWorkPathChars = 260;  // buffers of the system's path length
extern const wchar_t kWorkFolderName[];        // "~KelvraTemp.92482B06FB471E17"

// 0 with the folder's path (with its trailing separator) in `buffer`, created
// when missing; 1 when it neither exists nor can be created (or the path would
// not fit the buffer), the buffer then untouched.
int GetWorkFolder(wchar_t (&buffer)[kWorkPathChars]);
// The same as text; empty on failure.
std::wstring GetWorkFolder();

// 1 when the folder exists afterwards, 0 on failure; each missing level is
// created from the root down, and the levels made before a failure stay.
// Paths longer than 260 characters fail without touching the disk.
int CreateFolderTree(const std::wstring& path);

}  // namespace Utils
