#include "utils/hard_disk_manager.h"

#include <gtest/gtest.h>

#include "support/diag_capture.h"
#include "support/test_files.h"

namespace {

const std::wstring kLineStart = L"(Utils::HardDiskManager::CheckFreeSpace)<";
const std::wstring kMessage = L": HardDiskManager::CheckFreeSpace FAIL code=";

// The code the one failure line reports, or -1 when there is no such line.
long FailureCode(const DiagCapture& capture) {
  const auto lines = capture.Lines();
  if (lines.size() != 1) return -1;
  const std::wstring& line = lines[0];
  const size_t tag = line.find(kLineStart), message = line.find(kMessage);
  if (tag == std::wstring::npos || message == std::wstring::npos || line.size() < 2 ||
      line.substr(line.size() - 2) != L"\r\n")
    return -1;
  return std::stol(line.substr(message + kMessage.size()));
}

TEST(HardDiskManager, ReadsTheFreeSpaceOfAFolder) {
  TempFolder folder;
  Utils::HardDiskManager disk;
  EXPECT_EQ(disk.FreeBytesAvailable(), 0u);
  ASSERT_TRUE(disk.CheckFreeSpace(folder.Path().wstring()));
  EXPECT_GT(disk.TotalBytes(), 0u);
  EXPECT_LE(disk.FreeBytesAvailable(), disk.TotalFreeBytes());
  EXPECT_LE(disk.TotalFreeBytes(), disk.TotalBytes());
}

TEST(HardDiskManager, MissingPathWritesTheFailureAndKeepsTheCounts) {
  TempFolder folder;
  Utils::HardDiskManager disk;
  ASSERT_TRUE(disk.CheckFreeSpace(folder.Path().wstring()));
  const uint64_t total = disk.TotalBytes();
  DiagCapture capture;
  EXPECT_FALSE(disk.CheckFreeSpace(folder.File(L"missing")));
  EXPECT_GT(FailureCode(capture), 0);
  EXPECT_EQ(disk.TotalBytes(), total);

  Utils::HardDiskManager fresh;
  EXPECT_FALSE(fresh.CheckFreeSpace(L""));
  EXPECT_EQ(fresh.TotalBytes(), 0u);
  EXPECT_EQ(fresh.FreeBytesAvailable(), 0u);
}

}  // namespace
