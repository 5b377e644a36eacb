// Opening a skin archive with the LZMA SDK's 7z decoder: the archive sits in
// memory, and one block cache serves every file, so the solid block is
// decompressed once however many files it holds.
#include <cstdlib>
#include <cstring>

#include "ui/skin_archive.h"
#include "utils/utf16_bytes.h"

extern "C" {
#include "7z.h"
#include "7zCrc.h"
}

namespace SkinUI {
namespace {

// The skin decodes to under a megabyte. Sizes in an archive are the archive's
// word, so a damaged or hostile one could ask for terabytes; no single
// allocation of the decoder may pass this, and such an archive simply fails.
constexpr size_t kMaxDecoderAllocation = size_t{64} << 20;

void* HeapAlloc(ISzAllocPtr, size_t size) {
  if (size == 0 || size > kMaxDecoderAllocation) return nullptr;
  return std::malloc(size);
}
void HeapFree(ISzAllocPtr, void* address) { std::free(address); }
const ISzAlloc kHeap = {HeapAlloc, HeapFree};

// A seekable look-ahead stream straight over the private copy: Look hands out
// the bytes in place, so nothing is buffered twice.
struct MemoryStream {
  ILookInStream vt;
  const Byte* data;
  size_t size;
  size_t pos;
};

MemoryStream& Self(ILookInStreamPtr p) {
  return *reinterpret_cast<MemoryStream*>(const_cast<ILookInStream*>(p));
}

SRes Look(ILookInStreamPtr p, const void** buf, size_t* size) {
  MemoryStream& s = Self(p);
  if (*size > s.size - s.pos) *size = s.size - s.pos;
  *buf = s.data + s.pos;
  return SZ_OK;
}

SRes Skip(ILookInStreamPtr p, size_t offset) {
  MemoryStream& s = Self(p);
  if (offset > s.size - s.pos) return SZ_ERROR_INPUT_EOF;
  s.pos += offset;
  return SZ_OK;
}

SRes Read(ILookInStreamPtr p, void* buf, size_t* size) {
  MemoryStream& s = Self(p);
  if (*size > s.size - s.pos) *size = s.size - s.pos;
  if (*size) std::memcpy(buf, s.data + s.pos, *size);
  s.pos += *size;
  return SZ_OK;
}

SRes Seek(ILookInStreamPtr p, Int64* pos, ESzSeek origin) {
  MemoryStream& s = Self(p);
  Int64 base = 0;
  if (origin == SZ_SEEK_CUR) base = static_cast<Int64>(s.pos);
  if (origin == SZ_SEEK_END) base = static_cast<Int64>(s.size);
  // Offsets come from the archive: refuse anything outside the bytes rather
  // than let base + offset overflow.
  if (*pos < -base || *pos > static_cast<Int64>(s.size) - base) return SZ_ERROR_INPUT_EOF;
  s.pos = static_cast<size_t>(base + *pos);
  *pos = static_cast<Int64>(s.pos);
  return SZ_OK;
}

std::wstring FileName(const CSzArEx& db, size_t item, size_t& units) {
  units = SzArEx_GetFileNameUtf16(&db, item, nullptr);
  std::vector<UInt16> name(units ? units : 1, 0);
  SzArEx_GetFileNameUtf16(&db, item, name.data());
  std::string bytes;
  for (size_t i = 0; i + 1 < units; ++i) {
    bytes += static_cast<char>(name[i] & 0xFF);
    bytes += static_cast<char>(name[i] >> 8);
  }
  return Utils::Utf16BytesToWide(bytes);
}

}  // namespace

SkinArchive* OpenSkinArchiveFromMemory(const void* bytes, size_t length) {
  if (!bytes && length) return nullptr;
  std::vector<Byte> copy(static_cast<const Byte*>(bytes), static_cast<const Byte*>(bytes) + length);
  MemoryStream stream{{Look, Skip, Read, Seek}, copy.data(), copy.size(), 0};

  CrcGenerateTable();
  CSzArEx db;
  SzArEx_Init(&db);
  if (SzArEx_Open(&db, &stream.vt, &kHeap, &kHeap) != SZ_OK) {
    SzArEx_Free(&db, &kHeap);
    return nullptr;
  }

  auto* archive = new SkinArchive;
  UInt32 blockIndex = 0xFFFFFFFF;  // no block cached yet
  Byte* block = nullptr;
  size_t blockSize = 0;
  for (UInt32 item = 0; item < db.NumFiles; ++item) {
    if (SzArEx_IsDir(&db, item)) continue;
    ArchiveEntry entry;
    entry.name = FileName(db, item, entry.nameLength);
    entry.index = item;
    entry.size = SzArEx_GetFileSize(&db, item);
    size_t offset = 0, extracted = 0;
    if (SzArEx_Extract(&db, &stream.vt, item, &blockIndex, &block, &blockSize, &offset, &extracted,
                       &kHeap, &kHeap) != SZ_OK ||
        extracted != entry.size)
      break;  // what was decoded so far stays usable
    entry.bytes.assign(block + offset, block + offset + extracted);
    archive->entries.push_back(std::move(entry));
  }
  kHeap.Free(&kHeap, block);
  SzArEx_Free(&db, &kHeap);
  return archive;
}

}  // namespace SkinUI
