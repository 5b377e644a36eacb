#include "app/local_state_files.h"

#include <clocale>
#include <cwchar>

#include "app/diag_log.h"
#include "utils/module_path.h"
#include "utils/platform_info.h"
#include "utils/profile_access.h"
#include "utils/special_folders.h"
#include "utils/work_folder.h"

namespace {

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
  return folder + Utils::kPathSeparator + name;
}

std::wstring LocalTimeText() {
  const DiagStamp now = CaptureDiagStamp();
  wchar_t text[32];
  swprintf(text, 32, L"%d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
           now.minute, now.second);
  return text;
}

}  // namespace

std::wstring AppDataStateFolder() {
  std::wstring base;
  if (!Utils::GetAppDataFolder(base) && !Utils::GetSpecialFolder(Utils::kCsidlCommonDocuments, base))
    return {};  // a bare "\KelvraData" would land at the root of the drive
  return Joined(Joined(base, L"KelvraData"), L"PXVideoTools");
}

std::wstring AnalyticsStateFile() { return Joined(AppDataStateFolder(), L"QZUsageAnalytics.ini"); }

void WriteLocalStateFiles(const std::wstring& installFolder) {
  const std::wstring settings = Joined(installFolder, L"set.ini");
  // Refused (null) by run times without that locale, which then keep theirs.
  std::setlocale(LC_ALL, "en_GB.UTF-8");

  Utils::WriteProfileString(L"Install", L"APPStore", Utils::FileNamePart(Utils::ModuleFilePath()),
                            settings);
  Utils::WriteProfileString(L"Install", L"AppName", L"PXVideoTools", settings);
  Utils::WriteProfileString(L"Install", L"DeviceID", Utils::NewGuidText(), settings);

  const std::wstring stateFolder = AppDataStateFolder();
  if (stateFolder.empty() || Utils::CreateFolderTree(stateFolder) != 1) return;
  const std::wstring stateFile = Joined(stateFolder, L"QZUsageAnalytics.ini");
  Utils::WriteProfileString(L"Install", L"QZUsageAnalyticsIni", stateFile, settings);
  Utils::WriteProfileString(L"Init", L"UpdateTime", LocalTimeText(), stateFile);
}
