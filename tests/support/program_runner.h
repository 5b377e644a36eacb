// Runs a real program and waits for its exit code.
#pragma once
#include <optional>
#include <string>
#include <vector>

// The path of a program built into the same folder as the test program
// ("KelvraInstaller" gets ".exe" on Windows).
std::wstring BesideTestProgram(const std::wstring& name);

// The exit code, or nullopt when it could not be started or did not exit
// within `timeoutMs` (it is then ended).
std::optional<int> RunProgram(const std::wstring& path, const std::vector<std::wstring>& arguments,
                              int timeoutMs);
