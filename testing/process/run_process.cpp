#include "process/run_process.h"

#include <vector>

#include "win/unique_resource.h"

namespace orv::testing {
namespace {
// Moves what is waiting in a pipe into `into`, without blocking.
void DrainAvailable(HANDLE pipe, std::string* into) {
  char buf[4096];
  for (;;) {
    DWORD available = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return;
    DWORD got = 0;
    if (!::ReadFile(pipe, buf, available < sizeof(buf) ? available : sizeof(buf), &got, nullptr) || got == 0) return;
    into->append(buf, got);
  }
}
}  // namespace

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs, const wchar_t* currentDirectory) {
  ProcessResult result;
  SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  if (!::CreatePipe(&outRead, &outWrite, &sa, 1 << 16) || !::CreatePipe(&errRead, &errWrite, &sa, 1 << 16)) {
    return result;
  }
  win::UniqueHandle outR(outRead), outW(outWrite), errR(errRead), errW(errWrite);
  ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = outWrite;
  si.hStdError = errWrite;
  PROCESS_INFORMATION pi{};
  std::vector<wchar_t> cmd(commandLine.begin(), commandLine.end());
  cmd.push_back(L'\0');
  if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, currentDirectory, &si, &pi)) {
    return result;
  }
  win::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  outW.reset();
  errW.reset();
  // Poll rather than wait for the pipes' end: a process the child started (such as
  // Wine's console host) may hold the write ends open long after the child is gone.
  ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    DrainAvailable(outRead, &result.out);
    DrainAvailable(errRead, &result.err);
    if (::WaitForSingleObject(pi.hProcess, 5) == WAIT_OBJECT_0) break;
    if (::GetTickCount64() > deadline) {
      ::TerminateProcess(pi.hProcess, 0xDEAD);
      ::WaitForSingleObject(pi.hProcess, 5000);
      break;
    }
  }
  DrainAvailable(outRead, &result.out);
  DrainAvailable(errRead, &result.err);
  ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
  return result;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

TempFolder::TempFolder(const std::wstring& prefix) {
  wchar_t dir[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  static LONG counter = 0;
  for (;;) {
    path_ = std::wstring(dir) + prefix + L"_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(::InterlockedIncrement(&counter));
    if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
}

static void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  win::UniqueFindHandle find(::FindFirstFileW((dir + L"\\*").c_str(), &fd));
  if (find) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = dir + L"\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(find.get(), &fd));
  }
  find.reset();
  ::RemoveDirectoryW(dir.c_str());
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string ReadFileBytes(const std::wstring& path) {
  win::UniqueHandle f(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  if (!f) return bytes;
  char buf[65536];
  DWORD got = 0;
  while (::ReadFile(f.get(), buf, sizeof(buf), &got, nullptr) && got > 0) bytes.append(buf, got);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  win::UniqueHandle f(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD put = 0;
  return f && ::WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
         put == bytes.size();
}

}  // namespace orv::testing
