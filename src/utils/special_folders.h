// The shell folders the installer builds its paths on. POSIX maps them onto
// the user's XDG folders (see docs/decisions.md).
#pragma once
#include <string>

namespace Utils {

inline constexpr int kCsidlProgramFiles = 38;
inline constexpr int kCsidlProgramFilesX86 = 42;
inline constexpr int kCsidlCommonDocuments = 46;

// The folder (260 characters at most, not created); false when unknown.
bool GetSpecialFolder(int csidl, std::wstring& path);

// The user's application-data folder: Windows reads the environment variable
// "APPDATA" through a 260-character buffer; POSIX takes $APPDATA when set,
// else $XDG_DATA_HOME, else ~/.local/share. False when none is known.
bool GetAppDataFolder(std::wstring& path);

}  // namespace Utils
