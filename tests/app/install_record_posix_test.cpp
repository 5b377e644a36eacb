// POSIX paths: names keep their case and "\" is an ordinary character.
#include <gtest/gtest.h>

#include "app/install_record.h"

namespace {

TEST(InstallRecordPosix, SameFolderOnPosixPaths) {
  EXPECT_TRUE(IsSameFolder(L"/opt/PXVideoTools", L"/opt//PXVideoTools/"));
  EXPECT_TRUE(IsSameFolder(L"/", L"/"));
  EXPECT_FALSE(IsSameFolder(L"/opt/PXVideoTools", L"/opt/pxvideotools"));
  EXPECT_FALSE(IsSameFolder(L"/opt/a", L"opt/a"));  // different roots
  EXPECT_FALSE(IsSameFolder(L"/opt/a/..", L"/opt"));  // nothing is resolved
}

TEST(InstallRecordPosix, ChoiceKeepsBackslashes) {
  InstallerPrivileges privileges;
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, L"/srv/a\\b"), L"/srv/a\\b/PXVideoTools");
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, L"/"), L"/PXVideoTools");
}

}  // namespace
