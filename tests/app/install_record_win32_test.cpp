// The Windows path forms: drives, case and "/" in the user's choice.
#include <gtest/gtest.h>

#include "app/install_record.h"

namespace {

TEST(InstallRecordWin32, SameFolderOnWindowsPaths) {
  EXPECT_TRUE(IsSameFolder(L"C:\\Apps\\PXVideoTools", L"c:\\APPS\\pxvideotools"));
  EXPECT_TRUE(IsSameFolder(L"C:\\Apps", L"C:\\Apps\\"));
  EXPECT_TRUE(IsSameFolder(L"C:\\", L"C:\\"));
  EXPECT_FALSE(IsSameFolder(L"C:\\Apps", L"D:\\Apps"));
  EXPECT_FALSE(IsSameFolder(L"", L"C:\\Apps"));
}

TEST(InstallRecordWin32, ChoiceOnAnotherDriveAndWithSlashes) {
  InstallerPrivileges privileges;
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, L"Y:\\Apps"), L"Y:\\Apps\\PXVideoTools");
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, L"Y:/Apps/Video/"), L"Y:\\Apps\\Video\\PXVideoTools");
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, L"Y:\\"), L"Y:\\PXVideoTools");
}

}  // namespace
