// The built-in host functions that expressions and scripts may call: name, parameter
// names and the type origins (kinds of document) that may use each.
#pragma once
#include <string>

namespace tarvo {

struct HostFunction {
  const wchar_t* name;
  const wchar_t* params;  // parameter names, each followed by a tab; optional ones in []
  int minArgs;
  int maxArgs;
  unsigned origins;  // bit n: type origin n may call it
};

int FunctionCount();
const HostFunction* FunctionAt(int index);  // null outside 0..FunctionCount()-1
// Index of a name (case ignored; blanks and one trailing "(" allowed); -1 when none.
int FindFunction(const std::wstring& name);
// Whether type origin `origin` may call the function; origins outside 0..31 (documents
// of no script kind, such as worksheets of expressions) may call every function open
// to worksheets (origin 5).
bool FunctionEnabledFor(const HostFunction& f, int origin);

}  // namespace tarvo
