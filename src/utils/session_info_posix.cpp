// POSIX has no sessions in the Windows sense: the console user is the one the
// login records list on a console line, and an administrator is root or a
// member of one of the groups that grant sudo on common distributions.
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#include <utmpx.h>

#include <cstring>
#include <vector>

#include "utils/console_user_posix.h"
#include "utils/session_info.h"
#include "utils/text_convert.h"

namespace Utils {
namespace {

bool AllDigits(const char* text) {
  if (!*text) return false;
  for (; *text; ++text)
    if (*text < '0' || *text > '9') return false;
  return true;
}

bool IsConsoleLine(const char* line) {
  return std::strcmp(line, "console") == 0 || (std::strncmp(line, "tty", 3) == 0 && AllDigits(line + 3)) ||
         (line[0] == ':' && AllDigits(line + 1));
}

// utmpx fields are fixed arrays that need not end in a zero.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

}  // namespace

bool ConsoleUserFromLoginRecords(const std::string& recordsPath, std::wstring& name) {
  if (access(recordsPath.c_str(), R_OK) != 0) return false;
  if (utmpxname(recordsPath.c_str()) != 0) return false;
  setutxent();
  std::string user;
  long long latest = -1;
  while (const utmpx* entry = getutxent()) {
    if (entry->ut_type != USER_PROCESS) continue;
    const std::string line = FieldText(entry->ut_line), login = FieldText(entry->ut_user);
    if (login.empty() || !IsConsoleLine(line.c_str())) continue;
    const long long when = static_cast<long long>(entry->ut_tv.tv_sec);
    if (when >= latest) latest = when, user = login;
  }
  endutxent();
  utmpxname(_PATH_UTMPX);  // later readers get the system's file again
  name = NarrowToWide(user, kUtf8CodePage);
  return true;
}

bool IsProcessAdmin() { return geteuid() == 0; }

bool GetConsoleUserName(std::wstring& name) {
  return ConsoleUserFromLoginRecords(_PATH_UTMPX, name);
}

bool IsUserAdmin(const std::wstring& name) {
  if (name.empty()) return false;
  const std::string login = WideToNarrow(name, kUtf8CodePage);
  std::vector<char> buffer(16384);
  passwd account{};
  passwd* found = nullptr;
  if (getpwnam_r(login.c_str(), &account, buffer.data(), buffer.size(), &found) != 0 || !found)
    return false;
  if (account.pw_uid == 0) return true;
  const gid_t primary = account.pw_gid;
  for (const char* groupName : {"sudo", "wheel", "admin"}) {
    std::vector<char> groupBuffer(65536);
    group entry{};
    group* result = nullptr;
    if (getgrnam_r(groupName, &entry, groupBuffer.data(), groupBuffer.size(), &result) != 0 || !result)
      continue;
    if (entry.gr_gid == primary) return true;
    for (char** member = entry.gr_mem; member && *member; ++member)
      if (login == *member) return true;
  }
  return false;
}

}  // namespace Utils
