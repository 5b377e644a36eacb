// A child process whose standard input, output and error are anonymous pipes
// held by this object, as the setup package and the uninstaller are run.
// Making the pipes and starting the process throw Utils::Exception.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "utils/exception.h"

namespace Utils {

class ChildProcess {
 public:
  // The command line is copied into a buffer of this many wide characters,
  // the last one for the terminator; a longer line is refused.
  static constexpr size_t kCommandLineBufferSize = 1024;
  static constexpr uint32_t kWaitForever = 0xFFFFFFFF;

  // Creates the error, output and input pipes.
  ChildProcess();
  // Closes what is still open. A child that still runs is left running, as
  // Windows does when its handles are closed.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the command line hidden, its standard handles on the pipes; only
  // once per object. Throws when the line does not fit or the start fails.
  void Start(const std::wstring& commandLine);

  // Reads what the child wrote to its standard output (or error): the count
  // of bytes read, 0 at the end of data (the child and everything it started
  // closed the pipe) or when nothing was started.
  size_t ReadOutput(void* buffer, size_t size);
  size_t ReadError(void* buffer, size_t size);
  // Writes to the child's standard input; false when it can no longer be
  // written. CloseInput lets the child read the end of data.
  bool WriteInput(const void* data, size_t size);
  void CloseInput();

  bool IsRunning();
  // True when no child runs any more, false when `timeoutMs` passed first.
  bool Wait(uint32_t timeoutMs = kWaitForever);
  // The exit code once the child has ended.
  std::optional<uint32_t> ExitCode();

 private:
  struct Native;  // the platform's pipe ends and process

  void StartProcess();  // platform: starts commandLine_

  wchar_t commandLine_[kCommandLineBufferSize] = {};  // the system may change it
  std::unique_ptr<Native> native_;
};

}  // namespace Utils
