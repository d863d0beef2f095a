// The class factory of FolvaPdfOptions.
#pragma once
#include <windows.h>

namespace orv::pdf::win {

HRESULT GetFolvaClassFactory(REFIID iid, void** factory);

}  // namespace orv::pdf::win
