// The registry entries of the server under the classes root, and its type library.
#pragma once
#include <windows.h>

namespace orv::pdf::win {

HRESULT RegisterServer();
// Removes what RegisterServer wrote, leaving the "CLSID" and "AppID" parent keys.
HRESULT UnregisterServer();

}  // namespace orv::pdf::win
