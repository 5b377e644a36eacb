#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "utils/files.h"

namespace Utils {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateOneFolder(const std::wstring& path, long* code) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return true;
  if (code) *code = static_cast<long>(GetLastError());
  return false;
}

std::wstring SystemTempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  return length > 0 && length <= MAX_PATH ? std::wstring(path, length) : std::wstring();
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char block[8192];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, block, sizeof block, &got, nullptr)) && got > 0)
    bytes.append(block, got);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD put = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &put, nullptr) || put == 0) break;
    done += put;
  }
  return CloseHandle(file) && done == bytes.size();
}

FILE* OpenFileStream(const std::wstring& path, const wchar_t* mode) {
  return _wfopen(path.c_str(), mode);
}

std::optional<int64_t> FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return static_cast<int64_t>(uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow);
}

bool RemoveFile(const std::wstring& path) { return _wremove(path.c_str()) == 0; }

bool RenameFile(const std::wstring& from, const std::wstring& to) {
  return _wrename(from.c_str(), to.c_str()) == 0;
}

}  // namespace Utils
