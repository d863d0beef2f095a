#include "runtime_tables.h"

#include <algorithm>
#include <cstring>

#include "runtime_text.h"

namespace orv::runtime {

RuntimeTables::RuntimeTables(Region& region, LivenessCheck alive) : region_(region), alive_(std::move(alive)) {}

void RuntimeTables::Prepare(Region& region) {
  if (IsPrepared(region)) return;
  // A new mapping is all zero already; clearing it would touch every page.
  if (region.header.magic != 0 || region.header.layoutVersion != 0) std::memset(&region, 0, sizeof region);
  region.header.magic = kRegionMagic;
  region.header.layoutVersion = kLayoutVersion;
}

// ---- running modules ----

bool RuntimeTables::RegisterModule(const std::wstring& key, std::uint64_t window, std::uint32_t threadId,
                                   const ProcessStamp& process, std::int32_t mode, std::int32_t reserved) {
  if (key.empty() || key.size() >= static_cast<std::size_t>(kKeyChars)) return false;
  ModuleEntry* target = nullptr;
  for (ModuleEntry& m : region_.modules) {
    if (m.used && SameKey(m.key, kKeyChars, key)) {
      target = &m;
      break;
    }
  }
  if (target == nullptr) {
    for (ModuleEntry& m : region_.modules) {
      if (!m.used || !Alive(m.process)) {
        target = &m;
        break;
      }
    }
  }
  if (target == nullptr) return false;
  std::memset(target, 0, sizeof *target);
  target->used = 1;
  target->threadId = threadId;
  target->process = process;
  target->window = window;
  target->mode = mode;
  target->reserved = reserved;
  StoreText(target->key, kKeyChars, key);
  return true;
}

void RuntimeTables::EndModuleThread(std::uint32_t threadId) {
  for (ModuleEntry& m : region_.modules) {
    if (m.used && m.threadId == threadId) std::memset(&m, 0, sizeof m);
  }
}

const ModuleEntry* RuntimeTables::FindModule(const std::wstring& key) const {
  if (key.empty()) return nullptr;
  for (const ModuleEntry& m : region_.modules) {
    if (m.used && SameKey(m.key, kKeyChars, key) && Alive(m.process)) return &m;
  }
  return nullptr;
}

int RuntimeTables::NextModule(int from) const {
  for (int i = std::max(from, 0); i < kMaxModules; ++i) {
    const ModuleEntry& m = region_.modules[i];
    if (m.used && Alive(m.process)) return i;
  }
  return -1;
}

// ---- tasks ----

int RuntimeTables::RegisterTask(const std::wstring& name, std::uint64_t window, std::uint32_t threadId,
                                const ProcessStamp& process) {
  if (name.empty() || name.size() >= static_cast<std::size_t>(kKeyChars)) return -1;
  for (int id = 0; id < kMaxTasks; ++id) {
    TaskEntry& t = region_.tasks[id];
    if (t.used && Alive(t.process)) continue;
    if (t.used) DropSubscriptionsOf(id);  // left behind by an ended process
    std::memset(&t, 0, sizeof t);
    t.used = 1;
    t.threadId = threadId;
    t.process = process;
    t.window = window;
    StoreText(t.name, kKeyChars, name);
    return id;
  }
  return -1;
}

bool RuntimeTables::IsTask(int taskId) const {
  return taskId >= 0 && taskId < kMaxTasks && region_.tasks[taskId].used;
}

void RuntimeTables::EndTask(int taskId) {
  if (!IsTask(taskId)) return;
  DropSubscriptionsOf(taskId);
  std::memset(&region_.tasks[taskId], 0, sizeof region_.tasks[taskId]);
}

int RuntimeTables::FindTask(const std::wstring& name) const {
  if (name.empty()) return -1;
  for (int id = 0; id < kMaxTasks; ++id) {
    const TaskEntry& t = region_.tasks[id];
    if (t.used && SameKey(t.name, kKeyChars, name) && Alive(t.process)) return id;
  }
  return -1;
}

bool RuntimeTables::TakeMessage(int taskId, QueuedMessage& out) {
  if (!IsTask(taskId)) return false;
  TaskEntry& t = region_.tasks[taskId];
  if (t.count == 0) return false;
  out = t.queue[t.head % kQueueCapacity];
  t.head = (t.head + 1) % kQueueCapacity;
  --t.count;
  return true;
}

void RuntimeTables::CleanQueue(int taskId) {
  if (!IsTask(taskId)) return;
  region_.tasks[taskId].head = 0;
  region_.tasks[taskId].count = 0;
}

bool RuntimeTables::Enqueue(int taskId, const QueuedMessage& message) {
  if (!IsTask(taskId)) return false;
  TaskEntry& t = region_.tasks[taskId];
  if (t.count >= static_cast<std::uint32_t>(kQueueCapacity)) {
    ++t.lost;
    ++region_.header.lostEvents;
    return false;
  }
  t.queue[(t.head + t.count) % kQueueCapacity] = message;
  ++t.count;
  return true;
}

// ---- change subscriptions ----

bool RuntimeTables::Subscribe(int taskId, std::int32_t tag, std::int32_t index, const QueuedMessage& message) {
  if (!IsTask(taskId)) return false;
  Subscription* free = nullptr;
  for (Subscription& s : region_.subscriptions) {
    if (static_cast<std::uint32_t>(&s - region_.subscriptions) >= region_.header.subscriptionsEnd && free != nullptr) break;
    if (s.used && s.taskId == taskId && s.tag == tag && s.index == index && s.message.lParam == message.lParam) {
      s.message = message;  // the same watch again: the newer record serves
      return true;
    }
    if (!s.used && free == nullptr) free = &s;
  }
  if (free == nullptr) return false;
  free->used = 1;
  free->taskId = taskId;
  free->tag = tag;
  free->index = index;
  free->message = message;
  auto end = static_cast<std::uint32_t>(free - region_.subscriptions) + 1;
  if (end > region_.header.subscriptionsEnd) region_.header.subscriptionsEnd = end;
  return true;
}

bool RuntimeTables::Unsubscribe(int taskId, std::int32_t tag, std::int32_t index, std::int64_t lParam) {
  const std::uint32_t end = std::min<std::uint32_t>(region_.header.subscriptionsEnd, kMaxSubscriptions);
  for (std::uint32_t i = 0; i < end; ++i) {
    Subscription& s = region_.subscriptions[i];
    if (s.used && s.taskId == taskId && s.tag == tag && s.index == index && s.message.lParam == lParam) {
      std::memset(&s, 0, sizeof s);
      return true;
    }
  }
  return false;
}

std::vector<std::uint64_t> RuntimeTables::DeliverChange(std::int32_t tag, std::int32_t index) {
  std::vector<std::uint64_t> windows;
  const std::uint32_t end = std::min<std::uint32_t>(region_.header.subscriptionsEnd, kMaxSubscriptions);
  for (std::uint32_t i = 0; i < end; ++i) {
    const Subscription& s = region_.subscriptions[i];
    if (!s.used || s.tag != tag) continue;
    if (s.index != kEveryElement && index != kEveryElement && s.index != index) continue;
    Enqueue(s.taskId, s.message);
    std::uint64_t window = s.message.window != 0 ? s.message.window : region_.tasks[s.taskId].window;
    if (window != 0 && std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
  }
  return windows;
}

int RuntimeTables::SubscriptionCount() const {
  int n = 0;
  for (const Subscription& s : region_.subscriptions) n += s.used ? 1 : 0;
  return n;
}

void RuntimeTables::DropSubscriptionsOf(int taskId) {
  for (Subscription& s : region_.subscriptions) {
    if (s.used && s.taskId == taskId) std::memset(&s, 0, sizeof s);
  }
}

}  // namespace orv::runtime
