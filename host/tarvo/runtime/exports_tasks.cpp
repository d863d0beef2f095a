// Runtime tasks, their host message queues and change subscriptions: UNTaskInit,
// UNTaskEnd, UNGetMessage, UNCleanMessageQueue, UNGetNumTask, UNMakeMessage,
// UNPrepareEvent.
#include "shared_runtime.h"

using orv::runtime::kEveryElement;
using orv::runtime::QueuedMessage;
using orv::runtime::ResolvedRef;
using orv::runtime::RuntimeTables;
using orv::runtime::ValueStore;
using tarvo::runtime::SharedRuntime;

namespace {

QueuedMessage ToQueued(const HOSTMSG& msg) {
  QueuedMessage q{};
  q.taskId = msg.nTaskId;
  q.code = msg.uCode;
  q.wParam = msg.wParam;
  q.lParam = msg.lParam;
  q.extra = msg.nExtra;
  q.window = reinterpret_cast<std::uintptr_t>(msg.hWnd);
  return q;
}

void FromQueued(const QueuedMessage& q, HOSTMSG& msg) {
  msg.nTaskId = q.taskId;
  msg.uCode = q.code;
  msg.wParam = static_cast<WPARAM>(q.wParam);
  msg.lParam = static_cast<LPARAM>(q.lParam);
  msg.nExtra = q.extra;
  msg.hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(q.window));
}

}  // namespace

extern "C" {

int WINAPI UNTaskInit(const wchar_t* pszName, HWND hWnd, DWORD dwThreadId) {
  int id = -1;
  std::wstring name = pszName ? pszName : L"";
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) {
    id = tables.RegisterTask(name, reinterpret_cast<std::uintptr_t>(hWnd), dwThreadId, SharedRuntime::Self());
  });
  return id;
}

void WINAPI UNTaskEnd(int nTaskId) {
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) { tables.EndTask(nTaskId); });
}

BOOL WINAPI UNGetMessage(HOSTMSG* pMsg, int nTaskId) {
  if (pMsg == nullptr) return FALSE;
  bool taken = false;
  QueuedMessage q{};
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) { taken = tables.TakeMessage(nTaskId, q); });
  if (!taken) return FALSE;
  FromQueued(q, *pMsg);
  return TRUE;
}

void WINAPI UNCleanMessageQueue(int nTaskId) {
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) { tables.CleanQueue(nTaskId); });
}

int WINAPI UNGetNumTask(const wchar_t* pszName) {
  int id = -1;
  std::wstring name = pszName ? pszName : L"";
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) { id = tables.FindTask(name); });
  return id;
}

void WINAPI UNMakeMessage(HOSTMSG* pMsg, int nTaskId, UINT uCode, WPARAM wParam, LPARAM lParam, int nExtra,
                          HWND hWnd) {
  if (pMsg == nullptr) return;
  pMsg->nTaskId = nTaskId;
  pMsg->uCode = uCode;
  pMsg->wParam = wParam;
  pMsg->lParam = lParam;
  pMsg->nExtra = nExtra;
  pMsg->hWnd = hWnd;
}

BOOL WINAPI UNPrepareEvent(BOOL bOn, const TAGREF* pRef, const HOSTMSG* pMsg, int /*nReserved*/) {
  if (pRef == nullptr || pMsg == nullptr) return FALSE;
  bool ok = false;
  const QueuedMessage message = ToQueued(*pMsg);
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore& values) {
    ResolvedRef r = values.Resolve(tarvo::runtime::ToRefData(*pRef));
    if (!r.known) return;
    // An element chosen by another tag's value may change: watch every element.
    std::int32_t index = r.indexByTag ? kEveryElement : r.key.index;
    ok = bOn ? tables.Subscribe(message.taskId, r.key.tag, index, message)
             : tables.Unsubscribe(message.taskId, r.key.tag, index, message.lParam);
  });
  return ok ? TRUE : FALSE;
}

}  // extern "C"
