#include "app/installer_settings.h"

#include "app/number_text.h"
#include "app/option_map.h"
#include "utils/command_line.h"
#include "utils/files.h"
#include "utils/module_path.h"
#include "utils/platform_info.h"
#include "utils/profile_access.h"

// The package information server lives under the reserved ".example" domain
// until a real one is configured, so a default run reaches nobody's server.
const wchar_t kBuiltInDownloadUrl[] = L"http://packages.pellux.example/software/375";
const wchar_t kSettingsFileName[] = L"KelvraInstallerConfig.ini";

namespace {

constexpr wchar_t kSection[] = L"Install";
constexpr size_t kProfileBuffer = 260;
constexpr wchar_t kAppName[] = L"PXVideoTools";
constexpr wchar_t kAppVersion[] = L"1.7.9";

}  // namespace

// Defined in declaration order, before the loader below, so that static
// initialisation fills them first.
std::wstring InstallerSettings::AppName;
std::wstring InstallerSettings::AppVersion;
std::wstring InstallerSettings::InstallerFileName;
std::wstring InstallerSettings::DlAppNameSuffix;
std::wstring InstallerSettings::DlAppVersion;
std::wstring InstallerSettings::InstCmd;
std::wstring InstallerSettings::DownloadUrl;
int32_t InstallerSettings::DownloadType;
bool InstallerSettings::IsCheckNet;
bool InstallerSettings::IsEnableAppAnalytics;
double InstallerSettings::DownloadScale;
bool InstallerSettings::CurlReady;
int32_t InstallerSettings::Language;
bool InstallerSettings::InsNew;
std::wstring InstallerSettings::AnalyticsUrl;

void InstallerSettings::ApplyDefaults() {
  AppName = kAppName;
  AppVersion = kAppVersion;
  InstallerFileName = L"NULL";
  DlAppNameSuffix = L".downloader";
  DlAppVersion.clear();
  InstCmd.clear();
  DownloadUrl = RouteSelector(kBuiltInDownloadUrl);
  DownloadType = 1;
  IsCheckNet = false;
  IsEnableAppAnalytics = true;
  DownloadScale = 0.7;
  CurlReady = true;
  Language = -1;
  InsNew = false;
  AnalyticsUrl.clear();
}

std::wstring RouteSelector(const std::wstring& address) {
  constexpr wchar_t kPlaceholder[] = L"${ROUTE}";
  if (address.find(kPlaceholder) == std::wstring::npos) return address;
  std::wstring product, version;
  Utils::GetWindowsVersionName(product, version);
  const std::wstring route =
      version.find(L"XP") != std::wstring::npos ? L"download_silent_xp" : L"download_silent";
  std::wstring result = address;
  for (size_t at; (at = result.find(kPlaceholder)) != std::wstring::npos;)
    result.replace(at, std::char_traits<wchar_t>::length(kPlaceholder), route);
  return result;
}

void ReadSettingsFile(const std::wstring& modulePath) {
  InstallerSettings::InstallerFileName = Utils::FileNamePart(modulePath);
  const std::wstring path = Utils::FolderPart(modulePath) + Utils::kPathSeparator + kSettingsFileName;
  if (Utils::FileExists(path)) {
    const auto text = [&](const wchar_t* key, const std::wstring& fallback) {
      return Utils::ReadProfileString(kSection, key, fallback, kProfileBuffer, path);
    };
    InstallerSettings::DownloadUrl = RouteSelector(text(L"DownloadUrl", kBuiltInDownloadUrl));
    InstallerSettings::DownloadType =
        static_cast<int32_t>(Utils::ReadProfileInt(kSection, L"DownloadType", 1, path));
    InstallerSettings::IsCheckNet = text(L"IsCheckNet", L"true") == L"true";
    InstallerSettings::IsEnableAppAnalytics = text(L"IsEnableAppAnalytics", L"true") == L"true";
    InstallerSettings::DlAppNameSuffix = text(L"DlAppNameSuffix", L".downloader");
    InstallerSettings::DlAppVersion = text(L"m_DlAppVersion", L"");
    InstallerSettings::DownloadScale = ParseDecimalPrefix(text(L"DownloadScale", L"0.7")).value_or(0.0);
    InstallerSettings::InstCmd = text(L"InstCmd", L"");
    InstallerSettings::AnalyticsUrl = text(L"AnalyticsUrl", L"");
  }
  InstallerSettings::AppName = kAppName;
  InstallerSettings::AppVersion = kAppVersion;
}

void ReadSettingsFile() { ReadSettingsFile(Utils::ModuleFilePath()); }

void ParseCommandLine(const std::wstring& commandLine) {
  const OptionMap options = OptionMap::FromArguments(Utils::SplitCommandLineBySystem(commandLine));
  using S = InstallerSettings;
  // In this order; values that are no number keep what the field had.
  if (options.Has(L"-downloadurl")) S::DownloadUrl = RouteSelector(options.Text(L"-downloadurl"));
  if (options.Has(L"-downloadtype")) S::DownloadType = options.Integer(L"-downloadtype", S::DownloadType);
  if (options.Has(L"-downloadscale")) S::DownloadScale = options.Decimal(L"-downloadscale", S::DownloadScale);
  if (options.Has(L"-ischecknet")) S::IsCheckNet = options.Boolean(L"-ischecknet");
  if (options.Has(L"-isenableappanalytics"))
    S::IsEnableAppAnalytics = options.Boolean(L"-isenableappanalytics");
  if (options.Has(L"-dlappnamesuffix")) S::DlAppNameSuffix = options.Text(L"-dlappnamesuffix");
  if (options.Has(L"-dlappversion")) S::DlAppVersion = options.Text(L"-dlappversion");
  if (options.Has(L"-instcmd")) S::InstCmd = options.Text(L"-instcmd");
  if (options.Has(L"-language")) S::Language = options.Integer(L"-language", S::Language);
  if (options.Has(L"-insnew")) S::InsNew = options.Boolean(L"-insnew");
}

void ParseCommandLine() { ParseCommandLine(Utils::ProcessCommandLine()); }

namespace {

// Defaults and the settings file are in place before the entry function runs.
[[maybe_unused]] const bool g_settingsLoaded = [] {
  InstallerSettings::ApplyDefaults();
  ReadSettingsFile();
  return true;
}();

}  // namespace
