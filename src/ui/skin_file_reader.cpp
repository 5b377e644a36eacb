#include "ui/skin_file_reader.h"

#include <cstdint>
#include <limits>

#include "ui/skin_archive.h"
#include "ui/skin_path.h"
#include "ui/skin_state.h"
#include "utils/files.h"

namespace SkinUI {
namespace {

constexpr unsigned long long kNoLimit = std::numeric_limits<unsigned long long>::max();

enum class Outcome { Ok, NoArchive, NotFound, Empty, TooLarge, ReadFailed };

// The open archive while it is cached; otherwise the archive file, open for
// this one read and closed when the holder goes.
class ArchiveForRead {
 public:
  ArchiveForRead() {
    if (SkinArchiveCached()) {
      archive_ = OpenSkinArchive();
    } else {
      owned_ = OpenSkinArchiveFromFile(SkinFilePath(SkinFolderPath(), SkinArchiveName()));
      archive_ = owned_;
    }
  }
  ~ArchiveForRead() { CloseSkinArchive(owned_); }
  ArchiveForRead(const ArchiveForRead&) = delete;
  ArchiveForRead& operator=(const ArchiveForRead&) = delete;
  const SkinArchive* Get() const { return archive_; }

 private:
  SkinArchive* owned_ = nullptr;
  const SkinArchive* archive_ = nullptr;
};

Outcome FromArchive(const std::wstring& name, unsigned long long limit, std::string& out) {
  ArchiveForRead archive;
  if (!archive.Get()) return Outcome::NoArchive;
  uint32_t index = 0;
  uint64_t size = 0;
  if (FindArchiveEntry(archive.Get(), name, &index, &size) != kArchiveOk) return Outcome::NotFound;
  if (size == 0) return Outcome::Empty;
  if (size > limit) return Outcome::TooLarge;
  out.assign(static_cast<size_t>(size), '\0');
  if (ReadArchiveEntry(archive.Get(), index, out.data()) != kArchiveOk) return Outcome::ReadFailed;
  return Outcome::Ok;
}

Outcome FromDisk(const std::wstring& path, unsigned long long limit, std::string& out) {
  const std::optional<int64_t> measured = Utils::FileSize(path);
  if (!measured || *measured < 0) return Outcome::NotFound;
  const std::optional<unsigned long long> size = static_cast<unsigned long long>(*measured);
  if (*size == 0) return Outcome::Empty;
  if (*size > limit) return Outcome::TooLarge;  // checked before a byte is read
  std::optional<std::string> bytes = Utils::ReadFileBytes(path);
  if (!bytes || bytes->size() < *size) return Outcome::ReadFailed;
  bytes->resize(static_cast<size_t>(*size));
  out = std::move(*bytes);
  return Outcome::Ok;
}

LayoutBytes Failed(const wchar_t* error) { return {false, {}, error}; }

}  // namespace

LayoutBytes ReadSkinLayout(const std::wstring& name) {
  LayoutBytes result;
  if (SkinArchiveName().empty()) {
    switch (FromDisk(SkinFilePath(SkinFolderPath(), name), kMaxLayoutBytes, result.bytes)) {
      case Outcome::Ok: result.ok = true; return result;
      case Outcome::Empty: return Failed(L"File is empty");
      case Outcome::TooLarge: return Failed(L"File too large");
      case Outcome::ReadFailed: return Failed(L"Could not read file");
      default: return Failed(L"Error opening file");
    }
  }
  switch (FromArchive(name, kMaxLayoutBytes, result.bytes)) {
    case Outcome::Ok: result.ok = true; return result;
    case Outcome::NotFound: return Failed(L"Could not find ziped file");
    case Outcome::Empty: return Failed(L"File is empty");
    case Outcome::TooLarge: return Failed(L"File too large");
    case Outcome::ReadFailed: return Failed(L"Could not unzip file");
    default: return Failed(L"Error opening zip file");
  }
}

std::optional<std::string> ReadSkinImage(const std::wstring& name) {
  std::string bytes;
  const Outcome outcome = SkinArchiveName().empty()
                              ? FromDisk(SkinFilePath(SkinFolderPath(), name), kNoLimit, bytes)
                              : FromArchive(name, kNoLimit, bytes);
  if (outcome == Outcome::Ok) return bytes;
  if (FromDisk(SkinFilePath(L"", name), kNoLimit, bytes) == Outcome::Ok) return bytes;
  return std::nullopt;
}

}  // namespace SkinUI
