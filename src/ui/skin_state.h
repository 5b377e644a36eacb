// Process-wide skin state of the toolkit: the executable module whose
// resources hold the skin, which archive reader the toolkit uses, and where
// the skin's files come from (a folder, or the archive decoded from memory).
// Used on the UI thread only, so it has no lock.
#pragma once
#include <string>

#include "ui/skin_archive.h"

namespace SkinUI {

// The archive name once the archive came from memory.
inline constexpr wchar_t kMemoryArchiveName[] = L"membuffer";

void SetSkinModule(void* module);
void* SkinModule();

// On selects the 7z reader for skin archives.
void UseSevenZipArchives(bool on);
bool SevenZipArchivesInUse();

// A non-empty path without a trailing "\" or "/" gets the system's separator.
void SetSkinFolderPath(const std::wstring& path);
const std::wstring& SkinFolderPath();

// Decodes the archive unless one already came from memory: only the first
// window pays for it. A cached archive from a file is closed first.
void SetArchiveFromMemory(const void* bytes, size_t length);

// An archive file under the skin folder, opened afresh for every read.
void SetArchiveFile(const std::wstring& name);

// Empty while the skin is loose files.
const std::wstring& SkinArchiveName();
// True when the open archive stays open between reads.
bool SkinArchiveCached();
// The open archive, or none.
const SkinArchive* OpenSkinArchive();

// Keeps a copy of a resource's bytes until the process ends (or the release
// below) and returns it.
const void* KeepResourceCopy(const void* bytes, size_t length);

// Back to loose files: closes the archive and frees the kept copies. The
// program keeps its skin until exit; this is for an orderly end and tests.
void ReleaseSkinArchive();

}  // namespace SkinUI
