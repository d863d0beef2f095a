// The eighteen functions of VuzaZuvozidAdad's libraries (plain C calling convention):
// seventeen from "OCDLL.DLL" and the timer alias from "ocSystem.DLL".
#pragma once
#include <windows.h>

namespace orv::softplc {

using OcIntFn = int(__cdecl*)();
using OcAttachFn = int(__cdecl*)(int);
using OcLookupFn = int(__cdecl*)(int handle, char* text);

struct OcFunctions {
  OcAttachFn attachDatabase = nullptr;
  OcIntFn detachDatabase = nullptr;
  OcIntFn getNumInputs = nullptr, getNumMemory = nullptr, getNumOutputs = nullptr, getNumStrings = nullptr;
  OcIntFn getFirstInput = nullptr, getFirstMemory = nullptr, getFirstOutput = nullptr, getFirstString = nullptr;
  OcIntFn getNextInput = nullptr, getNextMemory = nullptr, getNextOutput = nullptr, getNextString = nullptr;
  OcLookupFn lookupAlias = nullptr, lookupDRV = nullptr, getStringName = nullptr;
  OcLookupFn getTimerAlias = nullptr;  // "ocsGetTimerAlias" of "ocSystem.DLL"

  // All eighteen; false (and the table partly filled) when one is missing.
  bool Resolve(HMODULE ocdll, HMODULE ocsystem);
  bool HasHeadFunctions() const;
  bool HasFetchFunctions() const;
};

// Looks up one function of a library.
template <typename Fn>
bool ResolveFunction(HMODULE module, const char* name, Fn& fn) {
  fn = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
  return fn != nullptr;
}

}  // namespace orv::softplc
