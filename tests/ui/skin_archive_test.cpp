// The archive reader against a small skin packed by the build like the real
// one, and against damaged copies of it.
#include <zlib.h>

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "support/test_skin.h"
#include "ui/skin_archive.h"

namespace {

using SkinUI::CloseSkinArchive;
using SkinUI::FindArchiveEntry;
using SkinUI::kArchiveFailed;
using SkinUI::kArchiveOk;
using SkinUI::OpenSkinArchiveFromMemory;
using SkinUI::ReadArchiveEntry;
using SkinUI::SkinArchive;

struct ArchiveCloser {
  void operator()(SkinArchive* archive) const { CloseSkinArchive(archive); }
};
using ArchivePtr = std::unique_ptr<SkinArchive, ArchiveCloser>;

ArchivePtr Open(const std::string& bytes) {
  return ArchivePtr(OpenSkinArchiveFromMemory(bytes.data(), bytes.size()));
}

// The entry's bytes through the public calls, or none when it is not found.
std::optional<std::string> Read(const SkinArchive* archive, const std::wstring& name) {
  uint32_t index = 0;
  uint64_t size = 0;
  if (FindArchiveEntry(archive, name, &index, &size) != kArchiveOk) return std::nullopt;
  std::string bytes(size, '\0');
  EXPECT_EQ(ReadArchiveEntry(archive, index, bytes.data()), kArchiveOk);
  return bytes;
}

TEST(SkinArchive, FindsNamesIgnoringCaseAndSeparatorButNotLength) {
  const ArchivePtr archive = Open(TestSkin::Bytes());
  ASSERT_TRUE(archive);
  const struct {
    const wchar_t* name;
    const char* bytes;  // null: not found
  } cases[] = {
      {L"MainWnd.xml", "<Window size=\"600,400\" />\n"},
      {L"MAINWND.XML", "<Window size=\"600,400\" />\n"},
      {L"res\\mainWnd\\bg1.png", "test image bg1\n"},
      {L"res/mainWnd/chDirBtn1.png", "test image chDirBtn1\n"},
      {L"Res\\MainWnd/ChDirBtn1.PNG", "test image chDirBtn1\n"},
      {L"res\\common\\标题.png", "Pellux视频工具箱 test\n"},
      {L"mainWnd.xml ", nullptr},  // one unit longer than the stored name
      {L"mainWnd.xm", nullptr},
      {L"res\\common\\minbtn4.png", nullptr},  // disabled states the skins name
      {L"res\\common\\closebtn4.png", nullptr},
      {L"res\\common\\closebtnM_4.png", nullptr},
      {L"language.json", nullptr},
      {L"res", nullptr},  // folders have no entry
      {L"", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "name " << std::wstring(c.name).size());
    const std::optional<std::string> bytes = Read(archive.get(), c.name);
    if (c.bytes) {
      ASSERT_TRUE(bytes);
      EXPECT_EQ(*bytes, c.bytes);
    } else {
      EXPECT_FALSE(bytes);
    }
  }
}

TEST(SkinArchive, EntriesFollowTheFileTableWithFoldersCounted) {
  const ArchivePtr archive = Open(TestSkin::Bytes());
  ASSERT_TRUE(archive);
  ASSERT_EQ(archive->entries.size(), 8u);  // 8 files in 3 folders
  uint32_t last = 0;
  for (size_t i = 0; i < archive->entries.size(); ++i) {
    const SkinUI::ArchiveEntry& entry = archive->entries[i];
    EXPECT_EQ(entry.nameLength, entry.name.size() + 1) << i;  // all in the BMP
    EXPECT_EQ(entry.size, entry.bytes.size()) << i;
    EXPECT_EQ(entry.name.find(L'\\'), std::wstring::npos) << i;
    if (i) {
      EXPECT_GT(entry.index, last) << i;
    }
    last = entry.index;
  }
  EXPECT_GE(last, archive->entries.size() - 1 + 3);  // the folders take indexes too
}

TEST(SkinArchive, MissingArchiveOrIndexFails) {
  const ArchivePtr archive = Open(TestSkin::Bytes());
  ASSERT_TRUE(archive);
  uint32_t index = 7;
  uint64_t size = 7;
  EXPECT_EQ(FindArchiveEntry(nullptr, L"mainWnd.xml", &index, &size), kArchiveFailed);
  EXPECT_EQ(index, 7u);
  char buffer[1];
  EXPECT_EQ(ReadArchiveEntry(nullptr, 0, buffer), kArchiveFailed);
  EXPECT_EQ(ReadArchiveEntry(archive.get(), 100000, buffer), kArchiveFailed);
}

TEST(SkinArchive, UnreadableBytesGiveNoArchive) {
  const std::string skin = TestSkin::Bytes();
  const std::string cases[] = {
      "",
      "not a 7z archive at all",
      skin.substr(0, 6),          // the signature alone
      skin.substr(0, 32),         // the start header without what it points to
      skin.substr(0, skin.size() / 2),
      skin.substr(0, skin.size() - 1),
  };
  for (const std::string& bytes : cases) {
    EXPECT_FALSE(Open(bytes)) << bytes.size() << " bytes";
  }
  EXPECT_FALSE(OpenSkinArchiveFromMemory(nullptr, 0));
}

TEST(SkinArchive, DamagedBlockKeepsOnlyTheEntriesBeforeIt) {
  std::string skin = TestSkin::Bytes();
  skin[40] = static_cast<char>(skin[40] ^ 0x5A);  // inside the one solid block
  const ArchivePtr archive = Open(skin);
  ASSERT_TRUE(archive);  // the file table is intact
  // "empty.xml" comes first and has no data in the block; the next file's
  // extraction fails, and the list ends there.
  ASSERT_EQ(archive->entries.size(), 1u);
  EXPECT_EQ(archive->entries[0].name, L"empty.xml");
  EXPECT_TRUE(Read(archive.get(), L"empty.xml"));
  EXPECT_FALSE(Read(archive.get(), L"mainWnd.xml"));
  EXPECT_FALSE(Read(archive.get(), L"res\\mainWnd\\bg1.png"));
}

// A 7z number with its most generous encoding: 0xFF and eight bytes.
std::string LongNumber(uint64_t value) {
  std::string bytes(1, '\xFF');
  for (int i = 0; i < 8; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

uint64_t ReadNumber(const std::string& s, size_t& pos) {
  const unsigned char first = static_cast<unsigned char>(s[pos++]);
  unsigned mask = 0x80;
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i, mask >>= 1) {
    if (!(first & mask)) return value | (uint64_t{first & (mask - 1)} << (8 * i));
    value |= uint64_t{static_cast<unsigned char>(s[pos++])} << (8 * i);
  }
  return value;
}

void PutLe(std::string& s, size_t at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(value >> (8 * i));
}

uint32_t Crc(const std::string& s, size_t at, size_t length) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(s.data() + at),
                                     static_cast<uInt>(length)));
}

// The compressed header's declared size rewritten to `size` (the old one goes
// to `old`), with the checksums made right again, so only the size is wrong.
std::string WithHeaderUnpackSize(std::string skin, uint64_t size, uint64_t* old = nullptr) {
  uint64_t offset = 0;
  for (int i = 0; i < 8; ++i) offset |= uint64_t{static_cast<unsigned char>(skin[12 + i])} << (8 * i);
  const size_t start = 32 + offset;
  std::string header = skin.substr(start);
  // Encoded header: 0x17, pack info (position, one stream, its size, maybe
  // its CRC), then unpack info with one folder of one coder.
  EXPECT_EQ(header[0], '\x17');
  EXPECT_EQ(header[1], '\x06');
  size_t pos = 2;
  ReadNumber(header, pos);
  EXPECT_EQ(ReadNumber(header, pos), 1u);
  EXPECT_EQ(header[pos++], '\x09');
  ReadNumber(header, pos);
  if (header[pos] == '\x0A') pos += 2 + 4;
  EXPECT_EQ(header[pos++], '\0');
  EXPECT_EQ(header[pos++], '\x07');
  EXPECT_EQ(header[pos++], '\x0B');
  EXPECT_EQ(ReadNumber(header, pos), 1u);   // folders
  EXPECT_EQ(header[pos++], '\0');           // not external
  EXPECT_EQ(ReadNumber(header, pos), 1u);   // coders
  const unsigned char flags = static_cast<unsigned char>(header[pos++]);
  pos += flags & 0x0F;                      // coder id
  if (flags & 0x20) {
    const uint64_t props = ReadNumber(header, pos);
    pos += props;
  }
  EXPECT_EQ(header[pos++], '\x0C');         // unpack sizes
  const size_t numberAt = pos;
  const uint64_t was = ReadNumber(header, pos);
  if (old) *old = was;
  header = header.substr(0, numberAt) + LongNumber(size) + header.substr(pos);
  skin = skin.substr(0, start) + header;
  PutLe(skin, 20, header.size(), 8);
  PutLe(skin, 28, Crc(header, 0, header.size()), 4);
  PutLe(skin, 8, Crc(skin, 12, 20), 4);
  return skin;
}

TEST(SkinArchive, DeclaredSizesBeyondMemoryFailCleanly) {
  const std::string skin = TestSkin::Bytes();
  // The rewrite itself keeps a sound archive sound.
  uint64_t real = 0;
  WithHeaderUnpackSize(skin, 0, &real);
  const ArchivePtr rewritten = Open(WithHeaderUnpackSize(skin, real));
  ASSERT_TRUE(rewritten);
  EXPECT_EQ(rewritten->entries.size(), 8u);
  for (const uint64_t size : {uint64_t{1} << 40, ~uint64_t{0} >> 1, ~uint64_t{0}}) {
    EXPECT_FALSE(Open(WithHeaderUnpackSize(skin, size))) << size;
  }
}

}  // namespace
