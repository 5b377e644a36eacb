// The one process-wide settings record of the installer, filled in three
// layers: built-in defaults, then "KelvraInstallerConfig.ini" beside the
// executable (both during static initialisation), then the command line
// (merged once during start-up). Nothing is written back.
#pragma once
#include <cstdint>
#include <string>

struct InstallerSettings {
  static std::wstring AppName;
  static std::wstring AppVersion;
  static std::wstring InstallerFileName;
  static std::wstring DlAppNameSuffix;
  static std::wstring DlAppVersion;
  static std::wstring InstCmd;
  static std::wstring DownloadUrl;
  static int32_t DownloadType;
  static bool IsCheckNet;
  static bool IsEnableAppAnalytics;
  static double DownloadScale;
  static bool CurlReady;
  static int32_t Language;
  static bool InsNew;
  // Collection address for analytics; empty selects the built-in one.
  static std::wstring AnalyticsUrl;

  // Sets every field to its built-in default.
  static void ApplyDefaults();
};

// The package address used when nothing else is configured.
extern const wchar_t kBuiltInDownloadUrl[];
extern const wchar_t kSettingsFileName[];

// Reads the settings file beside the executable, if there is one.
void ReadSettingsFile();
// The same for an executable at `modulePath`.
void ReadSettingsFile(const std::wstring& modulePath);

// Merges this process's command line into the record.
void ParseCommandLine();
void ParseCommandLine(const std::wstring& commandLine);

// Replaces every "${ROUTE}" with the download route for this Windows version.
std::wstring RouteSelector(const std::wstring& address);
