// Free space of the drive (Windows) or file system (POSIX) that holds a path.
#pragma once
#include <cstdint>
#include <string>

namespace Utils {

class HardDiskManager {
 public:
  virtual ~HardDiskManager() = default;

  // Fills the three counts; on failure writes one diagnostic line with the
  // system's error code and leaves them as they were.
  bool CheckFreeSpace(const std::wstring& path);

  uint64_t FreeBytesAvailable() const { return freeBytesAvailable_; }
  uint64_t TotalBytes() const { return totalBytes_; }
  uint64_t TotalFreeBytes() const { return totalFreeBytes_; }

 private:
  uint64_t freeBytesAvailable_ = 0;  // to this caller
  uint64_t totalBytes_ = 0;
  uint64_t totalFreeBytes_ = 0;
};

struct DiskSpace {
  uint64_t freeBytesAvailable = 0;
  uint64_t totalBytes = 0;
  uint64_t totalFreeBytes = 0;
};

// Platform side: GetDiskFreeSpaceExW or statvfs; false with GetLastError or
// errno in `code`.
bool QueryDiskSpace(const std::wstring& path, DiskSpace& space, long& code);

}  // namespace Utils
