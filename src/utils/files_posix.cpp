#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "utils/files.h"
#include "utils/text_convert.h"

namespace Utils {
namespace {

std::string Narrow(const std::wstring& path) { return WideToNarrow(path, kUtf8CodePage); }

}  // namespace

bool FileExists(const std::wstring& path) {
  struct stat info {};
  return stat(Narrow(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::wstring& path) {
  struct stat info {};
  return !path.empty() && stat(Narrow(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateOneFolder(const std::wstring& path, long* code) {
  if (mkdir(Narrow(path).c_str(), 0777) == 0) return true;
  if (code) *code = errno;
  return false;
}

std::wstring SystemTempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::wstring folder = NarrowToWide(tmp && *tmp ? tmp : "/tmp", kUtf8CodePage);
  if (!folder.empty() && folder.back() != L'/') folder += L'/';
  return folder;
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  const int fd = open(Narrow(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char block[8192];
  for (;;) {
    const ssize_t got = read(fd, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.append(block, static_cast<size_t>(got));
  }
  close(fd);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  const int fd = open(Narrow(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<size_t>(put);
  }
  return close(fd) == 0 && done == bytes.size();
}

FILE* OpenFileStream(const std::wstring& path, const wchar_t* mode) {
  return std::fopen(Narrow(path).c_str(), WideToNarrow(mode, kUtf8CodePage).c_str());
}

std::optional<int64_t> FileSize(const std::wstring& path) {
  struct stat info {};
  if (stat(Narrow(path).c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
  return static_cast<int64_t>(info.st_size);
}

bool RemoveFile(const std::wstring& path) { return unlink(Narrow(path).c_str()) == 0; }

bool RenameFile(const std::wstring& from, const std::wstring& to) {
  // rename() would replace `to`; Windows' rename does not, and callers expect that.
  if (access(Narrow(to).c_str(), F_OK) == 0) return false;
  return std::rename(Narrow(from).c_str(), Narrow(to).c_str()) == 0;
}

}  // namespace Utils
