#include "registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "folvapi.h"
#include "server_module.h"
#include "win/unique_resource.h"

namespace orv::pdf::win {
namespace {
using orv::win::UniqueRegKey;

constexpr wchar_t kClassName[] = L"FolvaPdfOptions Class";
constexpr wchar_t kProgId[] = L"folvapiDemo.FolvaPdfOptions.4";
constexpr wchar_t kIndependentProgId[] = L"folvapiDemo.FolvaPdfOptions";
constexpr wchar_t kProgIdValue[] = L"folvapi.FolvaPdfOptions.4";
constexpr wchar_t kIndependentProgIdValue[] = L"folvapi.FolvaPdfOptions";
constexpr wchar_t kAppIdName[] = L"folvaPIDemo";
constexpr wchar_t kDllAppIdKey[] = L"AppID\\folvapiDemo.DLL";
constexpr wchar_t kAppId[] = L"";  // the server's application identifier is empty text

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40];
  ::StringFromGUID2(guid, text, 40);
  return text;
}

bool SetText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  UniqueRegKey k;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, k.put(), nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  return ::RegSetValueExW(k.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool MakeKey(const std::wstring& key) {
  UniqueRegKey k;
  return ::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, k.put(), nullptr) ==
         ERROR_SUCCESS;
}

void DeleteTree(const std::wstring& key) { ::RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str()); }

std::wstring ModulePath() {
  wchar_t path[MAX_PATH];
  DWORD n = ::GetModuleFileNameW(ServerModule(), path, MAX_PATH);
  return std::wstring(path, n);
}
}  // namespace

HRESULT RegisterServer() {
  const std::wstring clsid = GuidText(CLSID_FolvaPdfOptions);
  const std::wstring classKey = L"CLSID\\" + clsid;
  DeleteTree(classKey);  // the class key is replaced whole
  bool ok = SetText(kProgId, nullptr, kClassName) && SetText(std::wstring(kProgId) + L"\\CLSID", nullptr, clsid) &&
            SetText(kIndependentProgId, nullptr, kClassName) &&
            SetText(std::wstring(kIndependentProgId) + L"\\CLSID", nullptr, clsid) &&
            SetText(std::wstring(kIndependentProgId) + L"\\CurVer", nullptr, kProgIdValue) &&
            SetText(classKey, nullptr, kClassName) && SetText(classKey + L"\\ProgID", nullptr, kProgIdValue) &&
            SetText(classKey + L"\\VersionIndependentProgID", nullptr, kIndependentProgIdValue) &&
            MakeKey(classKey + L"\\Programmable") &&
            SetText(classKey + L"\\InprocServer32", nullptr, ModulePath()) &&
            SetText(classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
            SetText(classKey, L"AppID", kAppId) &&
            SetText(classKey + L"\\TypeLib", nullptr, GuidText(LIBID_folvapiLibDemo)) &&
            SetText(std::wstring(L"AppID\\") + kAppId, nullptr, kAppIdName) &&
            SetText(kDllAppIdKey, L"AppID", kAppId);
  if (!ok) return SELFREG_E_CLASS;
  orv::win::ComPtr<ITypeLib> library;
  HRESULT hr = ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_REGISTER, library.put());
  return FAILED(hr) ? SELFREG_E_TYPELIB : S_OK;
}

HRESULT UnregisterServer() {
  ::UnRegisterTypeLib(LIBID_folvapiLibDemo, 4, 0, 1033, SYS_WIN64);
  DeleteTree(L"CLSID\\" + GuidText(CLSID_FolvaPdfOptions));
  DeleteTree(kProgId);
  DeleteTree(kIndependentProgId);
  DeleteTree(kDllAppIdKey);
  // The application identifier is empty text: its entry is the "AppID" key's own
  // default value, which goes while the key stays.
  UniqueRegKey appId;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, L"AppID", 0, KEY_WRITE, appId.put()) == ERROR_SUCCESS) {
    ::RegDeleteValueW(appId.get(), nullptr);
  }
  return S_OK;
}

}  // namespace orv::pdf::win
