// A drive letter that does not exist, against the system's own answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/diag_capture.h"
#include "utils/hard_disk_manager.h"

namespace {

TEST(HardDiskManagerWin32, MissingDriveReportsTheSystemCode) {
  wchar_t drive[] = L"?:";
  const DWORD drives = GetLogicalDrives();
  for (wchar_t letter = L'Q'; letter <= L'Y' && drive[0] == L'?'; ++letter)
    if (!(drives & (1u << (letter - L'A')))) drive[0] = letter;
  ASSERT_NE(drive[0], L'?');
  Utils::HardDiskManager disk;
  DiagCapture capture;
  EXPECT_FALSE(disk.CheckFreeSpace(drive));
  ULARGE_INTEGER a, b, c;
  ASSERT_FALSE(GetDiskFreeSpaceExW(drive, &a, &b, &c));
  const std::wstring code = std::to_wstring(GetLastError());
  const auto lines = capture.Lines();
  ASSERT_EQ(lines.size(), 1u);
  const std::wstring tail = L"(Utils::HardDiskManager::CheckFreeSpace)";
  EXPECT_NE(lines[0].find(tail), std::wstring::npos) << lines[0];
  const std::wstring message = L": HardDiskManager::CheckFreeSpace FAIL code=" + code + L"\r\n";
  ASSERT_GE(lines[0].size(), message.size());
  EXPECT_EQ(lines[0].substr(lines[0].size() - message.size()), message);
  EXPECT_EQ(disk.TotalBytes(), 0u);
}

}  // namespace
