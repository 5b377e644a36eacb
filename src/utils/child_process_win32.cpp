#include <windows.h>

#include <algorithm>

#include "utils/child_process.h"

namespace Utils {

namespace {

struct Pipe {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
};

void CloseIfOpen(HANDLE& handle) {
  if (handle) CloseHandle(handle);
  handle = nullptr;
}

// Both ends inheritable; the parent's end is made private before the start.
void CreateInheritablePipe(Pipe& pipe) {
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
  if (!CreatePipe(&pipe.read, &pipe.write, &attributes, 0)) {
    CloseIfOpen(pipe.read);
    CloseIfOpen(pipe.write);
    throw Exception();
  }
}

size_t ReadPipe(HANDLE pipe, void* buffer, size_t size) {
  if (!pipe || size == 0) return 0;
  DWORD read = 0;
  const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 0x7FFFFFFF));
  // A broken pipe is the end of data: every writer has closed its end.
  if (!ReadFile(pipe, buffer, chunk, &read, nullptr)) return 0;
  return read;
}

}  // namespace

struct ChildProcess::Native {
  Pipe error;
  Pipe output;
  Pipe input;
  PROCESS_INFORMATION process{};

  ~Native() {
    CloseIfOpen(process.hThread);
    CloseIfOpen(process.hProcess);
    for (Pipe* pipe : {&error, &output, &input}) {
      CloseIfOpen(pipe->read);
      CloseIfOpen(pipe->write);
    }
  }
};

ChildProcess::ChildProcess() : native_(std::make_unique<Native>()) {
  // A pipe that fails leaves the earlier ones to Native's destructor.
  CreateInheritablePipe(native_->error);
  CreateInheritablePipe(native_->output);
  CreateInheritablePipe(native_->input);
}

ChildProcess::~ChildProcess() = default;

void ChildProcess::StartProcess() {
  Native& n = *native_;
  if (n.process.hProcess || !n.output.write || !n.error.write || !n.input.read) throw Exception();
  if (!SetHandleInformation(n.output.read, HANDLE_FLAG_INHERIT, 0) ||
      !SetHandleInformation(n.error.read, HANDLE_FLAG_INHERIT, 0) ||
      (n.input.write && !SetHandleInformation(n.input.write, HANDLE_FLAG_INHERIT, 0)))
    throw Exception();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = n.input.read;
  startup.hStdOutput = n.output.write;
  startup.hStdError = n.error.write;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine_, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process))
    throw Exception();
  n.process = process;
  // Only the child holds these now, so its exit ends the data on our side.
  CloseIfOpen(n.output.write);
  CloseIfOpen(n.error.write);
  CloseIfOpen(n.input.read);
}

size_t ChildProcess::ReadOutput(void* buffer, size_t size) {
  return native_->process.hProcess ? ReadPipe(native_->output.read, buffer, size) : 0;
}

size_t ChildProcess::ReadError(void* buffer, size_t size) {
  return native_->process.hProcess ? ReadPipe(native_->error.read, buffer, size) : 0;
}

bool ChildProcess::WriteInput(const void* data, size_t size) {
  const HANDLE pipe = native_->input.write;
  if (!native_->process.hProcess || !pipe) return false;
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 0x7FFFFFFF));
    if (!WriteFile(pipe, bytes, chunk, &written, nullptr)) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

void ChildProcess::CloseInput() { CloseIfOpen(native_->input.write); }

bool ChildProcess::IsRunning() {
  const HANDLE process = native_->process.hProcess;
  return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::Wait(uint32_t timeoutMs) {
  const HANDLE process = native_->process.hProcess;
  return !process || WaitForSingleObject(process, timeoutMs) != WAIT_TIMEOUT;
}

std::optional<uint32_t> ChildProcess::ExitCode() {
  const HANDLE process = native_->process.hProcess;
  DWORD code = 0;
  if (!process || WaitForSingleObject(process, 0) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process, &code))
    return std::nullopt;
  return code;
}

}  // namespace Utils
