#include "ui/skin_state.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "utils/module_path.h"

namespace SkinUI {
namespace {

struct SkinState {
  void* module = nullptr;
  bool sevenZip = false;
  std::wstring folder;
  std::wstring archiveName;
  bool cached = false;
  SkinArchive* archive = nullptr;
  std::vector<std::unique_ptr<unsigned char[]>> resourceCopies;
};

SkinState& State() {
  static SkinState* state = new SkinState;  // lives until the process ends
  return *state;
}

void CloseCachedArchive() {
  SkinState& state = State();
  if (state.cached) CloseSkinArchive(state.archive);
  state.archive = nullptr;
  state.cached = false;
}

}  // namespace

void SetSkinModule(void* module) { State().module = module; }
void* SkinModule() { return State().module; }
void UseSevenZipArchives(bool on) { State().sevenZip = on; }
bool SevenZipArchivesInUse() { return State().sevenZip; }

void SetSkinFolderPath(const std::wstring& path) {
  std::wstring& folder = State().folder;
  folder = path;
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
    folder += Utils::kPathSeparator;
}

const std::wstring& SkinFolderPath() { return State().folder; }

void SetArchiveFromMemory(const void* bytes, size_t length) {
  SkinState& state = State();
  if (state.archiveName == kMemoryArchiveName) return;
  CloseCachedArchive();
  state.archiveName = kMemoryArchiveName;
  state.cached = true;
  state.archive = OpenSkinArchiveFromMemory(bytes, length);
}

void SetArchiveFile(const std::wstring& name) {
  CloseCachedArchive();
  State().archiveName = name;
}

const std::wstring& SkinArchiveName() { return State().archiveName; }
bool SkinArchiveCached() { return State().cached; }
const SkinArchive* OpenSkinArchive() { return State().archive; }

const void* KeepResourceCopy(const void* bytes, size_t length) {
  auto copy = std::make_unique<unsigned char[]>(length ? length : 1);
  if (length) std::copy_n(static_cast<const unsigned char*>(bytes), length, copy.get());
  State().resourceCopies.push_back(std::move(copy));
  return State().resourceCopies.back().get();
}

void ReleaseSkinArchive() {
  CloseCachedArchive();
  State().archiveName.clear();
  State().resourceCopies.clear();
}

}  // namespace SkinUI
