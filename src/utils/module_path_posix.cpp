#include <limits.h>
#include <unistd.h>

#include "utils/module_path.h"
#include "utils/text_convert.h"

namespace Utils {

const wchar_t kPathSeparator = L'/';

std::wstring ModuleFilePath() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0) return {};
  return NarrowToWide(std::string(path, static_cast<size_t>(length)), kUtf8CodePage);
}

}  // namespace Utils
