// The skin archive inside the real KelvraInstaller.exe, read as the window
// creation reads it.
#include <windows.h>

#include <gtest/gtest.h>
#include <cstring>

#include "support/program_runner.h"
#include "ui/skin_archive.h"
#include "ui/skin_resource.h"

namespace {

TEST(SkinResourceWin32, InstallerCarriesTheSkinArchive) {
  const HMODULE installer =
      LoadLibraryExW(BesideTestProgram(L"KelvraInstaller").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(installer);
  const SkinUI::ResourceBytes resource = SkinUI::FindSkinResource(installer, SkinUI::kSkinResourceId);
  ASSERT_GT(resource.size, 32u);
  // The same archive the build gave the test program.
  const SkinUI::ResourceBytes own = SkinUI::FindSkinResource(nullptr, SkinUI::kSkinResourceId);
  ASSERT_EQ(resource.size, own.size);
  EXPECT_EQ(std::memcmp(resource.data, own.data, own.size), 0);

  SkinUI::SkinArchive* archive = SkinUI::OpenSkinArchiveFromMemory(resource.data, resource.size);
  ASSERT_TRUE(archive);
  EXPECT_EQ(SkinUI::FindArchiveEntry(archive, L"res\\placeholder.png", nullptr, nullptr),
            SkinUI::kArchiveOk);
  SkinUI::CloseSkinArchive(archive);
  EXPECT_EQ(SkinUI::FindSkinResource(installer, 148).size, 0u);
  FreeLibrary(installer);
}

}  // namespace
