#include "win/module_state.h"

namespace tarvo {
namespace {
HINSTANCE g_instance = nullptr;
}
void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE ModuleInstance() { return g_instance; }
}  // namespace tarvo
