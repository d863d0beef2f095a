// IFolvaPdfOptions over the portable core: plain methods convert between the
// interface's texts and the core, "2" twins call their plain twin through the
// interface and hand out BSTRs; IDispatch is served by the type information.
#include "CFolvaPdfOptions.h"

#include <oleauto.h>

#include <cstring>
#include <new>

#include "folvapi.h"
#include "pdf_options_core.h"
#include "server_module.h"
#include "win/unique_resource.h"
#include "win_store_ports.h"

namespace orv::pdf::win {
namespace {

// A task-allocator copy of `value` in *out when `hr` succeeded, else null.
HRESULT GiveTask(HRESULT hr, const std::wstring& value, LPWSTR* out) {
  *out = nullptr;
  if (FAILED(hr)) return hr;
  std::size_t bytes = (value.size() + 1) * sizeof(wchar_t);
  *out = static_cast<LPWSTR>(::CoTaskMemAlloc(bytes));
  if (!*out) return E_OUTOFMEMORY;
  std::memcpy(*out, value.c_str(), bytes);
  return hr;
}

// Turns a task-allocator string into a BSTR (freeing the task copy).
HRESULT TakeBstr(HRESULT hr, LPWSTR task, BSTR* out) {
  *out = nullptr;
  if (!task) return hr;
  *out = ::SysAllocString(task);
  ::CoTaskMemFree(task);
  return *out ? hr : E_OUTOFMEMORY;
}

BookmarkDefinition Definition(LONG enabled, LONG detFont, LPCWSTR font, LONG detStyle, LONG bold, LONG italic,
                              LONG detSize, float sizeValue, float sizePoints, LONG detColor, ULONG color,
                              LONG dispBold, LONG dispItalic, ULONG dispColor) {
  BookmarkDefinition d;
  d.enabled = enabled;
  d.useFont = detFont;
  d.font = font ? font : L"";
  d.useStyle = detStyle;
  d.bold = bold;
  d.italic = italic;
  d.useSize = detSize;
  d.sizeValue = sizeValue;
  d.sizePoints = sizePoints;
  d.useColor = detColor;
  d.color = color;
  d.displayBold = dispBold;
  d.displayItalic = dispItalic;
  d.displayColor = dispColor;
  return d;
}

class CFolvaPdfOptions final : public IFolvaPdfOptions {
 public:
  CFolvaPdfOptions() { AddServerLock(); }
  ~CFolvaPdfOptions() { ReleaseServerLock(); }
  CFolvaPdfOptions(const CFolvaPdfOptions&) = delete;
  CFolvaPdfOptions& operator=(const CFolvaPdfOptions&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IFolvaPdfOptions) {
      *object = static_cast<IFolvaPdfOptions*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = LoadTypeInfo();
    if (SUCCEEDED(hr)) {
      typeInfo_->AddRef();
      *info = typeInfo_.get();
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT hr = LoadTypeInfo();
    return FAILED(hr) ? hr : ::DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* argErr) override {
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return typeInfo_->Invoke(static_cast<IFolvaPdfOptions*>(this), id, flags, params, result, excep, argErr);
  }

  // Binding
  HRESULT STDMETHODCALLTYPE Initialize(LPWSTR printer, LPWSTR, LPWSTR) override {
    return core_.Initialize(printer);
  }
  HRESULT STDMETHODCALLTYPE InitializeSilent(LPWSTR printer, LPWSTR r1, LPWSTR r2) override {
    return Initialize(printer, r1, r2);
  }

  // Options
  HRESULT STDMETHODCALLTYPE SetOptionString(LPWSTR name, LPWSTR value, LPWSTR profile) override {
    return core_.SetOptionString(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionString(LPWSTR name, LPWSTR* value, LPWSTR profile) override {
    if (!name || !value) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetOptionString(name, &text, profile), text, value);
  }
  HRESULT STDMETHODCALLTYPE SetOptionLong(LPWSTR name, LONG value, LPWSTR profile) override {
    return core_.SetOptionLong(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionLong(LPWSTR name, LONG* value, LPWSTR profile) override {
    if (!name || !value) return E_POINTER;
    std::int32_t number = *value;
    HRESULT hr = core_.GetOptionLong(name, &number, profile);
    *value = number;
    return hr;
  }
  HRESULT STDMETHODCALLTYPE SetOptionEncString(LPWSTR name, LPWSTR value, LPWSTR profile) override {
    return core_.SetOptionEncString(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionEncString(LPWSTR name, LPWSTR* value, LPWSTR profile) override {
    if (!name || !value) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetOptionEncString(name, &text, profile), text, value);
  }
  HRESULT STDMETHODCALLTYPE RegisterEventWindow(LONG window) override { return core_.RegisterEventWindow(window); }
  HRESULT STDMETHODCALLTYPE UnRegisterEventWindow() override { return core_.UnRegisterEventWindow(); }
  HRESULT STDMETHODCALLTYPE GetPDFFileName(LONG printStarted, LPWSTR* fileName) override {
    if (!fileName) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetPDFFileName(printStarted, &text), text, fileName);
  }

  // Profiles
  HRESULT STDMETHODCALLTYPE AddProfile(LPWSTR name) override { return core_.AddProfile(name); }
  HRESULT STDMETHODCALLTYPE AddPublicProfile(LPWSTR name) override { return core_.AddPublicProfile(name); }
  HRESULT STDMETHODCALLTYPE CopyProfile(LPWSTR from, LPWSTR to) override { return core_.CopyProfile(from, to); }
  HRESULT STDMETHODCALLTYPE RenameProfile(LPWSTR from, LPWSTR to) override { return core_.RenameProfile(from, to); }
  HRESULT STDMETHODCALLTYPE DeleteProfile(LPWSTR name) override { return core_.DeleteProfile(name); }
  HRESULT STDMETHODCALLTYPE GetFirstProfile(LPWSTR* name) override {
    if (!name) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetFirstProfile(&text), text, name);
  }
  HRESULT STDMETHODCALLTYPE GetNextProfile(LPWSTR* name) override {
    if (!name) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetNextProfile(&text), text, name);
  }
  HRESULT STDMETHODCALLTYPE GetActiveProfile(LPWSTR* name) override {
    if (!name) return E_POINTER;
    std::wstring text;
    return GiveTask(core_.GetActiveProfile(&text), text, name);
  }
  HRESULT STDMETHODCALLTYPE SetActiveProfile(LPWSTR name) override { return core_.SetActiveProfile(name); }

  // Forms
  HRESULT STDMETHODCALLTYPE AddPredefinedForm(LPWSTR name, LPWSTR description, float width, float height,
                                              LONG visible, LPWSTR profile) override {
    return core_.AddPredefinedForm(name, description, width, height, visible, profile);
  }
  HRESULT STDMETHODCALLTYPE GetPredefinedForm(LPWSTR name, LPWSTR* description, float* width, float* height,
                                              LONG* visible, LPWSTR profile) override {
    if (!name || !description || !width || !height || !visible) return E_POINTER;
    FormInfo form;
    HRESULT hr = core_.GetPredefinedForm(name, &form, profile);
    return GiveForm(hr, form, nullptr, description, width, height, visible);
  }
  HRESULT STDMETHODCALLTYPE RemovePredefinedForm(LPWSTR name, LPWSTR profile) override {
    return core_.RemovePredefinedForm(name, profile);
  }
  HRESULT STDMETHODCALLTYPE SetFormVisible(LPWSTR name, LONG visible, LPWSTR profile) override {
    return core_.SetFormVisible(name, visible, profile);
  }
  HRESULT STDMETHODCALLTYPE GetFirstForm(LPWSTR* name, LPWSTR* description, float* width, float* height,
                                         LONG* visible, LPWSTR profile) override {
    if (!name || !description || !width || !height || !visible) return E_POINTER;
    FormInfo form;
    HRESULT hr = core_.GetFirstForm(&form, profile);
    return GiveForm(hr, form, name, description, width, height, visible);
  }
  HRESULT STDMETHODCALLTYPE GetNextForm(LPWSTR* name, LPWSTR* description, float* width, float* height,
                                        LONG* visible) override {
    if (!name || !description || !width || !height || !visible) return E_POINTER;
    FormInfo form;
    HRESULT hr = core_.GetNextForm(&form);
    return GiveForm(hr, form, name, description, width, height, visible);
  }

  // Default printer
  HRESULT STDMETHODCALLTYPE SetDefaultPrinter() override { return core_.SelectAsDefaultPrinter(); }
  HRESULT STDMETHODCALLTYPE RestoreDefaultPrinter() override { return core_.RestoreDefaultPrinter(); }

  // Bookmark definitions
  HRESULT STDMETHODCALLTYPE AddBookmarkDefinition(unsigned short heading, LONG enabled, LONG detFont, LPWSTR font,
                                                  LONG detStyle, LONG bold, LONG italic, LONG detSize,
                                                  float sizeValue, float sizePoints, LONG detColor, ULONG color,
                                                  LONG dispBold, LONG dispItalic, ULONG dispColor,
                                                  unsigned short* definition, LPWSTR profile) override {
    if (!font) return E_POINTER;
    return core_.AddBookmarkDefinition(heading,
                                       Definition(enabled, detFont, font, detStyle, bold, italic, detSize, sizeValue,
                                                  sizePoints, detColor, color, dispBold, dispItalic, dispColor),
                                       definition, profile);
  }
  HRESULT STDMETHODCALLTYPE ModifyBookmarkDefinition(unsigned short heading, unsigned short definition,
                                                     LONG enabled, LONG detFont, LPWSTR font, LONG detStyle,
                                                     LONG bold, LONG italic, LONG detSize, float sizeValue,
                                                     float sizePoints, LONG detColor, ULONG color, LONG dispBold,
                                                     LONG dispItalic, ULONG dispColor, LPWSTR profile) override {
    if (!font) return E_POINTER;
    return core_.ModifyBookmarkDefinition(heading, definition,
                                          Definition(enabled, detFont, font, detStyle, bold, italic, detSize,
                                                     sizeValue, sizePoints, detColor, color, dispBold, dispItalic,
                                                     dispColor),
                                          profile);
  }
  HRESULT STDMETHODCALLTYPE DeleteBookmarkDefinition(unsigned short heading, unsigned short definition,
                                                     LPWSTR profile) override {
    return core_.DeleteBookmarkDefinition(heading, definition, profile);
  }
  HRESULT STDMETHODCALLTYPE EnableBookmarkDefinition(unsigned short heading, unsigned short definition, LONG enable,
                                                     LPWSTR profile) override {
    return core_.EnableBookmarkDefinition(heading, definition, enable, profile);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkDefinition(unsigned short heading, unsigned short definition, LONG* enabled,
                                                  LONG* detFont, LPWSTR* font, LONG* detStyle, LONG* bold,
                                                  LONG* italic, LONG* detSize, float* sizeValue, float* sizePoints,
                                                  LONG* detColor, ULONG* color, LONG* dispBold, LONG* dispItalic,
                                                  ULONG* dispColor, LPWSTR profile) override {
    if (!enabled || !detFont || !font || !detStyle || !bold || !italic || !detSize || !sizeValue || !sizePoints ||
        !detColor || !color || !dispBold || !dispItalic || !dispColor) {
      return E_POINTER;
    }
    BookmarkDefinition d;
    HRESULT hr = core_.GetBookmarkDefinition(heading, definition, &d, profile);
    *enabled = d.enabled;
    *detFont = d.useFont;
    *detStyle = d.useStyle;
    *bold = d.bold;
    *italic = d.italic;
    *detSize = d.useSize;
    *sizeValue = d.sizeValue;
    *sizePoints = d.sizePoints;
    *detColor = d.useColor;
    *color = d.color;
    *dispBold = d.displayBold;
    *dispItalic = d.displayItalic;
    *dispColor = d.displayColor;
    return GiveTask(hr, d.font, font);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkHeaderCount(unsigned short* count, LPWSTR profile) override {
    return core_.GetBookmarkHeaderCount(count, profile);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkDefinitionCount(unsigned short heading, unsigned short* count,
                                                       LPWSTR profile) override {
    return core_.GetBookmarkDefinitionCount(heading, count, profile);
  }

  // "2" twins: the plain method through the interface, BSTR outputs.
  HRESULT STDMETHODCALLTYPE Initialize2(BSTR printer, BSTR r1, BSTR r2) override { return Self()->Initialize(printer, r1, r2); }
  HRESULT STDMETHODCALLTYPE InitializeSilent2(BSTR printer, BSTR r1, BSTR r2) override {
    return Self()->InitializeSilent(printer, r1, r2);
  }
  HRESULT STDMETHODCALLTYPE SetOptionString2(BSTR name, BSTR value, BSTR profile) override {
    return Self()->SetOptionString(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionString2(BSTR name, BSTR* value, BSTR profile) override {
    if (!value) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetOptionString(name, &task, profile);
    return TakeBstr(hr, task, value);
  }
  HRESULT STDMETHODCALLTYPE SetOptionLong2(BSTR name, LONG value, BSTR profile) override {
    return Self()->SetOptionLong(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionLong2(BSTR name, LONG* value, BSTR profile) override {
    return Self()->GetOptionLong(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE SetOptionEncString2(BSTR name, BSTR value, BSTR profile) override {
    return Self()->SetOptionEncString(name, value, profile);
  }
  HRESULT STDMETHODCALLTYPE GetOptionEncString2(BSTR name, BSTR* value, BSTR profile) override {
    if (!value) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetOptionEncString(name, &task, profile);
    return TakeBstr(hr, task, value);
  }
  HRESULT STDMETHODCALLTYPE AddProfile2(BSTR name) override { return Self()->AddProfile(name); }
  HRESULT STDMETHODCALLTYPE AddPublicProfile2(BSTR name) override { return Self()->AddPublicProfile(name); }
  HRESULT STDMETHODCALLTYPE CopyProfile2(BSTR from, BSTR to) override { return Self()->CopyProfile(from, to); }
  HRESULT STDMETHODCALLTYPE RenameProfile2(BSTR from, BSTR to) override { return Self()->RenameProfile(from, to); }
  HRESULT STDMETHODCALLTYPE DeleteProfile2(BSTR name) override { return Self()->DeleteProfile(name); }
  HRESULT STDMETHODCALLTYPE GetFirstProfile2(BSTR* name) override {
    if (!name) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetFirstProfile(&task);
    return TakeBstr(hr, task, name);
  }
  HRESULT STDMETHODCALLTYPE GetNextProfile2(BSTR* name) override {
    if (!name) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetNextProfile(&task);
    return TakeBstr(hr, task, name);
  }
  HRESULT STDMETHODCALLTYPE GetActiveProfile2(BSTR* name) override {
    if (!name) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetActiveProfile(&task);
    return TakeBstr(hr, task, name);
  }
  HRESULT STDMETHODCALLTYPE SetActiveProfile2(BSTR name) override { return Self()->SetActiveProfile(name); }
  HRESULT STDMETHODCALLTYPE AddPredefinedForm2(BSTR name, BSTR description, float width, float height, LONG visible,
                                               BSTR profile) override {
    return Self()->AddPredefinedForm(name, description, width, height, visible, profile);
  }
  HRESULT STDMETHODCALLTYPE GetPredefinedForm2(BSTR name, BSTR* description, float* width, float* height,
                                               LONG* visible, BSTR profile) override {
    if (!description) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetPredefinedForm(name, &task, width, height, visible, profile);
    return TakeBstr(hr, task, description);
  }
  HRESULT STDMETHODCALLTYPE RemovePredefinedForm2(BSTR name, BSTR profile) override {
    return Self()->RemovePredefinedForm(name, profile);
  }
  HRESULT STDMETHODCALLTYPE SetFormVisible2(BSTR name, LONG visible, BSTR profile) override {
    return Self()->SetFormVisible(name, visible, profile);
  }
  HRESULT STDMETHODCALLTYPE GetFirstForm2(BSTR* name, BSTR* description, float* width, float* height, LONG* visible,
                                          BSTR profile) override {
    if (!name || !description) return E_POINTER;
    LPWSTR taskName = nullptr, taskDescription = nullptr;
    HRESULT hr = Self()->GetFirstForm(&taskName, &taskDescription, width, height, visible, profile);
    return TakeBstrPair(hr, taskName, name, taskDescription, description);
  }
  HRESULT STDMETHODCALLTYPE GetNextForm2(BSTR* name, BSTR* description, float* width, float* height,
                                         LONG* visible) override {
    if (!name || !description) return E_POINTER;
    LPWSTR taskName = nullptr, taskDescription = nullptr;
    HRESULT hr = Self()->GetNextForm(&taskName, &taskDescription, width, height, visible);
    return TakeBstrPair(hr, taskName, name, taskDescription, description);
  }
  HRESULT STDMETHODCALLTYPE AddBookmarkDefinition2(unsigned short heading, LONG enabled, LONG detFont, BSTR font,
                                                   LONG detStyle, LONG bold, LONG italic, LONG detSize,
                                                   float sizeValue, float sizePoints, LONG detColor, ULONG color,
                                                   LONG dispBold, LONG dispItalic, ULONG dispColor,
                                                   unsigned short* definition, BSTR profile) override {
    return Self()->AddBookmarkDefinition(heading, enabled, detFont, font, detStyle, bold, italic, detSize, sizeValue,
                                         sizePoints, detColor, color, dispBold, dispItalic, dispColor, definition,
                                         profile);
  }
  HRESULT STDMETHODCALLTYPE ModifyBookmarkDefinition2(unsigned short heading, unsigned short definition,
                                                      LONG enabled, LONG detFont, BSTR font, LONG detStyle, LONG bold,
                                                      LONG italic, LONG detSize, float sizeValue, float sizePoints,
                                                      LONG detColor, ULONG color, LONG dispBold, LONG dispItalic,
                                                      ULONG dispColor, BSTR profile) override {
    return Self()->ModifyBookmarkDefinition(heading, definition, enabled, detFont, font, detStyle, bold, italic,
                                            detSize, sizeValue, sizePoints, detColor, color, dispBold, dispItalic,
                                            dispColor, profile);
  }
  HRESULT STDMETHODCALLTYPE DeleteBookmarkDefinition2(unsigned short heading, unsigned short definition,
                                                      BSTR profile) override {
    return Self()->DeleteBookmarkDefinition(heading, definition, profile);
  }
  HRESULT STDMETHODCALLTYPE EnableBookmarkDefinition2(unsigned short heading, unsigned short definition, LONG enable,
                                                      BSTR profile) override {
    return Self()->EnableBookmarkDefinition(heading, definition, enable, profile);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkDefinition2(unsigned short heading, unsigned short definition, LONG* enabled,
                                                   LONG* detFont, BSTR* font, LONG* detStyle, LONG* bold,
                                                   LONG* italic, LONG* detSize, float* sizeValue, float* sizePoints,
                                                   LONG* detColor, ULONG* color, LONG* dispBold, LONG* dispItalic,
                                                   ULONG* dispColor, BSTR profile) override {
    if (!font) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetBookmarkDefinition(heading, definition, enabled, detFont, &task, detStyle, bold, italic,
                                               detSize, sizeValue, sizePoints, detColor, color, dispBold, dispItalic,
                                               dispColor, profile);
    return TakeBstr(hr, task, font);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkHeaderCount2(unsigned short* count, BSTR profile) override {
    return Self()->GetBookmarkHeaderCount(count, profile);
  }
  HRESULT STDMETHODCALLTYPE GetBookmarkDefinitionCount2(unsigned short heading, unsigned short* count,
                                                        BSTR profile) override {
    return Self()->GetBookmarkDefinitionCount(heading, count, profile);
  }
  HRESULT STDMETHODCALLTYPE GetPDFFileName2(LONG printStarted, BSTR* fileName) override {
    if (!fileName) return E_POINTER;
    LPWSTR task = nullptr;
    HRESULT hr = Self()->GetPDFFileName(printStarted, &task);
    return TakeBstr(hr, task, fileName);
  }

 private:
  IFolvaPdfOptions* Self() { return this; }

  HRESULT LoadTypeInfo() {
    if (typeInfo_) return S_OK;
    return InterfaceTypeInfo(typeInfo_.put());
  }

  static HRESULT GiveForm(HRESULT hr, const FormInfo& form, LPWSTR* name, LPWSTR* description, float* width,
                          float* height, LONG* visible) {
    *width = form.width;
    *height = form.height;
    *visible = form.visible;
    if (name) {
      hr = GiveTask(hr, form.name, name);
      if (hr == E_OUTOFMEMORY) {
        *description = nullptr;
        return hr;
      }
    }
    HRESULT described = GiveTask(hr, form.description, description);
    if (described == E_OUTOFMEMORY && name && *name) {
      ::CoTaskMemFree(*name);
      *name = nullptr;
    }
    return described;
  }

  static HRESULT TakeBstrPair(HRESULT hr, LPWSTR taskA, BSTR* a, LPWSTR taskB, BSTR* b) {
    HRESULT first = TakeBstr(hr, taskA, a);
    HRESULT second = TakeBstr(hr, taskB, b);
    if (first == E_OUTOFMEMORY || second == E_OUTOFMEMORY) {
      ::SysFreeString(*a);
      ::SysFreeString(*b);
      *a = *b = nullptr;
      return E_OUTOFMEMORY;
    }
    return hr;
  }

  LONG refs_ = 1;
  WinPorts ports_;
  PdfOptionsCore core_{ports_.ports()};
  orv::win::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace

HRESULT CreateFolvaPdfOptions(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  auto* created = new (std::nothrow) CFolvaPdfOptions();
  if (!created) return E_OUTOFMEMORY;
  HRESULT hr = created->QueryInterface(iid, object);
  created->Release();
  return hr;
}

}  // namespace orv::pdf::win
