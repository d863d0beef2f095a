/* velscriptcompiler.dll: the script compiler the editor and the script worksheets call.
   Its entry is ordinal 1 (also exported by the name VelScriptCompile). */
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Checks the script's syntax without running it. Returns non-zero when it compiles.
   hOwner         owner window (0 when none)
   pszLanguage    "VBScript" (any case)
   pszText        the script
   ppOutput       receives the compiled output, allocated with malloc (the caller frees it);
                  set to a copy of the checked text on success, to null on failure
   nInteractive   1 interactive use, 0 batch
   nOnlyProcedures 1: the text may hold only procedure definitions and Option Explicit
   nGeneralScript 0 script worksheet, 1 general script
   pnErrorCode    receives the error code (0 on success)
   pszErrorText   receives the error text, at most nErrorTextSize characters with terminator
   pnErrorLine    receives the 1-based error line (0 on success)
   nWrapped       1: the first line of the text is a procedure header added by the caller,
                  error lines are counted in the caller's own text
   nReserved      0
   nTypeOrigin    kind of document (3 global, 4 startup, 5 worksheet, 6 graphics, 7 screen) */
typedef BOOL(WINAPI* VELSCRIPTCOMPILE)(HWND hOwner, const wchar_t* pszLanguage, const wchar_t* pszText,
                                       void** ppOutput, int nInteractive, int nOnlyProcedures, int nGeneralScript,
                                       int* pnErrorCode, wchar_t* pszErrorText, int nErrorTextSize,
                                       int* pnErrorLine, int nWrapped, int nReserved, int nTypeOrigin);

#define VELSCRIPTCOMPILER_DLL L"velscriptcompiler.dll"
#define VELSCRIPTCOMPILE_ORDINAL 1

#ifdef __cplusplus
}
#endif
