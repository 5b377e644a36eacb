#include "utils/thread.h"

#include <system_error>

#include "app/diag_log.h"
#include "utils/text_convert.h"
#include "utils/thread_platform.h"

namespace Utils {

Thread::Thread(void* argument, const std::wstring& name, Body body)
    : body_(std::move(body)), argument_(argument), name_(name) {
  try {
    thread_ = std::thread([this] { CallBack(this); });
  } catch (const std::system_error&) {
    return;  // no thread: the id stays kNoId and nothing is named
  }
  {
    // The id is the new thread's own to tell; it does so before it waits.
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return idKnown_; });
  }
  debuggerName_ = name_.empty() ? "t" + std::to_string(Id()) : WideToNarrow(name_, kAnsiCodePage);
  thread_platform::AnnounceThreadName(thread_, Id(), debuggerName_);
}

Thread::~Thread() {
  Join();
  name_.clear();
  body_ = nullptr;
}

void Thread::Resume() {
  std::lock_guard lock(mutex_);
  if (gate_ == Gate::Suspended) gate_ = Gate::Resumed;
  changed_.notify_all();
}

void Thread::Join() {
  if (!thread_.joinable()) return;
  if (thread_.get_id() == std::this_thread::get_id()) {
    // A body that restarts its own runner ends up here; waiting for itself
    // would never end, so the thread runs on detached.
    thread_.detach();
    id_ = kNoId;
    return;
  }
  {
    std::lock_guard lock(mutex_);
    if (gate_ == Gate::Suspended) gate_ = Gate::Released;
    changed_.notify_all();
  }
  thread_.join();
  id_ = kNoId;
}

unsigned Thread::CallBack(void* parameter) {
  auto* self = static_cast<Thread*>(parameter);
  Body body;
  void* argument;
  {
    std::unique_lock lock(self->mutex_);
    self->id_ = thread_platform::CurrentThreadId();
    self->idKnown_ = true;
    self->changed_.notify_all();
    self->changed_.wait(lock, [self] { return self->gate_ != Gate::Suspended; });
    if (self->gate_ == Gate::Released) return 0;
    // From here on the object is not touched: the body may destroy it.
    body = self->body_;
    argument = self->argument_;
  }
  DIAG_LOG(L"THREAD BEGIN\r\n");
  if (body) body(argument);
  DIAG_LOG(L"THREAD END\r\n");
  return 0;
}

}  // namespace Utils
