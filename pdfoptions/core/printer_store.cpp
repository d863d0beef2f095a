#include "printer_store.h"

#include "value_codec.h"

namespace orv::pdf {

Profile* ProfileList::Find(const std::wstring& name) {
  for (Profile& p : profiles) {
    if (!p.deleted && p.name == name) return &p;
  }
  return nullptr;
}

std::size_t ProfileList::Count(bool publicOnes) const {
  std::size_t n = 0;
  for (const Profile& p : profiles) n += (!p.deleted && p.isPublic == publicOnes) ? 1 : 0;
  return n;
}

std::size_t ProfileList::Live() const { return Count(false) + Count(true); }

namespace {
const wchar_t kRoot[] = L"Software\\Dunmere\\folvaPDF\\Printers\\";

bool IsNetworkName(const std::wstring& name) { return name.size() >= 2 && name[0] == L'\\' && name[1] == L'\\'; }
}  // namespace

std::wstring PrinterStore::PrinterKeyName(const std::wstring& printerName) {
  std::wstring key = IsNetworkName(printerName) ? printerName.substr(2) : printerName;
  for (wchar_t& c : key) {
    if (c == L'\\') c = L',';
  }
  return key;
}

std::wstring PrinterStore::PrinterKey() const { return kRoot + PrinterKeyName(printer_.name); }
std::wstring PrinterStore::ProfilesKey() const { return PrinterKey() + L"\\Profiles"; }
std::wstring PrinterStore::ProfileKey(const std::wstring& profile) const { return ProfilesKey() + L"\\" + profile; }

HResult PrinterStore::PublicFilePath(std::wstring* path) {
  std::wstring folder, computer;
  if (IsNetworkName(printer_.name)) {
    std::wstring base = ports_.machine.AppDataFolder();
    if (base.empty()) return kFail;
    folder = base + L"\\Dunmere\\folvaPDF";
    if (!ports_.machine.EnsureFolder(base + L"\\Dunmere") || !ports_.machine.EnsureFolder(folder)) return kFail;
    computer = printer_.name.substr(2, printer_.name.find(L'\\', 2) - 2);
  } else {
    std::wstring drivers = ports_.machine.PrinterDriverFolder();
    if (drivers.empty()) return kFail;
    folder = drivers + L"\\3";
    computer = ports_.machine.ComputerName();
  }
  if (computer.empty()) return kFail;
  std::wstring port = printer_.portChar ? std::wstring(1, printer_.portChar) : std::wstring();
  *path = folder + L"\\folva_" + computer + L"_" + port + L"4.fvp";
  return kOk;
}

HResult PrinterStore::LoadList(ProfileList* list, bool withValues) {
  IRegistry& reg = ports_.registry;
  *list = ProfileList();
  for (const std::wstring& name : reg.SubKeys(ProfilesKey(), kMaxRegistryProfiles)) {
    RegValue flag = reg.Read(ProfileKey(name), kPublicFlag);
    if (flag.kind == RegKind::Text && ParseLong(flag.text) == 1) continue;
    Profile p = NewProfile(name);
    if (withValues) {
      HResult hr = ReadProfileKey(reg, ProfileKey(name), p);
      if (hr != kOk) return hr;
    }
    list->profiles.push_back(std::move(p));
  }
  RegValue active = reg.Read(ProfilesKey(), L"ActiveProfile");
  if (active.kind == RegKind::Text) list->active = active.text;
  RegValue ask = reg.Read(ProfilesKey(), L"AskSaveProfile");
  if (ask.kind == RegKind::Text) list->askSave = ParseLong(ask.text);
  if (list->profiles.empty()) {
    list->profiles.push_back(NewProfile(kDefaultProfile));
    list->active = kDefaultProfile;
    list->askSave = 1;
  }

  std::wstring path;
  HResult hr = PublicFilePath(&path);
  if (hr != kOk) return hr;
  if (!ports_.file.Exists(path)) {
    if (!ports_.file.MakeEmpty(path)) return kFail;
  } else {
    std::size_t publicCount = 0;
    for (const std::wstring& name : ports_.file.SectionNames(path, kSectionNamesBuffer)) {
      if (publicCount == kMaxPublicProfiles) break;
      if (name.empty() || list->Find(name)) continue;
      Profile p = NewProfile(name);
      p.isPublic = true;
      if (withValues) {
        hr = ReadProfileSection(ports_.file, path, p);
        if (hr != kOk) return hr;
        if (printer_.network && p.AllowChange() && ports_.registry.KeyExists(ProfileKey(name))) {
          hr = ReadProfileKey(reg, ProfileKey(name), p);
          if (hr != kOk) return hr;
        }
      } else {
        auto allow = ports_.file.Read(path, name, kAllowChange, kTextBuffer);
        p.values[kAllowChange] = FormatLong(allow ? ParseLong(*allow) : 0);
      }
      list->profiles.push_back(std::move(p));
      ++publicCount;
    }
  }
  if (!list->Find(list->active)) list->active = list->profiles.front().name;
  return kOk;
}

HResult PrinterStore::SaveList(const ProfileList& list) {
  IRegistry& reg = ports_.registry;
  for (const Profile& p : list.profiles) {
    if (p.deleted && !reg.DeleteTree(ProfileKey(p.name))) return kFail;
  }
  std::wstring path;
  HResult hr = PublicFilePath(&path);
  if (hr != kOk) return hr;
  if (!printer_.network && !ports_.file.MakeEmpty(path)) return kFail;
  for (const Profile& p : list.profiles) {
    if (p.deleted) continue;
    if (!p.isPublic) {
      hr = WriteProfileKey(reg, ProfileKey(p.name), p, nullptr);
    } else if (!printer_.network) {
      hr = ports_.file.WriteSection(path, p.name, SectionLines(p)) ? kOk : kFail;
    } else if (p.AllowChange()) {
      // Only what differs from the shared file belongs to this user.
      Profile base = NewProfile(p.name);
      base.isPublic = true;
      hr = ReadProfileSection(ports_.file, path, base);
      if (hr == kOk) hr = reg.DeleteTree(ProfileKey(p.name)) ? kOk : kFail;
      if (hr == kOk) hr = WriteProfileKey(reg, ProfileKey(p.name), p, &base);
    }
    if (hr != kOk) return hr;
  }
  const Profile* active = nullptr;
  for (const Profile& p : list.profiles) {
    if (!p.deleted && p.name == list.active) active = &p;
  }
  bool ok = reg.WriteText(ProfilesKey(), L"ActiveProfile", list.active) &&
            reg.WriteText(ProfilesKey(), L"ActiveProfilePublic", (active && active->isPublic) ? L"1" : L"0") &&
            reg.WriteText(ProfilesKey(), L"AskSaveProfile", FormatLong(list.askSave));
  return ok ? kOk : kFail;
}

HResult PrinterStore::Place(const std::wstring& profile, OptionPlace* place) {
  ProfileList list;
  HResult hr = LoadList(&list, false);
  if (hr != kOk) return hr;
  *place = OptionPlace();
  if (const Profile* p = list.Find(profile)) {
    place->isPublic = p->isPublic;
    place->allowChange = p->AllowChange();
  }
  return kOk;
}

HResult PrinterStore::LoadProfile(const std::wstring& name, Profile* profile, OptionPlace* place) {
  HResult hr = Place(name, place);
  if (hr != kOk) return hr;
  *profile = NewProfile(name);
  profile->isPublic = place->isPublic;
  if (!place->isPublic) return ReadProfileKey(ports_.registry, ProfileKey(name), *profile);
  std::wstring path;
  hr = PublicFilePath(&path);
  if (hr == kOk) hr = ReadProfileSection(ports_.file, path, *profile);
  if (hr == kOk && printer_.network && place->allowChange && ports_.registry.KeyExists(ProfileKey(name))) {
    hr = ReadProfileKey(ports_.registry, ProfileKey(name), *profile);
  }
  return hr;
}

HResult PrinterStore::SaveProfile(const Profile& profile, const OptionPlace& place) {
  if (place.isPublic && printer_.network && !place.allowChange) return kNetworkPublic;
  if (place.isPublic && !printer_.network) {
    std::wstring path;
    HResult hr = PublicFilePath(&path);
    if (hr != kOk) return hr;
    return ports_.file.WriteSection(path, profile.name, SectionLines(profile)) ? kOk : kFail;
  }
  return WriteProfileKey(ports_.registry, ProfileKey(profile.name), profile, nullptr);
}

HResult PrinterStore::SetOption(const std::wstring& profile, const std::wstring& name, OptionType type,
                                const std::wstring& value, bool unrestricted) {
  OptionPlace place;
  HResult hr = Place(profile, &place);
  if (hr != kOk) return hr;
  if (!unrestricted && printer_.network && place.isPublic && !place.allowChange) return kNetworkPublic;
  std::string bytes;
  if (type == OptionType::Encoded) {
    auto encoded = EncodeText(value);
    if (!encoded) return kFail;
    bytes = *encoded;
  }
  if (place.isPublic && (!printer_.network || unrestricted)) {
    std::wstring path;
    hr = PublicFilePath(&path);
    if (hr != kOk) return hr;
    std::wstring text = type != OptionType::Encoded ? value : (value.empty() ? L"" : HexEncode(bytes));
    return ports_.file.Write(path, profile, name, text) ? kOk : kFail;
  }
  IRegistry& reg = ports_.registry;
  std::wstring key = ProfileKey(profile);
  RegKind wanted = type == OptionType::Encoded ? RegKind::Binary : RegKind::Text;
  RegValue existing = reg.Read(key, name);
  if (existing.kind != RegKind::Missing && existing.kind != wanted) return kWrongType;
  bool ok = type == OptionType::Encoded ? reg.WriteBinary(key, name, bytes) : reg.WriteText(key, name, value);
  if (ok && place.isPublic) ok = reg.WriteText(key, kPublicFlag, L"1");
  return ok ? kOk : kFail;
}

HResult PrinterStore::GetOption(const std::wstring& profile, const std::wstring& name, OptionType type,
                                std::optional<std::wstring>* value, std::size_t fileBuffer) {
  value->reset();
  OptionPlace place;
  HResult hr = Place(profile, &place);
  if (hr != kOk) return hr;
  RegKind wanted = type == OptionType::Encoded ? RegKind::Binary : RegKind::Text;
  RegValue stored;
  if (place.isPublic) {
    if (printer_.network && place.allowChange) stored = ports_.registry.Read(ProfileKey(profile), name);
    if (stored.kind == RegKind::Missing) {
      std::wstring path;
      hr = PublicFilePath(&path);
      if (hr != kOk) return hr;
      std::size_t buffer = type == OptionType::Encoded ? kEncodedBuffer : fileBuffer;
      std::wstring text = ports_.file.Read(path, profile, name, buffer).value_or(L"");
      if (type == OptionType::Number) {
        *value = FormatLong(ParseLong(text));
        return kOk;
      }
      if (type == OptionType::Text) {
        *value = text;
        return kOk;
      }
      auto bytes = HexDecode(text);
      if (!bytes) return kFail;
      auto decoded = DecodeText(*bytes);
      if (!decoded) return kFail;
      *value = *decoded;
      return kOk;
    }
  } else {
    if (!ports_.registry.KeyExists(ProfileKey(profile))) return kProfileNotFound;
    stored = ports_.registry.Read(ProfileKey(profile), name);
    if (stored.kind == RegKind::Missing) return kValueNotFound;
  }
  if (stored.kind != wanted) return kWrongType;
  if (type == OptionType::Encoded) {
    auto decoded = DecodeText(stored.bytes);
    if (!decoded) return kFail;
    *value = *decoded;
  } else if (type == OptionType::Number) {
    if (!stored.text.empty()) *value = FormatLong(ParseLong(stored.text));
  } else {
    *value = stored.text;
  }
  return kOk;
}

HResult PrinterStore::GetPrinterText(const std::wstring& name, std::wstring* value) {
  value->clear();
  if (!ports_.registry.KeyExists(PrinterKey())) return kProfileNotFound;
  RegValue v = ports_.registry.Read(PrinterKey(), name);
  if (v.kind == RegKind::Missing) return kValueNotFound;
  if (v.kind != RegKind::Text) return kWrongType;
  *value = v.text;
  return kOk;
}

std::optional<std::wstring> PrinterStore::ActiveProfileName() {
  RegValue v = ports_.registry.Read(ProfilesKey(), L"ActiveProfile");
  if (v.kind != RegKind::Text) return std::nullopt;
  return v.text;
}

}  // namespace orv::pdf
