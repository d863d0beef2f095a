// What the value store needs to know of the running project's tag database.
#pragma once
#include <cstdint>
#include <string>

namespace orv::runtime {

constexpr std::uint32_t kRefIndirect = 0x100u;  // the name carried the "@" prefix
constexpr std::uint32_t kTagTrend = 0x20u;      // the tag is recorded in a trend
constexpr std::uint32_t kTagAlarm = 0x100u;     // the tag has an alarm definition

// A tag reference as the value calls receive it.
struct TagRefData {
  std::int32_t tag = -1;
  std::int32_t index = 0;
  std::int32_t indexTag = 0;  // > 0: the index is the value of that tag
  std::int32_t member = 0;    // from 1; 0 for none
  std::int32_t field = 0;     // 1 to 61; 0 for none
  std::uint32_t flags = 0;
};

struct TagInfo {
  std::int32_t type = 0;       // 0 boolean, 1 integer, 2 real, 3 string, 4+ class
  std::int32_t arraySize = 0;  // 0 for a scalar; elements 0 to arraySize otherwise
  std::uint32_t flags = 0;     // kTagTrend, kTagAlarm
};

class TagCatalog {
 public:
  virtual ~TagCatalog() = default;
  virtual bool Info(std::int32_t tag, TagInfo& out) const = 0;
  // Type code of a member of a class tag, -1 when the class has no such member.
  virtual std::int32_t MemberType(std::int32_t tag, std::int32_t member) const = 0;
  // The reference of a tag name (for indirection); false when it is no tag.
  virtual bool Lookup(const std::wstring& name, TagRefData& out) const = 0;
};

}  // namespace orv::runtime
