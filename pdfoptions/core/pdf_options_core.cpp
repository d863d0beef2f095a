#include "pdf_options_core.h"

#include "value_codec.h"

namespace orv::pdf {
namespace {
constexpr wchar_t kDriverPrefix[] = L"folvaPDF";
constexpr wchar_t kEventsWindow[] = L"EventsWindow";

std::wstring Or(const wchar_t* text) { return text ? text : L""; }

FormInfo ToInfo(const CustomForm& f) {
  return {f.name, f.description, static_cast<float>(f.width * 0.001), static_cast<float>(f.height * 0.001),
          f.hidden ? 0 : 1};
}
}  // namespace

HResult PdfOptionsCore::Bind(const std::wstring& printerName, const PrinterInfo& info) {
  if (info.driverName.compare(0, 8, kDriverPrefix) != 0) return kNotFolvaPrinter;
  PrinterIdentity printer;
  printer.name = printerName;
  printer.portChar = info.portName.size() > 2 ? info.portName[2] : 0;
  printer.network = !info.serverName.empty();
  printer_ = printer;
  current_ = kDefaultProfile;
  profileNames_.reset();
  forms_.reset();
  std::optional<std::wstring> active = Store().ActiveProfileName();
  if (active) {
    current_ = *active;
  } else {
    // First use on this printer: the default profile is created and made active.
    SetActiveProfile(kDefaultProfile);
    current_ = kDefaultProfile;
  }
  return printer_.name.empty() ? kNotInitialized : kOk;
}

HResult PdfOptionsCore::Initialize(const wchar_t* printerName) {
  if (!printerName) return kPointer;
  PrinterInfo info;
  HResult hr = ports_.spooler.Query(printerName, &info);
  if (hr == kOk) hr = Bind(printerName, info);
  if (hr != kOk) printer_ = PrinterIdentity();  // a failed bind leaves the object unbound
  return hr;
}

std::wstring PdfOptionsCore::ProfileOrCurrent(const wchar_t* profile) const {
  return (profile && *profile) ? std::wstring(profile) : current_;
}

// Options

HResult PdfOptionsCore::SetOptionString(const wchar_t* name, const wchar_t* value, const wchar_t* profile) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  return Store().SetOption(ProfileOrCurrent(profile), name, OptionType::Text, Or(value));
}

HResult PdfOptionsCore::GetOptionString(const wchar_t* name, std::wstring* value, const wchar_t* profile) {
  if (!name || !value) return kPointer;
  value->clear();
  if (!initialized()) return kNotInitialized;
  std::optional<std::wstring> stored;
  HResult hr = Store().GetOption(ProfileOrCurrent(profile), name, OptionType::Text, &stored);
  if (stored) *value = *stored;
  return hr;
}

HResult PdfOptionsCore::SetOptionLong(const wchar_t* name, std::int32_t value, const wchar_t* profile) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  return Store().SetOption(ProfileOrCurrent(profile), name, OptionType::Number, FormatLong(value));
}

HResult PdfOptionsCore::GetOptionLong(const wchar_t* name, std::int32_t* value, const wchar_t* profile) {
  if (!name || !value) return kPointer;
  if (!initialized()) return kNotInitialized;
  std::optional<std::wstring> stored;
  HResult hr = Store().GetOption(ProfileOrCurrent(profile), name, OptionType::Number, &stored);
  if (hr == kOk && stored) *value = ParseLong(*stored);
  return hr;
}

HResult PdfOptionsCore::SetOptionEncString(const wchar_t* name, const wchar_t* value, const wchar_t* profile) {
  if (!name || !value) return kPointer;
  if (!initialized()) return kNotInitialized;
  return Store().SetOption(ProfileOrCurrent(profile), name, OptionType::Encoded, value);
}

HResult PdfOptionsCore::GetOptionEncString(const wchar_t* name, std::wstring* value, const wchar_t* profile) {
  if (!name || !value) return kPointer;
  value->clear();
  if (!initialized()) return kNotInitialized;
  std::optional<std::wstring> stored;
  HResult hr = Store().GetOption(ProfileOrCurrent(profile), name, OptionType::Encoded, &stored);
  if (hr == kOk && stored) *value = *stored;
  return hr;
}

HResult PdfOptionsCore::RegisterEventWindow(std::int32_t window) {
  return SetOptionLong(kEventsWindow, window, nullptr);
}

HResult PdfOptionsCore::UnRegisterEventWindow() {
  if (!initialized()) return kNotInitialized;
  return Store().SetOption(current_, kEventsWindow, OptionType::Number, L"0", true);
}

// Profiles

HResult PdfOptionsCore::AddNewProfile(const wchar_t* name, bool isPublic) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  if (isPublic && printer_.network) return kNetworkPublic;
  PrinterStore store = Store();
  ProfileList list;
  HResult hr = store.LoadList(&list, true);
  if (hr != kOk) return hr;
  Profile p = NewProfile(name);
  if (list.Find(p.name)) return kProfileExists;
  if (list.Live() >= kMaxProfiles || (isPublic && list.Count(true) >= kMaxPublicProfiles)) return kTooManyProfiles;
  p.isPublic = isPublic;
  list.profiles.push_back(std::move(p));
  return store.SaveList(list);
}

HResult PdfOptionsCore::CopyProfile(const wchar_t* oldName, const wchar_t* newName) {
  if (!oldName || !newName) return kPointer;
  if (!initialized()) return kNotInitialized;
  PrinterStore store = Store();
  ProfileList list;
  HResult hr = store.LoadList(&list, true);
  if (hr != kOk) return hr;
  const Profile* source = list.Find(oldName);
  if (source && source->isPublic && printer_.network) return kNetworkPublic;
  if (!source) return kProfileNotFound;
  Profile copy = *source;
  copy.name = std::wstring(newName).substr(0, kMaxProfileName);
  if (list.Find(copy.name)) return kProfileExists;
  if (list.Live() >= kMaxProfiles || (copy.isPublic && list.Count(true) >= kMaxPublicProfiles)) {
    return kTooManyProfiles;
  }
  list.profiles.push_back(std::move(copy));
  return store.SaveList(list);
}

HResult PdfOptionsCore::RenameProfile(const wchar_t* oldName, const wchar_t* newName) {
  if (!oldName || !newName) return kPointer;
  if (!initialized()) return kNotInitialized;
  PrinterStore store = Store();
  ProfileList list;
  HResult hr = store.LoadList(&list, true);
  if (hr != kOk) return hr;
  Profile* source = list.Find(oldName);
  if (source && source->isPublic && printer_.network) return kNetworkPublic;
  if (!source) return kProfileNotFound;
  std::wstring renamed = std::wstring(newName).substr(0, kMaxProfileName);
  if (list.Find(renamed)) return kProfileExists;
  // Both names are in the list until the save removes the old one.
  if (list.Live() + 1 > kMaxProfiles) return kTooManyProfiles;
  Profile old = *source;
  old.deleted = true;
  source->name = renamed;
  if (list.active == oldName) list.active = renamed;
  list.profiles.push_back(std::move(old));
  return store.SaveList(list);
}

HResult PdfOptionsCore::DeleteProfile(const wchar_t* name) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  PrinterStore store = Store();
  ProfileList list;
  HResult hr = store.LoadList(&list, true);
  if (hr != kOk) return hr;
  Profile* p = list.Find(name);
  if (p && p->isPublic && printer_.network) return kNetworkPublic;
  if (!p) return kProfileNotFound;
  if (p->name == list.active) return kActiveProfile;
  p->deleted = true;
  return store.SaveList(list);
}

HResult PdfOptionsCore::GetFirstProfile(std::wstring* name) {
  if (!name) return kPointer;
  name->clear();
  if (!initialized()) return kNotInitialized;
  ProfileList list;
  HResult hr = Store().LoadList(&list, false);
  if (hr != kOk) return hr;
  profileNames_.emplace();
  for (const Profile& p : list.profiles) profileNames_->push_back(p.name);
  profilePos_ = 0;
  return GetNextProfile(name);
}

HResult PdfOptionsCore::GetNextProfile(std::wstring* name) {
  if (!name) return kPointer;
  name->clear();
  if (!initialized()) return kNotInitialized;
  if (!profileNames_) return kEnumNotStarted;
  if (profilePos_ >= profileNames_->size()) return kNoMoreProfiles;
  *name = (*profileNames_)[profilePos_++];
  return kOk;
}

HResult PdfOptionsCore::GetActiveProfile(std::wstring* name) {
  if (!name) return kPointer;
  name->clear();
  if (!initialized()) return kNotInitialized;
  *name = Store().ActiveProfileName().value_or(kDefaultProfile);
  return kOk;
}

HResult PdfOptionsCore::SetActiveProfile(const wchar_t* name) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  PrinterStore store = Store();
  ProfileList list;
  HResult hr = store.LoadList(&list, true);
  if (hr != kOk) return hr;
  if (!list.Find(name)) return kProfileNotFound;
  list.active = name;
  hr = store.SaveList(list);
  if (hr == kOk) current_ = name;
  return hr;
}

// Forms

HResult PdfOptionsCore::ReadCustomForms(const std::wstring& profile, std::vector<CustomForm>* forms, bool forChange) {
  forms->clear();
  std::optional<std::wstring> text;
  // Read whole: a fixed buffer would cut five or more records and lose them.
  HResult hr = Store().GetOption(profile, kCustomForms, OptionType::Text, &text, 0);
  if (hr == kValueNotFound) return kOk;
  if (hr != kOk) return hr;
  auto decoded = DecodeCustomForms(text.value_or(L""));
  if (!decoded) return forChange ? kFail : kOk;  // unreadable text is never written over
  *forms = std::move(*decoded);
  return kOk;
}

HResult PdfOptionsCore::WriteCustomForms(const std::wstring& profile, const std::vector<CustomForm>& forms) {
  return Store().SetOption(profile, kCustomForms, OptionType::Text, EncodeCustomForms(forms));
}

HResult PdfOptionsCore::AddPredefinedForm(const wchar_t* name, const wchar_t* description, float width, float height,
                                          std::int32_t visible, const wchar_t* profile) {
  if (!name || !description) return kPointer;
  if (!initialized()) return kNotInitialized;
  std::wstring target = ProfileOrCurrent(profile);
  OptionPlace place;
  HResult hr = Store().Place(target, &place);
  if (hr != kOk) return hr;
  if (printer_.network && place.isPublic && !place.allowChange) return kNetworkPublic;
  double w = static_cast<double>(width) * 1000.0, h = static_cast<double>(height) * 1000.0;
  if (!(w >= kMinFormSize && w <= kMaxFormSize)) return kWidthRange;
  if (!(h >= kMinFormSize && h <= kMaxFormSize)) return kHeightRange;
  std::vector<CustomForm> forms;
  hr = ReadCustomForms(target, &forms, true);
  if (hr != kOk) return hr;
  if (forms.size() >= kMaxCustomForms) return kTooManyForms;
  CustomForm form;
  form.name = std::wstring(name).substr(0, kMaxFormName);
  if (StandardFormIndex(form.name) >= 0 || StandardFormIndex(name) >= 0) return kFormExists;
  for (const CustomForm& f : forms) {
    if (f.name == form.name) return kFormExists;
  }
  form.description = std::wstring(description).substr(0, kMaxFormDescription);
  form.width = static_cast<std::int32_t>(w);
  form.height = static_cast<std::int32_t>(h);
  form.hidden = visible ? 0 : 1;
  forms.push_back(form);
  return WriteCustomForms(target, forms);
}

HResult PdfOptionsCore::GetPredefinedForm(const wchar_t* name, FormInfo* form, const wchar_t* profile) {
  if (!name || !form) return kPointer;
  *form = FormInfo();
  if (!initialized()) return kNotInitialized;
  std::vector<CustomForm> forms;
  HResult hr = ReadCustomForms(ProfileOrCurrent(profile), &forms, false);
  if (hr != kOk) return hr;
  for (const CustomForm& f : forms) {
    if (f.name == name) {
      *form = ToInfo(f);
      return kOk;
    }
  }
  return kFormNotFound;
}

HResult PdfOptionsCore::RemovePredefinedForm(const wchar_t* name, const wchar_t* profile) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  if (StandardFormIndex(name) >= 0) return kStandardForm;
  std::wstring target = ProfileOrCurrent(profile);
  std::vector<CustomForm> forms;
  HResult hr = ReadCustomForms(target, &forms, true);
  if (hr != kOk) return hr;
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if (forms[i].name == name) {
      forms.erase(forms.begin() + static_cast<std::ptrdiff_t>(i));
      return WriteCustomForms(target, forms);
    }
  }
  return kFormNotFound;
}

HResult PdfOptionsCore::SetFormVisible(const wchar_t* name, std::int32_t visible, const wchar_t* profile) {
  if (!name) return kPointer;
  if (!initialized()) return kNotInitialized;
  std::wstring target = ProfileOrCurrent(profile);
  PrinterStore store = Store();
  int index = StandardFormIndex(name);
  if (index >= 0) {
    std::optional<std::wstring> flags;
    HResult hr = store.GetOption(target, kFormFlags, OptionType::Text, &flags);
    if (hr == kValueNotFound) {
      flags = kDefaultFormFlags;
    } else if (hr != kOk) {
      return hr;
    }
    std::wstring text = flags.value_or(L"");
    if (static_cast<std::size_t>(index) >= text.size()) return kFail;
    text[static_cast<std::size_t>(index)] = visible ? L'1' : L'0';
    return store.SetOption(target, kFormFlags, OptionType::Text, text);
  }
  std::vector<CustomForm> forms;
  HResult hr = ReadCustomForms(target, &forms, true);
  if (hr != kOk) return hr;
  for (CustomForm& f : forms) {
    if (f.name == name) {
      f.hidden = visible ? 0 : 1;
      return WriteCustomForms(target, forms);
    }
  }
  return kFormNotFound;
}

HResult PdfOptionsCore::GetFirstForm(FormInfo* form, const wchar_t* profile) {
  if (!form) return kPointer;
  *form = FormInfo();
  if (!initialized()) return kNotInitialized;
  std::vector<CustomForm> forms;
  HResult hr = ReadCustomForms(ProfileOrCurrent(profile), &forms, false);
  if (hr != kOk) return hr;
  forms_ = std::move(forms);
  formPos_ = 0;
  return GetNextForm(form);
}

HResult PdfOptionsCore::GetNextForm(FormInfo* form) {
  if (!form) return kPointer;
  *form = FormInfo();
  if (!initialized()) return kNotInitialized;
  if (!forms_) return kEnumNotStarted;
  if (formPos_ >= forms_->size()) return kNoMoreForms;
  *form = ToInfo((*forms_)[formPos_++]);
  return kOk;
}

// Default printer

HResult PdfOptionsCore::SelectAsDefaultPrinter() {
  if (!initialized()) return kNotInitialized;
  std::wstring current;
  if (!ports_.spooler.ReadDefaultPrinter(&current)) return kFail;
  savedDefault_ = current;
  if (current == printer_.name) return kOk;
  return ports_.spooler.MakeDefaultPrinter(printer_.name) ? kOk : kFail;
}

HResult PdfOptionsCore::RestoreDefaultPrinter() {
  if (!initialized()) return kNotInitialized;
  if (!savedDefault_) return kNoSavedPrinter;
  std::wstring current;
  if (!ports_.spooler.ReadDefaultPrinter(&current)) return kFail;
  if (current == *savedDefault_) return kOk;
  if (!ports_.spooler.MakeDefaultPrinter(*savedDefault_)) return kFail;
  savedDefault_.reset();
  return kOk;
}

// Bookmark definitions

namespace {
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
  p.values[DefinitionKey(h, d, kDefinitionFields[2])] = v.font.substr(0, 29);
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

HResult PdfOptionsCore::GetPDFFileName(std::int32_t printStarted, std::wstring* fileName) {
  if (!fileName) return kPointer;
  fileName->clear();
  if (!initialized()) return kNotInitialized;
  return Store().GetPrinterText(printStarted ? L"PDFFileNamePrint" : L"PDFFileNameAdd", fileName);
}

}  // namespace orv::pdf
