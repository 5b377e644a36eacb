// File-system queries and small whole-file operations shared by the installer.
#pragma once
#include <cstdint>
#include <cstdio>
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

// The whole file, or none when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Replaces the file's contents (creating it; the folder must exist).
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// C runtime streams and file operations on wide paths: a path is never
// squeezed through the ANSI code page, so a folder named in another script
// still works. Mode as for fopen, e.g. L"rb", L"ab+". Null on failure, errno set.
FILE* OpenFileStream(const std::wstring& path, const wchar_t* mode);
// 64 bits: packages of 2 GiB and more. None when the file cannot be measured.
std::optional<int64_t> FileSize(const std::wstring& path);
bool RemoveFile(const std::wstring& path);
// Fails when `to` exists.
bool RenameFile(const std::wstring& from, const std::wstring& to);

}  // namespace Utils
