// The dynamic loader on POSIX never searches the current folder, and the
// installer needs no libraries preloaded: nothing to harden.
#include "app/installer_main.h"

void HardenDllSearch() {}
