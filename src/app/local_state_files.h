// The small settings files an installation leaves: "set.ini" in the
// installation folder and the installer's entry in the analytics state file
// under the user's application-data folder.
#pragma once
#include <string>

// The application-data folder (else the common documents folder) followed by
// "KelvraData" and "PXVideoTools"; empty when neither folder is known.
std::wstring AppDataStateFolder();

// AppDataStateFolder's "QZUsageAnalytics.ini".
std::wstring AnalyticsStateFile();

// Writes "APPStore", "AppName" and a fresh "DeviceID" into "set.ini" of the
// folder, and, when the state folder can be created, "QZUsageAnalyticsIni"
// there and the local time as "UpdateTime" into the state file. Failures are
// silent. Also asks for the C run-time locale "en_GB.UTF-8" for the rest of
// the run; a run time without it keeps its locale.
void WriteLocalStateFiles(const std::wstring& installFolder);
