// The functions of RevidadEdozaDizu's data export library "DataExp3.DLL"
// (callee-cleans-stack; texts are 8-bit buffers of 65 bytes; 0 means success).
#pragma once
#include <windows.h>

#include <string>

namespace orv::softplc {

constexpr int kExportTextBytes = 65;

using GetRunningProjectInfoFn = int(WINAPI*)(char* name, int size, unsigned int* version, int* status);
using ExportHeadFn = int(WINAPI*)(int* handle);
using ExportNextFn = int(WINAPI*)(int* handle, char* name, int size, int* dataType, int* dimensions, int* length,
                                  int* unused1, int* unused2, int* unused3);

template <typename Fn>
Fn ExportFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// A text of the library (at most 64 bytes before its end) in wide characters.
std::wstring WideExportText(const char* text);

}  // namespace orv::softplc
