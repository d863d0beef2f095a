#include "value_store.h"

#include <cstring>

#include "runtime_text.h"

namespace orv::runtime {
namespace {

constexpr int kMaxIndirection = 8;  // a chain of pointers longer than this is a loop
constexpr std::int32_t kMaxField = 61;

std::uint32_t HashOf(const ValueKey& key) {
  std::uint64_t h = 1469598103934665603ull;
  const std::int32_t parts[4] = {key.tag, key.index, key.member, key.field};
  for (std::int32_t part : parts) {
    h ^= static_cast<std::uint32_t>(part);
    h *= 1099511628211ull;
  }
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

bool SameKeyOf(const ValueKey& a, const ValueKey& b) {
  return a.tag == b.tag && a.index == b.index && a.member == b.member && a.field == b.field;
}

}  // namespace

ResolvedRef ValueStore::Resolve(const TagRefData& ref) const { return Resolve(ref, 0); }

ResolvedRef ValueStore::Resolve(const TagRefData& ref, int depth) const {
  ResolvedRef r;
  TagInfo info;
  if (depth > kMaxIndirection || !catalog_.Info(ref.tag, info)) return r;
  r.known = true;
  r.tagType = info.type;
  r.arraySize = info.arraySize;
  r.tagFlags = info.flags;

  if (ref.flags & kRefIndirect) {
    // The pointer tag's value is the name of the tag meant.
    TagRefData pointer = ref;
    pointer.flags &= ~kRefIndirect;
    pointer.member = 0;
    pointer.field = 0;
    std::wstring name;
    std::uint16_t quality = 0;
    TagRefData target;
    if (!Read(pointer, name, quality) || !catalog_.Lookup(name, target)) return r;
    if (ref.member > 0) target.member = ref.member;
    if (ref.field > 0) target.field = ref.field;
    ResolvedRef followed = Resolve(target, depth + 1);
    return followed.known ? followed : r;
  }

  std::int32_t index = ref.index;
  if (ref.indexTag > 0) {
    r.indexByTag = true;
    TagRefData indexRef;
    indexRef.tag = ref.indexTag;
    std::wstring text;
    std::uint16_t quality = 0;
    std::int64_t value = 0;
    if (!Read(indexRef, text, quality) || !ParseInteger(text, value) || value < 0 || value > 0x7FFFFFFF) return r;
    index = static_cast<std::int32_t>(value);
  }
  std::int32_t type = info.type;
  if (ref.member > 0) type = catalog_.MemberType(ref.tag, ref.member);
  if (ref.member < 0 || ref.field < 0 || ref.field > kMaxField) type = -1;
  if (ref.field > 0 && type >= 0) type = kString;
  r.type = type >= 0 ? type : info.type;
  r.key = ValueKey{ref.tag, index, ref.member, ref.field};
  bool indexFits = info.arraySize > 0 ? (index >= 0 && index <= info.arraySize) : index == 0;
  r.usable = indexFits && type >= 0 && type < kFirstClass;
  return r;
}

const ValueSlot* ValueStore::Find(const ValueKey& key) const {
  std::uint32_t at = HashOf(key) & (kValueSlots - 1);
  for (std::uint32_t probes = 0; probes < kValueSlots; ++probes) {
    const ValueSlot& slot = region_.values[at];
    if (!slot.used) return nullptr;
    if (SameKeyOf(slot.key, key)) return &slot;
    at = (at + 1) & (kValueSlots - 1);
  }
  return nullptr;
}

ValueSlot* ValueStore::FindOrAdd(const ValueKey& key, std::int32_t type, bool& full) {
  full = false;
  std::uint32_t at = HashOf(key) & (kValueSlots - 1);
  for (std::uint32_t probes = 0; probes < kValueSlots; ++probes) {
    ValueSlot& slot = region_.values[at];
    if (slot.used && SameKeyOf(slot.key, key)) {
      if (slot.type != type) {  // the database changed the tag's type: start afresh
        slot.type = type;
        slot.integer = 0;
        slot.real = 0;
        if (slot.stringSlot >= 0) std::memset(region_.strings[slot.stringSlot].text, 0, sizeof(StringSlot));
      }
      return &slot;
    }
    if (!slot.used) {
      if (region_.header.valuesUsed >= kMaxValues) break;
      std::memset(&slot, 0, sizeof slot);
      slot.used = 1;
      slot.type = type;
      slot.key = key;
      slot.quality = kQualityGood;
      slot.stringSlot = -1;
      ++region_.header.valuesUsed;
      return &slot;
    }
    at = (at + 1) & (kValueSlots - 1);
  }
  full = true;
  return nullptr;
}

std::wstring ValueStore::TextOf(const ValueSlot* slot, std::int32_t type) const {
  if (slot != nullptr && slot->type != type) slot = nullptr;  // written under another type
  switch (type) {
    case kBoolean:
    case kInteger:
      return FormatInteger(slot ? slot->integer : 0);
    case kReal:
      return FormatReal(slot ? slot->real : 0.0);
    default:
      if (slot == nullptr || slot->stringSlot < 0 || slot->stringSlot >= kMaxStrings) return L"";
      return LoadText(region_.strings[slot->stringSlot].text, kStringChars);
  }
}

bool ValueStore::Read(const TagRefData& ref, std::wstring& text, std::uint16_t& quality) const {
  ResolvedRef r = Resolve(ref);
  if (!r.usable) return false;
  const ValueSlot* slot = Find(r.key);
  text = TextOf(slot, r.type);
  quality = (slot && slot->type == r.type) ? slot->quality : kQualityGood;
  return true;
}

WriteResult ValueStore::Write(const TagRefData& ref, const std::wstring& text, int quality, std::int32_t marker,
                              ResolvedRef* where) {
  ResolvedRef r = Resolve(ref);
  if (where) *where = r;
  if (!r.usable) return WriteResult::kRefused;
  std::int64_t integer = 0;
  double real = 0;
  bool parsed = true;
  if (r.type == kBoolean) parsed = ParseBoolean(text, integer);
  if (r.type == kInteger) parsed = ParseInteger(text, integer);
  if (r.type == kReal) parsed = ParseReal(text, real);
  if (!parsed) return WriteResult::kRefused;
  const std::uint16_t newQuality =
      quality < 0 ? kQualityGood : static_cast<std::uint16_t>(quality > 0xFFFF ? 0xFFFF : quality);

  bool full = false;
  ValueSlot* slot = FindOrAdd(r.key, r.type, full);
  if (slot == nullptr) return WriteResult::kFull;
  bool changed = slot->quality != newQuality;
  if (r.type == kString) {
    if (slot->stringSlot < 0) {
      if (text.empty() && !changed) return WriteResult::kUnchanged;
      if (region_.header.stringsUsed >= static_cast<std::uint32_t>(kMaxStrings)) return WriteResult::kFull;
      slot->stringSlot = static_cast<std::int32_t>(region_.header.stringsUsed++);
      std::memset(region_.strings[slot->stringSlot].text, 0, sizeof(StringSlot));
    }
    char16_t* stored = region_.strings[slot->stringSlot].text;
    char16_t fresh[kStringChars] = {};  // zero after the text: whole buffers compare
    StoreText(fresh, kStringChars, text);
    if (std::memcmp(stored, fresh, sizeof fresh) != 0) {
      std::memcpy(stored, fresh, sizeof fresh);
      changed = true;
    }
  } else if (r.type == kReal) {
    changed = changed || slot->real != real;
    slot->real = real;
  } else {
    changed = changed || slot->integer != integer;
    slot->integer = integer;
  }
  slot->quality = newQuality;
  slot->marker = marker;
  if (!changed) return WriteResult::kUnchanged;
  ++slot->changes;
  ++region_.header.changeCount;
  return WriteResult::kChanged;
}

}  // namespace orv::runtime
