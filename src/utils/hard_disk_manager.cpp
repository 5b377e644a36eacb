#include "utils/hard_disk_manager.h"

#include "app/diag_log.h"

namespace Utils {

bool HardDiskManager::CheckFreeSpace(const std::wstring& path) {
  DiskSpace space;
  long code = 0;
  if (!QueryDiskSpace(path, space, code)) {
    DIAG_LOG(L"HardDiskManager::CheckFreeSpace FAIL code=%ld\r\n", code);
    return false;
  }
  freeBytesAvailable_ = space.freeBytesAvailable;
  totalBytes_ = space.totalBytes;
  totalFreeBytes_ = space.totalFreeBytes;
  return true;
}

}  // namespace Utils
