// Entry of the script compiler: checks a script's syntax without running it.
#include <cstdlib>
#include <cwchar>
#include <string>

#include "vbscript_engine_check.h"
#include "vbscript_outline.h"
#include "velscriptcompiler.h"

namespace {

bool EqualsNoCase(const wchar_t* a, const wchar_t* b) { return a && ::lstrcmpiW(a, b) == 0; }

void CopyOut(const std::wstring& text, wchar_t* buffer, int size) {
  if (!buffer || size <= 0) return;
  size_t n = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
  text.copy(buffer, n);
  buffer[n] = L'\0';
}

wchar_t* MallocCopy(const std::wstring& text) {
  auto* p = static_cast<wchar_t*>(std::malloc((text.size() + 1) * sizeof(wchar_t)));
  if (p) {
    text.copy(p, text.size());
    p[text.size()] = L'\0';
  }
  return p;
}

// The engine tells where; our outline tells why when it found a problem on that line.
vsc::ScriptError Diagnose(const std::wstring& text, bool onlyProcedures) {
  vsc::OutlineResult outline = vsc::OutlineScript(text, onlyProcedures);
  vsc::EngineVerdict engine = vsc::CheckWithEngine(text);
  if (!engine.available) {
    if (outline.structure) return outline.structure;
    return outline.rule;
  }
  if (engine.ok) return outline.rule;
  vsc::ScriptError error;
  error.line = engine.line;
  error.code = engine.code ? engine.code : 1002;
  if (outline.structure && outline.structure.line == engine.line) {
    error.text = outline.structure.text;
    if (!engine.code) error.code = outline.structure.code;
  } else if (!engine.description.empty()) {
    error.text = engine.description;
  } else {
    error.text = vsc::CompileErrorText(error.code);
    if (error.text.empty()) error.text = L"Syntax error";
  }
  return error;
}

}  // namespace

extern "C" BOOL WINAPI VelScriptCompile(HWND, const wchar_t* pszLanguage, const wchar_t* pszText, void** ppOutput,
                                        int, int nOnlyProcedures, int, int* pnErrorCode, wchar_t* pszErrorText,
                                        int nErrorTextSize, int* pnErrorLine, int nWrapped, int, int) {
  if (ppOutput) *ppOutput = nullptr;
  if (pnErrorCode) *pnErrorCode = 0;
  if (pnErrorLine) *pnErrorLine = 0;
  CopyOut(L"", pszErrorText, nErrorTextSize);
  const std::wstring text = pszText ? pszText : L"";

  vsc::ScriptError error;
  if (!EqualsNoCase(pszLanguage, L"VBScript")) {
    error.line = 1;
    error.text = std::wstring(L"The script language '") + (pszLanguage ? pszLanguage : L"") + L"' is not supported";
  } else {
    error = Diagnose(text, nOnlyProcedures != 0);
  }
  if (!error) {
    if (ppOutput) *ppOutput = MallocCopy(text);
    return TRUE;
  }
  int line = error.line;
  if (nWrapped && line > 1) --line;  // the caller's header line is not part of its text
  if (pnErrorCode) *pnErrorCode = error.code;
  if (pnErrorLine) *pnErrorLine = line;
  CopyOut(error.text, pszErrorText, nErrorTextSize);
  return FALSE;
}
