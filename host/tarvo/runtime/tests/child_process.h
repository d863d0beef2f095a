// A helper process that runs beside the test (RunProcess waits for its end; these
// tests talk to the helper while it runs).
#pragma once
#include <windows.h>

#include <string>

#include "process/run_process.h"
#include "win/unique_resource.h"

namespace tarvo::testing {

class ChildProcess {
 public:
  explicit ChildProcess(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16)) return;
    output_.reset(readEnd);
    orv::win::UniqueHandle childEnd(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring line = L"\"" + orv::testing::ProgramFolder() + L"tarvo_runtime_helper.exe\" " + arguments;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
      process_.reset(pi.hProcess);
      orv::win::UniqueHandle thread(pi.hThread);
    }
  }
  ~ChildProcess() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 99);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // Exit code, or 0xFFFFFFFF when it has not ended within the time.
  DWORD Wait(DWORD ms) {
    if (!process_ || WaitForSingleObject(process_.get(), ms) != WAIT_OBJECT_0) return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process_.get(), &code);
    return code;
  }
  // What the helper printed (read once it has ended).
  std::string Output() {
    std::string text;
    char chunk[512];
    DWORD got = 0;
    DWORD available = 0;
    while (PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(output_.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
      text.append(chunk, got);
    return text;
  }

 private:
  orv::win::UniqueHandle process_;
  orv::win::UniqueHandle output_;
};

}  // namespace tarvo::testing
