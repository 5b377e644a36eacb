#include <sys/stat.h>

#include "utils/files.h"
#include "utils/text_convert.h"

namespace Utils {

bool FileExists(const std::wstring& path) {
  struct stat info {};
  return stat(WideToNarrow(path, kUtf8CodePage).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace Utils
