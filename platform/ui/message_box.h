// The one way any module of the system asks the user something.
// A real MessageBoxW blocks forever on a headless machine, so every message box goes
// through OrvMessageBox, which tests and command-line tools can answer:
//  1. a handler installed in this module with SetMessageBoxHandler;
//  2. else the function "OrvMessageBoxHook" exported by the process's main program
//     (test programs and orvctl export it, so DLLs loaded by them are answered too);
//  3. else, when the environment variable ORV_HEADLESS is set, the text goes to stderr
//     and the default button's answer is returned;
//  4. else the real message box.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace orv::ui {

struct MessageBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT style;
};

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

int OrvMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

// Installs a handler for this module; returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The answer a box with this style gives to Enter: its default button.
int DefaultAnswer(UINT style);

// Signature of the exported process hook.
using MessageBoxHookFn = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

// Wait cursor through the same kind of seam ("OrvWaitCursorHook" in the main program).
void BeginWaitCursor();
void EndWaitCursor();
using WaitCursorHookFn = void (*)(int begin);

class WaitCursor {
 public:
  WaitCursor() { BeginWaitCursor(); }
  ~WaitCursor() { EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace orv::ui
