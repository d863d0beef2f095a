// PdfOptionsCore: binding to a printer, single options, profiles, the default
// printer and the driver's file names.
#include "pdf_options_core.h"

#include "value_codec.h"

namespace orv::pdf {
namespace {
constexpr wchar_t kDriverPrefix[] = L"folvaPDF";
constexpr wchar_t kEventsWindow[] = L"EventsWindow";

std::wstring Or(const wchar_t* text) { return text ? text : L""; }

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

HResult PdfOptionsCore::GetPDFFileName(std::int32_t printStarted, std::wstring* fileName) {
  if (!fileName) return kPointer;
  fileName->clear();
  if (!initialized()) return kNotInitialized;
  return Store().GetPrinterText(printStarted ? L"PDFFileNamePrint" : L"PDFFileNameAdd", fileName);
}

}  // namespace orv::pdf
