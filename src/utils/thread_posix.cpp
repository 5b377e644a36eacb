// POSIX threads carry a kernel tid and a name of at most 15 bytes, set through
// pthread_setname_np.
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "utils/thread_platform.h"

namespace Utils::thread_platform {

namespace {
constexpr size_t kNameLimit = 15;  // the kernel's 16 bytes less the terminator
}

uint32_t CurrentThreadId() { return static_cast<uint32_t>(syscall(SYS_gettid)); }

void AnnounceThreadName(std::thread& thread, uint32_t, const std::string& name) {
  std::string shortName = name.substr(0, kNameLimit);
  // Cut before a partial UTF-8 sequence, so tools show valid text.
  if (name.size() > kNameLimit) {
    size_t end = kNameLimit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    shortName = name.substr(0, end);
  }
  pthread_setname_np(thread.native_handle(), shortName.c_str());
}

}  // namespace Utils::thread_platform
