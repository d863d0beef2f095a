#include "shared_runtime.h"

#include <cwchar>

namespace tarvo::runtime {
namespace {

// FNV-1a of the upper-cased project file path: the same project, the same region.
std::wstring RegionSuffix() {
  const wchar_t* ini = APGetAppIniPath();
  std::wstring path = ini ? ini : L"";
  if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  std::uint64_t h = 1469598103934665603ull;
  for (wchar_t c : path) {
    h ^= static_cast<std::uint16_t>(c == L'/' ? L'\\' : c);
    h *= 1099511628211ull;
  }
  wchar_t text[24];
  std::swprintf(text, 24, L"%016llx", static_cast<unsigned long long>(h));
  return text;
}

std::uint64_t StartTimeOf(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

SharedRuntime& SharedRuntime::Instance() {
  static SharedRuntime instance;
  return instance;
}

ProcessStamp SharedRuntime::Self() {
  static const ProcessStamp self{GetCurrentProcessId(), 0, StartTimeOf(GetCurrentProcess())};
  return self;
}

bool SharedRuntime::IsAlive(const ProcessStamp& process) {
  if (process.processId == GetCurrentProcessId()) return true;
  orv::win::UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process.processId));
  if (!handle) return GetLastError() == ERROR_ACCESS_DENIED;  // exists, but not ours to ask
  DWORD code = 0;
  if (!GetExitCodeProcess(handle.get(), &code) || code != STILL_ACTIVE) return false;
  return process.startTime == 0 || StartTimeOf(handle.get()) == process.startTime;
}

bool SharedRuntime::Attach() {
  std::wstring name = L"OrvaneRunningProject-" + RegionSuffix();
  if (view_ && name == attachedName_) return true;
  view_.reset();
  mapping_.reset();
  mutex_.reset();
  attachedName_.clear();
  const auto size = static_cast<unsigned long long>(sizeof(Region));
  orv::win::UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                    static_cast<DWORD>(size >> 32), static_cast<DWORD>(size),
                                                    name.c_str()));
  if (!mapping) return false;
  orv::win::UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Region)));
  orv::win::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, (name + L"-Lock").c_str()));
  if (!view || !mutex) return false;
  {
    orv::win::MutexLock prepare(mutex.get(), kLockTimeoutMs);
    if (!prepare.held()) return false;
    auto* region = static_cast<Region*>(view.get());
    if (!RuntimeTables::IsPrepared(*region)) RuntimeTables::Prepare(*region);
  }
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  mutex_ = std::move(mutex);
  attachedName_ = name;
  return true;
}

void NotifyWindows(const std::vector<std::uint64_t>& windows) {
  for (std::uint64_t window : windows) {
    PostMessageW(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), TARVO_WM_HOSTMSG, 0, 0);
  }
}

}  // namespace tarvo::runtime
