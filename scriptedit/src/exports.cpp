// The 50 exports: each makes this library the resource source, then finds the handle in
// the calling thread's live control list; an unknown handle gives the fixed default.
#include <string>

#include "CMyThreadData.h"
#include "VelScriptEdit.h"
#include "ui/resource_context.h"

using vse::CMyThreadData;
using vse::CVelScriptEditCtrl;

#define VSE_CONTROL_OR(handle, fallback)                                \
  ORV_MANAGE_RESOURCES();                                               \
  CVelScriptEditCtrl* control = CMyThreadData::Current().Find(handle); \
  if (!control) return fallback

namespace {
// Copies at most `max` characters and terminates at that index (the buffer holds max + 1).
void CopyTerminated(const std::wstring& text, wchar_t* buffer, int max) {
  if (!buffer || max < 0) return;
  size_t n = text.size() < static_cast<size_t>(max) ? text.size() : static_cast<size_t>(max);
  text.copy(buffer, n);
  buffer[n] = L'\0';
}
}  // namespace

extern "C" {

HVSE WINAPI VSECreateScriptEdit(const wchar_t* pszLanguage, HWND hParent, RECT rect, int nId, int nTabSize,
                                const wchar_t* pszFontFace, int nFontSize) {
  ORV_MANAGE_RESOURCES();
  CVelScriptEditCtrl* control = CMyThreadData::Current().Add(std::make_unique<CVelScriptEditCtrl>());
  if (control->Create(pszLanguage, hParent, rect, nId, nTabSize, pszFontFace, nFontSize)) {
    ::SetFocus(control->GetSafeHwnd());
  }
  return control;
}

void WINAPI VSEDetroyScriptEdit(HVSE h) {
  ORV_MANAGE_RESOURCES();
  std::unique_ptr<CVelScriptEditCtrl> control = CMyThreadData::Current().Remove(h);
  if (control) control->DestroyWindow();
}

void WINAPI VSESetEditFont(HVSE h, const wchar_t* pszFace, int nSize) {
  VSE_CONTROL_OR(h, );
  control->SetEditFont(pszFace, nSize);
}

void WINAPI VSESetEditReadOnly(HVSE h, BOOL bReadOnly) {
  VSE_CONTROL_OR(h, );
  control->SetReadOnly(bReadOnly != FALSE);
}

BOOL WINAPI VSEGetEditReadOnly(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->ReadOnly() ? 1 : 0;
}

void WINAPI VSESetBackgroundColor(HVSE h, COLORREF color) {
  VSE_CONTROL_OR(h, );
  control->SetBackgroundColor(color);
}

COLORREF WINAPI VSEGetBackgroundColor(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->BackgroundColor();
}

void WINAPI VSESetTabSize(HVSE h, int nTabSize) {
  VSE_CONTROL_OR(h, );
  control->SetTabSize(nTabSize);
}

int WINAPI VSEGetTabSize(HVSE h) {
  VSE_CONTROL_OR(h, 4);
  return control->TabSize();
}

BOOL WINAPI VSEGetCapitalizeWord(HVSE h) {
  VSE_CONTROL_OR(h, 1);
  return control->Capitalize() ? TRUE : FALSE;
}

void WINAPI VSESetCapitalizeWord(HVSE h, BOOL bCapitalize) {
  VSE_CONTROL_OR(h, );
  control->SetCapitalize(bCapitalize != FALSE);
}

void WINAPI VSEAddObject(HVSE h, const wchar_t* pszName, IDispatch* pObject) {
  VSE_CONTROL_OR(h, );
  if (pszName) control->Scripter().AddObject(pszName, pObject);
}

void WINAPI VSESetText(HVSE h, const wchar_t* pszText) {
  VSE_CONTROL_OR(h, );
  control->SetText(pszText);
}

int WINAPI VSEGetTextLength(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->TextLength();
}

int WINAPI VSEGetText(HVSE h, wchar_t* pszBuffer, int nSize) {
  if (pszBuffer && nSize > 0) pszBuffer[0] = L'\0';
  VSE_CONTROL_OR(h, 0);
  return control->GetText(pszBuffer, nSize);
}

void WINAPI VSEHideIntellisense(HVSE h) {
  VSE_CONTROL_OR(h, );
  control->HidePopups();
  if (HWND hwnd = control->GetSafeHwnd()) ::InvalidateRect(hwnd, nullptr, TRUE);
}

BOOL WINAPI VSEIsEditModified(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->IsModified() ? TRUE : FALSE;
}

void WINAPI VSESetEditModifiedFlag(HVSE h, BOOL bModified) {
  VSE_CONTROL_OR(h, );
  control->SetModified(bModified != FALSE);
}

void WINAPI VSEMoveEditWindow(HVSE h, int x, int y, int cx, int cy) {
  VSE_CONTROL_OR(h, );
  if (HWND hwnd = control->GetSafeHwnd()) ::MoveWindow(hwnd, x, y, cx, cy, TRUE);
}

void WINAPI VSESetEditFocus(HVSE h) {
  VSE_CONTROL_OR(h, );
  if (HWND hwnd = control->GetSafeHwnd()) ::SetFocus(hwnd);
}

int WINAPI VSEGetLineCount(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->LineCount();
}

void WINAPI VSEGotoLine(HVSE h, int nLine) {
  VSE_CONTROL_OR(h, );
  control->GotoLine(nLine);
}

void WINAPI VSESetDocument(HVSE h, IVseDocument* pDocument) {
  VSE_CONTROL_OR(h, );
  control->SetDocument(pDocument);
}

BOOL WINAPI VSECanEditUndo(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->CanUndo() ? TRUE : FALSE;
}

BOOL WINAPI VSECanEditRedo(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->CanRedo() ? TRUE : FALSE;
}

void WINAPI VSEEditUndo(HVSE h) {
  VSE_CONTROL_OR(h, );
  control->PostMessage(WM_COMMAND, MAKEWPARAM(57643, 0), 0);
}

void WINAPI VSEEditRedo(HVSE h) {
  VSE_CONTROL_OR(h, );
  control->PostMessage(WM_COMMAND, MAKEWPARAM(57644, 0), 0);
}

HWND WINAPI VSEGetEditHWnd(HVSE h) {
  VSE_CONTROL_OR(h, nullptr);
  return control->GetSafeHwnd();
}

// Also exported as VSECanEditCut.
BOOL WINAPI VSECanEditCopy(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->CanCopy() ? TRUE : FALSE;
}

BOOL WINAPI VSECanEditPaste(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return CVelScriptEditCtrl::CanPaste() ? TRUE : FALSE;
}

BOOL WINAPI VSEFindTextEdit(HVSE h, const wchar_t* pszText, BOOL bMatchCase, BOOL bWholeWord, BOOL bSearchDown) {
  VSE_CONTROL_OR(h, 0);
  return control->Find(pszText, bMatchCase != FALSE, bWholeWord != FALSE, bSearchDown != FALSE) ? TRUE : FALSE;
}

BOOL WINAPI VSEGetLine(HVSE h, int nLine, wchar_t* pszBuffer, int nMax) {
  if (pszBuffer) pszBuffer[0] = L'\0';
  VSE_CONTROL_OR(h, 0);
  std::wstring text;
  if (!pszBuffer || !control->GetLine(nLine, text)) return FALSE;
  CopyTerminated(text, pszBuffer, nMax);
  return TRUE;
}

BOOL WINAPI VSEGetEditFont(HVSE h, wchar_t* pszFace, int nMax, int* pnSize) {
  if (pszFace) pszFace[0] = L'\0';
  if (pnSize) *pnSize = 0;
  VSE_CONTROL_OR(h, 0);
  std::wstring face;
  int size = 0;
  control->GetEditFont(face, size);
  CopyTerminated(face, pszFace, nMax);
  if (pnSize) *pnSize = size;
  return TRUE;
}

void WINAPI VSESetNotifyParent(HVSE h, UINT uMessage, BOOL bCaretNotify) {
  VSE_CONTROL_OR(h, );
  control->SetNotifyParent(uMessage, bCaretNotify != FALSE);
}

void WINAPI VSESetProcedureFlag(HVSE h, BOOL bProcedure, const wchar_t* pszHeader) {
  VSE_CONTROL_OR(h, );
  control->SetProcedureFlag(bProcedure != FALSE, pszHeader);
}

BOOL WINAPI VSEGetProcedureFlag(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->ProcedureFlag() ? TRUE : FALSE;
}

void WINAPI VSESetLanguage(HVSE h, const wchar_t* pszLanguage) {
  VSE_CONTROL_OR(h, );
  control->SetLanguage(pszLanguage);
}

void WINAPI VSEGetLanguage(HVSE h, wchar_t* pszBuffer, int nMax) {
  if (pszBuffer) pszBuffer[0] = L'\0';
  VSE_CONTROL_OR(h, );
  CopyTerminated(control->Language(), pszBuffer, nMax);
}

void WINAPI VSESetAllowOnlyFunctionsFlag(HVSE h, int nFlag) {
  VSE_CONTROL_OR(h, );
  control->SetAllowOnlyFunctions(nFlag);
}

int WINAPI VSEGetAllowOnlyFunctionsFlag(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->AllowOnlyFunctions();
}

void WINAPI VSERemoveObject(HVSE h, const wchar_t* pszName) {
  VSE_CONTROL_OR(h, );
  if (pszName) control->Scripter().RemoveObject(pszName);
}

void WINAPI VSEAddVariable(HVSE h, const wchar_t* pszName) {
  VSE_CONTROL_OR(h, );
  if (pszName) control->Scripter().AddVariable(pszName);
}

void WINAPI VSERemoveVariable(HVSE h, const wchar_t* pszName) {
  VSE_CONTROL_OR(h, );
  if (pszName) control->Scripter().RemoveVariable(pszName);
}

// Also exported as VSECanAddObject.
BOOL WINAPI VSECanAddVariable(HVSE h, const wchar_t* pszName) {
  VSE_CONTROL_OR(h, 0);
  return pszName && control->Scripter().CanAdd(pszName) ? TRUE : FALSE;
}

void WINAPI VSESetCallBack_OnGetGlobalFunctionsAndVariables(HVSE h, void* pUserData,
                                                            VSE_ONGETGLOBALFUNCTIONSANDVARIABLES pfn) {
  VSE_CONTROL_OR(h, );
  control->SetGlobalsCallback(pUserData, pfn);
}

void WINAPI VSESetCallBack_OnGetParamsFunction(HVSE h, void* pUserData, VSE_ONGETPARAMSFUNCTION pfn) {
  VSE_CONTROL_OR(h, );
  control->SetParamsCallback(pUserData, pfn);
}

void WINAPI VSESetTypeOrigin(HVSE h, int nTypeOrigin) {
  VSE_CONTROL_OR(h, );
  control->SetTypeOrigin(nTypeOrigin);
}

int WINAPI VSEGetTypeOrigin(HVSE h) {
  VSE_CONTROL_OR(h, 0);
  return control->TypeOrigin();
}

}  // extern "C"
