// Program files (both forms) are ~/.local/opt, the user's own software root;
// the common documents folder is ~/Documents. Paths longer than the Windows
// limit count as unknown, as they would there.
#include <cstdlib>

#include "utils/special_folders.h"
#include "utils/text_convert.h"

namespace Utils {
namespace {

constexpr size_t kMaxPath = 260;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : "";
}

bool Answer(const std::string& folder, std::wstring& path) {
  if (folder.empty()) return false;
  const std::wstring wide = NarrowToWide(folder, kUtf8CodePage);
  if (wide.size() >= kMaxPath) return false;
  path = wide;
  return true;
}

}  // namespace

bool GetSpecialFolder(int csidl, std::wstring& path) {
  const std::string home = Environment("HOME");
  if (home.empty()) return false;
  switch (csidl) {
    case kCsidlProgramFiles:
    case kCsidlProgramFilesX86:
      return Answer(home + "/.local/opt", path);
    case kCsidlCommonDocuments:
      return Answer(home + "/Documents", path);
    default:
      return false;
  }
}

bool GetAppDataFolder(std::wstring& path) {
  if (!Environment("APPDATA").empty()) return Answer(Environment("APPDATA"), path);
  if (!Environment("XDG_DATA_HOME").empty()) return Answer(Environment("XDG_DATA_HOME"), path);
  if (!Environment("HOME").empty()) return Answer(Environment("HOME") + "/.local/share", path);
  return false;
}

}  // namespace Utils
