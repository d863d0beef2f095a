/* tarvo.dll, the host runtime library: the calls every module makes of the core.
   Standard Windows calling convention, UTF-16 strings, BOOL results (non-zero for
   success). Buffers belong to the caller; "nSize" is a size in characters including
   the terminating NUL: a text that does not fit is cut and always terminated when
   nSize > 0, and nothing is written when nSize is 0.
   Path calls without a size take a buffer of at least TARVO_MAX_PATH characters.
   Tag numbers run from 1 to UNGetTotalCount(); TAGREF.nTag holds the same number. */
#pragma once
#include "tarvo_types.h"

#if defined(TARVO_BUILDING_DLL)
#define TARVO_API
#else
#define TARVO_API __declspec(dllimport)
#endif

#define TARVO_MAX_PATH 260
#define TARVO_MAX_FIELD 61         /* "->Field" numbers run from 1 to this */
#define TARVO_GROUP_NAME_SIZE 13   /* security group name buffer, NUL included */
#define TARVO_GROUP_TEXT_SIZE 256
#define TARVO_GROUP_TEXTS 7
#define TARVO_COMPILED_SIZE 2048   /* compiled-expression buffer taken when the size is 0 */

/* Type codes of the tag database (classes from 4 up). */
#define TARVO_TYPE_BOOLEAN 0
#define TARVO_TYPE_INTEGER 1
#define TARVO_TYPE_REAL 2
#define TARVO_TYPE_STRING 3
#define TARVO_TYPE_CLASS 4

/* Type origins: the kind of document an expression or script belongs to. */
#define TARVO_ORIGIN_GLOBAL 3
#define TARVO_ORIGIN_STARTUP 4
#define TARVO_ORIGIN_WORKSHEET 5
#define TARVO_ORIGIN_GRAPHICS 6
#define TARVO_ORIGIN_SCREEN 7

/* DBOpenError codes. */
#define TARVO_DBERR_NONE 0
#define TARVO_DBERR_NO_PROJECT 1 /* no current project folder */
#define TARVO_DBERR_MISSING 2    /* the tag database file does not exist or cannot be read */
#define TARVO_DBERR_DAMAGED 3    /* the file is not a tag database or a line is malformed */

#ifdef __cplusplus
extern "C" {
#endif

/* Security group record: the group's name and its seven configured texts (tags or
   expressions the group's settings name): 1 logon tag, 2 logoff tag, 3 level tag,
   4 blocked-user tag, 5 password-expiry tag, 6 e-signature tag, 7 remarks. */
typedef struct SEGROUPINFO {
  wchar_t szName[TARVO_GROUP_NAME_SIZE];
  wchar_t szText[TARVO_GROUP_TEXTS][TARVO_GROUP_TEXT_SIZE];
} SEGROUPINFO;

/* ---- Paths. A name that already is a full path ("C:\..", "\\server\..") comes back
   as it is; otherwise it is placed in the folder. Empty buffer on failure. ---- */
TARVO_API BOOL WINAPI APAppPath(const wchar_t* pszName, wchar_t* pszBuffer);          /* project folder */
TARVO_API BOOL WINAPI APAppConfigPath(const wchar_t* pszName, wchar_t* pszBuffer);    /* Config */
TARVO_API BOOL WINAPI APAppDatabasePath(const wchar_t* pszName, wchar_t* pszBuffer);  /* Database */
TARVO_API BOOL WINAPI APAppScreenPath(const wchar_t* pszName, wchar_t* pszBuffer);    /* Screen */
TARVO_API BOOL WINAPI APAppWebPath(const wchar_t* pszName, wchar_t* pszBuffer);       /* Web */
TARVO_API BOOL WINAPI APTarvoBinPath(const wchar_t* pszName, wchar_t* pszBuffer);     /* program folder */
/* The same under the toolkit's names. */
TARVO_API BOOL WINAPI APAppDatabasePathEx(const wchar_t* pszName, wchar_t* pszBuffer);
TARVO_API const wchar_t* WINAPI APGetAppConfigPathEx(void);

/* Current project of this process (initially the machine's running project). The
   returned texts stay valid until the next APSet... call. APGetAppPath has no
   trailing backslash; the config and web folders end with one. Empty when unset. */
TARVO_API const wchar_t* WINAPI APGetAppPath(void);
TARVO_API const wchar_t* WINAPI APGetAppIniPath(void);
TARVO_API const wchar_t* WINAPI APGetAppWebPath(void);
TARVO_API const wchar_t* WINAPI APGetAppConfigPath(void);
TARVO_API BOOL WINAPI APSetAppPath(const wchar_t* pszFolder);
TARVO_API BOOL WINAPI APSetAppIniPath(const wchar_t* pszIniFile);
/* Full path of the product settings file "Program Settings.ini". */
TARVO_API const wchar_t* WINAPI APTarvo32INI(void);

/* ---- Settings: project INI, product settings, per-machine settings. A missing
   setting gives the default. Get...Str returns the length copied. ---- */
TARVO_API int WINAPI APGetInt(const wchar_t* pszSection, const wchar_t* pszKey, int nDefault);
TARVO_API DWORD WINAPI APGetStr(const wchar_t* pszSection, const wchar_t* pszKey, const wchar_t* pszDefault,
                                wchar_t* pszBuffer, int nSize);
TARVO_API BOOL WINAPI APSetStr(const wchar_t* pszSection, const wchar_t* pszKey, const wchar_t* pszValue);
TARVO_API int WINAPI APTarvoGetInt(const wchar_t* pszSection, const wchar_t* pszKey, int nDefault);
TARVO_API DWORD WINAPI APTarvoGetStr(const wchar_t* pszSection, const wchar_t* pszKey, const wchar_t* pszDefault,
                                     wchar_t* pszBuffer, int nSize);
TARVO_API int WINAPI APTarvoGetIntLocal(const wchar_t* pszSection, const wchar_t* pszKey, int nDefault);
TARVO_API DWORD WINAPI APTarvoGetStrLocal(const wchar_t* pszSection, const wchar_t* pszKey,
                                          const wchar_t* pszDefault, wchar_t* pszBuffer, int nSize);
TARVO_API BOOL WINAPI APTarvoSetStrLocal(const wchar_t* pszSection, const wchar_t* pszKey, const wchar_t* pszValue);

/* ---- Tag database of the current project. ---- */
TARVO_API BOOL WINAPI IsDBOpen(void);
/* Opens (or re-reads) the project's tag database; on failure the previous state is
   closed and DBOpenError tells why. The file itself is never written by a failure. */
TARVO_API BOOL WINAPI DBOpen(void);
TARVO_API void WINAPI DBClose(int nReserved);
TARVO_API int WINAPI DBOpenError(void); /* TARVO_DBERR_... of the last DBOpen */
/* Parses a tag name: "Tag", "Tag[3]", "Tag[IndexTag]", "Tag.Member", "Tag->Field",
   "@Tag" and their combinations. Non-zero and the reference filled for a tag of the
   database; 0 (reference untouched) for anything else. */
TARVO_API BOOL WINAPI DBGetVar(TAGREF* pRef, const wchar_t* pszName);
/* The full name a reference stands for, as DBGetVar reads it back. */
TARVO_API BOOL WINAPI DBGetVarName(const TAGREF* pRef, wchar_t* pszBuffer, int nSize);
TARVO_API BOOL WINAPI DBGetTagName(int nTag, wchar_t* pszBuffer, int nSize);
/* Type code of tag nTag (-1 for no tag); for a class tag the class name goes to the
   buffer (emptied otherwise; the buffer may be null). */
TARVO_API int WINAPI DBGetTagType(int nTag, wchar_t* pszClassName, int nSize);
/* Array size: 0 for a scalar, n for indexes 0 to n (n <= UNGetMaxArray()); -1 for no tag. */
TARVO_API int WINAPI DBGetTagSize(int nTag);
TARVO_API BOOL WINAPI DBIsIndirect(int nTag);
/* Definition flags of tag nTag for the runtime's descriptors: TAGDESC_TREND (0x20),
   0x100 alarm defined, 0x1 indirect; 0 for no tag. */
TARVO_API DWORD WINAPI DBGetTagFlags(int nTag);
/* Whether the name is acceptable as a tag name. bPromptInvalid: a malformed name is
   reported in a message box. bPromptCreate: a well-formed name that is not yet a tag
   is offered for creation (Yes adds it as an integer tag and accepts it, No refuses). */
TARVO_API BOOL WINAPI DBVerifyTag(HWND hOwner, const wchar_t* pszName, BOOL bPromptInvalid, BOOL bPromptCreate,
                                  int nReserved1, int nReserved2);
/* Checks a text with {Tag} groups written in document pszFile (type origin, location):
   non-zero when every group names a tag. */
TARVO_API BOOL WINAPI DBVerifyString3(const wchar_t* pszText, const wchar_t* pszFile, int nTypeOrigin,
                                      int nLocation);
/* Class number (from 1) of a class name, 0 when there is none. */
TARVO_API int WINAPI DBClassFindName(const wchar_t* pszClassName);
TARVO_API int WINAPI DBClassGetMemberCount(int nClass);
/* Members are numbered from 1. */
TARVO_API BOOL WINAPI DBClassGetMemberName(int nClass, int nMember, wchar_t* pszBuffer, int nSize);
TARVO_API int WINAPI DBClassGetMemberType(int nClass, int nMember);

/* ---- Built-in host functions and expressions. ---- */
TARVO_API int WINAPI MTGetOrvaneFunctionCount(void);
/* Name of function nIndex (from 0); nNameOnly 0 adds the parameter list in parentheses. */
TARVO_API BOOL WINAPI MTGetOrvaneFunction(int nIndex, wchar_t* pszBuffer, int nSize, int nNameOnly);
/* Index of a function name (case ignored, an optional trailing "(" allowed), -1 for none. */
TARVO_API int WINAPI MTGetOrvaneFunctionIndex(const wchar_t* pszName);
/* Parameter names, each followed by a tab. */
TARVO_API BOOL WINAPI MTGetOrvaneFunctionParams(int nIndex, wchar_t* pszBuffer, int nSize);
TARVO_API BOOL WINAPI MTIsFunctionName(const wchar_t* pszName);
TARVO_API BOOL WINAPI MTIsFunctionEnabledHere(const wchar_t* pszName, int nTypeOrigin);
/* Checks an expression and writes its compiled form (nSize 0: TARVO_COMPILED_SIZE).
   nOptions bit 0: tag names must exist in the database. Non-zero when valid. */
TARVO_API BOOL WINAPI MTCompile(const wchar_t* pszExpr, wchar_t* pszCompiled, int nSize, int nOptions,
                                int nReserved1, int nReserved2);
/* The same for an expression written in document pszFile (type origin, location);
   pszCompiled may be null. */
TARVO_API BOOL WINAPI MTCompile2(const wchar_t* pszExpr, const wchar_t* pszFile, int nTypeOrigin, int nLocation,
                                 wchar_t* pszCompiled, int nSize);
/* The tag references of a compiled expression (at most nMax; *pnCount the number given). */
TARVO_API BOOL WINAPI MTListVars(const wchar_t* pszCompiled, int* pnCount, TAGREF* pRefs, int nMax);
/* The tag references of the {Tag} groups of a text (at most nMax; "{Tag 5}" may
   carry a width, "\{" is no group, "{'text'}" a literal; groups naming no tag are
   skipped). 0 for a null text or a group that is not closed. */
TARVO_API BOOL WINAPI UNGetVarsInString(const wchar_t* pszText, TAGREF* pRefs, int nMax, int* pnCount);

/* ---- Security groups of the project. ---- */
TARVO_API int WINAPI SEGetNumberOfGroups(void);
/* Fills up to nMax names (each cut to 12 characters); returns the number filled. */
TARVO_API int WINAPI SEGetGroupNames(wchar_t (*pNames)[TARVO_GROUP_NAME_SIZE], int nMax);
TARVO_API BOOL WINAPI SEGetGroupInformation(const wchar_t* pszName, SEGROUPINFO* pInfo);

/* ---- Messages and traces. ---- */
/* Appends a line to the project's trace log (Database\trace.log) and the debugger. */
TARVO_API void WINAPI UNTrace(const wchar_t* pszText);
TARVO_API void WINAPI UNTraceDebugEx(const wchar_t* pszText, const wchar_t* pszDetail, int nLevel);
/* Appends to the project's event log (Database\events.log). */
TARVO_API BOOL WINAPI EVGenerateGeneralEvent(int nKind, const wchar_t* pszText);
/* Shows the loading text (kept as a per-machine setting for the splash program). */
TARVO_API void WINAPI UNSetMsgStartupBanner(const wchar_t* pszText);
/* Writes a dump file for the exception (may be null) into the project's Database
   folder (the temporary folder without a project); its path goes to the buffer of
   TARVO_MAX_PATH characters (may be null). */
TARVO_API BOOL WINAPI UNGenerateDumpFile(EXCEPTION_POINTERS* pException, wchar_t* pszDumpPath);
/* Readable text for a place (pszText null: code 0..7 with p1, p2) or for a script
   compile error (pszText the error text, nCode the type origin, nP1 the line). */
TARVO_API BOOL WINAPI UNGenerateFormatedMessage(int nKind, const wchar_t* pszLocation, int nCode, int nP1, int nP2,
                                                const wchar_t* pszText, int nReserved, wchar_t* pszBuffer,
                                                int nSize);

/* ---- Facts. ---- */
/* Configuration version: changes whenever the tag database or the project settings
   change; 0 when there is no valid configuration. */
TARVO_API DWORD WINAPI UNGetVersion(void);
TARVO_API int WINAPI UNGetTotalCount(void); /* number of tags */
TARVO_API int WINAPI UNGetMaxArray(void);   /* largest array size */
/* Date order ("DMY", "MDY" or "YMD") and separator from the project settings. */
TARVO_API BOOL WINAPI UNGetOrderDateAndSeparator(wchar_t* pszOrder, int nSize, wchar_t* pchSeparator);
/* Path of the language resource library of a module (by its key), if there is one. */
TARVO_API BOOL WINAPI UNGetFileLanguage(const wchar_t* pszModule, wchar_t* pszBuffer, int nSize);
TARVO_API BOOL WINAPI UNIsAppForCE(void);
TARVO_API BOOL WINAPI UNIsVersion4(void);
TARVO_API BOOL WINAPI UNIsEnabledSoftPLC(void);
TARVO_API BOOL WINAPI UNGetExecutionModeString(wchar_t* pszBuffer, int nSize);
TARVO_API int WINAPI UNGetAppDatabaseSize(void);
TARVO_API int WINAPI UNGetInternalDatabaseSize(void);
TARVO_API int WINAPI UNGetSoftPLCDatabaseSize(void);
TARVO_API int WINAPI UNGetNumAlarmType(void);
TARVO_API int WINAPI UNGetNumAlarmInfo(void);
TARVO_API BOOL WINAPI UNIsWebEnable(void);
/* Asks the running project to reload the global procedures. */
TARVO_API BOOL WINAPI UNReloadGlobalProcedures(void);
/* Removes white space at both ends, in place; returns the text. */
TARVO_API wchar_t* WINAPI UNTrimString(wchar_t* pszText);

#ifdef __cplusplus
}
#endif

#if defined(__has_include)
#if __has_include("tarvo_runtime.h")
#include "tarvo_runtime.h"
#endif
#endif
