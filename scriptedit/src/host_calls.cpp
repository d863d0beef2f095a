#include "host_calls.h"

#include <windows.h>

#include "tarvo.h"
#include "win/unique_resource.h"

namespace vse {
namespace {

// The host runtime library is resolved at run time, so the control also works (with the
// documented defaults) where the host library is absent or older.
HMODULE HostLibrary() {
  static orv::win::UniqueModule library(::LoadLibraryW(L"tarvo.dll"));
  return library.get();
}

template <typename Fn>
Fn HostFunction(const char* name) {
  HMODULE library = HostLibrary();
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, name))) : nullptr;
}

}  // namespace

int ProjectSettingInt(const wchar_t* section, const wchar_t* key, int fallback) {
  static auto fn = HostFunction<decltype(&APGetInt)>("APGetInt");
  return fn ? fn(section, key, fallback) : fallback;
}

int LocalSettingInt(const wchar_t* section, const wchar_t* key, int fallback) {
  static auto fn = HostFunction<decltype(&APTarvoGetIntLocal)>("APTarvoGetIntLocal");
  return fn ? fn(section, key, fallback) : fallback;
}

int TagDatabaseVersion() {
  static auto fn = HostFunction<decltype(&UNGetVersion)>("UNGetVersion");
  return fn ? static_cast<int>(fn()) : 0;
}

}  // namespace vse
