// Scratch folders and files for tests, removed when the folder goes away.
#pragma once
#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder's path joined with `name`, as the system writes paths.
  std::wstring File(const std::wstring& name) const;

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::wstring& path, const std::string& bytes);
