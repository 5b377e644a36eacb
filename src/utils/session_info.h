// Who runs the installer and who sits at the console: the privilege and
// session queries behind the default folder and the setup's command line.
// None of them throws; every failure reads as false.
#pragma once
#include <string>

namespace Utils {

// Whether this process's token is a member of the local Administrators group
// (POSIX: the effective user is root).
bool IsProcessAdmin();

// The user name of the active console session; false leaves `name` as it
// was. True with an empty name when nobody is logged on at the console.
bool GetConsoleUserName(std::wstring& name);

// Whether the local account has the administrator privilege level; false for
// an empty name or an account that cannot be looked up.
bool IsUserAdmin(const std::wstring& name);

}  // namespace Utils
