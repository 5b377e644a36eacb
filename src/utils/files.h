// File-system queries shared by the installer.
#pragma once
#include <string>

namespace Utils {

bool FileExists(const std::wstring& path);

}  // namespace Utils
