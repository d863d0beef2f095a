#include "server_module.h"

#include <oleauto.h>

#include "folvapi.h"
#include "win/unique_resource.h"

namespace orv::pdf::win {
namespace {
HMODULE g_module = nullptr;
LONG g_locks = 0;
}  // namespace

HMODULE ServerModule() { return g_module; }
void SetServerModule(HMODULE module) { g_module = module; }
void AddServerLock() { ::InterlockedIncrement(&g_locks); }
void ReleaseServerLock() { ::InterlockedDecrement(&g_locks); }
bool ServerInUse() { return g_locks != 0; }

HRESULT InterfaceTypeInfo(ITypeInfo** info) {
  *info = nullptr;
  wchar_t path[MAX_PATH];
  if (!::GetModuleFileNameW(g_module, path, MAX_PATH)) return E_FAIL;
  orv::win::ComPtr<ITypeLib> library;
  HRESULT hr = ::LoadTypeLibEx(path, REGKIND_NONE, library.put());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(IID_IFolvaPdfOptions, info);
}

}  // namespace orv::pdf::win
