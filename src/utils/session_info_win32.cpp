#include <windows.h>
#include <lm.h>
#include <wtsapi32.h>

#include "utils/session_info.h"

namespace Utils {

bool IsProcessAdmin() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
    return false;
  BOOL member = FALSE;
  const BOOL checked = CheckTokenMembership(nullptr, administrators, &member);
  FreeSid(administrators);
  return checked && member;
}

bool GetConsoleUserName(std::wstring& name) {
  LPWSTR user = nullptr;
  DWORD bytes = 0;
  if (!WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, WTSGetActiveConsoleSessionId(),
                                   WTSUserName, &user, &bytes) ||
      !user)
    return false;
  name = user;
  WTSFreeMemory(user);
  return true;
}

bool IsUserAdmin(const std::wstring& name) {
  if (name.empty()) return false;
  USER_INFO_1* info = nullptr;
  if (NetUserGetInfo(nullptr, name.c_str(), 1, reinterpret_cast<LPBYTE*>(&info)) != NERR_Success)
    return false;
  const bool admin = info && info->usri1_priv == USER_PRIV_ADMIN;
  if (info) NetApiBufferFree(info);
  return admin;
}

}  // namespace Utils
