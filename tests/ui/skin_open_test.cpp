// Opening the skin at window creation from the program's own skin resource
// (natively the archive the build linked in; on Windows the "ZIPRES" 147
// resource the test program carries like the installer).
#include <gtest/gtest.h>

#include "ui/skin_file_reader.h"
#include "ui/skin_open.h"
#include "ui/skin_resource.h"
#include "ui/skin_state.h"
#include "utils/module_path.h"

namespace {

class SkinOpen : public testing::Test {
 protected:
  void SetUp() override { SkinUI::SetSkinModule(nullptr); }
  void TearDown() override {
    SkinUI::ReleaseSkinArchive();
    SkinUI::SetSkinFolderPath(L"");
  }
};

TEST_F(SkinOpen, FirstWindowDecodesTheEmbeddedSkinAndLaterOnesReuseIt) {
  ASSERT_TRUE(SkinUI::OpenSkinForWindow(L"", SkinUI::kSkinResourceId));
  const std::wstring exe = Utils::ModuleFilePath();
  EXPECT_EQ(SkinUI::SkinFolderPath(), exe.substr(0, exe.rfind(Utils::kPathSeparator) + 1));
  EXPECT_EQ(SkinUI::SkinArchiveName(), SkinUI::kMemoryArchiveName);
  EXPECT_TRUE(SkinUI::SkinArchiveCached());
  const SkinUI::SkinArchive* archive = SkinUI::OpenSkinArchive();
  ASSERT_TRUE(archive);

  // The skin's start: a placeholder picture, and no language data.
  const std::optional<std::string> png = SkinUI::ReadSkinImage(L"res\\placeholder.png");
  ASSERT_TRUE(png);
  EXPECT_EQ(png->substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_NE(SkinUI::FindArchiveEntry(archive, L"language.json", nullptr, nullptr), SkinUI::kArchiveOk);

  ASSERT_TRUE(SkinUI::OpenSkinForWindow(L"", SkinUI::kSkinResourceId));
  EXPECT_EQ(SkinUI::OpenSkinArchive(), archive);
}

TEST_F(SkinOpen, AGivenFolderIsKept) {
  SkinUI::SetSkinFolderPath(L"skin-folder");
  ASSERT_TRUE(SkinUI::OpenSkinForWindow(L"ignored", SkinUI::kSkinResourceId));
  EXPECT_EQ(SkinUI::SkinFolderPath(), L"skin-folder" + std::wstring(1, Utils::kPathSeparator));
}

TEST_F(SkinOpen, MissingResourceLeavesTheSkinAlone) {
  EXPECT_EQ(SkinUI::FindSkinResource(nullptr, 148).size, 0u);
  EXPECT_FALSE(SkinUI::OpenSkinForWindow(L"skins", 148));
  EXPECT_TRUE(SkinUI::SkinArchiveName().empty());
  EXPECT_FALSE(SkinUI::OpenSkinArchive());
  // The folder step comes first, as for any window.
  const std::wstring exe = Utils::ModuleFilePath();
  EXPECT_EQ(SkinUI::SkinFolderPath(),
            exe.substr(0, exe.rfind(Utils::kPathSeparator) + 1) + L"skins" + Utils::kPathSeparator);
}

}  // namespace
