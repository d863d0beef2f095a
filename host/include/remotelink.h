/* remotelink.dll: starts, stops and checks the running project's modules on the
   station that runs the project. The project runs locally unless its settings name a
   remote station (section "Remote", key "Station"). */
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Non-zero when the project runs on a remote station. */
BOOL WINAPI REIsRemoteExecution(void);
/* Non-zero when the remote station answers. */
BOOL WINAPI REIsRemoteConnected(void);
/* Starts the module of the key on the station; non-zero on success. */
BOOL WINAPI REStartTask(const wchar_t* pszKey);
/* Asks the module of the key to close; non-zero when it was asked. */
BOOL WINAPI REEndTask(const wchar_t* pszKey);
/* pszKeys: every key followed by a TAB. Fills pFlags (up to nCount, at most 256
   entries) with non-zero for each running module, in the same order. Non-zero when
   the answer is known. */
BOOL WINAPI RECheckTasksRunning(const wchar_t* pszKeys, int* pFlags, int nCount);

#ifdef __cplusplus
}
#endif
