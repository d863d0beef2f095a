// One profile as whole-profile operations hold it: every option of the record with
// fixed room, watermark items and bookmark headings flattened into named values.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "option_table.h"
#include "pdf_result.h"
#include "store_ports.h"

namespace orv::pdf {

constexpr std::size_t kMaxProfileName = 254;

struct Profile {
  std::wstring name;
  bool isPublic = false;
  bool deleted = false;
  // Keys as the public profile file names them; numbers in decimal, encoded
  // values as the hexadecimal text of their stored bytes.
  std::map<std::wstring, std::wstring> values;

  std::wstring Text(const std::wstring& key) const;
  std::int32_t Long(const std::wstring& key) const;
  void SetLong(const std::wstring& key, std::int32_t value) { values[key] = std::to_wstring(value); }
  bool AllowChange() const { return Long(kAllowChange) != 0; }
};

// A place of the record: its flattened key, the registry subkey below the profile
// key that holds it (empty for the profile key itself) and the value name there.
struct RecordSlot {
  std::wstring key;
  std::wstring subKey;
  std::wstring valueName;
  const OptionSpec* spec;
};

Profile NewProfile(const std::wstring& name);
// Every place the record has, given its counts (watermarks, headings, definitions).
std::vector<RecordSlot> RecordSlots(const Profile& profile);
// Cuts texts to their room, numbers to their width and counts to the record's
// limits, and drops array items beyond the counts.
void FitRecord(Profile& profile);

// Overlays the stored values of the profile key on `profile` (which holds the
// values to keep where nothing is stored; array items missing read as 0 or empty).
HResult ReadProfileKey(IRegistry& registry, const std::wstring& profileKey, Profile& profile);
// Writes the record into the profile key; with `base`, only the values that differ
// from it. Array subtrees are written anew.
HResult WriteProfileKey(IRegistry& registry, const std::wstring& profileKey, const Profile& profile,
                        const Profile* base);

// Reads a profile's section of the public profile file over the new-profile values.
HResult ReadProfileSection(IProfileFile& file, const std::wstring& path, Profile& profile);
IniLines SectionLines(const Profile& profile);

}  // namespace orv::pdf
