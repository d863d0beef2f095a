#include "CScripter.h"

#include <algorithm>

#include "scoped_variant.h"
#include "type_info_names.h"

namespace orv {

namespace {

// The VBScript engine's class.
const CLSID kVBScriptEngine = {0xB54F3741, 0x5B07, 0x11CF, {0xA4, 0xB0, 0x00, 0xAA, 0x00, 0x4A, 0x55, 0xE8}};

// Variable flags from 64 (hidden) up keep a member variable out of member lists.
constexpr unsigned kMemberVarFlagsExcluded = 0xFFC0;
constexpr unsigned kGlobalVarFlagsExcluded = VARFLAG_FHIDDEN | VARFLAG_FRESTRICTED | VARFLAG_FNONBROWSABLE;

std::wstring HeadBeforeDot(const std::wstring& expression) { return expression.substr(0, expression.find(L'.')); }

}  // namespace

bool CScripter::NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
  return UpperCase(a) < UpperCase(b);
}

CScripter::~CScripter() { Stop(); }

bool CScripter::Start(const std::wstring& language) {
  Stop();
  language_ = language;
  if (!EqualNoCase(language, L"VBScript")) return false;

  if (FAILED(::CoCreateInstance(kVBScriptEngine, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IActiveScript),
                                engine_.put_void()))) {
    return false;
  }
  if (FAILED(::LoadTypeLib(L"vbscript.dll", typeLibrary_.put())) ||
      FAILED(typeLibrary_->GetTypeInfo(0, globalInfo_.put()))) {
    Stop();
    return false;
  }
  // The parse interface of this process's pointer width.
  if (FAILED(engine_->QueryInterface(__uuidof(IActiveScriptParse64), parser_.put_void()))) {
    Stop();
    return false;
  }
  if (FAILED(engine_->SetScriptSite(this)) || FAILED(parser_->InitNew())) {
    Stop();
    return false;
  }
  ready_ = true;
  return true;
}

void CScripter::Stop() {
  parser_.reset();
  if (engine_) engine_->Close();
  engine_.reset();
  globalInfo_.reset();
  typeLibrary_.reset();
  objects_.clear();
  builtinNames_.clear();
  ready_ = false;
}

std::wstring CScripter::BuiltinSpelling(const std::wstring& word) const {
  if (!ready_ || word.empty()) return {};
  if (builtinNames_.empty()) {
    // The names a script can use: the library's types, functions and constants. Parameter
    // names (prompt, count, title, ...) are left out, as users name their own variables so.
    std::vector<std::wstring> members;
    std::vector<std::wstring> parameters;
    CollectLibraryNames(typeLibrary_.get(), members, parameters);
    for (const auto& name : members) builtinNames_.emplace(UpperCase(name), name);
  }
  const auto found = builtinNames_.find(UpperCase(word));
  if (found == builtinNames_.end()) return {};
  // The library confirms the name in its own spelling (its lookup is case-sensitive in
  // some implementations, so it is asked with that spelling).
  std::wstring spelling = found->second;
  BOOL isName = FALSE;
  if (FAILED(typeLibrary_->IsName(spelling.data(), 0, &isName)) || !isName) return {};
  return found->second;
}

bool CScripter::IsBuiltinName(std::wstring& word) {
  std::wstring spelling = BuiltinSpelling(word);
  if (spelling.empty()) return false;
  word = std::move(spelling);
  return true;
}

int CScripter::GlobalFunctionIndex(const std::wstring& name) const {
  if (!ready_) return -1;
  return FunctionIndexByName(globalInfo_.get(), name);
}

bool CScripter::GlobalFunctionParameters(const std::wstring& name, std::vector<std::wstring>& params) const {
  if (!ready_) return false;
  return FunctionParameters(globalInfo_.get(), FunctionIndexByName(globalInfo_.get(), name), params);
}

void CScripter::GlobalNames(std::vector<std::wstring>& functions, std::vector<std::wstring>& variables) const {
  if (!ready_) return;
  ListMembers(globalInfo_.get(), kGlobalVarFlagsExcluded, functions, variables);
}

void CScripter::NamedObjects(std::vector<std::wstring>& variables) const {
  for (const auto& entry : objects_) variables.push_back(entry.first);
}

void CScripter::RegisteredVariables(std::vector<std::wstring>& variables) const {
  variables.insert(variables.end(), variables_.begin(), variables_.end());
}

IUnknown* CScripter::FindObject(const std::wstring& name) const {
  const auto found = objects_.find(name);
  return found != objects_.end() ? found->second : nullptr;
}

win::ComPtr<IDispatch> CScripter::EvaluateObject(const std::wstring& expression) {
  if (!ready_ || FindObject(HeadBeforeDot(expression)) == nullptr) return {};
  ScopedVariant result;
  if (FAILED(parser_->ParseScriptText(expression.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISEXPRESSION,
                                      result.get(), nullptr))) {
    return {};
  }
  const VARIANT& value = result.value();
  if (value.vt != VT_DISPATCH || value.pdispVal == nullptr) return {};
  value.pdispVal->AddRef();
  return win::ComPtr<IDispatch>(value.pdispVal);
}

bool CScripter::ObjectMembers(const std::wstring& expression, std::vector<std::wstring>& functions,
                              std::vector<std::wstring>& variables) {
  win::ComPtr<IDispatch> object = EvaluateObject(expression);
  if (!object) return false;
  win::ComPtr<ITypeInfo> info;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return false;
  ListMembers(info.get(), kMemberVarFlagsExcluded, functions, variables);
  return true;
}

bool CScripter::MemberParameters(const std::wstring& objectExpression, const std::wstring& member,
                                 std::vector<std::wstring>& params) {
  win::ComPtr<IDispatch> object = EvaluateObject(objectExpression);
  if (!object) return false;
  win::ComPtr<ITypeInfo> info;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return false;
  std::wstring name = member;
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  const std::vector<std::wstring> all = MemberNames(info.get(), id);
  if (all.size() < 2) return false;
  params.insert(params.end(), all.begin() + 1, all.end());
  return true;
}

bool CScripter::CanAdd(const std::wstring& name) const {
  if (!ready_ || name.empty()) return false;
  if (FindObject(name) != nullptr) return false;
  if (std::any_of(variables_.begin(), variables_.end(), [&](const std::wstring& v) { return EqualNoCase(v, name); })) {
    return false;
  }
  return BuiltinSpelling(name).empty() && GlobalFunctionIndex(name) < 0;
}

bool CScripter::AddObject(const std::wstring& name, IUnknown* object) {
  if (object == nullptr || !CanAdd(name)) return false;
  objects_[name] = object;
  if (FAILED(engine_->AddNamedItem(name.c_str(), SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE))) {
    objects_.erase(name);
    return false;
  }
  return true;
}

bool CScripter::RemoveObject(const std::wstring& name) {
  if (!ready_) return false;
  return objects_.erase(name) != 0;
}

bool CScripter::AddVariable(const std::wstring& name) {
  if (!CanAdd(name)) return false;
  variables_.push_back(name);
  return true;
}

bool CScripter::RemoveVariable(const std::wstring& name) {
  if (!ready_) return false;
  const auto found =
      std::find_if(variables_.begin(), variables_.end(), [&](const std::wstring& v) { return EqualNoCase(v, name); });
  if (found == variables_.end()) return false;
  variables_.erase(found);
  return true;
}

// IUnknown: one identity for the three site interfaces.
STDMETHODIMP CScripter::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(IActiveScriptSite))) {
    *object = static_cast<IActiveScriptSite*>(this);
  } else if (IsEqualIID(riid, __uuidof(IActiveScriptSiteWindow))) {
    *object = static_cast<IActiveScriptSiteWindow*>(this);
  } else if (IsEqualIID(riid, __uuidof(IActiveScriptSiteDebug64))) {
    *object = static_cast<IActiveScriptSiteDebug64*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CScripter::AddRef() { return ++references_; }
STDMETHODIMP_(ULONG) CScripter::Release() { return references_ > 0 ? --references_ : 0; }

// IActiveScriptSite
STDMETHODIMP CScripter::GetLCID(LCID*) { return E_NOTIMPL; }

STDMETHODIMP CScripter::GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo) {
  if ((returnMask & SCRIPTINFO_ITYPEINFO) != 0) {
    if (typeInfo == nullptr) return E_INVALIDARG;
    *typeInfo = nullptr;
  }
  if ((returnMask & SCRIPTINFO_IUNKNOWN) != 0) {
    if (item == nullptr) return E_INVALIDARG;
    *item = nullptr;
  }
  IUnknown* object = name != nullptr ? FindObject(name) : nullptr;
  if (object == nullptr) return TYPE_E_ELEMENTNOTFOUND;
  if ((returnMask & SCRIPTINFO_ITYPEINFO) != 0) {
    win::ComPtr<IProvideClassInfo> classInfo;
    win::ComPtr<IDispatch> dispatch;
    if (SUCCEEDED(object->QueryInterface(IID_IProvideClassInfo, classInfo.put_void())) &&
        SUCCEEDED(classInfo->GetClassInfo(typeInfo)) && *typeInfo != nullptr) {
      // the class information
    } else if (SUCCEEDED(object->QueryInterface(IID_IDispatch, dispatch.put_void())) &&
               SUCCEEDED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, typeInfo)) && *typeInfo != nullptr) {
      // the object's own dispatch type information
    } else {
      *typeInfo = nullptr;
      return E_FAIL;
    }
  }
  if ((returnMask & SCRIPTINFO_IUNKNOWN) != 0) {
    object->AddRef();
    *item = object;
  }
  return S_OK;
}

STDMETHODIMP CScripter::GetDocVersionString(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CScripter::OnScriptTerminate(const VARIANT*, const EXCEPINFO*) { return S_OK; }
STDMETHODIMP CScripter::OnStateChange(SCRIPTSTATE) { return S_OK; }
// Errors of evaluated expressions are not shown: the caller simply finds nothing.
STDMETHODIMP CScripter::OnScriptError(IActiveScriptError*) { return S_OK; }
STDMETHODIMP CScripter::OnEnterScript() { return S_OK; }
STDMETHODIMP CScripter::OnLeaveScript() { return S_OK; }

// IActiveScriptSiteWindow
HWND CScripter::MainWindow() const {
  if (ownerWindow_ != nullptr && ::IsWindow(ownerWindow_)) return ::GetAncestor(ownerWindow_, GA_ROOT);
  // Otherwise the first visible top-level window of this thread.
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != nullptr) return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

STDMETHODIMP CScripter::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = MainWindow();
  return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CScripter::EnableModeless(BOOL enable) {
  const HWND main = MainWindow();
  if (main == nullptr) return E_FAIL;
  ::EnableWindow(main, enable);
  return S_OK;
}

// IActiveScriptSiteDebug: no debugging.
STDMETHODIMP CScripter::GetDocumentContextFromPosition(DWORDLONG, ULONG, ULONG, IDebugDocumentContext**) {
  return E_NOTIMPL;
}
STDMETHODIMP CScripter::GetApplication(IDebugApplication64**) { return E_NOTIMPL; }
STDMETHODIMP CScripter::GetRootApplicationNode(IDebugApplicationNode**) { return E_NOTIMPL; }
STDMETHODIMP CScripter::OnScriptErrorDebug(IActiveScriptErrorDebug*, BOOL*, BOOL*) { return E_NOTIMPL; }

}  // namespace orv
