// Platform side of Utils::Thread: the system's id of the calling thread, and
// announcing a thread's name where debuggers and tools look for it.
#pragma once
#include <cstdint>
#include <string>
#include <thread>

namespace Utils::thread_platform {

uint32_t CurrentThreadId();
void AnnounceThreadName(std::thread& thread, uint32_t id, const std::string& name);

}  // namespace Utils::thread_platform
