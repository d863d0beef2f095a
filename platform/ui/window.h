// Window base of the small class library: a C++ object per window, its messages routed
// to member functions by a declarative table (ORV_BEGIN_MESSAGE_MAP ... END).
#pragma once
#include <windows.h>

#include <string>

namespace orv::ui {

class CWindowBase;

// Handlers take the raw parameters; set `handled` to false to fall through to the
// next entry, the base class table, and finally the default processing.
using MessageHandler = LRESULT (CWindowBase::*)(WPARAM wParam, LPARAM lParam, bool& handled);

constexpr UINT kAnyCode = 0xFFFFFFFFu;

struct MessageEntry {
  UINT message;
  UINT idFirst;  // WM_COMMAND: control or command id; WM_NOTIFY: idFrom
  UINT idLast;
  UINT code;     // WM_COMMAND: notification code; WM_NOTIFY: NMHDR code; kAnyCode for all
  MessageHandler handler;
};

struct MessageMap {
  const MessageEntry* entries;
  const MessageMap* base;
};

class CWindowBase {
 public:
  CWindowBase() = default;
  virtual ~CWindowBase();
  CWindowBase(const CWindowBase&) = delete;
  CWindowBase& operator=(const CWindowBase&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND m_hWnd = nullptr;

  // A window of a class registered by RegisterWindowClass (or any class that uses
  // CWindowBase::StartWndProc).
  bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                HWND parent, UINT_PTR idOrMenu, HINSTANCE instance = nullptr);
  // Registers a window class whose procedure routes to CWindowBase objects.
  static bool RegisterWindowClass(const wchar_t* className, UINT style = CS_DBLCLKS, HBRUSH background = nullptr,
                                  HINSTANCE instance = nullptr);

  // Takes over an existing window (such as a system control) and routes its messages here.
  bool SubclassWindow(HWND hwnd);
  HWND UnsubclassWindow();

  static CWindowBase* FromHandle(HWND hwnd);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }
  std::wstring GetWindowText() const;
  void DestroyWindow();

 protected:
  virtual const MessageMap* GetMessageMap() const;
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Original processing of the message being handled (the subclassed procedure or
  // DefWindowProc).
  LRESULT Default();
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after WM_NCDESTROY, when the window is gone.
  virtual void PostNcDestroy() {}

  // Routes through the tables; returns true when a handler took the message.
  bool DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  static LRESULT CALLBACK StartWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

 private:
  WNDPROC m_superProc = nullptr;
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } m_current{};

  static const MessageEntry kBaseEntries[];
};

}  // namespace orv::ui

#define ORV_DECLARE_MESSAGE_MAP()                                      \
 protected:                                                            \
  const ::orv::ui::MessageMap* GetMessageMap() const override;         \
                                                                       \
 private:                                                              \
  static const ::orv::ui::MessageEntry kMessageEntries[];

#define ORV_BEGIN_MESSAGE_MAP(Class, Base)                                                \
  const ::orv::ui::MessageMap* Class::GetMessageMap() const {                             \
    static const ::orv::ui::MessageMap map{Class::kMessageEntries, Base::GetMessageMap()}; \
    return &map;                                                                          \
  }                                                                                       \
  const ::orv::ui::MessageEntry Class::kMessageEntries[] = {
#define ORV_ON_MESSAGE(msg, fn) \
  {msg, 0, 0xFFFFFFFFu, ::orv::ui::kAnyCode, static_cast<::orv::ui::MessageHandler>(fn)},
#define ORV_ON_COMMAND(id, fn) \
  {WM_COMMAND, id, id, ::orv::ui::kAnyCode, static_cast<::orv::ui::MessageHandler>(fn)},
#define ORV_ON_COMMAND_RANGE(first, last, fn) \
  {WM_COMMAND, first, last, ::orv::ui::kAnyCode, static_cast<::orv::ui::MessageHandler>(fn)},
#define ORV_ON_CONTROL(code, id, fn) \
  {WM_COMMAND, id, id, static_cast<UINT>(code), static_cast<::orv::ui::MessageHandler>(fn)},
#define ORV_ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY, id, id, static_cast<UINT>(code), static_cast<::orv::ui::MessageHandler>(fn)},
#define ORV_END_MESSAGE_MAP() \
  { 0, 0, 0, 0, nullptr }     \
  }                           \
  ;
