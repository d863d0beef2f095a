// remotelink.dll exports. Local execution answers from the running-modules table of
// tarvo.dll; a remote station answers over its line protocol.
#include "remotelink.h"

#include <vector>

#include "remote_protocol.h"
#include "remote_station.h"
#include "tarvo.h"

using namespace orv::remote;

namespace {

bool IsRunningHere(const std::wstring& key) {
  return UNExeGetHWnd(key.c_str()) != nullptr || UNExeIsExecuting(key.c_str(), 0);
}

}  // namespace

extern "C" {

BOOL WINAPI REIsRemoteExecution(void) { return ReadStationSettings().station.empty() ? FALSE : TRUE; }

BOOL WINAPI REIsRemoteConnected(void) {
  StationSettings where = ReadStationSettings();
  if (where.station.empty()) return TRUE;  // this machine runs the project
  std::string answer;
  return Exchange(where, PingRequest(), answer) && IsOk(answer) ? TRUE : FALSE;
}

BOOL WINAPI REStartTask(const wchar_t* pszKey) {
  std::wstring key = pszKey ? pszKey : L"";
  if (!IsSendableKey(key)) return FALSE;
  StationSettings where = ReadStationSettings();
  // Locally the callers start modules with their own command lines; here a start
  // succeeds only when the module already runs.
  if (where.station.empty()) return IsRunningHere(key) ? TRUE : FALSE;
  std::string answer;
  return Exchange(where, StartRequest(key), answer) && IsOk(answer) ? TRUE : FALSE;
}

BOOL WINAPI REEndTask(const wchar_t* pszKey) {
  std::wstring key = pszKey ? pszKey : L"";
  if (!IsSendableKey(key)) return FALSE;
  StationSettings where = ReadStationSettings();
  if (where.station.empty()) return UNExePostMessage(key.c_str(), WM_CLOSE, 0, 0);
  std::string answer;
  return Exchange(where, EndRequest(key), answer) && IsOk(answer) ? TRUE : FALSE;
}

BOOL WINAPI RECheckTasksRunning(const wchar_t* pszKeys, int* pFlags, int nCount) {
  if (pszKeys == nullptr || pFlags == nullptr || nCount <= 0) return FALSE;
  const std::size_t room = static_cast<std::size_t>(nCount < kMaxCheckedTasks ? nCount : kMaxCheckedTasks);
  std::vector<std::wstring> keys = SplitKeys(pszKeys);
  if (keys.size() > room) keys.resize(room);
  for (std::size_t i = 0; i < room; ++i) pFlags[i] = 0;
  StationSettings where = ReadStationSettings();
  if (where.station.empty()) {
    for (std::size_t i = 0; i < keys.size(); ++i) pFlags[i] = IsRunningHere(keys[i]) ? 1 : 0;
    return TRUE;
  }
  for (const std::wstring& key : keys) {
    if (!IsSendableKey(key)) return FALSE;
  }
  std::string answer;
  std::vector<int> flags;
  if (!Exchange(where, CheckRequest(keys), answer) || !ParseFlags(answer, keys.size(), flags)) return FALSE;
  for (std::size_t i = 0; i < flags.size(); ++i) pFlags[i] = flags[i];
  return TRUE;
}

}  // extern "C"
