#include "app/installer_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "support/test_files.h"
#include "utils/module_path.h"
#include "utils/platform_info.h"

namespace {

using S = InstallerSettings;

struct SettingsCase {
  const char* name;
  std::optional<std::string> settingsFile;  // none: no file beside the installer
  const wchar_t* arguments;                 // after the program path
  std::function<void()> check;
};

// Settings as the installer sees them with this file beside it and these
// arguments, on Windows 10.
void Apply(const SettingsCase& c) {
  TempFolder folder;
  if (c.settingsFile) WriteBytes(folder.File(kSettingsFileName), *c.settingsFile);
  S::ApplyDefaults();
  ReadSettingsFile(folder.File(L"KelvraInstaller.exe"));
  ParseCommandLine(std::wstring(L"\"") + folder.File(L"KelvraInstaller.exe") + L"\" " + c.arguments);
}

TEST(InstallerSettings, LayersAndConversions) {
  Utils::SetWindowsVersionReaderForTesting([] { return Utils::WindowsVersionNumbers{true, 10, 0, 19045}; });
  const std::string section = "[Install]\r\n";
  const SettingsCase cases[] = {
      {"built-in defaults", std::nullopt, L"", [] {
         EXPECT_EQ(S::AppName, L"PXVideoTools");
         EXPECT_EQ(S::AppVersion, L"1.7.9");
         EXPECT_EQ(S::InstallerFileName, L"KelvraInstaller.exe");
         EXPECT_EQ(S::DlAppNameSuffix, L".downloader");
         EXPECT_EQ(S::DownloadUrl, kBuiltInDownloadUrl);
         EXPECT_EQ(S::DownloadType, 1);
         EXPECT_FALSE(S::IsCheckNet);
         EXPECT_TRUE(S::IsEnableAppAnalytics);
         EXPECT_DOUBLE_EQ(S::DownloadScale, 0.7);
         EXPECT_EQ(S::Language, -1);
         EXPECT_FALSE(S::InsNew);
         EXPECT_TRUE(S::CurlReady);
         EXPECT_EQ(S::AnalyticsUrl, L"");
       }},
      {"file with only the section", section, L"", [] {
         EXPECT_TRUE(S::IsCheckNet);
         EXPECT_TRUE(S::IsEnableAppAnalytics);
         EXPECT_EQ(S::DownloadType, 1);
         EXPECT_DOUBLE_EQ(S::DownloadScale, 0.7);
         EXPECT_EQ(S::DownloadUrl, kBuiltInDownloadUrl);
       }},
      {"file values", section + "DownloadUrl=http://127.0.0.1:8080/software/375\r\nDownloadType=3\r\n"
                                "DlAppNameSuffix=.dl\r\nm_DlAppVersion=2.0\r\nInstCmd=/X\r\n"
                                "AnalyticsUrl=http://127.0.0.1:9/sa\r\nAppName=Other\r\nAppVersion=9\r\n",
       L"", [] {
         EXPECT_EQ(S::DownloadUrl, L"http://127.0.0.1:8080/software/375");
         EXPECT_EQ(S::DownloadType, 3);
         EXPECT_EQ(S::DlAppNameSuffix, L".dl");
         EXPECT_EQ(S::DlAppVersion, L"2.0");
         EXPECT_EQ(S::InstCmd, L"/X");
         EXPECT_EQ(S::AnalyticsUrl, L"http://127.0.0.1:9/sa");
         EXPECT_EQ(S::AppName, L"PXVideoTools");  // never from the file
         EXPECT_EQ(S::AppVersion, L"1.7.9");
       }},
      {"scale of letters", section + "DownloadScale=abc\r\n", L"", [] { EXPECT_DOUBLE_EQ(S::DownloadScale, 0.0); }},
      {"scale then a letter", section + "DownloadScale=0.5x\r\n", L"", [] { EXPECT_DOUBLE_EQ(S::DownloadScale, 0.5); }},
      {"TRUE in capitals", section + "IsCheckNet=TRUE\r\nIsEnableAppAnalytics=1\r\n", L"", [] {
         EXPECT_FALSE(S::IsCheckNet);
         EXPECT_FALSE(S::IsEnableAppAnalytics);
       }},
      {"type of letters in the file", section + "DownloadType=abc\r\n", L"", [] { EXPECT_EQ(S::DownloadType, 0); }},
      {"value cut to 259", section + "InstCmd=" + std::string(300, 'q') + "\r\n", L"", [] {
         EXPECT_EQ(S::InstCmd, std::wstring(259, L'q'));
       }},
      {"first occurrence wins", std::nullopt, L"-downloadtype=3 -downloadtype=2", [] { EXPECT_EQ(S::DownloadType, 3); }},
      {"type of letters", std::nullopt, L"-downloadtype=abc", [] { EXPECT_EQ(S::DownloadType, 0); }},
      {"type out of range keeps the file's", section + "DownloadType=3\r\n", L"-downloadtype=99999999999", [] {
         EXPECT_EQ(S::DownloadType, 3);
       }},
      {"language", std::nullopt, L"-language=2", [] { EXPECT_EQ(S::Language, 2); }},
      {"language out of range keeps -1", std::nullopt, L"-language=-2147483649", [] { EXPECT_EQ(S::Language, -1); }},
      {"insnew alone", std::nullopt, L"-insnew", [] { EXPECT_FALSE(S::InsNew); }},
      {"insnew true", std::nullopt, L"-insnew=true", [] { EXPECT_TRUE(S::InsNew); }},
      {"scale not a number keeps the file's", section + "DownloadScale=0.6\r\n", L"-downloadscale=abc", [] {
         EXPECT_DOUBLE_EQ(S::DownloadScale, 0.6);
       }},
      {"scale from the command line", std::nullopt, L"\"-downloadscale= 0.25e1xyz\"", [] {
         EXPECT_DOUBLE_EQ(S::DownloadScale, 2.5);
       }},
      {"route placeholders and a query", std::nullopt,
       L"\"-downloadurl=http://h/${ROUTE}/a/${ROUTE}?x=1&y=2\"", [] {
         EXPECT_EQ(S::DownloadUrl, L"http://h/download_silent/a/download_silent?x=1&y=2");
       }},
      {"empty address clears it", std::nullopt, L"-downloadurl=", [] { EXPECT_EQ(S::DownloadUrl, L""); }},
      {"analytics off on the command line", section, L"-isenableappanalytics=false -ischecknet=true", [] {
         EXPECT_FALSE(S::IsEnableAppAnalytics);
         EXPECT_TRUE(S::IsCheckNet);
       }},
      {"texts and unknown keys", std::nullopt,
       L"-dlappnamesuffix=.x -dlappversion=3.1 \"-instcmd=/D=C:\\a b\" -unknown=1 plain", [] {
         EXPECT_EQ(S::DlAppNameSuffix, L".x");
         EXPECT_EQ(S::DlAppVersion, L"3.1");
         EXPECT_EQ(S::InstCmd, L"/D=C:\\a b");
       }},
      {"file address through the route", section + "DownloadUrl=http://h/${ROUTE}\r\n", L"", [] {
         EXPECT_EQ(S::DownloadUrl, L"http://h/download_silent");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Apply(c);
    c.check();
  }
  Utils::SetWindowsVersionReaderForTesting(nullptr);
  S::ApplyDefaults();
}

TEST(InstallerSettings, RouteFollowsTheWindowsVersion) {
  struct RouteCase {
    Utils::WindowsVersionNumbers version;
    const wchar_t* route;
  };
  const RouteCase cases[] = {
      {{true, 5, 1, 2600}, L"download_silent_xp"},   // XP
      {{true, 4, 0, 0}, L"download_silent_xp"},      // XP-
      {{true, 5, 3, 0}, L"download_silent_xp"},      // XP+
      {{false, 0, 0, 0}, L"download_silent_xp"},     // unreadable
      {{true, 5, 2, 3790}, L"download_silent"},      // Server 2003
      {{true, 6, 1, 7601}, L"download_silent"},
      {{true, 10, 0, 19045}, L"download_silent"},
  };
  for (const auto& c : cases) {
    Utils::SetWindowsVersionReaderForTesting([&] { return c.version; });
    EXPECT_EQ(RouteSelector(L"${ROUTE}|${ROUTE}"), std::wstring(c.route) + L"|" + c.route);
  }
  Utils::SetWindowsVersionReaderForTesting(nullptr);
  EXPECT_EQ(RouteSelector(L"http://h/no/placeholder"), L"http://h/no/placeholder");
}

}  // namespace
