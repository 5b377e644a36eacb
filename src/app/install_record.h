// Where the product is installed: the registry record an installation leaves
// under HKEY_CURRENT_USER, the default folder derived from it and from who
// runs the installer, and the folder a user's choice stands for.
#pragma once
#include <string>

extern const wchar_t kInstallRecordKey[];  // "Software\KelvraSoft\PXVideoTools"

struct InstallRecord {
  std::wstring InstallPath;  // empty when not recorded
  std::wstring UnInstallEp;
};

// Recomputed by every DefaultInstallFolder; passed on to the setup package.
struct InstallerPrivileges {
  bool ConsoleUserIsAdmin = true;  // the console user's account is an administrator
  bool ProcessIsAdmin = true;      // this process's token is in Administrators
};

// Both fields from the registry; an uninstaller that was not recorded is
// taken to lie in the installation folder ("uninst.ep").
void ReadInstallRecord(InstallRecord& record);

// Records the folder, and the uninstaller (the reported one, else the
// folder's "uninst.ep") only when that file exists; otherwise the recorded
// uninstaller stays as it was.
void WriteInstallRecord(const std::wstring& installFolder, const std::wstring& reportedUninstaller);

// The recorded folder when its uninstaller is still there; otherwise a new
// folder: under the application-data folder for an administrator at the
// console running as administrator, else under program files.
std::wstring DefaultInstallFolder(const InstallRecord& record, InstallerPrivileges& privileges);

// Whether both texts name the same folder (see Utils::RelativeFolderPath).
bool IsSameFolder(const std::wstring& first, const std::wstring& second);

// The default folder when the choice names it; otherwise the product's own
// folder inside the chosen one.
std::wstring InstallFolderFromChoice(const InstallRecord& record, InstallerPrivileges& privileges,
                                     const std::wstring& choice);

// True when installing into `folder` must not run the recorded uninstaller:
// it is the recorded folder and its "set.ini" says IsOverride=false.
bool IsOverrideOff(const InstallRecord& record, const std::wstring& folder);

// The folder's "uninst.ep".
std::wstring DefaultUninstallerPath(const std::wstring& installFolder);
