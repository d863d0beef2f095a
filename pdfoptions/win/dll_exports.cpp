// The in-process server's entry points.
#include <windows.h>
#include <initguid.h>

#include "class_factory.h"
#include "folvapi.h"
#include "registration.h"
#include "server_module.h"

using namespace orv::pdf::win;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetServerModule(instance);
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (clsid != CLSID_FolvaPdfOptions) return CLASS_E_CLASSNOTAVAILABLE;
  return GetFolvaClassFactory(iid, object);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return ServerInUse() ? S_FALSE : S_OK; }

extern "C" HRESULT __stdcall DllRegisterServer() { return RegisterServer(); }

extern "C" HRESULT __stdcall DllUnregisterServer() { return UnregisterServer(); }
