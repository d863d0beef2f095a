// Paper forms of PdfOptionsCore: standard form visibility and custom form records,
// kept in a profile's text options.
#include "pdf_options_core.h"

namespace orv::pdf {
namespace {
FormInfo ToInfo(const CustomForm& f) {
  return {f.name, f.description, static_cast<float>(f.width * 0.001), static_cast<float>(f.height * 0.001),
          f.hidden ? 0 : 1};
}
}  // namespace

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
}  // namespace orv::pdf
