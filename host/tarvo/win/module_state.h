// The library's own module handle (for its folder, the program folder).
#pragma once
#include <windows.h>

namespace tarvo {
void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();
}  // namespace tarvo
