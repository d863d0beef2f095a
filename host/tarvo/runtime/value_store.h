// Tag values of the running project on the shared region: one slot per tag element
// (and member, and field) that has been written; an element never written reads as
// the empty value of its type with good quality. The caller holds the region's lock.
#pragma once
#include <string>
#include <vector>

#include "runtime_layout.h"
#include "tag_catalog.h"

namespace orv::runtime {

constexpr std::uint16_t kQualityBad = 0;
constexpr std::uint16_t kQualityGood = 192;

// Where a reference leads, once index tags and indirection are followed.
struct ResolvedRef {
  bool known = false;   // the reference names a tag of the database
  bool usable = false;  // ... and a single value that can be read and written
  ValueKey key{};
  std::int32_t type = -1;       // type of that value
  std::int32_t tagType = -1;    // type code of the tag itself
  std::int32_t arraySize = 0;
  std::uint32_t tagFlags = 0;   // kTagTrend, kTagAlarm of the tag
  bool indexByTag = false;      // the element was chosen by another tag's value
};

enum class WriteResult { kUnchanged, kChanged, kRefused, kFull };

class ValueStore {
 public:
  ValueStore(Region& region, const TagCatalog& catalog) : region_(region), catalog_(catalog) {}

  ResolvedRef Resolve(const TagRefData& ref) const;
  bool Read(const TagRefData& ref, std::wstring& text, std::uint16_t& quality) const;
  // quality < 0 stores good quality.
  WriteResult Write(const TagRefData& ref, const std::wstring& text, int quality, std::int32_t marker,
                    ResolvedRef* where = nullptr);

 private:
  ResolvedRef Resolve(const TagRefData& ref, int depth) const;
  const ValueSlot* Find(const ValueKey& key) const;
  ValueSlot* FindOrAdd(const ValueKey& key, std::int32_t type, bool& full);
  std::wstring TextOf(const ValueSlot* slot, std::int32_t type) const;

  Region& region_;
  const TagCatalog& catalog_;
};

}  // namespace orv::runtime
