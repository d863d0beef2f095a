#include "region_lock.h"

#include "shared_runtime.h"

namespace tarvo::runtime {
namespace {

volatile LONG64* AsInterlocked(volatile std::uint64_t& word) { return reinterpret_cast<volatile LONG64*>(&word); }

bool OwnerEnded(std::uint64_t owner) {
  ProcessStamp process{static_cast<std::uint32_t>(owner >> 32), 0, 0};
  return !SharedRuntime::IsAlive(process);
}

}  // namespace

RegionLock::RegionLock(volatile std::uint64_t& word, DWORD timeoutMs)
    : word_(word),
      self_((static_cast<std::uint64_t>(GetCurrentProcessId()) << 32) | GetCurrentThreadId()) {
  const DWORD start = GetTickCount();
  for (unsigned attempt = 0;; ++attempt) {
    const auto seen = static_cast<std::uint64_t>(InterlockedCompareExchange64(AsInterlocked(word_), 
                                                                             static_cast<LONG64>(self_), 0));
    if (seen == 0) {
      held_ = true;
      return;
    }
    if (attempt < 64) {
      YieldProcessor();
    } else if (attempt < 256) {
      SwitchToThread();
    } else {
      Sleep(1);
      // Now and then: an owner whose process has ended will never give it back.
      if (attempt % 64 == 0 && OwnerEnded(seen) &&
          static_cast<std::uint64_t>(InterlockedCompareExchange64(
              AsInterlocked(word_), static_cast<LONG64>(self_), static_cast<LONG64>(seen))) == seen) {
        held_ = true;
        return;
      }
      if (GetTickCount() - start >= timeoutMs) return;
    }
  }
}

RegionLock::~RegionLock() {
  if (held_) InterlockedCompareExchange64(AsInterlocked(word_), 0, static_cast<LONG64>(self_));
}

}  // namespace tarvo::runtime
