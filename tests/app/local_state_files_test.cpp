// The files one installation leaves, in a folder of the test's own with the
// application-data folder pointed at it.
#include "app/local_state_files.h"

#include <gtest/gtest.h>

#include <clocale>
#include <regex>
#include <string>

#include "support/scoped_env.h"
#include "support/test_files.h"
#include "utils/files.h"
#include "utils/module_path.h"
#include "utils/profile_access.h"
#include "utils/text_convert.h"

namespace {

using Utils::kPathSeparator;

std::wstring Read(const wchar_t* section, const wchar_t* key, const std::wstring& path) {
  return Utils::ReadProfileString(section, key, L"<none>", 260, path);
}

class LocalStateFiles : public testing::Test {
 protected:
  LocalStateFiles() : locale_(std::setlocale(LC_ALL, nullptr)) {}
  ~LocalStateFiles() override { std::setlocale(LC_ALL, locale_.c_str()); }

  std::wstring InstallFolder() {
    const std::wstring folder = scratch_.File(L"Installed");
    Utils::CreateOneFolder(folder);
    return folder;
  }

  std::string locale_;
  TempFolder scratch_;
  ScopedEnv appData_{L"APPDATA", scratch_.File(L"roaming")};
};

TEST_F(LocalStateFiles, WritesTheSettingsAndTheAnalyticsStamp) {
  const std::wstring stateFolder =
      scratch_.File(L"roaming") + kPathSeparator + L"KelvraData" + kPathSeparator + L"PXVideoTools";
  EXPECT_EQ(AppDataStateFolder(), stateFolder);
  const std::wstring stateFile = stateFolder + kPathSeparator + L"QZUsageAnalytics.ini";
  EXPECT_EQ(AnalyticsStateFile(), stateFile);

  const std::wstring folder = InstallFolder();
  const std::wstring settings = folder + kPathSeparator + L"set.ini";
  WriteLocalStateFiles(folder);
  EXPECT_EQ(Read(L"Install", L"APPStore", settings), Utils::FileNamePart(Utils::ModuleFilePath()));
  EXPECT_EQ(Read(L"Install", L"AppName", settings), L"PXVideoTools");
  const std::wstring device = Read(L"Install", L"DeviceID", settings);
  EXPECT_TRUE(std::regex_match(Utils::WideToNarrow(device, Utils::kUtf8CodePage),
                               std::regex("[0-9A-F]{12}[0-9a-f]{4}[0-9A-F]{16}")))
      << testing::PrintToString(device);
  EXPECT_EQ(Read(L"Install", L"QZUsageAnalyticsIni", settings), stateFile);
  EXPECT_TRUE(std::regex_match(
      Utils::WideToNarrow(Read(L"Init", L"UpdateTime", stateFile), Utils::kUtf8CodePage),
      std::regex("20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));

  // Every write makes a new device id and keeps one entry per key.
  WriteLocalStateFiles(folder);
  EXPECT_NE(Read(L"Install", L"DeviceID", settings), device);
  const std::string bytes = Utils::ReadFileBytes(settings).value_or("");
  EXPECT_EQ(bytes.find("DeviceID="), bytes.rfind("DeviceID="));
}

TEST_F(LocalStateFiles, LocaleIsTakenOnlyWhereTheRunTimeHasIt) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const char* offered = std::setlocale(LC_ALL, "en_GB.UTF-8");
  std::setlocale(LC_ALL, before.c_str());
  WriteLocalStateFiles(InstallFolder());
  const std::string after = std::setlocale(LC_ALL, nullptr);
  EXPECT_EQ(after, offered ? std::string(offered) : before);
  RecordProperty("en_GB.UTF-8", offered ? offered : "(refused)");
  EXPECT_EQ(Read(L"Install", L"AppName", InstallFolder() + kPathSeparator + L"set.ini"), L"PXVideoTools");
}

TEST_F(LocalStateFiles, MissingInstallFolderStillStampsTheAnalyticsState) {
  const std::wstring missing = scratch_.File(L"missing");
  WriteLocalStateFiles(missing);
  EXPECT_FALSE(Utils::FolderExists(missing));
  EXPECT_NE(Read(L"Init", L"UpdateTime", AnalyticsStateFile()), L"<none>");
}

TEST_F(LocalStateFiles, StateFolderThatCannotBeMadeSkipsOnlyTheAnalyticsWrites) {
  WriteBytes(scratch_.File(L"roaming"), "a file where the folder should be");
  const std::wstring folder = InstallFolder();
  const std::wstring settings = folder + kPathSeparator + L"set.ini";
  WriteLocalStateFiles(folder);
  EXPECT_EQ(Read(L"Install", L"AppName", settings), L"PXVideoTools");
  EXPECT_EQ(Read(L"Install", L"QZUsageAnalyticsIni", settings), L"<none>");
}

}  // namespace
