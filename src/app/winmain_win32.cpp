#include <windows.h>

#include "app/installer_main.h"

// The command-line argument is ignored: the settings read the command line
// themselves.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return InstallerMain(instance); }
