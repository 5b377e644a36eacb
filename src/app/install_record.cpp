#include "app/install_record.h"

#include "utils/files.h"
#include "utils/module_path.h"
#include "utils/profile_access.h"
#include "utils/registry.h"
#include "utils/relative_path.h"
#include "utils/session_info.h"
#include "utils/special_folders.h"

const wchar_t kInstallRecordKey[] = L"Software\\KelvraSoft\\PXVideoTools";

namespace {

constexpr wchar_t kProductFolder[] = L"PXVideoTools";

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
  return folder + Utils::kPathSeparator + name;
}

}  // namespace

std::wstring DefaultUninstallerPath(const std::wstring& installFolder) {
  return Joined(installFolder, L"uninst.ep");
}

void ReadInstallRecord(InstallRecord& record) {
  record = {};
  record.InstallPath = Utils::ReadUserText(kInstallRecordKey, L"InstallPath").value_or(L"");
  record.UnInstallEp = Utils::ReadUserText(kInstallRecordKey, L"UnInstallEp").value_or(L"");
  if (record.UnInstallEp.empty() && !record.InstallPath.empty())
    record.UnInstallEp = DefaultUninstallerPath(record.InstallPath);
}

void WriteInstallRecord(const std::wstring& installFolder, const std::wstring& reportedUninstaller) {
  // Failures are silent: the record is a convenience for the next run.
  Utils::WriteUserText(kInstallRecordKey, L"InstallPath", installFolder);
  const std::wstring uninstaller =
      reportedUninstaller.empty() ? DefaultUninstallerPath(installFolder) : reportedUninstaller;
  if (Utils::FileExists(uninstaller))
    Utils::WriteUserText(kInstallRecordKey, L"UnInstallEp", uninstaller);
}

std::wstring DefaultInstallFolder(const InstallRecord& record, InstallerPrivileges& privileges) {
  privileges = {};
  std::wstring consoleUser;
  Utils::GetConsoleUserName(consoleUser);
  privileges.ConsoleUserIsAdmin = Utils::IsUserAdmin(consoleUser);
  privileges.ProcessIsAdmin = Utils::IsProcessAdmin();

  // An intact earlier installation keeps its folder.
  if (!record.InstallPath.empty() && Utils::FileExists(record.UnInstallEp))
    return record.InstallPath;

  std::wstring base, appData;
  if (privileges.ConsoleUserIsAdmin && privileges.ProcessIsAdmin && Utils::GetAppDataFolder(appData))
    base = Joined(appData, L"kelvra");
  else if (!Utils::GetSpecialFolder(Utils::kCsidlProgramFilesX86, base))
    Utils::GetSpecialFolder(Utils::kCsidlProgramFiles, base);
  // Without any base the bare product name is proposed; the user can change it.
  return base.empty() ? std::wstring(kProductFolder) : Joined(base, kProductFolder);
}

bool IsSameFolder(const std::wstring& first, const std::wstring& second) {
  std::wstring relative;
  return Utils::RelativeFolderPath(first, second, relative) && relative == L".";
}

std::wstring InstallFolderFromChoice(const InstallRecord& record, InstallerPrivileges& privileges,
                                     const std::wstring& choice) {
  const std::wstring defaultFolder = DefaultInstallFolder(record, privileges);
  if (IsSameFolder(defaultFolder, choice)) return defaultFolder;
  std::wstring folder = choice;
  // Windows takes "/" for "\"; on POSIX "\" is an ordinary character.
  if (Utils::kPathSeparator == L'\\')
    for (wchar_t& c : folder)
      if (c == L'/') c = L'\\';
  if (folder.empty() || folder.back() != Utils::kPathSeparator) folder += Utils::kPathSeparator;
  return folder + kProductFolder;
}

bool IsOverrideOff(const InstallRecord& record, const std::wstring& folder) {
  if (!IsSameFolder(record.InstallPath, folder)) return false;
  return Utils::ReadProfileString(L"Uninstall", L"IsOverride", L"true", 20,
                                  Joined(folder, L"set.ini")) == L"false";
}
