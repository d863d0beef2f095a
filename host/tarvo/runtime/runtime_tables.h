// Bookkeeping of the running project on its shared region: running modules, runtime
// tasks with their message queues, and change subscriptions. Every table is bounded;
// a full table is refused. The caller holds the region's lock around every call.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "runtime_layout.h"

namespace orv::runtime {

// Tells whether the process of an entry still runs (entries of ended processes are
// skipped and their places reused).
using LivenessCheck = std::function<bool(const ProcessStamp&)>;

class RuntimeTables {
 public:
  RuntimeTables(Region& region, LivenessCheck alive);

  // Makes a fresh region usable (zero-filled memory or a region of another layout).
  static void Prepare(Region& region);
  static bool IsPrepared(const Region& region) {
    return region.header.magic == kRegionMagic && region.header.layoutVersion == kLayoutVersion;
  }

  // ---- running modules ----
  bool RegisterModule(const std::wstring& key, std::uint64_t window, std::uint32_t threadId,
                      const ProcessStamp& process, std::int32_t mode, std::int32_t reserved);
  void EndModuleThread(std::uint32_t threadId);
  const ModuleEntry* FindModule(const std::wstring& key) const;
  // Position of the first live module at or after `from`, or -1.
  int NextModule(int from) const;
  const ModuleEntry& ModuleAt(int position) const { return region_.modules[position]; }

  // ---- tasks ----
  int RegisterTask(const std::wstring& name, std::uint64_t window, std::uint32_t threadId,
                   const ProcessStamp& process);
  void EndTask(int taskId);
  bool IsTask(int taskId) const;
  int FindTask(const std::wstring& name) const;
  bool TakeMessage(int taskId, QueuedMessage& out);
  void CleanQueue(int taskId);
  // Appends to the task's queue; false (and counted as lost) when it is full.
  bool Enqueue(int taskId, const QueuedMessage& message);

  // ---- change subscriptions ----
  // index kEveryElement watches every element of the tag.
  bool Subscribe(int taskId, std::int32_t tag, std::int32_t index, const QueuedMessage& message);
  bool Unsubscribe(int taskId, std::int32_t tag, std::int32_t index, std::int64_t lParam);
  // Queues each matching subscription's record to its task; returns the windows to be
  // told (each once).
  std::vector<std::uint64_t> DeliverChange(std::int32_t tag, std::int32_t index);

  int SubscriptionCount() const;

 private:
  bool Alive(const ProcessStamp& process) const { return !alive_ || alive_(process); }
  void DropSubscriptionsOf(int taskId);

  Region& region_;
  LivenessCheck alive_;
};

}  // namespace orv::runtime
