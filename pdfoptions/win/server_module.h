// Process-wide state of the server: its module handle, the count of live objects
// and locks, and the type information that serves IDispatch.
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace orv::pdf::win {

HMODULE ServerModule();
void SetServerModule(HMODULE module);
void AddServerLock();
void ReleaseServerLock();
bool ServerInUse();
// The interface's type information from the library's own type library resource
// (loaded once; the caller gets a reference of its own).
HRESULT InterfaceTypeInfo(ITypeInfo** info);

}  // namespace orv::pdf::win
