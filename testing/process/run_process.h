// Runs a program of the build (found beside the test program) and collects its output.
#pragma once
#include <windows.h>

#include <string>

namespace orv::testing {

struct ProcessResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string out;  // raw bytes of stdout
  std::string err;  // raw bytes of stderr
};

// `commandLine` is passed as is; `timeoutMs` kills the process when exceeded.
ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 60000,
                         const wchar_t* currentDirectory = nullptr);

// Folder of the running test program (the build's bin folder), with a final backslash.
std::wstring ProgramFolder();

// A fresh empty folder under the temporary folder, removed with its content on destruction.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& prefix = L"orv");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& path() const { return path_; }  // no final backslash
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Whole-file helpers for checking what a module wrote.
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace orv::testing
