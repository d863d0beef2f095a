// The lock of the shared tables: a word of the region taken with an interlocked
// exchange, so a call costs no trip to the kernel when nobody else holds it. The word
// names the owning process and thread; a waiter takes over a lock whose owner's
// process has ended. (A named kernel mutex per call cost about 0.2 ms under Wine.)
#pragma once
#include <windows.h>

#include <cstdint>

namespace tarvo::runtime {

class RegionLock {
 public:
  // Waits at most timeoutMs for the lock.
  RegionLock(volatile std::uint64_t& word, DWORD timeoutMs);
  ~RegionLock();
  RegionLock(const RegionLock&) = delete;
  RegionLock& operator=(const RegionLock&) = delete;
  bool held() const { return held_; }

 private:
  volatile std::uint64_t& word_;
  std::uint64_t self_;
  bool held_ = false;
};

}  // namespace tarvo::runtime
