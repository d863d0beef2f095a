#include "type_info_names.h"

#include "win/unique_resource.h"

namespace orv {

namespace {

constexpr UINT kMaxNames = 64;

// Releases a FUNCDESC or VARDESC with the type information it came from.
class FuncDescHolder {
 public:
  FuncDescHolder(ITypeInfo* info, UINT index) : info_(info) {
    if (FAILED(info->GetFuncDesc(index, &desc_))) desc_ = nullptr;
  }
  ~FuncDescHolder() {
    if (desc_ != nullptr) info_->ReleaseFuncDesc(desc_);
  }
  FuncDescHolder(const FuncDescHolder&) = delete;
  FuncDescHolder& operator=(const FuncDescHolder&) = delete;
  const FUNCDESC* get() const { return desc_; }

 private:
  ITypeInfo* info_;
  FUNCDESC* desc_ = nullptr;
};

class VarDescHolder {
 public:
  VarDescHolder(ITypeInfo* info, UINT index) : info_(info) {
    if (FAILED(info->GetVarDesc(index, &desc_))) desc_ = nullptr;
  }
  ~VarDescHolder() {
    if (desc_ != nullptr) info_->ReleaseVarDesc(desc_);
  }
  VarDescHolder(const VarDescHolder&) = delete;
  VarDescHolder& operator=(const VarDescHolder&) = delete;
  const VARDESC* get() const { return desc_; }

 private:
  ITypeInfo* info_;
  VARDESC* desc_ = nullptr;
};

class TypeAttrHolder {
 public:
  explicit TypeAttrHolder(ITypeInfo* info) : info_(info) {
    if (FAILED(info->GetTypeAttr(&attr_))) attr_ = nullptr;
  }
  ~TypeAttrHolder() {
    if (attr_ != nullptr) info_->ReleaseTypeAttr(attr_);
  }
  TypeAttrHolder(const TypeAttrHolder&) = delete;
  TypeAttrHolder& operator=(const TypeAttrHolder&) = delete;
  const TYPEATTR* get() const { return attr_; }

 private:
  ITypeInfo* info_;
  TYPEATTR* attr_ = nullptr;
};

bool Listable(const std::wstring& name) { return !name.empty() && name[0] != L'_'; }

}  // namespace

std::wstring MemberName(ITypeInfo* info, MEMBERID memid) {
  win::UniqueBstr name;
  if (FAILED(info->GetDocumentation(memid, name.put(), nullptr, nullptr, nullptr)) || !name) return {};
  return std::wstring(name.get(), ::SysStringLen(name.get()));
}

std::vector<std::wstring> MemberNames(ITypeInfo* info, MEMBERID memid) {
  BSTR names[kMaxNames] = {};
  UINT count = 0;
  std::vector<std::wstring> result;
  if (FAILED(info->GetNames(memid, names, kMaxNames, &count))) return result;
  for (UINT i = 0; i < count && i < kMaxNames; ++i) {
    win::UniqueBstr owned(names[i]);
    result.emplace_back(owned ? std::wstring(owned.get(), ::SysStringLen(owned.get())) : std::wstring());
  }
  return result;
}

void ListMembers(ITypeInfo* info, unsigned excludedVarFlags, std::vector<std::wstring>& functions,
                 std::vector<std::wstring>& variables) {
  TypeAttrHolder attr(info);
  if (attr.get() == nullptr) return;
  for (UINT i = 0; i < attr.get()->cFuncs; ++i) {
    FuncDescHolder func(info, i);
    const FUNCDESC* desc = func.get();
    if (desc == nullptr || (desc->wFuncFlags & (FUNCFLAG_FRESTRICTED | FUNCFLAG_FHIDDEN)) != 0) continue;
    const std::wstring name = MemberName(info, desc->memid);
    if (!Listable(name)) continue;
    if (desc->invkind == INVOKE_FUNC) {
      functions.push_back(name);
    } else if (desc->invkind == INVOKE_PROPERTYGET) {
      variables.push_back(name);
    }
  }
  for (UINT i = 0; i < attr.get()->cVars; ++i) {
    VarDescHolder var(info, i);
    const VARDESC* desc = var.get();
    if (desc == nullptr || desc->varkind != VAR_DISPATCH || (desc->wVarFlags & excludedVarFlags) != 0) continue;
    const std::wstring name = MemberName(info, desc->memid);
    if (Listable(name)) variables.push_back(name);
  }
}

int FunctionIndexByName(ITypeInfo* info, const std::wstring& name) {
  TypeAttrHolder attr(info);
  if (attr.get() == nullptr) return -1;
  for (UINT i = 0; i < attr.get()->cFuncs; ++i) {
    FuncDescHolder func(info, i);
    if (func.get() != nullptr && EqualNoCase(MemberName(info, func.get()->memid), name)) return static_cast<int>(i);
  }
  return -1;
}

bool FunctionParameters(ITypeInfo* info, int index, std::vector<std::wstring>& params) {
  if (index < 0) return false;
  FuncDescHolder func(info, static_cast<UINT>(index));
  const FUNCDESC* desc = func.get();
  if (desc == nullptr) return false;
  const std::vector<std::wstring> names = MemberNames(info, desc->memid);
  if (names.size() < 2) return false;
  // Optional parameters are the last cParamsOpt ones; the flag marks them too.
  const int firstOptional = desc->cParams - desc->cParamsOpt;
  for (std::size_t p = 1; p < names.size(); ++p) {
    const int position = static_cast<int>(p) - 1;
    bool optional = position >= firstOptional;
    if (position < desc->cParams) {
      optional = optional || (desc->lprgelemdescParam[position].paramdesc.wParamFlags & PARAMFLAG_FOPT) != 0;
    }
    params.push_back(optional ? L"[" + names[p] + L"]" : names[p]);
  }
  return true;
}

void CollectLibraryNames(ITypeLib* library, std::vector<std::wstring>& members, std::vector<std::wstring>& parameters) {
  const UINT count = library->GetTypeInfoCount();
  for (UINT t = 0; t < count; ++t) {
    win::ComPtr<ITypeInfo> info;
    if (FAILED(library->GetTypeInfo(t, info.put()))) continue;
    const std::wstring typeName = MemberName(info.get(), MEMBERID_NIL);
    if (!typeName.empty()) members.push_back(typeName);
    TypeAttrHolder attr(info.get());
    if (attr.get() == nullptr) continue;
    for (UINT i = 0; i < attr.get()->cFuncs; ++i) {
      FuncDescHolder func(info.get(), i);
      if (func.get() == nullptr) continue;
      const auto names = MemberNames(info.get(), func.get()->memid);
      if (names.empty()) continue;
      members.push_back(names[0]);
      parameters.insert(parameters.end(), names.begin() + 1, names.end());
    }
    for (UINT i = 0; i < attr.get()->cVars; ++i) {
      VarDescHolder var(info.get(), i);
      if (var.get() == nullptr) continue;
      const std::wstring name = MemberName(info.get(), var.get()->memid);
      if (!name.empty()) members.push_back(name);
    }
  }
}

std::wstring UpperCase(std::wstring text) {
  for (auto& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  }
  return text;
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b) { return UpperCase(a) == UpperCase(b); }

}  // namespace orv
