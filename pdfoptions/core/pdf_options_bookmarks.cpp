// Bookmark headings and definitions of PdfOptionsCore, edited in a whole-profile record.
#include "pdf_options_core.h"

namespace orv::pdf {
namespace {
constexpr std::size_t kMaxDetectionFont = 29;  // characters the record holds
const wchar_t* const kDefinitionFields[] = {
    L"Bookmarks Definition Enabled",   L"Bookmarks Use Detection Font",     L"Bookmarks Detection Font",
    L"Bookmarks Use Detection Style",  L"Bookmarks Detection Style Bold",   L"Bookmarks Detection Style Italic",
    L"Bookmarks Use Detection Size",   L"Bookmarks Detection Size Value",   L"Bookmarks Detection Size Pt",
    L"Bookmarks Use Detection Color",  L"Bookmarks Detection Color",        L"Bookmarks Display Bold",
    L"Bookmarks Display Italic",       L"Bookmarks Display Color"};

std::int32_t Thousandths(float v) { return static_cast<std::int32_t>(static_cast<double>(v) * 1000.0); }

void PutDefinition(Profile& p, int h, int d, const BookmarkDefinition& v) {
  auto set = [&](int field, std::int32_t value) { p.SetLong(DefinitionKey(h, d, kDefinitionFields[field]), value); };
  set(0, v.enabled);
  set(1, v.useFont);
  p.values[DefinitionKey(h, d, kDefinitionFields[2])] = v.font.substr(0, kMaxDetectionFont);
  set(3, v.useStyle);
  set(4, v.bold);
  set(5, v.italic);
  set(6, v.useSize);
  set(7, Thousandths(v.sizeValue));
  set(8, Thousandths(v.sizePoints));
  set(9, v.useColor);
  set(10, static_cast<std::int32_t>(v.color));
  set(11, v.displayBold);
  set(12, v.displayItalic);
  set(13, static_cast<std::int32_t>(v.displayColor));
}

BookmarkDefinition TakeDefinition(const Profile& p, int h, int d) {
  auto get = [&](int field) { return p.Long(DefinitionKey(h, d, kDefinitionFields[field])); };
  BookmarkDefinition v;
  v.enabled = get(0);
  v.useFont = get(1);
  v.font = p.Text(DefinitionKey(h, d, kDefinitionFields[2]));
  v.useStyle = get(3);
  v.bold = get(4);
  v.italic = get(5);
  v.useSize = get(6);
  v.sizeValue = static_cast<float>(get(7) / 1000);
  v.sizePoints = static_cast<float>(get(8) / 1000);
  v.useColor = get(9);
  v.color = static_cast<std::uint32_t>(get(10));
  v.displayBold = get(11);
  v.displayItalic = get(12);
  v.displayColor = static_cast<std::uint32_t>(get(13));
  return v;
}

int Headings(const Profile& p) { return p.Long(kHeadingCount); }
int Definitions(const Profile& p, int h) { return p.Long(HeadingKey(h, kDefinitionCount)); }

// Moves every value of one definition (or heading) to another place.
void MoveKeys(Profile& p, const std::wstring& fromPrefix, const std::wstring& toPrefix) {
  std::map<std::wstring, std::wstring> moved;
  for (auto it = p.values.begin(); it != p.values.end();) {
    if (it->first.compare(0, fromPrefix.size(), fromPrefix) == 0) {
      moved[toPrefix + it->first.substr(fromPrefix.size())] = it->second;
      it = p.values.erase(it);
    } else {
      ++it;
    }
  }
  for (auto& [k, v] : moved) p.values[k] = v;
}

std::wstring DefinitionPrefix(int h, int d) { return DefinitionKey(h, d, L""); }
std::wstring HeadingPrefix(int h) { return L"Heading" + std::to_wstring(h) + L"_"; }

HResult CheckNumbers(const Profile& p, int heading, int definition) {
  if (heading < 1 || heading > kMaxHeadings || heading > Headings(p)) return kHeadingRange;
  if (definition < 1 || definition > kMaxDefinitions || definition > Definitions(p, heading)) {
    return kDefinitionRange;
  }
  return kOk;
}
}  // namespace

HResult PdfOptionsCore::LoadForBookmarks(const wchar_t* profile, bool forChange, Profile* record,
                                         OptionPlace* place) {
  if (!initialized()) return kNotInitialized;
  HResult hr = Store().LoadProfile(ProfileOrCurrent(profile), record, place);
  if (hr != kOk) return hr;
  if (forChange && printer_.network && place->isPublic && !place->allowChange) return kNetworkPublic;
  return kOk;
}

HResult PdfOptionsCore::AddBookmarkDefinition(std::uint16_t heading, const BookmarkDefinition& values,
                                              std::uint16_t* definition, const wchar_t* profile) {
  if (!definition) return kPointer;
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, true, &p, &place);
  if (hr != kOk) return hr;
  int headings = Headings(p);
  if (heading < 1 || heading > kMaxHeadings - 1 || heading > headings + 1) {
    *definition = 0xFFFF;
    return kHeadingRange;
  }
  if (heading == headings + 1) {
    p.SetLong(kHeadingCount, heading);
    p.SetLong(HeadingKey(heading, kDefinitionCount), 0);
  }
  int count = Definitions(p, heading);
  if (count >= kMaxDefinitions) return kDefinitionRange;  // the heading has no room left
  p.SetLong(HeadingKey(heading, kDefinitionCount), count + 1);
  PutDefinition(p, heading, count + 1, values);
  hr = Store().SaveProfile(p, place);
  if (hr == kOk) *definition = static_cast<std::uint16_t>(count + 1);
  return hr;
}

HResult PdfOptionsCore::ModifyBookmarkDefinition(std::uint16_t heading, std::uint16_t definition,
                                                 const BookmarkDefinition& values, const wchar_t* profile) {
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, true, &p, &place);
  if (hr == kOk) hr = CheckNumbers(p, heading, definition);
  if (hr != kOk) return hr;
  PutDefinition(p, heading, definition, values);
  return Store().SaveProfile(p, place);
}

HResult PdfOptionsCore::DeleteBookmarkDefinition(std::uint16_t heading, std::uint16_t definition,
                                                 const wchar_t* profile) {
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, true, &p, &place);
  if (hr == kOk) hr = CheckNumbers(p, heading, definition);
  if (hr != kOk) return hr;
  int count = Definitions(p, heading);
  MoveKeys(p, DefinitionPrefix(heading, definition), L"\x01removed_");
  for (int d = definition + 1; d <= count; ++d) MoveKeys(p, DefinitionPrefix(heading, d), DefinitionPrefix(heading, d - 1));
  p.SetLong(HeadingKey(heading, kDefinitionCount), count - 1);
  if (count == 1) {
    int headings = Headings(p);
    MoveKeys(p, HeadingPrefix(heading), L"\x01removed_");
    for (int h = heading + 1; h <= headings; ++h) MoveKeys(p, HeadingPrefix(h), HeadingPrefix(h - 1));
    p.SetLong(kHeadingCount, headings - 1);
  }
  FitRecord(p);  // drops the removed values
  return Store().SaveProfile(p, place);
}

HResult PdfOptionsCore::EnableBookmarkDefinition(std::uint16_t heading, std::uint16_t definition,
                                                 std::int32_t enable, const wchar_t* profile) {
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, true, &p, &place);
  if (hr == kOk) hr = CheckNumbers(p, heading, definition);
  if (hr != kOk) return hr;
  p.SetLong(DefinitionKey(heading, definition, kDefinitionFields[0]), enable);
  return Store().SaveProfile(p, place);
}

HResult PdfOptionsCore::GetBookmarkDefinition(std::uint16_t heading, std::uint16_t definition,
                                              BookmarkDefinition* values, const wchar_t* profile) {
  if (!values) return kPointer;
  *values = BookmarkDefinition();
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, false, &p, &place);
  if (hr == kOk) hr = CheckNumbers(p, heading, definition);
  if (hr != kOk) return hr;
  *values = TakeDefinition(p, heading, definition);
  return kOk;
}

HResult PdfOptionsCore::GetBookmarkHeaderCount(std::uint16_t* count, const wchar_t* profile) {
  if (!count) return kPointer;
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, false, &p, &place);
  if (hr != kOk) return hr;
  *count = static_cast<std::uint16_t>(Headings(p));
  return kOk;
}

HResult PdfOptionsCore::GetBookmarkDefinitionCount(std::uint16_t heading, std::uint16_t* count,
                                                   const wchar_t* profile) {
  if (!count) return kPointer;
  Profile p;
  OptionPlace place;
  HResult hr = LoadForBookmarks(profile, false, &p, &place);
  if (hr != kOk) return hr;
  if (heading < 1 || heading > kMaxHeadings || heading > Headings(p)) return kHeadingRange;
  *count = static_cast<std::uint16_t>(Definitions(p, heading));
  return kOk;
}

}  // namespace orv::pdf
