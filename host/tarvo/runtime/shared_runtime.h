// The running project's shared region as this process sees it: a named file mapping
// named after the current project's settings file, so every process of the same
// project meets the same tables. A named mutex guards the region's preparation; the
// calls take the region's own lock (region_lock.h).
#pragma once
#include <windows.h>

#include <mutex>
#include <string>

#include "db_catalog.h"
#include "region_lock.h"
#include "win/unique_resource.h"
#include "runtime_tables.h"
#include "value_store.h"

namespace tarvo::runtime {

using orv::runtime::ProcessStamp;
using orv::runtime::Region;
using orv::runtime::RuntimeTables;
using orv::runtime::ValueStore;

class SharedRuntime {
 public:
  static SharedRuntime& Instance();

  // Runs work(tables, values) under the region's lock. False, and nothing run, when
  // the region cannot be mapped or its lock is not had within a few seconds.
  template <typename Work>
  bool With(Work&& work) {
    try {
      std::lock_guard<std::mutex> local(attachLock_);
      if (!Attach()) return false;
      Region& region = *static_cast<Region*>(view_.get());
      RegionLock lock(region.header.lockWord, kLockTimeoutMs);
      if (!lock.held()) return false;
      RuntimeTables tables(region, &IsAlive);
      ValueStore values(region, catalog_);
      work(tables, values);
      return true;
    } catch (...) {  // no exception leaves the library (out of memory in a table walk)
      return false;
    }
  }

  // This process, as entries record it.
  static ProcessStamp Self();
  static bool IsAlive(const ProcessStamp& process);

 private:
  static constexpr DWORD kLockTimeoutMs = 10000;
  bool Attach();

  std::mutex attachLock_;
  std::wstring attachedName_;
  orv::win::UniqueHandle mapping_;
  orv::win::UniqueView view_;
  orv::win::UniqueHandle mutex_;
  DbCatalog catalog_;
};

// Posts the message that tells a task's window that host messages wait.
void NotifyWindows(const std::vector<std::uint64_t>& windows);

}  // namespace tarvo::runtime
