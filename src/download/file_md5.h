// The digest of a downloaded file, and the expected digest its address
// carries as the folder name in front of the file name.
#pragma once
#include <string>

// Lowercase hex digest of the file's content; empty when the path is empty,
// the file cannot be opened or reading fails. Never throws. The narrow path
// is in the ANSI code page.
std::string GetFileMd5(const std::string& path);
// The same for a wide path, which reaches the file whatever its script.
std::string GetFileMd5(const std::wstring& path);

// The text between the next-to-last and the last "/" of the address; empty
// when the address has fewer than two "/".
std::string GetUrlMd5(const std::string& url);
