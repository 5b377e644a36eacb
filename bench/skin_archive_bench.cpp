// How long decoding a skin archive takes, all entries, from memory: the
// installer's embedded skin (what the first window pays) and the larger test
// skin. Given the two archives' files, each is also timed against 7zz
// extracting the same file to nothing in this run:
//
//   skin-archive-bench [SKIN.7z TEST-SKIN.7z]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/skin_archive.h"
#include "ui/skin_resource.h"

namespace TestSkin {
extern const unsigned char kBytes[];
extern const std::size_t kSize;
}  // namespace TestSkin

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetMs = 30.0;
constexpr int kRounds = 20;

double Ms(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }

// The best of kRounds: the figure least disturbed by the shared machine.
double DecodeMs(const void* bytes, size_t size, size_t& entries, unsigned long long& decoded) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    SkinUI::SkinArchive* archive = SkinUI::OpenSkinArchiveFromMemory(bytes, size);
    best = std::min(best, Ms(Clock::now() - start));
    if (!archive) return -1;
    entries = archive->entries.size();
    decoded = 0;
    for (const auto& entry : archive->entries) decoded += entry.size;
    SkinUI::CloseSkinArchive(archive);
  }
  return best;
}

double PeerMs(const std::string& path) {
  const std::string command = "7zz e -so '" + path + "' >/dev/null 2>&1";
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    best = std::min(best, Ms(Clock::now() - start));
  }
  return best;
}

void Report(const char* what, const void* bytes, size_t size, const std::string& path) {
  size_t entries = 0;
  unsigned long long decoded = 0;
  const double ms = DecodeMs(bytes, size, entries, decoded);
  const double peer = path.empty() ? -1 : PeerMs(path);
  std::printf("%-14s %8zu bytes stored, %9llu decoded, %3zu entries: %7.3f ms (target < %.0f ms: %s)",
              what, size, decoded, entries, ms, kTargetMs, ms >= 0 && ms < kTargetMs ? "met" : "MISSED");
  if (peer > 0) std::printf("; 7zz e -so %.3f ms, ratio %.2f", peer, ms / peer);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string skinPath = argc == 3 ? argv[1] : "", testSkinPath = argc == 3 ? argv[2] : "";
  const SkinUI::ResourceBytes skin = SkinUI::FindSkinResource(nullptr, SkinUI::kSkinResourceId);
  Report("embedded skin", skin.data, skin.size, skinPath);
  Report("test skin", TestSkin::kBytes, TestSkin::kSize, testSkinPath);
  return 0;
}
