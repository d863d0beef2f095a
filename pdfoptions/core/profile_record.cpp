#include "profile_record.h"

#include "value_codec.h"

namespace orv::pdf {

std::wstring Profile::Text(const std::wstring& key) const {
  auto it = values.find(key);
  return it == values.end() ? std::wstring() : it->second;
}

std::int32_t Profile::Long(const std::wstring& key) const { return ParseLong(Text(key)); }

Profile NewProfile(const std::wstring& name) {
  Profile p;
  p.name = name.substr(0, kMaxProfileName);
  for (const OptionSpec& s : ProfileOptions()) p.values[s.name] = s.newValue;
  return p;
}

namespace {
int Clamp(std::int32_t count, int max) { return count < 0 ? 0 : (count > max ? max : count); }

void AddItems(std::vector<RecordSlot>& slots, const std::vector<OptionSpec>& specs, const std::wstring& key,
              const std::wstring& subKey) {
  for (const OptionSpec& s : specs) slots.push_back({key + s.name, subKey, s.name, &s});
}

// Fits one text or number into its room.
std::wstring FitValue(const OptionSpec& spec, const std::wstring& value) {
  if (spec.type == OptionType::Text) {
    return spec.capacity && value.size() > spec.capacity ? value.substr(0, spec.capacity) : value;
  }
  if (spec.type == OptionType::Number) {
    std::int32_t v = ParseLong(value);
    if (spec.width == NumberWidth::Short) v = static_cast<std::int16_t>(v);
    if (spec.width == NumberWidth::UShort) v = static_cast<std::uint16_t>(v);
    return std::to_wstring(v);
  }
  return value;
}
}  // namespace

std::vector<RecordSlot> RecordSlots(const Profile& profile) {
  std::vector<RecordSlot> slots;
  for (const OptionSpec& s : ProfileOptions()) slots.push_back({s.name, L"", s.name, &s});
  int texts = Clamp(profile.Long(kTextWatermarkCount), kMaxWatermarks);
  for (int i = 0; i < texts; ++i) {
    AddItems(slots, TextWatermarkValues(), TextWatermarkKey(i, L""), L"Text Watermarks\\WMT" + std::to_wstring(i));
  }
  int images = Clamp(profile.Long(kImageWatermarkCount), kMaxWatermarks);
  for (int i = 0; i < images; ++i) {
    AddItems(slots, ImageWatermarkValues(), ImageWatermarkKey(i, L""),
             L"Image Watermarks\\WMI" + std::to_wstring(i));
  }
  static const OptionSpec kDefinitionCountSpec{kDefinitionCount, OptionType::Number, L"0", 0, NumberWidth::Short,
                                               L"1"};
  int headings = Clamp(profile.Long(kHeadingCount), kMaxHeadings);
  for (int h = 1; h <= headings; ++h) {
    std::wstring headingSub = L"Bookmarks\\Heading" + std::to_wstring(h);
    slots.push_back({HeadingKey(h, kDefinitionCount), headingSub, kDefinitionCount, &kDefinitionCountSpec});
    int definitions = Clamp(profile.Long(HeadingKey(h, kDefinitionCount)), kMaxDefinitions);
    for (int d = 1; d <= definitions; ++d) {
      AddItems(slots, BookmarkDefinitionValues(), DefinitionKey(h, d, L""),
               headingSub + L"\\Definition" + std::to_wstring(d));
    }
  }
  return slots;
}

void FitRecord(Profile& profile) {
  profile.SetLong(kTextWatermarkCount, Clamp(profile.Long(kTextWatermarkCount), kMaxWatermarks));
  profile.SetLong(kImageWatermarkCount, Clamp(profile.Long(kImageWatermarkCount), kMaxWatermarks));
  int headings = Clamp(profile.Long(kHeadingCount), kMaxHeadings);
  profile.SetLong(kHeadingCount, headings);
  for (int h = 1; h <= headings; ++h) {
    std::wstring key = HeadingKey(h, kDefinitionCount);
    profile.SetLong(key, Clamp(profile.Long(key), kMaxDefinitions));
  }
  std::map<std::wstring, std::wstring> kept;
  for (const RecordSlot& slot : RecordSlots(profile)) {
    auto it = profile.values.find(slot.key);
    std::wstring value = it != profile.values.end() ? it->second : (slot.spec->type == OptionType::Number ? L"0" : L"");
    kept[slot.key] = FitValue(*slot.spec, value);
  }
  profile.values.swap(kept);
}

namespace {
std::wstring JoinKey(const std::wstring& key, const std::wstring& sub) { return sub.empty() ? key : key + L"\\" + sub; }
}  // namespace

HResult ReadProfileKey(IRegistry& registry, const std::wstring& profileKey, Profile& profile) {
  if (!registry.KeyExists(profileKey)) return kProfileNotFound;
  // Counts decide which items exist: read until no new place appears.
  std::map<std::wstring, bool> done;
  for (bool added = true; added;) {
    added = false;
    for (const RecordSlot& slot : RecordSlots(profile)) {
      if (done[slot.key]) continue;
      done[slot.key] = added = true;
      RegValue v = registry.Read(JoinKey(profileKey, slot.subKey), slot.valueName);
      if (v.kind == RegKind::Missing) {
        // A new array item starts at 0 or empty; one read from elsewhere keeps its value.
        if (!slot.subKey.empty() && !profile.values.count(slot.key)) {
          profile.values[slot.key] = slot.spec->type == OptionType::Number ? L"0" : L"";
        }
        continue;
      }
      bool wantBinary = slot.spec->type == OptionType::Encoded;
      if (v.kind != (wantBinary ? RegKind::Binary : RegKind::Text)) return kWrongType;
      profile.values[slot.key] = wantBinary ? HexEncode(v.bytes) : v.text;
    }
  }
  FitRecord(profile);
  return kOk;
}

HResult WriteProfileKey(IRegistry& registry, const std::wstring& profileKey, const Profile& profile,
                        const Profile* base) {
  for (const wchar_t* tree : {L"Bookmarks", L"Text Watermarks", L"Image Watermarks"}) {
    if (!registry.DeleteTree(profileKey + L"\\" + tree)) return kFail;
  }
  if (!registry.WriteText(profileKey, kPublicFlag, profile.isPublic ? L"1" : L"0")) return kFail;
  for (const RecordSlot& slot : RecordSlots(profile)) {
    std::wstring value = profile.Text(slot.key);
    if (base) {
      auto it = base->values.find(slot.key);
      if (it != base->values.end() && it->second == value) continue;
    }
    std::wstring key = JoinKey(profileKey, slot.subKey);
    bool ok;
    if (slot.spec->type == OptionType::Encoded) {
      auto bytes = HexDecode(value);
      if (!bytes) return kFail;
      ok = registry.WriteBinary(key, slot.valueName, *bytes);
    } else {
      ok = registry.WriteText(key, slot.valueName, value);
    }
    if (!ok) return kFail;
  }
  return kOk;
}

HResult ReadProfileSection(IProfileFile& file, const std::wstring& path, Profile& profile) {
  std::map<std::wstring, std::wstring> lines;
  for (auto& [key, value] : file.ReadSection(path, profile.name)) lines.emplace(key, value);
  std::map<std::wstring, bool> done;
  for (;;) {
    std::vector<RecordSlot> slots = RecordSlots(profile);
    bool added = false;
    for (const RecordSlot& slot : slots) {
      if (done[slot.key]) continue;
      done[slot.key] = added = true;
      auto it = lines.find(slot.key);
      if (it != lines.end()) {
        if (slot.spec->type == OptionType::Encoded && !HexDecode(it->second)) return kFail;
        profile.values[slot.key] = it->second;
      } else if (slot.spec->fileMissing) {
        profile.values[slot.key] = slot.spec->fileMissing;
      } else if (slot.spec->type != OptionType::Number) {
        profile.values[slot.key] = L"";
      }
    }
    if (!added) break;
  }
  FitRecord(profile);
  return kOk;
}

IniLines SectionLines(const Profile& profile) {
  IniLines lines;
  for (const RecordSlot& slot : RecordSlots(profile)) lines.emplace_back(slot.key, profile.Text(slot.key));
  return lines;
}

}  // namespace orv::pdf
