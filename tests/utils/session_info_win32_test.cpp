// What the system answers for this process and its console session.
#include <windows.h>
#include <lm.h>

#include <gtest/gtest.h>

#include "utils/session_info.h"

namespace {

TEST(SessionInfoWin32, ConsoleSessionIsOurs) {
  std::wstring name;
  ASSERT_TRUE(Utils::GetConsoleUserName(name));
  wchar_t user[UNLEN + 1] = {};
  DWORD size = UNLEN + 1;
  ASSERT_TRUE(GetUserNameW(user, &size));
  EXPECT_EQ(name, user);
  // Recorded for the log: the answers the default folder is built on.
  RecordProperty("ConsoleUserIsAdmin", Utils::IsUserAdmin(name) ? "true" : "false");
  RecordProperty("ProcessIsAdmin", Utils::IsProcessAdmin() ? "true" : "false");
}

TEST(SessionInfoWin32, AdministratorsGroupMatchesTheToken) {
  // The token's groups, read without the membership check.
  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  DWORD size = 0;
  GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  ASSERT_TRUE(GetTokenInformation(token, TokenGroups, buffer.data(), size, &size));
  CloseHandle(token);
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID admins = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                       0, 0, 0, 0, 0, 0, &admins));
  bool inGroup = false;
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
  for (DWORD i = 0; i < groups->GroupCount; ++i)
    if (EqualSid(groups->Groups[i].Sid, admins) && (groups->Groups[i].Attributes & SE_GROUP_ENABLED))
      inGroup = true;
  FreeSid(admins);
  EXPECT_EQ(Utils::IsProcessAdmin(), inGroup);
}

}  // namespace
