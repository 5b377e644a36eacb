// The POSIX answers: root is the administrator, the console user comes from
// the login records.
#include <unistd.h>
#include <utmpx.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "support/test_files.h"
#include "utils/console_user_posix.h"
#include "utils/session_info.h"

namespace {

utmpx Login(short type, const char* line, const char* user, long when) {
  utmpx entry{};
  entry.ut_type = type;
  std::strncpy(entry.ut_line, line, sizeof entry.ut_line);
  std::strncpy(entry.ut_user, user, sizeof entry.ut_user);
  entry.ut_tv.tv_sec = static_cast<decltype(entry.ut_tv.tv_sec)>(when);
  return entry;
}

std::string RecordsFile(const TempFolder& folder, std::initializer_list<utmpx> entries) {
  const std::string path = folder.Path() / "utmp";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const utmpx& entry : entries)
    out.write(reinterpret_cast<const char*>(&entry), sizeof entry);
  return path;
}

TEST(SessionInfoPosix, ConsoleUserIsTheLatestLoginOnAConsoleLine) {
  TempFolder folder;
  std::wstring name = L"untouched";
  const std::string records = RecordsFile(
      folder, {Login(USER_PROCESS, "tty1", "alice", 100), Login(USER_PROCESS, ":0", "bob", 200),
               Login(USER_PROCESS, "pts/3", "remote", 300),   // a terminal window or ssh
               Login(DEAD_PROCESS, "tty2", "gone", 400),      // logged out
               Login(USER_PROCESS, "ttyS0", "serial", 500),   // a serial line
               Login(LOGIN_PROCESS, "tty3", "LOGIN", 600)});
  ASSERT_TRUE(Utils::ConsoleUserFromLoginRecords(records, name));
  EXPECT_EQ(name, L"bob");

  name = L"untouched";
  ASSERT_TRUE(Utils::ConsoleUserFromLoginRecords(
      RecordsFile(folder, {Login(USER_PROCESS, "pts/0", "remote", 1)}), name));
  EXPECT_EQ(name, L"");  // nobody at the console

  name = L"untouched";
  EXPECT_FALSE(Utils::ConsoleUserFromLoginRecords(folder.Path() / "missing", name));
  EXPECT_EQ(name, L"untouched");
}

TEST(SessionInfoPosix, RootIsTheAdministrator) {
  EXPECT_EQ(Utils::IsProcessAdmin(), geteuid() == 0);
  EXPECT_TRUE(Utils::IsUserAdmin(L"root"));
  EXPECT_FALSE(Utils::IsUserAdmin(L"nobody"));
}

}  // namespace
