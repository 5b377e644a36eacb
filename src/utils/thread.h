// A named worker thread that starts suspended: the owner stores the object
// first and then resumes it, so the body never runs before its owner is ready.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace Utils {

class Thread {
 public:
  using Body = std::function<void(void*)>;
  static constexpr uint32_t kNoId = 0xFFFFFFFF;

  // Creates the thread suspended and names it for debuggers; an empty name
  // becomes "t" and the thread id. When no thread can be made, Id() is kNoId.
  Thread(void* argument, const std::wstring& name, Body body);
  // Joins, then clears the name and the body.
  ~Thread();
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Lets the body run; for the owner. Later calls do nothing.
  void Resume();

  // Waits for the thread without limit and forgets it; a second join finds
  // nothing to do. A thread that was never resumed ends without running its
  // body. Called from the thread itself, it lets the thread go on unjoined
  // instead of waiting for itself.
  void Join();

  // The system's thread id (Win32 thread id, kernel tid on POSIX), kNoId when
  // there is no thread.
  uint32_t Id() const { return id_.load(); }
  const std::wstring& Name() const { return name_; }
  // The name as announced: the name in the ANSI code page, or "t" and the id.
  const std::string& DebuggerName() const { return debuggerName_; }

 private:
  enum class Gate { Suspended, Resumed, Released };

  // The thread's entry routine: waits for the gate, then runs the body
  // between the "THREAD BEGIN" and "THREAD END" lines.
  static unsigned CallBack(void* parameter);

  std::atomic<uint32_t> id_{kNoId};
  std::thread thread_;
  Body body_;
  void* argument_;
  std::wstring name_;
  std::string debuggerName_;

  std::mutex mutex_;
  std::condition_variable changed_;
  bool idKnown_ = false;
  Gate gate_ = Gate::Suspended;
};

}  // namespace Utils
