// The installer's whole run, from start-up to teardown; the platform entry
// points call it with the module handle (none on POSIX).
#pragma once

// 0 after a normal run, -1 when another copy already runs.
int InstallerMain(void* instance);

// Platform side: restricts where system libraries are loaded from and loads
// the ones the installer needs from the system folder.
void HardenDllSearch();
