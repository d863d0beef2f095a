#include "ui/message_box.h"

#include <cstdio>
#include <cstdlib>

namespace orv::ui {
namespace {
MessageBoxHandler& LocalHandler() {
  static MessageBoxHandler handler;
  return handler;
}

template <typename Fn>
Fn ProcessHook(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(nullptr), name)));
}

bool Headless() {
  wchar_t value[8];
  return ::GetEnvironmentVariableW(L"ORV_HEADLESS", value, 8) > 0;
}

HCURSOR g_savedCursor = nullptr;
int g_waitDepth = 0;
}  // namespace

int DefaultAnswer(UINT style) {
  UINT buttons = style & MB_TYPEMASK;
  UINT def = style & MB_DEFMASK;
  static const int kAnswers[][3] = {
      {IDOK, IDOK, IDOK},             // MB_OK
      {IDOK, IDCANCEL, IDCANCEL},     // MB_OKCANCEL
      {IDABORT, IDRETRY, IDIGNORE},   // MB_ABORTRETRYIGNORE
      {IDYES, IDNO, IDCANCEL},        // MB_YESNOCANCEL
      {IDYES, IDNO, IDNO},            // MB_YESNO
      {IDRETRY, IDCANCEL, IDCANCEL},  // MB_RETRYCANCEL
  };
  if (buttons > 5) return IDOK;
  int index = def == MB_DEFBUTTON2 ? 1 : def == MB_DEFBUTTON3 ? 2 : 0;
  return kAnswers[buttons][index];
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(LocalHandler());
  LocalHandler() = std::move(handler);
  return previous;
}

int OrvMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
  if (LocalHandler()) return LocalHandler()(MessageBoxRequest{owner, text, caption, style});
  if (auto hook = ProcessHook<MessageBoxHookFn>("OrvMessageBoxHook")) {
    return hook(owner, text.c_str(), caption.c_str(), style);
  }
  if (Headless()) {
    std::fwprintf(stderr, L"[%ls] %ls\n", caption.c_str(), text.c_str());
    return DefaultAnswer(style);
  }
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

void BeginWaitCursor() {
  if (auto hook = ProcessHook<WaitCursorHookFn>("OrvWaitCursorHook")) {
    hook(1);
    return;
  }
  if (g_waitDepth++ == 0) g_savedCursor = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

void EndWaitCursor() {
  if (auto hook = ProcessHook<WaitCursorHookFn>("OrvWaitCursorHook")) {
    hook(0);
    return;
  }
  if (g_waitDepth > 0 && --g_waitDepth == 0) ::SetCursor(g_savedCursor);
}

}  // namespace orv::ui
