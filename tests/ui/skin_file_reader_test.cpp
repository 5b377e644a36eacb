// Where layouts and images come from, in order, and what the layout reader
// says when it cannot deliver: loose files, the archive from memory, and an
// archive file opened for each read.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "support/test_skin.h"
#include "ui/skin_file_reader.h"
#include "ui/skin_state.h"
#include "utils/module_path.h"

namespace {

using SkinUI::ReadSkinImage;
using SkinUI::ReadSkinLayout;

const std::string kLayout = "<Window size=\"600,400\" />\n";

class SkinFileReader : public testing::Test {
 protected:
  void TearDown() override {
    SkinUI::ReleaseSkinArchive();
    SkinUI::SetSkinFolderPath(L"");
  }
  void UseFolder() { SkinUI::SetSkinFolderPath(folder_.Path().wstring()); }
  void UseMemoryArchive() {
    UseFolder();
    skin_ = TestSkin::Bytes();
    SkinUI::SetArchiveFromMemory(skin_.data(), skin_.size());
    ASSERT_TRUE(SkinUI::OpenSkinArchive());
  }
  // A file under the skin folder; `name` uses the system's separator.
  std::wstring Put(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = folder_.File(name);
    WriteBytes(path, bytes);
    return path;
  }

  TempFolder folder_;
  std::string skin_;
};

struct LayoutCase {
  const wchar_t* name;
  size_t size;         // when read
  const wchar_t* error;  // null: read
};

void ExpectLayouts(const std::vector<LayoutCase>& cases) {
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases.data()));
    const SkinUI::LayoutBytes layout = ReadSkinLayout(c.name);
    if (c.error) {
      EXPECT_FALSE(layout.ok);
      EXPECT_EQ(layout.error, c.error);
      EXPECT_TRUE(layout.bytes.empty());
    } else {
      ASSERT_TRUE(layout.ok) << layout.error.size();
      EXPECT_EQ(layout.bytes.size(), c.size);
      EXPECT_TRUE(layout.error.empty());
    }
  }
}

TEST_F(SkinFileReader, LooseLayoutsAndTheirErrors) {
  UseFolder();
  Put(L"mainWnd.xml", kLayout);
  Put(L"empty.xml", "");
  Put(L"limit.xml", std::string(SkinUI::kMaxLayoutBytes, 'x'));
  Put(L"over-limit.xml", std::string(SkinUI::kMaxLayoutBytes + 1, 'x'));
  ExpectLayouts({
      {L"mainWnd.xml", kLayout.size(), nullptr},
      {L"limit.xml", SkinUI::kMaxLayoutBytes, nullptr},
      {L"over-limit.xml", 0, L"File too large"},
      {L"empty.xml", 0, L"File is empty"},
      {L"absent.xml", 0, L"Error opening file"},
  });
}

TEST_F(SkinFileReader, ArchiveLayoutsAndTheirErrors) {
  UseMemoryArchive();
  Put(L"absent.xml", kLayout);  // loose files do not count once there is an archive
  ExpectLayouts({
      {L"MainWnd.xml", kLayout.size(), nullptr},
      {L"limit.xml", SkinUI::kMaxLayoutBytes, nullptr},
      {L"over-limit.xml", 0, L"File too large"},
      {L"empty.xml", 0, L"File is empty"},
      {L"absent.xml", 0, L"Could not find ziped file"},
  });
  EXPECT_EQ(ReadSkinLayout(L"mainWnd.xml").bytes, kLayout);
}

TEST_F(SkinFileReader, UnreadableArchiveFromMemoryLeavesNoArchive) {
  const std::string garbage = "no archive";
  SkinUI::SetArchiveFromMemory(garbage.data(), garbage.size());
  EXPECT_EQ(SkinUI::SkinArchiveName(), SkinUI::kMemoryArchiveName);
  EXPECT_FALSE(SkinUI::OpenSkinArchive());
  ExpectLayouts({{L"mainWnd.xml", 0, L"Error opening zip file"}});
}

TEST_F(SkinFileReader, OnlyTheFirstArchiveFromMemoryIsDecoded) {
  UseMemoryArchive();
  const SkinUI::SkinArchive* first = SkinUI::OpenSkinArchive();
  const std::string garbage = "no archive";
  SkinUI::SetArchiveFromMemory(garbage.data(), garbage.size());
  EXPECT_EQ(SkinUI::OpenSkinArchive(), first);
  EXPECT_TRUE(SkinUI::SkinArchiveCached());
  EXPECT_TRUE(ReadSkinLayout(L"MainWnd.xml").ok);
}

TEST_F(SkinFileReader, ArchiveFileIsOpenedForEachRead) {
  UseFolder();
  const std::wstring archive = Put(L"skin.7z", TestSkin::Bytes());
  SkinUI::SetArchiveFile(L"skin.7z");
  EXPECT_FALSE(SkinUI::SkinArchiveCached());
  EXPECT_FALSE(SkinUI::OpenSkinArchive());
  EXPECT_EQ(ReadSkinLayout(L"MainWnd.xml").bytes, kLayout);
  EXPECT_EQ(ReadSkinImage(L"res\\mainWnd\\bg1.png"), "test image bg1\n");
  // Read afresh each time: a changed file is what the next read sees.
  WriteBytes(archive, "gone");
  ExpectLayouts({{L"MainWnd.xml", 0, L"Error opening zip file"}});
  SkinUI::SetArchiveFile(L"absent.7z");
  ExpectLayouts({{L"MainWnd.xml", 0, L"Error opening zip file"}});
}

TEST_F(SkinFileReader, ImagesFallBackToAPlainPath) {
  TempFolder elsewhere;
  const std::wstring plain = elsewhere.File(L"plain.png");
  WriteBytes(plain, "plain image");

  // Loose files: the skin folder first (skins write "\" on every system).
  UseFolder();
  std::filesystem::create_directories(folder_.Path() / "res" / "mainWnd");
  Put((std::filesystem::path(L"res") / L"mainWnd" / L"bg1.png").wstring(), "loose bg1");
  EXPECT_EQ(ReadSkinImage(L"res\\mainWnd\\bg1.png"), "loose bg1");
  EXPECT_EQ(ReadSkinImage(plain), "plain image");
  EXPECT_FALSE(ReadSkinImage(L"res\\common\\minbtn4.png"));

  // The archive: it wins over loose files; what it lacks may be a plain path.
  UseMemoryArchive();
  EXPECT_EQ(ReadSkinImage(L"res\\mainWnd\\bg1.png"), "test image bg1\n");
  EXPECT_EQ(ReadSkinImage(L"RES/MAINWND/CHDIRBTN1.PNG"), "test image chDirBtn1\n");
  EXPECT_EQ(ReadSkinImage(plain), "plain image");
  for (const wchar_t* disabled :
       {L"res\\common\\minbtn4.png", L"res\\common\\closebtn4.png", L"res\\common\\closebtnM_4.png"})
    EXPECT_FALSE(ReadSkinImage(disabled));
}

TEST(SkinFolderPath, GetsATrailingSeparatorWhenItHasNone) {
  const std::wstring sep(1, Utils::kPathSeparator);
  const struct {
    const wchar_t* given;
    std::wstring stored;
  } cases[] = {
      {L"", L""},
      {L"skin", L"skin" + sep},
      {L"C:\\Program Files\\skin\\", L"C:\\Program Files\\skin\\"},
      {L"/opt/skin/", L"/opt/skin/"},
  };
  for (const auto& c : cases) {
    SkinUI::SetSkinFolderPath(c.given);
    EXPECT_EQ(SkinUI::SkinFolderPath(), c.stored);
  }
  SkinUI::SetSkinFolderPath(L"");
}

}  // namespace
