// The creatable PDF options object (class FolvaPdfOptions).
#pragma once
#include <windows.h>

namespace orv::pdf::win {

// Creates an object and asks it for `iid`.
HRESULT CreateFolvaPdfOptions(REFIID iid, void** object);

}  // namespace orv::pdf::win
