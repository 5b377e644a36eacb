// How fast a package comes down: CCurlDownloader (transfer and digest check)
// against curl's own command line followed by md5sum, on the same loopback
// server in the same run; GetFileMd5 against md5sum on one file; and the
// peak memory of a download for two package sizes, which should not differ.
#include <curl/curl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "download/curl_downloader.h"
#include "download/file_md5.h"
#include "fixtures/package_server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint64_t kMiB = 1048576;
constexpr int kRounds = 3;

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

std::filesystem::path Scratch() {
  auto path = std::filesystem::temp_directory_path() / ("kelvra-download-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(path);
  return path;
}

// Runs a shell command; its standard output, or empty on failure.
std::string Run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char block[256];
  while (std::fgets(block, sizeof block, pipe)) output += block;
  return pclose(pipe) == 0 ? output : std::string();
}

// One download with the downloader; seconds, or a negative value on failure.
double DownloadOnce(const std::string& url, const std::filesystem::path& destination) {
  std::mutex mutex;
  std::condition_variable changed;
  int final = 0;
  CCurlDownloader downloader(
      [&](int code, double, const std::wstring&) {
        if (code != DL_CODE_SUCCESS && code != DL_CODE_FAIL) return;
        std::lock_guard lock(mutex);
        final = code;
        changed.notify_all();
      },
      std::wstring(url.begin(), url.end()), destination.wstring());
  const auto begun = Clock::now();
  downloader.StartDownload();
  std::unique_lock lock(mutex);
  changed.wait_for(lock, std::chrono::minutes(5), [&] { return final != 0; });
  return final == DL_CODE_SUCCESS ? Seconds(Clock::now() - begun) : -1.0;
}

long PeakRssKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

void ResetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace

int main() {
  curl_global_init(CURL_GLOBAL_ALL);
  const std::filesystem::path folder = Scratch();
  const auto destination = folder / "setup.exe";

  {
    fixtures::PackageServer server(256 * kMiB);
    const std::string url = server.PackageUrl();
    const double mib = static_cast<double>(server.Size()) / kMiB;
    std::printf("download of %.0f MiB over loopback, %d rounds (MiB/s)\n", mib, kRounds);
    std::vector<double> ours, theirs;
    for (int round = 0; round < kRounds; ++round) {
      std::filesystem::remove(destination);
      const double mine = DownloadOnce(url, destination);
      std::filesystem::remove(destination);
      const auto begun = Clock::now();
      const std::string digest =
          Run("curl -s -o '" + destination.string() + "' '" + url + "' && md5sum '" + destination.string() + "'");
      const double peer = Seconds(Clock::now() - begun);
      if (mine <= 0 || digest.rfind(server.Md5(), 0) != 0) {
        std::printf("  round %d failed\n", round + 1);
        continue;
      }
      ours.push_back(mib / mine);
      theirs.push_back(mib / peer);
      std::printf("  round %d: CCurlDownloader+digest %8.1f   curl -o + md5sum %8.1f   ratio %.2f\n",
                  round + 1, ours.back(), theirs.back(), ours.back() / theirs.back());
    }
    if (!ours.empty()) {
      const double a = *std::max_element(ours.begin(), ours.end());
      const double b = *std::max_element(theirs.begin(), theirs.end());
      std::printf("  best: %.1f vs %.1f MiB/s, ratio %.2f (target >= 0.90)\n", a, b, a / b);
    }
  }

  {
    const auto file = folder / "digest.bin";
    {
      std::ofstream out(file, std::ios::binary);
      std::vector<char> block(kMiB);
      for (uint64_t offset = 0; offset < 512 * kMiB; offset += kMiB) {
        fixtures::PackageBytes(offset, block.size(), block.data());
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
      }
    }
    std::printf("digest of a 512 MiB file, %d rounds (MiB/s)\n", kRounds);
    double bestOurs = 0, bestPeer = 0;
    for (int round = 0; round < kRounds; ++round) {
      auto begun = Clock::now();
      const std::string mine = GetFileMd5(file.wstring());
      const double ourSeconds = Seconds(Clock::now() - begun);
      begun = Clock::now();
      const std::string peer = Run("md5sum '" + file.string() + "'");
      const double peerSeconds = Seconds(Clock::now() - begun);
      const bool same = !mine.empty() && peer.rfind(mine, 0) == 0;
      bestOurs = std::max(bestOurs, 512 / ourSeconds);
      bestPeer = std::max(bestPeer, 512 / peerSeconds);
      std::printf("  round %d: GetFileMd5 %8.1f   md5sum %8.1f   ratio %.2f%s\n", round + 1,
                  512 / ourSeconds, 512 / peerSeconds, peerSeconds / ourSeconds,
                  same ? "" : "   DIGESTS DIFFER");
    }
    std::printf("  best: %.1f vs %.1f MiB/s, ratio %.2f (target >= 0.90)\n", bestOurs, bestPeer,
                bestOurs / bestPeer);
    std::filesystem::remove(file);
  }

  std::printf("peak resident memory during one download (KiB)\n");
  for (uint64_t size : {64 * kMiB, 256 * kMiB}) {
    fixtures::PackageServer server(size);
    const std::string url = server.PackageUrl();  // digest computed before the measurement
    std::filesystem::remove(destination);
    ResetPeakRss();
    const long before = PeakRssKiB();
    const double seconds = DownloadOnce(url, destination);
    std::printf("  %3llu MiB package: peak %ld KiB (%ld before)%s\n",
                static_cast<unsigned long long>(size / kMiB), PeakRssKiB(), before,
                seconds > 0 ? "" : "   DOWNLOAD FAILED");
  }

  std::filesystem::remove_all(folder);
  curl_global_cleanup();
  return 0;
}
