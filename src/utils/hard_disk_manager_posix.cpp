#include <errno.h>
#include <sys/statvfs.h>

#include "utils/hard_disk_manager.h"
#include "utils/text_convert.h"

namespace Utils {

bool QueryDiskSpace(const std::wstring& path, DiskSpace& space, long& code) {
  struct statvfs info {};
  if (path.empty() || statvfs(WideToNarrow(path, kUtf8CodePage).c_str(), &info) != 0) {
    code = path.empty() ? ENOENT : errno;
    return false;
  }
  const uint64_t unit = info.f_frsize ? info.f_frsize : info.f_bsize;
  space = {uint64_t{info.f_bavail} * unit, uint64_t{info.f_blocks} * unit,
           uint64_t{info.f_bfree} * unit};
  return true;
}

}  // namespace Utils
