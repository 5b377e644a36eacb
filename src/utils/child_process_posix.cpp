// posix_spawn with three pipes. The command line is split by the Windows rules,
// its first argument is the program (searched on PATH when it has no '/').
// Every end is close-on-exec: the child gets its ends only as 0, 1 and 2.
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "utils/child_process.h"
#include "utils/command_line.h"
#include "utils/text_convert.h"

extern char** environ;

namespace Utils {

namespace {

struct Pipe {
  int read = -1;
  int write = -1;
};

void CloseIfOpen(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

void CreatePipe(Pipe& pipe) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw Exception();
  pipe.read = fds[0];
  pipe.write = fds[1];
}

size_t ReadPipe(int fd, void* buffer, size_t size) {
  if (fd < 0 || size == 0) return 0;
  for (;;) {
    const ssize_t count = read(fd, buffer, size);
    if (count >= 0) return static_cast<size_t>(count);
    if (errno != EINTR) return 0;
  }
}

// Holds the file actions and attributes for the one spawn call.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
  }
};

}  // namespace

struct ChildProcess::Native {
  Pipe error;
  Pipe output;
  Pipe input;
  pid_t pid = -1;
  bool reaped = false;
  int status = 0;

  bool Reap(int options) {
    if (pid < 0 || reaped) return reaped;
    for (;;) {
      const pid_t done = waitpid(pid, &status, options);
      if (done == pid) return reaped = true;
      if (done < 0 && errno == EINTR) continue;
      return false;
    }
  }

  ~Native() {
    for (Pipe* pipe : {&error, &output, &input}) {
      CloseIfOpen(pipe->read);
      CloseIfOpen(pipe->write);
    }
    if (pid < 0 || Reap(WNOHANG)) return;
    // Still running: it goes on as on Windows, and a waiter collects its exit
    // status when it ends, so it never lingers as a zombie.
    const pid_t running = pid;
    try {
      std::thread([running] {
        int ignored;
        while (waitpid(running, &ignored, 0) < 0 && errno == EINTR) {
        }
      }).detach();
    } catch (...) {
      // No thread to spare: the zombie stays until this process ends.
    }
  }
};

ChildProcess::ChildProcess() : native_(std::make_unique<Native>()) {
  CreatePipe(native_->error);
  CreatePipe(native_->output);
  CreatePipe(native_->input);
}

ChildProcess::~ChildProcess() = default;

void ChildProcess::StartProcess() {
  Native& n = *native_;
  if (n.pid >= 0 || n.output.write < 0 || n.error.write < 0 || n.input.read < 0) throw Exception();
  std::vector<std::string> arguments;
  for (const auto& argument : SplitCommandLine(commandLine_))
    arguments.push_back(WideToNarrow(argument, kUtf8CodePage));
  if (arguments.empty() || arguments[0].empty()) throw Exception();
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  SpawnSetup setup;
  posix_spawn_file_actions_adddup2(&setup.actions, n.input.read, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&setup.actions, n.output.write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&setup.actions, n.error.write, STDERR_FILENO);
  for (int parentEnd : {n.output.read, n.error.read, n.input.write})
    if (parentEnd > STDERR_FILENO) posix_spawn_file_actions_addclose(&setup.actions, parentEnd);
  // The child starts with a clean signal state, whatever this process ignores or blocks.
  sigset_t none, pipeSignal;
  sigemptyset(&none);
  sigemptyset(&pipeSignal);
  sigaddset(&pipeSignal, SIGPIPE);
  posix_spawnattr_setsigmask(&setup.attributes, &none);
  posix_spawnattr_setsigdefault(&setup.attributes, &pipeSignal);
  posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  const bool searchPath = arguments[0].find('/') == std::string::npos;
  pid_t pid = -1;
  const int result = searchPath ? posix_spawnp(&pid, argv[0], &setup.actions, &setup.attributes,
                                               argv.data(), environ)
                                : posix_spawn(&pid, argv[0], &setup.actions, &setup.attributes,
                                              argv.data(), environ);
  if (result != 0) throw Exception();
  n.pid = pid;
  CloseIfOpen(n.output.write);
  CloseIfOpen(n.error.write);
  CloseIfOpen(n.input.read);
}

size_t ChildProcess::ReadOutput(void* buffer, size_t size) {
  return native_->pid >= 0 ? ReadPipe(native_->output.read, buffer, size) : 0;
}

size_t ChildProcess::ReadError(void* buffer, size_t size) {
  return native_->pid >= 0 ? ReadPipe(native_->error.read, buffer, size) : 0;
}

bool ChildProcess::WriteInput(const void* data, size_t size) {
  const int fd = native_->input.write;
  if (native_->pid < 0 || fd < 0) return false;
  // A child that closed its input raises SIGPIPE here; it is held back and
  // taken off this thread, so the write just fails as it does on Windows.
  sigset_t pipeSignal, previous;
  sigemptyset(&pipeSignal);
  sigaddset(&pipeSignal, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
  const auto* bytes = static_cast<const char*>(data);
  bool ok = true;
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      ok = false;
      break;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  if (!ok && errno == EPIPE && !sigismember(&previous, SIGPIPE)) {
    const timespec now{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
    }
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return ok;
}

void ChildProcess::CloseInput() { CloseIfOpen(native_->input.write); }

bool ChildProcess::IsRunning() { return native_->pid >= 0 && !native_->Reap(WNOHANG); }

bool ChildProcess::Wait(uint32_t timeoutMs) {
  Native& n = *native_;
  if (n.pid < 0) return true;
  if (timeoutMs == kWaitForever) return n.Reap(0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!n.Reap(WNOHANG)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

std::optional<uint32_t> ChildProcess::ExitCode() {
  Native& n = *native_;
  if (!n.Reap(WNOHANG)) return std::nullopt;
  if (WIFEXITED(n.status)) return static_cast<uint32_t>(WEXITSTATUS(n.status));
  // Ended by a signal: reported the way shells do.
  return 128u + static_cast<uint32_t>(WTERMSIG(n.status));
}

}  // namespace Utils
