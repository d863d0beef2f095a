// tarvo.dll loaded from the build's bin folder, its exports resolved by name, and a
// copy of the sample project made the process's current project.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "process/run_process.h"
#include "tarvo.h"
#include "win/unique_resource.h"

namespace tarvo::test {

class TarvoLibrary {
 public:
  TarvoLibrary();
  HMODULE module() const { return module_.get(); }
  template <typename Fn>
  Fn Get(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
  }

 private:
  orv::win::UniqueModule module_;
};

#define TARVO_FN(lib, name) const auto name = (lib).Get<decltype(&::name)>(#name)

// Copies a folder tree; false when anything could not be copied.
bool CopyTree(const std::wstring& from, const std::wstring& to);
std::wstring SampleProjectSource();  // examples\SampleProject of the source tree

// A temporary copy of the sample project, current for this process while alive.
class SampleProjectCopy {
 public:
  explicit SampleProjectCopy(const TarvoLibrary& lib);
  ~SampleProjectCopy();
  const std::wstring& folder() const { return folder_; }
  std::wstring ini() const { return folder_ + L"\\SampleProject.APP"; }
  std::wstring path(const std::wstring& relative) const { return folder_ + L"\\" + relative; }

 private:
  const TarvoLibrary& lib_;
  orv::testing::TempFolder temp_;
  std::wstring folder_;
};

}  // namespace tarvo::test
