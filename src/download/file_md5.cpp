#include "download/file_md5.h"

#include <cstdio>

#include "download/md5.h"
#include "utils/files.h"
#include "utils/text_convert.h"

std::string GetFileMd5(const std::string& path) {
  if (path.empty()) return {};
  const std::wstring wide = Utils::NarrowToWide(path, Utils::kAnsiCodePage);
  return wide.empty() ? std::string() : GetFileMd5(wide);
}

std::string GetFileMd5(const std::wstring& path) {
  if (path.empty()) return {};
  try {
    FILE* file = Utils::OpenFileStream(path, L"rb");
    if (!file) return {};
    // A larger stream buffer means fewer system reads behind the 1024-byte
    // blocks; its size is fixed, not the file's.
    std::setvbuf(file, nullptr, _IOFBF, 64 * 1024);
    // One fixed block: the memory used does not grow with the package.
    unsigned char block[1024];
    Md5Context context;
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) context.Update(block, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    // A read error would digest a truncated file; that is no digest at all.
    return failed ? std::string() : Md5Text(context.Final());
  } catch (...) {
    return {};
  }
}

std::string GetUrlMd5(const std::string& url) {
  const size_t last = url.rfind('/');
  if (last == std::string::npos || last == 0) return {};
  const size_t previous = url.rfind('/', last - 1);
  if (previous == std::string::npos) return {};
  return url.substr(previous + 1, last - previous - 1);
}
