// There is no Windows version to read on POSIX: the reading reports that the
// system library is missing, which names the version "XP-" as on a Windows
// whose version cannot be read.
#include <sys/random.h>
#include <sys/utsname.h>

#include <cstring>
#include <random>

#include "utils/platform_info.h"

namespace Utils {

WindowsVersionNumbers ReadWindowsVersionNumbers() { return {}; }

GuidFields CreateSystemGuid() {
  uint8_t bytes[16];
  if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
    std::random_device device;
    for (auto& b : bytes) b = static_cast<uint8_t>(device());
  }
  bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  GuidFields fields;
  fields.data1 = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) |
                 (uint32_t{bytes[2]} << 8) | bytes[3];
  fields.data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  fields.data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(fields.data4, bytes + 8, 8);
  return fields;
}

bool Is64BitWindows() {
  utsname name{};
  if (uname(&name) != 0) return sizeof(void*) == 8;
  return std::strcmp(name.machine, "x86_64") == 0 || std::strcmp(name.machine, "aarch64") == 0 ||
         std::strcmp(name.machine, "ia64") == 0;
}

}  // namespace Utils
