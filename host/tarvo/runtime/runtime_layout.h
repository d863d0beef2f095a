// Layout of the running project's shared region: plain fixed-size tables that every
// process of the running project maps at its own address. Nothing in it is a pointer;
// windows are stored as integers; texts are UTF-16 units with a terminator.
#pragma once
#include <cstdint>

namespace orv::runtime {

constexpr std::uint32_t kRegionMagic = 0x5256524Fu;  // "ORVR"
constexpr std::uint32_t kLayoutVersion = 2;

constexpr int kKeyChars = 64;            // module keys and task names, terminator included
constexpr int kMaxModules = 64;
constexpr int kMaxTasks = 64;            // task ids 0..63: they fit the byte of a writer marker
constexpr int kQueueCapacity = 256;      // waiting host messages per task
constexpr int kMaxSubscriptions = 4096;
constexpr std::uint32_t kValueSlots = 1u << 16;              // open-addressing table
constexpr std::uint32_t kMaxValues = kValueSlots / 8u * 7u;  // kept below full for short probes
constexpr int kMaxStrings = 8192;        // string values (each element of a string tag)
constexpr int kStringChars = 256;        // 255 characters and the terminator

// The process an entry belongs to; the start time tells a reused process id apart.
struct ProcessStamp {
  std::uint32_t processId;
  std::uint32_t pad;
  std::uint64_t startTime;
};

struct ModuleEntry {
  std::uint32_t used;
  std::uint32_t threadId;
  ProcessStamp process;
  std::uint64_t window;
  std::int32_t mode;
  std::int32_t reserved;
  char16_t key[kKeyChars];
};

struct QueuedMessage {
  std::int32_t taskId;
  std::uint32_t code;
  std::uint64_t wParam;
  std::int64_t lParam;
  std::int32_t extra;
  std::uint32_t pad;
  std::uint64_t window;
};

struct TaskEntry {
  std::uint32_t used;
  std::uint32_t threadId;
  ProcessStamp process;
  std::uint64_t window;
  std::uint32_t head;   // oldest waiting message
  std::uint32_t count;  // waiting messages
  std::uint32_t lost;   // messages dropped because the queue was full
  std::uint32_t pad;
  char16_t name[kKeyChars];
  QueuedMessage queue[kQueueCapacity];
};

constexpr std::int32_t kEveryElement = -1;

struct Subscription {
  std::uint32_t used;
  std::int32_t taskId;
  std::int32_t tag;
  std::int32_t index;  // kEveryElement when the element is chosen by another tag
  QueuedMessage message;
};

struct ValueKey {
  std::int32_t tag;
  std::int32_t index;
  std::int32_t member;
  std::int32_t field;
};

struct ValueSlot {
  std::uint32_t used;
  std::int32_t type;
  ValueKey key;
  std::uint16_t quality;
  std::uint16_t pad;
  std::int32_t marker;      // who wrote it last
  std::int32_t stringSlot;  // string values: index into the string table
  std::uint32_t changes;
  std::int64_t integer;     // boolean and integer values
  double real;              // real values
};

struct StringSlot {
  char16_t text[kStringChars];
};

struct RegionHeader {
  std::uint32_t magic;
  std::uint32_t layoutVersion;
  std::uint32_t valuesUsed;
  std::uint32_t stringsUsed;
  std::uint64_t changeCount;  // value changes since the region was made
  std::uint64_t lostEvents;   // change events dropped: full queue
  std::uint32_t subscriptionsEnd;  // no subscription at or after this position
  std::uint32_t pad;
  std::uint64_t lockWord;  // owner of the tables' lock: process id << 32 | thread id; 0 when free
};

struct Region {
  RegionHeader header;
  ModuleEntry modules[kMaxModules];
  TaskEntry tasks[kMaxTasks];
  Subscription subscriptions[kMaxSubscriptions];
  ValueSlot values[kValueSlots];
  StringSlot strings[kMaxStrings];
};

}  // namespace orv::runtime
