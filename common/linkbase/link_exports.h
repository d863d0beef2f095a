// The seven functions every soft-PLC link exports to the project manager (plain C,
// caller-cleans-stack, ordinals 1 to 7 in alphabetical order through softplc_link.def),
// and the tag record that GetTagNameNext fills.
#pragma once
#include <string>

extern "C" {
void __cdecl CloseDLL();
int __cdecl Configure();
void __cdecl GenerateDriverWorksheet(int writeConfiguration, int writeWorksheet);
int __cdecl GetTagNameHead();
int __cdecl GetTagNameNext(wchar_t* name, int* arraySize, int* type, wchar_t* description, int* skip);
int __cdecl OpenDLL();
int __cdecl Recreate();
}

namespace orv::softplc {

// The caller passes name and description buffers of at least this many characters.
constexpr std::size_t kTagTextChars = 1023;

struct TagRecord {
  std::wstring name;
  int arraySize = 0;
  int type = 0;
  std::wstring description;
  int skip = 0;
};

// Sets all five outputs (texts cut to the buffer size); null outputs are passed over.
void FillTagRecord(const TagRecord& record, wchar_t* name, int* arraySize, int* type, wchar_t* description,
                   int* skip);

// Runs an export's body; an exception ends it with `fallback` instead of crossing into
// the project manager.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

template <typename Body>
void GuardedVoid(Body body) {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace orv::softplc
