#include "app/installer_main.h"

int main() { return InstallerMain(nullptr); }
