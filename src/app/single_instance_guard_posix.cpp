// The lock file lives in the user's runtime folder (one per logon session),
// or in /tmp with the user id in its name.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/single_instance_guard.h"
#include "utils/text_convert.h"

namespace {

std::string LockFilePath(const std::wstring& name) {
  const std::string file = Utils::WideToNarrow(name, Utils::kUtf8CodePage);
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/" + file + ".lock";
  return "/tmp/" + file + "-" + std::to_string(getuid()) + ".lock";
}

}  // namespace

bool SingleInstanceGuard::Take() {
  const int fd = open(LockFilePath(name_).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  handle_ = reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
  return true;
}

void SingleInstanceGuard::Release() {
  if (!handle_) return;
  const int fd = static_cast<int>(reinterpret_cast<intptr_t>(handle_) - 1);
  flock(fd, LOCK_UN);
  close(fd);
  handle_ = nullptr;
}
