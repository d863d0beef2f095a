// Built-in host functions and expression calls.
#include <windows.h>

#include "core/expression.h"
#include "core/function_table.h"
#include "core/text_util.h"
#include "tarvo.h"
#include "win/database_state.h"

using namespace tarvo;

namespace {

void ToRecord(const TagRef& t, TAGREF& r) {
  r.nTag = t.tag;
  r.nIndex = t.index;
  r.nIndexTag = t.indexTag;
  r.nMember = t.member;
  r.nField = t.field;
  r.dwFlags = t.flags;
}

int CopyRefs(const std::vector<TagRef>& refs, TAGREF* out, int max) {
  int n = 0;
  for (const TagRef& r : refs) {
    if (!out || n >= max) break;
    ToRecord(r, out[n++]);
  }
  return n;
}

BOOL Compile(const wchar_t* expr, wchar_t* compiled, int size, bool requireTags, int origin) {
  if (size == 0) size = TARVO_COMPILED_SIZE;
  CopyToBuffer(L"", compiled, size);
  if (!expr) return FALSE;
  const auto db = CurrentDatabase();
  const CompileResult r = CompileExpression(expr, db.get(), requireTags, origin);
  if (!r.ok) return FALSE;
  if (!compiled) return TRUE;
  return CopyToBuffer(r.compiled, compiled, size) ? TRUE : FALSE;  // a cut compiled form is no use
}

}  // namespace

extern "C" {

int WINAPI MTGetOrvaneFunctionCount(void) { return FunctionCount(); }

BOOL WINAPI MTGetOrvaneFunction(int index, wchar_t* buffer, int size, int nameOnly) {
  const HostFunction* f = FunctionAt(index);
  if (!f) {
    CopyToBuffer(L"", buffer, size);
    return FALSE;
  }
  std::wstring text = f->name;
  if (!nameOnly) {
    std::wstring params = f->params;
    for (wchar_t& c : params)
      if (c == L'\t') c = L',';
    if (!params.empty()) params.pop_back();
    text += L"(" + params + L")";
  }
  return CopyToBuffer(text, buffer, size) ? TRUE : FALSE;
}

int WINAPI MTGetOrvaneFunctionIndex(const wchar_t* name) { return name ? FindFunction(name) : -1; }

BOOL WINAPI MTGetOrvaneFunctionParams(int index, wchar_t* buffer, int size) {
  const HostFunction* f = FunctionAt(index);
  CopyToBuffer(f ? f->params : L"", buffer, size);
  return f && CopyToBuffer(f->params, buffer, size) ? TRUE : FALSE;
}

BOOL WINAPI MTIsFunctionName(const wchar_t* name) { return name && FindFunction(name) >= 0 ? TRUE : FALSE; }

BOOL WINAPI MTIsFunctionEnabledHere(const wchar_t* name, int origin) {
  const HostFunction* f = name ? FunctionAt(FindFunction(name)) : nullptr;
  return f && FunctionEnabledFor(*f, origin) ? TRUE : FALSE;
}

BOOL WINAPI MTCompile(const wchar_t* expr, wchar_t* compiled, int size, int options, int, int) {
  return Compile(expr, compiled, size, (options & 1) != 0, TARVO_ORIGIN_WORKSHEET);
}

BOOL WINAPI MTCompile2(const wchar_t* expr, const wchar_t*, int origin, int, wchar_t* compiled, int size) {
  if (!compiled || size <= 0) return Compile(expr, nullptr, 0, false, origin);
  return Compile(expr, compiled, size, false, origin);
}

BOOL WINAPI MTListVars(const wchar_t* compiled, int* count, TAGREF* refs, int max) {
  if (count) *count = 0;
  if (!compiled || !count) return FALSE;
  *count = CopyRefs(ListCompiledRefs(compiled), refs, max);
  return TRUE;
}

BOOL WINAPI UNGetVarsInString(const wchar_t* text, TAGREF* refs, int max, int* count) {
  if (count) *count = 0;
  if (!text) return FALSE;
  const auto db = CurrentDatabase();
  std::vector<TagRef> found;
  if (db && !FindTagsInText(*db, text, found)) return FALSE;
  const int n = CopyRefs(found, refs, max);
  if (count) *count = n;
  return TRUE;
}

BOOL WINAPI DBVerifyString3(const wchar_t* text, const wchar_t*, int, int) {
  if (!text) return FALSE;
  const auto db = CurrentDatabase();
  if (!db) return FALSE;
  std::vector<TagRef> found;
  std::vector<std::wstring> missing;
  return FindTagsInText(*db, text, found, &missing) && missing.empty() ? TRUE : FALSE;
}

}  // extern "C"
