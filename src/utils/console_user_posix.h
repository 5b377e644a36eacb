// The console user from a login-records file (utmpx form): what
// GetConsoleUserName reads on POSIX, open to tests with a file of their own.
#pragma once
#include <string>

namespace Utils {

// The user of the most recent login on a console line ("console", a virtual
// terminal "tty" + digits, or a local display ":" + digits). False when the
// file cannot be read; true with an empty name when no such login is listed.
bool ConsoleUserFromLoginRecords(const std::string& recordsPath, std::wstring& name);

}  // namespace Utils
