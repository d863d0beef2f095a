// Running modules: UNExeInit, UNExeEnd, UNExeGetFirst, UNExeGetNext, UNExeGetHWnd,
// UNExeIsExecuting, UNExePostMessage.
#include "runtime_text.h"
#include "shared_runtime.h"

using orv::runtime::kKeyChars;
using orv::runtime::LoadText;
using orv::runtime::RuntimeTables;
using orv::runtime::ValueStore;
using tarvo::runtime::SharedRuntime;

namespace {

thread_local int g_enumCursor = -1;  // UNExeGetFirst/UNExeGetNext walk per thread

std::wstring KeyOf(const wchar_t* name) { return name ? std::wstring(name) : std::wstring(); }

HWND ToWindow(std::uint64_t value) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value)); }

struct ModuleTarget {
  bool found = false;
  HWND window = nullptr;
  DWORD threadId = 0;
};

// The module's window, when it still exists (a window of an ended module is null).
ModuleTarget FindTarget(const wchar_t* name) {
  ModuleTarget target;
  std::wstring key = KeyOf(name);
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) {
    if (const auto* m = tables.FindModule(key)) {
      target.found = true;
      target.window = ToWindow(m->window);
      target.threadId = m->threadId;
    }
  });
  if (target.window != nullptr && !IsWindow(target.window)) target = ModuleTarget{};
  return target;
}

BOOL CopyModuleAt(int position, wchar_t* pszName, int nSize) {
  std::wstring key;
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) {
    int at = tables.NextModule(position);
    g_enumCursor = at < 0 ? -1 : at + 1;
    if (at >= 0) key = LoadText(tables.ModuleAt(at).key, kKeyChars);
  });
  if (key.empty()) {
    orv::runtime::CopyToCaller(pszName, nSize, L"");
    return FALSE;
  }
  orv::runtime::CopyToCaller(pszName, nSize, key);
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI UNExeInit(const wchar_t* pszName, HWND hWnd, DWORD dwThreadId, int nMode, int nReserved) {
  bool ok = false;
  std::wstring key = KeyOf(pszName);
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) {
    ok = tables.RegisterModule(key, reinterpret_cast<std::uintptr_t>(hWnd), dwThreadId, SharedRuntime::Self(), nMode,
                               nReserved);
  });
  return ok ? TRUE : FALSE;
}

void WINAPI UNExeEnd(DWORD dwThreadId) {
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore&) { tables.EndModuleThread(dwThreadId); });
}

BOOL WINAPI UNExeGetFirst(wchar_t* pszName, int nSize) { return CopyModuleAt(0, pszName, nSize); }

BOOL WINAPI UNExeGetNext(wchar_t* pszName, int nSize) {
  if (g_enumCursor < 0) {
    orv::runtime::CopyToCaller(pszName, nSize, L"");
    return FALSE;
  }
  return CopyModuleAt(g_enumCursor, pszName, nSize);
}

HWND WINAPI UNExeGetHWnd(const wchar_t* pszName) { return FindTarget(pszName).window; }

BOOL WINAPI UNExeIsExecuting(const wchar_t* pszName, int /*nReserved*/) { return FindTarget(pszName).found; }

BOOL WINAPI UNExePostMessage(const wchar_t* pszName, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  ModuleTarget target = FindTarget(pszName);
  if (!target.found) return FALSE;
  if (target.window != nullptr) return PostMessageW(target.window, uMsg, wParam, lParam);
  return PostThreadMessageW(target.threadId, uMsg, wParam, lParam);
}

}  // extern "C"
