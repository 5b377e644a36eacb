// Finding and copying entries of an open skin archive, and the archive read
// from a file on disk.
#include <cstring>

#include "ui/skin_archive.h"
#include "utils/files.h"
#include "utils/text_compare.h"
#include "utils/utf16_bytes.h"

namespace SkinUI {

SkinArchive* OpenSkinArchiveFromFile(const std::wstring& path) {
  const std::optional<std::string> bytes = Utils::ReadFileBytes(path);
  if (!bytes) return nullptr;
  return OpenSkinArchiveFromMemory(bytes->data(), bytes->size());
}

int FindArchiveEntry(const SkinArchive* archive, const std::wstring& name, uint32_t* index,
                     uint64_t* size) {
  if (!archive) return kArchiveFailed;
  std::wstring wanted = name;
  for (wchar_t& c : wanted)
    if (c == L'\\') c = L'/';
  // Stored lengths count UTF-16 units, whatever width wchar_t has here.
  const size_t wantedLength = Utils::WideToUtf16Bytes(wanted).size() / 2 + 1;
  for (const ArchiveEntry& entry : archive->entries) {
    if (entry.nameLength != wantedLength || !Utils::EqualIgnoringCase(entry.name, wanted)) continue;
    if (index) *index = entry.index;
    if (size) *size = entry.size;
    return kArchiveOk;
  }
  return kArchiveFailed;
}

int ReadArchiveEntry(const SkinArchive* archive, uint32_t index, void* buffer) {
  if (!archive) return kArchiveFailed;
  for (const ArchiveEntry& entry : archive->entries) {
    if (entry.index != index) continue;
    if (!entry.bytes.empty()) std::memcpy(buffer, entry.bytes.data(), entry.bytes.size());
    return kArchiveOk;
  }
  return kArchiveFailed;
}

void CloseSkinArchive(SkinArchive* archive) { delete archive; }

}  // namespace SkinUI
