// The install record on the real registry (Windows) or the file store
// (POSIX), and the folders derived from it. Each test owns the record's key
// and points the store and the application-data folder at its own folder.
#include "app/install_record.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/test_files.h"
#include "utils/files.h"
#include "utils/module_path.h"
#include "utils/registry.h"
#include "utils/session_info.h"
#include "utils/special_folders.h"
#include "utils/utf16_bytes.h"

namespace {

using Utils::kPathSeparator;

class InstallRecordTest : public testing::Test {
 protected:
  InstallRecordTest() { Utils::DeleteUserKeyTree(kInstallRecordKey); }
  ~InstallRecordTest() override { Utils::DeleteUserKeyTree(kInstallRecordKey); }

  // A folder of this test's, optionally with an uninstaller in it.
  std::wstring Folder(const std::wstring& name, bool withUninstaller) {
    const std::wstring folder = scratch_.File(name);
    Utils::CreateOneFolder(folder);
    if (withUninstaller) WriteBytes(DefaultUninstallerPath(folder), "MZ");
    return folder;
  }
  InstallRecord Read() {
    InstallRecord record{L"stale", L"stale"};
    ReadInstallRecord(record);
    return record;
  }

  TempFolder scratch_;
  ScopedEnv store_{L"KELVRA_REGISTRY_ROOT", scratch_.File(L"registry")};
  ScopedEnv appData_{L"APPDATA", scratch_.File(L"appdata")};
};

TEST_F(InstallRecordTest, NothingRecordedReadsEmpty) {
  const InstallRecord record = Read();
  EXPECT_EQ(record.InstallPath, L"");
  EXPECT_EQ(record.UnInstallEp, L"");
}

TEST_F(InstallRecordTest, WritesBothValuesAsTextWithoutTerminator) {
  const std::wstring folder = Folder(L"Apps", true);
  WriteInstallRecord(folder, L"");
  for (const auto& [name, text] : {std::pair{L"InstallPath", folder},
                                   std::pair{L"UnInstallEp", DefaultUninstallerPath(folder)}}) {
    const auto value = Utils::ReadUserValue(kInstallRecordKey, name);
    ASSERT_TRUE(value.has_value()) << name;
    EXPECT_EQ(value->type, Utils::kRegSz);
    // Wine's registry adds the terminator the installer leaves out.
    EXPECT_TRUE(value->bytes == Utils::WideToUtf16Bytes(text) ||
                value->bytes == Utils::WideToUtf16Bytes(text) + std::string(2, '\0'));
  }
  const InstallRecord record = Read();
  EXPECT_EQ(record.InstallPath, folder);
  EXPECT_EQ(record.UnInstallEp, DefaultUninstallerPath(folder));
}

TEST_F(InstallRecordTest, OnlyTheFolderRecordedGivesItsUninstaller) {
  Utils::WriteUserText(kInstallRecordKey, L"InstallPath", L"D:\\Apps\\PXVideoTools");
  const InstallRecord record = Read();
  EXPECT_EQ(record.InstallPath, L"D:\\Apps\\PXVideoTools");
  EXPECT_EQ(record.UnInstallEp, std::wstring(L"D:\\Apps\\PXVideoTools") + kPathSeparator + L"uninst.ep");
}

TEST_F(InstallRecordTest, ValuesOfAnyTypeAndWithTerminatorReadRight) {
  Utils::WriteUserValue(kInstallRecordKey, L"InstallPath",
                        {Utils::kRegExpandSz, Utils::WideToUtf16Bytes(L"C:\\P") + std::string(2, '\0')});
  Utils::WriteUserValue(kInstallRecordKey, L"UnInstallEp",
                        {Utils::kRegBinary, Utils::WideToUtf16Bytes(L"C:\\P\\u.ep")});
  const InstallRecord record = Read();
  EXPECT_EQ(record.InstallPath, L"C:\\P");
  EXPECT_EQ(record.UnInstallEp, L"C:\\P\\u.ep");
}

TEST_F(InstallRecordTest, UninstallerIsRecordedOnlyWhenItExists) {
  const std::wstring old = Folder(L"Old", true);
  WriteInstallRecord(old, L"");
  // No uninstaller reported and none left in the folder: the old one stays.
  const std::wstring bare = Folder(L"Bare", false);
  WriteInstallRecord(bare, L"");
  EXPECT_EQ(Read().InstallPath, bare);
  EXPECT_EQ(Read().UnInstallEp, DefaultUninstallerPath(old));
  // A reported one that is not there is not recorded either.
  WriteInstallRecord(bare, scratch_.File(L"missing.ep"));
  EXPECT_EQ(Read().UnInstallEp, DefaultUninstallerPath(old));
  // A reported one that is there wins over the folder's.
  const std::wstring reported = scratch_.File(L"reported.ep");
  WriteBytes(reported, "MZ");
  WriteInstallRecord(Folder(L"New", true), reported);
  EXPECT_EQ(Read().UnInstallEp, reported);
}

TEST_F(InstallRecordTest, DefaultFolderKeepsOnlyAnIntactInstallation) {
  InstallerPrivileges privileges{false, false};
  const std::wstring fresh = DefaultInstallFolder({}, privileges);
  EXPECT_EQ(privileges.ProcessIsAdmin, Utils::IsProcessAdmin());
  std::wstring consoleUser;
  Utils::GetConsoleUserName(consoleUser);
  EXPECT_EQ(privileges.ConsoleUserIsAdmin, Utils::IsUserAdmin(consoleUser));
  std::wstring base;
  if (privileges.ConsoleUserIsAdmin && privileges.ProcessIsAdmin)
    base = scratch_.File(L"appdata") + kPathSeparator + L"kelvra";
  else
    ASSERT_TRUE(Utils::GetSpecialFolder(Utils::kCsidlProgramFilesX86, base));
  EXPECT_EQ(fresh, base + kPathSeparator + L"PXVideoTools");

  const std::wstring folder = Folder(L"Installed", true);
  WriteInstallRecord(folder, L"");
  EXPECT_EQ(DefaultInstallFolder(Read(), privileges), folder);
  // The uninstaller was deleted: the folder is chosen afresh.
  ASSERT_TRUE(std::filesystem::remove(std::filesystem::path(DefaultUninstallerPath(folder))));
  EXPECT_EQ(DefaultInstallFolder(Read(), privileges), fresh);
}

TEST_F(InstallRecordTest, SameFolderRule) {
  const std::wstring root = scratch_.Path().wstring();
  const std::wstring a = root + kPathSeparator + L"A";
  const struct {
    std::wstring first, second;
    bool same;
  } cases[] = {
      {a, a, true},
      {a, a + kPathSeparator, true},
      {a + kPathSeparator, a, true},
      {a, a + kPathSeparator + kPathSeparator, true},
      {a, a + kPathSeparator + L"B", false},
      {a + kPathSeparator + L"B", a, false},
      {a, root + kPathSeparator + L"AB", false},
      {L"", a, false},
      {a, L"", false},
      {L"", L"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsSameFolder(c.first, c.second), c.same) << testing::PrintToString(c.first) << " / "
                                                       << testing::PrintToString(c.second);
}

TEST_F(InstallRecordTest, ChosenFolderGetsTheProductFolderUnlessItIsTheDefault) {
  InstallerPrivileges privileges;
  const std::wstring fresh = DefaultInstallFolder({}, privileges);
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, fresh), fresh);
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, fresh + kPathSeparator), fresh);
  const std::wstring apps = scratch_.File(L"Apps");
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, apps), apps + kPathSeparator + L"PXVideoTools");
  EXPECT_EQ(InstallFolderFromChoice({}, privileges, apps + kPathSeparator),
            apps + kPathSeparator + L"PXVideoTools");
}

TEST_F(InstallRecordTest, OverrideIsOffOnlyForFalseInTheRecordedFolder) {
  const std::wstring folder = Folder(L"Installed", true);
  const InstallRecord record{folder, DefaultUninstallerPath(folder)};
  const std::wstring settings = folder + kPathSeparator + L"set.ini";
  EXPECT_FALSE(IsOverrideOff(record, folder));  // no set.ini: "true"
  const struct {
    const char* file;
    bool off;
  } cases[] = {
      {"[Uninstall]\r\nIsOverride=false\r\n", true},
      {"[uninstall]\r\nisoverride = false \r\n", true},
      {"[Uninstall]\r\nIsOverride=FALSE\r\n", false},
      {"[Uninstall]\r\nIsOverride=False\r\n", false},
      {"[Uninstall]\r\nIsOverride=0\r\n", false},
      {"[Install]\r\nIsOverride=false\r\n", false},
  };
  for (const auto& c : cases) {
    WriteBytes(settings, c.file);
    EXPECT_EQ(IsOverrideOff(record, folder), c.off) << c.file;
    EXPECT_EQ(IsOverrideOff(record, folder + kPathSeparator), c.off) << c.file;
  }
  WriteBytes(settings, "[Uninstall]\r\nIsOverride=false\r\n");
  EXPECT_FALSE(IsOverrideOff(record, Folder(L"Other", false)));
  EXPECT_FALSE(IsOverrideOff({}, folder));
}

}  // namespace
