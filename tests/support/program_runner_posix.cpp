#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "support/program_runner.h"
#include "utils/module_path.h"
#include "utils/text_convert.h"

extern char** environ;

std::wstring BesideTestProgram(const std::wstring& name) {
  // Native programs are named in lower case with dashes: KelvraInstaller -> kelvra-installer.
  std::wstring native;
  for (size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    if (c >= L'A' && c <= L'Z') {
      if (i > 0) native += L'-';
      native += static_cast<wchar_t>(c - L'A' + L'a');
    } else {
      native += c;
    }
  }
  return Utils::FolderPart(Utils::ModuleFilePath()) + L"/" + native;
}

std::optional<int> RunProgram(const std::wstring& path, const std::vector<std::wstring>& arguments,
                              int timeoutMs) {
  std::vector<std::string> narrow{Utils::WideToNarrow(path, Utils::kUtf8CodePage)};
  for (const auto& argument : arguments)
    narrow.push_back(Utils::WideToNarrow(argument, Utils::kUtf8CodePage));
  std::vector<char*> argv;
  for (auto& argument : narrow) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;
  for (int waited = 0;; waited += 10) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      if (WIFEXITED(status)) return static_cast<int>(static_cast<signed char>(WEXITSTATUS(status)));
      return std::nullopt;
    }
    if (waited >= timeoutMs) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return std::nullopt;
    }
    timespec pause{0, 10'000'000};
    nanosleep(&pause, nullptr);
  }
}
