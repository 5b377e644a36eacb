#include <windows.h>

#include "utils/hard_disk_manager.h"

namespace Utils {

bool QueryDiskSpace(const std::wstring& path, DiskSpace& space, long& code) {
  ULARGE_INTEGER available{}, total{}, free{};
  if (!GetDiskFreeSpaceExW(path.c_str(), &available, &total, &free)) {
    code = static_cast<long>(GetLastError());
    return false;
  }
  space = {available.QuadPart, total.QuadPart, free.QuadPart};
  return true;
}

}  // namespace Utils
