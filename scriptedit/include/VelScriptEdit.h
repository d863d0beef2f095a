/* VelScriptEdit.dll: the script edit control's exported interface.
   Every function takes the control handle returned by VSECreateScriptEdit first. A handle
   is valid only on the thread that created it and only until VSEDetroyScriptEdit; any
   other value makes the call a no-op with a fixed default result. All strings are
   zero-terminated UTF-16, buffer sizes are in characters. */
#pragma once
#include <windows.h>
#include <oaidl.h>

#ifdef VSE_BUILDING_DLL
#define VSE_API
#else
#define VSE_API __declspec(dllimport)
#endif

#ifdef __cplusplus
/* The host document whose modified state follows the control's text. */
class IVseDocument {
 public:
  virtual void SetModifiedFlag(BOOL bModified) = 0;

 protected:
  ~IVseDocument() = default;
};

/* A list of names that the IntelliSense callbacks append to. */
class IVseNameList {
 public:
  virtual void Add(const wchar_t* pszName) = 0;

 protected:
  ~IVseNameList() = default;
};
#else
typedef struct IVseDocument IVseDocument;
typedef struct IVseNameList IVseNameList;
#endif

typedef void* HVSE;

/* Appends procedure names to pFunctions and variable names to pVariables. */
typedef BOOL(CALLBACK* VSE_ONGETGLOBALFUNCTIONSANDVARIABLES)(void* pUserData, IVseNameList* pFunctions,
                                                              IVseNameList* pVariables);
/* Appends the parameter entries of the named procedure; non-zero when it is known. */
typedef BOOL(CALLBACK* VSE_ONGETPARAMSFUNCTION)(void* pUserData, const wchar_t* pszProcedure,
                                                IVseNameList* pParameters);

/* Codes in the first parameter of the notify message; the second parameter packs the
   line (low 16 bits) and column (high 16 bits). */
#define VSE_NOTIFY_CARET 1
#define VSE_NOTIFY_KILLFOCUS 2
#define VSE_NOTIFY_CHANGED 3

#ifdef __cplusplus
extern "C" {
#endif

VSE_API HVSE WINAPI VSECreateScriptEdit(const wchar_t* pszLanguage, HWND hParent, RECT rect, int nId, int nTabSize,
                                        const wchar_t* pszFontFace, int nFontSize);                       /* 1 */
VSE_API void WINAPI VSEDetroyScriptEdit(HVSE h);                                                          /* 2 */
VSE_API void WINAPI VSESetEditFont(HVSE h, const wchar_t* pszFace, int nSize);                            /* 3 */
VSE_API void WINAPI VSESetEditReadOnly(HVSE h, BOOL bReadOnly);                                           /* 4 */
VSE_API BOOL WINAPI VSEGetEditReadOnly(HVSE h);                                                           /* 5 */
VSE_API void WINAPI VSESetBackgroundColor(HVSE h, COLORREF color);                                        /* 6 */
VSE_API COLORREF WINAPI VSEGetBackgroundColor(HVSE h);                                                    /* 7 */
VSE_API void WINAPI VSESetTabSize(HVSE h, int nTabSize);                                                  /* 8 */
VSE_API int WINAPI VSEGetTabSize(HVSE h);                                                                 /* 9 */
VSE_API BOOL WINAPI VSEGetCapitalizeWord(HVSE h);                                                         /* 10 */
VSE_API void WINAPI VSESetCapitalizeWord(HVSE h, BOOL bCapitalize);                                       /* 11 */
VSE_API void WINAPI VSEAddObject(HVSE h, const wchar_t* pszName, IDispatch* pObject);                     /* 12 */
VSE_API void WINAPI VSESetText(HVSE h, const wchar_t* pszText);                                           /* 13 */
VSE_API int WINAPI VSEGetTextLength(HVSE h);                                                              /* 14 */
VSE_API int WINAPI VSEGetText(HVSE h, wchar_t* pszBuffer, int nSize);                                     /* 15 */
VSE_API void WINAPI VSEHideIntellisense(HVSE h);                                                          /* 16 */
VSE_API BOOL WINAPI VSEIsEditModified(HVSE h);                                                            /* 17 */
VSE_API void WINAPI VSESetEditModifiedFlag(HVSE h, BOOL bModified);                                       /* 18 */
VSE_API void WINAPI VSEMoveEditWindow(HVSE h, int x, int y, int cx, int cy);                              /* 19 */
VSE_API void WINAPI VSESetEditFocus(HVSE h);                                                              /* 20 */
VSE_API int WINAPI VSEGetLineCount(HVSE h);                                                               /* 21 */
VSE_API void WINAPI VSEGotoLine(HVSE h, int nLine);                                                       /* 22 */
VSE_API void WINAPI VSESetDocument(HVSE h, IVseDocument* pDocument);                                      /* 23 */
VSE_API BOOL WINAPI VSECanEditUndo(HVSE h);                                                               /* 24 */
VSE_API BOOL WINAPI VSECanEditRedo(HVSE h);                                                               /* 25 */
VSE_API void WINAPI VSEEditUndo(HVSE h);                                                                  /* 26 */
VSE_API void WINAPI VSEEditRedo(HVSE h);                                                                  /* 27 */
VSE_API HWND WINAPI VSEGetEditHWnd(HVSE h);                                                               /* 28 */
VSE_API BOOL WINAPI VSECanEditCopy(HVSE h);                                                               /* 29, 31 */
VSE_API BOOL WINAPI VSECanEditPaste(HVSE h);                                                              /* 30 */
VSE_API BOOL WINAPI VSECanEditCut(HVSE h);                                                                /* 31 = 29 */
VSE_API BOOL WINAPI VSEFindTextEdit(HVSE h, const wchar_t* pszText, BOOL bMatchCase, BOOL bWholeWord,
                                    BOOL bSearchDown);                                                    /* 32 */
VSE_API BOOL WINAPI VSEGetLine(HVSE h, int nLine, wchar_t* pszBuffer, int nMax);                          /* 33 */
VSE_API BOOL WINAPI VSEGetEditFont(HVSE h, wchar_t* pszFace, int nMax, int* pnSize);                      /* 34 */
VSE_API void WINAPI VSESetNotifyParent(HVSE h, UINT uMessage, BOOL bCaretNotify);                         /* 35 */
VSE_API void WINAPI VSESetProcedureFlag(HVSE h, BOOL bProcedure, const wchar_t* pszHeader);               /* 36 */
VSE_API BOOL WINAPI VSEGetProcedureFlag(HVSE h);                                                          /* 37 */
VSE_API void WINAPI VSESetLanguage(HVSE h, const wchar_t* pszLanguage);                                   /* 38 */
VSE_API void WINAPI VSEGetLanguage(HVSE h, wchar_t* pszBuffer, int nMax);                                 /* 39 */
VSE_API void WINAPI VSESetAllowOnlyFunctionsFlag(HVSE h, int nFlag);                                      /* 40 */
VSE_API int WINAPI VSEGetAllowOnlyFunctionsFlag(HVSE h);                                                  /* 41 */
VSE_API void WINAPI VSERemoveObject(HVSE h, const wchar_t* pszName);                                      /* 42 */
VSE_API void WINAPI VSEAddVariable(HVSE h, const wchar_t* pszName);                                       /* 43 */
VSE_API void WINAPI VSERemoveVariable(HVSE h, const wchar_t* pszName);                                    /* 44 */
VSE_API BOOL WINAPI VSECanAddVariable(HVSE h, const wchar_t* pszName);                                    /* 45, 46 */
VSE_API BOOL WINAPI VSECanAddObject(HVSE h, const wchar_t* pszName);                                      /* 46 = 45 */
VSE_API void WINAPI VSESetCallBack_OnGetGlobalFunctionsAndVariables(HVSE h, void* pUserData,
                                                                    VSE_ONGETGLOBALFUNCTIONSANDVARIABLES pfn); /* 47 */
VSE_API void WINAPI VSESetCallBack_OnGetParamsFunction(HVSE h, void* pUserData, VSE_ONGETPARAMSFUNCTION pfn); /* 48 */
VSE_API void WINAPI VSESetTypeOrigin(HVSE h, int nTypeOrigin);                                            /* 49 */
VSE_API int WINAPI VSEGetTypeOrigin(HVSE h);                                                              /* 50 */

#ifdef __cplusplus
}
#endif
