// Process-wide skin state of the toolkit: the executable module whose
// resources hold the skin, and which archive reader the toolkit uses.
#pragma once

namespace SkinUI {

void SetSkinModule(void* module);
void* SkinModule();

// On selects the 7z reader for skin archives.
void UseSevenZipArchives(bool on);
bool SevenZipArchivesInUse();

}  // namespace SkinUI
