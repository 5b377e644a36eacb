// The skin archive reader: a 7z archive decoded whole into memory once, then
// searched by relative path ("res\mainWnd\bg1.png" or "mainWnd.xml").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace SkinUI {

inline constexpr int kArchiveOk = 0;
inline constexpr int kArchiveFailed = 0x10000;

struct ArchiveEntry {
  std::wstring name;          // exactly as stored ("/" separates folders)
  size_t nameLength = 0;      // UTF-16 code units, terminating zero included
  uint32_t index = 0;         // position in the archive's file table, folders counted
  uint64_t size = 0;          // as the file table declares it
  std::vector<unsigned char> bytes;
};

// The entries in file-table order; folders get none.
struct SkinArchive {
  std::vector<ArchiveEntry> entries;
};

// Decodes every file at once. None when the archive database cannot be read;
// a file that fails to extract ends the list there and the open still succeeds.
SkinArchive* OpenSkinArchiveFromMemory(const void* bytes, size_t length);
SkinArchive* OpenSkinArchiveFromFile(const std::wstring& path);

// "\" matches "/", letter case is ignored, the length must match exactly.
int FindArchiveEntry(const SkinArchive* archive, const std::wstring& name, uint32_t* index,
                     uint64_t* size);
// Copies the entry's full size into `buffer`, which holds at least that much.
int ReadArchiveEntry(const SkinArchive* archive, uint32_t index, void* buffer);
void CloseSkinArchive(SkinArchive* archive);

}  // namespace SkinUI
