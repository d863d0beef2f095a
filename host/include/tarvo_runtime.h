/* The running project's calls of tarvo.dll: running modules, runtime tasks and their
   message queues, tag values with quality, and change events. Every process of a
   running project sees the same tables (named shared memory, named mutex), so a value
   written in one process is read, and its change delivered, in any other. */
#pragma once
#include "tarvo_types.h"

#ifndef TARVO_API
#if defined(TARVO_BUILDING_DLL)
#define TARVO_API
#else
#define TARVO_API __declspec(dllimport)
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Window message posted to a task's window when host messages wait in its queue. */
#define TARVO_WM_HOSTMSG 0x55D

/* Tag qualities as UNGetQuality reports them (16-bit). */
#define TARVO_QUALITY_BAD 0
#define TARVO_QUALITY_UNCERTAIN 64
#define TARVO_QUALITY_GOOD 192

/* ---- Running modules, by module key (compared without regard to case). ---- */

/* Registers the calling module: its key, main window and thread id. nMode and
   nReserved are kept with the entry. Non-zero on success; 0 when the key is empty or
   the table is full. A key registered again by a live module takes the new window. */
TARVO_API BOOL WINAPI UNExeInit(const wchar_t* pszName, HWND hWnd, DWORD dwThreadId, int nMode, int nReserved);
/* Removes the entries of the thread. */
TARVO_API void WINAPI UNExeEnd(DWORD dwThreadId);
/* Enumerates the running modules' keys (cursor per calling thread). Non-zero with the
   key in the buffer (cut to nSize - 1 characters and terminated); 0 at the end. */
TARVO_API BOOL WINAPI UNExeGetFirst(wchar_t* pszName, int nSize);
TARVO_API BOOL WINAPI UNExeGetNext(wchar_t* pszName, int nSize);
/* The main window of a running module, or null. */
TARVO_API HWND WINAPI UNExeGetHWnd(const wchar_t* pszName);
/* Non-zero while the module is registered and its process lives. */
TARVO_API BOOL WINAPI UNExeIsExecuting(const wchar_t* pszName, int nReserved);
/* Posts a window message to the module's main window; non-zero when posted. */
TARVO_API BOOL WINAPI UNExePostMessage(const wchar_t* pszName, UINT uMsg, WPARAM wParam, LPARAM lParam);

/* ---- Runtime tasks and their host message queues. ---- */

/* Registers a task (name, window told of waiting messages, thread id). Returns the
   task id (0 to 255), negative when the table is full or the name empty. */
TARVO_API int WINAPI UNTaskInit(const wchar_t* pszName, HWND hWnd, DWORD dwThreadId);
/* Ends the task: its queue and its change subscriptions go with it. */
TARVO_API void WINAPI UNTaskEnd(int nTaskId);
/* Takes the oldest waiting message of the task; non-zero when one was taken. */
TARVO_API BOOL WINAPI UNGetMessage(HOSTMSG* pMsg, int nTaskId);
/* Discards every waiting message of the task. */
TARVO_API void WINAPI UNCleanMessageQueue(int nTaskId);
/* The id of the running task of that name (case ignored), -1 when there is none. */
TARVO_API int WINAPI UNGetNumTask(const wchar_t* pszName);
/* Fills a host message record. */
TARVO_API void WINAPI UNMakeMessage(HOSTMSG* pMsg, int nTaskId, UINT uCode, WPARAM wParam, LPARAM lParam, int nExtra,
                          HWND hWnd);
/* bOn non-zero: from now on every change of the tag queues a copy of the record to
   the record's task and posts TARVO_WM_HOSTMSG to the record's window. bOn 0: stops
   that subscription (same task, tag and long parameter). Non-zero on success; 0 for
   an unknown tag or task, or a full subscription table. */
TARVO_API BOOL WINAPI UNPrepareEvent(BOOL bOn, const TAGREF* pRef, const HOSTMSG* pMsg, int nReserved);

/* ---- Tag values of the running project. ---- */

/* Describes the tag a reference names (nReserved and nMode are accepted and unused).
   Non-zero for a tag of the database; the flags word carries the type code in its
   low two bits, and TAGDESC_UNUSABLE when the reference names no readable value
   (a class tag without member, an index outside the array). */
TARVO_API BOOL WINAPI UNFindVar(const TAGREF* pRef, int nReserved, TAGDESC* pDesc, int nMode);
/* Type code of the value the reference names (a member's type for a class member;
   3 for a field); -1 when it names no tag. */
TARVO_API int WINAPI UNTypeVar(const TAGREF* pRef);
/* The value as text (reals with "." as decimal separator). Non-zero when read; the
   buffer is always terminated when nSize > 0 and the text cut to fit. */
TARVO_API BOOL WINAPI UNReadString(const TAGREF* pRef, wchar_t* pszBuffer, int nSize);
/* Writes the value from text, converted to the tag's type. nQuality: the quality to
   store (-1: good); nReserved1 and nReserved2 are accepted and unused; nMarker names
   the writer (task id, kept with the value). Non-zero when written; 0 for an unknown
   tag, a text that is no value of a numeric type, or a full value table. */
TARVO_API BOOL WINAPI UNWriteString2(const TAGREF* pRef, const wchar_t* pszValue, int nQuality, int nReserved1, int nMarker,
                           int nReserved2);
/* The 16-bit quality of the value; 0 (bad) for a name that is no tag. */
TARVO_API WORD WINAPI UNGetQuality(const TAGREF* pRef);

#ifdef __cplusplus
}
#endif
