// File-system queries and small whole-file operations shared by the installer.
#pragma once
#include <optional>
#include <string>

namespace Utils {

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);

// One level: the parent must exist. False with the system's error code
// (GetLastError on Windows, errno on POSIX) in `code` when given.
bool CreateOneFolder(const std::wstring& path, long* code = nullptr);

// The system's temporary folder with its trailing separator (Windows: as
// GetTempPathW gives it; POSIX: $TMPDIR, else /tmp); empty when unknown.
std::wstring SystemTempFolder();

// The file's size in bytes, or none when it cannot be opened.
std::optional<unsigned long long> FileSize(const std::wstring& path);

// The whole file, or none when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Replaces the file's contents (creating it; the folder must exist).
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace Utils
